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
    const qint64 names = mount && !slowDriver
                             ? namesToCreate(mount->fsType, rootSt.device, space, journalEmptiable)
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
        plannedChunks = std::max<qint64>(0, (ctx.totalUnits() - ctx.doneUnits() - others) / rounds);
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
        const quint64 usual =
            xfsPool ? std::min<quint64>(blocks / 20, 8192) : std::min<quint64>(blocks / 50, 4096);
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
            ctx.problem(
                JobEvent{JobEvent::Kind::Problem,
                         QCoreApplication::translate(
                             "FreeSpace", "❌ Overwriting the names of deleted files failed: %1")
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
    const int rc =
        mount && mount->fs().memory ? EOPNOTSUPP : trimFreeBlocks(rootFd.get(), mount, ctx);
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
