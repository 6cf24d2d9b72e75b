#pragma once

#include "engine/jobcontext.h"

#include <QString>
#include <QtGlobal>

namespace velmora
{

// Overwrites the free space of the volume at `root` through temporary fill
// files, once per pass: each pass creates root + `fileName`, writes 1 MiB
// chunks of fresh random data from one Mersenne Twister per fill until the
// volume is full, syncs, closes and deletes. `byteBound` sets the chunks the
// progress counts on (floor(bound / 1 MiB) per pass); when the volume fills up
// earlier the rest of those chunks is counted at once, and when it is not
// full yet the fill goes on past the bound (space reserved for root, or freed
// meanwhile) until it is. A file that hits the file system's size limit is
// continued in root + "<name>1.bin", "<name>2.bin", ... No fill file outlives
// its pass, also after a stop or an error.
//
// Returns false when a fill file could not be created or written for any
// reason but a full volume; `failureLine` has then been logged, recorded as
// the job's error, and the job must end. Returns true otherwise, also when stopped.
bool fillFreeSpace(const QString &root, const QString &fileName, int passes, quint64 byteBound,
                   const QString &failureLine, JobContext &ctx);

} // namespace velmora
