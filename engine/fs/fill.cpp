// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/fs/freespace.h"
#include "engine/fs/freespaceparts.h"

#include "engine/core/chunks.h"
#include "engine/core/jobjournal.h"
#include "engine/fs/medium.h"
#include "engine/fs/paths.h"
#include "engine/fs/randomchunks.h"
#include "engine/fs/verify.h"
#include "engine/platform/platform.h"

#include <QCoreApplication>
#include <QDebug>
#include <QRandomGenerator>
#include <QSet>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace velmora::freespace
{

namespace
{

// One file being filled, with its write-back window.
struct FillFile {
    Fd fd;
    QByteArray name; // empty for an unnamed file
    Status st;
    qint64 offset = 0;
    qint64 started = 0;                   // write-back started up to here
    qint64 dropped = 0;                   // waited for and dropped from the cache up to here
    qint64 durable = 0;                   // known to be on the device up to here
    int writebackError = 0;               // a write-back that failed since then
    std::unique_ptr<WrittenData> written; // for the read-back, when asked for

    void wrote(qint64 n)
    {
        offset += n;
        if (offset - started < kWindow)
            return;
        platform::startWriteback(fd.get(), started, offset - started);
        if (started > dropped) {
            const int rc = platform::dropWritten(fd.get(), dropped, started - dropped);
            if (rc != 0 && writebackError == 0)
                writebackError = rc;
            dropped = started;
            if (writebackError == 0)
                durable = dropped;
        }
        started = offset;
    }

    // Syncs the file. A full volume at this point may have lost what was
    // written since the last good sync (XFS accepts the writes and fails
    // their write-back): the file is cut back to what is known to be on the
    // device, so that it can be written again and nothing unsynced is taken
    // for overwritten. Returns 0, ENOSPC when it was cut back, or the error.
    int settle()
    {
        int rc = platform::syncData(fd.get());
        if (rc == 0 && writebackError == 0) {
            durable = offset;
            return 0;
        }
        if (rc == 0)
            rc = writebackError;
        if (!isFull(rc))
            return rc;
        writebackError = 0;
        if (const int cut = platform::truncateFile(fd.get(), durable))
            return cut;
        offset = started = dropped = durable;
        if (written)
            written->truncate(durable);
        // What is left is what an earlier sync put on the device.
        return ENOSPC;
    }
};

// The fill files of one pass. They stay open until the pass ends (an
// unnamed file lives only as long as its descriptor); named ones are removed
// by removeAll(), or when the pass object goes, whatever way the pass ends.
// Writers of the pass may open files from their own threads.
class FillPass
{
  public:
    FillPass(int rootFd, QString fileName, bool record)
        : record(record), rootFd(rootFd), fileName(std::move(fileName)),
          hiddenBefore(driverStandIns(rootFd))
    {
    }
    ~FillPass() { removeAll(nullptr); }
    int folder() const { return rootFd; }
    // Bytes the fill files hold now.
    quint64 held() const
    {
        quint64 bytes = 0;
        for (const FillFile &file : files)
            bytes += quint64(std::max<qint64>(file.offset, 0));
        return bytes;
    }
    // Bytes the fill files take on the device: past what they hold, a file
    // system may have given them blocks they have not written (XFS's
    // preallocation past the end of a growing file), which keep what they held.
    quint64 allocated() const
    {
        quint64 bytes = 0;
        for (const FillFile &file : files) {
            Status now;
            if (platform::statusAt(file.fd.get(), QByteArray(), &now) == 0)
                bytes += quint64(std::max<qint64>(now.allocated, 0));
        }
        return bytes;
    }
    // Gives every fill file's space back and removes the named ones. A file
    // system that refuses a removal while it is full (ntfs-3g) is asked
    // again once the space is back. Each file that stays is logged through
    // `ctx` and counted as a problem; returns how many stayed.
    int removeAll(JobContext *ctx)
    {
        int left = 0;
        for (FillFile &file : files) {
            // Truncated and closed first: the space comes back before the
            // name goes, and a driver keeps no hidden stand-in of an open file.
            platform::truncateFile(file.fd.get(), 0);
            platform::closeFile(file.fd);
            if (file.name.isEmpty())
                continue;
            int rc = 0;
            Status now;
            for (int attempt = 0; attempt < kRemovalAttempts; ++attempt) {
                if (platform::statusAt(rootFd, file.name, &now) != 0 || !now.sameObject(file.st))
                    break; // gone, or no longer ours to remove
                rc = platform::removeAt(rootFd, file.name, false);
                if (rc == 0 || rc == ENOENT)
                    break;
                platform::syncFileSystem(rootFd);
                std::this_thread::sleep_for(std::chrono::milliseconds(20 << attempt));
            }
            if (rc != 0 && rc != ENOENT) {
                ++left;
                if (ctx)
                    leftBehind(*ctx, file.name, now.size, rc);
            }
        }
        files.clear();
        // What a driver renamed an open file to instead of removing it.
        for (const QByteArray &name : driverStandIns(rootFd)) {
            if (hiddenBefore.contains(name))
                continue;
            Status st;
            int rc = platform::statusAt(rootFd, name, &st);
            if (rc == 0 && st.owner == platform::effectiveUser())
                rc = platform::removeAt(rootFd, name, false);
            if (rc != 0 && rc != ENOENT) {
                ++left;
                if (ctx)
                    leftBehind(*ctx, name, st.size, rc);
            }
        }
        return left;
    }
    FillPass(const FillPass &) = delete;
    FillPass &operator=(const FillPass &) = delete;

    // Creates the next fill file, to be written with the stream of `key`,
    // into `*opened`; 0 or an errno value.
    int openNext(const RandomStream::Key &key, FillFile **opened)
    {
        std::lock_guard<std::mutex> lock(mutex);
        FillFile file;
        int error = EOPNOTSUPP;
        if (unnamed)
            file.fd = platform::createUnnamedFile(rootFd, &error);
        if (!file.fd.valid() && error != 0 && !isFull(error)) {
            // No unnamed files here (FAT): a new name, never an existing one.
            unnamed = false;
            for (int attempts = 0; attempts < 1000 && !file.fd.valid(); ++attempts) {
                file.name = fillFileName(fileName, nextIndex++);
                file.fd = platform::createNewFileAt(rootFd, file.name, &error);
                if (error != EEXIST)
                    break;
            }
        }
        if (!file.fd.valid())
            return error ? error : EEXIST;
        if (record)
            file.written = std::make_unique<WrittenData>(key);
        platform::statusAt(file.fd.get(), QByteArray(), &file.st);
        // Listed first, so that a named file goes even if the marker fails.
        files.push_back(std::move(file));
        FillFile &added = files.back();
        *opened = &added;
        if (added.name.isEmpty())
            return 0;
        const std::size_t n =
            platform::writeAll(added.fd.get(), kMarker, std::size_t(kMarkerSize), 0, &error);
        added.wrote(qint64(n));
        return n == std::size_t(kMarkerSize) ? 0 : error;
    }

    // Settles every file of the pass (see FillFile::settle()); 0 or the
    // first error other than a full volume. `*cut` tells whether a file was
    // cut back and has room to be written again.
    int settleAll(bool *cut)
    {
        *cut = false;
        for (FillFile &file : files) {
            const int rc = file.settle();
            if (isFull(rc))
                *cut = true;
            else if (rc != 0)
                return rc;
        }
        return 0;
    }

    // Reads every file of the pass back from the device (they are synced);
    // true when all of it is what was written.
    bool verifyAll(const QString &shown, qint64 chunks, JobContext &ctx)
    {
        for (FillFile &file : files) {
            const qint64 mine = std::min(chunks, chunksForSize(file.written->bytes()));
            chunks -= mine;
            if (!file.written->verify(file.fd.get(), shown, mine, ctx))
                return false;
        }
        return true;
    }

  private:
    static constexpr int kRemovalAttempts = 6;

    // Entries a FUSE driver makes of a file removed while open.
    static QSet<QByteArray> driverStandIns(int dirFd)
    {
        QSet<QByteArray> found;
        std::vector<QByteArray> names;
        if (platform::readNames(dirFd, &names) == 0)
            for (const QByteArray &name : names)
                if (name.startsWith(".fuse_hidden"))
                    found.insert(name);
        return found;
    }

    void leftBehind(JobContext &ctx, const QByteArray &name, qint64 size, int error)
    {
        const QString shown = displayName(joinPath(platform::pathOf(rootFd), name));
        ctx.problem(JobEvent{JobEvent::Kind::Problem,
                             QCoreApplication::translate(
                                 "FreeSpace", "❌ A fill file could not be removed: %1 (%2 MB, "
                                              "%3). Delete it to get the space back.")
                                 .arg(shown, megabytesText(quint64(std::max<qint64>(size, 0))),
                                      platform::errorText(error)),
                             shown, error, QString(), true});
    }

    const bool record; // what each file gets is recorded for verifyAll()
    int rootFd;
    QString fileName;
    QSet<QByteArray> hiddenBefore;
    std::mutex mutex;
    bool unnamed = true;
    int nextIndex = 0;
    std::deque<FillFile> files; // a deque: the writers hold on to their file
};

// One writer of a fill pass: its stream, the file it writes, how it ended.
// The fill writes from parallelWriters() threads, each into a fill file of
// its own with a stream of its own, so neither waits for the other's file.
struct FillWriter {
    enum class End { Full, Limit, Stopped, Failed };

    FillWriter() : random(stream, false) {}

    RandomStream stream;
    RandomChunks random;
    FillFile *file = nullptr;
    int error = 0;             // of the write or creation that ended it
    bool openFailed = false;   // the error is a file that could not be created
    std::exception_ptr thrown; // from the stream, on a writer's own thread

    // Writes the next `size` bytes of fresh data (at most a chunk; each byte
    // of the stream is written once) to the end of its file; how many were
    // written, with `error` set when fewer.
    std::size_t write(std::size_t size)
    {
        if (used + size > std::size_t(kChunkSize)) {
            chunk = random.next(kChunkSize);
            used = 0;
        }
        const char *data = chunk + used;
        used += size;
        error = 0;
        const std::size_t n = platform::writeAll(file->fd.get(), data, size, file->offset, &error);
        // A driver may name the end of the volume wrongly (fusefat says
        // EPERM): a write that fails with no room left for it is the end.
        platform::Space space;
        if (n < size && error != 0 && !isFull(error) && error != EFBIG &&
            platform::spaceOf(file->fd.get(), &space) == 0 && space.free < size - n)
            error = ENOSPC;
        if (file->written && n > 0)
            file->written->add(file->offset, random.lastOffset() + quint64(data - chunk),
                               qint64(n));
        file->wrote(qint64(n));
        return n;
    }

    // After a write fell short: goes on in a new file when this one reached
    // the largest size the file system allows. True to go on.
    bool nextFileIfTooLarge(FillPass &pass, End *end)
    {
        if (error != EFBIG) {
            *end = isFull(error) ? End::Full : End::Failed;
            return false;
        }
        const int rc = pass.openNext(stream.key(), &file);
        if (rc == 0)
            return true;
        *end = isFull(rc) ? End::Full : End::Failed;
        error = rc;
        openFailed = true;
        return false;
    }

  private:
    const char *chunk = nullptr;
    std::size_t used = std::size_t(kChunkSize);
};

// What the writers of a pass share: the bytes written in all, the bound on
// them, and whether one of them failed (the others then end too).
struct FillShared {
    std::atomic<quint64> total{0};
    quint64 limit = 0;
    std::atomic_bool failed{false};
};

// Writes whole chunks until the volume is full, the bound is reached, a
// stop, or an error here or in another writer; after each write, `wrote`
// (given on the thread that reports progress only).
FillWriter::End fillChunks(FillWriter &writer, FillPass &pass, FillShared &shared,
                           const JobContext &ctx, const std::function<void()> &wrote)
{
    FillWriter::End end = FillWriter::End::Failed;
    try {
        for (;;) {
            if (ctx.stopped() || shared.failed)
                return FillWriter::End::Stopped;
            if (shared.total >= shared.limit)
                return FillWriter::End::Limit;
            const std::size_t n = writer.write(std::size_t(kChunkSize));
            shared.total += n;
            if (wrote)
                wrote();
            if (n != std::size_t(kChunkSize) && !writer.nextFileIfTooLarge(pass, &end))
                break;
        }
    } catch (...) {
        writer.thrown = std::current_exception();
    }
    if (end == FillWriter::End::Failed)
        shared.failed = true;
    return end;
}

// Logs and records why `writer` failed.
void failWriting(const FillWriter &writer, JobContext &ctx)
{
    const QString why = platform::errorText(writer.error);
    failWith(
        writer.openFailed
            ? QCoreApplication::translate("FreeSpace", "❌ Unable to create another fill file: %1")
                  .arg(why)
            : QCoreApplication::translate("FreeSpace", "❌ Writing the fill file failed: %1")
                  .arg(why),
        ctx, writer.error);
}

// One pass's fill into the files of `pass`: whole chunks from every writer
// at once until the volume is full, then its last blocks, then the sync and
// the read-back. Progress is reported from the calling thread only, for
// all writers.
class FillRun
{
  public:
    FillRun(FillPass &pass, qint64 plannedChunks, quint64 byteLimit, JobContext &ctx)
        : pass(pass), plannedChunks(plannedChunks), ctx(ctx)
    {
        shared.limit = byteLimit;
    }

    // Opens a file for each writer; false (said as `failureLine`) when not
    // even the first can be.
    bool openWriters(const QString &failureLine);
    // Returns Done with whether a writer reached the byte limit, or how the
    // pass ended on the way.
    PassEnd wholeChunks(bool *reachedLimit);
    PassEnd lastBlocks(quint64 blockSize);
    PassEnd settle(quint64 blockSize, bool reachedLimit);
    PassEnd finish(bool verify, const QString &volume);

  private:
    void report();

    FillPass &pass;
    qint64 plannedChunks;
    JobContext &ctx;
    std::vector<std::unique_ptr<FillWriter>> writers;
    FillShared shared;
    quint64 reported = 0;
    qint64 counted = 0;
};

void FillRun::report()
{
    const quint64 now = shared.total;
    ctx.wrote(qint64(now - reported));
    reported = now;
    for (; counted < plannedChunks && counted < qint64(now / quint64(kChunkSize)); ++counted)
        ctx.chunksProcessed();
}

bool FillRun::openWriters(const QString &failureLine)
{
    const unsigned count = parallelWriters();
    for (unsigned i = 0; i < count; ++i) {
        auto writer = std::make_unique<FillWriter>();
        const int rc = pass.openNext(writer->stream.key(), &writer->file);
        if (i == 0 && rc != 0 && !isFull(rc)) {
            ctx.fail(failureLine, rc);
            return false;
        }
        if (rc != 0)
            break; // already full; a second file is only for speed
        writers.push_back(std::move(writer));
    }
    return true;
}

PassEnd FillRun::wholeChunks(bool *reachedLimit)
{
    std::vector<FillWriter::End> ends(writers.size(), FillWriter::End::Full);
    {
        std::vector<std::thread> others;
        for (std::size_t i = 1; i < writers.size(); ++i)
            others.emplace_back(
                [&, i] { ends[i] = fillChunks(*writers[i], pass, shared, ctx, {}); });
        if (!writers.empty())
            ends[0] = fillChunks(*writers[0], pass, shared, ctx, [this] { report(); });
        for (std::thread &other : others)
            other.join();
        report();
    }
    for (std::size_t i = 0; i < writers.size(); ++i) {
        if (writers[i]->thrown)
            std::rethrow_exception(writers[i]->thrown);
        if (ends[i] == FillWriter::End::Failed)
            return failWriting(*writers[i], ctx), PassEnd::Failed;
    }
    if (ctx.stopped())
        return PassEnd::Stopped; // the pass object removes its files
    *reachedLimit = std::find(ends.begin(), ends.end(), FillWriter::End::Limit) != ends.end();
    return PassEnd::Done;
}

// The last blocks, into every writer's file in turn, in rounds until a
// round finds no more room: a file system may hold blocks past the end of
// each file it is growing (XFS does, and gives them back when another file
// runs out of room), and only writes into that file reach them. A "full" is
// taken as the end of a file only when a sync did not make room: the space
// a file system holds for writes still in the cache is free again once they
// are on the device, and ext4 then takes single blocks where it refuses a
// chunk. Full twice with nothing written between: that file is done for the
// round.
PassEnd FillRun::lastBlocks(quint64 blockSize)
{
    const std::size_t size = std::size_t(std::clamp<quint64>(blockSize, 512, quint64(kChunkSize)));
    for (quint64 roundStart = ~quint64(0); roundStart != shared.total;) {
        roundStart = shared.total;
        for (auto writer = writers.rbegin(); writer != writers.rend(); ++writer) {
            FillWriter &last = **writer;
            bool wroteSinceFull = false;
            int cuts = 0;
            while (shared.total < shared.limit) {
                if (ctx.stopped())
                    return PassEnd::Stopped;
                const std::size_t n = last.write(size);
                shared.total += n;
                report();
                wroteSinceFull = wroteSinceFull || n > 0;
                if (n == size)
                    continue;
                if (isFull(last.error)) {
                    if (!wroteSinceFull)
                        break;
                    wroteSinceFull = false;
                    const int settled = last.file->settle();
                    if (settled != 0 && !isFull(settled))
                        break; // settleAll() reports it
                    if (settled != 0 && ++cuts > kRefills)
                        break;
                    continue;
                }
                FillWriter::End end = FillWriter::End::Full;
                if (last.nextFileIfTooLarge(pass, &end))
                    continue;
                if (end == FillWriter::End::Full)
                    break;
                failWriting(last, ctx);
                return PassEnd::Failed;
            }
        }
        if (roundStart != shared.total)
            platform::syncFileSystem(pass.folder());
    }
    return PassEnd::Done;
}

// A sync that cuts a file back to what is on the device (see
// FillFile::settle()) leaves room that is written again, a block at a time,
// a few times at most; what stays cut is what the read-back leaves out.
PassEnd FillRun::settle(quint64 blockSize, bool reachedLimit)
{
    bool cut = false;
    int rc = pass.settleAll(&cut);
    if (rc == 0 && !writers.empty() && !reachedLimit) {
        for (int refill = 0; refill <= kRefills; ++refill) {
            const PassEnd end = lastBlocks(blockSize);
            if (end != PassEnd::Done)
                return end;
            if ((rc = pass.settleAll(&cut)) != 0 || !cut)
                break;
        }
    }
    if (ctx.stopped())
        return PassEnd::Stopped;
    if (rc != 0) {
        failWith(QCoreApplication::translate("FreeSpace", "❌ Syncing the fill file failed: %1")
                     .arg(platform::errorText(rc)),
                 ctx, rc);
        return PassEnd::Failed;
    }
    return PassEnd::Done;
}

PassEnd FillRun::finish(bool verify, const QString &volume)
{
    // The bar ends where it should even when the volume held less.
    if (counted < plannedChunks)
        ctx.chunksProcessed(plannedChunks - counted);
    if (verify && !pass.verifyAll(volume, plannedChunks, ctx)) {
        ctx.problem(
            QCoreApplication::translate("FreeSpace", "❌ Verification failed: %1").arg(volume),
            volume);
    }
    return ctx.stopped() ? PassEnd::Stopped : PassEnd::Done;
}

PassEnd fillInto(FillPass &pass, const QString &failureLine, qint64 plannedChunks,
                 quint64 byteLimit, quint64 blockSize, bool verify, const QString &volume,
                 JobContext &ctx)
{
    FillRun run(pass, plannedChunks, byteLimit, ctx);
    if (!run.openWriters(failureLine))
        return PassEnd::Failed;
    bool reachedLimit = false;
    PassEnd end = run.wholeChunks(&reachedLimit);
    if (end == PassEnd::Done)
        end = run.settle(blockSize, reachedLimit);
    return end == PassEnd::Done ? run.finish(verify, volume) : end;
}

} // namespace

PassEnd fillOnce(int rootFd, const QString &fileName, const QString &failureLine,
                 qint64 plannedChunks, quint64 byteLimit, quint64 blockSize, bool verify,
                 const QString &volume, RecordFill *records, qint64 recordUnits,
                 const std::function<void(quint64 held, quint64 allocated)> &whileFull,
                 JobContext &ctx)
{
    FillPass pass(rootFd, fileName, verify);
    PassEnd end =
        fillInto(pass, failureLine, plannedChunks, byteLimit, blockSize, verify, volume, ctx);
    if (end == PassEnd::Done && whileFull)
        whileFull(pass.held(), pass.allocated());
    int recordsFailed = 0;
    if (records && end == PassEnd::Done) {
        // A fill that stopped short of full (at a bound) leaves the table
        // room to grow: the records are then left as they are, and said so.
        // A driver that counts its free space late (ntfs-3g on a busy
        // machine) is given the time to catch up first.
        platform::Space space;
        bool full = false;
        for (int tries = 0; !full && tries < 20 && !ctx.stopped(); ++tries) {
            if (tries > 0) {
                platform::syncFileSystem(rootFd);
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            }
            full = platform::spaceOf(rootFd, &space) == 0 && space.free < blockSize;
        }
        if (full) {
            ctx.atPhase(QCoreApplication::translate("FreeSpace", "file records"));
            ctx.info(QCoreApplication::translate(
                "FreeSpace", "🔄 Overwriting the free file records, which keep the names of "
                             "deleted files..."));
            // No more folders than the volume says it has free records.
            const int rc =
                records->fill(qint64(std::max<quint64>(space.freeInodes, 1024)), recordUnits, ctx);
            if (rc == ECANCELED)
                end = PassEnd::Stopped;
            else
                recordsFailed = rc;
        } else {
            if (recordUnits > 0)
                ctx.chunksProcessed(recordUnits);
            if (!ctx.stopped())
                ctx.warn(QCoreApplication::translate(
                             "FreeSpace",
                             "⚠️ The free file records of %1 were not overwritten: the volume "
                             "did not read as full after the fill. Names of deleted files may "
                             "remain in them.")
                             .arg(volume));
        }
    }
    if (pass.removeAll(&ctx) > 0)
        return PassEnd::Failed;
    if (records && records->filled() && recordsFailed == 0)
        recordsFailed = records->removeAll();
    if (recordsFailed != 0) {
        ctx.problem(JobEvent{JobEvent::Kind::Problem,
                             QCoreApplication::translate(
                                 "FreeSpace", "❌ Overwriting the names of deleted files failed: %1")
                                 .arg(platform::errorText(recordsFailed)),
                             volume, recordsFailed, QString(), true});
        return PassEnd::Failed;
    }
    return end;
}

} // namespace velmora::freespace

namespace velmora
{

using namespace freespace;

int fillFreedSpace(int folderFd, qint64 bytes, JobContext &ctx)
{
    if (ctx.journal)
        ctx.journal->workingIn(platform::pathOf(folderFd));
    FillPass pass(folderFd, QStringLiteral("/__freespace_temp__.bin"), false);
    FillWriter writer;
    int rc = pass.openNext(writer.stream.key(), &writer.file);
    for (qint64 left = bytes; rc == 0 && left > 0 && !ctx.stopped();) {
        const std::size_t size = std::size_t(std::min<qint64>(left, kChunkSize));
        const std::size_t n = writer.write(size);
        ctx.wrote(qint64(n));
        left -= qint64(n);
        if (n < size)
            rc = writer.error ? writer.error : EIO;
    }
    // A full volume took all there was: what was freed is among it.
    if (isFull(rc))
        rc = 0;
    if (rc == 0 && writer.file && !ctx.stopped())
        rc = writer.file->settle();
    if (isFull(rc))
        rc = 0;
    if (pass.removeAll(&ctx) > 0 && rc == 0)
        rc = EBUSY;
    return ctx.stopped() ? ECANCELED : rc;
}

} // namespace velmora
