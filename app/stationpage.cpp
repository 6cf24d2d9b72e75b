// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/stationpage.h"

#include "app/erasurereport.h"
#include "dialogs/modal.h"
#include "dialogs/reportdetailsdialog.h"
#include "engine/core/jobjournal.h"
#include "engine/device/drivewipe.h"
#include "engine/fs/paths.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QJsonDocument>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent>

#include <algorithm>

// One drive of the station: its job, what it reports, and its row.
struct StationPage::Lane {
    velmora::JobRequest request;
    velmora::ErasureRecord record;
    velmora::JobReport report;
    velmora::JobStatus status;
    // Where its signed outcome and report were kept, or why they were not;
    // written by its job's thread before the job is seen to end.
    velmora::KeptOutcome kept;
    QString unkept;
    QString tag; // "sdb"
    velmora::platform::Drive drive;
    QFutureWatcher<void> watcher;
    QProgressBar *bar = nullptr;
    int row = 0;
    bool done = false;
};

namespace
{

enum Column { kDrive, kModel, kSerial, kSize, kProgress, kState, kColumns };

} // namespace

StationPage::StationPage(std::atomic_bool *stop, QWidget *parent) : QWidget(parent), stop(stop)
{
    setObjectName(QStringLiteral("pageStation"));
    auto *layout = new QVBoxLayout(this);
    title = new QLabel(this);
    title->setObjectName(QStringLiteral("labelStationTitle"));
    title->setWordWrap(true);
    QFont font = title->font();
    font.setBold(true);
    title->setFont(font);
    layout->addWidget(title);
    table = new QTableWidget(0, kColumns, this);
    table->setObjectName(QStringLiteral("tableStation"));
    table->setHorizontalHeaderLabels(
        {tr("Drive"), tr("Model"), tr("Serial"), tr("Size"), tr("Progress"), tr("State")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->horizontalHeader()->setSectionResizeMode(kState, QHeaderView::Stretch);
    layout->addWidget(table, 3);
    log = new QPlainTextEdit(this);
    log->setObjectName(QStringLiteral("logStation"));
    log->setReadOnly(true);
    log->setMaximumBlockCount(5000);
    layout->addWidget(log, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnSave = new QPushButton(tr("Save Reports…"), this);
    btnSave->setObjectName(QStringLiteral("btnStationSave"));
    btnDone = new QPushButton(tr("Done"), this);
    btnDone->setObjectName(QStringLiteral("btnStationDone"));
    btnStop = new QPushButton(tr("Stop"), this);
    btnStop->setObjectName(QStringLiteral("btnStationStop"));
    for (QPushButton *button : {btnSave, btnDone, btnStop})
        buttons->addWidget(button);
    layout->addLayout(buttons);
    connect(btnStop, &QPushButton::clicked, this, &StationPage::askToStop);
    connect(btnSave, &QPushButton::clicked, this, &StationPage::saveReports);
    connect(btnDone, &QPushButton::clicked, this, &StationPage::leave);
}

StationPage::~StationPage()
{
    waitForAll();
}

void StationPage::start(std::vector<Drive> drives)
{
    lanes.clear();
    log->clear();
    table->setRowCount(0);
    title->setText(QCoreApplication::translate(
        "StationPage", "Wiping %n drive(s) at once. Each has its own progress and its own report.",
        "", int(drives.size())));
    btnStop->show();
    btnStop->setEnabled(true);
    btnSave->hide();
    btnDone->hide();
    pool.setMaxThreadCount(std::max(1, int(drives.size())));
    const qint64 chunk = velmora::driveChunkFor(drives.size());
    const QString home = QDir::homePath();
    const QDateTime now = QDateTime::currentDateTime();
    const velmora::ReportDetails details = ReportDetailsDialog::current();
    unfinished = int(drives.size());
    for (Drive &d : drives) {
        auto lane = std::make_unique<Lane>();
        lane->request = std::move(d.request);
        lane->record = std::move(d.record);
        lane->record.started = now;
        lane->record.details = details;
        if (lane->request.pinned)
            lane->drive = lane->request.pinned->drive;
        lane->tag = QFileInfo(velmora::displayName(lane->request.device)).fileName();
        lane->row = table->rowCount();
        table->insertRow(lane->row);
        const velmora::platform::Storage storage =
            velmora::platform::storageOfDisk(lane->drive.disk);
        const QStringList cells{
            velmora::displayName(lane->request.device),
            storage.model(),
            lane->drive.disk.serial,
            QLocale().formattedDataSize(qint64(lane->drive.bytes), 1, QLocale::DataSizeSIFormat),
            QString(),
            tr("Running")};
        for (int column = 0; column < kColumns; ++column)
            if (column != kProgress)
                table->setItem(lane->row, column, new QTableWidgetItem(cells.at(column)));
        lane->bar = new QProgressBar(table);
        lane->bar->setRange(0, 100);
        lane->bar->setValue(0);
        table->setCellWidget(lane->row, kProgress, lane->bar);
        Lane *raw = lane.get();
        connect(&lane->watcher, &QFutureWatcher<void>::finished, this,
                [this, raw] { laneFinished(*raw); });
        lanes.push_back(std::move(lane));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setSectionResizeMode(kState, QHeaderView::Stretch);
    for (const auto &lane : lanes) {
        Lane *raw = lane.get();
        lane->watcher.setFuture(QtConcurrent::run(&pool, [this, raw, chunk, home] {
            velmora::JobContext ctx;
            ctx.stopRequested = stop;
            ctx.report = &raw->report;
            ctx.status = &raw->status;
            ctx.verify = raw->request.verify;
            ctx.userFolder = home;
            ctx.driveChunk = chunk;
            const QString prefix = raw->tag + QStringLiteral(": ");
            ctx.log = [this, prefix](const QString &line) {
                QMetaObject::invokeMethod(
                    this, [this, line = prefix + line] { appendLine(line); }, Qt::QueuedConnection);
            };
            ctx.logCompletion = ctx.log;
            ctx.postProgress = [bar = raw->bar, last = -1](int percent) mutable {
                if (percent == last)
                    return;
                last = percent;
                QMetaObject::invokeMethod(bar, "setValue", Qt::QueuedConnection,
                                          Q_ARG(int, percent));
            };
            // Kept until the job returns, for the next start should it not.
            velmora::JobJournal journal(raw->record.method);
            ctx.journal = &journal;
            QString error;
            if (!velmora::runJob(raw->request, ctx, &error))
                raw->report.setError(error);
            ctx.journal = nullptr;
            // Finished, signed and kept here, away from the window: the
            // report is laid out and the files synced on this thread. Stop
            // counts where it was asked for before the job returned: a
            // drive that ended before the others were stopped was not.
            raw->record.finish(raw->report, ctx.bytesWritten, ctx.bytesVerified, stop->load());
            if (!velmora::keepRecord(raw->record, true, &raw->unkept, QByteArray(), &raw->kept))
                raw->kept = velmora::KeptOutcome();
        }));
    }
}

void StationPage::laneFinished(Lane &lane)
{
    if (lane.done)
        return;
    lane.done = true;
    // Its drive is let go: the request held it until now.
    lane.request.pinned.reset();
    if (lane.kept.json.isEmpty())
        appendLine(lane.tag + QStringLiteral(": ") +
                   tr("⚠️ The outcome of this drive could not be kept: %1").arg(lane.unkept));
    QString state = lane.record.resultText();
    if (!lane.record.error.isEmpty())
        state += QStringLiteral(": ") + lane.record.error;
    table->item(lane.row, kState)->setText(state);
    table->item(lane.row, kState)->setToolTip(lane.record.summary());
    if (lane.record.result == velmora::ErasureRecord::Result::Erased)
        lane.bar->setValue(100);
    appendLine(lane.tag + QStringLiteral(": ") + lane.record.summary());
    if (--unfinished > 0)
        return;
    btnStop->hide();
    btnSave->show();
    btnDone->show();
    emit finished();
}

void StationPage::waitForAll()
{
    for (const auto &lane : lanes)
        lane->watcher.waitForFinished();
    pool.waitForDone();
}

QStringList StationPage::states() const
{
    QStringList said;
    for (const auto &lane : lanes)
        said.append(lane->tag + QStringLiteral(": ") + table->item(lane->row, kState)->text());
    return said;
}

bool StationPage::allErased() const
{
    return std::all_of(lanes.begin(), lanes.end(), [](const auto &lane) {
        return lane->done && lane->record.result == velmora::ErasureRecord::Result::Erased;
    });
}

qsizetype StationPage::erasedCount() const
{
    return std::count_if(lanes.begin(), lanes.end(), [](const auto &lane) {
        return lane->done && lane->record.result == velmora::ErasureRecord::Result::Erased;
    });
}

void StationPage::askToStop()
{
    if (!running())
        return;
    const auto answer = velmora::Modal::question(
        this, tr("Confirm Stop"), tr("Stop every drive? Those not yet wiped keep what they hold."),
        QMessageBox::NoButton);
    if (answer != QMessageBox::Yes || !running())
        return;
    *stop = true;
    btnStop->setEnabled(false);
    appendLine(tr("⚠️ Stopping every drive…"));
}

bool StationPage::saveOutcomes(const QString &folder, QString *why) const
{
    QSet<QString> taken;
    for (const auto &lane : lanes) {
        const QString stem = QDir(folder).filePath(velmora::outcomeFileStem(lane->drive, &taken));
        // The files kept when the drive ended, as they were signed; a drive
        // whose outcome could not be kept is signed and laid out anew.
        if (!lane->kept.json.isEmpty() && !lane->kept.pdf.isEmpty()) {
            for (const auto &[from, to] :
                 {std::pair{lane->kept.json, stem + QStringLiteral(".json")},
                  std::pair{lane->kept.pdf, stem + QStringLiteral(".pdf")}}) {
                QFile::remove(to);
                if (!QFile::copy(from, to)) {
                    *why = tr("%1 could not be written").arg(QDir::toNativeSeparators(to));
                    return false;
                }
            }
            continue;
        }
        velmora::ErasureRecord record = lane->record;
        QJsonObject outcome;
        if (!velmora::signRecord(record, &outcome, why)) {
            *why = tr("the outcome of %1 could not be signed: %2").arg(lane->tag, *why);
            return false;
        }
        QFile json(stem + QStringLiteral(".json"));
        if (!json.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            json.write(QJsonDocument(outcome).toJson()) < 0 || !json.flush()) {
            *why = json.errorString();
            return false;
        }
        if (!velmora::writeReportPdf(record, stem + QStringLiteral(".pdf"), why))
            return false;
    }
    return true;
}

void StationPage::saveReports()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog dialog(this, tr("Save Reports"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setDirectory(QDir(documents).exists() ? documents : QDir::homePath());
    if (velmora::Modal::exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString folder = dialog.selectedFiles().constFirst();
    QString why;
    if (!saveOutcomes(folder, &why)) {
        velmora::Modal::warning(this, tr("Reports not saved"),
                                tr("The reports could not be saved to %1: %2")
                                    .arg(QDir::toNativeSeparators(folder), why));
        return;
    }
    appendLine(tr("📄 Each drive's report and signed outcome were saved to %1")
                   .arg(QDir::toNativeSeparators(folder)));
}

void StationPage::appendLine(const QString &line)
{
    log->appendPlainText(line);
    log->verticalScrollBar()->setValue(log->verticalScrollBar()->maximum());
}
