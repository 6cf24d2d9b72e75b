// SPDX-License-Identifier: GPL-3.0-or-later

// Drives the real window on whatever platform Qt is given (use
// QT_QPA_PLATFORM=offscreen) and measures what a user waits for:
//
//   velmora-gui-bench addfolder DIR   Add Folder of DIR twice: time from the
//                                     dialog's acceptance to the updated list
//   velmora-gui-bench erase DIR       Add Folder of DIR, then erase it with
//                                     the NIST method through Next, the
//                                     dialogs and the Done box
//
// Besides the times it prints the longest pause of the GUI thread (a 10 ms
// timer's largest gap) while the job runs and the process's peak memory.

#include "app/mainwindow.h"
#include "dialogs/confirmerasedialog.h"
#include "dialogs/erasemethoddialog.h"
#include "modalhelper.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <sys/resource.h>

namespace
{

long peakMemoryMiB()
{
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// Adds `dir` through the real Add Folder dialog; returns the seconds from
// the dialog's acceptance to the slot's return.
double addFolder(MainWindow &window, const QString &dir)
{
    QElapsedTimer clock;
    modal::when<QFileDialog>([&](QFileDialog *dialog, modal::Seen &) {
        dialog->setDirectory(QFileInfo(dir).absolutePath());
        dialog->findChild<QLineEdit *>("fileNameEdit")->setText(QFileInfo(dir).fileName());
        clock.start();
        static_cast<QDialog *>(dialog)->accept();
        return true;
    });
    QTest::mouseClick(window.findChild<QPushButton *>("btnAddFolder"), Qt::LeftButton);
    return clock.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 || (args[1] != "addfolder" && args[1] != "erase")) {
        std::fprintf(stderr, "usage: velmora-gui-bench addfolder|erase DIR\n");
        return 2;
    }
    const QString dir = QFileInfo(args[2]).absoluteFilePath();
    MainWindow window;
    window.show();
    QTest::mouseClick(window.findChild<QPushButton *>("btnEraseFileFolder"), Qt::LeftButton);
    auto *list = window.findChild<QListWidget *>("listWidget");

    const double first = addFolder(window, dir);
    std::printf("add folder: %d entries in %.3f s\n", list->count(), first);
    if (args[1] == "addfolder") {
        const int before = list->count();
        const double second = addFolder(window, dir);
        std::printf("add the same folder again: %d new entries in %.3f s\n", list->count() - before,
                    second);
        std::printf("peak memory: %ld MiB\n", peakMemoryMiB());
        return 0;
    }

    modal::when<EraseMethodDialog>([](EraseMethodDialog *d, modal::Seen &) {
        d->findChild<QRadioButton *>("radioNIST")->setChecked(true);
        QTest::mouseClick(d->findChild<QPushButton *>("btnStart"), Qt::LeftButton);
        return true;
    });
    modal::when<ConfirmEraseDialog>([](ConfirmEraseDialog *d, modal::Seen &) {
        d->findChild<QLineEdit *>("lineEdit")->setText("Erase");
        QTest::mouseClick(d->findChild<QPushButton *>("btnOk"), Qt::LeftButton);
        return true;
    });
    QElapsedTimer clock;
    qint64 lastTick = 0;
    qint64 longestPause = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longestPause = qMax(longestPause, now - lastTick);
        lastTick = now;
    });
    auto done = modal::answerBox(QMessageBox::Ok, 24 * 3600 * 1000);
    clock.start();
    ticker.start(10);
    QTest::mouseClick(window.findChild<QPushButton *>("btnNextFromAdd"), Qt::LeftButton);
    while (!done->answered)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    ticker.stop();
    std::printf("erase through the window: %.3f s until the \"%s\" box\n", clock.elapsed() / 1e3,
                qPrintable(done->title));
    std::printf("longest GUI pause while the job ran: %lld ms\n", longestPause);
    std::printf("peak memory: %ld MiB\n", peakMemoryMiB());
    return 0;
}
