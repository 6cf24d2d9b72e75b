// SPDX-License-Identifier: GPL-3.0-or-later

// The process and its users: user entries, signals, the terminal, the
// system's random source and the way out that skips destructors.

#include "engine/platform/platform.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/ioctl.h>
#include <sys/random.h>
#include <sys/resource.h>
#include <unistd.h>

namespace velmora::platform
{

quint32 effectiveUser()
{
    return ::geteuid();
}

bool callingUser(quint32 *uid)
{
    for (const char *variable : {"PKEXEC_UID", "SUDO_UID"}) {
        bool known = false;
        const uint caller = qEnvironmentVariableIntValue(variable, &known);
        if (known) {
            *uid = caller;
            return true;
        }
    }
    return false;
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

int restartSelf(char **argv)
{
    ::execv("/proc/self/exe", argv);
    return errno;
}

bool isTerminal(int fd)
{
    return ::isatty(fd) == 1;
}

int terminalColumns(int fd)
{
    struct winsize size {
    };
    return ::ioctl(fd, TIOCGWINSZ, &size) == 0 ? int(size.ws_col) : 0;
}

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace velmora::platform
