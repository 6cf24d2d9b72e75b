// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/device/sanitize.h"

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
    DriveCommand log;
    log.kind = DriveCommand::Kind::NvmeAdmin;
    log.opcode = nvme_admin_get_log_page;
    log.nsid = NVME_NSID_ALL;
    log.dataIn = int(sizeof(nvme_sanitize_log_page));
    log.timeoutMs = kProbeTimeoutMs;
    log.cdw[0] = NVME_LOG_LID_SANITIZE | (quint32(log.dataIn / 4 - 1) << 16);
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
    if (offer->actions.empty())
        offer->reason = QCoreApplication::translate(
            "Sanitize", "it does not support the ATA SANITIZE feature set");
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
    if (offer.protocol != SanitizeOffer::Protocol::Nvme)
        return QCoreApplication::translate(
            "Sanitize", "Velmora sends the drive's own erase to NVMe drives only, so far");
    return QString();
}

OwnErase::OwnErase(const platform::Drive &drive, int fd, SanitizeAction action)
    : drive(drive), fd(fd), action(action)
{
}

QString OwnErase::command() const
{
    switch (action) {
    case SanitizeAction::CryptoErase:
        return QStringLiteral("NVMe Sanitize (crypto erase)");
    case SanitizeAction::BlockErase:
        return QStringLiteral("NVMe Sanitize (block erase)");
    case SanitizeAction::Overwrite:
        return QStringLiteral("NVMe Sanitize (overwrite, one pass of zeros)");
    case SanitizeAction::FormatCrypto:
        return QStringLiteral("NVMe Format (cryptographic erase)");
    case SanitizeAction::FormatErase:
        return QStringLiteral("NVMe Format (user data erase)");
    }
    return QString();
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
    const quint32 ses = action == SanitizeAction::FormatCrypto ? 2 : 1;
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
    if (action == SanitizeAction::FormatCrypto || action == SanitizeAction::FormatErase)
        return format(why);
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

OwnErase::State OwnErase::poll(quint32 *done, QString *why)
{
    if (formatted) {
        *done = 65536;
        return State::Done;
    }
    DriveCommand log;
    log.kind = DriveCommand::Kind::NvmeAdmin;
    log.opcode = nvme_admin_get_log_page;
    log.nsid = NVME_NSID_ALL;
    log.dataIn = int(sizeof(nvme_sanitize_log_page));
    log.cdw[0] = NVME_LOG_LID_SANITIZE | (quint32(log.dataIn / 4 - 1) << 16);
    log.timeoutMs = kProbeTimeoutMs;
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
