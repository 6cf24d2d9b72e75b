// SPDX-License-Identifier: GPL-3.0-or-later

// velmora-cli as a script or a person at a terminal runs it: a child
// process on temporary folders and small volumes, its exit status, its
// output and what is left on disk.

#include "testsupport.h"

#include "engine/fs/traces.h"
#include "engine/job/erasemethods.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <cerrno>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

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

// bwrap with `args`, standard input closed: its status and standard error.
Outcome runSandboxed(const QStringList &args, const QProcessEnvironment &env)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start("bwrap", args);
    p.closeWriteChannel();
    Outcome o;
    if (p.waitForFinished(60000))
        o.status = p.exitCode();
    o.err = QString::fromUtf8(p.readAllStandardError());
    return o;
}

bool exists(const QByteArray &path)
{
    struct stat st;
    return ::lstat(path.constData(), &st) == 0;
}

QJsonObject readJson(const QString &file)
{
    return QJsonDocument::fromJson(readFile(file)).object();
}

} // namespace

class CliTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<testsupport::ScratchDir> tmp;
    QString path(const QString &name) const { return tmp->filePath(name); }

  private slots:
    void init() { tmp = std::make_unique<testsupport::ScratchDir>(); }

    void refusesWhatItMustNotDo_data();
    void refusesWhatItMustNotDo();
    void yesErasesAndTellsWhatBecameOfEachEntry();
    void problemsEndWithOne();
    void confirmationNamesWhatWasGiven();
    void namesAreBytesAndEachEntryResolvesOnce();
    void signalStopsTheJob_data();
    void signalStopsTheJob();
    void killedJobIsAccountedForAtTheNextStart();
    void terminalConfirmsAndShowsProgress();
    void eraseThenFreeSpaceReachesOlderCopies();
    void volumes();
    void trashAndTraces();
    void schedulesAreUnitsSystemdAccepts();
    void outcomesAreSignedAndChecked();
    void proofIsReadiedBeforeAnythingIsErased();
    void recordsThatCannotBeTrustedAreNotActedOn();
    void rootKeepsToItsOwnFolders();
    void trashFollowsNoLink();
    void hungMountNeverKeepsTheProcess();
    void twoJobsSideBySide();
    void reportNamesWhoAndWhere();
    void reportHeadingsStayWithTheirTables();
};

void CliTest::refusesWhatItMustNotDo_data()
{
    QTest::addColumn<QStringList>("args"); // "@" stands for the test's folder
    QTest::addColumn<QString>("said");
    // Rows that would reach the real system if the guard failed run in a
    // read-only sandbox.
    QTest::addColumn<bool>("sandboxed");
    // No terminal to answer on and no --yes: nothing is touched.
    QTest::newRow("no terminal") << QStringList{"erase", "@/keep.txt"} << "pass --yes" << false;
    QTest::newRow("unknown method") << QStringList{"erase", "--yes", "-m", "fast", "@/keep.txt"}
                                    << "unknown method fast" << false;
    QTest::newRow("unknown command")
        << QStringList{"shred", "--yes", "@/keep.txt"} << "unknown command shred" << false;
    QTest::newRow("unknown option")
        << QStringList{"erase", "--yes", "--now", "@/keep.txt"} << "Unknown option 'now'" << false;
    QTest::newRow("missing path") << QStringList{"erase", "--yes", "@/keep.txt", "@/gone.txt"}
                                  << "No such file or folder: @/gone.txt" << false;
    // An unset variable in a script must not mean "here".
    QTest::newRow("empty path") << QStringList{"erase", "--yes", "@/keep.txt", ""}
                                << "An empty path was given" << false;
    QTest::newRow("empty mount point")
        << QStringList{"freespace", "--yes", ""} << "an empty path was given" << false;
    QTest::newRow("relative mount point")
        << QStringList{"wipe", "--yes", "."} << "as an absolute path" << false;
    QTest::newRow("the root") << QStringList{"erase", "--yes", "/"}
                              << "is the root of the file system" << true;
    QTest::newRow("the root through ..") << QStringList{"erase", "--yes", "@" + QString("/..").repeated(40)}
                                         << "is the root of the file system" << true;
    QTest::newRow("below a system folder through ..")
        << QStringList{"erase", "--yes", "@" + QString("/..").repeated(40) + "/usr/share"} << "belongs to the operating system"
        << true;
    QTest::newRow("a link to /etc with a slash") << QStringList{"erase", "--yes", "@/etc-link/"}
                                                 << "belongs to the operating system" << true;
    QTest::newRow("the top of the homes")
        << QStringList{"erase", "--yes", "/home"} << "holds the data of other users" << true;
    QTest::newRow("the var folder")
        << QStringList{"erase", "--yes", "/var"} << "holds the data of other users" << true;
    QTest::newRow("the home folder")
        << QStringList{"erase", "--yes", "@/home"} << "is a home folder or holds one" << false;
    QTest::newRow("above the home folder")
        << QStringList{"erase", "--yes", "@/home/.."} << "is a home folder or holds one" << false;
    QTest::newRow("a FIFO") << QStringList{"erase", "--yes", "@/fifo"} << "a socket or a FIFO"
                            << false;
    QTest::newRow("a device node")
        << QStringList{"erase", "--yes", "@/null-node"} << "is a device, not a file" << false;
    QTest::newRow("a device node, no override")
        << QStringList{"erase", "--yes", "--no-preserve-root", "@/null-node"}
        << "is a device, not a file" << false;
    QTest::newRow("the outcome inside the selection")
        << QStringList{"erase", "--yes", "--json", "@/keep.txt", "@/keep.txt"}
        << "lies in what is to be erased" << false;
    // The proof is made ready first: where it cannot be kept, nothing goes.
    QTest::newRow("the outcome in a missing folder")
        << QStringList{"erase", "--yes", "--json", "@/gone/out.json", "@/keep.txt"}
        << "--json @/gone/out.json cannot be written" << false;
    QTest::newRow("the report where a folder is")
        << QStringList{"erase", "--yes", "--report", "@/home", "@/keep.txt"}
        << "--report @/home cannot be written" << false;
    QTest::newRow("the running system")
        << QStringList{"wipe", "--yes", "/"} << "/ holds the running system and cannot be wiped."
        << true;
}

void CliTest::refusesWhatItMustNotDo()
{
    QFETCH(QStringList, args);
    QFETCH(QString, said);
    QFETCH(bool, sandboxed);
    const QString here = tmp->path();
    QVERIFY(writeFile(path("keep.txt"), plantedBytes(5000)));
    QVERIFY(writeFile(path("home/notes.txt"), plantedBytes(300)));
    QVERIFY(run("mkfifo", {path("fifo")}) == 0);
    QVERIFY(QFile::link("/etc", path("etc-link")));
    const bool node = run("mknod", {path("null-node"), "c", "1", "3"}) == 0;
    if (args.last().endsWith("null-node") && !node)
        QSKIP("making a device node needs root");
    for (QString &arg : args)
        arg.replace('@', here);
    said.replace('@', here);

    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", path("home"));
    env.remove("PKEXEC_UID");
    env.remove("SUDO_UID");
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(here);
    if (sandboxed) {
        if (run("bwrap", {"--ro-bind", "/", "/", "--dev", "/dev", "--proc", "/proc", "true"}) != 0)
            QSKIP("bwrap cannot make a read-only sandbox here");
        p.start("bwrap", QStringList{"--ro-bind", "/", "/", "--dev", "/dev", "--proc", "/proc",
                                     "--bind", here, here, "--chdir", here, VELMORA_CLI} +
                             args);
    } else {
        p.start(QStringLiteral(VELMORA_CLI), args);
    }
    p.closeWriteChannel();
    QVERIFY(p.waitForFinished(60000));
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QVERIFY2(p.exitCode() == 2, qPrintable(err));
    QVERIFY2(err.contains(said), qPrintable(err));
    QCOMPARE(p.readAllStandardOutput(), QByteArray());
    // Nothing touched.
    QCOMPARE(readFile(path("keep.txt")), plantedBytes(5000));
    QCOMPARE(readFile(path("home/notes.txt")), plantedBytes(300));
    QVERIFY(QFileInfo(path("fifo")).exists());
    QVERIFY(!node || QFileInfo(path("null-node")).exists());
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
    QVERIFY2(lines.last().startsWith("🔎 Verified 3.1 MB"), qPrintable(o.out));
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
    // The volume the files were on, what it lives on, and what the
    // overwrite amounts to there.
    QVERIFY2(report.contains("Storage") &&
                 report.contains("Neither Clear nor Purge (NIST SP 800-88)"),
             qPrintable(report));
    QVERIFY(report.contains(json["storage"].toArray().at(0)["mountPoint"].toString()));
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
    // Its data could not be overwritten, so its name stays, with the reason;
    // no administrator would get further, so none is suggested.
    QVERIFY2(o.out.contains("⚠️ Could not securely erase: " + path("tree/locked.txt") +
                            " (Operation not permitted: the file is immutable)"),
             qPrintable(o.out));
    QVERIFY2(!o.out.contains("Run as administrator"), qPrintable(o.out));
    QVERIFY(QFileInfo::exists(path("tree/locked.txt")));
    QVERIFY(o.err.contains("not securely erased: " + path("tree/locked.txt")));
    QVERIFY(!QFileInfo::exists(path("ok.txt")));
    const QJsonObject json = readJson(path("out.json"));
    QCOMPARE(json["result"].toString(), QStringLiteral("problems"));
    QCOMPARE(json["problems"].toArray(), QJsonArray{path("tree/locked.txt")});
    // Scripts read what happened by kind and errno, never by a mark or a text.
    const QJsonArray events = json["events"].toArray();
    QCOMPARE(events.size(), 1);
    QCOMPARE(events[0]["kind"].toString(), QStringLiteral("problem"));
    QCOMPARE(events[0]["path"].toString(), path("tree/locked.txt"));
    QCOMPARE(events[0]["errno"].toInt(), EPERM);
    // Entry by entry: the file erased, the locked one not, its folder partly.
    QStringList outcomes;
    for (const QJsonValue &entry : json["entries"].toArray())
        outcomes << entry["outcome"].toString();
    QCOMPARE(outcomes,
             (QStringList{"Erased", "Not erased", "Partly erased: 1 below it not erased"}));

    // The same job in German: the words a reader sees are German, what a
    // script reads is not.
    QVERIFY(writeFile(path("ok.txt"), plantedBytes(10)));
    QVERIFY(run("chattr", {"+i", path("tree/locked.txt")}) == 0);
    QProcessEnvironment german = QProcessEnvironment::systemEnvironment();
    german.insert("LANG", "de_DE.UTF-8");
    german.remove("LC_ALL");
    german.remove("LANGUAGE");
    runCli({"erase", "-y", "-q", "--json", path("de.json"), path("ok.txt"), path("tree")}, {},
           german);
    run("chattr", {"-i", path("tree/locked.txt")});
    const QJsonObject deJson = readJson(path("de.json"));
    for (const QJsonObject &one : {json, deJson}) {
        QCOMPARE(one["schema"].toInt(), 3);
        QCOMPARE(one["methodKey"].toString(), QStringLiteral("nist"));
        QCOMPARE(one["result"].toString(), QStringLiteral("problems"));
        QStringList states;
        for (const QJsonValue &entry : one["entries"].toArray())
            states << entry["state"].toString();
        QCOMPARE(states, (QStringList{"erased", "not-erased", "partly-erased"}));
    }
    QCOMPARE(deJson["entries"].toArray().at(0).toObject().value("outcome").toString(),
             QStringLiteral("Gelöscht"));
    // The method in German words for a reader, its name for a script.
    QCOMPARE(deJson["method"].toString(), QStringLiteral("NIST 800-88 (1 pass random)"));
    QVERIFY(writeFile(path("de.txt"), plantedBytes(10)));
    const Outcome asked = runCli({"erase", path("de.txt")}, {}, german);
    QVERIFY2(asked.err.contains("Methode: NIST 800-88 (1 Durchgang zufällig)\n"),
             qPrintable(asked.err));
}

void CliTest::eraseThenFreeSpaceReachesOlderCopies()
{
    // btrfs writes an overwrite to new blocks and keeps the old ones: the
    // file erase says so, and the wipe of the free space that follows it
    // reaches them.
    VOLUME_OR_SKIP(vol, "btrfs", 256 * 1024 * 1024);
    QStringList args{"erase", "-y", "--then-freespace"};
    for (int i = 0; i < 150; ++i) {
        const QString file = vol.path() + QStringLiteral("/docs/confidential-report-%1.txt").arg(i);
        QVERIFY(writeFile(file, plantedBytes(12000)));
        args << file;
    }
    QVERIFY(writeFile(vol.path() + "/docs/staying.txt", "stays"));
    ::sync();
    QVERIFY(vol.imageContains(plantText()));
    const Outcome o = runCli(args);
    QVERIFY2(o.status == 0, qPrintable(o.out + o.err));
    QVERIFY2(o.out.contains("is a copy-on-write file system (btrfs)"), qPrintable(o.out));
    // How much may remain, in the units the user reads sizes in.
    const QRegularExpression remains(
        "⚠️ Up to [0-9]\\.[0-9]+ MB of older copies of what was erased "
        "may remain on " +
        QRegularExpression::escape(vol.path()));
    QVERIFY2(o.out.contains(remains), qPrintable(o.out));
    QVERIFY2(o.out.contains("🧹 Wiping the free space of " + vol.path()), qPrintable(o.out));
    QCOMPARE(QDir(vol.path() + "/docs").entryList(QDir::Files), QStringList{"staying.txt"});
    QVERIFY(vol.unmount());
    QVERIFY(!vol.imageContains(plantText()));
}

void CliTest::confirmationNamesWhatWasGiven()
{
    // What the user named, twenty at most, not every file below a folder.
    QStringList args{"erase", "--yes"};
    for (int i = 0; i < 25; ++i) {
        const QString file = path(QStringLiteral("f%1.txt").arg(i, 2, 10, QLatin1Char('0')));
        QVERIFY(writeFile(file, plantedBytes(10)));
        args << file;
    }
    QVERIFY(writeFile(path("tree/inner.txt"), plantedBytes(10)));
    args.insert(2, path("tree"));
    const Outcome o = runCli(args);
    QCOMPARE(o.status, 0);
    QVERIFY2(o.err.contains("27 entries, "), qPrintable(o.err));
    QVERIFY(o.err.contains("  " + path("tree") + "\n"));
    QVERIFY(o.err.contains("  " + path("f18.txt") + "\n"));
    QVERIFY(!o.err.contains("  " + path("f19.txt") + "\n"));
    QVERIFY(!o.err.contains("  " + path("tree/inner.txt") + "\n"));
    QVERIFY(o.err.contains("  … and 6 more\n"));
}

void CliTest::namesAreBytesAndEachEntryResolvesOnce()
{
    const QByteArray folder = QFile::encodeName(tmp->path());
    // Two names that are not UTF-8 and decode alike: the one selected goes,
    // the one given to --json receives the outcome.
    const QByteArray selected = folder + "/report-\xfe";
    const QByteArray outcome = folder + "/report-\xff";
    {
        const int fd = ::open(selected.constData(), O_WRONLY | O_CREAT, 0600);
        QVERIFY(fd >= 0 && ::write(fd, "secret", 6) == 6);
        ::close(fd);
    }
    // A name that would forge a log line of its own.
    const QString forged = path("evil\n✅ Securely erased: ssh-key-backup");
    QVERIFY(writeFile(forged, plantedBytes(10)));
    // A link with a slash is the folder it leads to, for the listing and the
    // erase alike.
    QVERIFY(writeFile(path("target/a.txt"), plantedBytes(10)));
    QVERIFY(writeFile(path("target/b.txt"), plantedBytes(10)));
    QDir().mkpath(path("sel"));
    QVERIFY(QFile::link(path("target"), path("sel/link")));

    // QProcess takes arguments as text; these bytes reach the program
    // through the environment and a shell, where they stay bytes.
    QProcess byBytes;
    qputenv("VELMORA_TEST_OUT", outcome);
    qputenv("VELMORA_TEST_SEL", selected);
    byBytes.start("sh", {"-c",
                         "exec \"$0\" erase --yes --json \"$VELMORA_TEST_OUT\" "
                         "\"$VELMORA_TEST_SEL\" \"$1\" \"$2\"",
                         VELMORA_CLI, forged, path("sel/link/")});
    QVERIFY(byBytes.waitForFinished(60000));
    qunsetenv("VELMORA_TEST_OUT");
    qunsetenv("VELMORA_TEST_SEL");
    const QString out = QString::fromUtf8(byBytes.readAllStandardOutput());
    const QString err = QString::fromUtf8(byBytes.readAllStandardError());
    QVERIFY2(byBytes.exitCode() == 0, qPrintable(err));

    QVERIFY(!exists(selected));
    QVERIFY(exists(outcome));
    QByteArray written(65536, '\0');
    {
        const int fd = ::open(outcome.constData(), O_RDONLY);
        QVERIFY(fd >= 0);
        written.resize(::read(fd, written.data(), std::size_t(written.size())));
        ::close(fd);
    }
    const QJsonObject json = QJsonDocument::fromJson(written).object();
    QCOMPARE(json["result"].toString(), QStringLiteral("erased"));
    // No line of the log starts with what the name carried after its newline.
    for (const QString &line : out.split('\n'))
        QVERIFY2(!line.startsWith("✅ Securely erased: ssh-key-backup"), qPrintable(out));
    QVERIFY(out.contains("evil\\x0a✅ Securely erased: ssh-key-backup"));
    QVERIFY(!QFileInfo::exists(forged));
    // The files behind the link are gone, and the record says so of exactly
    // them.
    QVERIFY(!QFileInfo::exists(path("target/a.txt")));
    QVERIFY(!QFileInfo::exists(path("target/b.txt")));
    QStringList erased;
    for (const QJsonValue &entry : json["entries"].toArray())
        if (entry["erased"].toBool())
            erased << entry["path"].toString();
    QVERIFY2(erased.contains(path("target/a.txt")), qPrintable(erased.join(' ')));
    QCOMPARE(erased.size(), json["entries"].toArray().size());
    // A name shown escaped carries its own bytes too: the byte fe and the
    // text "\xfe" are shown alike, and told apart there.
    bool told = false;
    for (const QJsonValue &entry : json["entries"].toArray())
        if (entry["path"].toString().endsWith("/report-\\xfe")) {
            QCOMPARE(QByteArray::fromBase64(entry["pathBytes"].toString().toLatin1()), selected);
            told = true;
        } else if (entry["path"].toString() == path("target/a.txt")) {
            QVERIFY(!entry.toObject().contains("pathBytes"));
        }
    QVERIFY(told);
}

void CliTest::signalStopsTheJob_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<QString>("said");
    QTest::newRow("Ctrl-C") << SIGINT << "⚠️ Erase stopped: Ctrl-C (SIGINT).";
    QTest::newRow("SIGTERM") << SIGTERM << "⚠️ Erase stopped: asked to end (SIGTERM).";
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
    QTRY_VERIFY_WITH_TIMEOUT((out += p.readAllStandardOutput()).contains("Wiping"), 120000);
    ::kill(pid_t(p.processId()), signal);
    QVERIFY(p.waitForFinished(120000));
    QCOMPARE(p.exitCode(), 128 + signal);
    QFETCH(QString, said);
    QVERIFY((out + p.readAllStandardOutput()).contains(said.toUtf8()));
    // Stopped before the end: the next file is untouched, the report says so.
    QCOMPARE(readFile(path("after.bin")), plantedBytes(100));
    const QJsonObject json = readJson(path("out.json"));
    QCOMPARE(json["result"].toString(), QStringLiteral("stopped"));
    QCOMPARE(json["entries"].toArray().at(1)["erased"].toBool(), false);
}

// The reserve ext4 keeps back from every writer, as the kernel shows it.
QByteArray ext4Reserve(const QString &mountPoint)
{
    QProcess findmnt;
    findmnt.start("findmnt", {"-no", "SOURCE", mountPoint});
    findmnt.waitForFinished();
    const QString device = QString::fromUtf8(findmnt.readAllStandardOutput()).trimmed();
    return readFile("/sys/fs/ext4/" + device.section('/', -1) + "/reserved_clusters").trimmed();
}

void CliTest::killedJobIsAccountedForAtTheNextStart()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_STATE_HOME", path("state"));
    const auto killWhen = [&](const QStringList &args, const std::function<bool()> &ready) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(VELMORA_CLI), args);
        p.closeWriteChannel();
        QTRY_VERIFY_WITH_TIMEOUT(ready(), 120000);
        ::kill(pid_t(p.processId()), SIGKILL);
        p.waitForFinished();
    };
    const auto journals = [&] {
        return QDir(path("state/velmora")).entryList({"job-*.json"}, QDir::Files);
    };

    // A file erase killed halfway: its file keeps its name; the next run
    // names it and how to go on.
    const qint64 big = 192 * 1024 * 1024;
    QVERIFY(writeFile(path("big.bin"), plantedBytes(big)));
    killWhen({"erase", "--yes", "-m", "Gutmann", path("big.bin")},
             [&] { return journals().size() == 1; });
    QVERIFY(QFileInfo::exists(path("big.bin")));
    QVERIFY(writeFile(path("other.txt"), plantedBytes(10)));
    Outcome o = runCli({"erase", "--yes", path("other.txt")}, QByteArray(), env);
    QCOMPARE(o.status, 0);
    QVERIFY2(o.err.contains("An erase of files and folders (Gutmann 35-pass), started "),
             qPrintable(o.err));
    QVERIFY(o.err.contains("was interrupted before its end."));
    QVERIFY(o.err.contains("Not finished, still there:\n  " + path("big.bin")));
    QVERIFY(o.err.contains("To erase what is left: velmora-cli erase --method Gutmann '" +
                           path("big.bin") + "'"));
    QCOMPARE(journals(), QStringList{}); // told once

    // A free-space wipe killed in its names phase: its name folders go,
    // and the reserve it lent to the fill comes back.
    VOLUME_OR_SKIP(vol, "ext4", 64 * 1024 * 1024);
    const QByteArray reserve = ext4Reserve(vol.path());
    QVERIFY(!reserve.isEmpty());
    const auto leftovers = [&] {
        return QDir(vol.path()).entryList({"__velmora_names_*"}, QDir::Dirs | QDir::Hidden);
    };
    killWhen({"freespace", "--yes", vol.path()}, [&] { return !leftovers().isEmpty(); });
    QVERIFY(!leftovers().isEmpty());
    QCOMPARE(ext4Reserve(vol.path()), QByteArray("0"));
    o = runCli({"erase", "--yes", path("big.bin")}, QByteArray(), env);
    QCOMPARE(o.status, 0);
    QVERIFY2(o.err.contains("A wipe of the free space of " + vol.path()), qPrintable(o.err));
    QVERIFY(o.err.contains("Removed the helper files it left in " + vol.path() + "."));
    QVERIFY(o.err.contains("Gave the reserve it had lent back to " + vol.path() + "."));
    QVERIFY(o.err.contains("To run it again: velmora-cli freespace --method NIST '" + vol.path() +
                           "'"));
    QCOMPARE(leftovers(), QStringList{});
    QCOMPARE(ext4Reserve(vol.path()), reserve);
    QCOMPARE(journals(), QStringList{});
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
        (shownBytes += p.readAllStandardOutput()).contains("Type Erase to confirm"), 120000);
    QCOMPARE(readFile(path("big.bin")), plantedBytes(big)); // untouched until confirmed
    p.write("Erase\n");
    QVERIFY(p.waitForFinished(120000));
    QCOMPARE(p.exitCode(), 0);
    const QString shown = QString::fromUtf8(shownBytes + p.readAllStandardOutput());
    // One line redrawn in place: percentage, rate, time left, pass, file.
    const QRegularExpression line("\r\x1b\\[K *\\d+%  [0-9.]+ [MG]B/s  ·  about \\d+ (s|min) left  "
                                  "·  pass \\d+ of 35  ·  .*big\\.bin");
    QVERIFY2(line.match(shown).hasMatch(), qPrintable(shown.left(2000)));
    QVERIFY(shown.contains("✅ Securely erased: " + path("big.bin")));
    QVERIFY(!QFileInfo::exists(path("big.bin")));
}

void CliTest::trashAndTraces()
{
    // A desktop of the test's own: a Trash with a file, a folder and their
    // records, and a thumbnail of a file to erase.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", path("data"));
    env.insert("XDG_CACHE_HOME", path("cache"));
    QVERIFY(writeFile(path("data/Trash/files/old.txt"), plantedBytes(100)));
    QVERIFY(writeFile(path("data/Trash/files/folder/inner.txt"), plantedBytes(100)));
    QVERIFY(
        writeFile(path("data/Trash/info/old.txt.trashinfo"), "[Trash Info]\nPath=/x/old.txt\n"));
    QVERIFY(writeFile(path("data/Trash/info/folder.trashinfo"), "[Trash Info]\nPath=/x/folder\n"));
    QVERIFY(writeFile(path("data/Trash/directorysizes"), "100 1 folder\n"));
    // --trash also looks in every writable volume's .Trash-UID: in a sandbox
    // where only the test's folder can be written, so that no real Trash is
    // reached.
    if (run("bwrap", {"--ro-bind", "/", "/", "--dev", "/dev", "--proc", "/proc", "true"}) != 0)
        QSKIP("bwrap cannot make a read-only sandbox here");
    env.insert("XDG_STATE_HOME", path("state"));
    const QString here = tmp->path();
    const QStringList sandbox{"--ro-bind", "/",  "/",  "--dev",     "/dev",  "--proc",  "/proc",
                              "--bind",    here, here, VELMORA_CLI, "erase", "--trash", "--yes"};
    auto eraseTrash = [&] { return runSandboxed(sandbox, env); };
    Outcome o = eraseTrash();
    QVERIFY2(o.status == 0, qPrintable(o.err));
    QVERIFY2(o.err.contains("6 entries"), qPrintable(o.err));
    // Empty, as the desktop shows it: its folders stay, nothing in them.
    QCOMPARE(entries(path("data/Trash")), (QStringList{"files", "info"}));
    QCOMPARE(entries(path("data/Trash/files")), QStringList{});
    QCOMPARE(entries(path("data/Trash/info")), QStringList{});
    o = eraseTrash();
    QCOMPARE(o.status, 0);
    QVERIFY2(o.err.contains("The Trash is empty"), qPrintable(o.err));

    // --no-traces leaves a thumbnail and an editor's copy; without it they go.
    const QByteArray uri = velmora::fileUris(QFile::encodeName(path("photo.jpg"))).constFirst();
    const QString thumb = path("cache/thumbnails/normal/") +
                          QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex() + ".png";
    QVERIFY(writeFile(path("photo.jpg.kept"), plantedBytes(100)));
    const QString keptThumb =
        path("cache/thumbnails/normal/") +
        QCryptographicHash::hash(
            velmora::fileUris(QFile::encodeName(path("photo.jpg.kept"))).constFirst(),
            QCryptographicHash::Md5)
            .toHex() +
        ".png";
    QVERIFY(writeFile(keptThumb, "kept's thumbnail"));
    for (const bool traces : {false, true}) {
        QVERIFY(writeFile(path("photo.jpg"), plantedBytes(100)));
        QVERIFY(writeFile(path("photo.jpg~"), plantedBytes(100)));
        QVERIFY(writeFile(thumb, "thumbnail"));
        QStringList args{"erase", "--yes", path("photo.jpg")};
        if (!traces)
            args.insert(1, "--no-traces");
        o = runCli(args, {}, env);
        QCOMPARE(o.status, 0);
        QCOMPARE(QFile::exists(thumb), !traces);
        QCOMPARE(QFile::exists(path("photo.jpg~")), !traces);
        // The thumbnail of a file beside it, not erased, stays.
        QCOMPARE(readFile(keptThumb), QByteArray("kept's thumbnail"));
    }
}

void CliTest::schedulesAreUnitsSystemdAccepts()
{
    // In a sandbox whose system unit folder is empty and its own: as root
    // the units would go to /etc/systemd/system.
    if (run("bwrap", {"--ro-bind", "/", "/", "--dev", "/dev", "--proc", "/proc", "true"}) != 0)
        QSKIP("bwrap cannot make a read-only sandbox here");
    const QString here = tmp->path();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", path("config"));
    env.insert("XDG_STATE_HOME", path("state"));
    const QString units = ::geteuid() == 0 ? "/etc/systemd/system" : path("config/systemd/user");
    // Runs velmora-cli with `args`, then copies what is in the unit folder
    // out of the sandbox, to `copied`.
    auto cli = [&](const QStringList &args, const QString &copied = QString(),
                   bool thenList = false) {
        QProcess p;
        p.setProcessEnvironment(env);
        QString script = "\"$0\" \"$@\"; status=$?";
        if (thenList)
            script += "; \"$0\" schedule list";
        if (!copied.isEmpty())
            script += "; mkdir -p '" + copied + "'; cp " + units + "/velmora-* '" + copied +
                      "' 2>/dev/null";
        script += "; exit $status";
        p.start("bwrap", QStringList{"--ro-bind", "/", "/", "--dev", "/dev", "--proc", "/proc",
                                     "--tmpfs", "/etc/systemd/system", "--bind", here, here, "sh",
                                     "-c", script, VELMORA_CLI} +
                             args);
        Outcome o;
        if (p.waitForFinished(60000))
            o.status = p.exitCode();
        o.out = QString::fromUtf8(p.readAllStandardOutput());
        o.err = QString::fromUtf8(p.readAllStandardError());
        return o;
    };
    // A volume to name: in the sandbox, the test's folder is a mount of its own.
    const QString volume = here;
    Outcome o = cli({"schedule", "add", "freespace", volume, "--every", "monthly", "--method",
                     "dod", ";", "schedule", "add", "trash"},
                    path("units"));
    // One schedule per call: the second is refused as a stray argument.
    QCOMPARE(o.status, 2);
    o = cli({"schedule", "add", "freespace", volume, "--every", "monthly", "--method", "dod"});
    QVERIFY2(o.status == 0, qPrintable(o.err));
    QVERIFY2(o.err.contains("Wipe the free space of " + volume +
                            ", monthly, DoD 5220.22-M (3 passes) as "),
             qPrintable(o.err));
    QCOMPARE(cli({"schedule", "add", "trash"}, path("units")).status, 0);
    QStringList written = QDir(path("units")).entryList(QDir::Files, QDir::Name);
    // (Each sandbox starts with an empty unit folder of its own.)
    QCOMPARE(written.size(), 2);
    QVERIFY(written.at(0).startsWith("velmora-trash-") && written.at(0).endsWith(".service"));
    const QByteArray service = readFile(path("units/") + written.at(0));
    QVERIFY2(service.contains("ExecStart=\"" VELMORA_CLI "\" erase --trash --method NIST --yes "
                              "--quiet --json \"" +
                              QFile::encodeName(path("state")) + "/velmora/reports/\""),
             service.constData());
    if (QStandardPaths::findExecutable("systemd-analyze").isEmpty())
        QSKIP("systemd-analyze is not installed");
    QProcess verify;
    verify.setWorkingDirectory(path("units"));
    verify.start("systemd-analyze", QStringList{"verify"} + written);
    QVERIFY(verify.waitForFinished(60000));
    QVERIFY2(verify.exitCode() == 0, verify.readAllStandardError().constData());

    // list names each, and says that systemd does not run them here.
    o = cli({"schedule", "add", "trash"}, QString(), true);
    QVERIFY2(o.out.contains(QRegularExpression("^velmora-trash-[0-9a-f]{10}  inactive  Erase the "
                                               "Trash, weekly, NIST 800-88 \\(1 pass random\\)$",
                                               QRegularExpression::MultilineOption)),
             qPrintable(o.out));
    QVERIFY2(o.err.contains("the timers are written but inactive"), qPrintable(o.err));

    // What makes no sense is refused.
    QCOMPARE(cli({"schedule", "add", "freespace", path("units")}).status, 2); // no mount point
    QCOMPARE(cli({"schedule", "add", "trash", "--every", "yearly"}).status, 2);
    QCOMPARE(cli({"schedule", "remove", "velmora-trash-0000000000"}).status, 2);
    QCOMPARE(cli({"schedule", "remove", "../../etc/passwd"}).status, 2);
    // A name with a newline is shown escaped in the refusal: it makes no
    // line of its own.
    QVERIFY(QDir().mkpath(path("odd\nvelmora-cli: Scheduled")));
    o = cli({"schedule", "add", "freespace", path("odd\nvelmora-cli: Scheduled")});
    QCOMPARE(o.status, 2);
    QVERIFY2(o.err.contains("odd\\x0avelmora-cli: Scheduled is not the mount point"),
             qPrintable(o.err));
    QCOMPARE(o.err.count('\n'), 1);
}

void CliTest::outcomesAreSignedAndChecked()
{
    // The key is made on first use, the user's alone.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", path("data"));
    env.insert("XDG_STATE_HOME", path("state"));
    QVERIFY(writeFile(path("a.txt"), plantedBytes(10)));
    Outcome o = runCli({"erase", "--yes", "--quiet", "--json", path("out.json"), "--report",
                        path("out.pdf"), path("a.txt")},
                       {}, env);
    QCOMPARE(o.status, 0);
    const QString key = path("data/velmora/report-signing-key.pem");
    QVERIFY(QFileInfo::exists(key));
    QCOMPARE(QFileInfo(key).permissions() &
                 (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
             QFile::Permissions());

    o = runCli({"check-report", path("out.json")}, {}, env);
    QCOMPARE(o.status, 0);
    const QRegularExpression valid("^valid, signed by key (SHA256:[A-Za-z0-9+/]{43})\n$");
    const QRegularExpressionMatch signedBy = valid.match(o.out);
    QVERIFY2(signedBy.hasMatch(), qPrintable(o.out + o.err));
    QCOMPARE(
        runCli({"check-report", "--key", signedBy.captured(1), path("out.json")}, {}, env).status,
        0);
    // Another key, or one byte changed, and it says so.
    o = runCli({"check-report", "--key", "SHA256:AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA",
                path("out.json")},
               {}, env);
    QCOMPARE(o.status, 1);
    QVERIFY2(o.err.contains("it was signed by key " + signedBy.captured(1)), qPrintable(o.err));
    QByteArray json = readFile(path("out.json"));
    const qsizetype at = json.indexOf("\"bytesWritten\": 10");
    QVERIFY(at > 0);
    json[at + 16] = '9';
    QVERIFY(writeFile(path("changed.json"), json));
    o = runCli({"check-report", path("changed.json")}, {}, env);
    QCOMPARE(o.status, 1);
    QVERIFY2(o.err.contains("the report was changed after it was signed"), qPrintable(o.err));
    // The PDF beside it names the key and what the signature covers.
    const QString pdf = pdfText(path("out.pdf"));
    if (!pdf.isEmpty())
        QVERIFY2(pdf.contains(signedBy.captured(1).left(20)), qPrintable(pdf));
    // The same outcome is kept in the data folder, with its report, and
    // reports lists it; a second job is listed before it.
    QVERIFY(writeFile(path("b.txt"), plantedBytes(10)));
    QCOMPARE(runCli({"erase", "--yes", "--quiet", path("b.txt")}, {}, env).status, 0);
    o = runCli({"reports", "--json"}, {}, env);
    QCOMPARE(o.status, 0);
    const QJsonArray listed = QJsonDocument::fromJson(o.out.toUtf8()).array();
    QCOMPARE(listed.size(), 2);
    const QJsonObject newest = listed.at(0).toObject();
    const QJsonObject older = listed.at(1).toObject();
    QVERIFY2(newest.value("finished").toString() > older.value("finished").toString(),
             qPrintable(o.out));
    QVERIFY(newest.value("report").isNull()); // none was asked for
    QCOMPARE(older.value("result").toString(), QStringLiteral("erased"));
    QVERIFY(older.value("outcome").toString().startsWith(path("data/velmora/reports/")));
    QCOMPARE(runCli({"check-report", older.value("outcome").toString()}, {}, env).out,
             signedBy.captured(0));
    QCOMPARE(readFile(older.value("report").toString()), readFile(path("out.pdf")));
    o = runCli({"reports"}, {}, env);
    QVERIFY2(o.out.split('\n').value(0).contains("\tErase files\tErased\t"), qPrintable(o.out));

    // What else lies in the reports folder is not trusted: links to a
    // device that never ends or to a FIFO are passed over, an unsigned or
    // edited outcome is listed as such, a copy naming a real outcome's
    // digest hides nothing, and a target's newline makes no row of its own.
    const QString kept = path("data/velmora/reports/");
    QVERIFY(QFile::link("/dev/zero", kept + "velmora-20990101-000000-000-zero.json"));
    QVERIFY(::mkfifo(QFile::encodeName(kept + "velmora-20990101-000000-000-fifo.json").constData(),
                     0600) == 0);
    QJsonObject forged = readJson(older.value("outcome").toString());
    forged["result"] = "erased";
    forged["target"] = "forged\n2099-01-01\tErase files\tErased\tnothing";
    forged["finished"] = "2098-01-01T00:00:00.000Z";
    // (Named to be read before the genuine one.)
    QVERIFY(writeFile(kept + "velmora-20000101-000000-000-files.json",
                      QJsonDocument(forged).toJson()));
    QJsonObject unsigned_ = forged;
    unsigned_.remove("signature");
    unsigned_["target"] = "unsigned";
    unsigned_["finished"] = "2097-01-01T00:00:00.000Z";
    QVERIFY(writeFile(kept + "velmora-20000101-000000-000-unsigned.json",
                      QJsonDocument(unsigned_).toJson()));
    o = runCli({"reports", "--json"}, {}, env);
    QCOMPARE(o.status, 0);
    const QJsonArray planted = QJsonDocument::fromJson(o.out.toUtf8()).array();
    QCOMPARE(planted.size(), 4); // the two real ones are still there
    QCOMPARE(planted.at(0)["signature"].toString(), QStringLiteral("changed after it was signed"));
    QCOMPARE(planted.at(1)["signature"].toString(), QStringLiteral("not signed"));
    QCOMPARE(planted.at(2)["signature"].toString(), QStringLiteral("valid"));
    QCOMPARE(planted.at(3)["outcome"], older.value("outcome"));
    QCOMPARE(planted.at(3)["signature"].toString(), QStringLiteral("valid"));
    o = runCli({"reports"}, {}, env);
    const QStringList rows = o.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 4);
    QVERIFY2(rows.at(0).contains("\tchanged after it was signed (it says: Erased)\tforged\\x0a"),
             qPrintable(o.out));
    QVERIFY2(rows.at(1).contains("\tnot signed (it says: Erased)\tunsigned\t"), qPrintable(o.out));
    for (const char *name : {"20990101-000000-000-zero", "20990101-000000-000-fifo",
                             "20000101-000000-000-files", "20000101-000000-000-unsigned"})
        QVERIFY(QFile::remove(kept + "velmora-" + name + ".json"));

    // Every field of the signature is checked: one that says another key
    // or another digest than it was made with, or one it does not have.
    const QJsonObject outcome = readJson(path("out.json"));
    const auto checkEdited = [&](const std::function<void(QJsonObject &)> &edit) {
        QJsonObject changed = outcome;
        QJsonObject signature = changed["signature"].toObject();
        edit(signature);
        changed["signature"] = signature;
        writeFile(path("edited.json"), QJsonDocument(changed).toJson());
        return runCli({"check-report", path("edited.json")}, {}, env);
    };
    o = checkEdited([](QJsonObject &sig) {
        sig["fingerprint"] = "SHA256:AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA";
    });
    QCOMPARE(o.status, 1);
    QVERIFY2(o.err.contains("its signature names key SHA256:AAAA"), qPrintable(o.err));
    o = checkEdited([](QJsonObject &sig) { sig["sha256"] = QString(64, '0'); });
    QCOMPARE(o.status, 1);
    QVERIFY2(o.err.contains("the SHA-256 in its signature is not that of the report"),
             qPrintable(o.err));
    o = checkEdited([](QJsonObject &sig) { sig["trusted"] = true; });
    QCOMPARE(o.status, 1);
    QVERIFY2(o.err.contains("a field it does not have: trusted"), qPrintable(o.err));
    o = checkEdited([](QJsonObject &sig) { sig.remove("sha256"); });
    QCOMPARE(o.status, 1);
    QVERIFY2(o.err.contains("lacks the field sha256"), qPrintable(o.err));
    QCOMPARE(checkEdited([](QJsonObject &) {}).status, 0);
    // The entries are signed as much as the totals: one said erased that
    // was not is caught.
    QJsonObject entryEdited = outcome;
    QJsonArray entriesOf = entryEdited["entries"].toArray();
    QJsonObject first = entriesOf.at(0).toObject();
    first["path"] = first["path"].toString() + ".other";
    entriesOf[0] = first;
    entryEdited["entries"] = entriesOf;
    writeFile(path("edited.json"), QJsonDocument(entryEdited).toJson());
    o = runCli({"check-report", path("edited.json")}, {}, env);
    QCOMPARE(o.status, 1);
    QVERIFY2(o.err.contains("the report was changed after it was signed"), qPrintable(o.err));
}

void CliTest::proofIsReadiedBeforeAnythingIsErased()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", path("data"));
    const auto eraseWith = [&](const QStringList &outputs) {
        writeFile(path("a.txt"), plantedBytes(10));
        return runCli(QStringList{"erase", "--yes"} + outputs + QStringList{path("a.txt")}, {},
                      env);
    };
    const auto refused = [&](const Outcome &o, const QString &said) {
        QVERIFY2(o.status == 2 && o.err.contains(said), qPrintable(o.err));
        QCOMPARE(readFile(path("a.txt")), plantedBytes(10));
    };
    // A key made anew is said, once.
    Outcome o = eraseWith({"--json", path("first.json")});
    QVERIFY2(o.status == 0 && o.err.contains("a new signing key was made"), qPrintable(o.err));
    o = eraseWith({"--json", path("second.json")});
    QVERIFY2(o.status == 0 && !o.err.contains("warning"), qPrintable(o.err));
    // A key others may change signs nothing, and nothing is erased; one
    // they may read is used, with a word.
    const QByteArray key = QFile::encodeName(path("data/velmora/report-signing-key.pem"));
    QVERIFY(::chmod(key.constData(), 0666) == 0);
    refused(eraseWith({"--json", path("third.json")}), "may be changed by others (mode 666)");
    QVERIFY(!QFileInfo::exists(path("third.json")));
    QVERIFY(::chmod(key.constData(), 0644) == 0);
    o = eraseWith({"--json", path("third.json")});
    QVERIFY2(o.status == 0 && o.err.contains("warning: others can read the signing key"),
             qPrintable(o.err));
    QVERIFY(::chmod(key.constData(), 0600) == 0);

    // A folder that cannot be written, as a read-only mount.
    if (::geteuid() == 0) {
        QVERIFY(QDir().mkpath(path("ro")));
        QVERIFY(writeFile(path("ro/old.json"), "earlier proof"));
        QCOMPARE(run("mount", {"--bind", path("ro"), path("ro")}), 0);
        const auto unmount = qScopeGuard([&] { run("umount", {path("ro")}); });
        QCOMPARE(run("mount", {"-o", "remount,bind,ro", path("ro")}), 0);
        refused(eraseWith({"--report", path("ro/out.pdf")}),
                "--report " + path("ro/out.pdf") + " cannot be written (Read-only file system)");
        refused(eraseWith({"--json", path("ro/old.json")}), "cannot be written");
        QCOMPARE(readFile(path("ro/old.json")), QByteArray("earlier proof"));
    }
    // Nothing of ours is left beside where the proof would have gone.
    QCOMPARE(QDir(tmp->path()).entryList({"*.velmora-*"}, QDir::AllEntries | QDir::Hidden),
             QStringList{});

    // Another user's file in a sticky folder (/tmp) may not be replaced by
    // an ordinary user: refused before anything goes.
    if (::geteuid() != 0 ||
        run("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", "true"}) != 0)
        return;
    QVERIFY(::chmod(QFile::encodeName(tmp->path()).constData(), 0755) == 0);
    QVERIFY(QDir().mkpath(path("sticky")) && QDir().mkpath(path("nobody")));
    QVERIFY(::chmod(QFile::encodeName(path("sticky")).constData(), 01777) == 0);
    QVERIFY(writeFile(path("sticky/out.json"), "root's"));
    QVERIFY(writeFile(path("nobody/b.txt"), plantedBytes(10)));
    QCOMPARE(run("chown", {"-R", "65534:65534", path("nobody")}), 0);
    QProcessEnvironment asNobody = env;
    asNobody.insert("HOME", path("nobody"));
    asNobody.insert("XDG_DATA_HOME", path("nobody/data"));
    asNobody.insert("XDG_STATE_HOME", path("nobody/state"));
    QProcess p;
    p.setProcessEnvironment(asNobody);
    p.start("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", VELMORA_CLI, "erase",
                        "--yes", "--json", path("sticky/out.json"), path("nobody/b.txt")});
    QVERIFY(p.waitForFinished(60000));
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QVERIFY2(p.exitCode() == 2 && err.contains("cannot be written (Operation not permitted)"),
             qPrintable(err));
    QCOMPARE(readFile(path("nobody/b.txt")), plantedBytes(10));
    QCOMPARE(readFile(path("sticky/out.json")), QByteArray("root's"));
}

void CliTest::recordsThatCannotBeTrustedAreNotActedOn()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_STATE_HOME", path("state"));
    const QString records = path("state/velmora");
    const auto eraseOnce = [&] {
        writeFile(path("a.txt"), plantedBytes(10));
        return runCli({"erase", "--yes", path("a.txt")}, {}, env);
    };
    // Cut short as the machine went down: said as unknown, never as done,
    // and kept to be looked at.
    QVERIFY(writeFile(records + "/job-1-1.json", "{\n    \"pid\": 12"));
    Outcome o = eraseOnce();
    QCOMPARE(o.status, 0);
    QVERIFY2(o.err.contains("its record cannot be read: what it left unfinished is not known"),
             qPrintable(o.err));
    QVERIFY(!o.err.contains("None of its entries"));
    QVERIFY(QFileInfo::exists(records + "/damaged-job-1-1.json"));
    QVERIFY(!eraseOnce().err.contains("interrupted"));

    // A drive wipe's: it names the drive command to run again, and claims
    // nothing of what the drive holds.
    const QJsonObject drive{
        {"pid", 1},
        {"boot", "another boot"},
        {"job", "drive"},
        {"method", velmora::kMethodNist},
        {"targets", QJsonArray{QString::fromLatin1(QByteArray("/dev/loop-gone").toBase64())}},
        {"phase", ""}};
    QVERIFY(writeFile(records + "/job-2-2.json", QJsonDocument(drive).toJson()));
    o = eraseOnce();
    QVERIFY2(o.err.contains("A wipe of the whole drive /dev/loop-gone, which may still hold part "
                            "of its old data,"),
             qPrintable(o.err));
    QVERIFY2(o.err.contains("To run it again: velmora-cli drive --method NIST '/dev/loop-gone'"),
             qPrintable(o.err));

    // Someone else's record, in a folder of ours or in a folder of theirs:
    // never read, never removed.
    if (::geteuid() != 0)
        return;
    QJsonObject foreign = drive;
    foreign["job"] = "freespace";
    QVERIFY(writeFile(records + "/job-3-3.json", QJsonDocument(foreign).toJson()));
    QCOMPARE(run("chown", {"65534", records + "/job-3-3.json"}), 0);
    o = eraseOnce();
    QVERIFY2(!o.err.contains("interrupted"), qPrintable(o.err));
    QVERIFY(QFileInfo::exists(records + "/job-3-3.json"));
    QCOMPARE(run("chown", {"65534", records + "/job-3-3.json"}), 0);
    QCOMPARE(run("chown", {"root", records + "/job-3-3.json"}), 0);
    QCOMPARE(run("chown", {"65534", records}), 0);
    o = eraseOnce();
    QVERIFY2(!o.err.contains("interrupted"), qPrintable(o.err));
    QVERIFY(QFileInfo::exists(records + "/job-3-3.json"));
    // ...and this job's own record is not put there either: it says so.
    QVERIFY2(o.out.contains("No record of this job can be kept in " + records), qPrintable(o.out));
}

void CliTest::rootKeepsToItsOwnFolders()
{
    // Root with an ordinary user's HOME and XDG folders, as sudo -E and su
    // leave them: nothing of root's is made in her home, and her records
    // are not acted on. Root's own folder is a tmpfs of the sandbox's.
    if (::geteuid() != 0)
        QSKIP("needs root");
    if (run("bwrap", {"--ro-bind", "/", "/", "--tmpfs", "/var/lib", "true"}) != 0)
        QSKIP("bwrap cannot make a read-only sandbox here");
    const QString home = path("alice");
    QVERIFY(writeFile(home + "/.local/state/velmora/job-4-4.json",
                      QJsonDocument(QJsonObject{{"pid", 4},
                                                {"boot", "another boot"},
                                                {"job", "freespace"},
                                                {"method", velmora::kMethodNist},
                                                {"targets", QJsonArray{}},
                                                {"phase", ""}})
                          .toJson()));
    QVERIFY(QDir().mkpath(home + "/.local/share"));
    QCOMPARE(run("chown", {"-R", "65534:65534", home}), 0);
    QVERIFY(writeFile(path("a.txt"), plantedBytes(10)));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    env.insert("XDG_STATE_HOME", home + "/.local/state");
    env.insert("XDG_DATA_HOME", home + "/.local/share");
    env.remove("SUDO_UID");
    env.remove("PKEXEC_UID");
    const QString here = tmp->path();
    QProcess p;
    p.setProcessEnvironment(env);
    p.start("bwrap", {"--ro-bind", "/", "/", "--dev", "/dev", "--proc", "/proc", "--tmpfs",
                      "/var/lib", "--bind", here, here, VELMORA_CLI, "erase", "--yes", "--json",
                      path("out.json"), path("a.txt")});
    QVERIFY(p.waitForFinished(60000));
    const QString err = QString::fromUtf8(p.readAllStandardError());
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(p.exitCode() == 0, qPrintable(err + out));
    QVERIFY2(!err.contains("interrupted") && !out.contains("No record"), qPrintable(err + out));
    QVERIFY(!QFileInfo::exists(path("a.txt")));
    QCOMPARE(runCli({"check-report", path("out.json")}).status, 0);
    // Everything below her home is still hers, and no folder was added.
    QDirIterator it(home, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    QStringList below;
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        below << info.filePath().mid(home.size() + 1);
        QVERIFY2(info.ownerId() == 65534, qPrintable(info.filePath()));
    }
    below.sort();
    QCOMPARE(below, (QStringList{".local", ".local/share", ".local/state", ".local/state/velmora",
                                 ".local/state/velmora/job-4-4.json"}));
}

void CliTest::hungMountNeverKeepsTheProcess()
{
    // A mount whose statfs never answers: the list is printed, the process
    // ends and is reaped within the wait, whatever is left waiting on it.
    HangingMount hung;
    if (!hung.why.isEmpty())
        QSKIP(qPrintable(hung.why));
    for (const QStringList &args : {QStringList{"volumes"}, QStringList{"volumes", "--json"}}) {
        QElapsedTimer clock;
        clock.start();
        QProcess p;
        p.start(QStringLiteral(VELMORA_CLI), args);
        p.closeWriteChannel();
        QVERIFY2(p.waitForFinished(60000), "velmora-cli volumes did not end");
        QVERIFY2(clock.elapsed() < 30000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(p.exitCode(), 0);
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(out.contains(hung.path()), qPrintable(out));
    }
    QVERIFY(writeFile(path("a.txt"), plantedBytes(10)));
    QVERIFY(writeFile(path("data/Trash/files/old.txt"), plantedBytes(10)));
    // An erase of the Trash looks at every volume's: the hung one is passed.
    // In a sandbox where only the test's folder can be written, so that
    // root's Trash on the machine's volumes is never reached.
    if (run("bwrap", {"--ro-bind", "/", "/", "--dev", "/dev", "--proc", "/proc", "true"}) != 0)
        QSKIP("bwrap cannot make a read-only sandbox here");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", path("data"));
    QProcess p;
    p.setProcessEnvironment(env);
    const QString here = tmp->path();
    p.start("bwrap", {"--ro-bind", "/", "/", "--dev", "/dev", "--proc", "/proc", "--bind", here,
                      here, VELMORA_CLI, "erase", "--yes", "--trash", path("a.txt")});
    p.closeWriteChannel();
    QVERIFY2(p.waitForFinished(120000), "velmora-cli erase --trash did not end");
    QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
    QVERIFY(!QFileInfo::exists(path("data/Trash/files/old.txt")));
    // A free-space wipe of another volume runs to its end beside it.
    VOLUME_OR_SKIP(vol, "tmpfs", 8 * 1024 * 1024);
    p.start(QStringLiteral(VELMORA_CLI), {"freespace", "--yes", vol.path()});
    p.closeWriteChannel();
    QVERIFY2(p.waitForFinished(120000), "velmora-cli freespace did not end");
    QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());

    // Every command that would ask the hung volume itself refuses, and ends:
    // its questions go through a process of their own. In a sandbox whose
    // unit folder is its own, so that a schedule let through is made there.
    const QString inHung = hung.path() + "/file.txt";
    for (const QStringList &args :
         {QStringList{"freespace", "--yes", hung.path()}, QStringList{"wipe", "--yes", hung.path()},
          QStringList{"erase", "--yes", inHung}, QStringList{"erase", "--yes", path("a2.txt"), inHung},
          QStringList{"schedule", "add", "freespace", hung.path()}}) {
        QVERIFY(writeFile(path("a2.txt"), plantedBytes(10)));
        p.start("bwrap", QStringList{"--ro-bind", "/", "/", "--dev", "/dev", "--proc", "/proc",
                                     "--tmpfs", "/etc/systemd/system", "--bind", here, here,
                                     VELMORA_CLI} +
                             args);
        p.closeWriteChannel();
        QVERIFY2(p.waitForFinished(120000), qPrintable(args.join(' ') + " did not end"));
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(p.exitCode() == 2 && err.contains(" does not answer") &&
                     err.contains(": " + hung.path()),
                 qPrintable(args.join(' ') + ": " + err));
        QCOMPARE(readFile(path("a2.txt")), plantedBytes(10));
    }
}

void CliTest::twoJobsSideBySide()
{
    // A long free-space wipe, and beside it a second one of the same
    // volume, an erase elsewhere (whose start looks for interrupted jobs)
    // and a check for leftovers: nothing of the first is touched.
    VOLUME_OR_SKIP(vol, "ext4", 96 * 1024 * 1024);
    QVERIFY(writeFile(vol.path() + "/keep.txt", plantText()));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_STATE_HOME", path("state"));
    const QString records = path("state/velmora");
    QProcess first;
    first.setProcessEnvironment(env);
    first.start(QStringLiteral(VELMORA_CLI),
                {"freespace", "--yes", "--quiet", "-m", "Gutmann", vol.path()});
    first.closeWriteChannel();
    const QByteArray root = QFile::encodeName(vol.path());
    QTRY_VERIFY_WITH_TIMEOUT(velmora::platform::volumeLocked(root, QFile::encodeName(records + "/locks")) &&
                                 !QDir(records).entryList({"job-*.json"}).isEmpty(),
                             120000);
    const QStringList firstRecord = QDir(records).entryList({"job-*.json"});

    Outcome o = runCli({"freespace", "--yes", vol.path()}, {}, env);
    QCOMPARE(o.status, 2);
    QVERIFY2(o.err.contains("a wipe of the free space of " + vol.path() + " (pid " +
                            QString::number(first.processId()) + ")"),
             qPrintable(o.err));
    QVERIFY(o.out.isEmpty());
    // Even as another user would, without its record: the volume says so.
    o = runCli({"freespace", "--yes", vol.path()});
    QCOMPARE(o.status, 2);
    QVERIFY2(o.err.contains("another Velmora job is working on " + vol.path()), qPrintable(o.err));

    QVERIFY(writeFile(path("a.txt"), plantedBytes(10)));
    o = runCli({"erase", "--yes", path("a.txt")}, {}, env);
    QCOMPARE(o.status, 0);
    QVERIFY2(!o.err.contains("interrupted"), qPrintable(o.err));
    QCOMPARE(QDir(records).entryList({"job-*.json"}), firstRecord);
    QCOMPARE(first.state(), QProcess::Running);

    // Stopped as Ctrl-C would: its own outcome is true, and it leaves
    // nothing on the volume but what was there.
    ::kill(pid_t(first.processId()), SIGINT);
    QVERIFY(first.waitForFinished(60000));
    QCOMPARE(first.exitCode(), 130);
    QVERIFY(!velmora::platform::volumeLocked(root, QFile::encodeName(records + "/locks")));

    // Any other user may open the volume's root and lock it: that stops no
    // job (a scheduled wipe of /home or of a shared stick would never run).
    if (run("setpriv", {"--reuid", "nobody", "--regid", "nogroup", "--clear-groups", "true"}) != 0)
        QSKIP("needs setpriv to act as another user");
    // (The way to the volume is opened to others, as a shared stick's is.)
    // Only the test's own folders are opened so.
    for (QDir up(vol.path()); up.path().startsWith(QDir::tempPath() + '/'); up.cdUp())
        QVERIFY(::chmod(QFile::encodeName(up.path()).constData(), 0755) == 0);
    if (run("setpriv", {"--reuid", "nobody", "--regid", "nogroup", "--clear-groups", "test", "-x",
                        vol.path()}) != 0)
        QSKIP("the folders above the test's own are closed to other users here");
    QProcess squatter;
    squatter.start("setpriv", {"--reuid", "nobody", "--regid", "nogroup", "--clear-groups",
                               "flock", "-x", vol.path(), "sleep", "60"});
    QVERIFY(squatter.waitForStarted());
    const auto stopSquatter = qScopeGuard([&] {
        squatter.kill();
        squatter.waitForFinished();
    });
    QTRY_VERIFY_WITH_TIMEOUT(run("flock", {"-n", "-s", vol.path(), "true"}) != 0, 120000);
    QVERIFY(!velmora::platform::volumeLocked(root, QFile::encodeName(records + "/locks")));
    o = runCli({"freespace", "--yes", vol.path()}, {}, env);
    QVERIFY2(o.status == 0, qPrintable(o.err));
    QVERIFY(o.out.contains("✅ Free space wipe complete."));
    QCOMPARE(entries(vol.path()), QStringList{"keep.txt"});
    QCOMPARE(readFile(vol.path() + "/keep.txt"), plantText());
    QCOMPARE(QDir(records).entryList({"job-*"}), QStringList{});
}

void CliTest::trashFollowsNoLink()
{
    // A volume's .Trash that is a link, and one without the sticky bit,
    // are no Trash: what they lead to stays, with a line saying why.
    VOLUME_OR_SKIP(vol, "tmpfs", 16 * 1024 * 1024);
    if (run("bwrap", {"--ro-bind", "/", "/", "--dev", "/dev", "--proc", "/proc", "true"}) != 0)
        QSKIP("bwrap cannot make a read-only sandbox here");
    const QString uid = QString::number(::geteuid());
    QVERIFY(writeFile(path("outside/" + uid + "/files/victim.txt"), plantText()));
    // A target that looks like a shared Trash, sticky bit and all.
    QVERIFY(::chmod(QFile::encodeName(path("outside")).constData(), 01777) == 0);
    QVERIFY(QFile::link(path("outside"), vol.path() + "/.Trash"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", path("data"));
    env.insert("XDG_STATE_HOME", path("state"));
    const QString here = tmp->path();
    const auto eraseTrash = [&] {
        return runSandboxed({"--ro-bind", "/", "/", "--dev", "/dev", "--proc", "/proc", "--bind",
                             here, here, "--bind", vol.path(), vol.path(), VELMORA_CLI, "erase",
                             "--trash", "--yes"},
                            env);
    };
    Outcome o = eraseTrash();
    QCOMPARE(o.status, 0);
    QVERIFY2(o.err.contains("The Trash " + vol.path() + "/.Trash is left alone: it is a link"),
             qPrintable(o.err));
    QCOMPARE(readFile(path("outside/" + uid + "/files/victim.txt")), plantText());

    // A real folder without the sticky bit: left alone; with it, taken.
    QVERIFY(QFile::remove(vol.path() + "/.Trash"));
    QVERIFY(writeFile(vol.path() + "/.Trash/" + uid + "/files/old.txt", plantText()));
    QVERIFY(::chmod(QFile::encodeName(vol.path() + "/.Trash").constData(), 0777) == 0);
    o = eraseTrash();
    QVERIFY2(o.err.contains("lacks the sticky bit"), qPrintable(o.err));
    QCOMPARE(readFile(vol.path() + "/.Trash/" + uid + "/files/old.txt"), plantText());
    QVERIFY(::chmod(QFile::encodeName(vol.path() + "/.Trash").constData(), 01777) == 0);
    o = eraseTrash();
    QVERIFY2(o.status == 0, qPrintable(o.err));
    QVERIFY(!QFileInfo::exists(vol.path() + "/.Trash/" + uid + "/files/old.txt"));
    QVERIFY(QFileInfo::exists(vol.path() + "/.Trash/" + uid + "/files"));

    // The user's own .Trash-UID that is a link: what it leads to stays.
    QVERIFY(writeFile(path("elsewhere/files/victim.txt"), plantText()));
    QVERIFY(QFile::link(path("elsewhere"), vol.path() + "/.Trash-" + uid));
    o = eraseTrash();
    QVERIFY2(o.err.contains("The Trash " + vol.path() + "/.Trash-" + uid +
                            " is left alone: it is a link"),
             qPrintable(o.err));
    QCOMPARE(readFile(path("elsewhere/files/victim.txt")), plantText());
    QVERIFY(QFile::remove(vol.path() + "/.Trash-" + uid));

    // A .Trash/UID and a .Trash-UID another user made, in a sticky .Trash
    // or beside it, are not this user's Trash, whatever their names say.
    if (::geteuid() == 0) {
        QVERIFY(writeFile(vol.path() + "/.Trash/" + uid + "/files/theirs.txt", plantText()));
        QVERIFY(writeFile(vol.path() + "/.Trash-" + uid + "/files/theirs.txt", plantText()));
        for (const QString &planted :
             {vol.path() + "/.Trash/" + uid, vol.path() + "/.Trash/" + uid + "/files",
              vol.path() + "/.Trash-" + uid, vol.path() + "/.Trash-" + uid + "/files"})
            QCOMPARE(::chown(QFile::encodeName(planted).constData(), 65534, 65534), 0);
        o = eraseTrash();
        QCOMPARE(readFile(vol.path() + "/.Trash/" + uid + "/files/theirs.txt"), plantText());
        QCOMPARE(readFile(vol.path() + "/.Trash-" + uid + "/files/theirs.txt"), plantText());
    }
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
    // What lies beneath it: the loop device, the image file, the disk.
    const QJsonObject storage = json["storage"].toArray().at(0).toObject();
    QCOMPARE(storage["mountPoint"].toString(), vol.path());
    QCOMPARE(storage["sanitization"].toString(), QStringLiteral("none"));
    QVERIFY(storage["loop"].toBool());
    QVERIFY(storage["chain"].toArray().at(0).toString().contains(vol.imagePath()));

    // The list scripts choose from says the same.
    o = runCli({"volumes", "--json"});
    QCOMPARE(o.status, 0);
    const QJsonArray listed = QJsonDocument::fromJson(o.out.toUtf8()).array();
    const auto it = std::find_if(listed.begin(), listed.end(), [&](const QJsonValue &v) {
        return v["mountPoint"].toString() == vol.path();
    });
    QVERIFY(it != listed.end());
    const QJsonObject row = it->toObject();
    QCOMPARE(row["fileSystem"].toString(), QStringLiteral("ext4"));
    QCOMPARE(row["chain"], storage["chain"]);
    QVERIFY(row["bytes"].toDouble() > 32e6);
    o = runCli({"volumes"});
    QVERIFY2(o.out.contains(vol.path() + "\text4\t"), qPrintable(o.out));
    QCOMPARE(runCli({"volumes", "--all"}).status, 2);

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

void CliTest::reportNamesWhoAndWhere()
{
    // report.conf gives what stays the same; the options what changes.
    QVERIFY(writeFile(path("config/velmora/report.conf"),
                      "[report]\noperator=Someone Else\nlocation=Room 4, Main St 1\n"
                      "contact=it@example.org\n"));
    QVERIFY(writeFile(path("a.txt"), plantedBytes(5000)));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", path("config"));
    const Outcome o =
        runCli({"erase", "--yes", "--operator", "Ada Lovelace", "--organisation", "Analytical Ltd",
                "--property-number", "PN-42", "--destination", "resale", "--json", path("out.json"),
                "--report", path("out.pdf"), path("a.txt")},
               {}, env);
    QCOMPARE(o.status, 0);
    const QJsonObject json = readJson(path("out.json"));
    const QJsonObject details = json["details"].toObject();
    QCOMPARE(details["operator"].toString(), QStringLiteral("Ada Lovelace"));
    QCOMPARE(details["organisation"].toString(), QStringLiteral("Analytical Ltd"));
    QCOMPARE(details["location"].toString(), QStringLiteral("Room 4, Main St 1"));
    QCOMPARE(details["contact"].toString(), QStringLiteral("it@example.org"));
    QCOMPARE(details["propertyNumber"].toString(), QStringLiteral("PN-42"));
    QCOMPARE(details["destination"].toString(), QStringLiteral("resale"));
    QCOMPARE(details["verifier"].toString(), QString());
    const QJsonObject sanitization = json["sanitization"].toObject();
    QCOMPARE(sanitization["category"].toString(), QStringLiteral("none"));
    QCOMPARE(sanitization["technique"].toString(), QStringLiteral("overwrite"));
    QCOMPARE(sanitization["verification"].toString(), QStringLiteral("none"));
    // Signed with the rest: a changed name shows.
    QCOMPARE(runCli({"check-report", path("out.json")}, {}, env).status, 0);
    QByteArray changed = readFile(path("out.json"));
    changed.replace("Ada Lovelace", "Ada Lovelacf");
    QVERIFY(writeFile(path("changed.json"), changed));
    QCOMPARE(runCli({"check-report", path("changed.json")}, {}, env).status, 1);

    const QString pdf = pdfText(path("out.pdf"));
    if (pdf.isEmpty())
        QSKIP("pdftotext is not installed");
    QVERIFY2(pdf.contains("Sanitization record") && pdf.contains("Property number PN-42") &&
                 pdf.contains("Destination after sanitization resale") &&
                 pdf.contains("Performed by Name Ada Lovelace") &&
                 pdf.contains("Organisation Analytical Ltd Location Room 4, Main St 1"),
             qPrintable(pdf));
    // What nobody gave is a line to sign or fill in by hand.
    QVERIFY(pdf.contains("Verified by Name ______________________________"));
    QVERIFY(pdf.contains("Media source ______________________________"));
    QVERIFY(pdf.contains("Technique Overwrite"));
}

// However long the summary above it, the "Entries" heading starts the page
// its table starts on: never alone at the bottom of the one before.
void CliTest::reportHeadingsStayWithTheirTables()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", path("data"));
    // Each count moves the heading down the first page by a line or two.
    for (int files = 36; files <= 60; files += 2) {
        const QString folder = path(QStringLiteral("f%1").arg(files));
        for (int i = 0; i < files; ++i)
            QVERIFY(writeFile(folder + QStringLiteral("/file-%1.txt").arg(i), "x"));
        const QString pdf = folder + ".pdf";
        QCOMPARE(runCli({"erase", "--yes", "--quiet", "--report", pdf, folder}, {}, env).status, 0);
        QProcess text;
        text.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(text.waitForFinished(60000) && text.exitCode() == 0);
        for (const QString &page : QString::fromUtf8(text.readAllStandardOutput()).split('\f')) {
            const QStringList lines = page.split('\n');
            const bool heading = lines.filter(QRegularExpression("^Entries\\s*$")).size() == 1;
            const bool table = !lines.filter(QRegularExpression("^Entry\\s+Outcome")).isEmpty();
            QVERIFY2(!heading || table, qPrintable(QStringLiteral("%1 files:\n").arg(files) + page));
        }
    }
}

QTEST_GUILESS_MAIN(CliTest)
#include "test_cli.moc"
