// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/platform/drivecommands.h"

#include "engine/platform/platform.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <scsi/sg.h>
#include <sys/ioctl.h>
#include <unistd.h>

extern "C" {
#include <nvme/ioctl.h>
}

namespace velmora::platform
{

namespace
{

std::mutex standInLock;
DriveCommandStandIn standInAnswer;

int sendNvme(int fd, const DriveCommand &command, DriveAnswer *answer)
{
    answer->data = QByteArray(command.dataIn, '\0');
    nvme_passthru_cmd cmd{};
    cmd.opcode = command.opcode;
    cmd.nsid = command.nsid;
    cmd.cdw10 = command.cdw[0];
    cmd.cdw11 = command.cdw[1];
    cmd.cdw12 = command.cdw[2];
    cmd.cdw13 = command.cdw[3];
    cmd.cdw14 = command.cdw[4];
    cmd.cdw15 = command.cdw[5];
    cmd.addr = quint64(reinterpret_cast<quintptr>(answer->data.data()));
    cmd.data_len = quint32(command.dataIn);
    cmd.timeout_ms = quint32(command.timeoutMs);
    __u32 result = 0;
    // libnvme returns the completion's status when the drive answered with
    // one, and -1 with errno when the call failed.
    const int rc = nvme_submit_admin_passthru(fd, &cmd, &result);
    if (rc < 0)
        return errno ? errno : EIO;
    answer->status = quint32(rc);
    answer->result = result;
    return 0;
}

int sendScsi(int fd, const DriveCommand &command, DriveAnswer *answer)
{
    answer->data = QByteArray(command.dataIn, '\0');
    answer->sense = QByteArray(64, '\0');
    QByteArray cdb = command.cdb;
    QByteArray out = command.dataOut;
    sg_io_hdr_t io{};
    io.interface_id = 'S';
    io.cmdp = reinterpret_cast<unsigned char *>(cdb.data());
    io.cmd_len = static_cast<unsigned char>(cdb.size());
    if (!out.isEmpty()) {
        io.dxfer_direction = SG_DXFER_TO_DEV;
        io.dxferp = out.data();
        io.dxfer_len = unsigned(out.size());
    } else {
        io.dxfer_direction = command.dataIn > 0 ? SG_DXFER_FROM_DEV : SG_DXFER_NONE;
        io.dxferp = command.dataIn > 0 ? answer->data.data() : nullptr;
        io.dxfer_len = unsigned(command.dataIn);
    }
    io.sbp = reinterpret_cast<unsigned char *>(answer->sense.data());
    io.mx_sb_len = static_cast<unsigned char>(answer->sense.size());
    io.timeout = unsigned(command.timeoutMs);
    if (::ioctl(fd, SG_IO, &io) != 0)
        return errno;
    answer->sense.truncate(io.sb_len_wr);
    // A transport or host error means the command never got its answer.
    if (io.host_status != 0 || (io.driver_status & 0x0f) != 0 && io.status == 0)
        answer->status = 0x100 | io.host_status;
    else
        answer->status = io.status;
    if (out.isEmpty() && io.resid > 0 && io.resid <= command.dataIn)
        answer->data.truncate(command.dataIn - io.resid);
    return 0;
}

} // namespace

QByteArray ataPassThrough16(quint8 command, quint16 features, quint16 count, quint64 lba,
                            int sectorsIn, bool ext)
{
    QByteArray cdb(16, '\0');
    cdb[0] = char(0x85);
    // Protocol: PIO data-in (4) or non-data (3), shifted past the
    // multiple-count field; EXTEND for the 48-bit commands.
    cdb[1] = char(((sectorsIn > 0 ? 4 : 3) << 1) | (ext ? 1 : 0));
    // T_DIR from the device, BYT_BLOK in blocks, T_LENGTH in the count
    // field; CK_COND asks for the registers back.
    cdb[2] = char(sectorsIn > 0 ? 0x0e : 0x20);
    cdb[3] = char(features >> 8);
    cdb[4] = char(features);
    cdb[5] = char(count >> 8);
    cdb[6] = char(count);
    cdb[7] = char(lba >> 24);
    cdb[8] = char(lba);
    cdb[9] = char(lba >> 32);
    cdb[10] = char(lba >> 8);
    cdb[11] = char(lba >> 40);
    cdb[12] = char(lba >> 16);
    cdb[13] = char(0x40); // the device register: LBA mode
    cdb[14] = char(command);
    return cdb;
}

QByteArray ataDma16(quint8 command, quint64 lba, quint16 count, bool write, bool ext)
{
    QByteArray cdb = ataPassThrough16(command, 0, count, lba, 0, ext);
    // Protocol: DMA (6); T_DIR to or from the device, BYT_BLOK in blocks,
    // T_LENGTH in the count field.
    cdb[1] = char((6 << 1) | (ext ? 1 : 0));
    cdb[2] = char(write ? 0x06 : 0x0e);
    return cdb;
}

namespace
{

// The stand-in answering now, if any; called without the lock held.
DriveCommandStandIn currentStandIn()
{
    std::lock_guard<std::mutex> lock(standInLock);
    return standInAnswer;
}

} // namespace

int sendDriveCommand(const QByteArray &device, int fd, const DriveCommand &command,
                     DriveAnswer *answer)
{
    *answer = DriveAnswer();
    if (const DriveCommandStandIn standIn = currentStandIn())
        return standIn(device, command, answer);
    return command.kind == DriveCommand::Kind::NvmeAdmin ? sendNvme(fd, command, answer)
                                                         : sendScsi(fd, command, answer);
}

int sendDriveCommand(const QByteArray &device, const DriveCommand &command, DriveAnswer *answer)
{
    // A stand-in's drive need not exist: nothing is opened for it.
    if (currentStandIn())
        return sendDriveCommand(device, -1, command, answer);
    // Read-only and without claiming it: the drive may be in use, and is
    // only asked. O_NONBLOCK keeps a removable drive without a medium from
    // refusing the open.
    const int fd = ::open(device.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int rc = sendDriveCommand(device, fd, command, answer);
    ::close(fd);
    return rc;
}

quint32 nvmeNamespaceOf(const QByteArray &name)
{
    // nvme<controller>n<namespace>
    const qsizetype n = name.lastIndexOf('n');
    if (!name.startsWith("nvme") || n <= 4)
        return 0;
    bool ok = false;
    const quint32 id = name.mid(n + 1).toUInt(&ok);
    return ok ? id : 0;
}

void setDriveCommandStandIn(DriveCommandStandIn standIn)
{
    std::lock_guard<std::mutex> lock(standInLock);
    standInAnswer = std::move(standIn);
}

} // namespace velmora::platform
