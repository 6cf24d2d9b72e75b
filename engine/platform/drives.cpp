// SPDX-License-Identifier: GPL-3.0-or-later

// Calls on whole block devices: open, size, discard, re-read.

#include "engine/platform/drives.h"

#include <QFile>
#include <QProcess>

#include <cerrno>
#include <chrono>
#include <thread>
#include <fcntl.h>
#include <linux/blkpg.h>
#include <linux/fs.h>
#include <linux/loop.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace velmora::platform
{

Fd openDriveForWipe(const QByteArray &path, bool write, int *error)
{
    const int fd = ::open(path.constData(),
                          (write ? O_RDWR : O_RDONLY) | O_EXCL | O_DIRECT | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        *error = errno;
    return Fd(fd);
}

int driveGeometry(int fd, quint64 *bytes, quint32 *logical, quint32 *physical)
{
    unsigned long long size = 0;
    int lbs = 0;
    unsigned int pbs = 0;
    if (::ioctl(fd, BLKGETSIZE64, &size) != 0 || ::ioctl(fd, BLKSSZGET, &lbs) != 0)
        return errno;
    if (::ioctl(fd, BLKPBSZGET, &pbs) != 0)
        pbs = unsigned(lbs);
    *bytes = size;
    *logical = quint32(lbs);
    *physical = pbs;
    return 0;
}

int discardRange(int fd, quint64 offset, quint64 length, bool secure)
{
    quint64 range[2] = {offset, length};
    if (::ioctl(fd, secure ? BLKSECDISCARD : BLKDISCARD, range) == 0)
        return 0;
    return errno == ENOTTY || errno == EINVAL ? EOPNOTSUPP : errno;
}

bool loopBacking(int fd, quint64 *device, quint64 *inode)
{
    loop_info64 info{};
    if (::ioctl(fd, LOOP_GET_STATUS64, &info) != 0)
        return false;
    *device = info.lo_device;
    *inode = info.lo_inode;
    return true;
}

int rereadPartitions(int fd)
{
    if (::ioctl(fd, BLKRRPART) == 0)
        return 0;
    if (errno != EINVAL)
        return errno;
    // No table scanning here: each partition number the kernel may hold
    // (the extended range included) is dropped; ENXIO where there is none.
    for (int number = 1; number <= 256; ++number) {
        blkpg_partition part{};
        part.pno = number;
        blkpg_ioctl_arg arg{};
        arg.op = BLKPG_DEL_PARTITION;
        arg.datalen = sizeof part;
        arg.data = &part;
        if (::ioctl(fd, BLKPG, &arg) != 0 && errno != ENXIO)
            return errno;
    }
    return 0;
}

int addPartition(int fd, int number, quint64 start, quint64 length)
{
    blkpg_partition part{};
    part.start = qint64(start);
    part.length = qint64(length);
    part.pno = number;
    blkpg_ioctl_arg arg{};
    arg.op = BLKPG_ADD_PARTITION;
    arg.datalen = sizeof part;
    arg.data = &part;
    if (::ioctl(fd, BLKPG, &arg) == 0)
        return 0;
    if (errno != EBUSY)
        return errno;
    // One the kernel kept from the old table: replaced by the new one.
    arg.op = BLKPG_DEL_PARTITION;
    if (::ioctl(fd, BLKPG, &arg) != 0)
        return errno;
    arg.op = BLKPG_ADD_PARTITION;
    return ::ioctl(fd, BLKPG, &arg) == 0 ? 0 : errno;
}

int waitUntilClaimable(const QByteArray &node, int waitMs)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        const int fd = ::open(node.constData(), O_RDONLY | O_EXCL | O_CLOEXEC | O_NOCTTY);
        if (fd >= 0) {
            ::close(fd);
            return 0;
        }
        const int error = errno;
        if (error != EBUSY || std::chrono::steady_clock::now() >= until)
            return error;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

int partitionNode(const QByteArray &disk, int number, QByteArray *node)
{
    struct stat whole;
    if (::stat(disk.constData(), &whole) != 0)
        return errno;
    const bool endsInDigit = !disk.isEmpty() && disk.back() >= '0' && disk.back() <= '9';
    const QByteArray name = disk + (endsInDigit ? "p" : "") + QByteArray::number(number);
    struct stat part;
    if (::stat(name.constData(), &part) != 0)
        return errno;
    if (!S_ISBLK(part.st_mode))
        return ENOTBLK;
    // Its disk, as sysfs has it, must be the one named.
    const QByteArray sys = "/sys/dev/block/" + QByteArray::number(major(part.st_rdev)) + ':' +
                           QByteArray::number(minor(part.st_rdev));
    QFile parent(QString::fromLatin1(sys + "/../dev"));
    QFile partition(QString::fromLatin1(sys + "/partition"));
    if (!parent.open(QIODevice::ReadOnly) || !partition.open(QIODevice::ReadOnly))
        return ENODEV;
    const QByteArray wholeNumber =
        QByteArray::number(major(whole.st_rdev)) + ':' + QByteArray::number(minor(whole.st_rdev));
    if (parent.readAll().trimmed() != wholeNumber ||
        partition.readAll().trimmed().toInt() != number)
        return ENODEV;
    *node = name;
    return 0;
}

Fd openDeviceBuffered(const QByteArray &path, int *error)
{
    const int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        *error = errno;
    return Fd(fd);
}

int runProgram(const QString &program, const QStringList &arguments, QString *output, int timeoutMs)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted() || !process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        *output = process.errorString();
        return -1;
    }
    *output = QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace velmora::platform
