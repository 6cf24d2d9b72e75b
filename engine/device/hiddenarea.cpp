// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/device/hiddenarea.h"

#include "engine/device/sense.h"
#include "engine/platform/drivecommands.h"
#include "engine/platform/platform.h"

#include <QCoreApplication>
#include <QLocale>
#include <QtEndian>

#include <cerrno>
#include <cstring>

namespace velmora
{

namespace
{

using platform::DriveAnswer;
using platform::DriveCommand;

constexpr int kAskTimeoutMs = 5000;

int send(const platform::Drive &drive, int fd, const DriveCommand &command, DriveAnswer *answer)
{
    return fd >= 0 ? platform::sendDriveCommand(drive.path, fd, command, answer)
                   : platform::sendDriveCommand(drive.path, command, answer);
}

// The maximum LBA a non-data command hands back in its registers, plus
// one: the sectors it speaks of; 0 where it gave none.
quint64 sectorsAnswered(const platform::Drive &drive, int fd, quint8 opcode, quint16 feature,
                        bool ext)
{
    DriveCommand command;
    command.cdb = platform::ataPassThrough16(opcode, feature, 0, 0, 0, ext);
    command.timeoutMs = kAskTimeoutMs;
    DriveAnswer answer;
    if (send(drive, fd, command, &answer) != 0)
        return 0;
    const Sense sense = senseOf(answer.sense);
    if (!sense.ata || (sense.ataStatus & 0x01))
        return 0;
    const quint64 lba = ext ? sense.ataLba : (sense.ataLba & 0x0fffffff);
    return lba + 1;
}

} // namespace

HiddenArea probeHiddenArea(const platform::Drive &drive, int fd)
{
    HiddenArea area;
    using platform::Transport;
    const Transport t = drive.disk.transport;
    if (drive.partition || t == Transport::Nvme || t == Transport::Memory ||
        t == Transport::Virtio || t == Transport::Mmc || t == Transport::Network)
        return area;
    DriveCommand identify;
    identify.cdb = platform::ataPassThrough16(0xec, 0, 1, 0, 1, false);
    identify.dataIn = 512;
    identify.timeoutMs = kAskTimeoutMs;
    DriveAnswer answer;
    if (send(drive, fd, identify, &answer) != 0 || answer.status != 0 || answer.data.size() < 512)
        return area;
    const auto word = [&answer](int n) {
        return qFromLittleEndian<quint16>(answer.data.constData() + 2 * n);
    };
    const bool lba48 = word(83) & (1 << 10);
    area.lba48 = lba48;
    area.accessibleSectors = lba48 ? quint64(word(100)) | quint64(word(101)) << 16 |
                                         quint64(word(102)) << 32 | quint64(word(103)) << 48
                                   : quint64(word(60)) | quint64(word(61)) << 16;
    // The native size, from the newer feature set where the drive has it.
    if (word(119) & (1 << 8)) {
        area.feature = QStringLiteral("ama");
        area.nativeSectors = sectorsAnswered(drive, fd, 0x78, 0x0000, true);
    } else if (word(82) & (1 << 10)) {
        area.feature = QStringLiteral("hpa");
        area.nativeSectors = lba48 ? sectorsAnswered(drive, fd, 0x27, 0, true)
                                   : sectorsAnswered(drive, fd, 0xf8, 0, false);
    }
    if (area.nativeSectors == 0)
        area.nativeSectors = area.accessibleSectors;
    area.known = area.accessibleSectors > 0;
    return area;
}

namespace
{

// The ATA status of a command's answer: false where it failed.
bool accepted(const DriveAnswer &answer)
{
    if (answer.status != 0 && answer.sense.isEmpty())
        return false;
    const Sense sense = senseOf(answer.sense);
    return !(sense.ata && (sense.ataStatus & 0x01)) && (answer.status == 0 || sense.ata);
}

// SET MAX ADDRESS to `sectors`, volatile, right after READ NATIVE MAX
// ADDRESS (the drive refuses it otherwise).
bool setMax(const platform::Drive &drive, int fd, const HiddenArea &area, quint64 sectors,
            QString *why)
{
    const quint64 native = area.lba48 ? sectorsAnswered(drive, fd, 0x27, 0, true)
                                      : sectorsAnswered(drive, fd, 0xf8, 0, false);
    if (native != area.nativeSectors) {
        *why = QCoreApplication::translate("HiddenArea",
                                           "the drive no longer gives the native size it gave");
        return false;
    }
    DriveCommand command;
    // The count's lowest bit (VV) clear: volatile.
    command.cdb = area.lba48 ? platform::ataPassThrough16(0x37, 0, 0, sectors - 1, 0, true)
                             : platform::ataPassThrough16(0xf9, 0, 0, sectors - 1, 0, false);
    command.timeoutMs = kAskTimeoutMs;
    DriveAnswer answer;
    if (const int rc = send(drive, fd, command, &answer)) {
        *why = platform::errorText(rc);
        return false;
    }
    if (!accepted(answer)) {
        *why = QCoreApplication::translate("HiddenArea", "the drive refused SET MAX ADDRESS");
        return false;
    }
    return true;
}

} // namespace

bool openHiddenArea(const platform::Drive &drive, int fd, const HiddenArea &area, QString *why)
{
    if (area.feature != QLatin1String("hpa")) {
        *why = QCoreApplication::translate(
            "HiddenArea", "a lowered accessible max address is kept by the drive across power "
                          "cycles: lifting it would change the drive for good");
        return false;
    }
    return setMax(drive, fd, area, area.nativeSectors, why);
}

bool closeHiddenArea(const platform::Drive &drive, int fd, const HiddenArea &area, QString *why)
{
    return setMax(drive, fd, area, area.accessibleSectors, why);
}

int hiddenSectorsIo(const platform::Drive &drive, int fd, const HiddenArea &area, bool write,
                    quint64 lba, quint32 count, quint32 sectorBytes, char *data)
{
    DriveCommand command;
    const quint8 opcode = area.lba48 ? (write ? 0x35 : 0x25) : (write ? 0xca : 0xc8);
    command.cdb = platform::ataDma16(opcode, lba, quint16(count), write, area.lba48);
    const int bytes = int(count * sectorBytes);
    if (write)
        command.dataOut = QByteArray(data, bytes);
    else
        command.dataIn = bytes;
    DriveAnswer answer;
    if (const int rc = send(drive, fd, command, &answer))
        return rc;
    if (!accepted(answer) || (!write && answer.data.size() != bytes))
        return EIO;
    if (!write)
        std::memcpy(data, answer.data.constData(), std::size_t(bytes));
    return 0;
}

QJsonObject HiddenArea::toJson() const
{
    return {{QStringLiteral("accessibleSectors"), double(accessibleSectors)},
            {QStringLiteral("nativeSectors"), double(nativeSectors)},
            {QStringLiteral("hiddenSectors"), double(hiddenSectors())},
            {QStringLiteral("feature"), feature}};
}

QString HiddenArea::sentence(const QString &shown, quint32 sectorBytes) const
{
    const QString size = QLocale().formattedDataSize(qint64(hiddenSectors() * sectorBytes), 1,
                                                     QLocale::DataSizeSIFormat);
    const int count = int(hiddenSectors());
    if (feature == QLatin1String("ama"))
        return QCoreApplication::translate(
                   "HiddenArea",
                   "%1 hides %n sector(s) (%2) past the end it shows (a lowered "
                   "accessible max address): they are not wiped.",
                   nullptr, count)
            .arg(shown, size);
    return QCoreApplication::translate("HiddenArea",
                                       "%1 hides %n sector(s) (%2) past the end it shows (a host "
                                       "protected area): they are not wiped.",
                                       nullptr, count)
        .arg(shown, size);
}

} // namespace velmora
