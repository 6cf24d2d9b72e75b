// SPDX-License-Identifier: GPL-3.0-or-later

// What an erase leaves to each volume it worked on: older copies on
// copy-on-write volumes, said; the names in the journal, pushed out; the
// free blocks, discarded.

#include "engine/core/sizes.h"
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
        ctx.report->addVolume(displayName(mount->mountPoint), mount->fs().copyOnWrite);
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
        found =
            olderCopies.emplace(st.device, OlderCopies{displayName(mount->mountPoint), 0}).first;
    }
    found->second.bytes += std::max<qint64>(st.allocated, st.size);
}

void TreeEraser::tellOlderCopies()
{
    for (const auto &[device, copies] : olderCopies)
        if (copies.bytes > 0)
            ctx.warn(QCoreApplication::translate(
                         "TreeEraser", "⚠️ Up to %1 of older copies of what was erased may "
                                       "remain on %2 until its free space is wiped.")
                         .arg(sizeText(copies.bytes), copies.mountPoint));
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

} // namespace velmora
