// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What Velmora knows of each file system, one entry per type: where it keeps
// names and data, and what an erase or a fill must do to reach them. The one
// place that tells file systems apart by their type's name; the rest of the
// engine asks the entry of a volume's type.

#include <QByteArray>
#include <QByteArrayList>

namespace velmora::platform
{

struct FileSystem {
    QByteArray type; // as the mount table names it ("ext4"); empty for one not known
    // Where it keeps names and data is known; of any other, the job says
    // that names may remain.
    bool known = false;
    // New data goes to new blocks, and the old ones keep what they held
    // until the file system reuses them (btrfs, f2fs, ZFS, …).
    bool copyOnWrite = false;
    bool network = false;
    bool memory = false; // in memory only, gone at power-off
    bool systemOnly = false; // the kernel's own (rootfs), never a volume for files

    // Names: counted in UTF-16 units (NTFS, exFAT, FAT's long names), else
    // in bytes; FAT keeps a name that fits 8.3 in one short entry alone.
    bool utf16Names = false;
    bool shortEntries = false;

    // The free entries of folders, where the file system keeps erased names
    // in them, are scrubbed by new names.
    struct FolderScrub {
        bool scrubbed = false;
        // Names as links to one file (an entry each and no inode); where
        // links cost more or do not exist (NTFS, FAT, exFAT), an empty file
        // each.
        bool links = false;
        // Names of shorter lengths too, for what is left of a free entry
        // once a longer name took part of it (ext2/3/4 and XFS entries vary
        // in size).
        bool shorter = false;
        // Space a folder no longer needs goes back to the volume with the
        // names in it. XFS frees a folder's blocks (once its names fit in its
        // inode, or a block of it is empty) without writing them, and the
        // device keeps what they held when last written in place: the folder
        // is written in place before names go, or else what it gave back is
        // said. exFAT gives clusters back, which a fill of what the erase
        // freed takes.
        enum class GivenBack { Never, WrittenFirst, Filled } givenBack = GivenBack::Never;
        // How many names of each length a scrub makes per erased name: none
        // counted, until the folder grows, which it does once no free entry
        // of it can take one more (XFS); one per rename the name went
        // through, as ext2/3/4 put a new entry into the first free one it
        // fits in; or one, where the folder says nothing of its size (FAT,
        // NTFS) or gives space back (exFAT), and new entries go where old
        // ones were.
        enum class Count { UntilGrown, PerRename, PerName } count = Count::UntilGrown;
    } folders;
    // ntfs-3g: a small folder's entries lie in its file record, and what
    // they left past the record's end is overwritten by a named stream.
    bool recordEnd = false;

    // The journal that keeps copies of names: ext3/ext4's (jbd2), which the
    // kernel empties on request, or XFS's log, which new names push round.
    enum class Journal { None, Jbd2, XfsLog } journal = Journal::None;
    // The blocks it keeps for the administrator or for its own metadata,
    // which a fill borrows (ext4's reserved blocks, XFS's reserve pool).
    enum class Reserve { None, Ext4, Xfs } reserve = Reserve::None;
    // A free-space wipe's names phase: folders of long names take the free
    // entries of the root folder and free inodes, and push the journal
    // round (ext2/3/4, XFS), or take the root folder's free entries (FAT,
    // exFAT); none where names lie where new folders do not reach.
    enum class NamePhase { None, Journal, Log, RootEntries } namePhase = NamePhase::None;
    // What a free-space wipe fills besides the data blocks: NTFS's free file
    // records (ntfs-3g), btrfs's free metadata space.
    bool freeRecords = false;
    bool freeMetadata = false;
    // FAT counts its free clusters in its own table, which a driver may
    // not go by (fusefat reports no blocks; FAT32's count goes stale).
    bool ownFreeCount = false;
    // XFS sets blocks of each allocation group aside that no file can be
    // given, and counts them in its own trees.
    bool keepsBlocksAside = false;

    // FUSE drivers (the mount table's type) that make new entries too
    // slowly for anything that overwrites names with new ones: fusefat takes
    // a fifth of a second for each (a rename, a fiftieth), and longer the
    // more its folder holds.
    QByteArrayList slowDrivers;
    // Drivers known to hand out the lowest free clusters first, so that a
    // fill takes what an erase just freed (exfat-fuse).
    QByteArrayList lowestFirstDrivers;
};

// The entry of the file system type `type`; an empty one (known false) for
// a type not in the table.
const FileSystem &fileSystem(const QByteArray &type);

} // namespace velmora::platform
