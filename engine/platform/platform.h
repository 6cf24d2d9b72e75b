// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The operating-system calls the engine needs, behind plain functions so the
// rest of the engine stays portable C++ and Qt. Errors are returned as errno
// values; 0 means success. Names are bytes, as the kernel sees them.

#include "engine/platform/filesystems.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <QtGlobal>

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

namespace velmora::platform
{

// An open descriptor, closed when the object goes.
class Fd
{
  public:
    Fd() = default;
    explicit Fd(int fd) : fd(fd) {}
    ~Fd() { reset(); }
    Fd(Fd &&other) noexcept : fd(other.release()) {}
    Fd &operator=(Fd &&other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;

    int get() const { return fd; }
    bool valid() const { return fd >= 0; }
    int release()
    {
        const int f = fd;
        fd = -1;
        return f;
    }
    void reset(int newFd = -1);

  private:
    int fd = -1;
};

enum class Type { Regular, Directory, Link, Other, Missing };

// What the walk needs to know of an entry, read without following a link.
struct Status {
    Type type = Type::Missing;
    quint64 device = 0;
    quint64 inode = 0;
    quint64 mountId = 0;
    bool hasMountId = false; // the kernel told the mount id (Linux 5.8 and later)
    quint64 links = 0;
    qint64 size = 0;
    qint64 allocated = 0; // bytes the file takes on the device (a sparse file's holes take none)
    quint32 owner = 0;
    quint32 group = 0;
    quint32 mode = 0;    // the file's type and permission bits, as st_mode
    qint64 modified = 0; // its last change of contents, in nanoseconds since 1970
    bool isDeviceNode() const;
    bool isSocketOrFifo() const;
    bool sameObject(const Status &o) const { return device == o.device && inode == o.inode; }
    // Whether this entry of the folder `folder` is the root of another
    // mount (a volume, or a bind mount of the same one): walks stop there.
    bool isMountBelow(const Status &folder) const
    {
        return hasMountId && folder.hasMountId ? mountId != folder.mountId
                                               : device != folder.device;
    }
};

// Stands for the working folder where a folder descriptor is asked for, so
// that a path can be given as the name (AT_FDCWD).
constexpr int kWorkingFolder = -100;

// Status of `name` in the folder `dirFd` (kWorkingFolder for a path), or of `dirFd`
// itself when `name` is empty.
int statusAt(int dirFd, const QByteArray &name, Status *out);

// Opens the folder `name` below `dirFd`, never through a link. A name that
// is a link fails with ELOOP, one that is no folder with ENOTDIR.
Fd openFolderAt(int dirFd, const QByteArray &name, int *error);
// Opens a folder by path; the path's own links are followed (it is what the
// user chose), the last component's too when `followLast`.
Fd openFolderPath(const QByteArray &path, bool followLast, int *error);

// Opens `name` below `dirFd` for overwriting in place: never through a link,
// never blocking on a FIFO, never as a controlling terminal, and only if it
// is a regular file (EINVAL otherwise, before a byte is written). A missing
// owner-write bit on a file the caller owns is added: the file is about to
// be destroyed anyway.
Fd openForOverwriteAt(int dirFd, const QByteArray &name, int *error);

// Opens `name` below `dirFd` for reading, with the same care: no link, no
// blocking, regular files only.
Fd openForReadAt(int dirFd, const QByteArray &name, int *error);
// The attributes of `name` below `dirFd` that forbid writing to it
// whatever its permissions; none when they cannot be read.
struct Attributes {
    bool immutable = false;
    bool appendOnly = false;
};
Attributes attributesAt(int dirFd, const QByteArray &name);
// A new folder `name` below `dirFd` (mode 0700).
int makeFolderAt(int dirFd, const QByteArray &name);
// The user the process acts as.
quint32 effectiveUser();
// The user on whose behalf it runs, as pkexec (PKEXEC_UID) or sudo
// (SUDO_UID) names them; false where neither does.
bool callingUser(quint32 *uid);
// The home folder of user `uid` in the user database; empty when unknown.
QByteArray homeOfUser(quint32 uid);
// Their login name, or the number where the database has none.
QByteArray nameOfUser(quint32 uid);
// Whether `path`, or where it does not exist yet the nearest folder above it
// that does, belongs to the effective user (links followed).
bool ownedByEffectiveUser(const QByteArray &path);
// Whether that user may create entries in the open folder `dirFd`.
bool canCreateIn(int dirFd);

// The entries of an open folder ("." and ".." left out), read in one go so
// that renames and removals during the walk cannot disturb the listing.
int readNames(int dirFd, std::vector<QByteArray> *names);

int removeAt(int dirFd, const QByteArray &name, bool folder);
// Renames within one folder, never replacing an existing entry (EEXIST).
int renameAt(int dirFd, const QByteArray &from, const QByteArray &to);
// A new name `to` for the file `from`, both in one folder (EEXIST when `to`
// exists).
int linkAt(int dirFd, const QByteArray &from, const QByteArray &to);

// fdatasync / fsync, retried on EINTR. Without them a file deleted right
// after being overwritten may lose its dirty pages before they are written,
// leaving the old contents on the disk.
// Where tests watch the order of writes and syncs: called with "write",
// "sync" (a file's data) or "syncfs" (its whole file system) and the
// descriptor, on the job's thread. Empty unless a test sets it.
extern std::function<void(const char *call, int fd)> watchCall;

// A test's way to make a call fail: called with "open", "mkdir", "sync",
// "fsync", "syncfs", "unlink", "rmdir", "tmpfile" or "writeback" and the
// descriptor; a non-zero errno value is returned
// by that call instead of doing it. Empty unless a test sets it.
extern std::function<int(const char *call, int fd)> injectFault;

int syncData(int fd);
int syncAll(int fd);
// Commits the whole file system that holds `fd` (syncfs).
int syncFileSystem(int fd);
int truncateFile(int fd, qint64 length);
// Closes `file` and says whether the file system took everything written
// (network and FUSE file systems may only tell here); 0 or an errno value.
int closeFile(Fd &file);
// Whether `fd` lies on a FUSE file system, where a syncfs() proves nothing:
// each file has to be synced on its own.
bool isFuse(int fd);

qint64 fileSize(int fd);

// The first data region at or after `from`: its start and end (the next
// hole). Returns false when no data follows. File systems without
// SEEK_DATA report the whole file as data.
bool nextDataRegion(int fd, qint64 from, qint64 size, qint64 *start, qint64 *end);

// Writes all of `length` bytes at `offset` (or at the current position when
// offset is negative), retrying short writes and interruptions. Returns the
// number of bytes written; when it is short, *error says why (ENOSPC for a
// full volume, EFBIG for a file-size limit, anything else is a real fault).
std::size_t writeAll(int fd, const char *data, std::size_t length, qint64 offset, int *error);
// Reads up to `length` bytes at `offset`; returns the count, -1 with *error.
qint64 readAt(int fd, char *data, std::size_t length, qint64 offset, int *error);

// Starts writing back a range without waiting for it.
void startWriteback(int fd, qint64 offset, qint64 length);
// Waits for a range written back earlier and drops its pages from the cache,
// so a job's page cache stays flat and the user's cached data stays cached.
// Returns the error of a write-back of the file that failed since the last
// check (ENOSPC, EIO), which no later sync reports again; 0 otherwise.
int dropWritten(int fd, qint64 offset, qint64 length);
// Drops the clean cached pages of a file, so that the next read comes from
// the device.
void dropCache(int fd);
// The file open as `fd` (opened for writing), open again for reading: the
// same file whatever its name is now, or has become. With `direct`, reads
// bypass the page cache (O_DIRECT: aligned buffers, offsets and lengths);
// not every file system allows it.
Fd reopenForRead(int fd, bool direct, int *error);
// The alignment O_DIRECT needs on every file system here.
constexpr std::size_t kDirectAlignment = 4096;

// A new unnamed file in the folder `dirFd` (O_TMPFILE): it has no name to be
// found or turned against anything, and the kernel frees it when the process
// ends, however it ends. EOPNOTSUPP/EISDIR where the file system has none.
Fd createUnnamedFile(int dirFd, int *error);
// A new file under `name`, never through an existing entry.
Fd createNewFileAt(int dirFd, const QByteArray &name, int *error);
// Gives the open file `fd` the extended attribute `name` with `value`; with
// `createOnly`, never in place of one it has (EEXIST). 0 or an errno value.
int setExtendedAttribute(int fd, const char *name, const QByteArray &value,
                         bool createOnly = false);
// Takes the extended attribute `name` from the open file `fd`. 0 or an errno
// value.
int removeExtendedAttribute(int fd, const char *name);

// Whether the block device `source` (a mount's source) accepts discards:
// 1 yes, 0 no, -1 when it cannot be told (not a block device).
int deviceDiscards(const QByteArray &source);
// Asks the file system to discard its free blocks (FITRIM). Returns 0 with
// the bytes trimmed, or an errno value (EOPNOTSUPP: the device cannot).
int trimFreeSpace(int dirFd, quint64 *trimmed);
// Has the file system write what it keeps only in its log in place, by a
// freeze and a thaw at once (CAP_SYS_ADMIN). XFS writes a folder's blocks
// back from its log only then or later; a block it frees before that keeps
// on the device what it held when it was last written. 0, or an errno value:
// EPERM without the right, EBUSY when the volume is frozen already,
// EOPNOTSUPP where the file system cannot.
int writeMetadataInPlace(int fd);
// Asks ext3/ext4 to write its journal out to the file system and, with
// `ZeroOut` or `Discard`, to zero or discard the journal's blocks on the
// device (Linux 5.13 and later, CAP_SYS_ADMIN); `Probe` only asks whether
// a zeroing checkpoint would be done. 0 or an errno value: EPERM without the
// right, ENODEV when the volume has no journal, EOPNOTSUPP where the kernel,
// the file system or the device cannot.
enum class JournalCheckpoint { Probe, Flush, ZeroOut, Discard };
int checkpointJournal(int fd, JournalCheckpoint how);

// Free and total bytes of the file system that holds `fd`, with and without
// the blocks reserved for root.
struct Space {
    quint64 total = 0;
    quint64 free = 0;      // including the reserve
    quint64 available = 0; // for ordinary users
    quint64 freeInodes = 0;
    quint64 blockSize = 4096;
    quint64 nameMax = 255;
};
int spaceOf(int fd, Space *out);
// The bytes the block groups of the btrfs volume holding `fd` give its
// metadata (a mixed group counts too), and how many of them are in use, as
// the file system sees them (a duplicated group counts once). 0 or an errno
// value (EOPNOTSUPP on other file systems).
int btrfsMetadataSpace(int fd, quint64 *total, quint64 *used);
// The blocks an ext4 or XFS volume (of type `fsType`, holding `fd`) keeps
// back from every writer, root included, so that it can still change its own
// metadata when full: read and set (root only). 0 or an errno value.
int reserveOf(const QByteArray &fsType, int fd, quint64 *blocks);
// The bytes free in the allocation groups of the XFS volume holding `fd`,
// as its own trees count them: with the blocks it sets aside, which the
// free space it reports leaves out. 0 or an errno value.
int xfsFreeBytes(int fd, quint64 *bytes);
int setReserve(const QByteArray &fsType, int fd, quint64 blocks);

// One line of /proc/self/mountinfo.
struct Mount {
    quint64 id = 0;
    quint64 parentId = 0;
    quint64 device = 0; // major:minor as st_dev
    QByteArray root;    // the folder of the file system seen here
    QByteArray mountPoint;
    QByteArray fsType;
    QByteArray source;
    QByteArray superOptions; // the file system's own ("compress=zstd:3,…")
    // The type the table gives, where fsType says what a FUSE driver serves
    // ("fuse.fusefat", "fuseblk"); else the same as fsType.
    QByteArray mountType;
    bool readOnly = false;

    // What is known of its file system.
    const FileSystem &fs() const { return fileSystem(fsType); }
    // Its driver makes new entries too slowly for anything that overwrites
    // names with new ones.
    bool slowDriver() const { return fs().slowDrivers.contains(mountType); }
};
// A FUSE driver given an image file rather than a device (ntfs-3g) names
// its volume "fuse" alone: where `mount` is such a volume, its fsType is
// read from the image's first sector, where this user may read it. Only for
// a volume being worked on, never while the table is listed: the image may
// lie on a volume that does not answer.
void identifyImageFileSystem(Mount *mount);
// The file system whose first sector is `sector` ("vfat", "exfat", "ntfs"),
// where that tells it; else empty.
QByteArray fileSystemOfSector(const QByteArray &sector);
// The device or image file the file system of `mount` lies on: its source
// where that is one, else the one its FUSE driver, started for this mount
// point, holds open (fusefat names no source). Empty where it cannot be
// told, or read by this user.
QByteArray backingOf(const Mount &mount);
// FAT's own count of free clusters, in bytes, read from the first table on
// the device or image file `source`: 0, or why not (EINVAL: no FAT there).
int fatFreeBytes(const QByteArray &source, quint64 *bytes);
// The mount table; `text` is for tests (empty: read the live table).
std::vector<Mount> mountTable(const QByteArray &text = QByteArray());
// The mounts Velmora lists and looks through on its own: the volume list,
// the Trash of every volume, the start-up search for leftovers. Where
// VELMORA_ONLY_VOLUMES_UNDER names folders (separated by ':'), only the mounts
// at or below one of them; else the whole table. Never for a guard: what is
// in use, mounted or held is always asked of the whole table.
std::vector<Mount> scannedMounts();
// Whether `path` lies within what scannedMounts() keeps: at or below one of
// the folders VELMORA_ONLY_VOLUMES_UNDER names, or anywhere where it is unset.
bool withinScanScope(const QByteArray &path);
// The mount that holds the open `fd`: by mount id where the kernel tells it,
// else the deepest mount point of the table on `fd`'s device that the
// resolved path lies below.
const Mount *mountOf(const std::vector<Mount> &table, int fd);
// The volume whose root is the folder `root` (links followed): its entry in
// the mount table and its space. ENOENT when `root` is no volume's root;
// else 0 or an errno value.
int volumeAt(const QByteArray &root, Mount *mount, Space *space);
// What statfs says of the file system at a path, asked in a process of its
// own: a mount that hangs (a network server gone, a FUSE driver that never
// answers) can keep that process waiting in the kernel, where no signal
// reaches it, but never this one or any of its threads.
struct SpaceAnswer {
    bool answered = false; // false: no answer within the wait
    int error = 0;         // statfs's errno where it answered with one
    quint64 total = 0;
    quint64 free = 0;
    quint64 available = 0;
    bool readOnly = false;
    // Where it did not answer: the end of the pipe its answer will come
    // through, still open (see stillWaiting()).
    std::shared_ptr<Fd> pending;
};
// Asks for each of `paths` at once, each in a process that is no child of
// this one (so that nothing is left to reap), and waits `waitMs` at most in
// all. One that has not answered by then is left behind, waiting.
std::vector<SpaceAnswer> probeSpaces(const QByteArrayList &paths, int waitMs);
// Whether the question whose answer comes through `pending` is still open:
// its prober has neither answered nor ended.
bool stillWaiting(const Fd &pending);
// The paths of `paths` whose file systems answer within `waitMs`: what is
// asked of the others could hang.
QByteArrayList answering(const QByteArrayList &paths, int waitMs = 2000);
// The label udev names the block device `source` by (/dev/disk/by-label);
// empty where it has none. Read from udev's links, never from the volume.
QString labelOfDevice(const QByteArray &source);
// The lock a job holds on a volume it writes helper files to (fill files,
// folders of names). Two parts:
//  - a lock file in `lockFolder`, a folder of the running user's own that no
//    other user may open, named by the device of the volume `folder` lies
//    on: a second job of the same user finds it held;
//  - a shared flock on the volume's root folder, which tells Velmora run by
//    another user (root) that a job works there. Only a Velmora program's
//    own mark counts: a lock any user may take on the folder never stops a
//    job.
// Held while the object lives, and let go by the kernel when the process
// ends, however it ends.
class FolderLock
{
  public:
    // 0, EWOULDBLOCK while another Velmora job holds the volume, or an
    // errno value.
    int take(const QByteArray &folder, const QByteArray &lockFolder);

  private:
    Fd fd;
    Fd mark;
};
// A lock file `path` made if missing and held while the returned descriptor
// lives (flock); invalid with *error (EWOULDBLOCK while another holds it).
Fd lockFile(const QByteArray &path, int *error);
// Whether another holds the lock file `path` (false where there is none).
bool fileLocked(const QByteArray &path);
// Whether a Velmora job holds the lock (FolderLock) on the volume `path`
// lies on: one of this user's, or one of any Velmora program whose
// descriptors this user may see (all, for root). A running job's helper
// files are not leftovers.
bool volumeLocked(const QByteArray &path, const QByteArray &lockFolder);
// The working folder's path as bytes; empty when it is gone.
QByteArray currentFolder();
// `path` with every link, "." and ".." resolved (realpath); empty with
// *error when some part of it cannot be resolved.
QByteArray realPath(const QByteArray &path, int *error);
// Replaces the file at `path` by one holding `data`, written and synced
// under a temporary name first; 0 or an errno value.
int writeFileAtomically(const QByteArray &path, const QByteArray &data, int mode = 0644);
// A file that a job's end puts in place (an outcome, a report): a new, empty
// temporary beside `path` made at once, so that a place where it cannot be
// written (a missing or read-only folder, a file there that may not be
// replaced, a folder in its place) refuses the job before anything is
// touched. commit() writes and syncs it, and renames it over `path`. The
// temporary goes with the object unless it was committed.
class PendingFile
{
  public:
    PendingFile() = default;
    ~PendingFile();
    PendingFile(const PendingFile &) = delete;
    PendingFile &operator=(const PendingFile &) = delete;
    // 0 or an errno value: ENOENT, EROFS, EACCES, EISDIR, EPERM (a sticky
    // folder's file of another user's), EINVAL (no regular file there).
    int prepare(const QByteArray &path);
    int commit(const QByteArray &data);

  private:
    Fd folder;
    Fd file;
    QByteArray name;
    QByteArray temp;
};
// Puts `data` under `name` in the open folder `dirFd` in one step, with the
// owner, group and permissions of `like` (the file it replaces): a new file
// beside it, synced, renamed over it, the folder synced. Just before the
// rename `name` must still be `like` (the same file, size and modification
// time): EAGAIN, with nothing replaced, where another program changed it.
int replaceFileAt(int dirFd, const QByteArray &name, const QByteArray &data, const Status &like);
// fsync of the folder at `path`: new and removed names in it reach the device.
int syncFolder(const QByteArray &path);
// The folder at `path` and those above it that are missing (mode 0700).
int makeFolders(const QByteArray &path);
int removeFile(const QByteArray &path);
qint64 processId();
// Changes with every boot of the machine: a process number from another boot
// names nothing now.
QByteArray bootId();
// Whether process `pid` still runs a program whose name starts with
// `namePrefix`.
bool isProgramRunning(qint64 pid, const QByteArray &namePrefix);
// The canonical path of an open descriptor (/proc/self/fd), or empty.
QByteArray pathOf(int fd);
// The active swap areas (/proc/swaps, or `text` in its form for tests), each
// with whether it lies on an encrypted (dm-crypt) device, a swap file through
// the device of its file system, and whether it is memory (zram).
struct Swap {
    QByteArray name;
    bool encrypted = false;
    bool inMemory = false;
};
std::vector<Swap> activeSwaps(const QByteArray &text = QByteArray());
// Size in file-system blocks of the journal of the ext3/ext4 volume on
// `device`, as the kernel's journal statistics tell it; 0 when the kernel
// shows the volume without a journal, -1 when it cannot tell.
qint64 journalBlocks(quint64 device);
// Where the XFS volume on `device` writes its log next: the log's cycle
// (one more each time the log wraps) and the block in it. False if unknown.
bool xfsLogHead(quint64 device, qint64 *cycle, qint64 *block);

// Fresh bytes from the kernel's random source. Returns false if it failed.
bool systemRandom(void *data, std::size_t length);

// Lifts the soft limit of open descriptors to the hard one: a deep tree
// keeps one folder open per level.
void raiseDescriptorLimit();
// A file-size limit (ulimit -f, FAT's 4 GiB) then reaches the engine as
// EFBIG instead of killing the process.
void ignoreFileSizeSignal();

// SIGINT, SIGTERM and SIGHUP set `stop` and record the signal instead of
// ending the process, so that the job's own stop path runs (fill files go).
// A second one ends the process at once with 128 + the signal.
// `wakeFd`, when not null, receives the read end of a pipe that becomes
// readable on each signal (for an event loop).
void catchStopSignals(std::atomic_bool *stop, int *wakeFd = nullptr);
int caughtSignal(); // 0 when none came
// Ends the process at once, without waiting for threads or running
// destructors (_exit): for a device that does not answer.
[[noreturn]] void exitNow(int status);
// Replaces this process with a fresh start of the same program, with `argv`
// and the environment as it is now. Returns only on failure, with the errno.
int restartSelf(char **argv);

QString errorText(int error);

// Whether descriptor `fd` is a terminal, and how many columns it has (0
// when it cannot tell).
bool isTerminal(int fd);
int terminalColumns(int fd);

} // namespace velmora::platform
