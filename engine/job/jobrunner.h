// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the window, velmora-cli and velmora-bench share between reading what
// the user asked for and a running job: method names, the listing of a
// selection, the guards of a whole-volume wipe, and the start of each job.

#include "engine/core/jobcontext.h"
#include "engine/device/freshformat.h"
#include "engine/device/sanitize.h"
#include "engine/job/erasemethods.h"
#include "engine/job/erasurerecord.h"
#include "engine/job/guards.h"
#include "engine/platform/platform.h"

#include <QByteArrayList>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace velmora
{

struct PinnedDrive;

// The files below `folder` (hidden ones too, no mounts crossed, links as
// entries of their own), sorted by path as bytes; with `statuses`, each
// one's status as the listing found it, in the same order.
QByteArrayList listFolderFiles(const QByteArray &folder,
                               std::vector<platform::Status> *statuses = nullptr);

// What a file erase of `paths` lists, as Add Folder lists a folder: its
// files (listFolderFiles()), then the folder itself.
QByteArrayList listSelection(const QByteArrayList &paths);

// The listed entries as they are now: folders, and everything else (files,
// links, special files) as entries of their own. Returns the job's units of
// progress: one per entry, and the chunks of the files' allocated blocks,
// `rounds` times over.
qint64 splitListed(const QByteArrayList &listed, int rounds, QByteArrayList *files,
                   QByteArrayList *folders);

// Free and total bytes of the volume whose root is the folder `root`, as the
// jobs count them; 0 or an errno value.
int volumeSpace(const QString &root, platform::Space *space);

// The root of the mounted volume at `path`; empty when `path` is none.
QString mountPointOf(const QString &path);

struct JobRequest {
    ErasureRecord::Kind kind = ErasureRecord::Kind::Files;
    QString method;
    bool verify = false;
    // A drive wipe: the read-back of blocks sampled across the drive, not
    // of every one.
    bool verifySampled = false;
    QByteArrayList listed; // a file erase: listSelection()'s entries
    // A file erase also removes what the desktop keeps of the erased entries
    // (thumbnails, recent-files entries, Trash records).
    bool traces = false;
    QString root;             // a volume job: the mount point
    QByteArray device;        // a drive wipe: the block device
    bool cryptoErase = false; // a drive wipe: destroy a LUKS container's keys first
    // A drive wipe: a host protected area opened for the passes, until the
    // drive is next switched off (hiddenarea.h).
    bool liftHiddenArea = false;
    // A drive wipe: the drive's own erase, before any pass.
    std::optional<OwnEraseChoice> ownErase;
    // A drive wipe: once it succeeded, a new table and file system.
    std::optional<FreshFormat> format;
    // A drive wipe: the drive as it was opened before the question
    // (pinDrive()); without it the job opens `device` itself.
    std::shared_ptr<PinnedDrive> pinned;
    // What the guards let through: false lets a file erase take the root,
    // the system's folders, the top folders and the homes (velmora-cli's
    // --no-preserve-root), and a volume wipe a volume that holds the running
    // system or a home folder (velmora-bench's --i-know).
    bool preserveRoot = true;
    bool preserveSystemVolumes = true;
    // The folder whose volume the running system lives on; tests point it
    // at a volume of their own.
    QByteArray systemRoot = QByteArrayLiteral("/");
};

// Why the guards refuse `request`, in one sentence; empty when they do
// not. A file erase's selection is checked where it begins (each listed
// entry whose folder is not listed); one that is gone meanwhile is the
// job's to say. runJob() asks it first, whoever started the job.
QString refusalOf(const JobRequest &request);

// The log's line for a job that signal `signal` stopped, in words.
QString stoppedBySignalLine(int signal);

// Runs the job to its end on this thread; sets the context's total first.
// False, with the reason, when the guards refuse it (nothing is touched)
// or a volume's space cannot be read.
bool runJob(const JobRequest &request, JobContext &ctx, QString *error);

} // namespace velmora
