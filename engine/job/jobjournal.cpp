// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/job/jobjournal.h"

#include "engine/fs/freespace.h"
#include "engine/fs/paths.h"
#include "engine/platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>

#include <cerrno>

namespace velmora
{

namespace
{

const char *const kKinds[] = {"files", "volume", "freespace", "drive"};

// Names are bytes; the record keeps them as base64, whatever they hold.
QJsonValue bytesValue(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toBase64());
}

QByteArray bytesOf(const QJsonValue &value)
{
    return QByteArray::fromBase64(value.toString().toLatin1());
}

QJsonArray bytesArray(const QByteArrayList &list)
{
    QJsonArray array;
    for (const QByteArray &bytes : list)
        array.append(bytesValue(bytes));
    return array;
}

QByteArrayList bytesList(const QJsonValue &value)
{
    QByteArrayList list;
    for (const QJsonValue &item : value.toArray())
        list.append(bytesOf(item));
    return list;
}

} // namespace

QByteArray journalFolder()
{
    const QByteArray state = qgetenv("XDG_STATE_HOME");
    if (!state.isEmpty() && state.startsWith('/'))
        return state + "/velmora";
    if (platform::effectiveUser() == 0)
        return QByteArrayLiteral("/var/lib/velmora");
    return QFile::encodeName(QDir::homePath()) + "/.local/state/velmora";
}

JobJournal::JobJournal(QString method, QByteArray folder)
    : method(std::move(method)), folder(std::move(folder))
{
    file = this->folder + "/job-" + QByteArray::number(platform::processId()) + '-' +
           QByteArray::number(QDateTime::currentMSecsSinceEpoch()) + ".json";
}

JobJournal::~JobJournal()
{
    std::lock_guard<std::mutex> lock(mutex);
    if (begun && platform::removeFile(file) == 0)
        platform::syncFolder(folder);
}

void JobJournal::begin(ErasureRecord::Kind kind, bool verify, const QByteArrayList &targets)
{
    std::lock_guard<std::mutex> lock(mutex);
    if ((writeError = platform::makeFolders(folder)) != 0)
        return;
    begun = true;
    record = QJsonObject{
        {QStringLiteral("pid"), platform::processId()},
        {QStringLiteral("boot"), QString::fromLatin1(platform::bootId())},
        {QStringLiteral("started"), QDateTime::currentDateTime().toString(Qt::ISODateWithMs)},
        {QStringLiteral("job"), QLatin1String(kKinds[int(kind)])},
        {QStringLiteral("method"), method},
        {QStringLiteral("verify"), verify},
        {QStringLiteral("targets"), bytesArray(targets)},
        {QStringLiteral("phase"), QString()},
        {QStringLiteral("workingIn"), QJsonArray()},
        {QStringLiteral("reserves"), QJsonArray()},
    };
    write();
}

void JobJournal::atPhase(const QString &phase)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!begun || record.value(QStringLiteral("phase")).toString() == phase)
        return;
    record.insert(QStringLiteral("phase"), phase);
    write();
}

void JobJournal::workingIn(const QByteArray &path)
{
    std::lock_guard<std::mutex> lock(mutex);
    QJsonArray folders = record.value(QStringLiteral("workingIn")).toArray();
    if (!begun || path.isEmpty() || folders.contains(bytesValue(path)))
        return;
    folders.append(bytesValue(path));
    record.insert(QStringLiteral("workingIn"), folders);
    write();
}

void JobJournal::lentReserve(const QByteArray &mountPoint, const QByteArray &fsType,
                             quint64 blocks)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!begun)
        return;
    QJsonArray reserves = record.value(QStringLiteral("reserves")).toArray();
    reserves.append(QJsonObject{{QStringLiteral("mountPoint"), bytesValue(mountPoint)},
                                {QStringLiteral("fsType"), QString::fromLatin1(fsType)},
                                {QStringLiteral("blocks"), qint64(blocks)}});
    record.insert(QStringLiteral("reserves"), reserves);
    write();
}

void JobJournal::gaveBack(const QByteArray &mountPoint)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!begun)
        return;
    QJsonArray reserves = record.value(QStringLiteral("reserves")).toArray();
    for (qsizetype i = reserves.size() - 1; i >= 0; --i)
        if (bytesOf(reserves.at(i)[QStringLiteral("mountPoint")]) == mountPoint)
            reserves.removeAt(i);
    record.insert(QStringLiteral("reserves"), reserves);
    write();
}

int JobJournal::error() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return writeError;
}

void JobJournal::write()
{
    // Private to the user: it names what they erase.
    writeError = platform::writeFileAtomically(file, QJsonDocument(record).toJson(), 0600);
}

QString InterruptedJob::description() const
{
    const QString when = QLocale().toString(started, QLocale::ShortFormat);
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
        what = QCoreApplication::translate("JobJournal", "A wipe of the whole drive %1, which "
                                                         "now holds partly old data, partly "
                                                         "random data,")
                   .arg(displayName(targets.value(0)));
        break;
    }
    QString text = QCoreApplication::translate(
                       "JobJournal", "%1 (%2), started %3, was interrupted before its end%4.")
                       .arg(what, method, when,
                            phase.isEmpty() ? QString()
                                            : QCoreApplication::translate("JobJournal",
                                                                          ", during: %1")
                                                  .arg(phase));
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

QList<InterruptedJob> recoverInterruptedJobs(const QByteArray &folder)
{
    QList<InterruptedJob> found;
    int error = 0;
    platform::Fd dir = platform::openFolderPath(folder, true, &error);
    std::vector<QByteArray> names;
    if (!dir.valid() || platform::readNames(dir.get(), &names) != 0)
        return found;
    const QByteArray boot = platform::bootId();
    for (const QByteArray &name : names) {
        if (!name.startsWith("job-") || !name.endsWith(".json"))
            continue;
        const QByteArray path = folder + '/' + name;
        QFile file(QFile::decodeName(path));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QJsonObject record = QJsonDocument::fromJson(file.readAll()).object();
        file.close();
        const qint64 pid = record.value(QStringLiteral("pid")).toInteger();
        // Still running (this very process included): not ours to touch.
        if (record.value(QStringLiteral("boot")).toString().toLatin1() == boot &&
            platform::isProgramRunning(pid, "velmora"))
            continue;

        InterruptedJob job;
        job.started = QDateTime::fromString(record.value(QStringLiteral("started")).toString(),
                                            Qt::ISODateWithMs);
        const QString kind = record.value(QStringLiteral("job")).toString();
        job.kind = kind == QLatin1String("volume")      ? ErasureRecord::Kind::Volume
                   : kind == QLatin1String("freespace") ? ErasureRecord::Kind::FreeSpace
                   : kind == QLatin1String("drive")     ? ErasureRecord::Kind::Drive
                                                        : ErasureRecord::Kind::Files;
        job.method = record.value(QStringLiteral("method")).toString();
        job.verify = record.value(QStringLiteral("verify")).toBool();
        job.phase = record.value(QStringLiteral("phase")).toString();
        job.targets = bytesList(record.value(QStringLiteral("targets")));
        for (const QByteArray &target : job.targets) {
            platform::Status st;
            if (platform::statusAt(platform::kWorkingFolder, target, &st) == 0)
                job.unfinished.append(target);
        }
        // The fill files and name folders it made, wherever it made them;
        // only what carries our marks goes.
        for (const QByteArray &where : bytesList(record.value(QStringLiteral("workingIn")))) {
            const int before = int(findFillLeftovers(where).size());
            if (before == 0)
                continue;
            const int left = removeFillLeftovers(where, nullptr);
            if (left < before)
                job.cleanedUp.append(
                    QCoreApplication::translate("JobJournal",
                                                "Removed the helper files it left in %1.")
                        .arg(displayName(where)));
            if (left > 0)
                job.notCleaned.append(
                    QCoreApplication::translate("JobJournal",
                                                "%n helper file(s) it left in %1 could not be "
                                                "removed.",
                                                nullptr, left)
                        .arg(displayName(where)));
        }
        for (const QJsonValue &value : record.value(QStringLiteral("reserves")).toArray()) {
            const QByteArray mountPoint = bytesOf(value[QStringLiteral("mountPoint")]);
            const QByteArray fsType = value[QStringLiteral("fsType")].toString().toLatin1();
            const quint64 blocks = quint64(value[QStringLiteral("blocks")].toInteger());
            platform::Fd root = platform::openFolderPath(mountPoint, true, &error);
            const auto table = platform::mountTable();
            const platform::Mount *mount = root.valid() ? platform::mountOf(table, root.get())
                                                        : nullptr;
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
        platform::removeFile(path);
        found.append(job);
    }
    if (!found.isEmpty())
        platform::syncFolder(folder);
    return found;
}

} // namespace velmora
