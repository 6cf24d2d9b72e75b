// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Sectors an ATA drive hides past the end it shows the host: a host
// protected area (SET MAX ADDRESS) or a lowered accessible maximum
// (ACCESSIBLE MAX ADDRESS CONFIGURATION). No overwrite through the block
// device reaches them, and what they hold stays; a wipe says so.

#include "engine/platform/drives.h"

#include <QJsonObject>
#include <QString>

namespace velmora
{

struct HiddenArea {
    // The drive answered as ATA: the two sizes are known.
    bool known = false;
    quint64 accessibleSectors = 0; // what IDENTIFY gives the host
    quint64 nativeSectors = 0;     // what the drive has
    // How the limit is set: "hpa" (the host protected area feature set) or
    // "ama" (accessible max address).
    QString feature;
    // The drive takes 48-bit commands.
    bool lba48 = false;

    quint64 hiddenSectors() const
    {
        return nativeSectors > accessibleSectors ? nativeSectors - accessibleSectors : 0;
    }
    // {"accessibleSectors", "nativeSectors", "hiddenSectors", "feature"}
    QJsonObject toJson() const;
    // "/dev/sdb hides 2048 sectors (1.0 MB) past the end it shows (a host
    // protected area): they are not wiped."
    QString sentence(const QString &shown, quint32 sectorBytes) const;
};

// Asks the whole ATA drive at `drive` (through `fd` where it is held open,
// else by its path) for its accessible and native sizes. Anything that
// does not answer as ATA (a partition, a loop device, NVMe, SCSI) is not
// known: nothing hidden is said of it.
HiddenArea probeHiddenArea(const platform::Drive &drive, int fd = -1);

// A host protected area is opened for the wipe in the volatile way: SET MAX
// ADDRESS to the native size, right after READ NATIVE MAX ADDRESS as the
// command set asks, which the next power cycle undoes. The block device
// keeps its size; the hidden sectors are written and read through the
// drive's own commands (hiddenSectorsIo()). A lowered accessible max
// address is kept by the drive across power cycles, and is not lifted.
// Each returns false with `*why` where the drive refused.
bool openHiddenArea(const platform::Drive &drive, int fd, const HiddenArea &area, QString *why);
// Sets the limit back where it was, again until the next power cycle.
bool closeHiddenArea(const platform::Drive &drive, int fd, const HiddenArea &area, QString *why);
// Writes (`write`) or reads `count` sectors of `sectorBytes` at `lba`
// through the drive's WRITE DMA or READ DMA command: 0, or EIO where the
// drive refused, or the errno of the call.
int hiddenSectorsIo(const platform::Drive &drive, int fd, const HiddenArea &area, bool write,
                    quint64 lba, quint32 count, quint32 sectorBytes, char *data);

} // namespace velmora
