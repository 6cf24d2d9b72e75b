// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/job/volumelist.h"

#include "engine/fs/paths.h"

#include <QStorageInfo>

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

namespace velmora
{

namespace
{

// Mounts for the system's own use, not for files.
bool isSpecial(const platform::Mount &mount)
{
    for (const QByteArray &top : {QByteArray("/dev"), QByteArray("/proc"), QByteArray("/sys"),
                                  QByteArray("/var/run"), QByteArray("/var/lock")})
        if (mount.mountPoint == top || mount.mountPoint.startsWith(top + '/'))
            return true;
    return mount.fsType == "rootfs";
}

// One volume's answer, shared with the thread that asks for it: the thread
// may outlive the caller's wait, and then finishes into this alone.
struct Probe {
    std::mutex mutex;
    std::condition_variable answered;
    bool done = false;
    bool valid = false;
    MountedVolume volume;
};

// The questions still open, by mount id: a hung volume is asked once.
std::mutex openMutex;
std::map<quint64, std::shared_ptr<Probe>> openProbes;

void ask(const std::shared_ptr<Probe> &probe, QString mountPoint)
{
    const QStorageInfo info(mountPoint);
    std::lock_guard<std::mutex> lock(probe->mutex);
    probe->valid = info.isValid() && info.isReady() &&
                   (info.bytesTotal() > 0 || mountPoint == QLatin1String("/"));
    probe->volume.total = info.bytesTotal();
    probe->volume.available = info.bytesAvailable();
    probe->volume.readOnly = info.isReadOnly();
    probe->volume.label = info.name();
    probe->done = true;
    probe->answered.notify_all();
}

bool isAnswered(Probe &probe, bool needValid = false)
{
    std::lock_guard<std::mutex> lock(probe.mutex);
    return probe.done && (!needValid || probe.valid);
}

} // namespace

QList<MountedVolume> mountedVolumes(std::chrono::milliseconds wait)
{
    const std::vector<platform::Mount> table = platform::mountTable();
    struct Asked {
        const platform::Mount *mount;
        std::shared_ptr<Probe> probe;
        bool before; // still unanswered from an earlier listing
    };
    std::vector<Asked> probes;
    for (const platform::Mount &mount : table) {
        if (isSpecial(mount))
            continue;
        std::shared_ptr<Probe> probe;
        bool before = false;
        {
            std::lock_guard<std::mutex> lock(openMutex);
            auto open = openProbes.find(mount.id);
            // Only a question still unanswered is waited on again; one that
            // was answered after its listing gave up is asked anew (the id
            // may name another mount by now).
            if (open != openProbes.end() && !isAnswered(*open->second)) {
                probe = open->second;
                before = true;
            } else {
                probe = std::make_shared<Probe>();
                openProbes[mount.id] = probe;
                std::thread([probe, mountPoint = displayName(mount.mountPoint)] {
                    ask(probe, mountPoint);
                }).detach();
            }
        }
        probes.push_back({&mount, probe, before});
    }

    const auto deadline = std::chrono::steady_clock::now() + wait;
    QList<MountedVolume> volumes;
    for (const Asked &asked : probes) {
        const platform::Mount *mount = asked.mount;
        const std::shared_ptr<Probe> &probe = asked.probe;
        MountedVolume volume;
        {
            std::unique_lock<std::mutex> lock(probe->mutex);
            probe->answered.wait_until(lock,
                                       asked.before ? std::chrono::steady_clock::now() : deadline,
                                       [&] { return probe->done; });
            volume = probe->volume;
            volume.responding = probe->done;
        }
        if (volume.responding) {
            std::lock_guard<std::mutex> lock(openMutex);
            const auto open = openProbes.find(mount->id);
            if (open != openProbes.end() && open->second == probe)
                openProbes.erase(open);
        }
        if (volume.responding && !isAnswered(*probe, true))
            continue;
        volume.mountPoint = displayName(mount->mountPoint);
        volume.device = displayName(mount->source);
        volume.fileSystem = QString::fromUtf8(mount->fsType);
        volume.readOnly = volume.readOnly || mount->readOnly;
        // sysfs and udev's files only: never the volume itself.
        volume.storage = platform::storageOf(*mount, table);
        volume.storage.responding = volume.responding;
        volumes.append(volume);
    }
    return volumes;
}

} // namespace velmora
