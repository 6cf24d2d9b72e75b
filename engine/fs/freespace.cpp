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

namespace velmora
{

using namespace freespace;

QStringList swapInTheClear(const std::vector<platform::Swap> &swaps)
{
    QStringList names;
    for (const platform::Swap &swap : swaps)
        if (!swap.encrypted && !swap.inMemory)
            names.append(displayName(swap.name));
    return names;
}

namespace
{

// Space the fill cannot reach as who runs it: the pool ext4 and XFS keep
// back from everyone, which root may lend to the fill and gets back when
// this goes (a new mount sets it anew, should this process be killed).
struct ReserveLent {
    QByteArray fsType;
    JobContext &ctx;
    QByteArray mountPoint;
    int fd = -1;
    quint64 blocks = 0;
    ReserveLent(QByteArray fsType, JobContext &ctx, QByteArray mountPoint)
        : fsType(std::move(fsType)), ctx(ctx), mountPoint(std::move(mountPoint))
    {
    }
    ReserveLent(const ReserveLent &) = delete;
    ReserveLent &operator=(const ReserveLent &) = delete;
    ~ReserveLent()
    {
        if (fd >= 0 && platform::setReserve(fsType, fd, blocks) == 0 && ctx.journal)
            ctx.journal->gaveBack(mountPoint);
    }

    // Lends all of it but what XFS keeps (see below) to the fill on the
    // volume whose root is `rootFd`; returns the bytes the fill still
    // cannot reach of it.
    quint64 lend(int rootFd, const platform::Space &space)
    {
        const platform::FileSystem::Reserve reserve = platform::fileSystem(fsType).reserve;
        if (reserve == platform::FileSystem::Reserve::None)
            return 0;
        const bool xfsPool = reserve == platform::FileSystem::Reserve::Xfs;
        // What the kernel sets at mount; also where a killed wipe left none.
        const quint64 total = space.total / space.blockSize;
        const quint64 usual =
            xfsPool ? std::min<quint64>(total / 20, 8192) : std::min<quint64>(total / 50, 4096);
        if (platform::reserveOf(fsType, rootFd, &blocks) != 0 || blocks == 0)
            blocks = usual;
        // Noted before it is lent: a kill right after must find it.
        if (ctx.journal)
            ctx.journal->lentReserve(mountPoint, fsType, blocks);
        // XFS keeps a few blocks back all the same: without any, it takes
        // the last writes of a fill and then cannot put them on the device
        // (their write-back fails with ENOSPC), and the blocks keep what
        // they held.
        const quint64 kept = xfsPool ? std::min(blocks, kXfsKeptReserve) : 0;
        if (platform::setReserve(fsType, rootFd, kept) == 0) {
            fd = rootFd;
            return kept * space.blockSize;
        }
        if (ctx.journal)
            ctx.journal->gaveBack(mountPoint);
        return blocks * space.blockSize;
    }
};

// One free-space wipe, step by step: where it fills from and how much, the
// fill's passes, the names phase, and what it says of what may remain.
class FreeSpaceWipe
{
  public:
    FreeSpaceWipe(const QString &root, const QString &fileName, const QString &failureLine,
                  JobContext &ctx)
        : root(root), fileName(fileName), failureLine(failureLine), ctx(ctx)
    {
    }

    // False (said) when the volume cannot be opened or measured.
    bool open();
    // What the fill, the names phase and the record fill are to do.
    bool plan(int passes, quint64 byteBound);
    void lendReserve();
    // Each returns false when the job must end (said); true also when
    // stopped, which `stopped` then tells.
    bool fill(int passes);
    bool overwriteNamesAndJournal();
    void sayWhatRemains();
    bool stopped = false;

  private:
    void fillFromUserFolder();
    bool namesFailed(int rc);

    const QString &root;
    const QString &fileName;
    const QString &failureLine;
    JobContext &ctx;
    Fd rootFd;
    Fd fillFd;
    int fillDir = -1;
    Status rootSt;
    platform::Space space;
    platform::Mount volume;
    const platform::Mount *mount = nullptr;
    quint64 ownFree = 0;   // FAT's own count of free bytes, where it is read
    quint64 reachable = 0; // what the fill may take as who runs it
    qint64 plannedChunks = 0;
    quint64 byteLimit = 0;
    bool journalEmptiable = false;
    bool slowDriver = false;
    qint64 names = 0;
    qint64 metadata = 0;
    std::unique_ptr<RecordFill> records;
    qint64 recordUnits = 0;
    std::unique_ptr<ReserveLent> lent;
    // Once the fill holds the volume, what FAT counted free before and the
    // fill files do not hold is what it never reached: clusters its driver
    // would not give, whatever it said. (FAT's table itself is no witness
    // while fusefat has the volume: it lags behind what it hands out.)
    quint64 unreached = 0;
    // What the file system still counts free while the fill holds it: no
    // file could be given it (XFS keeps blocks of each allocation group for
    // its own trees, and a few more back from the fill).
    quint64 keptAside = 0;
};

bool FreeSpaceWipe::open()
{
    const QByteArray rootPath = fsBytes(root);
    removeFillLeftovers(rootPath, &ctx);
    int error = 0;
    rootFd = platform::openFolderPath(rootPath, true, &error);
    if (!rootFd.valid() || platform::spaceOf(rootFd.get(), &space) != 0) {
        ctx.fail(failureLine, error);
        return false;
    }
    platform::statusAt(rootFd.get(), QByteArray(), &rootSt);
    fillFromUserFolder();
    fillDir = fillFd.valid() ? fillFd.get() : rootFd.get();
    if (ctx.journal)
        ctx.journal->workingIn(platform::pathOf(fillDir));
    const auto table = platform::mountTable();
    if (const platform::Mount *found = platform::mountOf(table, rootFd.get())) {
        volume = *found;
        platform::identifyImageFileSystem(&volume);
        mount = &volume;
        noteMedium(volume, ctx);
    }
    return true;
}

// A volume whose root this user may not write to is filled from a folder
// of theirs on it, as the home folder often is; the space and the names
// reach the same free blocks.
void FreeSpaceWipe::fillFromUserFolder()
{
    if (platform::canCreateIn(rootFd.get()) || ctx.userFolder.isEmpty())
        return;
    const QByteArray userPath = fsBytes(ctx.userFolder);
    int error = 0;
    Fd user = platform::openFolderPath(userPath, true, &error);
    Status userSt;
    if (!user.valid() || !platform::canCreateIn(user.get()) ||
        platform::statusAt(user.get(), QByteArray(), &userSt) != 0 ||
        userSt.device != rootSt.device)
        return;
    removeFillLeftovers(userPath, &ctx);
    ctx.info(QCoreApplication::translate("FreeSpace",
                                         "📁 The volume's root is not writable for you; filling "
                                         "its free space from your folder: %1")
                 .arg(displayName(userPath)));
    fillFd = std::move(user);
}

bool FreeSpaceWipe::plan(int passes, quint64 byteBound)
{
    // A driver may count less free space than its file system has: fusefat
    // says nothing of blocks at all, and goes by FAT32's count of free
    // clusters, which goes stale where a stick was pulled out. FAT's own
    // table tells what is free, where its device or image can be read.
    const QByteArray fatBacking =
        mount && mount->fs().ownFreeCount ? platform::backingOf(*mount) : QByteArray();
    if (!fatBacking.isEmpty() && platform::fatFreeBytes(fatBacking, &ownFree) != 0)
        ownFree = 0;
    // The progress counts on the larger of the caller's bound and what is
    // free now; the fill itself goes on until the volume is full, with a
    // guard against a file system that never says so.
    reachable = std::max(platform::effectiveUser() == 0 ? space.free : space.available, ownFree);
    const qint64 callerChunks = qint64(byteBound / quint64(kChunkSize));
    plannedChunks = std::max(callerChunks, qint64(reachable / quint64(kChunkSize)));
    byteLimit = std::max(space.free, ownFree) +
                std::max<quint64>(64ULL << 20, std::max(space.total, ownFree) / 20);
    journalEmptiable = mount && canEmptyJournal(rootFd.get(), mount->fsType);
    // A names phase through fusefat would run for hours.
    slowDriver = mount && mount->slowDriver();
    names = mount && !slowDriver
                ? namesToCreate(mount->fsType, rootSt.device, space, journalEmptiable)
                : 0;
    metadata = mount ? metadataUnits(rootFd.get(), mount->fsType) : 0;
    // NTFS's free records are filled in the last pass, while it holds the
    // volume; how many there are shows only then.
    if (mount && mount->fs().freeRecords && passes > 0) {
        records = std::make_unique<RecordFill>(fillDir);
        if (const int rc = records->prepare(); rc != 0 && !isFull(rc)) {
            ctx.fail(failureLine, rc);
            return false;
        }
    }
    recordUnits = records ? nameUnits(4096) : 0;
    // The read-back of the last pass counts like one more pass.
    const int rounds = passes + (ctx.verify ? 1 : 0);
    if (passes > 0) {
        const qint64 others = nameUnits(names) + metadata + recordUnits;
        ctx.addTotalUnits(qint64(rounds) * (plannedChunks - callerChunks) + others);
        // What is left of the total is the fill's: a volume wipe has counted
        // its files already, within the same bound.
        plannedChunks = std::max<qint64>(0, (ctx.totalUnits() - ctx.doneUnits() - others) / rounds);
    }
    return true;
}

void FreeSpaceWipe::lendReserve()
{
    // The blocks ext4 keeps for root, as someone else, and the pool that
    // root lends.
    quint64 unreachable = reachable < space.free ? space.free - reachable : 0;
    lent = std::make_unique<ReserveLent>(mount ? mount->fsType : QByteArray(), ctx,
                                         mount ? mount->mountPoint : QByteArray());
    unreachable += lent->lend(rootFd.get(), space);
    if (unreachable >= quint64(kChunkSize))
        ctx.warn(QCoreApplication::translate(
                     "FreeSpace", "⚠️ %1 MB of free space are reserved for the system "
                                  "administrator and cannot be overwritten; wipe the "
                                  "free space as root to reach them.")
                     .arg(megabytesText(unreachable)));
}

bool FreeSpaceWipe::fill(int passes)
{
    const std::function<void(quint64, quint64)> measureWhileFull = [this](quint64 held,
                                                                          quint64 allocated) {
        if (ownFree > 0)
            unreached = std::max(unreached, ownFree > held ? ownFree - held : 0);
        // What no file was given, and what the fill files were given past
        // their ends and never written: neither is overwritten.
        quint64 free = 0;
        if (mount && mount->fs().keepsBlocksAside && platform::xfsFreeBytes(fillDir, &free) == 0)
            keptAside = std::max(keptAside, free + (allocated > held ? allocated - held : 0));
    };
    ctx.atPhase(QCoreApplication::translate("FreeSpace", "free space"));
    // Blocks of files deleted just before are free, but a file system may
    // not give them out until the deletion is committed (XFS keeps them
    // busy until its log is written): committed first, the fill reaches them.
    platform::syncFileSystem(rootFd.get());
    for (int pass = 0; pass < passes; ++pass) {
        if ((stopped = ctx.stopped()))
            return true;
        ctx.atPass(pass + 1, passes);
        const bool last = pass == passes - 1;
        switch (fillOnce(fillDir, fileName, failureLine, plannedChunks, byteLimit, space.blockSize,
                         ctx.verify && last, root,
                         last && records && records->prepared() ? records.get() : nullptr,
                         recordUnits, last ? measureWhileFull : decltype(measureWhileFull)(),
                         ctx)) {
        case PassEnd::Stopped:
            stopped = true;
            return true;
        case PassEnd::Failed:
            return false;
        case PassEnd::Done:
            break;
        }
    }
    return true;
}

bool FreeSpaceWipe::namesFailed(int rc)
{
    ctx.problem(JobEvent{JobEvent::Kind::Problem,
                         QCoreApplication::translate(
                             "FreeSpace", "❌ Overwriting the names of deleted files failed: %1")
                             .arg(platform::errorText(rc)),
                         root, rc, QString(), true});
    return false;
}

bool FreeSpaceWipe::overwriteNamesAndJournal()
{
    if (names == 0 && metadata == 0)
        return true;
    ctx.atPass(0, 0);
    ctx.atPhase(QCoreApplication::translate("FreeSpace", "names and journal"));
    ctx.info(QCoreApplication::translate(
        "FreeSpace", "🔄 Overwriting the names of deleted files, free inodes and "
                     "the journal..."));
    platform::spaceOf(rootFd.get(), &space);
    int rc = names > 0 ? overwriteNames(fillDir, names, space, ctx, true,
                                        logRewritten(mount->fsType, rootSt.device))
                       : 0;
    if (rc == 0 && metadata > 0)
        rc = overwriteFreeMetadata(fillDir, metadata, ctx);
    if (rc == 0 && journalEmptiable) {
        if (const int emptied = emptyJournal(rootFd.get(), mount->fsType, ctx);
            emptied != 0 && emptied != ENODEV)
            // Refused after all: the journal is pushed round instead.
            rc = overwriteNames(fillDir, journalNames(mount->fsType, rootSt.device, space), space,
                                ctx, false, {});
    }
    if (rc == ECANCELED)
        return (stopped = true);
    return rc == 0 || namesFailed(rc);
}

void FreeSpaceWipe::sayWhatRemains()
{
    if (unreached > kUnreachedSlack)
        ctx.problem(QCoreApplication::translate(
                        "FreeSpace", "⚠️ %1 MB of the free space of %2 were not overwritten: "
                                     "its file system still counts them free, but its driver "
                                     "took no more. What deleted files left there may remain. "
                                     "Checking the volume while it is not mounted (fsck.fat) "
                                     "puts its count right for the next wipe.")
                        .arg(megabytesText(unreached), root),
                    root);
    // The bar ends at its end, whatever rounding or an early full volume left.
    if (ctx.doneUnits() < ctx.totalUnits())
        ctx.chunksProcessed(ctx.totalUnits() - ctx.doneUnits());
    // Memory has no drive to tell of free blocks.
    const int rc =
        mount && mount->fs().memory ? EOPNOTSUPP : trimFreeBlocks(rootFd.get(), mount, ctx);
    if (slowDriver) {
        ctx.warn(QCoreApplication::translate(
                     "FreeSpace", "⚠️ The names of deleted files may remain on %1: its driver "
                                  "(%2) is too slow to overwrite them.")
                     .arg(root, QString::fromUtf8(mount->mountType.mid(5))));
    } else if (names == 0 && metadata == 0 && !(records && records->filled()) && mount &&
               !mount->fs().memory) {
        ctx.warn(QCoreApplication::translate(
                     "FreeSpace", "⚠️ The names of deleted files may remain on %1: this file "
                                  "system (%2) keeps them where a fill does not reach.")
                     .arg(root, QString::fromUtf8(mount->fsType)));
    }
    // The blocks each allocation group sets aside for its own trees are
    // free, but no file can be given them.
    if (rc != 0 && mount && mount->fs().keepsBlocksAside)
        ctx.warn(QCoreApplication::translate(
                     "FreeSpace", "⚠️ XFS kept %1 MB of the free space of %2 aside while the "
                                  "fill held the volume, in blocks of each allocation group "
                                  "that no file can be given; without TRIM they keep what they "
                                  "held.")
                     .arg(megabytesText(keptAside), root));
}

} // namespace

bool fillFreeSpace(const QString &root, const QString &fileName, int passes, quint64 byteBound,
                   const QString &failureLine, JobContext &ctx)
{
    FreeSpaceWipe wipe(root, fileName, failureLine, ctx);
    if (!wipe.open() || !wipe.plan(passes, byteBound))
        return false;
    wipe.lendReserve();
    if (!wipe.fill(passes))
        return false;
    if (wipe.stopped)
        return true;
    if (!wipe.overwriteNamesAndJournal())
        return false;
    if (!wipe.stopped)
        wipe.sayWhatRemains();
    return true;
}

} // namespace velmora
