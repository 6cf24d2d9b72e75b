#include "engine/walk.h"

#include "engine/paths.h"
#include "engine/platform.h"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace velmora
{

void walkTree(const fs::path &root, const std::function<bool(const fs::path &, EntryKind)> &visit)
{
    const auto rootDevice = platform::deviceId(root);
    fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied);
    for (const fs::recursive_directory_iterator end; it != end; ++it) {
        const fs::directory_entry &entry = *it;
        const fs::file_status status = entry.symlink_status();
        EntryKind kind = EntryKind::Other;
        if (fs::is_symlink(status)) {
            kind = EntryKind::Link;
        } else if (fs::is_directory(status)) {
            // std::filesystem happily descends into whatever is mounted below
            // us; the device id is what tells a nested mount apart.
            if (platform::deviceId(entry.path()) != rootDevice) {
                it.disable_recursion_pending();
                continue;
            }
            kind = EntryKind::Directory;
        } else if (fs::is_regular_file(status)) {
            kind = EntryKind::File;
        } else if (status.type() == fs::file_type::not_found) {
            continue; // vanished while we walked
        }
        if (!visit(entry.path(), kind))
            return;
    }
}

bool removeLink(const fs::path &link, JobContext &ctx)
{
    std::error_code ec;
    if (!platform::isSymlink(link) || !fs::remove(link, ec) || ec)
        return false;
    ctx.emitLog(QStringLiteral("🔗 Removed link: %1").arg(displayPath(link)));
    return true;
}

void collectFolders(const fs::path &root, std::vector<fs::path> &out, JobContext &ctx,
                    bool removeLinks)
{
    walkTree(root, [&](const fs::path &path, EntryKind kind) {
        if (kind == EntryKind::Directory)
            out.push_back(path);
        else if (kind == EntryKind::Link && removeLinks)
            removeLink(path, ctx);
        return true;
    });
}

void cleanUpFolders(const std::vector<fs::path> &folders, JobContext &ctx)
{
    std::vector<fs::path> ordered = folders;
    // A child's path is longer than its parent's, so longest first visits
    // every folder before the folder that holds it.
    std::sort(ordered.begin(), ordered.end(), [](const fs::path &a, const fs::path &b) {
        return a.native().size() > b.native().size();
    });

    for (const fs::path &folder : ordered) {
        std::error_code ec;
        const fs::file_status status = fs::status(folder, ec);
        if (ec || !fs::exists(status))
            continue;
        if (platform::isSymlink(folder))
            continue;

        for (const fs::directory_entry &entry :
             fs::directory_iterator(folder, fs::directory_options::skip_permission_denied)) {
            std::error_code typeError;
            if (!entry.is_regular_file(typeError) || typeError)
                continue;
            if (entry.path().extension() != ".lnk")
                continue;
            std::error_code removeError;
            fs::remove(entry.path(), removeError);
            if (!removeError)
                ctx.emitLog(
                    QStringLiteral("🗑️ Removed shortcut: %1").arg(displayPath(entry.path())));
        }

        const bool empty = fs::is_empty(folder, ec);
        if (ec || !empty)
            continue;
        fs::remove(folder, ec);
        if (!ec)
            ctx.emitLog(
                QStringLiteral("🗑️ Removed empty folder: %1").arg(displayPath(folder)));
    }
}

} // namespace velmora
