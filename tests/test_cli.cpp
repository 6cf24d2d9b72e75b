// SPDX-License-Identifier: GPL-3.0-or-later

// velmora-cli as a script or a person at a terminal runs it: a child
// process on temporary folders and small volumes, its exit status, its
// output and what is left on disk.

#include "testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include <csignal>

using namespace testsupport;

namespace
{

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

Outcome runCli(const QStringList &args, const QByteArray &input = QByteArray(),
               const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VELMORA_CLI), args);
    p.write(input);
    p.closeWriteChannel();
    Outcome o;
    if (!p.waitForFinished(120000))
        return o;
    o.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    o.out = QString::fromUtf8(p.readAllStandardOutput());
    o.err = QString::fromUtf8(p.readAllStandardError());
    return o;
}

QJsonObject readJson(const QString &file)
{
    return QJsonDocument::fromJson(readFile(file)).object();
}

} // namespace

class CliTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> tmp;
    QString path(const QString &name) const { return tmp->filePath(name); }

  private slots:
    void init() { tmp = std::make_unique<QTemporaryDir>(); }

    void refusesWhatItMustNotDo_data();
    void refusesWhatItMustNotDo();
    void yesErasesAndTellsWhatBecameOfEachEntry();
    void problemsEndWithOne();
    void signalStopsTheJob_data();
    void signalStopsTheJob();
    void terminalConfirmsAndShowsProgress();
    void volumes();
};

void CliTest::refusesWhatItMustNotDo_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("said");
    // No terminal to answer on and no --yes: nothing is touched.
    QTest::newRow("no terminal") << QStringList{"erase", "keep.txt"} << "pass --yes";
    QTest::newRow("unknown method")
        << QStringList{"erase", "--yes", "-m", "fast", "keep.txt"} << "unknown method fast";
    QTest::newRow("unknown command")
        << QStringList{"shred", "--yes", "keep.txt"} << "unknown command shred";
    QTest::newRow("unknown option")
        << QStringList{"erase", "--yes", "--now", "keep.txt"} << "Unknown option 'now'";
    QTest::newRow("missing path") << QStringList{"erase", "--yes", "keep.txt", "gone.txt"}
                                  << "no such file or folder: gone.txt";
    QTest::newRow("folder, not a volume")
        << QStringList{"wipe", "--yes", "."} << "is not the mount point of a volume";
    QTest::newRow("the running system")
        << QStringList{"wipe", "--yes", "/"} << "/ holds the running system and cannot be wiped.";
}

void CliTest::refusesWhatItMustNotDo()
{
    QFETCH(QStringList, args);
    QFETCH(QString, said);
    QVERIFY(writeFile(path("keep.txt"), plantedBytes(5000)));
    QProcess p;
    p.setWorkingDirectory(tmp->path());
    p.start(QStringLiteral(VELMORA_CLI), args);
    p.closeWriteChannel();
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 2);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QVERIFY2(err.contains(said), qPrintable(err));
    QCOMPARE(readFile(path("keep.txt")), plantedBytes(5000));
    QCOMPARE(p.readAllStandardOutput(), QByteArray());
}

void CliTest::yesErasesAndTellsWhatBecameOfEachEntry()
{
    // A name that is not UTF-8 reaches the job as its bytes.
    const QByteArray odd = QFile::encodeName(path("tree/")) + QByteArray("caf\xe9.txt");
    QVERIFY(writeFile(path("a.bin"), plantedBytes(3 * 1024 * 1024 + 7)));
    QVERIFY(writeFile(path("tree/sub/b.txt"), plantedBytes(10)));
    QFile oddFile(QFile::decodeName(odd));
    QVERIFY(oddFile.open(QIODevice::WriteOnly) && oddFile.write(plantedBytes(20)) == 20);
    oddFile.close();

    const Outcome o =
        runCli({"erase", "--yes", "--method", "dod", "--verify", "--json", path("out.json"),
                "--report", path("out.pdf"), path("a.bin"), path("tree")});
    QCOMPARE(o.status, 0);
    QCOMPARE(QDir(tmp->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             (QStringList{"out.json", "out.pdf"}));
    // The log on standard output, line by line as the window shows it.
    const QStringList lines = o.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.first(), "🔄 Wiping: " + path("a.bin"));
    QVERIFY(lines.contains("✅ Securely erased: " + path("a.bin")));
    QVERIFY(lines.contains("🗑️ Removed empty folder: " + path("tree")));
    QVERIFY2(lines.last().startsWith("🔎 Verified 3.0 MiB"), qPrintable(o.out));
    QVERIFY2(o.err.contains("4 entries, "), qPrintable(o.err));
    QVERIFY(o.err.contains("Erased. 4 of 4 entries erased"));

    const QJsonObject json = readJson(path("out.json"));
    QCOMPARE(json["job"].toString(), QStringLiteral("files"));
    QCOMPARE(json["method"].toString(), QStringLiteral("DoD 5220.22-M (3 passes)"));
    QCOMPARE(json["passes"].toInt(), 3);
    QCOMPARE(json["verify"].toBool(), true);
    QCOMPARE(json["result"].toString(), QStringLiteral("erased"));
    const qint64 bytes = 3 * 1024 * 1024 + 7 + 10 + 20;
    QCOMPARE(json["bytesWritten"].toInteger(), 3 * bytes);
    QCOMPARE(json["bytesVerified"].toInteger(), bytes);
    const QJsonArray entries = json["entries"].toArray();
    QCOMPARE(entries.size(), 4);
    for (const QJsonValue &entry : entries)
        QVERIFY2(entry["erased"].toBool(), qPrintable(entry["path"].toString()));
    QCOMPARE(json["problemCount"].toInt(), 0);

    const QString report = pdfText(path("out.pdf"));
    if (report.isEmpty())
        QSKIP("pdftotext is not installed");
    QVERIFY(report.contains("Velmora Erasure Report"));
    QVERIFY(report.contains("4 of 4 entries erased."));
}

void CliTest::problemsEndWithOne()
{
    QVERIFY(writeFile(path("ok.txt"), plantedBytes(10)));
    QVERIFY(writeFile(path("tree/locked.txt"), plantedBytes(10)));
    if (run("chattr", {"+i", path("tree/locked.txt")}) != 0)
        QSKIP("this file system cannot make a file immutable");
    const Outcome o =
        runCli({"erase", "-y", "-q", "--json", path("out.json"), path("ok.txt"), path("tree")});
    run("chattr", {"-i", path("tree/locked.txt")});
    QCOMPARE(o.status, 1);
    // Quiet: only what went wrong, each problem listed at the end.
    QVERIFY2(!o.out.contains("✅"), qPrintable(o.out));
    QVERIFY(o.out.contains("⚠️ Could not securely erase: " + path("tree/locked.txt")));
    QVERIFY(o.err.contains("not securely erased: " + path("tree/locked.txt")));
    QVERIFY(!QFileInfo::exists(path("ok.txt")));
    const QJsonObject json = readJson(path("out.json"));
    QCOMPARE(json["result"].toString(), QStringLiteral("problems"));
    QCOMPARE(json["problems"].toArray(), QJsonArray{path("tree/locked.txt")});
    // Entry by entry: the file erased, the locked one not, its folder partly.
    QStringList outcomes;
    for (const QJsonValue &entry : json["entries"].toArray())
        outcomes << entry["outcome"].toString();
    QCOMPARE(outcomes,
             (QStringList{"Erased", "Not erased", "Partly erased: 1 below it not erased"}));
}

void CliTest::signalStopsTheJob_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("Ctrl-C") << SIGINT;
    QTest::newRow("SIGTERM") << SIGTERM;
}

void CliTest::signalStopsTheJob()
{
    QFETCH(int, signal);
    const qint64 big = 192 * 1024 * 1024;
    QVERIFY(writeFile(path("big.bin"), plantedBytes(big)));
    QVERIFY(writeFile(path("after.bin"), plantedBytes(100)));
    QProcess p;
    p.start(QStringLiteral(VELMORA_CLI), {"erase", "--yes", "-m", "Gutmann", "--json",
                                          path("out.json"), path("big.bin"), path("after.bin")});
    p.closeWriteChannel();
    QByteArray out;
    QTRY_VERIFY_WITH_TIMEOUT((out += p.readAllStandardOutput()).contains("Wiping"), 20000);
    ::kill(pid_t(p.processId()), signal);
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 128 + signal);
    QVERIFY(
        (out + p.readAllStandardOutput())
            .contains(QStringLiteral("⚠️ Erase stopped: the application received signal %1.")
                          .arg(signal)
                          .toUtf8()));
    // Stopped before the end: the next file is untouched, the report says so.
    QCOMPARE(readFile(path("after.bin")), plantedBytes(100));
    const QJsonObject json = readJson(path("out.json"));
    QCOMPARE(json["result"].toString(), QStringLiteral("stopped"));
    QCOMPARE(json["entries"].toArray().at(1)["erased"].toBool(), false);
}

void CliTest::terminalConfirmsAndShowsProgress()
{
    // script(1) gives the program a pseudo-terminal for its input and output.
    if (run("script", {"--version"}) != 0)
        QSKIP("script(1) is not installed");
    const qint64 big = 96 * 1024 * 1024;
    QVERIFY(writeFile(path("big.bin"), plantedBytes(big)));
    const QString command =
        QStringLiteral("%1 erase -m Gutmann %2").arg(VELMORA_CLI, path("big.bin"));
    QProcess p;
    p.start(QStringLiteral("script"), {"-qfec", command, "/dev/null"});
    QByteArray shownBytes;
    QTRY_VERIFY_WITH_TIMEOUT(
        (shownBytes += p.readAllStandardOutput()).contains("Type Erase to confirm"), 20000);
    QCOMPARE(readFile(path("big.bin")), plantedBytes(big)); // untouched until confirmed
    p.write("Erase\n");
    QVERIFY(p.waitForFinished(120000));
    QCOMPARE(p.exitCode(), 0);
    const QString shown = QString::fromUtf8(shownBytes + p.readAllStandardOutput());
    // One line redrawn in place: percentage, rate, time left, pass, file.
    const QRegularExpression line(
        "\r\x1b\\[K *\\d+%  [0-9.]+ [MG]iB/s  ·  about \\d+ (s|min) left  "
        "·  pass \\d+ of 35  ·  .*big\\.bin");
    QVERIFY2(line.match(shown).hasMatch(), qPrintable(shown.left(2000)));
    QVERIFY(shown.contains("✅ Securely erased: " + path("big.bin")));
    QVERIFY(!QFileInfo::exists(path("big.bin")));
}

void CliTest::volumes()
{
    VOLUME_OR_SKIP(vol, "ext4", 64 * 1024 * 1024);
    QVERIFY(writeFile(vol.path() + "/keep.txt", plantText()));

    // The volume of the home folder is not wiped whole.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", vol.path());
    Outcome o = runCli({"wipe", "--yes", vol.path()}, QByteArray(), env);
    QCOMPARE(o.status, 2);
    QVERIFY2(o.err.contains("holds your home folder and cannot be wiped"), qPrintable(o.err));
    QCOMPARE(readFile(vol.path() + "/keep.txt"), plantText());

    // Its free space is, and the outcome names the volume.
    o = runCli({"freespace", "--yes", "--json", path("fs.json"), vol.path()}, QByteArray(), env);
    QCOMPARE(o.status, 0);
    QVERIFY(o.out.contains("✅ Free space wipe complete."));
    QJsonObject json = readJson(path("fs.json"));
    QCOMPARE(json["job"].toString(), QStringLiteral("freespace"));
    const QJsonObject volume = json["volume"].toObject();
    QCOMPARE(volume["mountPoint"].toString(), vol.path());
    QCOMPARE(volume["fileSystem"].toString(), QStringLiteral("ext4"));
    QVERIFY(volume["device"].toString().startsWith("/dev/loop"));
    QCOMPARE(readFile(vol.path() + "/keep.txt"), plantText());

    // With the home folder elsewhere, the whole volume goes.
    o = runCli({"wipe", "--yes", "--json", path("wipe.json"), vol.path()});
    QCOMPARE(o.status, 0);
    QVERIFY(!QFileInfo::exists(vol.path() + "/keep.txt"));
    json = readJson(path("wipe.json"));
    QCOMPARE(json["result"].toString(), QStringLiteral("erased"));
    QCOMPARE(json["entries"].toArray().at(0)["outcome"].toString(), QStringLiteral("Wiped"));
    QVERIFY(vol.unmount());
    QVERIFY(!vol.imageContains(plantText()));
}

QTEST_GUILESS_MAIN(CliTest)
#include "test_cli.moc"
