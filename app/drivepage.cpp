// SPDX-License-Identifier: GPL-3.0-or-later

// The Wipe Disk page's drives: the table of whole block devices beside the
// volumes, and the wipe of one of them.

#include "app/mainwindow.h"
#include "app/stationpage.h"
#include "app/volumepage.h"
#include "app/volumetable.h"
#include "ui_mainwindow.h"

#include "dialogs/confirmerasedialog.h"
#include "dialogs/erasemethoddialog.h"
#include "dialogs/modal.h"
#include "engine/device/drivewipe.h"
#include "engine/device/hiddenarea.h"
#include "engine/device/luks.h"
#include "engine/device/sanitize.h"
#include "engine/fs/medium.h"
#include "engine/fs/paths.h"
#include "engine/job/erasemethods.h"
#include "engine/platform/drives.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QThreadPool>
#include <QtConcurrent>

namespace
{

bool isAdministrator()
{
    return velmora::platform::effectiveUser() == 0;
}

// velmora-admin beside the program, or on the path.
QString administratorLauncher()
{
    const QString beside =
        QCoreApplication::applicationDirPath() + QStringLiteral("/velmora-admin");
    if (QFileInfo(beside).isExecutable())
        return beside;
    return QStandardPaths::findExecutable(QStringLiteral("velmora-admin"));
}

// The words of the actions of the drive's own erase Velmora sends,
// strongest first.
QStringList sendableActions(const velmora::SanitizeOffer &offer)
{
    QStringList actions;
    for (const velmora::SanitizeAction action : offer.actions)
        if (velmora::ownEraseUnsent(offer, action).isEmpty())
            actions.append(velmora::sanitizeActionKey(action));
    return actions;
}

// Drives are asked in a pool of their own: a drive that hangs holds a
// thread of it for the command's time-out, never the window, and never the
// threads a job runs on.
QThreadPool *askingPool()
{
    static QThreadPool pool;
    pool.setMaxThreadCount(2);
    return &pool;
}

// Runs `ask` away from the window and hands what it returns to `then` on
// the window's thread; once `owner` is gone, nothing is handed on.
template <typename Ask, typename Then> void askAside(QObject *owner, Ask ask, Then then)
{
    using Result = decltype(ask());
    auto *watcher = new QFutureWatcher<Result>(owner);
    QObject::connect(watcher, &QFutureWatcher<Result>::finished, owner, [watcher, then] {
        then(watcher->result());
        watcher->deleteLater();
    });
    watcher->setFuture(QtConcurrent::run(askingPool(), std::move(ask)));
}

// The file system the drive is to be left with, as the method dialog was
// left; none to leave it blank.
std::optional<velmora::FreshFormat> freshFormatOf(const EraseMethodDialog &dialog)
{
    const auto fs = velmora::freshFileSystemOfKey(dialog.freshFormatKey());
    if (!fs)
        return std::nullopt;
    return velmora::FreshFormat{*fs, QString()};
}

const char kToggleStyle[] = R"(QPushButton {
    background-color: #ffffff;
    color: #2D89EF;
    border: 1px solid #2D89EF;
    padding: 4px 12px;
}
QPushButton:checked {
    background-color: #2D89EF;
    color: white;
})";

// What is asked of a drive chosen for its wipe before its method is.
struct DriveFacts {
    bool encrypted = false;
    velmora::LuksHeader luks;
    velmora::SanitizeOffer offer;
    velmora::HiddenArea hidden;
};

} // namespace

void MainWindow::setupDrivesView()
{
    // Below the table, left of the page's buttons.
    auto *bar = new QWidget(wipePage);
    bar->setObjectName(QStringLiteral("drivesBar"));
    bar->setGeometry(0, 358, wipePage->table()->width(), 60);
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(6, 0, 6, 0);
    btnShowVolumes = new QPushButton(tr("Volumes"), bar);
    btnShowVolumes->setObjectName(QStringLiteral("btnShowVolumes"));
    btnShowDrives = new QPushButton(tr("Drives"), bar);
    btnShowDrives->setObjectName(QStringLiteral("btnShowDrives"));
    auto *group = new QButtonGroup(bar);
    group->setExclusive(true);
    // A switch of two halves beside the page's title: what the table lists.
    auto *toggle = new QWidget(wipePage);
    toggle->setObjectName(QStringLiteral("volumesOrDrives"));
    auto *halves = new QHBoxLayout(toggle);
    halves->setContentsMargins(0, 0, 0, 0);
    halves->setSpacing(0);
    for (QPushButton *button : {btnShowVolumes, btnShowDrives}) {
        button->setParent(toggle);
        button->setCheckable(true);
        button->setMinimumSize(110, 30);
        button->setStyleSheet(QLatin1String(kToggleStyle));
        group->addButton(button);
        halves->addWidget(button);
    }
    wipePage->addToTitleRow(toggle);
    btnShowVolumes->setChecked(true);
    labelDrivesNote = new QLabel(bar);
    labelDrivesNote->setObjectName(QStringLiteral("labelDrivesNote"));
    labelDrivesNote->setWordWrap(true);
    layout->addWidget(labelDrivesNote, 1);
    connect(btnShowDrives, &QPushButton::toggled, this, &MainWindow::showDrives);
}

void MainWindow::showDrives(bool drives)
{
    drivesShown = drives;
    sayPageTitles();
    sayDrivesNote();
    refreshWipeTable();
}

void MainWindow::sayPageTitles()
{
    if (drivesShown)
        wipePage->setTitle(tr("Wipe whole drives"),
                           tr("Check one drive, or several to wipe them at the same time."));
    else
        wipePage->setTitle(tr("Wipe a whole volume"),
                           tr("Everything on the volume chosen is erased, then its free space "
                              "is filled."));
    freeSpacePage->setTitle(tr("Wipe the free space of a volume"),
                            tr("What deleted files left in its free space is overwritten; the "
                               "files on it stay."));
}

void MainWindow::sayDrivesNote()
{
    labelDrivesNote->setText(
        !drivesShown ? QString()
        : isAdministrator()
            ? tr("Every sector of the drive chosen is overwritten: all its partitions and its "
                 "partition table.")
            : tr("Wiping a whole drive needs administrator rights: start Velmora in "
                 "administrator mode to choose one."));
}

void MainWindow::fillDriveTable()
{
    QList<VolumeTable::DriveRow> rows;
    const QLocale locale;
    const std::vector<velmora::platform::Drive> drives = velmora::platform::scannedDrives();
    for (const velmora::platform::Drive &d : drives) {
        const velmora::platform::Storage s = velmora::platform::storageOfDisk(d.disk);
        QStringList partitions;
        for (const QByteArray &p : d.partitions)
            partitions.append(QString::fromUtf8(p));
        VolumeTable::DriveRow row;
        row.path = velmora::displayName(d.path);
        row.model = s.model();
        row.serial = d.disk.serial;
        row.size = locale.formattedDataSize(qint64(d.bytes), 1, QLocale::DataSizeSIFormat);
        row.medium = velmora::mediumLabel(s);
        row.partitions = partitions.join(QLatin1Char(' '));
        row.refusal = velmora::driveRefusal(d);
        row.brief = velmora::driveRefusalBrief(d);
        row.needsAdministrator = !isAdministrator();
        row.tip = tr("%1\nSize: %2 bytes, sectors of %3 bytes (%4 physical)")
                      .arg(velmora::driveTitle(d), locale.toString(d.bytes))
                      .arg(d.logicalSector)
                      .arg(d.physicalSector);
        if (!d.loopFile.isEmpty())
            row.tip +=
                QLatin1Char('\n') + tr("Image file: %1").arg(velmora::displayName(d.loopFile));
        rows.append(row);
    }
    VolumeTable::fillDrives(wipePage->table(), diskButtonGroup, this, rows);
    askWhatDrivesHold(drives);
}

void MainWindow::askWhatDrivesHold(const std::vector<velmora::platform::Drive> &drives)
{
    // What each drive's own erase offers, and the LUKS container a drive or
    // partition holds, are asked of the drives away from the window (a drive
    // may be slow to answer) and added to their rows as they come; a table
    // filled again since takes none.
    struct Said {
        QString path;
        QString ownErase; // empty for a partition
        QString luks;     // "LUKS2", or empty
    };
    const int filling = ++driveTableFilling;
    askAside(
        this,
        [drives] {
            QList<Said> said;
            for (const velmora::platform::Drive &d : drives) {
                velmora::LuksHeader luks;
                QString problem;
                said.append({velmora::displayName(d.path),
                              d.partition ? QString() : velmora::probeSanitize(d).summary(),
                              velmora::probeLuks(d.path, &luks, &problem) == 1
                                  ? QString::fromLatin1(luks.version)
                                  : QString()});
            }
            return said;
        },
        [this, filling](const QList<Said> &said) {
            if (filling != driveTableFilling || !drivesShown)
                return;
            QTableWidget *table = wipePage->table();
            for (int row = 0; row < table->rowCount(); ++row)
                for (const Said &one : said) {
                    if (VolumeTable::mountPoint(table, row) != one.path)
                        continue;
                    if (!one.ownErase.isEmpty())
                        VolumeTable::addToTip(table, row, one.ownErase);
                    if (!one.luks.isEmpty())
                        VolumeTable::addToPartitions(table, row, one.luks);
                }
        });
}

void MainWindow::offerAdministratorMode()
{
    QMessageBox box(QMessageBox::Warning, tr("Administrator rights needed"),
                    tr("Wiping a whole drive writes to the device itself, which only the "
                       "administrator may do. Start Velmora in administrator mode and choose "
                       "the drive again."),
                    QMessageBox::Cancel, this);
    const QString launcher = administratorLauncher();
    QPushButton *start = launcher.isEmpty() ? nullptr
                                            : box.addButton(tr("Start in Administrator Mode"),
                                                            QMessageBox::AcceptRole);
    velmora::Modal::exec(box);
    if (start && box.clickedButton() == start)
        QProcess::startDetached(launcher, {});
}

std::shared_ptr<velmora::PinnedDrive> MainWindow::pinChosenDrive()
{
    const QString path = VolumeTable::chosenMountPoint(wipePage->table());
    if (path.isEmpty()) {
        warn(tr("No drive selected"), tr("Please select a drive and click Next!"));
        return nullptr;
    }
    // Again now: the drive may have changed since the table was filled.
    velmora::platform::Drive drive;
    const QByteArray device = velmora::fsBytes(path);
    if (velmora::platform::driveAt(device, &drive) != 0) {
        warn(tr("Error"), tr("The drive %1 is no longer there.").arg(path));
        fillDriveTable();
        return nullptr;
    }
    const QString refusal = velmora::driveRefusal(drive);
    if (!refusal.isEmpty()) {
        warn(tr("Error"), refusal);
        fillDriveTable();
        return nullptr;
    }
    if (!isAdministrator()) {
        offerAdministratorMode();
        return nullptr;
    }
    // Held from before the question to the end of the wipe: what is
    // confirmed is what is written to.
    QString pinRefusal;
    std::shared_ptr<velmora::PinnedDrive> pinned = velmora::pinDrive(device, &pinRefusal);
    if (!pinned) {
        warn(tr("Error"), pinRefusal.mid(pinRefusal.indexOf(QLatin1Char(' ')) + 1));
        fillDriveTable();
    }
    return pinned;
}

void MainWindow::onNextFromDriveList()
{
    jobMode = DriveWipe;
    if (const QStringList chosen = VolumeTable::chosenMountPoints(wipePage->table());
        chosen.size() > 1) {
        wipeSeveralDrives(chosen);
        return;
    }
    std::shared_ptr<velmora::PinnedDrive> pinned = pinChosenDrive();
    if (!pinned)
        return;
    // Its encryption and its own erase are asked away from the window: a
    // drive may take seconds to answer, or not answer at all. The page
    // waits meanwhile, and the drive stays held.
    wipePage->setEnabled(false);
    labelDrivesNote->setText(
        tr("Asking %1 what it offers…").arg(velmora::displayName(pinned->drive.path)));
    const velmora::platform::Drive drive = pinned->drive;
    askAside(
        this,
        [drive] {
            DriveFacts facts;
            QString problem;
            facts.encrypted = velmora::probeLuks(drive.path, &facts.luks, &problem) > 0;
            facts.offer = velmora::probeSanitize(drive);
            facts.hidden = velmora::probeHiddenArea(drive);
            return facts;
        },
        [this, pinned](const DriveFacts &facts) {
            wipePage->setEnabled(true);
            sayDrivesNote();
            // Left meanwhile: the drive is let go unasked.
            if (ui->stackedWidget->currentWidget() != wipePage || !drivesShown)
                return;
            askDriveMethod(pinned,
                           facts.encrypted ? QString::fromUtf8(facts.luks.version) : QString(),
                           facts.offer, facts.hidden);
        });
}

void MainWindow::askDriveMethod(std::shared_ptr<velmora::PinnedDrive> pinned,
                                const QString &luksVersion, const velmora::SanitizeOffer &offer,
                                const velmora::HiddenArea &hidden)
{
    const QByteArray device = pinned->drive.path;
    const bool encrypted = !luksVersion.isEmpty();
    // The drive's own erase, where its controller offers one Velmora sends.
    const QStringList ownActions = sendableActions(offer);

    EraseMethodDialog dialog(this);
    dialog.setVerifySetting(QStringLiteral("verify/drives"), true);
    if (encrypted)
        dialog.offerKeyDestruction(luksVersion);
    if (!ownActions.isEmpty())
        dialog.offerOwnErase(ownActions);
    if (!pinned->drive.partition)
        dialog.offerFreshFormat();
    // What the drive hides past its end: opened for the wipe where the user
    // asks and the drive can undo it at its next power cycle.
    if (hidden.hiddenSectors() > 0)
        dialog.offerHiddenArea(
            hidden.hiddenSectors(),
            hidden.feature == QLatin1String("hpa")
                ? QString()
                : hidden.sentence(velmora::displayName(device), pinned->drive.logicalSector));
    dialog.setWindowModality(Qt::ApplicationModal);
    if (velmora::Modal::exec(dialog) != QDialog::Accepted)
        return;
    // The drive's own erase overwrites nothing, unless a pass is to follow.
    const QString method = dialog.ownErase()
                               ? (dialog.thenOverwrite() ? velmora::kMethodNist : QString())
                           : dialog.keysOnly() ? QString()
                                               : dialog.selectedMethod();
    verifyLastPass = !method.isEmpty() && dialog.verifyAfterLastPass();
    const bool cryptoErase = encrypted && dialog.destroyKeys();
    std::optional<velmora::OwnEraseChoice> ownErase;
    if (const auto action = velmora::sanitizeActionOfKey(dialog.ownEraseAction()))
        ownErase = velmora::OwnEraseChoice{*action, offer.protocol};

    pendingRecord = velmora::ErasureRecord::forDrive(device, method, verifyLastPass, cryptoErase,
                                                     dialog.ownEraseAction());
    if (!askForConfirmation(pendingRecord.target, pendingRecord.method)) {
        warn(tr("Cancelled"), tr("Erase operation canceled."));
        ui->stackedWidget->setCurrentWidget(wipePage);
        return;
    }
    const QString changed = velmora::pinnedDriveChanged(*pinned);
    if (!changed.isEmpty()) {
        warn(tr("Error"), changed.mid(changed.indexOf(QLatin1Char(' ')) + 1));
        fillDriveTable();
        return;
    }
    showProgressPage(pendingRecord.method);
    emit logMessage(tr("💽 Wiping the whole drive %1, please wait...").arg(pendingRecord.target));
    velmora::JobRequest request;
    request.kind = velmora::ErasureRecord::Kind::Drive;
    request.method = method;
    request.verify = verifyLastPass;
    request.device = device;
    request.cryptoErase = cryptoErase;
    request.ownErase = ownErase;
    request.format = freshFormatOf(dialog);
    request.liftHiddenArea = dialog.liftHiddenArea();
    request.pinned = std::move(pinned);
    launchRequest(request);
}

void MainWindow::wipeSeveralDrives(const QStringList &paths)
{
    if (!isAdministrator()) {
        offerAdministratorMode();
        return;
    }
    // Each checked again and held, from one look at the system for them
    // all: one refused refuses them all, before anything is asked.
    QByteArrayList devices;
    for (const QString &path : paths)
        devices.append(velmora::fsBytes(path));
    std::vector<velmora::platform::Drive> seen;
    qsizetype missing = 0;
    if (velmora::platform::drivesAt(devices, &seen, &missing) != 0) {
        warn(tr("Error"), tr("The drive %1 is no longer there.").arg(paths.value(int(missing))));
        fillDriveTable();
        return;
    }
    std::vector<std::shared_ptr<velmora::PinnedDrive>> pins;
    bool allWhole = true;
    for (std::size_t i = 0; i < seen.size(); ++i) {
        QString refusal;
        auto pinned = velmora::pinDrive(devices.at(qsizetype(i)), &refusal, nullptr, &seen[i]);
        if (!pinned) {
            warn(tr("Error"), refusal.mid(refusal.indexOf(QLatin1Char(' ')) + 1));
            fillDriveTable();
            return;
        }
        allWhole = allWhole && !pinned->drive.partition;
        pins.push_back(std::move(pinned));
    }
    // The five methods: a drive's own erase and its keys are chosen one
    // drive at a time.
    EraseMethodDialog dialog(this);
    dialog.setVerifySetting(QStringLiteral("verify/drives"), true);
    if (allWhole)
        dialog.offerFreshFormat();
    dialog.setWindowModality(Qt::ApplicationModal);
    if (velmora::Modal::exec(dialog) != QDialog::Accepted)
        return;
    const QString method = dialog.selectedMethod();
    verifyLastPass = dialog.verifyAfterLastPass();
    ConfirmEraseDialog confirm(this);
    confirm.setQuestion(
        tr("This will permanently destroy everything on these %n drive(s).", "", int(pins.size())));
    confirm.setTarget(tr("%n drive(s), each wiped at the same time", "", int(pins.size())));
    QStringList named;
    for (const auto &pinned : pins)
        named.append(velmora::driveTitle(pinned->drive));
    confirm.setDetails(named, 0, velmora::methodText(method));
    if (!ConfirmEraseDialog::confirmed(velmora::Modal::exec(confirm), confirm)) {
        warn(tr("Cancelled"), tr("Erase operation canceled."));
        return;
    }
    // Still the drives named, every one, or none is wiped.
    std::vector<const velmora::PinnedDrive *> held;
    for (const auto &pinned : pins)
        held.push_back(pinned.get());
    if (const QString changed = velmora::pinnedDrivesChanged(devices, held); !changed.isEmpty()) {
        warn(tr("Error"), changed.mid(changed.indexOf(QLatin1Char(' ')) + 1));
        fillDriveTable();
        return;
    }
    std::vector<StationPage::Drive> drives;
    for (std::size_t i = 0; i < pins.size(); ++i) {
        StationPage::Drive drive;
        drive.record = velmora::ErasureRecord::forDrive(devices.at(qsizetype(i)), method,
                                                        verifyLastPass, false, QString());
        drive.request.kind = velmora::ErasureRecord::Kind::Drive;
        drive.request.method = method;
        drive.request.verify = verifyLastPass;
        drive.request.device = devices.at(qsizetype(i));
        drive.request.format = freshFormatOf(dialog);
        drive.request.pinned = std::move(pins[i]);
        drives.push_back(std::move(drive));
    }
    stopRequested = false;
    ++jobsStarted;
    labelJobOutcome->clear();
    ui->stackedWidget->setCurrentWidget(stationPage);
    stationPage->start(std::move(drives));
}
