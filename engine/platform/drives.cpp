// SPDX-License-Identifier: GPL-3.0-or-later

// Calls on whole block devices: open, size, discard, re-read.

#include "engine/platform/drives.h"

#include <cerrno>
#include <fcntl.h>
#include <linux/fs.h>
#include <linux/loop.h>
#include <sys/ioctl.h>
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
    return ::ioctl(fd, BLKRRPART) == 0 ? 0 : errno;
}

} // namespace velmora::platform
