// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/fs/walk.h"
#include "engine/fs/walkparts.h"

#include "engine/core/chunks.h"
#include "engine/fs/freespace.h"
#include "engine/fs/medium.h"
#include "engine/fs/overwrite.h"
#include "engine/fs/paths.h"
#include "engine/fs/verify.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLocale>

#include <algorithm>
#include <cerrno>

namespace velmora
{

using platform::Fd;
using platform::Status;
using platform::Type;

namespace
{

// A walk keeps this many folders open, the deepest; the others are opened
// again through ".." on the way back up, and must be the folders they were.
constexpr std::size_t kOpenLevels = 256;
// Names of entries deeper than this many bytes below the selection are
// shown with their start and their end only.
constexpr qsizetype kShownMax = 1024;

// Why a file refused to be opened for writing when its permissions do
// not say: an immutable or append-only attribute, which neither root nor
// the file's owner gets past without removing it first.
QString lockedBecause(int dirFd, const QByteArray &name, int error)
{
    if (error != EPERM && error != EACCES)
        return QString();
    const platform::Attributes attributes = platform::attributesAt(dirFd, name);
    if (attributes.immutable)
        return QCoreApplication::translate("TreeEraser", "the file is immutable");
    if (attributes.appendOnly)
        return QCoreApplication::translate("TreeEraser", "the file is append-only");
    return QString();
}

bool isShortcut(const QByteArray &name)
{
    return name.size() > 4 && name.endsWith(".lnk");
}

std::pair<QByteArray, QByteArray> splitPath(const QByteArray &path)
{
    QByteArray p = path;
    while (p.size() > 1 && p.endsWith('/'))
        p.chop(1);
    const qsizetype slash = p.lastIndexOf('/');
    if (slash < 0)
        return {QByteArray("."), p};
    return {slash == 0 ? QByteArray("/") : p.left(slash), p.mid(slash + 1)};
}

} // namespace

TreeEraser::TreeEraser(JobContext &ctx, int passes, QString notGoneLine)
    : ctx(ctx), passes(passes), notGoneLine(std::move(notGoneLine)), mounts(platform::mountTable())
{
    platform::raiseDescriptorLimit();
}

TreeEraser::~TreeEraser() = default;

void TreeEraser::problem(const QString &line, const QString &shown)
{
    ctx.problem(line.arg(shown), shown);
}

void TreeEraser::problemWithReason(const QString &line, const QString &shown, int error,
                                   const QString &detail)
{
    ctx.problem(line.arg(shown), shown, error, detail);
}

bool TreeEraser::isMountBelow(const Folder &folder, const Status &st) const
{
    return st.isMountBelow(folder.st);
}

void TreeEraser::removePlain(int dirFd, const QByteArray &name, const QString &shown,
                             const QString &doneLine, bool asProblem)
{
    const int rc = platform::removeAt(dirFd, name, false);
    if (rc != 0) {
        problemWithReason(notGoneLine, shown, rc);
    } else if (asProblem) {
        problem(doneLine, shown);
    } else {
        ctx.removed(shown);
        ctx.erased(doneLine.arg(shown), shown);
    }
}

Fd TreeEraser::openToOverwrite(Folder &folder, const QByteArray &name, const Status &st,
                               const QString &shown)
{
    int error = 0;
    Fd file = platform::openForOverwriteAt(folder.fd.get(), name, &error);
    if (!file.valid()) {
        Status now;
        if (error == ENOENT) {
            problem(QCoreApplication::translate("TreeEraser", "⚠️ File not found: %1"), shown);
        } else if (platform::statusAt(folder.fd.get(), name, &now) == 0 &&
                   (now.type != Type::Regular || !now.sameObject(st))) {
            problem(QCoreApplication::translate(
                        "TreeEraser", "⚠️ Changed while being erased, left alone: %1"),
                    shown);
        } else {
            // Removing a name whose data could not be overwritten would
            // only hide the data from the user: it stays, to be erased
            // once it can be.
            problemWithReason(notGoneLine, shown, error,
                              lockedBecause(folder.fd.get(), name, error));
        }
        return Fd();
    }
    Status opened;
    if (platform::statusAt(file.get(), QByteArray(), &opened) != 0 || !opened.sameObject(st)) {
        problem(QCoreApplication::translate("TreeEraser",
                                            "⚠️ Changed while being erased, left alone: %1"),
                shown);
        return Fd();
    }
    return file;
}

void TreeEraser::eraseFile(Folder &folder, Batch &batch, const QByteArray &name, const Status &st,
                           const QString &shown)
{
    noteOlderCopies(folder.fd.get(), st);
    Names *names = nullptr;
    if (st.links > 1) {
        names = &multiNamed[{st.device, st.inode}];
        if (names->inSelection < st.links) {
            removePlain(folder.fd.get(), name, shown,
                        QCoreApplication::translate(
                            "TreeEraser",
                            "⚠️ Only this name was removed: other links outside the "
                            "selection keep its content readable: %1"),
                        true);
            return;
        }
        if (names->overwritten) {
            batch.add(name, st, shown, Batch::Erased);
            return;
        }
    }

    ctx.info(QCoreApplication::translate("TreeEraser", "🔄 Wiping: %1").arg(shown));
    ctx.atItem(shown);
    Fd file = openToOverwrite(folder, name, st, shown);
    if (!file.valid())
        return;
    const qint64 size = platform::fileSize(file.get());
    if (size == 0) {
        batch.add(name, st, shown, Batch::Empty);
        return;
    }
    if (size <= walkparts::kSmallFile && !names) {
        batch.addSmall({std::move(file), name, st, shown, size});
        return;
    }
    const Overwrite outcome = overwriteOpenFile(file.get(), shown, passes, ctx);
    if (outcome.result == OverwriteResult::Overwritten && names)
        names->overwritten = true;
    finishOverwrite(folder.fd.get(), batch, file, name, st, shown, outcome);
}

void TreeEraser::finishOverwrite(int dirFd, Batch &batch, Fd &file, const QByteArray &name,
                                 const Status &st, const QString &shown, const Overwrite &outcome)
{
    // What the file system says to the truncation and the close: network
    // and FUSE file systems may report a failed write-back only here.
    const auto truncateAndClose = [&file] {
        const int truncated = platform::truncateFile(file.get(), 0);
        const int closed = platform::closeFile(file);
        return truncated ? truncated : closed;
    };
    switch (outcome.result) {
    case OverwriteResult::Overwritten: {
        // A size of 0 on the device hides how long the file was.
        const int error = truncateAndClose();
        batch.add(name, st, shown, Batch::Erased, error);
        break;
    }
    case OverwriteResult::VerifyFailed:
        // Not the user's data any more either way: it goes like the others,
        // but is not called erased.
        truncateAndClose();
        batch.add(name, st, shown, Batch::Unverified, outcome.readBack.error, outcome.detail());
        break;
    case OverwriteResult::KeptGrowing:
        truncateAndClose();
        removePlain(dirFd, name, shown,
                    QCoreApplication::translate(
                        "TreeEraser", "⚠️ Kept growing while being erased; what was written "
                                      "meanwhile may remain on the device: %1"),
                    true);
        break;
    case OverwriteResult::Stopped:
        break; // left as it is: the user asked to stop
    default:
        // Part of it may be overwritten, part not: the name stays, so that
        // it can be found and erased again.
        problemWithReason(notGoneLine, shown, outcome.error ? outcome.error : EIO,
                          outcome.detail());
        break;
    }
}

// Opens the folder `name` of `folder` into `*descend` (when given), where it
// is still the folder that was listed and no other volume is mounted there;
// a link that took its place goes as a link.
void TreeEraser::openChild(Folder &folder, const QByteArray &name, const Status &st,
                           const QString &shown, Folder *descend)
{
    if (isMountBelow(folder, st)) {
        problem(QCoreApplication::translate(
                    "TreeEraser", "⚠️ Not erased, another volume is mounted here: %1"),
                shown);
        return;
    }
    int error = 0;
    Folder child{platform::openFolderAt(folder.fd.get(), name, &error), QByteArray(), Status()};
    if (!child.fd.valid()) {
        Status now;
        if (error == ELOOP || error == ENOTDIR) {
            if (platform::statusAt(folder.fd.get(), name, &now) == 0 && now.type == Type::Link)
                removePlain(folder.fd.get(), name, shown,
                            QCoreApplication::translate("TreeEraser", "🔗 Removed link: %1"), false);
            else
                problem(QCoreApplication::translate(
                            "TreeEraser", "⚠️ Changed while being erased, left alone: %1"),
                        shown);
        } else if (error != ENOENT) {
            problemWithReason(
                QCoreApplication::translate("TreeEraser", "⚠️ Could not open folder: %1"),
                shown, error);
        }
        return;
    }
    if (platform::statusAt(child.fd.get(), QByteArray(), &child.st) != 0 ||
        !child.st.sameObject(st)) {
        problem(QCoreApplication::translate("TreeEraser",
                                            "⚠️ Changed while being erased, left alone: %1"),
                shown);
        return;
    }
    if (descend)
        *descend = std::move(child);
}

bool TreeEraser::eraseEntry(Folder &folder, Batch &batch, const QByteArray &name, const Status &st,
                            const QString &shown, Folder *descend)
{
    struct Done {
        const TreeEraser &eraser;
        bool counts;
        ~Done()
        {
            if (counts && eraser.itemDone)
                eraser.itemDone();
        }
    } done{*this, st.type != Type::Directory};
    switch (st.type) {
    case Type::Directory:
        openChild(folder, name, st, shown, descend);
        return true;
    case Type::Link:
        removePlain(folder.fd.get(), name, shown,
                    QCoreApplication::translate("TreeEraser", "🔗 Removed link: %1"), false);
        return true;
    case Type::Regular:
        if (isMountBelow(folder, st)) {
            problem(QCoreApplication::translate(
                        "TreeEraser", "⚠️ Not erased, another volume is mounted here: %1"),
                    shown);
            return true;
        }
        eraseFile(folder, batch, name, st, shown);
        return !ctx.stopped();
    case Type::Other:
        removePlain(folder.fd.get(), name, shown,
                    QCoreApplication::translate("TreeEraser", "🗑️ Removed special file: %1"),
                    false);
        return true;
    case Type::Missing:
        return true;
    }
    return true;
}

// A folder the walk is in, and what of it is left to do.
struct TreeEraser::Level {
    Folder folder;   // its path is that of the selection, at the top level only
    QByteArray name; // in the folder above
    std::vector<QByteArray> names;
    std::size_t next = 0;
    std::size_t left = 0; // entries that stay, for the clean-up
    std::unique_ptr<Batch> batch;

    Batch &batchOf(TreeEraser &eraser)
    {
        if (!batch)
            batch = std::make_unique<Batch>(eraser, folder.fd.get());
        return *batch;
    }
};

QByteArray TreeEraser::shownPath(const std::vector<Level> &levels, std::size_t depth,
                                 const QByteArray &name)
{
    // The names from the deepest up, until the path would be too long to
    // read; then the selection's path, and an ellipsis for what is left out.
    std::vector<const QByteArray *> parts;
    qsizetype size = name.size();
    std::size_t i = depth;
    for (; i > 1 && size < kShownMax; --i) {
        parts.push_back(&levels[i - 1].name);
        size += levels[i - 1].name.size() + 1;
    }
    QByteArray path = levels.front().folder.path;
    path.reserve(path.size() + size + 8);
    const auto append = [&path](const QByteArray &part) {
        if (!path.endsWith('/'))
            path += '/';
        path += part;
    };
    if (i > 1)
        append(QByteArrayLiteral("\xe2\x80\xa6")); // …
    for (auto part = parts.rbegin(); part != parts.rend(); ++part)
        append(**part);
    if (!name.isEmpty())
        append(name);
    return path;
}

bool TreeEraser::descend(std::vector<Level> &levels, Folder child, const QByteArray &name,
                         const QString &shown, bool quiet)
{
    Level level;
    level.folder = std::move(child);
    level.name = name;
    if (const int rc = platform::readNames(level.folder.fd.get(), &level.names)) {
        if (!quiet)
            problemWithReason(
                QCoreApplication::translate("TreeEraser", "⚠️ Could not list folder: %1"),
                shown, rc);
        return false;
    }
    level.left = level.names.size();
    // Only the deepest levels keep their folders open; one that closes
    // removes what waits in its batch first.
    if (levels.size() > kOpenLevels) {
        Level &far = levels[levels.size() - kOpenLevels];
        far.batch.reset();
        far.folder.fd.reset();
    }
    levels.push_back(std::move(level));
    return true;
}

bool TreeEraser::ascend(std::vector<Level> &levels)
{
    Level &done = levels.back();
    done.batch.reset();
    // Before the folder goes, or stays: once removed, its blocks would keep
    // the erased names where no new entry reaches them.
    scrubFolder({done.folder.st.device, done.folder.st.inode});
    if (levels.size() >= 2) {
        Level &above = levels[levels.size() - 2];
        if (!above.folder.fd.valid()) {
            int error = 0;
            Fd up = platform::openFolderAt(done.folder.fd.get(), QByteArrayLiteral(".."), &error);
            Status st;
            if (!up.valid() || platform::statusAt(up.get(), QByteArray(), &st) != 0 ||
                !st.sameObject(above.folder.st)) {
                // Moved while being erased: what is above is not followed.
                problem(QCoreApplication::translate(
                            "TreeEraser", "⚠️ Changed while being erased, left alone: %1"),
                        displayName(shownPath(levels, levels.size() - 1, QByteArray())));
                levels.pop_back();
                return false;
            }
            above.folder.fd = std::move(up);
        }
    }
    levels.pop_back();
    return true;
}

bool TreeEraser::eraseIn(Folder &root)
{
    // Depth first with a stack of its own: a tree of any depth takes no
    // more than its levels' names, and at most kOpenLevels descriptors.
    std::vector<Level> levels;
    Level top;
    const QString shownRoot = displayName(root.path);
    top.folder = std::move(root);
    if (const int rc = platform::readNames(top.folder.fd.get(), &top.names)) {
        problemWithReason(
            QCoreApplication::translate("TreeEraser", "⚠️ Could not list folder: %1"),
            shownRoot, rc);
        return true;
    }
    levels.push_back(std::move(top));
    while (!levels.empty()) {
        Level &level = levels.back();
        if (level.next >= level.names.size()) {
            if (!ascend(levels))
                return !ctx.stopped(); // the rest of this selection is left alone
            continue;
        }
        if (ctx.stopped())
            return false;
        const QByteArray name = level.names[level.next++];
        Status st;
        if (platform::statusAt(level.folder.fd.get(), name, &st) != 0)
            continue; // gone meanwhile
        const QString shown = displayName(shownPath(levels, levels.size(), name));
        Folder child;
        if (!eraseEntry(level.folder, level.batchOf(*this), name, st, shown, &child))
            return false;
        if (child.fd.valid())
            descend(levels, std::move(child), name, shown, false);
    }
    return true;
}

bool TreeEraser::eraseListed(const QByteArray &path)
{
    const auto [parent, name] = splitPath(path);
    int error = 0;
    Folder folder{platform::openFolderPath(parent, true, &error), parent, Status()};
    Status st;
    if (!folder.fd.valid() || platform::statusAt(folder.fd.get(), name, &st) != 0) {
        const QString shown = displayName(path);
        ctx.info(QCoreApplication::translate("TreeEraser", "🔄 Wiping: %1").arg(shown));
        ctx.atItem(shown);
        problem(QCoreApplication::translate("TreeEraser", "⚠️ File not found: %1"), shown);
        return !ctx.stopped();
    }
    platform::statusAt(folder.fd.get(), QByteArray(), &folder.st);
    noteVolumeOf(folder.fd.get());
    // The entry is shown as it was listed, not re-joined.
    folder.path = path.left(path.size() - name.size());
    while (folder.path.size() > 1 && folder.path.endsWith('/'))
        folder.path.chop(1);
    if (st.type == Type::Directory)
        return true;
    Batch batch(*this, folder.fd.get());
    return eraseEntry(folder, batch, name, st, displayName(joinPath(folder.path, name)), nullptr);
}

bool TreeEraser::eraseBelow(const QByteArray &path)
{
    Status st;
    if (platform::statusAt(platform::kWorkingFolder, path, &st) != 0)
        return true;
    if (st.type == Type::Link)
        return eraseListed(path); // a link to a folder goes as a link
    int error = 0;
    Folder folder{platform::openFolderPath(path, false, &error), path, Status()};
    if (!folder.fd.valid() || platform::statusAt(folder.fd.get(), QByteArray(), &folder.st) != 0) {
        problem(QCoreApplication::translate("TreeEraser", "⚠️ Could not open folder: %1"),
                displayName(path));
        return true;
    }
    // The journal pass works in the folder that holds the selection (the
    // selection goes), if it lies on the same volume.
    const auto [parentPath, ownName] = splitPath(path);
    Fd parent = platform::openFolderPath(parentPath, true, &error);
    Status parentSt;
    const bool sameVolume = parent.valid() &&
                            platform::statusAt(parent.get(), QByteArray(), &parentSt) == 0 &&
                            !folder.st.isMountBelow(parentSt);
    noteVolumeOf(sameVolume ? parent.get() : folder.fd.get());
    return eraseIn(folder);
}

bool TreeEraser::removeSaid(int dirFd, const QByteArray &name, const QString &shown,
                            const QString &line)
{
    if (platform::removeAt(dirFd, name, false) != 0)
        return false;
    ctx.removed(shown);
    ctx.info(line.arg(shown));
    return true;
}

bool TreeEraser::cleanIn(Folder &root, bool removeLinks)
{
    // Deepest first, without recursion: a folder found empty once its own
    // entries are done is removed through the batch of the folder above.
    std::vector<Level> levels;
    Level top;
    top.folder = std::move(root);
    if (platform::readNames(top.folder.fd.get(), &top.names) != 0)
        return false;
    top.left = top.names.size();
    levels.push_back(std::move(top));
    for (;;) {
        Level &level = levels.back();
        if (level.next >= level.names.size()) {
            const bool empty = level.left == 0;
            if (levels.size() == 1) {
                level.batch.reset();
                return empty;
            }
            const QByteArray name = level.name;
            const Status st = level.folder.st;
            const QString shown = displayName(shownPath(levels, levels.size() - 1, name));
            if (!ascend(levels))
                return false;
            if (empty) {
                Level &above = levels.back();
                above.batchOf(*this).add(name, st, shown, Batch::EmptyFolder);
                --above.left;
            }
            continue;
        }
        const QByteArray name = level.names[level.next++];
        Status st;
        if (platform::statusAt(level.folder.fd.get(), name, &st) != 0) {
            --level.left;
            continue;
        }
        const QString shown = displayName(shownPath(levels, levels.size(), name));
        const int dirFd = level.folder.fd.get();
        if (st.type == Type::Regular && isShortcut(name) && !isMountBelow(level.folder, st)) {
            if (removeSaid(
                    dirFd, name, shown,
                    QCoreApplication::translate("TreeEraser", "🗑️ Removed shortcut: %1")))
                --level.left;
        } else if (st.type == Type::Link && removeLinks) {
            if (removeSaid(dirFd, name, shown,
                           QCoreApplication::translate("TreeEraser", "🔗 Removed link: %1")))
                --level.left;
        } else if (st.type == Type::Directory && !isMountBelow(level.folder, st)) {
            int error = 0;
            Folder child{platform::openFolderAt(dirFd, name, &error), QByteArray(), Status()};
            if (!child.fd.valid() ||
                platform::statusAt(child.fd.get(), QByteArray(), &child.st) != 0 ||
                !child.st.sameObject(st))
                continue;
            descend(levels, std::move(child), name, shown, true);
        }
    }
}

void TreeEraser::cleanUp(const QByteArray &path, bool withItself, bool removeLinks)
{
    Status st;
    if (platform::statusAt(platform::kWorkingFolder, path, &st) != 0 || st.type != Type::Directory)
        return;
    int error = 0;
    Folder folder{platform::openFolderPath(path, false, &error), path, Status()};
    if (!folder.fd.valid() || platform::statusAt(folder.fd.get(), QByteArray(), &folder.st) != 0)
        return;
    const bool empty = cleanIn(folder, removeLinks);
    if (!empty || !withItself)
        return;
    const auto [parent, name] = splitPath(path);
    Fd parentFd = platform::openFolderPath(parent, true, &error);
    if (!parentFd.valid())
        return;
    Batch batch(*this, parentFd.get());
    batch.add(name, folder.st, displayName(path), Batch::EmptyFolder);
}

namespace
{

// A depth-first walk of the folders below one folder, on its volume, with a
// stack of its own: any depth takes no more than its levels' names, and at
// most kOpenLevels descriptors; a level closed on the way down is opened
// again through ".." on the way up, and must be the folder it was.
class FolderWalk
{
  public:
    struct Level {
        Fd fd;
        Status st;
        QByteArray name; // the path, for the first level
        std::vector<QByteArray> names;
        std::size_t next = 0;
    };

    // Starts at the folder `fd`; false when it cannot be listed.
    bool start(Fd fd, const QByteArray &path)
    {
        Status st;
        return fd.valid() && platform::statusAt(fd.get(), QByteArray(), &st) == 0 &&
               enter(std::move(fd), st, path);
    }

    // The path of `name` in the deepest level, built when asked: a path
    // kept per level would take memory as the square of the depth.
    QByteArray pathOf(const QByteArray &name) const
    {
        QByteArray path = levels.front().name;
        for (std::size_t i = 1; i < levels.size(); ++i)
            path = joinPath(path, levels[i].name);
        return joinPath(path, name);
    }

    // The next entry of the deepest level that is not the root of another
    // mount, with its status; false when the walk is over.
    bool next(QByteArray *name, Status *st)
    {
        while (!levels.empty()) {
            Level &level = levels.back();
            if (level.next >= level.names.size()) {
                leave();
                continue;
            }
            *name = level.names[level.next++];
            if (platform::statusAt(level.fd.get(), *name, st) == 0 && !st->isMountBelow(level.st))
                return true;
        }
        return false;
    }

    // Goes into the folder `name` of the deepest level, which `st` describes.
    void enter(const QByteArray &name, const Status &st)
    {
        Level &level = levels.back();
        int error = 0;
        Fd child = platform::openFolderAt(level.fd.get(), name, &error);
        Status opened;
        if (child.valid() && platform::statusAt(child.get(), QByteArray(), &opened) == 0 &&
            opened.sameObject(st))
            enter(std::move(child), opened, name);
    }

  private:
    bool enter(Fd fd, const Status &st, const QByteArray &name)
    {
        Level level{std::move(fd), st, name, {}, 0};
        if (platform::readNames(level.fd.get(), &level.names) != 0)
            return false;
        if (levels.size() > kOpenLevels)
            levels[levels.size() - kOpenLevels].fd.reset();
        levels.push_back(std::move(level));
        return true;
    }

    void leave()
    {
        if (levels.size() >= 2) {
            Level &above = levels[levels.size() - 2];
            if (!above.fd.valid()) {
                int error = 0;
                Fd up =
                    platform::openFolderAt(levels.back().fd.get(), QByteArrayLiteral(".."), &error);
                Status st;
                if (!up.valid() || platform::statusAt(up.get(), QByteArray(), &st) != 0 ||
                    !st.sameObject(above.st)) {
                    // Moved meanwhile: what is above is not followed.
                    levels.clear();
                    return;
                }
                above.fd = std::move(up);
            }
        }
        levels.pop_back();
    }

    std::vector<Level> levels;
};

} // namespace

void TreeEraser::countNames(const QByteArray &path, bool folder)
{
    Status st;
    if (!folder) {
        if (platform::statusAt(platform::kWorkingFolder, path, &st) == 0 &&
            st.type == Type::Regular && st.links > 1)
            ++multiNamed[{st.device, st.inode}].inSelection;
        return;
    }
    int error = 0;
    FolderWalk walk;
    if (!walk.start(platform::openFolderPath(path, false, &error), path))
        return;
    QByteArray name;
    while (walk.next(&name, &st)) {
        if (st.type == Type::Regular && st.links > 1)
            ++multiNamed[{st.device, st.inode}].inSelection;
        else if (st.type == Type::Directory)
            walk.enter(name, st);
    }
}

void listTree(const QByteArray &folder, const std::function<void(const QByteArray &)> &visit)
{
    listTree(folder, [&visit](const QByteArray &path, const Status &) { visit(path); });
}

void listTree(const QByteArray &folder,
              const std::function<void(const QByteArray &, const Status &)> &visit)
{
    platform::raiseDescriptorLimit();
    int error = 0;
    FolderWalk walk;
    if (!walk.start(platform::openFolderPath(folder, true, &error), folder))
        return;
    QByteArray name;
    Status st;
    while (walk.next(&name, &st)) {
        if (st.type == Type::Directory)
            walk.enter(name, st);
        else
            visit(walk.pathOf(name), st);
    }
}

} // namespace velmora
