// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/core/jobcontext.h"
#include "engine/device/hiddenarea.h"
#include "engine/device/sanitize.h"
#include "engine/job/erasurerecord.h"
#include "engine/job/interruptedjobs.h"
#include "engine/job/jobrunner.h"
#include "engine/job/progressmeter.h"

#include <QByteArrayList>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFuture>
#include <QFutureWatcher>
#include <QMainWindow>
#include <QMessageBox>
#include <QString>
#include <QUrl>

#include <atomic>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QButtonGroup;
class QMenu;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace Ui
{
class MainWindow;
}
class QLabel;
class QTimer;
class FileListPage;
class ProgressPage;
class StationPage;
class VolumePage;

// The application's one window: the home page with its three cards, the file
// list, the two volume pages and the progress page, and the state of the one
// erase job that may run at a time.
class MainWindow : public QMainWindow
{
    Q_OBJECT
    Q_PROPERTY(int jobMode READ currentJobMode)

  public:
    // A file list entry's path, as the file system's bytes.
    static QByteArray pathOfEntry(const class QListWidgetItem *item);

    enum JobMode { None = 0, FileErase = 1, VolumeWipe = 2, FreeSpaceWipe = 3, DriveWipe = 4 };

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    int currentJobMode() const { return jobMode; }

    // Set by a stop signal as by a confirmed Stop.
    std::atomic_bool *stopFlag() { return &stopRequested; }
    // After SIGINT, SIGTERM or SIGHUP: lets a running job reach its stop
    // point (fill files go), says so, and returns the exit status.
    int stopForSignal(int signal);
    // Tells the user of fill files an interrupted wipe left on mounted
    // volumes and offers to remove them.
    void offerLeftoverRemoval();
    // The same, once the window stands where the desktop put it: asked
    // before, the questions open at the screen's corner.
    void offerLeftoverRemovalOnceShown();
    // Says in the header when a scheduled wipe that ran since the reports
    // were last looked at did not do all it meant to.
    void tellFailedScheduledRuns();
    // Opens the file page with `paths` in the list, as a drop adds them
    // (the command line's files and folders).
    void openWithEntries(const QByteArrayList &paths);

    // The entries the confirmation names before "… and N more".
    static constexpr int kNamedInConfirmation = 3;

    // The folder whose volume the running system lives on: never wiped
    // whole. Tests point it at a volume of their own.
    static inline QByteArray runningSystemRoot = QByteArrayLiteral("/");

    static const QString supportAddress;
    static const QString helpAddress;
    // How an address is handed to the desktop; tests put a desktop with
    // no browser in its place.
    static inline std::function<bool(const QUrl &)> openUrl = [](const QUrl &url) {
        return QDesktopServices::openUrl(url);
    };
    // The manual installed with Velmora, as text; empty where none is.
    // `manualFile` is read first where set (a build tree's page), else the
    // page beside the program.
    static QString installedManual();
    static inline QString manualFile;

  signals:
    void logMessage(QString message);

  protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private slots:
    void onNextFromFileList();
    void on_btnEraseFileFolder_clicked();
    void on_btnWipeDisk_clicked();
    void on_btnWipeFreeSpace_clicked();
    // The Wipe Disk page's table again: volumes or drives, as shown.
    void refreshWipeTable();
    void showHome();
    void onNextFromWipeList();
    // Stop on the progress page: asks, then has the job stop.
    void askToStop();
    void showAbout();
    void loadFreeSpaceDiskList();
    void onNextFromFreeSpaceDiskList();

    void openSupportPage();
    void openOnlineHelp();
    void openAddress(const QString &address);
    void completeJob();

  private:
    void setupHeader();
    // The header's menu (About, Help, the Trash, schedules, reports) and its
    // bar (the last job's outcome, its report, Help and the menu).
    QMenu *headerMenu();
    QWidget *headerBar();
    // Buttons drawn for English take the room their translated texts need.
    void fitTranslatedTexts();
    void startErase(const QString &method);
    void startWipeFreeSpace(const QString &root, const QString &method);
    // Starts a job through the runner velmora-cli and velmora-bench use: a
    // volume job on the volume at `root`, or a file erase of `listed`.
    void launchRequest(velmora::ErasureRecord::Kind kind, const QString &method,
                       const QString &root, const QByteArrayList &listed = {});
    void launchRequest(const velmora::JobRequest &request);

    // The Wipe Disk page's second table: whole drives.
    void setupDrivesView();
    // Shows the drives (true) or the volumes in the Wipe Disk page's table.
    void showDrives(bool drives);
    // The title and sentence atop the volume pages, for what they list.
    void sayPageTitles();
    // The line below the table: what a drive wipe does, or what it needs.
    void sayDrivesNote();
    void fillDriveTable();
    // Asks each of `drives` what its own erase offers and whether it holds a
    // LUKS container, away from the window, and adds the answers to its row.
    void askWhatDrivesHold(const std::vector<velmora::platform::Drive> &drives);
    int driveTableFilling = 0;
    // Pins the chosen drive, asks it (away from the window) whether it is
    // encrypted and what its own erase offers, then asks for the method.
    void onNextFromDriveList();
    // Several drives chosen: each checked and held, one method, one
    // confirmation naming them all, then all wiped at once.
    void wipeSeveralDrives(const QStringList &paths);
    // Every drive of the station has ended: says how each did.
    void completeStation();
    // An erase job, or drives of the station, still running.
    bool jobRunning() const;
    StationPage *stationPage = nullptr;
    // The method dialog for the pinned drive, its confirmation, and the
    // wipe; `luksVersion` empty where it is not encrypted.
    void askDriveMethod(std::shared_ptr<velmora::PinnedDrive> pinned, const QString &luksVersion,
                        const velmora::SanitizeOffer &offer, const velmora::HiddenArea &hidden);
    // The drive chosen in the table, checked again and held; null (said)
    // when it is gone, refused or needs administrator rights.
    std::shared_ptr<velmora::PinnedDrive> pinChosenDrive();
    // Says a whole drive needs administrator rights and offers to start the
    // administrator mode.
    void offerAdministratorMode();
    QPushButton *btnShowVolumes = nullptr;
    QPushButton *btnShowDrives = nullptr;
    QLabel *labelDrivesNote = nullptr;
    bool drivesShown = false;

    // Workflows and job control
    void warn(const QString &title, const QString &text);
    std::optional<QString> askForMethod(JobMode mode);
    // Why the volume at `mountPoint` may not be wiped whole; empty when it may.
    static QString wipeRefusalText(const QString &mountPoint);
    // Says why, and returns true, when the volume at `mountPoint` must not be
    // wiped whole: it holds the running system or the user's home folder.
    bool refusedForWipe(const QString &mountPoint);
    // From the progress page back to `page`, when a job was refused before
    // it started.
    void leaveProgressPage(QWidget *page);
    // The confirmation, with one line naming what will be destroyed.
    bool askForConfirmation(const QString &target, const QString &method);
    void showProgressPage(const QString &method);
    velmora::JobContext jobContext(QProgressBar *bar);
    QFuture<void> launchJob(std::function<void(velmora::JobContext &)> body);
    void returnToModePage();
    // The Done box's text: what the job did, what may remain, and what it
    // amounts to in the standard's words.
    QString doneText() const;
    // Its first line: what the job did, or that something may remain.
    QString doneHeadline(bool mayRemain) const;
    void stopAndWaitForJob();
    // Says what jobs killed before their end left unfinished, after putting
    // right what they left behind; offers to go on with what is left.
    void tellInterruptedJobs();
    // How long closing the window waits for a stopped job's device.
    static constexpr int kCloseWaitMs = 10000;

    Ui::MainWindow *ui;
    QButtonGroup *freeSpaceButtonGroup = nullptr;
    QFutureWatcher<void> *jobWatcher = nullptr;
    QFuture<void> jobFuture;
    QButtonGroup *diskButtonGroup = nullptr;
    QPushButton *btnHelp = nullptr;
    QToolButton *btnMenu = nullptr;
    QString eraseMethod;
    // "Verify after the last pass", as the method dialog was left.
    bool verifyLastPass = false;
    // "Also remove thumbnails, …", as the method dialog was left (file erases).
    bool removeTraces = false;
    // Jobs launched so far: tells a refusal from a start.
    int jobsStarted = 0;
    std::atomic_bool stopRequested{false};
    int jobMode = None;

    velmora::JobReport jobReport;
    // The running or the last job, for its report; its byte counts arrive
    // when the job returns.
    std::optional<velmora::ErasureRecord> jobRecord;
    // The one being confirmed; it becomes jobRecord when its job starts.
    velmora::ErasureRecord pendingRecord;
    std::atomic<qint64> jobBytesWritten{0};
    std::atomic<qint64> jobBytesVerified{0};
    bool finishRecord(bool stopped);
    // The finished job's outcome signed and kept, with its report, for
    // Reports…, on a thread of the pool.
    void keepJobRecord();
    // The box that ends a job, with "Save Report…" beside OK.
    void showCompletionBox(QMessageBox::Icon icon, const QString &title, const QString &text);
    // "Save Report…": asks where, writes the last job's PDF report.
    void saveReport();
    QAction *saveReportAction = nullptr;
    // Left in the header: how the last job ended when no box said it (a
    // stop), or where its report went.
    QLabel *labelJobOutcome = nullptr;
    // The header says that a scheduled run did not do all it meant to.
    bool scheduledRunNoticeShown = false;
    QPushButton *btnAddFailedBack = nullptr;
    QPushButton *btnShowReport = nullptr;
    // The last job's report in a window of its own, with "Save Report…".
    void showReport();
    // The entries of the last file erase that are still where they were.
    QByteArrayList failedEntries;
    void addFailedBack();
    velmora::JobStatus jobStatus;
    FileListPage *fileListPage = nullptr;
    ProgressPage *progressPage = nullptr;
    // The volume to wipe whole (or the drive), and the volume whose free
    // space to wipe.
    VolumePage *wipePage = nullptr;
    VolumePage *freeSpacePage = nullptr;
    bool leftoverOfferPending = false;
};
