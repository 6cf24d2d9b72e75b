// SPDX-License-Identifier: GPL-3.0-or-later

// What a volume's own device or image file says, read from it directly: where
// a FUSE driver keeps its volume, and FAT's own count of free clusters.

#include "engine/platform/platform.h"
#include "engine/platform/storage.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::platform
{

namespace
{

// Reads `length` bytes at `offset`, or fails with the reason.
int readFully(int fd, qint64 offset, qint64 length, QByteArray *out)
{
    out->resize(length);
    int error = 0;
    const qint64 n = readAt(fd, out->data(), std::size_t(length), offset, &error);
    return n == length ? 0 : n < 0 ? error : EIO; // EIO: shorter than the boot sector says
}

// An image file or a block device, opened for reading without blocking;
// anything else is refused (EINVAL in errno).
Fd openImage(const QByteArray &path)
{
    Fd fd(::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat st;
    if (fd.valid() &&
        (::fstat(fd.get(), &st) != 0 || !(S_ISREG(st.st_mode) || S_ISBLK(st.st_mode)))) {
        fd.reset();
        errno = EINVAL;
    }
    return fd;
}

QByteArray linkTarget(const QByteArray &link)
{
    char target[PATH_MAX];
    const ssize_t n = ::readlink(link.constData(), target, sizeof target - 1);
    return n > 0 ? QByteArray(target, int(n)) : QByteArray();
}

// Whether the process `proc` (a /proc folder) was started for `mountPoint`:
// one of its arguments names it, as given or from the folder it started in.
bool startedFor(const QByteArray &proc, const QByteArray &mountPoint)
{
    QFile cmdline(QString::fromLocal8Bit(proc + "/cmdline"));
    if (!cmdline.open(QIODevice::ReadOnly))
        return false;
    const QByteArray cwd = linkTarget(proc + "/cwd");
    for (const QByteArray &arg : cmdline.readAll().split('\0')) {
        QByteArray path = arg.startsWith('/') ? arg : cwd + '/' + arg;
        while (path.size() > 1 && path.endsWith('/'))
            path.chop(1);
        if (!arg.isEmpty() && path == mountPoint)
            return true;
    }
    return false;
}

} // namespace

QByteArray backingOf(const Mount &mount)
{
    if (mount.source.startsWith('/') && openImage(mount.source).valid())
        return mount.source;
    if (!mount.mountType.startsWith("fuse"))
        return QByteArray();
    // The driver holds the FUSE device and the image or device it serves;
    // of the drivers started for this mount point, the one that holds what
    // the volume's file system lies on.
    for (const QByteArray &pid : entriesOf("/proc")) {
        bool number = false;
        pid.toLongLong(&number);
        const QByteArray proc = "/proc/" + pid;
        if (!number || !startedFor(proc, mount.mountPoint))
            continue;
        QByteArrayList held;
        bool fuse = false;
        for (const QByteArray &fd : entriesOf(proc + "/fd")) {
            const QByteArray target = linkTarget(proc + "/fd/" + fd);
            if (target == "/dev/fuse")
                fuse = true;
            else if (target.startsWith('/') && target != "/dev/null")
                held.append(target);
        }
        if (!fuse)
            continue;
        for (const QByteArray &path : held) {
            const Fd fd = openImage(path);
            QByteArray sector;
            if (fd.valid() && readFully(fd.get(), 0, 512, &sector) == 0 &&
                fileSystemOfSector(sector) == mount.fsType)
                return path;
        }
    }
    return QByteArray();
}

QByteArray fileSystemOfSector(const QByteArray &sector)
{
    if (sector.mid(3, 8) == "EXFAT   ")
        return QByteArrayLiteral("exfat");
    if (sector.mid(3, 8) == "NTFS    ")
        return QByteArrayLiteral("ntfs");
    if (sector.mid(54, 3) == "FAT" || sector.mid(82, 5) == "FAT32")
        return QByteArrayLiteral("vfat");
    return QByteArray();
}

namespace
{

// Cluster `c`'s entry, at `entry` in a FAT of `bits` bits per entry.
quint32 fatEntry(const uchar *entry, int bits, quint64 c)
{
    if (bits == 32)
        return qFromLittleEndian<quint32>(entry) & 0x0fffffffU;
    if (bits == 16)
        return qFromLittleEndian<quint16>(entry);
    const quint16 pair = qFromLittleEndian<quint16>(entry);
    return (c & 1) ? pair >> 4 : pair & 0x0fffU;
}

} // namespace

int fatFreeBytes(const QByteArray &source, quint64 *bytes)
{
    const Fd fd = openImage(source);
    if (!fd.valid())
        return errno;
    QByteArray boot;
    int rc = readFully(fd.get(), 0, 512, &boot);
    const auto u8 = [&](int at) { return quint64(uchar(boot.at(at))); };
    const auto u16 = [&](int at) {
        return quint64(qFromLittleEndian<quint16>(boot.constData() + at));
    };
    const auto u32 = [&](int at) {
        return quint64(qFromLittleEndian<quint32>(boot.constData() + at));
    };
    if (rc != 0 || fileSystemOfSector(boot) != "vfat")
        return rc ? rc : EINVAL;
    const quint64 sectorBytes = u16(11), perCluster = u8(13), reserved = u16(14), fats = u8(16);
    const quint64 rootEntries = u16(17);
    const quint64 sectors = u16(19) ? u16(19) : u32(32);
    const quint64 fatSectors = u16(22) ? u16(22) : u32(36);
    const quint64 rootSectors =
        sectorBytes ? (rootEntries * 32 + sectorBytes - 1) / sectorBytes : 0;
    const quint64 meta = reserved + fats * fatSectors + rootSectors;
    if (sectorBytes < 512 || perCluster == 0 || fats == 0 || fatSectors == 0 || sectors <= meta)
        return EINVAL;
    // The kind of FAT follows from the count of clusters alone.
    const quint64 clusters = (sectors - meta) / perCluster;
    const int bits = clusters < 4085 ? 12 : clusters < 65525 ? 16 : 32;
    // The first table, a piece at a time: a large FAT32 has hundreds of
    // MiB of it. Pieces hold whole entries (FAT12's three bytes for two).
    const quint64 tableBytes = fatSectors * sectorBytes;
    if ((clusters + 2) * quint64(bits) > tableBytes * 8)
        return EINVAL;
    constexpr quint64 kPiece = 3 * 256 * 1024;
    const qint64 start = qint64(reserved * sectorBytes);
    quint64 free = 0;
    QByteArray piece;
    for (quint64 at = 0; at < tableBytes && rc == 0; at += kPiece) {
        const quint64 length = std::min(kPiece + 2, tableBytes - at);
        if ((rc = readFully(fd.get(), start + qint64(at), qint64(length), &piece)) != 0)
            break;
        const auto *t = reinterpret_cast<const uchar *>(piece.constData());
        const quint64 first = std::max<quint64>(2, at * 8 / quint64(bits));
        const quint64 end = std::min(clusters + 2, (at + kPiece) * 8 / quint64(bits));
        for (quint64 c = first; c < end; ++c) {
            const quint64 offset = c * quint64(bits) / 8 - at;
            if (offset + (bits == 32 ? 4 : 2) > quint64(piece.size()))
                break; // FAT12's last entry at the table's very end: never free
            free += fatEntry(t + offset, bits, c) == 0 ? 1 : 0;
        }
    }
    if (rc != 0)
        return rc;
    *bytes = free * perCluster * sectorBytes;
    return 0;
}

} // namespace velmora::platform
