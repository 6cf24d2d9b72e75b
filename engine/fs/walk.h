// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Walking and erasing a tree that someone else may be writing to. Every
// folder is reached through its parent's open descriptor and every entry is
// looked at without following links, so a folder swapped for a link, or a
// file swapped for another, is never followed out of the selection. Names
// are bytes. The walks keep their own stack: depth is limited by memory
// alone, and only the deepest folders are kept open.

#include "engine/core/jobcontext.h"
#include "engine/fs/hidingnames.h"
#include "engine/fs/overwrite.h"
#include "engine/platform/platform.h"

#include <QByteArray>
#include <QSet>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace velmora
{

// Calls `visit` with the path of every entry below `folder` that is not a
// folder (hidden ones, links and special files too), parents before
// children. Mounts below `folder` are not entered (bind mounts of folders and
// of single files included); folders that cannot be listed are passed over.
void listTree(const QByteArray &folder, const std::function<void(const QByteArray &)> &visit);
// The same, with each entry's status as the walk found it.
void listTree(const QByteArray &folder,
              const std::function<void(const QByteArray &, const platform::Status &)> &visit);

// The erasing walk shared by the file erase and the volume wipe job.
class TreeEraser
{
  public:
    // `notGoneLine` is the job's line for an item that could not be
    // overwritten or removed; it stays where it is.
    TreeEraser(JobContext &ctx, int passes, QString notGoneLine);
    ~TreeEraser();
    TreeEraser(const TreeEraser &) = delete;
    TreeEraser &operator=(const TreeEraser &) = delete;

    // Counts, for files with several names, how many of those names lie in
    // the selection, so that a file is overwritten only when no name outside
    // it can still reach its content. Call for every selected item before
    // erasing.
    void countNames(const QByteArray &path, bool folder);

    // Erases one selected entry by its path: a file is overwritten and
    // removed, a link removed as a link, anything else removed without
    // overwrite. Returns false when a stop ended it.
    bool eraseListed(const QByteArray &path);
    // Erases everything below the folder at `path` that is not a folder;
    // the folders stay for the clean-up. Returns false when a stop ended it.
    bool eraseBelow(const QByteArray &path);
    // Removes, deepest first, the shortcut files (".lnk") and the folders
    // that are empty below `path` (and `path` itself with `withItself`),
    // each renamed before its removal. With `removeLinks`, links go too.
    void cleanUp(const QByteArray &path, bool withItself, bool removeLinks);

    // Says once per volume what an overwrite in place cannot reach there,
    // and keeps the folder `fd` for pushNamesOutOfJournals().
    void noteVolumeOf(int fd);
    // Once per journaling volume the erase touched: rewrites its journal,
    // which still holds copies of the erased names.
    void pushNamesOutOfJournals();
    // In every folder that stays and held erased names, on file systems
    // that keep names in folder blocks (ext2/3/4, XFS): fills the folder's
    // free entries with new random names of the erased names' lengths, then
    // removes them, so the bytes of the old names are overwritten where
    // they were. Before pushNamesOutOfJournals().
    void scrubFolderSlots();
    // Once per copy-on-write volume the erase worked on: how much of older
    // copies may remain there until its free space is wiped.
    void tellOlderCopies();
    // Once per volume on a device the erase worked on: asks the file system
    // to discard its free blocks, those the erase freed among them (TRIM),
    // and says what came of it. After the journals.
    void trimVolumes();

    // Called once for every entry that is not a folder, when it is done.
    std::function<void()> itemDone;

    class Batch;
    struct Folder;

  private:
    friend class Batch;
    struct Level;
    // The path of `name` below the first `depth` levels, as the log shows it.
    static QByteArray shownPath(const std::vector<Level> &levels, std::size_t depth,
                                const QByteArray &name);
    // Goes into the folder `child`, named `name`; false when it cannot be
    // listed (said unless `quiet`).
    bool descend(std::vector<Level> &levels, Folder child, const QByteArray &name,
                 const QString &shown, bool quiet);
    // Leaves the deepest level; false when the folder above is no longer
    // the one that was left (the walk of this selection then ends).
    bool ascend(std::vector<Level> &levels);
    bool eraseIn(Folder &root);
    // Erases one entry of `folder` that is not a folder; a folder is opened
    // into `*descend` (when given) for the walk to go into.
    bool eraseEntry(Folder &folder, Batch &batch, const QByteArray &name,
                    const platform::Status &st, const QString &shown, Folder *descend);
    void openChild(Folder &folder, const QByteArray &name, const platform::Status &st,
                   const QString &shown, Folder *descend);
    void eraseFile(Folder &folder, Batch &batch, const QByteArray &name, const platform::Status &st,
                   const QString &shown);
    // The file `name` opened to be overwritten, seen to be the one listed;
    // invalid (said) when it cannot be, or is another by now.
    // Removes `name` with nothing to overwrite (a shortcut, a link) and says
    // it with `line`; false when it stays.
    bool removeSaid(int dirFd, const QByteArray &name, const QString &shown, const QString &line);
    platform::Fd openToOverwrite(Folder &folder, const QByteArray &name, const platform::Status &st,
                                 const QString &shown);
    // What follows the overwrite of the open file `fd`, named `name` in the
    // folder `dirFd`, by its outcome.
    // Closes `file`.
    void finishOverwrite(int dirFd, Batch &batch, platform::Fd &file, const QByteArray &name,
                         const platform::Status &st, const QString &shown,
                         const Overwrite &outcome);
    void removePlain(int dirFd, const QByteArray &name, const QString &shown,
                     const QString &doneLine, bool asProblem);
    bool cleanIn(Folder &root, bool removeLinks);
    bool isMountBelow(const Folder &folder, const platform::Status &st) const;
    void problem(const QString &line, const QString &shown);
    // The line with the file system's reason after it.
    void problemWithReason(const QString &line, const QString &shown, int error,
                           const QString &detail = QString());

    JobContext &ctx;
    int passes;
    QString notGoneLine;
    std::vector<platform::Mount> mounts;
    QSet<quint64> notedMounts;
    // Copy-on-write volumes by device, with the bytes of the files erased
    // there: as much of older copies may remain until their free space is
    // wiped.
    struct OlderCopies {
        QString mountPoint;
        qint64 bytes = 0;
    };
    std::map<quint64, OlderCopies> olderCopies;
    QSet<quint64> plainDevices;
    void noteOlderCopies(int dirFd, const platform::Status &st);
    // A folder the erase worked in, per volume, with its file-system type.
    std::vector<std::pair<platform::Fd, QByteArray>> journalFolders;
    // Names the erase has removed (after hiding them), for the journal pass.
    qint64 namesRemoved = 0;
    // Files with several names: how many names the selection holds, and
    // whether the content has been overwritten already.
    struct Names {
        quint64 inSelection = 0;
        bool overwritten = false;
    };
    std::map<std::pair<quint64, quint64>, Names> multiNamed;
    // Folders that held erased names, with those names' lengths.
    struct Slots {
        platform::Fd fd;
        std::set<int> lengths;
        qint64 names = 0;
        QByteArray fsType;
        qint64 allocated = 0; // the most it took before names went
    };
    std::map<std::pair<quint64, quint64>, Slots> slotFolders;
    qint64 slotFoldersLeft = 0; // more than are kept open
    int foldersScrubbed = 0;
    std::set<quint64> givenBackNoted; // devices told of space folders gave back
    // Before names go from an XFS folder held in blocks: its free entries
    // are scrubbed and its blocks written in place, so that a block it gives
    // back holds no name the erase took. The devices where that could not be
    // done, where what folders gave back is said instead.
    void writeFolderFirst(int dirFd, const std::vector<std::vector<int>> &lengths);
    std::set<quint64> notWrittenFirst;
    // Bytes the erase freed on each device, and the mount point of each
    // device where folders gave space back, for fillWhatFoldersGaveBack().
    std::map<quint64, qint64> freedBytes;
    std::map<quint64, QByteArray> gaveBack;
    // Where exFAT folders gave space back, names and all: fills as much as
    // the erase freed there, and says what came of it.
    void fillWhatFoldersGaveBack();
    // How names are hidden on each device, and whether the free entries of
    // their folders are scrubbed there.
    struct Naming {
        NameRoom room;
        bool scrubs = true;
    };
    std::map<quint64, Naming> naming;
    Naming namingOf(int dirFd);
    // The names of `lengths` went from the folder `dirFd`, which took
    // `allocated` bytes before.
    void noteNamesGone(int dirFd, const std::vector<int> &lengths, qint64 allocated);
    // Scrubs the free entries of the folder (device, inode) now, if it held
    // erased names.
    void scrubFolder(std::pair<quint64, quint64> key);
};

} // namespace velmora
