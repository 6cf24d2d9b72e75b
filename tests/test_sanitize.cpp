// SPDX-License-Identifier: GPL-3.0-or-later

// What a drive's own erase offers, as the drive answers: NVMe, ATA and SCSI
// drives played by a stand-in at the one function that sends commands, and
// the drives that are never asked.

#include "testsupport.h"

#include "engine/device/hiddenarea.h"
#include "engine/device/samplecheck.h"
#include "engine/device/sanitize.h"
#include "engine/platform/drivecommands.h"

#include <QJsonArray>
#include <QtEndian>
#include <QtTest>

#include <algorithm>
#include <cerrno>
#include <cstring>

extern "C" {
#include <nvme/types.h>
}

using namespace velmora;
using platform::DriveAnswer;
using platform::DriveCommand;

namespace
{

// A drive as the stand-in plays it.
struct FakeDrive {
    // NVMe
    quint32 sanicap = 0;
    quint16 oacs = 0;
    quint8 fna = 0;
    quint16 sstat = 0;
    // ATA: IDENTIFY DEVICE's words; none set makes it refuse IDENTIFY.
    QMap<int, quint16> ataWords;
    bool ataSanitizeFrozen = false;
    // READ NATIVE MAX ADDRESS (EXT) and GET NATIVE MAX ADDRESS EXT answer
    // this maximum LBA; 0: they are refused.
    quint64 nativeMaxLba = 0;
    // SCSI: the SANITIZE service actions it reports (1 overwrite, 2 block,
    // 3 crypto); a drive that does not report refuses the command.
    QList<int> scsiActions;
    bool reportsCommands = true;
    // The errno of every call, for a drive that cannot be asked.
    int callError = 0;
};

QByteArray nvmeIdentify(const FakeDrive &d)
{
    nvme_id_ctrl id{};
    id.sanicap = qToLittleEndian(d.sanicap);
    id.oacs = qToLittleEndian(d.oacs);
    id.fna = d.fna;
    return QByteArray(reinterpret_cast<const char *>(&id), sizeof id);
}

int answerAs(const FakeDrive &d, const DriveCommand &c, DriveAnswer *a)
{
    if (d.callError)
        return d.callError;
    if (c.kind == DriveCommand::Kind::NvmeAdmin) {
        if (c.opcode == nvme_admin_identify && c.cdw[0] == NVME_IDENTIFY_CNS_CTRL) {
            a->data = nvmeIdentify(d);
        } else if (c.opcode == nvme_admin_get_log_page &&
                   (c.cdw[0] & 0xff) == NVME_LOG_LID_SANITIZE) {
            a->data = QByteArray(c.dataIn, '\0');
            qToLittleEndian<quint16>(d.sstat, a->data.data() + 2);
        } else {
            a->status = 0x2; // Invalid Field in Command
        }
        return 0;
    }
    const auto op = quint8(c.cdb.at(0));
    if (op == 0x85 && quint8(c.cdb.at(14)) == 0xec && !d.ataWords.isEmpty()) {
        a->data = QByteArray(512, '\0');
        for (auto it = d.ataWords.begin(); it != d.ataWords.end(); ++it)
            qToLittleEndian<quint16>(it.value(), a->data.data() + 2 * it.key());
        return 0;
    }
    if (op == 0x85 && quint8(c.cdb.at(14)) == 0xb4 && c.cdb.at(4) == 0) {
        // SANITIZE STATUS EXT: its registers in a descriptor sense, FROZEN
        // in the count.
        a->status = 0x02;
        a->sense = testsupport::ataRegisters(0x50, 0, d.ataSanitizeFrozen ? 1 << 13 : 0, 0);
        return 0;
    }
    const auto cmd = op == 0x85 ? quint8(c.cdb.at(14)) : 0;
    if (cmd == 0x27 || cmd == 0xf8 || (cmd == 0x78 && c.cdb.at(4) == 0)) {
        a->status = 0x02;
        a->sense = testsupport::ataRegisters(d.nativeMaxLba ? 0x50 : 0x51, 0, 0, d.nativeMaxLba);
        return 0;
    }
    if (op == 0xa3 && d.reportsCommands && quint8(c.cdb.at(3)) == 0x48) {
        a->data = QByteArray(c.dataIn, '\0');
        a->data[1] = char(d.scsiActions.contains(quint8(c.cdb.at(5))) ? 3 : 1);
        return 0;
    }
    a->status = 0x02; // CHECK CONDITION: not a command it knows
    return 0;
}

platform::Drive driveOf(platform::Transport transport, bool partition = false)
{
    platform::Drive drive;
    drive.path = "/dev/velmora-test-drive";
    drive.partition = partition;
    drive.disk.transport = transport;
    return drive;
}

QStringList actionsOf(const SanitizeOffer &offer)
{
    QStringList keys;
    for (SanitizeAction action : offer.actions)
        keys.append(sanitizeActionKey(action));
    return keys;
}

} // namespace

Q_DECLARE_METATYPE(FakeDrive)

class SanitizeTest : public QObject
{
    Q_OBJECT

  private slots:
    void cleanup() { platform::setDriveCommandStandIn(nullptr); }

    void probeReadsWhatTheDriveOffers_data();
    void probeReadsWhatTheDriveOffers();
    void drivesThatCannotBeAskedAreNotAsked_data();
    void drivesThatCannotBeAskedAreNotAsked();
    void actionWordsGoBothWays();
    void samplesSpanTheDriveAndStaySmall();
    void whatIsSentIsWhatIsOffered();
    void hiddenSectorsAreFound_data();
    void hiddenSectorsAreFound();
};

void SanitizeTest::probeReadsWhatTheDriveOffers_data()
{
    QTest::addColumn<int>("transport");
    QTest::addColumn<FakeDrive>("drive");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("reasonHas");
    QTest::addColumn<QString>("lastSanitize");
    QTest::addColumn<bool>("frozen");

    const int nvme = int(platform::Transport::Nvme);
    const int sata = int(platform::Transport::Sata);
    FakeDrive all;
    all.sanicap = NVME_CTRL_SANICAP_CES | NVME_CTRL_SANICAP_BES | NVME_CTRL_SANICAP_OWS;
    all.oacs = NVME_CTRL_OACS_FORMAT;
    all.fna = NVME_CTRL_FNA_CRYPTO_ERASE;
    all.sstat = NVME_SANITIZE_SSTAT_STATUS_COMPLETED_FAILED;
    QTest::newRow("NVMe: sanitize, and format with crypto erase")
        << nvme << all
        << QStringList{"crypto-erase", "block-erase", "format-crypto", "format-erase", "overwrite"}
        << QString() << "failed" << false;

    FakeDrive qemu;
    qemu.oacs = NVME_CTRL_OACS_FORMAT;
    QTest::newRow("NVMe: format only, as QEMU's controller")
        << nvme << qemu << QStringList{"format-erase"} << QString() << QString() << false;

    FakeDrive bare;
    QTest::newRow("NVMe: neither")
        << nvme << bare << QStringList() << "neither Sanitize nor Format" << QString() << false;

    FakeDrive ata;
    ata.ataWords = {{59, (1 << 12) | (1 << 13) | (1 << 15)},
                    {82, 1 << 1},
                    {128, 1 | (1 << 3) | (1 << 5)},
                    {89, 0x8000 | 30}};
    QTest::newRow("ATA: crypto scramble and block erase, security frozen")
        << sata << ata << QStringList{"crypto-erase", "block-erase"} << QString() << QString()
        << true;

    FakeDrive ataFrozen;
    ataFrozen.ataWords = {{59, (1 << 12) | (1 << 15)}};
    ataFrozen.ataSanitizeFrozen = true;
    QTest::newRow("ATA: SANITIZE frozen")
        << sata << ataFrozen << QStringList() << "suspend and resume" << QString() << false;

    FakeDrive ataPlain;
    ataPlain.ataWords = {{59, 1 << 14}}; // overwrite, but no SANITIZE feature set
    QTest::newRow("ATA: no SANITIZE feature set")
        << sata << ataPlain << QStringList() << "ATA SANITIZE" << QString() << false;

    FakeDrive scsi;
    scsi.scsiActions = {2, 3};
    QTest::newRow("SCSI: block erase and crypto erase")
        << sata << scsi << QStringList{"crypto-erase", "block-erase"} << QString() << QString()
        << false;

    FakeDrive silent;
    silent.reportsCommands = false;
    QTest::newRow("SCSI: does not report its commands")
        << sata << silent << QStringList() << "does not say" << QString() << false;

    FakeDrive denied;
    denied.callError = EACCES;
    QTest::newRow("asked without the right")
        << nvme << denied << QStringList() << "administrator rights" << QString() << false;
}

void SanitizeTest::probeReadsWhatTheDriveOffers()
{
    QFETCH(int, transport);
    QFETCH(FakeDrive, drive);
    QFETCH(QStringList, actions);
    QFETCH(QString, reasonHas);
    QFETCH(QString, lastSanitize);
    QFETCH(bool, frozen);
    platform::setDriveCommandStandIn([drive](const QByteArray &, const DriveCommand &c,
                                             DriveAnswer *a) { return answerAs(drive, c, a); });
    const SanitizeOffer offer = probeSanitize(driveOf(platform::Transport(transport)));
    QCOMPARE(actionsOf(offer), actions);
    QCOMPARE(offer.reason.isEmpty(), !actions.isEmpty());
    QVERIFY2(offer.reason.contains(reasonHas), qPrintable(offer.reason));
    QCOMPARE(offer.lastSanitize, lastSanitize);
    QCOMPARE(offer.frozen, frozen);

    // The listing's object carries the same words, and the reason where
    // there are none.
    const QJsonObject json = offer.toJson();
    QCOMPARE(json.value("actions").toVariant().toStringList(), actions);
    QCOMPARE(json.value("reason").isNull(), !actions.isEmpty());
    QCOMPARE(json.value("sanitizeFrozen").toBool(), drive.ataSanitizeFrozen);
    if (frozen) {
        QVERIFY(json.value("security").toObject().value("frozen").toBool());
        QCOMPARE(json.value("security").toObject().value("eraseMinutes").toInt(), 60);
        QVERIFY(offer.summary().contains("suspend and resume"));
    }
}

void SanitizeTest::drivesThatCannotBeAskedAreNotAsked_data()
{
    QTest::addColumn<int>("transport");
    QTest::addColumn<bool>("partition");
    QTest::addColumn<QString>("reasonHas");
    using platform::Transport;
    QTest::newRow("behind a USB bridge")
        << int(Transport::Usb) << false << "behind a USB bridge: connect it directly";
    QTest::newRow("loop device") << int(Transport::Loop) << false << "loop device";
    QTest::newRow("zram") << int(Transport::Memory) << false << "memory";
    QTest::newRow("virtio") << int(Transport::Virtio) << false << "virtio";
    QTest::newRow("SD card") << int(Transport::Mmc) << false << "SD card";
    QTest::newRow("a partition of an NVMe drive")
        << int(Transport::Nvme) << true << "takes the whole drive";
}

void SanitizeTest::drivesThatCannotBeAskedAreNotAsked()
{
    QFETCH(int, transport);
    QFETCH(bool, partition);
    QFETCH(QString, reasonHas);
    int asked = 0;
    platform::setDriveCommandStandIn(
        [&asked](const QByteArray &, const DriveCommand &, DriveAnswer *) {
            ++asked;
            return 0;
        });
    const SanitizeOffer offer = probeSanitize(driveOf(platform::Transport(transport), partition));
    QCOMPARE(asked, 0);
    QVERIFY(offer.actions.empty());
    QVERIFY2(offer.reason.contains(reasonHas), qPrintable(offer.reason));
    QVERIFY(offer.toJson().value("protocol").isNull());
}

void SanitizeTest::actionWordsGoBothWays()
{
    for (const char *key :
         {"crypto-erase", "block-erase", "format-crypto", "format-erase", "overwrite"})
        QCOMPARE(sanitizeActionKey(*sanitizeActionOfKey(key)), QString::fromLatin1(key));
    QVERIFY(!sanitizeActionOfKey("secure-erase"));
    QVERIFY(!sanitizeActionOfKey(QString()));
}

// The first and the last block, one in each of 1000 parts where the drive
// has room, each part holding one, and never more than 11 % of the drive.
void SanitizeTest::samplesSpanTheDriveAndStaySmall()
{
    constexpr quint32 block = 4096;
    for (const quint64 bytes :
         {quint64(64) << 20, quint64(1) << 40, quint64(2) << 20, quint64(40960), quint64(4096)}) {
        const SampleCheck check(-1, bytes, block);
        const std::vector<quint64> &at = check.offsets();
        const quint64 blocks = bytes / block;
        QVERIFY(!at.empty());
        QCOMPARE(at.front(), quint64(0));
        QCOMPARE(at.back(), (blocks - 1) * block);
        QVERIFY(std::is_sorted(at.begin(), at.end()));
        QVERIFY(std::adjacent_find(at.begin(), at.end()) == at.end());
        for (quint64 offset : at)
            QVERIFY(offset % block == 0 && offset < bytes);
        if (blocks >= 10 * SampleCheck::kSubsections) {
            QVERIFY(at.size() >= SampleCheck::kSubsections);
            // One in each part: no part is left out.
            const quint64 span = blocks / SampleCheck::kSubsections;
            std::vector<bool> seen(SampleCheck::kSubsections, false);
            for (quint64 offset : at)
                if (offset / block / span < seen.size())
                    seen[offset / block / span] = true;
            QVERIFY(std::all_of(seen.begin(), seen.end(), [](bool s) { return s; }));
        }
        if (blocks > 20)
            QVERIFY2(double(check.sampledBytes()) <= 0.11 * double(bytes),
                     qPrintable(QString::number(check.sampledBytes())));
    }
}

void SanitizeTest::whatIsSentIsWhatIsOffered()
{
    SanitizeOffer ata;
    ata.protocol = SanitizeOffer::Protocol::Ata;
    ata.actions = {SanitizeAction::CryptoErase, SanitizeAction::Overwrite};
    QVERIFY(ownEraseUnsent(ata, SanitizeAction::CryptoErase).isEmpty());
    QVERIFY(ownEraseUnsent(ata, SanitizeAction::Overwrite).isEmpty());
    QCOMPARE(ownEraseUnsent(ata, SanitizeAction::BlockErase),
             QStringLiteral("the drive does not offer block-erase; it offers crypto-erase, "
                            "overwrite"));
    SanitizeOffer scsi = ata;
    scsi.protocol = SanitizeOffer::Protocol::Scsi;
    QVERIFY(ownEraseUnsent(scsi, SanitizeAction::Overwrite).isEmpty());
    SanitizeOffer none;
    none.reason = QStringLiteral("a loop device has no erase of its own");
    QCOMPARE(ownEraseUnsent(none, SanitizeAction::CryptoErase), none.reason);
    // Named as the command set it goes in.
    QCOMPARE(
        OwnErase(platform::Drive(), -1, {SanitizeAction::CryptoErase, SanitizeOffer::Protocol::Ata})
            .command(),
        QStringLiteral("ATA SANITIZE (crypto scramble)"));
    QCOMPARE(OwnErase(platform::Drive(), -1, {SanitizeAction::FormatCrypto}).command(),
             QStringLiteral("NVMe Format (cryptographic erase)"));
}

void SanitizeTest::hiddenSectorsAreFound_data()
{
    QTest::addColumn<FakeDrive>("drive");
    QTest::addColumn<bool>("partition");
    QTest::addColumn<bool>("known");
    QTest::addColumn<qint64>("hidden");
    QTest::addColumn<QString>("feature");
    // A million sectors shown, with 48-bit addresses.
    const QMap<int, quint16> shown{{83, 1 << 10}, {100, 1000000 & 0xffff}, {101, 1000000 >> 16}};
    FakeDrive hpa;
    hpa.ataWords = shown;
    hpa.ataWords.insert(82, 1 << 10);
    hpa.nativeMaxLba = 1000000 + 2047;
    QTest::newRow("a host protected area") << hpa << false << true << qint64(2048) << "hpa";
    FakeDrive ama = hpa;
    ama.ataWords.insert(119, 1 << 8);
    ama.nativeMaxLba = 1000000 + 99;
    QTest::newRow("a lowered accessible max address")
        << ama << false << true << qint64(100) << "ama";
    FakeDrive whole = hpa;
    whole.nativeMaxLba = 1000000 - 1;
    QTest::newRow("nothing hidden") << whole << false << true << qint64(0) << "hpa";
    FakeDrive refusing = hpa;
    refusing.nativeMaxLba = 0;
    QTest::newRow("the native size refused") << refusing << false << true << qint64(0) << "hpa";
    FakeDrive scsi;
    QTest::newRow("no ATA drive") << scsi << false << false << qint64(0) << QString();
    QTest::newRow("a partition, never asked") << hpa << true << false << qint64(0) << QString();
}

// What an ATA drive hides past the end it shows: its accessible size from
// IDENTIFY, its native size from the feature set that limits it.
void SanitizeTest::hiddenSectorsAreFound()
{
    QFETCH(FakeDrive, drive);
    QFETCH(bool, partition);
    QFETCH(bool, known);
    QFETCH(qint64, hidden);
    QFETCH(QString, feature);
    int asked = 0;
    platform::setDriveCommandStandIn(
        [drive, &asked](const QByteArray &, const DriveCommand &c, DriveAnswer *a) {
            ++asked;
            return answerAs(drive, c, a);
        });
    const HiddenArea area = probeHiddenArea(driveOf(platform::Transport::Sata, partition));
    QCOMPARE(area.known, known);
    QCOMPARE(qint64(area.hiddenSectors()), hidden);
    if (partition)
        QCOMPARE(asked, 0);
    if (!known)
        return;
    QCOMPARE(area.feature, feature);
    QCOMPARE(area.accessibleSectors, quint64(1000000));
    QCOMPARE(area.toJson().value("hiddenSectors").toInt(), int(hidden));
    if (hidden > 0)
        QVERIFY2(area.sentence("/dev/sdz", 512)
                     .startsWith(QStringLiteral("/dev/sdz hides %1 sector").arg(hidden)),
                 qPrintable(area.sentence("/dev/sdz", 512)));
}

QTEST_GUILESS_MAIN(SanitizeTest)
#include "test_sanitize.moc"
