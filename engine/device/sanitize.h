// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A drive's own erase: what its controller offers (NVMe Sanitize and Format,
// ATA SANITIZE and its security feature set, SCSI SANITIZE), asked of the
// drive itself.

#include "engine/platform/drives.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace velmora
{

// Strongest first, as a drive wipe takes them when none is named.
enum class SanitizeAction { CryptoErase, BlockErase, FormatCrypto, FormatErase, Overwrite };

// The fixed word of each: "crypto-erase", "block-erase", "format-crypto",
// "format-erase", "overwrite".
QString sanitizeActionKey(SanitizeAction action);
std::optional<SanitizeAction> sanitizeActionOfKey(const QString &key);

struct SanitizeOffer {
    enum class Protocol { None, Nvme, Ata, Scsi };
    Protocol protocol = Protocol::None;
    std::vector<SanitizeAction> actions; // strongest first
    // Where it offers none: why, in one sentence.
    QString reason;
    // NVMe: the capabilities as Identify Controller gives them, and how the
    // last sanitize ended ("never", "completed", "in progress", "failed").
    quint32 sanicap = 0;
    quint8 fna = 0;
    bool formats = false;
    QString lastSanitize;
    // ATA: the security feature set, whose erase counts as Clear only on
    // flash and which a frozen drive refuses until it is suspended and
    // resumed; the erase times it gives, in minutes (-1 unknown).
    // ATA: the SANITIZE feature set frozen until the drive loses power.
    bool sanitizeFrozen = false;
    bool security = false;
    bool securityEnabled = false;
    bool locked = false;
    bool frozen = false;
    int eraseMinutes = -1;
    int enhancedEraseMinutes = -1;

    QJsonObject toJson() const;
    // One line for a listing: the actions, or why there are none.
    QString summary() const;
};

// Why `action` is not sent to the drive `offer` tells of (it is not
// offered, or nothing is); empty when it is sent.
QString ownEraseUnsent(const SanitizeOffer &offer, SanitizeAction action);

// The drive's own erase chosen for a wipe: the action, and the command set
// the drive was asked in.
struct OwnEraseChoice {
    SanitizeAction action = SanitizeAction::CryptoErase;
    SanitizeOffer::Protocol protocol = SanitizeOffer::Protocol::Nvme;
};

// The drive's own erase of `action`, sent through `fd` (the drive pinned for
// its wipe) and followed to its end.
class OwnErase
{
  public:
    OwnErase(const platform::Drive &drive, int fd, OwnEraseChoice choice);

    // The command as the certificate names it: "NVMe Sanitize (block
    // erase)", "NVMe Format (cryptographic erase)", "ATA SANITIZE (crypto
    // scramble)".
    QString command() const;
    // What every block reads as after it: zeros where the command writes
    // them (an overwrite with a pattern of zeros), else anything but what it
    // held before.
    bool zerosPromised() const { return choice.action == SanitizeAction::Overwrite; }
    // Sends it: false, with the reason (the drive's status named), where the
    // call failed or the drive refused or failed it. A Format returns once
    // it is done; a Sanitize runs on in the drive.
    bool start(QString *why);
    // How long the drive said, before it started, the command would take,
    // in seconds; -1 where it did not say (NVMe's Sanitize log only).
    qint64 estimateSeconds() const { return estimate; }
    enum class State { Running, Done, Failed };
    // Where a started command stands: the part done, out of 65536, while it
    // runs; the reason where it failed.
    State poll(quint32 *done, QString *why);

  private:
    bool format(QString *why);
    bool startNvme(QString *why);
    bool startAta(QString *why);
    bool startScsi(QString *why);
    State pollNvme(quint32 *done, QString *why);
    State pollAta(quint32 *done, QString *why);
    State pollScsi(quint32 *done, QString *why);

    platform::Drive drive;
    int fd;
    OwnEraseChoice choice;
    bool formatted = false;
    qint64 estimate = -1;
};

// Asks the drive at `drive` what it offers. A drive that cannot be asked
// (a loop device, memory, a USB bridge, a partition) is answered without a
// command sent.
SanitizeOffer probeSanitize(const platform::Drive &drive);

} // namespace velmora
