// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Whole block devices: the disks and partitions the kernel shows, what uses
// each of them, and the calls that open, size, discard and re-read them.

#include "engine/platform/platform.h"
#include "engine/platform/storage.h"

#include <QByteArray>
#include <QByteArrayList>

#include <vector>

namespace velmora::platform
{

// A disk or one of its partitions, as sysfs and the mount table tell it.
struct Drive {
    QByteArray path; // "/dev/sdb", "/dev/sdb1"
    QByteArray name; // "sdb", "sdb1"
    quint64 number = 0;
    bool partition = false;
    Disk disk; // the whole disk: identity, transport, rotational, discards
    quint64 bytes = 0;
    quint32 logicalSector = 512;
    quint32 physicalSector = 512;
    bool readOnly = false;
    bool removable = false;
    QByteArrayList partitions; // "sdb1", …
    // What uses it, or one of its partitions: the mount points of the
    // volumes on it, the devices stacked on it (dm, md), active swap.
    QByteArrayList mountPoints;
    // For a partition: the mount points of every volume on its disk.
    QByteArrayList diskMountPoints;
    QByteArrayList holders;
    QByteArrayList swaps;
    QByteArray loopFile; // a loop device's backing file
};

// The disks and partitions of this machine with a size, in sysfs order;
// device-mapper and md devices, which sit on others, are left out.
std::vector<Drive> listDrives(const SystemFiles &files = SystemFiles());
// The drive at `path` (a block device node, links followed): ENOTBLK when
// it is no block device, ENOENT when it does not exist.
int driveAt(const QByteArray &path, Drive *out, const SystemFiles &files = SystemFiles());

// The device a mount lives on (major:minor), its source's where the mount
// shows a number of its own (btrfs, FUSE drivers of block devices).
quint64 mountDeviceNumber(const Mount &mount);

// Opens a block device for a whole-device wipe: exclusively (EBUSY while the
// kernel knows of any user: a mount, a mapping, swap, another exclusive
// opener), with direct I/O, never as a controlling terminal.
Fd openDriveForWipe(const QByteArray &path, bool write, int *error);
// Size in bytes and logical/physical sector sizes of an open block device.
int driveGeometry(int fd, quint64 *bytes, quint32 *logical, quint32 *physical);
// Discards the range of the device (BLKSECDISCARD with `secure`, else
// BLKDISCARD): 0 or an errno value (EOPNOTSUPP where the device cannot).
int discardRange(int fd, quint64 offset, quint64 length, bool secure);
// Asks the kernel to read the partition table again (BLKRRPART).
int rereadPartitions(int fd);

} // namespace velmora::platform
