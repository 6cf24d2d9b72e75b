// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The three background jobs. Each runs to its end on the calling thread,
// reports through the context and polls its stop flag before every file,
// walk entry, pass and chunk.
//
// What no in-place overwrite can promise: journaling, copy-on-write and
// compressing file systems, snapshots, and the wear levelling of SSDs and
// flash drives may keep copies of old data in places a file's blocks no
// longer point to. The free-space fill reaches what the file system will hand
// out; it cannot reach a device's spare area.

#include "engine/core/jobcontext.h"
#include "engine/platform/platform.h"

#include <QByteArrayList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace velmora
{

// Overwrites and deletes each listed file and everything below each listed
// folder, then removes the links, shortcut files and empty folders left in
// the selected folders (and the folders themselves once empty). Paths are
// bytes, as the file system names them. A listed link is removed as a link;
// its target is never touched. A listed file that lies below a listed folder
// is reached through that folder's walk, never by its path again. With
// `traces`, what the desktop keeps of the erased entries elsewhere goes too
// (thumbnails, recent-files entries, Trash records).
void runFileEraseJob(const QByteArrayList &files, const QByteArrayList &folders,
                     const QString &method, JobContext &ctx, bool traces = false);

// Says once, as a warning, where `swaps` hold swap that is neither encrypted
// nor memory (zram): pages of erased files may have gone there.
void noteUnencryptedSwap(JobContext &ctx, const std::vector<platform::Swap> &swaps);

// Overwrites and deletes every file of the volume at `root` (not entering
// other mounts below it), fills its free space once per pass, then removes
// shortcut files and empty folders.
void runVolumeWipeJob(const QString &root, const QString &method, int passes, quint64 capacity,
                      JobContext &ctx);

// Fills the free space of the volume at `root` once per pass; existing files
// stay as they are.
void runFreeSpaceWipeJob(const QString &root, int passes, quint64 available, JobContext &ctx);

} // namespace velmora
