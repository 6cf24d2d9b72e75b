// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/platform/storage.h"

#include <QList>
#include <QString>

#include <chrono>

namespace velmora
{

// One mounted volume a user may choose, with the medium beneath it.
struct MountedVolume {
    QString mountPoint;
    QString device; // "/dev/sdb1", or what the kernel names the source
    QString fileSystem;
    QString label; // the name the user gave it, where it has one
    bool readOnly = false;
    qint64 total = 0;
    qint64 available = 0;
    // False when the volume did not tell its size in time (a network server
    // gone, a FUSE driver that hangs): nothing else of it should be asked.
    bool responding = true;
    platform::Storage storage;
};

// The mounted volumes a user would choose from (special mounts under /dev,
// /proc and /sys, and those without size, left out), in the mount table's
// order. Each is asked for its size in a process of its own, never on a
// thread of the caller's (one waiting in the kernel on a hung mount keeps a
// process from ever ending): one that has not answered within `wait` is
// listed as not responding, and is not asked again while its prober still
// waits, so a hung mount costs the caller `wait` once and nothing after.
QList<MountedVolume>
mountedVolumes(std::chrono::milliseconds wait = std::chrono::milliseconds(1000));

} // namespace velmora
