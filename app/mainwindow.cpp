// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindow.h"

#include "dialogs/fittext.h"
#include "dialogs/modal.h"
#include "dialogs/reportdetailsdialog.h"
#include "dialogs/scheduledialog.h"
#include "ui_mainwindow.h"

#include "engine/job/guards.h"

#include "app/filelistpage.h"
#include "app/focusring.h"
#include "app/progresspage.h"
#include "app/stationpage.h"
#include "app/volumepage.h"
#include "app/volumetable.h"
#include "engine/fs/overwrite.h"
#include "engine/fs/paths.h"
#include "engine/fs/walk.h"

#include <QAction>
#include <QCursor>
#include <QDateTime>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTableWidget>
#include <QThreadPool>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

const QString MainWindow::supportAddress = QStringLiteral("https://velmora.org/support");
const QString MainWindow::helpAddress = QStringLiteral("https://velmora.org/help");

namespace
{

const char kWindowStyle[] = R"(QPushButton#btnHelp, QToolButton#btnMenu {
    border: none;
    background-color: transparent;
    border-radius: 6px;
    padding: 4px;
}
QPushButton#btnHelp {
    image: url(:/icons/resources/help.png);
}
QToolButton#btnMenu {
    image: url(:/icons/resources/menu.png);
}
QPushButton#btnHelp:hover {
    background-color: #d0eaff;
    image: url(:/icons/resources/help_hover.png);
}
QToolButton#btnMenu:hover {
    background-color: #d0eaff;
    image: url(:/icons/resources/menu_hover.png);
}
QToolButton#btnMenu::menu-indicator {
    image: none;
}
QWidget#rootWidget {
    background-color: #eef6fc;
}
QLabel#labelJobOutcome {
    color: #1b3a57;
}
QPushButton#btnShowReport, QPushButton#btnAddFailedBack {
    color: #0078d7;
    background-color: white;
    border: 1px solid #0078d7;
    border-radius: 8px;
    padding: 4px 10px;
}
QPushButton#btnShowReport:hover, QPushButton#btnAddFailedBack:hover {
    background-color: #e6f2fb;
}
)";

// Slim rounded bars without arrows, on the white of the list, the log and
// the tables.
const char kScrollBarStyle[] = R"(QScrollBar:vertical {
    background: transparent;
    width: 10px;
    margin: 4px 2px 4px 0;
    border: none;
}
QScrollBar:horizontal {
    background: transparent;
    height: 10px;
    margin: 0 4px 2px 4px;
    border: none;
}
QScrollBar::handle {
    background: #b9d3ea;
    border-radius: 4px;
}
QScrollBar::handle:vertical {
    min-height: 28px;
}
QScrollBar::handle:horizontal {
    min-width: 28px;
}
QScrollBar::handle:hover, QScrollBar::handle:pressed {
    background: #2D89EF;
}
QScrollBar::add-line, QScrollBar::sub-line {
    width: 0;
    height: 0;
    border: none;
    background: none;
}
QScrollBar::add-page, QScrollBar::sub-page {
    background: none;
}
)";

const char kRadioStyle[] = R"(QRadioButton::indicator {
    width: 10px;
    height: 10px;
    border-radius: 5px;
    border: 1px solid #888;
    background-color: #f5f5f5;
}
QRadioButton::indicator:checked {
    background-color: #4CAF50;
    border: 1px solid #4CAF50;
}
QRadioButton::indicator:hover {
    border: 1px solid #1E88E5;
}
)";

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/icons/resources/app_icon.png")));
    setupHeader();
    FocusRing::install();

    setAcceptDrops(true);
    fileListPage = new FileListPage(ui->stackedWidget_2);
    ui->stackedWidget_2->addWidget(fileListPage);
    connect(fileListPage, &FileListPage::backClicked, this, &MainWindow::showHome);
    connect(fileListPage, &FileListPage::nextClicked, this, &MainWindow::onNextFromFileList);

    // Lines emitted by a job arrive queued, in order; lines emitted on this
    // thread (the workflows' first lines, a job's closing line) join the
    // same queue at once. Either way they reach the log with its next batch.
    progressPage = new ProgressPage(ui->stackedWidget_2);
    ui->stackedWidget_2->addWidget(progressPage);
    connect(this, &MainWindow::logMessage, progressPage, &ProgressPage::queueLine);
    connect(progressPage, &ProgressPage::stopClicked, this, &MainWindow::askToStop);

    setFixedSize(820, 560);
    fitTranslatedTexts();

    // A card lights up under the pointer: a click anywhere on it starts its
    // action, as its button does.
    for (QWidget *card : {ui->wipeCard, ui->wipefreespaceCard, ui->EraseFilecard}) {
        card->setCursor(Qt::PointingHandCursor);
        card->installEventFilter(this);
    }

    wipePage = new VolumePage(QStringLiteral("pageWipeDisk"), QString(), ui->stackedWidget);
    freeSpacePage = new VolumePage(QStringLiteral("pageWipeFreeSpace"), QStringLiteral("_2"),
                                   ui->stackedWidget);
    for (VolumePage *page : {wipePage, freeSpacePage}) {
        ui->stackedWidget->addWidget(page);
        connect(page, &VolumePage::backClicked, this, &MainWindow::showHome);
    }
    connect(wipePage, &VolumePage::refreshClicked, this, &MainWindow::refreshWipeTable);
    connect(wipePage, &VolumePage::nextClicked, this, &MainWindow::onNextFromWipeList);
    connect(freeSpacePage, &VolumePage::refreshClicked, this, &MainWindow::loadFreeSpaceDiskList);
    connect(freeSpacePage, &VolumePage::nextClicked, this,
            &MainWindow::onNextFromFreeSpaceDiskList);
    setupDrivesView();
    sayPageTitles();
    wipePage->table()->setMouseTracking(true);
    // Several drives at once run on a page of their own.
    stationPage = new StationPage(&stopRequested, ui->stackedWidget);
    ui->stackedWidget->addWidget(stationPage);
    connect(stationPage, &StationPage::finished, this, &MainWindow::completeStation);
    connect(stationPage, &StationPage::leave, this, [this] {
        ui->stackedWidget->setCurrentWidget(wipePage);
        refreshWipeTable();
    });

    jobWatcher = new QFutureWatcher<void>(this);
    connect(jobWatcher, &QFutureWatcher<void>::finished, this, [this] {
        progressPage->finished(stopRequested.load());
        // Deliver what the job queued before the box opens over it.
        QCoreApplication::processEvents();
        QTimer::singleShot(100, this, &MainWindow::completeJob);
    });
}

MainWindow::~MainWindow()
{
    stopAndWaitForJob();
    // The job's task object (and what its function holds) goes on the pool's
    // thread just after the job reports itself finished: wait for that too.
    QThreadPool::globalInstance()->waitForDone();
    delete ui;
}

void MainWindow::fitTranslatedTexts()
{
    using velmora::fitRow;
    velmora::fitAlike({ui->wipeCard, ui->wipefreespaceCard, ui->EraseFilecard});
    fitRow({progressPage->stopButton()}, Qt::AlignRight);
}

void MainWindow::setupHeader()
{
    btnHelp = new QPushButton(this);
    btnHelp->setObjectName(QStringLiteral("btnHelp"));
    btnHelp->setFixedSize(30, 30);
    btnHelp->setText(QString());
    btnMenu = new QToolButton(this);
    btnMenu->setObjectName(QStringLiteral("btnMenu"));
    btnMenu->setFixedSize(30, 30);
    btnMenu->setToolButtonStyle(Qt::ToolButtonIconOnly);
    btnMenu->setPopupMode(QToolButton::InstantPopup);
    btnMenu->setMenu(headerMenu());
    connect(btnHelp, &QPushButton::clicked, this, &MainWindow::openOnlineHelp);

    auto *rootWidget = new QWidget(this);
    auto *rootLayout = new QVBoxLayout(rootWidget);
    rootLayout->setContentsMargins(0, 0, 0, 0);
    rootLayout->setSpacing(0);
    rootLayout->addWidget(headerBar());
    rootLayout->addWidget(ui->stackedWidget);
    // Its background is set by name in the window's sheet: a rule without
    // a selector here would reach every control below and override the
    // window's own rules for them.
    rootWidget->setObjectName(QStringLiteral("rootWidget"));
    setCentralWidget(rootWidget); // discards the form's own central widget

    setStyleSheet(QLatin1String(kWindowStyle) + QLatin1String(kRadioStyle) +
                  QLatin1String(kScrollBarStyle));
}

QMenu *MainWindow::headerMenu()
{
    auto *headerMenu = new QMenu(this);
    headerMenu->addAction(tr("About"), this, &MainWindow::showAbout);
    headerMenu->addAction(tr("Support"), this, &MainWindow::openSupportPage);
    headerMenu->addAction(tr("Help"), this, &MainWindow::openOnlineHelp);
    auto *eraseTrash = headerMenu->addAction(tr("Erase the Trash…"), this, [this] {
        // A running erase keeps its page and its words: the Trash waits in
        // the list until it has ended.
        if (jobRunning()) {
            fileListPage->addTrash();
            velmora::Modal::information(
                this, tr("Erase running"),
                tr("An erase is running. What is in the Trash is in the list of files to "
                   "erase, for when it has ended."));
            return;
        }
        on_btnEraseFileFolder_clicked();
        fileListPage->addTrash();
    });
    eraseTrash->setObjectName(QStringLiteral("actionEraseTrash"));
    headerMenu->addAction(tr("Schedule…"), this, [this] {
        ScheduleDialog dialog(QCoreApplication::applicationDirPath() + "/velmora-cli", this);
        velmora::Modal::exec(dialog);
    });
    headerMenu->addAction(tr("Reports…"), this, [this] {
        // What was failed is seen now.
        QSettings().setValue(QStringLiteral("schedules/seen"), QDateTime::currentDateTime());
        if (scheduledRunNoticeShown) {
            labelJobOutcome->clear();
            scheduledRunNoticeShown = false;
        }
        ReportsDialog dialog(this);
        velmora::Modal::exec(dialog);
    });
    headerMenu->addAction(tr("Report Details…"), this, [this] {
        ReportDetailsDialog dialog(this);
        velmora::Modal::exec(dialog);
    });
    headerMenu->addSeparator();
    // The report of the last job, once one has ended.
    saveReportAction = headerMenu->addAction(tr("Save Report…"), this, &MainWindow::saveReport);
    saveReportAction->setObjectName(QStringLiteral("actionSaveReport"));
    saveReportAction->setEnabled(false);
    // The menu holds the pointer while it is open, so the button is never
    // told the pointer left it: where the pointer is elsewhere when the menu
    // closes, the button's highlight goes.
    connect(headerMenu, &QMenu::aboutToHide, this, [this] {
        QTimer::singleShot(0, btnMenu, [this] {
            if (!btnMenu->rect().contains(btnMenu->mapFromGlobal(QCursor::pos()))) {
                btnMenu->setAttribute(Qt::WA_UnderMouse, false);
                btnMenu->update();
            }
        });
    });
    return headerMenu;
}

QWidget *MainWindow::headerBar()
{
    labelJobOutcome = new QLabel(this);
    labelJobOutcome->setObjectName(QStringLiteral("labelJobOutcome"));
    labelJobOutcome->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Two lines where the buttons beside it leave one too short.
    labelJobOutcome->setWordWrap(true);
    // A long path takes the room there is, never the header buttons' room.
    labelJobOutcome->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto *headerBar = new QWidget(this);
    headerBar->setFixedHeight(50);
    auto *headerLayout = new QHBoxLayout(headerBar);
    headerLayout->setContentsMargins(10, 5, 10, 5);
    headerLayout->setSpacing(16);
    headerLayout->addWidget(labelJobOutcome, 1);
    // After a file erase that left entries in place: those entries back in
    // the list, to try again (in administrator mode, say).
    btnAddFailedBack = new QPushButton(this);
    btnAddFailedBack->setObjectName(QStringLiteral("btnAddFailedBack"));
    btnAddFailedBack->hide();
    connect(btnAddFailedBack, &QPushButton::clicked, this, &MainWindow::addFailedBack);
    headerLayout->addWidget(btnAddFailedBack);
    // The last job's report, on the page the user comes back to.
    btnShowReport = new QPushButton(tr("Show Report…"), this);
    btnShowReport->setObjectName(QStringLiteral("btnShowReport"));
    btnShowReport->hide();
    connect(btnShowReport, &QPushButton::clicked, this, &MainWindow::showReport);
    headerLayout->addWidget(btnShowReport);
    headerLayout->addWidget(btnHelp);
    headerLayout->addWidget(btnMenu);
    return headerBar;
}

// ---------------------------------------------------------------- navigation

QByteArray MainWindow::pathOfEntry(const QListWidgetItem *item)
{
    return FileListPage::pathOfEntry(item);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

// Dropped anywhere on the window, files and folders join the list.
void MainWindow::dropEvent(QDropEvent *event)
{
    QByteArrayList paths;
    for (const QUrl &url : event->mimeData()->urls()) {
        // The path's bytes as they were encoded, so a name that is not
        // UTF-8 survives the drop.
        if (url.isLocalFile())
            paths.append(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
    }
    event->acceptProposedAction();
    fileListPage->addWaiting(paths, tr("Please wait"));
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (leftoverOfferPending && watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        leftoverOfferPending = false;
        windowHandle()->removeEventFilter(this);
        QTimer::singleShot(0, this, &MainWindow::offerLeftoverRemoval);
    }
    // A click on a home card, wherever on it, is a click on its button.
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        auto *card = qobject_cast<QWidget *>(watched);
        auto *button = card && card->parentWidget() == ui->pageHome
                           ? card->findChild<QPushButton *>()
                           : nullptr;
        if (button &&
            card->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint())) {
            button->click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::on_btnEraseFileFolder_clicked()
{
    jobMode = FileErase;
    ui->stackedWidget->setCurrentWidget(ui->pageEraseFileFlow);
    ui->stackedWidget_2->setCurrentWidget(fileListPage);
}

void MainWindow::openWithEntries(const QByteArrayList &paths)
{
    // Handed over while an erase runs: listed, but the running job's page
    // stays in view.
    if (!jobRunning())
        on_btnEraseFileFolder_clicked();
    fileListPage->tellRefused(fileListPage->addEntries(paths));
}

void MainWindow::on_btnWipeDisk_clicked()
{
    jobMode = VolumeWipe;
    ui->stackedWidget->setCurrentWidget(wipePage);
    refreshWipeTable();
}

void MainWindow::on_btnWipeFreeSpace_clicked()
{
    jobMode = FreeSpaceWipe;
    ui->stackedWidget->setCurrentWidget(freeSpacePage);
    loadFreeSpaceDiskList();
}

void MainWindow::showHome()
{
    ui->stackedWidget->setCurrentWidget(ui->pageHome);
}

// ------------------------------------------------------- header and links

void MainWindow::showAbout()
{
    QMessageBox box(QMessageBox::NoIcon, tr("About"),
                    tr("Velmora v%1\n"
                       "\n"
                       "This software helps you securely erase files, disks, and free space.\n"
                       "\n"
                       "Copyright © 2026 The Velmora developers")
                        .arg(QStringLiteral(VELMORA_VERSION)),
                    QMessageBox::Ok, this);
    // As the toolkit's own About box: the application's icon beside the text.
    box.setIconPixmap(windowIcon().pixmap(64, 64));
    velmora::Modal::exec(box);
}

void MainWindow::openSupportPage()
{
    openAddress(supportAddress);
}

// The manual installed with Velmora, as man sets it for a terminal of 80
// columns: the page beside the program (a build tree), else the system's.
// Empty where neither can be read.
QString MainWindow::installedManual()
{
    const QString beside = !manualFile.isEmpty() ? manualFile
                                                 : QCoreApplication::applicationDirPath() +
                                                       QStringLiteral("/velmora.1.gz");
    QList<QStringList> tries;
    if (QFileInfo(beside).isFile())
        tries << QStringList{QStringLiteral("-l"), beside};
    tries << QStringList{QStringLiteral("velmora")};
    for (const QStringList &page : tries) {
        QProcess man;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
        env.insert(QStringLiteral("MAN_KEEP_FORMATTING"), QString());
        env.insert(QStringLiteral("GROFF_NO_SGR"), QStringLiteral("1"));
        man.setProcessEnvironment(env);
        man.start(QStringLiteral("man"),
                  QStringList{QStringLiteral("-P"), QStringLiteral("cat")} + page);
        if (!man.waitForFinished(10000) || man.exitStatus() != QProcess::NormalExit ||
            man.exitCode() != 0) {
            man.kill();
            continue;
        }
        QString text = QString::fromUtf8(man.readAllStandardOutput());
        // Bold and underline as a printer's terminal would overstrike them.
        static const QRegularExpression overstrike(QStringLiteral(".\x08"));
        text.remove(overstrike);
        if (!text.trimmed().isEmpty())
            return text;
    }
    return QString();
}

void MainWindow::openOnlineHelp()
{
    if (openUrl(QUrl(helpAddress, QUrl::TolerantMode)))
        return;
    // No browser answers: the manual that came with Velmora, where there is
    // one, else where the help is.
    const QString manual = installedManual();
    if (manual.isEmpty()) {
        velmora::Modal::information(
            this, tr("No browser"),
            tr("No web browser could be started. The page is at:\n%1").arg(helpAddress));
        return;
    }
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("manualDialog"));
    dialog.setWindowTitle(tr("Velmora Manual"));
    dialog.resize(720, 560);
    auto *layout = new QVBoxLayout(&dialog);
    auto *said = new QLabel(
        tr("No web browser could be started; this is the manual installed with Velmora. The "
           "online help is at %1.")
            .arg(helpAddress),
        &dialog);
    said->setWordWrap(true);
    said->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(said);
    auto *text = new QPlainTextEdit(manual, &dialog);
    text->setObjectName(QStringLiteral("manualText"));
    text->setReadOnly(true);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(text);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    velmora::Modal::exec(dialog);
}

void MainWindow::openAddress(const QString &address)
{
    // Where no browser is installed the desktop opens nothing: say so, with
    // the address to open elsewhere.
    if (!openUrl(QUrl(address, QUrl::TolerantMode)))
        velmora::Modal::information(
            this, tr("No browser"),
            tr("No web browser could be started. The page is at:\n%1").arg(address));
}

// ------------------------------------------------------------ volume tables

void MainWindow::refreshWipeTable()
{
    if (drivesShown) {
        fillDriveTable();
        return;
    }
    // The volumes no whole wipe may take say so in their row already.
    VolumeTable::fill(wipePage->table(), diskButtonGroup, this, false,
                      VolumeTable::mountedVolumes(), &MainWindow::wipeRefusalText);
}

void MainWindow::loadFreeSpaceDiskList()
{
    VolumeTable::fill(freeSpacePage->table(), freeSpaceButtonGroup, this, true);
}
