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

} // namespace velmora
