// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Small helpers shared by the tests: files with known contents, a recording
// job context, and real volumes (loop-mounted images or tmpfs) where the
// machine allows it.

#include "engine/core/jobcontext.h"
#include "engine/platform/drives.h"
#include "engine/platform/platform.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <QStorageInfo>
#include <atomic>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <ftw.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace testsupport
{

// Removes the tree at `path` by its bytes, names that are not UTF-8 too
// (which QDir cannot name), never crossing into a mount below it.
inline void removeTree(const QString &path)
{
    const QByteArray root = QFile::encodeName(path);
    ::nftw(
        root.constData(),
        [](const char *entry, const struct stat *, int, struct FTW *) { return ::remove(entry); },
        64, FTW_DEPTH | FTW_PHYS | FTW_MOUNT);
}

// A scratch folder that is gone, whatever names the test left in it.
class ScratchDir : public QTemporaryDir
{
  public:
    using QTemporaryDir::QTemporaryDir;
    ~ScratchDir()
    {
        if (isValid() && autoRemove())
            removeTree(path());
    }
};

// Text planted in files so that its absence can be checked afterwards.
inline QByteArray plantText()
{
    return QByteArrayLiteral("VELMORA-PLANTED-SECRET-7f3a9c");
}

// `size` bytes of the planted text repeated.
inline QByteArray plantedBytes(qint64 size)
{
    QByteArray data;
    data.reserve(size);
    while (data.size() < size)
        data.append(plantText());
    data.truncate(size);
    return data;
}

// The names in a folder, hidden ones too, without a volume's lost+found.
inline QStringList entries(const QString &root)
{
    QStringList list =
        QDir(root).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    list.removeAll(QStringLiteral("lost+found"));
    return list;
}

inline bool writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    const bool ok = f.write(data) == data.size();
    f.close();
    return ok;
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A job context that records what the job reports.
struct Recorder {
    std::atomic_bool stop{false};
    velmora::JobStatus status;
    std::mutex mutex;
    QStringList lines;
    QList<int> progress;
    velmora::JobReport report;
    // Called after each posted percentage, on the job's thread.
    std::function<void(Recorder &)> onProgress;
    std::function<void(Recorder &, const QString &)> onLog;

    velmora::JobContext context()
    {
        velmora::JobContext ctx;
        ctx.stopRequested = &stop;
        ctx.status = &status;
        ctx.report = &report;
        ctx.log = [this](const QString &line) {
            {
                std::lock_guard<std::mutex> lock(mutex);
                lines.append(line);
            }
            if (onLog)
                onLog(*this, line);
        };
        ctx.postProgress = [this](int percent) {
            {
                std::lock_guard<std::mutex> lock(mutex);
                progress.append(percent);
            }
            if (onProgress)
                onProgress(*this);
        };
        return ctx;
    }
};

inline int run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000))
        return -1;
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

// Waits until no other program holds the loop device `device` open. Another
// losetup, of a test run beside this one, that was handed the same free
// device a moment ago holds it while it finds out it lost the race: a drive
// held so is rightly refused, and the test would say nothing of its own.
inline void settleLoop(const QString &device)
{
    for (int tries = 0; tries < 200; ++tries) {
        velmora::platform::Drive drive;
        if (velmora::platform::driveAt(QFile::encodeName(device), &drive) != 0 ||
            drive.openBy.isEmpty())
            return;
        QThread::msleep(50);
    }
}

// Attaches `image` to a free loop device: its node, or empty where it could
// not.
inline QString attachLoop(const QString &image)
{
    QProcess losetup;
    losetup.start(QStringLiteral("losetup"), {QStringLiteral("--show"), QStringLiteral("-f"), image});
    if (!losetup.waitForFinished(60000) || losetup.exitCode() != 0)
        return QString();
    const QString device = QString::fromLatin1(losetup.readAllStandardOutput().trimmed());
    settleLoop(device);
    return device;
}

// Detaches a loop device, with the partitions the kernel was told of: they
// outlive the detach, and would show on the next image attached to it.
inline void detachLoop(const QString &device)
{
    run(QStringLiteral("partx"), {QStringLiteral("-d"), device});
    run(QStringLiteral("losetup"), {QStringLiteral("-d"), device});
}

// The text of a PDF as pdftotext lays it out; empty without pdftotext.
inline QString pdfText(const QString &file)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QString();
    // Columns are padded with runs of spaces; one space reads the same.
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

// A small real volume mounted for one test: an image file formatted with
// `fsType` ("ext4", "exfat") or a tmpfs, unmounted when the object goes.
class Volume
{
  public:
    // Empty `error()` means the volume is mounted at `path()`. Without
    // `discards` the image lives on a ramfs, whose files cannot punch holes,
    // so the loop device refuses TRIM and cannot hide what a fill left.
    Volume(const QString &fsType, qint64 sizeBytes, const QStringList &mountOptions = {},
           const QStringList &mkfsOptions = {}, bool discards = true)
    {
        if (::geteuid() != 0) {
            why = QStringLiteral("needs root to mount a test volume");
            return;
        }
        mountPoint = dir.filePath(QStringLiteral("mnt"));
        QDir().mkpath(mountPoint);
        QStringList opts = mountOptions;
        if (fsType == QLatin1String("tmpfs")) {
            opts << QStringLiteral("size=%1").arg(sizeBytes);
            if (run(QStringLiteral("mount"),
                    {"-t", "tmpfs", "-o", opts.join(','), "tmpfs", mountPoint}) != 0) {
                why = QStringLiteral("cannot mount tmpfs here");
                return;
            }
            mounted = true;
            return;
        }
        // Without the kernel's own driver, a FUSE one where installed.
        QString mountType = fsType;
        if (!readFile(QStringLiteral("/proc/filesystems"))
                 .contains("\t" + fsType.toLatin1() + "\n")) {
            // NTFS through its FUSE driver, ntfs-3g, as desktops mount it;
            // FAT through fusefat, which mount does not know.
            mountType = fsType == QLatin1String("ntfs")   ? QStringLiteral("ntfs-3g")
                        : fsType == QLatin1String("vfat") ? QStringLiteral("fusefat")
                                                          : fsType + QStringLiteral("-fuse");
            if (!QFileInfo::exists(mountType == QLatin1String("fusefat")
                                       ? QStringLiteral("/usr/bin/fusefat")
                                       : QStringLiteral("/sbin/mount.") + mountType)) {
                why = QStringLiteral("this kernel has no %1").arg(fsType);
                return;
            }
        }
        image = dir.filePath(QStringLiteral("volume.img"));
        if (!discards) {
            ramfs = dir.filePath(QStringLiteral("ram"));
            QDir().mkpath(ramfs);
            if (run(QStringLiteral("mount"), {"-t", "ramfs", "ramfs", ramfs}) != 0) {
                why = QStringLiteral("cannot mount a ramfs here");
                ramfs.clear();
                return;
            }
            image = ramfs + QStringLiteral("/volume.img");
        }
        {
            QFile f(image);
            if (!f.open(QIODevice::WriteOnly) || !f.resize(sizeBytes)) {
                why = QStringLiteral("cannot create the image file");
                return;
            }
        }
        QStringList mkfsArgs =
            fsType == QLatin1String("ext4")   ? QStringList{"-q", "-F", "-m", "0"} + mkfsOptions
            : fsType == QLatin1String("ntfs") ? QStringList{"-q", "-F", "-f"} + mkfsOptions
                                              : mkfsOptions;
        mkfsArgs << image;
        if (run(QStringLiteral("mkfs.") + fsType, mkfsArgs) != 0) {
            why = QStringLiteral("mkfs.%1 is not available").arg(fsType);
            return;
        }
        opts.prepend(mountType == QLatin1String("fusefat") ? QStringLiteral("rw+")
                                                           : QStringLiteral("loop"));
        if ((mountType == QLatin1String("fusefat")
                 ? run(mountType, {"-o", opts.join(','), image, mountPoint})
                 : run(QStringLiteral("mount"),
                       {"-t", mountType, "-o", opts.join(','), image, mountPoint})) != 0) {
            why = QStringLiteral("loop devices cannot be mounted here");
            return;
        }
        mounted = true;
    }
    ~Volume()
    {
        // A descriptor a failed test left open keeps the volume busy: it is
        // detached all the same, and goes when the last one closes.
        if (!unmount())
            run(QStringLiteral("umount"), {"-l", mountPoint});
        if (!ramfs.isEmpty())
            run(QStringLiteral("umount"), {ramfs});
    }

    QString error() const { return why; }
    // Mounted through fusefat, where the kernel has no FAT of its own.
    bool throughFusefat() const
    {
        for (const velmora::platform::Mount &m : velmora::platform::mountTable())
            if (m.mountPoint == QFile::encodeName(mountPoint))
                return m.mountType == "fuse.fusefat";
        return false;
    }
    // Mounted through a FUSE driver (exfat-fuse, ntfs-3g, fusefat).
    bool throughFuse() const
    {
        for (const velmora::platform::Mount &m : velmora::platform::mountTable())
            if (m.mountPoint == QFile::encodeName(mountPoint))
                return m.mountType.startsWith("fuse");
        return false;
    }
    QString path() const { return mountPoint; }
    QString imagePath() const { return image; }
    quint64 capacity() const { return quint64(QStorageInfo(mountPoint).bytesTotal()); }
    // Bytes of the host's disk the image file takes (its holes take none).
    qint64 imageAllocated() const
    {
        struct stat st;
        return ::stat(QFile::encodeName(image).constData(), &st) == 0 ? qint64(st.st_blocks) * 512
                                                                      : -1;
    }

    bool unmount()
    {
        if (!mounted)
            return true;
        ::sync();
        mounted = run(QStringLiteral("umount"), {mountPoint}) != 0;
        return !mounted;
    }

    // Mounted again by the FUSE driver `command` (program and options),
    // given the image file itself rather than a loop device: ntfs-3g then
    // names the volume "fuse" alone, fusefat names no source at all.
    bool remountFromImageFile(const QStringList &command)
    {
        if (!unmount())
            return false;
        mounted = run(command.first(), command.mid(1) + QStringList{image, mountPoint}) == 0;
        return mounted;
    }

    // True when the raw image (unmounted) still holds `needle` anywhere.
    bool imageContains(const QByteArray &needle) const { return readFile(image).contains(needle); }
    // The same for a name, as bytes or as UTF-16 (NTFS, exFAT, FAT's long
    // names, in entries of 5 characters at least).
    bool imageContainsName(const QString &name) const { return holdsName(readFile(image), name); }
    static bool holdsName(const QByteArray &data, const QString &name)
    {
        QByteArray utf16;
        for (const QChar c : name)
            utf16 += char(c.unicode() & 0xff), utf16 += char(c.unicode() >> 8);
        return data.contains(name.toUtf8()) || data.contains(utf16) ||
               fatLongNames(data).contains(name.toUtf8());
    }
    // FAT's long names as UTF-8, a line each, put together from the runs of
    // long-name entries on `data`, deleted ones included: each entry holds 13
    // UTF-16 characters in three pieces, the end of the name first.
    static QByteArray fatLongNames(const QByteArray &data)
    {
        QByteArray names;
        QStringList run;
        const auto endRun = [&] {
            QString name;
            for (auto piece = run.rbegin(); piece != run.rend(); ++piece)
                name += *piece;
            if (!name.isEmpty())
                names += name.toUtf8() + '\n';
            run.clear();
        };
        for (qsizetype at = 0; at + 32 <= data.size(); at += 32) {
            const uchar *entry = reinterpret_cast<const uchar *>(data.constData() + at);
            if (entry[11] != 0x0f || entry[12] != 0 || entry[26] != 0 || entry[27] != 0) {
                endRun();
                continue;
            }
            QString piece;
            for (const auto &[from, count] : {std::pair{1, 5}, {14, 6}, {28, 2}})
                for (int i = 0; i < count; ++i) {
                    const char16_t c = char16_t(entry[from + 2 * i] | entry[from + 2 * i + 1] << 8);
                    if (c != 0 && c != 0xffff)
                        piece += QChar(c);
                }
            run.append(piece);
        }
        endRun();
        return names;
    }
    // How many 4 KiB blocks of the raw image hold `needle`.
    int imageBlocksContaining(const QByteArray &needle) const
    {
        const QByteArray data = readFile(image);
        QSet<qsizetype> blocks;
        for (qsizetype at = data.indexOf(needle); at >= 0; at = data.indexOf(needle, at + 1))
            blocks.insert(at / 4096);
        return int(blocks.size());
    }

  private:
    ScratchDir dir;
    QString mountPoint;
    QString image;
    QString why;
    QString ramfs;
    bool mounted = false;
};

// An ATA command's registers, as SG_IO hands them back with CK_COND.
inline QByteArray ataRegisters(quint8 status, quint8 error, quint16 count, quint64 lba)
{
    QByteArray s(8 + 14, '\0');
    s[0] = char(0x72);
    s[1] = char(0x01);
    s[3] = char(0x1d);
    s[7] = char(14);
    const char d[14] = {0x09,
                        0x0c,
                        1,
                        char(error),
                        char(count >> 8),
                        char(count),
                        char(lba >> 24),
                        char(lba),
                        char(lba >> 32),
                        char(lba >> 8),
                        char(lba >> 40),
                        char(lba >> 16),
                        0x40,
                        char(status)};
    s.replace(8, 14, QByteArray(d, 14));
    return s;
}

// A FUSE mount whose driver never answers, not even its first request:
// every question to it waits until the connection is closed (root only).
class HangingMount
{
  public:
    HangingMount()
    {
        fuse = ::open("/dev/fuse", O_RDWR | O_CLOEXEC);
        if (::geteuid() != 0 || fuse < 0) {
            why = QStringLiteral("needs root and /dev/fuse to mount a volume that hangs");
            return;
        }
        const QByteArray options =
            "fd=" + QByteArray::number(fuse) + ",rootmode=40000,user_id=0,group_id=0";
        if (::mount("velmora-hang", QFile::encodeName(dir.path()).constData(), "fuse.velmorahang",
                    MS_NOSUID | MS_NODEV, options.constData()) != 0)
            why = QStringLiteral("cannot mount a FUSE volume here");
    }
    ~HangingMount()
    {
        if (fuse >= 0)
            ::close(fuse); // aborts what still waits on it
        ::umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH);
    }
    QString path() const { return dir.path(); }
    QString why;

  private:
    ScratchDir dir;
    int fuse = -1;
};

} // namespace testsupport

#define VOLUME_OR_SKIP(var, ...)                                                                   \
    testsupport::Volume var(__VA_ARGS__);                                                          \
    if (!var.error().isEmpty())                                                                    \
        QSKIP(qPrintable(var.error()));
