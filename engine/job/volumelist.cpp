// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/job/volumelist.h"

#include "engine/fs/paths.h"

#include <map>
#include <memory>
#include <mutex>

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
    return mount.fs().systemOnly;
}

// The questions still unanswered, by mount id: a hung volume is asked
// once, however often the list is made.
std::mutex openMutex;
std::map<quint64, std::shared_ptr<platform::Fd>> openQuestions;

} // namespace

QList<MountedVolume> mountedVolumes(std::chrono::milliseconds wait)
{
    // The whole table: what lies beneath a listed volume (the volume holding
    // a loop device's image) need not be listed itself.
    const std::vector<platform::Mount> table = platform::mountTable();
    std::vector<const platform::Mount *> listed;
    std::vector<const platform::Mount *> asked;
    QByteArrayList paths;
    {
        std::lock_guard<std::mutex> lock(openMutex);
        for (const platform::Mount &mount : table) {
            if (isSpecial(mount) || !platform::withinScanScope(mount.mountPoint))
                continue;
            listed.push_back(&mount);
            // Only a question still unanswered is not asked again; one
            // answered since is asked anew (the id may name another mount
            // by now).
            const auto open = openQuestions.find(mount.id);
            if (open != openQuestions.end() && platform::stillWaiting(*open->second))
                continue;
            openQuestions.erase(mount.id);
            asked.push_back(&mount);
            paths.append(mount.mountPoint);
        }
    }
    const std::vector<platform::SpaceAnswer> answers =
        platform::probeSpaces(paths, int(wait.count()));
    std::map<const platform::Mount *, platform::SpaceAnswer> answerOf;
    {
        std::lock_guard<std::mutex> lock(openMutex);
        for (std::size_t i = 0; i < asked.size(); ++i) {
            answerOf[asked[i]] = answers[i];
            if (!answers[i].answered && answers[i].pending)
                openQuestions[asked[i]->id] = answers[i].pending;
        }
    }
    QList<MountedVolume> volumes;
    for (const platform::Mount *mount : listed) {
        const auto found = answerOf.find(mount);
        const platform::SpaceAnswer answer =
            found != answerOf.end() ? found->second : platform::SpaceAnswer();
        MountedVolume volume;
        volume.responding = answer.answered;
        if (volume.responding &&
            (answer.error != 0 || (answer.total == 0 && mount->mountPoint != "/")))
            continue;
        volume.total = qint64(answer.total);
        volume.available = qint64(answer.available);
        volume.mountPoint = displayName(mount->mountPoint);
        volume.device = displayName(mount->source);
        volume.fileSystem = QString::fromUtf8(mount->fsType);
        volume.label = platform::labelOfDevice(mount->source);
        volume.readOnly = answer.readOnly || mount->readOnly;
        // sysfs and udev's files only: never the volume itself.
        volume.storage = platform::storageOf(*mount, table);
        volume.storage.responding = volume.responding;
        volumes.append(volume);
    }
    return volumes;
}

} // namespace velmora
