// SPDX-License-Identifier: GPL-3.0-or-later

// A batch of finished entries of one folder: small files overwritten
// together, a sync per pass; then every name hidden by renames, round by
// round, each round synced; then the removals, and the log.

#include "engine/fs/walkparts.h"

#include "engine/fs/hidingnames.h"
#include "engine/fs/verify.h"
#include "engine/platform/platform.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>

namespace velmora
{

using platform::Fd;
using platform::Status;

void TreeEraser::Batch::flush()
{
    overwriteSmall();
    if (items.empty())
        return;
    // The truncations reach the device before any name changes (a batch
    // of empty files and folders has none). A sync that fails leaves it
    // open whether the names below were hidden on the device: every
    // entry of the batch then says so.
    const bool truncated = std::any_of(items.begin(), items.end(), [](const Item &item) {
        return item.kind == Erased || item.kind == Unverified;
    });
    int syncError = truncated ? platform::syncFileSystem(dirFd) : 0;
    const std::vector<std::vector<int>> lengths = hideNames(&syncError);
    eraser.writeFolderFirst(dirFd, lengths);
    // What the folder takes before the removals: a folder that gives
    // blocks back takes the names in them along.
    Status folderBefore;
    platform::statusAt(dirFd, QByteArray(), &folderBefore);
    const std::vector<int> removal = removeAll(&syncError);
    std::vector<int> goneLengths;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (removal[i] >= 0 && tell(items[i], removal[i], syncError))
            goneLengths.push_back(lengths[i].front());
    eraser.noteNamesGone(dirFd, goneLengths, folderBefore.allocated);
    items.clear();
}

std::vector<std::vector<int>> TreeEraser::Batch::hideNames(int *syncError)
{
    const Naming naming = eraser.namingOf(dirFd);
    std::vector<std::vector<int>> lengths;
    std::size_t rounds = 0;
    for (const Item &item : items) {
        lengths.push_back(hidingLengths(nameLength(item.name, naming.room)));
        rounds = std::max(rounds, lengths.back().size());
    }
    std::vector<bool> renameFailed(items.size(), false);
    // Short names run out in a big folder: once a length keeps being
    // taken, no name of the batch goes shorter than the next one.
    int shortest = 1;
    for (std::size_t round = 0; round < rounds; ++round) {
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (round >= lengths[i].size() || lengths[i][round] < shortest || renameFailed[i])
                continue;
            int rc = EEXIST;
            for (int attempt = 0; attempt < 4 && rc == EEXIST; ++attempt) {
                const QByteArray to = hidingName(items[i].name, lengths[i][round], naming.room);
                rc = platform::renameAt(dirFd, items[i].name, to);
                if (rc == 0)
                    items[i].name = to;
            }
            if (rc == EEXIST)
                shortest = std::max(shortest, lengths[i][round] + 1);
            else if (rc != 0) {
                renameFailed[i] = true; // its name may still be readable
                if (items[i].error == 0)
                    items[i].error = rc;
            }
        }
        // Each rename on the device before the next one covers it.
        if (const int rc = platform::syncAll(dirFd); rc != 0 && *syncError == 0)
            *syncError = rc;
    }
    return lengths;
}

std::vector<int> TreeEraser::Batch::removeAll(int *syncError)
{
    std::vector<int> removal(items.size(), -1);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Item &item = items[i];
        Status now;
        if (platform::statusAt(dirFd, item.name, &now) != 0 || !now.sameObject(item.st)) {
            eraser.problem(QCoreApplication::translate(
                               "TreeEraser", "⚠️ Changed while being erased, left alone: %1"),
                           item.shown);
            continue;
        }
        removal[i] = platform::removeAt(dirFd, item.name, item.kind == EmptyFolder);
    }
    // The removals on the device before any of them is called done.
    if (const int rc = platform::syncAll(dirFd); rc != 0 && *syncError == 0)
        *syncError = rc;
    return removal;
}

bool TreeEraser::Batch::tell(const Item &item, int removed, int syncError)
{
    if (removed != 0) {
        eraser.problemWithReason(
            item.kind == EmptyFolder
                ? QCoreApplication::translate("TreeEraser", "⚠️ Could not remove folder: %1")
                : eraser.notGoneLine,
            item.shown, removed);
        return false;
    }
    ++eraser.namesRemoved;
    eraser.freedBytes[item.st.device] += std::max<qint64>(item.st.allocated, 0);
    eraser.ctx.removed(item.shown);
    const int error = item.error ? item.error : syncError;
    if (item.kind == Unverified) {
        eraser.problemWithReason(
            QCoreApplication::translate("TreeEraser", "❌ Verification failed: %1"), item.shown,
            item.error, item.detail);
    } else if (error != 0 && item.kind != EmptyFolder) {
        eraser.problemWithReason(QCoreApplication::translate(
                                     "TreeEraser",
                                     "⚠️ Overwritten and removed, but the file system reported "
                                     "an error, so it is not known to be erased: %1"),
                                 item.shown, error);
    } else if (item.kind == Erased) {
        eraser.ctx.erased(
            QCoreApplication::translate("TreeEraser", "✅ Securely erased: %1").arg(item.shown),
            item.shown);
    } else if (item.kind == Empty) {
        eraser.ctx.erased(
            QCoreApplication::translate("TreeEraser", "🗑️ Deleted empty file: %1")
                .arg(item.shown),
            item.shown);
    } else {
        eraser.ctx.erased(
            QCoreApplication::translate("TreeEraser", "🗑️ Removed empty folder: %1")
                .arg(item.shown),
            item.shown);
    }
    return true;
}

void TreeEraser::Batch::overwriteSmall()
{
    std::vector<Small> files;
    files.swap(small);
    smallBytes = 0;
    std::vector<Overwrite> results(files.size());
    std::vector<WrittenData> written(files.size(), WrittenData(RandomStream::Key{}));
    const auto done = [&results](std::size_t i) {
        return results[i].result == OverwriteResult::Overwritten;
    };
    for (int pass = 0; pass < eraser.passes && !files.empty(); ++pass) {
        const bool record = eraser.ctx.verify && pass == eraser.passes - 1;
        eraser.ctx.atPass(pass + 1, eraser.passes);
        for (std::size_t i = 0; i < files.size(); ++i) {
            if (done(i))
                results[i] = writePassUnsynced(files[i].file.get(), files[i].shown, files[i].size,
                                               eraser.ctx, record ? &written[i] : nullptr);
            if (results[i].result == OverwriteResult::Stopped)
                return; // all of them stay as they are
        }
        if (perFileSync) {
            // A syncfs() on FUSE proves nothing: each file on its own.
            for (std::size_t i = 0; i < files.size(); ++i)
                if (done(i))
                    if (const int rc = platform::syncData(files[i].file.get()))
                        results[i] = {OverwriteResult::Failed, rc};
        } else if (const int rc = platform::syncFileSystem(dirFd)) {
            for (std::size_t i = 0; i < files.size(); ++i)
                if (done(i))
                    results[i] = {OverwriteResult::Failed, rc};
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        Small &f = files[i];
        if (eraser.ctx.verify && done(i))
            if (const ReadBack read =
                    written[i].verify(f.file.get(), f.shown, chunksForSize(f.size), eraser.ctx);
                !read)
                results[i] = {OverwriteResult::VerifyFailed, 0, -1, read};
        // One that grew meanwhile goes through the whole overwrite again,
        // which chases its new length.
        if (done(i) && platform::fileSize(f.file.get()) > f.size)
            results[i] = overwriteOpenFile(f.file.get(), f.shown, eraser.passes, eraser.ctx);
        // A stop during the read-back leaves this file and the rest as
        // they are, as after an overwrite.
        if (results[i].result == OverwriteResult::Stopped || eraser.ctx.stopped())
            return;
        eraser.finishOverwrite(dirFd, *this, f.file, f.name, f.st, f.shown, results[i]);
    }
}

} // namespace velmora
