// SPDX-License-Identifier: GPL-3.0-or-later

// Walks the real window through every page and dialog a new user meets and
// saves the whole screen at each step, window manager and all. Run it under
// an X server (scripts/screenshots.sh starts Xvfb and openbox around it):
//
//   velmora-screenshot-tour OUT_DIR PREFIX VOLUME LUKS_DRIVE DRIVE DRIVE FILE...
//
// VOLUME is a scratch volume's mount point, LUKS_DRIVE a scratch LUKS drive,
// the two DRIVEs scratch drives it wipes at once, and the FILEs scratch files
// it erases. Everything it touches is made for it by the script.

#include "app/mainwindow.h"
#include "app/translations.h"
#include "app/volumetable.h"
#include "dialogs/confirmerasedialog.h"
#include "dialogs/erasemethoddialog.h"
#include "modalhelper.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace
{

QString outDir;
QString prefix;
int shots = 0;

// The whole screen as X shows it, after the window manager and the window
// have had time to draw.
void shot(const QString &name, int settleMs = 800)
{
    QTest::qWait(settleMs);
    const QString file = QDir(outDir).filePath(prefix + "-" + name + ".png");
    if (!QGuiApplication::primaryScreen()->grabWindow(0).save(file)) {
        std::fprintf(stderr, "could not save %s\n", qPrintable(file));
        std::exit(1);
    }
    ++shots;
    std::printf("%s\n", qPrintable(file));
}

template <typename T = QWidget> T *get(QWidget *in, const QString &name)
{
    T *w = in->findChild<T *>(name);
    if (!w) {
        std::fprintf(stderr, "no widget named %s\n", qPrintable(name));
        std::exit(1);
    }
    return w;
}

void click(QWidget *in, const QString &name)
{
    QTest::mouseClick(get<QAbstractButton>(in, name), Qt::LeftButton);
}

std::unique_ptr<MainWindow> openWindow()
{
    auto window = std::make_unique<MainWindow>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        std::fprintf(stderr, "the window was never shown\n");
        std::exit(1);
    }
    return window;
}

// Waits for `done` up to `ms`; ends the tour where it never comes.
void waitFor(const std::function<bool()> &done, int ms, const char *what)
{
    for (int waited = 0; !done(); waited += 50) {
        if (waited > ms) {
            std::fprintf(stderr, "gave up waiting for %s\n", what);
            std::exit(1);
        }
        QTest::qWait(50);
    }
}

// The next message box: shot as `name`, then its default (or only) button.
modal::SeenPtr shootBox(const QString &name)
{
    return modal::when<QMessageBox>([=](QMessageBox *box, modal::Seen &seen) {
        if (box->buttons().isEmpty())
            return false; // the wait box
        shot(name);
        seen.title = box->windowTitle();
        QAbstractButton *b = box->defaultButton() ? box->defaultButton() : box->buttons().first();
        b->click();
        return true;
    });
}

// The next confirmation: shot before and after the word is typed, then OK;
// the job it starts is shot as `running` a moment later.
void shootConfirmation(const QString &name, const QString &running)
{
    modal::when<ConfirmEraseDialog>([=](ConfirmEraseDialog *d, modal::Seen &) {
        shot(name + "-empty");
        QTest::keyClicks(d->findChild<QLineEdit *>("lineEdit"), QStringLiteral("Erase"));
        shot(name, 300);
        QTest::mouseClick(d->findChild<QPushButton *>("btnOk"), Qt::LeftButton);
        QTimer::singleShot(1500, [running] { shot(running, 0); });
        return true;
    });
}

// Opens the header menu, shoots it once (as `menuShot`, where given), and
// triggers its entry `text`: the dialog it opens is shot as `name` and closed.
void openMenuEntry(MainWindow &window, const QString &text, const QString &name,
                   const QString &menuShot = QString())
{
    QMenu *menu = get<QToolButton>(&window, "btnMenu")->menu();
    QTimer::singleShot(0, [=] {
        QTest::qWait(900);
        if (!menuShot.isEmpty())
            shot(menuShot, 0);
        for (QAction *action : menu->actions()) {
            if (action->text() == text) {
                menu->hide();
                modal::when<QDialog>([=](QDialog *dialog, modal::Seen &) {
                    shot(name);
                    dialog->reject();
                    return true;
                });
                QTimer::singleShot(0, action, &QAction::trigger);
                return;
            }
        }
        std::fprintf(stderr, "no menu entry %s\n", qPrintable(text));
        std::exit(1);
    });
    get<QToolButton>(&window, "btnMenu")->showMenu();
    QTest::qWait(1500);
}

int rowOf(QTableWidget *table, const QString &node)
{
    for (int row = 0; row < table->rowCount(); ++row)
        if (VolumeTable::mountPoint(table, row) == node)
            return row;
    std::fprintf(stderr, "no row for %s\n", qPrintable(node));
    std::exit(1);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    velmora::installTranslations(app);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 7) {
        std::fprintf(stderr, "usage: velmora-screenshot-tour OUT_DIR PREFIX VOLUME LUKS_DRIVE "
                             "DRIVE DRIVE FILE...\n");
        return 2;
    }
    outDir = args.at(0);
    prefix = args.at(1);
    const QString volume = args.at(2), luks = args.at(3);
    const QStringList drives = args.mid(4, 2);
    QByteArrayList files;
    for (const QString &file : args.mid(6))
        files << QFile::encodeName(file);
    modal::failOnUnanswered();

    // Home, the volume pages and the drives.
    {
        auto window = openWindow();
        shot("home", 1200);
        click(window.get(), "btnWipeFreeSpace");
        auto *table = get<QTableWidget>(window.get(), "tableDiskList_2");
        table->setCurrentCell(rowOf(table, volume), 1);
        shot("free-space");
        click(window.get(), "btnBackFromDisk_2");
        click(window.get(), "btnWipeDisk");
        table = get<QTableWidget>(window.get(), "tableDiskList");
        table->setCurrentCell(rowOf(table, volume), 1);
        shot("volumes");
        click(window.get(), "btnShowDrives");
        auto *drivesTable = get<QTableWidget>(window.get(), "tableDiskList");
        drivesTable->setCurrentCell(rowOf(drivesTable, luks), 1);
        shot("drives");
        // The LUKS drive's choices, then back without a job.
        auto luksChoices = modal::when<EraseMethodDialog>([=](EraseMethodDialog *d, modal::Seen &) {
            shot("drive-method-luks");
            if (auto *keys = d->findChild<QRadioButton *>("radioKeys"))
                QTest::mouseClick(keys, Qt::LeftButton);
            shot("drive-method-luks-keys", 300);
            d->reject();
            return true;
        });
        click(window.get(), "btnNextFromDiskList"); // the drive is looked at off this thread
        waitFor([&] { return luksChoices->answered; }, 60000, "the LUKS drive's choices");

        // Two drives at once.
        for (const QString &drive : drives)
            drivesTable->cellWidget(rowOf(drivesTable, drive), 0)
                ->findChild<QCheckBox *>()
                ->setChecked(true);
        drivesTable->cellWidget(rowOf(drivesTable, luks), 0)->findChild<QCheckBox *>()->setChecked(false);
        shot("drives-checked", 400);
        modal::when<EraseMethodDialog>([=](EraseMethodDialog *d, modal::Seen &) {
            QTest::mouseClick(d->findChild<QRadioButton *>("radioNIST"), Qt::LeftButton);
            if (auto *format = d->findChild<QComboBox *>("comboFormat"))
                format->setCurrentIndex(format->findData(QStringLiteral("exfat")));
            shot("station-method");
            QTest::mouseClick(d->findChild<QPushButton *>("btnStart"), Qt::LeftButton);
            return true;
        });
        shootConfirmation("station-confirmation", "station");
        auto done = shootBox("station-done");
        click(window.get(), "btnNextFromDiskList");
        waitFor([&] { return done->answered; }, 600000, "the drives");
        shot("station-after");
    }

    // Files: the list, the method, the confirmation, the progress, the end.
    {
        auto window = openWindow();
        window->openWithEntries(files);
        shot("files");
        modal::when<EraseMethodDialog>([=](EraseMethodDialog *d, modal::Seen &) {
            QTest::mouseClick(d->findChild<QRadioButton *>("radioDoD"), Qt::LeftButton);
            shot("method");
            QTest::mouseClick(d->findChild<QPushButton *>("btnStart"), Qt::LeftButton);
            return true;
        });
        shootConfirmation("confirmation", "progress");
        auto done = shootBox("done-box");
        click(window.get(), "btnNextFromAdd");
        waitFor([&] { return done->answered; }, 600000, "the erase");
        shot("after-the-job");
        modal::when<QDialog>([=](QDialog *dialog, modal::Seen &) {
            shot("report");
            dialog->reject();
            return true;
        });
        click(window.get(), "btnShowReport");
        openMenuEntry(*window, QCoreApplication::translate("MainWindow", "Reports…"), "reports",
                      "menu");
        openMenuEntry(*window, QCoreApplication::translate("MainWindow", "Schedule…"), "schedule");
        openMenuEntry(*window, QCoreApplication::translate("MainWindow", "Report Details…"),
                      "report-details");
    }
    std::printf("%d screenshots\n", shots);
    return 0;
}
