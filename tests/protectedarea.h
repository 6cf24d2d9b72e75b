// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "testsupport.h"

#include "engine/platform/drivecommands.h"

#include <QList>
#include <QtEndian>

#include <functional>
#include <utility>

namespace testsupport
{

// An ATA drive with a host protected area, in the drive's place: the loop
// device is what it shows, and 2048 hidden sectors past it hold the
// planted text. The drive keeps the rules of the command set: SET MAX
// ADDRESS only right after READ NATIVE MAX ADDRESS, and no sector past the
// maximum set.
struct ProtectedAreaDrive {
    static constexpr quint64 kShown = (64 << 20) / 512;
    static constexpr quint64 kHidden = 2048;
    QByteArray hiddenBytes = plantedBytes(int(kHidden * 512));
    quint64 max = kShown;
    bool nativeAsked = false;
    bool refuseSetMax = false;
    // A drive that lies: it takes writes of the hidden sectors and keeps
    // nothing of them.
    bool keepsNoWrites = false;
    // Called at each write of a hidden sector, before it is taken.
    std::function<void()> onHiddenWrite;
    QList<quint64> maxima; // each SET MAX ADDRESS taken

    int answer(const velmora::platform::DriveCommand &c, velmora::platform::DriveAnswer *a)
    {
        const auto byte = [&c](int i) { return quint64(quint8(c.cdb.at(i))); };
        const quint8 command = c.cdb.size() == 16 ? quint8(byte(14)) : 0;
        const quint64 lba = byte(8) | byte(10) << 8 | byte(12) << 16 | byte(7) << 24 |
                            byte(9) << 32 | byte(11) << 40;
        const quint64 count = byte(5) << 8 | byte(6);
        const bool afterNative = std::exchange(nativeAsked, false);
        const auto refuse = [a] {
            a->status = 0x02;
            a->sense = ataRegisters(0x51, 0x04, 0, 0);
            return 0;
        };
        a->status = 0;
        if (command == 0xec) { // IDENTIFY DEVICE: 48-bit, HPA, the shown size
            a->data = QByteArray(512, '\0');
            qToLittleEndian<quint16>(1 << 10, a->data.data() + 2 * 82);
            qToLittleEndian<quint16>(1 << 10, a->data.data() + 2 * 83);
            qToLittleEndian<quint64>(max, a->data.data() + 2 * 100);
        } else if (command == 0x27) { // READ NATIVE MAX ADDRESS EXT
            nativeAsked = true;
            a->status = 0x02;
            a->sense = ataRegisters(0x50, 0, 0, kShown + kHidden - 1);
        } else if (command == 0x37) { // SET MAX ADDRESS EXT
            if (!afterNative || refuseSetMax || lba >= kShown + kHidden)
                return refuse();
            max = lba + 1;
            maxima << max;
            a->status = 0x02;
            a->sense = ataRegisters(0x50, 0, 0, lba);
        } else if (command == 0x35 || command == 0x25) { // WRITE / READ DMA EXT
            if (lba < kShown || lba + count > max || count == 0)
                return refuse();
            const int at = int((lba - kShown) * 512);
            if (command == 0x35 && onHiddenWrite)
                onHiddenWrite();
            if (command == 0x35 && !keepsNoWrites)
                hiddenBytes.replace(at, int(count * 512), c.dataOut);
            else
                a->data = hiddenBytes.mid(at, int(count * 512));
        } else {
            return refuse();
        }
        return 0;
    }
};

} // namespace testsupport
