#include "engine/platform.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::platform
{

namespace
{

int openNoFollow(const char *path, int flags, mode_t mode = 0)
{
    int fd;
    do {
        fd = ::open(path, flags | O_NOFOLLOW | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// Adds the owner-write bit to a regular file the caller owns that lacks it.
bool grantOwnerWrite(const char *path)
{
    struct stat st;
    if (::lstat(path, &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    if ((st.st_mode & S_IWUSR) || st.st_uid != ::geteuid())
        return false;
    return ::chmod(path, (st.st_mode & 07777) | S_IWUSR) == 0;
}

} // namespace

int openForOverwrite(const std::filesystem::path &path, int *error)
{
    const char *p = path.c_str();
    // O_NONBLOCK keeps a FIFO from blocking the open; it has no effect on
    // regular files, which are all we ever write to.
    const int flags = O_WRONLY | O_NONBLOCK;
    int fd = openNoFollow(p, flags);
    if (fd < 0 && errno == EACCES && grantOwnerWrite(p))
        fd = openNoFollow(p, flags);
    if (fd < 0) {
        *error = errno;
        return -1;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        *error = EINVAL;
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    *error = 0;
    return fd;
}

int createFillFile(const std::filesystem::path &path, int *error)
{
    const int fd = openNoFollow(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    *error = fd < 0 ? errno : 0;
    return fd;
}

qint64 fileSize(int fd)
{
    struct stat st;
    return ::fstat(fd, &st) == 0 ? qint64(st.st_size) : -1;
}

std::size_t writeAll(int fd, const char *data, std::size_t length, qint64 offset, int *error)
{
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

int syncData(int fd)
{
    int rc;
    do {
        rc = ::fdatasync(fd);
    } while (rc != 0 && errno == EINTR);
    return rc == 0 ? 0 : errno;
}

void startWriteback(int fd, qint64 offset, qint64 length)
{
    ::sync_file_range(fd, off_t(offset), off_t(length), SYNC_FILE_RANGE_WRITE);
}

void closeFile(int fd)
{
    if (fd >= 0)
        ::close(fd);
}

std::optional<quint64> deviceId(const std::filesystem::path &path)
{
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0)
        return std::nullopt;
    return quint64(st.st_dev);
}

bool isSymlink(const std::filesystem::path &path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace velmora::platform
