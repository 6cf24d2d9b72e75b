// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/clilists.h"
#include "engine/core/sizes.h"

#include "app/clicommands.h"
#include "app/cliout.h"
#include "engine/device/drivewipe.h"
#include "engine/device/luks.h"
#include "engine/device/sanitize.h"
#include "engine/fs/medium.h"
#include "engine/fs/paths.h"
#include "engine/job/erasemethods.h"
#include "engine/job/jobrunner.h"
#include "engine/job/outcomestore.h"
#include "engine/job/reportsignature.h"
#include "engine/job/schedules.h"
#include "engine/job/volumelist.h"
#include "engine/platform/drives.h"
#include "engine/platform/platform.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

namespace cli
{

int listVolumes(const QStringList &words)
{
    const bool json = words == QStringList{QStringLiteral("--json")};
    if (!words.isEmpty() && !json)
        return fail(QCoreApplication::translate("Cli", "volumes takes only --json"));
    const QList<velmora::MountedVolume> list = velmora::mountedVolumes();
    if (json) {
        QJsonArray array;
        for (const velmora::MountedVolume &v : list) {
            const auto size = [&v](qint64 bytes) {
                return v.responding ? QJsonValue(double(bytes)) : QJsonValue(QJsonValue::Null);
            };
            QJsonObject object = velmora::storageJson(v.storage);
            object.insert(QStringLiteral("mountPoint"), v.mountPoint);
            object.insert(QStringLiteral("device"), v.device);
            object.insert(QStringLiteral("fileSystem"), v.fileSystem);
            object.insert(QStringLiteral("label"), v.label);
            object.insert(QStringLiteral("readOnly"), v.readOnly);
            object.insert(QStringLiteral("bytes"), size(v.total));
            object.insert(QStringLiteral("available"), size(v.available));
            array.append(object);
        }
        printTo(stdout, QString::fromUtf8(QJsonDocument(array).toJson()));
        return 0;
    }
    const QLocale locale;
    for (const velmora::MountedVolume &v : list) {
        printTo(stdout,
                QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\n")
                    .arg(v.mountPoint, v.fileSystem,
                         v.responding ? velmora::sizeText(v.total) : QStringLiteral("—"),
                         v.responding ? velmora::sizeText(v.available) : QStringLiteral("—"),
                         velmora::mediumLabel(v.storage), velmora::deviceChainText(v.storage)));
    }
    return 0;
}

int listReports(const QStringList &words)
{
    const bool json = words == QStringList{QStringLiteral("--json")};
    if (!words.isEmpty() && !json)
        return fail(QCoreApplication::translate("Cli", "reports takes only --json"));
    const QList<velmora::KeptOutcome> kept = velmora::keptOutcomes();
    if (json) {
        QJsonArray array;
        for (const velmora::KeptOutcome &k : kept)
            array.append(
                QJsonObject{{QStringLiteral("finished"), k.finished.toString(Qt::ISODateWithMs)},
                            {QStringLiteral("job"), k.job},
                            {QStringLiteral("target"), k.target},
                            {QStringLiteral("result"), k.result},
                            {QStringLiteral("signature"), k.sealKey()},
                            {QStringLiteral("signedBy"), k.signedBy},
                            {QStringLiteral("scheduled"), k.scheduled},
                            {QStringLiteral("outcome"), k.json},
                            {QStringLiteral("report"),
                             k.pdf.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(k.pdf)}});
        printTo(stdout, QString::fromUtf8(QJsonDocument(array).toJson()));
        return 0;
    }
    const QLocale locale;
    for (const velmora::KeptOutcome &k : kept)
        printTo(stdout,
                QStringLiteral("%1\t%2\t%3\t%4\t%5\n")
                    .arg(locale.toString(k.finished.toLocalTime(), QLocale::ShortFormat),
                         k.jobText(), k.shownState(),
                         // One row each, whatever the target's name holds.
                         velmora::displayName(k.target.toUtf8()),
                         velmora::displayName(velmora::fsBytes(k.pdf.isEmpty() ? k.json : k.pdf))));
    if (kept.isEmpty())
        printTo(stderr, QCoreApplication::translate(
                            "Cli", "No job has run yet: each one's outcome is kept in %1\n")
                            .arg(velmora::outcomeStoreFolder()));
    return 0;
}

int listDrives(const QStringList &words)
{
    const bool json = words == QStringList{QStringLiteral("--json")};
    if (!words.isEmpty() && !json)
        return fail(QCoreApplication::translate("Cli", "drives takes only --json"));
    QJsonArray array;
    for (const velmora::platform::Drive &d : velmora::platform::scannedDrives()) {
        const velmora::platform::Storage s = velmora::platform::storageOfDisk(d.disk);
        const QString refusal = velmora::driveRefusal(d);
        velmora::LuksHeader luks;
        QString problem;
        const int found = velmora::probeLuks(d.path, &luks, &problem);
        if (json) {
            QJsonObject object =
                velmora::storageJson(s).value(QStringLiteral("disks")).toArray().at(0).toObject();
            object.insert(QStringLiteral("path"), velmora::displayName(d.path));
            object.insert(QStringLiteral("partition"), d.partition);
            object.insert(QStringLiteral("bytes"), double(d.bytes));
            object.insert(QStringLiteral("medium"),
                          velmora::storageJson(s).value(QStringLiteral("medium")));
            QJsonArray partitions;
            for (const QByteArray &p : d.partitions)
                partitions.append(QString::fromUtf8(p));
            object.insert(QStringLiteral("partitions"), partitions);
            object.insert(QStringLiteral("luks"), found > 0
                                                      ? QJsonValue(QString::fromUtf8(luks.version))
                                                      : QJsonValue(QJsonValue::Null));
            object.insert(QStringLiteral("refused"),
                          refusal.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(refusal));
            // What the drive's own erase offers, asked of the drive.
            object.insert(QStringLiteral("sanitize"), velmora::probeSanitize(d).toJson());
            array.append(object);
            continue;
        }
        QStringList facts{velmora::driveTitle(d), velmora::mediumLabel(s)};
        if (!d.partitions.isEmpty()) {
            QStringList names;
            for (const QByteArray &p : d.partitions)
                names.append(QString::fromUtf8(p));
            facts.append(QCoreApplication::translate("Cli", "partitions: %1")
                             .arg(names.join(QLatin1Char(' '))));
        }
        if (found > 0)
            facts.append(QString::fromUtf8(luks.version));
        if (!d.partition)
            facts.append(velmora::probeSanitize(d).summary());
        printTo(stdout, QStringLiteral("%1\t%2%3\n")
                            .arg(velmora::displayName(d.path), facts.join(QStringLiteral(" · ")),
                                 refusal.isEmpty() ? QString() : QStringLiteral("\t") + refusal));
    }
    if (json)
        printTo(stdout, QString::fromUtf8(QJsonDocument(array).toJson()));
    return 0;
}

int schedule(const QStringList &words, const QString &every, const QString &method)
{
    const QString action = words.value(0);
    if (action == QLatin1String("list")) {
        const QList<velmora::Schedule> schedules = velmora::listSchedules();
        for (const velmora::Schedule &s : schedules)
            printTo(stdout, QStringLiteral("%1  %2  %3\n")
                                .arg(s.name,
                                     s.active ? QCoreApplication::translate("Cli", "active")
                                              : QCoreApplication::translate("Cli", "inactive"),
                                     s.description()));
        if (schedules.isEmpty())
            printTo(stderr, QCoreApplication::translate("Cli", "No wipes are scheduled.\n"));
        else if (!velmora::systemdRuns())
            printTo(
                stderr,
                QCoreApplication::translate(
                    "Cli", "systemd does not run here: the timers are written but inactive.\n"));
        return 0;
    }
    if (action == QLatin1String("remove")) {
        QString error;
        if (words.size() != 2 || !velmora::removeSchedule(words.at(1), &error))
            return fail(words.size() != 2 ? QCoreApplication::translate(
                                                "Cli", "schedule remove takes the name list shows")
                                          : error);
        printTo(stderr, QCoreApplication::translate("Cli", "Removed %1.\n").arg(words.at(1)));
        return 0;
    }
    if (action != QLatin1String("add"))
        return fail(QCoreApplication::translate("Cli", "schedule takes add, list or remove"));
    velmora::Schedule s;
    const QString what = words.value(1);
    if (what == QLatin1String("trash") && words.size() == 2) {
        s.kind = velmora::Schedule::Kind::Trash;
    } else if (what == QLatin1String("freespace") && words.size() == 3) {
        s.kind = velmora::Schedule::Kind::FreeSpace;
        s.target = words.at(2);
        if (!pathsAnswer({velmora::fsBytes(s.target)}))
            return 2;
        // A mount point, as freespace itself takes it.
        if (velmora::mountPointOf(s.target) != s.target)
            return fail(QCoreApplication::translate("Cli", "%1 is not the mount point of a volume")
                            .arg(velmora::displayName(velmora::fsBytes(s.target))));
    } else {
        return fail(QCoreApplication::translate(
            "Cli", "schedule add takes trash, or freespace and a mount point"));
    }
    s.method = velmora::methodShortName(method);
    if (!every.isEmpty())
        s.every = every;
    QString error;
    if (!velmora::addSchedule(s, QCoreApplication::applicationFilePath(), &error))
        return fail(error);
    printTo(stderr, QCoreApplication::translate("Cli", "Scheduled %1 as %2 in %3%4.\n")
                        .arg(s.description(), s.name, velmora::scheduleUnitFolder(),
                             s.active ? QString()
                                      : QCoreApplication::translate(
                                            "Cli", " (inactive: systemd does not run it here)")));
    return 0;
}

int checkReport(const QStringList &files, const QString &key)
{
    if (files.size() != 1)
        return fail(QCoreApplication::translate("Cli", "check-report takes one JSON outcome"));
    QFile file(files.constFirst());
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: %2").arg(files.constFirst(), file.errorString()), 1);
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parsed);
    QString fingerprint;
    QString problem;
    if (!document.isObject())
        problem = QCoreApplication::translate("Cli", "it is not a JSON outcome (%1)")
                      .arg(parsed.errorString());
    else if (velmora::checkOutcome(document.object(), key, &fingerprint, &problem)) {
        printTo(stdout,
                QCoreApplication::translate("Cli", "valid, signed by key %1\n").arg(fingerprint));
        return 0;
    }
    printTo(stderr, QStringLiteral("velmora-cli: %1: %2\n").arg(files.constFirst(), problem));
    return 1;
}

} // namespace cli
