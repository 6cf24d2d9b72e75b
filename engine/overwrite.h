#pragma once

#include "engine/jobcontext.h"

#include <QString>

#include <filesystem>

namespace velmora
{

enum class OverwriteResult {
    Overwritten,  // every pass written and synced to the device; file still present
    EmptyDeleted, // the file was empty: nothing to overwrite, deleted at once
    NotFound,     // the file did not exist when its turn came
    Failed,       // could not be opened, written or synced; see the debug output
    Stopped,      // the stop flag was seen between chunks or passes
};

// Overwrites one existing regular file in place with fresh random data, once
// per pass of `method`, in chunks of at most 1 MiB, keeping its length. Each
// pass ends with a data sync, so the new contents are on the device before the
// next pass or before the caller deletes the file. Progress is counted per
// chunk through `ctx`. A symbolic link is never followed and a non-regular file
// is never written. An empty file is deleted here and logged as such; any
// other file is left for the caller to delete.
OverwriteResult overwriteFile(const std::filesystem::path &path, const QString &method,
                              JobContext &ctx);

inline bool overwriteSucceeded(OverwriteResult r)
{
    return r == OverwriteResult::Overwritten || r == OverwriteResult::EmptyDeleted;
}

} // namespace velmora
