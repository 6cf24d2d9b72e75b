// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/device/drivewipe.h"
#include "engine/core/sizes.h"

#include "engine/device/alignedbuffer.h"
#include "engine/device/badsectors.h"
#include "engine/device/hiddenarea.h"

#include "engine/core/chunks.h"
#include "engine/core/homes.h"
#include "engine/core/jobjournal.h"
#include "engine/device/luks.h"
#include "engine/device/partitiontable.h"
#include "engine/device/samplecheck.h"
#include "engine/fs/medium.h"
#include "engine/fs/paths.h"
#include "engine/fs/randomstream.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QLocale>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <future>
#include <memory>
#include <mutex>
#include <thread>

namespace velmora
{

namespace
{

// Writes and reads go in chunks of this many bytes: large enough that the
// device streams, a multiple of every sector size.
constexpr qint64 kDriveChunk = 4 * 1024 * 1024;

qint64 chunkOf(const JobContext &ctx)
{
    return ctx.driveChunk > 0 ? ctx.driveChunk : kDriveChunk;
}

// What the job did, kept for the record as it goes.
struct Facts {
    QJsonObject drive;
    QJsonArray passes;
    JobContext &ctx;
    void publish()
    {
        drive.insert(QStringLiteral("passes"), passes);
        if (ctx.report)
            ctx.report->setDrive(drive);
    }
};

// Writes one pass of `stream` over [from, to) of the device: this thread
// draws each chunk while the two before it are being written. Returns 0,
// ECANCELED when stopped, or the errno of the write that failed;
// `*written` counts the bytes written from `from` on without a gap. With
// `bad`, a chunk refused with a media error is written again, down to its
// sectors, and those that stay refused are kept there.
int writeRange(int fd, quint64 from, quint64 to, RandomStream &stream, JobContext &ctx,
               quint64 *written, BadSectors *bad = nullptr)
{
    constexpr int kAhead = 2;
    const qint64 chunk = chunkOf(ctx);
    AlignedBuffer buffers[kAhead + 1] = {AlignedBuffer(chunk), AlignedBuffer(chunk),
                                         AlignedBuffer(chunk)};
    std::future<int> writing[kAhead + 1];
    stream.seek(from);
    *written = 0;
    int failure = 0;
    quint64 offsets[kAhead + 1] = {};
    // Waits for the write in `slot`; counts it when it was whole.
    const auto settle = [&](int slot, qint64 length) {
        if (!writing[slot].valid())
            return;
        int error = writing[slot].get();
        if (error != 0 && failure == 0 && bad && isMediaError(error))
            error = rewriteRefused(fd, buffers[slot].get(), offsets[slot], length, *bad);
        if (error != 0 || failure != 0) {
            if (failure == 0)
                failure = error;
            return;
        }
        *written += quint64(length);
        ctx.wrote(length);
        ctx.chunksProcessed(length / kChunkSize);
    };
    qint64 lengths[kAhead + 1] = {};
    int slot = 0;
    for (quint64 offset = from; offset < to && failure == 0; offset += chunk) {
        if (ctx.stopped()) {
            failure = ECANCELED;
            break;
        }
        settle(slot, lengths[slot]);
        if (failure != 0)
            break;
        const qint64 length = qint64(std::min<quint64>(chunk, to - offset));
        stream.fill(buffers[slot].get(), std::size_t(length));
        lengths[slot] = length;
        offsets[slot] = offset;
        writing[slot] =
            std::async(std::launch::async, [fd, data = buffers[slot].get(), length, offset] {
                int error = platform::injectFault ? platform::injectFault("drivewrite", fd) : 0;
                if (error == 0 &&
                    platform::writeAll(fd, data, std::size_t(length), qint64(offset), &error) !=
                        std::size_t(length) &&
                    error == 0)
                    error = EIO;
                return error;
            });
        slot = (slot + 1) % (kAhead + 1);
    }
    // The writes still in flight, in order.
    for (int i = 0; i <= kAhead; ++i, slot = (slot + 1) % (kAhead + 1))
        settle(slot, lengths[slot]);
    return failure;
}

// Reads [from, to) back and compares it with `stream` from `from`, reading
// the next chunk on a second thread while this one draws and compares.
// Returns 0, ECANCELED, EILSEQ at the first difference (`*at`), or a
// read's errno. Kept in one piece: the read ahead and the comparison are one
// pipeline, read through every sector of a drive.
int compareRange(int fd, quint64 from, quint64 to, RandomStream &stream, JobContext &ctx,
                 quint64 *at, BadSectors *bad = nullptr)
{
    // Two reads in flight while the third buffer is compared: a disk that
    // answers from several queues streams, one read at a time does not.
    constexpr int kAhead = 2;
    const qint64 chunk = chunkOf(ctx);
    AlignedBuffer buffers[kAhead + 1] = {AlignedBuffer(chunk), AlignedBuffer(chunk),
                                         AlignedBuffer(chunk)};
    struct Read {
        qint64 got = 0;
        int error = 0;
    };
    const auto readChunk = [fd](char *into, quint64 offset, qint64 length) {
        Read r;
        while (r.got < length) {
            const qint64 n = platform::readAt(fd, into + r.got, std::size_t(length - r.got),
                                              qint64(offset) + r.got, &r.error);
            if (n <= 0)
                break;
            r.got += n;
        }
        return r;
    };
    const auto lengthAt = [to, chunk](quint64 offset) {
        return offset < to ? qint64(std::min<quint64>(chunk, to - offset)) : 0;
    };
    stream.seek(from);
    std::future<Read> reading[kAhead + 1];
    quint64 asked = from; // where the next read begins
    int index = 0;
    const auto askNext = [&] {
        const int slot = int(((asked - from) / chunk) % (kAhead + 1));
        if (const qint64 length = lengthAt(asked))
            reading[slot] =
                std::async(std::launch::async, readChunk, buffers[slot].get(), asked, length);
        asked += chunk;
    };
    for (int i = 0; i < kAhead; ++i)
        askNext();
    for (quint64 offset = from; offset < to; offset += chunk, index = (index + 1) % (kAhead + 1)) {
        const qint64 length = lengthAt(offset);
        Read r = reading[index].get();
        if (ctx.stopped())
            return ECANCELED;
        // Sectors that will not be read are kept with those that would not
        // be written, and not compared.
        if (r.got != length && bad && isMediaError(r.error) &&
            rereadRefused(fd, buffers[index].get(), offset, length, *bad) == 0)
            r.got = length;
        if (r.got != length) {
            *at = offset + quint64(std::max<qint64>(r.got, 0));
            return r.error ? r.error : EIO;
        }
        askNext();
        // What the pass wrote, taken off what came back, leaves zeros; in
        // pieces that stay in the cache between the two steps.
        char *got = buffers[index].get();
        constexpr qint64 kPiece = 256 * 1024;
        for (qint64 piece = 0; piece < length; piece += kPiece) {
            const std::size_t n = std::size_t(std::min(kPiece, length - piece));
            stream.strip(got + piece, n);
            if (bad)
                bad->blankIn(got + piece, offset + quint64(piece), n);
            if (got[piece] == 0 && std::memcmp(got + piece, got + piece + 1, n - 1) == 0)
                continue;
            for (std::size_t i = 0; i < n; ++i)
                if (got[piece + qint64(i)] != 0) {
                    *at = offset + quint64(piece) + i;
                    break;
                }
            return EILSEQ;
        }
        // Only what was read and compared counts as such; the refused
        // sectors are named apart.
        ctx.readBack(length - qint64(bad ? bad->bytesIn(offset, quint64(length)) : 0));
        ctx.chunksProcessed(length / kChunkSize);
    }
    return 0;
}

QString sanitizationWords(const QString &category, const platform::Drive &drive, bool verified,
                          const QByteArray &luks, const QString &ownCommand = QString(),
                          bool sampled = false)
{
    const MediumKind kind = mediumKind(platform::storageOfDisk(drive.disk));
    const bool flash = kind == MediumKind::Flash || kind == MediumKind::MaybeFlash;
    const QString flashLimit =
        flash ? QLatin1Char(' ') + QCoreApplication::translate(
                                       "DriveWipe",
                                       "On flash, cells the drive has remapped are outside the "
                                       "host's reach; only the drive's own sanitize command "
                                       "reaches them.")
              : QString();
    if (category == QLatin1String("purge") && !ownCommand.isEmpty())
        return QCoreApplication::translate(
                   "DriveWipe",
                   "Purge (NIST SP 800-88, IEEE 2883), by the drive's own erase: %1 completed, "
                   "and no block sampled across the drive before and after it reads as it did "
                   "before.")
            .arg(ownCommand);
    if (category == QLatin1String("purge"))
        return QCoreApplication::translate(
                   "DriveWipe",
                   "Purge (NIST SP 800-88), by cryptographic erase: every key slot and both "
                   "headers of the %1 container were overwritten. This holds where the data was "
                   "only ever written through the encryption and no copy of the header exists "
                   "elsewhere.")
            .arg(QString::fromUtf8(luks));
    if (category == QLatin1String("clear") && verified && sampled)
        return QCoreApplication::translate(
                   "DriveWipe",
                   "Clear (NIST SP 800-88): every addressable sector was overwritten, and blocks "
                   "sampled across the drive were read back (NIST SP 800-88 Rev. 1, 4.7).") +
               flashLimit;
    if (category == QLatin1String("clear"))
        return (verified ? QCoreApplication::translate(
                               "DriveWipe",
                               "Clear (NIST SP 800-88): every addressable sector was overwritten "
                               "and the last pass read back.")
                         : QCoreApplication::translate(
                               "DriveWipe", "Clear (NIST SP 800-88): every addressable sector was "
                                            "overwritten; the last pass was not read back.")) +
               flashLimit;
    return QCoreApplication::translate(
        "DriveWipe", "Neither Clear nor Purge (NIST SP 800-88): the wipe did not finish.");
}

// A drive that refused sectors earns no category, whatever was done.
QString badSectorsWords(quint64 count)
{
    return QCoreApplication::translate(
        "DriveWipe",
        "Neither Clear nor Purge (NIST SP 800-88): %n sector(s) could not be written or read "
        "back and may still hold what was there. Destroy the drive physically.",
        nullptr, int(count));
}

} // namespace

namespace
{

enum class Refusal {
    None,
    System,
    Home,
    SystemDisk,
    HomeDisk,
    Mounted,
    Swap,
    Held,
    OpenBy,
    ReadOnly
};

// Why a drive may not be wiped, first reason first.
Refusal refusalOf(const platform::Drive &drive)
{
    // Whose home: this user's, and through pkexec or sudo, the caller's.
    const auto holdsHome = [](const QByteArrayList &mountPoints) {
        for (const QByteArray &home : protectedHomes())
            for (const QByteArray &mountPoint : mountPoints)
                if (mountPoint != "/" && (home == mountPoint || home.startsWith(mountPoint + '/')))
                    return true;
        return false;
    };
    if (drive.mountPoints.contains("/"))
        return Refusal::System;
    if (holdsHome(drive.mountPoints))
        return Refusal::Home;
    // A partition of the system's disk, or of the home folder's, is not
    // given away on its own: whatever the disk holds stays whole.
    if (drive.partition && drive.diskMountPoints.contains("/"))
        return Refusal::SystemDisk;
    if (drive.partition && holdsHome(drive.diskMountPoints))
        return Refusal::HomeDisk;
    if (!drive.mountPoints.isEmpty())
        return Refusal::Mounted;
    if (!drive.swaps.isEmpty())
        return Refusal::Swap;
    if (!drive.holders.isEmpty())
        return Refusal::Held;
    if (!drive.openBy.isEmpty())
        return Refusal::OpenBy;
    return drive.readOnly ? Refusal::ReadOnly : Refusal::None;
}

} // namespace

QString driveRefusal(const platform::Drive &drive)
{
    const auto named = [](const QByteArrayList &list) {
        QStringList names;
        for (const QByteArray &item : list)
            names.append(displayName(item));
        return names.join(QStringLiteral(", "));
    };
    switch (refusalOf(drive)) {
    case Refusal::System:
        return QCoreApplication::translate(
            "DriveWipe", "This drive holds the running system and cannot be wiped.");
    case Refusal::Home:
        return QCoreApplication::translate(
            "DriveWipe", "This drive holds your home folder and cannot be wiped.");
    case Refusal::SystemDisk:
        return QCoreApplication::translate(
            "DriveWipe",
            "This partition is on the drive of the running system and cannot be wiped.");
    case Refusal::HomeDisk:
        return QCoreApplication::translate(
            "DriveWipe", "This partition is on the drive of your home folder and cannot be wiped.");
    case Refusal::Mounted:
        return QCoreApplication::translate(
                   "DriveWipe", "A volume on this drive is mounted (%1): unmount it first.")
            .arg(named(drive.mountPoints));
    case Refusal::Swap:
        return QCoreApplication::translate("DriveWipe", "This drive holds active swap (%1).")
            .arg(named(drive.swaps));
    case Refusal::Held:
        return QCoreApplication::translate(
                   "DriveWipe",
                   "This drive is in use by %1 (an open encrypted volume, RAID or LVM): close "
                   "it first.")
            .arg(named(drive.holders));
    case Refusal::OpenBy:
        return QCoreApplication::translate("DriveWipe",
                                           "This drive is held open by %1: end what uses it first.")
            .arg(QString::fromUtf8(drive.openBy.join("; ")));
    case Refusal::ReadOnly:
        return QCoreApplication::translate("DriveWipe", "This drive is read-only.");
    case Refusal::None:
        break;
    }
    return QString();
}

QString driveRefusalBrief(const platform::Drive &drive)
{
    switch (refusalOf(drive)) {
    case Refusal::System:
        return QCoreApplication::translate("DriveWipe", "Running system");
    case Refusal::Home:
        return QCoreApplication::translate("DriveWipe", "Home folder");
    case Refusal::SystemDisk:
        return QCoreApplication::translate("DriveWipe", "System drive");
    case Refusal::HomeDisk:
        return QCoreApplication::translate("DriveWipe", "Home folder's drive");
    case Refusal::Mounted:
        return QCoreApplication::translate("DriveWipe", "Mounted: %1")
            .arg(displayName(drive.mountPoints.constFirst()));
    case Refusal::Swap:
        return QCoreApplication::translate("DriveWipe", "Swap in use");
    case Refusal::Held:
        return QCoreApplication::translate("DriveWipe", "In use by %1")
            .arg(QString::fromUtf8(drive.holders.constFirst()));
    case Refusal::OpenBy:
        return QCoreApplication::translate("DriveWipe", "Held open by %1")
            .arg(QString::fromUtf8(drive.openBy.constFirst()));
    case Refusal::ReadOnly:
        return QCoreApplication::translate("DriveWipe", "Read-only");
    case Refusal::None:
        break;
    }
    return QString();
}

QString driveTitle(const platform::Drive &drive)
{
    QStringList parts;
    const platform::Storage s = platform::storageOfDisk(drive.disk);
    if (!s.model().isEmpty())
        parts.append(s.model());
    if (!drive.disk.serial.isEmpty())
        parts.append(QCoreApplication::translate("DriveWipe", "serial %1").arg(drive.disk.serial));
    parts.append(sizeText(qint64(drive.bytes)));
    parts.append(displayName(drive.path));
    return parts.join(QStringLiteral(", "));
}

QString outcomeFileStem(const platform::Drive &drive, QSet<QString> *taken)
{
    const QString node = QFileInfo(displayName(drive.path)).fileName();
    QString stem;
    for (const QChar c : drive.disk.serial.trimmed())
        stem += c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_') ||
                        c == QLatin1Char('.')
                    ? c
                    : QLatin1Char('_');
    if (stem.isEmpty() || stem.startsWith(QLatin1Char('.')))
        stem = node;
    if (taken->contains(stem))
        stem += QLatin1Char('-') + node;
    taken->insert(stem);
    return stem;
}

QString pinnedDrivesChanged(const QByteArrayList &paths,
                            const std::vector<const PinnedDrive *> &pins)
{
    std::vector<platform::Drive> seen;
    qsizetype missing = 0;
    if (platform::drivesAt(paths, &seen, &missing) != 0)
        seen.clear();
    for (std::size_t i = 0; i < pins.size(); ++i) {
        const QString changed = pinnedDriveChanged(*pins[i], seen.empty() ? nullptr : &seen[i]);
        if (!changed.isEmpty())
            return changed;
    }
    return QString();
}

qint64 driveChunkFor(std::size_t drives)
{
    constexpr qint64 kMiB = 1024 * 1024;
    constexpr qint64 kBudget = 96 * kMiB;
    qint64 chunk = 4 * kMiB;
    while (chunk > kMiB && chunk * 3 * qint64(drives) > kBudget)
        chunk /= 2;
    return chunk;
}

qint64 driveWipeUnits(quint64 bytes, int passes, bool verify, bool cryptoErase, bool ownErase)
{
    const qint64 chunks = qint64((bytes + kChunkSize - 1) / kChunkSize);
    return chunks * (passes + (verify && passes > 0 ? 1 : 0)) + (cryptoErase ? 1 : 0) +
           (ownErase ? kOwnEraseUnits : 0);
}

namespace
{

// The drives this process holds pinned: a device it cannot claim because
// it holds it itself (the same drive chosen twice, a drive and one of its
// own partitions) is told as such, never as another program's.
std::mutex pinsMutex;
std::vector<const PinnedDrive *> pins;

bool pinnedHere(const platform::Drive &drive)
{
    std::lock_guard<std::mutex> lock(pinsMutex);
    for (const PinnedDrive *pin : pins) {
        const platform::Drive &held = pin->drive;
        if (held.number == drive.number || held.partitions.contains(drive.name) ||
            drive.partitions.contains(held.name))
            return true;
    }
    return false;
}

QString openFailure(const QString &shown, int rc, bool ownPin)
{
    if (rc == EBUSY && ownPin)
        return QCoreApplication::translate(
                   "DriveWipe", "❌ %1 is already chosen in this wipe, itself or as the drive of a "
                                "chosen partition: nothing was written.")
            .arg(shown);
    return rc == EBUSY
               ? QCoreApplication::translate(
                     "DriveWipe", "❌ %1 is in use (a mounted volume, a mapping, swap or another "
                                  "program holds it): nothing was written.")
                     .arg(shown)
           : rc == EROFS
               ? QCoreApplication::translate("DriveWipe", "❌ %1 is read-only: nothing was written.")
                     .arg(shown)
           : rc == EACCES || rc == EPERM
               ? QCoreApplication::translate(
                     "DriveWipe",
                     "❌ Wiping a whole drive needs administrator rights: nothing was written to "
                     "%1.")
                     .arg(shown)
               : QCoreApplication::translate("DriveWipe", "❌ %1 cannot be opened: %2")
                     .arg(shown, platform::errorText(rc));
}

} // namespace

std::shared_ptr<PinnedDrive> pinDrive(const QByteArray &path, QString *refusal, int *error,
                                      const platform::Drive *seen)
{
    const QString shown = displayName(path);
    int ignored = 0;
    int &rc = error ? *error : ignored;
    auto pin = std::make_shared<PinnedDrive>();
    if (seen)
        pin->drive = *seen;
    rc = seen ? 0 : platform::driveAt(path, &pin->drive);
    if (rc != 0) {
        *refusal = rc == ENOTBLK
                       ? QCoreApplication::translate(
                             "DriveWipe", "❌ %1 is not a block device: nothing was written.")
                             .arg(shown)
                       : QCoreApplication::translate("DriveWipe", "❌ %1 cannot be used: %2")
                             .arg(shown, platform::errorText(rc));
        return nullptr;
    }
    const QString why = driveRefusal(pin->drive);
    if (!why.isEmpty()) {
        *refusal = QStringLiteral("❌ %1 %2").arg(shown, why);
        return nullptr;
    }
    pin->fd = platform::openDriveForWipe(path, true, &rc);
    if (!pin->fd.valid()) {
        *refusal = openFailure(shown, rc, rc == EBUSY && pinnedHere(pin->drive));
        return nullptr;
    }
    // The node may have been given to another device between the look and
    // the open: what was looked at must be what is held.
    if ((rc = platform::identityOf(pin->fd.get(), &pin->identity)) != 0 ||
        pin->identity.number != pin->drive.number) {
        *refusal = QCoreApplication::translate(
                       "DriveWipe", "❌ %1 changed while it was opened: nothing was written.")
                       .arg(shown);
        rc = rc ? rc : ENXIO;
        return nullptr;
    }
    pin->drive.bytes = pin->identity.bytes;
    std::lock_guard<std::mutex> lock(pinsMutex);
    pins.push_back(pin.get());
    return pin;
}

PinnedDrive::PinnedDrive() = default;

PinnedDrive::~PinnedDrive()
{
    std::lock_guard<std::mutex> lock(pinsMutex);
    pins.erase(std::remove(pins.begin(), pins.end(), this), pins.end());
}

QString pinnedDriveChanged(const PinnedDrive &pin, const platform::Drive *seen)
{
    const QString shown = displayName(pin.drive.path);
    platform::DriveIdentity now;
    platform::DriveIdentity held;
    if (platform::identityOf(pin.fd.get(), &held) != 0 || held != pin.identity)
        return QCoreApplication::translate(
                   "DriveWipe",
                   "❌ %1 is not the drive it was when it was chosen (it was removed, resized or "
                   "given another file): nothing was written.")
            .arg(shown);
    if (const int rc = platform::identityAt(pin.drive.path, &now))
        return QCoreApplication::translate("DriveWipe",
                                           "❌ %1 is no longer there (%2): nothing was written.")
            .arg(shown, platform::errorText(rc));
    if (now != pin.identity)
        return QCoreApplication::translate(
                   "DriveWipe",
                   "❌ %1 now names another device than the one chosen: nothing was written.")
            .arg(shown);
    platform::Drive drive;
    if (seen)
        drive = *seen;
    else if (const int rc = platform::driveAt(pin.drive.path, &drive))
        return QCoreApplication::translate("DriveWipe", "❌ %1 cannot be used: %2")
            .arg(shown, platform::errorText(rc));
    const QString why = driveRefusal(drive);
    return why.isEmpty() ? QString() : QStringLiteral("❌ %1 %2").arg(shown, why);
}

namespace
{

// One drive wipe, step by step, on a drive pinned before it starts: what
// the drive is, its keys, the passes, the read-back, the discard. Each step
// says what it did in the facts of the certificate; one that fails or is
// stopped returns false, said.
class DriveWipe
{
  public:
    DriveWipe(const QByteArray &path, std::shared_ptr<PinnedDrive> pin, JobContext &ctx)
        : path(path), shown(displayName(path)), pin(std::move(pin)),
          ctx(ctx), facts{QJsonObject(), QJsonArray(), ctx}
    {
    }

    bool measure();
    void describe();
    bool destroyKeys();
    bool clearHeaders(const LuksHeader &header, int destroyed, QJsonObject luks);
    int overwriteHeaders(quint64 area);
    // The drive's own erase of `action`, the sampled blocks marked before
    // and checked after it.
    bool ownErase(OwnEraseChoice choice);
    bool waitForOwnErase(OwnErase &erase, QJsonObject *facts);
    void failSampleCheck(const SampleCheck::Result &result);
    bool overwrite(int passes);
    // With the user's leave, the passes again over what a host protected
    // area hides, opened for them (hiddenarea.h); false only when stopped.
    bool overwriteHidden(int passes);
    bool readBack();
    bool readBackSampled();
    void discard();
    void makeReady(const FreshFormat &format);
    void finish(int passes);

  private:
    const QByteArray &path;
    const QString shown;
    std::shared_ptr<PinnedDrive> pin;
    JobContext &ctx;
    Facts facts;
    quint64 bytes = 0;
    quint32 logical = 512;
    quint32 physical = 512;
    QString category;
    QByteArray luksVersion;
    std::unique_ptr<RandomStream> last; // the last pass's stream
    bool verified = false;
    // The drive's own erase completed and the sampled blocks agree.
    bool ownErased = false;
    // What the passes and the read-back could not reach.
    std::unique_ptr<BadSectors> bad;
    HiddenArea hidden;
    // Hidden sectors left as they were, and those overwritten once opened.
    quint64 hiddenSectors = 0;
    quint64 hiddenOverwritten = 0;
    bool failedForBadSectors(int rc);
    int hiddenPass(RandomStream &stream, bool write, quint64 *done);
};

bool DriveWipe::measure()
{
    if (const int rc = platform::driveGeometry(pin->fd.get(), &bytes, &logical, &physical)) {
        ctx.fail(QCoreApplication::translate("DriveWipe", "❌ The size of %1 cannot be read: %2")
                     .arg(shown, platform::errorText(rc)),
                 rc);
        return false;
    }
    bad = std::make_unique<BadSectors>(logical);
    return true;
}

// Too many sectors refused: the drive is failing, and the wipe ends.
bool DriveWipe::failedForBadSectors(int rc)
{
    if (bad->count() > 0)
        facts.drive.insert(QStringLiteral("badSectors"), bad->toJson());
    if (rc != EIO || !bad->tooMany())
        return false;
    facts.publish();
    ctx.fail(QCoreApplication::translate(
                 "DriveWipe", "❌ %1 refused more than %2 sectors: the drive is failing. What it "
                              "holds cannot be proved erased; destroy it physically.")
                 .arg(shown)
                 .arg(BadSectors::kMost),
             rc);
    return true;
}

void DriveWipe::describe()
{
    const platform::Drive &drive = pin->drive;
    const QJsonObject storage = storageJson(platform::storageOfDisk(drive.disk));
    facts.drive = storage.value(QStringLiteral("disks")).toArray().at(0).toObject();
    facts.drive.insert(QStringLiteral("path"), displayName(path));
    facts.drive.insert(QStringLiteral("name"), QString::fromUtf8(drive.name));
    facts.drive.insert(QStringLiteral("partition"), drive.partition);
    facts.drive.insert(QStringLiteral("bytes"), double(bytes));
    facts.drive.insert(QStringLiteral("logicalSector"), int(logical));
    facts.drive.insert(QStringLiteral("physicalSector"), int(physical));
    facts.drive.insert(QStringLiteral("medium"), storage.value(QStringLiteral("medium")));
    facts.drive.insert(QStringLiteral("title"), driveTitle(drive));
    if (!drive.loopFile.isEmpty())
        facts.drive.insert(QStringLiteral("backingFile"), displayName(drive.loopFile));
    // What the drive held, for the certificate: its partition table.
    AlignedBuffer head(1024 * 1024);
    int error = 0;
    const qint64 n = platform::readAt(
        pin->fd.get(), head.get(), std::size_t(std::min<quint64>(bytes, 1024 * 1024)), 0, &error);
    const PartitionTable table =
        parsePartitionTable(QByteArray(head.get(), int(std::max<qint64>(n, 0))), logical);
    facts.drive.insert(QStringLiteral("partitionTable"), table.toJson());
    if (!table.type.isEmpty())
        ctx.info(QCoreApplication::translate("DriveWipe",
                                             "ℹ️ Partition table found on %1: %2, %n "
                                             "partition(s).",
                                             nullptr, int(table.partitions.size()))
                     .arg(shown, table.type.toUpper()));
    // What the drive hides past the end it shows stays as it is.
    hidden = probeHiddenArea(drive, pin->fd.get());
    if (hidden.known)
        facts.drive.insert(QStringLiteral("hiddenArea"), hidden.toJson());
    hiddenSectors = hidden.hiddenSectors();
    if (hiddenSectors > 0)
        ctx.warn(QStringLiteral("⚠️ ") + hidden.sentence(shown, logical));
    facts.drive.insert(QStringLiteral("sanitization"), QStringLiteral("none"));
    facts.drive.insert(QStringLiteral("sanitizationText"),
                       sanitizationWords(QString(), drive, false, QByteArray()));
    facts.publish();
}

bool DriveWipe::destroyKeys()
{
    LuksHeader header;
    QString problem;
    const int found = probeLuks(path, &header, &problem);
    if (found <= 0) {
        ctx.fail(
            found == 0
                ? QCoreApplication::translate(
                      "DriveWipe", "❌ %1 holds no LUKS container: there are no keys to destroy.")
                      .arg(shown)
                : QCoreApplication::translate(
                      "DriveWipe",
                      "❌ The LUKS header of %1 cannot be read (%2): its keys cannot be "
                      "destroyed one by one. An overwrite of the whole drive reaches them.")
                      .arg(shown, problem));
        return false;
    }
    luksVersion = header.version;
    ctx.atPhase(QCoreApplication::translate("DriveWipe", "keys"));
    const int destroyed = destroyKeySlots(path, &problem);
    if (destroyed < 0) {
        ctx.fail(QCoreApplication::translate("DriveWipe",
                                             "❌ The key slots of %1 could not be destroyed: %2")
                     .arg(shown, problem));
        return false;
    }
    // Said at once: whatever happens to the headers now, no key opens
    // the container again, and the certificate must say so.
    QJsonObject luks{{QStringLiteral("version"), QString::fromUtf8(header.version)},
                     {QStringLiteral("keySlotsDestroyed"), destroyed},
                     {QStringLiteral("headerBytesOverwritten"), 0}};
    facts.drive.insert(QStringLiteral("luks"), luks);
    facts.publish();
    return clearHeaders(header, destroyed, luks);
}

// The headers (LUKS2 keeps two) and the key-slot area, all of it, written
// over and read back; then the container is gone for the certificate.
bool DriveWipe::clearHeaders(const LuksHeader &header, int destroyed, QJsonObject luks)
{
    const quint64 area =
        std::min(bytes, (header.headerBytes + kDriveChunk - 1) / kDriveChunk * kDriveChunk);
    const int rc = overwriteHeaders(area);
    LuksHeader after;
    QString afterProblem;
    const bool stillThere = rc == 0 && probeLuks(path, &after, &afterProblem) != 0;
    if (rc != 0 || stillThere) {
        ctx.fail(stillThere
                     ? QCoreApplication::translate(
                           "DriveWipe",
                           "❌ The %1 key slot(s) of %2 were destroyed, but a LUKS header is "
                           "still found on it after its first %3 were overwritten.")
                           .arg(destroyed)
                           .arg(shown, sizeText(qint64(area)))
                     : QCoreApplication::translate(
                           "DriveWipe",
                           "❌ The %1 key slot(s) of %2 were destroyed, but its headers could "
                           "not be overwritten: %3")
                           .arg(destroyed)
                           .arg(shown, platform::errorText(rc)),
                 rc);
        return false;
    }
    luks.insert(QStringLiteral("headerBytesOverwritten"), double(area));
    ctx.chunksProcessed(1);
    category = QStringLiteral("purge");
    facts.drive.insert(QStringLiteral("luks"), luks);
    facts.drive.insert(QStringLiteral("sanitization"), category);
    facts.drive.insert(QStringLiteral("sanitizationText"),
                       sanitizationWords(category, pin->drive, true, luksVersion));
    facts.publish();
    ctx.info(QCoreApplication::translate(
                 "DriveWipe", "🔑 The %1 key slot(s) and the headers of the %2 container on %3 were "
                              "destroyed: no passphrase or key file opens it again.")
                 .arg(destroyed)
                 .arg(QString::fromUtf8(header.version), shown));
    return true;
}

// The first `area` bytes, written, synced and read back: 0 or an errno value.
int DriveWipe::overwriteHeaders(quint64 area)
{
    const int fd = pin->fd.get();
    RandomStream stream;
    quint64 written = 0;
    int rc = writeRange(fd, 0, area, stream, ctx, &written);
    if (rc == 0)
        rc = platform::syncData(fd);
    quint64 at = 0;
    RandomStream again(stream.key());
    if (rc == 0)
        rc = compareRange(fd, 0, area, again, ctx, &at);
    return rc;
}

bool DriveWipe::ownErase(OwnEraseChoice choice)
{
    const SanitizeAction action = choice.action;
    OwnErase erase(pin->drive, pin->fd.get(), choice);
    QJsonObject own{{QStringLiteral("command"), erase.command()},
                    {QStringLiteral("action"), sanitizeActionKey(action)},
                    {QStringLiteral("status"), QStringLiteral("not sent")}};
    const auto say = [&](const QString &status) {
        own.insert(QStringLiteral("status"), status);
        facts.drive.insert(QStringLiteral("ownErase"), own);
        facts.publish();
    };
    ctx.atPhase(QCoreApplication::translate("DriveWipe", "marking sampled blocks"));
    // Random markers first, across the whole drive: what reads as a marker
    // afterwards is what the command left.
    SampleCheck samples(pin->fd.get(), bytes, std::max<quint32>(physical, 4096));
    if (const int rc = samples.mark(ctx)) {
        say(QStringLiteral("not sent"));
        ctx.fail(QCoreApplication::translate(
                     "DriveWipe", "❌ The sampled blocks of %1 could not be marked before its "
                                  "own erase: %2. Nothing was sent to the drive.")
                     .arg(shown, platform::errorText(rc)),
                 rc);
        return false;
    }
    ctx.info(QCoreApplication::translate("DriveWipe", "🧰 Sending %1 its own erase: %2…")
                 .arg(shown, erase.command()));
    ctx.atPhase(QCoreApplication::translate("DriveWipe", "the drive's own erase"));
    if (!waitForOwnErase(erase, &own)) {
        say(own.value(QStringLiteral("status")).toString());
        return false;
    }
    ctx.atPhase(QCoreApplication::translate("DriveWipe", "checking sampled blocks"));
    const SampleCheck::Result result = samples.check(erase.zerosPromised(), ctx);
    own.insert(QStringLiteral("verification"), result.toJson());
    say(QStringLiteral("completed"));
    ctx.chunksProcessed(kOwnEraseUnits / 10);
    if (!result.agrees()) {
        failSampleCheck(result);
        return false;
    }
    ownErased = true;
    ctx.info(QCoreApplication::translate("DriveWipe",
                                         "✅ %1 completed its own erase; none of %2 blocks "
                                         "sampled across it reads as it did before.")
                 .arg(shown)
                 .arg(result.sampled));
    return true;
}

// Whatever the drive said: what can still be read was not erased.
void DriveWipe::failSampleCheck(const SampleCheck::Result &result)
{
    ctx.fail(QCoreApplication::translate(
                 "DriveWipe",
                 "❌ %1 reported its own erase complete, but %2 of %3 blocks sampled across it "
                 "still read as they did before it (the first at byte %4)%5. It was not "
                 "erased: overwrite the whole drive, or destroy it.")
                 .arg(shown)
                 .arg(result.markersLeft + result.notZeros + result.unreadable)
                 .arg(result.sampled)
                 .arg(result.firstMismatchAt)
                 .arg(result.unreadable
                          ? QCoreApplication::translate("DriveWipe", ", or could not be read")
                          : QString()));
}

bool DriveWipe::waitForOwnErase(OwnErase &erase, QJsonObject *own)
{
    QString why;
    if (!erase.start(&why)) {
        own->insert(QStringLiteral("status"), QStringLiteral("failed"));
        own->insert(QStringLiteral("reason"), why);
        ctx.fail(QCoreApplication::translate("DriveWipe", "❌ %1 did not carry out %2: %3")
                     .arg(shown, erase.command(), why));
        return false;
    }
    if (erase.estimateSeconds() > 0)
        ctx.info(QCoreApplication::translate("DriveWipe",
                                             "⏱️ %1 estimates its own erase takes %2 min.")
                     .arg(shown)
                     .arg((erase.estimateSeconds() + 59) / 60));
    // Progress as the drive tells it, in the units kept for it.
    qint64 counted = 0;
    for (;;) {
        quint32 done = 0;
        const OwnErase::State state = erase.poll(&done, &why);
        const qint64 units = qint64(done) * (kOwnEraseUnits - kOwnEraseUnits / 10) / 65536;
        if (units > counted) {
            ctx.chunksProcessed(units - counted);
            counted = units;
        }
        if (state == OwnErase::State::Done)
            return true;
        if (state == OwnErase::State::Failed) {
            own->insert(QStringLiteral("status"), QStringLiteral("failed"));
            own->insert(QStringLiteral("reason"), why);
            ctx.fail(QCoreApplication::translate("DriveWipe", "❌ %1 did not carry out %2: %3")
                         .arg(shown, erase.command(), why));
            return false;
        }
        for (int i = 0; i < 5; ++i) {
            if (ctx.stopped()) {
                // The drive goes on by itself, even after a power cycle.
                own->insert(QStringLiteral("status"), QStringLiteral("running"));
                ctx.warn(
                    QCoreApplication::translate(
                        "DriveWipe",
                        "⚠️ %1 carries on with its own erase by itself: a drive's sanitize "
                        "cannot be stopped, and resumes after a power cycle. Velmora "
                        "stopped waiting for it, and has not checked what it did.")
                        .arg(shown));
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
    }
}

bool DriveWipe::overwrite(int passes)
{
    for (int pass = 1; pass <= passes; ++pass) {
        ctx.atPass(pass, passes);
        ctx.info(QCoreApplication::translate("DriveWipe", "🔄 Pass %1 of %2 over %3 (%4)…")
                     .arg(pass)
                     .arg(passes)
                     .arg(shown, sizeText(qint64(bytes))));
        auto stream = std::make_unique<RandomStream>();
        quint64 written = 0;
        int rc = writeRange(pin->fd.get(), 0, bytes, *stream, ctx, &written, bad.get());
        if (rc == 0 && (rc = platform::syncData(pin->fd.get())) != 0)
            written = 0;
        if (failedForBadSectors(rc))
            return false;
        facts.passes.append(QJsonObject{{QStringLiteral("pass"), pass},
                                        {QStringLiteral("pattern"), QStringLiteral("random")},
                                        {QStringLiteral("bytesWritten"), double(written)},
                                        {QStringLiteral("complete"), rc == 0}});
        facts.publish();
        if (rc == ECANCELED)
            return false;
        if (rc != 0) {
            ctx.fail(QCoreApplication::translate("DriveWipe",
                                                 "❌ Writing to %1 failed after %2 of pass %3: %4")
                         .arg(shown, sizeText(qint64(written)))
                         .arg(pass)
                         .arg(platform::errorText(rc)),
                     rc);
            return false;
        }
        ctx.info(QCoreApplication::translate("DriveWipe", "✅ Pass %1 of %2 written and synced.")
                     .arg(pass)
                     .arg(passes));
        last = std::move(stream);
    }
    return true;
}

// One pass over the hidden sectors, written from `stream` or read and
// compared with it: 0, ECANCELED, EILSEQ where a read differs, or the
// drive's error. `*done` counts the bytes.
int DriveWipe::hiddenPass(RandomStream &stream, bool write, quint64 *done)
{
    const quint32 perCommand = std::max<quint32>(1, (128 * 1024) / logical);
    std::vector<char> data(std::size_t(perCommand) * logical);
    std::vector<char> got(data.size());
    for (quint64 lba = hidden.accessibleSectors; lba < hidden.nativeSectors; lba += perCommand) {
        if (ctx.stopped())
            return ECANCELED;
        const quint32 count = quint32(std::min<quint64>(perCommand, hidden.nativeSectors - lba));
        const std::size_t length = std::size_t(count) * logical;
        stream.fill(data.data(), length);
        if (const int rc = hiddenSectorsIo(pin->drive, pin->fd.get(), hidden, write, lba, count,
                                           logical, write ? data.data() : got.data()))
            return rc;
        if (!write && std::memcmp(data.data(), got.data(), length) != 0)
            return EILSEQ;
        *done += length;
    }
    return 0;
}

bool DriveWipe::overwriteHidden(int passes)
{
    if (!ctx.liftHiddenArea || hiddenSectors == 0 || passes == 0)
        return true;
    QJsonObject said = hidden.toJson();
    QString why;
    if (!openHiddenArea(pin->drive, pin->fd.get(), hidden, &why)) {
        said.insert(QStringLiteral("opened"), false);
        said.insert(QStringLiteral("reason"), why);
        facts.drive.insert(QStringLiteral("hiddenArea"), said);
        facts.publish();
        ctx.warn(QCoreApplication::translate(
                     "DriveWipe", "⚠️ The hidden sectors of %1 could not be opened for the wipe, "
                                  "and stay as they were: %2")
                     .arg(shown, why));
        return true;
    }
    ctx.atPhase(QCoreApplication::translate("DriveWipe", "hidden sectors"));
    ctx.info(QCoreApplication::translate("DriveWipe",
                                         "🔓 The host protected area of %1 is open for the wipe "
                                         "until the drive is next switched off: %n sector(s).",
                                         nullptr, int(hidden.hiddenSectors()))
                 .arg(shown));
    int rc = 0;
    quint64 written = 0;
    std::unique_ptr<RandomStream> lastHidden;
    int pass = 0;
    while (rc == 0 && pass < passes) {
        ++pass;
        auto stream = std::make_unique<RandomStream>();
        rc = hiddenPass(*stream, true, &written);
        if (rc == 0)
            lastHidden = std::move(stream);
    }
    quint64 compared = 0;
    if (rc == 0 && ctx.verify) {
        RandomStream again(lastHidden->key());
        rc = hiddenPass(again, false, &compared);
    }
    // Set back as it was, whatever happened: the block device's size and
    // the drive's agree again.
    QString closeWhy;
    const bool closed = closeHiddenArea(pin->drive, pin->fd.get(), hidden, &closeWhy);
    said.insert(QStringLiteral("opened"), true);
    said.insert(QStringLiteral("passes"), rc == 0 ? pass : pass - 1);
    said.insert(QStringLiteral("bytesWritten"), double(written));
    if (ctx.verify)
        said.insert(QStringLiteral("bytesCompared"), double(compared));
    said.insert(QStringLiteral("closedAgain"), closed);
    if (!closed)
        said.insert(QStringLiteral("closeReason"), closeWhy);
    said.insert(QStringLiteral("overwritten"), rc == 0);
    facts.drive.insert(QStringLiteral("hiddenArea"), said);
    facts.publish();
    if (!closed)
        ctx.warn(QCoreApplication::translate(
                     "DriveWipe", "⚠️ The host protected area of %1 stays open until the drive "
                                  "is next switched off: %2")
                     .arg(shown, closeWhy));
    if (rc == ECANCELED)
        return false;
    if (rc != 0) {
        const QString text =
            QCoreApplication::translate("DriveWipe",
                                        "⚠️ The hidden sectors of %1 were not all overwritten and "
                                        "read back as written: %2")
                .arg(shown, rc == EILSEQ ? QCoreApplication::translate(
                                               "DriveWipe", "they read back otherwise")
                                         : platform::errorText(rc));
        // A drive that gives back other than it took does not keep what it
        // is given: as in the rest of it, a problem of the job's.
        if (rc == EILSEQ)
            ctx.problem(text, shown);
        else
            ctx.warn(text);
        return true;
    }
    hiddenOverwritten = hiddenSectors;
    hiddenSectors = 0;
    if (ctx.verify)
        ctx.info(QCoreApplication::translate("DriveWipe",
                                             "✅ The %n hidden sector(s) of %1 were overwritten "
                                             "and read back, and the limit set back.",
                                             nullptr, int(hiddenOverwritten))
                     .arg(shown));
    else
        ctx.info(QCoreApplication::translate("DriveWipe",
                                             "✅ The %n hidden sector(s) of %1 were overwritten, "
                                             "and the limit set back.",
                                             nullptr, int(hiddenOverwritten))
                     .arg(shown));
    return true;
}

bool DriveWipe::readBackSampled()
{
    ctx.atPhase(QCoreApplication::translate("DriveWipe", "sampled read-back"));
    const quint32 block = std::max<quint32>(physical, 4096);
    const SampleCheck samples(pin->fd.get(), bytes, block);
    RandomStream again(last->key());
    AlignedBuffer got(block);
    QByteArray expected(int(block), '\0');
    int differ = 0;
    quint64 first = 0;
    for (const quint64 at : samples.offsets()) {
        if (ctx.stopped())
            return false;
        int error = 0;
        const quint64 length = std::min<quint64>(block, bytes - at);
        const bool read = platform::readAt(pin->fd.get(), got.get(), std::size_t(length),
                                           qint64(at), &error) == qint64(length);
        again.seek(at);
        again.fill(expected.data(), std::size_t(length));
        // Refused sectors are not compared; the record names them.
        bad->blankIn(got.get(), at, length);
        bad->blankIn(expected.data(), at, length);
        if (!read || std::memcmp(got.get(), expected.constData(), std::size_t(length)) != 0) {
            if (differ++ == 0)
                first = at;
        }
    }
    ctx.readBack(samples.sampledBytes());
    facts.drive.insert(
        QStringLiteral("verification"),
        QJsonObject{{QStringLiteral("mode"), QStringLiteral("sample")},
                    {QStringLiteral("blocksSampled"), int(samples.offsets().size())},
                    {QStringLiteral("bytesCompared"), double(samples.sampledBytes())},
                    {QStringLiteral("matched"), differ == 0}});
    facts.publish();
    if (differ > 0) {
        ctx.fail(QCoreApplication::translate(
                     "DriveWipe", "❌ %1 of %2 blocks sampled across %3 did not read back as "
                                  "written (the first at byte %4): the drive does not keep what "
                                  "it is given.")
                     .arg(differ)
                     .arg(samples.offsets().size())
                     .arg(shown)
                     .arg(first),
                 EILSEQ);
        return false;
    }
    verified = true;
    ctx.info(QCoreApplication::translate("DriveWipe",
                                         "✅ %1 blocks sampled across %2 read back and compared.")
                 .arg(samples.offsets().size())
                 .arg(shown));
    return true;
}

bool DriveWipe::readBack()
{
    if (ctx.beforeVerify)
        ctx.beforeVerify(pin->fd.get());
    if (ctx.verifySampled)
        return readBackSampled();
    ctx.atPhase(QCoreApplication::translate("DriveWipe", "read-back"));
    RandomStream again(last->key());
    quint64 at = 0;
    const qint64 before = ctx.bytesVerified;
    const int rc = compareRange(pin->fd.get(), 0, bytes, again, ctx, &at, bad.get());
    if (failedForBadSectors(rc))
        return false;
    facts.drive.insert(
        QStringLiteral("verification"),
        QJsonObject{{QStringLiteral("mode"), QStringLiteral("full")},
                    {QStringLiteral("bytesCompared"), double(ctx.bytesVerified - before)},
                    {QStringLiteral("matched"), rc == 0}});
    facts.publish();
    if (rc == ECANCELED)
        return false;
    if (rc != 0) {
        ctx.fail(rc == EILSEQ
                     ? QCoreApplication::translate(
                           "DriveWipe",
                           "❌ %1 gave back something else than was written, at byte %2: the "
                           "drive does not keep what it is given.")
                           .arg(shown)
                           .arg(at)
                     : QCoreApplication::translate("DriveWipe",
                                                   "❌ Reading %1 back failed at byte %2: %3")
                           .arg(shown)
                           .arg(at)
                           .arg(platform::errorText(rc)),
                 rc);
        return false;
    }
    verified = true;
    ctx.info(QCoreApplication::translate("DriveWipe", "✅ Read back and compared: %1 of %2.")
                 .arg(sizeText(ctx.bytesVerified - before), shown));
    return true;
}

// Tells the drive every block is free: a flash drive can then erase the
// cells that held the old data.
void DriveWipe::discard()
{
    const int fd = pin->fd.get();
    QString discard = QStringLiteral("unsupported");
    // A disk image's discard only punches holes in its file, which the
    // passes have just overwritten: it reaches no cell a drive keeps aside,
    // and costs a good part of a pass.
    if (pin->drive.disk.transport == platform::Transport::Loop) {
        discard = QStringLiteral("skipped");
        ctx.info(QCoreApplication::translate("DriveWipe",
                                             "ℹ️ No discard: %1 is a disk image; a discard would "
                                             "only punch holes in its file, which the passes "
                                             "have overwritten.")
                     .arg(shown));
    } else if (pin->drive.disk.discards == 1) {
        ctx.atPhase(QCoreApplication::translate("DriveWipe", "discard"));
        int rc = 0;
        if (platform::discardRange(fd, 0, bytes, true) == 0) {
            discard = QStringLiteral("secure");
            ctx.info(
                QCoreApplication::translate(
                    "DriveWipe", "✂️ The whole of %1 was discarded securely (secure TRIM).")
                    .arg(shown));
        } else if ((rc = platform::discardRange(fd, 0, bytes, false)) == 0) {
            discard = QStringLiteral("discarded");
            ctx.info(QCoreApplication::translate("DriveWipe",
                                                 "✂️ The whole of %1 was discarded (TRIM).")
                         .arg(shown));
        } else {
            discard = QStringLiteral("failed");
            ctx.info(
                QCoreApplication::translate("DriveWipe", "ℹ️ %1 did not accept a discard: %2")
                    .arg(shown, platform::errorText(rc)));
        }
    } else {
        ctx.info(QCoreApplication::translate(
                     "DriveWipe", "ℹ️ No discard: %1 does not accept discards (TRIM).")
                     .arg(shown));
    }
    facts.drive.insert(QStringLiteral("discard"), discard);
    platform::rereadPartitions(fd);
}

// A new table and file system, on a drive every sector of which was
// written: one with refused sectors is to be destroyed, not used.
void DriveWipe::makeReady(const FreshFormat &format)
{
    // What was asked and not done is a problem of the job's, never a word
    // in passing: a script that asked for a drive ready to use must not be
    // told all went well over one with no file system.
    const auto notMade = [&](const QString &why) {
        ctx.problem(QCoreApplication::translate(
                        "DriveWipe", "⚠️ %1: wiped, not made ready to use: %2")
                        .arg(shown, why),
                    shown);
    };
    if (bad->count() > 0) {
        QJsonObject skipped{{QStringLiteral("done"), false},
                            {QStringLiteral("reason"), QStringLiteral("refused sectors")}};
        facts.drive.insert(QStringLiteral("format"), skipped);
        facts.publish();
        notMade(QCoreApplication::translate(
            "DriveWipe", "a drive that refused sectors is to be destroyed, not used again"));
        return;
    }
    ctx.atPhase(QCoreApplication::translate("DriveWipe", "new file system"));
    QJsonObject made;
    QString why;
    const bool done = formatFresh(path, pin->fd, format, &made, &why);
    if (!why.isEmpty())
        made.insert(QStringLiteral("reason"), why);
    facts.drive.insert(QStringLiteral("format"), made);
    facts.publish();
    if (!done) {
        notMade(why);
        return;
    }
    ctx.info(QCoreApplication::translate("DriveWipe",
                                         "🆕 %1 is ready to use again: a new %2 partition table "
                                         "and an empty %3 file system on %4.")
                 .arg(shown,
                      made.value(QStringLiteral("table")) == QLatin1String("gpt")
                          ? QStringLiteral("GPT")
                          : QStringLiteral("MBR"),
                      made.value(QStringLiteral("fileSystem")).toString(),
                      made.value(QStringLiteral("partition")).toString()));
}

void DriveWipe::finish(int passes)
{
    const QString ownCommand = ownErased ? facts.drive.value(QStringLiteral("ownErase"))
                                               .toObject()
                                               .value(QStringLiteral("command"))
                                               .toString()
                                         : QString();
    if (ownErased)
        category = QStringLiteral("purge");
    if (passes > 0 && category.isEmpty())
        category = QStringLiteral("clear");
    const quint64 refused = bad ? bad->count() : 0;
    if (refused > 0)
        category.clear();
    facts.drive.insert(QStringLiteral("sanitization"),
                       category.isEmpty() ? QStringLiteral("none") : category);
    QString words = refused > 0 ? badSectorsWords(refused)
                                : sanitizationWords(category, pin->drive, verified, luksVersion,
                                                    ownCommand, ctx.verifySampled);
    if (hiddenOverwritten > 0)
        words += QLatin1Char(' ') +
                 QCoreApplication::translate("DriveWipe",
                                             "Hidden sectors erased: the host protected area, %n "
                                             "sector(s) past the end the drive shows, was opened "
                                             "for the wipe, overwritten as the rest was, and set "
                                             "back.",
                                             nullptr, int(hiddenOverwritten));
    if (hiddenSectors > 0)
        words += QLatin1Char(' ') +
                 QCoreApplication::translate("DriveWipe",
                                             "Hidden sectors not erased: %n sector(s) past the "
                                             "end the drive shows were neither overwritten nor "
                                             "checked.",
                                             nullptr, int(hiddenSectors));
    facts.drive.insert(QStringLiteral("sanitizationText"), words);
    facts.publish();
    if (refused > 0)
        ctx.problem(QCoreApplication::translate(
                        "DriveWipe",
                        "❌ %n sector(s) of %1 could not be written or read back; the rest "
                        "was. Unreadable sectors cannot be proved clean: destroy this drive "
                        "physically.",
                        nullptr, int(refused))
                        .arg(shown),
                    shown, EIO);
    // The keys alone leave every sector as it was: it is no wipe.
    if (refused > 0)
        ctx.emitCompletion(
            QCoreApplication::translate("DriveWipe",
                                        "⚠️ The drive wipe ended with exceptions: %n "
                                        "sector(s) could not be erased.",
                                        nullptr, int(refused)));
    else
        ctx.emitCompletion(passes > 0 || ownErased
                               ? QCoreApplication::translate("DriveWipe", "✅ Drive wipe completed.")
                               : QCoreApplication::translate(
                                     "DriveWipe", "✅ The encryption keys were destroyed."));
}

} // namespace

void runDriveWipeJob(const QByteArray &path, int passes, bool cryptoErase, JobContext &ctx,
                     std::shared_ptr<PinnedDrive> pin, std::optional<OwnEraseChoice> ownErase,
                     std::optional<FreshFormat> format)
{
    QString refusal;
    int rc = 0;
    if (!pin)
        pin = pinDrive(path, &refusal, &rc);
    else
        refusal = pinnedDriveChanged(*pin);
    if (!refusal.isEmpty() || !pin) {
        ctx.fail(refusal, rc);
        return;
    }
    if (ctx.journal)
        ctx.journal->aboutDrive(pin->identity);
    DriveWipe wipe(path, std::move(pin), ctx);
    if (!wipe.measure())
        return;
    wipe.describe();
    if (cryptoErase && !wipe.destroyKeys())
        return;
    if (ownErase && !wipe.ownErase(*ownErase))
        return;
    if (!wipe.overwrite(passes))
        return;
    if (passes > 0 && ctx.verify && !wipe.readBack())
        return;
    if (!wipe.overwriteHidden(passes))
        return;
    wipe.discard();
    if (format)
        wipe.makeReady(*format);
    wipe.finish(passes);
}

} // namespace velmora
