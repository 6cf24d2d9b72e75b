// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/device/sense.h"

namespace velmora
{

Sense senseOf(const QByteArray &bytes)
{
    Sense sense;
    const auto byte = [&bytes](int i) { return i < bytes.size() ? quint8(bytes.at(i)) : 0; };
    const int code = byte(0) & 0x7f;
    if (code == 0x70 || code == 0x71) {
        sense.key = byte(2) & 0x0f;
        sense.asc = byte(12);
        sense.ascq = byte(13);
        if (byte(15) & 0x80)
            sense.progress = (byte(16) << 8) | byte(17);
        return sense;
    }
    if (code != 0x72 && code != 0x73)
        return sense;
    sense.key = byte(1) & 0x0f;
    sense.asc = byte(2);
    sense.ascq = byte(3);
    for (int at = 8; at + 1 < bytes.size() && at < 8 + byte(7);) {
        const int type = byte(at);
        const int length = byte(at + 1);
        if (type == 0x02 && (byte(at + 4) & 0x80))
            sense.progress = (byte(at + 5) << 8) | byte(at + 6);
        if (type == 0x09 && length >= 0x0c) {
            sense.ata = true;
            sense.ataError = byte(at + 3);
            sense.ataCount = quint16((byte(at + 4) << 8) | byte(at + 5));
            sense.ataLba = quint64(byte(at + 7)) | quint64(byte(at + 9)) << 8 |
                           quint64(byte(at + 11)) << 16 | quint64(byte(at + 6)) << 24 |
                           quint64(byte(at + 8)) << 32 | quint64(byte(at + 10)) << 40;
            sense.ataStatus = byte(at + 13);
        }
        at += 2 + length;
    }
    return sense;
}

} // namespace velmora
