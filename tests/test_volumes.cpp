// SPDX-License-Identifier: GPL-3.0-or-later

// What only a real volume shows: bytes and names left on the raw device, a
// full volume with root's reserve, mounts below a selection, TRIM, a signal
// during the fill, a read-only mount. Needs root and loop devices; skips
// with the reason elsewhere.

#include "testsupport.h"

#include "engine/fs/traces.h"
#include "engine/fs/walk.h"
#include "engine/job/erasemethods.h"
#include "engine/job/jobrunner.h"
#include "engine/job/jobs.h"

#include <QCryptographicHash>
#include <QtTest>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <linux/capability.h>
#include <linux/fs.h>
#include <set>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace velmora;
using namespace testsupport;

namespace
{

// Writes the planted text and makes sure it is on the device.
bool plant(const QString &path, qint64 size)
{
    if (!writeFile(path, plantedBytes(size)))
        return false;
    ::sync();
    return true;
}

// Takes one capability out of the calling thread's effective set for as
// long as it lives (the job runs on this thread); -1 takes none.
class ThreadWithoutCapability
{
  public:
    explicit ThreadWithoutCapability(int capability) : capability(capability)
    {
        if (capability >= 0 && ::syscall(SYS_capget, &header, data) == 0) {
            __user_cap_data_struct lowered[2] = {data[0], data[1]};
            lowered[capability / 32].effective &= ~(1u << (capability % 32));
            changed = ::syscall(SYS_capset, &header, lowered) == 0;
        }
    }
    ~ThreadWithoutCapability()
    {
        if (changed)
            ::syscall(SYS_capset, &header, data);
    }
    ThreadWithoutCapability(const ThreadWithoutCapability &) = delete;
    ThreadWithoutCapability &operator=(const ThreadWithoutCapability &) = delete;

  private:
    int capability;
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    bool changed = false;
};

quint64 freeBytes(const QString &root)
{
    struct statvfs sv;
    return ::statvfs(QFile::encodeName(root).constData(), &sv) == 0
               ? quint64(sv.f_bfree) * sv.f_frsize
               : 0;
}

// Files with recognisable names, deleted again; their names stay in free
// directory slots and in the journal.
void plantNames(const QString &folder, const QString &prefix, int count)
{
    QDir().mkpath(folder);
    for (int i = 0; i < count; ++i)
        writeFile(folder + QStringLiteral("/%1%2").arg(prefix).arg(i, 4, 10, QLatin1Char('0')),
                  "x");
    ::sync();
}

// What `program` prints, and the first number after `label` in it; -1
// without one.
qint64 numberPrinted(const QString &program, const QStringList &args, const QString &label)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    const QRegularExpressionMatch m =
        QRegularExpression(label + QStringLiteral(" (\\d+)")).match(p.readAllStandardOutput());
    return m.hasMatch() ? m.captured(1).toLongLong() : -1;
}

// XFS keeps blocks free in each allocation group for its own trees; no
// file is given them, and which blocks they are is up to the allocator.
// Counted on a volume that files have filled to the end.
qint64 xfsBlocksKeptFree(const QString &mount)
{
    return numberPrinted(QStringLiteral("xfs_spaceman"), {"-c", "freesp -s", mount},
                         QStringLiteral("total free blocks"));
}

// The numbers N of the names "confidential-report-N.txt" found on `image`,
// as bytes or as UTF-16, or in FAT's long-name entries.
std::set<int> reportNumbersOn(const QByteArray &data)
{
    const QByteArray image = data + Volume::fatLongNames(data);
    std::set<int> numbers;
    for (const int width : {1, 2}) {
        QByteArray prefix;
        for (const char c : QByteArray("confidential-report-")) {
            prefix += c;
            if (width == 2)
                prefix += '\0';
        }
        for (qsizetype at = image.indexOf(prefix); at >= 0; at = image.indexOf(prefix, at + 1)) {
            int number = 0, digits = 0;
            for (qsizetype i = at + prefix.size(); i < image.size() && digits < 6; i += width) {
                const char c = image[i];
                if (c < '0' || c > '9')
                    break;
                number = number * 10 + (c - '0');
                ++digits;
            }
            if (digits > 0)
                numbers.insert(number);
        }
    }
    return numbers;
}

void runFreeSpace(const QString &root, Recorder &rec, int passes = 1)
{
    const quint64 avail = freeBytes(root);
    rec.status.total = qint64(avail / kChunkSize) * passes;
    auto ctx = rec.context();
    runFreeSpaceWipeJob(root, passes, avail, ctx);
}

} // namespace

class VolumesTest : public QObject
{
    Q_OBJECT

  private slots:
    void freeSpaceWipeLeavesNoBlockNameOrLeftover_data();
    void freeSpaceWipeLeavesNoBlockNameOrLeftover();
    void namedFillFilesOnExfat();
    void signalDuringTheFillLeavesNothing();
    void fileEraseLeavesNoNameOnTheDevice_data();
    void fileEraseLeavesNoNameOnTheDevice();
    void oneFileErasedAloneLeavesNoName();
    void foldersGivenBackAreReachedOrSaid_data();
    void foldersGivenBackAreReachedOrSaid();
    void desktopTracesGoWithTheFile();
    void namesLeaveTheFolderThatStays_data();
    void namesLeaveTheFolderThatStays();
    void freeSpaceWipeReachesRecordsKeptApart_data();
    void freeSpaceWipeReachesRecordsKeptApart();
    void slowDriverIsSaid();
    void driverThatCountsLessFreeSpaceIsSaid();
    void fatOwnCountIsRead_data();
    void fatOwnCountIsRead();
    void stopInTheRecordFillLeavesNothing();
    void mountsBelowTheSelectionAreNotEntered();
    void volumeWipeLeavesNothingOnTheDevice();
    void readOnlyVolume();
    void fillFilesAlwaysGo_data();
    void fillFilesAlwaysGo();
    void fillFilesGoOnNtfs();
    void deepTreeIsErasedWhole_data();
    void deepTreeIsErasedWhole();
    void progressNeverGoesBack_data();
    void progressNeverGoesBack();
    void filledVolumesVerifyClean_data();
    void filledVolumesVerifyClean();
    void nameErrorsAreProblems_data();
    void nameErrorsAreProblems();
    void ordinaryUserFillsFromTheirFolder();
    void verificationReadsTheDevice_data();
    void verificationReadsTheDevice();
};

void VolumesTest::freeSpaceWipeLeavesNoBlockNameOrLeftover_data()
{
    QTest::addColumn<QString>("fsType");
    QTest::addColumn<bool>("trim");
    QTest::addColumn<qint64>("fileLimit"); // a process file-size limit, as FAT's 4 GiB
    QTest::newRow("ext4, TRIM") << "ext4" << true << qint64(0);
    QTest::newRow("ext4, the fill alone") << "ext4" << false << qint64(0);
    QTest::newRow("ext4, fill files of 16 MiB at most") << "ext4" << false << 16 * kChunkSize;
    QTest::newRow("xfs, the fill alone") << "xfs" << false << qint64(0);
}

void VolumesTest::freeSpaceWipeLeavesNoBlockNameOrLeftover()
{
    QFETCH(QString, fsType);
    QFETCH(bool, trim);
    QFETCH(qint64, fileLimit);
    // 5 % reserved for root, a journal, deleted data and names, and the
    // traps a user may set under the fill file's names.
    VOLUME_OR_SKIP(vol, fsType, 320 * 1024 * 1024, {},
                   fsType == "ext4" ? QStringList{"-m", "5"} : QStringList{}, trim);
    plantNames(vol.path() + "/old", "GONENAME", 200);
    plantNames(vol.path(), "ROOTNAME", 50);
    // XFS's reserve pool goes to the planted file too, as the fill borrows it.
    const bool xfs = fsType == "xfs";
    const QStringList resblks{"-x", "-c", "resblks", vol.path()};
    const qint64 pool = xfs ? numberPrinted("xfs_io", resblks, "reserved blocks =") : 0;
    if (xfs)
        QVERIFY(pool >= 0 && run("xfs_io", {"-x", "-c", "resblks 0", vol.path()}) == 0);
    {
        // Deleted data in every block: which ones a fill leaves is up to the
        // allocator, and the reserves are counts, not places.
        QFile f(vol.path() + "/old/deleted.bin");
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QByteArray chunk = plantedBytes(kChunkSize);
        while (f.write(chunk) == chunk.size()) {
        }
        // Blocks XFS still keeps busy from the metadata just written come
        // free once its log is written, later on a busy machine: written
        // too, in smaller pieces, until nothing more goes in.
        const QByteArray piece = plantedBytes(4096);
        for (int round = 0; round < 5; ++round) {
            f.flush();
            ::sync();
            bool more = false;
            while (f.write(piece) == piece.size())
                more = true;
            if (!more && round > 0)
                break;
        }
    }
    ::sync();
    const qint64 keptFree = xfs ? xfsBlocksKeptFree(vol.path()) : 0;
    if (xfs) {
        // A few per allocation group, or the bound below says little.
        QVERIFY2(keptFree >= 0 && keptFree < qint64(vol.capacity() / 4096 / 100),
                 qPrintable(QString::number(keptFree)));
        QVERIFY(run("xfs_io", {"-x", "-c", QStringLiteral("resblks %1").arg(pool), vol.path()}) ==
                0);
    }
    QVERIFY(QDir(vol.path() + "/old").removeRecursively());
    for (const QString &f : QDir(vol.path()).entryList({"ROOTNAME*"}))
        QFile::remove(vol.path() + "/" + f);
    QVERIFY(writeFile(vol.path() + "/kept.txt", "kept"));
    QVERIFY(writeFile(vol.path() + "/precious.txt", "precious"));
    QVERIFY(::link(QFile::encodeName(vol.path() + "/precious.txt").constData(),
                   QFile::encodeName(vol.path() + "/__freespace_temp__.bin").constData()) == 0);
    QVERIFY(::mkfifo(QFile::encodeName(vol.path() + "/__freespace_temp__1.bin").constData(),
                     0600) == 0);
    ::sync();
    // On a busy machine XFS may not have written the planted names anywhere
    // but its journal, and wrapped over them since: then there is nothing
    // here to look for.
    if (xfs && !(vol.imageContains("GONENAME0150") && vol.imageContains("ROOTNAME0042")))
        QSKIP("the planted names never reached the device");
    QVERIFY(vol.imageContains("GONENAME0150") && vol.imageContains("ROOTNAME0042"));
    const qint64 allocatedBefore = vol.imageAllocated();

    Recorder rec;
    struct rlimit old;
    ::getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit = old;
    if (fileLimit)
        limit.rlim_cur = rlim_t(fileLimit);
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &limit) == 0);
    runFreeSpace(vol.path(), rec);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY2(rec.lines.contains("✅ Free space wipe complete."), qPrintable(rec.lines.join('\n')));
    QVERIFY(!rec.lines.filter("🔄 Overwriting the names of deleted files").isEmpty());
    QCOMPARE(rec.lines.filter("ℹ️ No TRIM").isEmpty(), trim);
    QCOMPARE(rec.progress.last(), 100);
    QCOMPARE(readFile(vol.path() + "/precious.txt"), QByteArray("precious"));
    QCOMPARE(readFile(vol.path() + "/kept.txt"), QByteArray("kept"));
    QCOMPARE(entries(vol.path()).size(), 4);
    QVERIFY(vol.unmount());
    // XFS sets a few blocks per allocation group aside (and says so); which
    // of them held planted data depends on how the fill's files were laid out.
    QCOMPARE(rec.report.warnings().size(), xfs ? 1 : 0);
    const qint64 left = vol.imageBlocksContaining(plantText());
    QVERIFY2(left <= keptFree, qPrintable(QStringLiteral("%1 blocks left").arg(left)));
    // Without TRIM, the line says how much XFS kept aside, no less than
    // what the raw image still holds.
    if (xfs && !trim) {
        const QStringList kept =
            rec.lines.filter(QRegularExpression(QStringLiteral("^⚠️ XFS kept [0-9.]+ MB")));
        QCOMPARE(kept.size(), 1);
        const double said = kept.first().section(QLatin1Char(' '), 3, 3).toDouble();
        QVERIFY2(left * 4096 <= qint64((said + 0.05) * 1e6),
                 qPrintable(QStringLiteral("%1 blocks left: ").arg(left) + kept.first()));
    }
    QVERIFY(!vol.imageContains("GONENAME"));
    QVERIFY(!vol.imageContains("ROOTNAME"));
    // TRIM went down to the image: its free space is holes again.
    QVERIFY(!trim || vol.imageAllocated() < allocatedBefore + 8 * kChunkSize);
}

void VolumesTest::namedFillFilesOnExfat()
{
    // No unnamed files on exFAT: the fill goes to named ones.
    VOLUME_OR_SKIP(vol, "exfat", 24 * 1024 * 1024);
    // A file of the user's under a fill file's name (written first: the
    // slack of a kept file's last cluster is no free space), a leftover of
    // ours from a killed run, and deleted data. The leftover goes with a
    // line, the user's file stays.
    QVERIFY(writeFile(vol.path() + "/__freespace_temp__1.bin", "mine"));
    QVERIFY(
        writeFile(vol.path() + "/__freespace_temp__.bin",
                  "Velmora free-space fill file; safe to delete.\n" + plantedBytes(kChunkSize)));
    QVERIFY(plant(vol.path() + "/deleted.bin", 8 * kChunkSize));
    QVERIFY(QFile::remove(vol.path() + "/deleted.bin"));
    ::sync();

    Recorder rec;
    runFreeSpace(vol.path(), rec, 2);
    QVERIFY(rec.lines.contains("🧹 Removed a fill file left by an interrupted wipe: " +
                               vol.path() + "/__freespace_temp__.bin"));
    QVERIFY(rec.lines.contains("✅ Free space wipe complete."));
    QCOMPARE(entries(vol.path()), QStringList{"__freespace_temp__1.bin"});
    QCOMPARE(readFile(vol.path() + "/__freespace_temp__1.bin"), QByteArray("mine"));
    QVERIFY(vol.unmount());
    QVERIFY(!vol.imageContains(plantText()));
}

void VolumesTest::signalDuringTheFillLeavesNothing()
{
    // Named fill files on exFAT where the machine has it, unnamed ones on ext4.
    auto volume = std::make_unique<Volume>(QStringLiteral("exfat"), 256 * 1024 * 1024);
    if (!volume->error().isEmpty())
        volume = std::make_unique<Volume>(QStringLiteral("ext4"), 256 * 1024 * 1024);
    if (!volume->error().isEmpty())
        QSKIP(qPrintable(volume->error()));
    Volume &vol = *volume;
    const quint64 freeAtStart = freeBytes(vol.path());
    for (const int signal : {SIGTERM, SIGINT}) {
        QProcess bench;
        bench.start(QStringLiteral(VELMORA_BENCH), {"freespace", "--method", "NIST", vol.path()});
        QVERIFY(bench.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(freeBytes(vol.path()) < freeAtStart - 32 * kChunkSize, 120000);
        ::kill(pid_t(bench.processId()), signal);
        QVERIFY(bench.waitForFinished(120000));
        QCOMPARE(bench.exitCode(), 128 + signal);
        QVERIFY(bench.readAllStandardOutput().contains("Erase stopped"));
        QCOMPARE(entries(vol.path()), QStringList{});
        QCOMPARE(freeBytes(vol.path()), freeAtStart);
    }
}

void VolumesTest::fileEraseLeavesNoNameOnTheDevice_data()
{
    QTest::addColumn<QStringList>("mkfs");
    // Without a journal the folder blocks are the only place a name lives;
    // with one, the journal keeps copies of them too.
    QTest::newRow("no journal") << QStringList{"-O", "^has_journal"};
    QTest::newRow("journal") << QStringList{};
}

void VolumesTest::fileEraseLeavesNoNameOnTheDevice()
{
    QFETCH(QStringList, mkfs);
    VOLUME_OR_SKIP(vol, "ext4", 32 * 1024 * 1024, {}, mkfs);
    plantNames(vol.path() + "/sel", "ERASEDNAME", 200);
    QVERIFY(plant(vol.path() + "/sel/.hidden/data.bin", 3 * kChunkSize + 5));
    QVERIFY(vol.imageContains("ERASEDNAME0199"));
    const QByteArray sel = QFile::encodeName(vol.path() + "/sel");
    QByteArrayList files;
    listTree(sel, [&](const QByteArray &p) { files << p; });
    Recorder rec;
    auto ctx = rec.context();
    runFileEraseJob(files, {sel}, kMethodNist, ctx);
    QCOMPARE(rec.report.problemCount(), 0);
    QCOMPARE(entries(vol.path()), QStringList{});
    QVERIFY(vol.unmount());
    QVERIFY(!vol.imageContains("ERASEDNAME"));
    QVERIFY(!vol.imageContains(plantText()));
}

void VolumesTest::foldersGivenBackAreReachedOrSaid_data()
{
    QTest::addColumn<QString>("fsType");
    QTest::addColumn<bool>("mayFreeze"); // CAP_SYS_ADMIN
    QTest::newRow("xfs") << "xfs" << true;
    QTest::newRow("xfs, without the right to freeze it") << "xfs" << false;
    QTest::newRow("exfat") << "exfat" << true;
}

void VolumesTest::foldersGivenBackAreReachedOrSaid()
{
    // A tree erased whole gives its folders' space back, names and all. XFS
    // gives a folder's block back once its names fit in the folder's inode,
    // without writing it: written, mounted again (as after a restart), then
    // erased, the device keeps the names as first written unless the
    // folder's hidden names reach it before they go, on a device without
    // TRIM. exFAT's folders give their clusters back in the same mount;
    // through exfat-fuse a fill of what the erase freed takes them.
    QFETCH(QString, fsType);
    QFETCH(bool, mayFreeze);
    const bool xfs = fsType == "xfs";
    VOLUME_OR_SKIP(vol, fsType, (xfs ? 320 : 64) * 1024 * 1024, {},
                   xfs ? QStringList{"-f"} : QStringList{}, false);
    QVERIFY(writeFile(vol.path() + "/top/kept.txt", "kept"));
    for (int d = 0; d < 4; ++d)
        for (int i = 0; i < 50; ++i)
            QVERIFY(
                writeFile(vol.path() + QStringLiteral("/top/docs/sub%1/confidential-report-%2.txt")
                                           .arg(d)
                                           .arg(d * 50 + i),
                          plantedBytes(3000)));
    if (xfs)
        QVERIFY(vol.remountFromImageFile({"mount", "-o", "loop"}));
    const bool exfatFuse = !xfs && vol.throughFuse();
    const QByteArray docs = QFile::encodeName(vol.path() + "/top/docs");
    QByteArrayList files;
    listTree(docs, [&](const QByteArray &p) { files << p; });
    Recorder rec;
    auto ctx = rec.context();
    {
        ThreadWithoutCapability guard(mayFreeze ? -1 : CAP_SYS_ADMIN);
        runFileEraseJob(files, {docs}, kMethodNist, ctx);
    }
    QCOMPARE(rec.report.problemCount(), 0);
    QCOMPARE(entries(vol.path() + "/top"), QStringList{"kept.txt"});
    const QStringList said = rec.lines.filter("gave back to the volume");
    QCOMPARE(rec.lines.filter("gave back to " + vol.path() + " was overwritten").size(),
             exfatFuse ? 1 : 0);
    QVERIFY(vol.unmount());
    const std::size_t left = reportNumbersOn(readFile(vol.imagePath())).size();
    QVERIFY2(
        left == 0 || said.size() == 1,
        qPrintable(QString::number(left) + " names left, and the log:\n" + rec.lines.join('\n')));
    QVERIFY(!exfatFuse || (left == 0 && said.isEmpty()));
    // With the right, XFS's folders are written in place before names go;
    // without it, what they gave back is said.
    QVERIFY2(
        !xfs || (mayFreeze ? left == 0 && said.isEmpty() : left > 0 && said.size() == 1),
        qPrintable(QString::number(left) + " names left, and the log:\n" + rec.lines.join('\n')));
    QVERIFY(!vol.imageContains(plantText()));
}

void VolumesTest::oneFileErasedAloneLeavesNoName()
{
    // One name in a folder that stays: its copies in the journal outnumber
    // what a push by new names reaches in a small erase; the kernel empties
    // the journal for root instead.
    VOLUME_OR_SKIP(vol, "ext4", 128 * 1024 * 1024);
    const QString name = "confidential-report-kept-alone-7461.txt";
    QVERIFY(plant(vol.path() + "/docs/" + name, 20000));
    plantNames(vol.path() + "/docs", "STAYINGNAME", 20);
    ::sync();
    QVERIFY(vol.imageContains(name.toLatin1()));
    Recorder rec;
    auto ctx = rec.context();
    runFileEraseJob({QFile::encodeName(vol.path() + "/docs/" + name)}, {}, kMethodNist, ctx);
    QCOMPARE(rec.report.problemCount(), 0);
    QVERIFY2(rec.lines.filter("The journal of " + vol.path() + " was emptied").size() == 1,
             qPrintable(rec.lines.join('\n')));
    // The blocks it freed are discarded on the device (a loop device passes
    // that on to its file).
    QVERIFY2(rec.lines.filter("(TRIM)").size() == 1, qPrintable(rec.lines.join('\n')));
    QCOMPARE(entries(vol.path() + "/docs").size(), 20);
    QVERIFY(vol.unmount());
    QVERIFY(!vol.imageContains(name.toLatin1()));
    QVERIFY(!vol.imageContains(plantText()));
}

void VolumesTest::desktopTracesGoWithTheFile()
{
    // A loop volume as the home: a photo with its thumbnails, a recent-files
    // list of three documents, a KDE recent entry and a trashed file with its
    // record; a name with spaces, letters beyond ASCII and a percent sign.
    VOLUME_OR_SKIP(vol, "ext4", 64 * 1024 * 1024);
    const QString home = vol.path() + "/home";
    const QByteArray cache = QFile::encodeName(home + "/.cache");
    const QByteArray data = QFile::encodeName(home + "/.local/share");
    const QByteArray oldHome = qgetenv("HOME"), oldCache = qgetenv("XDG_CACHE_HOME"),
                     oldData = qgetenv("XDG_DATA_HOME");
    auto restore = qScopeGuard([&] {
        qputenv("HOME", oldHome);
        qputenv("XDG_CACHE_HOME", oldCache);
        qputenv("XDG_DATA_HOME", oldData);
    });
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_CACHE_HOME", cache);
    qputenv("XDG_DATA_HOME", data);

    const QString photo = home + "/Pictures/Urlaub in Zürich 100% schön.jpg";
    const QByteArray photoPath = QFile::encodeName(photo);
    QVERIFY(plant(photo, 20000));
    // As GNOME names its thumbnail: the MD5 of the escaped URI.
    const QByteArray uri = "file://" + QFile::encodeName(home) +
                           "/Pictures/Urlaub%20in%20Z%C3%BCrich%20100%25%20sch%C3%B6n.jpg";
    QCOMPARE(fileUris(photoPath).constFirst(), uri);
    const QByteArray thumbName =
        QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex() + ".png";
    const QByteArray thumbnail = "PNG THUMBMARKER-4471 Thumb::URI " + uri;
    for (const char *size : {"normal", "x-large", "fail/gnome-thumbnail-factory"})
        QVERIFY(writeFile(QFile::decodeName(cache) + "/thumbnails/" + size + '/' + thumbName,
                          thumbnail + QByteArray(9000, 'T')));
    const QByteArray other1 =
        "  <bookmark href=\"file:///srv/keep/one.odt\" added=\"2026-01-01\">\n"
        "    <info><metadata owner=\"x\"/></info>\n  </bookmark>\n";
    const QByteArray other2 =
        "  <bookmark href=\"file:///srv/keep/two%20b.pdf\" added=\"2026-02-02\"/>\n";
    const QByteArray head =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xbel version=\"1.0\"\n"
        "      xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\"\n"
        "      xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
    const QByteArray mine = "  <bookmark href=\"" + uri +
                            "\" added=\"2026-03-03\">\n"
                            "    <info><metadata owner=\"x\"><mime:mime-type type=\"image/jpeg\"/>"
                            "</metadata></info>\n  </bookmark>\n";
    QVERIFY(writeFile(QFile::decodeName(data) + "/recently-used.xbel",
                      head + other1 + mine + other2 + "</xbel>\n"));
    QVERIFY(writeFile(QFile::decodeName(data) + "/RecentDocuments/photo.jpg.desktop",
                      "[Desktop Entry]\nType=Link\nURL[$e]=" + uri + "\nName=photo\n"));
    QVERIFY(writeFile(QFile::decodeName(data) + "/RecentDocuments/other.desktop",
                      "[Desktop Entry]\nType=Link\nURL[$e]=file:///srv/keep/one.odt\n"));
    const QString trashed = QFile::decodeName(data) + "/Trash/files/old-draft.txt";
    QVERIFY(plant(trashed, 5000));
    QVERIFY(writeFile(QFile::decodeName(data) + "/Trash/info/old-draft.txt.trashinfo",
                      "[Trash Info]\nPath=/home/someone/TRASHEDPATH-8812/old-draft.txt\n"
                      "DeletionDate=2026-04-04T10:00:00\n"));
    ::sync();
    QVERIFY(vol.imageContains("THUMBMARKER-4471"));

    Recorder rec;
    auto ctx = rec.context();
    runFileEraseJob({photoPath, QFile::encodeName(trashed)}, {}, kMethodNist, ctx, true);
    QCOMPARE(rec.report.problemCount(), 0);
    QVERIFY2(rec.lines.contains("🧹 Removed from the recent files: " + photo),
             qPrintable(rec.lines.filter(QRegularExpression("^[^🔄✅]")).join('\n')));
    // The report's line (English forms come from the application's catalogue).
    QVERIFY2(
        rec.lines
                .filter(QRegularExpression("^🧹 Traces removed: 3 thumbnail.*, 2 recent-files "
                                           "entr.*, 1 Trash record"))
                .size() == 1,
        qPrintable(rec.lines.join('\n')));
    QCOMPARE(rec.report.notes().size(), 1);
    // The other bookmarks and KDE's other entry as they were, byte for byte.
    QCOMPARE(readFile(QFile::decodeName(data) + "/recently-used.xbel").mid(head.size()),
             other1 + other2 + "</xbel>\n");
    QCOMPARE(entries(QFile::decodeName(data) + "/RecentDocuments"), QStringList{"other.desktop"});
    QCOMPARE(entries(QFile::decodeName(data) + "/Trash/info"), QStringList{});
    for (const char *size : {"normal", "x-large", "fail/gnome-thumbnail-factory"})
        QCOMPARE(entries(QFile::decodeName(cache) + "/thumbnails/" + size), QStringList{});
    QVERIFY(vol.unmount());
    QVERIFY(!vol.imageContains("THUMBMARKER-4471"));
    QVERIFY(!vol.imageContains("TRASHEDPATH-8812"));
    QVERIFY(!vol.imageContains("Urlaub%20in%20Z%C3%BCrich"));
    QVERIFY(!vol.imageContains(plantText()));
    QVERIFY(vol.imageContains("/srv/keep/two%20b.pdf")); // what stays is still there
}

void VolumesTest::namesLeaveTheFolderThatStays_data()
{
    QTest::addColumn<QString>("fsType");
    QTest::addColumn<bool>("imageFile"); // ntfs-3g given the image file itself
    QTest::addColumn<int>("count");      // names erased
    QTest::newRow("ext4") << "ext4" << false << 150;
    QTest::newRow("xfs") << "xfs" << false << 150;
    QTest::newRow("ntfs") << "ntfs" << false << 150;
    QTest::newRow("ntfs from an image file") << "ntfs" << true << 150;
    QTest::newRow("exfat") << "exfat" << false << 150;
    // 40 names and 5 that stay: the folder gives a cluster back.
    QTest::newRow("exfat, a folder that shrinks") << "exfat" << false << 40;
    QTest::newRow("vfat") << "vfat" << false << 150;
}

void VolumesTest::namesLeaveTheFolderThatStays()
{
    // Renamed and removed, the names leave their bytes in the free space of
    // the folder's blocks (XFS keeps every one of them) until new entries
    // take their place.
    QFETCH(QString, fsType);
    QFETCH(bool, imageFile);
    QFETCH(int, count);
    VOLUME_OR_SKIP(vol, fsType, (fsType == "xfs" ? 320 : 64) * 1024 * 1024);
    if (imageFile && !vol.remountFromImageFile({"ntfs-3g"}))
        QSKIP("ntfs-3g cannot mount the image file itself here");
    // Names that stay ahead of the erased ones let exFAT shrink the folder.
    const bool shrinks = fsType == "exfat" && count == 40;
    if (shrinks)
        plantNames(vol.path() + "/docs", "STAYINGNAME", 5);
    QByteArrayList files;
    for (int i = 0; i < count; ++i) {
        const QString file = vol.path() + QStringLiteral("/docs/confidential-report-%1.txt").arg(i);
        QVERIFY(plant(file, 3000));
        files << QFile::encodeName(file);
    }
    // Names beyond ASCII take more bytes than UTF-16 units (fusefat takes
    // none of them).
    bool beyondAscii = true;
    for (int i = 0; i < 10 && beyondAscii; ++i) {
        const QString file =
            vol.path() + QStringLiteral("/docs/Zürich-Geheimbericht-%1.txt").arg(i);
        beyondAscii = plant(file, 3000);
        QVERIFY(beyondAscii || fsType == "vfat");
        if (beyondAscii)
            files << QFile::encodeName(file);
    }
    if (!shrinks)
        plantNames(vol.path() + "/docs", "STAYINGNAME", 5);
    ::sync();
    // exFAT and FAT's long names split a name into entries of 15 and 13
    // characters.
    QVERIFY(vol.imageContainsName(QStringLiteral("confidential-report-%1.txt").arg(count - 1)) ||
            fsType == "exfat" || fsType == "vfat");
    QVERIFY(vol.imageContainsName("confidential"));
    QVERIFY(!beyondAscii || vol.imageContainsName(QStringLiteral("Geheim")));
    Recorder rec;
    auto ctx = rec.context();
    runFileEraseJob(files, {}, kMethodNist, ctx);
    QCOMPARE(rec.report.problemCount(), 0);
    // fusefat makes new entries so slowly that no scrub is tried there, and
    // the log says once that names may remain. (Its unlink leaves pieces of
    // long names behind as entries of their own, rm's as well.)
    const bool fusefat = vol.throughFusefat();
    QCOMPARE(rec.lines.filter("is too slow to overwrite them").size(), fusefat ? 1 : 0);
    QCOMPARE(rec.lines.filter("🧹 The free entries of").size(), fusefat ? 0 : 1);
    // The image tells the file system where the table does not.
    QVERIFY2(rec.lines.filter("cannot tell which file system").isEmpty(),
             qPrintable(rec.lines.join('\n')));
    const QStringList stayed = entries(vol.path() + "/docs");
    QCOMPARE(stayed.filter("STAYINGNAME").size(), 5);
    if (fusefat)
        return;
    QCOMPARE(stayed.size(), 5);
    char attributes[4096];
    const ssize_t listed = ::listxattr(QFile::encodeName(vol.path() + "/docs").constData(),
                                       attributes, sizeof attributes);
    QVERIFY(listed <= 0 || !QByteArray(attributes, int(listed)).contains("velmora"));
    // exFAT gives the clusters of a folder that shrank back to the volume,
    // names and all. exfat-fuse hands out the lowest free clusters first, so
    // a fill of what the erase freed takes them; of another driver the log
    // says so, and the free-space wipe takes them.
    const bool exfatFuse = fsType == "exfat" && vol.throughFuse();
    QCOMPARE(rec.lines.filter("gave back to " + vol.path() + " was overwritten").size(),
             shrinks && exfatFuse ? 1 : 0);
    const QStringList givenBack = rec.lines.filter("gave back to the volume");
    QCOMPARE(givenBack.size(), shrinks && !exfatFuse ? 1 : 0);
    if (!givenBack.isEmpty())
        runFreeSpace(vol.path(), rec);
    QVERIFY(vol.unmount());
    // NTFS also kept a name in the folder's own record, past its end.
    const QByteArray image = readFile(vol.imagePath());
    const std::size_t left = reportNumbersOn(image).size();
    QVERIFY2(left == 0, qPrintable(QString::number(left)));
    QVERIFY(!Volume::holdsName(image, "confidential"));
    QVERIFY(!Volume::holdsName(image, QStringLiteral("Geheim")));
    QVERIFY(!vol.imageContains(plantText()));
}

void VolumesTest::driverThatCountsLessFreeSpaceIsSaid()
{
    // fusefat goes by FAT32's count of free clusters, which goes stale
    // where a stick is pulled out, and takes no cluster past it: the fill
    // ends early. FAT's own table tells how much was never overwritten, the
    // job says so and is not "complete"; once fsck.fat has put the count
    // right, the next wipe reaches it all. No TRIM to hide anything.
    VOLUME_OR_SKIP(vol, "vfat", 96 * 1024 * 1024, {}, {"-F", "32"}, false);
    if (!vol.throughFusefat())
        QSKIP("needs FAT through fusefat, which believes the count");
    for (int i = 0; i < 6; ++i)
        QVERIFY(plant(vol.path() + QStringLiteral("/gone%1.bin").arg(i), 8 * 1024 * 1024));
    for (int i = 0; i < 6; ++i)
        QVERIFY(QFile::remove(vol.path() + QStringLiteral("/gone%1.bin").arg(i)));
    QVERIFY(vol.unmount());
    QVERIFY(vol.imageContains(plantText()));
    // The count of free clusters in FAT32's information sector, cut to
    // 10,000 clusters of 512 bytes: about 5 MiB of the 94 free.
    {
        QFile image(vol.imagePath());
        QVERIFY(image.open(QIODevice::ReadWrite));
        const QByteArray boot = image.read(512);
        const quint16 sectorBytes = quint16(uchar(boot[11]) | uchar(boot[12]) << 8);
        const quint16 infoSector = quint16(uchar(boot[48]) | uchar(boot[49]) << 8);
        QCOMPARE(uchar(boot[13]), uchar(1)); // a sector per cluster
        QVERIFY(image.seek(qint64(infoSector) * sectorBytes + 488));
        const char count[4] = {char(10000 & 0xff), char(10000 >> 8), 0, 0};
        QCOMPARE(image.write(count, 4), qint64(4));
    }
    const QStringList fusefat{"fusefat", "-o", "rw+"};
    QVERIFY(vol.remountFromImageFile(fusefat));
    Recorder rec;
    runFreeSpace(vol.path(), rec);
    const QStringList said =
        rec.lines.filter("MB of the free space of " + vol.path() + " were not overwritten");
    QVERIFY2(said.size() == 1, qPrintable(rec.lines.join('\n')));
    const double unreached = said.first().section(QLatin1Char(' '), 1, 1).toDouble();
    // 80 to 95 MiB, in megabytes.
    QVERIFY2(unreached > 83.8 && unreached < 99.7, qPrintable(said.first()));
    QCOMPARE(rec.report.problemCount(), 1);
    QVERIFY(rec.lines.filter("✅ Free space wipe complete.").isEmpty());
    QVERIFY(rec.lines.contains("⚠️ Free space wipe ended: not all of the free space was "
                               "overwritten."));
    // What it says may remain does. (As the volume runs full, fusefat
    // writes beyond the end of an image file, which is no part of it.)
    QVERIFY(vol.unmount());
    QVERIFY(QFile::resize(vol.imagePath(), 96 * 1024 * 1024));
    QVERIFY(vol.imageContains(plantText()));

    QCOMPARE(run("fsck.fat", {"-a", vol.imagePath()}) & ~1, 0);
    QVERIFY(vol.remountFromImageFile(fusefat));
    Recorder again;
    runFreeSpace(vol.path(), again);
    QVERIFY2(again.lines.contains("✅ Free space wipe complete."),
             qPrintable(again.lines.join('\n')));
    QCOMPARE(again.report.problemCount(), 0);
    QVERIFY(vol.unmount());
    QVERIFY(QFile::resize(vol.imagePath(), 96 * 1024 * 1024));
    QVERIFY(!vol.imageContains(plantText()));
}

void VolumesTest::fatOwnCountIsRead_data()
{
    QTest::addColumn<QString>("bits");
    QTest::addColumn<qint64>("size");
    QTest::newRow("FAT12") << "12" << qint64(4 * 1024 * 1024);
    QTest::newRow("FAT16") << "16" << qint64(32 * 1024 * 1024);
    QTest::newRow("FAT32") << "32" << qint64(64 * 1024 * 1024);
}

void VolumesTest::fatOwnCountIsRead()
{
    // FAT's count of free clusters, as its own table gives it, against
    // fsck.fat's, with files of odd sizes written through the driver.
    QFETCH(QString, bits);
    QFETCH(qint64, size);
    VOLUME_OR_SKIP(vol, "vfat", size, {}, {"-F", bits});
    for (int i = 0; i < 7; ++i)
        QVERIFY(writeFile(vol.path() + QStringLiteral("/f%1.bin").arg(i),
                          plantedBytes(100000 * i + 77)));
    QVERIFY(vol.unmount());
    QProcess fsck;
    fsck.start("fsck.fat", {"-n", vol.imagePath()});
    QVERIFY(fsck.waitForFinished(60000));
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("(\\d+)/(\\d+) clusters"))
                                          .match(fsck.readAllStandardOutput());
    QVERIFY(m.hasMatch());
    const QByteArray boot = readFile(vol.imagePath()).left(512);
    const quint64 clusterBytes =
        quint64(uchar(boot[11]) | uchar(boot[12]) << 8) * quint64(uchar(boot[13]));
    quint64 free = 0;
    QCOMPARE(platform::fatFreeBytes(QFile::encodeName(vol.imagePath()), &free), 0);
    QCOMPARE(free, (m.captured(2).toULongLong() - m.captured(1).toULongLong()) * clusterBytes);
    // Anything else is no FAT.
    QCOMPARE(platform::fatFreeBytes("/dev/null", &free), EINVAL);
}

void VolumesTest::freeSpaceWipeReachesRecordsKeptApart_data()
{
    QTest::addColumn<QString>("fsType");
    QTest::newRow("btrfs") << "btrfs";
    QTest::newRow("ntfs") << "ntfs";
}

void VolumesTest::freeSpaceWipeReachesRecordsKeptApart()
{
    // btrfs keeps its trees (small files' data too) apart from the space a
    // fill takes: the names of deleted files stay in old tree blocks. NTFS
    // keeps them in the deleted files' records of its file table, which
    // must not grow into free space for good on the way. No TRIM to hide
    // them.
    QFETCH(QString, fsType);
    VOLUME_OR_SKIP(vol, fsType, 320 * 1024 * 1024, {}, {}, false);
    plantNames(vol.path() + "/old", "GONENAME", 150);
    QVERIFY(writeFile(vol.path() + "/kept.txt", "kept"));
    ::sync();
    QVERIFY(vol.imageContainsName("GONENAME0149"));
    QVERIFY(QDir(vol.path() + "/old").removeRecursively());
    ::sync();
    // A first wipe may give the table room for its own fill files, once
    // (ntfs-3g grows it 16 records at a time), and no more.
    const quint64 freeBefore = freeBytes(vol.path());
    quint64 freeAfterFirst = 0;
    for (int run = 0; run < (fsType == "ntfs" ? 3 : 1); ++run) {
        Recorder rec;
        runFreeSpace(vol.path(), rec);
        QVERIFY2(rec.lines.contains("✅ Free space wipe complete."),
                 qPrintable(rec.lines.join('\n')));
        QVERIFY(rec.lines.filter("may remain").isEmpty());
        QCOMPARE(rec.progress.last(), 100);
        QVERIFY(entries(vol.path()).contains("kept.txt"));
        QCOMPARE(entries(vol.path()).filter("velmora").size(), 0);
        if (run == 0) {
            freeAfterFirst = freeBytes(vol.path());
            QVERIFY2(freeAfterFirst + 64 * 1024 >= freeBefore,
                     qPrintable(QString::number(freeBefore - freeAfterFirst)));
        } else {
            // Under load, ntfs-3g now and then still grows its table by one
            // step of 16 records (16 KiB) in a later wipe; more than that
            // is the table growing into free space for good.
            const quint64 now = freeBytes(vol.path());
            QVERIFY2(now + 16 * 1024 >= freeAfterFirst,
                     qPrintable(QString::number(freeAfterFirst - now)));
        }
    }
    QVERIFY(vol.unmount());
    QVERIFY(!vol.imageContainsName("GONENAME"));
}

void VolumesTest::slowDriverIsSaid()
{
    // fusefat takes longer for each new entry the more its folder holds; a
    // names phase through it ran for hours. The fill still reaches what the
    // deleted files held; the log says the names may remain.
    VOLUME_OR_SKIP(vol, "vfat", 32 * 1024 * 1024);
    if (!vol.throughFusefat())
        QSKIP("FAT is mounted by the kernel's driver here");
    for (int i = 0; i < 20; ++i)
        QVERIFY(plant(vol.path() + QStringLiteral("/GONE%1.TXT").arg(i), 3000));
    for (int i = 0; i < 20; ++i)
        QVERIFY(QFile::remove(vol.path() + QStringLiteral("/GONE%1.TXT").arg(i)));
    Recorder rec;
    runFreeSpace(vol.path(), rec);
    QVERIFY2(rec.lines.contains("✅ Free space wipe complete."), qPrintable(rec.lines.join('\n')));
    QCOMPARE(rec.lines
                 .filter("⚠️ The names of deleted files may remain on " + vol.path() +
                         ": its driver (fusefat) is too slow to overwrite them.")
                 .size(),
             1);
    QVERIFY(rec.lines.filter("🔄 Overwriting the names").isEmpty());
    QCOMPARE(entries(vol.path()), QStringList{});
    QVERIFY(vol.unmount());
    QVERIFY(!vol.imageContains(plantText()));
}

void VolumesTest::stopInTheRecordFillLeavesNothing()
{
    // Stopped halfway through NTFS's free records, with the volume full:
    // the folders made so far go with the fill files, and nothing says the
    // names are gone.
    VOLUME_OR_SKIP(vol, "ntfs", 128 * 1024 * 1024);
    plantNames(vol.path() + "/old", "GONENAME", 150);
    QVERIFY(QDir(vol.path() + "/old").removeRecursively());
    QVERIFY(writeFile(vol.path() + "/kept.txt", "kept"));
    const quint64 freeBefore = freeBytes(vol.path());
    Recorder rec;
    std::atomic_bool inRecords{false};
    std::atomic_int made{0};
    rec.onLog = [&inRecords](Recorder &, const QString &line) {
        if (line.startsWith("🔄 Overwriting the free file records"))
            inRecords = true;
    };
    platform::injectFault = [&](const char *call, int) {
        if (inRecords && std::strcmp(call, "mkdir") == 0 && ++made == 10)
            rec.stop = true;
        return 0;
    };
    // (Early in the records: a busy machine's ntfs-3g may free fewer of the
    // deleted ones by the time the fill reaches them.)
    runFreeSpace(vol.path(), rec);
    platform::injectFault = nullptr;
    QVERIFY2(made >= 10, qPrintable(rec.lines.join('\n')));
    QVERIFY(!rec.lines.contains("✅ Free space wipe complete."));
    QCOMPARE(rec.report.problemCount(), 0);
    QCOMPARE(entries(vol.path()), QStringList{"kept.txt"});
    QVERIFY(freeBytes(vol.path()) + 64 * 1024 >= freeBefore);
}

void VolumesTest::mountsBelowTheSelectionAreNotEntered()
{
    VOLUME_OR_SKIP(vol, "tmpfs", 16 * 1024 * 1024);
    VOLUME_OR_SKIP(other, "tmpfs", 4 * 1024 * 1024);
    // A folder of the same file system bound inside the selection, and a
    // single file of another one bound over a file in it.
    const QString outside = vol.path() + "/outside";
    const QString sel = vol.path() + "/sel";
    QVERIFY(writeFile(outside + "/keep.txt", plantedBytes(100)));
    QVERIFY(writeFile(outside + "/x.lnk", "shortcut"));
    QVERIFY(writeFile(other.path() + "/single.txt", plantedBytes(200)));
    QVERIFY(writeFile(sel + "/mine.txt", plantedBytes(300)));
    QVERIFY(writeFile(sel + "/over.txt", "placeholder"));
    QVERIFY(QDir().mkpath(sel + "/bound"));
    QCOMPARE(run("mount", {"--bind", outside, sel + "/bound"}), 0);
    QCOMPARE(run("mount", {"--bind", other.path() + "/single.txt", sel + "/over.txt"}), 0);

    QByteArrayList files;
    listTree(QFile::encodeName(sel), [&](const QByteArray &p) { files << p; });
    QCOMPARE(files, QByteArrayList{QFile::encodeName(sel + "/mine.txt")});
    files << QFile::encodeName(sel + "/over.txt");
    Recorder rec;
    auto ctx = rec.context();
    runFileEraseJob(files, {QFile::encodeName(sel)}, kMethodNist, ctx);
    // Memory has no drive to tell of freed blocks; what it is, is said once.
    QVERIFY(rec.lines.filter("TRIM").isEmpty());
    QCOMPARE(rec.lines.filter(vol.path() + " is held in memory (tmpfs)").size(), 1);
    run("umount", {sel + "/over.txt"});
    run("umount", {sel + "/bound"});

    QCOMPARE(readFile(outside + "/keep.txt"), plantedBytes(100));
    QVERIFY(QFileInfo::exists(outside + "/x.lnk"));
    QCOMPARE(readFile(other.path() + "/single.txt"), plantedBytes(200));
    QVERIFY(!QFileInfo::exists(sel + "/mine.txt"));
    QCOMPARE(rec.lines.filter("⚠️ Not erased, another volume is mounted here: ").size(), 2);
    QCOMPARE(rec.report.problemCount(), 2);
}

void VolumesTest::volumeWipeLeavesNothingOnTheDevice()
{
    VOLUME_OR_SKIP(vol, "ext4", 32 * 1024 * 1024);
    VOLUME_OR_SKIP(nested, "tmpfs", 1024 * 1024);
    QVERIFY(plant(vol.path() + "/docs/a.txt", kChunkSize + 3));
    QVERIFY(plant(vol.path() + "/docs/deep/.b", 5000));
    QVERIFY(plant(vol.path() + "/gone.txt", kChunkSize));
    QVERIFY(writeFile(vol.path() + "/docs/shortcut.lnk", "x"));
    QVERIFY(QFile::remove(vol.path() + "/gone.txt"));
    QVERIFY(QDir().mkpath(vol.path() + "/mnt"));
    QVERIFY(writeFile(nested.path() + "/other.txt", "other volume"));
    QCOMPARE(run("mount", {"--bind", nested.path(), vol.path() + "/mnt"}), 0);
    ::sync();

    Recorder rec;
    const quint64 total = vol.capacity();
    rec.status.total = qint64(total / kChunkSize) * 2;
    auto ctx = rec.context();
    runVolumeWipeJob(vol.path(), kMethodBritish, 2, total, ctx);
    run("umount", {vol.path() + "/mnt"});
    // The volume mounted below is not erased, and the closing line does not
    // say the wipe was complete.
    QVERIFY(rec.lines.contains("⚠️ Full disk erase ended: not everything was erased."));
    QVERIFY(rec.lines.contains("⚠️ Not erased, another volume is mounted here: " + vol.path() +
                               "/mnt"));
    QCOMPARE(readFile(nested.path() + "/other.txt"), QByteArray("other volume"));
    QCOMPARE(rec.progress.last(), 100);
    QCOMPARE(entries(vol.path()), QStringList{"mnt"});
    QVERIFY(vol.unmount());
    QVERIFY(!vol.imageContains(plantText()));
}

void VolumesTest::readOnlyVolume()
{
    VOLUME_OR_SKIP(vol, "ext4", 16 * 1024 * 1024);
    QVERIFY(writeFile(vol.path() + "/a.txt", plantedBytes(10)));
    QCOMPARE(run("mount", {"-o", "remount,ro", vol.path()}), 0);

    Recorder free;
    auto freeCtx = free.context();
    runFreeSpaceWipeJob(vol.path(), 1, 4 * kChunkSize, freeCtx);
    QCOMPARE(free.lines, QStringList{"❌ Unable to create write file to erase free space. "
                                     "(Read-only file system)"});

    Recorder wipe;
    auto wipeCtx = wipe.context();
    runVolumeWipeJob(vol.path(), kMethodNist, 1, vol.capacity(), wipeCtx);
    QVERIFY(wipe.lines.contains("⚠️ Skipped (could not be erased): " + vol.path() +
                                "/a.txt (Read-only file system)"));
    QCOMPARE(wipe.lines.last(), QStringLiteral("❌ Unable to create temp file for free space wipe. "
                                               "(Read-only file system)"));
    QCOMPARE(readFile(vol.path() + "/a.txt"), plantedBytes(10));
}

void VolumesTest::fillFilesAlwaysGo_data()
{
    QTest::addColumn<int>("refusals"); // how often the file system refuses the removal
    QTest::newRow("refused once while full") << 1;
    QTest::newRow("never removable") << 1000;
}

void VolumesTest::fillFilesAlwaysGo()
{
    // A file system without unnamed files (as FAT or ntfs-3g) whose driver
    // refuses to remove the fill files: asked again once their space is back,
    // and where they stay, the job says so and is not complete.
    QFETCH(int, refusals);
    VOLUME_OR_SKIP(vol, "tmpfs", 16 * 1024 * 1024);
    int refused = 0;
    platform::injectFault = [&](const char *call, int) {
        if (std::strcmp(call, "tmpfile") == 0)
            return EOPNOTSUPP;
        if (std::strcmp(call, "unlink") == 0 && refused < refusals) {
            ++refused;
            return refused == 1 ? ENOSPC : EIO;
        }
        return 0;
    };
    Recorder rec;
    runFreeSpace(vol.path(), rec);
    platform::injectFault = nullptr;
    const QStringList left = entries(vol.path());
    if (refusals == 1) {
        QCOMPARE(left, QStringList{});
        QCOMPARE(rec.report.problemCount(), 0);
        QVERIFY(rec.lines.contains("✅ Free space wipe complete."));
        return;
    }
    QVERIFY(!left.isEmpty());
    QVERIFY2(
        !rec.lines
             .filter("❌ A fill file could not be removed: " + vol.path() + "/__freespace_temp__")
             .isEmpty(),
        qPrintable(rec.lines.join('\n')));
    QVERIFY(!rec.lines.contains("✅ Free space wipe complete."));
    QCOMPARE(rec.report.problemCount(), left.size());
    // Their space came back all the same.
    QVERIFY(freeBytes(vol.path()) > 12 * 1024 * 1024);
}

void VolumesTest::fillFilesGoOnNtfs()
{
    // ntfs-3g refuses to remove a file while the volume is full, now and
    // then: thirty wipes in a row leave no fill file and the free space
    // where it was.
    VOLUME_OR_SKIP(vol, "ntfs", 256 * 1024 * 1024);
    const quint64 before = freeBytes(vol.path());
    for (int run = 0; run < 30; ++run) {
        Recorder rec;
        runFreeSpace(vol.path(), rec);
        QVERIFY2(rec.report.problemCount() == 0, qPrintable(rec.lines.join('\n')));
        QVERIFY2(entries(vol.path()).isEmpty(), qPrintable(entries(vol.path()).join(' ')));
        QVERIFY(rec.lines.contains("✅ Free space wipe complete."));
    }
    // The log file and the MFT may take a few clusters more than before.
    QVERIFY(freeBytes(vol.path()) + 1024 * 1024 >= before);
}

void VolumesTest::progressNeverGoesBack_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("file erase") << int(ErasureRecord::Kind::Files);
    QTest::newRow("volume wipe") << int(ErasureRecord::Kind::Volume);
    QTest::newRow("free-space wipe") << int(ErasureRecord::Kind::FreeSpace);
}

void VolumesTest::progressNeverGoesBack()
{
    // Started as the window, velmora-cli and velmora-bench start it: the
    // bar only moves forward, whatever a phase learns of its size late.
    QFETCH(int, kind);
    // ext4 with a reserve for root: the fill finds more room than the total
    // was counted for, and the names phase adds units of its own.
    VOLUME_OR_SKIP(vol, "ext4", 64 * 1024 * 1024, {}, {"-m", "5"});
    QVERIFY(plant(vol.path() + "/sel/big.bin", 5 * kChunkSize + 3));
    for (int i = 0; i < 20; ++i)
        QVERIFY(plant(vol.path() + QStringLiteral("/sel/small%1.txt").arg(i), 100));
    QVERIFY(writeFile(vol.path() + "/sel/empty.txt", QByteArray()));
    JobRequest request;
    request.kind = ErasureRecord::Kind(kind);
    request.method = kMethodDoD;
    request.verify = true;
    request.root = vol.path();
    request.listed = listSelection({QFile::encodeName(vol.path() + "/sel")});
    Recorder rec;
    // The command line's progress line reads the same figure as the bar.
    std::atomic<int> differing{0};
    rec.onProgress = [&differing](Recorder &r) {
        if (r.status.percent.load() != r.progress.constLast())
            ++differing;
    };
    auto ctx = rec.context();
    QString error;
    QVERIFY(runJob(request, ctx, &error));
    QVERIFY2(rec.report.problemCount() == 0, qPrintable(rec.lines.join('\n')));
    QCOMPARE(differing.load(), 0);
    QVERIFY(!rec.progress.isEmpty());
    for (qsizetype i = 1; i < rec.progress.size(); ++i)
        QVERIFY2(
            rec.progress[i] >= rec.progress[i - 1],
            qPrintable(QStringLiteral("%1 then %2").arg(rec.progress[i - 1]).arg(rec.progress[i])));
    QCOMPARE(rec.progress.last(), 100);
}

void VolumesTest::deepTreeIsErasedWhole_data()
{
    QTest::addColumn<int>("depth");
    QTest::newRow("40,000 levels") << 40000;
    QTest::newRow("100,000 levels") << 100000;
}

void VolumesTest::deepTreeIsErasedWhole()
{
    // Anyone who can write into a folder can make a tree deeper than any
    // stack: the walk takes it with memory for its levels' names alone. (A
    // walk that recursed died at about 15,000 levels.)
    QFETCH(int, depth);
    // Each rename costs the kernel time in proportion to the depth, so the
    // deepest tree takes minutes: it runs when asked for.
    if (depth > 40000 && qEnvironmentVariableIsEmpty("VELMORA_LONG_TESTS"))
        QSKIP("takes about five minutes (renames deep in a tree are slow in the kernel); "
              "set VELMORA_LONG_TESTS=1 to run it");
    VOLUME_OR_SKIP(vol, "tmpfs", 1024 * 1024 * 1024);
    const QByteArray root = QFile::encodeName(vol.path() + "/deep");
    QVERIFY(::mkdir(root.constData(), 0700) == 0);
    {
        int fd = ::open(root.constData(), O_RDONLY | O_DIRECTORY);
        for (int level = 0; level < depth && fd >= 0; ++level) {
            if (level % 10000 == 0)
                QVERIFY(::close(::openat(fd, "f.bin", O_WRONLY | O_CREAT, 0600)) == 0);
            QVERIFY(::mkdirat(fd, "d", 0700) == 0);
            const int next = ::openat(fd, "d", O_RDONLY | O_DIRECTORY);
            ::close(fd);
            fd = next;
        }
        QVERIFY(fd >= 0);
        const int bottom = ::openat(fd, "bottom.bin", O_WRONLY | O_CREAT, 0600);
        QVERIFY(::write(bottom, "secret", 6) == 6);
        ::close(bottom);
        ::close(fd);
    }
    // Add Folder lists every file of it, far below any limit of open
    // descriptors, and the folder itself.
    const QByteArrayList listed = listSelection({root});
    QCOMPARE(listed.size(), depth / 10000 + 2);
    QCOMPARE(std::count_if(listed.cbegin(), listed.cend(),
                           [](const QByteArray &p) { return p.endsWith("/d/bottom.bin"); }),
             1);
    QCOMPARE(listed.constLast(), root);
    struct rusage before;
    ::getrusage(RUSAGE_SELF, &before);
    // The log has a line per folder; only its count is kept here.
    std::atomic<qint64> lines{0};
    Recorder rec;
    auto ctx = rec.context();
    ctx.log = [&lines](const QString &) { ++lines; };
    runFileEraseJob({}, {root}, kMethodNist, ctx);
    struct rusage after;
    ::getrusage(RUSAGE_SELF, &after);
    QVERIFY2(rec.report.problemCount() == 0, qPrintable(rec.report.problemSamples().join('\n')));
    QCOMPARE(entries(vol.path()), QStringList{});
    QVERIFY(lines > depth);
    // ru_maxrss is in KiB.
    QVERIFY2(after.ru_maxrss - before.ru_maxrss < 256 * 1024,
             qPrintable(QStringLiteral("%1 KiB more, from %2 KiB")
                            .arg(after.ru_maxrss - before.ru_maxrss)
                            .arg(before.ru_maxrss)));
}

void VolumesTest::filledVolumesVerifyClean_data()
{
    QTest::addColumn<QString>("fsType");
    QTest::newRow("ext4") << "ext4";
    QTest::newRow("xfs") << "xfs";
    QTest::newRow("ntfs") << "ntfs";
    QTest::newRow("exfat") << "exfat";
}

void VolumesTest::filledVolumesVerifyClean()
{
    // A healthy volume filled to its last block reads back what was written:
    // XFS takes the last writes of a fill without a reserve of its own, then
    // cannot put them on the device.
    QFETCH(QString, fsType);
    VOLUME_OR_SKIP(vol, fsType, 320 * 1024 * 1024);
    for (int run = 0; run < 3; ++run) {
        Recorder rec;
        rec.status.total = 1000;
        auto ctx = rec.context();
        ctx.verify = true;
        runFreeSpaceWipeJob(vol.path(), 1, freeBytes(vol.path()), ctx);
        QVERIFY2(rec.report.problemCount() == 0, qPrintable(rec.lines.join('\n')));
        QVERIFY(!rec.lines.filter("🔎 Verified ").isEmpty());
        QVERIFY(rec.lines.contains("✅ Free space wipe complete."));
    }
}

void VolumesTest::nameErrorsAreProblems_data()
{
    QTest::addColumn<bool>("freeSpace");
    QTest::addColumn<QString>("said");
    QTest::newRow("free-space wipe, names phase")
        << true << "❌ Overwriting the names of deleted files failed: Read-only file system";
    QTest::newRow("file erase, journal push")
        << false << "❌ Pushing the erased names out of the journal failed on ";
}

void VolumesTest::nameErrorsAreProblems()
{
    // The volume turns read-only halfway through the names: the job must not
    // call the names overwritten.
    QFETCH(bool, freeSpace);
    QFETCH(QString, said);
    VOLUME_OR_SKIP(vol, "ext4", 32 * 1024 * 1024);
    QVERIFY(plant(vol.path() + "/sel/a.bin", 5000));
    int made = 0;
    platform::injectFault = [&made](const char *call, int) {
        return std::strcmp(call, "mkdir") == 0 && ++made > 100 ? EROFS : 0;
    };
    Recorder rec;
    if (freeSpace) {
        runFreeSpace(vol.path(), rec);
    } else {
        const QByteArray sel = QFile::encodeName(vol.path() + "/sel");
        auto ctx = rec.context();
        runFileEraseJob({sel + "/a.bin"}, {sel}, kMethodNist, ctx);
    }
    platform::injectFault = nullptr;
    QVERIFY2(!rec.lines.filter(said).isEmpty(), qPrintable(rec.lines.join('\n')));
    QVERIFY(!rec.lines.contains("✅ Free space wipe complete."));
    QVERIFY(rec.report.problemCount() > 0);
}

void VolumesTest::ordinaryUserFillsFromTheirFolder()
{
    // A volume whose root is root's, with a folder of "nobody" on it, and
    // root's usual reserve; the bench runs as nobody, from a folder it may read.
    VOLUME_OR_SKIP(vol, "ext4", 64 * 1024 * 1024, {}, {"-m", "5"});
    const QString home = vol.path() + QStringLiteral("/home");
    QVERIFY(QDir().mkpath(home));
    QCOMPARE(::chown(QFile::encodeName(home).constData(), 65534, 65534), 0);
    testsupport::ScratchDir binDir;
    const QString bench = binDir.filePath(QStringLiteral("velmora-bench"));
    QVERIFY(QFile::copy(QStringLiteral(VELMORA_BENCH), bench));
    for (const QString &dir : {binDir.path(), QFileInfo(vol.path()).path()})
        QCOMPARE(::chmod(QFile::encodeName(dir).constData(), 0755), 0);
    const quint64 freeAtStart = freeBytes(vol.path());

    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral("setpriv"), {"--reuid=65534", "--regid=65534", "--clear-groups", bench,
                                        "freespace", "--method", "NIST", vol.path()});
    QVERIFY(p.waitForFinished(60000));
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(p.exitCode() == 0, qPrintable(out + p.readAllStandardError()));
    QVERIFY2(out.contains("📁 The volume's root is not writable for you; filling its free space "
                          "from your folder: " +
                          home),
             qPrintable(out));
    QVERIFY2(out.contains(QRegularExpression("⚠️ [0-9.]+ MB of free space are reserved for the "
                                             "system administrator")),
             qPrintable(out));
    QVERIFY(out.contains("✅ Free space wipe complete."));
    // Nothing of the fill is left; its record was kept in the user's own
    // HOME, not in the /nonexistent the user database names.
    QCOMPARE(entries(home), QStringList{".local"});
    QVERIFY(QFileInfo(home + "/.local/state/velmora").isDir());
    // The folder keeps the blocks its listing grew to while names were made.
    QVERIFY(freeBytes(vol.path()) + 64 * 1024 >= freeAtStart);
}

void VolumesTest::verificationReadsTheDevice_data()
{
    QTest::addColumn<bool>("fill");
    QTest::newRow("a file") << false;
    QTest::newRow("the free-space fill") << true;
}

void VolumesTest::verificationReadsTheDevice()
{
    QFETCH(bool, fill);
    VOLUME_OR_SKIP(vol, "ext4", 64 * 1024 * 1024);
    const QString file = vol.path() + "/f.bin";
    QVERIFY(plant(file, 3 * kChunkSize));
    Recorder rec;
    rec.status.total = 1000;
    auto ctx = rec.context();
    ctx.verify = true;
    // The device's copy of the first block changes behind the cache, which
    // still holds what was written: only a read from the device sees it.
    const QString image = vol.imagePath();
    bool changed = false;
    ctx.beforeVerify = [&](int fd) {
        struct stat st;
        int block = 0;
        if (changed || ::fstat(fd, &st) != 0 || ::ioctl(fd, FIBMAP, &block) != 0 || block <= 0)
            return;
        // Read it all into the cache first.
        QFile cached(QStringLiteral("/proc/self/fd/%1").arg(fd));
        if (cached.open(QIODevice::ReadOnly))
            while (!cached.read(kChunkSize).isEmpty()) {
            }
        QFile raw(image);
        changed = raw.open(QIODevice::ReadWrite) && raw.seek(qint64(block) * st.st_blksize) &&
                  raw.write("CHANGED!") == 8;
    };
    if (fill) {
        QVERIFY(QFile::remove(file));
        runFreeSpaceWipeJob(vol.path(), 1, freeBytes(vol.path()), ctx);
    } else {
        runFileEraseJob({QFile::encodeName(file)}, {}, kMethodNist, ctx);
    }
    QVERIFY(changed);
    // A file's line says where: in its first block.
    const QString failed = "❌ Verification failed: " + (fill ? vol.path() : file);
    QVERIFY2(fill ? rec.lines.contains(failed)
                  : !rec.lines
                         .filter(QRegularExpression(
                             "^" + QRegularExpression::escape(failed) +
                             " \\(the device gave back other data at byte [0-7]\\)$"))
                         .isEmpty(),
             qPrintable(rec.lines.join('\n')));
    QCOMPARE(rec.report.problemCount(), 1);
    QCOMPARE(entries(vol.path()), QStringList{});
}

QTEST_GUILESS_MAIN(VolumesTest)
#include "test_volumes.moc"
