// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/platform/filesystems.h"

#include <QHash>

namespace velmora::platform
{

namespace
{

using Scrub = FileSystem::FolderScrub;

FileSystem ext(const char *type, FileSystem::Journal journal, FileSystem::Reserve reserve)
{
    FileSystem fs;
    fs.type = type;
    fs.known = true;
    fs.folders = {true, true, true, Scrub::GivenBack::Never, Scrub::Count::PerRename};
    fs.journal = journal;
    fs.reserve = reserve;
    fs.namePhase = FileSystem::NamePhase::Journal;
    return fs;
}

FileSystem xfs()
{
    FileSystem fs;
    fs.type = "xfs";
    fs.known = true;
    fs.folders = {true, true, true, Scrub::GivenBack::WrittenFirst, Scrub::Count::UntilGrown};
    fs.journal = FileSystem::Journal::XfsLog;
    fs.reserve = FileSystem::Reserve::Xfs;
    fs.namePhase = FileSystem::NamePhase::Log;
    fs.keepsBlocksAside = true;
    return fs;
}

// NTFS, FAT and exFAT count names in UTF-16 units and make no links; new
// entries go where old ones were.
FileSystem utf16(const char *type, Scrub::GivenBack givenBack)
{
    FileSystem fs;
    fs.type = type;
    fs.known = true;
    fs.utf16Names = true;
    fs.folders = {true, false, false, givenBack, Scrub::Count::PerName};
    return fs;
}

FileSystem fat(const char *type)
{
    FileSystem fs = utf16(type, Scrub::GivenBack::Never);
    fs.shortEntries = true;
    fs.namePhase = FileSystem::NamePhase::RootEntries;
    fs.ownFreeCount = true;
    fs.slowDrivers = {"fuse.fusefat"};
    return fs;
}

FileSystem exfat()
{
    FileSystem fs = utf16("exfat", Scrub::GivenBack::Filled);
    fs.namePhase = FileSystem::NamePhase::RootEntries;
    fs.lowestFirstDrivers = {"fuseblk"};
    return fs;
}

// ntfs-3g; the kernel's ntfs3 keeps user attributes in one attribute of its
// own, not as streams, and its free records are not filled.
FileSystem ntfs3g()
{
    FileSystem fs = utf16("ntfs", Scrub::GivenBack::Never);
    fs.recordEnd = true;
    fs.freeRecords = true;
    return fs;
}

FileSystem copyOnWrite(const char *type)
{
    FileSystem fs;
    fs.type = type;
    fs.known = true;
    fs.copyOnWrite = true;
    fs.freeMetadata = fs.type == "btrfs";
    return fs;
}

FileSystem elsewhere(const char *type, bool network)
{
    FileSystem fs;
    fs.type = type;
    fs.known = true;
    (network ? fs.network : fs.memory) = true;
    return fs;
}

QHash<QByteArray, FileSystem> table()
{
    QHash<QByteArray, FileSystem> all;
    const auto add = [&all](FileSystem fs) { all.insert(fs.type, std::move(fs)); };
    add(ext("ext2", FileSystem::Journal::None, FileSystem::Reserve::None));
    add(ext("ext3", FileSystem::Journal::Jbd2, FileSystem::Reserve::None));
    add(ext("ext4", FileSystem::Journal::Jbd2, FileSystem::Reserve::Ext4));
    add(xfs());
    add(fat("vfat"));
    add(fat("msdos"));
    add(exfat());
    add(ntfs3g());
    add(utf16("ntfs3", Scrub::GivenBack::Never));
    for (const char *type : {"btrfs", "zfs", "bcachefs", "nilfs2", "f2fs", "apfs"})
        add(copyOnWrite(type));
    for (const char *type : {"nfs", "nfs4", "cifs", "smb3", "smbfs", "9p", "ceph", "glusterfs",
                             "afs", "fuse.sshfs", "davfs", "fuse.rclone"})
        add(elsewhere(type, true));
    for (const char *type : {"tmpfs", "ramfs"})
        add(elsewhere(type, false));
    FileSystem rootfs;
    rootfs.type = "rootfs";
    rootfs.systemOnly = true;
    add(rootfs);
    return all;
}

} // namespace

const FileSystem &fileSystem(const QByteArray &type)
{
    static const QHash<QByteArray, FileSystem> all = table();
    static const FileSystem unknown;
    const auto found = all.constFind(type);
    return found == all.constEnd() ? unknown : *found;
}

} // namespace velmora::platform
