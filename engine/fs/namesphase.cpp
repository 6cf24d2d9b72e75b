// SPDX-License-Identifier: GPL-3.0-or-later

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

// btrfs keeps its trees (and small files' data) in block groups of their
// own, where no data fill reaches: old copies of folder blocks there keep the
// names of deleted files. Each new folder of the metadata
// fill takes a random extended attribute of this size, its inode and its two
// folder entries.
constexpr qsizetype kBtrfsAttributeBytes = 3072;
constexpr qint64 kBtrfsFolderBytes = kBtrfsAttributeBytes + 1024;

} // namespace

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

namespace
{

// A full volume or folder ends a round; anything else is a failure.
bool isEnd(int rc)
{
    return isFull(rc) || rc == EMLINK;
}

// `count` folders of names `length` long in the root folder `rootFd`,
// synced, then removed. They carry the prefix, so that a killed job's are
// told from the user's folders. 0 or an errno value.
int fillRootEntries(int rootFd, qint64 count, qsizetype length)
{
    CreatedFolders root{rootFd, {}};
    for (qint64 i = 0; i < count; ++i) {
        QByteArray name =
            kNamesPrefix + randomName(std::max<qsizetype>(8, length - kNamesPrefix.size()));
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
    return root.removeAll();
}

} // namespace

int overwriteNames(int rootFd, qint64 count, const platform::Space &space, JobContext &ctx,
                   bool counted, const std::function<bool()> &enough)
{
    const qsizetype length = qsizetype(std::min<quint64>(space.nameMax, 255));
    // Whatever a kill leaves here is found again by its prefix.
    if (ctx.journal)
        ctx.journal->workingIn(platform::pathOf(rootFd));

    // First the free slots of the root folder itself, about as many entries
    // as its current size holds; the bulk goes into a folder of its own, so
    // the root folder does not grow for good.
    Status rootSt;
    platform::statusAt(rootFd, QByteArray(), &rootSt);
    const qint64 inRoot = std::min<qint64>(count, 2 * (rootSt.size / (length + 9)) + 16);
    if (const int rc = fillRootEntries(rootFd, inRoot, length))
        return rc;

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

qint64 metadataUnits(int fd, const QByteArray &fsType)
{
    quint64 total = 0, used = 0;
    if (!platform::fileSystem(fsType).freeMetadata ||
        platform::btrfsMetadataSpace(fd, &total, &used) != 0 || total <= used)
        return 0;
    return nameUnits(qint64((total - used) / kBtrfsFolderBytes)) + 1;
}

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

} // namespace velmora::freespace
