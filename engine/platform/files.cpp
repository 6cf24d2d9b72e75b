// SPDX-License-Identifier: GPL-3.0-or-later

// Descriptors and what is done through them: opening, reading, writing,
// syncing and removing, each retried on EINTR and with the fault seam.

#include "engine/platform/platform.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
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
#include <sys/sysmacros.h>
#include <sys/vfs.h>
#include <sys/xattr.h>
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
                    STATX_GID | STATX_BLOCKS | STATX_MNT_ID | STATX_MTIME,
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
    out->group = sx.stx_gid;
    out->mode = sx.stx_mode;
    out->modified = qint64(sx.stx_mtime.tv_sec) * 1000000000 + sx.stx_mtime.tv_nsec;
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

namespace
{

// The descriptor `fd` (an open() result) when it is a regular file; else
// none, closed, with EINVAL (or open()'s errno).
Fd regularOnly(int fd, int *error)
{
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

} // namespace

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
    Fd file = regularOnly(fd, error);
    if (file.valid())
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return file;
}

Fd openForReadAt(int dirFd, const QByteArray &name, int *error)
{
    const int fd = retry([&] {
        return ::openat(dirFd, name.constData(),
                        O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    });
    return regularOnly(fd, error);
}

Attributes attributesAt(int dirFd, const QByteArray &name)
{
    Attributes attributes;
    Status st;
    if (statusAt(dirFd, name, &st) != 0 || st.type != Type::Regular)
        return attributes;
    const int fd = retry([&] {
        return ::openat(dirFd, nameOrDot(name),
                        O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    });
    if (fd < 0)
        return attributes;
    int flags = 0;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
        attributes.immutable = (flags & FS_IMMUTABLE_FL) != 0;
        attributes.appendOnly = (flags & FS_APPEND_FL) != 0;
    }
    ::close(fd);
    return attributes;
}

int makeFolderAt(int dirFd, const QByteArray &name)
{
    if (const int injected = injected_("mkdir", dirFd))
        return injected;
    return ::mkdirat(dirFd, name.constData(), 0700) == 0 ? 0 : errno;
}

bool ownedByEffectiveUser(const QByteArray &path)
{
    // Up from `path` to the first part of it that exists.
    for (QByteArray at = path; !at.isEmpty();) {
        struct stat st;
        if (::stat(at.constData(), &st) == 0)
            return st.st_uid == ::geteuid();
        if (errno != ENOENT || at == "/")
            return false;
        const qsizetype slash = at.lastIndexOf('/');
        at = slash > 0 ? at.left(slash) : slash == 0 ? QByteArray("/") : QByteArray();
    }
    return false;
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

int linkAt(int dirFd, const QByteArray &from, const QByteArray &to)
{
    if (const int injected = injected_("link", dirFd))
        return injected;
    return ::linkat(dirFd, from.constData(), dirFd, to.constData(), 0) == 0 ? 0 : errno;
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

int setExtendedAttribute(int fd, const char *name, const QByteArray &value, bool createOnly)
{
    return ::fsetxattr(fd, name, value.constData(), size_t(value.size()),
                       createOnly ? XATTR_CREATE : 0) == 0
               ? 0
               : errno;
}

int removeExtendedAttribute(int fd, const char *name)
{
    return ::fremovexattr(fd, name) == 0 ? 0 : errno;
}

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

namespace
{

// A new file beside `name` in the open folder, with `mode` (and, as root,
// the owner and group of `owner` where given), synced, then renamed over
// `name`, the folder synced: a reader sees the old file or the whole new
// one, never half of it, and a power cut cannot bring the old one back.
int replaceAt(int dirFd, const QByteArray &name, const QByteArray &data, int mode,
              const Status *owner, const Status *unchanged = nullptr)
{
    const QByteArray temp = "." + name + ".velmora-" + QByteArray::number(::getpid());
    const int fd = retry([&] {
        return ::openat(dirFd, temp.constData(),
                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    });
    if (fd < 0)
        return errno;
    Fd file(fd);
    int error = 0;
    if (owner && ::geteuid() == 0 && ::fchown(fd, owner->owner, owner->group) != 0)
        error = errno;
    if (error == 0 && ::fchmod(fd, mode_t(mode)) != 0)
        error = errno;
    if (error == 0 &&
        writeAll(fd, data.constData(), std::size_t(data.size()), 0, &error) !=
            std::size_t(data.size()) &&
        error == 0)
        error = EIO;
    if (error == 0)
        error = syncData(fd);
    if (error == 0)
        error = closeFile(file);
    // Last, as near the rename as it can be: another program that rewrote
    // the file meanwhile would lose what it wrote.
    Status now;
    if (error == 0 && unchanged &&
        (statusAt(dirFd, name, &now) != 0 || !now.sameObject(*unchanged) ||
         now.size != unchanged->size || now.modified != unchanged->modified))
        error = EAGAIN;
    if (error == 0 && ::renameat(dirFd, temp.constData(), dirFd, name.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlinkat(dirFd, temp.constData(), 0);
        return error;
    }
    return syncAll(dirFd);
}

} // namespace

PendingFile::~PendingFile()
{
    if (file.valid() && folder.valid())
        ::unlinkat(folder.get(), temp.constData(), 0);
}

int PendingFile::prepare(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    name = path.mid(slash + 1);
    if (name.isEmpty() || name == "." || name == "..")
        return EISDIR;
    int error = 0;
    folder = openFolderPath(slash < 0    ? QByteArray(".")
                            : slash == 0 ? QByteArray("/")
                                         : path.left(slash),
                            true, &error);
    if (!folder.valid())
        return error;
    Status here;
    Status there;
    if ((error = statusAt(folder.get(), QByteArray(), &here)) != 0)
        return error;
    if (statusAt(folder.get(), name, &there) == 0) {
        if (there.type == Type::Directory)
            return EISDIR;
        if (there.type != Type::Regular)
            return EINVAL;
        // In a sticky folder (/tmp) only its owner, the folder's or root
        // may replace a file.
        const quint32 me = ::geteuid();
        if ((here.mode & S_ISVTX) && me != 0 && there.owner != me && here.owner != me)
            return EPERM;
    }
    temp = "." + name + ".velmora-" + QByteArray::number(::getpid());
    const int fd = retry([&] {
        return ::openat(folder.get(), temp.constData(),
                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    });
    if (fd < 0)
        return errno;
    file = Fd(fd);
    return 0;
}

int PendingFile::commit(const QByteArray &data)
{
    if (!file.valid())
        return EBADF;
    int error = 0;
    if (::fchmod(file.get(), 0644) != 0)
        error = errno;
    if (error == 0 &&
        writeAll(file.get(), data.constData(), std::size_t(data.size()), 0, &error) !=
            std::size_t(data.size()) &&
        error == 0)
        error = EIO;
    if (error == 0)
        error = syncData(file.get());
    if (error == 0)
        error = closeFile(file);
    if (error == 0 &&
        ::renameat(folder.get(), temp.constData(), folder.get(), name.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlinkat(folder.get(), temp.constData(), 0);
        file.reset();
        return error;
    }
    file.reset();
    return syncAll(folder.get());
}

int writeFileAtomically(const QByteArray &path, const QByteArray &data, int mode)
{
    const qsizetype slash = path.lastIndexOf('/');
    int error = 0;
    Fd folder = openFolderPath(slash < 0    ? QByteArray(".")
                               : slash == 0 ? QByteArray("/")
                                            : path.left(slash),
                               true, &error);
    return folder.valid() ? replaceAt(folder.get(), path.mid(slash + 1), data, mode, nullptr)
                          : error;
}

int replaceFileAt(int dirFd, const QByteArray &name, const QByteArray &data, const Status &like)
{
    // The owner, group and permissions of the file it replaces: as root on
    // behalf of a user, the new file is that user's.
    return replaceAt(dirFd, name, data, int(like.mode & 07777), &like, &like);
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
    const int rc =
        retry([&] {
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

} // namespace velmora::platform
