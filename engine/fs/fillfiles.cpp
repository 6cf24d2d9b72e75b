// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/fs/freespace.h"
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

// Ours: a regular file with one name, our owner and our marker, or a name
// folder of ours.
bool isOurLeftover(int rootFd, const QByteArray &name)
{
    Status st;
    if (platform::statusAt(rootFd, name, &st) != 0 || st.owner != platform::effectiveUser())
        return false;
    if (st.type == Type::Directory)
        return name.startsWith(kNamesPrefix);
    if (st.type != Type::Regular || st.links != 1 || !isFillName(name))
        return false;
    int error = 0;
    Fd file = platform::openForReadAt(rootFd, name, &error);
    if (!file.valid())
        return false;
    QByteArray head(kMarkerSize, '\0');
    return platform::readAt(file.get(), head.data(), std::size_t(kMarkerSize), 0, &error) ==
               kMarkerSize &&
           head == QByteArray(kMarker, kMarkerSize);
}

} // namespace

QByteArray fillFileName(const QString &fileName, int index)
{
    QByteArray name = fsBytes(fileName);
    while (name.startsWith('/'))
        name.remove(0, 1);
    if (index == 0)
        return name;
    const qsizetype dot = name.lastIndexOf('.');
    const QByteArray number = QByteArray::number(index);
    return dot > 0 ? name.insert(dot, number) : name + number;
}

bool isFillName(const QByteArray &name)
{
    for (const QByteArray &base : kFillBases) {
        if (!name.startsWith(base) || !name.endsWith(".bin"))
            continue;
        const QByteArray number = name.mid(base.size(), name.size() - base.size() - 4);
        if (std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return true;
    }
    return false;
}

QByteArray randomName(qsizetype length)
{
    static const char alphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name(length, Qt::Uninitialized);
    for (char &c : name)
        c = alphabet[QRandomGenerator::global()->bounded(int(sizeof alphabet) - 1)];
    return name;
}

void removeFolderTree(int dirFd, int depth)
{
    std::vector<QByteArray> inside;
    if (depth <= 0 || platform::readNames(dirFd, &inside) != 0)
        return;
    for (const QByteArray &entry : inside) {
        int error = 0;
        if (Fd sub = platform::openFolderAt(dirFd, entry, &error); sub.valid())
            removeFolderTree(sub.get(), depth - 1);
        platform::removeAt(dirFd, entry, true);
    }
}

} // namespace velmora::freespace

namespace velmora
{

using namespace freespace;

QByteArrayList findFillLeftovers(const QByteArray &root)
{
    QByteArrayList found;
    int error = 0;
    Fd rootFd = platform::openFolderPath(root, true, &error);
    std::vector<QByteArray> names;
    if (!rootFd.valid() || platform::readNames(rootFd.get(), &names) != 0)
        return found;
    for (const QByteArray &name : names) {
        if ((isFillName(name) || name.startsWith(kNamesPrefix)) &&
            isOurLeftover(rootFd.get(), name))
            found.append(joinPath(root, name));
    }
    return found;
}

int removeFillLeftovers(const QByteArray &root, JobContext *ctx)
{
    int left = 0;
    int error = 0;
    Fd rootFd = platform::openFolderPath(root, true, &error);
    if (!rootFd.valid())
        return 0;
    for (const QByteArray &path : findFillLeftovers(root)) {
        const QByteArray name = path.mid(path.lastIndexOf('/') + 1);
        Status st;
        platform::statusAt(rootFd.get(), name, &st);
        if (st.type == Type::Directory) {
            Fd dir = platform::openFolderAt(rootFd.get(), name, &error);
            if (dir.valid())
                removeFolderTree(dir.get(), kLeftoverDepth);
        }
        if (platform::removeAt(rootFd.get(), name, st.type == Type::Directory) != 0) {
            ++left;
            continue;
        }
        if (ctx)
            ctx->info(QCoreApplication::translate(
                          "FreeSpace", "🧹 Removed a fill file left by an interrupted wipe: %1")
                          .arg(displayName(path)));
    }
    platform::syncFileSystem(rootFd.get());
    return left;
}

} // namespace velmora
