// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/device/sanitize.h"

#include "engine/device/sense.h"
#include "engine/platform/drivecommands.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iterator>

extern "C" {
#include <nvme/types.h>
}

namespace velmora
{

namespace
{

using platform::DriveAnswer;
using platform::DriveCommand;

// A drive asked what it offers answers at once; one that does not is not
// waited for long.
constexpr int kProbeTimeoutMs = 5000;

const char *const kActionKeys[] = {"crypto-erase", "block-erase", "format-crypto", "format-erase",
                                   "overwrite"};

// Get Log Page for the Sanitize Status log: how the last sanitize ended,
// its progress, and the drive's estimates.
DriveCommand sanitizeLogCommand()
{
    DriveCommand log;
    log.kind = DriveCommand::Kind::NvmeAdmin;
    log.opcode = nvme_admin_get_log_page;
    log.nsid = NVME_NSID_ALL;
    log.dataIn = int(sizeof(nvme_sanitize_log_page));
    log.cdw[0] = NVME_LOG_LID_SANITIZE | (quint32(log.dataIn / 4 - 1) << 16);
    log.timeoutMs = kProbeTimeoutMs;
    return log;
}

// Why a drive that was not asked offers nothing; empty when it is to be
// asked.
QString notAsked(const platform::Drive &drive)
{
    using platform::Transport;
    if (drive.partition)
        return QCoreApplication::translate(
            "Sanitize", "a partition: the drive's own erase takes the whole drive");
    switch (drive.disk.transport) {
    case Transport::Loop:
        return QCoreApplication::translate("Sanitize", "a loop device has no erase of its own");
    case Transport::Memory:
        return QCoreApplication::translate("Sanitize",
                                           "held in memory: it has no erase of its own");
    case Transport::Virtio:
        return QCoreApplication::translate(
            "Sanitize", "a virtual disk (virtio): the host passes no erase commands to it");
    case Transport::Usb:
        return QCoreApplication::translate(
            "Sanitize", "behind a USB bridge: connect it directly to use its own erase");
    case Transport::Mmc:
        return QCoreApplication::translate(
            "Sanitize", "an SD card or eMMC: Velmora does not send its own erase");
    case Transport::Network:
        return QCoreApplication::translate("Sanitize", "a network disk has no erase of its own");
    default:
        return QString();
    }
}

// Why the drive could not be asked, from the errno of the call.
QString callRefused(int error)
{
    if (error == EACCES || error == EPERM)
        return QCoreApplication::translate(
            "Sanitize", "administrator rights are needed to ask the drive what it offers");
    if (error == ENOTTY || error == EINVAL || error == EOPNOTSUPP)
        return QCoreApplication::translate("Sanitize", "the kernel passes no commands to it");
    return QCoreApplication::translate("Sanitize", "it could not be asked: %1")
        .arg(platform::errorText(error));
}

void probeNvme(const QByteArray &device, SanitizeOffer *offer)
{
    offer->protocol = SanitizeOffer::Protocol::Nvme;
    DriveCommand identify;
    identify.kind = DriveCommand::Kind::NvmeAdmin;
    identify.opcode = nvme_admin_identify;
    identify.cdw[0] = NVME_IDENTIFY_CNS_CTRL;
    identify.dataIn = int(sizeof(nvme_id_ctrl));
    identify.timeoutMs = kProbeTimeoutMs;
    DriveAnswer answer;
    if (const int rc = platform::sendDriveCommand(device, identify, &answer)) {
        offer->reason = callRefused(rc);
        return;
    }
    if (answer.status != 0 || answer.data.size() < int(sizeof(nvme_id_ctrl))) {
        offer->reason = QCoreApplication::translate(
                            "Sanitize", "it refused to identify itself (NVMe status 0x%1)")
                            .arg(answer.status, 0, 16);
        return;
    }
    nvme_id_ctrl id;
    std::memcpy(&id, answer.data.constData(), sizeof id);
    offer->sanicap = qFromLittleEndian(id.sanicap);
    offer->fna = id.fna;
    offer->formats = qFromLittleEndian(id.oacs) & NVME_CTRL_OACS_FORMAT;
    if (offer->sanicap & NVME_CTRL_SANICAP_CES)
        offer->actions.push_back(SanitizeAction::CryptoErase);
    if (offer->sanicap & NVME_CTRL_SANICAP_BES)
        offer->actions.push_back(SanitizeAction::BlockErase);
    if (offer->formats && (offer->fna & NVME_CTRL_FNA_CRYPTO_ERASE))
        offer->actions.push_back(SanitizeAction::FormatCrypto);
    if (offer->formats)
        offer->actions.push_back(SanitizeAction::FormatErase);
    if (offer->sanicap & NVME_CTRL_SANICAP_OWS)
        offer->actions.push_back(SanitizeAction::Overwrite);
    if (offer->actions.empty())
        offer->reason =
            QCoreApplication::translate("Sanitize", "it offers neither Sanitize nor Format");
    if (!(offer->sanicap & (NVME_CTRL_SANICAP_CES | NVME_CTRL_SANICAP_BES | NVME_CTRL_SANICAP_OWS)))
        return;
    // How the last sanitize ended: one that failed leaves the drive
    // refusing most commands until another completes.
    const DriveCommand log = sanitizeLogCommand();
    if (platform::sendDriveCommand(device, log, &answer) != 0 || answer.status != 0 ||
        answer.data.size() < 4)
        return;
    const int status =
        qFromLittleEndian<quint16>(answer.data.constData() + 2) & NVME_SANITIZE_SSTAT_STATUS_MASK;
    offer->lastSanitize = status == NVME_SANITIZE_SSTAT_STATUS_NEVER_SANITIZED    ? "never"
                          : status == NVME_SANITIZE_SSTAT_STATUS_IN_PROGESS       ? "in progress"
                          : status == NVME_SANITIZE_SSTAT_STATUS_COMPLETED_FAILED ? "failed"
                                                                                  : "completed";
}

// SANITIZE DEVICE's subcommands (ACS-3) and the words their LBA must carry.
constexpr quint8 kAtaSanitize = 0xb4;
constexpr quint16 kAtaStatusExt = 0x0000;

QString ataStatusText(const Sense &sense)
{
    return QCoreApplication::translate("Sanitize", "ATA status 0x%1, error 0x%2, reason 0x%3")
        .arg(sense.ataStatus, 2, 16, QLatin1Char('0'))
        .arg(sense.ataError, 2, 16, QLatin1Char('0'))
        .arg(int(sense.ataLba & 0xff), 2, 16, QLatin1Char('0'));
}

QString scsiSenseText(const Sense &sense)
{
    return QCoreApplication::translate("Sanitize", "SCSI sense %1/%2/%3")
        .arg(sense.key, 1, 16)
        .arg(sense.asc, 2, 16, QLatin1Char('0'))
        .arg(sense.ascq, 2, 16, QLatin1Char('0'));
}

// SANITIZE STATUS EXT: how the drive's SANITIZE stands, in the registers
// it hands back.
DriveCommand ataSanitizeStatusCommand()
{
    DriveCommand command;
    command.cdb = platform::ataPassThrough16(kAtaSanitize, kAtaStatusExt, 0, 0, 0, true);
    command.timeoutMs = kProbeTimeoutMs;
    return command;
}

// SANITIZE FROZEN: set by a SANITIZE FREEZE LOCK (firmware often sends one
// at start) and lifted only when the drive loses power, which a suspend
// and resume of the computer gives it. Velmora never works around it.
bool ataSanitizeFrozen(const Sense &sense)
{
    return sense.ata && !(sense.ataStatus & 0x01) && (sense.ataCount & (1 << 13));
}

QString ataFrozenText()
{
    return QCoreApplication::translate(
        "Sanitize", "its SANITIZE is frozen: suspend and resume the computer to lift the freeze, "
                    "then ask again");
}

// An ATA erase time: word 89 or 90 of IDENTIFY, in minutes (-1 unknown).
int ataMinutes(quint16 word)
{
    const int value = (word & 0x8000) ? (word & 0x7fff) : (word & 0xff);
    return value == 0 ? -1 : value * 2;
}

// True when the drive answered IDENTIFY DEVICE: it is an ATA drive.
bool probeAta(const QByteArray &device, SanitizeOffer *offer, int *error)
{
    DriveCommand identify;
    identify.cdb = platform::ataPassThrough16(0xec, 0, 1, 0, 1, false);
    identify.dataIn = 512;
    identify.timeoutMs = kProbeTimeoutMs;
    DriveAnswer answer;
    if ((*error = platform::sendDriveCommand(device, identify, &answer)) != 0)
        return false;
    if (answer.status != 0 || answer.data.size() < 512)
        return false;
    const auto word = [&answer](int n) {
        return qFromLittleEndian<quint16>(answer.data.constData() + 2 * n);
    };
    offer->protocol = SanitizeOffer::Protocol::Ata;
    const quint16 sanitize = word(59);
    if (sanitize & (1 << 12)) {
        if (sanitize & (1 << 13))
            offer->actions.push_back(SanitizeAction::CryptoErase);
        if (sanitize & (1 << 15))
            offer->actions.push_back(SanitizeAction::BlockErase);
        if (sanitize & (1 << 14))
            offer->actions.push_back(SanitizeAction::Overwrite);
    }
    const quint16 security = word(128);
    offer->security = (word(82) & (1 << 1)) && (security & 1);
    if (offer->security) {
        offer->securityEnabled = security & (1 << 1);
        offer->locked = security & (1 << 2);
        offer->frozen = security & (1 << 3);
        offer->eraseMinutes = ataMinutes(word(89));
        offer->enhancedEraseMinutes = (security & (1 << 5)) ? ataMinutes(word(90)) : -1;
    }
    if (offer->actions.empty()) {
        offer->reason = QCoreApplication::translate(
            "Sanitize", "it does not support the ATA SANITIZE feature set");
        return true;
    }
    // A frozen SANITIZE refuses every action until the drive loses power.
    DriveAnswer status;
    if (platform::sendDriveCommand(device, ataSanitizeStatusCommand(), &status) == 0 &&
        ataSanitizeFrozen(senseOf(status.sense))) {
        offer->sanitizeFrozen = true;
        offer->actions.clear();
        offer->reason = ataFrozenText();
    }
    return true;
}

void probeScsi(const QByteArray &device, SanitizeOffer *offer)
{
    offer->protocol = SanitizeOffer::Protocol::Scsi;
    // REPORT SUPPORTED OPERATION CODES, one service action of SANITIZE
    // (0x48) at a time.
    const struct {
        quint8 serviceAction;
        SanitizeAction action;
    } asked[] = {{0x03, SanitizeAction::CryptoErase},
                 {0x02, SanitizeAction::BlockErase},
                 {0x01, SanitizeAction::Overwrite}};
    for (const auto &a : asked) {
        DriveCommand report;
        report.cdb = QByteArray(12, '\0');
        report.cdb[0] = char(0xa3);
        report.cdb[1] = char(0x0c);
        report.cdb[2] = char(0x02);
        report.cdb[3] = char(0x48);
        report.cdb[5] = char(a.serviceAction);
        report.dataIn = 64;
        report.timeoutMs = kProbeTimeoutMs;
        report.cdb[9] = char(report.dataIn);
        DriveAnswer answer;
        if (const int rc = platform::sendDriveCommand(device, report, &answer)) {
            offer->reason = callRefused(rc);
            offer->actions.clear();
            return;
        }
        if (answer.status != 0 || answer.data.size() < 2) {
            offer->reason = QCoreApplication::translate(
                "Sanitize", "it does not say which commands it supports");
            offer->actions.clear();
            return;
        }
        const int support = answer.data.at(1) & 0x07;
        if (support == 3 || support == 5)
            offer->actions.push_back(a.action);
    }
    if (offer->actions.empty())
        offer->reason =
            QCoreApplication::translate("Sanitize", "it does not support SCSI SANITIZE");
}

} // namespace

QString sanitizeActionKey(SanitizeAction action)
{
    return QLatin1String(kActionKeys[int(action)]);
}

std::optional<SanitizeAction> sanitizeActionOfKey(const QString &key)
{
    for (int i = 0; i < int(std::size(kActionKeys)); ++i)
        if (key == QLatin1String(kActionKeys[i]))
            return SanitizeAction(i);
    return std::nullopt;
}

SanitizeOffer probeSanitize(const platform::Drive &drive)
{
    SanitizeOffer offer;
    offer.reason = notAsked(drive);
    if (!offer.reason.isEmpty())
        return offer;
    if (drive.disk.transport == platform::Transport::Nvme) {
        probeNvme(drive.path, &offer);
        return offer;
    }
    // A SATA drive answers IDENTIFY through the SCSI layer's translation;
    // a SCSI or SAS drive refuses it and is asked as SCSI.
    int error = 0;
    if (probeAta(drive.path, &offer, &error))
        return offer;
    if (error != 0) {
        offer.reason = callRefused(error);
        return offer;
    }
    probeScsi(drive.path, &offer);
    return offer;
}

QString ownEraseUnsent(const SanitizeOffer &offer, SanitizeAction action)
{
    if (std::find(offer.actions.begin(), offer.actions.end(), action) == offer.actions.end()) {
        QStringList offered;
        for (SanitizeAction other : offer.actions)
            offered.append(sanitizeActionKey(other));
        return offer.actions.empty()
                   ? offer.reason
                   : QCoreApplication::translate("Sanitize",
                                                 "the drive does not offer %1; it offers %2")
                         .arg(sanitizeActionKey(action), offered.join(QStringLiteral(", ")));
    }
    return QString();
}

OwnErase::OwnErase(const platform::Drive &drive, int fd, OwnEraseChoice choice)
    : drive(drive), fd(fd), choice(choice)
{
}

QString OwnErase::command() const
{
    using P = SanitizeOffer::Protocol;
    const SanitizeAction action = choice.action;
    if (action == SanitizeAction::FormatCrypto)
        return QStringLiteral("NVMe Format (cryptographic erase)");
    if (action == SanitizeAction::FormatErase)
        return QStringLiteral("NVMe Format (user data erase)");
    const QString set = choice.protocol == P::Ata    ? QStringLiteral("ATA SANITIZE")
                        : choice.protocol == P::Scsi ? QStringLiteral("SCSI SANITIZE")
                                                     : QStringLiteral("NVMe Sanitize");
    const QString what = action == SanitizeAction::BlockErase ? QStringLiteral("block erase")
                         : action == SanitizeAction::Overwrite
                             ? QStringLiteral("overwrite, one pass of zeros")
                         : choice.protocol == P::Ata ? QStringLiteral("crypto scramble")
                                                     : QStringLiteral("crypto erase");
    return QStringLiteral("%1 (%2)").arg(set, what);
}

namespace
{

QString nvmeStatusText(quint32 status)
{
    return QCoreApplication::translate("Sanitize", "NVMe status 0x%1").arg(status, 0, 16);
}

} // namespace

bool OwnErase::format(QString *why)
{
    const quint32 nsid = platform::nvmeNamespaceOf(drive.name);
    DriveCommand identify;
    identify.kind = DriveCommand::Kind::NvmeAdmin;
    identify.opcode = nvme_admin_identify;
    identify.nsid = nsid;
    identify.cdw[0] = NVME_IDENTIFY_CNS_NS;
    identify.dataIn = int(sizeof(nvme_id_ns));
    DriveAnswer answer;
    int rc = platform::sendDriveCommand(drive.path, fd, identify, &answer);
    if (rc != 0 || answer.status != 0 || answer.data.size() < int(sizeof(nvme_id_ns))) {
        *why = rc ? platform::errorText(rc)
                  : QCoreApplication::translate("Sanitize",
                                                "the namespace could not be identified (%1)")
                        .arg(nvmeStatusText(answer.status));
        return false;
    }
    nvme_id_ns ns;
    std::memcpy(&ns, answer.data.constData(), sizeof ns);
    // Formatted as it is: the same block size, metadata and protection.
    const quint32 lbaf = (ns.flbas & 0x0f) | (quint32((ns.flbas >> 5) & 0x3) << 4);
    const quint32 mset = (ns.flbas >> 4) & 1;
    const quint32 ses = choice.action == SanitizeAction::FormatCrypto ? 2 : 1;
    DriveCommand format;
    format.kind = DriveCommand::Kind::NvmeAdmin;
    format.opcode = nvme_admin_format_nvm;
    format.nsid = nsid;
    format.cdw[0] = (lbaf & 0x0f) | (mset << 4) | (quint32(ns.dps & 0x7) << 5) |
                    (quint32((ns.dps >> 3) & 1) << 8) | (ses << 9) | ((lbaf >> 4) << 12);
    // A Format answers once it is done, which on a large drive takes a
    // while.
    format.timeoutMs = 4 * 3600 * 1000;
    rc = platform::sendDriveCommand(drive.path, fd, format, &answer);
    if (rc != 0 || answer.status != 0) {
        *why = rc ? platform::errorText(rc)
                  : QCoreApplication::translate("Sanitize", "the drive failed the Format (%1)")
                        .arg(nvmeStatusText(answer.status));
        return false;
    }
    formatted = true;
    return true;
}

bool OwnErase::start(QString *why)
{
    switch (choice.protocol) {
    case SanitizeOffer::Protocol::Ata:
        return startAta(why);
    case SanitizeOffer::Protocol::Scsi:
        return startScsi(why);
    default:
        return startNvme(why);
    }
}

OwnErase::State OwnErase::poll(quint32 *done, QString *why)
{
    switch (choice.protocol) {
    case SanitizeOffer::Protocol::Ata:
        return pollAta(done, why);
    case SanitizeOffer::Protocol::Scsi:
        return pollScsi(done, why);
    default:
        return pollNvme(done, why);
    }
}

bool OwnErase::startNvme(QString *why)
{
    const SanitizeAction action = choice.action;
    if (action == SanitizeAction::FormatCrypto || action == SanitizeAction::FormatErase)
        return format(why);
    // The drive's own estimate, from its Sanitize log, where it gives one.
    const DriveCommand log = sanitizeLogCommand();
    DriveAnswer logged;
    if (platform::sendDriveCommand(drive.path, fd, log, &logged) == 0 && logged.status == 0 &&
        logged.data.size() >= int(sizeof(nvme_sanitize_log_page))) {
        nvme_sanitize_log_page page;
        std::memcpy(&page, logged.data.constData(), sizeof page);
        const quint32 seconds =
            qFromLittleEndian(action == SanitizeAction::BlockErase  ? page.etbe
                              : action == SanitizeAction::Overwrite ? page.eto
                                                                    : page.etce);
        if (seconds != 0 && seconds != 0xffffffffU)
            estimate = seconds;
    }
    DriveCommand sanitize;
    sanitize.kind = DriveCommand::Kind::NvmeAdmin;
    sanitize.opcode = nvme_admin_sanitize_nvm;
    // SANACT: 2 block erase, 3 overwrite, 4 crypto erase; an overwrite of
    // one pass (OWPASS) with the pattern 0 in dword 11.
    const quint32 sanact = action == SanitizeAction::BlockErase  ? 2
                           : action == SanitizeAction::Overwrite ? 3
                                                                 : 4;
    sanitize.cdw[0] = sanact | (action == SanitizeAction::Overwrite ? (1u << 4) : 0);
    sanitize.cdw[1] = 0;
    DriveAnswer answer;
    const int rc = platform::sendDriveCommand(drive.path, fd, sanitize, &answer);
    if (rc != 0 || answer.status != 0) {
        *why = rc ? platform::errorText(rc)
                  : QCoreApplication::translate("Sanitize", "the drive refused the Sanitize (%1)")
                        .arg(nvmeStatusText(answer.status));
        return false;
    }
    return true;
}

OwnErase::State OwnErase::pollNvme(quint32 *done, QString *why)
{
    if (formatted) {
        *done = 65536;
        return State::Done;
    }
    const DriveCommand log = sanitizeLogCommand();
    DriveAnswer answer;
    const int rc = platform::sendDriveCommand(drive.path, fd, log, &answer);
    if (rc != 0 || answer.status != 0 || answer.data.size() < 4) {
        *why =
            rc ? platform::errorText(rc)
               : QCoreApplication::translate("Sanitize", "its Sanitize log could not be read (%1)")
                     .arg(nvmeStatusText(answer.status));
        return State::Failed;
    }
    const quint16 sprog = qFromLittleEndian<quint16>(answer.data.constData());
    const int status =
        qFromLittleEndian<quint16>(answer.data.constData() + 2) & NVME_SANITIZE_SSTAT_STATUS_MASK;
    switch (status) {
    case NVME_SANITIZE_SSTAT_STATUS_IN_PROGESS:
        *done = sprog;
        return State::Running;
    case NVME_SANITIZE_SSTAT_STATUS_COMPLETE_SUCCESS:
    case NVME_SANITIZE_SSTAT_STATUS_ND_COMPLETE_SUCCESS:
        *done = 65536;
        return State::Done;
    case NVME_SANITIZE_SSTAT_STATUS_COMPLETED_FAILED:
        *why = QCoreApplication::translate("Sanitize", "the drive reports the Sanitize failed");
        return State::Failed;
    default:
        *why = QCoreApplication::translate("Sanitize",
                                           "the drive reports no Sanitize since it was made");
        return State::Failed;
    }
}

bool OwnErase::startAta(QString *why)
{
    quint16 feature = 0;
    quint64 lba = 0;
    quint16 count = 0;
    switch (choice.action) {
    case SanitizeAction::BlockErase:
        feature = 0x0011;
        lba = 0x426b4578; // "BkEx"
        break;
    case SanitizeAction::CryptoErase:
        feature = 0x0012;
        lba = 0x43727970; // "Cryp"
        break;
    default:
        // One pass of the pattern 0, not inverted.
        feature = 0x0014;
        lba = quint64(0x4f57) << 32;
        count = 1;
        break;
    }
    DriveCommand command;
    command.cdb = platform::ataPassThrough16(kAtaSanitize, feature, count, lba, 0, true);
    DriveAnswer answer;
    const int rc = platform::sendDriveCommand(drive.path, fd, command, &answer);
    const Sense sense = senseOf(answer.sense);
    // With CK_COND the registers come back as sense data; ERR set means the
    // drive refused (a frozen SANITIZE, say).
    if (rc != 0 || (sense.ata && (sense.ataStatus & 0x01)) || (!sense.ata && answer.status != 0)) {
        *why = rc ? platform::errorText(rc)
                  : QCoreApplication::translate("Sanitize", "the drive refused the SANITIZE (%1)")
                        .arg(sense.ata ? ataStatusText(sense) : scsiSenseText(sense));
        // Frozen since it was asked: said with the way out.
        DriveAnswer status;
        if (rc == 0 &&
            platform::sendDriveCommand(drive.path, fd, ataSanitizeStatusCommand(), &status) == 0 &&
            ataSanitizeFrozen(senseOf(status.sense)))
            *why += QStringLiteral("; ") + ataFrozenText();
        return false;
    }
    return true;
}

OwnErase::State OwnErase::pollAta(quint32 *done, QString *why)
{
    DriveAnswer answer;
    const int rc = platform::sendDriveCommand(drive.path, fd, ataSanitizeStatusCommand(), &answer);
    const Sense sense = senseOf(answer.sense);
    if (rc != 0 || !sense.ata) {
        *why = rc ? platform::errorText(rc)
                  : QCoreApplication::translate("Sanitize",
                                                "the drive did not tell how its SANITIZE stands");
        return State::Failed;
    }
    if (sense.ataStatus & 0x01) {
        *why = QCoreApplication::translate("Sanitize", "the drive reports the SANITIZE failed (%1)")
                   .arg(ataStatusText(sense));
        return State::Failed;
    }
    if (sense.ataCount & (1 << 14)) { // SANITIZE IN PROGRESS
        *done = quint32(sense.ataLba & 0xffff);
        return State::Running;
    }
    if (sense.ataCount & (1 << 15)) { // COMPLETED WITHOUT ERROR
        *done = 65536;
        return State::Done;
    }
    *why = QCoreApplication::translate("Sanitize", "the drive reports no SANITIZE completed (%1)")
               .arg(ataStatusText(sense));
    return State::Failed;
}

bool OwnErase::startScsi(QString *why)
{
    DriveCommand command;
    command.cdb = QByteArray(10, '\0');
    // IMMED: it answers at once, and REQUEST SENSE tells the progress.
    const int serviceAction = choice.action == SanitizeAction::BlockErase  ? 0x02
                              : choice.action == SanitizeAction::Overwrite ? 0x01
                                                                           : 0x03;
    command.cdb[0] = char(0x48);
    command.cdb[1] = char(0x80 | serviceAction);
    if (choice.action == SanitizeAction::Overwrite) {
        // The overwrite's parameter list: one pass (OWCOUNT), not inverted,
        // of a four-byte pattern of zeros.
        command.dataOut = QByteArray(8, '\0');
        command.dataOut[0] = char(0x01);
        command.dataOut[3] = char(0x04);
        command.cdb[8] = char(command.dataOut.size());
    }
    DriveAnswer answer;
    const int rc = platform::sendDriveCommand(drive.path, fd, command, &answer);
    if (rc != 0 || answer.status != 0) {
        *why = rc ? platform::errorText(rc)
                  : QCoreApplication::translate("Sanitize", "the drive refused the SANITIZE (%1)")
                        .arg(scsiSenseText(senseOf(answer.sense)));
        return false;
    }
    return true;
}

OwnErase::State OwnErase::pollScsi(quint32 *done, QString *why)
{
    DriveCommand command;
    command.cdb = QByteArray(6, '\0');
    command.cdb[0] = char(0x03); // REQUEST SENSE, descriptor format
    command.cdb[1] = char(0x01);
    command.dataIn = 252;
    command.cdb[4] = char(command.dataIn);
    command.timeoutMs = kProbeTimeoutMs;
    DriveAnswer answer;
    const int rc = platform::sendDriveCommand(drive.path, fd, command, &answer);
    if (rc != 0 || answer.status != 0) {
        *why = rc ? platform::errorText(rc)
                  : QCoreApplication::translate("Sanitize",
                                                "the drive did not tell how its SANITIZE stands");
        return State::Failed;
    }
    const Sense sense = senseOf(answer.data);
    if (sense.key == 0x02 && sense.asc == 0x04 && sense.ascq == 0x1b) { // in progress
        *done = quint32(std::max(sense.progress, 0));
        return State::Running;
    }
    if (sense.asc == 0x31 && sense.ascq == 0x03) {
        *why = QCoreApplication::translate("Sanitize", "the drive reports the SANITIZE failed (%1)")
                   .arg(scsiSenseText(sense));
        return State::Failed;
    }
    if (sense.key <= 0 || sense.key == 0x01) { // no sense, or recovered
        *done = 65536;
        return State::Done;
    }
    *why =
        QCoreApplication::translate("Sanitize", "the drive reports %1").arg(scsiSenseText(sense));
    return State::Failed;
}

QJsonObject SanitizeOffer::toJson() const
{
    QJsonArray actionKeys;
    for (SanitizeAction action : actions)
        actionKeys.append(sanitizeActionKey(action));
    static const char *const protocols[] = {nullptr, "nvme", "ata", "scsi"};
    QJsonObject object{
        {QStringLiteral("actions"), actionKeys},
        {QStringLiteral("protocol"), protocols[int(protocol)]
                                         ? QJsonValue(QLatin1String(protocols[int(protocol)]))
                                         : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("reason"),
         reason.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(reason)},
    };
    if (protocol == Protocol::Nvme) {
        object.insert(QStringLiteral("sanicap"), double(sanicap));
        object.insert(QStringLiteral("fna"), int(fna));
        object.insert(QStringLiteral("format"), formats);
        if (!lastSanitize.isEmpty())
            object.insert(QStringLiteral("lastSanitize"), lastSanitize);
    }
    if (protocol == Protocol::Ata)
        object.insert(QStringLiteral("sanitizeFrozen"), sanitizeFrozen);
    if (protocol == Protocol::Ata && security)
        object.insert(QStringLiteral("security"),
                      QJsonObject{{QStringLiteral("enabled"), securityEnabled},
                                  {QStringLiteral("locked"), locked},
                                  {QStringLiteral("frozen"), frozen},
                                  {QStringLiteral("eraseMinutes"), eraseMinutes},
                                  {QStringLiteral("enhancedEraseMinutes"), enhancedEraseMinutes}});
    return object;
}

QString SanitizeOffer::summary() const
{
    QStringList words;
    for (SanitizeAction action : actions)
        words.append(sanitizeActionKey(action));
    QString text = words.isEmpty()
                       ? QCoreApplication::translate("Sanitize", "own erase: none (%1)").arg(reason)
                       : QCoreApplication::translate("Sanitize", "own erase: %1")
                             .arg(words.join(QStringLiteral(", ")));
    // A frozen drive refuses its security erase until it is suspended and
    // resumed; Velmora never lifts the freeze by force.
    if (frozen)
        text += QCoreApplication::translate(
            "Sanitize", "; security frozen: suspend and resume the computer to lift it");
    return text;
}

} // namespace velmora
