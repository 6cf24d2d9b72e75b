// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/device/hiddenarea.h"

#include "engine/device/sense.h"
#include "engine/platform/drivecommands.h"

#include <QCoreApplication>
#include <QLocale>
#include <QtEndian>

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
