// Erase methods and the overwrite of one file.

#include "testsupport.h"

#include "engine/erasemethods.h"
#include "engine/overwrite.h"
#include "engine/paths.h"

#include <QtTest>

#include <sys/stat.h>
#include <sys/types.h>

using namespace velmora;
using namespace testsupport;

class OverwriteTest : public QObject
{
    Q_OBJECT

  private slots:
    void passCount_data();
    void passCount();

    void overwrite_data();
    void overwrite();
    void emptyFileIsDeletedAndLogged();
    void gutmannOnOneByteWritesThirtyFivePasses();
    void stopBetweenChunksKeepsTheFile();
    void noProgressPostedWithoutATotal();
    void percentagesAreOfTheWholeJob();
    void linkIsNeverFollowed();
    void fileWithoutOwnerWriteIsOverwritten();
    void nonRegularFilesAreRefused();
    void missingFileIsReportedAsNotFound();
    void passesWriteFreshData();

  private:
    QTemporaryDir dir;
};

void OverwriteTest::passCount_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("passes");
    QTest::newRow("DoD") << kMethodDoD << 3;
    QTest::newRow("Gutmann") << kMethodGutmann << 35;
    QTest::newRow("British") << kMethodBritish << 2;
    QTest::newRow("German") << kMethodGerman << 7;
    QTest::newRow("NIST") << kMethodNist << 1;
    QTest::newRow("empty") << QString() << 1;
    QTest::newRow("unknown") << QStringLiteral("Schneier 7-pass") << 1;
    QTest::newRow("lower-case keyword") << kMethodGutmann.toLower() << 1;
    QTest::newRow("keyword not at the start") << QStringLiteral("Old German VSITR") << 1;
    QTest::newRow("keyword glued to more text") << QStringLiteral("GermanVSITR") << 7;
    QTest::newRow("leading blank") << QStringLiteral(" DoD 5220.22-M") << 1;
}

void OverwriteTest::passCount()
{
    QFETCH(QString, name);
    QFETCH(int, passes);
    QCOMPARE(passCountForMethod(name), passes);
}

void OverwriteTest::overwrite_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("method");
    QTest::newRow("1 byte") << qint64(1) << kMethodNist;
    QTest::newRow("4 KiB, DoD") << qint64(4096) << kMethodDoD;
    QTest::newRow("exactly 1 MiB") << kChunkSize << kMethodNist;
    QTest::newRow("1 MiB + 1") << kChunkSize + 1 << kMethodBritish;
    QTest::newRow("3 MiB + 5, DoD") << 3 * kChunkSize + 5 << kMethodDoD;
}

void OverwriteTest::overwrite()
{
    QFETCH(qint64, size);
    QFETCH(QString, method);
    const QString path = dir.filePath(QStringLiteral("victim %1.bin").arg(QTest::currentDataTag()));
    QVERIFY(writeFile(path, plantedBytes(size)));

    Recorder rec;
    const qint64 chunks = chunksForSize(size) * passCountForMethod(method);
    rec.total = chunks;
    auto ctx = rec.context();
    QCOMPARE(overwriteFile(toFsPath(path), method, ctx), OverwriteResult::Overwritten);

    const QByteArray after = readFile(path);
    QCOMPARE(after.size(), size);
    // Not one planted run survives, and the data is not a constant fill.
    QVERIFY(!after.contains(plantText().left(8)));
    if (size >= 64)
        QVERIFY(after.count(after.at(0)) < size / 2);
    QCOMPARE(rec.processed, chunks);
    QCOMPARE(rec.progress.size(), int(chunks));
    QCOMPARE(rec.progress.last(), 100);
    QVERIFY(rec.lines.isEmpty());
}

void OverwriteTest::emptyFileIsDeletedAndLogged()
{
    const QString path = dir.filePath(QStringLiteral("empty"));
    QVERIFY(writeFile(path, QByteArray()));
    Recorder rec;
    rec.total = 10;
    auto ctx = rec.context();
    QCOMPARE(overwriteFile(toFsPath(path), kMethodGutmann, ctx), OverwriteResult::EmptyDeleted);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(rec.lines, QStringList{QStringLiteral("🗑️ Deleted empty file: %1").arg(path)});
    QCOMPARE(rec.processed, 0);
    QVERIFY(rec.progress.isEmpty());
}

void OverwriteTest::gutmannOnOneByteWritesThirtyFivePasses()
{
    const QString path = dir.filePath(QStringLiteral("one"));
    QVERIFY(writeFile(path, "x"));
    Recorder rec;
    rec.total = 35;
    auto ctx = rec.context();
    QCOMPARE(overwriteFile(toFsPath(path), kMethodGutmann, ctx), OverwriteResult::Overwritten);
    QCOMPARE(rec.processed, 35);
    QCOMPARE(rec.progress.size(), 35);
    QCOMPARE(rec.progress.first(), 2); // 1/35 of the job
    QCOMPARE(QFileInfo(path).size(), 1);
}

void OverwriteTest::stopBetweenChunksKeepsTheFile()
{
    const QString path = dir.filePath(QStringLiteral("big"));
    QVERIFY(writeFile(path, plantedBytes(4 * kChunkSize)));
    Recorder rec;
    rec.total = 4;
    rec.onProgress = [](Recorder &r) { r.stop = true; }; // stop after the first chunk
    auto ctx = rec.context();
    QCOMPARE(overwriteFile(toFsPath(path), kMethodNist, ctx), OverwriteResult::Stopped);
    QCOMPARE(rec.processed, 1);
    QCOMPARE(QFileInfo(path).size(), 4 * kChunkSize);
    // The chunk under way was completed, the rest untouched.
    const QByteArray after = readFile(path);
    QVERIFY(!after.left(kChunkSize).contains(plantText()));
    QVERIFY(after.mid(kChunkSize).startsWith(plantedBytes(2 * kChunkSize).mid(kChunkSize, 64)));
}

void OverwriteTest::noProgressPostedWithoutATotal()
{
    const QString path = dir.filePath(QStringLiteral("nototal"));
    QVERIFY(writeFile(path, plantedBytes(100)));
    Recorder rec;
    auto ctx = rec.context();
    QCOMPARE(overwriteFile(toFsPath(path), kMethodDoD, ctx), OverwriteResult::Overwritten);
    QCOMPARE(rec.processed, 3);
    QVERIFY(rec.progress.isEmpty());
}

void OverwriteTest::percentagesAreOfTheWholeJob()
{
    // Two files in one job: the second file's chunks continue the count,
    // and chunks beyond the announced total are posted above 100.
    const QString a = dir.filePath(QStringLiteral("a"));
    const QString b = dir.filePath(QStringLiteral("b"));
    QVERIFY(writeFile(a, "aaaa"));
    QVERIFY(writeFile(b, "bbbb"));
    Recorder rec;
    rec.total = 2;
    auto ctx = rec.context();
    overwriteFile(toFsPath(a), kMethodBritish, ctx);
    overwriteFile(toFsPath(b), kMethodNist, ctx);
    QCOMPARE(rec.progress, (QList<int>{50, 100, 150}));
}

void OverwriteTest::linkIsNeverFollowed()
{
    const QString target = dir.filePath(QStringLiteral("target"));
    const QString link = dir.filePath(QStringLiteral("link"));
    QVERIFY(writeFile(target, plantedBytes(5000)));
    QVERIFY(QFile::link(target, link));
    Recorder rec;
    auto ctx = rec.context();
    QCOMPARE(overwriteFile(toFsPath(link), kMethodNist, ctx), OverwriteResult::Failed);
    QCOMPARE(readFile(target), plantedBytes(5000));
    QCOMPARE(rec.processed, 0);
}

void OverwriteTest::fileWithoutOwnerWriteIsOverwritten()
{
    const QString path = dir.filePath(QStringLiteral("readonly"));
    QVERIFY(writeFile(path, plantedBytes(3000)));
    QVERIFY(::chmod(QFile::encodeName(path).constData(), 0444) == 0);
    Recorder rec;
    auto ctx = rec.context();
    QCOMPARE(overwriteFile(toFsPath(path), kMethodNist, ctx), OverwriteResult::Overwritten);
    QVERIFY(!readFile(path).contains(plantText()));
}

void OverwriteTest::nonRegularFilesAreRefused()
{
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    Recorder rec;
    auto ctx = rec.context();
    // Must neither block on the FIFO nor write to it.
    QCOMPARE(overwriteFile(toFsPath(fifo), kMethodNist, ctx), OverwriteResult::Failed);
    QCOMPARE(overwriteFile(toFsPath(dir.path()), kMethodNist, ctx), OverwriteResult::Failed);
}

void OverwriteTest::missingFileIsReportedAsNotFound()
{
    Recorder rec;
    auto ctx = rec.context();
    QCOMPARE(overwriteFile(toFsPath(dir.filePath("nope")), kMethodNist, ctx),
             OverwriteResult::NotFound);
}

void OverwriteTest::passesWriteFreshData()
{
    // Snapshot the file after each pass (the progress sink runs after every
    // chunk): every pass, and every chunk of a pass, differs.
    const QString path = dir.filePath(QStringLiteral("fresh"));
    QVERIFY(writeFile(path, plantedBytes(2 * kChunkSize)));
    Recorder rec;
    rec.total = 6;
    QList<QByteArray> snapshots;
    rec.onProgress = [&](Recorder &r) {
        if (r.processed % 2 == 0)
            snapshots.append(readFile(path));
    };
    auto ctx = rec.context();
    QCOMPARE(overwriteFile(toFsPath(path), kMethodDoD, ctx), OverwriteResult::Overwritten);
    QCOMPARE(snapshots.size(), 3);
    QVERIFY(snapshots[0] != snapshots[1]);
    QVERIFY(snapshots[1] != snapshots[2]);
    QVERIFY(snapshots[2].left(kChunkSize) != snapshots[2].mid(kChunkSize));
}

QTEST_GUILESS_MAIN(OverwriteTest)
#include "test_overwrite.moc"
