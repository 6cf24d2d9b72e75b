// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the files of the free-space wipe share: the fill files' names and
// marker, how a pass ends, the NTFS record fill, and the steps the wipe
// (freespace.cpp) takes in turn: the fill (fill.cpp), the names phase
// (namesphase.cpp), the journal (journals.cpp), and what a killed wipe
// left (fillfiles.cpp). Only for those files.

#include "engine/core/chunks.h"
#include "engine/core/jobcontext.h"
#include "engine/core/sizes.h"
#include "engine/platform/platform.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <cerrno>
#include <functional>
#include <vector>

namespace velmora::freespace
{

using platform::Fd;
using platform::Status;
using platform::Type;

// The first bytes of a named fill file: what tells our leftovers from a
// user's file of the same name.
inline constexpr char kMarker[] = "Velmora free-space fill file; safe to delete.\n";
inline constexpr qsizetype kMarkerSize = qsizetype(sizeof kMarker) - 1;
// Written pages are handed to the device and dropped in steps of this size,
// so the cache stays flat and the last sync of a pass is short.
inline constexpr qint64 kWindow = 8 * kChunkSize;
// Names created per file-system sync in the name phase.
inline constexpr qint64 kNameBatch = 512;
// Folders made in each folder of NTFS's record fill: with names of two
// characters, as many as its own record holds with room to spare; and how
// deep its tree goes (4^16 folders and more).
inline constexpr int kRecordFanOut = 4;
inline constexpr std::size_t kRecordDepth = 16;
// How often the end of a fill is written again after a sync found that the
// file system had not kept it.
inline constexpr int kRefills = 4;
// Blocks of its reserve pool XFS keeps while a fill has the rest.
inline constexpr quint64 kXfsKeptReserve = 128;
// What FAT may count free beyond what a fill that held the volume wrote, in
// bytes: the last cluster of each fill file, and the clusters a folder's
// entries for them take.
inline constexpr quint64 kUnreachedSlack = 256 * 1024;

inline const QByteArray kNamesPrefix = QByteArrayLiteral("__velmora_names_");
inline const QByteArray kFillBases[] = {QByteArrayLiteral("__freespace_temp__"),
                                        QByteArrayLiteral("__wiper_temp__")};

// Ends the job with `line`; `error` is the reason the line already names.
inline bool failWith(const QString &line, JobContext &ctx, int error = 0)
{
    ctx.fail(JobEvent{JobEvent::Kind::Error, line, QString(), error, QString(), error != 0});
    return false;
}

inline bool isFull(int error)
{
    return error == ENOSPC || error == EDQUOT;
}

// "/__wiper_temp__.bin", "/__wiper_temp__1.bin", ... without the slash.
QByteArray fillFileName(const QString &fileName, int index);

bool isFillName(const QByteArray &name);

QByteArray randomName(qsizetype length);

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
inline constexpr int kLeftoverDepth = 64;

// Removes the folders below `dirFd`, deepest first, down to `depth` levels:
// only the empty folders a name phase made, as rmdir leaves anything that
// holds more than folders alone.
void removeFolderTree(int dirFd, int depth);

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
            if (!level.fd.valid() || level.made == kRecordFanOut || levels.size() > kRecordDepth) {
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
        if (const int synced = platform::syncFileSystem(holder.fd.get());
            rc == 0 && !isFull(synced))
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

enum class PassEnd { Done, Stopped, Failed };

// One pass of the fill into the folder `rootFd`; its fill files go at its
// end, whatever the end: one that stays makes the pass fail.
// With `records`, NTFS's free records are filled while the fill holds the
// volume, and their folders go once its files are gone (ntfs-3g refuses
// removals while the volume is full). `whileFull` is told, while the fill
// files still hold the volume, the bytes they hold and the bytes they take.
PassEnd fillOnce(int rootFd, const QString &fileName, const QString &failureLine,
                 qint64 plannedChunks, quint64 byteLimit, quint64 blockSize, bool verify,
                 const QString &volume, RecordFill *records, qint64 recordUnits,
                 const std::function<void(quint64 held, quint64 allocated)> &whileFull,
                 JobContext &ctx);

// How many new folders rewrite the journal of a volume of type `fsType`
// once: every new folder puts at least its own block into the journal, and a
// quarter more covers what a commit reserves. 0 where there is no journal.
qint64 journalNames(const QByteArray &fsType, quint64 device, const platform::Space &space);

// A test that turns true once the log of the XFS volume on `device` has
// wrapped all the way round from where it is now; empty where that cannot be
// told (other file systems, the head not shown).
std::function<bool()> logRewritten(const QByteArray &fsType, quint64 device);

// Whether the kernel would empty and zero the journal of the ext3/ext4
// volume holding `fd` for this process.
bool canEmptyJournal(int fd, const QByteArray &fsType);

// Empties the journal of the ext3/ext4 volume holding `fd` and zeroes its
// blocks (or discards them where zeroing is refused), and says so. 0, ENODEV
// for a volume without a journal, or why it could not be done.
int emptyJournal(int fd, const QByteArray &fsType, JobContext &ctx);

// How many folders with long names the name phase of a free-space wipe
// creates on a volume of type `fsType`; 0 where they have nothing to reach
// (no device, a file system without such slots, or btrfs, whose metadata
// overwriteFreeMetadata() takes).
// With `journalEmptied`, the journal is emptied by the kernel instead of
// pushed round by new names.
qint64 namesToCreate(const QByteArray &fsType, quint64 device, const platform::Space &space,
                     bool journalEmptied);

// Creates folders with long random names, a batch per sync, and removes them
// again: new entries take the free slots of the root folder and free inodes,
// and every commit pushes older copies out of the journal. The created
// folders go however this ends. Returns 0 when done, ECANCELED after a stop,
// or the errno value of a creation, removal or sync that failed: the names
// are then not known to be overwritten.
int overwriteNames(int rootFd, qint64 count, const platform::Space &space, JobContext &ctx,
                   bool counted, const std::function<bool()> &enough);

qint64 nameUnits(qint64 count);

// How many batches of folders the metadata fill of the volume of type
// `fsType` holding `fd` is expected to take; 0 where there is none to fill.
qint64 metadataUnits(int fd, const QByteArray &fsType);

// Takes the free metadata space of the btrfs volume holding `dirFd` with
// folders of long random names, each with a random extended attribute (which
// lives in the same trees), a batch per sync, in a folder of their own; until
// the file system says it is full or as much metadata was written as it had
// free; then removes them. 0, ECANCELED after a stop, or why it failed.
int overwriteFreeMetadata(int dirFd, qint64 units, JobContext &ctx);

} // namespace velmora::freespace
