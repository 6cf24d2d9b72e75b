// SPDX-License-Identifier: GPL-3.0-or-later

// The engine on real files in temporary folders, no root needed: what the
// overwrite covers, a tree that changes under the walk, every kind of entry,
// fill leftovers, the random stream and the mount table.

#include "testsupport.h"

#include "engine/fs/freespace.h"
#include "engine/fs/hidingnames.h"
#include "engine/fs/overwrite.h"
#include "engine/fs/paths.h"
#include "engine/fs/traces.h"
#include "engine/fs/verify.h"
#include "engine/fs/walk.h"
#include "engine/job/erasemethods.h"
#include "engine/job/erasurerecord.h"
#include "engine/job/jobrunner.h"
#include "engine/job/jobs.h"
#include "engine/job/progressmeter.h"
#include "engine/job/schedules.h"
#include "engine/platform/platform.h"

#include <QCryptographicHash>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace velmora;
using namespace testsupport;

namespace
{

QByteArrayList listed(const QByteArray &folder)
{
    QByteArrayList paths;
    listTree(folder, [&](const QByteArray &p) { paths << p; });
    return paths;
}

// Erases `folder` as the file list gives it: its entries, then itself.
void eraseFolder(const QByteArray &folder, Recorder &rec, const QString &method = kMethodNist)
{
    auto ctx = rec.context();
    runFileEraseJob(listed(folder), {folder}, method, ctx);
}

bool exists(const QByteArray &path)
{
    struct stat st;
    return ::lstat(path.constData(), &st) == 0;
}

} // namespace

class EngineTest : public QObject
{
    Q_OBJECT

  private slots:
    void init()
    {
        dir = std::make_unique<testsupport::ScratchDir>();
        QVERIFY(dir->isValid());
        root = QFile::encodeName(dir->path());
    }

    void overwriteCoversDataNotHoles();
    void fileThatGrowsIsChasedOrReported_data();
    void fileThatGrowsIsChasedOrReported();
    void failedWriteIsNeverReportedErased_data();
    void failedWriteIsNeverReportedErased();
    void whatStaysIsNeverErased();
    void engineRefusesWhateverStartsIt();
    void everyPassIsSyncedBeforeTheNext_data();
    void everyPassIsSyncedBeforeTheNext();
    void verificationCatchesWhatDiffers_data();
    void verificationCatchesWhatDiffers();
    void swapsDuringTheWalkNeverLeaveTheSelection();
    void hardLinksOutsideKeepTheirContent();
    void everyKindOfEntryGoes();
    void stopKeepsWhatIsLeft();
    void fillLeftoversAreOnlyOurs();
    void hidingNamesTakeTheRoomOfTheOriginal();
    void randomStreamIsFreshAndReproducible();
    void mountTableIsReadAsTheKernelWritesIt();
    void progressLineSaysOnlyWhatIsTrue();
    void recentListLosesOnlyTheErasedBookmarks();
    void tracesAreFoundOnlyAmongTheUsersOwn();
    void unencryptedSwapIsSaid();
    void scheduledCommandIsReadAsWritten();

  private:
    QByteArray at(const char *rel) const { return root + '/' + rel; }
    std::unique_ptr<testsupport::ScratchDir> dir;
    QByteArray root;
};

void EngineTest::overwriteCoversDataNotHoles()
{
    // Data at the start and 64 MiB further: the hole between is not written
    // (no space used) and keeps reading as zeros.
    const QByteArray file = at("sparse.bin");
    QVERIFY(writeFile(file, plantedBytes(kChunkSize + 17)));
    {
        QFile f(QFile::decodeName(file));
        QVERIFY(f.open(QIODevice::ReadWrite) && f.seek(64 * kChunkSize));
        QVERIFY(f.write(plantedBytes(5000)) == 5000);
    }
    const qint64 size = QFileInfo(QFile::decodeName(file)).size();
    int error = 0;
    platform::Fd dirFd = platform::openFolderPath(root, true, &error);
    platform::Fd fd = platform::openForOverwriteAt(dirFd.get(), "sparse.bin", &error);
    QVERIFY(fd.valid());
    platform::Status st0;
    QVERIFY(platform::statusAt(fd.get(), QByteArray(), &st0) == 0);
    QVERIFY(st0.allocated < 4 * kChunkSize);
    Recorder rec;
    rec.status.total = 3 * chunksForSize(st0.allocated); // as a job counts it
    auto ctx = rec.context();
    QCOMPARE(overwriteOpenFile(fd.get(), "sparse.bin", 3, ctx).result,
             OverwriteResult::Overwritten);
    const QByteArray after = readFile(QFile::decodeName(file));
    QCOMPARE(after.size(), size);
    QVERIFY(!after.contains(plantText()));
    // Written by two threads where there are two cores: each with data of its own.
    QVERIFY(after.left(5000) != after.mid(64 * kChunkSize, 5000));
    QCOMPARE(after.mid(4 * kChunkSize, kChunkSize), QByteArray(kChunkSize, '\0'));
    QCOMPARE(rec.status.done.load(),
             rec.status.total.load()); // the holes took no time, and count none
    QCOMPARE(rec.progress.last(), 100);
    struct stat st;
    QVERIFY(::stat(file.constData(), &st) == 0);
    QVERIFY2(st.st_blocks * 512 < 8 * kChunkSize, "the hole must stay a hole");
}

void EngineTest::fileThatGrowsIsChasedOrReported_data()
{
    QTest::addColumn<int>("appends");
    QTest::addColumn<bool>("chased");
    QTest::newRow("grows once") << 1 << true;
    QTest::newRow("never stops growing") << 1000 << false;
}

void EngineTest::fileThatGrowsIsChasedOrReported()
{
    QFETCH(int, appends);
    QFETCH(bool, chased);
    const QByteArray file = at("growing.log");
    QVERIFY(writeFile(file, plantedBytes(2 * kChunkSize)));
    int left = appends;
    Recorder rec;
    rec.onProgress = [&](Recorder &) {
        if (left-- <= 0)
            return;
        const int fd = ::open(file.constData(), O_WRONLY | O_APPEND); // never recreated
        const QByteArray more = plantedBytes(kChunkSize / 2);
        if (fd >= 0 && ::write(fd, more.constData(), size_t(more.size())) >= 0)
            ::close(fd);
    };
    rec.status.total = 100;
    auto ctx = rec.context();
    runFileEraseJob({file}, {}, kMethodNist, ctx);
    QVERIFY2(!exists(file), qPrintable(rec.lines.join('\n')));
    const bool erased = rec.lines.contains("✅ Securely erased: " + QFile::decodeName(file));
    QCOMPARE(erased, chased);
    QCOMPARE(rec.report.problemCount(), chased ? 0 : 1);
    if (!chased)
        QVERIFY(rec.lines.filter("Kept growing while being erased").size() == 1);
}

void EngineTest::failedWriteIsNeverReportedErased_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QByteArray>("failing"); // the call made to fail; empty: a size limit
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("removed"); // the name went, but the erase is not known to hold
    // The first write that fails says where.
    QTest::newRow("write past a size limit")
        << 3 * kChunkSize << QByteArray() << "File too large: at byte 1048576" << false;
    QTest::newRow("open refused") << 3 * kChunkSize << QByteArray("open") << "Permission denied"
                                  << false;
    QTest::newRow("sync of a big file")
        << 3 * kChunkSize << QByteArray("sync") << "Input/output error" << false;
    QTest::newRow("sync of small files")
        << qint64(5000) << QByteArray("syncfs") << "Input/output error" << false;
    QTest::newRow("sync of the folder after the renames")
        << 3 * kChunkSize << QByteArray("fsync") << "Input/output error" << true;
    // Small files go in batches: one whose removal fails is no success.
    QTest::newRow("removal in a batch")
        << qint64(5000) << QByteArray("unlink") << "Input/output error" << false;
}

void EngineTest::failedWriteIsNeverReportedErased()
{
    // The file stays where it is, under its name, so that it can be erased
    // once it can be; the log says why.
    QFETCH(qint64, size);
    QFETCH(QByteArray, failing);
    QFETCH(QString, reason);
    QFETCH(bool, removed);
    const QByteArray file = at("big.bin");
    QVERIFY(writeFile(file, plantedBytes(size)));
    struct rlimit old;
    ::getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (failing.isEmpty()) {
        // Every write past the limit fails with EFBIG (the signal ignored,
        // as the application does).
        struct rlimit small = old;
        small.rlim_cur = kChunkSize;
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
    } else {
        platform::injectFault = [&](const char *call, int) {
            return failing == call ? (failing == "open" ? EACCES : EIO) : 0;
        };
    }
    Recorder rec;
    auto ctx = rec.context();
    runFileEraseJob({file}, {}, kMethodDoD, ctx);
    platform::injectFault = nullptr;
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY2(rec.lines.filter("✅").isEmpty(), qPrintable(rec.lines.join('\n')));
    const QString line = removed
                             ? "⚠️ Overwritten and removed, but the file system reported an "
                               "error, so it is not known to be erased: "
                             : "⚠️ Could not securely erase: ";
    QVERIFY2(rec.lines.contains(line + QFile::decodeName(file) + " (" + reason + ")"),
             qPrintable(rec.lines.join('\n')));
    if (failing == "unlink") // still there, under the name that hid it
        QCOMPARE(QDir(QFile::decodeName(root)).entryList(QDir::Files).size(), 1);
    else
        QCOMPARE(exists(file), !removed);
    QCOMPARE(rec.report.problemCount(), 1);
}

void EngineTest::engineRefusesWhateverStartsIt()
{
    // A front end that forgets its guards, or a script that hands the
    // runner a listing of its own: the runner checks where the selection
    // begins, and touches nothing it refuses. The home is the test's own.
    const QByteArray home = at("home");
    QVERIFY(writeFile(QFile::decodeName(home + "/letter.txt"), plantedBytes(5000)));
    QVERIFY(writeFile(at("other/notes.txt"), plantedBytes(5000)));
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", home);
    struct Restore {
        QByteArray home;
        ~Restore() { qputenv("HOME", home); }
    } restore{savedHome};
    const auto run = [](const QByteArrayList &listed, bool preserveRoot, QString *error) {
        Recorder rec;
        auto ctx = rec.context();
        JobRequest request;
        request.method = kMethodNist;
        request.listed = listed;
        request.preserveRoot = preserveRoot;
        return runJob(request, ctx, error);
    };
    QString error;
    QVERIFY(!run(listSelection({home}), true, &error));
    QCOMPARE(error, refusalText(checkEntry(home), home));
    QVERIFY(exists(home + "/letter.txt"));
    // Where it begins: the folder above an entry that is listed too.
    QVERIFY(!run(listSelection({at("other")}) + QByteArrayList{home}, true, &error));
    QVERIFY(exists(at("other/notes.txt")) && exists(home + "/letter.txt"));
    QVERIFY(!run({QByteArray()}, true, &error));
    QVERIFY(error.startsWith("An empty path was given."));
    // A selection that went meanwhile is the job's to say; below the home
    // is the user's to choose; and the command line may lift the guard.
    QVERIFY(run(listSelection({at("other")}) + QByteArrayList{at("gone.txt")}, true, &error));
    QVERIFY(!exists(at("other")));
    QVERIFY(run({home + "/letter.txt"}, true, &error));
    QVERIFY(!exists(home + "/letter.txt"));
    QVERIFY(run(listSelection({home}), false, &error));
    QVERIFY(!exists(home));
}

void EngineTest::whatStaysIsNeverErased()
{
    // Something writes into the selection while the erase runs (or a driver
    // keeps entries it said were gone): the folders that stay are not
    // erased, and the job says what they still hold.
    QVERIFY(writeFile(at("sel/a.txt"), plantedBytes(5000)));
    QVERIFY(writeFile(at("sel/sub/b.txt"), plantedBytes(5000)));
    QVERIFY(writeFile(at("alone.txt"), plantedBytes(10)));
    bool written = false;
    int erased = 0;
    Recorder rec;
    // Once the walk has done every file, before the folders go.
    rec.onLog = [&](Recorder &, const QString &line) {
        if (!line.startsWith("✅ Securely erased") || ++erased != 3)
            return;
        written = writeFile(at("sel/late.txt"), "written meanwhile") &&
                  writeFile(at("sel/sub/deeper/late.txt"), "written meanwhile");
    };
    auto ctx = rec.context();
    const QByteArrayList listed{at("alone.txt"), at("sel")};
    velmora::ErasureRecord record = velmora::ErasureRecord::forFiles(listed, kMethodNist, false);
    rec.report.keepRemoved(true);
    runFileEraseJob({at("alone.txt"), at("sel/a.txt"), at("sel/sub/b.txt")}, {at("sel")},
                    kMethodNist, ctx);
    QVERIFY(written);
    QVERIFY(!exists(at("sel/a.txt")) && !exists(at("sel/sub/b.txt")));
    for (const char *name : {"sel/late.txt", "sel/sub"})
        QVERIFY2(rec.lines.contains("⚠️ Not erased: " + QFile::decodeName(at(name)) +
                                    " is still there, so its folder could not be removed."),
                 qPrintable(rec.lines.join('\n')));
    QCOMPARE(rec.report.problemCount(), 2);
    record.finish(rec.report, 0, 0, false);
    QCOMPARE(record.result, velmora::ErasureRecord::Result::Problems);
    QCOMPARE(record.entries.at(0).state, velmora::ErasureRecord::Entry::State::Erased);
    QCOMPARE(record.entries.at(1).state, velmora::ErasureRecord::Entry::State::PartlyErased);
    QVERIFY(!record.entries.at(1).erased);
}

void EngineTest::everyPassIsSyncedBeforeTheNext_data()
{
    QTest::addColumn<int>("files");
    QTest::addColumn<qint64>("size");
    QTest::newRow("one big file") << 1 << 3 * kChunkSize;
    QTest::newRow("small files, synced together") << 4 << qint64(5000);
}

void EngineTest::everyPassIsSyncedBeforeTheNext()
{
    // Otherwise the cache merges the passes and only the last one reaches
    // the device.
    QFETCH(int, files);
    QFETCH(qint64, size);
    for (int i = 0; i < files; ++i)
        QVERIFY(writeFile(dir->filePath(QStringLiteral("sel/f%1").arg(i)), plantedBytes(size)));
    QByteArray calls; // w, s (a file's data), S (its file system); repeats merged
    platform::watchCall = [&](const char *call, int) {
        const char c = call[0] == 'w' ? 'w' : call[4] == 'f' ? 'S' : 's';
        if (!calls.endsWith(c))
            calls += c;
    };
    Recorder rec;
    eraseFolder(at("sel"), rec, kMethodDoD);
    platform::watchCall = nullptr;
    QVERIFY(!exists(at("sel")));
    QCOMPARE(calls.count('w'), 3);
    for (qsizetype i = calls.indexOf('w'); i >= 0; i = calls.indexOf('w', i + 1))
        QVERIFY2(i + 1 < calls.size() && calls[i + 1] != 'w', calls.constData());
}

void EngineTest::verificationCatchesWhatDiffers_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("corrupt");
    // Small files are written and synced together; big ones one by one.
    QTest::newRow("small, as written") << qint64(5000) << false;
    QTest::newRow("small, changed after the sync") << qint64(5000) << true;
    QTest::newRow("big, as written") << 5 * kChunkSize + 123 << false;
    QTest::newRow("big, changed after the sync") << 5 * kChunkSize + 123 << true;
}

void EngineTest::verificationCatchesWhatDiffers()
{
    QFETCH(qint64, size);
    QFETCH(bool, corrupt);
    const QByteArray file = at("v.bin");
    QVERIFY(writeFile(QFile::decodeName(file), plantedBytes(size)));
    Recorder rec;
    auto ctx = rec.context();
    ctx.verify = true;
    // What a device that drops writes would give back: one changed byte in
    // the last chunk.
    // (The byte is inverted: any fixed byte would be the random one in one
    // run out of 256.)
    if (corrupt)
        ctx.beforeVerify = [size](int fd) {
            char byte = 0;
            const int reader = ::open(("/proc/self/fd/" + QByteArray::number(fd)).constData(),
                                      O_RDONLY | O_CLOEXEC);
            QCOMPARE(::pread(reader, &byte, 1, size - 1), 1);
            ::close(reader);
            byte = char(~byte);
            QCOMPARE(::pwrite(fd, &byte, 1, size - 1), 1);
        };
    runFileEraseJob({file}, {}, kMethodDoD, ctx);
    const QString shown = QFile::decodeName(file);
    QVERIFY(!exists(file));
    QCOMPARE(rec.lines.contains("✅ Securely erased: " + shown), !corrupt);
    // Where the device gave back something else: the changed byte.
    QCOMPARE(rec.lines.contains(QStringLiteral("❌ Verification failed: %1 (the device gave back "
                                               "other data at byte %2)")
                                    .arg(shown)
                                    .arg(size - 1)),
             corrupt);
    QCOMPARE(rec.report.problemCount(), corrupt ? 1 : 0);
    QCOMPARE(rec.lines.last(), verifiedLine(corrupt ? size - size % kChunkSize : size));
    // The rate shown moves while the job reads back, too.
    QCOMPARE(rec.status.bytes.load(), ctx.bytesWritten + ctx.bytesVerified);
}

void EngineTest::swapsDuringTheWalkNeverLeaveTheSelection()
{
    // Outside the selection: a folder and a file the attacker points at.
    const QByteArray outside = at("outside");
    QVERIFY(writeFile(QFile::decodeName(outside + "/precious.txt"), plantedBytes(5000)));
    const QByteArray sel = at("sel");
    for (int i = 0; i < 20; ++i)
        QVERIFY(writeFile(QFile::decodeName(sel + "/d" + QByteArray::number(i) + "/f.txt"),
                          plantedBytes(3000)));
    QVERIFY(writeFile(QFile::decodeName(sel + "/a.txt"), plantedBytes(3000)));
    QVERIFY(writeFile(QFile::decodeName(sel + "/b.txt"), plantedBytes(3000)));
    const QByteArrayList list = listed(sel);

    // When the first file is about to be opened: every folder not reached
    // yet becomes a link to the outside folder, the file itself a hard link
    // to the outside file, and the other top file a link to it.
    bool swapped = false;
    QStringList changed;
    Recorder rec;
    rec.onLog = [&](Recorder &, const QString &line) {
        if (swapped || !line.startsWith("🔄 Wiping: "))
            return;
        swapped = true;
        const QByteArray current = QFile::encodeName(line.mid(QString("🔄 Wiping: ").size()));
        QVERIFY(QDir().mkpath(dir->filePath("moved")));
        for (int i = 0; i < 20; ++i) {
            const QByteArray d = sel + "/d" + QByteArray::number(i);
            if (current.startsWith(d + '/'))
                continue;
            const QByteArray aside = at("moved/d") + QByteArray::number(i);
            QVERIFY(::rename(d.constData(), aside.constData()) == 0);
            QVERIFY(::symlink(outside.constData(), d.constData()) == 0);
        }
        const QByteArray precious = outside + "/precious.txt";
        for (const char *name : {"/a.txt", "/b.txt"}) {
            const QByteArray f = sel + name;
            if (f != current)
                QVERIFY(::unlink(f.constData()) == 0 && ::symlink(precious, f) == 0);
        }
        QVERIFY(::unlink(current.constData()) == 0 && ::link(precious, current) == 0);
    };
    auto ctx = rec.context();
    runFileEraseJob(list, {sel}, kMethodNist, ctx);

    QVERIFY(swapped);
    QCOMPARE(readFile(QFile::decodeName(outside + "/precious.txt")), plantedBytes(5000));
    QCOMPARE(QDir(QFile::decodeName(outside)).entryList(QDir::Files), QStringList{"precious.txt"});
    QVERIFY2(rec.lines.filter("✅ Securely erased: " + QFile::decodeName(outside)).isEmpty(),
             qPrintable(rec.lines.join('\n')));
    // The links are gone as links; a swapped file is left alone and said so.
    QVERIFY(!exists(sel + "/d5"));
    QVERIFY2(rec.report.problemCount() >= 1, qPrintable(rec.lines.join('\n')));
    QVERIFY(!rec.lines.filter("⚠️ Changed while being erased, left alone: ").isEmpty());
}

void EngineTest::hardLinksOutsideKeepTheirContent()
{
    const QByteArray sel = at("sel");
    QVERIFY(writeFile(QFile::decodeName(sel + "/shared.txt"), plantedBytes(4000)));
    QVERIFY(::link((sel + "/shared.txt").constData(), at("outside-name.txt").constData()) == 0);
    // Two names of one file, both selected: overwritten once, both go.
    QVERIFY(writeFile(QFile::decodeName(sel + "/p.txt"), plantedBytes(6000)));
    QVERIFY(::link((sel + "/p.txt").constData(), (sel + "/q.txt").constData()) == 0);
    const int keep = ::open((sel + "/p.txt").constData(), O_RDONLY);
    QVERIFY(keep >= 0);

    Recorder rec;
    eraseFolder(sel, rec);
    QCOMPARE(readFile(QFile::decodeName(at("outside-name.txt"))), plantedBytes(4000));
    QVERIFY(
        rec.lines.contains("⚠️ Only this name was removed: other links outside the selection "
                           "keep its content readable: " +
                           QFile::decodeName(sel + "/shared.txt")));
    QCOMPARE(rec.report.problemCount(), 1);
    QVERIFY(!exists(sel));
    QByteArray content(6000, '\0');
    const ssize_t n = ::pread(keep, content.data(), content.size(), 0);
    ::close(keep);
    QVERIFY(n <= 0 || !content.left(int(n)).contains(plantText()));
}

void EngineTest::everyKindOfEntryGoes()
{
    const QByteArray sel = at("sel");
    const QByteArray odd = sel + "/caf\xe9-\xff.txt"; // Latin-1, not UTF-8
    QVERIFY(writeFile(QFile::decodeName(sel + "/.secret"), plantedBytes(100)));
    QVERIFY(writeFile(QFile::decodeName(sel + "/.cfg/key"), plantedBytes(100)));
    QVERIFY(writeFile(QFile::decodeName(sel + "/empty.txt"), QByteArray()));
    QVERIFY(writeFile(QFile::decodeName(at("target.txt")), plantedBytes(100)));
    QVERIFY(::symlink(at("target.txt").constData(), (sel + "/link").constData()) == 0);
    QVERIFY(::mkfifo((sel + "/pipe").constData(), 0600) == 0);
    {
        const int fd = ::open(odd.constData(), O_WRONLY | O_CREAT, 0600);
        QVERIFY(fd >= 0 && ::write(fd, "secret", 6) == 6);
        ::close(fd);
    }
    // 1,500 levels: far deeper than a path may be long.
    int error = 0;
    platform::Fd level = platform::openFolderPath(sel, true, &error);
    for (int i = 0; i < 1500; ++i) {
        QVERIFY(platform::makeFolderAt(level.get(), "level-") == 0);
        level = platform::openFolderAt(level.get(), "level-", &error);
        QVERIFY(level.valid());
    }
    {
        const int fd = ::openat(level.get(), "bottom.txt", O_WRONLY | O_CREAT, 0600);
        QVERIFY(fd >= 0 && ::write(fd, "deep", 4) == 4);
        ::close(fd);
    }
    level.reset();

    const QByteArrayList list = listed(sel);
    for (const char *name : {"/.secret", "/.cfg/key", "/link", "/pipe"})
        QVERIFY2(list.contains(sel + name), name);
    QVERIFY(list.contains(odd));
    QCOMPARE(std::count_if(list.begin(), list.end(),
                           [](const QByteArray &p) { return p.endsWith("/bottom.txt"); }),
             1);

    Recorder rec;
    eraseFolder(sel, rec);
    QVERIFY2(!exists(sel), qPrintable(rec.lines.join('\n')));
    QCOMPARE(rec.report.problemCount(), 0);
    QCOMPARE(readFile(QFile::decodeName(at("target.txt"))), plantedBytes(100));
    QVERIFY(rec.lines.contains("✅ Securely erased: " + displayName(odd)));
    QVERIFY(displayName(odd).endsWith("caf\\xe9-\\xff.txt"));
    QVERIFY(
        rec.lines.contains("🗑️ Removed special file: " + QFile::decodeName(sel + "/pipe")));
    QVERIFY(rec.lines.contains("🔗 Removed link: " + QFile::decodeName(sel + "/link")));
    QVERIFY(
        rec.lines.contains("🗑️ Deleted empty file: " + QFile::decodeName(sel + "/empty.txt")));
    QCOMPARE(rec.lines.filter("bottom.txt").filter("✅ Securely erased").size(), 1);
}

void EngineTest::stopKeepsWhatIsLeft()
{
    const QByteArray sel = at("sel");
    for (const char *name : {"/a.bin", "/b.bin", "/c.bin"})
        QVERIFY(writeFile(QFile::decodeName(sel + name), plantedBytes(3 * kChunkSize)));
    QVERIFY(writeFile(QFile::decodeName(sel + "/x.lnk"), "shortcut"));
    QVERIFY(::symlink("/nonexistent", (sel + "/l").constData()) == 0);
    Recorder rec;
    rec.status.total = 30;
    rec.onProgress = [](Recorder &r) { r.stop = true; };
    eraseFolder(sel, rec, kMethodDoD);
    // The file being overwritten and those after it stay; no success line;
    // the clean-up still removes the shortcut, links stay after a stop.
    QVERIFY(rec.lines.filter("✅").isEmpty());
    QCOMPARE(QDir(QFile::decodeName(sel)).entryList(QDir::Files).size(), 3);
    QVERIFY(!exists(sel + "/x.lnk"));
    QVERIFY(exists(sel + "/l"));
}

void EngineTest::fillLeftoversAreOnlyOurs()
{
    const QByteArray marker = "Velmora free-space fill file; safe to delete.\n";
    QVERIFY(writeFile(QFile::decodeName(at("__freespace_temp__.bin")), marker + "random"));
    QVERIFY(writeFile(QFile::decodeName(at("__wiper_temp__2.bin")), marker + "random"));
    // Not ours: no marker, a FIFO, a second name of another file.
    QVERIFY(writeFile(QFile::decodeName(at("__wiper_temp__.bin")), "the user's own"));
    QVERIFY(::mkfifo(at("__freespace_temp__1.bin").constData(), 0600) == 0);
    QVERIFY(writeFile(QFile::decodeName(at("precious")), marker + "precious"));
    QVERIFY(::link(at("precious").constData(), at("__freespace_temp__2.bin").constData()) == 0);
    // A names phase's tree of empty folders goes whole; a file someone put
    // into one stays, with the folders that hold it.
    QVERIFY(QDir().mkpath(QFile::decodeName(at("__velmora_names_tree/ab/cd/ef/gh"))));
    QVERIFY(QDir().mkpath(QFile::decodeName(at("__velmora_names_tree/ab/x1"))));
    QVERIFY(writeFile(QFile::decodeName(at("__velmora_names_kept/ab/cd/note.txt")), "mine"));

    QCOMPARE(findFillLeftovers(root).size(), 4);
    Recorder rec;
    auto ctx = rec.context();
    QCOMPARE(removeFillLeftovers(root, &ctx), 1);
    QCOMPARE(rec.lines.filter("🧹 Removed a fill file left by an interrupted wipe: ").size(), 3);
    QVERIFY(!exists(at("__velmora_names_tree")));
    QCOMPARE(readFile(QFile::decodeName(at("__velmora_names_kept/ab/cd/note.txt"))),
             QByteArray("mine"));
    QVERIFY(!exists(at("__freespace_temp__.bin")) && !exists(at("__wiper_temp__2.bin")));
    for (const char *kept :
         {"__wiper_temp__.bin", "__freespace_temp__1.bin", "precious", "__freespace_temp__2.bin"})
        QVERIFY2(exists(at(kept)), kept);
    QCOMPARE(readFile(QFile::decodeName(at("precious"))), marker + "precious");
}

void EngineTest::hidingNamesTakeTheRoomOfTheOriginal()
{
    // A rename covers the old name in place only with a name that takes the
    // same room: counted in UTF-16 where the file system stores that, and
    // on FAT in an 8.3 entry alone or with long-name entries, as the old.
    const NameRoom bytes = nameRoomOf("ext4");
    const NameRoom fat = nameRoomOf("vfat");
    const QByteArray zurich = QStringLiteral("Zürich-Bericht.pdf").toUtf8();
    QCOMPARE(nameLength(zurich, bytes), 19);
    QCOMPARE(nameLength(zurich, nameRoomOf("ntfs")), 18);
    QCOMPARE(nameLength(zurich, fat), 18);
    QCOMPARE(nameLength("\xff\xfe", fat), 2); // no UTF-8: its bytes
    QCOMPARE(hidingName(zurich, 18, fat).size(), 18);

    for (const char *fits : {"REPORT.TXT", "report.txt", "NOTES", "a_1.DOC", "X~1.B"})
        QVERIFY2(fitsShortEntry(fits), fits);
    for (const char *fitsNot :
         {"Report.txt", "confidential.txt", "a.b.c", ".hidden", "ab.", "abc.text", "with space.txt",
          "\xc3\x84"
          "BC.TXT"})
        QVERIFY2(!fitsShortEntry(fitsNot), fitsNot);

    const QRegularExpression shape(QStringLiteral("^[A-Z]{6}\\.[a-z][0-9][a-z]$"));
    for (int i = 0; i < 200; ++i) {
        const QByteArray shortName = hidingName("REPORT.t1t", 10, fat);
        QVERIFY2(shape.match(QString::fromLatin1(shortName)).hasMatch(), shortName.constData());
        QVERIFY(fitsShortEntry(shortName));
        // A long name of up to eight characters gets none an 8.3 entry holds.
        for (const QByteArray original : {QByteArray("Ab"), QByteArray("MiXeD.tX")}) {
            const QByteArray hidden = hidingName(original, int(original.size()), fat);
            QVERIFY2(!fitsShortEntry(hidden), hidden.constData());
            QCOMPARE(hidden.size(), original.size());
        }
        // Shorter than the original, or elsewhere than on FAT: any name.
        QCOMPARE(hidingName("REPORT.TXT", 4, fat).size(), 4);
        QVERIFY(!hidingName("REPORT.TXT", 10, bytes).contains('.'));
    }
}

void EngineTest::randomStreamIsFreshAndReproducible()
{
    // Each stream is new; one made again from its key, and sought to any
    // offset, gives the same bytes (what the read-back relies on).
    RandomStream a, b;
    QByteArray x(1 << 16, '\0'), y(1 << 16, '\0'), z(1000, '\0');
    a.fill(x.data(), std::size_t(x.size()));
    b.fill(y.data(), std::size_t(y.size()));
    QVERIFY(x != y && x.count('\0') < x.size() / 100);
    RandomStream again(a.key());
    again.seek(12345);
    again.fill(z.data(), std::size_t(z.size()));
    QCOMPARE(z, x.mid(12345, 1000));
}

void EngineTest::mountTableIsReadAsTheKernelWritesIt()
{
    const QByteArray text =
        "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
        "40 22 8:2 / /media/my\\040disk ro,nosuid shared:2 - vfat /dev/sdb1 ro\n"
        "41 22 0:5 /sub /srv/bind rw - btrfs /dev/sdc1 rw,subvol=/sub\n";
    const auto table = platform::mountTable(text);
    QCOMPARE(int(table.size()), 3);
    QCOMPARE(table[1].mountPoint, QByteArray("/media/my disk"));
    QVERIFY(table[1].readOnly && !table[0].readOnly);
    QCOMPARE(table[2].root, QByteArray("/sub"));
    QVERIFY(table[2].fs().copyOnWrite && !platform::fileSystem("ext4").copyOnWrite);
}

void EngineTest::progressLineSaysOnlyWhatIsTrue()
{
    // A rate is shown only where there is one to show, and the figure is
    // the one the job posted for its bar.
    for (const qint64 bytes : {qint64(20 * 1024), qint64(64) * 1024 * 1024}) {
        ProgressMeter meter;
        JobStatus status;
        status.total = 100;
        meter.start();
        meter.sample(0, status);
        status.bytes = bytes;
        status.done = 40;
        status.percent = 40;
        meter.sample(2000, status);
        QCOMPARE(meter.percent(), 40);
        QCOMPARE(meter.figures().contains("MB/s"), bytes > 1024 * 1024);
    }
}

void EngineTest::scheduledCommandIsReadAsWritten()
{
    // ExecStart split the way systemd splits it: words in double quotes with
    // C escapes, then %% for % and $$ for $. A mount point with a space, a
    // quote, a percent sign and a dollar is one word, as it was given.
    const auto execWords = [](const QString &service) {
        QString line;
        for (const QString &l : service.split('\n'))
            if (l.startsWith("ExecStart="))
                line = l.mid(10);
        QStringList words;
        QString word;
        bool quoted = false;
        bool inWord = false;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line.at(i);
            if (c == '\\' && i + 1 < line.size()) {
                word += line.at(++i);
                inWord = true;
            } else if (c == '"') {
                quoted = !quoted;
                inWord = true;
            } else if (c == ' ' && !quoted) {
                if (inWord)
                    words << word;
                word.clear();
                inWord = false;
            } else {
                word += c;
                inWord = true;
            }
        }
        if (inWord)
            words << word;
        for (QString &w : words)
            w.replace("%%", "%").replace("$$", "$");
        return words;
    };
    Schedule schedule;
    schedule.kind = Schedule::Kind::FreeSpace;
    schedule.target = QStringLiteral("/media/my \"disk\" 100% $HOME\\x");
    schedule.method = QStringLiteral("NIST");
    const QStringList words =
        execWords(scheduleUnits(schedule, QStringLiteral("/opt/velmora cli/velmora-cli")).service);
    QVERIFY(words.size() >= 4);
    QCOMPARE(words.first(), QStringLiteral("/opt/velmora cli/velmora-cli"));
    QCOMPARE(words.last(), schedule.target);
    QVERIFY2(words.contains("freespace") && words.contains("--yes"), qPrintable(words.join('|')));
}

QTEST_GUILESS_MAIN(EngineTest)
void EngineTest::recentListLosesOnlyTheErasedBookmarks()
{
    const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xbel version=\"1.0\">\n";
    const QByteArray keep1 = "  <bookmark href=\"file:///a/keep%20me.txt\" added=\"1\">\n"
                             "    <title>kept &amp; well</title>\n  </bookmark>\n";
    const QByteArray gone1 = "  <bookmark href=\"file:///a/secret%C3%A9%25.txt\" added=\"2\"/>\n";
    // A name that only begins with an erased one stays.
    const QByteArray keep2 = "\t<bookmark href=\"file:///a/other.txt\"><info/></bookmark>\n"
                             "  <bookmark href=\"file://localhost/b/x.txt.bak\"/>\n";
    const QByteArray gone2 =
        "  <bookmark href=\"file://localhost/b/x.txt\"><info>&lt;</info></bookmark>\n";
    const QByteArray xbel = head + gone1 + keep1 + gone2 + keep2 + "</xbel>\n";
    const QSet<QByteArray> erased{"/a/secret\xc3\xa9%.txt", "/b/x.txt", "/a/never-listed"};
    QByteArray out;
    QString error;
    QByteArrayList dropped;
    QCOMPARE(withoutBookmarks(xbel, erased, &out, &error, &dropped), 2);
    QCOMPARE(out, head + keep1 + keep2 + "</xbel>\n");
    QCOMPARE(dropped, (QByteArrayList{"/a/secret\xc3\xa9%.txt", "/b/x.txt"}));
    // Not well-formed, or not UTF-8: left as it is, with the reason.
    for (const QByteArray &bad : {head + gone1 + "<bookmark", head + "\xff" + gone1 + "</xbel>"}) {
        out.clear();
        error.clear();
        QCOMPARE(withoutBookmarks(bad, erased, &out, &error), -1);
        QVERIFY(out.isEmpty() && !error.isEmpty());
    }

    // On the disk: the new list takes the name with the old one's
    // permissions; the old copy, still open, is handed over to be
    // overwritten.
    DesktopHome home{platform::effectiveUser(), root, at("cache"), at("data")};
    QVERIFY(writeFile(QFile::decodeName(at("data/recently-used.xbel")), xbel));
    QVERIFY(::chmod(at("data/recently-used.xbel").constData(), 0640) == 0);
    struct stat before {
    };
    QVERIFY(::stat(at("data/recently-used.xbel").constData(), &before) == 0);
    QByteArray handedOver;
    ino_t handedInode = 0;
    const int count = dropRecentBookmarks(
        home, erased,
        [&](int fd) {
            struct stat st {
            };
            ::fstat(fd, &st);
            handedInode = st.st_ino;
            QFile old(QStringLiteral("/proc/self/fd/%1").arg(fd));
            if (old.open(QIODevice::ReadOnly))
                handedOver = old.readAll();
        },
        &error);
    QCOMPARE(count, 2);
    QCOMPARE(handedInode, before.st_ino);
    QCOMPARE(handedOver, xbel);
    QCOMPARE(readFile(QFile::decodeName(at("data/recently-used.xbel"))),
             head + keep1 + keep2 + "</xbel>\n");
    struct stat after {
    };
    QVERIFY(::stat(at("data/recently-used.xbel").constData(), &after) == 0);
    QCOMPARE(after.st_mode & 07777, 0640u);
    QCOMPARE(QDir(QFile::decodeName(at("data")))
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"recently-used.xbel"});

    // The desktop writes the list again (a new file renamed over it) while
    // the new one is being synced: nothing it added is lost, and the erased
    // names still go.
    const QByteArray added =
        "<bookmark href=\"file:///c/new.txt\" added=\"2024-01-01T00:00:00Z\"/>\n";
    QVERIFY(writeFile(QFile::decodeName(at("data/recently-used.xbel")), xbel));
    int rewrites = 0;
    platform::watchCall = [&](const char *call, int) {
        if (std::strcmp(call, "sync") != 0 || rewrites >= 2)
            return;
        ++rewrites;
        const QByteArray busy = at("data/.desktop-writing");
        QVERIFY(writeFile(QFile::decodeName(busy), head + keep1 + gone1 + added.repeated(rewrites) +
                                                       keep2 + gone2 + "</xbel>\n"));
        QVERIFY(::rename(busy.constData(), at("data/recently-used.xbel").constData()) == 0);
    };
    const auto unwatch = qScopeGuard([] { platform::watchCall = nullptr; });
    QCOMPARE(dropRecentBookmarks(home, erased, nullptr, &error), 2);
    QCOMPARE(rewrites, 2);
    QCOMPARE(readFile(QFile::decodeName(at("data/recently-used.xbel"))),
             head + keep1 + added.repeated(2) + keep2 + "</xbel>\n");
}

void EngineTest::tracesAreFoundOnlyAmongTheUsersOwn()
{
    // The URI GNOME names a file by, escaped as GLib escapes it.
    QCOMPARE(fileUris("/a b/ü%;[x]#?&=+$,.jpg").constFirst(),
             QByteArray("file:///a%20b/%C3%BC%25%3B%5Bx%5D%23%3F&=+$,.jpg"));
    QCOMPARE(pathOfFileUri("file:///a%20b/%C3%BC%25.jpg"), QByteArray("/a b/\xc3\xbc%.jpg"));
    QCOMPARE(pathOfFileUri("https://example.org/a"), QByteArray());

    DesktopHome home{platform::effectiveUser(), root, at("cache"), at("data")};
    const QByteArray file = at("docs/plan.odt");
    QVERIFY(writeFile(QFile::decodeName(file), "x"));
    const QByteArray thumb =
        QCryptographicHash::hash(fileUris(file).constFirst(), QCryptographicHash::Md5).toHex() +
        ".png";
    // Its thumbnail where it belongs, and one in a folder that is a link to
    // elsewhere: only the first is a trace.
    QVERIFY(writeFile(QFile::decodeName(at("cache/thumbnails/normal/") + thumb), "t"));
    QVERIFY(writeFile(QFile::decodeName(at("elsewhere/") + thumb), "not a trace"));
    QVERIFY(QFile::link(QFile::decodeName(at("elsewhere")),
                        QFile::decodeName(at("cache/thumbnails/large"))));
    // A Trash whose info/ is a link out of it, and a record in a real one.
    QVERIFY(writeFile(QFile::decodeName(at("outside/plan.odt.trashinfo")), "not a trace"));
    QVERIFY(QDir().mkpath(
        QFile::decodeName(at("vol/.Trash-") + QByteArray::number(home.user) + "/files")));
    QVERIFY(QFile::link(
        QFile::decodeName(at("outside")),
        QFile::decodeName(at("vol/.Trash-") + QByteArray::number(home.user) + "/info")));
    QVERIFY(writeFile(QFile::decodeName(at("data/Trash/info/plan.odt.trashinfo")), "r"));

    QStringList found;
    for (const QByteArray &path :
         {file, at("data/Trash/files/plan.odt"),
          at("vol/.Trash-") + QByteArray::number(home.user) + "/files/plan.odt"})
        for (const Trace &trace : TraceFinder(home).of(path))
            found << QFile::decodeName(trace.path);
    QCOMPARE(found, (QStringList{QFile::decodeName(at("cache/thumbnails/normal/") + thumb),
                                 QFile::decodeName(at("data/Trash/info/plan.odt.trashinfo"))}));

    // A trashed folder's line in its Trash's size cache goes, the others
    // stay as they were.
    QVERIFY(writeFile(QFile::decodeName(at("data/Trash/directorysizes")),
                      "4096 1700000000 other\n8192 1700000001 my%20folder\n12 3 last\n"));
    int handedOver = 0;
    QVERIFY(dropTrashedFolderSize(at("data/Trash/files/my folder"), home,
                                  [&](int fd) { handedOver += fd >= 0; }));
    QCOMPARE(handedOver, 1);
    QCOMPARE(readFile(QFile::decodeName(at("data/Trash/directorysizes"))),
             QByteArray("4096 1700000000 other\n12 3 last\n"));
    QVERIFY(!dropTrashedFolderSize(at("docs/my folder"), home, nullptr));

    // A home that does not exist: nothing found, nothing touched.
    DesktopHome nowhere{home.user, at("missing"), at("missing/.cache"), at("missing/.local")};
    QVERIFY(TraceFinder(nowhere).of(file).empty());
    QString error;
    QCOMPARE(dropRecentBookmarks(nowhere, {file}, nullptr, &error), 0);

    // Editor copies beside a file, regular files only, each once.
    for (const char *copy : {"docs/.plan.odt.swp", "docs/plan.odt~", "docs/#plan.odt#",
                             "docs/.~lock.plan.odt#", "docs/.plan.odt.kate-swp"})
        QVERIFY(writeFile(QFile::decodeName(at(copy)), "c"));
    QVERIFY(QDir().mkpath(QFile::decodeName(at("docs/.plan.odt.swo"))));
    QByteArrayList copies = editorCopies({file, at("docs/plan.odt~")});
    std::sort(copies.begin(), copies.end());
    QCOMPARE(copies, (QByteArrayList{at("docs/#plan.odt#"), at("docs/.plan.odt.kate-swp"),
                                     at("docs/.plan.odt.swp"), at("docs/.~lock.plan.odt#")}));
}

void EngineTest::unencryptedSwapIsSaid()
{
    // zram is memory: a swap there is no disk.
    const auto swaps = platform::activeSwaps("Filename\tType\tSize\tUsed\tPriority\n"
                                             "/dev/zram0 partition 1024 0 100\n"
                                             "/nonexistent/swap\\040file file 2048 0 -2\n");
    QCOMPARE(swaps.size(), std::size_t(2));
    QVERIFY(swaps[0].inMemory && !swaps[1].inMemory);
    QCOMPARE(swaps[1].name, QByteArray("/nonexistent/swap file"));
    const struct {
        std::vector<platform::Swap> swaps;
        QString said;
    } cases[] = {
        {{}, QString()},
        {{{"/dev/zram0", false, true}, {"/dev/dm-1", true, false}}, QString()},
        {{{"/dev/zram0", false, true}, {"/dev/sda3", false, false}, {"/swapfile", false, false}},
         "⚠️ Parts of the erased files may have been written to swap that is not encrypted "
         "(/dev/sda3, /swapfile); no erase of files reaches them there."},
    };
    for (const auto &c : cases) {
        Recorder rec;
        auto ctx = rec.context();
        noteUnencryptedSwap(ctx, c.swaps);
        QCOMPARE(rec.report.warnings(), c.said.isEmpty() ? QStringList() : QStringList{c.said});
    }
}

#include "test_engine.moc"
