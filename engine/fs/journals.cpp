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

bool hasJbd2Journal(const QByteArray &fsType)
{
    return platform::fileSystem(fsType).journal == platform::FileSystem::Journal::Jbd2;
}

} // namespace

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

bool canEmptyJournal(int fd, const QByteArray &fsType)
{
    return hasJbd2Journal(fsType) &&
           platform::checkpointJournal(fd, platform::JournalCheckpoint::Probe) == 0;
}

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

} // namespace velmora::freespace

namespace velmora
{

using namespace freespace;

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
        ctx.info(QCoreApplication::translate("FreeSpace",
                                             "🔄 Pushing the erased names out of the journal..."));
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
    ctx.problem(
        JobEvent{JobEvent::Kind::Problem,
                 QCoreApplication::translate(
                     "FreeSpace", "❌ Pushing the erased names out of the journal failed on %1: %2")
                     .arg(volume, platform::errorText(rc)),
                 volume, rc, QString(), true});
    return false;
}

int trimFreeBlocks(int fd, const platform::Mount *mount, JobContext &ctx)
{
    platform::Space beforeTrim;
    platform::spaceOf(fd, &beforeTrim);
    quint64 trimmed = 0;
    const int rc = platform::trimFreeSpace(fd, &trimmed);
    if (rc == 0 && trimmed <= beforeTrim.free)
        ctx.info(QCoreApplication::translate(
                     "FreeSpace", "✂️ Free blocks discarded on the device (TRIM): %1 MB")
                     .arg(megabytesText(trimmed)));
    else if (rc == 0) // the kernel counts what it looked at, not what it discarded
        ctx.info(QCoreApplication::translate(
            "FreeSpace",
            "✂️ The file system's free space was discarded on the device (TRIM)."));
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

} // namespace velmora
