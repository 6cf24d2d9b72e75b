// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/scheduledialog.h"

#include "dialogs/modal.h"

#include "engine/fs/paths.h"
#include "engine/job/erasemethods.h"
#include "engine/job/outcomestore.h"
#include "engine/job/reportsignature.h"
#include "engine/job/schedules.h"
#include "engine/platform/platform.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

ScheduleDialog::ScheduleDialog(const QString &cli, QWidget *parent) : QDialog(parent), cli(cli)
{
    setWindowTitle(tr("Scheduled Wipes"));
    setObjectName(QStringLiteral("scheduleDialog"));
    resize(560, 380);
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(tr("Wipes that run by themselves:"), this);
    layout->addWidget(heading);
    listSchedules = new QListWidget(this);
    listSchedules->setObjectName(QStringLiteral("listSchedules"));
    heading->setBuddy(listSchedules);
    layout->addWidget(listSchedules);
    labelNone = new QLabel(tr("Nothing is scheduled yet. Choose below what to wipe, how often "
                              "and how, then Add."),
                           this);
    labelNone->setObjectName(QStringLiteral("labelNoSchedules"));
    labelNone->setWordWrap(true);
    labelNone->setAlignment(Qt::AlignCenter);
    layout->addWidget(labelNone, 1);
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
        comboMethod->addItem(velmora::methodText(name), velmora::methodShortName(name));
    auto *add = new QPushButton(tr("Add"), this);
    add->setObjectName(QStringLiteral("btnAddSchedule"));
    connect(add, &QPushButton::clicked, this, &ScheduleDialog::addChosen);
    // Each choice under a label of its own.
    const auto labelled = [this, row](const QString &text, QWidget *control, int stretch) {
        auto *column = new QVBoxLayout;
        auto *label = new QLabel(text, this);
        label->setBuddy(control);
        column->addWidget(label);
        column->addWidget(control);
        row->addLayout(column, stretch);
    };
    labelled(tr("&What:"), comboWhat, 1);
    labelled(tr("How &often:"), comboEvery, 0);
    labelled(tr("&Method:"), comboMethod, 0);
    row->addWidget(add, 0, Qt::AlignBottom);
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
    listSchedules->setVisible(listSchedules->count() > 0);
    labelNone->setVisible(listSchedules->count() == 0);
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
    setWindowTitle(tr("Reports"));
    setObjectName(QStringLiteral("reportsDialog"));
    resize(720, 420);
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(tr("Every job's signed outcome, newest first, with its report where "
                                "one was made. Scheduled wipes are listed with them."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    table = new QTableWidget(0, 4, this);
    table->setObjectName(QStringLiteral("tableReports"));
    table->setHorizontalHeaderLabels({tr("Finished"), tr("Job"), tr("Target"), tr("State")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    const QLocale locale;
    kept = velmora::keptOutcomes();
    for (const velmora::KeptOutcome &outcome : kept) {
        const int row = table->rowCount();
        table->insertRow(row);
        const bool ok = outcome.result == QLatin1String("erased") &&
                        outcome.seal == velmora::KeptOutcome::Seal::Valid;
        const QStringList cells{
            locale.toString(outcome.finished.toLocalTime(), QLocale::ShortFormat),
            outcome.jobText(), velmora::displayName(outcome.target.toUtf8()),
            (ok ? QStringLiteral("✅ ") : QStringLiteral("⚠️ ")) + outcome.shownState()};
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells.at(column));
            item->setToolTip(outcome.json);
            table->setItem(row, column, item);
        }
    }
    table->resizeColumnToContents(0);
    table->resizeColumnToContents(1);
    table->resizeColumnToContents(3);
    labelEmpty = new QLabel(tr("No job has run yet: each one's outcome is kept here."), this);
    labelEmpty->setObjectName(QStringLiteral("labelNoReports"));
    labelEmpty->setAlignment(Qt::AlignCenter);
    labelEmpty->setVisible(kept.isEmpty());
    table->setVisible(!kept.isEmpty());
    layout->addWidget(table, 1);
    layout->addWidget(labelEmpty, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    btnOpen = buttons->addButton(tr("Open"), QDialogButtonBox::ActionRole);
    btnOpen->setObjectName(QStringLiteral("btnOpenReport"));
    btnSave = buttons->addButton(tr("Save As…"), QDialogButtonBox::ActionRole);
    btnSave->setObjectName(QStringLiteral("btnSaveReportAs"));
    btnCheck = buttons->addButton(tr("Check Signature"), QDialogButtonBox::ActionRole);
    btnCheck->setObjectName(QStringLiteral("btnCheckSignature"));
    QPushButton *folder = buttons->addButton(tr("Open Folder"), QDialogButtonBox::ActionRole);
    folder->setObjectName(QStringLiteral("btnOpenReportFolder"));
    connect(btnOpen, &QPushButton::clicked, this, &ReportsDialog::openChosen);
    connect(btnSave, &QPushButton::clicked, this, &ReportsDialog::saveChosen);
    connect(btnCheck, &QPushButton::clicked, this, [this] {
        QString said;
        const bool good = checkChosen(&said);
        if (good)
            velmora::Modal::information(this, tr("Signature"), said);
        else
            velmora::Modal::warning(this, tr("Signature"), said);
    });
    connect(folder, &QPushButton::clicked, this, [] {
        const QString where = velmora::outcomeStoreFolder();
        QDir().mkpath(where);
        QDesktopServices::openUrl(QUrl::fromLocalFile(where));
    });
    connect(table, &QTableWidget::itemSelectionChanged, this, &ReportsDialog::settle);
    connect(table, &QTableWidget::cellDoubleClicked, this, &ReportsDialog::openChosen);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    if (!kept.isEmpty())
        table->selectRow(0);
    settle();
}

const velmora::KeptOutcome *ReportsDialog::chosen() const
{
    const QList<QTableWidgetItem *> items = table->selectedItems();
    const int row = items.isEmpty() ? -1 : items.first()->row();
    return row >= 0 && row < kept.size() ? &kept.at(row) : nullptr;
}

void ReportsDialog::settle()
{
    const bool any = chosen() != nullptr;
    for (QPushButton *button : {btnOpen, btnSave, btnCheck})
        button->setEnabled(any);
}

void ReportsDialog::openChosen()
{
    if (const velmora::KeptOutcome *outcome = chosen())
        QDesktopServices::openUrl(
            QUrl::fromLocalFile(outcome->pdf.isEmpty() ? outcome->json : outcome->pdf));
}

bool ReportsDialog::saveChosenTo(const QString &folder, QString *why) const
{
    const velmora::KeptOutcome *outcome = chosen();
    if (!outcome)
        return false;
    for (const QString &file : {outcome->json, outcome->pdf}) {
        if (file.isEmpty())
            continue;
        const QString to = QDir(folder).filePath(QFileInfo(file).fileName());
        if (QFileInfo::exists(to)) {
            *why = tr("%1 is there already").arg(QDir::toNativeSeparators(to));
            return false;
        }
        if (!QFile::copy(file, to)) {
            *why = tr("%1 could not be written").arg(QDir::toNativeSeparators(to));
            return false;
        }
    }
    return true;
}

void ReportsDialog::saveChosen()
{
    if (!chosen())
        return;
    QFileDialog dialog(this, tr("Save Report As"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    dialog.setDirectory(QDir(documents).exists() ? documents : QDir::homePath());
    if (velmora::Modal::exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString why;
    if (!saveChosenTo(dialog.selectedFiles().constFirst(), &why))
        velmora::Modal::warning(this, tr("Not saved"), why);
}

bool ReportsDialog::checkChosen(QString *said) const
{
    const velmora::KeptOutcome *outcome = chosen();
    if (!outcome)
        return false;
    QFile file(outcome->json);
    QString fingerprint;
    QString problem;
    if (!file.open(QIODevice::ReadOnly)) {
        *said = file.errorString();
        return false;
    }
    const QJsonObject json = QJsonDocument::fromJson(file.readAll()).object();
    if (!velmora::checkOutcome(json, QString(), &fingerprint, &problem)) {
        *said = tr("This outcome is not as it was signed: %1").arg(problem);
        return false;
    }
    *said = tr("The signature is good: this outcome is as it was signed, with the key %1.")
                .arg(fingerprint);
    return true;
}
