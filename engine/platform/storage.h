// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What lies beneath a mounted volume: the chain of block devices from the
// mount's source down to the disks that hold its blocks, and what the kernel
// tells of those disks (sysfs, and udev's records where they exist). Reading
// it touches only sysfs and udev's files, never the volume itself, so a
// volume that does not answer cannot stall it.

#include "engine/platform/platform.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

#include <vector>

namespace velmora::platform
{

enum class Transport { Unknown, Nvme, Sata, Usb, Mmc, Virtio, Loop, Memory, Network };

// A disk at the bottom of the chain.
struct Disk {
    QByteArray name; // the kernel's ("nvme0n1", "sda", "zram0")
    Transport transport = Transport::Unknown;
    int rotational = -1; // 1 spinning, 0 not, -1 unknown
    int discards = -1;   // 1 accepts discards (TRIM), 0 not, -1 unknown
    bool sdCard = false; // an MMC device that is an SD card, not soldered eMMC
    QString vendor;
    QString model;
    QString serial;
    QString firmware;
    quint64 bytes = 0;
};

struct Storage {
    QByteArray fsType;
    // From the mount's source down: "dm-0 (crypt, LUKS2, home)",
    // "nvme0n1p3 (partition)", "nvme0n1 (disk)". A loop device's backing
    // file is followed to the volume that holds it.
    QByteArrayList chain;
    std::vector<Disk> disks; // more than one below RAID or a spanning mapping
    QByteArray encryption;   // "LUKS2", "LUKS1", "plain" where dm-crypt is in the chain
    bool loop = false;       // a loop device's backing file is in the chain
    bool network = false;    // the blocks live on another computer
    bool memory = false;     // the blocks live in memory (tmpfs, ramfs, zram, brd)
    bool copyOnWrite = false;
    bool compressing = false;
    bool responding = true; // false: the volume did not answer in time
    // Whether the device the volume is mounted from accepts discards (TRIM):
    // 1 yes, 0 no, -1 unknown. A partition's disk tells; a loop device
    // passes them to its backing file.
    int discards = -1;

    // Transport of the disks, when they agree (Unknown otherwise); Network
    // and Memory for those volumes.
    Transport transport() const;
    // 1 when every disk spins, 0 when one does not, -1 unknown.
    int rotational() const;
    // The vendor and model of the disks, as shown ("Samsung SSD 980").
    QString model() const;
    QString serial() const;
};

// Where the kernel's and udev's files are; tests give a tree of their own.
struct SystemFiles {
    QByteArray sys = "/sys";
    QByteArray udev = "/run/udev/data";
};

// The storage beneath `mount`; `table` is the mount table, to follow a loop
// device to the volume that holds its backing file.
Storage storageOf(const Mount &mount, const std::vector<Mount> &table,
                  const SystemFiles &files = SystemFiles());

// Whether the block device whose sysfs folder is `dir` accepts discards: 1
// yes, 0 no, -1 when sysfs does not tell.
int queueDiscards(const QByteArray &dir);

// The storage of a single disk, as a drive wipe sees it: the disk alone.
Storage storageOfDisk(const Disk &disk);

// A short, fixed word for a transport ("nvme", "usb", …), for scripts.
const char *transportKey(Transport transport);

// The names in the folder `dir` (sysfs, /proc), sorted; none where it
// cannot be read.
QByteArrayList entriesOf(const QByteArray &dir);

} // namespace velmora::platform
