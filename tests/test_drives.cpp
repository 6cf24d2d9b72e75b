// SPDX-License-Identifier: GPL-3.0-or-later

// The whole-drive wipe on loop and zram devices: every sector of an image
// with a partition table and two file systems, the LUKS keys of a
// container, the refusals, a stop and a failing write, each with the
// record it leaves.

#include "faultyfile.h"
#include "protectedarea.h"
#include "testsupport.h"

#include <QStandardPaths>

#include <csignal>

#include "app/erasurereport.h"
#include "engine/core/sizes.h"
#include "engine/device/badsectors.h"
#include "engine/device/drivewipe.h"
#include "engine/device/partitiontable.h"
#include "engine/device/samplecheck.h"
#include "engine/job/erasemethods.h"
#include "engine/job/erasurerecord.h"
#include "engine/job/jobrunner.h"
#include "engine/platform/drivecommands.h"
#include "engine/platform/drives.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

using namespace testsupport;

namespace
{

// An image file attached as a loop device; root only.
class Loop
{
  public:
    explicit Loop(const QByteArray &content, qint64 size, const QStringList &options = {})
    {
        if (::geteuid() != 0) {
            why = QStringLiteral("needs root to attach a loop device");
            return;
        }
        image = dir.filePath(QStringLiteral("drive.img"));
        QFile f(image);
        if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size() ||
            !f.resize(size)) {
            why = QStringLiteral("cannot create the image");
            return;
        }
        f.close();
        attach(options);
    }
    // An image made by the caller.
    explicit Loop(const QString &madeImage, const QStringList &options = {})
    {
        if (::geteuid() != 0) {
            why = QStringLiteral("needs root to attach a loop device");
            return;
        }
        image = madeImage;
        attach(options);
    }
    ~Loop()
    {
        if (!device.isEmpty())
            detachLoop(device);
    }
    QString why;
    QString image;
    QString device;
    testsupport::ScratchDir dir;

  private:
    void attach(const QStringList &options)
    {
        QProcess p;
        p.start("losetup", options + QStringList{"--show", "-f", image});
        if (!p.waitForFinished() || p.exitCode() != 0) {
            why = QStringLiteral("cannot attach a loop device");
            return;
        }
        device = QString::fromLatin1(p.readAllStandardOutput().trimmed());
        testsupport::settleLoop(device);
    }
};

// A protective MBR and a GPT with two partitions, the way partitioning tools
// write them (their checksums aside, which the wipe does not read).
QByteArray gptHead()
{
    QByteArray head(34 * 512, '\0');
    const auto put = [&head](int at, quint64 value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            head[at + i] = char(value >> (8 * i));
    };
    head[446 + 4] = char(0xee);
    put(446 + 8, 1, 4);
    put(446 + 12, 0xffffffff, 4);
    head[510] = char(0x55);
    head[511] = char(0xaa);
    head.replace(512, 8, "EFI PART");
    put(512 + 72, 2, 8);   // entries from sector 2
    put(512 + 80, 128, 4); // 128 of them
    put(512 + 84, 128, 4); // of 128 bytes
    const auto entry = [&](int index, quint64 first, quint64 last, const QString &name) {
        const int at = 1024 + 128 * index;
        head[at] = char(0xaf); // any type that is not empty
        put(at + 32, first, 8);
        put(at + 40, last, 8);
        for (int c = 0; c < name.size(); ++c)
            put(at + 56 + 2 * c, name.at(c).unicode(), 2);
    };
    entry(0, 2048, 2048 + 96 * 2048 - 1, QStringLiteral("data"));
    entry(1, 100 * 2048, 200 * 2048 - 1, QStringLiteral("stick"));
    return head;
}

int outcomeOf(Recorder &rec, const velmora::JobRequest &request, velmora::ErasureRecord *record,
              bool stop = false, std::function<void(int)> beforeVerify = {})
{
    *record = velmora::ErasureRecord::forDrive(request.device, request.method, request.verify,
                                               request.cryptoErase);
    auto ctx = rec.context();
    ctx.beforeVerify = std::move(beforeVerify);
    QString error;
    velmora::runJob(request, ctx, &error);
    record->finish(rec.report, ctx.bytesWritten, ctx.bytesVerified, stop);
    return rec.report.problemCount();
}

// A one-pass wipe of the whole drive `device`.
velmora::JobRequest wipeOf(const QString &device, bool verify = false)
{
    velmora::JobRequest request;
    request.kind = velmora::ErasureRecord::Kind::Drive;
    request.method = velmora::kMethodNist;
    request.verify = verify;
    request.device = QFile::encodeName(device);
    return request;
}

// What the job itself makes of a wipe of `device` asked past the listing.
velmora::ErasureRecord::Result jobOutcome(const QString &device)
{
    Recorder rec;
    velmora::ErasureRecord record;
    outcomeOf(rec, wipeOf(device), &record);
    return record.result;
}

} // namespace

class DrivesTest : public QObject
{
    Q_OBJECT

  private slots:
    void wipeLeavesNothingOfTheDrive();
    void refusals();
    void keysOfLuksContainer();
    void discardOnZram();
    void stopAndFailureLeaveHonestRecords();
    void drivesHeldOpenAreRefused();
    void confirmedDriveIsTheOneWiped();
    void everySectorToTheLastAndReadBackForReal();
    void ownEraseIsCheckedNotTrusted_data();
    void ownEraseIsCheckedNotTrusted();
    void manyDrivesAtOnce();
    void badSectorsAreSkippedAndNamed();
    void badSectorRangesMerge();
    void sampledReadBackIsRecordedAsSuch();
    void hiddenSectorsAreSaidNotErased();
    void hiddenAreaOpenedOverwrittenAndSetBack();
    void wipedDriveIsReadyToUseAgain();
    void killedWipeNamesItsDrive();
    void drivesThatKeepNoWritesAreCaught();
};

void DrivesTest::wipeLeavesNothingOfTheDrive()
{
    // Two file systems in the partitions with the planted text in them, and
    // in the gap between them.
    if (::geteuid() != 0)
        QSKIP("needs root to attach a loop device");
    testsupport::ScratchDir dir;
    const QString path = dir.filePath("drive.img");
    QVERIFY(writeFile(path, gptHead()));
    QFile image(path);
    QVERIFY(image.open(QIODevice::ReadWrite) && image.resize(256 << 20));
    QVERIFY(image.seek(98 * 1024 * 1024) && image.write(plantedBytes(4096)) == 4096);
    image.close();
    const QString ext4At = QString::number(1 << 20);
    QCOMPARE(run("mkfs.ext4", {"-q", "-F", "-E", "offset=" + ext4At, path, "98304"}), 0);
    QCOMPARE(run("mkfs.vfat", {"--offset", QString::number(100 * 2048), path, "51200"}), 0);
    QDir().mkpath(dir.filePath("p"));
    QCOMPARE(run("mount", {"-o", QString("loop,offset=%1,sizelimit=%2").arg(1 << 20).arg(96 << 20),
                           path, dir.filePath("p")}),
             0);
    QVERIFY(writeFile(dir.filePath("p/secret.txt"), plantedBytes(64 * 1024)));
    QCOMPARE(run("umount", {dir.filePath("p")}), 0);
    // This kernel may have no FAT driver: the planted text goes into the
    // FAT volume's data area directly.
    QVERIFY(image.open(QIODevice::ReadWrite));
    QVERIFY(image.seek(140 * 1024 * 1024) && image.write(plantedBytes(4096)) == 4096);
    image.close();
    QVERIFY(readFile(path).count(plantText()) > 2000);
    const auto signaturesOf = [](const QString &file) {
        QProcess wipefs;
        wipefs.start("wipefs", {file});
        wipefs.waitForFinished();
        return wipefs.readAllStandardOutput();
    };
    QVERIFY(signaturesOf(path).contains("PMBR"));
    Loop whole(path);
    QVERIFY2(whole.why.isEmpty(), qPrintable(whole.why));
    // The kernel is told of the first partition, as partx would: the wipe
    // leaves it nothing to name, and it goes with the table.
    const QString partition =
        "/sys/class/block/" + QFileInfo(whole.device).fileName() + "p1";
    QCOMPARE(run("addpart", {whole.device, "1", "2048", "196608"}), 0);
    QVERIFY(QFileInfo::exists(partition));

    Recorder rec;
    velmora::JobRequest request;
    request.kind = velmora::ErasureRecord::Kind::Drive;
    request.method = velmora::kMethodBritish;
    request.verify = true;
    request.device = QFile::encodeName(whole.device);
    velmora::ErasureRecord record;
    QCOMPARE(outcomeOf(rec, request, &record), 0);
    QCOMPARE(record.result, velmora::ErasureRecord::Result::Erased);

    const QByteArray after = readFile(path);
    const QByteArray signatures = signaturesOf(path);
    QCOMPARE(after.size(), qint64(256 << 20));
    QCOMPARE(after.count(plantText()), 0);
    // Nothing for wipefs to find, where it found the partition table.
    QCOMPARE(signatures, QByteArray());
    QVERIFY(!QFileInfo::exists(partition));

    // The certificate: what the drive held, each pass, the read-back.
    const QJsonObject drive = record.toJson()["drive"].toObject();
    QCOMPARE(drive["path"].toString(), whole.device);
    QCOMPARE(drive["bytes"].toDouble(), double(256 << 20));
    const QJsonObject table = drive["partitionTable"].toObject();
    QCOMPARE(table["type"].toString(), QStringLiteral("gpt"));
    QCOMPARE(table["partitions"].toArray().size(), 2);
    QCOMPARE(table["partitions"].toArray().at(1)["name"].toString(), QStringLiteral("stick"));
    QCOMPARE(table["partitions"].toArray().at(1)["start"].toDouble(), double(100 << 20));
    const QJsonArray passes = drive["passes"].toArray();
    QCOMPARE(passes.size(), 2);
    for (const QJsonValue &pass : passes)
        QCOMPARE(pass["bytesWritten"].toDouble(), double(256 << 20));
    QCOMPARE(drive["verification"]["bytesCompared"].toDouble(), double(256 << 20));
    // A disk image is not discarded: that would only punch holes in its file.
    QCOMPARE(drive["discard"].toString(), QStringLiteral("skipped"));
    QCOMPARE(drive["sanitization"].toString(), QStringLiteral("clear"));
    QCOMPARE(record.toJson()["job"].toString(), QStringLiteral("drive"));
}

void DrivesTest::refusals()
{
    Loop loop(QByteArray(), 64 << 20);
    if (!loop.why.isEmpty())
        QSKIP(qPrintable(loop.why));
    const auto refusal = [](const QString &path) {
        velmora::platform::Drive drive;
        const int rc = velmora::platform::driveAt(QFile::encodeName(path), &drive);
        return rc != 0 ? QString::fromLocal8Bit(strerror(rc)) : velmora::driveRefusal(drive);
    };
    QCOMPARE(refusal(loop.device), QString());
    // Not a block device, or none at all.
    QCOMPARE(refusal(loop.image), QString::fromLocal8Bit(strerror(ENOTBLK)));
    QCOMPARE(refusal(loop.dir.filePath("gone")), QString::fromLocal8Bit(strerror(ENOENT)));
    // The drive of the running system, wherever it is.
    const auto table = velmora::platform::mountTable();
    for (const velmora::platform::Mount &m : table)
        if (m.mountPoint == "/" && m.source.startsWith("/dev/"))
            QCOMPARE(refusal(QFile::decodeName(m.source)),
                     QStringLiteral("This drive holds the running system and cannot be wiped."));

    // A volume on it mounted: refused, and the job touches nothing even if
    // asked past the listing.
    QCOMPARE(run("mkfs.ext4", {"-q", "-F", loop.device}), 0);
    QDir().mkpath(loop.dir.filePath("m"));
    QCOMPARE(run("mount", {loop.device, loop.dir.filePath("m")}), 0);
    QVERIFY(writeFile(loop.dir.filePath("m/keep.txt"), plantText()));
    QVERIFY(refusal(loop.device)
                .startsWith("A volume on this drive is mounted (" + loop.dir.filePath("m")));
    // The home folder's drive is named as such.
    const QByteArray home = qgetenv("HOME");
    QVERIFY(QDir().mkpath(loop.dir.filePath("m/home")));
    qputenv("HOME", QFile::encodeName(loop.dir.filePath("m/home")));
    const QString homeRefusal = refusal(loop.device);
    qputenv("HOME", home);
    QCOMPARE(homeRefusal, QStringLiteral("This drive holds your home folder and cannot be wiped."));
    QCOMPARE(jobOutcome(loop.device), velmora::ErasureRecord::Result::Failed);
    QCOMPARE(readFile(loop.dir.filePath("m/keep.txt")), plantText());
    QCOMPARE(run("umount", {loop.dir.filePath("m")}), 0);

    // Read-only.
    Loop readOnly(loop.image, {"-r"});
    QVERIFY(readOnly.why.isEmpty());
    QCOMPARE(refusal(readOnly.device), QStringLiteral("This drive is read-only."));
    velmora::platform::Drive shown;
    QCOMPARE(velmora::platform::driveAt(QFile::encodeName(readOnly.device), &shown), 0);
    QCOMPARE(velmora::driveRefusalBrief(shown), QStringLiteral("Read-only"));

    // From the command line: the same refusals, and nothing written.
    const QByteArray before = readFile(loop.image);
    QProcess cli;
    cli.start(VELMORA_CLI, {"drive", "--yes", loop.image});
    QVERIFY(cli.waitForFinished());
    QCOMPARE(cli.exitCode(), 2);
    QVERIFY(cli.readAllStandardError().contains("is not a block device"));
    cli.start(VELMORA_CLI, {"drive", "--yes", ""});
    QVERIFY(cli.waitForFinished());
    QCOMPARE(cli.exitCode(), 2);
    // Nothing of its own to send: a loop device says why, and is touched
    // by nothing, whatever action is named.
    for (const QString &sanitize :
         {QStringLiteral("--sanitize"), QStringLiteral("--sanitize=block-erase")}) {
        cli.start(VELMORA_CLI, {"drive", "--yes", sanitize, loop.device});
        QVERIFY(cli.waitForFinished());
        QCOMPARE(cli.exitCode(), 2);
        const QByteArray err = cli.readAllStandardError();
        QVERIFY2(err.contains("no erase of its own to send: a loop device has no erase of its "
                              "own"),
                 err.constData());
    }
    cli.start(VELMORA_CLI, {"drive", "--yes", readOnly.device});
    QVERIFY(cli.waitForFinished());
    QCOMPARE(cli.exitCode(), 2);
    QVERIFY(cli.readAllStandardError().contains("read-only"));
    // No LUKS there: no keys to destroy.
    cli.start(VELMORA_CLI, {"drive", "--yes", "--crypto-erase", loop.device});
    QVERIFY(cli.waitForFinished());
    QCOMPARE(cli.exitCode(), 2);
    QVERIFY(cli.readAllStandardError().contains("holds no LUKS container"));
    QCOMPARE(readFile(loop.image), before);
}

void DrivesTest::keysOfLuksContainer()
{
    Loop loop(QByteArray(), 64 << 20);
    if (!loop.why.isEmpty())
        QSKIP(qPrintable(loop.why));
    QVERIFY(writeFile(loop.dir.filePath("key"), "correct horse battery staple"));
    if (run("cryptsetup",
            {"luksFormat", "-q", "--type", "luks2", "--pbkdf", "pbkdf2", "--pbkdf-force-iterations",
             "1000", "--key-file", loop.dir.filePath("key"), loop.device}) != 0)
        QSKIP("cryptsetup cannot format a LUKS2 container here");
    QCOMPARE(run("cryptsetup", {"isLuks", loop.device}), 0);
    const QByteArray before = readFile(loop.image);

    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    cli.setProcessEnvironment(env);
    cli.start(VELMORA_CLI,
              {"drive", "--yes", "--crypto-erase", "--json", loop.dir.filePath("out.json"),
               "--report", loop.dir.filePath("out.pdf"), loop.device});
    QVERIFY(cli.waitForFinished(60000));
    const QByteArray out = cli.readAllStandardOutput();
    QVERIFY2(cli.exitCode() == 0, qPrintable(out + cli.readAllStandardError()));
    QVERIFY(out.contains("🔑 The 1 key slot(s) and the headers of the LUKS2 container"));
    // The keys alone are no wipe of the drive, and the closing line says so.
    QVERIFY2(out.trimmed().endsWith("✅ The encryption keys were destroyed.") &&
                 !out.contains("Drive wipe completed"),
             out.constData());
    QVERIFY(run("cryptsetup", {"isLuks", loop.device}) != 0);
    QVERIFY(run("cryptsetup", {"open", "--test-passphrase", "--key-file", loop.dir.filePath("key"),
                               loop.device}) != 0);

    // Not one 64-byte piece of the headers or key slots is where it was.
    const QJsonObject drive = QJsonDocument::fromJson(readFile(loop.dir.filePath("out.json")))
                                  .object()["drive"]
                                  .toObject();
    const qint64 area = qint64(drive["luks"]["headerBytesOverwritten"].toDouble());
    QVERIFY(area >= 16 << 20);
    const QByteArray after = readFile(loop.image);
    int left = 0;
    for (qint64 at = 0; at + 64 <= area; at += 64)
        if (before.mid(at, 64) != QByteArray(64, '\0') && after.mid(at, 64) == before.mid(at, 64))
            ++left;
    QCOMPARE(left, 0);
    QCOMPARE(drive["sanitization"].toString(), QStringLiteral("purge"));
    QVERIFY(
        drive["sanitizationText"].toString().contains("no copy of the header exists elsewhere"));
    // Keys only: the data area stays as it was.
    QCOMPARE(after.mid(area, 4096), before.mid(area, 4096));
    // The certificate says what was done, in the standard's words.
    const QString pdf = pdfText(loop.dir.filePath("out.pdf"));
    if (!pdf.isEmpty()) {
        QVERIFY2(pdf.contains("Encryption keys LUKS2: 1 key slot(s) destroyed"), qPrintable(pdf));
        QVERIFY(pdf.contains("Sanitization Purge (NIST SP 800-88), by cryptographic erase"));
        QVERIFY(pdf.contains("Method Destroy the encryption keys Read back No"));
    }

    // A detached header, alone on its drive: the data starts at 0 on
    // another one, the header's own areas say how far to overwrite.
    {
        Loop header(QByteArray(), 16 << 20);
        Loop data(QByteArray(), 32 << 20);
        QVERIFY(header.why.isEmpty() && data.why.isEmpty());
        QCOMPARE(
            run("cryptsetup", {"luksFormat", "-q", "--type", "luks2", "--pbkdf", "pbkdf2",
                               "--pbkdf-force-iterations", "1000", "--key-file",
                               loop.dir.filePath("key"), "--header", header.device, data.device}),
            0);
        cli.start(VELMORA_CLI, {"drive", "--yes", "--crypto-erase", "--json",
                                loop.dir.filePath("detached.json"), header.device});
        QVERIFY(cli.waitForFinished(60000));
        QVERIFY2(cli.exitCode() == 0, cli.readAllStandardError() + cli.readAllStandardOutput());
        QVERIFY(run("cryptsetup", {"isLuks", header.device}) != 0);
        const QJsonObject detached =
            QJsonDocument::fromJson(readFile(loop.dir.filePath("detached.json")))
                .object()["drive"]
                .toObject();
        QCOMPARE(detached["luks"]["keySlotsDestroyed"].toInt(), 1);
        QVERIFY(detached["luks"]["headerBytesOverwritten"].toDouble() > 0);
        QCOMPARE(detached["sanitization"].toString(), QStringLiteral("purge"));
    }

    // A header that carries LUKS's mark but does not parse.
    QFile raw(loop.device);
    QVERIFY(raw.open(QIODevice::WriteOnly));
    QVERIFY(raw.write(QByteArray("LUKS\xba\xbe\x00\x02", 8) + QByteArray(4088, 'x')) == 4096);
    raw.close();
    cli.start(VELMORA_CLI, {"drive", "--yes", "--crypto-erase", loop.device});
    QVERIFY(cli.waitForFinished());
    QCOMPARE(cli.exitCode(), 2);
    QVERIFY(cli.readAllStandardError().contains("cannot be read"));
}

void DrivesTest::discardOnZram()
{
    QFile add(QStringLiteral("/sys/class/zram-control/hot_add"));
    if (::geteuid() != 0 || !add.open(QIODevice::ReadOnly))
        QSKIP("needs root and zram");
    const QString id = add.readAll().trimmed();
    const auto remove = qScopeGuard([&] {
        writeFile("/sys/block/zram" + id + "/reset", "1");
        writeFile("/sys/class/zram-control/hot_remove", id.toLatin1());
    });
    QVERIFY(writeFile("/sys/block/zram" + id + "/disksize", QByteArray::number(32 << 20)));
    Recorder rec;
    velmora::JobRequest request;
    request.kind = velmora::ErasureRecord::Kind::Drive;
    request.method = velmora::kMethodNist;
    request.device = "/dev/zram" + id.toLatin1();
    velmora::ErasureRecord record;
    QCOMPARE(outcomeOf(rec, request, &record), 0);
    QVERIFY2(rec.lines.contains("✂️ The whole of /dev/zram" + id + " was discarded (TRIM).") ||
                 rec.lines.contains("✂️ The whole of /dev/zram" + id +
                                    " was discarded securely (secure TRIM)."),
             qPrintable(rec.lines.join('\n')));
    const QJsonObject drive = record.toJson()["drive"].toObject();
    QVERIFY(drive["discard"].toString() != QStringLiteral("unsupported"));
    QCOMPARE(drive["medium"].toString(), QStringLiteral("memory"));
}

void DrivesTest::stopAndFailureLeaveHonestRecords()
{
    Loop loop(QByteArray(), 64 << 20);
    if (!loop.why.isEmpty())
        QSKIP(qPrintable(loop.why));
    velmora::JobRequest request;
    request.kind = velmora::ErasureRecord::Kind::Drive;
    request.method = velmora::kMethodDoD;
    request.verify = true;
    request.device = QFile::encodeName(loop.device);

    // Stopped in the second pass.
    Recorder stopped;
    stopped.onProgress = [](Recorder &r) {
        if (r.status.pass.load() == 2)
            r.stop = true;
    };
    velmora::ErasureRecord record;
    outcomeOf(stopped, request, &record, true);
    QCOMPARE(record.result, velmora::ErasureRecord::Result::Stopped);
    // The read-back was asked for, never done.
    QCOMPARE(record.toJson()["sanitization"].toObject()["verification"].toString(),
             QStringLiteral("none"));
    QJsonObject drive = record.toJson()["drive"].toObject();
    QCOMPARE(drive["sanitization"].toString(), QStringLiteral("none"));
    QJsonArray passes = drive["passes"].toArray();
    QCOMPARE(passes.size(), 2);
    QVERIFY(passes.at(0)["complete"].toBool());
    QVERIFY(!passes.at(1)["complete"].toBool());
    QVERIFY(passes.at(1)["bytesWritten"].toDouble() < double(64 << 20));

    // A write refused once is written again, and the wipe goes on.
    // Writes run two at a time: which one is the fifth to start is not fixed.
    std::atomic<int> writes{0};
    velmora::platform::injectFault = [&writes](const char *call, int) {
        return std::strcmp(call, "drivewrite") == 0 && ++writes == 5 ? EIO : 0;
    };
    const auto restore = qScopeGuard([] { velmora::platform::injectFault = nullptr; });
    Recorder retried;
    outcomeOf(retried, request, &record);
    QCOMPARE(record.result, velmora::ErasureRecord::Result::Erased);
    QVERIFY(!record.toJson()["drive"].toObject().contains("badSectors"));

    // The device goes in the first pass: said, and never Clear.
    writes = 0;
    velmora::platform::injectFault = [&writes](const char *call, int) {
        return std::strcmp(call, "drivewrite") == 0 && ++writes == 5 ? ENODEV : 0;
    };
    Recorder failing;
    outcomeOf(failing, request, &record);
    QCOMPARE(record.result, velmora::ErasureRecord::Result::Failed);
    QVERIFY2(QRegularExpression("Writing to " + QRegularExpression::escape(loop.device) +
                                " failed after [0-9.]+ MB of pass 1: ")
                 .match(record.error)
                 .hasMatch(),
             qPrintable(record.error));
    drive = record.toJson()["drive"].toObject();
    QCOMPARE(drive["sanitization"].toString(), QStringLiteral("none"));
    QVERIFY(!drive["passes"].toArray().at(0)["complete"].toBool());
}

void DrivesTest::drivesHeldOpenAreRefused()
{
    Loop loop(plantedBytes(1 << 20), 64 << 20);
    if (!loop.why.isEmpty())
        QSKIP(qPrintable(loop.why));
    const auto refusal = [&] {
        velmora::platform::Drive drive;
        velmora::platform::driveAt(QFile::encodeName(loop.device), &drive);
        return velmora::driveRefusal(drive);
    };
    // The image is compared where nothing else writes to it (a FUSE driver
    // writes back when it likes: there the files tell).
    const auto cliRefuses = [&](const QString &holder, bool compareImage) {
        const QByteArray before = compareImage ? readFile(loop.image) : QByteArray();
        QProcess cli;
        cli.start(VELMORA_CLI, {"drive", "--yes", loop.device});
        QVERIFY(cli.waitForFinished(60000));
        const QString err = QString::fromUtf8(cli.readAllStandardError());
        QVERIFY2(cli.exitCode() == 2 && err.contains("held open by " + holder + ", pid "),
                 qPrintable(err));
        cli.start(VELMORA_CLI, {"drives", "--json"});
        QVERIFY(cli.waitForFinished(60000));
        bool listed = false;
        for (const QJsonValue &d : QJsonDocument::fromJson(cli.readAllStandardOutput()).array()) {
            if (d["path"].toString() != loop.device)
                continue;
            listed = d["refused"].toString().contains("held open by " + holder);
            // A loop device is never asked for an erase of its own, and
            // says why it has none.
            const QJsonObject sanitize = d["sanitize"].toObject();
            QVERIFY(sanitize["actions"].toArray().isEmpty());
            QVERIFY(sanitize["protocol"].isNull());
            QVERIFY2(sanitize["reason"].toString().contains("loop device"),
                     qPrintable(sanitize["reason"].toString()));
        }
        QVERIFY(listed);
        if (compareImage)
            QCOMPARE(readFile(loop.image), before);
    };
    QCOMPARE(refusal(), QString());

    // Any program holding the device, not opened exclusively: dd, a
    // virtual machine's raw disk, a backup tool.
    QProcess holder;
    holder.start("sh", {"-c", "exec 3<>\"$0\"; exec sleep 60", loop.device});
    QVERIFY(holder.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(
        refusal().contains("held open by sleep, pid " + QString::number(holder.processId())), 120000);
    cliRefuses("sleep", true);
    holder.kill();
    holder.waitForFinished();
    QCOMPARE(refusal(), QString());

    // The same device through a node of its own outside /dev (a copy made
    // with mknod, a chroot or a container with /dev bound in), and through
    // one that only another mount namespace sees: the device counts,
    // wherever its node lives.
    struct stat st;
    QCOMPARE(::stat(QFile::encodeName(loop.device).constData(), &st), 0);
    const QString node = loop.dir.filePath("copy-of-the-node");
    QCOMPARE(::mknod(QFile::encodeName(node).constData(), S_IFBLK | 0600, st.st_rdev), 0);
    const QString mm = QStringLiteral("%1 %2").arg(major(st.st_rdev)).arg(minor(st.st_rdev));
    const QString hidden = loop.dir.filePath("namespace");
    QVERIFY(QDir().mkpath(hidden));
    for (const QStringList &command :
         {QStringList{"sh", "-c", "exec 3<>\"$0\"; exec sleep 60", node},
          QStringList{"unshare", "-m", "--propagation", "private", "sh", "-c",
                      "mount -t tmpfs t \"$0\" && mknod \"$0/n\" b $1 && exec 3<>\"$0/n\" && "
                      "exec sleep 60",
                      hidden, mm}}) {
        holder.start(command.first(), command.mid(1));
        QVERIFY(holder.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(refusal().contains("held open by sleep, pid "), 120000);
        cliRefuses("sleep", true);
        holder.kill();
        holder.waitForFinished();
        QCOMPARE(refusal(), QString());
    }
    // A loop device set up on it holds it through the kernel: no program
    // has it open, and nothing claims it.
    const QString stacked = attachLoop(loop.device);
    QVERIFY(!stacked.isEmpty());
    {
        const auto detach = qScopeGuard([&] { detachLoop(stacked); });
        QVERIFY2(refusal().contains("held open by " + stacked.mid(5) + " (a loop device on it)"),
                 qPrintable(refusal()));
    }
    QCOMPARE(refusal(), QString());
    // Named twice in one run, it is Velmora that holds it, and says so.
    {
        const QByteArray before = readFile(loop.image);
        QProcess cli;
        cli.start(VELMORA_CLI, {"drive", "--yes", loop.device, loop.device});
        QVERIFY(cli.waitForFinished(60000));
        const QString err = QString::fromUtf8(cli.readAllStandardError());
        QVERIFY2(cli.exitCode() == 2 && err.contains("is already chosen in this wipe") &&
                     !err.contains("another program"),
                 qPrintable(err));
        QCOMPARE(readFile(loop.image), before);
    }

    // A FAT volume on it through its FUSE driver: the mount names the
    // driver, not the device, and the driver holds it without claiming it.
    if (!QFileInfo::exists("/usr/bin/fusefat") ||
        run("mkfs.vfat", {"-n", "STICK", loop.device}) != 0)
        QSKIP("needs fusefat and mkfs.vfat");
    const QString mnt = loop.dir.filePath("mnt");
    QVERIFY(QDir().mkpath(mnt));
    QCOMPARE(run("fusefat", {"-o", "rw+", loop.device, mnt}), 0);
    const auto unmount = qScopeGuard([&] { run("umount", {mnt}); });
    QVERIFY(writeFile(mnt + "/keep.txt", plantText()));
    QVERIFY2(refusal().contains("held open by fusefat, pid "), qPrintable(refusal()));
    cliRefuses("fusefat", false);
    QCOMPARE(readFile(mnt + "/keep.txt"), plantText());
    // The job refuses it too, when asked past the listing.
    QCOMPARE(jobOutcome(loop.device), velmora::ErasureRecord::Result::Failed);
    QCOMPARE(readFile(mnt + "/keep.txt"), plantText());
}

void DrivesTest::confirmedDriveIsTheOneWiped()
{
    Loop chosen(plantedBytes(1 << 20), 32 << 20);
    if (!chosen.why.isEmpty())
        QSKIP(qPrintable(chosen.why));
    if (run("script", {"-qec", "true", "/dev/null"}) != 0)
        QSKIP("needs script(1) for a terminal");
    const QString other = chosen.dir.filePath("other.img");
    QVERIFY(writeFile(other, plantedBytes(32 << 20)));

    // Held from the question on: while it waits, the node is detached and
    // another image attached; the confirmed drive is the one wiped, and the
    // certificate names it alone.
    const QString json = chosen.dir.filePath("out.json");
    QProcess cli;
    cli.setProcessChannelMode(QProcess::MergedChannels);
    cli.start(
        "script",
        {"-qfec",
         QStringLiteral("%1 drive --no-verify --json %2 %3").arg(VELMORA_CLI, json, chosen.device),
         "/dev/null"});
    QByteArray seen;
    QTRY_VERIFY_WITH_TIMEOUT((seen += cli.readAll()).contains("Type Erase"), 120000);
    QCOMPARE(run("losetup", {"-d", chosen.device}), 0);
    QVERIFY(run("losetup", {chosen.device, other}) != 0); // the node is still held
    QProcess attach;
    attach.start("losetup", {"--show", "-f", other});
    QVERIFY(attach.waitForFinished());
    const QString otherDevice = QString::fromLatin1(attach.readAllStandardOutput().trimmed());
    const auto detach = qScopeGuard([&] { detachLoop(otherDevice); });
    QVERIFY(!otherDevice.isEmpty() && otherDevice != chosen.device);
    cli.write("Erase\n");
    QVERIFY(cli.waitForFinished(120000));
    seen += cli.readAll();
    QVERIFY2(cli.exitCode() == 0, seen.constData());
    QCOMPARE(readFile(chosen.image).count(plantText()), 0);
    QCOMPARE(readFile(other), plantedBytes(32 << 20));
    const QJsonObject drive = QJsonDocument::fromJson(readFile(json)).object()["drive"].toObject();
    QCOMPARE(drive["backingFile"].toString(), chosen.image);
    QCOMPARE(drive["bytes"].toDouble(), double(32 << 20));
    chosen.device.clear(); // detached already

    // A drive that changes while held (its backing file grown and the size
    // read again) is refused when the word comes, and nothing is written.
    Loop grown(plantedBytes(1 << 20), 16 << 20);
    QVERIFY(grown.why.isEmpty());
    QString why;
    const std::shared_ptr<velmora::PinnedDrive> pin =
        velmora::pinDrive(QFile::encodeName(grown.device), &why);
    QVERIFY2(pin, qPrintable(why));
    QCOMPARE(velmora::pinnedDriveChanged(*pin), QString());
    QFile image(grown.image);
    QVERIFY(image.open(QIODevice::ReadWrite) && image.resize(24 << 20));
    image.close();
    QCOMPARE(run("losetup", {"-c", grown.device}), 0);
    QVERIFY(velmora::pinnedDriveChanged(*pin).contains("is not the drive it was"));
    Recorder rec;
    auto ctx = rec.context();
    velmora::runDriveWipeJob(QFile::encodeName(grown.device), 1, false, ctx, pin);
    QVERIFY(rec.report.endedByError());
    QCOMPARE(readFile(grown.image).left(1 << 20), plantedBytes(1 << 20));
}

void DrivesTest::everySectorToTheLastAndReadBackForReal()
{
    // An image on a ramfs keeps whatever is not written (no discard punches
    // it out), and its size is no whole number of chunks: the last sectors
    // must be written and read back like the others.
    if (::geteuid() != 0)
        QSKIP("needs root to attach a loop device");
    testsupport::ScratchDir dir;
    const QString ram = dir.filePath("ram");
    QVERIFY(QDir().mkpath(ram));
    if (run("mount", {"-t", "ramfs", "ramfs", ram}) != 0)
        QSKIP("cannot mount a ramfs here");
    const auto unmount = qScopeGuard([&] { run("umount", {ram}); });
    const qint64 size = (66 << 20) + 4096 + 512;
    const QString image = ram + "/drive.img";
    QVERIFY(writeFile(image, plantedBytes(size)));
    {
        Loop odd(image);
        QVERIFY2(odd.why.isEmpty(), qPrintable(odd.why));
        Recorder rec;
        velmora::ErasureRecord record;
        QCOMPARE(outcomeOf(rec, wipeOf(odd.device, true), &record), 0);
        QCOMPARE(record.result, velmora::ErasureRecord::Result::Erased);
        const QByteArray after = readFile(image);
        QCOMPARE(after.size(), size);
        QCOMPARE(after.count(plantText()), 0);
        QCOMPARE(after.right(512).count(char(0)) < 64, true); // random, not left or zeroed
    }

    // The device gives back something else than was written, late in the
    // read-back: the wipe fails, and the record says the comparison did.
    QVERIFY(writeFile(image, plantedBytes(size)));
    Loop changing(image);
    QVERIFY(changing.why.isEmpty());
    Recorder rec;
    bool changed = false;
    rec.onProgress = [&](Recorder &r) {
        if (changed || r.status.phase() != QLatin1String("read-back"))
            return;
        changed = true;
        QFile f(image);
        if (f.open(QIODevice::ReadWrite) && f.seek(size - (8 << 20)))
            f.write(plantedBytes(4096));
    };
    velmora::ErasureRecord record;
    outcomeOf(rec, wipeOf(changing.device, true), &record);
    QVERIFY(changed);
    QCOMPARE(record.result, velmora::ErasureRecord::Result::Failed);
    QVERIFY2(record.error.contains("gave back something else than was written"),
             qPrintable(record.error));
    const QJsonObject drive = record.toJson()["drive"].toObject();
    QCOMPARE(drive["verification"].toObject()["matched"].toBool(), false);
    QCOMPARE(drive["sanitization"].toString(), QStringLiteral("none"));
}

namespace
{

// What a stand-in NVMe controller does with the erase it is sent.
enum class Does { Zeros, Random, Nothing, FirstHalf, AllButLast, Refuses, FailsLater, RunsOn, Frozen };

// Plays an NVMe controller in front of the loop device `device`: a Sanitize
// or a Format does to the device what `does` says, and the Sanitize log
// tells it in progress once, then how it ended.
struct StandInController {
    QByteArray device;
    Does does;
    int polls = 0;
    QList<quint8> opcodes;
    // Called once the drive has done what it does.
    std::function<void()> afterAct = nullptr;

    void act() const
    {
        const int fd = ::open(device.constData(), O_WRONLY | O_CLOEXEC);
        QVERIFY(fd >= 0);
        const off_t size = ::lseek(fd, 0, SEEK_END);
        const off_t end = does == Does::FirstHalf    ? size / 2
                          : does == Does::AllButLast ? size - 4096
                                                     : size;
        QByteArray chunk(1 << 20, '\0');
        for (off_t at = 0; at < end; at += chunk.size()) {
            if (does == Does::Random)
                QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(chunk.data()),
                                                      chunk.size() / 4);
            QCOMPARE(::pwrite(fd, chunk.constData(),
                              size_t(std::min<off_t>(chunk.size(), end - at)), at),
                     ssize_t(std::min<off_t>(chunk.size(), end - at)));
        }
        ::fsync(fd);
        ::close(fd);
    }

    static QByteArray ataSense(quint8 status, quint8 error, quint16 count, quint64 lba)
    {
        return testsupport::ataRegisters(status, error, count, lba);
    }
    static QByteArray scsiSense(int key, int asc, int ascq, int progress = -1)
    {
        QByteArray s(8, '\0');
        s[0] = char(0x72);
        s[1] = char(key);
        s[2] = char(asc);
        s[3] = char(ascq);
        if (progress >= 0) {
            const char d[8] = {0x02,           0x06, 0, 0, char(0x80), char(progress >> 8),
                               char(progress), 0};
            s += QByteArray(d, 8);
        }
        s[7] = char(s.size() - 8);
        return s;
    }
    bool acts() const
    {
        return does != Does::Nothing && does != Does::FailsLater && does != Does::RunsOn &&
               does != Does::Refuses && does != Does::Frozen;
    }
    bool runs() { return does == Does::RunsOn || ++polls == 1; }

    int answerScsi(const velmora::platform::DriveCommand &c, velmora::platform::DriveAnswer *a)
    {
        const auto op = quint8(c.cdb.at(0));
        opcodes.append(op);
        a->data = QByteArray(c.dataIn, '\0');
        if (op == 0x85 && quint8(c.cdb.at(14)) == 0xb4) { // ATA SANITIZE DEVICE
            a->status = 0x02;
            const int feature = (quint8(c.cdb.at(3)) << 8) | quint8(c.cdb.at(4));
            if (feature != 0) {
                if (acts()) {
                    act();
                    if (afterAct)
                        afterAct();
                }
                a->sense = does == Does::Refuses || does == Does::Frozen
                               ? ataSense(0x51, 0x04, 0, 0)
                               : ataSense(0x50, 0, 0, 0);
            } else if (does == Does::Frozen) {
                a->sense = ataSense(0x50, 0, 1 << 13, 0); // SANITIZE FROZEN
            } else if (runs()) {
                a->sense = ataSense(0x50, 0, 1 << 14, 0x8000);
            } else {
                a->sense = does == Does::FailsLater ? ataSense(0x51, 0x04, 0, 0x01)
                                                    : ataSense(0x50, 0, 1 << 15, 0);
            }
            return 0;
        }
        if (op == 0x48) { // SCSI SANITIZE
            // An overwrite takes its parameter list: one pass of a pattern
            // no longer than a block; the others take none.
            const bool overwrite = (c.cdb.at(1) & 0x1f) == 0x01;
            const bool listRight = overwrite ? c.dataOut.size() == 8 && quint8(c.cdb.at(8)) == 8 &&
                                                   (c.dataOut.at(0) & 0x1f) == 1 &&
                                                   c.dataOut.at(3) == 4 &&
                                                   c.dataOut.mid(4) == QByteArray(4, '\0')
                                             : c.dataOut.isEmpty();
            if (!listRight) {
                a->status = 0x02;
                a->sense = scsiSense(0x05, 0x26, 0x00); // invalid field in parameter list
            } else if (does == Does::Refuses) {
                a->status = 0x02;
                a->sense = scsiSense(0x05, 0x24, 0x00);
            } else if (acts()) {
                act();
                if (afterAct)
                    afterAct();
            }
            return 0;
        }
        if (op == 0x03) { // REQUEST SENSE
            a->data = runs()                     ? scsiSense(0x02, 0x04, 0x1b, 0x8000)
                      : does == Does::FailsLater ? scsiSense(0x03, 0x31, 0x03)
                                                 : scsiSense(0x00, 0x00, 0x00);
            return 0;
        }
        a->status = 0x02;
        return 0;
    }

    int answer(const velmora::platform::DriveCommand &c, velmora::platform::DriveAnswer *a)
    {
        if (c.kind == velmora::platform::DriveCommand::Kind::Scsi)
            return answerScsi(c, a);
        opcodes.append(c.opcode);
        a->data = QByteArray(c.dataIn, '\0');
        switch (c.opcode) {
        case 0x84: // Sanitize
        case 0x80: // Format
            if (does == Does::Refuses) {
                a->status = 0x1d; // Sanitize Prohibited While Persistent Memory Region…
                return 0;
            }
            if (does != Does::Nothing && does != Does::FailsLater && does != Does::RunsOn) {
                act();
                if (afterAct)
                    afterAct();
            }
            return 0;
        case 0x02: { // the Sanitize log
            ++polls;
            const quint16 sstat = does == Does::RunsOn || polls == 1 ? 2
                                  : does == Does::FailsLater         ? 3
                                                                     : 1;
            a->data[0] = char(0x00);
            a->data[1] = char(0x80); // half done
            a->data[2] = char(sstat);
            a->data[12] = char(150); // ETBE: two and a half minutes
            return 0;
        }
        case 0x06: // Identify Namespace: LBA format 0
            return 0;
        default:
            a->status = 0x2;
            return 0;
        }
    }
};

} // namespace

Q_DECLARE_METATYPE(Does)

void DrivesTest::ownEraseIsCheckedNotTrusted_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<Does>("does");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("said");
    QTest::addColumn<int>("protocol");
    using A = velmora::SanitizeAction;
    const int ata = int(velmora::SanitizeOffer::Protocol::Ata);
    const int scsi = int(velmora::SanitizeOffer::Protocol::Scsi);
    const int nvme = int(velmora::SanitizeOffer::Protocol::Nvme);
    QTest::newRow("block erase that erases") << int(A::BlockErase) << Does::Zeros << "purge"
                                             << "none of" << nvme;
    QTest::newRow("block erase, with the drive's estimate")
        << int(A::BlockErase) << Does::Zeros << "purge"
        << "estimates its own erase takes 3 min" << nvme;
    QTest::newRow("crypto erase that leaves noise")
        << int(A::CryptoErase) << Does::Random << "purge"
        << "none of" << nvme;
    QTest::newRow("format with user data erase") << int(A::FormatErase) << Does::Zeros << "purge"
                                                 << "none of" << nvme;
    QTest::newRow("a drive that says it did, and did nothing")
        << int(A::BlockErase) << Does::Nothing << "none"
        << "still read as they did before" << nvme;
    QTest::newRow("a drive that erased half") << int(A::CryptoErase) << Does::FirstHalf << "none"
                                              << "still read as they did before" << nvme;
    // Its very last block kept: the last sample is read, not only counted.
    QTest::newRow("a drive that erased all but its last block")
        << int(A::BlockErase) << Does::AllButLast << "none" << "still read as they did before"
        << nvme;
    QTest::newRow("an overwrite of zeros that wrote noise")
        << int(A::Overwrite) << Does::Random << "none"
        << "still read as they did before" << nvme;
    QTest::newRow("refused by the drive") << int(A::BlockErase) << Does::Refuses << "none"
                                          << "NVMe status 0x1d" << nvme;
    QTest::newRow("failed in the drive") << int(A::BlockErase) << Does::FailsLater << "none"
                                         << "reports the Sanitize failed" << nvme;
    QTest::newRow("stopped while the drive works") << int(A::BlockErase) << Does::RunsOn << "none"
                                                   << "cannot be stopped" << nvme;
    QTest::newRow("ATA block erase") << int(A::BlockErase) << Does::Zeros << "purge"
                                     << "none of" << ata;
    QTest::newRow("ATA crypto scramble, refused") << int(A::CryptoErase) << Does::Refuses << "none"
                                                  << "ATA status 0x51, error 0x04" << ata;
    QTest::newRow("ATA block erase that did nothing")
        << int(A::BlockErase) << Does::Nothing << "none"
        << "still read as they did before" << ata;
    QTest::newRow("ATA overwrite that failed in the drive")
        << int(A::Overwrite) << Does::FailsLater << "none"
        << "reports the SANITIZE failed" << ata;
    QTest::newRow("SCSI crypto erase") << int(A::CryptoErase) << Does::Random << "purge"
                                       << "none of" << scsi;
    QTest::newRow("ATA SANITIZE frozen") << int(A::BlockErase) << Does::Frozen << "none"
                                         << "suspend and resume the computer" << ata;
    QTest::newRow("SCSI overwrite of zeros") << int(A::Overwrite) << Does::Zeros << "purge"
                                             << "none of" << scsi;
    QTest::newRow("SCSI block erase, refused") << int(A::BlockErase) << Does::Refuses << "none"
                                               << "SCSI sense 5/24/00" << scsi;
    QTest::newRow("SCSI block erase that failed in the drive")
        << int(A::BlockErase) << Does::FailsLater << "none"
        << "SCSI sense 3/31/03" << scsi;
}

// The drive's own erase, sent to a stand-in controller in front of a loop
// device: Purge is claimed only where the drive said it was done and no
// sampled block still holds the marker written before.
void DrivesTest::ownEraseIsCheckedNotTrusted()
{
    QFETCH(int, action);
    QFETCH(Does, does);
    QFETCH(QString, category);
    QFETCH(QString, said);
    QFETCH(int, protocol);
    Loop loop(QByteArray(64 << 20, 'v'), 64 << 20);
    if (!loop.why.isEmpty())
        QSKIP(qPrintable(loop.why));
    StandInController controller{QFile::encodeName(loop.device), does};
    velmora::platform::setDriveCommandStandIn(
        [&controller](const QByteArray &, const velmora::platform::DriveCommand &c,
                      velmora::platform::DriveAnswer *a) { return controller.answer(c, a); });
    Recorder rec;
    if (does == Does::RunsOn)
        rec.onLog = [](Recorder &r, const QString &line) {
            if (line.contains("own erase:"))
                r.stop = true;
        };
    velmora::JobRequest request = wipeOf(loop.device);
    request.method.clear();
    request.ownErase = velmora::OwnEraseChoice{velmora::SanitizeAction(action),
                                               velmora::SanitizeOffer::Protocol(protocol)};
    velmora::ErasureRecord record;
    outcomeOf(rec, request, &record, does == Does::RunsOn);
    velmora::platform::setDriveCommandStandIn(nullptr);

    const QString log = rec.lines.join('\n');
    QVERIFY2(log.contains(said), qPrintable(log));
    QCOMPARE(record.drive["sanitization"].toString(), category);
    const QJsonObject own = record.drive["ownErase"].toObject();
    QCOMPARE(own["action"].toString(), velmora::sanitizeActionKey(velmora::SanitizeAction(action)));
    if (category == "purge") {
        QCOMPARE(record.result, velmora::ErasureRecord::Result::Erased);
        QCOMPARE(own["status"].toString(), QStringLiteral("completed"));
        QVERIFY(own["command"].toString().startsWith(
            protocol == int(velmora::SanitizeOffer::Protocol::Ata)    ? "ATA SANITIZE"
            : protocol == int(velmora::SanitizeOffer::Protocol::Scsi) ? "SCSI SANITIZE"
                                                                      : "NVMe "));
        // Named as the command it was, never as an overwrite pass.
        QVERIFY2(record.technique().startsWith(
                     action == int(velmora::SanitizeAction::FormatErase) ? "format " : "sanitize "),
                 qPrintable(record.technique()));
        QVERIFY(!record.technique().contains("overwrite,") && record.passes == 0);
        const QJsonObject check = own["verification"].toObject();
        QVERIFY(check["sampled"].toInt() >= velmora::SampleCheck::kSubsections);
        QCOMPARE(check["markersLeft"].toInt(), 0);
        QVERIFY(record.drive["sanitizationText"].toString().contains(own["command"].toString()));
        // The certificate names the command, the drive's answer and the
        // check, and claims Purge.
        const QString html = velmora::reportHtml(record);
        QVERIFY(html.contains(own["command"].toString().toHtmlEscaped()));
        QVERIFY(html.contains(QStringLiteral("%1 blocks across the drive marked before and read "
                                             "after: %1 as the command promises, 0 not")
                                  .arg(check["sampled"].toInt())));
        QVERIFY(html.contains(record.technique()));
    } else {
        QVERIFY(record.result != velmora::ErasureRecord::Result::Erased);
        QVERIFY(!record.drive["sanitizationText"].toString().startsWith("Purge"));
        QVERIFY(!velmora::reportHtml(record).contains("Purge (NIST SP 800-88, IEEE 2883)"));
    }
    // A drive refused or failed is sent nothing more once it has answered.
    if (does == Does::Refuses && protocol == int(velmora::SanitizeOffer::Protocol::Nvme))
        QVERIFY(!controller.opcodes.mid(controller.opcodes.indexOf(0x84)).contains(0x02));
}

// Several drives at once, one of them failing its writes from the start:
// one question, each drive its own signed outcome named by its node, and
// the failing one stops none of the others, which are still at their
// passes when it fails.
void DrivesTest::manyDrivesAtOnce()
{
    testsupport::FaultyFile failing(32 << 20, {0, -1, false});
    if (!failing.why.isEmpty())
        QSKIP(qPrintable(failing.why));
    std::vector<std::unique_ptr<Loop>> loops;
    for (int i = 0; i < 3; ++i)
        loops.push_back(std::make_unique<Loop>(plantedBytes(8 << 20), 32 << 20));
    loops.push_back(std::make_unique<Loop>(failing.path()));
    QStringList devices;
    for (const auto &loop : loops) {
        QVERIFY2(loop->why.isEmpty(), qPrintable(loop->why));
        devices.append(loop->device);
    }
    const auto node = [](const QString &device) { return QFileInfo(device).fileName(); };
    testsupport::ScratchDir out;
    QProcess cli;

    // A drive named twice, or --json naming a file: refused, nothing
    // touched on any of them.
    cli.start(VELMORA_CLI, {"drive", "--yes", devices[0], devices[1], devices[0]});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 2);
    cli.start(VELMORA_CLI,
              {"drive", "--yes", "--json", out.filePath("one.json"), devices[0], devices[1]});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 2);
    QVERIFY(cli.readAllStandardError().contains("names a folder"));
    // A folder to be made is not made for a run that is refused.
    cli.start(VELMORA_CLI, {"drive", "--yes", "--json", out.filePath("refused/"), devices[0],
                            "/dev/null"});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 2);
    QVERIFY(!QFileInfo::exists(out.filePath("refused")));
    for (int i = 0; i < 3; ++i)
        QVERIFY(readFile(loops[i]->image).contains(plantText()));

    cli.start(VELMORA_CLI, QStringList{"drive", "--yes", "-m", "Gutmann", "--json",
                                       out.path() + "/json/"} +
                               devices);
    QVERIFY(cli.waitForFinished(180000));
    const QString err = QString::fromUtf8(cli.readAllStandardError());
    const QString log = QString::fromUtf8(cli.readAllStandardOutput());
    // Not every drive was erased.
    QVERIFY2(cli.exitCode() == 1, qPrintable(err));
    QVERIFY2(err.contains(QStringLiteral("4 drives at once:")), qPrintable(err));
    for (int i = 0; i < 4; ++i) {
        const QString json = out.filePath("json/" + node(devices[i]) + ".json");
        const QJsonObject outcome = QJsonDocument::fromJson(readFile(json)).object();
        QVERIFY2(!outcome.isEmpty(), qPrintable(json));
        QCOMPARE(outcome["target"].toString().endsWith(devices[i]), true);
        QProcess check;
        check.start(VELMORA_CLI, {"check-report", json});
        QVERIFY(check.waitForFinished(60000));
        QCOMPARE(check.exitCode(), 0);
        QVERIFY(log.contains(node(devices[i]) + ": "));
        if (i < 3) {
            QCOMPARE(outcome["result"].toString(), QStringLiteral("erased"));
            QVERIFY2(err.contains(QRegularExpression("\\n" + node(devices[i]) + "\t-\tWiped\n")),
                     qPrintable(err));
            const QByteArray image = readFile(loops[i]->image);
            QVERIFY(!image.contains(plantText()));
        } else {
            QCOMPARE(outcome["result"].toString(), QStringLiteral("failed"));
            QVERIFY2(err.contains(
                         QRegularExpression("\\n" + node(devices[i]) + "\t-\tDid not finish: ")),
                     qPrintable(err));
        }
    }
}

// A drive that refuses 64 KiB in its middle: the wipe goes past it after
// retries, names the sectors, writes and reads back all the rest, and
// claims no category: what was refused may still hold what was there.
void DrivesTest::badSectorsAreSkippedAndNamed()
{
    constexpr qint64 kBadFrom = 16 << 20;
    constexpr qint64 kBadTo = kBadFrom + (64 << 10);
    testsupport::FaultyFile flawed(32 << 20, {kBadFrom, -1, false, kBadTo});
    if (!flawed.why.isEmpty())
        QSKIP(qPrintable(flawed.why));
    QVERIFY(writeFile(flawed.backing(), plantedBytes(32 << 20)));
    testsupport::ScratchDir out;
    QString device;
    {
        Loop loop(flawed.path());
        QVERIFY2(loop.why.isEmpty(), qPrintable(loop.why));
        device = loop.device;
        QProcess cli;
        cli.start(VELMORA_CLI, {"drive", "--yes", "--json", out.filePath("flawed.json"), device});
        QVERIFY(cli.waitForFinished(120000));
        const QString err = QString::fromUtf8(cli.readAllStandardError());
        const QString log = QString::fromUtf8(cli.readAllStandardOutput());
        QVERIFY2(cli.exitCode() == 1, qPrintable(err + log));
        QVERIFY2(err.contains("Erased with exceptions: 128 sectors could not be written or "
                              "read back; destroy this drive physically"),
                 qPrintable(err));
        QVERIFY2(log.contains("128 sectors of " + device + " could not be written or read back"),
                 qPrintable(log));
        QVERIFY(!log.contains("Drive wipe completed"));

        // Asked to make it ready to use again: a drive to be destroyed is
        // not given a file system, and the job says so as a problem.
        cli.start(VELMORA_CLI, {"drive", "--yes", "--no-verify", "--format", "exfat", "--json",
                                out.filePath("formatted.json"), device});
        QVERIFY(cli.waitForFinished(120000));
        const QString formatLog = QString::fromUtf8(cli.readAllStandardOutput());
        QCOMPARE(cli.exitCode(), 1);
        QVERIFY2(formatLog.contains("wiped, not made ready to use: a drive that refused sectors"),
                 qPrintable(formatLog));
        QVERIFY(!formatLog.contains("is ready to use again"));
        const QJsonObject made = QJsonDocument::fromJson(readFile(out.filePath("formatted.json")))
                                     .object()["drive"]
                                     .toObject()["format"]
                                     .toObject();
        QVERIFY(!made["done"].toBool());
        QVERIFY(!QFileInfo::exists(device + "p1"));
    }
    const QJsonObject outcome =
        QJsonDocument::fromJson(readFile(out.filePath("flawed.json"))).object();
    QCOMPARE(outcome["result"].toString(), QStringLiteral("problems"));
    const QJsonObject drive = outcome["drive"].toObject();
    const QJsonObject bad = drive["badSectors"].toObject();
    QCOMPARE(bad["count"].toInt(), 128);
    QCOMPARE(bad["ranges"].toArray(), (QJsonArray{QJsonArray{kBadFrom / 512, kBadTo / 512 - 1}}));
    QCOMPARE(drive["sanitization"].toString(), QStringLiteral("none"));
    QVERIFY(drive["sanitizationText"].toString().contains("Destroy the drive physically"));
    QVERIFY(drive["verification"].toObject()["matched"].toBool());
    // What was read and compared leaves out what could not be read.
    QCOMPARE(qint64(drive["verification"].toObject()["bytesCompared"].toDouble()),
             (32 << 20) - (kBadTo - kBadFrom));
    QProcess check;
    check.start(VELMORA_CLI, {"check-report", out.filePath("flawed.json")});
    QVERIFY(check.waitForFinished(60000));
    QCOMPARE(check.exitCode(), 0);
    // The drive's section is signed as the rest is: an outcome edited to
    // say Purge, or another serial, no longer checks.
    for (const auto &[key, value] : {std::pair<QString, QString>{"sanitization", "purge"},
                                     std::pair<QString, QString>{"serial", "S3RIAL-OTHER"}}) {
        QJsonObject edited = outcome;
        QJsonObject editedDrive = drive;
        editedDrive[key] = value;
        edited["drive"] = editedDrive;
        QVERIFY(writeFile(out.filePath("edited.json"), QJsonDocument(edited).toJson()));
        check.start(VELMORA_CLI, {"check-report", out.filePath("edited.json")});
        QVERIFY(check.waitForFinished(120000));
        QCOMPARE(check.exitCode(), 1);
        QVERIFY(check.readAllStandardError().contains("changed after it was signed"));
    }
    // Everything but the refused sectors was overwritten.
    const QByteArray image = readFile(flawed.backing());
    QVERIFY(!image.left(kBadFrom).contains(plantText()));
    QVERIFY(!image.mid(kBadTo).contains(plantText()));
    QVERIFY(image.mid(kBadFrom, kBadTo - kBadFrom).contains(plantText()));

    // A drive that refuses everything past its middle is failing: the wipe
    // ends, and says so.
    testsupport::FaultyFile failing(32 << 20, {kBadFrom, -1, false});
    QVERIFY(failing.why.isEmpty());
    Loop loop(failing.path());
    QVERIFY(loop.why.isEmpty());
    QProcess cli;
    cli.start(VELMORA_CLI, {"drive", "--yes", "--json", out.filePath("failing.json"), loop.device});
    QVERIFY(cli.waitForFinished(120000));
    QCOMPARE(cli.exitCode(), 1);
    QVERIFY(cli.readAllStandardOutput().contains("refused more than 2048 sectors: the drive is "
                                                 "failing"));
    const QJsonObject failed =
        QJsonDocument::fromJson(readFile(out.filePath("failing.json"))).object();
    QCOMPARE(failed["result"].toString(), QStringLiteral("failed"));
    QVERIFY(failed["drive"].toObject()["badSectors"].toObject()["count"].toInt() > 2048);
}

// The same sectors refused in two passes count once; neighbours join, and
// only what was refused is blanked before a comparison.
void DrivesTest::badSectorRangesMerge()
{
    velmora::BadSectors bad(512);
    bad.add(4096, 8192);
    bad.add(4096, 8192);
    bad.add(8192, 8704);
    bad.add(1024, 1536);
    bad.add(0, 512);
    QCOMPARE(bad.count(), quint64(8 + 1 + 1 + 1));
    QCOMPARE(bad.toJson()["ranges"].toArray(),
             (QJsonArray{QJsonArray{0, 0}, QJsonArray{2, 2}, QJsonArray{8, 16}}));
    bad.add(0, 8704);
    QCOMPARE(bad.count(), quint64(17));
    QByteArray data(2048, 'x');
    velmora::BadSectors one(512);
    one.add(1024, 1536);
    one.blankIn(data.data(), 512, 2048);
    QCOMPARE(data.count('\0'), 512);
    QCOMPARE(data.indexOf('\0'), 512);
    QVERIFY(!velmora::BadSectors(512).tooMany());
}

// --verify=sample reads blocks sampled across the drive after the pass:
// recorded as a sampled read-back, never as the whole one, and a drive
// that does not keep what it was given fails it.
void DrivesTest::sampledReadBackIsRecordedAsSuch()
{
    Loop loop(plantedBytes(8 << 20), 64 << 20);
    if (!loop.why.isEmpty())
        QSKIP(qPrintable(loop.why));
    testsupport::ScratchDir out;
    QProcess cli;
    cli.start(VELMORA_CLI, {"drive", "--yes", "--verify=sample", "--json",
                            out.filePath("sampled.json"), loop.device});
    QVERIFY(cli.waitForFinished(120000));
    const QString err = QString::fromUtf8(cli.readAllStandardError());
    QVERIFY2(cli.exitCode() == 0, qPrintable(err));
    QVERIFY(err.contains("blocks sampled across the drive read back"));
    const QJsonObject outcome =
        QJsonDocument::fromJson(readFile(out.filePath("sampled.json"))).object();
    QCOMPARE(outcome["sanitization"].toObject()["verification"].toString(),
             QStringLiteral("sampled-read-back"));
    const QJsonObject check = outcome["drive"].toObject()["verification"].toObject();
    QCOMPARE(check["mode"].toString(), QStringLiteral("sample"));
    // The first and the last block, and one in each part (which may be
    // the first or the last).
    QVERIFY(check["blocksSampled"].toInt() >= velmora::SampleCheck::kSubsections &&
            check["blocksSampled"].toInt() <= velmora::SampleCheck::kSubsections + 2);
    QVERIFY(check["matched"].toBool());
    QVERIFY(outcome["drive"].toObject()["sanitizationText"].toString().contains("sampled"));
    QVERIFY(outcome["bytesVerified"].toDouble() < double(64 << 20) / 10);
    // Neither a way it does not know, nor for what is no drive.
    cli.start(VELMORA_CLI, {"drive", "--yes", "--verify=some", loop.device});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 2);
    cli.start(VELMORA_CLI, {"erase", "--yes", "--verify=sample", out.filePath("sampled.json")});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 2);
    QVERIFY(QFile::exists(out.filePath("sampled.json")));

    // The second half turned to zeros behind the job's back before the
    // read-back: the sample finds it.
    velmora::JobRequest request = wipeOf(loop.device, true);
    request.verifySampled = true;
    Recorder rec;
    velmora::ErasureRecord record;
    outcomeOf(rec, request, &record, false, [&loop](int) {
        QFile device(loop.device);
        QVERIFY(device.open(QIODevice::ReadWrite));
        QVERIFY(device.seek(32 << 20));
        QVERIFY(device.write(QByteArray(32 << 20, '\0')) == (32 << 20));
        QVERIFY(device.flush());
        ::fsync(device.handle());
    });
    QCOMPARE(record.result, velmora::ErasureRecord::Result::Failed);
    QVERIFY2(record.error.contains("did not read back as written"), qPrintable(record.error));
    QCOMPARE(record.toJson()["drive"].toObject()["sanitization"].toString(),
             QStringLiteral("none"));
}

// A drive that hides 2048 sectors past the end it shows (played by a
// stand-in in front of a loop device): the wipe overwrites what it shows,
// warns of the rest, and its words say the hidden sectors were not erased.
void DrivesTest::hiddenSectorsAreSaidNotErased()
{
    Loop loop(plantedBytes(1 << 20), 64 << 20);
    if (!loop.why.isEmpty())
        QSKIP(qPrintable(loop.why));
    constexpr quint64 kShown = (64 << 20) / 512;
    velmora::platform::setDriveCommandStandIn([](const QByteArray &,
                                                 const velmora::platform::DriveCommand &c,
                                                 velmora::platform::DriveAnswer *a) {
        const quint8 command = c.cdb.size() == 16 ? quint8(c.cdb.at(14)) : 0;
        a->status = 0x02;
        if (command == 0xec) { // IDENTIFY DEVICE: 48-bit, HPA, the loop's size
            a->status = 0;
            a->data = QByteArray(512, '\0');
            qToLittleEndian<quint16>(1 << 10, a->data.data() + 2 * 82);
            qToLittleEndian<quint16>(1 << 10, a->data.data() + 2 * 83);
            qToLittleEndian<quint64>(kShown, a->data.data() + 2 * 100);
        } else if (command == 0x27) { // READ NATIVE MAX ADDRESS EXT
            a->sense = StandInController::ataSense(0x50, 0, 0, kShown + 2047);
        }
        return 0;
    });
    const auto restore = qScopeGuard([] { velmora::platform::setDriveCommandStandIn(nullptr); });
    Recorder rec;
    velmora::ErasureRecord record;
    outcomeOf(rec, wipeOf(loop.device), &record);
    velmora::platform::setDriveCommandStandIn(nullptr);
    QCOMPARE(record.result, velmora::ErasureRecord::Result::Erased);
    const QJsonObject hidden = record.drive["hiddenArea"].toObject();
    QCOMPARE(hidden["hiddenSectors"].toInt(), 2048);
    QCOMPARE(hidden["feature"].toString(), QStringLiteral("hpa"));
    QVERIFY2(record.warnings.join('\n').contains(loop.device + " hides 2048 sector"),
             qPrintable(record.warnings.join('\n')));
    QVERIFY2(record.drive["sanitizationText"].toString().contains(
                 "Hidden sectors not erased: 2048 sector"),
             qPrintable(record.drive["sanitizationText"].toString()));
    QVERIFY(!readFile(loop.image).contains(plantText()));
}

// With the user's leave, a host protected area is opened for the wipe, the
// passes and the read-back reach what it hides, and it is set back as it
// was; where the drive refuses to open it, the outcome says the hidden
// sectors stay.
void DrivesTest::hiddenAreaOpenedOverwrittenAndSetBack()
{
    Loop loop(plantedBytes(1 << 20), 64 << 20);
    if (!loop.why.isEmpty())
        QSKIP(qPrintable(loop.why));
    testsupport::ProtectedAreaDrive drive;
    velmora::platform::setDriveCommandStandIn(
        [&drive](const QByteArray &, const velmora::platform::DriveCommand &c,
                 velmora::platform::DriveAnswer *a) { return drive.answer(c, a); });
    const auto restore = qScopeGuard([] { velmora::platform::setDriveCommandStandIn(nullptr); });
    velmora::JobRequest request = wipeOf(loop.device, true);
    request.method = velmora::kMethodBritish; // two passes
    request.liftHiddenArea = true;
    Recorder rec;
    velmora::ErasureRecord record;
    outcomeOf(rec, request, &record);
    QCOMPARE(record.result, velmora::ErasureRecord::Result::Erased);
    QVERIFY(!drive.hiddenBytes.contains(plantText()));
    QVERIFY(!readFile(loop.image).contains(plantText()));
    // Opened to the native size, then set back to the size shown.
    QCOMPARE(drive.maxima, (QList<quint64>{drive.kShown + drive.kHidden, drive.kShown}));
    const QJsonObject hidden = record.drive["hiddenArea"].toObject();
    QCOMPARE(hidden["opened"].toBool(), true);
    QCOMPARE(hidden["passes"].toInt(), 2);
    QCOMPARE(hidden["bytesWritten"].toDouble(), double(2 * drive.kHidden * 512));
    QCOMPARE(hidden["bytesCompared"].toDouble(), double(drive.kHidden * 512));
    QCOMPARE(hidden["closedAgain"].toBool(), true);
    const QString words = record.drive["sanitizationText"].toString();
    QVERIFY2(words.contains("Hidden sectors erased: the host protected area, 2048 sector") &&
                 !words.contains("not erased"),
             qPrintable(words));

    // A drive that will not open it: the visible sectors are wiped, the
    // hidden ones are said to stay.
    testsupport::ProtectedAreaDrive refusing;
    refusing.refuseSetMax = true;
    velmora::platform::setDriveCommandStandIn(
        [&refusing](const QByteArray &, const velmora::platform::DriveCommand &c,
                    velmora::platform::DriveAnswer *a) { return refusing.answer(c, a); });
    Recorder again;
    outcomeOf(again, request, &record);
    QCOMPARE(record.result, velmora::ErasureRecord::Result::Erased);
    QVERIFY(refusing.hiddenBytes.contains(plantText()));
    QCOMPARE(record.drive["hiddenArea"].toObject()["opened"].toBool(), false);
    QVERIFY2(record.drive["sanitizationText"].toString().contains(
                 "Hidden sectors not erased: 2048 sector"),
             qPrintable(record.drive["sanitizationText"].toString()));
    QVERIFY2(record.warnings.join('\n').contains("could not be opened for the wipe"),
             qPrintable(record.warnings.join('\n')));

    // A drive that takes the hidden writes and keeps none: the read-back
    // finds the old sectors, and they are not called erased.
    testsupport::ProtectedAreaDrive lying;
    lying.keepsNoWrites = true;
    velmora::platform::setDriveCommandStandIn(
        [&lying](const QByteArray &, const velmora::platform::DriveCommand &c,
                 velmora::platform::DriveAnswer *a) { return lying.answer(c, a); });
    Recorder lied;
    outcomeOf(lied, request, &record);
    QVERIFY(lying.hiddenBytes.contains(plantText()));
    QVERIFY(record.result != velmora::ErasureRecord::Result::Erased);
    QVERIFY2(!record.drive["sanitizationText"].toString().contains("Hidden sectors erased"),
             qPrintable(record.drive["sanitizationText"].toString()));
    QCOMPARE(lying.max, lying.kShown); // set back all the same

    // Stopped while it writes them: the area is set back before the job
    // ends, as it was.
    testsupport::ProtectedAreaDrive stopped;
    Recorder stopping;
    stopped.onHiddenWrite = [&stopping] { stopping.stop = true; };
    velmora::platform::setDriveCommandStandIn(
        [&stopped](const QByteArray &, const velmora::platform::DriveCommand &c,
                   velmora::platform::DriveAnswer *a) { return stopped.answer(c, a); });
    outcomeOf(stopping, request, &record, true);
    QCOMPARE(stopped.maxima.value(0), stopped.kShown + stopped.kHidden); // it was opened
    QCOMPARE(stopped.max, stopped.kShown);
    QCOMPARE(stopped.maxima.last(), stopped.kShown);
    QVERIFY(stopped.hiddenBytes.contains(plantText())); // stopped before the end of them
    QVERIFY(!record.drive["sanitizationText"].toString().contains("Hidden sectors erased"));
}

// --format: once wiped, a new table, one partition and an empty file
// system, mounted and written here; what cannot be made is refused before
// anything is touched.
void DrivesTest::wipedDriveIsReadyToUseAgain()
{
    Loop loop(plantedBytes(8 << 20), 64 << 20);
    if (!loop.why.isEmpty())
        QSKIP(qPrintable(loop.why));
    testsupport::ScratchDir out;
    QProcess cli;
    // A FAT32 label of twelve characters, or a file system it does not
    // know: refused, nothing written.
    cli.start(VELMORA_CLI,
              {"drive", "--yes", "--format", "fat32", "--label", "TWELVE_CHARS", loop.device});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 2);
    QVERIFY(cli.readAllStandardError().contains("at most 11 characters"));
    // exFAT keeps 11 UTF-16 units; a label of bytes that are not text
    // would be stored as something else.
    cli.start(VELMORA_CLI,
              {"drive", "--yes", "--format", "exfat", "--label", "TWELVE_CHARS", loop.device});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 2);
    QVERIFY(cli.readAllStandardError().contains("at most 11 characters"));
    cli.start("sh", {"-c", "exec \"$0\" drive --yes --format ext4 --label \"$(printf 'a\\377')\" \"$1\"",
                     VELMORA_CLI, loop.device});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 2);
    QVERIFY(cli.readAllStandardError().contains("not valid text"));
    QVERIFY(readFile(loop.image).contains(plantText()));
    cli.start(VELMORA_CLI, {"drive", "--yes", "--format", "ntfs", loop.device});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 2);
    cli.start(VELMORA_CLI, {"erase", "--yes", "--format", "ext4", loop.image});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 2);
    QVERIFY(readFile(loop.image).contains(plantText()));

    for (const QString fs : {"fat32", "ext4"}) {
        cli.start(VELMORA_CLI, {"drive", "--yes", "--format", fs, "--label", "STICK", "--json",
                                out.filePath(fs + ".json"), loop.device});
        QVERIFY(cli.waitForFinished(120000));
        const QByteArray log = cli.readAllStandardOutput();
        QVERIFY2(cli.exitCode() == 0, log + cli.readAllStandardError());
        QVERIFY2(log.contains("is ready to use again: a new " +
                              QByteArray(fs == "fat32" ? "MBR" : "GPT")),
                 log.constData());
        const QJsonObject made = QJsonDocument::fromJson(readFile(out.filePath(fs + ".json")))
                                     .object()["drive"]
                                     .toObject()["format"]
                                     .toObject();
        QVERIFY(made["done"].toBool());
        QCOMPARE(made["fileSystem"].toString(), fs);
        QCOMPARE(made["table"].toString(), QString(fs == "fat32" ? "dos" : "gpt"));
        const QString partition = made["partition"].toString();
        QCOMPARE(partition, loop.device + "p1");
        // The kernel's partition is the new table's, not one kept from before.
        const QString sys = "/sys/class/block/" + QFileInfo(partition).fileName();
        QCOMPARE(readFile(sys + "/size").trimmed().toLongLong() * 512,
                 qint64(made["partitionBytes"].toDouble()));
        QCOMPARE(readFile(sys + "/start").trimmed().toLongLong() * 512,
                 qint64(made["partitionStart"].toDouble()));
        QProcess blkid;
        blkid.start("blkid", {"-o", "export", partition});
        QVERIFY(blkid.waitForFinished());
        const QByteArray seen = blkid.readAllStandardOutput();
        QVERIFY2(seen.contains("LABEL=STICK") &&
                     seen.contains(fs == "fat32" ? "TYPE=vfat" : "TYPE=ext4"),
                 seen.constData());
    }
    // The ext4 one is mounted and written.
    const QString at = out.filePath("mnt");
    QVERIFY(QDir().mkpath(at));
    QCOMPARE(run("mount", {loop.device + "p1", at}), 0);
    const bool written = writeFile(at + "/hello.txt", "hello");
    QCOMPARE(readFile(at + "/hello.txt"), QByteArray(written ? "hello" : ""));
    QCOMPARE(run("umount", {at}), 0);
    QVERIFY(written);
    QVERIFY(!readFile(loop.image).contains(plantText()));

    // A format that fails after the wipe is the job's problem: exit 1, and
    // the outcome says the drive was wiped and not made ready to use. Here
    // mkfs is a file that cannot run, in a sandbox.
    if (run("bwrap", {"--dev-bind", "/", "/", "true"}) == 0) {
        const QString mkfs = QStandardPaths::findExecutable("mkfs.exfat");
        QVERIFY(!mkfs.isEmpty());
        cli.start("bwrap", {"--dev-bind", "/", "/", "--ro-bind", "/dev/null", mkfs, VELMORA_CLI,
                            "drive", "--yes", "--no-verify", "--format", "exfat", "--json",
                            out.filePath("failed.json"), loop.device});
        QVERIFY(cli.waitForFinished(120000));
        const QByteArray log = cli.readAllStandardOutput();
        QVERIFY2(cli.exitCode() == 1, log + cli.readAllStandardError());
        QVERIFY2(log.contains("wiped, not made ready to use"), log.constData());
        const QJsonObject outcome =
            QJsonDocument::fromJson(readFile(out.filePath("failed.json"))).object();
        QVERIFY(!outcome["drive"].toObject()["format"].toObject()["done"].toBool());
        QCOMPARE(outcome["result"].toString(), QStringLiteral("problems"));
    }
}

// A drive wipe killed halfway: the next start names the drive by what it
// is, not by its node alone, and says when the node now names another.
void DrivesTest::killedWipeNamesItsDrive()
{
    Loop loop(plantedBytes(1 << 20), 256 << 20);
    if (!loop.why.isEmpty())
        QSKIP(qPrintable(loop.why));
    testsupport::ScratchDir state;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_STATE_HOME", state.path());
    const auto journals = [&] {
        return QDir(state.filePath("velmora")).entryList({"job-*.json"}, QDir::Files);
    };
    const auto killed = [&] {
        QProcess cli;
        cli.setProcessEnvironment(env);
        cli.start(VELMORA_CLI, {"drive", "--yes", "-m", "Gutmann", loop.device});
        cli.closeWriteChannel();
        QTRY_VERIFY_WITH_TIMEOUT(!journals().isEmpty() &&
                                     readFile(state.filePath("velmora/" + journals().first()))
                                         .contains("backingFile"),
                                 120000);
        ::kill(pid_t(cli.processId()), SIGKILL);
        cli.waitForFinished();
    };
    const auto nextStart = [&] {
        QProcess cli;
        cli.setProcessEnvironment(env);
        cli.start(VELMORA_CLI, {"erase", "--yes", loop.dir.filePath("gone")});
        cli.closeWriteChannel();
        cli.waitForFinished(60000);
        return QString::fromUtf8(cli.readAllStandardError());
    };
    killed();
    QString said = nextStart();
    QVERIFY2(said.contains("A wipe of the whole drive " + loop.device) &&
                 said.contains("The drive: " + velmora::sizeText(qint64(256) << 20) + ", " + loop.image + ". " + loop.device +
                               " still names it."),
             qPrintable(said));
    // Killed again, and the node given to another image meanwhile.
    killed();
    QCOMPARE(run("losetup", {"-d", loop.device}), 0);
    const QString other = loop.dir.filePath("other.img");
    QVERIFY(writeFile(other, QByteArray(1 << 20, 'x')));
    QCOMPARE(run("losetup", {loop.device, other}), 0);
    said = nextStart();
    QVERIFY2(said.contains("The drive: " + velmora::sizeText(qint64(256) << 20) + ", " + loop.image + ". " + loop.device +
                           " now names another device"),
             qPrintable(said));
}

// A drive that takes the writes to its last sector and keeps none of them:
// neither the sampled read-back of an overwrite nor the check of its own
// erase may call it done, for the last block is sampled and compared.
void DrivesTest::drivesThatKeepNoWritesAreCaught()
{
    constexpr qint64 kBytes = 32 << 20;
    testsupport::FaultyFile lying(kBytes, {-1, -1, false, -1, kBytes - 512});
    if (!lying.why.isEmpty())
        QSKIP(qPrintable(lying.why));
    QVERIFY(writeFile(lying.backing(), QByteArray(kBytes, 'v')));
    Loop loop(lying.path());
    QVERIFY2(loop.why.isEmpty(), qPrintable(loop.why));

    // The overwrite, read back by samples.
    velmora::JobRequest request = wipeOf(loop.device, true);
    request.verifySampled = true;
    Recorder rec;
    velmora::ErasureRecord record;
    outcomeOf(rec, request, &record);
    QVERIFY(record.result != velmora::ErasureRecord::Result::Erased);
    QVERIFY(!record.drive["verification"].toObject()["matched"].toBool());
    QVERIFY(readFile(lying.backing()).endsWith(QByteArray(512, 'v')));

    // Its own crypto erase, which leaves noise and promises no zeros: the
    // markers written before are compared as they are written, or the old
    // last sector would pass for erased.
    StandInController controller{QFile::encodeName(loop.device), Does::Random};
    velmora::platform::setDriveCommandStandIn(
        [&controller](const QByteArray &, const velmora::platform::DriveCommand &c,
                      velmora::platform::DriveAnswer *a) { return controller.answer(c, a); });
    const auto restore = qScopeGuard([] { velmora::platform::setDriveCommandStandIn(nullptr); });
    request = wipeOf(loop.device);
    request.method.clear();
    request.ownErase = velmora::OwnEraseChoice{velmora::SanitizeAction::CryptoErase,
                                               velmora::SanitizeOffer::Protocol::Nvme};
    Recorder own;
    outcomeOf(own, request, &record);
    QVERIFY(record.result != velmora::ErasureRecord::Result::Erased);
    QVERIFY2(record.drive["sanitization"].toString() != "purge",
             qPrintable(own.lines.join('\n')));

    // A drive that erased all and then cannot read its last megabyte back:
    // a sample that cannot be read agrees with nothing.
    testsupport::FaultyFile failing(kBytes, {});
    QVERIFY(failing.why.isEmpty());
    QVERIFY(writeFile(failing.backing(), QByteArray(kBytes, 'v')));
    Loop failingLoop(failing.path());
    QVERIFY(failingLoop.why.isEmpty());
    StandInController erasing{QFile::encodeName(failingLoop.device), Does::Zeros};
    erasing.afterAct = [&failing] { failing.failReadsFrom(kBytes - (1 << 20)); };
    velmora::platform::setDriveCommandStandIn(
        [&erasing](const QByteArray &, const velmora::platform::DriveCommand &c,
                   velmora::platform::DriveAnswer *a) { return erasing.answer(c, a); });
    request = wipeOf(failingLoop.device);
    request.method.clear();
    request.ownErase = velmora::OwnEraseChoice{velmora::SanitizeAction::BlockErase,
                                               velmora::SanitizeOffer::Protocol::Nvme};
    Recorder unread;
    outcomeOf(unread, request, &record);
    QVERIFY(record.result != velmora::ErasureRecord::Result::Erased);
    QVERIFY2(record.drive["sanitization"].toString() != "purge",
             qPrintable(unread.lines.join('\n')));
}

QTEST_GUILESS_MAIN(DrivesTest)
#include "test_drives.moc"
