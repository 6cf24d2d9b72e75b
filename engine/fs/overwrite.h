// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/core/jobcontext.h"
#include "engine/fs/verify.h"

#include <QByteArray>
#include <QString>


namespace velmora
{

enum class OverwriteResult {
    Overwritten,  // every allocated byte written on every pass and synced; file still present
    Failed,       // could not be written or synced
    Stopped,      // the stop flag was seen between chunks or passes
    KeptGrowing,  // another program kept writing to it: its new tail may hold data
    VerifyFailed, // written and synced, but the device gave back something else
};

// How an overwrite ended, and where and why it did not get through.
struct Overwrite {
    OverwriteResult result = OverwriteResult::Overwritten;
    int error = 0;      // Failed: why, as an errno value
    qint64 offset = -1; // Failed: the byte where, where known
    ReadBack readBack;  // VerifyFailed: what the read-back found
    // Where, and what came back there, for a problem's reason.
    QString detail() const;
};

// Overwrites the open regular file `fd` in place with fresh random data, once
// per pass, in chunks of at most 1 MiB, keeping its length. Only the regions
// that hold data are written: a hole holds no old data and needs no space, so
// a sparse file never fills the volume. Each pass ends with a data sync, so
// the new contents are on the device before the next pass or before the
// caller deletes the file; pages written are dropped from the cache behind
// the writer. If the file grew meanwhile, the new tail is overwritten too.
// Progress is counted per chunk through `ctx`; `shown` names the file in the
// debug output. With `ctx.verify`, the last pass is read back from the device
// once synced (VerifyFailed when it differs).
Overwrite overwriteOpenFile(int fd, const QString &shown, int passes, JobContext &ctx);

// One pass over the first `size` bytes of the open file `fd`, like one of
// overwriteOpenFile()'s, but without its closing sync: for small files whose
// passes are written file after file and then synced together, before any
// of them gets its next pass. Returns Overwritten, Stopped or Failed.
// With `written`, what the pass put where is recorded there, for a read-back.
Overwrite writePassUnsynced(int fd, const QString &shown, qint64 size, JobContext &ctx,
                            WrittenData *written = nullptr);


} // namespace velmora
