// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What an overwrite can reach on the medium beneath a volume, in words: the
// short name the volume tables show ("SSD · NVMe"), the sentence a job says
// once per volume, and the sanitization category a report gives.

#include "engine/core/jobcontext.h"
#include "engine/platform/platform.h"
#include "engine/platform/storage.h"

#include <QJsonObject>
#include <QString>

namespace velmora
{

enum class MediumKind {
    Unknown,    // a virtual disk, or nothing the kernel tells
    Magnetic,   // a spinning disk
    Flash,      // a solid-state drive, NVMe, eMMC, SD card, USB flash
    MaybeFlash, // a USB drive that does not say whether it spins
    Memory,     // tmpfs, ramfs, zram, brd
    Network,    // the blocks live on another computer
};
MediumKind mediumKind(const platform::Storage &storage);

// "SSD · NVMe", "HDD · SATA", "USB flash", "SD card", "memory", "network",
// with " · encrypted" where dm-crypt is in the chain.
QString mediumLabel(const platform::Storage &storage);
// The chain of devices down to the disks, then their model and serial:
// "nvme0n1p2 (partition) → nvme0n1 (disk) → Samsung SSD 980 (S64A…)".
QString deviceChainText(const platform::Storage &storage);
// The drive as a sentence names it: "a solid-state drive (NVMe, Samsung SSD 980)".
QString mediumDescription(const platform::Storage &storage);

// What the overwrite of a job could not reach on the volume shown as
// `volume`, for the log, the completion box and the report; empty where
// there is nothing to add (a magnetic disk). `warning` tells whether it
// limits what the job may claim.
struct MediumLine {
    QString text;
    bool warning = false;
};
MediumLine mediumLine(const platform::Storage &storage, const QString &volume,
                      const std::vector<platform::Swap> &swaps);

// The sanitization category (NIST SP 800-88) of an overwrite through the
// file system on this storage, in words: never Clear or Purge, and why.
QString sanitizationText(const platform::Storage &storage);

// The storage as the JSON outcome gives it: fixed keys and words.
QJsonObject storageJson(const platform::Storage &storage);

// Says once per volume, and keeps for the completion box and the report,
// what an overwrite cannot reach on `mount` because of the medium beneath
// it: a drive that keeps copies in flash, another computer (a network file
// system), memory (and the swap it may have gone to); a calmer line where
// the volume is encrypted. Nothing for a magnetic disk.
void noteMedium(const platform::Mount &mount, JobContext &ctx);

} // namespace velmora
