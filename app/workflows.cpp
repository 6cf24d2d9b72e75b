// SPDX-License-Identifier: GPL-3.0-or-later

// The three erase workflows: from Next to a running job.

#include "app/filelistpage.h"
#include "app/mainwindow.h"
#include "app/progresspage.h"
#include "app/volumepage.h"

#include "dialogs/modal.h"
#include "ui_mainwindow.h"

#include "app/volumetable.h"
#include "dialogs/confirmerasedialog.h"
#include "dialogs/erasemethoddialog.h"
#include "engine/fs/paths.h"
#include "engine/fs/traces.h"
#include "engine/job/erasemethods.h"
#include "engine/job/jobrunner.h"
#include "engine/job/jobs.h"
#include "engine/platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>

#include <optional>

QString MainWindow::wipeRefusalText(const QString &mountPoint)
{
    switch (velmora::refusalForWipe(mountPoint, runningSystemRoot)) {
    case velmora::WipeRefusal::RunningSystem:
        return tr("This disk holds the running system and cannot be wiped.");
    case velmora::WipeRefusal::HomeFolder:
        return tr("This disk holds your home folder and cannot be wiped. Erase "
                  "the files you choose, or wipe its free space instead.");
    case velmora::WipeRefusal::None:
        break;
    }
    return QString();
}

bool MainWindow::refusedForWipe(const QString &mountPoint)
{
    const QString why = wipeRefusalText(mountPoint);
    if (!why.isEmpty())
        warn(tr("Error"), why);
    return !why.isEmpty();
}

void MainWindow::warn(const QString &title, const QString &text)
{
    velmora::Modal::warning(this, title, text);
}

std::optional<QString> MainWindow::askForMethod(JobMode mode)
{
    EraseMethodDialog dialog(this);
    // The choices follow the job asked for, never the page the user came
    // from: the window stays on the file list after a job.
    // Reading back is what a whole-volume job is trusted for; for a few
    // files it is the user's choice.
    if (mode == FileErase) {
        dialog.setVerifySetting(QStringLiteral("verify/files"), false);
        dialog.setTracesSetting(QStringLiteral("traces/files"));
    } else
        dialog.setVerifySetting(QStringLiteral("verify/volumes"), true);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    dialog.adjustSize();
    if (velmora::Modal::exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    verifyLastPass = dialog.verifyAfterLastPass();
    removeTraces = dialog.removeTraces();
    return dialog.selectedMethod();
}

bool MainWindow::askForConfirmation(const QString &target, const QString &method)
{
    ConfirmEraseDialog dialog(this);
    // A drive has words of its own: it holds more than files.
    if (pendingRecord.kind == velmora::ErasureRecord::Kind::Drive)
        dialog.setQuestion(
            pendingRecord.passes == 0
                ? tr("This will destroy the encryption keys of %1: nothing on it can be "
                     "decrypted again.")
                      .arg(pendingRecord.mountPoint)
                : tr("This will permanently destroy everything on the drive %1.")
                      .arg(pendingRecord.mountPoint));
    dialog.setTarget(target);
    // The last gate names what dies: for a file erase the first of the
    // entries the user named (a folder, not the files below it).
    QStringList named;
    int more = 0;
    if (pendingRecord.kind == velmora::ErasureRecord::Kind::Files) {
        const QByteArrayList top = pendingRecord.topLevel();
        for (qsizetype i = 0; i < std::min<qsizetype>(top.size(), kNamedInConfirmation); ++i)
            named << velmora::displayName(top.at(i));
        more = int(top.size() - named.size());
    }
    dialog.setDetails(named, more, velmora::methodText(method));
    const int result = velmora::Modal::exec(dialog);
    return ConfirmEraseDialog::confirmed(result, dialog);
}

void MainWindow::showProgressPage(const QString &method)
{
    ui->stackedWidget->setCurrentWidget(ui->pageEraseFileFlow);
    ui->stackedWidget_2->setCurrentWidget(progressPage);
    emit logMessage(tr("Selected method: %1").arg(velmora::methodText(method)));
}

// ------------------------------------------------------------- erase files

void MainWindow::onNextFromFileList()
{
    if (fileListPage->isEmpty()) {
        warn(tr("No Files"), tr("Please add at least one file."));
        return;
    }
    const std::optional<QString> method = askForMethod(FileErase);
    if (!method)
        return;
    if (method->isEmpty()) {
        warn(tr("Error"), tr("Please select erasure method!"));
        return;
    }
    // The copies editors keep beside the files go with them, and the
    // confirmation counts them.
    if (removeTraces) {
        fileListPage->appendPaths(velmora::editorCopies(fileListPage->paths()));
    }
    pendingRecord =
        velmora::ErasureRecord::forFiles(fileListPage->paths(), *method, verifyLastPass);
    if (!askForConfirmation(pendingRecord.target, *method)) {
        warn(tr("Cancelled"), tr("The erase operation has been canceled."));
        ui->stackedWidget->setCurrentWidget(ui->pageEraseFileFlow);
        ui->stackedWidget_2->setCurrentWidget(fileListPage);
        return;
    }

    jobMode = FileErase;
    showProgressPage(*method);
    eraseMethod = *method;

    // The runner takes the list as it is when the job starts, and counts it.
    launchRequest(velmora::ErasureRecord::Kind::Files, *method, QString(), fileListPage->paths());
}

// --------------------------------------------------------- wipe a volume

void MainWindow::onNextFromWipeList()
{
    if (drivesShown) {
        onNextFromDriveList();
        return;
    }
    jobMode = VolumeWipe;
    const int row = VolumeTable::chosenRow(wipePage->table());
    if (row < 0) {
        warn(tr("No disk selected"), tr("Please select a disk and click Next!"));
        return;
    }
    if (refusedForWipe(VolumeTable::mountPoint(wipePage->table(), row)))
        return;
    const std::optional<QString> method = askForMethod(VolumeWipe);
    if (!method)
        return;
    if (method->isEmpty()) {
        warn(tr("Error"), tr("Please select an erase method first!"));
        return;
    }
    pendingRecord = velmora::ErasureRecord::forVolume(
        velmora::ErasureRecord::Kind::Volume, VolumeTable::mountPoint(wipePage->table(), row),
        *method, verifyLastPass);
    if (!askForConfirmation(pendingRecord.target, *method)) {
        warn(tr("Cancelled"), tr("Erase operation canceled."));
        ui->stackedWidget->setCurrentWidget(wipePage);
        return;
    }
    showProgressPage(*method);
    const int started = jobsStarted;
    startErase(*method);
    if (jobsStarted == started)
        leaveProgressPage(wipePage); // refused: back where the user was
}

void MainWindow::leaveProgressPage(QWidget *page)
{
    ui->stackedWidget_2->setCurrentWidget(fileListPage);
    ui->stackedWidget->setCurrentWidget(page);
}

void MainWindow::startErase(const QString &method)
{
    const QString mountPoint = VolumeTable::chosenMountPoint(wipePage->table());
    if (mountPoint.isEmpty()) {
        warn(tr("Error"), tr("No disk selected!"));
        return;
    }
    velmora::platform::Space space;
    if (velmora::volumeSpace(mountPoint, &space) != 0) {
        warn(tr("Error"), tr("The selected disk path is invalid!"));
        return;
    }
    if (refusedForWipe(mountPoint))
        return;
    if (space.total == 0) {
        warn(tr("Error"), tr("Unable to obtain disk capacity!"));
        return;
    }

    emit logMessage(tr("🧹 Erasing disk, please wait..."));
    launchRequest(velmora::ErasureRecord::Kind::Volume, method, mountPoint);
}

// ------------------------------------------------------ wipe free space

void MainWindow::onNextFromFreeSpaceDiskList()
{
    jobMode = FreeSpaceWipe;
    const int row = VolumeTable::chosenRow(freeSpacePage->table());
    if (row < 0) {
        warn(tr("No disk selected"), tr("Please select a disk and click Next!"));
        return;
    }
    const QString root = VolumeTable::mountPoint(freeSpacePage->table(), row);
    const std::optional<QString> method = askForMethod(FreeSpaceWipe);
    if (!method)
        return;
    if (method->isEmpty()) {
        warn(tr("Error"), tr("Please select an erasure method first!"));
        return;
    }
    pendingRecord = velmora::ErasureRecord::forVolume(velmora::ErasureRecord::Kind::FreeSpace, root,
                                                      *method, verifyLastPass);
    if (!askForConfirmation(pendingRecord.target, *method)) {
        warn(tr("Canceled"), tr("The erase operation was canceled."));
        return;
    }
    showProgressPage(*method);
    const int started = jobsStarted;
    startWipeFreeSpace(root, *method);
    if (jobsStarted == started)
        leaveProgressPage(freeSpacePage); // refused: back where the user was
}

void MainWindow::startWipeFreeSpace(const QString &root, const QString &method)
{
    velmora::platform::Space space;
    if (root.isEmpty() || velmora::volumeSpace(root, &space) != 0) {
        warn(tr("Error"), tr("The selected disk path is invalid!"));
        return;
    }
    if (space.available == 0) {
        warn(tr("Error"), tr("Unable to get free space!"));
        return;
    }

    emit logMessage(tr("🧹 Erasing free space, please wait..."));
    launchRequest(velmora::ErasureRecord::Kind::FreeSpace, method, root);
}

void MainWindow::launchRequest(velmora::ErasureRecord::Kind kind, const QString &method,
                               const QString &root, const QByteArrayList &listed)
{
    velmora::JobRequest request;
    request.kind = kind;
    request.method = method;
    request.verify = verifyLastPass;
    request.traces = kind == velmora::ErasureRecord::Kind::Files && removeTraces;
    request.root = root;
    request.listed = listed;
    request.systemRoot = runningSystemRoot;
    launchRequest(request);
}

void MainWindow::launchRequest(const velmora::JobRequest &request)
{
    // The runner counts the job's total into the job's status, as for
    // velmora-cli and velmora-bench.
    stopRequested = false;
    progressPage->reset();
    jobFuture = launchJob([request](velmora::JobContext &ctx) {
        QString error;
        if (!velmora::runJob(request, ctx, &error) && ctx.report)
            ctx.report->setError(error);
    });
}
