// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/overwrite.h"

#include "engine/erasemethods.h"
#include "engine/paths.h"
#include "engine/platform.h"
#include "engine/randomchunks.h"

#include <QCoreApplication>
#include <QDebug>

#include <cerrno>

namespace velmora
{

namespace
{

// Writeback is started every this many bytes and the window before is waited
// for and dropped from the cache: the cache a job holds stays flat, and the
// sync closing each pass (and a Stop waiting for it) stays short.
constexpr qint64 kWindow = 8 * kChunkSize;
// Files this large draw their random data on a helper thread.
constexpr qint64 kDrawAheadFrom = 4 * kChunkSize;
// How often a file that keeps growing is chased before it is given up.
constexpr int kGrowthRounds = 3;

enum class PassEnd { Done, Stopped, Failed };

// One pass over [from, to): every data region, chunk by chunk, then (with
// `sync`) a data sync.
PassEnd writePass(int fd, const QString &shown, qint64 from, qint64 to, JobContext &ctx,
                  bool sync = true, WrittenData *record = nullptr)
{
    RandomStream stream;
    RandomChunks random(stream, to - from >= kDrawAheadFrom);
    if (record)
        *record = WrittenData(stream.key());
    const qint64 planned = chunksForSize(to - from);
    qint64 counted = 0;
    qint64 windowStart = from;
    qint64 previousWindow = -1;
    qint64 start = 0;
    qint64 end = 0;
    for (qint64 at = from; platform::nextDataRegion(fd, at, to, &start, &end); at = end) {
        // Chunks stay aligned to the file, so a region costs what its
        // part of the file would.
        for (qint64 offset = start; offset < end;) {
            if (ctx.stopped())
                return PassEnd::Stopped;
            const qint64 chunkEnd = qMin(end, (offset / kChunkSize + 1) * kChunkSize);
            const qint64 length = chunkEnd - offset;
            int error = 0;
            const std::size_t written =
                platform::writeAll(fd, random.next(length), std::size_t(length), offset, &error);
            if (written != std::size_t(length)) {
                qDebug() << "Write failed:" << shown << platform::errorText(error);
                return PassEnd::Failed;
            }
            ctx.wrote(length);
            if (record)
                record->add(offset, random.lastOffset(), length);
            offset = chunkEnd;
            if (counted < planned) {
                ++counted;
                ctx.chunksProcessed();
            }
            if (offset - windowStart >= kWindow) {
                platform::startWriteback(fd, windowStart, offset - windowStart);
                if (previousWindow >= 0)
                    platform::dropWritten(fd, previousWindow, windowStart - previousWindow);
                previousWindow = windowStart;
                windowStart = offset;
            }
        }
    }
    // Holes count as done, so the bar ends where it should.
    if (counted < planned)
        ctx.chunksProcessed(planned - counted);
    if (!sync)
        return PassEnd::Done;
    // Sync every pass: otherwise the kernel may merge the passes in its
    // cache, or drop them all when the file is deleted, and the disk keeps
    // the old contents.
    if (const int syncError = platform::syncData(fd)) {
        qDebug() << "Sync failed:" << shown << platform::errorText(syncError);
        return PassEnd::Failed;
    }
    platform::dropCache(fd);
    return PassEnd::Done;
}

} // namespace

OverwriteResult overwriteOpenFile(int fd, const QString &shown, int passes, JobContext &ctx)
{
    qint64 from = 0;
    qint64 to = platform::fileSize(fd);
    if (to < 0) {
        qDebug() << "Unable to open file:" << shown << "size unknown";
        return OverwriteResult::Failed;
    }
    for (int round = 0; round <= kGrowthRounds; ++round) {
        WrittenData last(RandomStream::Key{});
        for (int pass = 0; pass < passes; ++pass) {
            if (ctx.stopped())
                return OverwriteResult::Stopped;
            ctx.atPass(pass + 1, passes);
            switch (writePass(fd, shown, from, to, ctx, true,
                              ctx.verify && pass == passes - 1 ? &last : nullptr)) {
            case PassEnd::Done:
                break;
            case PassEnd::Stopped:
                return OverwriteResult::Stopped;
            case PassEnd::Failed:
                return OverwriteResult::Failed;
            }
        }
        if (ctx.verify && !last.verify(fd, shown, chunksForSize(to - from), ctx))
            return OverwriteResult::VerifyFailed;
        if (ctx.stopped())
            return OverwriteResult::Stopped;
        const qint64 now = platform::fileSize(fd);
        if (now <= to)
            return OverwriteResult::Overwritten;
        // Someone appended while we wrote: what they wrote is data too.
        from = to;
        to = now;
    }
    qDebug() << "Kept growing while being overwritten:" << shown;
    return OverwriteResult::KeptGrowing;
}

OverwriteResult writePassUnsynced(int fd, const QString &shown, qint64 size, JobContext &ctx,
                                  WrittenData *written)
{
    switch (writePass(fd, shown, 0, size, ctx, false, written)) {
    case PassEnd::Done:
        return OverwriteResult::Overwritten;
    case PassEnd::Stopped:
        return OverwriteResult::Stopped;
    case PassEnd::Failed:
        break;
    }
    return OverwriteResult::Failed;
}

OverwriteResult overwriteFile(const std::filesystem::path &path, const QString &method,
                              JobContext &ctx)
{
    const QString shown = displayPath(path);
    const QByteArray bytes = QByteArray::fromStdString(path.native());
    const qsizetype slash = bytes.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : bytes.left(qMax<qsizetype>(slash, 1));
    const QByteArray name = slash < 0 ? bytes : bytes.mid(slash + 1);
    int error = 0;
    platform::Fd dir = platform::openFolderPath(folder, true, &error);
    platform::Fd file;
    if (dir.valid())
        file = platform::openForOverwriteAt(dir.get(), name, &error);
    if (!file.valid()) {
        qDebug() << "Unable to open file:" << shown << platform::errorText(error);
        return error == ENOENT ? OverwriteResult::NotFound : OverwriteResult::Failed;
    }
    if (platform::fileSize(file.get()) == 0) {
        qDebug() << "The file size is 0, delete it directly:" << shown;
        // Only a removal that worked is logged; otherwise the caller's own
        // removal fails too and says so once.
        if (platform::removeAt(dir.get(), name, false) != 0)
            return OverwriteResult::Failed;
        ctx.emitLog(
            QCoreApplication::translate("Overwrite", "🗑️ Deleted empty file: %1").arg(shown));
        return OverwriteResult::EmptyDeleted;
    }
    return overwriteOpenFile(file.get(), shown, passCountForMethod(method), ctx);
}

} // namespace velmora
