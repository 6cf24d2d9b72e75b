// SPDX-License-Identifier: GPL-3.0-or-later

// Running one erase job on the global thread pool, reporting it on the
// progress page, stopping it, and finishing it.

#include "app/filelistpage.h"
#include "app/mainwindow.h"
#include "app/progresspage.h"
#include "app/stationpage.h"
#include "app/volumepage.h"
#include "app/volumetable.h"
#include "dialogs/modal.h"
#include "dialogs/reportdetailsdialog.h"
#include "engine/core/jobjournal.h"
#include "engine/core/sizes.h"
#include "ui_mainwindow.h"

#include "app/erasurereport.h"
#include "engine/fs/freespace.h"
#include "engine/fs/paths.h"
#include "engine/job/interruptedjobs.h"
#include "engine/job/schedules.h"
#include "engine/platform/platform.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <QtConcurrent>

#include <cstdio>

velmora::JobContext MainWindow::jobContext(QProgressBar *bar)
{
    velmora::JobContext ctx;
    ctx.stopRequested = &stopRequested;
    ctx.report = &jobReport;
    ctx.status = &jobStatus;
    ctx.verify = verifyLastPass;
    ctx.userFolder = QDir::homePath();
    // logMessage reaches the log through a queued connection, so the job
    // thread may emit it directly.
    ctx.log = [this](const QString &line) { emit logMessage(line); };
    // A value equal to the one posted last would change nothing on the bar;
    // leaving it out keeps the event queue short on jobs of many small files.
    ctx.postProgress = [bar, last = -1](int percent) mutable {
        if (percent == last)
            return;
        last = percent;
        QMetaObject::invokeMethod(bar, "setValue", Qt::QueuedConnection, Q_ARG(int, percent));
    };
    // The closing line is decided on the GUI thread: a Stop confirmed after
    // the job posted it still suppresses it.
    ctx.logCompletion = [this](const QString &line) {
        QMetaObject::invokeMethod(
            this,
            [this, line] {
                if (!stopRequested.load(std::memory_order_relaxed))
                    emit logMessage(line);
            },
            Qt::QueuedConnection);
    };
    return ctx;
}

QFuture<void> MainWindow::launchJob(std::function<void(velmora::JobContext &)> body)
{
    jobReport.reset();
    jobStatus.reset();
    jobRecord = pendingRecord;
    jobRecord->started = QDateTime::currentDateTime();
    jobRecord->details = ReportDetailsDialog::current();
    jobBytesWritten = 0;
    jobBytesVerified = 0;
    labelJobOutcome->clear();
    scheduledRunNoticeShown = false;
    btnAddFailedBack->hide();
    btnShowReport->hide();
    failedEntries.clear();
    saveReportAction->setEnabled(false);
    progressPage->started(&jobStatus);
    ++jobsStarted;
    QFuture<void> future =
        QtConcurrent::run(QThreadPool::globalInstance(),
                          [ctx = jobContext(progressPage->bar()), body = std::move(body), this,
                           method = jobRecord->method]() mutable {
                              // Kept until the job returns, for the next start should it not.
                              velmora::JobJournal journal(method);
                              ctx.journal = &journal;
                              body(ctx);
                              ctx.journal = nullptr;
                              jobBytesWritten = ctx.bytesWritten;
                              jobBytesVerified = ctx.bytesVerified;
                          });
    jobWatcher->setFuture(future);
    return future;
}

QString MainWindow::doneHeadline(bool mayRemain) const
{
    QString text;
    switch (jobMode) {
    case FileErase:
        text = mayRemain
                   ? tr("🗂️ The selected files have been overwritten and removed. What may "
                        "remain:")
                   : tr("🗂️ All selected files have been permanently erased.");
        break;
    case VolumeWipe:
        text = mayRemain ? tr("💽 The disk has been wiped. What may remain:")
                         : tr("💽 The disk has been securely wiped and is now clean.");
        break;
    case FreeSpaceWipe: {
        // "No traces" only where the standard's words allow it: an overwrite
        // through the file system is neither Clear nor Purge.
        const QString category = jobRecord ? jobRecord->category() : QString();
        const bool sanitized =
            category == QLatin1String("clear") || category == QLatin1String("purge");
        text = mayRemain   ? tr("🧹 The free space has been overwritten. What may remain:")
               : sanitized ? tr("🧹 Free space has been securely wiped; no traces remain.")
                           : tr("🧹 The free space has been overwritten.");
        break;
    }
    case DriveWipe: {
        const QString drive = jobRecord ? jobRecord->mountPoint : QString();
        const QString technique = jobRecord ? jobRecord->technique() : QString();
        const bool own = technique.startsWith(QLatin1String("sanitize ")) ||
                         technique.startsWith(QLatin1String("format "));
        text = own ? tr("🧰 The drive %1 has erased itself with its own command, and none of the "
                        "blocks sampled across it reads as it did before.")
                         .arg(drive)
               : technique == QLatin1String("cryptographic-erase")
                   ? tr("🔑 The encryption keys of %1 have been destroyed: what it holds can no "
                        "longer be decrypted.")
                         .arg(drive)
               : technique.startsWith(QLatin1String("cryptographic-erase"))
                   ? tr("💽 The encryption keys of %1 have been destroyed and the drive "
                        "overwritten.")
                         .arg(drive)
                   : tr("💽 The drive %1 has been overwritten.").arg(drive);
        break;
    }
    default:
        text = tr("✅ Erasure operation completed.");
        break;
    }
    return text;
}

QString MainWindow::doneText() const
{
    // What no overwrite in place could reach is said in the box too, not
    // only in the log; a job then claims no more than was done.
    const QStringList warnings = jobReport.warnings();
    QString text = doneHeadline(!warnings.isEmpty());
    for (const QString &warning : warnings)
        text += QStringLiteral("\n\n") + warning;
    // What the file erase removed beside the files (thumbnails, recent
    // entries, Trash records).
    for (const QString &note : jobReport.notes())
        text += QStringLiteral("\n\n") + note;
    // What the job amounts to, in the standard's words, and no more.
    QStringList categories;
    if (jobMode == DriveWipe)
        categories << jobReport.drive().value(QStringLiteral("sanitizationText")).toString();
    else if (jobMode == FreeSpaceWipe)
        for (const velmora::VolumeMedium &medium : jobReport.media())
            categories << medium.sanitization;
    categories.removeAll(QString());
    categories.removeDuplicates();
    for (const QString &category : categories)
        text += QStringLiteral("\n\n") + category;
    return text;
}

void MainWindow::returnToModePage()
{
    switch (jobMode) {
    case FileErase:
        ui->stackedWidget->setCurrentWidget(ui->pageEraseFileFlow);
        ui->stackedWidget_2->setCurrentWidget(fileListPage);
        break;
    case VolumeWipe:
    case DriveWipe:
        ui->stackedWidget->setCurrentWidget(wipePage);
        refreshWipeTable();
        break;
    case FreeSpaceWipe:
        ui->stackedWidget->setCurrentWidget(freeSpacePage);
        loadFreeSpaceDiskList();
        break;
    default:
        break;
    }
}

void MainWindow::showCompletionBox(QMessageBox::Icon icon, const QString &title,
                                   const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, this);
    QPushButton *save = box.addButton(tr("Save Report…"), QMessageBox::ActionRole);
    // A copy-on-write volume keeps older copies of what a file erase
    // overwrote; only a wipe of its free space reaches them.
    const QStringList cow = jobMode == FileErase && !stopRequested.load()
                                ? jobReport.copyOnWriteVolumes()
                                : QStringList();
    QPushButton *wipeFree = cow.isEmpty()
                                ? nullptr
                                : box.addButton(tr("Wipe Free Space of %1…").arg(cow.constFirst()),
                                                QMessageBox::ActionRole);
    box.setDefaultButton(QMessageBox::Ok);
    velmora::Modal::exec(box);
    if (box.clickedButton() == save)
        saveReport();
    else if (wipeFree && box.clickedButton() == wipeFree)
        QTimer::singleShot(0, this, [this, volume = cow.constFirst()] {
            on_btnWipeFreeSpace_clicked();
            VolumeTable::choose(freeSpacePage->table(), volume);
        });
}

bool MainWindow::finishRecord(bool stopped)
{
    // Once per job: a stop finishes it before the job's own end comes by.
    if (!jobRecord || jobRecord->finished.isValid())
        return false;
    jobRecord->finish(jobReport, jobBytesWritten, jobBytesVerified, stopped);
    keepJobRecord();
    saveReportAction->setEnabled(true);
    btnShowReport->show();
    return true;
}

void MainWindow::keepJobRecord()
{
    // Signed, laid out and synced away from the window; the signature's
    // fingerprint joins the job's record once it is there.
    struct Kept {
        velmora::ErasureRecord record;
        QString why;
        bool done = false;
    };
    auto *keeping = new QFutureWatcher<Kept>(this);
    connect(keeping, &QFutureWatcher<Kept>::finished, this, [this, keeping] {
        const Kept kept = keeping->result();
        keeping->deleteLater();
        if (!kept.done)
            progressPage->appendLine(
                tr("⚠️ The outcome of this job could not be kept: %1").arg(kept.why));
        else if (jobRecord && jobRecord->started == kept.record.started) {
            jobRecord->signedBy = kept.record.signedBy;
            jobRecord->signedSha256 = kept.record.signedSha256;
        }
    });
    keeping->setFuture(QtConcurrent::run([record = *jobRecord]() mutable {
        Kept kept;
        kept.done = velmora::keepRecord(record, true, &kept.why);
        kept.record = std::move(record);
        return kept;
    }));
}

void MainWindow::showReport()
{
    if (!jobRecord || !jobRecord->finished.isValid())
        return;
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("reportDialog"));
    dialog.setWindowTitle(tr("Erasure Report"));
    dialog.resize(640, 520);
    auto *layout = new QVBoxLayout(&dialog);
    auto *document = new QTextBrowser(&dialog);
    document->setObjectName(QStringLiteral("reportText"));
    document->setHtml(velmora::reportHtml(*jobRecord));
    layout->addWidget(document);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QPushButton *save = buttons->addButton(tr("Save Report…"), QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    connect(save, &QPushButton::clicked, &dialog, [this, &dialog] {
        dialog.accept();
        QTimer::singleShot(0, this, &MainWindow::saveReport);
    });
    layout->addWidget(buttons);
    velmora::Modal::exec(dialog);
}

void MainWindow::saveReport()
{
    if (!jobRecord || !jobRecord->finished.isValid())
        return;
    QFileDialog dialog(this, tr("Save Report"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(tr("PDF documents (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    dialog.setDirectory(QDir(documents).exists() ? documents : QDir::homePath());
    dialog.selectFile(QStringLiteral("velmora-report-%1.pdf")
                          .arg(jobRecord->finished.toString(QStringLiteral("yyyyMMdd-HHmmss"))));
    if (velmora::Modal::exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString fileName = dialog.selectedFiles().constFirst();
    QString error;
    if (!velmora::writeReportPdf(*jobRecord, fileName, &error)) {
        warn(tr("Report not saved"), tr("The report could not be saved to %1: %2")
                                         .arg(QDir::toNativeSeparators(fileName), error));
        return;
    }
    labelJobOutcome->setText(tr("📄 Report saved to %1").arg(QDir::toNativeSeparators(fileName)));
}

void MainWindow::completeStation()
{
    const QStringList states = stationPage->states();
    const bool allErased = stationPage->allErased();
    const qsizetype wiped = stationPage->erasedCount();
    labelJobOutcome->setText(tr("Drives wiped: %1 of %2").arg(wiped).arg(states.size()));
    if (stopRequested.load())
        return;
    QMessageBox box(allErased ? QMessageBox::Information : QMessageBox::Warning,
                    allErased ? tr("Done") : tr("Not every drive was wiped"),
                    states.join(QLatin1Char('\n')), QMessageBox::Ok, this);
    QPushButton *save = box.addButton(tr("Save Reports…"), QMessageBox::ActionRole);
    box.setDefaultButton(QMessageBox::Ok);
    velmora::Modal::exec(box);
    if (box.clickedButton() == save)
        stationPage->saveReports();
}

void MainWindow::completeJob()
{
    progressPage->flushLog();
    const bool stopped = stopRequested.load();
    finishRecord(stopped);
    // What became of the job stays in the header until the next one starts
    // (a report saved from the box below says where it went instead).
    // The traces removed beside the files are part of what became of it.
    if (jobRecord)
        labelJobOutcome->setText(QStringList(QStringList{jobRecord->summary()} + jobRecord->notes)
                                     .join(QLatin1Char(' ')));
    if (stopped) {
        progressPage->appendLine(tr("⚠️ Erase stopped by user."));
    } else {
        const int problems = jobReport.problemCount();
        if (jobReport.endedByError() || problems > 0) {
            // Never announce success for what was not erased; the log keeps
            // the details for the next visit of the progress page.
            QString text;
            if (jobReport.endedByError()) {
                // The engine's line says what went wrong, with its own mark.
                text = tr("The operation did not finish:") + QStringLiteral("\n") +
                       jobReport.errorMessage();
            }
            if (problems > 0) {
                if (!text.isEmpty())
                    text += QStringLiteral("\n\n");
                text += tr("⚠️ %n item(s) could not be securely erased:", nullptr, problems);
                for (const QString &path : jobReport.problemSamples())
                    text += QStringLiteral("\n") + path;
                if (problems > jobReport.problemSamples().size())
                    text += QStringLiteral("\n…");
            }
            showCompletionBox(QMessageBox::Warning, tr("Finished with problems"), text);
        } else {
            // Either button ends the box; the log has been seen.
            showCompletionBox(QMessageBox::Information, tr("Done"), doneText());
            progressPage->clearLog();
        }
    }
    if (jobRecord && jobMode == FileErase) {
        for (qsizetype i = 0; i < jobRecord->entries.size() && i < jobRecord->listed.size(); ++i) {
            const QByteArray &path = jobRecord->listed.at(i);
            const velmora::ErasureRecord::Entry &entry = jobRecord->entries.at(i);
            if (!entry.erased && entry.present && !jobRecord->listedFolders.contains(path))
                failedEntries.append(path);
        }
    }
    if (!failedEntries.isEmpty()) {
        btnAddFailedBack->setText(
            tr("Add back what was not erased (%1)").arg(failedEntries.size()));
        btnAddFailedBack->show();
    }
    fileListPage->clear();
    progressPage->reset();
    returnToModePage();
    jobMode = None;
    stopRequested = false;
}

void MainWindow::addFailedBack()
{
    const QByteArrayList entries = failedEntries;
    failedEntries.clear();
    btnAddFailedBack->hide();
    on_btnEraseFileFolder_clicked();
    fileListPage->appendPaths(entries);
}

void MainWindow::askToStop()
{
    // A job that has ended has nothing to stop, and is not asked about.
    if (!jobWatcher || jobWatcher->isFinished())
        return;
    const auto answer = velmora::Modal::question(
        this, tr("Confirm Stop"), tr("Are you sure you want to stop?"), QMessageBox::NoButton);
    if (answer != QMessageBox::Yes || !jobWatcher || jobWatcher->isFinished())
        return;
    // The job sees the flag before its next chunk; a device that takes its
    // time with the current write is waited for by the job's thread, never
    // by this one. The job's end then returns to the page it came from.
    stopRequested = true;
    progressPage->stopping();
}

bool MainWindow::jobRunning() const
{
    return (jobWatcher && !jobWatcher->isFinished()) || (stationPage && stationPage->running());
}

void MainWindow::stopAndWaitForJob()
{
    if (jobWatcher && !jobWatcher->isFinished()) {
        stopRequested = true;
        jobWatcher->waitForFinished();
    }
    if (stationPage && stationPage->running()) {
        stopRequested = true;
        stationPage->waitForAll();
    }
}

int MainWindow::stopForSignal(int signal)
{
    const bool running = jobRunning();
    stopAndWaitForJob();
    if (running) {
        const QString line = velmora::stoppedBySignalLine(signal);
        progressPage->appendLine(line);
        std::fprintf(stderr, "velmora: %s\n", line.toLocal8Bit().constData());
    }
    return 128 + signal;
}

void MainWindow::offerLeftoverRemovalOnceShown()
{
    QWindow *handle = windowHandle();
    if (!handle || handle->isExposed()) {
        QTimer::singleShot(0, this, &MainWindow::offerLeftoverRemoval);
        return;
    }
    // The window learns where the desktop placed it by the time it is
    // first drawn there.
    leftoverOfferPending = true;
    handle->installEventFilter(this);
}

void MainWindow::tellFailedScheduledRuns()
{
    // The runs that did not do all they meant to since the reports were last
    // looked at: the newest says when, the menu's Reports… tells the rest.
    const QDateTime seen = QSettings().value(QStringLiteral("schedules/seen")).toDateTime();
    for (const velmora::ScheduledRun &run : velmora::scheduledRuns(seen)) {
        if (run.ok)
            continue;
        labelJobOutcome->setText(tr("⚠️ A scheduled wipe on %1 did not do all it meant to: see "
                                    "Reports… in the menu.")
                                     .arg(locale().toString(run.finished, QLocale::ShortFormat)));
        scheduledRunNoticeShown = true;
        return;
    }
}

void MainWindow::offerLeftoverRemoval()
{
    tellFailedScheduledRuns();
    tellInterruptedJobs();

    // Fills write in a volume's root, or in the home folder where the root
    // is not the user's.
    QByteArrayList folders;
    for (const velmora::platform::Mount &mount : velmora::platform::scannedMounts())
        if (!mount.readOnly && mount.source.startsWith("/dev/"))
            folders.append(mount.mountPoint);
    const QByteArray home = QFile::encodeName(QDir::homePath());
    if (!folders.contains(home) && velmora::platform::withinScanScope(home))
        folders.append(home);
    // Never a question to a volume that does not answer, on this thread.
    folders = velmora::platform::answering(folders);
    QByteArrayList roots;
    QStringList shown;
    quint64 taken = 0;
    for (const QByteArray &folder : folders) {
        // A running job's fill files are no leftovers, whoever runs it.
        if (velmora::platform::volumeLocked(folder, velmora::volumeLockFolder()))
            continue;
        const QByteArrayList found = velmora::findFillLeftovers(folder);
        if (found.isEmpty())
            continue;
        roots.append(folder);
        for (const QByteArray &path : found) {
            velmora::platform::Status st;
            velmora::platform::statusAt(velmora::platform::kWorkingFolder, path, &st);
            taken += quint64(std::max<qint64>(st.allocated, 0));
            shown.append(QStringLiteral("%1 (%2)").arg(velmora::displayName(path),
                                                       velmora::sizeText(st.allocated)));
        }
    }
    if (roots.isEmpty())
        return;
    const auto answer = velmora::Modal::question(
        this, tr("Leftover fill files"),
        tr("An interrupted wipe left these fill files behind; removing them frees %1:\n\n%2\n\n"
           "Remove them now?")
            .arg(velmora::sizeText(qint64(taken)), shown.join(QLatin1Char('\n'))),
        QMessageBox::Yes);
    if (answer != QMessageBox::Yes)
        return;
    int left = 0;
    for (const QByteArray &root : roots)
        left += velmora::removeFillLeftovers(root, nullptr);
    if (left > 0)
        warn(tr("Leftover fill files"),
             tr("%n fill file(s) could not be removed; a free-space wipe of that volume removes "
                "them.",
                nullptr, left));
}

void MainWindow::tellInterruptedJobs()
{
    for (const velmora::InterruptedJob &job : velmora::recoverInterruptedJobs()) {
        const bool files = job.kind == velmora::ErasureRecord::Kind::Files;
        const bool drive = job.kind == velmora::ErasureRecord::Kind::Drive;
        if (files && job.unfinished.isEmpty()) {
            velmora::Modal::information(this, tr("Interrupted erase"), job.description());
            continue;
        }
        const QString offer = files   ? tr("Erase what is left now?")
                              : drive ? tr("Choose the drive again now?")
                                      : tr("Choose the volume again now?");
        if (velmora::Modal::question(this, tr("Interrupted erase"),
                                     job.description() + QStringLiteral("\n\n") + offer,
                                     QMessageBox::Yes) != QMessageBox::Yes)
            continue;
        if (files)
            openWithEntries(job.unfinished);
        else if (drive) {
            on_btnWipeDisk_clicked();
            btnShowDrives->setChecked(true);
        } else if (job.kind == velmora::ErasureRecord::Kind::Volume)
            on_btnWipeDisk_clicked();
        else
            on_btnWipeFreeSpace_clicked();
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A running job holds this window: the user decides, and on Yes it
    // reaches its next stop point (and deletes its fill file) before the
    // window goes.
    if (jobRunning()) {
        if (velmora::Modal::question(this, tr("Erase running"),
                                     tr("An erase is running. Stop it and quit?"),
                                     QMessageBox::No) != QMessageBox::Yes) {
            event->ignore();
            return;
        }
        stopRequested = true;
        hide();
        // The events go on meanwhile; a device that does not answer within
        // a while is not waited for: the kernel frees the unnamed fill
        // files, and the next start finds what else the job left.
        QEventLoop loop;
        connect(jobWatcher, &QFutureWatcher<void>::finished, &loop, &QEventLoop::quit);
        connect(stationPage, &StationPage::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(kCloseWaitMs, &loop, &QEventLoop::quit);
        if (jobRunning())
            loop.exec();
        if (jobRunning()) {
            std::fprintf(stderr, "velmora: %s\n",
                         tr("The device does not answer; quitting without waiting for it.")
                             .toLocal8Bit()
                             .constData());
            velmora::platform::exitNow(1);
        }
    }
    QMainWindow::closeEvent(event);
}
