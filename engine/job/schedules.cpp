// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/job/schedules.h"

#include "engine/core/jobjournal.h"
#include "engine/fs/paths.h"
#include "engine/job/erasemethods.h"
#include "engine/platform/platform.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include <algorithm>

namespace velmora
{

namespace
{

// The line each service starts with, from which list reads the schedule back.
const QString kMark = QStringLiteral("# X-Velmora-Schedule:");

bool asRoot()
{
    return platform::effectiveUser() == 0;
}

// One argument of an ExecStart= line: quoted, with systemd's specifiers
// (%) and variables ($) taken literally.
QString execWord(const QString &word)
{
    QString quoted = word;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('"'), QLatin1String("\\\""))
        .replace(QLatin1Char('%'), QLatin1String("%%"))
        .replace(QLatin1Char('$'), QLatin1String("$$"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// systemctl for the user's units or the system's; false where it fails.
bool systemctl(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral("systemctl"),
                  (asRoot() ? QStringList() : QStringList{QStringLiteral("--user")}) + args);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

bool writeText(const QString &file, const QString &text, QString *error)
{
    if (const int rc = platform::writeFileAtomically(QFile::encodeName(file), text.toUtf8())) {
        *error = QStringLiteral("%1: %2").arg(file, platform::errorText(rc));
        return false;
    }
    return true;
}

} // namespace

QString Schedule::description() const
{
    const QString period = every == QLatin1String("monthly")
                               ? QCoreApplication::translate("Schedules", "monthly")
                               : QCoreApplication::translate("Schedules", "weekly");
    const QString what =
        kind == Kind::Trash
            ? QCoreApplication::translate("Schedules", "Erase the Trash")
            : QCoreApplication::translate("Schedules", "Wipe the free space of %1").arg(target);
    // The method's own name ends in its passes in brackets: none around it.
    return QStringLiteral("%1, %2, %3").arg(what, period, methodNamed(method));
}

QString scheduleUnitFolder()
{
    if (asRoot())
        return QStringLiteral("/etc/systemd/system");
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    return (config.startsWith(QLatin1Char('/')) ? config : QDir::homePath() + "/.config") +
           "/systemd/user";
}

QString scheduleReportFolder()
{
    return QFile::decodeName(journalFolder()) + "/reports";
}

bool systemdRuns()
{
    return QFileInfo(QStringLiteral("/run/systemd/system")).isDir();
}

ScheduleUnits scheduleUnits(const Schedule &schedule, const QString &cli)
{
    const bool trash = schedule.kind == Schedule::Kind::Trash;
    QStringList command{execWord(cli)};
    command << (trash ? QStringLiteral("erase --trash") : QStringLiteral("freespace"))
            << QStringLiteral("--method") << schedule.method
            << QStringLiteral("--yes --quiet --json")
            << execWord(scheduleReportFolder() + QLatin1Char('/'));
    if (!trash)
        command << execWord(schedule.target);
    ScheduleUnits units;
    units.service = QStringLiteral("%1 kind=%2 every=%3 method=%4 target=%5\n"
                                   "[Unit]\nDescription=Velmora: %6\n\n"
                                   "[Service]\nType=oneshot\n"
                                   "ExecStartPre=/bin/mkdir -p %7\n"
                                   "ExecStart=%8\n"
                                   "Nice=19\nIOSchedulingClass=idle\n")
                        .arg(kMark, trash ? QStringLiteral("trash") : QStringLiteral("freespace"),
                             schedule.every, schedule.method,
                             QString::fromLatin1(schedule.target.toUtf8().toPercentEncoding("/")),
                             schedule.description(), execWord(scheduleReportFolder()),
                             command.join(QLatin1Char(' ')));
    units.timer = QStringLiteral("[Unit]\nDescription=Velmora: %1\n\n"
                                 "[Timer]\nOnCalendar=%2\nPersistent=true\n"
                                 "RandomizedDelaySec=1h\n\n"
                                 "[Install]\nWantedBy=timers.target\n")
                      .arg(schedule.description(), schedule.every);
    return units;
}

bool addSchedule(Schedule &schedule, const QString &cli, QString *error, const QString &unitFolder)
{
    if (schedule.every != QLatin1String("weekly") && schedule.every != QLatin1String("monthly")) {
        *error = QCoreApplication::translate("Schedules", "runs weekly or monthly, not %1")
                     .arg(schedule.every);
        return false;
    }
    if (methodNamed(schedule.method).isEmpty()) {
        *error = QCoreApplication::translate("Schedules", "unknown method %1").arg(schedule.method);
        return false;
    }
    schedule.method = methodShortName(methodNamed(schedule.method));
    if (schedule.kind == Schedule::Kind::FreeSpace && !schedule.target.startsWith('/')) {
        *error = QCoreApplication::translate("Schedules", "a free-space wipe needs a mount point");
        return false;
    }
    // One schedule per target and period: the name says which.
    const QByteArray key =
        (schedule.kind == Schedule::Kind::Trash ? QByteArray("trash") : schedule.target.toUtf8()) +
        ' ' + schedule.every.toUtf8();
    schedule.name =
        QStringLiteral("velmora-%1-%2")
            .arg(schedule.kind == Schedule::Kind::Trash ? QStringLiteral("trash")
                                                        : QStringLiteral("freespace"),
                 QString::fromLatin1(
                     QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(10)));
    const QString folder = unitFolder.isEmpty() ? scheduleUnitFolder() : unitFolder;
    if (const int rc = platform::makeFolders(QFile::encodeName(folder))) {
        *error = QStringLiteral("%1: %2").arg(folder, platform::errorText(rc));
        return false;
    }
    // Each run keeps its signed outcome there, and refuses to run where it
    // cannot: a folder that cannot be written is said now, not at 3 a.m.
    const QByteArray reports = QFile::encodeName(scheduleReportFolder());
    platform::PendingFile probe;
    int rc = platform::makeFolders(reports);
    if (rc == 0)
        rc = probe.prepare(reports + "/.velmora-schedule-check");
    if (rc != 0) {
        *error = QCoreApplication::translate("Schedules",
                                             "the reports of its runs cannot be kept in %1: %2")
                     .arg(scheduleReportFolder(), platform::errorText(rc));
        return false;
    }
    const ScheduleUnits units = scheduleUnits(schedule, cli);
    if (!writeText(folder + '/' + schedule.name + ".service", units.service, error) ||
        !writeText(folder + '/' + schedule.name + ".timer", units.timer, error))
        return false;
    if (systemdRuns()) {
        systemctl({QStringLiteral("daemon-reload")});
        schedule.active = systemctl(
            {QStringLiteral("enable"), QStringLiteral("--now"), schedule.name + ".timer"});
    }
    return true;
}

QList<Schedule> listSchedules(const QString &unitFolder)
{
    QList<Schedule> list;
    const QDir folder(unitFolder.isEmpty() ? scheduleUnitFolder() : unitFolder);
    const bool running = systemdRuns();
    for (const QString &file :
         folder.entryList({QStringLiteral("velmora-*.service")}, QDir::Files, QDir::Name)) {
        QFile service(folder.filePath(file));
        if (!service.open(QIODevice::ReadOnly))
            continue;
        const QString first = QString::fromUtf8(service.readLine()).trimmed();
        if (!first.startsWith(kMark))
            continue;
        Schedule schedule;
        schedule.name = file.chopped(8);
        for (const QString &field : first.mid(kMark.size()).split(' ', Qt::SkipEmptyParts)) {
            const QString key = field.section('=', 0, 0);
            const QString value = field.section('=', 1);
            if (key == QLatin1String("kind"))
                schedule.kind = value == QLatin1String("trash") ? Schedule::Kind::Trash
                                                                : Schedule::Kind::FreeSpace;
            else if (key == QLatin1String("every"))
                schedule.every = value;
            else if (key == QLatin1String("method"))
                schedule.method = value;
            else if (key == QLatin1String("target"))
                schedule.target =
                    QString::fromUtf8(QByteArray::fromPercentEncoding(value.toLatin1()));
        }
        schedule.active =
            running && systemctl({QStringLiteral("is-active"), QStringLiteral("--quiet"),
                                  schedule.name + ".timer"});
        list.append(schedule);
    }
    return list;
}

bool removeSchedule(const QString &name, QString *error, const QString &unitFolder)
{
    static const QRegularExpression valid(QStringLiteral("^velmora-[a-z]+-[0-9a-f]+$"));
    const QDir folder(unitFolder.isEmpty() ? scheduleUnitFolder() : unitFolder);
    if (!valid.match(name).hasMatch() || !folder.exists(name + ".service")) {
        *error = QCoreApplication::translate("Schedules", "there is no schedule %1").arg(name);
        return false;
    }
    if (systemdRuns())
        systemctl({QStringLiteral("disable"), QStringLiteral("--now"), name + ".timer"});
    for (const QString &suffix : {QStringLiteral(".timer"), QStringLiteral(".service")})
        if (folder.exists(name + suffix) && !QFile::remove(folder.filePath(name + suffix))) {
            *error = QStringLiteral("%1: %2").arg(
                folder.filePath(name + suffix),
                QCoreApplication::translate("Schedules", "cannot be removed"));
            return false;
        }
    if (systemdRuns())
        systemctl({QStringLiteral("daemon-reload")});
    return true;
}

QList<ScheduledRun> scheduledRuns(const QDateTime &since)
{
    QList<ScheduledRun> runs;
    const QDir folder(scheduleReportFolder());
    for (const QFileInfo &info :
         folder.entryInfoList({QStringLiteral("velmora-*.json")}, QDir::Files, QDir::Name)) {
        // Written before `since`: not read at all.
        if (since.isValid() && info.lastModified() <= since)
            continue;
        QFile json(info.filePath());
        if (!json.open(QIODevice::ReadOnly) || json.size() > 64 * 1024 * 1024)
            continue;
        const QJsonObject outcome = QJsonDocument::fromJson(json.readAll()).object();
        if (outcome.isEmpty())
            continue;
        ScheduledRun run;
        run.file = info.filePath();
        run.finished = QDateTime::fromString(outcome.value(QStringLiteral("finished")).toString(),
                                             Qt::ISODateWithMs);
        run.ok = outcome.value(QStringLiteral("result")).toString() == QLatin1String("erased");
        run.summary =
            QStringLiteral("%1: %2").arg(outcome.value(QStringLiteral("target")).toString(),
                                         outcome.value(QStringLiteral("result")).toString());
        runs.append(run);
    }
    std::sort(runs.begin(), runs.end(),
              [](const ScheduledRun &a, const ScheduledRun &b) { return a.finished > b.finished; });
    return runs;
}

} // namespace velmora
