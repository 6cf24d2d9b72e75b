// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/fs/medium.h"

#include "engine/fs/freespace.h"
#include "engine/fs/paths.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace velmora
{

using platform::Storage;
using platform::Transport;

namespace
{

bool isMemoryDisk(const Storage &s)
{
    for (const platform::Disk &d : s.disks)
        if (d.transport == Transport::Memory)
            return true;
    return false;
}

QString baseLabel(const Storage &s)
{
    switch (s.transport()) {
    case Transport::Network:
        return QCoreApplication::translate("Medium", "network");
    case Transport::Memory:
        return isMemoryDisk(s) ? QCoreApplication::translate("Medium", "memory · %1")
                                     .arg(QString::fromUtf8(s.disks.front().name))
                               : QCoreApplication::translate("Medium", "memory");
    case Transport::Nvme:
        return QCoreApplication::translate("Medium", "SSD · NVMe");
    case Transport::Sata:
        return s.rotational() == 0   ? QCoreApplication::translate("Medium", "SSD · SATA")
               : s.rotational() == 1 ? QCoreApplication::translate("Medium", "HDD · SATA")
                                     : QCoreApplication::translate("Medium", "SATA");
    case Transport::Usb:
        return s.rotational() == 0 ? QCoreApplication::translate("Medium", "USB flash")
                                   : QCoreApplication::translate("Medium", "USB drive");
    case Transport::Mmc:
        return s.disks.front().sdCard ? QCoreApplication::translate("Medium", "SD card")
                                      : QCoreApplication::translate("Medium", "eMMC");
    case Transport::Virtio:
        return s.rotational() == 0 ? QCoreApplication::translate("Medium", "virtual disk · SSD")
                                   : QCoreApplication::translate("Medium", "virtual disk");
    case Transport::Loop:
        return QCoreApplication::translate("Medium", "disk image");
    case Transport::Unknown:
        break;
    }
    if (s.rotational() == 0)
        return QCoreApplication::translate("Medium", "SSD");
    if (s.rotational() == 1)
        return QCoreApplication::translate("Medium", "HDD");
    return QCoreApplication::translate("Medium", "unknown");
}

} // namespace

MediumKind mediumKind(const Storage &s)
{
    switch (s.transport()) {
    case Transport::Network:
        return MediumKind::Network;
    case Transport::Memory:
        return MediumKind::Memory;
    case Transport::Nvme:
    case Transport::Mmc:
        return MediumKind::Flash;
    case Transport::Usb:
        return s.rotational() == 0 ? MediumKind::Flash : MediumKind::MaybeFlash;
    case Transport::Loop:
        return MediumKind::Unknown; // a file on some other volume
    default:
        break;
    }
    // A virtual disk says what the host chose to say: only "not spinning"
    // is taken at its word, as it is the cautious reading.
    if (s.rotational() == 0)
        return MediumKind::Flash;
    if (s.rotational() == 1 && s.transport() != Transport::Virtio)
        return MediumKind::Magnetic;
    return MediumKind::Unknown;
}

QString mediumLabel(const Storage &s)
{
    if (!s.responding)
        return QCoreApplication::translate("Medium", "not responding");
    QString label = baseLabel(s);
    if (s.loop && s.transport() != Transport::Loop)
        label = QCoreApplication::translate("Medium", "image on %1").arg(label);
    if (!s.encryption.isEmpty())
        label += QCoreApplication::translate("Medium", " · encrypted");
    return label;
}

QString deviceChainText(const Storage &s)
{
    QStringList links;
    for (const QByteArray &link : s.chain)
        links.append(displayName(link));
    const QString serial = s.serial().isEmpty()
                               ? QString()
                               : QCoreApplication::translate("Medium", "serial %1").arg(s.serial());
    const QString drive = s.model().isEmpty() ? serial
                          : serial.isEmpty()  ? s.model()
                                              : QStringLiteral("%1, %2").arg(s.model(), serial);
    if (!drive.isEmpty())
        links.append(drive);
    return links.join(QStringLiteral(" → "));
}

QString mediumDescription(const Storage &s)
{
    const QString model = s.model();
    const auto with = [&model](const QString &noun, const QString &bus) {
        QStringList parts;
        if (!bus.isEmpty())
            parts.append(bus);
        if (!model.isEmpty())
            parts.append(model);
        return parts.isEmpty()
                   ? noun
                   : QStringLiteral("%1 (%2)").arg(noun, parts.join(QStringLiteral(", ")));
    };
    switch (s.transport()) {
    case Transport::Nvme:
        return with(QCoreApplication::translate("Medium", "a solid-state drive"),
                    QStringLiteral("NVMe"));
    case Transport::Sata:
        return with(s.rotational() == 0
                        ? QCoreApplication::translate("Medium", "a solid-state drive")
                        : QCoreApplication::translate("Medium", "a disk"),
                    QStringLiteral("SATA"));
    case Transport::Usb:
        return with(QCoreApplication::translate("Medium", "a USB drive"), QString());
    case Transport::Mmc:
        return with(s.disks.front().sdCard
                        ? QCoreApplication::translate("Medium", "an SD card")
                        : QCoreApplication::translate("Medium", "eMMC flash memory"),
                    QString());
    default:
        break;
    }
    return with(s.rotational() == 0 ? QCoreApplication::translate("Medium", "a solid-state drive")
                                    : QCoreApplication::translate("Medium", "a disk"),
                QString());
}

// Kept in one piece: one sentence per kind of medium, tried in the order a
// volume is told apart (network, memory, encrypted, flash); the sentences
// make it long.
MediumLine mediumLine(const Storage &s, const QString &volume,
                      const std::vector<platform::Swap> &swaps)
{
    const MediumKind kind = mediumKind(s);
    if (kind == MediumKind::Network)
        return {QCoreApplication::translate(
                    "Medium",
                    "⚠️ %1 is a network file system (%2): the server may keep copies and "
                    "snapshots of what was erased, which no overwrite from this computer "
                    "reaches.")
                    .arg(volume, QString::fromUtf8(s.fsType)),
                true};
    if (kind == MediumKind::Memory) {
        const QString where =
            isMemoryDisk(s) ? QString::fromUtf8(s.disks.front().name) : QString::fromUtf8(s.fsType);
        const QStringList plainSwap = swapInTheClear(swaps);
        // Without swap that keeps pages in the clear, nothing limits what
        // the job says: the line is for the log alone.
        if (plainSwap.isEmpty())
            return {QCoreApplication::translate(
                        "Medium",
                        "ℹ️ %1 is held in memory (%2): what was erased there is gone once the "
                        "computer is switched off.")
                        .arg(volume, where),
                    false};
        return {QCoreApplication::translate(
                    "Medium",
                    "⚠️ %1 is held in memory (%2): what was erased there is gone once the "
                    "computer is switched off, but parts of it may have been written to swap "
                    "that is not encrypted (%3).")
                    .arg(volume, where, plainSwap.join(QStringLiteral(", "))),
                true};
    }
    if (!s.encryption.isEmpty())
        return {QCoreApplication::translate(
                    "Medium",
                    "🔒 %1 is encrypted (%2): whatever earlier copies the drive beneath it may "
                    "keep are encrypted too, and cannot be read without its key.")
                    .arg(volume, QString::fromUtf8(s.encryption)),
                true};
    if (kind == MediumKind::Flash)
        return {
            (s.discards == 1
                 ? QCoreApplication::translate(
                       "Medium",
                       "⚠️ %1 is on %2: the drive may keep earlier copies in flash cells that "
                       "no overwrite reaches. Velmora asks it to discard the freed blocks "
                       "(TRIM). To be sure, keep the drive encrypted, or use the drive's own "
                       "sanitize command before it leaves your hands.")
                 : QCoreApplication::translate(
                       "Medium",
                       "⚠️ %1 is on %2: the drive may keep earlier copies in flash cells that "
                       "no overwrite reaches, and it does not accept discards (TRIM). To be "
                       "sure, keep the drive encrypted, or use the drive's own sanitize "
                       "command before it leaves your hands."))
                .arg(volume, mediumDescription(s)),
            true};
    if (kind == MediumKind::MaybeFlash)
        return {QCoreApplication::translate(
                    "Medium",
                    "⚠️ %1 is on %2: if it holds flash memory, as USB sticks do, it may keep "
                    "earlier copies in cells that no overwrite reaches. To be sure, keep the "
                    "drive encrypted.")
                    .arg(volume, mediumDescription(s)),
                true};
    return {};
}

QString sanitizationText(const Storage &s)
{
    QString text = QCoreApplication::translate(
        "Medium", "Neither Clear nor Purge (NIST SP 800-88): an overwrite through the file "
                  "system does not reach every addressable block of the medium.");
    const MediumKind kind = mediumKind(s);
    if (kind == MediumKind::Flash || kind == MediumKind::MaybeFlash)
        text += QLatin1Char(' ') + QCoreApplication::translate(
                                       "Medium",
                                       "On flash, cells the drive has remapped are outside the "
                                       "host's reach.");
    else if (kind == MediumKind::Network)
        text += QLatin1Char(' ') +
                QCoreApplication::translate("Medium", "The blocks lie on another computer.");
    if (!s.encryption.isEmpty())
        text += QLatin1Char(' ') + QCoreApplication::translate(
                                       "Medium",
                                       "The volume is encrypted: what the drive keeps beneath it "
                                       "is ciphertext.");
    return text;
}

QJsonObject storageJson(const Storage &s)
{
    static const char *const kinds[] = {"unknown",     "magnetic", "flash",
                                        "maybe-flash", "memory",   "network"};
    const auto tri = [](int value) {
        return value < 0 ? QJsonValue(QJsonValue::Null) : QJsonValue(value == 1);
    };
    QJsonArray chain;
    for (const QByteArray &link : s.chain)
        chain.append(displayName(link));
    QJsonArray disks;
    for (const platform::Disk &d : s.disks)
        disks.append(QJsonObject{{QStringLiteral("name"), QString::fromUtf8(d.name)},
                                 {QStringLiteral("transport"), platform::transportKey(d.transport)},
                                 {QStringLiteral("rotational"), tri(d.rotational)},
                                 {QStringLiteral("discards"), tri(d.discards)},
                                 {QStringLiteral("vendor"), d.vendor},
                                 {QStringLiteral("model"), d.model},
                                 {QStringLiteral("serial"), d.serial},
                                 {QStringLiteral("firmware"), d.firmware},
                                 {QStringLiteral("bytes"), double(d.bytes)}});
    return QJsonObject{
        {QStringLiteral("medium"), kinds[int(mediumKind(s))]},
        {QStringLiteral("transport"), platform::transportKey(s.transport())},
        {QStringLiteral("chain"), chain},
        {QStringLiteral("disks"), disks},
        {QStringLiteral("rotational"), tri(s.rotational())},
        {QStringLiteral("discards"), tri(s.discards)},
        {QStringLiteral("encryption"), s.encryption.isEmpty()
                                           ? QJsonValue(QJsonValue::Null)
                                           : QJsonValue(QString::fromUtf8(s.encryption))},
        {QStringLiteral("copyOnWrite"), s.copyOnWrite},
        {QStringLiteral("compressing"), s.compressing},
        {QStringLiteral("loop"), s.loop},
        {QStringLiteral("responding"), s.responding},
    };
}

void noteMedium(const platform::Mount &mount, JobContext &ctx)
{
    const Storage storage = platform::storageOf(mount, platform::mountTable());
    const QString volume = displayName(mount.mountPoint);
    VolumeMedium medium{volume, mediumLabel(storage), sanitizationText(storage),
                        storageJson(storage)};
    medium.storage.insert(QStringLiteral("fileSystem"), QString::fromUtf8(mount.fsType));
    // A volume wipe reaches the same volume through the walk and the fill:
    // one line is enough.
    if (ctx.report && !ctx.report->addMedium(medium))
        return;
    // Where the file system is not known, nothing is said to be reached.
    if (!mount.fs().known)
        ctx.warn(QCoreApplication::translate(
                     "Medium",
                     "⚠️ Velmora cannot tell which file system %1 holds (its driver says "
                     "\"%2\"): the names of erased files, and what its driver keeps of them, "
                     "may remain there.")
                     .arg(volume, QString::fromUtf8(mount.mountType)));
    const MediumLine line = mediumLine(storage, volume, platform::activeSwaps());
    if (line.text.isEmpty())
        return;
    if (line.warning)
        ctx.warn(line.text);
    else
        ctx.info(line.text);
}

} // namespace velmora
