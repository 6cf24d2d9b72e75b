// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Whole block devices: the disks and partitions the kernel shows, what uses
// each of them, and the calls that open, size, discard and re-read them.

#include "engine/platform/platform.h"
#include "engine/platform/storage.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QStringList>

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
    // Other processes that hold it, or one of its partitions, open or mapped
    // ("fusefat, pid 1234"): a FUSE driver, a virtual machine's raw disk,
    // dd. A FUSE mount names its driver as its source, not the device, and
    // such a user need not open it exclusively: only this finds them.
    QByteArrayList openBy;
    QByteArray loopFile; // a loop device's backing file
};

// The disks and partitions of this machine with a size, in sysfs order;
// device-mapper and md devices, which sit on others, are left out.
std::vector<Drive> listDrives(const SystemFiles &files = SystemFiles());
// The drives Velmora lists on its own (the Drives view, velmora-cli
// drives): listDrives(), narrowed as scannedMounts() is. Where
// VELMORA_ONLY_VOLUMES_UNDER is set, only loop devices whose backing file
// lies within it. Never for a guard.
std::vector<Drive> scannedDrives();
// The drive at `path` (a block device node, links followed): ENOTBLK when
// it is no block device, ENOENT when it does not exist.
int driveAt(const QByteArray &path, Drive *out, const SystemFiles &files = SystemFiles());
// The drives at `paths`, in order, as one look at the system (its mounts,
// swaps and the processes holding devices) sees them all: 0, or the errno
// of the first that is none, with its index in `*failed`.
int drivesAt(const QByteArrayList &paths, std::vector<Drive> *out, qsizetype *failed,
             const SystemFiles &files = SystemFiles());

// The processes other than this one holding a block device whose number is
// in `numbers` open, or mapping it, as fuser does: each process's open
// descriptors and memory maps. "name, pid N" for each; `proc` is for tests.
// Only what this process may read is seen: for an ordinary user, her own.
// A descriptor counts by the device it is open on, wherever its node lives
// (a copy made with mknod, a chroot's /dev); its status is taken from what
// the kernel holds, so that a file on a FUSE volume that hangs is never
// asked.
struct DeviceUser {
    quint64 device = 0;
    QByteArray text; // "fusefat, pid 1234"
};
std::vector<DeviceUser> deviceUsers(const QByteArray &proc = "/proc");

// What names a block device for as long as it is held open: its number, size,
// serial and, for a loop device, the file behind it (device and inode).
struct DriveIdentity {
    quint64 number = 0;
    quint64 bytes = 0;
    QString model;
    QString serial;
    QByteArray loopFile;
    quint64 loopDevice = 0;
    quint64 loopInode = 0;
    bool operator==(const DriveIdentity &o) const
    {
        return number == o.number && bytes == o.bytes && model == o.model && serial == o.serial &&
               loopFile == o.loopFile && loopDevice == o.loopDevice && loopInode == o.loopInode;
    }
    bool operator!=(const DriveIdentity &o) const { return !(*this == o); }
};
// The identity of the open block device `fd`; 0 or an errno value.
int identityOf(int fd, DriveIdentity *out, const SystemFiles &files = SystemFiles());
// The identity of the device the node `path` names now, opened without
// claiming it; 0 or an errno value (ENOTBLK, ENOENT, ENXIO once it is gone).
int identityAt(const QByteArray &path, DriveIdentity *out,
               const SystemFiles &files = SystemFiles());

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
// The file behind the loop device `fd` (its device and inode); false when
// `fd` is no loop device or nothing is attached.
bool loopBacking(int fd, quint64 *device, quint64 *inode);
// Asks the kernel to read the partition table again (BLKRRPART). Where it
// cannot (a loop device that scans no tables), the partitions it was told
// of are dropped instead (BLKPG), as partx -d does: after a wipe they would
// name ranges that hold nothing. 0 or an errno.
int rereadPartitions(int fd);
// Tells the kernel of partition `number` of the disk open at `fd`, as partx
// does (BLKPG), in place of one it kept from an old table: 0 or an errno.
int addPartition(int fd, int number, quint64 start, quint64 length);
// The node of partition `number` of the disk at `disk` ("/dev/sdb1",
// "/dev/nvme0n1p1", "/dev/loop0p1"), checked to be a partition of that
// disk: 0 or an errno (ENOENT while the kernel has not made it).
int partitionNode(const QByteArray &disk, int number, QByteArray *node);
// Waits, up to `waitMs`, until the block device at `node` can be claimed
// (opened exclusively), and lets it go again: 0, or the errno of the last
// try (EBUSY while something still claims it). A drive let go a moment ago
// can stay claimed a little longer: a program this process started on
// another thread between its fork and its exec holds a copy of every
// descriptor open then.
int waitUntilClaimable(const QByteArray &node, int waitMs);
// A device opened for reading and writing without direct I/O and without
// claiming it, beside a descriptor that holds it: for tools that write
// small, unaligned pieces (a partition table).
Fd openDeviceBuffered(const QByteArray &path, int *error);
// Runs `program` with `arguments` and waits for it, up to `timeoutMs`: its
// exit status (-1 where it could not be started or did not end), with what
// it printed in `*output`.
int runProgram(const QString &program, const QStringList &arguments, QString *output,
               int timeoutMs = 600000);

} // namespace velmora::platform
