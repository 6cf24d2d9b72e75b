#pragma once

#include "engine/jobcontext.h"

#include <filesystem>
#include <functional>
#include <vector>

namespace velmora
{

enum class EntryKind { File, Directory, Link, Other };

// Walks the tree below `root` (not `root` itself), parents before children.
// Symbolic links are reported as links and never followed; folders that may
// not be listed are skipped; a folder on another file system than `root`
// (a nested mount) is neither reported nor entered. The visitor returns false
// to end the walk. Errors the file system reports while walking are thrown as
// std::filesystem::filesystem_error.
void walkTree(const std::filesystem::path &root,
              const std::function<bool(const std::filesystem::path &, EntryKind)> &visit);

// Removes a symbolic link itself (never its target) and logs it.
// Returns false if the link could not be removed.
bool removeLink(const std::filesystem::path &link, JobContext &ctx);

// Appends every folder below `root` on root's file system, in walk order.
// With `removeLinks`, the links met on the way are removed and logged, so
// that folders holding only links can be cleaned up afterwards.
void collectFolders(const std::filesystem::path &root, std::vector<std::filesystem::path> &out,
                    JobContext &ctx, bool removeLinks);

// Removes, deepest folder first, the shortcut files (".lnk") that lie directly
// in each listed folder and then the folder itself if it has become empty.
// Folders that are gone or are links are skipped; nothing is deleted that is
// not a shortcut or an empty folder. Each removal is logged.
void cleanUpFolders(const std::vector<std::filesystem::path> &folders, JobContext &ctx);

} // namespace velmora
