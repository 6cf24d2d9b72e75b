// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The job commands of velmora-cli, each checked before anything is asked:
// erase, wipe and freespace, and drive. Each returns false, having said
// why, when it refuses; nothing is touched then.

#include "app/clioptions.h"
#include "engine/job/erasurerecord.h"
#include "engine/job/jobrunner.h"

namespace cli
{

// A job ready to be confirmed: what the engine is to do, and the record
// that will tell of it.
struct PreparedJob {
    velmora::JobRequest request;
    velmora::ErasureRecord record;
};

// The paths erase takes, with --trash the Trash's too: -1 to go on, or the
// exit status (an empty Trash is said and ends the run).
int gatherPaths(const Options &options, QByteArrayList *paths);

// velmora-cli erase PATH...
// Whether every path's volume answers: false (said) where one does not.
bool pathsAnswer(const QByteArrayList &paths);
bool prepareErase(const Options &options, const QByteArrayList &paths, PreparedJob *job);
// velmora-cli wipe MOUNTPOINT and velmora-cli freespace MOUNTPOINT
bool prepareVolume(const Options &options, const QString &command, const QByteArrayList &paths,
                   PreparedJob *job);
// velmora-cli drive DEVICE: the drive is held from here to the end;
// `seen`, the drive as a look at the system just now saw it (where several
// are prepared at once).
bool prepareDrive(const Options &options, const QByteArrayList &paths, PreparedJob *job,
                  const velmora::platform::Drive *seen = nullptr);

} // namespace cli
