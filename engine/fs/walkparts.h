// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the files of TreeEraser share: a folder the walk is in, and the batch
// its finished files wait in for their names to be hidden and removed. Only
// for walk.cpp, batch.cpp, folderscrub.cpp and erasedvolumes.cpp.

#include "engine/core/chunks.h"
#include "engine/fs/overwrite.h"
#include "engine/fs/walk.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <vector>

namespace velmora
{

using platform::Fd;
using platform::Status;

namespace walkparts
{

// Names renamed and removed together: one sync of the folder per round
// serves the whole batch.
constexpr std::size_t kBatchSize = 256;
// Files up to this size are overwritten together, a pass of each, then one
// sync for all before the next pass: a sync per file and pass is what makes
// small files slow. At most this many bytes wait for one sync.
constexpr qint64 kSmallFile = 256 * 1024;
constexpr qint64 kSmallBatchBytes = 32 * kChunkSize;

} // namespace walkparts

struct TreeEraser::Folder {
    Fd fd;
    QByteArray path; // as shown: the selected path joined with the names below it
    Status st;
};

// The files (and empty folders) of one folder that are done but for their
// names: renamed round by round, then removed, then logged.
class TreeEraser::Batch
{
  public:
    enum Kind { Erased, Unverified, Empty, EmptyFolder };

    Batch(TreeEraser &eraser, int dirFd) : eraser(eraser), dirFd(dirFd) {}
    ~Batch() { flush(); }
    Batch(const Batch &) = delete;
    Batch &operator=(const Batch &) = delete;

    // `error`: what the file system said after the overwrite (a failed
    // truncation or close); the entry then goes, but is not called erased.
    // `detail`: where a read-back found other data, or failed (Unverified,
    // with the read's error).
    void add(const QByteArray &name, const Status &st, const QString &shown, Kind kind,
             int error = 0, const QString &detail = QString())
    {
        items.push_back({name, st, shown, kind, error, detail});
        if (items.size() >= walkparts::kBatchSize)
            flush();
    }

    // A small file, open and checked, to be overwritten with the others.
    struct Small {
        Fd file;
        QByteArray name;
        Status st;
        QString shown;
        qint64 size;
    };
    void addSmall(Small file)
    {
        smallBytes += file.size;
        small.push_back(std::move(file));
        if (small.size() >= walkparts::kBatchSize || smallBytes >= walkparts::kSmallBatchBytes)
            overwriteSmall();
    }

    void flush();

  private:
    // Pass after pass over the small files, each pass of all of them on the
    // device (one sync) before the next; then each is done like a big one.
    void overwriteSmall();
    struct Item;
    // Renames every name of the batch round by round, each round synced;
    // the lengths each name went through.
    std::vector<std::vector<int>> hideNames(int *syncError);
    // Removes each entry that is still the one that was erased: 0, an errno
    // value, or -1 for one left alone (said). Synced.
    std::vector<int> removeAll(int *syncError);
    // Logs what came of `item`; true when its name went.
    bool tell(const Item &item, int removed, int syncError);

    struct Item {
        QByteArray name;
        Status st;
        QString shown;
        Kind kind;
        int error;
        QString detail;
    };
    TreeEraser &eraser;
    int dirFd;
    const bool perFileSync = platform::isFuse(dirFd);
    std::vector<Item> items;
    std::vector<Small> small;
    qint64 smallBytes = 0;
};

} // namespace velmora
