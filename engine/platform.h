#pragma once

// The few operating-system calls the engine needs, behind plain functions so
// the rest of the engine stays portable C++ and Qt. Errors are returned as
// errno values; 0 means success.

#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <filesystem>
#include <optional>

namespace velmora::platform
{

// Opens an existing file for writing, in place and without truncation. A
// symbolic link is never followed (the open fails with ELOOP), a FIFO never
// blocks the open, and anything but a regular file is refused with EINVAL
// before a byte is written. When the only obstacle is a missing owner-write
// bit on a file the caller owns, the bit is added and the open retried: the
// file is about to be destroyed anyway. Returns a descriptor, or -1 with
// *error set.
int openForOverwrite(const std::filesystem::path &path, int *error);

// Creates (or empties) a fill file for writing, owner-only, never through a
// symbolic link. Returns a descriptor, or -1 with *error set.
int createFillFile(const std::filesystem::path &path, int *error);

// Size in bytes of an open file, or -1.
qint64 fileSize(int fd);

// Writes all of `length` bytes at `offset` (or at the current position when
// offset is negative), retrying short writes and interruptions. Returns the
// number of bytes written; when it is short, *error says why (ENOSPC for a
// full volume, EFBIG for a file-size limit, anything else is a real fault).
std::size_t writeAll(int fd, const char *data, std::size_t length, qint64 offset, int *error);

// Forces the file's data to the storage device. Without it, a file deleted
// right after being overwritten may lose its dirty pages before they are ever
// written, leaving the old contents on the disk. Returns 0 or an errno value.
int syncData(int fd);

// Starts writing back the given range without waiting for it, so that dirty
// data does not pile up in the page cache ahead of the closing sync (which
// would then take long and keep a Stop waiting). Best effort.
void startWriteback(int fd, qint64 offset, qint64 length);

void closeFile(int fd);

// Device id of the file system that holds `path` itself (a link is not
// followed), or nothing if it cannot be read.
std::optional<quint64> deviceId(const std::filesystem::path &path);

// True when `path` itself is a symbolic link.
bool isSymlink(const std::filesystem::path &path);

QString errorText(int error);

} // namespace velmora::platform
