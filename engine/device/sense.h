// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a drive sent back in its sense data, read the one way every command
// of the device layer needs it.

#include <QByteArray>
#include <QtGlobal>

namespace velmora
{

// The sense key and its additional code, a progress indication (out of
// 65536) where there is one, and an ATA command's registers (the ATA
// Status Return descriptor, which CK_COND asks for).
struct Sense {
    int key = -1;
    int asc = 0;
    int ascq = 0;
    int progress = -1;
    bool ata = false;
    quint8 ataStatus = 0;
    quint8 ataError = 0;
    quint16 ataCount = 0;
    quint64 ataLba = 0;
};

// Fixed or descriptor sense data.
Sense senseOf(const QByteArray &bytes);

} // namespace velmora
