// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the desktop keeps of a file elsewhere: its thumbnails, its place in
// the recent-files lists, its Trash record, the copies editors leave beside
// it. Each is found from the erased file's own path and name, never from
// what a list or a record says, and only among the user's own files.

#include <QByteArray>
#include <QByteArrayList>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace velmora
{

// Where the desktop of the user an erase works for keeps its copies: the
// user's own folders, or, run as root on behalf of a user (pkexec, sudo),
// that user's, with the default folders below that user's home.
struct DesktopHome {
    quint32 user = 0;
    QByteArray home;
    QByteArray cacheHome; // $XDG_CACHE_HOME, ~/.cache
    QByteArray dataHome;  // $XDG_DATA_HOME, ~/.local/share
    bool valid() const { return !home.isEmpty(); }
};
DesktopHome desktopHome();

// The file:// URIs the desktops name `path` by: as GLib escapes it (GNOME,
// Xfce, MATE and GTK programs) and as Qt does (KDE); one where they agree.
QByteArrayList fileUris(const QByteArray &path);
// The path a file:// URI names; empty for any other URI.
QByteArray pathOfFileUri(const QByteArray &uri);

// The copies editors keep beside the files of `files`: vim's .NAME.swp and
// .NAME.swo, Emacs's NAME~ and #NAME#, LibreOffice's .~lock.NAME#, Kate's
// .NAME.kate-swp. Only those that exist as regular files and are not in
// `files` already.
QByteArrayList editorCopies(const QByteArrayList &files);

// A file the desktop made of an erased one.
struct Trace {
    enum Kind { Thumbnail, RecentEntry, TrashRecord };
    Kind kind;
    QByteArray path;
};
// Finds the trace files of erased paths in `home`: their thumbnails in every
// size and failure folder, KDE's recent-document entries that name them, and
// their .trashinfo where they lay in a Trash's files/ folder. Each a regular
// file of the user, in folders not reached through a link. The folders are
// opened, and KDE's entries read, once for all the paths asked about.
class TraceFinder
{
  public:
    explicit TraceFinder(const DesktopHome &home);
    ~TraceFinder();
    std::vector<Trace> of(const QByteArray &path) const;

  private:
    struct Folders;
    DesktopHome home;
    std::unique_ptr<Folders> folders;
};

// The recent-files list (recently-used.xbel) without the bookmarks of
// `paths`: returns how many went, 0 when none named them, -1 with `error`
// where the list is not well-formed (it is then left as it is). Everything
// else in it stays byte for byte. The list's old copy is handed, still open,
// to `overwriteOld` once the new one has taken its name, so that the old
// blocks are overwritten and not only freed.
// `dropped` gets the paths whose bookmarks went.
int dropRecentBookmarks(const DesktopHome &home, const QSet<QByteArray> &paths,
                        const std::function<void(int fd)> &overwriteOld, QString *error,
                        QByteArrayList *dropped = nullptr);
// The same on an xbel document in memory: `out` without those bookmarks.
int withoutBookmarks(const QByteArray &xbel, const QSet<QByteArray> &paths, QByteArray *out,
                     QString *error, QByteArrayList *dropped = nullptr);

// Where the erased `path` was a folder directly in a Trash's files/ folder:
// that Trash's directorysizes cache without its line, the rest byte for byte,
// the old copy handed to `overwriteOld` as above. True when a line went.
bool dropTrashedFolderSize(const QByteArray &path, const DesktopHome &home,
                           const std::function<void(int fd)> &overwriteOld);

// What erasing the user's Trash erases: the entries of files/ and info/ and
// the directorysizes cache of the home Trash and of each mounted volume's
// .Trash-UID or .Trash/UID, where they exist and belong to the user. The
// Trash folders themselves stay.
// As freedesktop.org's Trash format has them: a volume's .Trash only
// when it is a real folder (not a link) with the sticky bit, and each Trash
// folder only when it is a real folder of the user's; each step is opened
// below the one before, never through a link. A Trash passed over for
// another reason than its absence adds a line to `passedOver`.
QByteArrayList trashEntries(const DesktopHome &home, QStringList *passedOver = nullptr);

} // namespace velmora
