// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/job/interruptedjobs.h"
#include "engine/core/jobjournal.h"
#include "engine/core/sizes.h"

#include "engine/fs/freespace.h"
#include "engine/fs/paths.h"
#include "engine/platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>

#include <algorithm>
#include <cerrno>

namespace velmora
{

QString liveJobOn(const QByteArray &root, const QByteArray &folder)
{
    int error = 0;
    platform::Fd dir = platform::openFolderPath(folder, true, &error);
    std::vector<QByteArray> names;
    if (!dir.valid() || platform::readNames(dir.get(), &names) != 0)
        return QString();
    for (const QByteArray &name : names) {
        const QByteArray path = folder + '/' + name;
        if (!name.startsWith("job-") || !name.endsWith(".json") ||
            !platform::fileLocked(path + ".lock"))
            continue;
        QFile file(QFile::decodeName(path));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QJsonObject record = QJsonDocument::fromJson(file.readAll()).object();
        if (!bytesList(record.value(QStringLiteral("targets"))).contains(root))
            continue;
        const QString kind = record.value(QStringLiteral("job")).toString();
        const QString what =
            kind == QLatin1String("volume")
                ? QCoreApplication::translate("JobJournal", "a wipe of the whole volume %1")
                : QCoreApplication::translate("JobJournal", "a wipe of the free space of %1");
        return QCoreApplication::translate("JobJournal", "%1 (pid %2), started %3")
            .arg(what.arg(displayName(root)))
            .arg(record.value(QStringLiteral("pid")).toInteger())
            .arg(QLocale().toString(
                QDateTime::fromString(record.value(QStringLiteral("started")).toString(),
                                      Qt::ISODateWithMs),
                QLocale::ShortFormat));
    }
    return QString();
}

void beginJournal(const JobContext &ctx, JobKind kind, bool verify, const QByteArrayList &targets)
{
    if (!ctx.journal)
        return;
    ctx.journal->begin(kind, verify, targets);
    if (const int error = ctx.journal->error())
        ctx.warn(QCoreApplication::translate(
                     "JobJournal", "⚠️ No record of this job can be kept in %1 (%2): if "
                                   "it is cut short, the next start cannot tell what it "
                                   "left unfinished.")
                     .arg(displayName(ctx.journal->folderPath()), platform::errorText(error)));
}

namespace
{

// What the job was, in the words of its description's first sentence.
QString whatItWas(const InterruptedJob &job)
{
    const ErasureRecord::Kind kind = job.kind;
    const QByteArrayList &targets = job.targets;
    const QString &phase = job.phase;
    QString what;
    switch (kind) {
    case ErasureRecord::Kind::Files:
        what = QCoreApplication::translate("JobJournal", "An erase of files and folders");
        break;
    case ErasureRecord::Kind::Volume:
        what = QCoreApplication::translate("JobJournal", "A wipe of the whole volume %1")
                   .arg(displayName(targets.value(0)));
        break;
    case ErasureRecord::Kind::FreeSpace:
        what = QCoreApplication::translate("JobJournal", "A wipe of the free space of %1")
                   .arg(displayName(targets.value(0)));
        break;
    case ErasureRecord::Kind::Drive:
        what = phase == QLatin1String("read-back") || phase == QLatin1String("discard")
                   ? QCoreApplication::translate("JobJournal",
                                                 "A wipe of the whole drive %1, every sector of "
                                                 "which had been overwritten,")
               : phase == QLatin1String("keys")
                   ? QCoreApplication::translate("JobJournal",
                                                 "A wipe of the whole drive %1, whose LUKS keys "
                                                 "may or may not have been destroyed,")
                   : QCoreApplication::translate("JobJournal",
                                                 "A wipe of the whole drive %1, which may still "
                                                 "hold part of its old data,");
        what = what.arg(displayName(targets.value(0)));
        break;
    }
    return what;
}

} // namespace

QString InterruptedJob::description() const
{
    const QString when = QLocale().toString(started, QLocale::ShortFormat);
    const QString what = whatItWas(*this);
    if (!unreadable.isEmpty())
        return QCoreApplication::translate(
                   "JobJournal",
                   "A job was interrupted, but its record cannot be read: what it left "
                   "unfinished is not known, and nothing was cleaned up. The record was kept as "
                   "%1.")
            .arg(displayName(unreadable));
    QString text =
        QCoreApplication::translate("JobJournal",
                                    "%1 (%2), started %3, was interrupted before its end%4.")
            .arg(what, method, when,
                 phase.isEmpty()
                     ? QString()
                     : QCoreApplication::translate("JobJournal", ", during: %1").arg(phase));
    if (!drive.isEmpty())
        text += QLatin1Char('\n') +
                QCoreApplication::translate("JobJournal", "The drive: %1.").arg(drive) +
                QLatin1Char(' ') + driveNow;
    for (const QString &line : cleanedUp + notCleaned)
        text += QLatin1Char('\n') + line;
    if (kind == ErasureRecord::Kind::Files) {
        if (unfinished.isEmpty()) {
            text += QLatin1Char('\n') +
                    QCoreApplication::translate("JobJournal",
                                                "None of its entries is left on the disk.");
        } else {
            text += QLatin1Char('\n') +
                    QCoreApplication::translate("JobJournal", "Not finished, still there:");
            const int shown = std::min<int>(int(unfinished.size()), 10);
            for (int i = 0; i < shown; ++i)
                text += QStringLiteral("\n  ") + displayName(unfinished.at(i));
            if (unfinished.size() > shown)
                text += QLatin1Char('\n') +
                        QCoreApplication::translate("JobJournal", "  … and %n more", nullptr,
                                                    int(unfinished.size()) - shown);
        }
    }
    return text;
}

namespace
{

// The record `name` in the folder `dirFd`, where it is this user's; false
// for one that is not.
bool readRecord(int dirFd, const QByteArray &name, QJsonDocument *document, QJsonParseError *parsed)
{
    int error = 0;
    platform::Fd fd = platform::openForReadAt(dirFd, name, &error);
    platform::Status st;
    if (!fd.valid() || platform::statusAt(fd.get(), QByteArray(), &st) != 0 ||
        st.owner != platform::effectiveUser())
        return false;
    QFile file;
    if (!file.open(fd.get(), QIODevice::ReadOnly))
        return false;
    *document = QJsonDocument::fromJson(file.readAll(), parsed);
    return true;
}

// The drive a drive wipe held, from its record, and whether the node
// `node` still names it: a loop device given another file, or a stick
// replaced by another under the same name, is not the drive that was cut
// short.
void describeDrive(const QJsonObject &held, const QByteArray &node, InterruptedJob *job)
{
    if (held.isEmpty())
        return;
    platform::DriveIdentity was;
    was.model = held.value(QStringLiteral("model")).toString();
    was.serial = held.value(QStringLiteral("serial")).toString();
    was.bytes = quint64(held.value(QStringLiteral("bytes")).toDouble());
    was.loopFile = bytesOf(held.value(QStringLiteral("backingFile")));
    was.loopDevice = quint64(held.value(QStringLiteral("backingDevice")).toDouble());
    was.loopInode = quint64(held.value(QStringLiteral("backingInode")).toDouble());
    QStringList parts;
    if (!was.model.isEmpty())
        parts.append(was.model);
    if (!was.serial.isEmpty())
        parts.append(QCoreApplication::translate("JobJournal", "serial %1").arg(was.serial));
    parts.append(sizeText(qint64(was.bytes)));
    if (!was.loopFile.isEmpty())
        parts.append(displayName(was.loopFile));
    job->drive = parts.join(QStringLiteral(", "));
    platform::DriveIdentity now;
    const int rc = platform::identityAt(node, &now);
    // The device number is the node's, not the drive's: all else must agree.
    was.number = now.number;
    const bool same = rc == 0 && now == was;
    job->driveNow = same ? QCoreApplication::translate("JobJournal", "%1 still names it.")
                               .arg(displayName(node))
                    : rc == 0
                        ? QCoreApplication::translate(
                              "JobJournal",
                              "%1 now names another device: wiping %1 again would not finish "
                              "this drive.")
                              .arg(displayName(node))
                        : QCoreApplication::translate("JobJournal", "%1 is not there now.")
                              .arg(displayName(node));
}

InterruptedJob jobOf(const QJsonObject &record)
{
    InterruptedJob job;
    job.started = QDateTime::fromString(record.value(QStringLiteral("started")).toString(),
                                        Qt::ISODateWithMs);
    job.kind = jobKindOfKey(record.value(QStringLiteral("job")).toString());
    job.method = record.value(QStringLiteral("method")).toString();
    job.verify = record.value(QStringLiteral("verify")).toBool();
    job.phase = record.value(QStringLiteral("phase")).toString();
    job.targets = bytesList(record.value(QStringLiteral("targets")));
    if (job.kind == ErasureRecord::Kind::Drive)
        describeDrive(record.value(QStringLiteral("drive")).toObject(), job.targets.value(0), &job);
    for (const QByteArray &target : job.targets) {
        platform::Status st;
        if (platform::statusAt(platform::kWorkingFolder, target, &st) == 0)
            job.unfinished.append(target);
    }
    return job;
}

// The fill files and name folders it made in the folders `workedIn`;
// only what carries our marks goes.
void removeLeftovers(InterruptedJob &job, const QByteArrayList &workedIn,
                     const QByteArrayList &answering)
{
    for (const QByteArray &where : workedIn) {
        if (!answering.contains(where)) {
            job.notCleaned.append(QCoreApplication::translate(
                                      "JobJournal", "%1 does not answer: what the job left there "
                                                    "was not looked for.")
                                      .arg(displayName(where)));
            continue;
        }
        const int before = int(findFillLeftovers(where).size());
        if (before == 0)
            continue;
        const int left = removeFillLeftovers(where, nullptr);
        if (left < before)
            job.cleanedUp.append(
                QCoreApplication::translate("JobJournal", "Removed the helper files it left in %1.")
                    .arg(displayName(where)));
        if (left > 0)
            job.notCleaned.append(QCoreApplication::translate("JobJournal",
                                                              "%n helper file(s) it left in %1 "
                                                              "could not be removed.",
                                                              nullptr, left)
                                      .arg(displayName(where)));
    }
}

// The reserves it lent to a fill, given back where the same volume is
// still mounted there.
void giveReservesBack(InterruptedJob &job, const QJsonArray &reserves)
{
    for (const QJsonValue &value : reserves) {
        const QByteArray mountPoint = bytesOf(value[QStringLiteral("mountPoint")]);
        const QByteArray fsType = value[QStringLiteral("fsType")].toString().toLatin1();
        const quint64 blocks = quint64(value[QStringLiteral("blocks")].toInteger());
        int error = 0;
        platform::Fd root = platform::openFolderPath(mountPoint, true, &error);
        const auto table = platform::mountTable();
        const platform::Mount *mount =
            root.valid() ? platform::mountOf(table, root.get()) : nullptr;
        if (mount && mount->mountPoint == mountPoint && mount->fsType == fsType &&
            platform::setReserve(fsType, root.get(), blocks) == 0)
            job.cleanedUp.append(QCoreApplication::translate(
                                     "JobJournal", "Gave the reserve it had lent back to %1.")
                                     .arg(displayName(mountPoint)));
        else
            job.notCleaned.append(
                QCoreApplication::translate("JobJournal",
                                            "The reserve it had lent could not be given back "
                                            "to %1; mounting the volume again restores it.")
                    .arg(displayName(mountPoint)));
    }
}

// Cut short as the machine went down, or damaged: nothing in it can be
// trusted, so nothing is done, and nothing is said to be fine. It stays for
// a person to look at, under a name the next start does not read again.
InterruptedJob setAside(int dirFd, const QByteArray &folder, const QByteArray &name)
{
    InterruptedJob job;
    job.unreadable = folder + "/damaged-" + name;
    if (platform::renameAt(dirFd, name, "damaged-" + name) != 0)
        job.unreadable = folder + '/' + name;
    job.started = QFileInfo(QFile::decodeName(job.unreadable)).lastModified();
    return job;
}

} // namespace

QList<InterruptedJob> recoverInterruptedJobs(const QByteArray &folder)
{
    QList<InterruptedJob> found;
    int error = 0;
    platform::Fd dir = platform::openFolderPath(folder, true, &error);
    std::vector<QByteArray> names;
    platform::Status folderStatus;
    if (!dir.valid() || platform::statusAt(dir.get(), QByteArray(), &folderStatus) != 0 ||
        folderStatus.owner != platform::effectiveUser() ||
        platform::readNames(dir.get(), &names) != 0)
        return found;
    const QByteArray boot = platform::bootId();
    for (const QByteArray &name : names) {
        if (!name.startsWith("job-") || !name.endsWith(".json"))
            continue;
        const QByteArray path = folder + '/' + name;
        QJsonDocument document;
        QJsonParseError parsed;
        if (!readRecord(dir.get(), name, &document, &parsed))
            continue;
        const QJsonObject record = document.object();
        if (parsed.error != QJsonParseError::NoError || !document.isObject() ||
            !record.contains(QStringLiteral("pid")) || !record.contains(QStringLiteral("job"))) {
            found.append(setAside(dir.get(), folder, name));
            continue;
        }
        const qint64 pid = record.value(QStringLiteral("pid")).toInteger();
        // Still running (this very process included): not ours to touch.
        if (platform::fileLocked(path + ".lock") ||
            (record.value(QStringLiteral("boot")).toString().toLatin1() == boot &&
             platform::isProgramRunning(pid, "velmora")))
            continue;
        const QByteArrayList workedIn = bytesList(record.value(QStringLiteral("workingIn")));
        const QByteArrayList answering = platform::answering(workedIn);
        // Another job works there now: what it made cannot be told from
        // what this one left, so the record waits for a start after it.
        if (std::any_of(answering.begin(), answering.end(),
                        [](const QByteArray &where) {
                            return platform::volumeLocked(where, volumeLockFolder());
                        }))
            continue;
        InterruptedJob job = jobOf(record);
        removeLeftovers(job, workedIn, answering);
        giveReservesBack(job, record.value(QStringLiteral("reserves")).toArray());
        platform::removeFile(path);
        platform::removeFile(path + ".lock");
        found.append(job);
    }
    if (!found.isEmpty())
        platform::syncFolder(folder);
    return found;
}

} // namespace velmora
