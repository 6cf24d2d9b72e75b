#include "engine/jobs.h"

#include "engine/freespace.h"
#include "engine/overwrite.h"
#include "engine/paths.h"
#include "engine/platform.h"
#include "engine/walk.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace velmora
{

namespace
{

// Runs one job body; an error raised by a folder walk ends the job with a
// line that says so instead of passing for a normal end.
template <typename Body> void guarded(JobContext &ctx, Body body)
{
    try {
        body();
    } catch (const std::exception &e) {
        const QString message = QString::fromLocal8Bit(e.what());
        ctx.emitLog(QStringLiteral("❌ The operation ended early: %1").arg(message));
        if (ctx.report)
            ctx.report->setError(message);
    }
}

// Overwrites one file, deletes it and logs the honest outcome. Returns false
// when the stop flag ended the overwrite and `keepWhenStopped` left the file
// alone (the caller then ends its loop).
bool eraseOneFile(const fs::path &path, const QString &shown, const QString &method,
                  const QString &notGoneLine, bool keepWhenStopped, JobContext &ctx)
{
    ctx.emitLog(QStringLiteral("🔄 Wiping: %1").arg(shown));
    const OverwriteResult result = overwriteFile(path, method, ctx);
    if (keepWhenStopped && (result == OverwriteResult::Stopped || ctx.stopped()))
        return false;

    if (result == OverwriteResult::NotFound) {
        ctx.emitLog(QStringLiteral("⚠️ File not found: %1").arg(shown));
        ctx.problem(shown);
        return true;
    }
    std::error_code ec;
    fs::remove(path, ec);
    if (ec) {
        ctx.emitLog(notGoneLine.arg(shown));
        ctx.problem(shown);
    } else if (overwriteSucceeded(result)) {
        ctx.emitLog(QStringLiteral("✅ Securely erased: %1").arg(shown));
    } else {
        ctx.emitLog(QStringLiteral("⚠️ Deleted without secure overwrite: %1").arg(shown));
        ctx.problem(shown);
    }
    return true;
}

// A listed path that is a link goes as a link.
void removeListedLink(const fs::path &path, const QString &shown, const QString &notGoneLine,
                      JobContext &ctx)
{
    if (!removeLink(path, ctx)) {
        ctx.emitLog(notGoneLine.arg(shown));
        ctx.problem(shown);
    }
}

} // namespace

void runFileEraseJob(const QStringList &files, const QSet<QString> &folders, const QString &method,
                     JobContext &ctx)
{
    const QString notGone = QStringLiteral("⚠️ Could not securely erase: %1");
    guarded(ctx, [&] {
        const qint64 n = files.size();
        for (qint64 i = 0; i < n; ++i) {
            if (ctx.stopped())
                break;
            const QString &shown = files.at(i);
            const fs::path path = toFsPath(shown);
            if (platform::isSymlink(path))
                removeListedLink(path, shown, notGone, ctx);
            else if (!eraseOneFile(path, shown, method, notGone, true, ctx))
                break;
            ctx.emitProgress(int((i + 1) * 100 / n));
        }

        // Runs after a stop too, so that shortcuts and empty folders in the
        // selected folders go; links are only removed while not stopped.
        std::vector<fs::path> dirs;
        for (const QString &folder : folders) {
            const fs::path root = toFsPath(folder);
            if (platform::isSymlink(root)) {
                if (!ctx.stopped())
                    removeListedLink(root, folder, notGone, ctx);
                continue;
            }
            collectFolders(root, dirs, ctx, !ctx.stopped());
            dirs.push_back(root);
        }
        cleanUpFolders(dirs, ctx);
    });
}

void runVolumeWipeJob(const QString &root, const QString &method, int passes, quint64 capacity,
                      JobContext &ctx)
{
    const QString notGone = QStringLiteral("⚠️ Skipped (could not be erased): %1");
    guarded(ctx, [&] {
        const fs::path rootPath = toFsPath(root);
        walkTree(rootPath, [&](const fs::path &path, EntryKind kind) {
            if (ctx.stopped())
                return false;
            if (kind == EntryKind::Link)
                removeListedLink(path, displayPath(path), notGone, ctx);
            else if (kind == EntryKind::File)
                eraseOneFile(path, displayPath(path), method, notGone, false, ctx);
            return true;
        });

        if (!fillFreeSpace(root, QStringLiteral("/__wiper_temp__.bin"), passes, capacity,
                           QStringLiteral("❌ Unable to create temp file for free space wipe."),
                           ctx))
            return;
        ctx.emitCompletion(QStringLiteral("✅ Full disk erase completed."));

        std::vector<fs::path> dirs;
        collectFolders(rootPath, dirs, ctx, false);
        dirs.push_back(rootPath);
        cleanUpFolders(dirs, ctx);
    });
}

void runFreeSpaceWipeJob(const QString &root, int passes, quint64 available, JobContext &ctx)
{
    guarded(ctx, [&] {
        if (!fillFreeSpace(root, QStringLiteral("/__freespace_temp__.bin"), passes, available,
                           QStringLiteral("❌ Unable to create write file to erase free space."),
                           ctx))
            return;
        ctx.emitCompletion(QStringLiteral("✅ Free space wipe complete."));
    });
}

} // namespace velmora
