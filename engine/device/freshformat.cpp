// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/device/freshformat.h"

#include "engine/platform/drives.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <libfdisk/libfdisk.h>

#include <chrono>
#include <thread>
#include <unistd.h>

namespace velmora
{

namespace
{

const char *const kKeys[] = {"exfat", "fat32", "ext4"};

// The partition table a new file system goes in, and the type of its one
// partition there.
struct Layout {
    const char *table;
    const char *type; // GPT: the type's GUID; MBR: its code, in hex
};

Layout layoutFor(FreshFileSystem fs)
{
    switch (fs) {
    case FreshFileSystem::Fat32:
        return {"dos", "c"}; // FAT32 with LBA
    case FreshFileSystem::Ext4:
        return {"gpt", "0FC63DAF-8483-4772-8E3D-3D69D8477DE4"}; // Linux filesystem
    default:
        return {"gpt", "EBD0A0A2-B9E5-4433-87C0-68B6B72699C7"}; // basic data
    }
}

// Writes the table with its one partition through `fd`: 0, or an errno
// value; the partition's first byte and length in `*start`, `*length`.
int writeTable(const QByteArray &path, int fd, FreshFileSystem fs, quint64 *start, quint64 *length)
{
    const Layout layout = layoutFor(fs);
    fdisk_context *cxt = fdisk_new_context();
    if (!cxt)
        return ENOMEM;
    fdisk_partition *pa = fdisk_new_partition();
    fdisk_partition *made = nullptr;
    int rc = fdisk_assign_device_by_fd(cxt, fd, path.constData(), 0);
    if (rc == 0)
        rc = fdisk_create_disklabel(cxt, layout.table);
    fdisk_parttype *type = nullptr;
    if (rc == 0) {
        fdisk_label *label = fdisk_get_label(cxt, nullptr);
        type = fdisk_label_parse_parttype(label, layout.type);
        if (!pa || !type)
            rc = -ENOMEM;
    }
    size_t partno = 0;
    if (rc == 0) {
        fdisk_partition_set_partno(pa, 0);
        fdisk_partition_start_follow_default(pa, 1);
        fdisk_partition_end_follow_default(pa, 1);
        fdisk_partition_set_type(pa, type);
        rc = fdisk_add_partition(cxt, pa, &partno);
    }
    if (rc == 0)
        rc = fdisk_get_partition(cxt, partno, &made);
    if (rc == 0) {
        const quint64 sector = fdisk_get_sector_size(cxt);
        *start = quint64(fdisk_partition_get_start(made)) * sector;
        *length = quint64(fdisk_partition_get_size(made)) * sector;
        rc = fdisk_write_disklabel(cxt);
    }
    fdisk_unref_partition(made);
    fdisk_unref_partition(pa);
    fdisk_unref_parttype(type);
    // The descriptor is ours: left open, and synced here.
    fdisk_deassign_device(cxt, 1);
    fdisk_unref_context(cxt);
    if (rc == 0 && ::fsync(fd) != 0)
        rc = -errno;
    return rc < 0 ? -rc : rc;
}

// The file system's own mkfs, as it is named.
QString mkfsName(FreshFileSystem fs)
{
    return fs == FreshFileSystem::Ext4    ? QStringLiteral("mkfs.ext4")
           : fs == FreshFileSystem::Fat32 ? QStringLiteral("mkfs.vfat")
                                          : QStringLiteral("mkfs.exfat");
}

QString mkfsProgram(FreshFileSystem fs)
{
    QString found = QStandardPaths::findExecutable(mkfsName(fs));
    if (found.isEmpty())
        found = QStandardPaths::findExecutable(
            mkfsName(fs), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    return found;
}

// Quiet and forced for ext4, FAT32 asked for by name; the label where one
// was given (-n for FAT, -L for the others).
QStringList mkfsArguments(const FreshFormat &format, const QByteArray &node)
{
    QStringList arguments;
    if (format.fs == FreshFileSystem::Ext4)
        arguments << QStringLiteral("-q") << QStringLiteral("-F");
    if (format.fs == FreshFileSystem::Fat32)
        arguments << QStringLiteral("-F") << QStringLiteral("32");
    if (!format.label.isEmpty())
        arguments << (format.fs == FreshFileSystem::Fat32 ? QStringLiteral("-n")
                                                          : QStringLiteral("-L"))
                  << format.label;
    return arguments << QString::fromLocal8Bit(node);
}

} // namespace

QString freshFileSystemKey(FreshFileSystem fs)
{
    return QLatin1String(kKeys[int(fs)]);
}

std::optional<FreshFileSystem> freshFileSystemOfKey(const QString &key)
{
    for (int i = 0; i < 3; ++i)
        if (key == QLatin1String(kKeys[i]))
            return FreshFileSystem(i);
    return std::nullopt;
}

QString freshLabelRefusal(FreshFileSystem fs, const QString &label)
{
    if (label.isEmpty())
        return QString();
    // Bytes that were not text reach here as U+FFFD: stored so, the label
    // would not be the one asked for.
    if (label.contains(QChar::ReplacementCharacter))
        return QCoreApplication::translate("FreshFormat", "the label is not valid text");
    if (fs == FreshFileSystem::Fat32) {
        // Eleven characters of plain ASCII, none of those FAT forbids.
        for (const QChar c : label)
            if (c.unicode() < 0x20 || c.unicode() > 0x7e ||
                QStringLiteral("\"*+,./:;<=>?[\\]|").contains(c))
                return QCoreApplication::translate(
                    "FreshFormat",
                    "a FAT32 label takes letters, digits, spaces and -_!#$%&'()@^`{}~ only");
        if (label.size() > 11)
            return QCoreApplication::translate("FreshFormat",
                                               "a FAT32 label takes at most 11 characters");
        return QString();
    }
    for (const QChar c : label)
        if (c.unicode() < 0x20)
            return QCoreApplication::translate("FreshFormat",
                                               "a label takes no control characters");
    // exFAT keeps 11 UTF-16 units (a QString's own units).
    if (fs == FreshFileSystem::Exfat && label.size() > 11)
        return QCoreApplication::translate("FreshFormat",
                                           "an exFAT label takes at most 11 characters");
    if (fs == FreshFileSystem::Ext4 && label.toUtf8().size() > 16)
        return QCoreApplication::translate("FreshFormat", "an ext4 label takes at most 16 bytes");
    return QString();
}

bool formatFresh(const QByteArray &path, platform::Fd &held, const FreshFormat &format,
                 QJsonObject *facts, QString *why)
{
    const Layout layout = layoutFor(format.fs);
    facts->insert(QStringLiteral("table"), QLatin1String(layout.table));
    facts->insert(QStringLiteral("fileSystem"), freshFileSystemKey(format.fs));
    facts->insert(QStringLiteral("label"), format.label);
    facts->insert(QStringLiteral("done"), false);
    const QString program = mkfsProgram(format.fs);
    if (program.isEmpty()) {
        *why = QCoreApplication::translate("FreshFormat", "%1 is not installed")
                   .arg(mkfsName(format.fs));
        return false;
    }
    // libfdisk writes small pieces: through a descriptor of its own,
    // beside the one that holds the drive.
    int rc = 0;
    platform::Fd table = platform::openDeviceBuffered(path, &rc);
    quint64 start = 0;
    quint64 length = 0;
    if (!table.valid() || (rc = writeTable(path, table.get(), format.fs, &start, &length)) != 0) {
        *why = QCoreApplication::translate("FreshFormat", "the partition table could not be "
                                                          "written: %1")
                   .arg(platform::errorText(rc));
        return false;
    }
    table = platform::Fd();
    facts->insert(QStringLiteral("partitionStart"), double(start));
    facts->insert(QStringLiteral("partitionBytes"), double(length));
    // The kernel learns of the partition; then the drive is let go for
    // mkfs, which claims the partition itself.
    platform::rereadPartitions(held.get());
    rc = platform::addPartition(held.get(), 1, start, length);
    held = platform::Fd();
    QByteArray node;
    for (int tries = 0; (rc == 0 || rc == ENOENT) && tries < 50; ++tries) {
        if ((rc = platform::partitionNode(path, 1, &node)) != ENOENT)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (rc != 0) {
        *why =
            QCoreApplication::translate("FreshFormat", "the new partition could not be reached: %1")
                .arg(platform::errorText(rc));
        return false;
    }
    facts->insert(QStringLiteral("partition"), QString::fromLocal8Bit(node));
    // mkfs claims the partition itself; a copy of the drive's descriptor
    // that another drive's mkfs took along for a moment must be gone first.
    platform::waitUntilClaimable(node, 10000);
    QString output;
    const int status = platform::runProgram(program, mkfsArguments(format, node), &output);
    if (status != 0) {
        *why = QCoreApplication::translate("FreshFormat", "%1 failed (%2): %3")
                   .arg(program)
                   .arg(status)
                   .arg(output.trimmed());
        return false;
    }
    facts->insert(QStringLiteral("done"), true);
    return true;
}

} // namespace velmora
