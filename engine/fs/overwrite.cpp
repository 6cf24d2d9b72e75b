// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/fs/overwrite.h"

#include "engine/core/chunks.h"
#include "engine/fs/paths.h"
#include "engine/fs/randomchunks.h"
#include "engine/platform/platform.h"

#include <QCoreApplication>
#include <QDebug>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <exception>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace velmora
{

namespace
{

// Writeback is started every this many bytes and the window before is waited
// for and dropped from the cache: the cache a job holds stays flat, and the
// sync closing each pass (and a Stop waiting for it) stays short.
constexpr qint64 kWindow = 8 * kChunkSize;
// Files this large are written by parallelWriters() threads at once.
constexpr qint64 kSplitFrom = 4 * kChunkSize;
// How often a file that keeps growing is chased before it is given up.
constexpr int kGrowthRounds = 3;

enum class PassEnd { Done, Stopped, Failed };

// How a pass ended, and where and why it failed.
struct PassOutcome {
    PassEnd end = PassEnd::Done;
    int error = 0;
    qint64 offset = -1;
};

// One writer's share of a pass: the part [from, to) of the file, written with
// the pass's stream from byte `streamBase` on. The shares of a pass lie side
// by side in the file and in the stream, so no byte of the stream is written
// twice. What it has written so far is read by the thread that reports.
struct Share {
    qint64 from = 0;
    qint64 to = 0;
    quint64 streamBase = 0;
    std::atomic<qint64> bytes{0};
    std::unique_ptr<WrittenData> record;
    std::exception_ptr thrown;
    int error = 0;       // of the write that failed
    qint64 errorAt = -1; // where it failed
};

// Writes every data region of `share`, chunk by chunk, its data drawn on
// this thread from `stream` (at the share's start), or without one, from the
// pass's stream of `key`. Ends early on a stop or when `failed` is set by
// another writer of the pass; a failure here sets it. After each chunk,
// `report` (on the thread that reports progress only). Kept in one piece:
// it is the loop every byte of a file erase goes through, and its windows
// of write-back only read right side by side with the writes.
PassEnd writeShare(int fd, const QString &shown, RandomStream *stream, const RandomStream::Key &key,
                   Share &share, const JobContext &ctx, std::atomic_bool &failed,
                   const std::function<void()> &report)
{
    try {
        std::unique_ptr<RandomStream> own;
        if (!stream) {
            own = std::make_unique<RandomStream>(key);
            own->seek(share.streamBase);
            stream = own.get();
        }
        RandomChunks random(*stream, false);
        qint64 windowStart = share.from;
        qint64 previousWindow = -1;
        qint64 start = 0;
        qint64 end = 0;
        for (qint64 at = share.from; platform::nextDataRegion(fd, at, share.to, &start, &end);
             at = end) {
            // Chunks stay aligned to the file, so a region costs what its
            // part of the file would.
            for (qint64 offset = start; offset < end;) {
                if (ctx.stopped() || failed)
                    return PassEnd::Stopped;
                const qint64 chunkEnd = qMin(end, (offset / kChunkSize + 1) * kChunkSize);
                const qint64 length = chunkEnd - offset;
                int error = 0;
                const std::size_t written = platform::writeAll(fd, random.next(length),
                                                               std::size_t(length), offset, &error);
                if (written != std::size_t(length)) {
                    share.error = error ? error : EIO;
                    share.errorAt = offset + qint64(written);
                    failed = true;
                    return PassEnd::Failed;
                }
                if (share.record)
                    share.record->add(offset, share.streamBase + random.lastOffset(), length);
                share.bytes += length;
                if (report)
                    report();
                offset = chunkEnd;
                if (offset - windowStart >= kWindow) {
                    platform::startWriteback(fd, windowStart, offset - windowStart);
                    // A failed write-back is told here once and never by the
                    // pass's closing sync.
                    if (previousWindow >= 0)
                        if (const int rc = platform::dropWritten(fd, previousWindow,
                                                                 windowStart - previousWindow)) {
                            share.error = rc;
                            share.errorAt = previousWindow;
                            failed = true;
                            return PassEnd::Failed;
                        }
                    previousWindow = windowStart;
                    windowStart = offset;
                }
            }
        }
    } catch (...) {
        share.thrown = std::current_exception();
        failed = true;
        return PassEnd::Failed;
    }
    return PassEnd::Done;
}

// One pass over [from, to), then (with `sync`) a data sync. A big file is
// split into halves on chunk boundaries, written at once by two threads,
// each drawing its own data: the copy into the file and the drawing of the
// next chunk then overlap without handing buffers from core to core. Kept
// in one piece: the shares, their threads, their progress and their end
// belong to one pass, which no step of it outlives.
PassOutcome writePass(int fd, const QString &shown, qint64 from, qint64 to, JobContext &ctx,
                      bool sync = true, WrittenData *record = nullptr)
{
    RandomStream stream;
    const RandomStream::Key &key = stream.key();
    const int count = to - from >= kSplitFrom ? int(parallelWriters()) : 1;
    std::vector<Share> shares{std::size_t(count)};
    for (int i = 0; i < count; ++i) {
        Share &share = shares[std::size_t(i)];
        share.from = i == 0 ? from : shares[std::size_t(i - 1)].to;
        share.to =
            i == count - 1
                ? to
                : qBound(share.from,
                         (from + (to - from) * (i + 1) / count) / kChunkSize * kChunkSize, to);
        share.streamBase = quint64(share.from - from);
        if (record)
            share.record = std::make_unique<WrittenData>(key);
    }

    // Progress is reported from this thread only, for every share, in the
    // units the job's total was counted in: the chunks of the blocks the
    // file takes (a hole takes none), by the bytes written so far.
    platform::Status st;
    const qint64 allocated =
        platform::statusAt(fd, QByteArray(), &st) == 0 ? st.allocated : to - from;
    const qint64 planned = chunksForSize(std::min(to - from, allocated));
    qint64 counted = 0;
    qint64 reported = 0;
    const auto report = [&] {
        qint64 bytes = 0;
        for (const Share &share : shares)
            bytes += share.bytes;
        ctx.wrote(bytes - reported);
        reported = bytes;
        const qint64 units = std::min(bytes / kChunkSize, planned);
        if (units > counted) {
            ctx.chunksProcessed(units - counted);
            counted = units;
        }
    };
    std::atomic_bool failed{false};
    std::vector<PassEnd> ends(shares.size(), PassEnd::Done);
    {
        std::vector<std::thread> others;
        for (std::size_t i = 1; i < shares.size(); ++i)
            others.emplace_back([&, i] {
                ends[i] = writeShare(fd, shown, nullptr, key, shares[i], ctx, failed, {});
            });
        ends[0] = writeShare(fd, shown, &stream, key, shares[0], ctx, failed, report);
        for (std::thread &other : others)
            other.join();
    }
    report();
    for (const Share &share : shares)
        if (share.thrown)
            std::rethrow_exception(share.thrown);
    for (std::size_t i = 0; i < shares.size(); ++i)
        if (ends[i] == PassEnd::Failed)
            return {PassEnd::Failed, shares[i].error, shares[i].errorAt};
    if (std::find(ends.begin(), ends.end(), PassEnd::Stopped) != ends.end())
        return {PassEnd::Stopped};
    if (record) {
        *record = WrittenData(key);
        for (const Share &share : shares)
            record->append(*share.record);
    }
    if (counted < planned)
        ctx.chunksProcessed(planned - counted);
    if (!sync)
        return {};
    // Sync every pass: otherwise the kernel may merge the passes in its
    // cache, or drop them all when the file is deleted, and the disk keeps
    // the old contents.
    if (const int syncError = platform::syncData(fd))
        return {PassEnd::Failed, syncError};
    platform::dropCache(fd);
    return {};
}

} // namespace

QString Overwrite::detail() const
{
    if (result == OverwriteResult::VerifyFailed)
        return readBack.detail();
    if (result == OverwriteResult::Failed && offset >= 0)
        return ReadBack{false, offset, error ? error : EIO}.detail();
    return QString();
}

Overwrite overwriteOpenFile(int fd, const QString &shown, int passes, JobContext &ctx)
{
    qint64 from = 0;
    qint64 to = platform::fileSize(fd);
    if (to < 0)
        return {OverwriteResult::Failed, errno ? errno : EIO};
    for (int round = 0; round <= kGrowthRounds; ++round) {
        WrittenData last(RandomStream::Key{});
        for (int pass = 0; pass < passes; ++pass) {
            if (ctx.stopped())
                return {OverwriteResult::Stopped};
            ctx.atPass(pass + 1, passes);
            const PassOutcome written = writePass(
                fd, shown, from, to, ctx, true, ctx.verify && pass == passes - 1 ? &last : nullptr);
            switch (written.end) {
            case PassEnd::Done:
                break;
            case PassEnd::Stopped:
                return {OverwriteResult::Stopped};
            case PassEnd::Failed:
                return {OverwriteResult::Failed, written.error, written.offset};
            }
        }
        if (ctx.verify)
            if (const ReadBack read = last.verify(fd, shown, chunksForSize(to - from), ctx); !read)
                return {OverwriteResult::VerifyFailed, 0, -1, read};
        if (ctx.stopped())
            return {OverwriteResult::Stopped};
        const qint64 now = platform::fileSize(fd);
        if (now <= to)
            return {};
        // Someone appended while we wrote: what they wrote is data too.
        from = to;
        to = now;
    }
    qDebug() << "Kept growing while being overwritten:" << shown;
    return {OverwriteResult::KeptGrowing};
}

Overwrite writePassUnsynced(int fd, const QString &shown, qint64 size, JobContext &ctx,
                            WrittenData *written)
{
    const PassOutcome pass = writePass(fd, shown, 0, size, ctx, false, written);
    switch (pass.end) {
    case PassEnd::Done:
        return {};
    case PassEnd::Stopped:
        return {OverwriteResult::Stopped};
    case PassEnd::Failed:
        break;
    }
    return {OverwriteResult::Failed, pass.error, pass.offset};
}

} // namespace velmora
