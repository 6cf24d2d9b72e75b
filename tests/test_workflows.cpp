// SPDX-License-Identifier: GPL-3.0-or-later

// The three operations end to end through the real window: Next, the
// checks, the dialogs, the job, Stop, the Done box and the page afterwards.

#include "guitest.h"

#include "app/erasurereport.h"
#include "engine/core/jobjournal.h"
#include "engine/core/sizes.h"
#include "faultyfile.h"
#include "protectedarea.h"
#include "testsupport.h"

#include "app/mainwindow.h"
#include "app/stationpage.h"
#include "app/volumetable.h"
#include "engine/fs/traces.h"
#include "engine/job/reportsignature.h"
#include "engine/platform/platform.h"

#include "dialogs/confirmerasedialog.h"
#include "dialogs/erasemethoddialog.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QDropEvent>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTranslator>
#include <QUrl>

#include <atomic>
#include <thread>

using namespace testsupport;

namespace
{

void chooseMethod(const QString &radio)
{
    modal::when<EraseMethodDialog>([=](EraseMethodDialog *d, modal::Seen &) {
        QTest::mouseClick(d->findChild<QRadioButton *>(radio), Qt::LeftButton);
        QTest::mouseClick(d->findChild<QPushButton *>("btnStart"), Qt::LeftButton);
        return true;
    });
}

// Types `typed` and presses OK; keeps the line that names the target, and
// in `details` the lines under it (entries named, method).
std::shared_ptr<QString> confirm(const QString &typed, std::shared_ptr<QString> details = nullptr)
{
    auto target = std::make_shared<QString>();
    modal::when<ConfirmEraseDialog>([=](ConfirmEraseDialog *d, modal::Seen &) {
        *target = d->target();
        if (details)
            *details = d->details();
        QTest::keyClicks(d->findChild<QLineEdit *>("lineEdit"), typed);
        QTest::mouseClick(d->findChild<QPushButton *>("btnOk"), Qt::LeftButton);
        return true;
    });
    return target;
}

bool anyRadioChecked(QTableWidget *table)
{
    for (int row = 0; row < table->rowCount(); ++row)
        if (table->cellWidget(row, 0)->findChild<QAbstractButton *>()->isChecked())
            return true;
    return false;
}

} // namespace

class WorkflowsTest : public QObject, public WindowFixture
{
    Q_OBJECT

  private slots:
    void init();
    void cleanup() { close(); }

    void fileEraseEndToEnd();
    void secondEraseInOneWindowTakesItsTraces();
    void fileEraseRefusals();
    void copyOnWriteEraseOffersTheFreeSpaceWipe();
    void fileEraseReportsFailuresHonestly();
    void longReportKeepsEveryFailure();
    void chineseAndJapaneseReportsCarryTheirFont();
    void stopYesKeepsTheInterruptedFile();

    void volumeTablesListMountedVolumes();
    void volumeRefusals();
    void volumeWipeEndToEnd();
    void freeSpaceWipeEndToEnd();
    void freeSpaceStopLeavesNoFillFile();
    void fullVolumeIsRefusedBeforeAnyJob();
    void driveWipeEndToEnd();
    void aLuksDriveSaysSoAndOffersItsKeys();
    void aDrivesHiddenAreaIsOpenedWhenAsked();
    void severalDrivesAtOnceEachWithItsOwnOutcome();
    void stopOnTheStationStopsEveryDrive();
    void aDriveSlowToAnswerHoldsNotTheWindow();
    void runningWipeIsNoLeftover();

  private:
    QString path(const QString &rel) const { return tmp->filePath(rel); }
    void addToList(const QStringList &paths);
    void chooseVolume(const char *table, const QString &mountPoint);
    std::unique_ptr<testsupport::ScratchDir> tmp;
};

void WorkflowsTest::init()
{
    open();
    tmp = std::make_unique<testsupport::ScratchDir>();
}

void WorkflowsTest::addToList(const QStringList &paths)
{
    QList<QUrl> urls;
    for (const QString &p : paths)
        urls << QUrl::fromLocalFile(p);
    dropUrls(urls);
}

void WorkflowsTest::chooseVolume(const char *tableName, const QString &mountPoint)
{
    auto *table = get<QTableWidget>(tableName);
    for (int row = 0; row < table->rowCount(); ++row) {
        if (VolumeTable::mountPoint(table, row) == mountPoint) {
            QTest::mouseClick(table->cellWidget(row, 0)->findChild<QRadioButton *>(),
                              Qt::LeftButton);
            QCOMPARE(table->selectionModel()->selectedRows().first().row(), row);
            return;
        }
    }
    QFAIL(qPrintable("no row for " + mountPoint));
}

void WorkflowsTest::fileEraseEndToEnd()
{
    QVERIFY(writeFile(path("a.txt"), plantedBytes(3 * 1024 * 1024 + 1)));
    QVERIFY(writeFile(path("tree/b.txt"), plantedBytes(10)));
    QVERIFY(writeFile(path("tree/sub/c.txt"), plantedBytes(10)));
    QVERIFY(writeFile(path("d.txt"), plantedBytes(10)));
    QVERIFY(writeFile(path("e.txt"), plantedBytes(10)));
    // An editor's backup of one of them, not in the list: it joins it
    // before the confirmation, which counts it.
    QVERIFY(writeFile(path("a.txt~"), plantedBytes(10)));
    click("btnEraseFileFolder");
    addToList({path("a.txt"), path("d.txt"), path("e.txt"), path("tree")});
    QCOMPARE(listEntries().size(), 6);

    LogLines log(window.get());
    chooseMethod("radioDoD");
    auto details = std::make_shared<QString>();
    auto target = confirm("Erase", details);
    // While the box that ends the job is up, Stop has nothing to stop.
    auto stopAtDone = std::make_shared<int>(-1);
    auto stopRed = std::make_shared<bool>(true);
    auto done = modal::when<QMessageBox>([=](QMessageBox *box, modal::Seen &seen) {
        auto *stop = get<QPushButton>("btnStop");
        *stopAtDone = stop->isEnabled();
        // ... and does not look as if it had.
        const QColor shown = stop->grab().toImage().pixelColor(stop->width() / 2, 3);
        *stopRed = shown.red() > shown.green() + 60;
        seen.title = box->windowTitle();
        seen.text = box->text();
        box->button(QMessageBox::Ok)->click();
        return true;
    });
    click("btnNextFromAdd");
    QCOMPARE(*target, "7 entries, " + velmora::sizeText(3 * 1024 * 1024 + 51) + " in total");
    // The last gate names what dies: the entries as they were named, not the
    // files below a folder, and the method.
    // (A long path is cut in its middle, where the folder's name is.)
    const QStringList gate = details->split('\n');
    QCOMPARE(gate.size(), 5);
    const QStringList named{path("a.txt"), path("d.txt"), path("e.txt")};
    for (int i = 0; i < 3; ++i) {
        const QString &line = gate.at(i);
        const qsizetype cut = line.indexOf(QChar(0x2026));
        QVERIFY2(line == named.at(i) || (cut > 0 && named.at(i).startsWith(line.left(cut)) &&
                                         named.at(i).endsWith(line.mid(cut + 1))),
                 qPrintable(line));
    }
    QCOMPARE(gate.mid(3), QStringList({"… and 2 more", "Method: " + velmora::kMethodDoD}));
    QCOMPARE(innerPage(), QStringLiteral("pageProgress"));
    QCOMPARE(jobMode(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(done->answered, 120000);
    QCOMPARE(done->title, QStringLiteral("Done"));
    QCOMPARE(done->text,
             QStringLiteral("🗂️ All selected files have been permanently erased."));
    QCOMPARE(*stopAtDone, 0);
    QVERIFY(!*stopRed);

    const QStringList lines = log.lines;
    QCOMPARE(lines.first(), QStringLiteral("Selected method: DoD 5220.22-M (3 passes)"));
    QCOMPARE(lines.at(1), "🔄 Wiping: " + path("a.txt"));
    QCOMPARE(lines.at(2), "✅ Securely erased: " + path("a.txt"));
    // The folders go deepest first; what follows concerns the volume.
    const qsizetype sub = lines.indexOf("🗑️ Removed empty folder: " + path("tree/sub"));
    QVERIFY(sub > 0);
    QVERIFY(lines.indexOf("🗑️ Removed empty folder: " + path("tree")) > sub);
    QCOMPARE(QDir(tmp->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});

    QCOMPARE(innerPage(), QStringLiteral("pageAdd"));
    QVERIFY(listEntries().isEmpty());
    QCOMPARE(get<QProgressBar>("progressBar")->value(), 0);
    QVERIFY(get<QTextEdit>("textLog")->toPlainText().isEmpty());
    QCOMPARE(jobMode(), 0);
}

void WorkflowsTest::secondEraseInOneWindowTakesItsTraces()
{
    // The window stays on the file list after a job: each erase from there
    // offers the traces, takes its file's thumbnail, and says so in the box
    // and the header. The first erase once left the next without them.
    const QByteArray oldHome = qgetenv("HOME"), oldCache = qgetenv("XDG_CACHE_HOME"),
                     oldData = qgetenv("XDG_DATA_HOME");
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", oldHome);
        qputenv("XDG_CACHE_HOME", oldCache);
        qputenv("XDG_DATA_HOME", oldData);
    });
    qputenv("HOME", QFile::encodeName(tmp->path()));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(path("cache")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(path("data")));
    const auto thumbnailOf = [&](const QString &file) {
        const QByteArray uri = velmora::fileUris(QFile::encodeName(file)).constFirst();
        return path("cache/thumbnails/normal/") +
               QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex() + ".png";
    };
    QVERIFY(writeFile(thumbnailOf(path("kept.jpg")), "kept's thumbnail"));

    click("btnEraseFileFolder");
    for (const QString name : {"first.jpg", "second.jpg"}) {
        QVERIFY(writeFile(path(name), plantedBytes(5000)));
        QVERIFY(writeFile(thumbnailOf(path(name)), "thumbnail of " + name.toUtf8()));
        QCOMPARE(innerPage(), QStringLiteral("pageAdd"));
        addToList({path(name)});
        auto offered = std::make_shared<bool>(false);
        modal::when<EraseMethodDialog>([=](EraseMethodDialog *d, modal::Seen &) {
            auto *traces = d->findChild<QCheckBox *>("checkTraces");
            *offered = traces && traces->isVisible() && traces->isChecked();
            QTest::mouseClick(d->findChild<QRadioButton *>("radioNIST"), Qt::LeftButton);
            QTest::mouseClick(d->findChild<QPushButton *>("btnStart"), Qt::LeftButton);
            return true;
        });
        confirm("Erase");
        auto done = modal::answerBox();
        click("btnNextFromAdd");
        QTRY_VERIFY_WITH_TIMEOUT(done->answered, 120000);
        QVERIFY2(*offered, qPrintable(name));
        QVERIFY2(!QFile::exists(thumbnailOf(path(name))), qPrintable(name));
        QVERIFY(!QFile::exists(path(name)));
        QCOMPARE(done->title, QStringLiteral("Done"));
        QCOMPARE(done->text, QStringLiteral("🗂️ All selected files have been permanently "
                                            "erased.\n\n🧹 Traces removed: 1 thumbnail"));
        const QString header = get<QLabel>("labelJobOutcome")->text();
        QVERIFY2(header.endsWith("🧹 Traces removed: 1 thumbnail"), qPrintable(header));
    }
    QCOMPARE(readFile(thumbnailOf(path("kept.jpg"))), QByteArray("kept's thumbnail"));
}

void WorkflowsTest::copyOnWriteEraseOffersTheFreeSpaceWipe()
{
    // Older copies stay on a copy-on-write volume: the box that ends the
    // erase offers the one wipe that reaches them, on that volume.
    VOLUME_OR_SKIP(vol, "btrfs", 256 * 1024 * 1024);
    QVERIFY(writeFile(vol.path() + "/a.txt", plantedBytes(20000)));
    click("btnEraseFileFolder");
    addToList({vol.path() + "/a.txt"});
    chooseMethod("radioNIST");
    confirm("Erase");
    auto offered = modal::when<QMessageBox>([&](QMessageBox *box, modal::Seen &seen) {
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() != "Wipe Free Space of " + vol.path() + "…")
                continue;
            seen.title = box->windowTitle();
            button->click();
            return true;
        }
        return false;
    });
    click("btnNextFromAdd");
    QTRY_VERIFY_WITH_TIMEOUT(offered->answered, 120000);
    QCOMPARE(offered->title, QStringLiteral("Done"));
    QTRY_COMPARE(get<QStackedWidget>("stackedWidget")->currentWidget()->objectName(),
                 QStringLiteral("pageWipeFreeSpace"));
    QCOMPARE(VolumeTable::chosenMountPoint(get<QTableWidget>("tableDiskList_2")), vol.path());
    QVERIFY(!QFileInfo::exists(vol.path() + "/a.txt"));
}

void WorkflowsTest::fileEraseRefusals()
{
    click("btnEraseFileFolder");
    auto empty = modal::answerBox();
    click("btnNextFromAdd");
    QCOMPARE(empty->title, QStringLiteral("No Files"));
    QCOMPARE(empty->text, QStringLiteral("Please add at least one file."));

    QVERIFY(writeFile(path("keep.txt"), plantedBytes(100)));
    addToList({path("keep.txt")});

    // Closing the method dialog: nothing is shown, nothing changes.
    modal::when<EraseMethodDialog>([](EraseMethodDialog *d, modal::Seen &) {
        d->reject();
        return true;
    });
    click("btnNextFromAdd");
    QCOMPARE(innerPage(), QStringLiteral("pageAdd"));

    chooseMethod("radioNIST");
    confirm("erase");
    auto cancelled = modal::answerBox();
    click("btnNextFromAdd");
    QCOMPARE(cancelled->title, QStringLiteral("Cancelled"));
    QCOMPARE(cancelled->text, QStringLiteral("The erase operation has been canceled."));
    QCOMPARE(innerPage(), QStringLiteral("pageAdd"));
    QCOMPARE(listEntries(), QStringList{path("keep.txt")});
    QCOMPARE(jobMode(), 1);
    QCOMPARE(readFile(path("keep.txt")), plantedBytes(100));
}

void WorkflowsTest::fileEraseReportsFailuresHonestly()
{
    // A file that vanishes between listing and erasing is not reported as
    // erased, and the Done box does not claim that everything was.
    QVERIFY(writeFile(path("ok.txt"), plantedBytes(10)));
    QVERIFY(writeFile(path("locked.txt"), plantedBytes(10)));
    click("btnEraseFileFolder");
    addToList({path("ok.txt"), path("locked.txt")});
    if (run("chattr", {"+i", path("locked.txt")}) != 0)
        QSKIP("this file system cannot make a file immutable");
    chooseMethod("radioNIST");
    confirm("Erase");
    // The box offers the report: saved from there, it tells entry by entry.
    const QString report = path("report.pdf");
    auto done = modal::saveReportFromBox(report);
    QSignalSpy bar(get<QProgressBar>("progressBar"), &QProgressBar::valueChanged);
    click("btnNextFromAdd");
    QTRY_VERIFY_WITH_TIMEOUT(done->answered, 120000);
    // The job ran to its end: its bar was full before it went back to 0,
    // although what could not be overwritten was never counted as done.
    QVERIFY(bar.size() >= 2);
    QCOMPARE(bar.at(bar.size() - 2).first().toInt(), 100);
    run("chattr", {"-i", path("locked.txt")});
    QCOMPARE(done->title, QStringLiteral("Finished with problems"));
    QVERIFY(done->text.contains(path("locked.txt")));
    QVERIFY(!done->text.contains(path("ok.txt")));
    QVERIFY(get<QTextEdit>("textLog")->toPlainText().contains("⚠️ Could not securely erase: " +
                                                              path("locked.txt")));
    QCOMPARE(innerPage(), QStringLiteral("pageAdd"));
    // The result stays, and what was not erased goes back into the list, and
    // nothing else does.
    QVERIFY(listEntries().isEmpty());
    auto *again = get<QPushButton>("btnAddFailedBack");
    QVERIFY(again->isVisible());
    QCOMPARE(again->text(), QStringLiteral("Add back what was not erased (1)"));
    click("btnBackToHome_fromAdd");
    click("btnAddFailedBack");
    QCOMPARE(innerPage(), QStringLiteral("pageAdd"));
    QCOMPARE(listEntries(), QStringList{path("locked.txt")});
    QVERIFY(!again->isVisible());
    // Beside the result, the report: each entry with its outcome.
    auto shown = modal::when<QDialog>([](QDialog *d, modal::Seen &seen) {
        if (d->objectName() != QLatin1String("reportDialog"))
            return false;
        seen.title = d->windowTitle();
        seen.text = d->findChild<QTextBrowser *>("reportText")->toPlainText();
        d->reject();
        return true;
    });
    click("btnShowReport");
    QVERIFY(shown->answered);
    QCOMPARE(shown->title, QStringLiteral("Erasure Report"));
    QVERIFY2(shown->text.contains("1 of 2 entries erased.") &&
                 shown->text.contains(path("locked.txt")),
             qPrintable(shown->text));

    QTRY_VERIFY(QFileInfo::exists(report));
    const QString text = pdfText(report);
    if (text.isEmpty())
        QSKIP("pdftotext is not installed");
    for (const QString &expected :
         {QStringLiteral("Velmora Erasure Report"), QStringLiteral("Velmora 4.9.1"),
          QStringLiteral("Method NIST 800-88 (1 pass random)"), QStringLiteral("Target 2 entries"),
          QStringLiteral("Result Finished with problems"), QStringLiteral("1 of 2 entries erased."),
          path("ok.txt") + " Erased", path("locked.txt") + " Not erased",
          QStringLiteral("1 item could not be securely erased: ") + path("locked.txt")})
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" in: ") + text));
}

// A report in Chinese or Japanese: its words are text in the PDF, in a
// font the PDF carries with it, so that it reads the same on a computer
// without one.
void WorkflowsTest::chineseAndJapaneseReportsCarryTheirFont()
{
    const QList<QPair<QString, QString>> languages{{"zh_CN", "Velmora 擦除报告"},
                                                   {"ja", "Velmora 消去レポート"}};
    for (const auto &[language, title] : languages) {
        QTranslator catalogue;
        QVERIFY(catalogue.load(":/i18n/velmora_" + language + ".qm"));
        QCoreApplication::installTranslator(&catalogue);
        const auto remove = qScopeGuard([&] { QCoreApplication::removeTranslator(&catalogue); });
        velmora::ErasureRecord record;
        record.method = velmora::kMethodNist;
        record.started = QDateTime::currentDateTime();
        record.finished = record.started.addSecs(60);
        velmora::ErasureRecord::Entry entry;
        entry.name = QStringLiteral("/data/报告.txt");
        entry.erased = true;
        entry.outcome = QCoreApplication::translate("ErasureRecord", "Erased");
        record.entries.append(entry);
        const QString pdf = path(language + ".pdf");
        QVERIFY(velmora::writeReportPdf(record, pdf, nullptr));
        const QString text = pdfText(pdf);
        if (text.isEmpty())
            QSKIP("pdftotext is not installed");
        QVERIFY2(text.contains(title) && text.contains(QStringLiteral("/data/报告.txt")),
                 qPrintable(text));
        QProcess fonts;
        fonts.start("pdffonts", {pdf});
        QVERIFY(fonts.waitForFinished(60000) && fonts.exitCode() == 0);
        const QString listed = QString::fromUtf8(fonts.readAllStandardOutput());
        bool cjkEmbedded = false;
        for (const QString &line : listed.split('\n'))
            if (line.contains("CJK") && line.simplified().contains(" yes "))
                cjkEmbedded = true;
        QVERIFY2(cjkEmbedded, qPrintable(listed));
    }
}

void WorkflowsTest::longReportKeepsEveryFailure()
{
    // 10,000 entries in 20 folders, 3 of them not erased: the PDF names each
    // folder with its count and all 3, on numbered pages whose table header
    // repeats.
    velmora::ErasureRecord record;
    record.method = velmora::kMethodNist;
    record.started = QDateTime::currentDateTime();
    record.finished = record.started.addSecs(60);
    for (int f = 0; f < 20; ++f) {
        const QString folder = QStringLiteral("/data/folder-%1").arg(f, 2, 10, QLatin1Char('0'));
        record.listedFolders.insert(QFile::encodeName(folder));
        for (int i = 0; i < 500; ++i) {
            velmora::ErasureRecord::Entry entry;
            entry.name = folder + QStringLiteral("/file-%1.txt").arg(i, 3, 10, QLatin1Char('0'));
            entry.erased = !(f == 7 && (i == 13 || i == 250 || i == 499));
            entry.outcome = entry.erased ? QStringLiteral("Erased") : QStringLiteral("Not erased");
            record.entries.append(entry);
        }
    }
    QVERIFY(velmora::writeReportPdf(record, path("long.pdf"), nullptr));
    const QString text = pdfText(path("long.pdf"));
    if (text.isEmpty())
        QSKIP("pdftotext is not installed");
    for (const char *failed : {"file-013.txt", "file-250.txt", "file-499.txt"})
        QVERIFY2(text.contains(QStringLiteral("/data/folder-07/") + QLatin1String(failed) +
                               " Not erased"),
                 failed);
    QVERIFY(text.contains("/data/folder-07/ 497 of 500 erased"));
    QVERIFY(text.contains("/data/folder-19/ 500 of 500 erased"));
    const QRegularExpression pages("page (\\d+) of (\\d+)");
    QRegularExpressionMatchIterator it = pages.globalMatch(text);
    int count = 0;
    QString total;
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        QCOMPARE(m.captured(1).toInt(), ++count);
        total = m.captured(2);
    }
    QVERIFY(count >= 1);
    QCOMPARE(total.toInt(), count);
    QVERIFY(!text.contains("file-012.txt")); // erased entries are counted, not listed

    // A short one lists every entry, sorted.
    record.entries = record.entries.mid(9000, 5);
    std::reverse(record.entries.begin(), record.entries.end());
    QVERIFY(velmora::writeReportPdf(record, path("short.pdf"), nullptr));
    const QString shortText = pdfText(path("short.pdf"));
    QVERIFY(shortText.indexOf("folder-18/file-000.txt") <
            shortText.indexOf("folder-18/file-004.txt"));
    QVERIFY(shortText.contains("page 1 of "));

    // The log's symbols: kept where the font has them or a plain one like
    // them, left out with their space where only a colour emoji would do.
    record.warnings = {"⚠️ on a solid-state drive", "🔒 encrypted beneath", "✅ read back",
                       "a name with 🔒 inside"};
    QVERIFY(velmora::writeReportPdf(record, path("symbols.pdf"), nullptr));
    const QString symbols = pdfText(path("symbols.pdf"));
    QVERIFY2(symbols.contains("⚠ on a solid-state drive") &&
                 symbols.contains("Notes ⚠ on a solid-state drive encrypted beneath ✔ read back"),
             qPrintable(symbols));
    QVERIFY(symbols.contains("a name with"));
    // A symbol left out leaves no indent: each note starts its line.
    record.warnings = {"🔒 encrypted beneath", "ℹ️ held in memory", "✅ read back"};
    QVERIFY(velmora::writeReportPdf(record, path("indent.pdf"), nullptr));
    QProcess layout;
    layout.start("pdftotext", {"-layout", path("indent.pdf"), "-"});
    if (layout.waitForFinished(60000) && layout.exitCode() == 0) {
        const QString text = QString::fromUtf8(layout.readAllStandardOutput());
        for (const QString &words : {"encrypted beneath", "held in memory", "read back"}) {
            const QStringList lines = text.split('\n').filter(words);
            QCOMPARE(lines.size(), 1);
            QVERIFY2(!lines.first().startsWith(' ') && !lines.first().contains(QChar(0xFE0F)),
                     qPrintable(lines.first()));
        }
    }
}

void WorkflowsTest::stopYesKeepsTheInterruptedFile()
{
    // A Gutmann erase of a large file, stopped while it runs.
    const qint64 big = 128 * 1024 * 1024;
    QVERIFY(writeFile(path("big.bin"), plantedBytes(big)));
    QVERIFY(writeFile(path("after.bin"), plantedBytes(1000)));
    click("btnEraseFileFolder");
    addToList({path("big.bin"), path("after.bin")});
    chooseMethod("radioGutmann");
    confirm("Erase");
    click("btnNextFromAdd");
    QTRY_VERIFY(get<QProgressBar>("progressBar")->value() > 0);
    // The line under the bar tells the rate, the time left, the pass and the file.
    QLabel *info = get<QLabel>("labelProgressInfo");
    const QRegularExpression figures(
        "^[0-9.]+ [MG]B/s  ·  about \\d+ (s|min) left  ·  pass \\d+ of 35\n.*big\\.bin$");
    QTRY_VERIFY2_WITH_TIMEOUT(figures.match(info->text()).hasMatch(), qPrintable(info->text()),
                              120000);

    // The device stops answering: Stop returns at once all the same, and
    // the page says what it waits for.
    std::atomic_bool hold{true};
    std::atomic_bool held{false};
    velmora::platform::watchCall = [&](const char *call, int) {
        while (call[0] == 'w' && hold) {
            held = true;
            ::usleep(1000);
        }
    };
    QTRY_VERIFY(held);
    auto yes = modal::answerBox(QMessageBox::Yes);
    click("btnStop");
    QVERIFY(yes->answered);
    QCOMPARE(innerPage(), QStringLiteral("pageProgress"));
    QVERIFY2(info->text().startsWith("Stopping: waiting for the device"), qPrintable(info->text()));
    QVERIFY(!get<QPushButton>("btnStop")->isEnabled());
    QTest::qWait(300);
    QCOMPARE(innerPage(), QStringLiteral("pageProgress"));
    hold = false;
    QTRY_COMPARE(innerPage(), QStringLiteral("pageAdd"));
    velmora::platform::watchCall = nullptr;
    QVERIFY(get<QPushButton>("btnStop")->isEnabled());
    QTRY_VERIFY(listEntries().isEmpty());
    // The page says what became of the job, and its report can be saved.
    const QString outcome = get<QLabel>("labelJobOutcome")->text();
    QVERIFY2(QRegularExpression("^⏹️ The erase was stopped\\. 0 of 2 entries erased, [0-9.]+ "
                                "[kMG]?B written\\.$")
                 .match(outcome)
                 .hasMatch(),
             qPrintable(outcome));
    QVERIFY(window->findChild<QAction *>("actionSaveReport")->isEnabled());
    auto noDone = modal::answerBox(QMessageBox::Ok, 1500);
    QTest::qWait(1600);
    QVERIFY2(!noDone->answered, qPrintable(noDone->title));

    QVERIFY(get<QTextEdit>("textLog")->toPlainText().contains("⚠️ Erase stopped by user."));
    QCOMPARE(QFileInfo(path("big.bin")).size(), big);
    QCOMPARE(readFile(path("after.bin")), plantedBytes(1000));
    QCOMPARE(get<QProgressBar>("progressBar")->value(), 0);
    QCOMPARE(info->text(), QString());
    QCOMPARE(jobMode(), 0);
}

void WorkflowsTest::volumeTablesListMountedVolumes()
{
    // A volume mounted now is there; a refill forgets the choice.
    VOLUME_OR_SKIP(vol, "tmpfs", 1024 * 1024);
    VOLUME_OR_SKIP(other, "tmpfs", 1024 * 1024);
    click("btnWipeFreeSpace");
    auto *table = get<QTableWidget>("tableDiskList_2");
    chooseVolume("tableDiskList_2", vol.path());
    QVERIFY(anyRadioChecked(table));

    // What the user points at is what is chosen: a click on the text of
    // another row moves the choice there; nothing in a cell can be typed
    // over, so the volume taken is the one the row was made for.
    int otherRow = -1;
    for (int row = 0; row < table->rowCount(); ++row)
        if (VolumeTable::mountPoint(table, row) == other.path())
            otherRow = row;
    QVERIFY(otherRow >= 0);
    const QRect cell = table->visualItemRect(table->item(otherRow, 1));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(VolumeTable::chosenRow(table), otherRow);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::keyClick(table, Qt::Key_F2);
    for (const QLineEdit *editor : table->findChildren<QLineEdit *>())
        QVERIFY2(!editor->isVisible(), "a cell of the volume table opened an editor");
    QTest::keyClicks(table, "/tmp/elsewhere");
    QTest::keyClick(table, Qt::Key_Return);
    QCOMPARE(VolumeTable::mountPoint(table, otherRow), other.path());
    QCOMPARE(VolumeTable::chosenMountPoint(table), other.path());
    QCOMPARE(VolumeTable::chosenRow(table), otherRow);

    click("btnRefreshDisks_2");
    QVERIFY(!anyRadioChecked(table));

    // Two volumes below one long folder, their paths alike but in the
    // middle: each is shown whole, on the lines it needs, so no two rows
    // read the same.
    const QString folder = "/tmp/" + QString(70, QLatin1Char('s'));
    QList<VolumeTable::Volume> alike;
    for (const QString &middle : {"2025-photos", "2026-photos"}) {
        VolumeTable::Volume v;
        v.mountPoint = folder + "/" + middle + "/" + QString(30, QLatin1Char('v'));
        v.total = 271 << 20;
        v.available = 100 << 20;
        v.fileSystem = "ext4";
        v.device = "/dev/loop9";
        v.medium = "disk image";
        alike.append(v);
    }
    QButtonGroup *group = nullptr;
    VolumeTable::fill(table, group, table, false, alike);
    QCOMPARE(table->rowCount(), 2);
    for (int row = 0; row < 2; ++row) {
        const QRect shown = table->visualItemRect(table->item(row, 1));
        const QFontMetrics metrics(table->font());
        const QRect needed =
            metrics.boundingRect(QRect(0, 0, shown.width() - 8, 1000),
                                 Qt::TextWordWrap | Qt::AlignLeft, table->item(row, 1)->text());
        QVERIFY2(shown.height() >= needed.height() && table->rowHeight(row) > 40,
                 qPrintable(QStringLiteral("row %1: %2 px shown, %3 px needed")
                                .arg(row)
                                .arg(shown.height())
                                .arg(needed.height())));
    }
    delete group;
}

void WorkflowsTest::volumeRefusals()
{
    click("btnWipeDisk");
    auto none = modal::answerBox();
    click("btnNextFromDiskList");
    QCOMPARE(none->title, QStringLiteral("No disk selected"));
    QCOMPARE(none->text, QStringLiteral("Please select a disk and click Next!"));
    QCOMPARE(jobMode(), 2);

    // The running system's volume is refused before any dialog opens. The
    // system here is a volume of the test's own, never the host's.
    VOLUME_OR_SKIP(vol, "tmpfs", 1024 * 1024);
    const auto restore = qScopeGuard(
        [real = MainWindow::runningSystemRoot] { MainWindow::runningSystemRoot = real; });
    MainWindow::runningSystemRoot = QFile::encodeName(vol.path());
    click("btnRefreshDisks");
    // Its row says so before Next: greyed, the reason in its tool tip.
    auto *disks = get<QTableWidget>("tableDiskList");
    for (int row = 0; row < disks->rowCount(); ++row)
        if (VolumeTable::mountPoint(disks, row) == vol.path())
            QVERIFY(disks->item(row, 1)->toolTip().startsWith(
                "This disk holds the running system and cannot be wiped."));
    chooseVolume("tableDiskList", vol.path());
    auto system = modal::answerBox();
    click("btnNextFromDiskList");
    QCOMPARE(system->title, QStringLiteral("Error"));
    QCOMPARE(system->text,
             QStringLiteral("This disk holds the running system and cannot be wiped."));
    QCOMPARE(outerPage(), QStringLiteral("pageWipeDisk"));

    // Nor the volume of the user's home folder, also a volume of our own.
    VOLUME_OR_SKIP(home, "tmpfs", 1024 * 1024);
    const QByteArray realHome = qgetenv("HOME");
    const auto restoreHome = qScopeGuard([&] { qputenv("HOME", realHome); });
    qputenv("HOME", QFile::encodeName(home.path()));
    click("btnRefreshDisks");
    chooseVolume("tableDiskList", home.path());
    auto homeBox = modal::answerBox();
    click("btnNextFromDiskList");
    QVERIFY(homeBox->text.startsWith("This disk holds your home folder and cannot be wiped."));

    click("btnBackFromDisk");
    click("btnWipeFreeSpace");
    auto noneFree = modal::answerBox();
    click("btnNextFromDiskList_2");
    QCOMPARE(noneFree->title, QStringLiteral("No disk selected"));

    // Wiping the free space of the system's volume stays allowed: cancel
    // at the confirmation.
    chooseVolume("tableDiskList_2", vol.path());
    chooseMethod("radioNIST");
    confirm("nope");
    auto cancelled = modal::answerBox();
    click("btnNextFromDiskList_2");
    QCOMPARE(cancelled->title, QStringLiteral("Canceled"));
    QCOMPARE(cancelled->text, QStringLiteral("The erase operation was canceled."));
    QCOMPARE(outerPage(), QStringLiteral("pageWipeFreeSpace"));
    QCOMPARE(jobMode(), 3);
}

void WorkflowsTest::volumeWipeEndToEnd()
{
    VOLUME_OR_SKIP(vol, "tmpfs", 32 * 1024 * 1024);
    QVERIFY(writeFile(vol.path() + "/docs/a.txt", plantedBytes(5000)));
    QVERIFY(writeFile(vol.path() + "/b.txt", plantedBytes(2 * 1024 * 1024)));
    click("btnWipeDisk");
    chooseVolume("tableDiskList", vol.path());
    LogLines log(window.get());
    chooseMethod("radioBritish");
    auto target = confirm("Erase");
    QString logAtDone;
    auto done = modal::when<QMessageBox>([&](QMessageBox *box, modal::Seen &seen) {
        if (box->buttons().isEmpty())
            return false;
        seen.title = box->windowTitle();
        seen.text = box->text();
        logAtDone = get<QTextEdit>("textLog")->toPlainText();
        box->button(QMessageBox::Ok)->click();
        return true;
    });
    click("btnNextFromDiskList");
    QTRY_VERIFY_WITH_TIMEOUT(done->answered, 60000);
    QCOMPARE(*target, "Everything on " + vol.path() + " on tmpfs (tmpfs), " +
                          velmora::sizeText(32 * 1024 * 1024) + " · memory");
    QCOMPARE(done->title, QStringLiteral("Done"));
    QCOMPARE(done->text, QStringLiteral("💽 The disk has been securely wiped and is now clean."));
    const QStringList lines = log.lines;
    QCOMPARE(lines.mid(0, 2), (QStringList{"Selected method: British HMG IS5 (2 passes)",
                                           "🧹 Erasing disk, please wait..."}));
    QVERIFY(lines.contains("✅ Full disk erase completed."));
    // The closing line comes after the clean-up, which may still have
    // something to say.
    const QStringList shown = logAtDone.split('\n');
    QVERIFY(shown.contains("🗑️ Removed empty folder: " + vol.path() + "/docs"));
    QVERIFY(shown.indexOf("✅ Full disk erase completed.") >
            shown.indexOf("🗑️ Removed empty folder: " + vol.path() + "/docs"));
    QVERIFY(lines.contains("✅ Securely erased: " + vol.path() + "/b.txt"));
    QCOMPARE(QDir(vol.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{});
    QCOMPARE(outerPage(), QStringLiteral("pageWipeDisk"));
    QVERIFY(!anyRadioChecked(get<QTableWidget>("tableDiskList")));
    QCOMPARE(jobMode(), 0);
}

void WorkflowsTest::freeSpaceWipeEndToEnd()
{
    VOLUME_OR_SKIP(vol, "tmpfs", 32 * 1024 * 1024);
    QVERIFY(writeFile(vol.path() + "/kept.txt", plantedBytes(5000)));
    click("btnWipeFreeSpace");
    chooseVolume("tableDiskList_2", vol.path());
    LogLines log(window.get());
    chooseMethod("radioNIST");
    auto target = confirm("  Erase ");
    auto done = modal::answerBox();
    click("btnNextFromDiskList_2");
    QTRY_VERIFY_WITH_TIMEOUT(done->answered, 60000);
    QVERIFY2(target->startsWith("Free space of " + vol.path() + " on tmpfs (tmpfs): ") &&
                 target->endsWith(" of " + velmora::sizeText(32 * 1024 * 1024) + " · memory"),
             qPrintable(*target));
    // Memory or not, an overwrite through the file system is neither Clear
    // nor Purge: no "no traces remain".
    QVERIFY2(done->text.startsWith("🧹 The free space has been overwritten.\n\nNeither Clear "
                                   "nor Purge (NIST SP 800-88)"),
             qPrintable(done->text));
    QCOMPARE(log.lines, (QStringList{"Selected method: NIST 800-88 (1 pass random)",
                                     "🧹 Erasing free space, please wait...",
                                     "ℹ️ " + vol.path() +
                                         " is held in memory (tmpfs): what was erased "
                                         "there is gone once the computer is switched off.",
                                     "🔎 Verified 33.5 MB of data", "✅ Free space wipe complete."}));
    QCOMPARE(readFile(vol.path() + "/kept.txt"), plantedBytes(5000));
    QCOMPARE(QDir(vol.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{"kept.txt"});
    QCOMPARE(outerPage(), QStringLiteral("pageWipeFreeSpace"));
    QVERIFY(!anyRadioChecked(get<QTableWidget>("tableDiskList_2")));
}

void WorkflowsTest::freeSpaceStopLeavesNoFillFile()
{
    VOLUME_OR_SKIP(vol, "tmpfs", 512 * 1024 * 1024);
    click("btnWipeFreeSpace");
    chooseVolume("tableDiskList_2", vol.path());
    chooseMethod("radioGutmann");
    confirm("Erase");
    click("btnNextFromDiskList_2");
    QTRY_VERIFY(get<QProgressBar>("progressBar")->value() > 0);
    auto yes = modal::answerBox(QMessageBox::Yes);
    click("btnStop");
    QTRY_COMPARE(outerPage(), QStringLiteral("pageWipeFreeSpace"));
    QTest::qWait(300);
    QCOMPARE(QDir(vol.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{});
    QVERIFY(!get<QTextEdit>("textLog")->toPlainText().contains("✅ Free space wipe complete."));

    // Closing the window during a fill also leaves no fill file.
    chooseVolume("tableDiskList_2", vol.path());
    chooseMethod("radioGutmann");
    confirm("Erase");
    click("btnNextFromDiskList_2");
    // The fill file has no name; the space it takes shows it is there.
    const qint64 before = QStorageInfo(vol.path()).bytesAvailable();
    QTRY_VERIFY([&] {
        QStorageInfo now(vol.path());
        return now.bytesAvailable() < before / 2;
    }());
    // Closing asks first: No keeps the job, Yes stops it.
    auto no = modal::answerBox(QMessageBox::No, 5000, "Erase running");
    QVERIFY(!window->close());
    QVERIFY(no->answered && window->isVisible());
    auto quit = modal::answerBox(QMessageBox::Yes, 5000, "Erase running");
    QVERIFY(window->close());
    QCOMPARE(quit->text, QStringLiteral("An erase is running. Stop it and quit?"));
    window.reset();
    QCOMPARE(QDir(vol.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{});
}

void WorkflowsTest::fullVolumeIsRefusedBeforeAnyJob()
{
    VOLUME_OR_SKIP(vol, "tmpfs", 4 * 1024 * 1024);
    {
        QFile fill(vol.path() + "/full.bin");
        QVERIFY(fill.open(QIODevice::WriteOnly));
        const QByteArray block(64 * 1024, 'x');
        while (fill.write(block) == block.size()) {
        }
    }
    click("btnWipeFreeSpace");
    chooseVolume("tableDiskList_2", vol.path());
    chooseMethod("radioNIST");
    confirm("Erase");
    auto refused = modal::answerBox();
    click("btnNextFromDiskList_2");
    QCOMPARE(refused->title, QStringLiteral("Error"));
    QCOMPARE(refused->text, QStringLiteral("Unable to get free space!"));
    // Back on the page the user came from, not on a progress page at 0 %.
    QCOMPARE(outerPage(), QStringLiteral("pageWipeFreeSpace"));
    QCOMPARE(innerPage(), QStringLiteral("pageAdd"));
}

void WorkflowsTest::driveWipeEndToEnd()
{
    if (::geteuid() != 0)
        QSKIP("needs root to attach a loop device");
    const QString image = path("drive.img");
    QVERIFY(writeFile(image, plantedBytes(8 << 20)));
    QVERIFY(QFile(image).resize(32 << 20));
    const QString device = attachLoop(image);
    QVERIFY(!device.isEmpty());
    const auto detach = qScopeGuard([&] { detachLoop(device); });
    // A drive in use beside it (a volume of the test's own mounted on it).
    VOLUME_OR_SKIP(mounted, "ext4", 16 << 20);

    click("btnWipeDisk");
    click("btnShowDrives");
    auto *table = get<QTableWidget>("tableDiskList");
    QCOMPARE(table->horizontalHeaderItem(7)->text(), QStringLiteral("Status"));
    int row = -1;
    bool inUseShown = false;
    for (int r = 0; r < table->rowCount(); ++r) {
        // A drive in use says why in its row, and cannot be chosen.
        if (table->item(r, 7)->text() == "Mounted: " + mounted.path()) {
            QVERIFY(table->item(r, 7)->toolTip().startsWith(
                "A volume on this drive is mounted (" + mounted.path() + "): unmount it first."));
            QVERIFY(!table->cellWidget(r, 0)->findChild<QAbstractButton *>()->isEnabled());
            inUseShown = true;
        }
        if (VolumeTable::mountPoint(table, r) == device)
            row = r;
    }
    QVERIFY(inUseShown);
    QVERIFY(row >= 0);
    QCOMPARE(table->item(row, 7)->text(), QStringLiteral("Can be wiped"));
    QCOMPARE(table->item(row, 4)->text(), QStringLiteral("33.6 MB"));
    // What its own erase offers, and here why there is none; the method
    // dialog then offers no erase of the drive's own.
    // It is asked away from the window, and said once it has answered.
    QTRY_VERIFY2(table->item(row, 1)->toolTip().endsWith(
                     "own erase: none (a loop device has no erase of its own)"),
                 qPrintable(table->item(row, 1)->toolTip()));
    auto ownOffered = std::make_shared<bool>(true);
    modal::when<EraseMethodDialog>([=](EraseMethodDialog *d, modal::Seen &) {
        *ownOffered = d->findChild<QRadioButton *>("radioOwn") != nullptr;
        return false; // chosen below
    });
    table->setCurrentCell(row, 1);

    LogLines log(window.get());
    chooseMethod("radioNIST");
    auto question = std::make_shared<QString>();
    modal::when<ConfirmEraseDialog>([=](ConfirmEraseDialog *d, modal::Seen &) {
        *question = QTextDocumentFragment::fromHtml(d->question()).toPlainText();
        return false; // answered below
    });
    auto target = confirm("Erase");
    auto done = modal::answerBox();
    click("btnNextFromDiskList");
    QTRY_VERIFY_WITH_TIMEOUT(done->answered, 60000);
    // The confirmation names the drive by size and path (a loop device has
    // no model or serial), and speaks of the drive, not of files.
    QCOMPARE(*target, "33.6 MB, " + device);
    QCOMPARE(*question, "This will permanently destroy everything on the drive " + device +
                            ".\nPlease type 'Erase' to continue:");
    QCOMPARE(done->title, QStringLiteral("Done"));
    QVERIFY(!*ownOffered);
    QVERIFY2(done->text.startsWith("💽 The drive " + device + " has been overwritten.") &&
                 done->text.endsWith("Clear (NIST SP 800-88): every addressable sector was "
                                     "overwritten and the last pass read back."),
             qPrintable(done->text));
    QCOMPARE(readFile(image).count(plantText()), 0);
    // Back on the drives, which the table shows again.
    QCOMPARE(outerPage(), QStringLiteral("pageWipeDisk"));
    QCOMPARE(table->horizontalHeaderItem(7)->text(), QStringLiteral("Status"));
    click("btnShowVolumes");
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Mount point"));
}

// Three drives checked in the Drives view: one method for them all, one
// confirmation naming each, then all at once on a page with a row of
// progress per drive. One of them refuses writes halfway: it alone ends
// unwiped, the others are wiped, left with a fresh exFAT, and each drive
// has its own report and signed outcome.
void WorkflowsTest::aLuksDriveSaysSoAndOffersItsKeys()
{
    if (::geteuid() != 0)
        QSKIP("needs root to attach a loop device");
    const QString image = path("luks.img");
    QVERIFY(QFile(image).open(QIODevice::WriteOnly) && QFile(image).resize(32 << 20));
    const QString device = attachLoop(image);
    QVERIFY(!device.isEmpty());
    const auto detach = qScopeGuard([&] { detachLoop(device); });
    QVERIFY(writeFile(path("key"), "correct horse battery staple"));
    if (run("cryptsetup", {"luksFormat", "-q", "--type", "luks2", "--pbkdf", "pbkdf2",
                           "--pbkdf-force-iterations", "1000", "--key-file", path("key"), device}) != 0)
        QSKIP("cryptsetup cannot format a LUKS2 container here");

    // The row says what the drive holds, once the drive has been asked.
    click("btnWipeDisk");
    click("btnShowDrives");
    auto *table = get<QTableWidget>("tableDiskList");
    int row = -1;
    for (int r = 0; r < table->rowCount(); ++r)
        if (VolumeTable::mountPoint(table, r) == device)
            row = r;
    QVERIFY(row >= 0);
    QTRY_COMPARE(table->item(row, 6)->text(), QStringLiteral("LUKS2"));

    // Its keys are offered, named whole.
    auto offered = std::make_shared<QString>();
    auto choices = modal::when<EraseMethodDialog>([=](EraseMethodDialog *d, modal::Seen &) {
        auto *keys = d->findChild<QRadioButton *>("radioKeys");
        if (keys && keys->sizeHint().width() <= keys->width())
            *offered = keys->text();
        d->reject();
        return true;
    });
    table->setCurrentCell(row, 1);
    click("btnNextFromDiskList");
    QTRY_VERIFY(choices->answered);
    QCOMPARE(*offered, QStringLiteral("Destroy the encryption keys (LUKS2)"));
    QCOMPARE(outerPage(), QStringLiteral("pageWipeDisk"));
}

// A drive that hides sectors in a host protected area (the drive's answers
// played by a stand-in): the method dialog offers to open and overwrite
// them, unchecked; asked, the wipe reaches them and says so.
void WorkflowsTest::aDrivesHiddenAreaIsOpenedWhenAsked()
{
    if (::geteuid() != 0)
        QSKIP("needs root to attach a loop device");
    const QString image = path("hpa.img");
    QVERIFY(writeFile(image, plantedBytes(64 << 20)));
    const QString device = attachLoop(image);
    QVERIFY(!device.isEmpty());
    const auto detach = qScopeGuard([&] { detachLoop(device); });
    ProtectedAreaDrive drive;
    velmora::platform::setDriveCommandStandIn(
        [&drive](const QByteArray &, const velmora::platform::DriveCommand &c,
                 velmora::platform::DriveAnswer *a) { return drive.answer(c, a); });
    const auto restore = qScopeGuard([] { velmora::platform::setDriveCommandStandIn(nullptr); });

    click("btnWipeDisk");
    click("btnShowDrives");
    auto *table = get<QTableWidget>("tableDiskList");
    for (int r = 0; r < table->rowCount(); ++r)
        if (VolumeTable::mountPoint(table, r) == device)
            table->setCurrentCell(r, 1);
    auto offered = std::make_shared<QString>();
    auto wasChecked = std::make_shared<bool>(true);
    modal::when<EraseMethodDialog>([=](EraseMethodDialog *d, modal::Seen &) {
        auto *hidden = d->findChild<QCheckBox *>("checkHiddenArea");
        if (!hidden)
            return false;
        *offered = hidden->text();
        *wasChecked = hidden->isChecked();
        hidden->setChecked(true);
        QTest::mouseClick(d->findChild<QRadioButton *>("radioNIST"), Qt::LeftButton);
        QTest::mouseClick(d->findChild<QPushButton *>("btnStart"), Qt::LeftButton);
        return true;
    });
    confirm("Erase");
    auto done = modal::answerBox();
    LogLines log(window.get());
    click("btnNextFromDiskList");
    QTRY_VERIFY_WITH_TIMEOUT(done->answered, 60000);
    QCOMPARE(*offered, QStringLiteral("Open and overwrite its 2048 hidden sectors too"));
    QVERIFY(!*wasChecked);
    QVERIFY(!drive.hiddenBytes.contains(plantText()));
    QCOMPARE(drive.maxima, (QList<quint64>{drive.kShown + drive.kHidden, drive.kShown}));
    QTRY_VERIFY2(log.lines.join('\n').contains("The 2048 hidden sectors of " + device +
                                                " were overwritten and read back"),
                 qPrintable(log.lines.join('\n')));
}

void WorkflowsTest::severalDrivesAtOnceEachWithItsOwnOutcome()
{
    if (::geteuid() != 0)
        QSKIP("needs root to attach loop devices");
    if (QStandardPaths::findExecutable("mkfs.exfat").isEmpty())
        QSKIP("mkfs.exfat is not installed");
    // The faulty one refuses its writes from the start, while the others
    // are still at their passes: its failure must stop none of them.
    testsupport::FaultyFile faulty(32 << 20, {0});
    if (!faulty.why.isEmpty())
        QSKIP(qPrintable(faulty.why));
    QVERIFY(writeFile(faulty.backing(), plantedBytes(32 << 20)));
    QStringList images{path("a.img"), path("b.img"), faulty.path()};
    QStringList devices;
    const auto detach = qScopeGuard([&] {
        for (const QString &device : devices)
            detachLoop(device);
        faulty.release();
    });
    for (const QString &image : images) {
        if (image != faulty.path())
            QVERIFY(writeFile(image, plantedBytes(32 << 20)));
        devices << attachLoop(image);
        QVERIFY(!devices.last().isEmpty());
    }

    click("btnWipeDisk");
    click("btnShowDrives");
    auto *table = get<QTableWidget>("tableDiskList");
    // A click on a row chooses that drive alone; each check box adds one.
    for (int r = 0; r < table->rowCount(); ++r) {
        if (VolumeTable::mountPoint(table, r) == devices.at(0))
            table->setCurrentCell(r, 1);
    }
    QCOMPARE(VolumeTable::chosenMountPoints(table), QStringList{devices.at(0)});
    for (int r = 0; r < table->rowCount(); ++r)
        if (devices.contains(VolumeTable::mountPoint(table, r)))
            table->cellWidget(r, 0)->findChild<QCheckBox *>()->setChecked(true);
    QCOMPARE(VolumeTable::chosenMountPoints(table).size(), 3);

    auto offered = std::make_shared<QStringList>();
    modal::when<EraseMethodDialog>([=](EraseMethodDialog *d, modal::Seen &) {
        // Neither keys nor a drive's own erase for several at once.
        if (d->findChild<QRadioButton *>("radioKeys") || d->findChild<QRadioButton *>("radioOwn"))
            offered->append("one drive's own choices");
        auto *format = d->findChild<QComboBox *>("comboFormat");
        if (!format)
            return false;
        for (int i = 0; i < format->count(); ++i)
            offered->append(format->itemText(i));
        format->setCurrentIndex(format->findData(QStringLiteral("exfat")));
        QTest::mouseClick(d->findChild<QRadioButton *>("radioGutmann"), Qt::LeftButton);
        QTest::mouseClick(d->findChild<QPushButton *>("btnStart"), Qt::LeftButton);
        return true;
    });
    auto details = std::make_shared<QString>();
    auto target = confirm("Erase", details);
    auto done = modal::answerBox();
    click("btnNextFromDiskList");
    QTRY_VERIFY_WITH_TIMEOUT(done->answered, 120000);

    QCOMPARE(*offered, (QStringList{"Leave it blank", "Make it ready to use: exFAT",
                                    "Make it ready to use: FAT32", "Make it ready to use: ext4"}));
    QCOMPARE(*target, QStringLiteral("3 drives, each wiped at the same time"));
    for (const QString &device : devices)
        QVERIFY2(details->contains("33.6 MB, " + device), qPrintable(*details));
    // The box names each drive's state; the faulty one is not wiped.
    QCOMPARE(done->title, QStringLiteral("Not every drive was wiped"));
    const QStringList states = done->text.split('\n');
    QCOMPARE(states.size(), 3);
    // (By node: the loop devices a busy machine hands out need not be in
    // the order they were asked for.)
    for (int i = 0; i < 3; ++i) {
        const QString node = QFileInfo(devices.at(i)).fileName();
        const QStringList line = states.filter(QRegularExpression("^" + node + ": "));
        QVERIFY2(line.size() == 1 &&
                     line.first().startsWith(node + ": " + (i < 2 ? "Wiped" : "Did not finish")),
                 qPrintable(done->text));
    }
    QCOMPARE(outerPage(), QStringLiteral("pageStation"));
    QCOMPARE(get<QLabel>("labelJobOutcome")->text(), QStringLiteral("Drives wiped: 2 of 3"));
    auto *rows = get<QTableWidget>("tableStation");
    QCOMPARE(rows->rowCount(), 3);
    for (int r = 0; r < 2; ++r)
        QCOMPARE(qobject_cast<QProgressBar *>(rows->cellWidget(r, 4))->value(), 100);
    QVERIFY(qobject_cast<QProgressBar *>(rows->cellWidget(2, 4))->value() < 100);
    // The log's lines name their drive.
    const QString log = get<QPlainTextEdit>("logStation")->toPlainText();
    QVERIFY2(log.contains(QFileInfo(devices.at(2)).fileName() + ": "), qPrintable(log));

    // What was planted is gone from the two, which hold an exFAT now; the
    // faulty one keeps it past where it refused, and is not formatted.
    for (int i = 0; i < 2; ++i) {
        const QByteArray image = readFile(images.at(i));
        QCOMPARE(image.count(plantText()), 0);
        QVERIFY(image.contains("EXFAT   "));
    }
    QVERIFY(readFile(faulty.backing()).count(plantText()) > 0);
    QVERIFY(!readFile(faulty.backing()).contains("EXFAT   "));

    // Each drive's own report and signed outcome, named by its node (loop
    // devices have no serial).
    QString why;
    QVERIFY(QDir().mkpath(path("reports")));
    QVERIFY2(window->findChild<StationPage *>()->saveOutcomes(path("reports"), &why),
             qPrintable(why));
    for (int i = 0; i < 3; ++i) {
        const QString stem = path("reports/") + QFileInfo(devices.at(i)).fileName();
        const QJsonObject outcome = QJsonDocument::fromJson(readFile(stem + ".json")).object();
        QString fingerprint, problem;
        QVERIFY2(velmora::checkOutcome(outcome, QString(), &fingerprint, &problem),
                 qPrintable(problem));
        QCOMPARE(outcome.value("result").toString(), i < 2 ? "erased" : "failed");
        QVERIFY(readFile(stem + ".pdf").startsWith("%PDF"));
    }
    click("btnStationDone");
    QCOMPARE(outerPage(), QStringLiteral("pageWipeDisk"));
}

// Stop on the station's page asks once, then every drive still running
// stops where it is and its row says so; one that had ended before is
// wiped all the same. No box claims more.
void WorkflowsTest::stopOnTheStationStopsEveryDrive()
{
    if (::geteuid() != 0)
        QSKIP("needs root to attach loop devices");
    QStringList devices;
    const auto detach = qScopeGuard([&] {
        for (const QString &device : devices)
            detachLoop(device);
    });
    for (const QString &name : {"a.img", "b.img"}) {
        QVERIFY(QFile(path(name)).open(QIODevice::WriteOnly));
        QVERIFY(QFile(path(name)).resize(name == "a.img" ? qint64(8) << 20 : qint64(2) << 30));
        devices << attachLoop(path(name));
        QVERIFY(!devices.last().isEmpty());
    }
    click("btnWipeDisk");
    click("btnShowDrives");
    auto *table = get<QTableWidget>("tableDiskList");
    for (int r = 0; r < table->rowCount(); ++r)
        if (devices.contains(VolumeTable::mountPoint(table, r)))
            table->cellWidget(r, 0)->findChild<QCheckBox *>()->setChecked(true);
    chooseMethod("radioDoD");
    confirm("Erase");
    click("btnNextFromDiskList");
    QTRY_COMPARE(outerPage(), QStringLiteral("pageStation"));
    QVERIFY(window->currentJobMode() == MainWindow::DriveWipe);
    auto *rows = get<QTableWidget>("tableStation");
    QTRY_VERIFY_WITH_TIMEOUT(rows->item(0, 5)->text() != "Running", 120000);
    QCOMPARE(rows->item(1, 5)->text(), QStringLiteral("Running"));
    // The menu's Erase the Trash… meanwhile lists the Trash, but leaves the
    // running wipe's page and words as they are.
    modal::answerBox(QMessageBox::Ok, 20000, "Trash");
    auto running = modal::answerBox(QMessageBox::Ok, 20000, "Erase running");
    window->findChild<QAction *>("actionEraseTrash")->trigger();
    QVERIFY(running->answered);
    QCOMPARE(outerPage(), QStringLiteral("pageStation"));
    QCOMPARE(window->currentJobMode(), int(MainWindow::DriveWipe));
    auto asked = modal::answerBox(QMessageBox::Yes, 20000, "Confirm Stop");
    click("btnStationStop");
    QVERIFY(asked->answered);
    QTRY_VERIFY_WITH_TIMEOUT(get<QPushButton>("btnStationDone")->isVisible(), 60000);
    QCOMPARE(rows->item(0, 5)->text(), QStringLiteral("Wiped"));
    QCOMPARE(rows->item(1, 5)->text(), QStringLiteral("Stopped before the end"));
    QVERIFY(!get<QPushButton>("btnStationStop")->isVisible());
    QCOMPARE(get<QLabel>("labelJobOutcome")->text(), QStringLiteral("Drives wiped: 1 of 2"));

    // Closing the window while a drive runs asks, then stops it and waits
    // for it: the window goes only once the drive has let go.
    chooseMethod("radioDoD");
    confirm("Erase");
    click("btnStationDone");
    for (int r = 0; r < table->rowCount(); ++r)
        if (VolumeTable::mountPoint(table, r) == devices.at(1))
            table->setCurrentCell(r, 1);
    QCOMPARE(VolumeTable::chosenMountPoints(table), QStringList{devices.at(1)});
    for (int r = 0; r < table->rowCount(); ++r)
        if (VolumeTable::mountPoint(table, r) == devices.at(0))
            table->cellWidget(r, 0)->findChild<QCheckBox *>()->setChecked(true);
    click("btnNextFromDiskList");
    QTRY_COMPARE(rows->item(1, 5)->text(), QStringLiteral("Running"));
    auto quit = modal::answerBox(QMessageBox::Yes, 20000, "Erase running");
    QVERIFY(window->close());
    QVERIFY(quit->answered);
    QCOMPARE(window->findChild<StationPage *>()->running(), false);
    QCOMPARE(rows->item(1, 5)->text(), QStringLiteral("Stopped before the end"));
}

// A drive chosen is asked, before its method, whether it is encrypted and
// what its own erase offers. Here it answers no read until let go: the
// window goes on meanwhile, says what it waits for, and asks for the method
// once the drive has answered.
void WorkflowsTest::aDriveSlowToAnswerHoldsNotTheWindow()
{
    testsupport::FaultyFile file(32 << 20, {-1, -1, true});
    if (!file.why.isEmpty())
        QSKIP(qPrintable(file.why));
    const QString device = attachLoop(file.path());
    QVERIFY(!device.isEmpty());
    const auto detach = qScopeGuard([&] {
        file.release();
        detachLoop(device);
    });
    // Should the window wait on the drive, the drive is let go after a
    // minute, and the test tells it: a window that does not wait comes
    // back at once however loaded the machine, one that waits never would.
    std::atomic<bool> letGoByWatch{false};
    std::atomic<bool> watching{true};
    std::thread watch([&] {
        for (int i = 0; i < 1200 && watching; ++i)
            QThread::msleep(50);
        if (watching) {
            letGoByWatch = true;
            file.release();
        }
    });
    const auto stopWatch = qScopeGuard([&] {
        watching = false;
        watch.join();
    });

    click("btnWipeDisk");
    click("btnShowDrives");
    auto *table = get<QTableWidget>("tableDiskList");
    int row = -1;
    for (int r = 0; r < table->rowCount(); ++r)
        if (VolumeTable::mountPoint(table, r) == device)
            row = r;
    QVERIFY(row >= 0);
    table->setCurrentCell(row, 1);
    auto asked = std::make_shared<bool>(false);
    modal::when<EraseMethodDialog>([=](EraseMethodDialog *d, modal::Seen &) {
        *asked = true;
        d->reject();
        return true;
    });
    click("btnNextFromDiskList");
    QVERIFY2(!letGoByWatch, "the window waited for the drive");
    QCOMPARE(get<QLabel>("labelDrivesNote")->text(),
             QStringLiteral("Asking %1 what it offers…").arg(device));
    QVERIFY(!get<QWidget>("pageWipeDisk")->isEnabled());
    QTest::qWait(300);
    QVERIFY(!*asked);
    QVERIFY(!letGoByWatch);
    file.release();
    QTRY_VERIFY(*asked);
    QVERIFY(get<QWidget>("pageWipeDisk")->isEnabled());
    QVERIFY(!get<QLabel>("labelDrivesNote")->text().startsWith("Asking"));
}

void WorkflowsTest::runningWipeIsNoLeftover()
{
    // A wipe runs on the volume (it holds the volume's lock) and has made
    // its folder of names: a window started now asks nothing of it and
    // leaves it alone; once the wipe has ended, it is a leftover.
    VOLUME_OR_SKIP(vol, "ext4", 32 * 1024 * 1024);
    const QString names = vol.path() + "/__velmora_names_4242";
    QVERIFY(QDir().mkpath(names + "/a"));
    {
        velmora::platform::FolderLock running;
        QCOMPARE(running.take(QFile::encodeName(vol.path()), velmora::volumeLockFolder()), 0);
        window->offerLeftoverRemoval(); // an unexpected question fails here
        QVERIFY(QFileInfo::exists(names + "/a"));
    }
    auto asked = modal::answerBox(QMessageBox::Yes);
    window->offerLeftoverRemoval();
    QVERIFY(asked->answered);
    QCOMPARE(asked->title, QStringLiteral("Leftover fill files"));
    QVERIFY(!QFileInfo::exists(names));
}

QTEST_MAIN(WorkflowsTest)
#include "test_workflows.moc"
