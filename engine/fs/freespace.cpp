// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/fs/freespace.h"

#include "engine/fs/medium.h"

#include "engine/core/chunks.h"
#include "engine/core/jobjournal.h"
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
#include <chrono>
#include <cerrno>
#include <cstring>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace velmora
{

using platform::Fd;
using platform::Status;
using platform::Type;

namespace
{

// The first bytes of a named fill file: what tells our leftovers from a
// user's file of the same name.
constexpr char kMarker[] = "Velmora free-space fill file; safe to delete.\n";
constexpr qsizetype kMarkerSize = qsizetype(sizeof kMarker) - 1;
// Written pages are handed to the device and dropped in steps of this size,
// so the cache stays flat and the last sync of a pass is short.
constexpr qint64 kWindow = 8 * kChunkSize;
// Names created per file-system sync in the name phase.
constexpr qint64 kNameBatch = 512;
// Folders made in each folder of NTFS's record fill: with names of two
// characters, as many as its own record holds with room to spare; and how
// deep its tree goes (4^16 folders and more).
constexpr int kRecordFanOut = 4;
constexpr std::size_t kRecordDepth = 16;
// How often the end of a fill is written again after a sync found that the
// file system had not kept it.
constexpr int kRefills = 4;
// Blocks of its reserve pool XFS keeps while a fill has the rest.
constexpr quint64 kXfsKeptReserve = 128;
// What FAT may count free beyond what a fill that held the volume wrote, in
// bytes: the last cluster of each fill file, and the clusters a folder's
// entries for them take.
constexpr quint64 kUnreachedSlack = 256 * 1024;

const QByteArray kNamesPrefix = QByteArrayLiteral("__velmora_names_");
const QByteArray kFillBases[] = {QByteArrayLiteral("__freespace_temp__"),
                                 QByteArrayLiteral("__wiper_temp__")};

QString mebibytes(quint64 bytes)
{
    return QString::number(double(bytes) / double(kChunkSize), 'f', 1);
}

// Ends the job with `line`; `error` is the reason the line already names.
bool failWith(const QString &line, JobContext &ctx, int error = 0)
{
    ctx.fail(JobEvent{JobEvent::Kind::Error, line, QString(), error, QString(), error != 0});
    return false;
}

bool isFull(int error)
{
    return error == ENOSPC || error == EDQUOT;
}

// "/__wiper_temp__.bin", "/__wiper_temp__1.bin", ... without the slash.
QByteArray fillFileName(const QString &fileName, int index)
{
    QByteArray name = fsBytes(fileName);
    while (name.startsWith('/'))
        name.remove(0, 1);
    if (index == 0)
        return name;
    const qsizetype dot = name.lastIndexOf('.');
    const QByteArray number = QByteArray::number(index);
    return dot > 0 ? name.insert(dot, number) : name + number;
}

bool isFillName(const QByteArray &name)
{
    for (const QByteArray &base : kFillBases) {
        if (!name.startsWith(base) || !name.endsWith(".bin"))
            continue;
        const QByteArray number = name.mid(base.size(), name.size() - base.size() - 4);
        if (std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return true;
    }
    return false;
}

QByteArray randomName(qsizetype length)
{
    static const char alphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name(length, Qt::Uninitialized);
    for (char &c : name)
        c = alphabet[QRandomGenerator::global()->bounded(int(sizeof alphabet) - 1)];
    return name;
}

// Ours: a regular file with one name, our owner and our marker, or a name
// folder of ours.
bool isOurLeftover(int rootFd, const QByteArray &name)
{
    Status st;
    if (platform::statusAt(rootFd, name, &st) != 0 || st.owner != platform::effectiveUser())
        return false;
    if (st.type == Type::Directory)
        return name.startsWith(kNamesPrefix);
    if (st.type != Type::Regular || st.links != 1 || !isFillName(name))
        return false;
    int error = 0;
    Fd file = platform::openForReadAt(rootFd, name, &error);
    if (!file.valid())
        return false;
    QByteArray head(kMarkerSize, '\0');
    return platform::readAt(file.get(), head.data(), std::size_t(kMarkerSize), 0, &error) ==
               kMarkerSize &&
           head == QByteArray(kMarker, kMarkerSize);
}

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

// Folders the name phase created in `dirFd`: removed, and the removals
// synced, by removeAll(), or when this goes, however the phase ends.
struct CreatedFolders {
    int dirFd;
    std::vector<QByteArray> names;
    int removeAll()
    {
        int failed = 0;
        for (const QByteArray &name : names) {
            const int rc = platform::removeAt(dirFd, name, true);
            if (rc != 0 && rc != ENOENT && failed == 0)
                failed = rc;
        }
        names.clear();
        const int synced = platform::syncFileSystem(dirFd);
        return failed ? failed : synced;
    }
    ~CreatedFolders()
    {
        if (!names.empty())
            removeAll();
    }
};

// The folder in `parentFd` that holds the bulk of a name phase's folders,
// with the prefix that tells a killed job's from the user's; removed when
// this goes (after the folders in it, declared later).
struct HolderFolder {
    explicit HolderFolder(int parentFd) : parentFd(parentFd) {}
    HolderFolder(const HolderFolder &) = delete;
    HolderFolder &operator=(const HolderFolder &) = delete;
    ~HolderFolder()
    {
        if (made)
            platform::removeAt(parentFd, name, true);
    }
    // 0, or why the folder could not be made or opened.
    int make()
    {
        if (const int rc = platform::makeFolderAt(parentFd, name))
            return rc;
        made = true;
        int error = 0;
        fd = platform::openFolderAt(parentFd, name, &error);
        return fd.valid() ? 0 : error;
    }
    int parentFd;
    QByteArray name = kNamesPrefix + randomName(16);
    bool made = false;
    Fd fd;
};

// Levels of folders a name phase makes at most (NTFS's record fill: a few
// per folder, so some twenty levels for billions of records).
constexpr int kLeftoverDepth = 64;

// Removes the folders below `dirFd`, deepest first, down to `depth` levels:
// only the empty folders a name phase made, as rmdir leaves anything that
// holds more than folders alone.
void removeFolderTree(int dirFd, int depth)
{
    std::vector<QByteArray> inside;
    if (depth <= 0 || platform::readNames(dirFd, &inside) != 0)
        return;
    for (const QByteArray &entry : inside) {
        int error = 0;
        if (Fd sub = platform::openFolderAt(dirFd, entry, &error); sub.valid())
            removeFolderTree(sub.get(), depth - 1);
        platform::removeAt(dirFd, entry, true);
    }
}

// NTFS keeps each file's names in its record of the file table (the MFT),
// and a deleted file's record keeps them until a new file takes it; the
// table never shrinks, and a fill of the free clusters does not reach it.
// While the fill holds every free cluster the table cannot grow either, so
// new folders can only take free records: made until the volume says it is
// full, they rewrite every free record (NTFS clears a record it hands out),
// and the table stays the size it was. The folders form a tree of short
// names, a few per folder, so that each folder's entries fit in its own
// record: a folder whose entries overflow into an index block would need a
// cluster, and a creation that fails on the way skips a record.
class RecordFill
{
  public:
    explicit RecordFill(int dirFd) : holder(dirFd) {}
    ~RecordFill() { removeAll(); }
    RecordFill(const RecordFill &) = delete;
    RecordFill &operator=(const RecordFill &) = delete;

    // Makes the folder the tree grows in, while there is room for it.
    int prepare() { return holder.make(); }
    bool prepared() const { return holder.fd.valid(); }

    // Folders until the volume is full or `bound` are made; progress in
    // up to `units` steps. 0, ECANCELED after a stop, or why it failed.
    // The tree is made depth first through open folders, never through a
    // path: where the file system has no owners (ntfs-3g's default), others
    // may write into it, and a link put there is not followed.
    int fill(qint64 bound, qint64 units, JobContext &ctx)
    {
        struct Level {
            Fd fd;
            int made = 0;
        };
        std::vector<Level> levels;
        int rc = 0;
        levels.push_back({platform::openFolderAt(holder.fd.get(), QByteArray(), &rc)});
        qint64 made = 0, counted = 0;
        while (rc == 0 && !levels.empty() && made < bound) {
            if (ctx.stopped())
                return ECANCELED;
            Level &level = levels.back();
            if (!level.fd.valid() || level.made == kRecordFanOut ||
                levels.size() > kRecordDepth) {
                levels.pop_back();
                continue;
            }
            const QByteArray name = randomName(2);
            rc = platform::makeFolderAt(level.fd.get(), name);
            if (rc == EEXIST) {
                rc = 0;
                continue;
            }
            if (rc != 0)
                break;
            ++level.made;
            ++made;
            Fd child = platform::openFolderAt(level.fd.get(), name, &rc);
            levels.push_back({std::move(child)});
            if (made % kNameBatch == 0) {
                rc = platform::syncFileSystem(holder.fd.get());
                if (counted < units) {
                    ctx.chunksProcessed();
                    ++counted;
                }
            }
        }
        if (isFull(rc) || rc == EMLINK)
            rc = 0;
        if (const int synced = platform::syncFileSystem(holder.fd.get()); rc == 0 && !isFull(synced))
            rc = synced;
        if (counted < units)
            ctx.chunksProcessed(units - counted);
        done = rc == 0;
        return rc;
    }

    // Whether every free record was taken (the folders may be gone since).
    bool filled() const { return done; }

    // 0, or why a folder of the tree stayed.
    int removeAll()
    {
        if (!holder.made)
            return 0;
        removeFolderTree(holder.fd.get(), kLeftoverDepth);
        if (const int rc = platform::removeAt(holder.parentFd, holder.name, true))
            return rc;
        holder.made = false;
        return platform::syncFileSystem(holder.parentFd);
    }

  private:
    HolderFolder holder;
    bool done = false;
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
                                 "FreeSpace", "❌ A fill file could not be removed: %1 (%2 MiB, "
                                              "%3). Delete it to get the space back.")
                                 .arg(shown, mebibytes(quint64(std::max<qint64>(size, 0))),
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

enum class PassEnd { Done, Stopped, Failed };

PassEnd fillInto(FillPass &pass, const QString &failureLine, qint64 plannedChunks,
                 quint64 byteLimit, quint64 blockSize, bool verify, const QString &volume,
                 JobContext &ctx)
{
    const unsigned count = parallelWriters();
    std::vector<std::unique_ptr<FillWriter>> writers;
    for (unsigned i = 0; i < count; ++i) {
        auto writer = std::make_unique<FillWriter>();
        const int rc = pass.openNext(writer->stream.key(), &writer->file);
        if (i == 0 && rc != 0 && !isFull(rc)) {
            ctx.fail(failureLine, rc);
            return PassEnd::Failed;
        }
        if (rc != 0)
            break; // already full; a second file is only for speed
        writers.push_back(std::move(writer));
    }

    // Progress is reported from this thread only, for all writers.
    FillShared shared;
    shared.limit = byteLimit;
    quint64 reported = 0;
    qint64 counted = 0;
    const auto report = [&] {
        const quint64 now = shared.total;
        ctx.wrote(qint64(now - reported));
        reported = now;
        for (; counted < plannedChunks && counted < qint64(now / quint64(kChunkSize)); ++counted)
            ctx.chunksProcessed();
    };

    // Whole chunks from every writer at once, until the volume is full.
    std::vector<FillWriter::End> ends(writers.size(), FillWriter::End::Full);
    {
        std::vector<std::thread> others;
        for (std::size_t i = 1; i < writers.size(); ++i)
            others.emplace_back(
                [&, i] { ends[i] = fillChunks(*writers[i], pass, shared, ctx, {}); });
        if (!writers.empty())
            ends[0] = fillChunks(*writers[0], pass, shared, ctx, report);
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
    const bool reachedLimit =
        std::find(ends.begin(), ends.end(), FillWriter::End::Limit) != ends.end();

    // The last blocks, into every writer's file in turn, in rounds until a
    // round finds no more room: a file system may hold blocks past the end
    // of each file it is growing (XFS does, and gives them back when another
    // file runs out of room), and only writes into that file reach them. A
    // "full" is taken as the end of a file only when a sync did not make
    // room: the space a file system holds for writes still in the cache is
    // free again once they are on the device, and ext4 then takes single
    // blocks where it refuses a chunk. Full twice with nothing written
    // between: that file is done for the round.
    const std::size_t size = std::size_t(std::clamp<quint64>(blockSize, 512, quint64(kChunkSize)));
    // Returns Done, or how the pass ended on the way.
    const auto lastBlocks = [&]() -> PassEnd {
        for (quint64 roundStart = ~quint64(0); roundStart != shared.total;) {
            roundStart = shared.total;
            for (auto writer = writers.rbegin(); writer != writers.rend(); ++writer) {
                FillWriter &last = **writer;
                bool wroteSinceFull = false;
                int cuts = 0;
                while (shared.total < byteLimit) {
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
                            break; // settleAll() below reports it
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
    };
    // A sync that cuts a file back to what is on the device (see
    // FillFile::settle()) leaves room that is written again, a block at a
    // time, a few times at most; what stays cut is what the read-back
    // leaves out.
    bool cut = false;
    int rc = pass.settleAll(&cut);
    if (rc == 0 && !writers.empty() && !reachedLimit) {
        for (int refill = 0; refill <= kRefills; ++refill) {
            const PassEnd end = lastBlocks();
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

// One pass of the fill into the folder `rootFd`; its fill files go at its
// end, whatever the end: one that stays makes the pass fail.
// With `records`, NTFS's free records are filled while the fill holds the
// volume, and their folders go once its files are gone (ntfs-3g refuses
// removals while the volume is full).
PassEnd fillOnce(int rootFd, const QString &fileName, const QString &failureLine,
                 qint64 plannedChunks, quint64 byteLimit, quint64 blockSize, bool verify,
                 const QString &volume, RecordFill *records, qint64 recordUnits,
                 const std::function<void(quint64 held)> &whileFull, JobContext &ctx)
{
    FillPass pass(rootFd, fileName, verify);
    PassEnd end =
        fillInto(pass, failureLine, plannedChunks, byteLimit, blockSize, verify, volume, ctx);
    if (end == PassEnd::Done && whileFull)
        whileFull(pass.held());
    int recordsFailed = 0;
    if (records && end == PassEnd::Done) {
        // A fill that stopped short of full (at a bound) leaves the table
        // room to grow: the records are then left as they are, and said so.
        platform::Space space;
        if (platform::spaceOf(rootFd, &space) == 0 && space.free < blockSize) {
            ctx.atPhase(QCoreApplication::translate("FreeSpace", "file records"));
            ctx.info(QCoreApplication::translate(
                "FreeSpace", "🔄 Overwriting the free file records, which keep the names of "
                             "deleted files..."));
            // No more folders than the volume says it has free records.
            const int rc = records->fill(qint64(std::max<quint64>(space.freeInodes, 1024)),
                                         recordUnits, ctx);
            if (rc == ECANCELED)
                end = PassEnd::Stopped;
            else
                recordsFailed = rc;
        } else if (recordUnits > 0) {
            ctx.chunksProcessed(recordUnits);
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

// How many new folders rewrite the journal of a volume of type `fsType`
// once: every new folder puts at least its own block into the journal, and a
// quarter more covers what a commit reserves. 0 where there is no journal.
qint64 journalNames(const QByteArray &fsType, quint64 device, const platform::Space &space)
{
    const platform::FileSystem::Journal journalKind = platform::fileSystem(fsType).journal;
    if (journalKind == platform::FileSystem::Journal::Jbd2) {
        qint64 journal = platform::journalBlocks(device);
        if (journal < 0) {
            // The sizes mke2fs picks by default, in blocks of the file system.
            const quint64 blocks = space.total / std::max<quint64>(space.blockSize, 1);
            journal = blocks < 32768      ? 1024
                      : blocks < 262144   ? 4096
                      : blocks < 524288   ? 8192
                      : blocks < 4194304  ? 16384
                      : blocks < 8388608  ? 32768
                      : blocks < 16777216 ? 65536
                      : blocks < 33554432 ? 131072
                                          : 262144;
        }
        return journal + journal / 4;
    }
    if (journalKind == platform::FileSystem::Journal::XfsLog) {
        // The log is sized by mkfs.xfs from the volume, 64 MiB at least; guess
        // high. A new folder logs roughly half a kilobyte. Where the kernel
        // shows the log's head, logRewritten() ends the pass sooner.
        const quint64 log = std::clamp<quint64>(space.total / 256, 64ULL << 20, 2ULL << 30);
        return qint64(log / 512 + log / 2048);
    }
    return 0;
}

// A test that turns true once the log of the XFS volume on `device` has
// wrapped all the way round from where it is now; empty where that cannot be
// told (other file systems, the head not shown).
std::function<bool()> logRewritten(const QByteArray &fsType, quint64 device)
{
    qint64 cycle = 0, block = 0;
    if (platform::fileSystem(fsType).journal != platform::FileSystem::Journal::XfsLog ||
        !platform::xfsLogHead(device, &cycle, &block))
        return {};
    return [=] {
        qint64 nowCycle = 0, nowBlock = 0;
        return platform::xfsLogHead(device, &nowCycle, &nowBlock) &&
               (nowCycle > cycle + 1 || (nowCycle == cycle + 1 && nowBlock >= block));
    };
}

bool hasJbd2Journal(const QByteArray &fsType)
{
    return platform::fileSystem(fsType).journal == platform::FileSystem::Journal::Jbd2;
}

// Whether the kernel would empty and zero the journal of the ext3/ext4
// volume holding `fd` for this process.
bool canEmptyJournal(int fd, const QByteArray &fsType)
{
    return hasJbd2Journal(fsType) &&
           platform::checkpointJournal(fd, platform::JournalCheckpoint::Probe) == 0;
}

// Empties the journal of the ext3/ext4 volume holding `fd` and zeroes its
// blocks (or discards them where zeroing is refused), and says so. 0, ENODEV
// for a volume without a journal, or why it could not be done.
int emptyJournal(int fd, const QByteArray &fsType, JobContext &ctx)
{
    if (!hasJbd2Journal(fsType))
        return EOPNOTSUPP;
    const auto table = platform::mountTable();
    const platform::Mount *mount = platform::mountOf(table, fd);
    const QString volume = displayName(mount ? mount->mountPoint : platform::pathOf(fd));
    int rc = platform::checkpointJournal(fd, platform::JournalCheckpoint::ZeroOut);
    if (rc == 0) {
        ctx.info(QCoreApplication::translate(
                     "FreeSpace", "🧹 The journal of %1 was emptied and its blocks zeroed: "
                                  "it holds no copy of what was erased.")
                     .arg(volume));
        return 0;
    }
    if (rc == EOPNOTSUPP &&
        (rc = platform::checkpointJournal(fd, platform::JournalCheckpoint::Discard)) == 0) {
        ctx.info(QCoreApplication::translate(
                     "FreeSpace", "🧹 The journal of %1 was emptied and its blocks discarded "
                                  "on the device.")
                     .arg(volume));
        return 0;
    }
    return rc;
}

// How many folders with long names the name phase of a free-space wipe
// creates on a volume of type `fsType`; 0 where they have nothing to reach
// (no device, a file system without such slots, or btrfs, whose metadata
// overwriteFreeMetadata() takes).
// With `journalEmptied`, the journal is emptied by the kernel instead of
// pushed round by new names.
qint64 namesToCreate(const QByteArray &fsType, quint64 device, const platform::Space &space,
                     bool journalEmptied)
{
    switch (platform::fileSystem(fsType).namePhase) {
    case platform::FileSystem::NamePhase::Journal:
        return journalEmptied ? 2048 : std::max<qint64>(journalNames(fsType, device, space), 2048);
    case platform::FileSystem::NamePhase::Log:
        return journalNames(fsType, device, space);
    case platform::FileSystem::NamePhase::RootEntries:
        return 1024;
    case platform::FileSystem::NamePhase::None:
        break;
    }
    return 0;
}

// Creates folders with long random names, a batch per sync, and removes them
// again: new entries take the free slots of the root folder and free inodes,
// and every commit pushes older copies out of the journal. The created
// folders go however this ends. Returns 0 when done, ECANCELED after a stop,
// or the errno value of a creation, removal or sync that failed: the names
// are then not known to be overwritten.
int overwriteNames(int rootFd, qint64 count, const platform::Space &space, JobContext &ctx,
                   bool counted, const std::function<bool()> &enough)
{
    const qsizetype length = qsizetype(std::min<quint64>(space.nameMax, 255));
    // A full volume or folder ends a round; anything else is a failure.
    const auto isEnd = [](int rc) { return isFull(rc) || rc == EMLINK; };

    // Whatever a kill leaves here is found again by its prefix.
    if (ctx.journal)
        ctx.journal->workingIn(platform::pathOf(rootFd));

    // First the free slots of the root folder itself, about as many entries
    // as its current size holds; the bulk goes into a folder of its own, so
    // the root folder does not grow for good. These carry the prefix too, so
    // that a killed job's are told from the user's folders.
    Status rootSt;
    platform::statusAt(rootFd, QByteArray(), &rootSt);
    const qint64 inRoot = std::min<qint64>(count, 2 * (rootSt.size / (length + 9)) + 16);
    {
        CreatedFolders root{rootFd, {}};
        for (qint64 i = 0; i < inRoot; ++i) {
            QByteArray name = kNamesPrefix + randomName(std::max<qsizetype>(8, length - kNamesPrefix.size()));
            const int rc = platform::makeFolderAt(rootFd, name);
            if (rc == 0)
                root.names.push_back(std::move(name));
            else if (isEnd(rc))
                break;
            else if (rc != EEXIST)
                return rc;
        }
        if (const int rc = platform::syncFileSystem(rootFd))
            return rc;
        if (const int rc = root.removeAll())
            return rc;
    }

    HolderFolder holder(rootFd);
    if (const int rc = holder.make())
        return isEnd(rc) ? 0 : rc; // full: nothing more can be created here

    // Never more at once than the free inodes allow; rounds otherwise.
    const qint64 perRound = space.freeInodes > 512 ? qint64(space.freeInodes) - 256 : count;
    qint64 made = inRoot;
    CreatedFolders created{holder.fd.get(), {}};
    while (made < count) {
        const qint64 round = std::min(perRound, count - made);
        for (qint64 done = 0; done < round;) {
            if (ctx.stopped())
                return ECANCELED;
            const qint64 batch = std::min(kNameBatch, round - done);
            bool full = false;
            for (qint64 i = 0; i < batch && !full; ++i) {
                QByteArray name = randomName(length);
                const int rc = platform::makeFolderAt(holder.fd.get(), name);
                if (rc == 0)
                    created.names.push_back(std::move(name));
                else if (isEnd(rc))
                    full = true; // this round ends here
                else if (rc != EEXIST)
                    return rc;
            }
            if (const int rc = platform::syncFileSystem(holder.fd.get()))
                return rc;
            if (counted)
                ctx.chunksProcessed();
            done += batch;
            if (enough && enough())
                return created.removeAll();
        }
        made += round;
        if (const int rc = created.removeAll())
            return rc;
    }
    return 0;
}

qint64 nameUnits(qint64 count)
{
    return (count + kNameBatch - 1) / kNameBatch;
}

// btrfs keeps its trees (and small files' data) in block groups of their
// own, where no data fill reaches: old copies of folder blocks there keep the
// names of deleted files. Each new folder of the metadata
// fill takes a random extended attribute of this size, its inode and its two
// folder entries.
constexpr qsizetype kBtrfsAttributeBytes = 3072;
constexpr qint64 kBtrfsFolderBytes = kBtrfsAttributeBytes + 1024;

// How many batches of folders the metadata fill of the volume of type
// `fsType` holding `fd` is expected to take; 0 where there is none to fill.
qint64 metadataUnits(int fd, const QByteArray &fsType)
{
    quint64 total = 0, used = 0;
    if (!platform::fileSystem(fsType).freeMetadata ||
        platform::btrfsMetadataSpace(fd, &total, &used) != 0 ||
        total <= used)
        return 0;
    return nameUnits(qint64((total - used) / kBtrfsFolderBytes)) + 1;
}

// Takes the free metadata space of the btrfs volume holding `dirFd` with
// folders of long random names, each with a random extended attribute (which
// lives in the same trees), a batch per sync, in a folder of their own; until
// the file system says it is full or as much metadata was written as it had
// free; then removes them. 0, ECANCELED after a stop, or why it failed.
int overwriteFreeMetadata(int dirFd, qint64 units, JobContext &ctx)
{
    quint64 metadataTotal = 0, used = 0;
    if (platform::btrfsMetadataSpace(dirFd, &metadataTotal, &used) != 0)
        return 0;
    HolderFolder holder(dirFd);
    if (const int rc = holder.make())
        return isFull(rc) ? 0 : rc;
    CreatedFolders created{holder.fd.get(), {}};
    QByteArray value(kBtrfsAttributeBytes, Qt::Uninitialized);
    qint64 counted = 0;
    for (bool full = false; !full;) {
        if (ctx.stopped())
            return ECANCELED;
        for (qint64 i = 0; i < kNameBatch && !full; ++i) {
            QByteArray name = randomName(200);
            int rc = platform::makeFolderAt(holder.fd.get(), name);
            if (rc == 0) {
                Fd folder = platform::openFolderAt(holder.fd.get(), name, &rc);
                created.names.push_back(std::move(name));
                platform::systemRandom(value.data(), std::size_t(value.size()));
                if (folder.valid())
                    rc = platform::setExtendedAttribute(folder.get(), "user.velmora", value);
                if (rc == EOPNOTSUPP)
                    rc = 0; // without user attributes, the folders alone
            }
            if (isFull(rc) || rc == EMLINK)
                full = true;
            else if (rc != 0 && rc != EEXIST)
                return rc;
        }
        if (const int rc = platform::syncFileSystem(holder.fd.get()); rc != 0 && !isFull(rc))
            return rc;
        if (counted < units) {
            ctx.chunksProcessed();
            ++counted;
        }
        // As many bytes as were free: where btrfs took a new block group for
        // metadata on the way, the old ones' free space went first.
        quint64 total = 0;
        if ((platform::btrfsMetadataSpace(dirFd, &total, &used) == 0 && used >= metadataTotal) ||
            counted >= 2 * units)
            full = true;
    }
    if (counted < units)
        ctx.chunksProcessed(units - counted);
    return created.removeAll();
}

} // namespace

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

bool pushNamesOutOfJournal(int folderFd, const QByteArray &fsType, qint64 erasedNames,
                           JobContext &ctx)
{
    platform::Space space;
    Status st;
    if (erasedNames <= 0 || platform::spaceOf(folderFd, &space) != 0 ||
        platform::statusAt(folderFd, QByteArray(), &st) != 0)
        return true;
    // A small erase needs only as many journal blocks as its names took to
    // be pushed out, not a rewrite of a journal of a gigabyte: each name
    // went through a dozen synced renames, each a transaction of a few blocks.
    // The new folders also take the blocks that removed folders freed, with
    // what is left of the names in them. XFS logs the folder blocks whose
    // free entries were just scrubbed, so its log goes round once, as far as
    // its head shows.
    const qint64 count =
        platform::fileSystem(fsType).journal == platform::FileSystem::Journal::XfsLog
            ? journalNames(fsType, st.device, space)
                        : std::min(journalNames(fsType, st.device, space),
                                   std::max<qint64>(512, erasedNames * 128));
    int rc = 0;
    if (count > 0) {
        ctx.info(QCoreApplication::translate(
            "FreeSpace", "🔄 Pushing the erased names out of the journal..."));
        rc = overwriteNames(folderFd, count, space, ctx, false, logRewritten(fsType, st.device));
    }
    if (rc == 0) {
        // Then, where the kernel empties the journal itself, nothing of it
        // is left to chance.
        const int emptied = emptyJournal(folderFd, fsType, ctx);
        if (emptied != 0 && emptied != ENODEV && hasJbd2Journal(fsType) &&
            count < journalNames(fsType, st.device, space))
            ctx.warn(QCoreApplication::translate(
                         "FreeSpace", "⚠️ The journal of %1 may still hold the last names "
                                      "erased; erasing as administrator empties it.")
                         .arg(displayName(platform::pathOf(folderFd))));
    }
    if (rc == 0 || rc == ECANCELED)
        return rc == 0;
    const QString volume = displayName(platform::pathOf(folderFd));
    ctx.problem(JobEvent{
        JobEvent::Kind::Problem,
        QCoreApplication::translate(
            "FreeSpace", "❌ Pushing the erased names out of the journal failed on %1: %2")
            .arg(volume, platform::errorText(rc)),
        volume, rc, QString(), true});
    return false;
}

QStringList swapInTheClear(const std::vector<platform::Swap> &swaps)
{
    QStringList names;
    for (const platform::Swap &swap : swaps)
        if (!swap.encrypted && !swap.inMemory)
            names.append(displayName(swap.name));
    return names;
}

int trimFreeBlocks(int fd, const platform::Mount *mount, JobContext &ctx)
{
    platform::Space beforeTrim;
    platform::spaceOf(fd, &beforeTrim);
    quint64 trimmed = 0;
    const int rc = platform::trimFreeSpace(fd, &trimmed);
    if (rc == 0 && trimmed <= beforeTrim.free)
        ctx.info(QCoreApplication::translate(
                        "FreeSpace", "✂️ Free blocks discarded on the device (TRIM): %1 MiB")
                        .arg(mebibytes(trimmed)));
    else if (rc == 0) // the kernel counts what it looked at, not what it discarded
        ctx.info(QCoreApplication::translate(
            "FreeSpace", "✂️ The file system's free space was discarded on the device (TRIM)."));
    else if (rc == EOPNOTSUPP && mount && platform::deviceDiscards(mount->source) == 1)
        ctx.info(QCoreApplication::translate(
                        "FreeSpace", "ℹ️ No TRIM: the device discards, but this file system (%1) "
                                     "or its driver does not pass it on.")
                        .arg(QString::fromUtf8(mount->fsType)));
    else if (rc == EOPNOTSUPP)
        ctx.info(QCoreApplication::translate(
            "FreeSpace", "ℹ️ No TRIM: this device does not discard free blocks."));
    else
        ctx.info(QCoreApplication::translate("FreeSpace", "ℹ️ No TRIM: %1")
                        .arg(platform::errorText(rc)));
    return rc;
}

QByteArrayList findFillLeftovers(const QByteArray &root)
{
    QByteArrayList found;
    int error = 0;
    Fd rootFd = platform::openFolderPath(root, true, &error);
    std::vector<QByteArray> names;
    if (!rootFd.valid() || platform::readNames(rootFd.get(), &names) != 0)
        return found;
    for (const QByteArray &name : names) {
        if ((isFillName(name) || name.startsWith(kNamesPrefix)) &&
            isOurLeftover(rootFd.get(), name))
            found.append(joinPath(root, name));
    }
    return found;
}

int removeFillLeftovers(const QByteArray &root, JobContext *ctx)
{
    int left = 0;
    int error = 0;
    Fd rootFd = platform::openFolderPath(root, true, &error);
    if (!rootFd.valid())
        return 0;
    for (const QByteArray &path : findFillLeftovers(root)) {
        const QByteArray name = path.mid(path.lastIndexOf('/') + 1);
        Status st;
        platform::statusAt(rootFd.get(), name, &st);
        if (st.type == Type::Directory) {
            Fd dir = platform::openFolderAt(rootFd.get(), name, &error);
            if (dir.valid())
                removeFolderTree(dir.get(), kLeftoverDepth);
        }
        if (platform::removeAt(rootFd.get(), name, st.type == Type::Directory) != 0) {
            ++left;
            continue;
        }
        if (ctx)
            ctx->info(
                QCoreApplication::translate(
                    "FreeSpace", "🧹 Removed a fill file left by an interrupted wipe: %1")
                    .arg(displayName(path)));
    }
    platform::syncFileSystem(rootFd.get());
    return left;
}

bool fillFreeSpace(const QString &root, const QString &fileName, int passes, quint64 byteBound,
                   const QString &failureLine, JobContext &ctx)
{
    const QByteArray rootPath = fsBytes(root);
    removeFillLeftovers(rootPath, &ctx);

    int error = 0;
    Fd rootFd = platform::openFolderPath(rootPath, true, &error);
    platform::Space space;
    if (!rootFd.valid() || platform::spaceOf(rootFd.get(), &space) != 0) {
        ctx.fail(failureLine, error);
        return false;
    }
    // A volume whose root this user may not write to is filled from a
    // folder of theirs on it, as the home folder often is; the space and
    // the names reach the same free blocks.
    Status rootSt;
    platform::statusAt(rootFd.get(), QByteArray(), &rootSt);
    Fd fillFd;
    if (!platform::canCreateIn(rootFd.get()) && !ctx.userFolder.isEmpty()) {
        const QByteArray userPath = fsBytes(ctx.userFolder);
        Fd user = platform::openFolderPath(userPath, true, &error);
        Status userSt;
        if (user.valid() && platform::canCreateIn(user.get()) &&
            platform::statusAt(user.get(), QByteArray(), &userSt) == 0 &&
            userSt.device == rootSt.device) {
            removeFillLeftovers(userPath, &ctx);
            ctx.info(QCoreApplication::translate(
                            "FreeSpace", "📁 The volume's root is not writable for you; filling "
                                         "its free space from your folder: %1")
                            .arg(displayName(userPath)));
            fillFd = std::move(user);
        }
    }
    const int fillDir = fillFd.valid() ? fillFd.get() : rootFd.get();
    if (ctx.journal)
        ctx.journal->workingIn(platform::pathOf(fillDir));
    const auto table = platform::mountTable();
    platform::Mount volume;
    const platform::Mount *mount = nullptr;
    if (const platform::Mount *found = platform::mountOf(table, rootFd.get())) {
        volume = *found;
        platform::identifyImageFileSystem(&volume);
        mount = &volume;
        noteMedium(volume, ctx);
    }

    // A driver may count less free space than its file system has: fusefat
    // says nothing of blocks at all, and goes by FAT32's count of free
    // clusters, which goes stale where a stick was pulled out. FAT's own
    // table tells what is free, where its device or image can be read.
    const QByteArray fatBacking =
        mount && mount->fs().ownFreeCount ? platform::backingOf(*mount) : QByteArray();
    quint64 ownFree = 0;
    if (!fatBacking.isEmpty() && platform::fatFreeBytes(fatBacking, &ownFree) != 0)
        ownFree = 0;

    // The progress counts on the larger of the caller's bound and what is
    // free now; the fill itself goes on until the volume is full, with a
    // guard against a file system that never says so.
    const quint64 reachable =
        std::max(platform::effectiveUser() == 0 ? space.free : space.available, ownFree);
    const qint64 callerChunks = qint64(byteBound / quint64(kChunkSize));
    qint64 plannedChunks = std::max(callerChunks, qint64(reachable / quint64(kChunkSize)));
    const quint64 byteLimit = std::max(space.free, ownFree) +
                              std::max<quint64>(64ULL << 20, std::max(space.total, ownFree) / 20);
    const bool journalEmptiable = mount && canEmptyJournal(rootFd.get(), mount->fsType);
    // A names phase through fusefat would run for hours.
    const bool slowDriver = mount && mount->slowDriver();
    const qint64 names = mount && !slowDriver ? namesToCreate(mount->fsType, rootSt.device, space,
                                                               journalEmptiable)
                                              : 0;
    const qint64 metadata = mount ? metadataUnits(rootFd.get(), mount->fsType) : 0;
    // NTFS's free records are filled in the last pass, while it holds the
    // volume; how many there are shows only then.
    std::unique_ptr<RecordFill> records;
    if (mount && mount->fs().freeRecords && passes > 0) {
        records = std::make_unique<RecordFill>(fillDir);
        if (const int rc = records->prepare(); rc != 0 && !isFull(rc)) {
            ctx.fail(failureLine, rc);
            return false;
        }
    }
    const qint64 recordUnits = records ? nameUnits(4096) : 0;
    // The read-back of the last pass counts like one more pass.
    const int rounds = passes + (ctx.verify ? 1 : 0);
    if (passes > 0) {
        const qint64 others = nameUnits(names) + metadata + recordUnits;
        ctx.addTotalUnits(qint64(rounds) * (plannedChunks - callerChunks) + others);
        // What is left of the total is the fill's: a volume wipe has counted
        // its files already, within the same bound.
        plannedChunks =
            std::max<qint64>(0, (ctx.totalUnits() - ctx.doneUnits() - others) / rounds);
    }

    // Space the fill cannot reach as who runs it: the blocks ext4 keeps for
    // root, and the pool ext4 and XFS keep back from everyone, which root may
    // lend to the fill and gets back afterwards (a new mount sets it anew,
    // should this process be killed).
    quint64 unreachable = reachable < space.free ? space.free - reachable : 0;
    struct ReserveLent {
        QByteArray fsType;
        JobContext &ctx;
        QByteArray mountPoint;
        int fd = -1;
        quint64 blocks = 0;
        ~ReserveLent()
        {
            if (fd >= 0 && platform::setReserve(fsType, fd, blocks) == 0 && ctx.journal)
                ctx.journal->gaveBack(mountPoint);
        }
    } lent{mount ? mount->fsType : QByteArray(), ctx, mount ? mount->mountPoint : QByteArray()};
    const platform::FileSystem::Reserve reserve = platform::fileSystem(lent.fsType).reserve;
    const bool xfsPool = reserve == platform::FileSystem::Reserve::Xfs;
    if (reserve != platform::FileSystem::Reserve::None) {
        // What the kernel sets at mount; also where a killed wipe left none.
        const quint64 blocks = space.total / space.blockSize;
        const quint64 usual = xfsPool ? std::min<quint64>(blocks / 20, 8192)
                                      : std::min<quint64>(blocks / 50, 4096);
        if (platform::reserveOf(lent.fsType, rootFd.get(), &lent.blocks) != 0 || lent.blocks == 0)
            lent.blocks = usual;
        // Noted before it is lent: a kill right after must find it.
        if (ctx.journal)
            ctx.journal->lentReserve(lent.mountPoint, lent.fsType, lent.blocks);
        // XFS keeps a few blocks back all the same: without any, it takes
        // the last writes of a fill and then cannot put them on the device
        // (their write-back fails with ENOSPC), and the blocks keep what
        // they held.
        const quint64 kept = xfsPool ? std::min(lent.blocks, kXfsKeptReserve) : 0;
        if (platform::setReserve(lent.fsType, rootFd.get(), kept) == 0) {
            lent.fd = rootFd.get();
            unreachable += kept * space.blockSize;
        } else {
            if (ctx.journal)
                ctx.journal->gaveBack(lent.mountPoint);
            unreachable += lent.blocks * space.blockSize;
        }
    }
    if (unreachable >= quint64(kChunkSize)) {
        const QString line =
            QCoreApplication::translate("FreeSpace",
                                        "⚠️ %1 MiB of free space are reserved for the system "
                                        "administrator and cannot be overwritten; wipe the "
                                        "free space as root to reach them.")
                .arg(mebibytes(unreachable));
        ctx.warn(line);
    }

    // Once the fill holds the volume, what FAT counted free before and the
    // fill files do not hold is what it never reached: clusters its driver
    // would not give, whatever it said. (FAT's table itself is no witness
    // while fusefat has the volume: it lags behind what it hands out.)
    quint64 unreached = 0;
    // What the file system still counts free while the fill holds it: no
    // file could be given it (XFS keeps blocks of each allocation group for
    // its own trees, and a few more back from the fill).
    quint64 keptAside = 0;
    std::function<void(quint64)> measureWhileFull = [&](quint64 held) {
        if (ownFree > 0)
            unreached = std::max(unreached, ownFree > held ? ownFree - held : 0);
        quint64 free = 0;
        if (mount && mount->fs().keepsBlocksAside && platform::xfsFreeBytes(fillDir, &free) == 0)
            keptAside = std::max(keptAside, free);
    };

    ctx.atPhase(QCoreApplication::translate("FreeSpace", "free space"));
    for (int pass = 0; pass < passes; ++pass) {
        if (ctx.stopped())
            return true;
        ctx.atPass(pass + 1, passes);
        const bool last = pass == passes - 1;
        switch (fillOnce(fillDir, fileName, failureLine, plannedChunks, byteLimit, space.blockSize,
                         ctx.verify && last, root,
                         last && records && records->prepared() ? records.get() : nullptr,
                         recordUnits, last ? measureWhileFull : std::function<void(quint64)>(),
                         ctx)) {
        case PassEnd::Stopped:
            return true;
        case PassEnd::Failed:
            return false;
        case PassEnd::Done:
            break;
        }
    }

    if (names > 0 || metadata > 0) {
        ctx.atPass(0, 0);
        ctx.atPhase(QCoreApplication::translate("FreeSpace", "names and journal"));
        ctx.info(QCoreApplication::translate(
            "FreeSpace", "🔄 Overwriting the names of deleted files, free inodes and "
                         "the journal..."));
        platform::spaceOf(rootFd.get(), &space);
        const auto failed = [&](int rc) {
            ctx.problem(JobEvent{JobEvent::Kind::Problem,
                                 QCoreApplication::translate(
                                     "FreeSpace",
                                     "❌ Overwriting the names of deleted files failed: %1")
                                     .arg(platform::errorText(rc)),
                                 root, rc, QString(), true});
            return false;
        };
        int rc = names > 0 ? overwriteNames(fillDir, names, space, ctx, true,
                                            logRewritten(mount->fsType, rootSt.device))
                           : 0;
        if (rc == 0 && metadata > 0)
            rc = overwriteFreeMetadata(fillDir, metadata, ctx);
        if (rc == ECANCELED)
            return true; // stopped
        if (rc != 0)
            return failed(rc);
        if (journalEmptiable) {
            if (const int emptied = emptyJournal(rootFd.get(), mount->fsType, ctx);
                emptied != 0 && emptied != ENODEV) {
                // Refused after all: the journal is pushed round instead.
                const int pushed =
                    overwriteNames(fillDir, journalNames(mount->fsType, rootSt.device, space),
                                   space, ctx, false, {});
                if (pushed == ECANCELED)
                    return true;
                if (pushed != 0)
                    return failed(pushed);
            }
        }
    }

    if (unreached > kUnreachedSlack)
        ctx.problem(QCoreApplication::translate(
                        "FreeSpace", "⚠️ %1 MiB of the free space of %2 were not overwritten: "
                                     "its file system still counts them free, but its driver "
                                     "took no more. What deleted files left there may remain. "
                                     "Checking the volume while it is not mounted (fsck.fat) "
                                     "puts its count right for the next wipe.")
                        .arg(mebibytes(unreached), root),
                    root);

    // The bar ends at its end, whatever rounding or an early full volume left.
    if (ctx.doneUnits() < ctx.totalUnits())
        ctx.chunksProcessed(ctx.totalUnits() - ctx.doneUnits());

    // Memory has no drive to tell of free blocks.
    const int rc = mount && mount->fs().memory
                       ? EOPNOTSUPP
                       : trimFreeBlocks(rootFd.get(), mount, ctx);
    if (slowDriver) {
        ctx.warn(QCoreApplication::translate(
                     "FreeSpace", "⚠️ The names of deleted files may remain on %1: its driver "
                                  "(%2) is too slow to overwrite them.")
                     .arg(root, QString::fromUtf8(mount->mountType.mid(5))));
    } else if (names == 0 && metadata == 0 && !(records && records->filled()) && mount &&
               !mount->fs().memory) {
        const QString line =
            QCoreApplication::translate(
                "FreeSpace", "⚠️ The names of deleted files may remain on %1: this file system "
                             "(%2) keeps them where a fill does not reach.")
                .arg(root, QString::fromUtf8(mount->fsType));
        ctx.warn(line);
    }
    if (rc != 0 && mount && mount->fs().keepsBlocksAside) {
        // The blocks each allocation group sets aside for its own trees are
        // free, but no file can be given them.
        const QString line =
            QCoreApplication::translate(
                "FreeSpace", "⚠️ XFS kept %1 MiB of the free space of %2 aside while the fill "
                             "held the volume, in blocks of each allocation group that no file "
                             "can be given; without TRIM they keep what they held.")
                .arg(mebibytes(keptAside), root);
        ctx.warn(line);
    }
    return true;
}

} // namespace velmora
