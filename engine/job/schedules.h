// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Wipes that run by themselves: a free-space wipe of a volume, or an erase of
// the Trash, weekly or monthly, as a systemd timer and service that run
// velmora-cli. The user's own units (~/.config/systemd/user), or for root the
// system's (/etc/systemd/system). Each run leaves its JSON outcome in the
// reports folder, which the window lists.

#include <QDateTime>
#include <QList>
#include <QString>

namespace velmora
{

struct Schedule {
    enum class Kind { FreeSpace, Trash };
    Kind kind = Kind::Trash;
    QString target;                           // the mount point of a free-space wipe
    QString every = QStringLiteral("weekly"); // "weekly" or "monthly"
    QString method = QStringLiteral("nist");  // a method's short name
    QString name;                             // the units' name, without .timer/.service
    bool active = false;                      // systemd runs its timer
    QString description() const;
};

// Where the units go, and where each run leaves its outcome.
QString scheduleUnitFolder();
QString scheduleReportFolder();
// Whether systemd manages this system (and so can run the timers now).
bool systemdRuns();

struct ScheduleUnits {
    QString service;
    QString timer;
};
// The units of `schedule`, running the velmora-cli at `cli`.
ScheduleUnits scheduleUnits(const Schedule &schedule, const QString &cli);

// Writes the units (naming the schedule), and where systemd runs enables the
// timer. False with the reason when they cannot be written or `schedule`
// makes no sense (an unknown method or period, a relative mount point).
// `folder` is where the units go (scheduleUnitFolder() when empty).
bool addSchedule(Schedule &schedule, const QString &cli, QString *error,
                 const QString &folder = QString());
// The schedules whose units are in the unit folder.
QList<Schedule> listSchedules(const QString &folder = QString());
bool removeSchedule(const QString &name, QString *error, const QString &folder = QString());

// What a scheduled run left: its outcome file, when it ended, and whether
// everything it meant to do was done.
struct ScheduledRun {
    QString file;
    QDateTime finished;
    QString summary;
    bool ok = false;
};
// Newest first; with `since`, only the outcomes written after it (the
// others are not read).
QList<ScheduledRun> scheduledRuns(const QDateTime &since = QDateTime());

} // namespace velmora
