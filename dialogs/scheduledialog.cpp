// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/scheduledialog.h"

#include "dialogs/modal.h"

#include "engine/fs/paths.h"
#include "engine/job/erasemethods.h"
#include "engine/job/schedules.h"
#include "engine/platform/platform.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

ScheduleDialog::ScheduleDialog(const QString &cli, QWidget *parent) : QDialog(parent), cli(cli)
{
    setWindowTitle(tr("Scheduled Wipes"));
    setObjectName(QStringLiteral("scheduleDialog"));
    resize(560, 380);
    auto *layout = new QVBoxLayout(this);
    listSchedules = new QListWidget(this);
    listSchedules->setObjectName(QStringLiteral("listSchedules"));
    layout->addWidget(listSchedules);
    btnRemove = new QPushButton(tr("Remove"), this);
    btnRemove->setObjectName(QStringLiteral("btnRemoveSchedule"));
    connect(btnRemove, &QPushButton::clicked, this, &ScheduleDialog::removeSelected);
    layout->addWidget(btnRemove, 0, Qt::AlignRight);

    auto *row = new QHBoxLayout;
    comboWhat = new QComboBox(this);
    comboWhat->setObjectName(QStringLiteral("comboWhat"));
    comboWhat->addItem(tr("Erase the Trash"));
    // The volumes a free-space wipe can take: writable, on a device.
    for (const velmora::platform::Mount &mount : velmora::platform::mountTable())
        if (!mount.readOnly && mount.source.startsWith("/dev/"))
            comboWhat->addItem(
                tr("Wipe the free space of %1").arg(velmora::displayName(mount.mountPoint)),
                velmora::displayName(mount.mountPoint));
    comboEvery = new QComboBox(this);
    comboEvery->setObjectName(QStringLiteral("comboEvery"));
    comboEvery->addItem(tr("weekly"), QStringLiteral("weekly"));
    comboEvery->addItem(tr("monthly"), QStringLiteral("monthly"));
    comboMethod = new QComboBox(this);
    comboMethod->setObjectName(QStringLiteral("comboMethod"));
    for (const QString &name : velmora::methodDisplayNames())
        comboMethod->addItem(name, velmora::methodShortName(name));
    auto *add = new QPushButton(tr("Add"), this);
    add->setObjectName(QStringLiteral("btnAddSchedule"));
    connect(add, &QPushButton::clicked, this, &ScheduleDialog::addChosen);
    row->addWidget(comboWhat, 1);
    row->addWidget(comboEvery);
    row->addWidget(comboMethod);
    row->addWidget(add);
    layout->addLayout(row);

    labelState = new QLabel(this);
    labelState->setObjectName(QStringLiteral("labelScheduleState"));
    labelState->setWordWrap(true);
    layout->addWidget(labelState);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    refresh();
}

void ScheduleDialog::refresh()
{
    listSchedules->clear();
    for (const velmora::Schedule &schedule : velmora::listSchedules(unitFolder)) {
        auto *item = new QListWidgetItem(
            QStringLiteral("%1 — %2").arg(schedule.description(),
                                          schedule.active ? tr("active") : tr("inactive")),
            listSchedules);
        item->setData(Qt::UserRole, schedule.name);
    }
    btnRemove->setEnabled(listSchedules->count() > 0);
    labelState->setText(
        velmora::systemdRuns()
            ? tr("Each run leaves its report in %1.").arg(velmora::scheduleReportFolder())
            : tr("systemd does not run here: the timers are written but inactive."));
}

void ScheduleDialog::addChosen()
{
    velmora::Schedule schedule;
    const QString target = comboWhat->currentData().toString();
    schedule.kind =
        target.isEmpty() ? velmora::Schedule::Kind::Trash : velmora::Schedule::Kind::FreeSpace;
    schedule.target = target;
    schedule.every = comboEvery->currentData().toString();
    schedule.method = comboMethod->currentData().toString();
    QString error;
    if (!velmora::addSchedule(schedule, cli, &error, unitFolder))
        velmora::Modal::warning(this, tr("Not scheduled"), error);
    refresh();
}

void ScheduleDialog::removeSelected()
{
    QListWidgetItem *item = listSchedules->currentItem();
    if (!item)
        return;
    QString error;
    if (!velmora::removeSchedule(item->data(Qt::UserRole).toString(), &error, unitFolder))
        velmora::Modal::warning(this, tr("Not removed"), error);
    refresh();
}

ReportsDialog::ReportsDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Reports of Scheduled Wipes"));
    setObjectName(QStringLiteral("reportsDialog"));
    resize(560, 360);
    auto *layout = new QVBoxLayout(this);
    auto *list = new QListWidget(this);
    list->setObjectName(QStringLiteral("listReports"));
    const QLocale locale;
    for (const velmora::ScheduledRun &run : velmora::scheduledRuns())
        new QListWidgetItem(QStringLiteral("%1  %2  %3")
                                .arg(run.ok ? QStringLiteral("✅") : QStringLiteral("⚠️"),
                                     locale.toString(run.finished, QLocale::ShortFormat),
                                     run.summary),
                            list);
    if (list->count() == 0)
        new QListWidgetItem(tr("No scheduled wipe has run yet."), list);
    layout->addWidget(list);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *open = buttons->addButton(tr("Open Folder"), QDialogButtonBox::ActionRole);
    connect(open, &QPushButton::clicked, this, [] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(velmora::scheduleReportFolder()));
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}
