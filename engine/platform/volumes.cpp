// SPDX-License-Identifier: GPL-3.0-or-later

// Volumes: space and reserve, discards, the mount table and the journals
// the kernel tells of.

#include "engine/platform/platform.h"
#include "engine/platform/drives.h"
#include "engine/platform/storage.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <map>
#include <mutex>
#include <fcntl.h>
#include <linux/btrfs.h>
#include <linux/btrfs_tree.h>
#include <linux/fs.h>
#include <linux/types.h>
#include <poll.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <sys/vfs.h>
#include <sys/wait.h>
#include <unistd.h>

namespace velmora::platform
{

int deviceDiscards(const QByteArray &source)
{
    struct stat st;
    if (::stat(source.constData(), &st) != 0 || !S_ISBLK(st.st_mode))
        return -1;
    return queueDiscards("/sys/dev/block/" + QByteArray::number(major(st.st_rdev)) + ':' +
                         QByteArray::number(minor(st.st_rdev)));
}

int checkpointJournal(int fd, JournalCheckpoint how)
{
    // Not in every distribution's headers yet (linux/ext4.h, Linux 5.13).
    constexpr unsigned long kCheckpoint = _IOW('f', 43, __u32);
    constexpr __u32 kDiscard = 0x1;
    constexpr __u32 kZeroOut = 0x2;
    constexpr __u32 kDryRun = 0x4;
    __u32 flags = how == JournalCheckpoint::ZeroOut   ? kZeroOut
                  : how == JournalCheckpoint::Discard ? kDiscard
                  : how == JournalCheckpoint::Probe   ? kZeroOut | kDryRun
                                                      : 0;
    if (::ioctl(fd, kCheckpoint, &flags) == 0)
        return 0;
    return errno == ENOTTY || errno == EINVAL ? EOPNOTSUPP : errno;
}

int trimFreeSpace(int dirFd, quint64 *trimmed)
{
    struct fstrim_range range;
    std::memset(&range, 0, sizeof range);
    range.len = ~0ULL;
    if (::ioctl(dirFd, FITRIM, &range) != 0)
        return errno == ENOTTY ? EOPNOTSUPP : errno;
    *trimmed = range.len;
    return 0;
}

int writeMetadataInPlace(int fd)
{
    // The freeze and the thaw are a child's: a process that is stopped or
    // killed between the two would leave every writer of the volume waiting.
    // The child takes no signal from a terminal or a process group, and
    // thaws only what it froze.
    int result[2];
    if (::pipe2(result, O_CLOEXEC) != 0)
        return errno;
    const pid_t child = ::fork();
    if (child < 0) {
        const int error = errno;
        ::close(result[0]);
        ::close(result[1]);
        return error;
    }
    if (child == 0) {
        ::setsid();
        struct sigaction ignore;
        std::memset(&ignore, 0, sizeof ignore);
        ignore.sa_handler = SIG_IGN;
        for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGTSTP, SIGTTOU, SIGPIPE})
            ::sigaction(signal, &ignore, nullptr);
        int error = 0;
        if (::ioctl(fd, FIFREEZE, 0) != 0)
            error = errno;
        else if (::ioctl(fd, FITHAW, 0) != 0)
            error = errno;
        [[maybe_unused]] const ssize_t told = ::write(result[1], &error, sizeof error);
        ::_exit(0);
    }
    ::close(result[1]);
    int error = EIO;
    ssize_t got;
    do
        got = ::read(result[0], &error, sizeof error);
    while (got < 0 && errno == EINTR);
    ::close(result[0]);
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    if (got != ssize_t(sizeof error))
        return EIO;
    return error == ENOTTY || error == EINVAL ? EOPNOTSUPP : error;
}

namespace
{
// The XFS reserve pool, as <xfs/xfs_fs.h> defines it (a stable kernel ABI).
struct XfsReserve {
    quint64 blocks;
    quint64 available;
};
constexpr unsigned long kXfsSetReserve = _IOWR('X', 114, XfsReserve);
constexpr unsigned long kXfsGetReserve = _IOR('X', 115, XfsReserve);
// The volume's geometry and an allocation group's, as <xfs/xfs_fs.h>
// defines them (the fifth version of the first).
struct XfsGeometry {
    quint32 blocksize, rtextsize, agblocks, agcount, logblocks, sectsize, inodesize, imaxpct;
    quint64 datablocks, rtblocks, rtextents, logstart;
    unsigned char uuid[16];
    quint32 sunit, swidth;
    qint32 version;
    quint32 flags, logsectsize, rtsectsize, dirblocksize, logsunit, sick, checked;
    quint64 reserved[17];
};
static_assert(sizeof(XfsGeometry) == 256);
struct XfsGroupGeometry {
    quint32 number, length, freeBlocks, inodes, freeInodes, sick, checked, flags;
    quint64 reserved[12];
};
static_assert(sizeof(XfsGroupGeometry) == 128);
constexpr unsigned long kXfsGeometry = _IOR('X', 126, XfsGeometry);
constexpr unsigned long kXfsGroupGeometry = _IOWR('X', 61, XfsGroupGeometry);

QByteArray blockDeviceName(quint64 device);

// A setting of the ext4 volume that holds `fd`: /sys/fs/ext4/<device>/<name>.
QString ext4Setting(int fd, const char *name)
{
    struct stat st;
    if (::fstat(fd, &st) != 0)
        return QString();
    return QString::fromLocal8Bit("/sys/fs/ext4/" + blockDeviceName(st.st_dev) + '/' + name);
}
} // namespace

int reserveOf(const QByteArray &fsType, int fd, quint64 *blocks)
{
    const FileSystem::Reserve reserve = fileSystem(fsType).reserve;
    if (reserve == FileSystem::Reserve::Xfs) {
        XfsReserve r{0, 0};
        if (::ioctl(fd, kXfsGetReserve, &r) != 0)
            return errno;
        *blocks = r.blocks;
        return 0;
    }
    if (reserve == FileSystem::Reserve::Ext4) {
        QFile file(ext4Setting(fd, "reserved_clusters"));
        if (!file.open(QIODevice::ReadOnly))
            return EOPNOTSUPP;
        bool ok = false;
        *blocks = file.readAll().trimmed().toULongLong(&ok);
        return ok ? 0 : EOPNOTSUPP;
    }
    return EOPNOTSUPP;
}

int setReserve(const QByteArray &fsType, int fd, quint64 blocks)
{
    const FileSystem::Reserve reserve = fileSystem(fsType).reserve;
    if (reserve == FileSystem::Reserve::Xfs) {
        XfsReserve r{blocks, 0};
        return ::ioctl(fd, kXfsSetReserve, &r) == 0 ? 0 : errno;
    }
    if (reserve == FileSystem::Reserve::Ext4) {
        QFile file(ext4Setting(fd, "reserved_clusters"));
        if (!file.open(QIODevice::WriteOnly))
            return file.error() == QFileDevice::OpenError ? EPERM : EIO;
        const QByteArray text = QByteArray::number(blocks);
        return file.write(text) == text.size() && file.flush() ? 0 : EINVAL;
    }
    return EOPNOTSUPP;
}

int xfsFreeBytes(int fd, quint64 *bytes)
{
    XfsGeometry geometry{};
    if (::ioctl(fd, kXfsGeometry, &geometry) != 0)
        return errno;
    quint64 blocks = 0;
    for (quint32 group = 0; group < geometry.agcount; ++group) {
        XfsGroupGeometry ag{};
        ag.number = group;
        if (::ioctl(fd, kXfsGroupGeometry, &ag) != 0)
            return errno;
        blocks += ag.freeBlocks;
    }
    *bytes = blocks * geometry.blocksize;
    return 0;
}

int btrfsMetadataSpace(int fd, quint64 *total, quint64 *used)
{
    // First the number of kinds of block groups, then each kind's figures.
    struct btrfs_ioctl_space_args head {
    };
    if (::ioctl(fd, BTRFS_IOC_SPACE_INFO, &head) != 0)
        return errno == ENOTTY ? EOPNOTSUPP : errno;
    const quint64 count = head.total_spaces;
    std::vector<char> buffer(sizeof(btrfs_ioctl_space_args) +
                             count * sizeof(btrfs_ioctl_space_info));
    auto *args = reinterpret_cast<btrfs_ioctl_space_args *>(buffer.data());
    args->space_slots = count;
    if (::ioctl(fd, BTRFS_IOC_SPACE_INFO, args) != 0)
        return errno;
    *total = *used = 0;
    for (quint64 i = 0; i < args->total_spaces && i < count; ++i) {
        const btrfs_ioctl_space_info &kind = args->spaces[i];
        if ((kind.flags & BTRFS_BLOCK_GROUP_METADATA) &&
            !(kind.flags & BTRFS_SPACE_INFO_GLOBAL_RSV)) {
            *total += kind.total_bytes;
            *used += kind.used_bytes;
        }
    }
    return 0;
}

int spaceOf(int fd, Space *out)
{
    struct statvfs sv;
    if (::fstatvfs(fd, &sv) != 0)
        return errno;
    const quint64 unit = sv.f_frsize ? sv.f_frsize : sv.f_bsize;
    out->total = quint64(sv.f_blocks) * unit;
    out->free = quint64(sv.f_bfree) * unit;
    out->available = quint64(sv.f_bavail) * unit;
    out->freeInodes = quint64(sv.f_ffree);
    out->blockSize = sv.f_bsize ? sv.f_bsize : unit;
    out->nameMax = sv.f_namemax ? sv.f_namemax : 255;
    return 0;
}

namespace
{

// mountinfo escapes blanks, tabs, newlines and backslashes as \ooo.
QByteArray unescapeMountField(const QByteArray &field)
{
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const QByteArray digits = field.mid(i + 1, 3);
            bool ok = false;
            const int value = digits.toInt(&ok, 8);
            if (ok && digits.size() == 3) {
                out.append(char(value));
                i += 3;
                continue;
            }
        }
        out.append(field[i]);
    }
    return out;
}

} // namespace

namespace
{
// A FUSE driver's volume says only "fuseblk": its boot sector tells which
// file system it is, where this user may read the device.
QByteArray fuseFileSystem(const QByteArray &source, const QByteArray &unknown = "fuseblk")
{
    // Never a FIFO or a terminal: only an image or a device is read.
    const int fd = ::open(source.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return unknown;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !(S_ISREG(st.st_mode) || S_ISBLK(st.st_mode))) {
        ::close(fd);
        return unknown;
    }
    char sector[512] = {};
    const ssize_t n = ::pread(fd, sector, sizeof sector, 0);
    ::close(fd);
    const QByteArray known = fileSystemOfSector(QByteArray(sector, n > 0 ? int(n) : 0));
    return known.isEmpty() ? unknown : known;
}
} // namespace

void identifyImageFileSystem(Mount *mount)
{
    if (mount->mountType == "fuse" && mount->fsType == "fuse" && mount->source.startsWith('/'))
        mount->fsType = fuseFileSystem(mount->source, mount->fsType);
}

std::vector<Mount> mountTable(const QByteArray &text)
{
    QByteArray data = text;
    if (data.isEmpty()) {
        QFile file(QStringLiteral("/proc/self/mountinfo"));
        if (file.open(QIODevice::ReadOnly))
            data = file.readAll();
    }
    std::vector<Mount> mounts;
    for (const QByteArray &line : data.split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        const qsizetype dash = f.indexOf("-");
        if (f.size() < 7 || dash < 6 || dash + 2 >= f.size())
            continue;
        Mount m;
        m.id = f[0].toULongLong();
        m.parentId = f[1].toULongLong();
        const QList<QByteArray> majorMinor = f[2].split(':');
        if (majorMinor.size() == 2)
            m.device = makedev(majorMinor[0].toUInt(), majorMinor[1].toUInt());
        m.root = unescapeMountField(f[3]);
        m.mountPoint = unescapeMountField(f[4]);
        m.readOnly = f[5].split(',').contains("ro");
        m.fsType = f[dash + 1];
        m.source = unescapeMountField(f[dash + 2]);
        m.superOptions = f.value(dash + 3);
        m.mountType = m.fsType;
        if (text.isEmpty() && m.fsType == "fuseblk")
            m.fsType = fuseFileSystem(m.source);
        else if (m.fsType == "fuse.fusefat")
            m.fsType = QByteArrayLiteral("vfat");
        mounts.push_back(m);
    }
    return mounts;
}

bool withinScanScope(const QByteArray &path)
{
    const QByteArray scope = qgetenv("VELMORA_ONLY_VOLUMES_UNDER");
    if (scope.isEmpty())
        return true;
    for (QByteArray folder : scope.split(':')) {
        while (folder.size() > 1 && folder.endsWith('/'))
            folder.chop(1);
        if (folder.isEmpty() || !folder.startsWith('/'))
            continue;
        if (path == folder || folder == "/" || path.startsWith(folder + '/'))
            return true;
    }
    return false;
}

std::vector<Mount> scannedMounts()
{
    std::vector<Mount> mounts = mountTable();
    mounts.erase(std::remove_if(mounts.begin(), mounts.end(),
                                [](const Mount &m) { return !withinScanScope(m.mountPoint); }),
                 mounts.end());
    return mounts;
}

QByteArray pathOf(int fd)
{
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    QByteArray buffer(4096, Qt::Uninitialized);
    for (;;) {
        const ssize_t n = ::readlink(link, buffer.data(), std::size_t(buffer.size()));
        if (n < 0)
            return QByteArray();
        if (n < buffer.size())
            return buffer.left(n);
        buffer.resize(buffer.size() * 2);
    }
}

const Mount *mountOf(const std::vector<Mount> &table, int fd)
{
    Status st;
    if (statusAt(fd, QByteArray(), &st) != 0)
        return nullptr;
    if (st.hasMountId) {
        for (const Mount &m : table)
            if (m.id == st.mountId)
                return &m;
    }
    const QByteArray path = pathOf(fd);
    const Mount *best = nullptr;
    for (const Mount &m : table) {
        const bool below =
            path == m.mountPoint || m.mountPoint == "/" || path.startsWith(m.mountPoint + '/');
        if (below && (!best || m.mountPoint.size() >= best->mountPoint.size()))
            best = &m;
    }
    return best;
}

int volumeAt(const QByteArray &root, Mount *mount, Space *space)
{
    int error = 0;
    const Fd fd = openFolderPath(root, true, &error);
    if (!fd.valid())
        return error;
    const std::vector<Mount> table = mountTable();
    const Mount *found = mountOf(table, fd.get());
    if (!found || found->mountPoint != pathOf(fd.get()))
        return ENOENT;
    *mount = *found;
    return spaceOf(fd.get(), space);
}

std::vector<Swap> activeSwaps(const QByteArray &text)
{
    std::vector<Swap> swaps;
    QByteArray table = text;
    if (table.isEmpty()) {
        QFile file(QStringLiteral("/proc/swaps"));
        if (!file.open(QIODevice::ReadOnly))
            return swaps;
        table = file.readAll();
    }
    const QList<QByteArray> lines = table.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray name = lines.at(i).simplified().split(' ').value(0);
        if (name.isEmpty())
            continue;
        Swap swap{unescapeMountField(name), false, false};
        // zram keeps its pages in memory, compressed.
        swap.inMemory = swap.name.startsWith("/dev/zram");
        // A swap device, or the device under a swap file: encrypted where it
        // is a dm-crypt mapping (/dev/dm-N whose mapping is a CRYPT- one).
        QByteArray device;
        const QByteArray resolved =
            QFileInfo(QString::fromLocal8Bit(swap.name)).canonicalFilePath().toLocal8Bit();
        if (resolved.startsWith("/dev/")) {
            device = resolved.mid(5);
        } else {
            struct stat st {
            };
            if (::stat(swap.name.constData(), &st) == 0)
                device = QFileInfo(QString::fromLatin1("/sys/dev/block/%1:%2")
                                       .arg(major(st.st_dev))
                                       .arg(minor(st.st_dev)))
                             .canonicalFilePath()
                             .section(QLatin1Char('/'), -1)
                             .toLocal8Bit();
        }
        if (device.startsWith("dm-")) {
            QFile uuid(QString::fromLocal8Bit("/sys/block/" + device + "/dm/uuid"));
            swap.encrypted = uuid.open(QIODevice::ReadOnly) && uuid.readAll().startsWith("CRYPT-");
        }
        swaps.push_back(swap);
    }
    return swaps;
}

namespace
{

// The kernel's name of the block device `device` ("sda1", "loop0"), from the
// link /sys/dev/block/M:m; empty when there is none.
QByteArray blockDeviceName(quint64 device)
{
    const QByteArray link = "/sys/dev/block/" + QByteArray::number(major(device)) + ':' +
                            QByteArray::number(minor(device));
    char target[PATH_MAX];
    const ssize_t n = ::readlink(link.constData(), target, sizeof target - 1);
    if (n <= 0)
        return QByteArray();
    const QByteArray resolved(target, int(n));
    return resolved.mid(resolved.lastIndexOf('/') + 1);
}

} // namespace

qint64 journalBlocks(quint64 device)
{
    // The journal statistics: /proc/fs/jbd2/<name>-8/info. Its first lines
    // read "... transactions (...), each up to N blocks", and the kernel caps
    // a transaction at a quarter of the journal. A volume listed under
    // /proc/fs/ext4 with no such statistics has no journal.
    const QByteArray name = blockDeviceName(device);
    if (name.isEmpty())
        return -1;
    QFile info(QString::fromLocal8Bit("/proc/fs/jbd2/" + name + "-8/info"));
    if (!info.open(QIODevice::ReadOnly))
        return QFileInfo::exists(QString::fromLocal8Bit("/proc/fs/ext4/" + name)) ? 0 : -1;
    const QByteArray text = info.read(4096);
    const qsizetype at = text.indexOf("each up to ");
    if (at < 0)
        return -1;
    const qsizetype start = at + qsizetype(sizeof "each up to ") - 1;
    const qsizetype end = text.indexOf(' ', start);
    bool ok = false;
    const qint64 perTransaction = text.mid(start, end - start).toLongLong(&ok);
    return ok && perTransaction > 0 ? perTransaction * 4 : -1;
}

bool xfsLogHead(quint64 device, qint64 *cycle, qint64 *block)
{
    const QByteArray name = blockDeviceName(device);
    QFile head(QString::fromLocal8Bit("/sys/fs/xfs/" + name + "/log/log_head_lsn"));
    if (name.isEmpty() || !head.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> parts = head.readAll().trimmed().split(':');
    bool okCycle = false, okBlock = false;
    if (parts.size() == 2) {
        *cycle = parts[0].toLongLong(&okCycle);
        *block = parts[1].toLongLong(&okBlock);
    }
    return okCycle && okBlock;
}

namespace
{

// What a prober sends back, in one write.
struct ProbeMessage {
    int error;
    quint64 blocks;
    quint64 free;
    quint64 available;
    quint64 blockSize;
    quint64 flags;
};

} // namespace

namespace
{

// In a child of a process with threads: only calls that need no lock (no
// allocation, no Qt). Asks for the space of `path` and writes the answer to
// `out`, from a process of its own.
[[noreturn]] void probeInChild(const char *path, int out)
{
    // Nothing of this process's goes with the prober but its pipe: a
    // descriptor it kept (a FUSE driver's own /dev/fuse, the caller's
    // output) would keep that alive as long as it waits.
    if ((out > 0 && ::close_range(0, unsigned(out) - 1, 0) != 0) ||
        ::close_range(unsigned(out) + 1, ~0U, 0) != 0)
        for (int fd = 0; fd < 4096; ++fd)
            if (fd != out)
                ::close(fd);
    // The prober's parent goes at once: the prober is no child of ours, and
    // whoever reaps orphans reaps it when it ends.
    if (::_Fork() != 0) // no fork handlers: nothing but calls that need no lock
        ::_exit(0);
    struct statfs st;
    ProbeMessage m{};
    if (::statfs(path, &st) != 0) {
        m.error = errno;
    } else {
        m.blocks = st.f_blocks;
        m.free = st.f_bfree;
        m.available = st.f_bavail;
        m.blockSize = quint64(st.f_frsize ? st.f_frsize : st.f_bsize);
        m.flags = quint64(st.f_flags);
    }
    if (::write(out, &m, sizeof m) != ssize_t(sizeof m)) {
    }
    ::_exit(0);
}

// Starts a prober for `path`: 0 with the pipe its answer comes through in
// `*readEnd`, or an errno value.
int startProber(const char *path, int *readEnd)
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return errno;
    const pid_t child = ::fork();
    if (child == 0)
        probeInChild(path, fds[1]);
    const int forkError = errno;
    ::close(fds[1]);
    if (child < 0) {
        ::close(fds[0]);
        return forkError;
    }
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    *readEnd = fds[0];
    return 0;
}

void readAnswer(int pipe, SpaceAnswer *a)
{
    ProbeMessage m{};
    a->answered = true;
    if (::read(pipe, &m, sizeof m) == ssize_t(sizeof m)) {
        a->error = m.error;
        a->total = m.blocks * m.blockSize;
        a->free = m.free * m.blockSize;
        a->available = m.available * m.blockSize;
        a->readOnly = (m.flags & ST_RDONLY) != 0;
    } else {
        a->error = EIO; // it died without a word
    }
}

// Reads the answers that come through `pipes` until `deadline`; each pipe
// answered is closed and set to -1.
void collectAnswers(std::vector<int> &pipes, std::vector<SpaceAnswer> &answers,
                    std::chrono::steady_clock::time_point deadline)
{
    for (;;) {
        std::vector<pollfd> waiting;
        std::vector<std::size_t> index;
        for (std::size_t i = 0; i < pipes.size(); ++i)
            if (pipes[i] >= 0) {
                waiting.push_back({pipes[i], POLLIN, 0});
                index.push_back(i);
            }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        if (waiting.empty() || left <= 0)
            return;
        if (::poll(waiting.data(), nfds_t(waiting.size()), int(left)) < 0 && errno != EINTR)
            return;
        for (std::size_t k = 0; k < waiting.size(); ++k) {
            if (waiting[k].revents == 0)
                continue;
            const std::size_t i = index[k];
            readAnswer(pipes[i], &answers[i]);
            ::close(pipes[i]);
            pipes[i] = -1;
        }
    }
}

} // namespace

namespace
{

// The questions still unanswered, by the mount point their path lies
// below as the table spells it: a volume that hangs is asked once, however
// often and for whichever of its paths it is asked, until it answers.
std::mutex pendingMutex;
std::map<QByteArray, std::shared_ptr<Fd>> pendingByMount;

// The mount point `path` lies below, by its text alone: nothing of the
// path is looked up, which could hang. A relative path is taken from the
// working folder.
QByteArray mountPointByText(const QByteArray &path, const std::vector<Mount> &table)
{
    QByteArray absolute = path;
    if (!absolute.startsWith('/'))
        absolute = currentFolder() + '/' + absolute;
    QByteArray best = "/";
    for (const Mount &m : table)
        if ((absolute == m.mountPoint || absolute.startsWith(m.mountPoint + '/')) &&
            m.mountPoint.size() > best.size())
            best = m.mountPoint;
    return best;
}

} // namespace

std::vector<SpaceAnswer> probeSpaces(const QByteArrayList &paths, int waitMs)
{
    std::vector<SpaceAnswer> answers(std::size_t(paths.size()));
    std::vector<int> pipes(std::size_t(paths.size()), -1);
    const std::vector<Mount> table = mountTable();
    std::vector<QByteArray> mounts;
    for (const QByteArray &path : paths)
        mounts.push_back(mountPointByText(path, table));
    // Made before any fork: after it, in a process with threads, only calls
    // that need no lock may run (no allocation, no Qt).
    std::vector<QByteArray> names(paths.begin(), paths.end());
    {
        std::lock_guard<std::mutex> lock(pendingMutex);
        for (std::size_t i = 0; i < names.size(); ++i) {
            const auto open = pendingByMount.find(mounts[i]);
            if (open != pendingByMount.end() && stillWaiting(*open->second)) {
                answers[i].pending = open->second; // not asked again
                continue;
            }
            if (open != pendingByMount.end())
                pendingByMount.erase(open);
            if (const int error = startProber(names[i].constData(), &pipes[i])) {
                answers[i].answered = true;
                answers[i].error = error;
            }
        }
    }
    collectAnswers(pipes, answers,
                   std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs));
    // One that has not answered is left to wait, its pipe handed to the
    // caller: while it waits, that volume is not asked again
    // (stillWaiting()), and it ends by itself once the mount answers or is
    // aborted.
    std::lock_guard<std::mutex> lock(pendingMutex);
    for (std::size_t i = 0; i < pipes.size(); ++i)
        if (pipes[i] >= 0) {
            answers[i].pending = std::make_shared<Fd>(pipes[i]);
            pendingByMount[mounts[i]] = answers[i].pending;
        }
    return answers;
}

bool stillWaiting(const Fd &pending)
{
    pollfd p{pending.get(), POLLIN, 0};
    return pending.valid() && ::poll(&p, 1, 0) == 0;
}

QByteArrayList answering(const QByteArrayList &paths, int waitMs)
{
    QByteArrayList answered;
    const std::vector<SpaceAnswer> answers = probeSpaces(paths, waitMs);
    for (qsizetype i = 0; i < paths.size(); ++i)
        if (answers[std::size_t(i)].answered && answers[std::size_t(i)].error == 0)
            answered.append(paths.at(i));
    return answered;
}

QString labelOfDevice(const QByteArray &source)
{
    if (!source.startsWith("/dev/"))
        return QString();
    char resolved[PATH_MAX];
    if (!::realpath(source.constData(), resolved))
        return QString();
    const QByteArray device(resolved);
    const QByteArray folder("/dev/disk/by-label");
    Fd dir(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    std::vector<QByteArray> names;
    if (!dir.valid() || readNames(dir.get(), &names) != 0)
        return QString();
    for (const QByteArray &name : names) {
        char target[PATH_MAX];
        if (!::realpath((folder + '/' + name).constData(), target) || device != target)
            continue;
        // udev writes what a file name cannot hold as \xNN.
        QByteArray label;
        for (qsizetype i = 0; i < name.size(); ++i) {
            if (name.at(i) == '\\' && i + 3 < name.size() && name.at(i + 1) == 'x') {
                bool ok = false;
                const int c = name.mid(i + 2, 2).toInt(&ok, 16);
                if (ok) {
                    label += char(c);
                    i += 3;
                    continue;
                }
            }
            label += name.at(i);
        }
        return QString::fromUtf8(label);
    }
    return QString();
}

namespace
{

// The mount the folder `folder` lies on: true, or false with *error.
bool mountOfFolder(const QByteArray &folder, Mount *out, int *error)
{
    const Fd opened = openFolderPath(folder, true, error);
    if (!opened.valid())
        return false;
    const std::vector<Mount> table = mountTable();
    const Mount *mount = mountOf(table, opened.get());
    if (!mount) {
        *error = ENOENT;
        return false;
    }
    *out = *mount;
    return true;
}

// The lock file of the volume `folder` lies on, in `lockFolder`: made, and
// owned by this user alone, or empty with *error.
QByteArray volumeLockPath(const QByteArray &folder, const QByteArray &lockFolder, bool make,
                          int *error)
{
    Mount mount;
    if (!mountOfFolder(folder, &mount, error))
        return QByteArray();
    const quint64 device = mountDeviceNumber(mount);
    if (make && (*error = makeFolders(lockFolder)) != 0)
        return QByteArray();
    // Never a folder another user made or may write: whoever could put a
    // file there could hold it against this user's jobs.
    struct stat st;
    if (::lstat(lockFolder.constData(), &st) != 0) {
        *error = errno;
        return QByteArray();
    }
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::geteuid() || (st.st_mode & 0022) != 0) {
        *error = EPERM;
        return QByteArray();
    }
    return lockFolder + "/volume-" + QByteArray::number(major(device)) + '-' +
           QByteArray::number(minor(device)) + ".lock";
}

// A program of Velmora's: named velmora…, from a file only an administrator
// could have put there, or one of this user's own. A program any user can
// name so, or copy, holds nothing against another user's jobs.
bool isVelmoraProgram(const QByteArray &procDir)
{
    char target[PATH_MAX];
    const ssize_t n = ::readlink((procDir + "/exe").constData(), target, sizeof target - 1);
    if (n <= 0)
        return false;
    QByteArray exe(target, int(n));
    if (exe.endsWith(" (deleted)"))
        exe.chop(10);
    if (!exe.mid(exe.lastIndexOf('/') + 1).startsWith("velmora"))
        return false;
    struct statx sx;
    if (::statx(AT_FDCWD, (procDir + "/exe").constData(), AT_STATX_DONT_SYNC,
                STATX_MODE | STATX_UID, &sx) != 0)
        return false;
    return (sx.stx_uid == 0 && (sx.stx_mode & 0022) == 0) || sx.stx_uid == ::geteuid();
}

// Whether a Velmora program holds a flock on the folder (device, inode)
// through a descriptor other than `ownFd` of this process.
bool velmoraMarkOn(dev_t device, ino_t inode, int ownFd)
{
    const QByteArray self = QByteArray::number(qint64(::getpid()));
    std::vector<QByteArray> pids;
    {
        Fd proc(::open("/proc", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!proc.valid() || readNames(proc.get(), &pids) != 0)
            return false;
    }
    for (const QByteArray &pid : pids) {
        bool number = false;
        pid.toLongLong(&number);
        const QByteArray dir = "/proc/" + pid;
        if (!number || !isVelmoraProgram(dir))
            continue;
        std::vector<QByteArray> fds;
        Fd fdDir(::open((dir + "/fd").constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!fdDir.valid() || readNames(fdDir.get(), &fds) != 0)
            continue;
        for (const QByteArray &fd : fds) {
            if (pid == self && fd.toInt() == ownFd)
                continue;
            struct statx sx;
            if (::statx(AT_FDCWD, (dir + "/fd/" + fd).constData(), AT_STATX_DONT_SYNC,
                        STATX_TYPE | STATX_INO, &sx) != 0 ||
                !S_ISDIR(sx.stx_mode) || sx.stx_ino != inode ||
                makedev(sx.stx_dev_major, sx.stx_dev_minor) != device)
                continue;
            QFile info(QString::fromLatin1(dir + "/fdinfo/" + fd));
            if (info.open(QIODevice::ReadOnly) && info.readAll().contains(" FLOCK "))
                return true;
        }
    }
    return false;
}

// The root folder of the volume `folder` lies on, opened.
Fd volumeRoot(const QByteArray &folder, int *error)
{
    Mount mount;
    return mountOfFolder(folder, &mount, error) ? openFolderPath(mount.mountPoint, true, error)
                                                : Fd();
}

} // namespace

int FolderLock::take(const QByteArray &folder, const QByteArray &lockFolder)
{
    int error = 0;
    const QByteArray path = volumeLockPath(folder, lockFolder, true, &error);
    if (path.isEmpty())
        return error;
    Fd held = lockFile(path, &error);
    if (!held.valid())
        return error;
    // The mark for Velmora run by another user. Where another program
    // holds the folder locked, none is left: no job waits for it.
    Fd root = volumeRoot(folder, &error);
    struct stat st;
    if (!root.valid() || ::fstat(root.get(), &st) != 0)
        return root.valid() ? errno : error;
    if (::flock(root.get(), LOCK_SH | LOCK_NB) != 0)
        root = Fd();
    if (velmoraMarkOn(st.st_dev, st.st_ino, root.valid() ? root.get() : -1))
        return EWOULDBLOCK;
    fd = std::move(held);
    mark = std::move(root);
    return 0;
}

Fd lockFile(const QByteArray &path, int *error)
{
    Fd fd(::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!fd.valid() || ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
        *error = errno;
        return Fd();
    }
    *error = 0;
    return fd;
}

bool fileLocked(const QByteArray &path)
{
    const Fd fd(::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.valid())
        return false;
    if (::flock(fd.get(), LOCK_SH | LOCK_NB) != 0)
        return errno == EWOULDBLOCK;
    return false;
}

bool volumeLocked(const QByteArray &path, const QByteArray &lockFolder)
{
    int error = 0;
    const QByteArray lock = volumeLockPath(path, lockFolder, false, &error);
    if (!lock.isEmpty() && fileLocked(lock))
        return true;
    const Fd root = volumeRoot(path, &error);
    struct stat st;
    return root.valid() && ::fstat(root.get(), &st) == 0 &&
           velmoraMarkOn(st.st_dev, st.st_ino, -1);
}

} // namespace velmora::platform
