// What only a real volume shows: bytes left on the raw device, a full volume,
// a file-size limit, a read-only mount. Needs root and loop devices; skips
// with the reason elsewhere.

#include "testsupport.h"

#include "engine/erasemethods.h"
#include "engine/jobs.h"

#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <sys/resource.h>
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
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    ::sync();
    return synced;
}

quint64 available(const QString &root)
{
    return std::filesystem::space(root.toStdString()).available;
}

quint64 capacity(const QString &root)
{
    return std::filesystem::space(root.toStdString()).capacity;
}

QStringList entries(const QString &root)
{
    QStringList list =
        QDir(root).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    list.removeAll(QStringLiteral("lost+found"));
    return list;
}

// A FAT volume where the kernel has FAT, else ext4 (the file-size limit of
// the tests comes from the process anyway).
std::unique_ptr<Volume> fatOrExt4(qint64 size)
{
    auto vol = std::make_unique<Volume>(QStringLiteral("vfat"), size);
    if (vol->error().isEmpty())
        return vol;
    return std::make_unique<Volume>(QStringLiteral("ext4"), size);
}

} // namespace

class VolumesTest : public QObject
{
    Q_OBJECT

  private slots:
    void fileEraseLeavesNothingOnTheDevice();
    void freeSpaceWipeReachesDeletedData();
    void volumeWipeLeavesNothingOnTheDevice();
    void volumeWipeLeavesNestedMountAndLinkTargetsAlone();
    void fullVolumeEndsThePassAndCountsItsChunks();
    void fileSizeLimitContinuesInFurtherFillFiles();
    void readOnlyVolume();
};

void VolumesTest::fileEraseLeavesNothingOnTheDevice()
{
    VOLUME_OR_SKIP(vol, "ext4", 32 * 1024 * 1024);
    const QString file = vol.path() + "/secret.txt";
    QVERIFY(plant(file, 3 * kChunkSize + 100));
    QVERIFY2(vol.imageContains(plantText()), "the planted text must be on the device first");

    Recorder rec;
    auto ctx = rec.context();
    runFileEraseJob({file}, {}, kMethodNist, ctx);
    QVERIFY(rec.lines.contains("✅ Securely erased: " + file));
    QVERIFY(vol.unmount());
    QVERIFY(!vol.imageContains(plantText()));
}

void VolumesTest::freeSpaceWipeReachesDeletedData()
{
    VOLUME_OR_SKIP(vol, "ext4", 32 * 1024 * 1024);
    QVERIFY(plant(vol.path() + "/deleted.txt", 2 * kChunkSize));
    QVERIFY(plant(vol.path() + "/kept.txt", 4096));
    QVERIFY(QFile::remove(vol.path() + "/deleted.txt"));
    ::sync();
    QVERIFY(vol.imageContains(plantText()));

    Recorder rec;
    const quint64 avail = available(vol.path());
    rec.total = qint64(avail / kChunkSize);
    auto ctx = rec.context();
    runFreeSpaceWipeJob(vol.path(), 1, avail, ctx);
    QCOMPARE(rec.lines, QStringList{"✅ Free space wipe complete."});
    QCOMPARE(rec.progress.last(), 100);
    QCOMPARE(readFile(vol.path() + "/kept.txt"), plantedBytes(4096));
    QCOMPARE(entries(vol.path()), QStringList{"kept.txt"});

    // Only the kept file may still hold the text.
    QVERIFY(QFile::remove(vol.path() + "/kept.txt"));
    Recorder again;
    auto againCtx = again.context();
    runFileEraseJob({}, {}, kMethodNist, againCtx);
    QVERIFY(vol.unmount());
    // kept.txt was deleted without an overwrite, so the 4 KiB may remain, but
    // nothing of the 2 MiB file: look for a run that only it had.
    QVERIFY(!vol.imageContains(plantedBytes(2 * kChunkSize).mid(kChunkSize, 8192)));
}

void VolumesTest::volumeWipeLeavesNothingOnTheDevice()
{
    VOLUME_OR_SKIP(vol, "ext4", 32 * 1024 * 1024);
    QVERIFY(plant(vol.path() + "/docs/a.txt", kChunkSize + 3));
    QVERIFY(plant(vol.path() + "/docs/deep/b.txt", 5000));
    QVERIFY(plant(vol.path() + "/gone.txt", kChunkSize));
    QVERIFY(writeFile(vol.path() + "/docs/shortcut.lnk", "x"));
    QVERIFY(QFile::remove(vol.path() + "/gone.txt"));
    ::sync();

    Recorder rec;
    const quint64 cap = capacity(vol.path());
    rec.total = qint64(cap / kChunkSize) * 2;
    auto ctx = rec.context();
    runVolumeWipeJob(vol.path(), kMethodBritish, 2, cap, ctx);

    QVERIFY(rec.lines.contains("✅ Full disk erase completed."));
    QVERIFY(rec.lines.contains("🗑️ Removed empty folder: " + vol.path() + "/docs/deep"));
    QVERIFY(rec.lines.contains("🗑️ Removed empty folder: " + vol.path() + "/docs"));
    // The completion line comes after the files and before the clean-up.
    QVERIFY(rec.lines.indexOf("✅ Full disk erase completed.") <
            rec.lines.indexOf("🗑️ Removed empty folder: " + vol.path() + "/docs"));
    QCOMPARE(entries(vol.path()), QStringList{});
    QCOMPARE(rec.report.problemCount(), 0);
    QVERIFY(vol.unmount());
    QVERIFY(!vol.imageContains(plantText()));
}

void VolumesTest::volumeWipeLeavesNestedMountAndLinkTargetsAlone()
{
    VOLUME_OR_SKIP(vol, "tmpfs", 16 * 1024 * 1024);
    VOLUME_OR_SKIP(other, "tmpfs", 4 * 1024 * 1024);
    QTemporaryDir outside;
    QVERIFY(writeFile(outside.filePath("target.txt"), plantedBytes(700)));
    QVERIFY(writeFile(other.path() + "/nested.txt", plantedBytes(800)));
    QVERIFY(QDir().mkpath(vol.path() + "/mnt"));
    QCOMPARE(run("mount", {"--bind", other.path(), vol.path() + "/mnt"}), 0);
    QVERIFY(writeFile(vol.path() + "/mine.txt", plantedBytes(900)));
    QVERIFY(QFile::link(outside.filePath("target.txt"), vol.path() + "/link.txt"));
    QVERIFY(QFile::link(outside.path(), vol.path() + "/link-dir"));

    Recorder rec;
    auto ctx = rec.context();
    runVolumeWipeJob(vol.path(), kMethodNist, 1, capacity(vol.path()), ctx);
    const QStringList left = entries(vol.path());
    QCOMPARE(run("umount", {vol.path() + "/mnt"}), 0);

    QCOMPARE(left, QStringList{"mnt"});
    QCOMPARE(readFile(other.path() + "/nested.txt"), plantedBytes(800));
    QCOMPARE(readFile(outside.filePath("target.txt")), plantedBytes(700));
    QVERIFY(rec.lines.contains("🔗 Removed link: " + vol.path() + "/link.txt"));
    QVERIFY(rec.lines.contains("🔗 Removed link: " + vol.path() + "/link-dir"));
    QVERIFY(rec.lines.contains("✅ Securely erased: " + vol.path() + "/mine.txt"));
}

void VolumesTest::fullVolumeEndsThePassAndCountsItsChunks()
{
    auto volume = fatOrExt4(24 * 1024 * 1024);
    if (!volume->error().isEmpty())
        QSKIP(qPrintable(volume->error()));
    Volume &vol = *volume;
    QVERIFY(writeFile(vol.path() + "/existing.txt", plantedBytes(3000)));
    // A bound far beyond what fits: the pass ends at the full volume.
    const qint64 planned = 64;
    Recorder rec;
    rec.total = planned * 2;
    auto ctx = rec.context();
    runFreeSpaceWipeJob(vol.path(), 2, quint64(planned) * kChunkSize, ctx);
    QCOMPARE(rec.lines, QStringList{"✅ Free space wipe complete."});
    QCOMPARE(rec.processed, planned * 2);
    QCOMPARE(rec.progress.last(), 100);
    QCOMPARE(entries(vol.path()), QStringList{"existing.txt"});
    QVERIFY(available(vol.path()) > 20 * 1024 * 1024);
}

void VolumesTest::fileSizeLimitContinuesInFurtherFillFiles()
{
    auto volume = fatOrExt4(16 * 1024 * 1024);
    if (!volume->error().isEmpty())
        QSKIP(qPrintable(volume->error()));
    Volume &vol = *volume;
    QVERIFY(plant(vol.path() + "/deleted.bin", 6 * kChunkSize));
    QVERIFY(QFile::remove(vol.path() + "/deleted.bin"));
    ::sync();

    // Stand-in for FAT's 4 GiB limit: a 2 MiB limit on this process.
    struct rlimit old;
    ::getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 2 * kChunkSize;
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);

    QStringList seen;
    Recorder rec;
    rec.onProgress = [&](Recorder &) {
        for (const QString &e : entries(vol.path()))
            if (!seen.contains(e))
                seen << e;
    };
    const quint64 avail = available(vol.path());
    rec.total = qint64(avail / kChunkSize);
    auto ctx = rec.context();
    runFreeSpaceWipeJob(vol.path(), 1, avail, ctx);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(rec.lines, QStringList{"✅ Free space wipe complete."});
    QVERIFY2(seen.contains("__freespace_temp__.bin") && seen.contains("__freespace_temp__1.bin") &&
                 seen.contains("__freespace_temp__3.bin"),
             qPrintable(seen.join(',')));
    QCOMPARE(entries(vol.path()), QStringList{});
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
    QCOMPARE(free.lines, QStringList{"❌ Unable to create write file to erase free space."});

    Recorder wipe;
    auto wipeCtx = wipe.context();
    runVolumeWipeJob(vol.path(), kMethodNist, 1, capacity(vol.path()), wipeCtx);
    QCOMPARE(wipe.lines,
             (QStringList{"🔄 Wiping: " + vol.path() + "/a.txt",
                          "⚠️ Skipped (could not be erased): " + vol.path() + "/a.txt",
                          "❌ Unable to create temp file for free space wipe."}));
    QCOMPARE(readFile(vol.path() + "/a.txt"), plantedBytes(10));
}

QTEST_GUILESS_MAIN(VolumesTest)
#include "test_volumes.moc"
