// SPDX-License-Identifier: GPL-3.0-or-later

#include "faultyfile.h"

#define FUSE_USE_VERSION 35
#include <fuse.h>

#include <QFile>

#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <atomic>
#include <thread>
#include <unistd.h>

namespace testsupport
{

namespace
{

constexpr const char *kName = "/disk";

} // namespace

struct FaultyFileState {
    FaultyFile::Faults faults;
    qint64 bytes = 0;
    int backing = -1;
    struct fuse *fuse = nullptr;
    bool mounted = false;
    std::thread loop;
    std::mutex lock;
    std::condition_variable released;
    bool letGo = false;
    std::atomic<qint64> failReadsFrom{-1};

    static FaultyFileState *self()
    {
        return static_cast<FaultyFileState *>(fuse_get_context()->private_data);
    }

    static int getattr(const char *path, struct stat *st, fuse_file_info *)
    {
        std::memset(st, 0, sizeof *st);
        if (std::strcmp(path, "/") == 0) {
            st->st_mode = S_IFDIR | 0755;
            st->st_nlink = 2;
            return 0;
        }
        if (std::strcmp(path, kName) != 0)
            return -ENOENT;
        st->st_mode = S_IFREG | 0600;
        st->st_nlink = 1;
        st->st_size = self()->bytes;
        return 0;
    }

    static int open(const char *path, fuse_file_info *fi)
    {
        if (std::strcmp(path, kName) != 0)
            return -ENOENT;
        // Every read and write comes here, none answered from a cache.
        fi->direct_io = 1;
        return 0;
    }

    static int read(const char *, char *buffer, size_t size, off_t offset, fuse_file_info *)
    {
        FaultyFileState *s = self();
        if (s->faults.hangReads) {
            std::unique_lock<std::mutex> held(s->lock);
            s->released.wait(held, [s] { return s->letGo; });
        }
        const qint64 failFrom = s->failReadsFrom.load();
        if (failFrom >= 0 && offset + qint64(size) > failFrom)
            return -EIO;
        const ssize_t got = ::pread(s->backing, buffer, size, offset);
        return got < 0 ? -errno : int(got);
    }

    static int write(const char *, const char *buffer, size_t size, off_t offset, fuse_file_info *)
    {
        FaultyFileState *s = self();
        if (offset >= s->bytes)
            return -ENOSPC;
        size = size_t(std::min<qint64>(qint64(size), s->bytes - offset));
        const FaultyFile::Faults &f = s->faults;
        if (f.failWritesFrom >= 0 && offset + qint64(size) > f.failWritesFrom &&
            (f.failWritesTo < 0 || offset < f.failWritesTo))
            return -EIO;
        // What falls past dropWritesFrom is said written and not kept.
        size_t kept = size;
        if (f.dropWritesFrom >= 0 && offset + qint64(size) > f.dropWritesFrom)
            kept = size_t(std::max<qint64>(0, f.dropWritesFrom - offset));
        if (kept > 0) {
            const ssize_t put = ::pwrite(s->backing, buffer, kept, offset);
            if (put < 0)
                return -errno;
            if (size_t(put) < kept)
                return int(put);
        }
        return int(size);
    }

    static int fsync(const char *, int, fuse_file_info *)
    {
        return ::fdatasync(self()->backing) == 0 ? 0 : -errno;
    }
};

FaultyFile::FaultyFile(qint64 bytes, Faults faults) : state(new FaultyFileState)
{
    state->faults = faults;
    state->failReadsFrom = faults.failReadsFrom;
    state->bytes = bytes;
    if (::geteuid() != 0 || ::access("/dev/fuse", R_OK | W_OK) != 0) {
        why = QStringLiteral("needs root and /dev/fuse to serve a failing file");
        return;
    }
    QFile::resize(backing(), 0);
    state->backing =
        ::open(QFile::encodeName(backing()).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (state->backing < 0 || ::ftruncate(state->backing, bytes) != 0) {
        why = QStringLiteral("cannot make the file behind the failing one");
        return;
    }
    const QString mountPoint = dir.path() + QStringLiteral("/mnt");
    if (::mkdir(QFile::encodeName(mountPoint).constData(), 0700) != 0) {
        why = QStringLiteral("cannot make a mount point");
        return;
    }
    static fuse_operations ops = [] {
        fuse_operations o{};
        o.getattr = &FaultyFileState::getattr;
        o.open = &FaultyFileState::open;
        o.read = &FaultyFileState::read;
        o.write = &FaultyFileState::write;
        o.fsync = &FaultyFileState::fsync;
        return o;
    }();
    char program[] = "velmora-faulty";
    char *argv[] = {program, nullptr};
    fuse_args args = FUSE_ARGS_INIT(1, argv);
    state->fuse = fuse_new(&args, &ops, sizeof ops, state.get());
    if (!state->fuse || fuse_mount(state->fuse, QFile::encodeName(mountPoint).constData()) != 0) {
        why = QStringLiteral("cannot mount a FUSE file system here");
        return;
    }
    state->mounted = true;
    struct fuse *fuse = state->fuse;
    state->loop = std::thread([fuse] { fuse_loop(fuse); });
}

FaultyFile::~FaultyFile()
{
    release();
    if (state->mounted) {
        fuse_exit(state->fuse);
        fuse_unmount(state->fuse);
        state->loop.join();
    }
    if (state->fuse)
        fuse_destroy(state->fuse);
    if (state->backing >= 0)
        ::close(state->backing);
}

QString FaultyFile::path() const
{
    return dir.path() + QStringLiteral("/mnt") + QLatin1String(kName);
}

QString FaultyFile::backing() const
{
    return dir.path() + QStringLiteral("/backing");
}

void FaultyFile::failReadsFrom(qint64 offset)
{
    state->failReadsFrom = offset;
}

void FaultyFile::release()
{
    {
        std::lock_guard<std::mutex> held(state->lock);
        state->letGo = true;
    }
    state->released.notify_all();
}

} // namespace testsupport
