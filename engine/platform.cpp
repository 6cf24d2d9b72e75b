// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/platform.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <pwd.h>
#include <sys/ioctl.h>
#include <sys/random.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/vfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace velmora::platform
{

static_assert(kWorkingFolder == AT_FDCWD, "kWorkingFolder must be AT_FDCWD");

namespace
{

template <typename Call> auto retry(Call call)
{
    decltype(call()) rc;
    do {
        rc = call();
    } while (rc < 0 && errno == EINTR);
    return rc;
}

const char *nameOrDot(const QByteArray &name)
{
    return name.isEmpty() ? "." : name.constData();
}

Type typeOf(mode_t mode)
{
    if (S_ISREG(mode))
        return Type::Regular;
    if (S_ISDIR(mode))
        return Type::Directory;
    if (S_ISLNK(mode))
        return Type::Link;
    return Type::Other;
}

} // namespace

namespace
{
int injected_(const char *call, int fd)
{
    return injectFault ? injectFault(call, fd) : 0;
}
} // namespace

void Fd::reset(int newFd)
{
    if (fd >= 0)
        ::close(fd);
    fd = newFd;
}

int statusAt(int dirFd, const QByteArray &name, Status *out)
{
    struct statx sx;
    const int flags = AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT | (name.isEmpty() ? AT_EMPTY_PATH : 0);
    if (::statx(dirFd, name.isEmpty() ? "" : name.constData(), flags,
                STATX_TYPE | STATX_MODE | STATX_INO | STATX_NLINK | STATX_SIZE | STATX_UID |
                    STATX_BLOCKS | STATX_MNT_ID,
                &sx) != 0) {
        out->type = Type::Missing;
        return errno;
    }
    out->type = typeOf(sx.stx_mode);
    out->device = makedev(sx.stx_dev_major, sx.stx_dev_minor);
    out->inode = sx.stx_ino;
    out->hasMountId = (sx.stx_mask & STATX_MNT_ID) != 0;
    out->mountId = out->hasMountId ? sx.stx_mnt_id : 0;
    out->links = sx.stx_nlink;
    out->size = qint64(sx.stx_size);
    // File systems that do not count blocks (some FUSE drivers) say 0.
    out->allocated = (sx.stx_mask & STATX_BLOCKS) && (sx.stx_blocks > 0 || sx.stx_size == 0)
                         ? std::min(qint64(sx.stx_blocks) * 512, qint64(sx.stx_size))
                         : qint64(sx.stx_size);
    out->owner = sx.stx_uid;
    out->mode = sx.stx_mode;
    return 0;
}

bool Status::isDeviceNode() const
{
    return S_ISBLK(mode) || S_ISCHR(mode);
}

bool Status::isSocketOrFifo() const
{
    return S_ISSOCK(mode) || S_ISFIFO(mode);
}

Fd openFolderAt(int dirFd, const QByteArray &name, int *error)
{
    const int fd = retry([&] {
        return ::openat(dirFd, nameOrDot(name), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    });
    *error = fd < 0 ? errno : 0;
    return Fd(fd);
}

Fd openFolderPath(const QByteArray &path, bool followLast, int *error)
{
    const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (followLast ? 0 : O_NOFOLLOW);
    const int fd = retry([&] { return ::open(path.constData(), flags); });
    *error = fd < 0 ? errno : 0;
    return Fd(fd);
}

Fd openForOverwriteAt(int dirFd, const QByteArray &name, int *error)
{
    if (const int injected = injected_("open", dirFd)) {
        *error = injected;
        return Fd();
    }
    const int flags = O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    int fd = retry([&] { return ::openat(dirFd, name.constData(), flags); });
    if (fd < 0 && errno == EACCES) {
        struct stat st;
        if (::fstatat(dirFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode) && !(st.st_mode & S_IWUSR) && st.st_uid == ::geteuid() &&
            ::fchmodat(dirFd, name.constData(), (st.st_mode & 07777) | S_IWUSR, 0) == 0)
            fd = retry([&] { return ::openat(dirFd, name.constData(), flags); });
        else
            errno = EACCES;
    }
    if (fd < 0) {
        *error = errno;
        return Fd();
    }
    Fd file(fd);
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        *error = EINVAL;
        return Fd();
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    *error = 0;
    return file;
}

Fd openForReadAt(int dirFd, const QByteArray &name, int *error)
{
    const int fd = retry([&] {
        return ::openat(dirFd, name.constData(),
                        O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    });
    if (fd < 0) {
        *error = errno;
        return Fd();
    }
    Fd file(fd);
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        *error = EINVAL;
        return Fd();
    }
    *error = 0;
    return file;
}

int makeFolderAt(int dirFd, const QByteArray &name)
{
    if (const int injected = injected_("mkdir", dirFd))
        return injected;
    return ::mkdirat(dirFd, name.constData(), 0700) == 0 ? 0 : errno;
}

quint32 effectiveUser()
{
    return ::geteuid();
}

namespace
{

// One entry of the user database; nullptr when the user is unknown.
const struct passwd *userEntry(quint32 uid, struct passwd *entry, std::vector<char> *buffer)
{
    struct passwd *found = nullptr;
    if (::getpwuid_r(uid_t(uid), entry, buffer->data(), buffer->size(), &found) != 0)
        return nullptr;
    return found;
}

} // namespace

QByteArray homeOfUser(quint32 uid)
{
    std::vector<char> buffer(16384);
    struct passwd entry;
    const struct passwd *found = userEntry(uid, &entry, &buffer);
    return found ? QByteArray(found->pw_dir) : QByteArray();
}

QByteArray nameOfUser(quint32 uid)
{
    std::vector<char> buffer(16384);
    struct passwd entry;
    const struct passwd *found = userEntry(uid, &entry, &buffer);
    return found ? QByteArray(found->pw_name) : QByteArray::number(uid);
}

bool canCreateIn(int dirFd)
{
    return ::faccessat(dirFd, ".", W_OK | X_OK, AT_EACCESS) == 0;
}

int readNames(int dirFd, std::vector<QByteArray> *names)
{
    // The stream gets a descriptor of its own; ours stays open for *at().
    const int copy = ::openat(dirFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (copy < 0)
        return errno;
    DIR *dir = ::fdopendir(copy);
    if (!dir) {
        const int e = errno;
        ::close(copy);
        return e;
    }
    int error = 0;
    for (;;) {
        errno = 0;
        const struct dirent *entry = ::readdir(dir);
        if (!entry) {
            error = errno;
            break;
        }
        const char *n = entry->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)))
            continue;
        names->emplace_back(n);
    }
    ::closedir(dir);
    return error;
}

int removeAt(int dirFd, const QByteArray &name, bool folder)
{
    if (const int injected = injected_(folder ? "rmdir" : "unlink", dirFd))
        return injected;
    return ::unlinkat(dirFd, name.constData(), folder ? AT_REMOVEDIR : 0) == 0 ? 0 : errno;
}

int renameAt(int dirFd, const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(dirFd, from.constData(), dirFd, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system without RENAME_NOREPLACE (FAT before 6.x): link semantics
    // are not available there either, so check and rename.
    struct stat st;
    if (::fstatat(dirFd, to.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0)
        return EEXIST;
    return ::renameat(dirFd, from.constData(), dirFd, to.constData()) == 0 ? 0 : errno;
}

std::function<void(const char *call, int fd)> watchCall;
std::function<int(const char *call, int fd)> injectFault;

int syncData(int fd)
{
    if (watchCall)
        watchCall("sync", fd);
    if (const int injected = injected_("sync", fd))
        return injected;
    return retry([&] { return ::fdatasync(fd); }) == 0 ? 0 : errno;
}

int syncAll(int fd)
{
    if (const int injected = injected_("fsync", fd))
        return injected;
    return retry([&] { return ::fsync(fd); }) == 0 ? 0 : errno;
}

int syncFileSystem(int fd)
{
    if (watchCall)
        watchCall("syncfs", fd);
    if (const int injected = injected_("syncfs", fd))
        return injected;
    return ::syncfs(fd) == 0 ? 0 : errno;
}

int closeFile(Fd &file)
{
    const int fd = file.release();
    if (fd < 0)
        return 0;
    // Linux frees the descriptor even when close() fails, so it is never
    // retried; the error is what a network or FUSE file system could not
    // write back.
    return ::close(fd) == 0 || errno == EINTR ? 0 : errno;
}

bool isFuse(int fd)
{
    struct statfs sf;
    return ::fstatfs(fd, &sf) == 0 && sf.f_type == 0x65735546; // FUSE_SUPER_MAGIC
}

QByteArray currentFolder()
{
    QByteArray buffer(4096, Qt::Uninitialized);
    while (!::getcwd(buffer.data(), std::size_t(buffer.size()))) {
        if (errno != ERANGE)
            return QByteArray();
        buffer.resize(buffer.size() * 2);
    }
    return QByteArray(buffer.constData());
}

QByteArray realPath(const QByteArray &path, int *error)
{
    char *resolved = ::realpath(path.constData(), nullptr);
    if (!resolved) {
        *error = errno;
        return QByteArray();
    }
    *error = 0;
    const QByteArray out(resolved);
    std::free(resolved);
    return out;
}

int writeFileAtomically(const QByteArray &path, const QByteArray &data, int mode)
{
    // A new name beside it, synced, then renamed over: a reader sees the old
    // file or the whole new one, never half of it.
    const QByteArray temp = path + ".velmora-" + QByteArray::number(::getpid());
    const int fd = retry(
        [&] { return ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode); });
    if (fd < 0)
        return errno;
    Fd file(fd);
    int error = 0;
    if (writeAll(fd, data.constData(), std::size_t(data.size()), -1, &error) !=
            std::size_t(data.size()) ||
        (error = syncData(fd)) != 0 || (error = closeFile(file)) != 0 ||
        (::rename(temp.constData(), path.constData()) != 0 && (error = errno) != 0)) {
        ::unlink(temp.constData());
        return error ? error : EIO;
    }
    // The new name on the device too, or a power cut may bring back the old.
    const qsizetype slash = path.lastIndexOf('/');
    return syncFolder(slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash));
}

int syncFolder(const QByteArray &path)
{
    int error = 0;
    Fd folder = openFolderPath(path, true, &error);
    return folder.valid() ? syncAll(folder.get()) : error;
}

int makeFolders(const QByteArray &path)
{
    QByteArray sofar;
    for (const QByteArray &part : path.split('/')) {
        if (part.isEmpty()) {
            if (sofar.isEmpty())
                sofar = "/";
            continue;
        }
        sofar = sofar.isEmpty() || sofar.endsWith('/') ? sofar + part : sofar + '/' + part;
        if (::mkdir(sofar.constData(), 0700) != 0 && errno != EEXIST)
            return errno;
    }
    return 0;
}

int removeFile(const QByteArray &path)
{
    return ::unlink(path.constData()) == 0 ? 0 : errno;
}

qint64 processId()
{
    return ::getpid();
}

QByteArray bootId()
{
    QFile file(QStringLiteral("/proc/sys/kernel/random/boot_id"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
}

bool isProgramRunning(qint64 pid, const QByteArray &namePrefix)
{
    if (pid <= 0 || (::kill(pid_t(pid), 0) != 0 && errno == ESRCH))
        return false;
    // A number the kernel has handed to another program since.
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    return !comm.open(QIODevice::ReadOnly) || comm.readAll().startsWith(namePrefix);
}

int truncateFile(int fd, qint64 length)
{
    return retry([&] { return ::ftruncate(fd, off_t(length)); }) == 0 ? 0 : errno;
}

qint64 fileSize(int fd)
{
    struct stat st;
    return ::fstat(fd, &st) == 0 ? qint64(st.st_size) : -1;
}

bool nextDataRegion(int fd, qint64 from, qint64 size, qint64 *start, qint64 *end)
{
    if (from >= size)
        return false;
    const off_t data = ::lseek(fd, off_t(from), SEEK_DATA);
    if (data < 0) {
        if (errno == ENXIO)
            return false; // only a hole follows
        *start = from;    // no SEEK_DATA here: all of it is data
        *end = size;
        return true;
    }
    if (qint64(data) >= size)
        return false;
    const off_t hole = ::lseek(fd, data, SEEK_HOLE);
    *start = qint64(data);
    *end = hole < 0 ? size : qMin(qint64(hole), size);
    return true;
}

std::size_t writeAll(int fd, const char *data, std::size_t length, qint64 offset, int *error)
{
    if (watchCall)
        watchCall("write", fd);
    std::size_t done = 0;
    *error = 0;
    while (done < length) {
        const ssize_t n =
            offset >= 0 ? ::pwrite(fd, data + done, length - done, off_t(offset + qint64(done)))
                        : ::write(fd, data + done, length - done);
        if (n > 0) {
            done += std::size_t(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            // A write of 0 bytes to a regular file means there is no room.
            *error = n == 0 ? ENOSPC : errno;
            break;
        }
    }
    return done;
}

Fd reopenForRead(int fd, bool direct, int *error)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    const int again = ::open(self.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK |
                                                   (direct ? O_DIRECT : 0));
    *error = again < 0 ? errno : 0;
    return Fd(again);
}

qint64 readAt(int fd, char *data, std::size_t length, qint64 offset, int *error)
{
    std::size_t done = 0;
    *error = 0;
    while (done < length) {
        const ssize_t n = ::pread(fd, data + done, length - done, off_t(offset + qint64(done)));
        if (n > 0)
            done += std::size_t(n);
        else if (n < 0 && errno == EINTR)
            continue;
        else if (n == 0)
            break;
        else {
            *error = errno;
            return -1;
        }
    }
    return qint64(done);
}

void startWriteback(int fd, qint64 offset, qint64 length)
{
    ::sync_file_range(fd, off_t(offset), off_t(length), SYNC_FILE_RANGE_WRITE);
}

int dropWritten(int fd, qint64 offset, qint64 length)
{
    // The wait reports a failed write-back of the file and clears it: a
    // later fdatasync() would not see it again.
    const int rc = retry([&] {
        return ::sync_file_range(fd, off_t(offset), off_t(length),
                                 SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE |
                                     SYNC_FILE_RANGE_WAIT_AFTER);
    }) == 0
                       ? 0
                       : errno;
    ::posix_fadvise(fd, off_t(offset), off_t(length), POSIX_FADV_DONTNEED);
    if (const int injected = injected_("writeback", fd))
        return injected;
    return rc == ESPIPE || rc == EINVAL ? 0 : rc;
}

void dropCache(int fd)
{
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
}

Fd createUnnamedFile(int dirFd, int *error)
{
    if (const int injected = injected_("tmpfile", dirFd)) {
        *error = injected;
        return Fd();
    }
    const int fd =
        retry([&] { return ::openat(dirFd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600); });
    *error = fd < 0 ? errno : 0;
    return Fd(fd);
}

Fd createNewFileAt(int dirFd, const QByteArray &name, int *error)
{
    const int fd = retry([&] {
        return ::openat(
            dirFd, name.constData(),
            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
    });
    *error = fd < 0 ? errno : 0;
    if (fd >= 0)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return Fd(fd);
}

int deviceDiscards(const QByteArray &source)
{
    struct stat st;
    if (::stat(source.constData(), &st) != 0 || !S_ISBLK(st.st_mode))
        return -1;
    const QString base = QStringLiteral("/sys/dev/block/%1:%2/").arg(major(st.st_rdev)).arg(minor(st.st_rdev));
    // A partition has no queue of its own: its disk's tells.
    for (const QString &queue : {base + QStringLiteral("queue"), base + QStringLiteral("../queue")}) {
        QFile file(queue + QStringLiteral("/discard_max_bytes"));
        if (file.open(QIODevice::ReadOnly))
            return file.readAll().trimmed().toULongLong() > 0 ? 1 : 0;
    }
    return -1;
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

namespace
{
// The XFS reserve pool, as <xfs/xfs_fs.h> defines it (a stable kernel ABI).
struct XfsReserve {
    quint64 blocks;
    quint64 available;
};
constexpr unsigned long kXfsSetReserve = _IOWR('X', 114, XfsReserve);
constexpr unsigned long kXfsGetReserve = _IOR('X', 115, XfsReserve);

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
    if (fsType == "xfs") {
        XfsReserve r{0, 0};
        if (::ioctl(fd, kXfsGetReserve, &r) != 0)
            return errno;
        *blocks = r.blocks;
        return 0;
    }
    if (fsType == "ext4") {
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
    if (fsType == "xfs") {
        XfsReserve r{blocks, 0};
        return ::ioctl(fd, kXfsSetReserve, &r) == 0 ? 0 : errno;
    }
    if (fsType == "ext4") {
        QFile file(ext4Setting(fd, "reserved_clusters"));
        if (!file.open(QIODevice::WriteOnly))
            return file.error() == QFileDevice::OpenError ? EPERM : EIO;
        const QByteArray text = QByteArray::number(blocks);
        return file.write(text) == text.size() && file.flush() ? 0 : EINVAL;
    }
    return EOPNOTSUPP;
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
QByteArray fuseFileSystem(const QByteArray &source)
{
    const int fd = ::open(source.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return QByteArrayLiteral("fuseblk");
    char sector[512] = {};
    const ssize_t n = ::pread(fd, sector, sizeof sector, 0);
    ::close(fd);
    const QByteArray head(sector, n > 0 ? int(n) : 0);
    if (head.mid(3, 8) == "EXFAT   ")
        return QByteArrayLiteral("exfat");
    if (head.mid(3, 8) == "NTFS    ")
        return QByteArrayLiteral("ntfs");
    if (head.mid(54, 3) == "FAT" || head.mid(82, 5) == "FAT32")
        return QByteArrayLiteral("vfat");
    return QByteArrayLiteral("fuseblk");
}
} // namespace

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
        if (text.isEmpty() && m.fsType == "fuseblk")
            m.fsType = fuseFileSystem(m.source);
        mounts.push_back(m);
    }
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

bool isCopyOnWrite(const QByteArray &fsType)
{
    // Copy-on-write or log-structured: new data goes to new blocks, the old
    // ones keep what they held until the file system reuses them.
    static const QByteArray types[] = {"btrfs", "zfs", "bcachefs", "nilfs2", "f2fs", "apfs"};
    for (const QByteArray &t : types)
        if (fsType == t)
            return true;
    return false;
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

bool systemRandom(void *data, std::size_t length)
{
    auto *bytes = static_cast<char *>(data);
    while (length > 0) {
        const ssize_t n = ::getrandom(bytes, length, 0);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes += n;
        length -= std::size_t(n);
    }
    return true;
}

void raiseDescriptorLimit()
{
    struct rlimit limit;
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &limit);
    }
}

void ignoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

namespace
{

std::atomic_bool *stopTarget = nullptr;
std::atomic_int lastSignal{0};
int wakeWrite = -1;

extern "C" void onStopSignal(int signo)
{
    const int saved = errno;
    // A second signal while the first is still being handled: whoever sent
    // it will not wait for a device that takes its time; the kernel frees
    // the unnamed fill files, and the next start finds the rest.
    if (lastSignal.exchange(signo) != 0)
        ::_exit(128 + signo);
    if (stopTarget)
        stopTarget->store(true);
    if (wakeWrite >= 0) {
        const char byte = char(signo);
        [[maybe_unused]] const ssize_t n = ::write(wakeWrite, &byte, 1);
    }
    errno = saved;
}

} // namespace

void catchStopSignals(std::atomic_bool *stop, int *wakeFd)
{
    stopTarget = stop;
    if (wakeFd) {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) == 0) {
            wakeWrite = fds[1];
            *wakeFd = fds[0];
        } else {
            *wakeFd = -1;
        }
    }
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signo : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signo, &action, nullptr);
}

int caughtSignal()
{
    return lastSignal.load();
}

void exitNow(int status)
{
    ::_exit(status);
}

bool isTerminal(int fd)
{
    return ::isatty(fd) == 1;
}

int terminalColumns(int fd)
{
    struct winsize size {};
    return ::ioctl(fd, TIOCGWINSZ, &size) == 0 ? int(size.ws_col) : 0;
}

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace velmora::platform
