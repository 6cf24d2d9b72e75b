// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/fs/traces.h"

#include "engine/fs/paths.h"
#include "engine/platform/platform.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QHash>
#include <QUrl>
#include <QXmlStreamReader>

#include <cerrno>
#include <sys/stat.h>

namespace velmora
{

using platform::Fd;
using platform::Status;
using platform::Type;

namespace
{

// A trace file is at most this large; anything larger is no thumbnail,
// recent entry or list the desktop made.
constexpr qint64 kMaxTraceRead = 64 * 1024 * 1024;

QByteArray parentOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

QByteArray nameOf(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

// The folder at `base` (its own links followed: the user chose where it
// lives), then each of `below` under it, never through a link.
Fd openBelow(const QByteArray &base, const QByteArrayList &below)
{
    int error = 0;
    Fd folder = platform::openFolderPath(base, true, &error);
    for (const QByteArray &name : below) {
        if (!folder.valid())
            break;
        folder = platform::openFolderAt(folder.get(), name, &error);
    }
    return folder;
}

// Whether `name` in the open folder is a regular file of `user`.
bool isUsersFile(int dirFd, const QByteArray &name, quint32 user)
{
    Status st;
    return platform::statusAt(dirFd, name, &st) == 0 && st.type == Type::Regular &&
           st.owner == user;
}

// The contents of the regular file `name` in the open folder; false if it
// cannot be read or is too large to be what it should be.
bool readSmallFile(int dirFd, const QByteArray &name, QByteArray *out)
{
    int error = 0;
    Fd file = platform::openForReadAt(dirFd, name, &error);
    if (!file.valid())
        return false;
    const qint64 size = platform::fileSize(file.get());
    if (size < 0 || size > kMaxTraceRead)
        return false;
    out->resize(size);
    return size == 0 ||
           platform::readAt(file.get(), out->data(), std::size_t(size), 0, &error) == size;
}

// GLib's escaping of a path in a file:// URI: letters, digits and
// -_.!~*'()/:@&=+$, stay, every other byte becomes %XX.
QByteArray glibEscaped(const QByteArray &path)
{
    static const char kHex[] = "0123456789ABCDEF";
    static const QByteArray kKept = QByteArrayLiteral("-_.!~*'()/:@&=+$,");
    QByteArray out;
    out.reserve(path.size() * 3);
    for (const char c : path) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') ||
            kKept.contains(c)) {
            out.append(c);
        } else {
            out.append('%');
            out.append(kHex[b >> 4]);
            out.append(kHex[b & 15]);
        }
    }
    return out;
}

QByteArray md5Hex(const QByteArray &data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Md5).toHex();
}

// The Trash a path directly in a files/ folder belongs to, where it is one
// of the user's: the home Trash, a volume's .Trash-UID or .Trash/UID.
QByteArray trashOf(const QByteArray &path, const DesktopHome &home)
{
    const QByteArray files = parentOf(path);
    if (nameOf(files) != "files")
        return QByteArray();
    const QByteArray trash = parentOf(files);
    const QByteArray uid = QByteArray::number(home.user);
    if (trash == home.dataHome + "/Trash" || nameOf(trash) == ".Trash-" + uid ||
        (nameOf(trash) == uid && nameOf(parentOf(trash)) == ".Trash"))
        return trash;
    return QByteArray();
}

// Puts `data` under `name` in the open folder, in one step, with the old
// file's owner and permissions (`old`); the old file, opened for writing
// before and still open, is then handed to `overwriteOld`, so that its
// blocks are overwritten and not only freed. 0 or an errno value.
int replaceKeepingOld(int dirFd, const QByteArray &name, const QByteArray &data, const Status &old,
                      const std::function<void(int fd)> &overwriteOld)
{
    int error = 0;
    Fd oldForWriting = platform::openForOverwriteAt(dirFd, name, &error);
    Status opened;
    if (!oldForWriting.valid() ||
        platform::statusAt(oldForWriting.get(), QByteArray(), &opened) != 0 ||
        !opened.sameObject(old))
        return error ? error : EAGAIN;
    if ((error = platform::replaceFileAt(dirFd, name, data, old)) != 0)
        return error;
    if (overwriteOld)
        overwriteOld(oldForWriting.get());
    return 0;
}

} // namespace

DesktopHome desktopHome()
{
    DesktopHome home;
    home.user = platform::effectiveUser();
    // Run as root on behalf of a user: that user's desktop, whose folders
    // are the defaults below their home (pkexec leaves no environment).
    quint32 caller = 0;
    if (home.user == 0 && platform::callingUser(&caller)) {
        home.user = caller;
        home.home = platform::homeOfUser(caller);
        if (home.home.isEmpty())
            return DesktopHome();
        home.cacheHome = home.home + "/.cache";
        home.dataHome = home.home + "/.local/share";
        return home;
    }
    home.home = qgetenv("HOME");
    if (home.home.isEmpty())
        home.home = platform::homeOfUser(home.user);
    if (home.home.isEmpty())
        return DesktopHome();
    // A relative value counts as unset, as the XDG folders are defined.
    const QByteArray cache = qgetenv("XDG_CACHE_HOME");
    const QByteArray data = qgetenv("XDG_DATA_HOME");
    home.cacheHome = cache.startsWith('/') ? cache : home.home + "/.cache";
    home.dataHome = data.startsWith('/') ? data : home.home + "/.local/share";
    return home;
}

QByteArrayList fileUris(const QByteArray &path)
{
    QByteArrayList uris{"file://" + glibEscaped(path)};
    const QByteArray qt = QUrl::fromLocalFile(QFile::decodeName(path)).toEncoded();
    if (!uris.contains(qt) && QFile::encodeName(QFile::decodeName(path)) == path)
        uris.append(qt);
    return uris;
}

QByteArray pathOfFileUri(const QByteArray &uri)
{
    if (!uri.startsWith("file://"))
        return QByteArray();
    QByteArray rest = uri.mid(7);
    // An empty or local host only.
    if (!rest.startsWith('/')) {
        if (!rest.startsWith("localhost/"))
            return QByteArray();
        rest = rest.mid(9);
    }
    return QByteArray::fromPercentEncoding(rest);
}

QByteArrayList editorCopies(const QByteArrayList &files)
{
    const QSet<QByteArray> listed(files.begin(), files.end());
    QByteArrayList copies;
    // A listing names the files of a folder one after another: its folder is
    // opened once for them.
    QByteArray parent;
    Fd folder;
    for (const QByteArray &file : files) {
        const QByteArray name = nameOf(file);
        if (name.isEmpty())
            continue;
        if (parentOf(file) != parent || !folder.valid()) {
            parent = parentOf(file);
            int error = 0;
            folder = platform::openFolderPath(parent, true, &error);
        }
        if (!folder.valid())
            continue;
        Status self;
        if (platform::statusAt(folder.get(), name, &self) != 0 || self.type != Type::Regular)
            continue;
        for (const QByteArray &copy :
             {"." + name + ".swp", "." + name + ".swo", name + "~", "#" + name + "#",
              ".~lock." + name + "#", "." + name + ".kate-swp"}) {
            Status st;
            const QByteArray path = joinPath(parent, copy);
            if (platform::statusAt(folder.get(), copy, &st) == 0 && st.type == Type::Regular &&
                !listed.contains(path) && !copies.contains(path))
                copies.append(path);
        }
    }
    return copies;
}

struct TraceFinder::Folders {
    // Each thumbnail folder, with where it is.
    std::vector<std::pair<QByteArray, Fd>> thumbnails;
    Fd recent;
    // KDE's entry files by the path each names.
    QHash<QByteArray, QByteArrayList> recentEntries;
};

TraceFinder::TraceFinder(const DesktopHome &home) : home(home), folders(new Folders)
{
    if (!home.valid())
        return;
    // Thumbnails: in each size folder and in each program's failure folder;
    // the old single folder too. The thumbnail folder itself is never
    // reached through a link.
    const std::pair<QByteArray, QByteArray> roots[] = {{home.cacheHome, "thumbnails"},
                                                       {home.home, ".thumbnails"}};
    for (const auto &[parent, rootName] : roots) {
        Fd root = openBelow(parent, {rootName});
        if (!root.valid())
            continue;
        QByteArrayList subs{"normal", "large", "x-large", "xx-large"};
        int error = 0;
        Fd fail = platform::openFolderAt(root.get(), "fail", &error);
        std::vector<QByteArray> programs;
        if (fail.valid() && platform::readNames(fail.get(), &programs) == 0)
            for (const QByteArray &program : programs)
                subs.append("fail/" + program);
        for (const QByteArray &sub : subs) {
            Fd folder = openBelow(parent, QByteArrayList{rootName} + sub.split('/'));
            if (folder.valid())
                folders->thumbnails.emplace_back(parent + '/' + rootName + '/' + sub,
                                                 std::move(folder));
        }
    }
    // KDE's recent documents: one small entry file per document.
    folders->recent = openBelow(home.dataHome, {"RecentDocuments"});
    std::vector<QByteArray> entries;
    if (!folders->recent.valid() || platform::readNames(folders->recent.get(), &entries) != 0)
        return;
    for (const QByteArray &name : entries) {
        QByteArray text;
        if (!name.endsWith(".desktop") || !isUsersFile(folders->recent.get(), name, home.user) ||
            !readSmallFile(folders->recent.get(), name, &text))
            continue;
        for (const QByteArray &line : text.split('\n')) {
            if (!line.startsWith("URL=") && !line.startsWith("URL[$e]="))
                continue;
            const QByteArray value = line.mid(line.indexOf('=') + 1).trimmed();
            const QByteArray named = value.startsWith('/') ? value : pathOfFileUri(value);
            if (!named.isEmpty())
                folders->recentEntries[named].append(name);
            break;
        }
    }
}

TraceFinder::~TraceFinder() = default;

std::vector<Trace> TraceFinder::of(const QByteArray &path) const
{
    std::vector<Trace> traces;
    if (!home.valid() || path.isEmpty())
        return traces;
    auto take = [&](Trace::Kind kind, int folder, const QByteArray &folderPath,
                    const QByteArray &name) {
        if (folder >= 0 && isUsersFile(folder, name, home.user))
            traces.push_back({kind, joinPath(folderPath, name)});
    };
    // Thumbnails are named by the MD5 of the URI.
    for (const QByteArray &uri : fileUris(path)) {
        const QByteArray name = md5Hex(uri) + ".png";
        for (const auto &[folderPath, folder] : folders->thumbnails)
            take(Trace::Thumbnail, folder.get(), folderPath, name);
    }
    for (const QByteArray &name : folders->recentEntries.value(path))
        take(Trace::RecentEntry, folders->recent.get(), home.dataHome + "/RecentDocuments", name);
    // Its record in the Trash it lay in, found by its name in files/.
    const QByteArray trash = trashOf(path, home);
    if (!trash.isEmpty()) {
        Fd info = openBelow(trash, {"info"});
        take(Trace::TrashRecord, info.valid() ? info.get() : -1, trash + "/info",
             nameOf(path) + ".trashinfo");
    }
    return traces;
}

int withoutBookmarks(const QByteArray &xbel, const QSet<QByteArray> &paths, QByteArray *out,
                     QString *error, QByteArrayList *dropped)
{
    // Offsets are counted in characters: work on the text, and make sure the
    // text gives the same bytes back.
    const QString text = QString::fromUtf8(xbel);
    if (text.toUtf8() != xbel) {
        *error = QCoreApplication::translate("Traces", "it is not UTF-8 text");
        return -1;
    }
    QXmlStreamReader reader(text);
    std::vector<std::pair<qint64, qint64>> cuts;
    qint64 before = 0;
    while (!reader.atEnd()) {
        before = reader.characterOffset();
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token != QXmlStreamReader::StartElement || reader.name() != QLatin1String("bookmark"))
            continue;
        const QByteArray href = reader.attributes().value(QLatin1String("href")).toUtf8();
        // The reader has looked past the tag's '<' by now: it is the last one
        // before here (attribute values hold none).
        const qint64 start = text.lastIndexOf(QLatin1Char('<'), before);
        reader.skipCurrentElement();
        if (reader.hasError())
            break;
        const QByteArray named = pathOfFileUri(href);
        if (paths.contains(named)) {
            cuts.emplace_back(start, reader.characterOffset());
            if (dropped)
                dropped->append(named);
        }
    }
    if (reader.hasError()) {
        *error = reader.errorString();
        return -1;
    }
    QString kept = text;
    for (auto it = cuts.rbegin(); it != cuts.rend(); ++it) {
        qint64 start = it->first;
        // The line the bookmark stood on goes with it.
        while (start > 0 &&
               (kept.at(start - 1) == QLatin1Char(' ') || kept.at(start - 1) == QLatin1Char('\t')))
            --start;
        if (start > 0 && kept.at(start - 1) == QLatin1Char('\n'))
            --start;
        kept.remove(start, it->second - start);
    }
    *out = kept.toUtf8();
    return int(cuts.size());
}

int dropRecentBookmarks(const DesktopHome &home, const QSet<QByteArray> &paths,
                        const std::function<void(int fd)> &overwriteOld, QString *error,
                        QByteArrayList *dropped)
{
    static const QByteArray kList = QByteArrayLiteral("recently-used.xbel");
    Fd folder = openBelow(home.dataHome, {});
    // The desktop rewrites the list whenever a file is opened: one that
    // changed between the read and the rename is read again, a few times.
    int count = 0;
    QByteArrayList named;
    for (int attempt = 0;; ++attempt) {
        Status st;
        if (!folder.valid() || platform::statusAt(folder.get(), kList, &st) != 0 ||
            st.type != Type::Regular || st.owner != home.user)
            return 0;
        QByteArray old;
        if (!readSmallFile(folder.get(), kList, &old)) {
            *error = QCoreApplication::translate("Traces", "it cannot be read");
            return -1;
        }
        QByteArray kept;
        named.clear();
        count = withoutBookmarks(old, paths, &kept, error, &named);
        if (count <= 0)
            return count;
        const int failed = replaceKeepingOld(folder.get(), kList, kept, st, overwriteOld);
        if (failed == 0)
            break;
        if (failed != EAGAIN || attempt == 4) {
            *error = failed == EAGAIN
                         ? QCoreApplication::translate("Traces", "another program kept changing it")
                         : platform::errorText(failed);
            return -1;
        }
    }
    if (dropped)
        *dropped = named;
    return count;
}

bool dropTrashedFolderSize(const QByteArray &path, const DesktopHome &home,
                           const std::function<void(int fd)> &overwriteOld)
{
    const QByteArray trash = trashOf(path, home);
    if (trash.isEmpty())
        return false;
    Fd folder = openBelow(trash, {});
    static const QByteArray kSizes = QByteArrayLiteral("directorysizes");
    Status st;
    QByteArray old;
    if (!folder.valid() || platform::statusAt(folder.get(), kSizes, &st) != 0 ||
        st.type != Type::Regular || st.owner != home.user ||
        !readSmallFile(folder.get(), kSizes, &old))
        return false;
    // Each line: size, modification time, the folder's name percent-encoded.
    const QByteArray name = nameOf(path);
    QByteArray kept;
    bool dropped = false;
    for (const QByteArray &line : old.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() == 3 && QByteArray::fromPercentEncoding(fields.at(2)) == name) {
            dropped = true;
            continue;
        }
        kept += line + '\n';
    }
    kept.chop(1); // split() gave one more line than there were newlines
    return dropped && replaceKeepingOld(folder.get(), kSizes, kept, st, overwriteOld) == 0;
}

namespace
{

// The Trash folders of one user: the home Trash and each writable volume's,
// listed entry by entry; a folder that is not what it should be is passed
// over, with a line saying why.
class TrashLister
{
  public:
    TrashLister(const DesktopHome &home, QStringList *passedOver)
        : home(home), passedOver(passedOver), uid(QByteArray::number(home.user))
    {
    }
    void listHome();
    // $topdir/.Trash-$uid, and $topdir/.Trash/$uid.
    void listVolume(const QByteArray &mountPoint);
    void passOver(const QByteArray &trash, const QString &why);
    QByteArrayList entries;

  private:
    QString whyNot(int parent, const QByteArray &name, int error) const;
    void listTrash(const Fd &folder, const QByteArray &trash);
    Fd openOwned(int parent, const QByteArray &name, const QByteArray &shown);

    const DesktopHome &home;
    QStringList *passedOver;
    const QByteArray uid;
};

void TrashLister::passOver(const QByteArray &trash, const QString &why)
{
    if (passedOver)
        passedOver->append(
            QCoreApplication::translate("Traces", "ℹ️ The Trash %1 is left alone: %2")
                .arg(displayName(trash), why));
}

// Why `name` below `parent` did not open as a folder; empty where it is
// simply not there.
QString TrashLister::whyNot(int parent, const QByteArray &name, int error) const
{
    Status st;
    if (platform::statusAt(parent, name, &st) == 0 && st.type == Type::Link)
        return QCoreApplication::translate("Traces", "it is a link");
    if (error == ENOTDIR)
        return QCoreApplication::translate("Traces", "it is not a folder");
    return error == ENOENT ? QString() : platform::errorText(error);
}

// The entries of one Trash folder, open as `folder`.
void TrashLister::listTrash(const Fd &folder, const QByteArray &trash)
{
    int error = 0;
    for (const QByteArray &sub : {QByteArrayLiteral("files"), QByteArrayLiteral("info")}) {
        Fd inner = platform::openFolderAt(folder.get(), sub, &error);
        std::vector<QByteArray> names;
        if (!inner.valid() || platform::readNames(inner.get(), &names) != 0)
            continue;
        for (const QByteArray &name : names)
            entries.append(trash + '/' + sub + '/' + name);
    }
    if (isUsersFile(folder.get(), "directorysizes", home.user))
        entries.append(trash + "/directorysizes");
}

// Opens `name` below `parent` as a Trash folder of the user's; says why not
// where it exists but is no such folder.
Fd TrashLister::openOwned(int parent, const QByteArray &name, const QByteArray &shown)
{
    int error = 0;
    Fd folder = platform::openFolderAt(parent, name, &error);
    Status st;
    if (!folder.valid()) {
        if (const QString why = whyNot(parent, name, error); !why.isEmpty())
            passOver(shown, why);
        return Fd();
    }
    if (platform::statusAt(folder.get(), QByteArray(), &st) != 0 || st.owner != home.user) {
        passOver(shown, QCoreApplication::translate("Traces", "it is not yours"));
        return Fd();
    }
    return folder;
}

// The home Trash: its last step never through a link.
void TrashLister::listHome()
{
    int error = 0;
    const Fd data = platform::openFolderPath(home.dataHome, true, &error);
    if (!data.valid())
        return;
    const QByteArray trash = home.dataHome + "/Trash";
    if (const Fd folder = openOwned(data.get(), "Trash", trash); folder.valid())
        listTrash(folder, trash);
}

void TrashLister::listVolume(const QByteArray &mountPoint)
{
    int error = 0;
    const Fd top = platform::openFolderPath(mountPoint, true, &error);
    if (!top.valid())
        return;
    const QByteArray own = joinPath(mountPoint, ".Trash-" + uid);
    if (const Fd folder = openOwned(top.get(), ".Trash-" + uid, own); folder.valid())
        listTrash(folder, own);
    // $topdir/.Trash/$uid, where .Trash is a real folder with the sticky
    // bit: without it anyone could have put the user's folder there.
    const QByteArray shared = joinPath(mountPoint, ".Trash");
    Fd sharedFolder = platform::openFolderAt(top.get(), ".Trash", &error);
    Status st;
    if (!sharedFolder.valid()) {
        if (const QString why = whyNot(top.get(), ".Trash", error); !why.isEmpty())
            passOver(shared, why);
        return;
    }
    if (platform::statusAt(sharedFolder.get(), QByteArray(), &st) != 0 ||
        (st.mode & S_ISVTX) == 0) {
        Status mine;
        if (platform::statusAt(sharedFolder.get(), uid, &mine) == 0)
            passOver(shared, QCoreApplication::translate(
                                 "Traces", "it lacks the sticky bit a shared Trash has"));
        return;
    }
    const QByteArray trash = shared + '/' + uid;
    if (const Fd folder = openOwned(sharedFolder.get(), uid, trash); folder.valid())
        listTrash(folder, trash);
}

// The writable volumes that may hold a Trash: the kernel's own mounts
// (/proc, /sys, /dev, /run) hold none.
QByteArrayList writableVolumes()
{
    const auto isSystems = [](const QByteArray &mountPoint) {
        for (const QByteArray &top :
             {QByteArray("/proc"), QByteArray("/sys"), QByteArray("/dev"), QByteArray("/run")})
            if (mountPoint == top || mountPoint.startsWith(top + '/'))
                return true;
        return false;
    };
    QByteArrayList writable;
    for (const platform::Mount &mount : platform::scannedMounts())
        if (!mount.readOnly && !isSystems(mount.mountPoint) && !writable.contains(mount.mountPoint))
            writable.append(mount.mountPoint);
    return writable;
}

} // namespace

QByteArrayList trashEntries(const DesktopHome &home, QStringList *passedOver)
{
    if (!home.valid())
        return {};
    TrashLister lister(home, passedOver);
    lister.listHome();
    const QByteArrayList writable = writableVolumes();
    // A volume that does not answer (a network server gone, a FUSE driver
    // that hangs) would keep the listing waiting for ever: it is passed.
    const QByteArrayList answering = platform::answering(writable);
    for (const QByteArray &mountPoint : writable) {
        if (answering.contains(mountPoint))
            lister.listVolume(mountPoint);
        else
            lister.passOver(joinPath(mountPoint, ".Trash-" + QByteArray::number(home.user)),
                            QCoreApplication::translate("Traces", "its volume does not answer"));
    }
    return lister.entries;
}

} // namespace velmora
