// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

namespace velmora
{

// A LUKS container's header, as libcryptsetup reads it.
struct LuksHeader {
    QByteArray version;      // "LUKS1", "LUKS2"
    quint64 headerBytes = 0; // the headers and key slots: everything before the data
    int keySlots = 0;        // key slots in use
};

// Whether the device at `path` starts with a LUKS header: 1 with `*header`
// filled, 0 when it holds none, -1 when it carries LUKS's mark but
// libcryptsetup cannot read it (`*problem` says why).
int probeLuks(const QByteArray &path, LuksHeader *header, QString *problem);

// Destroys every key slot of the container at `path` through libcryptsetup,
// so that no passphrase or key file opens it again. The header area itself
// is overwritten afterwards by the caller. Returns the slots destroyed, or
// -1 with `*problem`.
int destroyKeySlots(const QByteArray &path, QString *problem);

} // namespace velmora
