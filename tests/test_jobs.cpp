// Folder walks and clean-up, and the three jobs on real files in temporary
// folders (the fill is bounded here; whole volumes are in test_volumes).

#include "testsupport.h"

#include "engine/erasemethods.h"
#include "engine/freespace.h"
#include "engine/jobs.h"
#include "engine/paths.h"
#include "engine/walk.h"

#include <QtTest>

using namespace velmora;
using namespace testsupport;
namespace fs = std::filesystem;

class JobsTest : public QObject
{
    Q_OBJECT

  private slots:
    void init();

    // clean-up
    void cleanUpRemovesTreeDeepestFirst();
    void cleanUpRemovesShortcutsOnly();
    void cleanUpKeepsFoldersThatStillHoldFiles();
    void cleanUpSkipsFolderListedTwiceAndLinks();
    void walkDoesNotEnterNestedMount();

    // file erase job
    void fileEraseLogsEachFileInOrder();
    void fileEraseReportsWhatCouldNotBeDeleted();
    void fileEraseRemovesLinksNotTargets();
    void fileEraseReportsMissingFile();
    void fileEraseStopKeepsInterruptedAndLaterFiles();
    void fileEraseEmptyInputDoesNothing();
    void fileEraseHandlesOddNames();

    // free-space fill
    void fillWritesWholeChunksOfTheBound_data();
    void fillWritesWholeChunksOfTheBound();
    void freeSpaceJobKeepsExistingFiles();
    void freeSpaceJobStopLeavesNoFillFile();
    void freeSpaceJobCannotCreateFillFile();

  private:
    QString path(const QString &rel) const { return dir->filePath(rel); }
    std::unique_ptr<QTemporaryDir> dir;
};

void JobsTest::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void JobsTest::cleanUpRemovesTreeDeepestFirst()
{
    QVERIFY(QDir().mkpath(path("a/b/c")));
    Recorder rec;
    auto ctx = rec.context();
    // Given parent first: the order of the lines shows the clean-up's own order.
    cleanUpFolders({toFsPath(path("a")), toFsPath(path("a/b")), toFsPath(path("a/b/c"))}, ctx);
    QCOMPARE(rec.lines, (QStringList{"🗑️ Removed empty folder: " + path("a/b/c"),
                                     "🗑️ Removed empty folder: " + path("a/b"),
                                     "🗑️ Removed empty folder: " + path("a")}));
    QVERIFY(!QFileInfo::exists(path("a")));
}

void JobsTest::cleanUpRemovesShortcutsOnly()
{
    QVERIFY(writeFile(path("s/x.lnk"), "shortcut"));
    QVERIFY(writeFile(path("t/X.LNK"), "not a shortcut by this rule"));
    Recorder rec;
    auto ctx = rec.context();
    cleanUpFolders({toFsPath(path("s")), toFsPath(path("t"))}, ctx);
    QVERIFY(rec.lines.contains("🗑️ Removed shortcut: " + path("s/x.lnk")));
    QVERIFY(rec.lines.contains("🗑️ Removed empty folder: " + path("s")));
    QVERIFY(QFileInfo::exists(path("t/X.LNK")));
    QCOMPARE(rec.lines.size(), 2);
}

void JobsTest::cleanUpKeepsFoldersThatStillHoldFiles()
{
    QVERIFY(writeFile(path("p/q/kept.txt"), "still here"));
    QVERIFY(QDir().mkpath(path("p/empty")));
    Recorder rec;
    auto ctx = rec.context();
    cleanUpFolders({toFsPath(path("p")), toFsPath(path("p/q")), toFsPath(path("p/empty"))}, ctx);
    QCOMPARE(rec.lines, QStringList{"🗑️ Removed empty folder: " + path("p/empty")});
    QVERIFY(QFileInfo::exists(path("p/q/kept.txt")));
}

void JobsTest::cleanUpSkipsFolderListedTwiceAndLinks()
{
    QVERIFY(QDir().mkpath(path("twice")));
    QVERIFY(QDir().mkpath(path("real")));
    QVERIFY(QFile::link(path("real"), path("alias")));
    Recorder rec;
    auto ctx = rec.context();
    cleanUpFolders({toFsPath(path("twice")), toFsPath(path("twice")), toFsPath(path("alias"))},
                   ctx);
    QCOMPARE(rec.lines, QStringList{"🗑️ Removed empty folder: " + path("twice")});
    QVERIFY(QFileInfo(path("alias")).isSymLink());
    QVERIFY(QFileInfo::exists(path("real")));
}

void JobsTest::walkDoesNotEnterNestedMount()
{
    QVERIFY(QDir().mkpath(path("top/inner")));
    testsupport::Volume nested(QStringLiteral("tmpfs"), 4 * 1024 * 1024);
    if (!nested.error().isEmpty())
        QSKIP(qPrintable(nested.error()));
    // Mount a tmpfs at top/inner by bind-moving the test volume there.
    QCOMPARE(run("mount", {"--bind", nested.path(), path("top/inner")}), 0);
    QVERIFY(writeFile(path("top/inner/other.txt"), plantedBytes(100)));
    QVERIFY(QDir().mkpath(path("top/inner/deeper")));

    Recorder rec;
    auto ctx = rec.context();
    runFileEraseJob({}, {path("top")}, kMethodNist, ctx);
    QCOMPARE(run("umount", {path("top/inner")}), 0);
    // The nested file system was neither walked nor cleaned up.
    QCOMPARE(readFile(nested.path() + "/other.txt"), plantedBytes(100));
    QVERIFY(QFileInfo::exists(nested.path() + "/deeper"));
    for (const QString &line : rec.lines)
        QVERIFY2(!line.contains("inner"), qPrintable(line));
}

void JobsTest::fileEraseLogsEachFileInOrder()
{
    QStringList files;
    for (const char *name : {"one.txt", "two.bin", "three.doc"}) {
        files << path(name);
        QVERIFY(writeFile(files.last(), plantedBytes(2 * kChunkSize + 7)));
    }
    QVERIFY(writeFile(path("tree/sub/inner.txt"), plantedBytes(10)));
    QVERIFY(writeFile(path("tree/old.lnk"), "shortcut"));
    files << path("tree/sub/inner.txt");

    Recorder rec;
    rec.total = 3 * 3 * 3 + 3;
    auto ctx = rec.context();
    runFileEraseJob(files, {path("tree")}, kMethodDoD, ctx);

    QStringList expected;
    for (const QString &f : files)
        expected << "🔄 Wiping: " + f << "✅ Securely erased: " + f;
    expected << "🗑️ Removed empty folder: " + path("tree/sub")
             << "🗑️ Removed shortcut: " + path("tree/old.lnk")
             << "🗑️ Removed empty folder: " + path("tree");
    QCOMPARE(rec.lines, expected);
    for (const QString &f : files)
        QVERIFY(!QFileInfo::exists(f));
    QVERIFY(!QFileInfo::exists(path("tree")));
    QVERIFY(rec.progress.contains(25));
    QCOMPARE(rec.progress.last(), 100);
    QCOMPARE(rec.report.problemCount(), 0);
}

void JobsTest::fileEraseReportsWhatCouldNotBeDeleted()
{
    // An immutable file can be neither opened for writing nor deleted, even
    // by root; where the file system has no such flag, skip.
    const QString locked = path("locked.txt");
    QVERIFY(writeFile(path("first.txt"), plantedBytes(10)));
    QVERIFY(writeFile(locked, plantedBytes(10)));
    QVERIFY(writeFile(path("third.txt"), plantedBytes(10)));
    if (run("chattr", {"+i", locked}) != 0)
        QSKIP("this file system cannot make a file immutable");

    Recorder rec;
    rec.total = 3;
    auto ctx = rec.context();
    runFileEraseJob({path("first.txt"), locked, path("third.txt")}, {}, kMethodNist, ctx);
    run("chattr", {"-i", locked});

    QCOMPARE(
        rec.lines,
        (QStringList{"🔄 Wiping: " + path("first.txt"), "✅ Securely erased: " + path("first.txt"),
                     "🔄 Wiping: " + locked, "⚠️ Could not securely erase: " + locked,
                     "🔄 Wiping: " + path("third.txt"), "✅ Securely erased: " + path("third.txt")}));
    QVERIFY(rec.progress.contains(33) && rec.progress.contains(66));
    QCOMPARE(rec.report.problemCount(), 1);
    QCOMPARE(readFile(locked), plantedBytes(10));
}

void JobsTest::fileEraseRemovesLinksNotTargets()
{
    QTemporaryDir outside;
    const QString target = outside.filePath("precious.txt");
    QVERIFY(writeFile(target, plantedBytes(3000)));
    QVERIFY(QDir().mkpath(outside.filePath("folder")));
    QVERIFY(writeFile(outside.filePath("folder/keep.txt"), plantedBytes(50)));

    QVERIFY(QFile::link(target, path("listed-link")));
    QVERIFY(QDir().mkpath(path("sel")));
    QVERIFY(QFile::link(target, path("sel/to-file")));
    QVERIFY(QFile::link(outside.filePath("folder"), path("sel/to-folder")));
    QVERIFY(QFile::link(path("nowhere"), path("sel/dangling")));
    QVERIFY(QFile::link(outside.filePath("folder"), path("selected-folder-link")));

    Recorder rec;
    auto ctx = rec.context();
    // As the file list gives them: the link to a file is a file, links to
    // folders are folders.
    runFileEraseJob({path("listed-link"), path("sel/to-file")},
                    {path("sel"), path("selected-folder-link")}, kMethodNist, ctx);

    QCOMPARE(readFile(target), plantedBytes(3000));
    QCOMPARE(readFile(outside.filePath("folder/keep.txt")), plantedBytes(50));
    for (const char *gone : {"listed-link", "sel", "selected-folder-link"})
        QVERIFY2(!QFileInfo(path(gone)).exists() && !QFileInfo(path(gone)).isSymLink(), gone);
    QVERIFY(rec.lines.contains("🔗 Removed link: " + path("listed-link")));
    QVERIFY(rec.lines.contains("🔗 Removed link: " + path("sel/dangling")));
    QVERIFY(rec.lines.contains("🔗 Removed link: " + path("sel/to-folder")));
    QVERIFY(rec.lines.contains("🗑️ Removed empty folder: " + path("sel")));
    for (const QString &line : rec.lines)
        QVERIFY2(!line.startsWith("🔄") && !line.startsWith("✅"), qPrintable(line));
}

void JobsTest::fileEraseReportsMissingFile()
{
    Recorder rec;
    auto ctx = rec.context();
    runFileEraseJob({path("vanished.txt")}, {}, kMethodNist, ctx);
    QCOMPARE(rec.lines, (QStringList{"🔄 Wiping: " + path("vanished.txt"),
                                     "⚠️ File not found: " + path("vanished.txt")}));
    QCOMPARE(rec.report.problemCount(), 1);
}

void JobsTest::fileEraseStopKeepsInterruptedAndLaterFiles()
{
    QStringList files;
    for (int i = 1; i <= 5; ++i) {
        files << path(QStringLiteral("f%1").arg(i));
        QVERIFY(writeFile(files.last(), plantedBytes(2 * kChunkSize)));
    }
    QVERIFY(writeFile(path("sel/x.lnk"), "shortcut"));
    Recorder rec;
    rec.total = 10;
    // Stop during the second file, after its first chunk.
    rec.onProgress = [](Recorder &r) {
        if (r.processed == 3)
            r.stop = true;
    };
    auto ctx = rec.context();
    runFileEraseJob(files, {path("sel")}, kMethodNist, ctx);

    QVERIFY(!QFileInfo::exists(files[0]));
    for (int i = 1; i < 5; ++i)
        QVERIFY(QFileInfo::exists(files[i]));
    QCOMPARE(readFile(files[2]), plantedBytes(2 * kChunkSize));
    QCOMPARE(rec.lines.filter("🔄 Wiping").size(), 2);
    // The clean-up still ran.
    QVERIFY(!QFileInfo::exists(path("sel")));
}

void JobsTest::fileEraseEmptyInputDoesNothing()
{
    Recorder rec;
    auto ctx = rec.context();
    runFileEraseJob({}, {}, kMethodNist, ctx);
    QVERIFY(rec.lines.isEmpty());
    QVERIFY(rec.progress.isEmpty());
}

void JobsTest::fileEraseHandlesOddNames()
{
    const QStringList names = {"with space.txt", "quote'\"s.txt", "new\nline.txt",
                               "Grüße-日本.txt"};
    QStringList files;
    for (const QString &n : names) {
        files << path(n);
        QVERIFY(writeFile(files.last(), plantedBytes(100)));
    }
    Recorder rec;
    auto ctx = rec.context();
    runFileEraseJob(files, {}, kMethodNist, ctx);
    for (const QString &f : files) {
        QVERIFY(!QFileInfo::exists(f));
        QVERIFY(rec.lines.contains("✅ Securely erased: " + f));
    }
}

void JobsTest::fillWritesWholeChunksOfTheBound_data()
{
    QTest::addColumn<quint64>("bound");
    QTest::addColumn<int>("chunksPerPass");
    QTest::newRow("5.5 MiB") << quint64(5.5 * kChunkSize) << 5;
    QTest::newRow("exactly 5 MiB") << quint64(5 * kChunkSize) << 5;
    QTest::newRow("below 1 MiB") << quint64(kChunkSize - 1) << 0;
}

void JobsTest::fillWritesWholeChunksOfTheBound()
{
    QFETCH(quint64, bound);
    QFETCH(int, chunksPerPass);
    Recorder rec;
    rec.total = chunksPerPass * 2;
    qint64 biggest = 0;
    rec.onProgress = [&](Recorder &) {
        biggest = qMax(biggest, QFileInfo(path("__freespace_temp__.bin")).size());
    };
    auto ctx = rec.context();
    QVERIFY(fillFreeSpace(dir->path(), "/__freespace_temp__.bin", 2, bound, "failed", ctx));
    QCOMPARE(rec.processed, qint64(chunksPerPass) * 2);
    QCOMPARE(biggest, qint64(chunksPerPass) * kChunkSize);
    QVERIFY(QDir(dir->path()).isEmpty());
}

void JobsTest::freeSpaceJobKeepsExistingFiles()
{
    QVERIFY(writeFile(path("keep/me.txt"), plantedBytes(5000)));
    Recorder rec;
    const quint64 available = quint64(10.5 * kChunkSize);
    rec.total = 10 * 2;
    auto ctx = rec.context();
    runFreeSpaceWipeJob(dir->path(), passCountForMethod(kMethodBritish), available, ctx);

    QList<int> expected;
    for (int i = 1; i <= 20; ++i)
        expected << i * 5;
    QCOMPARE(rec.progress, expected);
    QCOMPARE(rec.lines, QStringList{"✅ Free space wipe complete."});
    QCOMPARE(readFile(path("keep/me.txt")), plantedBytes(5000));
    QCOMPARE(QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{"keep"});
}

void JobsTest::freeSpaceJobStopLeavesNoFillFile()
{
    Recorder rec;
    rec.total = 7 * 4;
    rec.onProgress = [](Recorder &r) {
        if (r.processed == 2 * 4 + 2) // during the third pass
            r.stop = true;
    };
    auto ctx = rec.context();
    runFreeSpaceWipeJob(dir->path(), passCountForMethod(kMethodGerman), 4 * kChunkSize, ctx);
    QCOMPARE(rec.processed, 10);
    QVERIFY(rec.lines.isEmpty());
    QVERIFY(QDir(dir->path()).isEmpty());
}

void JobsTest::freeSpaceJobCannotCreateFillFile()
{
    Recorder rec;
    auto ctx = rec.context();
    runFreeSpaceWipeJob(path("no/such/folder"), 1, 4 * kChunkSize, ctx);
    QCOMPARE(rec.lines, QStringList{"❌ Unable to create write file to erase free space."});
    QVERIFY(rec.report.endedByError());

    // A folder in the way of the fill file: the wipe's files are done, then
    // the fill fails and the job ends without completion line or clean-up.
    QVERIFY(QDir().mkpath(path("vol/__wiper_temp__.bin")));
    QVERIFY(QDir().mkpath(path("vol/empty")));
    QVERIFY(writeFile(path("vol/file.txt"), plantedBytes(10)));
    Recorder wipe;
    auto wipeCtx = wipe.context();
    runVolumeWipeJob(path("vol"), kMethodNist, 1, 4 * kChunkSize, wipeCtx);
    QCOMPARE(wipe.lines, (QStringList{"🔄 Wiping: " + path("vol/file.txt"),
                                      "✅ Securely erased: " + path("vol/file.txt"),
                                      "❌ Unable to create temp file for free space wipe."}));
    QVERIFY(QFileInfo::exists(path("vol/empty")));
    QVERIFY(wipe.report.endedByError());
}

QTEST_GUILESS_MAIN(JobsTest)
#include "test_jobs.moc"
