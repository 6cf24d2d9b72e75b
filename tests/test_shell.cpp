// SPDX-License-Identifier: GPL-3.0-or-later

// The window as it starts, its navigation, header and artwork.

#include "guitest.h"
#include "testsupport.h"

#include "app/erasurereport.h"
#include "app/focusring.h"
#include "app/mainwindow.h"
#include "app/volumetable.h"
#include "dialogs/confirmerasedialog.h"
#include "dialogs/erasemethoddialog.h"
#include "dialogs/reportdetailsdialog.h"
#include "dialogs/scheduledialog.h"
#include "engine/job/erasemethods.h"
#include "engine/job/erasurerecord.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMenu>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>
#include <QUrl>

class UrlCatcher : public QObject
{
    Q_OBJECT
  public:
    QList<QUrl> opened;
  public slots:
    void open(const QUrl &url) { opened << url; }
};

class ShellTest : public QObject, public WindowFixture
{
    Q_OBJECT

  private slots:
    void init() { open(); }
    void cleanup() { close(); }

    void startsOnHomeAtFixedSize();
    void cardsSetModeAndBackKeepsIt();
    void eachClickRunsItsHandlerOnce();
    void freeSpaceTableLeavesReadOnlyVolumesOut();
    void drivesSayWhoMayWipeThem();
    void volumeThatNeverAnswersIsMarked();
    void reportDetailsAreRemembered();
    void headerMenuAndAbout();
    void commandLine();
    void helpOpensTheSameAddressOncePerPress();
    void helpWithoutABrowserShowsTheInstalledManual();
    void hoverAndFocusAreSeen();
    void everyLanguageFitsEveryControl_data();
    void everyLanguageFitsEveryControl();
    void fitsASmallScreen();
    void scheduledWipesFromTheMenu();
};

void ShellTest::startsOnHomeAtFixedSize()
{
    QCOMPARE(outerPage(), QStringLiteral("pageHome"));
    QCOMPARE(window->minimumSize(), QSize(820, 560));
    QCOMPARE(window->maximumSize(), QSize(820, 560));
    QCOMPARE(jobMode(), 0);
    QVERIFY(!window->windowIcon().isNull());
    // Cards left to right: Wipe Disk, Wipe Free Space, Erase File.
    QVERIFY(get("wipeCard")->x() < get("wipefreespaceCard")->x());
    QVERIFY(get("wipefreespaceCard")->x() < get("EraseFilecard")->x());
}

void ShellTest::cardsSetModeAndBackKeepsIt()
{
    const struct {
        const char *card, *page, *back;
        int mode;
    } cards[] = {{"btnWipeFreeSpace", "pageWipeFreeSpace", "btnBackFromDisk_2", 3},
                 {"btnWipeDisk", "pageWipeDisk", "btnBackFromDisk", 2},
                 {"btnEraseFileFolder", "pageEraseFileFlow", "btnBackToHome_fromAdd", 1}};
    for (const auto &c : cards) {
        click(c.card);
        QCOMPARE(jobMode(), c.mode);
        QCOMPARE(outerPage(), QString::fromLatin1(c.page));
        click(c.back);
        QCOMPARE(outerPage(), QStringLiteral("pageHome"));
        QCOMPARE(jobMode(), c.mode);
    }
    QCOMPARE(innerPage(), QStringLiteral("pageAdd"));
    // A click on a card's picture, not its button, starts the card's action.
    QWidget *card = get("wipefreespaceCard");
    QTest::mouseClick(card, Qt::LeftButton, {}, QPoint(card->width() / 2, 20));
    QCOMPARE(outerPage(), QStringLiteral("pageWipeFreeSpace"));
    QCOMPARE(jobMode(), 3);

    // The two volume pages put their table and buttons at the same places,
    // so that going from one to the other nothing jumps.
    const std::pair<const char *, const char *> twins[] = {
        {"tableDiskList", "tableDiskList_2"},
        {"btnBackFromDisk", "btnBackFromDisk_2"},
        {"btnRefreshDisks", "btnRefreshDisks_2"},
        {"btnNextFromDiskList", "btnNextFromDiskList_2"}};
    for (const auto &[one, other] : twins)
        QCOMPARE(get(one)->geometry(), get(other)->geometry());
}

void ShellTest::eachClickRunsItsHandlerOnce()
{
    // A volume of the test's own to list (the machine's are never shown
    // to the tests).
    VOLUME_OR_SKIP(vol, "tmpfs", 1 << 20);
    auto *stack = get<QStackedWidget>("stackedWidget");
    click("btnWipeFreeSpace");
    QSignalSpy pages(stack, &QStackedWidget::currentChanged);
    click("btnBackFromDisk_2");
    QCOMPARE(pages.count(), 1);

    auto *table = get<QTableWidget>("tableDiskList_2");
    QVERIFY(table->rowCount() > 0);
    QSignalSpy rows(table->model(), &QAbstractItemModel::rowsInserted);
    click("btnRefreshDisks_2");
    QCOMPARE(rows.count(), table->rowCount());
}

// A drive that may be wiped says who may: "Can be wiped" is said only to
// the administrator, a refusal to anyone.
void ShellTest::drivesSayWhoMayWipeThem()
{
    VolumeTable::DriveRow free;
    free.path = QStringLiteral("/dev/sdz");
    VolumeTable::DriveRow user = free;
    user.path = QStringLiteral("/dev/sdy");
    user.needsAdministrator = true;
    VolumeTable::DriveRow mounted = user;
    mounted.path = QStringLiteral("/dev/sdx");
    mounted.refusal =
        QStringLiteral("A volume on this drive is mounted (/media/x): unmount it first.");
    mounted.brief = QStringLiteral("Mounted: /media/x");
    QTableWidget table;
    QButtonGroup *group = nullptr;
    VolumeTable::fillDrives(&table, group, &table, {free, user, mounted});
    QCOMPARE(table.item(0, 7)->text(), QStringLiteral("Can be wiped"));
    QCOMPARE(table.item(1, 7)->text(), QStringLiteral("Administrator rights needed"));
    QCOMPARE(table.item(2, 7)->text(), QStringLiteral("Mounted: /media/x"));
}

void ShellTest::freeSpaceTableLeavesReadOnlyVolumesOut()
{
    const QList<VolumeTable::Volume> volumes = {
        {"/media/stick", 2LL << 30, 271LL << 20, "exfat", false, "/dev/sdb1", "STICK"},
        {"/media/cdrom", 700LL << 20, 0, "iso9660", true, "/dev/sr0", ""}};
    QTableWidget table;
    QButtonGroup *group = nullptr;
    for (const bool writableOnly : {false, true}) {
        VolumeTable::fill(&table, group, &table, writableOnly, volumes);
        QCOMPARE(table.rowCount(), writableOnly ? 1 : 2);
        QCOMPARE(VolumeTable::mountPoint(&table, 0), QStringLiteral("/media/stick"));
        // One decimal below 10 GB: 271 MiB free is no "0 GB".
        QCOMPARE(table.item(0, 2)->text(), QStringLiteral("2.1 GB"));
        QCOMPARE(table.item(0, 3)->text(), QStringLiteral("0.3 GB"));
        QCOMPARE(table.item(0, 5)->text(), QStringLiteral("/dev/sdb1 · STICK"));
        QVERIFY(table.item(0, 1)->toolTip().contains("STICK"));
    }
    // In the window's width, a long mount point is shown whole: the other
    // columns take what their texts need, the mount point the rest.
    VolumeTable::configure(&table);
    table.resize(801, 350);
    table.show();
    const QString longPath = QStringLiteral("/run/media/someone/BACKUP-2026-DECEMBER/nightly");
    VolumeTable::fill(&table, group, &table, false,
                      {{longPath, 2LL << 40, 1LL << 40, "ext4", false, "/dev/sdc1", ""}});
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    QVERIFY2(table.columnWidth(1) > table.fontMetrics().horizontalAdvance(longPath) + 12,
             qPrintable(QString::number(table.columnWidth(1))));
}

void ShellTest::volumeThatNeverAnswersIsMarked()
{
    testsupport::HangingMount hung;
    if (!hung.why.isEmpty())
        QSKIP(qPrintable(hung.why));
    QElapsedTimer clock;
    clock.start();
    click("btnWipeDisk");
    // Within the question's deadline, not for ever; the bound is loose so
    // that a loaded machine passes too.
    QVERIFY2(clock.elapsed() < 30000, qPrintable(QString::number(clock.elapsed())));
    auto *table = get<QTableWidget>("tableDiskList");
    int row = -1;
    for (int r = 0; r < table->rowCount(); ++r)
        if (VolumeTable::mountPoint(table, r) == hung.path())
            row = r;
    QVERIFY(row >= 0);
    QCOMPARE(table->item(row, 6)->text(), QStringLiteral("not responding"));
    QCOMPARE(table->item(row, 2)->text(), QStringLiteral("—"));
    QVERIFY(table->item(row, 1)->toolTip().startsWith("This volume does not respond"));
    // It cannot be chosen, by click or by keys; Refresh costs no new wait.
    table->setCurrentCell(row, 1);
    QVERIFY(VolumeTable::chosenMountPoint(table).isEmpty());
    // (That the open question is not asked again is the volume list's
    // own test's.)
    clock.restart();
    click("btnRefreshDisks");
    QVERIFY2(clock.elapsed() < 30000, qPrintable(QString::number(clock.elapsed())));
    click("btnBackFromDisk");
}

void ShellTest::reportDetailsAreRemembered()
{
    // report.conf fills what the dialog never set.
    QVERIFY(testsupport::writeFile(velmora::ReportDetails::configFile(),
                                   "[report]\norganisation=From The File\n"));
    const auto removeConf =
        qScopeGuard([] { QFile::remove(velmora::ReportDetails::configFile()); });
    QMenu *menu = get<QToolButton>("btnMenu")->menu();
    QAction *details = nullptr;
    for (QAction *a : menu->actions())
        if (a->text() == "Report Details…")
            details = a;
    QVERIFY(details);
    QString organisation;
    modal::when<ReportDetailsDialog>([&](ReportDetailsDialog *d, modal::Seen &) {
        organisation = d->findChild<QLineEdit *>("organisation")->text();
        QTest::keyClicks(d->findChild<QLineEdit *>("operator"), "Grace Hopper");
        QTest::keyClicks(d->findChild<QLineEdit *>("propertyNumber"), "  PN-7 ");
        d->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save)->click();
        return true;
    });
    details->trigger();
    QCOMPARE(organisation, QStringLiteral("From The File"));
    const velmora::ReportDetails now = ReportDetailsDialog::current();
    QCOMPARE(now.operatorName, QStringLiteral("Grace Hopper"));
    QCOMPARE(now.propertyNumber, QStringLiteral("PN-7"));
    QCOMPARE(now.organisation, QStringLiteral("From The File"));
}

void ShellTest::headerMenuAndAbout()
{
    QMenu *menu = get<QToolButton>("btnMenu")->menu();
    QVERIFY(menu);
    QStringList texts;
    for (QAction *a : menu->actions())
        texts << a->text();
    QCOMPARE(texts, (QStringList{"About", "Support", "Help", "Erase the Trash…", "Schedule…",
                                 "Reports…", "Report Details…", "", "Save Report…"}));
    // Nothing to report before a job has ended.
    QVERIFY(!menu->actions().at(8)->isEnabled());

    auto about = modal::answerBox();
    menu->actions().at(0)->trigger();
    QVERIFY(about->answered);
    QCOMPARE(about->title, QStringLiteral("About"));
    QVERIFY(about->text.startsWith(QStringLiteral("Velmora v4.9.1\n\nThis software helps you "
                                                  "securely erase files, disks, and free space.")));
}

void ShellTest::helpOpensTheSameAddressOncePerPress()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    QMenu *menu = get<QToolButton>("btnMenu")->menu();
    click("btnHelp");
    menu->actions().at(2)->trigger(); // Help
    menu->actions().at(1)->trigger(); // Support
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(catcher.opened.size(), 3);
    QCOMPARE(catcher.opened.at(0), catcher.opened.at(1));
    QVERIFY(catcher.opened.at(2) != catcher.opened.at(0));
}

// A desktop where no browser answers: Help shows the manual that came
// with Velmora, and says where the online help is.
void ShellTest::helpWithoutABrowserShowsTheInstalledManual()
{
    if (QStandardPaths::findExecutable("man").isEmpty())
        QSKIP("man (man-db) is not installed");
    const auto before = MainWindow::openUrl;
    MainWindow::openUrl = [](const QUrl &) { return false; };
    // The page as the build made it for the package.
    MainWindow::manualFile = QFileInfo(QStringLiteral(VELMORA_APP)).path() + "/velmora.1.gz";
    auto restore = qScopeGuard([&] {
        MainWindow::openUrl = before;
        MainWindow::manualFile.clear();
    });
    QString shown;
    QString said;
    modal::when<QDialog>([&](QDialog *d, modal::Seen &) {
        if (d->objectName() != "manualDialog")
            return false;
        shown = d->findChild<QPlainTextEdit *>("manualText")->toPlainText();
        for (QLabel *label : d->findChildren<QLabel *>())
            said += label->text();
        d->reject();
        return true;
    });
    click("btnHelp");
    QVERIFY2(shown.contains("NAME") && shown.contains("velmora-admin") &&
                 shown.contains("Reports…") && !shown.contains(QChar('\b')),
             qPrintable(shown.left(400)));
    QVERIFY2(said.contains(MainWindow::helpAddress), qPrintable(said));
}

void ShellTest::commandLine()
{
    // --help and --version answer without a display, the toolkit's own
    // options beside them or not.
    const QList<QStringList> toolkitOptions{
        {}, {"-platform", "offscreen"}, {"--platform=offscreen", "-reverse"}};
    for (const QStringList &toolkit : toolkitOptions)
        for (const char *option : {"--version", "--help"}) {
            QProcess app;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
                env.remove(QString::fromLatin1(name));
            app.setProcessEnvironment(env);
            app.start(QStringLiteral(VELMORA_APP),
                      toolkit + QStringList{QString::fromLatin1(option)});
            QVERIFY(app.waitForFinished(120000));
            QCOMPARE(app.exitCode(), 0);
            const QByteArray out = app.readAllStandardOutput();
            QVERIFY2(
                out.contains(option[2] == 'v' ? "Velmora " VELMORA_VERSION : "[FILE|FOLDER...]"),
                out.constData());
        }
    // In German, from the catalogue built in.
    QProcess german;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    env.remove(QStringLiteral("LC_ALL"));
    env.remove(QStringLiteral("LANGUAGE"));
    german.setProcessEnvironment(env);
    german.start(QStringLiteral(VELMORA_APP), {QStringLiteral("--help")});
    QVERIFY(german.waitForFinished(120000));
    QVERIFY2(german.readAllStandardOutput().contains("Löscht Dateien und Ordner unwiederbringlich"),
             "no German help");
    // Files and folders given to it are listed as a drop lists them.
    testsupport::ScratchDir dir;
    QVERIFY(QDir().mkpath(dir.filePath("folder")));
    QFile(dir.filePath("folder/inner.txt")).open(QIODevice::WriteOnly);
    QFile(dir.filePath("file.txt")).open(QIODevice::WriteOnly);
    window->openWithEntries(
        {QFile::encodeName(dir.filePath("folder")), QFile::encodeName(dir.filePath("file.txt"))});
    QCOMPARE(outerPage(), QStringLiteral("pageEraseFileFlow"));
    QCOMPARE(listEntries(), (QStringList{dir.filePath("file.txt"), dir.filePath("folder/inner.txt"),
                                         dir.filePath("folder")}));
}

namespace
{

// The colour at `at` in what `widget` shows now.
QRgb shownAt(QWidget *widget, QPoint at)
{
    QApplication::processEvents();
    return widget->grab().toImage().pixel(at);
}

} // namespace

void ShellTest::hoverAndFocusAreSeen()
{
    // The header's buttons take their pale blue, a card its blue border.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    for (const char *name : {"btnHelp", "btnMenu"}) {
        QWidget *button = get(name);
        const QPoint padding(3, button->height() / 2);
        QVERIFY(shownAt(button, padding) != qRgb(0xd0, 0xea, 0xff));
        QTest::mouseMove(button);
        QTRY_COMPARE(shownAt(button, padding), qRgb(0xd0, 0xea, 0xff));
    }
    QWidget *card = get("wipeCard");
    const QPoint edge(1, card->height() / 2);
    QVERIFY(shownAt(card, edge) != qRgb(0x2d, 0x89, 0xef));
    QTest::mouseMove(card, QPoint(card->width() / 2, 10));
    QTRY_COMPARE(shownAt(card, edge), qRgb(0x2d, 0x89, 0xef));

    // Tab draws the ring around the control it reaches; a click hides it.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget *focused = QApplication::focusWidget();
    QVERIFY(focused && focused != window.get());
    const QPoint left = focused->mapTo(window.get(), QPoint(-4, focused->height() / 2));
    QTRY_COMPARE(shownAt(window.get(), left), FocusRing::kColour);
    QTest::mouseClick(get<QAbstractButton>("btnEraseFileFolder"), Qt::LeftButton);
    QVERIFY(shownAt(window.get(), left) != FocusRing::kColour);
}

namespace
{

// Every visible control of `top` whose text is cut: its text needs more
// room than the control has.
QStringList clippedControls(QWidget *top)
{
    QApplication::processEvents();
    QStringList clipped;
    for (QAbstractButton *button : top->findChildren<QAbstractButton *>()) {
        if (!button->isVisibleTo(top) || button->text().isEmpty())
            continue;
        if (button->sizeHint().width() > button->width())
            clipped << QStringLiteral("%1 \"%2\" needs %3 px, has %4")
                           .arg(button->objectName(), button->text())
                           .arg(button->sizeHint().width())
                           .arg(button->width());
        // ... or that has grown past the edge of what holds it.
        else if (button->geometry().right() >= button->parentWidget()->width())
            clipped << QStringLiteral("%1 \"%2\" ends at %3 px, outside %4")
                           .arg(button->objectName(), button->text())
                           .arg(button->geometry().right())
                           .arg(button->parentWidget()->width());
    }
    // A label on one line that needs more room than it has is cut at its
    // end, as a heading would be.
    for (QLabel *label : top->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(top) || label->wordWrap() || label->text().isEmpty() ||
            label->pixmap().isNull() == false)
            continue;
        if (label->sizeHint().width() > label->width() + 2)
            clipped << QStringLiteral("label %1 \"%2\" needs %3 px, has %4")
                           .arg(label->objectName(), label->text().left(60))
                           .arg(label->sizeHint().width())
                           .arg(label->width());
    }
    return clipped;
}

// Every cell of `columns` in `table` whose text its column cuts: wider than
// the column on one line, or, where it may take the row's two, taller.
QStringList cutCells(QTableWidget *table, const QList<int> &columns, int lines = 1)
{
    QApplication::processEvents();
    QStringList cut;
    const QFontMetrics metrics(table->font());
    for (int row = 0; row < table->rowCount(); ++row)
        for (int column : columns) {
            const QString text = table->item(row, column)->text();
            // The view's margins on either side of an item's text.
            const QRect room(0, 0, table->columnWidth(column) - 8, 1000);
            const QRect needed = metrics.boundingRect(room, Qt::TextWordWrap, text);
            const int linesNeeded =
                (needed.height() + metrics.lineSpacing() / 2) / metrics.lineSpacing();
            // ... or taller than its row.
            if (needed.height() > table->rowHeight(row) - 4)
                cut << QStringLiteral("\"%1\" needs %2 px of height, its row has %3")
                           .arg(text)
                           .arg(needed.height())
                           .arg(table->rowHeight(row));
            if (needed.width() > room.width() || linesNeeded > lines)
                cut << QStringLiteral("\"%1\" needs %2 x %3 px, its column has %4")
                           .arg(text)
                           .arg(needed.width())
                           .arg(needed.height())
                           .arg(room.width());
        }
    return cut;
}

} // namespace

void ShellTest::everyLanguageFitsEveryControl_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("wipeDisk"); // the catalogue's word for the home page's card
    QTest::addColumn<QString>("cancel");   // Qt's own, from its catalogue
    const QMap<QString, QPair<QString, QString>> expected{
        {"de", {"Datenträger löschen", "Abbrechen"}},
        {"fr", {"Effacer un disque", "Annuler"}},
        {"es", {"Borrar disco", "Cancelar"}},
        {"it", {"Cancella disco", "Annulla"}},
        {"pt_BR", {"Apagar disco", "Cancelar"}},
        {"pl", {"Wymaż dysk", "Anuluj"}},
        {"ru", {"Стереть диск", "Отмена"}},
        {"zh_CN", {"擦除磁盘", "取消"}},
        {"ja", {"ディスクの消去", "キャンセル"}},
    };
    // Every catalogue built in is checked: one without a row here fails.
    const QStringList built = QDir(":/i18n").entryList({"velmora_*.qm"});
    for (const QString &file : built) {
        const QString language = file.mid(8, file.size() - 11);
        if (language == QLatin1String("en"))
            continue; // the plural forms of the texts themselves
        const auto words = expected.value(language);
        QTest::newRow(qPrintable(language)) << language << words.first << words.second;
    }
}

void ShellTest::everyLanguageFitsEveryControl()
{
    QFETCH(QString, locale);
    QFETCH(QString, wipeDisk);
    QFETCH(QString, cancel);
    QVERIFY2(!wipeDisk.isEmpty(), "a catalogue this test does not know yet: add its row");
    // The window as a desktop in that language starts it: its catalogue and
    // Qt's own.
    close();
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    auto restore = qScopeGuard([&] {
        close();
        QLocale::setDefault(before);
        open();
    });
    open();
    QCOMPARE(get<QAbstractButton>("btnWipeDisk")->text(), wipeDisk);
    QMessageBox qtOwn(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Cancel);
    QCOMPARE(qtOwn.button(QMessageBox::Cancel)->text(), cancel);

    QStringList clipped;
    auto *stack = get<QStackedWidget>("stackedWidget");
    auto *inner = get<QStackedWidget>("stackedWidget_2");
    for (QWidget *page :
         {get("pageHome"), get("pageWipeDisk"), get("pageWipeFreeSpace"), get("pageStation")}) {
        stack->setCurrentWidget(page);
        clipped << clippedControls(window.get());
    }
    stack->setCurrentWidget(get("pageEraseFileFlow"));
    for (QWidget *page : {get("pageAdd"), get("pageProgress")}) {
        inner->setCurrentWidget(page);
        clipped << clippedControls(window.get());
    }
    // The volumes as a virtual machine lists them: the mount points, which
    // tell them apart, read whole (on the lines they need), and no column
    // out of sight.
    stack->setCurrentWidget(get("pageWipeDisk"));
    QList<VolumeTable::Volume> volumes;
    for (const char *mountPoint : {"/", "/tmp/tmp.X5bSaXWjOp/volume", "/run/user/1000/doc"}) {
        VolumeTable::Volume volume;
        volume.mountPoint = QLatin1String(mountPoint);
        volume.total = qint64(271) << 30;
        volume.available = qint64(83) << 30;
        volume.fileSystem = QStringLiteral("ext4");
        volume.device = QStringLiteral("model_tools_unavailable");
        volume.medium = QCoreApplication::translate("Medium", "image on %1")
                            .arg(QCoreApplication::translate("Medium", "virtual disk"));
        volumes << volume;
    }
    QButtonGroup *volumeGroup = nullptr;
    auto *volumeTable = get<QTableWidget>("tableDiskList");
    VolumeTable::fill(volumeTable, volumeGroup, window.get(), false, volumes);
    clipped << cutCells(volumeTable, {1, 6}, 3) << cutCells(volumeTable, {2, 3, 4});
    QApplication::processEvents();
    if (volumeTable->horizontalHeader()->length() > volumeTable->viewport()->width())
        clipped << QStringLiteral("the volumes' columns take %1 px of %2")
                       .arg(volumeTable->horizontalHeader()->length())
                       .arg(volumeTable->viewport()->width());

    // The drives as the Drives view lists them (loop devices, which tell no
    // model): each one's node, size and state whole.
    stack->setCurrentWidget(get("pageWipeDisk"));
    QButtonGroup *group = nullptr;
    QList<VolumeTable::DriveRow> rows;
    for (const char *node : {"/dev/loop1", "/dev/loop1p1", "/dev/loop2", "/dev/loop3"}) {
        VolumeTable::DriveRow row;
        row.path = QLatin1String(node);
        row.size = QStringLiteral("268,4 MB");
        row.medium = QCoreApplication::translate("Medium", "disk image");
        row.partitions = row.path.endsWith("p1") ? QString() : row.path.mid(5) + "p1 · LUKS2";
        rows << row;
    }
    rows[1].refusal = QStringLiteral("…");
    rows[1].brief = QCoreApplication::translate("DriveWipe", "Home folder's drive");
    rows[2].needsAdministrator = true;
    // A virtual machine's disk, with its long serial, and a stick.
    VolumeTable::DriveRow vda = rows[0], stick = rows[0];
    vda.path = QStringLiteral("/dev/vda");
    vda.serial = QStringLiteral("14666354112656932");
    vda.medium = QCoreApplication::translate("Medium", "virtual disk");
    vda.partitions = QStringLiteral("vda1 vda2 vda3");
    vda.refusal = QStringLiteral("…");
    vda.brief = QCoreApplication::translate("DriveWipe", "Running system");
    stick.path = QStringLiteral("/dev/sdb");
    stick.model = QStringLiteral("SanDisk Cruzer Blade");
    stick.serial = QStringLiteral("4C530001230815116371");
    rows << vda << stick;
    auto *drives = get<QTableWidget>("tableDiskList");
    VolumeTable::fillDrives(drives, group, window.get(), rows);
    clipped << cutCells(drives, {1, 4}) << cutCells(drives, {5, 7}, 2);
    // ... and no column out of sight, past the table's right edge.
    QApplication::processEvents();
    if (drives->horizontalHeader()->length() > drives->viewport()->width())
        clipped << QStringLiteral("the drives' columns take %1 px of %2")
                       .arg(drives->horizontalHeader()->length())
                       .arg(drives->viewport()->width());
    EraseMethodDialog method(window.get());
    method.setTracesSetting(QStringLiteral("traces/files"));
    // A drive's: its keys, its own erase, and what it is left as.
    EraseMethodDialog driveMethod(window.get());
    driveMethod.offerKeyDestruction(QStringLiteral("LUKS2"));
    driveMethod.offerOwnErase({QStringLiteral("crypto-erase"), QStringLiteral("block-erase")});
    driveMethod.offerFreshFormat();
    driveMethod.offerHiddenArea(2048, QString());
    ConfirmEraseDialog confirm(window.get());
    for (QDialog *dialog : {static_cast<QDialog *>(&method), static_cast<QDialog *>(&driveMethod),
                            static_cast<QDialog *>(&confirm)}) {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        clipped << clippedControls(dialog);
        dialog->hide();
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
}

void ShellTest::fitsASmallScreen()
{
    // A screen of 1280 x 800 pixels at twice the scale holds 640 x 400 of
    // the window's 820 x 560: the application starts again at a scale that
    // fits, frame included.
    testsupport::ScratchDir dir;
    const QString config = dir.filePath("screen.json");
    QFile json(config);
    QVERIFY(json.open(QIODevice::WriteOnly));
    json.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 1280, "height": 800,
                  "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    json.close();
    QProcess app;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), "offscreen:configfile=" + config);
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    env.insert(QStringLiteral("XDG_STATE_HOME"), dir.filePath("state"));
    app.setProcessEnvironment(env);
    app.start(QStringLiteral(VELMORA_APP), QStringList());
    QVERIFY(app.waitForStarted());
    auto stop = qScopeGuard([&] {
        app.kill();
        app.waitForFinished();
    });
    // The same process, started again with the scale it chose.
    double scale = 0;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            QFile environ(QStringLiteral("/proc/%1/environ").arg(app.processId()));
            if (!environ.open(QIODevice::ReadOnly))
                return false;
            for (const QByteArray &var : environ.readAll().split('\0'))
                if (var.startsWith("QT_SCALE_FACTOR="))
                    scale = var.mid(16).toDouble();
            return scale > 0 && scale != 2;
        }(),
        120000);
    QVERIFY2(scale * 820 <= 1280 && scale * 560 <= 800 - 40, qPrintable(QString::number(scale)));
    QVERIFY2(scale > 1.2, qPrintable(QString::number(scale))); // no smaller than it must be
}

void ShellTest::scheduledWipesFromTheMenu()
{
    testsupport::ScratchDir dir;
    ScheduleDialog::unitFolder = dir.filePath("units");
    const QByteArray state = qgetenv("XDG_STATE_HOME");
    const QByteArray data = qgetenv("XDG_DATA_HOME");
    auto restore = qScopeGuard([&] {
        ScheduleDialog::unitFolder.clear();
        qputenv("XDG_STATE_HOME", state);
        qputenv("XDG_DATA_HOME", data);
    });
    qputenv("XDG_STATE_HOME", QFile::encodeName(dir.filePath("state")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath("data")));
    QMenu *menu = get<QToolButton>("btnMenu")->menu();
    auto action = [menu](const QString &text) {
        for (QAction *a : menu->actions())
            if (a->text() == text)
                return a;
        qFatal("no menu entry %s", qPrintable(text));
    };

    // The Trash, monthly: added, listed, removed, added again.
    QStringList listed;
    QList<bool> placeholder;
    modal::when<ScheduleDialog>([&](ScheduleDialog *d, modal::Seen &) {
        auto *list = d->findChild<QListWidget *>("listSchedules");
        auto *none = d->findChild<QLabel *>("labelNoSchedules");
        // Nothing yet: the list gives way to a line saying what to do.
        placeholder << none->isVisible() << list->isVisible();
        d->findChild<QComboBox *>("comboWhat")->setCurrentIndex(0);
        d->findChild<QComboBox *>("comboEvery")->setCurrentIndex(1);
        QTest::mouseClick(d->findChild<QPushButton *>("btnAddSchedule"), Qt::LeftButton);
        listed << list->item(0)->text();
        list->setCurrentRow(0);
        QTest::mouseClick(d->findChild<QPushButton *>("btnRemoveSchedule"), Qt::LeftButton);
        listed << QString::number(list->count());
        placeholder << none->isVisible();
        QTest::mouseClick(d->findChild<QPushButton *>("btnAddSchedule"), Qt::LeftButton);
        listed << d->findChild<QLabel *>("labelScheduleState")->text();
        placeholder << none->isVisible() << list->isVisible();
        d->reject();
        return true;
    });
    action("Schedule…")->trigger();
    QCOMPARE(listed.size(), 3);
    QCOMPARE(placeholder, (QList<bool>{true, false, true, false, true}));
    // Brackets once, the method's own.
    QVERIFY2(listed.at(0).startsWith("Erase the Trash, monthly, NIST 800-88 (1 pass random) — "),
             qPrintable(listed.at(0)));
    QCOMPARE(listed.at(1), QStringLiteral("0"));
    QCOMPARE(QDir(dir.filePath("units")).entryList(QDir::Files).size(), 2);

    // A run that did not do all it meant to is said at the next start, until
    // the reports are looked at.
    const QString reports = dir.filePath("state/velmora/reports/");
    QVERIFY(QDir().mkpath(reports));
    const auto outcome = [](const char *finished, const char *result) {
        return QByteArray("{\"finished\": \"") + finished + "\", \"result\": \"" + result +
               "\", \"job\": \"freespace\", \"target\": \"Free space of /srv\"}";
    };
    QVERIFY(testsupport::writeFile(reports + "velmora-freespace-1.json",
                                   outcome("2026-11-01T03:00:00.000+01:00", "erased")));
    QVERIFY(testsupport::writeFile(reports + "velmora-freespace-2.json",
                                   outcome("2026-11-08T03:00:00.000+01:00", "problems")));
    window->tellFailedScheduledRuns();
    auto *header = get<QLabel>("labelJobOutcome");
    QVERIFY2(header->text().contains("did not do all it meant to"), qPrintable(header->text()));
    // Reports… lists them with every other job's kept outcome, newest
    // first: here a file erase's, signed, with its report beside it.
    QVERIFY(testsupport::writeFile(dir.filePath("gone.txt"), "gone"));
    velmora::ErasureRecord erased = velmora::ErasureRecord::forFiles(
        {QFile::encodeName(dir.filePath("gone.txt"))}, velmora::kMethodNist, false);
    erased.started = QDateTime::currentDateTime();
    erased.finish(velmora::JobReport(), 4, 0, false);
    QString why;
    QVERIFY2(velmora::keepRecord(erased, true, &why), qPrintable(why));
    QStringList shown;
    QString check;
    QString savedWhy;
    modal::when<ReportsDialog>([&](ReportsDialog *d, modal::Seen &) {
        auto *table = d->findChild<QTableWidget *>("tableReports");
        for (int row = 0; row < table->rowCount(); ++row)
            shown << table->item(row, 1)->text() + " | " + table->item(row, 2)->text() + " | " +
                         table->item(row, 3)->text();
        // The newest is chosen: its signature holds, and it can be saved.
        d->checkChosen(&check);
        QDir().mkpath(dir.filePath("saved"));
        if (!d->saveChosenTo(dir.filePath("saved"), &savedWhy))
            savedWhy.prepend("not saved: ");
        d->reject();
        return true;
    });
    action("Reports…")->trigger();
    QCOMPARE(shown.size(), 3);
    QVERIFY2(shown.at(0).startsWith("Erase files | ") && shown.at(0).endsWith(" | ✅ Erased"),
             qPrintable(shown.at(0)));
    // The two planted here were never signed: said, whatever they claim.
    QCOMPARE(shown.at(1),
             QStringLiteral("Scheduled: Wipe free space | Free space of /srv | ⚠️ not signed "
                            "(it says: Finished with problems)"));
    QCOMPARE(shown.at(2), QStringLiteral("Scheduled: Wipe free space | Free space of /srv | ⚠️ "
                                         "not signed (it says: Wiped)"));
    QVERIFY2(check.startsWith("The signature is good"), qPrintable(check));
    QVERIFY2(savedWhy.isEmpty(), qPrintable(savedWhy));
    const QStringList saved = QDir(dir.filePath("saved")).entryList(QDir::Files);
    QCOMPARE(saved.size(), 2);
    QVERIFY(saved.at(0).endsWith("-files.json") && saved.at(1).endsWith("-files.pdf"));
    QCOMPARE(header->text(), QString());
    window->tellFailedScheduledRuns();
    QCOMPARE(header->text(), QString());
}

QTEST_MAIN(ShellTest)
#include "test_shell.moc"
