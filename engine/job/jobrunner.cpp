// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/job/jobrunner.h"

#include "engine/device/drivewipe.h"
#include "engine/fs/paths.h"
#include "engine/fs/walk.h"
#include "engine/job/erasemethods.h"
#include "engine/job/interruptedjobs.h"
#include "engine/job/jobs.h"
#include "engine/platform/platform.h"

#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <QSet>
#include <algorithm>

#include <csignal>

namespace velmora
{

QByteArrayList listFolderFiles(const QByteArray &folder, std::vector<platform::Status> *statuses)
{
    std::vector<std::pair<QByteArray, platform::Status>> found;
    listTree(folder, [&found](const QByteArray &p, const platform::Status &st) {
        found.emplace_back(p, st);
    });
    // The order the folder's blocks hold them in says nothing to a reader;
    // the folder itself still goes after its files.
    std::sort(found.begin(), found.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    QByteArrayList files;
    files.reserve(qsizetype(found.size()));
    if (statuses)
        statuses->reserve(found.size());
    for (auto &[path, st] : found) {
        files.append(std::move(path));
        if (statuses)
            statuses->push_back(st);
    }
    return files;
}

QByteArrayList listSelection(const QByteArrayList &paths)
{
    QByteArrayList listed;
    for (const QByteArray &path : paths) {
        platform::Status st;
        if (platform::statusAt(platform::kWorkingFolder, path, &st) == 0 &&
            st.type == platform::Type::Directory)
            listed << listFolderFiles(path);
        listed << path;
    }
    return listed;
}

qint64 splitListed(const QByteArrayList &listed, int rounds, QByteArrayList *files,
                   QByteArrayList *folders)
{
    qint64 units = 0;
    for (const QByteArray &path : listed) {
        platform::Status st;
        if (platform::statusAt(platform::kWorkingFolder, path, &st) != 0)
            continue;
        if (st.type == platform::Type::Directory) {
            folders->append(path);
            continue;
        }
        files->append(path);
        // One unit for the entry itself, so that a job of empty files and
        // links moves too; a sparse file's holes take no time.
        units += 1;
        if (st.type == platform::Type::Regular)
            units += chunksForSize(st.allocated) * rounds;
    }
    return units;
}

QString stoppedBySignalLine(int signal)
{
    switch (signal) {
    case SIGINT:
        return QCoreApplication::translate("JobRunner", "⚠️ Erase stopped: Ctrl-C (SIGINT).");
    case SIGTERM:
        return QCoreApplication::translate("JobRunner",
                                           "⚠️ Erase stopped: asked to end (SIGTERM).");
    case SIGHUP:
        return QCoreApplication::translate(
            "JobRunner", "⚠️ Erase stopped: the terminal or the session closed (SIGHUP).");
    default:
        return QCoreApplication::translate("JobRunner", "⚠️ Erase stopped by signal %1.")
            .arg(signal);
    }
}

int volumeSpace(const QString &root, platform::Space *space)
{
    int error = 0;
    const platform::Fd fd = platform::openFolderPath(fsBytes(root), true, &error);
    if (!fd.valid())
        return error;
    return platform::spaceOf(fd.get(), space);
}

QString mountPointOf(const QString &path)
{
    platform::Mount mount;
    platform::Space space;
    return platform::volumeAt(fsBytes(path), &mount, &space) == 0 ? displayName(mount.mountPoint)
                                                                  : QString();
}

QString refusalOf(const JobRequest &request)
{
    switch (request.kind) {
    case ErasureRecord::Kind::Files: {
        const QSet<QByteArray> all(request.listed.begin(), request.listed.end());
        for (const QByteArray &path : request.listed) {
            const qsizetype slash = path.lastIndexOf('/', path.size() - 2);
            if (slash > 0 && all.contains(path.left(slash)))
                continue;
            const EntryCheck check = checkEntry(path, request.preserveRoot);
            if (check.refusal != EntryRefusal::None && check.refusal != EntryRefusal::Missing)
                return refusalText(check, path);
        }
        return QString();
    }
    case ErasureRecord::Kind::Volume:
        if (!request.preserveSystemVolumes)
            return QString();
        return wipeRefusalText(refusalForWipe(request.root, request.systemRoot), request.root);
    case ErasureRecord::Kind::FreeSpace:
    case ErasureRecord::Kind::Drive: // the drive wipe's refusals are its own
        return QString();
    }
    return QString();
}

bool runJob(const JobRequest &request, JobContext &ctx, QString *error)
{
    if (const QString refused = refusalOf(request); !refused.isEmpty()) {
        if (error)
            *error = refused;
        return false;
    }
    const int passes = passCountForMethod(request.method);
    // The read-back of the last pass costs what one more pass does.
    const int rounds = passes + (request.verify ? 1 : 0);
    ctx.verify = request.verify;
    ctx.verifySampled = request.verify && request.verifySampled;
    ctx.liftHiddenArea = request.liftHiddenArea;
    if (ctx.report)
        ctx.report->keepRemoved(request.kind == ErasureRecord::Kind::Files);
    if (request.kind == ErasureRecord::Kind::Files) {
        QByteArrayList files;
        QByteArrayList folders;
        const qint64 units = splitListed(request.listed, rounds, &files, &folders);
        ctx.setTotalUnits(units);
        runFileEraseJob(files, folders, request.method, ctx, request.traces);
        return true;
    }
    if (request.kind == ErasureRecord::Kind::Drive) {
        // No method: the keys alone.
        const int drivePasses = request.method.isEmpty() ? 0 : passes;
        quint64 bytes = 0;
        if (request.pinned) {
            bytes = request.pinned->identity.bytes;
        } else {
            platform::Drive drive;
            platform::driveAt(request.device, &drive);
            bytes = drive.bytes;
        }
        // A sampled read-back reads too little to count.
        ctx.setTotalUnits(driveWipeUnits(bytes, drivePasses, ctx.verify && !ctx.verifySampled,
                                         request.cryptoErase, request.ownErase.has_value()));
        beginJournal(ctx, ErasureRecord::Kind::Drive, ctx.verify, {request.device});
        runDriveWipeJob(request.device, drivePasses, request.cryptoErase, ctx, request.pinned,
                        request.ownErase, request.format);
        return true;
    }
    platform::Space space;
    if (volumeSpace(request.root, &space) != 0) {
        if (error)
            *error = QCoreApplication::translate("JobRunner", "cannot read the space of %1")
                         .arg(request.root);
        return false;
    }
    if (request.kind == ErasureRecord::Kind::Volume) {
        ctx.setTotalUnits(qint64(space.total / kChunkSize) * rounds);
        runVolumeWipeJob(request.root, request.method, passes, space.total, ctx);
    } else {
        ctx.setTotalUnits(qint64(space.available / kChunkSize) * rounds);
        runFreeSpaceWipeJob(request.root, passes, space.available, ctx);
    }
    return true;
}

} // namespace velmora
