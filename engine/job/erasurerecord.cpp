// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/job/erasurerecord.h"
#include "engine/core/sizes.h"

#include "engine/device/drivewipe.h"
#include "engine/fs/medium.h"
#include "engine/fs/paths.h"
#include "engine/job/erasemethods.h"
#include "engine/platform/platform.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QLocale>
#include <QSet>
#include <QSysInfo>

namespace velmora
{

namespace
{

// Who ran the job; through pkexec or sudo, root on behalf of the user who
// asked.
QString currentUser()
{
    QString user = QString::fromLocal8Bit(platform::nameOfUser(platform::effectiveUser()));
    quint32 caller = 0;
    if (platform::callingUser(&caller))
        return QCoreApplication::translate("ErasureRecord", "%1, for %2")
            .arg(user, QString::fromLocal8Bit(platform::nameOfUser(caller)));
    return user;
}

ErasureRecord begun(ErasureRecord::Kind kind, const QString &method, bool verify)
{
    ErasureRecord record;
    record.kind = kind;
    record.method = method;
    record.passes = passCountForMethod(method);
    record.verify = verify;
    record.host = QSysInfo::machineHostName();
    record.user = currentUser();
    record.started = QDateTime::currentDateTime();
    return record;
}

bool below(const QString &path, const QString &folder)
{
    return path.size() > folder.size() && path.startsWith(folder) &&
           (folder.endsWith(QLatin1Char('/')) || path.at(folder.size()) == QLatin1Char('/'));
}

} // namespace

ErasureRecord ErasureRecord::forFiles(const QByteArrayList &paths, const QString &method,
                                      bool verify)
{
    ErasureRecord record = begun(Kind::Files, method, verify);
    record.listed = paths;
    // Folders count as entries of their own; their files are listed too.
    qint64 bytes = 0;
    for (const QByteArray &path : paths) {
        platform::Status st;
        if (platform::statusAt(platform::kWorkingFolder, path, &st) != 0)
            continue;
        if (st.type == platform::Type::Regular)
            bytes += st.allocated;
        else if (st.type == platform::Type::Directory)
            record.listedFolders.insert(path);
    }
    record.volumeBytes = quint64(bytes);
    record.target = QCoreApplication::translate("ErasureRecord", "%n entries, %1 in total", nullptr,
                                                int(paths.size()))
                        .arg(sizeText(bytes));
    return record;
}

ErasureRecord ErasureRecord::forDrive(const QByteArray &path, const QString &method, bool verify,
                                      bool cryptoErase, const QString &ownErase)
{
    // The keys alone: nothing is overwritten, nothing read back.
    ErasureRecord record = begun(Kind::Drive, method, verify && !method.isEmpty());
    if (method.isEmpty())
        record.passes = 0;
    record.mountPoint = displayName(path);
    record.device = displayName(path);
    platform::Drive drive;
    if (platform::driveAt(path, &drive) == 0) {
        record.volumeBytes = drive.bytes;
        record.target = driveTitle(drive);
    } else {
        record.target = displayName(path);
    }
    if (cryptoErase)
        record.method =
            method.isEmpty()
                ? QCoreApplication::translate("ErasureRecord", "Destroy the encryption keys")
                : QCoreApplication::translate("ErasureRecord",
                                              "Destroy the encryption keys, then %1")
                      .arg(method);
    if (!ownErase.isEmpty())
        record.method =
            method.isEmpty()
                ? QCoreApplication::translate("ErasureRecord", "The drive's own erase (%1)")
                      .arg(ownErase)
                : QCoreApplication::translate("ErasureRecord",
                                              "The drive's own erase (%1), then %2")
                      .arg(ownErase, method);
    return record;
}

ErasureRecord ErasureRecord::forVolume(Kind kind, const QString &root, const QString &method,
                                       bool verify)
{
    ErasureRecord record = begun(kind, method, verify);
    // The figures the job counts on, from the same calls.
    platform::Mount mount;
    platform::Space space;
    platform::volumeAt(fsBytes(root), &mount, &space);
    record.mountPoint = root;
    record.device = displayName(mount.source);
    record.fileSystem = QString::fromUtf8(mount.fsType);
    record.volumeBytes = space.total;
    const QLocale locale;
    if (kind == Kind::FreeSpace)
        record.target =
            QCoreApplication::translate("ErasureRecord", "Free space of %1 on %2 (%3): %4 of %5")
                .arg(root, record.device, record.fileSystem, sizeText(qint64(space.available)),
                     sizeText(qint64(space.total)));
    else
        record.target =
            QCoreApplication::translate("ErasureRecord", "Everything on %1 on %2 (%3), %4")
                .arg(root, record.device, record.fileSystem, sizeText(qint64(space.total)));
    // What the volume lives on, as its table row says: what an overwrite
    // reaches depends on it.
    if (!mount.mountPoint.isEmpty())
        record.target +=
            QStringLiteral(" · ") + mediumLabel(platform::storageOf(mount, platform::mountTable()));
    return record;
}

bool ErasureRecord::readBack() const
{
    return verify && passes > 0 && (result == Result::Erased || result == Result::Problems);
}

namespace
{

// What the job did to the listed entry `path`, never merely that it is gone.
ErasureRecord::Entry entryFor(const QByteArray &path, const ErasureRecord &record,
                              const QSet<QString> &failed, const JobReport &report, bool stopped)
{
    using Entry = ErasureRecord::Entry;
    const QStringList &problems = record.problems;
    const QSet<QByteArray> &listedFolders = record.listedFolders;
    Entry entry;
    entry.name = displayName(path);
    if (entry.name.toUtf8() != path)
        entry.bytes = path;
    const bool itself = failed.contains(entry.name);
    int inside = 0;
    if (listedFolders.contains(path))
        for (const QString &problem : problems)
            inside += below(problem, entry.name) ? 1 : 0;
    platform::Status st;
    const bool present = platform::statusAt(platform::kWorkingFolder, path, &st) == 0;
    entry.present = present;
    // What the job did to it, never merely that it is gone: a folder
    // reached through a link that went as a link leaves its files in
    // place, under another name.
    const bool removedByJob = report.wasRemoved(entry.name);
    if (itself) {
        entry.outcome = QCoreApplication::translate("ErasureRecord", "Not erased");
    } else if (inside > 0) {
        entry.outcome = QCoreApplication::translate(
            "ErasureRecord", "Partly erased: %n below it not erased", nullptr, inside);
        entry.state = Entry::State::PartlyErased;
    } else if (present || !removedByJob) {
        entry.outcome =
            stopped   ? QCoreApplication::translate("ErasureRecord",
                                                    "Not erased: the job was stopped first")
            : present ? QCoreApplication::translate("ErasureRecord", "Not erased: still present")
                      : QCoreApplication::translate("ErasureRecord",
                                                    "Not erased: gone, but not by this job");
        if (stopped)
            entry.state = Entry::State::Stopped;
    } else {
        entry.outcome = QCoreApplication::translate("ErasureRecord", "Erased");
        entry.erased = true;
        entry.state = Entry::State::Erased;
    }
    return entry;
}

} // namespace

void ErasureRecord::finish(const JobReport &report, qint64 written, qint64 verified, bool stopped)
{
    finished = QDateTime::currentDateTime();
    bytesWritten = written;
    bytesVerified = verified;
    problemCount = report.problemCount();
    problems = report.problemPaths();
    problemReasons = report.problemReasons();
    warnings = report.warnings();
    notes = report.notes();
    media = report.media();
    drive = report.drive();
    events = report.events();
    error = report.endedByError() ? report.errorMessage() : QString();
    result = stopped            ? Result::Stopped
             : !error.isEmpty() ? Result::Failed
             : problemCount > 0 ? Result::Problems
                                : Result::Erased;

    // Only a wipe that ran to its end reached every sector, or the keys;
    // one that ended past refused sectors says so itself.
    const bool endedPastBadSectors =
        result == Result::Problems && drive.contains(QStringLiteral("badSectors"));
    if (kind == Kind::Drive && result != Result::Erased && !drive.isEmpty() &&
        !endedPastBadSectors) {
        drive.insert(QStringLiteral("sanitization"), QStringLiteral("none"));
        drive.insert(QStringLiteral("sanitizationText"),
                     QCoreApplication::translate("ErasureRecord",
                                                 "Neither Clear nor Purge (NIST SP 800-88): the "
                                                 "wipe did not finish."));
    }

    entries.clear();
    if (kind != Kind::Files) {
        Entry volume{mountPoint, resultText(), result == Result::Erased};
        volume.state = result == Result::Erased    ? Entry::State::Erased
                       : result == Result::Stopped ? Entry::State::Stopped
                                                   : Entry::State::NotErased;
        entries.append(volume);
        return;
    }
    // Each path is looked up once; only folders are searched for problems
    // below them, so that many files with many problems stay quick.
    const QSet<QString> failed(problems.cbegin(), problems.cend());
    for (const QByteArray &path : listed)
        entries.append(entryFor(path, *this, failed, report, stopped));
}

QByteArrayList ErasureRecord::topLevel() const
{
    QByteArrayList top;
    for (const QByteArray &path : listed) {
        bool inside = false;
        for (qsizetype slash = path.lastIndexOf('/'); slash > 0 && !inside;
             slash = path.lastIndexOf('/', slash - 1))
            inside = listedFolders.contains(path.left(slash));
        if (!inside)
            top.append(path);
    }
    return top;
}

double ErasureRecord::seconds() const
{
    return started.isValid() && finished.isValid() ? started.msecsTo(finished) / 1000.0 : 0.0;
}

int ErasureRecord::erasedEntries() const
{
    int n = 0;
    for (const Entry &entry : entries)
        n += entry.erased ? 1 : 0;
    return n;
}

QString ErasureRecord::kindName() const
{
    switch (kind) {
    case Kind::Files:
        return QCoreApplication::translate("ErasureRecord", "Erase files and folders");
    case Kind::Volume:
        return QCoreApplication::translate("ErasureRecord", "Wipe a whole volume");
    case Kind::FreeSpace:
        return QCoreApplication::translate("ErasureRecord", "Wipe free space");
    case Kind::Drive:
        return QCoreApplication::translate("ErasureRecord", "Wipe a whole drive");
    }
    return QString();
}

QString ErasureRecord::resultText() const
{
    switch (result) {
    case Result::Erased:
        return kind == Kind::Files ? QCoreApplication::translate("ErasureRecord", "Erased")
                                   : QCoreApplication::translate("ErasureRecord", "Wiped");
    case Result::Problems:
        // A drive whose every sector but the refused ones was written.
        if (const double refused = drive.value(QStringLiteral("badSectors"))
                                       .toObject()
                                       .value(QStringLiteral("count"))
                                       .toDouble();
            kind == Kind::Drive && refused > 0)
            return QCoreApplication::translate(
                "ErasureRecord",
                "Erased with exceptions: %n sector(s) could not be written or read back; "
                "destroy this drive physically",
                nullptr, int(refused));
        return QCoreApplication::translate("ErasureRecord", "Finished with problems");
    case Result::Stopped:
        return QCoreApplication::translate("ErasureRecord", "Stopped before the end");
    case Result::Failed:
        return QCoreApplication::translate("ErasureRecord", "Did not finish");
    }
    return QString();
}

QString ErasureRecord::summary() const
{
    const QString written = sizeText(bytesWritten);
    const QString head =
        result == Result::Stopped
            ? QCoreApplication::translate("ErasureRecord", "⏹️ The erase was stopped.")
            : QCoreApplication::translate("ErasureRecord", "%1.", "a job's state, ending its "
                                                                  "sentence")
                  .arg(resultText());
    if (kind == Kind::Files)
        return QCoreApplication::translate("ErasureRecord",
                                           "%1 %2 of %n entries erased, %3 written.", nullptr,
                                           int(entries.size()))
            .arg(head)
            .arg(erasedEntries())
            .arg(written);
    return QCoreApplication::translate("ErasureRecord", "%1 %2 written on %3.")
        .arg(head, written, mountPoint);
}

QString ErasureRecord::category() const
{
    const QString drived = drive.value(QStringLiteral("sanitization")).toString();
    return kind == Kind::Drive && !drived.isEmpty() ? drived : QStringLiteral("none");
}

QString ErasureRecord::technique() const
{
    // The drive's own erase is named as the command it was: a sanitize or a
    // format, with its action; an overwrite only where one followed.
    const QJsonObject own = drive.value(QStringLiteral("ownErase")).toObject();
    if (kind == Kind::Drive && !own.isEmpty()) {
        const QString action = own.value(QStringLiteral("action")).toString();
        const QString named =
            action == QLatin1String("format-crypto")  ? QStringLiteral("format crypto-erase")
            : action == QLatin1String("format-erase") ? QStringLiteral("format user-data-erase")
                                                      : QStringLiteral("sanitize ") + action;
        return passes > 0 ? named + QStringLiteral(", overwrite") : named;
    }
    const bool keys = kind == Kind::Drive && drive.contains(QStringLiteral("luks"));
    if (keys && passes > 0)
        return QStringLiteral("cryptographic-erase, overwrite");
    return keys ? QStringLiteral("cryptographic-erase") : QStringLiteral("overwrite");
}

// Kept in one piece: the outcome's fields, one line each, in the order the
// JSON lists them.
QJsonObject ErasureRecord::toJson() const
{
    static const char *const kinds[] = {"files", "volume", "freespace", "drive"};
    static const char *const results[] = {"erased", "problems", "stopped", "failed"};
    static const char *const states[] = {"erased", "not-erased", "partly-erased", "stopped"};
    QJsonArray entryList;
    for (const Entry &entry : entries) {
        QJsonObject object{{QStringLiteral("path"), entry.name},
                           {QStringLiteral("erased"), entry.erased},
                           {QStringLiteral("state"), QLatin1String(states[int(entry.state)])},
                           {QStringLiteral("outcome"), entry.outcome}};
        if (!entry.bytes.isEmpty())
            object.insert(QStringLiteral("pathBytes"), QString::fromLatin1(entry.bytes.toBase64()));
        entryList.append(object);
    }
    QJsonArray eventList;
    for (const JobEvent &event : events)
        eventList.append(event.toJson());
    QJsonArray storage;
    for (const VolumeMedium &medium : media) {
        QJsonObject volume = medium.storage;
        volume.insert(QStringLiteral("mountPoint"), medium.mountPoint);
        // A file erase or free-space wipe overwrites through the file system,
        // never every addressable block: neither category applies.
        volume.insert(QStringLiteral("sanitization"), QStringLiteral("none"));
        storage.append(volume);
    }
    QJsonObject object{
        {QStringLiteral("schema"), kJsonSchema},
        {QStringLiteral("product"), QStringLiteral("Velmora")},
        {QStringLiteral("version"), QStringLiteral(VELMORA_VERSION)},
        {QStringLiteral("host"), host},
        {QStringLiteral("user"), user},
        {QStringLiteral("job"), QLatin1String(kinds[int(kind)])},
        {QStringLiteral("method"), method},
        {QStringLiteral("methodKey"), methodShortName(method).toLower()},
        {QStringLiteral("passes"), passes},
        {QStringLiteral("verify"), verify},
        {QStringLiteral("target"), target},
        {QStringLiteral("started"),
         started.toOffsetFromUtc(started.offsetFromUtc()).toString(Qt::ISODateWithMs)},
        {QStringLiteral("finished"),
         finished.toOffsetFromUtc(finished.offsetFromUtc()).toString(Qt::ISODateWithMs)},
        {QStringLiteral("seconds"), seconds()},
        {QStringLiteral("result"), QLatin1String(results[int(result)])},
        {QStringLiteral("bytesWritten"), bytesWritten},
        {QStringLiteral("bytesVerified"), bytesVerified},
        {QStringLiteral("entries"), entryList},
        {QStringLiteral("problemCount"), problemCount},
        {QStringLiteral("problems"), QJsonArray::fromStringList(problems)},
        {QStringLiteral("warnings"), QJsonArray::fromStringList(warnings)},
        {QStringLiteral("notes"), QJsonArray::fromStringList(notes)},
        {QStringLiteral("storage"), storage},
        {QStringLiteral("details"), details.toJson()},
        {QStringLiteral("sanitization"),
         QJsonObject{{QStringLiteral("category"), category()},
                     {QStringLiteral("technique"), technique()},
                     {QStringLiteral("verification"),
                      !readBack() ? QStringLiteral("none")
                      : drive.value(QStringLiteral("verification"))
                                  .toObject()
                                  .value(QStringLiteral("mode")) == QLatin1String("sample")
                          ? QStringLiteral("sampled-read-back")
                          : QStringLiteral("read-back")},
                     {QStringLiteral("tool"),
                      QStringLiteral("Velmora %1").arg(QStringLiteral(VELMORA_VERSION))}}},
        {QStringLiteral("events"), eventList},
    };
    if (kind != Kind::Files)
        object.insert(QStringLiteral("volume"),
                      QJsonObject{{QStringLiteral("mountPoint"), mountPoint},
                                  {QStringLiteral("device"), device},
                                  {QStringLiteral("fileSystem"), fileSystem},
                                  {QStringLiteral("bytes"), qint64(volumeBytes)}});
    if (kind == Kind::Drive)
        object.insert(QStringLiteral("drive"), drive);
    if (!error.isEmpty())
        object.insert(QStringLiteral("error"), error);
    return object;
}

} // namespace velmora
