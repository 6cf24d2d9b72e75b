// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/core/jobcontext.h"
#include "engine/platform/platform.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <QtGlobal>

namespace velmora
{

// Overwrites the free space of the volume at `root`, in three steps.
//
// 1. Once per pass, a fill writes fresh random data in 1 MiB chunks until the
//    file system reports that it is full, reaching the blocks reserved for
//    root when the process may write them. The fill file is unnamed where
//    the file system allows it (the kernel frees it however the process
//    ends); elsewhere it is created new under root + `fileName` (then
//    "<name>1.bin", ... for a file-size limit or a name that is taken), never
//    through an existing entry, and removed when the pass ends. `byteBound`
//    only sets the chunks the progress counts on: the larger of it and the
//    space measured once earlier fill files are gone.
// 2. Folders with long random names are created and removed in batches, so
//    that free directory entries and inodes are overwritten and the journal
//    (which keeps copies of recent metadata, names included) wraps.
// 3. The file system is asked to discard its free blocks (TRIM).
//
// Fill files an interrupted run left behind are removed first, each with a
// log line. Returns false when a step failed for any reason but a full
// volume; a line naming the cause has then been logged and recorded as the
// job's error (`failureLine` when no fill file could be created), and the job
// must end. Returns true otherwise, also when stopped.
bool fillFreeSpace(const QString &root, const QString &fileName, int passes, quint64 byteBound,
                   const QString &failureLine, JobContext &ctx);

// A journaling file system keeps copies of recently changed folder blocks,
// names of erased files included. This creates and removes folders with long
// random names in the folder `folderFd` (where those names were) until the
// journal of a volume of type `fsType` has been rewritten, or as much of it
// as `erasedNames` names can have taken; nothing happens on file systems
// without a journal. Returns false when a stop ended it, or when it failed
// (said in the log and counted as a problem).
bool pushNamesOutOfJournal(int folderFd, const QByteArray &fsType, qint64 erasedNames,
                           JobContext &ctx);

// Writes `bytes` of fresh random data into a new file in the folder
// `folderFd` (less where the volume fills first), synced, and removes it
// again: where the driver hands out the lowest free clusters first
// (exfat-fuse), that reaches what a file erase just gave back. 0,
// ECANCELED after a stop, or why it failed.
int fillFreedSpace(int folderFd, qint64 bytes, JobContext &ctx);

// Asks the file system holding `fd` (mounted as `mount`, when known) to
// discard its free blocks on the device (FITRIM), and says what came of it.
// 0 or an errno value.
int trimFreeBlocks(int fd, const platform::Mount *mount, JobContext &ctx);

// The named fill files (and name folders) an interrupted wipe left in the
// root folder of the volume at `root`: only entries that are ours by name,
// owner and marker.
QByteArrayList findFillLeftovers(const QByteArray &root);
// Removes them; each removal is logged through `ctx` when it is given.
// Returns how many could not be removed.
int removeFillLeftovers(const QByteArray &root, JobContext *ctx);

// The swap areas of `swaps` that keep pages on a disk in the clear: neither
// encrypted nor memory (zram), as shown.
QStringList swapInTheClear(const std::vector<platform::Swap> &swaps);

} // namespace velmora
