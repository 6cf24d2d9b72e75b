// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/job/jobs.h"
#include "engine/core/jobjournal.h"

#include "engine/fs/freespace.h"
#include "engine/fs/overwrite.h"
#include "engine/fs/paths.h"
#include "engine/fs/traces.h"
#include "engine/fs/verify.h"
#include "engine/fs/walk.h"
#include "engine/job/erasemethods.h"
#include "engine/job/interruptedjobs.h"
#include "engine/platform/platform.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>

namespace velmora
{

namespace
{

// Runs one job body; an error raised on the way ends the job with a line
// that says so instead of passing for a normal end.
template <typename Body> void guarded(JobContext &ctx, Body body)
{
    try {
        body();
    } catch (const std::exception &e) {
        const QString message = QString::fromLocal8Bit(e.what());
        ctx.fail(
            QCoreApplication::translate("Jobs", "❌ The operation ended early: %1").arg(message));
    }
}

QByteArray withoutTrailingSlash(QByteArray path)
{
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    return path;
}

bool isBelow(const QByteArray &path, const QByteArray &folder)
{
    return path.size() > folder.size() && path.startsWith(folder) &&
           (folder.endsWith('/') || path.at(folder.size()) == '/');
}

// The folders none of the others holds: a folder below a selected one is
// erased by its walk.
QByteArrayList topmost(const QByteArrayList &folders)
{
    QByteArrayList sorted;
    for (const QByteArray &f : folders)
        sorted.append(withoutTrailingSlash(f));
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    QByteArrayList top;
    for (const QByteArray &f : sorted)
        if (top.isEmpty() || !isBelow(f, top.constLast()))
            top.append(f);
    return top;
}

// Erases the files that are traces of the entries `gone` (thumbnails,
// recent-files entries, Trash records), counting those gone by kind into
// `counts`; false after a stop.
bool eraseTraceFiles(TreeEraser &eraser, const DesktopHome &home, const QSet<QByteArray> &gone,
                     int passes, JobContext &ctx, int counts[3])
{
    const TraceFinder finder(home);
    for (const QByteArray &path : gone) {
        for (const Trace &trace : finder.of(path)) {
            if (ctx.stopped())
                return false;
            platform::Status st;
            platform::statusAt(platform::kWorkingFolder, trace.path, &st);
            ctx.addTotalUnits((1 + st.allocated / kChunkSize) * passes);
            eraser.countNames(trace.path, false);
            if (eraser.eraseListed(trace.path) &&
                platform::statusAt(platform::kWorkingFolder, trace.path, &st) == ENOENT)
                ++counts[trace.kind];
        }
    }
    return true;
}

// One line, also in the report, for the traces that went, by kind.
void tellTracesRemoved(const int counts[3], JobContext &ctx)
{
    const int thumbnails = counts[Trace::Thumbnail];
    const int recent = counts[Trace::RecentEntry];
    const int records = counts[Trace::TrashRecord];
    QStringList parts;
    if (thumbnails > 0)
        parts << QCoreApplication::translate("Jobs", "%n thumbnail(s)", nullptr, thumbnails);
    if (recent > 0)
        parts << QCoreApplication::translate("Jobs", "%n recent-files entry(s)", nullptr, recent);
    if (records > 0)
        parts << QCoreApplication::translate("Jobs", "%n Trash record(s)", nullptr, records);
    if (parts.isEmpty())
        return;
    const QString line = QCoreApplication::translate("Jobs", "🧹 Traces removed: %1")
                             .arg(parts.join(QStringLiteral(", ")));
    ctx.info(line);
    if (ctx.report)
        ctx.report->addNote(line);
}

// The traces the desktop keeps of what the job erased: thumbnails, KDE's
// recent entries and Trash records go as the job's own files do; the
// recent-files list loses their bookmarks and its old copy is overwritten.
void sweepTraces(TreeEraser &eraser, const QByteArrayList &listed, int passes, JobContext &ctx)
{
    const DesktopHome home = desktopHome();
    if (!home.valid()) {
        ctx.info(QCoreApplication::translate(
            "Jobs", "ℹ️ There is no home folder: thumbnails, recent files and Trash records "
                    "were not looked for."));
        return;
    }
    // What the job erased: the listed entries that are gone now.
    QSet<QByteArray> gone;
    for (const QByteArray &entry : listed) {
        const QByteArray path = withoutTrailingSlash(entry);
        platform::Status st;
        if (platform::statusAt(platform::kWorkingFolder, path, &st) == ENOENT)
            gone.insert(path);
    }
    if (gone.isEmpty())
        return;
    ctx.atPhase(QCoreApplication::translate("Jobs", "traces"));
    int counts[3] = {0, 0, 0};
    if (!eraseTraceFiles(eraser, home, gone, passes, ctx, counts))
        return;
    // The old copy of a list that loses lines is overwritten as a file is.
    const auto overwriteOld = [&](int fd) {
        overwriteOpenFile(fd, QStringLiteral("old copy of a desktop list"), passes, ctx);
    };
    for (const QByteArray &path : gone)
        if (dropTrashedFolderSize(path, home, overwriteOld))
            ctx.info(QCoreApplication::translate(
                         "Jobs", "🧹 Removed from the Trash's list of folder sizes: %1")
                         .arg(displayName(path)));
    QString error;
    QByteArrayList dropped;
    const int bookmarks = dropRecentBookmarks(home, gone, overwriteOld, &error, &dropped);
    if (bookmarks < 0)
        ctx.warn(QCoreApplication::translate(
                     "Jobs", "⚠️ The recent-files list was left as it is: %1. It may still "
                             "name what was erased.")
                     .arg(error));
    for (const QByteArray &path : dropped)
        ctx.info(QCoreApplication::translate("Jobs", "🧹 Removed from the recent files: %1")
                     .arg(displayName(path)));
    counts[Trace::RecentEntry] += std::max(bookmarks, 0);
    tellTracesRemoved(counts, ctx);
}

// The most names of one folder that are told one by one.
constexpr std::size_t kStayedNamed = 100;

// An entry the job could not remove whole is no erased entry, whatever went
// right below it. What stays in a selected folder without a reason given on
// the way (a driver that kept entries it had said were gone, a file put
// there meanwhile) is named as not erased, so the outcome is partly erased.
void tellWhatStayed(const QByteArrayList &entries, JobContext &ctx)
{
    const QStringList reported = ctx.report ? ctx.report->problemPaths() : QStringList();
    const auto told = [&](const QString &shown) {
        return std::any_of(reported.begin(), reported.end(), [&](const QString &problem) {
            return problem == shown ||
                   (problem.startsWith(shown) && problem.at(shown.size()) == QLatin1Char('/'));
        });
    };
    for (const QByteArray &path : entries) {
        platform::Status st;
        const QString shown = displayName(path);
        if (platform::statusAt(platform::kWorkingFolder, path, &st) != 0 || told(shown))
            continue;
        std::vector<QByteArray> names;
        int error = 0;
        if (st.type == platform::Type::Directory) {
            platform::Fd folder = platform::openFolderPath(path, false, &error);
            if (folder.valid())
                error = platform::readNames(folder.get(), &names);
        }
        if (names.empty()) {
            ctx.problem(QCoreApplication::translate(
                            "Jobs", "⚠️ Not erased: %1 is still there, though nothing was said "
                                    "against its removal.")
                            .arg(shown),
                        shown, error);
            continue;
        }
        std::sort(names.begin(), names.end());
        for (std::size_t i = 0; i < names.size() && i < kStayedNamed; ++i) {
            const QString inside = displayName(path + '/' + names[i]);
            ctx.problem(QCoreApplication::translate(
                            "Jobs", "⚠️ Not erased: %1 is still there, so its folder could "
                                    "not be removed.")
                            .arg(inside),
                        inside);
        }
        if (names.size() > kStayedNamed)
            ctx.problem(QCoreApplication::translate(
                            "Jobs", "⚠️ Not erased: %n more entry(s) still in %1.", nullptr,
                            int(names.size() - kStayedNamed))
                            .arg(shown),
                        shown + QLatin1Char('/'));
    }
}

// Whether the job has met something it could not erase: its closing line
// then says so instead of "complete".
bool anyProblem(const JobContext &ctx)
{
    return ctx.report && ctx.report->problemCount() > 0;
}

// Once per job that read its last passes back, before its closing line.
void noteVerified(JobContext &ctx)
{
    if (ctx.verify && !ctx.stopped())
        ctx.info(verifiedLine(ctx.bytesVerified));
}

// The files of `files` below none of the folders `roots`, listed on their
// own.
QByteArrayList outside(const QByteArrayList &files, const QByteArrayList &roots)
{
    QByteArrayList alone;
    for (const QByteArray &file : files) {
        const QByteArray path = withoutTrailingSlash(file);
        if (std::none_of(roots.begin(), roots.end(),
                         [&](const QByteArray &r) { return isBelow(path, r); }))
            alone.append(path);
    }
    return alone;
}

} // namespace

void runFileEraseJob(const QByteArrayList &files, const QByteArrayList &folders,
                     const QString &method, JobContext &ctx, bool traces)
{
    guarded(ctx, [&] {
        TreeEraser eraser(
            ctx, passCountForMethod(method),
            QCoreApplication::translate("Jobs", "⚠️ Could not securely erase: %1"));
        const QByteArrayList roots = topmost(folders);
        const QByteArrayList alone = outside(files, roots);
        beginJournal(ctx, ErasureRecord::Kind::Files, ctx.verify, alone + roots);
        for (const QByteArray &path : alone)
            eraser.countNames(path, false);
        for (const QByteArray &root : roots)
            eraser.countNames(root, true);

        // Each entry the list showed counts one unit once it is done, beside
        // the chunks of its passes.
        const qint64 listed = files.size();
        qint64 done = 0;
        eraser.itemDone = [&] {
            if (done < listed) {
                ++done;
                ctx.chunksProcessed();
            }
        };

        bool going = true;
        for (const QByteArray &path : alone) {
            if (ctx.stopped() || !(going = eraser.eraseListed(path)))
                break;
        }
        for (const QByteArray &root : roots) {
            if (!going || ctx.stopped() || !(going = eraser.eraseBelow(root)))
                break;
        }

        // Runs after a stop too, so that shortcuts and empty folders in the
        // selected folders go; links are only removed while not stopped.
        eraser.itemDone = nullptr;
        for (const QByteArray &root : roots)
            eraser.cleanUp(root, true, !ctx.stopped());
        if (!ctx.stopped())
            tellWhatStayed(alone + roots, ctx);
        if (traces && !ctx.stopped())
            sweepTraces(eraser, files + folders, passCountForMethod(method), ctx);
        if (!ctx.stopped()) {
            noteUnencryptedSwap(ctx, platform::activeSwaps());
            eraser.scrubFolderSlots();
            eraser.tellOlderCopies();
            eraser.pushNamesOutOfJournals();
            eraser.trimVolumes();
        }
        noteVerified(ctx);
    });
}

// Pages of what was erased may have gone to swap while programs held them;
// swap that is not encrypted keeps them on a disk no erase of files reaches.
void noteUnencryptedSwap(JobContext &ctx, const std::vector<platform::Swap> &swaps)
{
    const QStringList plain = swapInTheClear(swaps);
    if (!plain.isEmpty())
        ctx.warn(QCoreApplication::translate(
                     "Jobs",
                     "⚠️ Parts of the erased files may have been written to swap that is "
                     "not encrypted (%1); no erase of files reaches them there.")
                     .arg(plain.join(QStringLiteral(", "))));
}

// Takes the volume for this job alone: two jobs filling or scrubbing one
// volume would take each other's helper files for leftovers. False, with
// the job failed, where another job has it.
static bool lockVolume(const QString &root, platform::FolderLock *lock, JobContext &ctx)
{
    const int rc = lock->take(fsBytes(root), volumeLockFolder());
    if (rc == EWOULDBLOCK) {
        ctx.fail(QCoreApplication::translate("Jobs", "❌ Another Velmora job is working on %1: "
                                                     "nothing was written. Wait until it ends.")
                     .arg(root),
                 rc);
        return false;
    }
    return true; // where it cannot be opened, the job says why
}

void runVolumeWipeJob(const QString &root, const QString &method, int passes, quint64 capacity,
                      JobContext &ctx)
{
    guarded(ctx, [&] {
        const QByteArray rootPath = fsBytes(root);
        platform::FolderLock lock;
        if (!lockVolume(root, &lock, ctx))
            return;
        beginJournal(ctx, ErasureRecord::Kind::Volume, ctx.verify, {rootPath});
        TreeEraser eraser(
            ctx, passCountForMethod(method),
            QCoreApplication::translate("Jobs", "⚠️ Skipped (could not be erased): %1"));
        eraser.countNames(rootPath, true);
        ctx.atPhase(QCoreApplication::translate("Jobs", "files"));
        // After a stop the fill returns at once and the closing line is
        // not shown; the clean-up still runs.
        eraser.eraseBelow(rootPath);
        if (!fillFreeSpace(root, QStringLiteral("/__wiper_temp__.bin"), passes, capacity,
                           QCoreApplication::translate(
                               "Jobs", "❌ Unable to create temp file for free space wipe."),
                           ctx))
            return;
        ctx.atPhase(QCoreApplication::translate("Jobs", "clean-up"));
        eraser.cleanUp(rootPath, false, false);
        // The closing line comes last: the clean-up may still have
        // something to say.
        noteVerified(ctx);
        ctx.emitCompletion(
            anyProblem(ctx)
                ? QCoreApplication::translate(
                      "Jobs", "⚠️ Full disk erase ended: not everything was erased.")
                : QCoreApplication::translate("Jobs", "✅ Full disk erase completed."));
    });
}

void runFreeSpaceWipeJob(const QString &root, int passes, quint64 available, JobContext &ctx)
{
    guarded(ctx, [&] {
        platform::FolderLock lock;
        if (!lockVolume(root, &lock, ctx))
            return;
        beginJournal(ctx, ErasureRecord::Kind::FreeSpace, ctx.verify, {fsBytes(root)});
        if (!fillFreeSpace(root, QStringLiteral("/__freespace_temp__.bin"), passes, available,
                           QCoreApplication::translate(
                               "Jobs", "❌ Unable to create write file to erase free space."),
                           ctx))
            return;
        noteVerified(ctx);
        ctx.emitCompletion(
            anyProblem(ctx)
                ? QCoreApplication::translate(
                      "Jobs",
                      "⚠️ Free space wipe ended: not all of the free space was overwritten.")
                : QCoreApplication::translate("Jobs", "✅ Free space wipe complete."));
    });
}

} // namespace velmora
