// SPDX-License-Identifier: GPL-3.0-or-later

// The free entries of the folders an erase took names from, overwritten by
// new random names once the walk is done, as each file system allows; and
// what folders gave back to their volume, written first, filled or said.

#include "engine/fs/walkparts.h"

#include "engine/core/chunks.h"
#include "engine/fs/freespace.h"
#include "engine/fs/hidingnames.h"
#include "engine/fs/medium.h"
#include "engine/fs/overwrite.h"
#include "engine/fs/paths.h"
#include "engine/fs/verify.h"
#include "engine/platform/platform.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLocale>
#include <algorithm>
#include <cerrno>

#include <set>

namespace velmora
{

using platform::Fd;
using platform::Status;

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
int scrubSlots(int dirFd, const std::set<int> &lengths, qint64 perLength, bool links, bool shorter,
               const JobContext &ctx)
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
        const qint64 perName = way.count == ScrubWay::Count::PerRename
                                   ? qint64(hidingLengths(*folder.lengths.rbegin()).size())
                                   : way.count == ScrubWay::Count::PerName;
        const qint64 perLength = perName > 0 ? folder.names * perName + 8 : 0;
        int rc =
            scrubSlots(folder.fd.get(), folder.lengths, perLength, way.links, way.shorter, ctx);
        if (rc == 0 && platform::fileSystem(folder.fsType).recordEnd)
            rc = overwriteRecordEnd(folder.fd.get());
        if (rc != 0)
            ctx.warn(
                QCoreApplication::translate(
                    "TreeEraser", "⚠️ The names erased from %1 may remain in its free "
                                  "entries: %2")
                    .arg(displayName(platform::pathOf(folder.fd.get())), platform::errorText(rc)));
        else
            ++foldersScrubbed;
    }
    slotFolders.erase(found);
}

void TreeEraser::writeFolderFirst(int dirFd, const std::vector<std::vector<int>> &lengths)
{
    Status st;
    if (lengths.empty() || platform::statusAt(dirFd, QByteArray(), &st) != 0 || st.allocated <= 0 ||
        notWrittenFirst.count(st.device))
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
        ctx.info(
            QCoreApplication::translate("TreeEraser",
                                        "🧹 The free entries of %n folder(s) that held erased "
                                        "names were overwritten.",
                                        nullptr, scrubbed));
    if (slotFoldersLeft > 0)
        ctx.warn(QCoreApplication::translate(
            "TreeEraser",
            "⚠️ The names erased from %n more folder(s) may remain in "
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
        const platform::Mount *mount =
            folder.valid() ? platform::mountOf(mounts, folder.get()) : nullptr;
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

} // namespace velmora
