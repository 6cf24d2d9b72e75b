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

#include "engine/jobcontext.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace velmora
{

// Overwrites and deletes each listed file, then removes the links, shortcut
// files and empty folders left in the selected folders. A listed link is
// removed as a link; its target is never touched.
void runFileEraseJob(const QStringList &files, const QSet<QString> &folders, const QString &method,
                     JobContext &ctx);

// Overwrites and deletes every file of the volume at `root` (staying on that
// file system), fills its free space once per pass, then removes shortcut
// files and empty folders.
void runVolumeWipeJob(const QString &root, const QString &method, int passes, quint64 capacity,
                      JobContext &ctx);

// Fills the free space of the volume at `root` once per pass; existing files
// stay as they are.
void runFreeSpaceWipeJob(const QString &root, int passes, quint64 available, JobContext &ctx);

} // namespace velmora
