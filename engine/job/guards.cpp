// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/job/guards.h"

#include "engine/fs/paths.h"
#include "engine/platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>

namespace velmora
{

namespace
{

// Owned by the operating system's packages, and everything below them.
const char *const kSystemTrees[] = {"/bin",    "/boot", "/etc",  "/lib", "/lib32", "/lib64",
                                    "/libx32", "/proc", "/sbin", "/sys", "/usr"};
// Hold other people's or services' data: never as a whole, but what lies
// below them may be chosen.
const char *const kTopFolders[] = {"/dev", "/home", "/media", "/mnt", "/opt", "/root",
                                   "/run", "/srv",  "/snap",  "/tmp", "/var"};

bool isAtOrBelow(const QByteArray &path, const QByteArray &folder)
{
    if (folder == "/")
        return true;
    return path == folder || (path.startsWith(folder) && path.size() > folder.size() &&
                              path.at(folder.size()) == '/');
}

QByteArray withoutTrailingSlashes(QByteArray path)
{
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    return path;
}

// The device of the folder at `path`, links followed; 0 when it cannot be
// opened.
quint64 deviceOf(const QByteArray &path)
{
    int error = 0;
    const platform::Fd fd = platform::openFolderPath(path, true, &error);
    platform::Status st;
    return fd.valid() && platform::statusAt(fd.get(), QByteArray(), &st) == 0 ? st.device : 0;
}

} // namespace

// Kept in one piece: the checks go in this order, each on what the ones
// before it resolved, and one list of them is what a reviewer must see.
EntryCheck checkEntry(const QByteArray &path, bool preserveRoot)
{
    EntryCheck check;
    if (path.isEmpty()) {
        check.refusal = EntryRefusal::Empty;
        return check;
    }
    QByteArray absolute = path;
    if (!absolute.startsWith('/')) {
        const QByteArray here = platform::currentFolder();
        if (here.isEmpty()) {
            check.refusal = EntryRefusal::Missing;
            check.error = ENOENT;
            return check;
        }
        absolute = here + '/' + absolute;
    }
    const QByteArray trimmed = withoutTrailingSlashes(absolute);
    const qsizetype slash = trimmed.lastIndexOf('/');
    const QByteArray name = trimmed.mid(slash + 1);
    const bool followLast = trimmed == "/" || absolute.endsWith('/') || name == "." || name == "..";
    if (followLast) {
        check.resolved = platform::realPath(trimmed, &check.error);
    } else {
        const QByteArray parent = slash == 0 ? QByteArray("/") : trimmed.left(slash);
        const QByteArray folder = platform::realPath(parent, &check.error);
        if (!folder.isEmpty())
            check.resolved = folder == "/" ? folder + name : folder + '/' + name;
    }
    platform::Status st;
    if (check.resolved.isEmpty() ||
        (check.error = platform::statusAt(platform::kWorkingFolder, check.resolved, &st)) != 0) {
        check.refusal = EntryRefusal::Missing;
        return check;
    }
    if (st.isDeviceNode()) {
        check.refusal = EntryRefusal::Device;
        return check;
    }
    if (st.isSocketOrFifo()) {
        check.refusal = EntryRefusal::Special;
        return check;
    }
    if (!preserveRoot)
        return check;
    const QByteArray &real = check.resolved;
    if (real == "/") {
        check.refusal = EntryRefusal::Root;
        return check;
    }
    for (const char *tree : kSystemTrees)
        if (isAtOrBelow(real, tree)) {
            check.refusal = EntryRefusal::System;
            return check;
        }
    for (const QByteArray &home : protectedHomes())
        if (isAtOrBelow(home, real)) {
            check.refusal = EntryRefusal::Home;
            return check;
        }
    for (const char *top : kTopFolders)
        if (real == top) {
            check.refusal = EntryRefusal::TopFolder;
            return check;
        }
    return check;
}

QString refusalText(const EntryCheck &check, const QByteArray &path)
{
    const QString given = displayName(path);
    const QString real = displayName(check.resolved);
    // Where it leads, where that is not what was given.
    const QString shown =
        check.resolved.isEmpty() || real == given
            ? given
            : QCoreApplication::translate("Guards", "%1 (that is, %2)").arg(given, real);
    switch (check.refusal) {
    case EntryRefusal::None:
        return QString();
    case EntryRefusal::Empty:
        return QCoreApplication::translate(
            "Guards", "An empty path was given. It is refused, so that an unset variable in a "
                      "script never means the current folder.");
    case EntryRefusal::Missing:
        if (check.error == ENOENT || check.error == ENOTDIR)
            return QCoreApplication::translate("Guards", "No such file or folder: %1").arg(given);
        return QCoreApplication::translate("Guards", "%1: %2")
            .arg(given, platform::errorText(check.error));
    case EntryRefusal::Root:
        return QCoreApplication::translate(
                   "Guards", "%1 is the root of the file system: everything on this computer. "
                             "It is never erased as a whole.")
            .arg(shown);
    case EntryRefusal::System:
        return QCoreApplication::translate(
                   "Guards", "%1 belongs to the operating system. Erasing it would break this "
                             "computer; it is refused.")
            .arg(shown);
    case EntryRefusal::TopFolder:
        return QCoreApplication::translate(
                   "Guards", "%1 holds the data of other users or of the system's services. "
                             "It is never erased as a whole; choose the folders inside it.")
            .arg(shown);
    case EntryRefusal::Home:
        return QCoreApplication::translate(
                   "Guards", "%1 is a home folder or holds one. It is never erased as a "
                             "whole; choose the files and folders inside it.")
            .arg(shown);
    case EntryRefusal::Device:
        return QCoreApplication::translate(
                   "Guards", "%1 is a device, not a file: removing it would erase nothing on the "
                             "device. To destroy what a volume holds, wipe the volume (Wipe Disk).")
            .arg(shown);
    case EntryRefusal::Special:
        return QCoreApplication::translate(
                   "Guards", "%1 is a socket or a FIFO, not a file: it holds nothing to erase.")
            .arg(shown);
    }
    return QString();
}

QString wipeRefusalText(WipeRefusal refusal, const QString &mountPoint)
{
    switch (refusal) {
    case WipeRefusal::RunningSystem:
        return QCoreApplication::translate("Guards",
                                           "%1 holds the running system and cannot be wiped.")
            .arg(mountPoint);
    case WipeRefusal::HomeFolder:
        return QCoreApplication::translate(
                   "Guards", "%1 holds your home folder and cannot be wiped. Erase the files "
                             "you choose, or wipe its free space instead.")
            .arg(mountPoint);
    case WipeRefusal::None:
        break;
    }
    return QString();
}

WipeRefusal refusalForWipe(const QString &mountPoint, const QByteArray &systemRoot)
{
    const quint64 device = deviceOf(fsBytes(mountPoint));
    if (!device)
        return WipeRefusal::None;
    QByteArray root = systemRoot;
    if (!root.endsWith('/'))
        root += '/';
    QByteArrayList system{systemRoot};
    for (const char *below : {"usr", "var", "boot", "boot/efi", "etc"})
        system.append(root + below);
    system.append(QFile::encodeName(QCoreApplication::applicationDirPath()));
    for (const QByteArray &part : system)
        if (deviceOf(part) == device)
            return WipeRefusal::RunningSystem;
    for (const QByteArray &home : protectedHomes())
        if (deviceOf(home) == device)
            return WipeRefusal::HomeFolder;
    return WipeRefusal::None;
}

} // namespace velmora
