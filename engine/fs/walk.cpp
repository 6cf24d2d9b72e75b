// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/fs/walk.h"

#include "engine/core/chunks.h"
#include "engine/fs/freespace.h"
#include "engine/fs/medium.h"
#include "engine/fs/overwrite.h"
#include "engine/fs/paths.h"
#include "engine/fs/verify.h"

#include <QCoreApplication>
#include <QLocale>
#include <QDebug>

#include <algorithm>
#include <cerrno>

namespace velmora
{

using platform::Fd;
using platform::Status;
using platform::Type;

namespace
{

// Names renamed and removed together: one sync of the folder per round
// serves the whole batch.
constexpr std::size_t kBatchSize = 256;
// Files up to this size are overwritten together, a pass of each, then one
// sync for all before the next pass: a sync per file and pass is what makes
// small files slow. At most this many bytes wait for one sync.
constexpr qint64 kSmallFile = 256 * 1024;
constexpr qint64 kSmallBatchBytes = 32 * kChunkSize;
// A walk keeps this many folders open, the deepest; the others are opened
// again through ".." on the way back up, and must be the folders they were.
constexpr std::size_t kOpenLevels = 256;
// Names of entries deeper than this many bytes below the selection are
// shown with their start and their end only.
constexpr qsizetype kShownMax = 1024;

// Why a file refused to be opened for writing when its permissions do
// not say: an immutable or append-only attribute, which neither root nor
// the file's owner gets past without removing it first.
QString lockedBecause(int dirFd, const QByteArray &name, int error)
{
    if (error != EPERM && error != EACCES)
        return QString();
    const platform::Attributes attributes = platform::attributesAt(dirFd, name);
    if (attributes.immutable)
        return QCoreApplication::translate("TreeEraser", "the file is immutable");
    if (attributes.appendOnly)
        return QCoreApplication::translate("TreeEraser", "the file is append-only");
    return QString();
}

bool isShortcut(const QByteArray &name)
{
    return name.size() > 4 && name.endsWith(".lnk");
}

std::pair<QByteArray, QByteArray> splitPath(const QByteArray &path)
{
    QByteArray p = path;
    while (p.size() > 1 && p.endsWith('/'))
        p.chop(1);
    const qsizetype slash = p.lastIndexOf('/');
    if (slash < 0)
        return {QByteArray("."), p};
    return {slash == 0 ? QByteArray("/") : p.left(slash), p.mid(slash + 1)};
}

} // namespace

struct TreeEraser::Folder {
    Fd fd;
    QByteArray path; // as shown: the selected path joined with the names below it
    Status st;
};

// The files (and empty folders) of one folder that are done but for their
// names: renamed round by round, then removed, then logged.
class TreeEraser::Batch
{
  public:
    enum Kind { Erased, Unverified, Empty, EmptyFolder };

    Batch(TreeEraser &eraser, int dirFd) : eraser(eraser), dirFd(dirFd) {}
    ~Batch() { flush(); }
    Batch(const Batch &) = delete;
    Batch &operator=(const Batch &) = delete;

    // `error`: what the file system said after the overwrite (a failed
    // truncation or close); the entry then goes, but is not called erased.
    // `detail`: where a read-back found other data, or failed (Unverified,
    // with the read's error).
    void add(const QByteArray &name, const Status &st, const QString &shown, Kind kind,
             int error = 0, const QString &detail = QString())
    {
        items.push_back({name, st, shown, kind, error, detail});
        if (items.size() >= kBatchSize)
            flush();
    }

    // A small file, open and checked, to be overwritten with the others.
    struct Small {
        Fd file;
        QByteArray name;
        Status st;
        QString shown;
        qint64 size;
    };
    void addSmall(Small file)
    {
        smallBytes += file.size;
        small.push_back(std::move(file));
        if (small.size() >= kBatchSize || smallBytes >= kSmallBatchBytes)
            overwriteSmall();
    }

    void flush()
    {
        overwriteSmall();
        if (items.empty())
            return;
        // The truncations reach the device before any name changes (a batch
        // of empty files and folders has none). A sync that fails leaves it
        // open whether the names below were hidden on the device: every
        // entry of the batch then says so.
        const bool truncated = std::any_of(items.begin(), items.end(), [](const Item &item) {
            return item.kind == Erased || item.kind == Unverified;
        });
        int syncError = truncated ? platform::syncFileSystem(dirFd) : 0;
        const Naming naming = eraser.namingOf(dirFd);
        std::vector<std::vector<int>> lengths;
        std::size_t rounds = 0;
        for (const Item &item : items) {
            lengths.push_back(hidingLengths(nameLength(item.name, naming.room)));
            rounds = std::max(rounds, lengths.back().size());
        }
        std::vector<bool> renameFailed(items.size(), false);
        // Short names run out in a big folder: once a length keeps being
        // taken, no name of the batch goes shorter than the next one.
        int shortest = 1;
        for (std::size_t round = 0; round < rounds; ++round) {
            for (std::size_t i = 0; i < items.size(); ++i) {
                if (round >= lengths[i].size() || lengths[i][round] < shortest ||
                    renameFailed[i])
                    continue;
                int rc = EEXIST;
                for (int attempt = 0; attempt < 4 && rc == EEXIST; ++attempt) {
                    const QByteArray to =
                        hidingName(items[i].name, lengths[i][round], naming.room);
                    rc = platform::renameAt(dirFd, items[i].name, to);
                    if (rc == 0)
                        items[i].name = to;
                }
                if (rc == EEXIST)
                    shortest = std::max(shortest, lengths[i][round] + 1);
                else if (rc != 0) {
                    renameFailed[i] = true; // its name may still be readable
                    if (items[i].error == 0)
                        items[i].error = rc;
                }
            }
            // Each rename on the device before the next one covers it.
            if (const int rc = platform::syncAll(dirFd); rc != 0 && syncError == 0)
                syncError = rc;
        }
        eraser.writeFolderFirst(dirFd, lengths);
        // What the folder takes before the removals: a folder that gives
        // blocks back takes the names in them along.
        Status folderBefore;
        platform::statusAt(dirFd, QByteArray(), &folderBefore);
        std::vector<int> removal(items.size(), -1);
        std::vector<int> goneLengths;
        for (std::size_t i = 0; i < items.size(); ++i) {
            const Item &item = items[i];
            Status now;
            if (platform::statusAt(dirFd, item.name, &now) != 0 || !now.sameObject(item.st)) {
                eraser.problem(
                    QCoreApplication::translate(
                        "TreeEraser", "⚠️ Changed while being erased, left alone: %1"),
                    item.shown);
                continue;
            }
            removal[i] = platform::removeAt(dirFd, item.name, item.kind == EmptyFolder);
        }
        // The removals on the device before any of them is called done.
        if (const int rc = platform::syncAll(dirFd); rc != 0 && syncError == 0)
            syncError = rc;
        for (std::size_t i = 0; i < items.size(); ++i) {
            const Item &item = items[i];
            const int rc = removal[i];
            if (rc < 0)
                continue;
            if (rc != 0) {
                eraser.problemWithReason(item.kind == EmptyFolder
                                             ? QCoreApplication::translate(
                                                   "TreeEraser", "⚠️ Could not remove folder: %1")
                                             : eraser.notGoneLine,
                                         item.shown, rc);
                continue;
            }
            ++eraser.namesRemoved;
            eraser.freedBytes[item.st.device] += std::max<qint64>(item.st.allocated, 0);
            goneLengths.push_back(lengths[i].front());
            eraser.ctx.removed(item.shown);
            const int error = item.error ? item.error : syncError;
            if (item.kind == Unverified) {
                eraser.problemWithReason(
                    QCoreApplication::translate("TreeEraser", "❌ Verification failed: %1"),
                    item.shown, item.error, item.detail);
            } else if (error != 0 && item.kind != EmptyFolder) {
                eraser.problemWithReason(
                    QCoreApplication::translate(
                        "TreeEraser", "⚠️ Overwritten and removed, but the file system reported "
                                      "an error, so it is not known to be erased: %1"),
                    item.shown, error);
            } else if (item.kind == Erased) {
                eraser.ctx.erased(
                    QCoreApplication::translate("TreeEraser", "✅ Securely erased: %1")
                        .arg(item.shown),
                    item.shown);
            } else if (item.kind == Empty) {
                eraser.ctx.erased(
                    QCoreApplication::translate("TreeEraser", "🗑️ Deleted empty file: %1")
                        .arg(item.shown),
                    item.shown);
            } else {
                eraser.ctx.erased(
                    QCoreApplication::translate("TreeEraser", "🗑️ Removed empty folder: %1")
                        .arg(item.shown),
                    item.shown);
            }
        }
        eraser.noteNamesGone(dirFd, goneLengths, folderBefore.allocated);
        items.clear();
    }

  private:
    // Pass after pass over the small files, each pass of all of them on the
    // device (one sync) before the next; then each is done like a big one.
    void overwriteSmall()
    {
        std::vector<Small> files;
        files.swap(small);
        smallBytes = 0;
        std::vector<Overwrite> results(files.size());
        std::vector<WrittenData> written(files.size(), WrittenData(RandomStream::Key{}));
        const auto done = [&results](std::size_t i) {
            return results[i].result == OverwriteResult::Overwritten;
        };
        for (int pass = 0; pass < eraser.passes && !files.empty(); ++pass) {
            const bool record = eraser.ctx.verify && pass == eraser.passes - 1;
            eraser.ctx.atPass(pass + 1, eraser.passes);
            for (std::size_t i = 0; i < files.size(); ++i) {
                if (done(i))
                    results[i] =
                        writePassUnsynced(files[i].file.get(), files[i].shown, files[i].size,
                                          eraser.ctx, record ? &written[i] : nullptr);
                if (results[i].result == OverwriteResult::Stopped)
                    return; // all of them stay as they are
            }
            if (perFileSync) {
                // A syncfs() on FUSE proves nothing: each file on its own.
                for (std::size_t i = 0; i < files.size(); ++i)
                    if (done(i))
                        if (const int rc = platform::syncData(files[i].file.get()))
                            results[i] = {OverwriteResult::Failed, rc};
            } else if (const int rc = platform::syncFileSystem(dirFd)) {
                for (std::size_t i = 0; i < files.size(); ++i)
                    if (done(i))
                        results[i] = {OverwriteResult::Failed, rc};
            }
        }
        for (std::size_t i = 0; i < files.size(); ++i) {
            Small &f = files[i];
            if (eraser.ctx.verify && done(i))
                if (const ReadBack read = written[i].verify(f.file.get(), f.shown,
                                                            chunksForSize(f.size), eraser.ctx);
                    !read)
                    results[i] = {OverwriteResult::VerifyFailed, read.error, read.offset, read};
            // One that grew meanwhile goes through the whole overwrite again,
            // which chases its new length.
            if (done(i) && platform::fileSize(f.file.get()) > f.size)
                results[i] = overwriteOpenFile(f.file.get(), f.shown, eraser.passes, eraser.ctx);
            // A stop during the read-back leaves this file and the rest as
            // they are, as after an overwrite.
            if (results[i].result == OverwriteResult::Stopped || eraser.ctx.stopped())
                return;
            eraser.finishOverwrite(dirFd, *this, f.file, f.name, f.st, f.shown, results[i]);
        }
    }

    struct Item {
        QByteArray name;
        Status st;
        QString shown;
        Kind kind;
        int error;
        QString detail;
    };
    TreeEraser &eraser;
    int dirFd;
    const bool perFileSync = platform::isFuse(dirFd);
    std::vector<Item> items;
    std::vector<Small> small;
    qint64 smallBytes = 0;
};

TreeEraser::TreeEraser(JobContext &ctx, int passes, QString notGoneLine)
    : ctx(ctx), passes(passes), notGoneLine(std::move(notGoneLine)), mounts(platform::mountTable())
{
    platform::raiseDescriptorLimit();
}

TreeEraser::~TreeEraser() = default;

void TreeEraser::problem(const QString &line, const QString &shown)
{
    ctx.problem(line.arg(shown), shown);
}

void TreeEraser::problemWithReason(const QString &line, const QString &shown, int error,
                                   const QString &detail)
{
    ctx.problem(line.arg(shown), shown, error, detail);
}

void TreeEraser::noteVolumeOf(int fd)
{
    const platform::Mount *found = platform::mountOf(mounts, fd);
    if (!found || notedMounts.contains(found->id))
        return;
    notedMounts.insert(found->id);
    // Asked once, before anything else asks what the volume keeps where.
    platform::Mount *mount = &mounts[std::size_t(found - mounts.data())];
    platform::identifyImageFileSystem(mount);
    int error = 0;
    platform::Fd folder = platform::openFolderAt(fd, QByteArray(), &error);
    if (folder.valid())
        journalFolders.emplace_back(std::move(folder), mount->fsType);
    if (ctx.report)
        ctx.report->addVolume(displayName(mount->mountPoint),
                              mount->fs().copyOnWrite);
    noteMedium(*mount, ctx);
    if (!mount->fs().copyOnWrite)
        return;
    const QString line =
        QCoreApplication::translate(
            "TreeEraser",
            "⚠️ %1 is a copy-on-write file system (%2): an overwrite in place cannot "
            "reach the older copies it keeps. Wipe the free space of this volume "
            "afterwards.")
            .arg(displayName(mount->mountPoint), QString::fromUtf8(mount->fsType));
    ctx.warn(line);
}

namespace
{

// Folders whose free entries are scrubbed at most; each is kept open.
constexpr std::size_t kMaxSlotFolders = 4096;
// New names one folder's scrub creates at most.
constexpr int kMaxSlotNames = 20000;

using ScrubWay = platform::FileSystem::FolderScrub;

// Gives one scratch file new names of random characters in `dirFd`, of each
// length in `lengths` (longest first) until the folder grows, which it does
// once no free entry of the folder can take one more, or `perLength` names
// of a length are made (0: no bound); then removes them all, synced. Links
// cost a folder entry each and no inode; without `links`, each name is an
// empty file of its own. 0, or why it did not get through.
int scrubSlots(int dirFd, const std::set<int> &lengths, qint64 perLength, bool links,
               bool shorter, const JobContext &ctx)
{
    std::vector<int> order(lengths.rbegin(), lengths.rend());
    for (const int length : {16, 8, 4, 1})
        if (shorter && !order.empty() && length < order.back())
            order.push_back(length);
    QByteArray scratch;
    int error = EEXIST;
    for (int attempt = 0; attempt < 8 && error == EEXIST; ++attempt) {
        scratch = randomName(order.empty() ? 16 : order.front());
        Fd file = platform::createNewFileAt(dirFd, scratch, &error);
    }
    if (error != 0)
        return error;
    std::vector<QByteArray> created{scratch};
    Status st;
    if (platform::statusAt(dirFd, QByteArray(), &st) != 0)
        error = EIO;
    qint64 size = st.size;
    for (const int length : order) {
        if (ctx.stopped() || error != 0)
            break;
        // Short names run out: a length whose names keep being taken ends.
        qint64 made = 0;
        for (int taken = 0; taken < 8 && int(created.size()) < kMaxSlotNames &&
                            (perLength == 0 || made < perLength);) {
            const QByteArray name = randomName(length);
            int rc = 0;
            if (links)
                rc = platform::linkAt(dirFd, scratch, name);
            else
                Fd file = platform::createNewFileAt(dirFd, name, &rc);
            if (rc == EEXIST) {
                ++taken;
                continue;
            }
            if (rc != 0) {
                error = rc;
                break;
            }
            created.push_back(name);
            ++made;
            if (platform::statusAt(dirFd, QByteArray(), &st) == 0 && st.size > size) {
                size = st.size;
                break;
            }
        }
    }
    int synced = platform::syncAll(dirFd);
    for (const QByteArray &name : created)
        if (const int rc = platform::removeAt(dirFd, name, false); rc != 0 && error == 0)
            error = rc;
    if (const int rc = platform::syncAll(dirFd); rc != 0 && synced == 0)
        synced = rc;
    return error ? error : synced;
}

// Bytes of NTFS's largest file record (4 KiB sectors); most have 1 KiB.
constexpr int kLargestRecord = 4096;

// NTFS keeps a small folder's entries in the folder's own file record, and
// when they move out into index blocks or go, their bytes stay past the
// record's end. A random named stream (ntfs-3g gives user attributes as
// streams) lies in the record while it fits there, and takes a cluster of
// its own once it does not: the largest that fits, found by halving, covers
// that end. Each is removed at once. 0, or why it did not get through.
int overwriteRecordEnd(int dirFd)
{
    static constexpr char kStream[] = "user.__velmora_scrub";
    // One a killed erase left behind is ours to take first.
    platform::removeExtendedAttribute(dirFd, kStream);
    int fits = 0;
    int fitsNot = kLargestRecord;
    QByteArray value;
    while (fitsNot - fits > 8) {
        const int size = (fits + fitsNot) / 2 / 8 * 8;
        if (size <= fits)
            break;
        value.resize(size);
        platform::systemRandom(value.data(), std::size_t(size));
        platform::Space before, after;
        if (const int rc = platform::spaceOf(dirFd, &before))
            return rc;
        const int rc = platform::setExtendedAttribute(dirFd, kStream, value, true);
        if (rc == 0) {
            const bool inRecord =
                platform::spaceOf(dirFd, &after) == 0 && after.free >= before.free;
            if (const int removed = platform::removeExtendedAttribute(dirFd, kStream))
                return removed;
            (inRecord ? fits : fitsNot) = size;
        } else if (rc == ENOSPC || rc == E2BIG || rc == ERANGE) {
            fitsNot = size; // no cluster free for it: it did not fit
        } else {
            return rc;
        }
    }
    return platform::syncAll(dirFd);
}

} // namespace

TreeEraser::Naming TreeEraser::namingOf(int dirFd)
{
    Status st;
    if (platform::statusAt(dirFd, QByteArray(), &st) != 0)
        return {};
    if (const auto known = naming.find(st.device); known != naming.end())
        return known->second;
    const platform::Mount *mount = platform::mountOf(mounts, dirFd);
    Naming way;
    if (mount) {
        way.room = nameRoomOf(mount->fsType);
        // A scrub would take many times as long as the erase.
        if (mount->slowDriver()) {
            way.scrubs = false;
            ctx.warn(QCoreApplication::translate(
                         "TreeEraser", "⚠️ The names of erased files may remain in the free "
                                       "entries of their folders on %1: its driver (%2) is too "
                                       "slow to overwrite them.")
                         .arg(displayName(mount->mountPoint),
                              QString::fromUtf8(mount->mountType.mid(5))));
        }
    }
    naming.emplace(st.device, way);
    return way;
}

void TreeEraser::noteNamesGone(int dirFd, const std::vector<int> &lengths, qint64 allocated)
{
    Status st;
    if (lengths.empty() || platform::statusAt(dirFd, QByteArray(), &st) != 0)
        return;
    const auto key = std::make_pair(st.device, st.inode);
    auto found = slotFolders.find(key);
    if (found == slotFolders.end()) {
        const platform::Mount *mount = platform::mountOf(mounts, dirFd);
        if (!mount || !mount->fs().folders.scrubbed)
            return;
        if (!namingOf(dirFd).scrubs)
            return; // said once for the volume
        if (slotFolders.size() >= kMaxSlotFolders) {
            ++slotFoldersLeft;
            return;
        }
        int error = 0;
        Fd fd = platform::openFolderAt(dirFd, QByteArray(), &error);
        if (!fd.valid())
            return;
        found = slotFolders.emplace(key, Slots{std::move(fd), {}, 0, mount->fsType, 0}).first;
    }
    found->second.lengths.insert(lengths.begin(), lengths.end());
    found->second.names += qint64(lengths.size());
    found->second.allocated = std::max(found->second.allocated, allocated);
}

void TreeEraser::scrubFolder(std::pair<quint64, quint64> key)
{
    const auto found = slotFolders.find(key);
    if (found == slotFolders.end())
        return;
    Slots &folder = found->second;
    Status st;
    const bool known = platform::statusAt(folder.fd.get(), QByteArray(), &st) == 0;
    // A folder that shrank or went gave space back, names and all: no scrub
    // reaches it there.
    const qint64 left = known && st.links > 0 ? st.allocated : 0;
    if (known && left < folder.allocated) {
        switch (platform::fileSystem(folder.fsType).folders.givenBack) {
        case ScrubWay::GivenBack::WrittenFirst:
            if (notWrittenFirst.count(st.device) && givenBackNoted.insert(st.device).second)
                ctx.warn(QCoreApplication::translate(
                             "TreeEraser", "⚠️ The names erased from %1 may remain in blocks "
                                           "its folder gave back to the volume (XFS); wipe the "
                                           "volume's free space to reach them.")
                             .arg(displayName(platform::pathOf(folder.fd.get()))));
            break;
        case ScrubWay::GivenBack::Filled:
            // Once every folder is done.
            if (const platform::Mount *mount = platform::mountOf(mounts, folder.fd.get()))
                gaveBack.emplace(st.device, mount->mountPoint);
            freedBytes[st.device] += folder.allocated - left;
            break;
        case ScrubWay::GivenBack::Never:
            break;
        }
    }
    // Removed meanwhile: what its blocks held is free space now.
    if (!ctx.stopped() && known && st.links > 0) {
        const ScrubWay way = platform::fileSystem(folder.fsType).folders;
        const qint64 perName =
            way.count == ScrubWay::Count::PerRename
                ? qint64(hidingLengths(*folder.lengths.rbegin()).size())
                : way.count == ScrubWay::Count::PerName;
        const qint64 perLength = perName > 0 ? folder.names * perName + 8 : 0;
        int rc = scrubSlots(folder.fd.get(), folder.lengths, perLength, way.links, way.shorter,
                            ctx);
        if (rc == 0 && platform::fileSystem(folder.fsType).recordEnd)
            rc = overwriteRecordEnd(folder.fd.get());
        if (rc != 0)
            ctx.warn(QCoreApplication::translate(
                         "TreeEraser", "⚠️ The names erased from %1 may remain in its free "
                                       "entries: %2")
                         .arg(displayName(platform::pathOf(folder.fd.get())),
                              platform::errorText(rc)));
        else
            ++foldersScrubbed;
    }
    slotFolders.erase(found);
}

void TreeEraser::writeFolderFirst(int dirFd, const std::vector<std::vector<int>> &lengths)
{
    Status st;
    if (lengths.empty() || platform::statusAt(dirFd, QByteArray(), &st) != 0 ||
        st.allocated <= 0 || notWrittenFirst.count(st.device))
        return; // its names are in its inode, which stays
    const platform::Mount *mount = platform::mountOf(mounts, dirFd);
    if (!mount)
        return;
    const ScrubWay way = mount->fs().folders;
    if (way.givenBack != ScrubWay::GivenBack::WrittenFirst || !namingOf(dirFd).scrubs)
        return;
    // The renames left the names they took in free entries.
    std::set<int> taken;
    for (const std::vector<int> &item : lengths)
        taken.insert(item.front());
    int rc = ctx.stopped() ? ECANCELED : scrubSlots(dirFd, taken, 0, way.links, way.shorter, ctx);
    if (rc == 0 && ctx.stopped())
        rc = ECANCELED;
    if (rc == 0)
        rc = platform::writeMetadataInPlace(dirFd);
    if (rc != 0)
        notWrittenFirst.insert(st.device);
}

void TreeEraser::scrubFolderSlots()
{
    while (!slotFolders.empty() && !ctx.stopped())
        scrubFolder(slotFolders.begin()->first);
    slotFolders.clear();
    fillWhatFoldersGaveBack();
    const int scrubbed = std::exchange(foldersScrubbed, 0);
    if (scrubbed > 0)
        ctx.info(QCoreApplication::translate(
                     "TreeEraser", "🧹 The free entries of %n folder(s) that held erased "
                                   "names were overwritten.",
                     nullptr, scrubbed));
    if (slotFoldersLeft > 0)
        ctx.warn(QCoreApplication::translate(
                     "TreeEraser", "⚠️ The names erased from %n more folder(s) may remain in "
                                   "their free entries; wipe the volume's free space to reach "
                                   "them.",
                     nullptr, int(slotFoldersLeft)));
    slotFoldersLeft = 0;
}

void TreeEraser::fillWhatFoldersGaveBack()
{
    // A margin for free clusters below those the erase freed, which the
    // fill takes first.
    constexpr qint64 kMargin = 4 * 1024 * 1024;
    for (const auto &[device, mountPoint] : gaveBack) {
        if (ctx.stopped())
            break;
        int rc = 0;
        const Fd folder = platform::openFolderPath(mountPoint, true, &rc);
        const platform::Mount *mount = folder.valid() ? platform::mountOf(mounts, folder.get())
                                                      : nullptr;
        const QString shown = displayName(mountPoint);
        if (folder.valid())
            rc = fillFreedSpace(folder.get(), freedBytes[device] + kMargin, ctx);
        // A driver that hands out the lowest free clusters first has the
        // fill take what was just freed; of other drivers it is not known.
        if (rc == 0 && mount && mount->fs().lowestFirstDrivers.contains(mount->mountType)) {
            ctx.info(QCoreApplication::translate(
                         "TreeEraser", "🧹 The space the erased files and their folders gave "
                                       "back to %1 was overwritten.")
                         .arg(displayName(mount->mountPoint)));
        } else if (rc != ECANCELED) {
            ctx.warn(QCoreApplication::translate(
                         "TreeEraser", "⚠️ The names erased from folders of %1 may remain in "
                                       "space the folders gave back to the volume (exFAT); wipe "
                                       "the volume's free space to reach them.")
                         .arg(shown));
        }
    }
    gaveBack.clear();
}

void TreeEraser::tellOlderCopies()
{
    for (const auto &[device, copies] : olderCopies)
        if (copies.bytes > 0)
            ctx.warn(QCoreApplication::translate(
                         "TreeEraser", "⚠️ Up to %1 of older copies of what was erased may "
                                       "remain on %2 until its free space is wiped.")
                         .arg(QLocale().formattedDataSize(copies.bytes), copies.mountPoint));
    olderCopies.clear();
}

void TreeEraser::pushNamesOutOfJournals()
{
    for (const auto &[folder, fsType] : journalFolders)
        if (ctx.stopped() || !pushNamesOutOfJournal(folder.get(), fsType, namesRemoved, ctx))
            return;
}

void TreeEraser::trimVolumes()
{
    // Only devices: a network, FUSE or memory file system has no drive to
    // tell, and saying so once per erase would be noise.
    for (const auto &[folder, fsType] : journalFolders) {
        if (ctx.stopped())
            return;
        const platform::Mount *mount = platform::mountOf(mounts, folder.get());
        if (mount && mount->source.startsWith("/dev/") && !platform::isFuse(folder.get())) {
            // What the erase freed is free once committed: btrfs keeps the
            // blocks of a transaction still open out of the TRIM.
            platform::syncFileSystem(folder.get());
            trimFreeBlocks(folder.get(), mount, ctx);
        }
    }
}

bool TreeEraser::isMountBelow(const Folder &folder, const Status &st) const
{
    return st.isMountBelow(folder.st);
}

void TreeEraser::removePlain(int dirFd, const QByteArray &name, const QString &shown,
                             const QString &doneLine, bool asProblem)
{
    const int rc = platform::removeAt(dirFd, name, false);
    if (rc != 0) {
        problemWithReason(notGoneLine, shown, rc);
    } else if (asProblem) {
        problem(doneLine, shown);
    } else {
        ctx.removed(shown);
        ctx.erased(doneLine.arg(shown), shown);
    }
}

void TreeEraser::noteOlderCopies(int dirFd, const Status &st)
{
    if (plainDevices.contains(st.device))
        return;
    auto found = olderCopies.find(st.device);
    if (found == olderCopies.end()) {
        const platform::Mount *mount = platform::mountOf(mounts, dirFd);
        if (!mount || !mount->fs().copyOnWrite) {
            plainDevices.insert(st.device);
            return;
        }
        found = olderCopies.emplace(st.device, OlderCopies{displayName(mount->mountPoint), 0}).first;
    }
    found->second.bytes += std::max<qint64>(st.allocated, st.size);
}

void TreeEraser::eraseFile(Folder &folder, Batch &batch, const QByteArray &name, const Status &st,
                           const QString &shown)
{
    noteOlderCopies(folder.fd.get(), st);
    Names *names = nullptr;
    if (st.links > 1) {
        names = &multiNamed[{st.device, st.inode}];
        if (names->inSelection < st.links) {
            removePlain(folder.fd.get(), name, shown,
                        QCoreApplication::translate(
                            "TreeEraser",
                            "⚠️ Only this name was removed: other links outside the "
                            "selection keep its content readable: %1"),
                        true);
            return;
        }
        if (names->overwritten) {
            batch.add(name, st, shown, Batch::Erased);
            return;
        }
    }

    ctx.info(QCoreApplication::translate("TreeEraser", "🔄 Wiping: %1").arg(shown));
    ctx.atItem(shown);
    int error = 0;
    Fd file = platform::openForOverwriteAt(folder.fd.get(), name, &error);
    if (!file.valid()) {
        Status now;
        if (error == ENOENT) {
            problem(QCoreApplication::translate("TreeEraser", "⚠️ File not found: %1"), shown);
        } else if (platform::statusAt(folder.fd.get(), name, &now) == 0 &&
                   (now.type != Type::Regular || !now.sameObject(st))) {
            problem(QCoreApplication::translate(
                        "TreeEraser", "⚠️ Changed while being erased, left alone: %1"),
                    shown);
        } else {
            // Removing a name whose data could not be overwritten would
            // only hide the data from the user: it stays, to be erased
            // once it can be.
            problemWithReason(notGoneLine, shown, error,
                              lockedBecause(folder.fd.get(), name, error));
        }
        return;
    }
    Status opened;
    if (platform::statusAt(file.get(), QByteArray(), &opened) != 0 || !opened.sameObject(st)) {
        problem(QCoreApplication::translate("TreeEraser",
                                            "⚠️ Changed while being erased, left alone: %1"),
                shown);
        return;
    }
    const qint64 size = platform::fileSize(file.get());
    if (size == 0) {
        batch.add(name, st, shown, Batch::Empty);
        return;
    }
    if (size <= kSmallFile && !names) {
        batch.addSmall({std::move(file), name, st, shown, size});
        return;
    }
    const Overwrite outcome = overwriteOpenFile(file.get(), shown, passes, ctx);
    if (outcome.result == OverwriteResult::Overwritten && names)
        names->overwritten = true;
    finishOverwrite(folder.fd.get(), batch, file, name, st, shown, outcome);
}

void TreeEraser::finishOverwrite(int dirFd, Batch &batch, Fd &file, const QByteArray &name,
                                 const Status &st, const QString &shown, const Overwrite &outcome)
{
    // What the file system says to the truncation and the close: network
    // and FUSE file systems may report a failed write-back only here.
    const auto truncateAndClose = [&file] {
        const int truncated = platform::truncateFile(file.get(), 0);
        const int closed = platform::closeFile(file);
        return truncated ? truncated : closed;
    };
    switch (outcome.result) {
    case OverwriteResult::Overwritten: {
        // A size of 0 on the device hides how long the file was.
        const int error = truncateAndClose();
        batch.add(name, st, shown, Batch::Erased, error);
        break;
    }
    case OverwriteResult::VerifyFailed:
        // Not the user's data any more either way: it goes like the others,
        // but is not called erased.
        truncateAndClose();
        batch.add(name, st, shown, Batch::Unverified, outcome.readBack.error, outcome.detail());
        break;
    case OverwriteResult::KeptGrowing:
        truncateAndClose();
        removePlain(dirFd, name, shown,
                    QCoreApplication::translate(
                        "TreeEraser", "⚠️ Kept growing while being erased; what was written "
                                      "meanwhile may remain on the device: %1"),
                    true);
        break;
    case OverwriteResult::Stopped:
        break; // left as it is: the user asked to stop
    default:
        // Part of it may be overwritten, part not: the name stays, so that
        // it can be found and erased again.
        problemWithReason(notGoneLine, shown, outcome.error ? outcome.error : EIO,
                          outcome.detail());
        break;
    }
}

bool TreeEraser::eraseEntry(Folder &folder, Batch &batch, const QByteArray &name, const Status &st,
                            const QString &shown, Folder *descend)
{
    struct Done {
        const TreeEraser &eraser;
        bool counts;
        ~Done()
        {
            if (counts && eraser.itemDone)
                eraser.itemDone();
        }
    } done{*this, st.type != Type::Directory};
    switch (st.type) {
    case Type::Directory: {
        if (isMountBelow(folder, st)) {
            problem(QCoreApplication::translate(
                        "TreeEraser", "⚠️ Not erased, another volume is mounted here: %1"),
                    shown);
            return true;
        }
        int error = 0;
        Folder child{platform::openFolderAt(folder.fd.get(), name, &error), QByteArray(),
                     Status()};
        if (!child.fd.valid()) {
            Status now;
            if (error == ELOOP || error == ENOTDIR) {
                if (platform::statusAt(folder.fd.get(), name, &now) == 0 && now.type == Type::Link)
                    removePlain(folder.fd.get(), name, shown,
                                QCoreApplication::translate("TreeEraser", "🔗 Removed link: %1"),
                                false);
                else
                    problem(QCoreApplication::translate(
                                "TreeEraser", "⚠️ Changed while being erased, left alone: %1"),
                            shown);
            } else if (error != ENOENT) {
                problemWithReason(
                    QCoreApplication::translate("TreeEraser", "⚠️ Could not open folder: %1"),
                    shown, error);
            }
            return true;
        }
        if (platform::statusAt(child.fd.get(), QByteArray(), &child.st) != 0 ||
            !child.st.sameObject(st)) {
            problem(QCoreApplication::translate(
                        "TreeEraser", "⚠️ Changed while being erased, left alone: %1"),
                    shown);
            return true;
        }
        if (descend)
            *descend = std::move(child);
        return true;
    }
    case Type::Link:
        removePlain(folder.fd.get(), name, shown,
                    QCoreApplication::translate("TreeEraser", "🔗 Removed link: %1"), false);
        return true;
    case Type::Regular:
        if (isMountBelow(folder, st)) {
            problem(QCoreApplication::translate(
                        "TreeEraser", "⚠️ Not erased, another volume is mounted here: %1"),
                    shown);
            return true;
        }
        eraseFile(folder, batch, name, st, shown);
        return !ctx.stopped();
    case Type::Other:
        removePlain(folder.fd.get(), name, shown,
                    QCoreApplication::translate("TreeEraser", "🗑️ Removed special file: %1"),
                    false);
        return true;
    case Type::Missing:
        return true;
    }
    return true;
}

// A folder the walk is in, and what of it is left to do.
struct TreeEraser::Level {
    Folder folder;    // its path is that of the selection, at the top level only
    QByteArray name;  // in the folder above
    std::vector<QByteArray> names;
    std::size_t next = 0;
    std::size_t left = 0; // entries that stay, for the clean-up
    std::unique_ptr<Batch> batch;

    Batch &batchOf(TreeEraser &eraser)
    {
        if (!batch)
            batch = std::make_unique<Batch>(eraser, folder.fd.get());
        return *batch;
    }
};

QByteArray TreeEraser::shownPath(const std::vector<Level> &levels, std::size_t depth,
                                 const QByteArray &name)
{
    // The names from the deepest up, until the path would be too long to
    // read; then the selection's path, and an ellipsis for what is left out.
    std::vector<const QByteArray *> parts;
    qsizetype size = name.size();
    std::size_t i = depth;
    for (; i > 1 && size < kShownMax; --i) {
        parts.push_back(&levels[i - 1].name);
        size += levels[i - 1].name.size() + 1;
    }
    QByteArray path = levels.front().folder.path;
    path.reserve(path.size() + size + 8);
    const auto append = [&path](const QByteArray &part) {
        if (!path.endsWith('/'))
            path += '/';
        path += part;
    };
    if (i > 1)
        append(QByteArrayLiteral("\xe2\x80\xa6")); // …
    for (auto part = parts.rbegin(); part != parts.rend(); ++part)
        append(**part);
    if (!name.isEmpty())
        append(name);
    return path;
}

bool TreeEraser::descend(std::vector<Level> &levels, Folder child, const QByteArray &name,
                         const QString &shown, bool quiet)
{
    Level level;
    level.folder = std::move(child);
    level.name = name;
    if (const int rc = platform::readNames(level.folder.fd.get(), &level.names)) {
        if (!quiet)
            problemWithReason(
                QCoreApplication::translate("TreeEraser", "⚠️ Could not list folder: %1"), shown,
                rc);
        return false;
    }
    level.left = level.names.size();
    // Only the deepest levels keep their folders open; one that closes
    // removes what waits in its batch first.
    if (levels.size() > kOpenLevels) {
        Level &far = levels[levels.size() - kOpenLevels];
        far.batch.reset();
        far.folder.fd.reset();
    }
    levels.push_back(std::move(level));
    return true;
}

bool TreeEraser::ascend(std::vector<Level> &levels)
{
    Level &done = levels.back();
    done.batch.reset();
    // Before the folder goes, or stays: once removed, its blocks would keep
    // the erased names where no new entry reaches them.
    scrubFolder({done.folder.st.device, done.folder.st.inode});
    if (levels.size() >= 2) {
        Level &above = levels[levels.size() - 2];
        if (!above.folder.fd.valid()) {
            int error = 0;
            Fd up = platform::openFolderAt(done.folder.fd.get(), QByteArrayLiteral(".."), &error);
            Status st;
            if (!up.valid() || platform::statusAt(up.get(), QByteArray(), &st) != 0 ||
                !st.sameObject(above.folder.st)) {
                // Moved while being erased: what is above is not followed.
                problem(QCoreApplication::translate(
                            "TreeEraser", "⚠️ Changed while being erased, left alone: %1"),
                        displayName(shownPath(levels, levels.size() - 1, QByteArray())));
                levels.pop_back();
                return false;
            }
            above.folder.fd = std::move(up);
        }
    }
    levels.pop_back();
    return true;
}

bool TreeEraser::eraseIn(Folder &root)
{
    // Depth first with a stack of its own: a tree of any depth takes no
    // more than its levels' names, and at most kOpenLevels descriptors.
    std::vector<Level> levels;
    Level top;
    const QString shownRoot = displayName(root.path);
    top.folder = std::move(root);
    if (const int rc = platform::readNames(top.folder.fd.get(), &top.names)) {
        problemWithReason(
            QCoreApplication::translate("TreeEraser", "⚠️ Could not list folder: %1"), shownRoot,
            rc);
        return true;
    }
    levels.push_back(std::move(top));
    while (!levels.empty()) {
        Level &level = levels.back();
        if (level.next >= level.names.size()) {
            if (!ascend(levels))
                return !ctx.stopped(); // the rest of this selection is left alone
            continue;
        }
        if (ctx.stopped())
            return false;
        const QByteArray name = level.names[level.next++];
        Status st;
        if (platform::statusAt(level.folder.fd.get(), name, &st) != 0)
            continue; // gone meanwhile
        const QString shown = displayName(shownPath(levels, levels.size(), name));
        Folder child;
        if (!eraseEntry(level.folder, level.batchOf(*this), name, st, shown, &child))
            return false;
        if (child.fd.valid())
            descend(levels, std::move(child), name, shown, false);
    }
    return true;
}

bool TreeEraser::eraseListed(const QByteArray &path)
{
    const auto [parent, name] = splitPath(path);
    int error = 0;
    Folder folder{platform::openFolderPath(parent, true, &error), parent, Status()};
    Status st;
    if (!folder.fd.valid() || platform::statusAt(folder.fd.get(), name, &st) != 0) {
        const QString shown = displayName(path);
        ctx.info(QCoreApplication::translate("TreeEraser", "🔄 Wiping: %1").arg(shown));
        ctx.atItem(shown);
        problem(QCoreApplication::translate("TreeEraser", "⚠️ File not found: %1"), shown);
        return !ctx.stopped();
    }
    platform::statusAt(folder.fd.get(), QByteArray(), &folder.st);
    noteVolumeOf(folder.fd.get());
    // The entry is shown as it was listed, not re-joined.
    folder.path = path.left(path.size() - name.size());
    while (folder.path.size() > 1 && folder.path.endsWith('/'))
        folder.path.chop(1);
    if (st.type == Type::Directory)
        return true;
    Batch batch(*this, folder.fd.get());
    return eraseEntry(folder, batch, name, st, displayName(joinPath(folder.path, name)), nullptr);
}

bool TreeEraser::eraseBelow(const QByteArray &path)
{
    Status st;
    if (platform::statusAt(platform::kWorkingFolder, path, &st) != 0)
        return true;
    if (st.type == Type::Link)
        return eraseListed(path); // a link to a folder goes as a link
    int error = 0;
    Folder folder{platform::openFolderPath(path, false, &error), path, Status()};
    if (!folder.fd.valid() || platform::statusAt(folder.fd.get(), QByteArray(), &folder.st) != 0) {
        problem(QCoreApplication::translate("TreeEraser", "⚠️ Could not open folder: %1"),
                displayName(path));
        return true;
    }
    // The journal pass works in the folder that holds the selection (the
    // selection goes), if it lies on the same volume.
    const auto [parentPath, ownName] = splitPath(path);
    Fd parent = platform::openFolderPath(parentPath, true, &error);
    Status parentSt;
    const bool sameVolume = parent.valid() &&
                            platform::statusAt(parent.get(), QByteArray(), &parentSt) == 0 &&
                            !folder.st.isMountBelow(parentSt);
    noteVolumeOf(sameVolume ? parent.get() : folder.fd.get());
    return eraseIn(folder);
}

bool TreeEraser::cleanIn(Folder &root, bool removeLinks)
{
    // Deepest first, without recursion: a folder found empty once its own
    // entries are done is removed through the batch of the folder above.
    std::vector<Level> levels;
    Level top;
    top.folder = std::move(root);
    if (platform::readNames(top.folder.fd.get(), &top.names) != 0)
        return false;
    top.left = top.names.size();
    levels.push_back(std::move(top));
    for (;;) {
        Level &level = levels.back();
        if (level.next >= level.names.size()) {
            const bool empty = level.left == 0;
            if (levels.size() == 1) {
                level.batch.reset();
                return empty;
            }
            const QByteArray name = level.name;
            const Status st = level.folder.st;
            const QString shown = displayName(shownPath(levels, levels.size() - 1, name));
            if (!ascend(levels))
                return false;
            if (empty) {
                Level &above = levels.back();
                above.batchOf(*this).add(name, st, shown, Batch::EmptyFolder);
                --above.left;
            }
            continue;
        }
        const QByteArray name = level.names[level.next++];
        Status st;
        if (platform::statusAt(level.folder.fd.get(), name, &st) != 0) {
            --level.left;
            continue;
        }
        const QString shown = displayName(shownPath(levels, levels.size(), name));
        const int dirFd = level.folder.fd.get();
        if (st.type == Type::Regular && isShortcut(name) && !isMountBelow(level.folder, st)) {
            if (platform::removeAt(dirFd, name, false) == 0) {
                ctx.removed(shown);
                ctx.info(
                    QCoreApplication::translate("TreeEraser", "🗑️ Removed shortcut: %1")
                        .arg(shown));
                --level.left;
            }
        } else if (st.type == Type::Link && removeLinks) {
            if (platform::removeAt(dirFd, name, false) == 0) {
                ctx.removed(shown);
                ctx.info(
                    QCoreApplication::translate("TreeEraser", "🔗 Removed link: %1").arg(shown));
                --level.left;
            }
        } else if (st.type == Type::Directory && !isMountBelow(level.folder, st)) {
            int error = 0;
            Folder child{platform::openFolderAt(dirFd, name, &error), QByteArray(), Status()};
            if (!child.fd.valid() ||
                platform::statusAt(child.fd.get(), QByteArray(), &child.st) != 0 ||
                !child.st.sameObject(st))
                continue;
            descend(levels, std::move(child), name, shown, true);
        }
    }
}

void TreeEraser::cleanUp(const QByteArray &path, bool withItself, bool removeLinks)
{
    Status st;
    if (platform::statusAt(platform::kWorkingFolder, path, &st) != 0 || st.type != Type::Directory)
        return;
    int error = 0;
    Folder folder{platform::openFolderPath(path, false, &error), path, Status()};
    if (!folder.fd.valid() || platform::statusAt(folder.fd.get(), QByteArray(), &folder.st) != 0)
        return;
    const bool empty = cleanIn(folder, removeLinks);
    if (!empty || !withItself)
        return;
    const auto [parent, name] = splitPath(path);
    Fd parentFd = platform::openFolderPath(parent, true, &error);
    if (!parentFd.valid())
        return;
    Batch batch(*this, parentFd.get());
    batch.add(name, folder.st, displayName(path), Batch::EmptyFolder);
}

namespace
{

// A depth-first walk of the folders below one folder, on its volume, with a
// stack of its own: any depth takes no more than its levels' names, and at
// most kOpenLevels descriptors; a level closed on the way down is opened
// again through ".." on the way up, and must be the folder it was.
class FolderWalk
{
  public:
    struct Level {
        Fd fd;
        Status st;
        QByteArray name; // the path, for the first level
        std::vector<QByteArray> names;
        std::size_t next = 0;
    };

    // Starts at the folder `fd`; false when it cannot be listed.
    bool start(Fd fd, const QByteArray &path)
    {
        Status st;
        return fd.valid() && platform::statusAt(fd.get(), QByteArray(), &st) == 0 &&
               enter(std::move(fd), st, path);
    }

    // The path of `name` in the deepest level, built when asked: a path
    // kept per level would take memory as the square of the depth.
    QByteArray pathOf(const QByteArray &name) const
    {
        QByteArray path = levels.front().name;
        for (std::size_t i = 1; i < levels.size(); ++i)
            path = joinPath(path, levels[i].name);
        return joinPath(path, name);
    }

    // The next entry of the deepest level that is not the root of another
    // mount, with its status; false when the walk is over.
    bool next(QByteArray *name, Status *st)
    {
        while (!levels.empty()) {
            Level &level = levels.back();
            if (level.next >= level.names.size()) {
                leave();
                continue;
            }
            *name = level.names[level.next++];
            if (platform::statusAt(level.fd.get(), *name, st) == 0 && !st->isMountBelow(level.st))
                return true;
        }
        return false;
    }

    // Goes into the folder `name` of the deepest level, which `st` describes.
    void enter(const QByteArray &name, const Status &st)
    {
        Level &level = levels.back();
        int error = 0;
        Fd child = platform::openFolderAt(level.fd.get(), name, &error);
        Status opened;
        if (child.valid() && platform::statusAt(child.get(), QByteArray(), &opened) == 0 &&
            opened.sameObject(st))
            enter(std::move(child), opened, name);
    }

  private:
    bool enter(Fd fd, const Status &st, const QByteArray &name)
    {
        Level level{std::move(fd), st, name, {}, 0};
        if (platform::readNames(level.fd.get(), &level.names) != 0)
            return false;
        if (levels.size() > kOpenLevels)
            levels[levels.size() - kOpenLevels].fd.reset();
        levels.push_back(std::move(level));
        return true;
    }

    void leave()
    {
        if (levels.size() >= 2) {
            Level &above = levels[levels.size() - 2];
            if (!above.fd.valid()) {
                int error = 0;
                Fd up = platform::openFolderAt(levels.back().fd.get(), QByteArrayLiteral(".."),
                                               &error);
                Status st;
                if (!up.valid() || platform::statusAt(up.get(), QByteArray(), &st) != 0 ||
                    !st.sameObject(above.st)) {
                    // Moved meanwhile: what is above is not followed.
                    levels.clear();
                    return;
                }
                above.fd = std::move(up);
            }
        }
        levels.pop_back();
    }

    std::vector<Level> levels;
};

} // namespace

void TreeEraser::countNames(const QByteArray &path, bool folder)
{
    Status st;
    if (!folder) {
        if (platform::statusAt(platform::kWorkingFolder, path, &st) == 0 &&
            st.type == Type::Regular && st.links > 1)
            ++multiNamed[{st.device, st.inode}].inSelection;
        return;
    }
    int error = 0;
    FolderWalk walk;
    if (!walk.start(platform::openFolderPath(path, false, &error), path))
        return;
    QByteArray name;
    while (walk.next(&name, &st)) {
        if (st.type == Type::Regular && st.links > 1)
            ++multiNamed[{st.device, st.inode}].inSelection;
        else if (st.type == Type::Directory)
            walk.enter(name, st);
    }
}

void listTree(const QByteArray &folder, const std::function<void(const QByteArray &)> &visit)
{
    platform::raiseDescriptorLimit();
    int error = 0;
    FolderWalk walk;
    if (!walk.start(platform::openFolderPath(folder, true, &error), folder))
        return;
    QByteArray name;
    Status st;
    while (walk.next(&name, &st)) {
        if (st.type == Type::Directory)
            walk.enter(name, st);
        else
            visit(walk.pathOf(name));
    }
}

} // namespace velmora
