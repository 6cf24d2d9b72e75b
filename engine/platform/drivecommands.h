// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Commands for a drive's own controller, through the kernel's pass-through:
// NVMe admin commands (through libnvme), and SCSI command blocks through
// SG_IO, which carry ATA commands in ATA PASS-THROUGH(16). Everything a
// drive is asked passes sendDriveCommand(), where tests answer in the
// drive's place.

#include <QByteArray>

#include <array>
#include <functional>

namespace velmora::platform
{

struct DriveCommand {
    enum class Kind { NvmeAdmin, Scsi };
    Kind kind = Kind::Scsi;
    // An NVMe admin command: its opcode, namespace and dwords 10 to 15.
    quint8 opcode = 0;
    quint32 nsid = 0;
    std::array<quint32, 6> cdw{};
    // A SCSI command block (ATA PASS-THROUGH(16) for an ATA command).
    QByteArray cdb;
    // The bytes expected back from the drive; or, for a SCSI command that
    // takes a parameter list, the bytes sent with it.
    int dataIn = 0;
    QByteArray dataOut;
    int timeoutMs = 30000;
};

struct DriveAnswer {
    // NVMe: the completion's status field (0 is success); SCSI: the status
    // byte, with the transport's own errors folded in.
    quint32 status = 0;
    quint32 result = 0; // NVMe: the completion's dword 0
    QByteArray data;
    QByteArray sense; // SCSI: the sense data, where the drive gave any
};

// The ATA PASS-THROUGH(16) block for a non-data or PIO-in ATA command
// (`sectorsIn` 512-byte sectors back); `ext` for the 48-bit commands.
QByteArray ataPassThrough16(quint8 command, quint16 features, quint16 count, quint64 lba,
                            int sectorsIn, bool ext);

// The ATA PASS-THROUGH(16) block for a DMA read or write (`write`) of
// `count` sectors at `lba`: the data goes in the command's dataOut, or comes
// back in the answer's data.
QByteArray ataDma16(quint8 command, quint64 lba, quint16 count, bool write, bool ext);

// Sends `command` to the block device `device`, opened read-only for the
// time of the command: 0, or the errno of the call (EACCES without the
// right; ENOTTY where the kernel offers no such pass-through there). A
// command the drive refused is no error of the call: see the answer's
// status.
int sendDriveCommand(const QByteArray &device, const DriveCommand &command, DriveAnswer *answer);
// The same through `fd`, the device already open (a drive pinned for its
// wipe).
int sendDriveCommand(const QByteArray &device, int fd, const DriveCommand &command,
                     DriveAnswer *answer);

// The namespace an NVMe block device ("nvme0n1") is: 0 when the name says
// none.
quint32 nvmeNamespaceOf(const QByteArray &name);

// Tests answer in the drive's place: while set, every command goes to
// `standIn`, with the device it was for, and nothing reaches the kernel.
using DriveCommandStandIn =
    std::function<int(const QByteArray &device, const DriveCommand &command, DriveAnswer *answer)>;
void setDriveCommandStandIn(DriveCommandStandIn standIn);

} // namespace velmora::platform
