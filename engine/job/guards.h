// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What must never be erased, whoever asks and however the path is spelled:
// checked before anything is listed or touched, by the window, velmora-cli
// and velmora-bench alike.

#include "engine/core/homes.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

namespace velmora
{

enum class EntryRefusal {
    None,
    Empty,     // an empty path: it would mean "here"
    Missing,   // cannot be found or resolved (the reason is in `error`)
    Root,      // the root of the file system
    System,    // a folder the operating system's packages own, or something below it
    TopFolder, // a top folder that holds other people's or services' data
    Home,      // a home folder, or a folder that holds one
    Device,    // a block or character device node
    Special,   // a socket or a FIFO
};

struct EntryCheck {
    EntryRefusal refusal = EntryRefusal::None;
    // The entry as a file erase takes it: absolute, with every link, "."
    // and ".." of its folders resolved. Its last name is followed only when
    // the path ends in a slash (or is "." or ".."): a link given as itself
    // is removed as a link, a link given with a slash is the folder it leads
    // to, for the listing and the erase alike.
    QByteArray resolved;
    int error = 0; // why it is Missing
};

// Checks `path` as an entry of a file erase. With `preserveRoot` false (the
// command line's --no-preserve-root), the root, the system's folders, the
// top folders and the homes pass; devices, sockets, FIFOs and empty paths
// never do.
EntryCheck checkEntry(const QByteArray &path, bool preserveRoot = true);

// Why `path` was refused, in one sentence; empty for None.
QString refusalText(const EntryCheck &check, const QByteArray &path);

// Why the volume at `mountPoint` must not be wiped whole: it holds part of
// the running system (below `systemRoot`: the root, /usr, /var, /boot,
// /boot/efi, /etc, or the program itself), or the user's home folder.
enum class WipeRefusal { None, RunningSystem, HomeFolder };
WipeRefusal refusalForWipe(const QString &mountPoint, const QByteArray &systemRoot);
// Why, in one sentence; empty for None.
QString wipeRefusalText(WipeRefusal refusal, const QString &mountPoint);

} // namespace velmora
