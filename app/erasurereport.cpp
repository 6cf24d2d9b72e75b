// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/erasurereport.h"
#include "engine/core/sizes.h"

#include "engine/fs/paths.h"
#include "engine/job/erasemethods.h"
#include "engine/job/outcomestore.h"
#include "engine/job/reportsignature.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QJsonArray>
#include <QJsonObject>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace velmora
{

namespace
{

// Names may be any bytes and look like markup: everything from the file
// system or the job is escaped.
QString esc(const QString &text)
{
    return text.toHtmlEscaped();
}

QString row(const QString &label, const QString &value)
{
    return QStringLiteral("<tr><td class='k'>%1</td><td>%2</td></tr>").arg(esc(label), esc(value));
}

// A report of a job over many thousands of files stays a document one can
// open: entries past this many are counted, not listed; every problem is
// listed in its own section.
constexpr int kListedEntries = 2000;

// One volume's medium: what it is, the chain of devices down to the disks,
// and what the overwrite there amounts to.
QString storageTable(const VolumeMedium &medium)
{
    const QJsonObject &s = medium.storage;
    const auto yesNo = [&](const QJsonValue &value) {
        return value.isBool()
                   ? (value.toBool() ? QCoreApplication::translate("ErasureReport", "yes")
                                     : QCoreApplication::translate("ErasureReport", "no"))
                   : QCoreApplication::translate("ErasureReport", "unknown");
    };
    QString html = QStringLiteral("<table>");
    html += row(QCoreApplication::translate("ErasureReport", "Volume"), medium.mountPoint);
    html += row(QCoreApplication::translate("ErasureReport", "Medium"), medium.label);
    QStringList chain;
    for (const QJsonValue &link : s.value(QStringLiteral("chain")).toArray())
        chain.append(link.toString());
    html += row(QCoreApplication::translate("ErasureReport", "Devices"),
                chain.join(QStringLiteral(" → ")));
    for (const QJsonValue &value : s.value(QStringLiteral("disks")).toArray()) {
        const QJsonObject disk = value.toObject();
        QStringList identity;
        for (const char *key : {"vendor", "model"})
            if (!disk.value(QLatin1String(key)).toString().isEmpty())
                identity.append(disk.value(QLatin1String(key)).toString());
        const QString serial = disk.value(QStringLiteral("serial")).toString();
        const QString firmware = disk.value(QStringLiteral("firmware")).toString();
        if (!serial.isEmpty())
            identity.append(QCoreApplication::translate("ErasureReport", "serial %1").arg(serial));
        if (!firmware.isEmpty())
            identity.append(
                QCoreApplication::translate("ErasureReport", "firmware %1").arg(firmware));
        identity.append(sizeText(qint64(disk.value(QStringLiteral("bytes")).toDouble())));
        html += row(QCoreApplication::translate("ErasureReport", "Disk %1")
                        .arg(disk.value(QStringLiteral("name")).toString()),
                    identity.join(QStringLiteral(", ")));
    }
    html += row(QCoreApplication::translate("ErasureReport", "Spinning"),
                yesNo(s.value(QStringLiteral("rotational"))));
    html += row(QCoreApplication::translate("ErasureReport", "Accepts discards (TRIM)"),
                yesNo(s.value(QStringLiteral("discards"))));
    const QJsonValue encryption = s.value(QStringLiteral("encryption"));
    html += row(QCoreApplication::translate("ErasureReport", "Encryption"),
                encryption.isString() ? encryption.toString()
                                      : QCoreApplication::translate("ErasureReport", "none"));
    html += row(QCoreApplication::translate("ErasureReport", "Sanitization"), medium.sanitization);
    return html + QStringLiteral("</table>");
}

// The drive's own erase: the command sent, how the drive answered, and what
// the blocks sampled across it showed after it.
QString ownEraseRows(const QJsonObject &own)
{
    if (own.isEmpty())
        return QString();
    const QString status = own.value(QStringLiteral("status")).toString();
    const QString reason = own.value(QStringLiteral("reason")).toString();
    QString html = row(QCoreApplication::translate("ErasureReport", "Drive's own erase"),
                       own.value(QStringLiteral("command")).toString());
    html += row(QCoreApplication::translate("ErasureReport", "Drive's answer"),
                (status == QLatin1String("completed")
                     ? QCoreApplication::translate("ErasureReport", "completed")
                 : status == QLatin1String("running")
                     ? QCoreApplication::translate("ErasureReport",
                                                   "still running when Velmora stopped waiting")
                 : status == QLatin1String("failed")
                     ? QCoreApplication::translate("ErasureReport", "failed")
                     : QCoreApplication::translate("ErasureReport", "not sent")) +
                    (reason.isEmpty() ? QString() : QStringLiteral(": ") + reason));
    const QJsonObject check = own.value(QStringLiteral("verification")).toObject();
    if (!check.isEmpty()) {
        const int sampled = check.value(QStringLiteral("sampled")).toInt();
        const int unlike = sampled - check.value(QStringLiteral("markersLeft")).toInt() -
                           check.value(QStringLiteral("notZeros")).toInt() -
                           check.value(QStringLiteral("unreadable")).toInt();
        html += row(QCoreApplication::translate("ErasureReport", "Sampled check"),
                    QCoreApplication::translate(
                        "ErasureReport",
                        "%1 blocks across the drive marked before and read after: %2 as the "
                        "command promises, %3 not")
                        .arg(sampled)
                        .arg(unlike)
                        .arg(sampled - unlike));
    }
    return html;
}

// The read-back of a drive wipe: whole, or of blocks sampled across it.
QString readBackText(const QJsonObject &verification)
{
    if (verification.isEmpty())
        return QCoreApplication::translate("ErasureReport", "not done");
    const bool matched = verification.value(QStringLiteral("matched")).toBool();
    if (verification.value(QStringLiteral("mode")) == QLatin1String("sample")) {
        const int blocks = verification.value(QStringLiteral("blocksSampled")).toInt();
        if (matched)
            return QCoreApplication::translate(
                "ErasureReport",
                "%n block(s) sampled across the drive read back and compared: identical", nullptr,
                blocks);
        return QCoreApplication::translate(
            "ErasureReport",
            "%n block(s) sampled across the drive read back and compared: different", nullptr,
            blocks);
    }
    const QLocale locale;
    const qint64 n = qint64(verification.value(QStringLiteral("bytesCompared")).toDouble());
    const QString compared =
        QStringLiteral("%1 (%2 bytes)")
            .arg(locale.formattedDataSize(n, 1, QLocale::DataSizeSIFormat), locale.toString(n));
    if (matched)
        return QCoreApplication::translate("ErasureReport", "%1 read back and compared: identical")
            .arg(compared);
    return QCoreApplication::translate("ErasureReport", "%1 read back and compared: different")
        .arg(compared);
}

// What a wiped drive was given to be used again.
QString freshFormatText(const QJsonObject &made)
{
    if (!made.value(QStringLiteral("done")).toBool())
        return QCoreApplication::translate("ErasureReport", "not made: %1")
            .arg(made.value(QStringLiteral("reason")).toString());
    const QString table = made.value(QStringLiteral("table")) == QLatin1String("gpt")
                              ? QStringLiteral("GPT")
                              : QStringLiteral("MBR");
    const QString label = made.value(QStringLiteral("label")).toString();
    if (label.isEmpty())
        return QCoreApplication::translate(
                   "ErasureReport", "a new %1 partition table with one partition (%2), and an "
                                    "empty %3 file system on it")
            .arg(table, made.value(QStringLiteral("partition")).toString(),
                 made.value(QStringLiteral("fileSystem")).toString());
    return QCoreApplication::translate(
               "ErasureReport", "a new %1 partition table with one partition (%2), and an empty "
                                "%3 file system on it labelled %4")
        .arg(table, made.value(QStringLiteral("partition")).toString(),
             made.value(QStringLiteral("fileSystem")).toString(), label);
}

// A drive wipe's certificate: the drive, what it held, each pass, the
// read-back, the discard and the sanitization category. Kept in one piece:
// the certificate's rows, in the order it is read.
QString driveSection(const QJsonObject &drive)
{
    const QLocale locale;
    const auto bytes = [&](const QJsonValue &value) {
        const qint64 n = qint64(value.toDouble());
        return QStringLiteral("%1 (%2 bytes)")
            .arg(locale.formattedDataSize(n, 1, QLocale::DataSizeSIFormat), locale.toString(n));
    };
    const auto text = [&](const char *key) {
        const QString value = drive.value(QLatin1String(key)).toString();
        return value.isEmpty()
                   ? QCoreApplication::translate("ErasureReport", "not told by the drive")
                   : value;
    };
    QString html = QStringLiteral("<h2>%1</h2><table>")
                       .arg(esc(QCoreApplication::translate("ErasureReport", "Drive")));
    html += row(QCoreApplication::translate("ErasureReport", "Device"),
                drive.value(QStringLiteral("path")).toString());
    if (drive.contains(QStringLiteral("backingFile")))
        html += row(QCoreApplication::translate("ErasureReport", "Image file"),
                    drive.value(QStringLiteral("backingFile")).toString());
    html += row(QCoreApplication::translate("ErasureReport", "Vendor"), text("vendor"));
    html += row(QCoreApplication::translate("ErasureReport", "Model"), text("model"));
    html += row(QCoreApplication::translate("ErasureReport", "Serial number"), text("serial"));
    html += row(QCoreApplication::translate("ErasureReport", "Firmware"), text("firmware"));
    html += row(QCoreApplication::translate("ErasureReport", "Capacity"),
                bytes(drive.value(QStringLiteral("bytes"))));
    html += row(QCoreApplication::translate("ErasureReport", "Sector size"),
                QCoreApplication::translate("ErasureReport", "%1 bytes logical, %2 bytes physical")
                    .arg(drive.value(QStringLiteral("logicalSector")).toInt())
                    .arg(drive.value(QStringLiteral("physicalSector")).toInt()));
    html += row(QCoreApplication::translate("ErasureReport", "Transport"),
                drive.value(QStringLiteral("transport")).toString());
    html += row(QCoreApplication::translate("ErasureReport", "Medium"),
                drive.value(QStringLiteral("medium")).toString());
    const QJsonObject table = drive.value(QStringLiteral("partitionTable")).toObject();
    QStringList parts;
    for (const QJsonValue &p : table.value(QStringLiteral("partitions")).toArray()) {
        const QString name = p[QStringLiteral("name")].toString();
        parts.append(QCoreApplication::translate("ErasureReport", "%1: %2 at %3")
                         .arg(p[QStringLiteral("number")].toInt())
                         .arg(sizeText(qint64(p[QStringLiteral("bytes")].toDouble())),
                              locale.toString(qint64(p[QStringLiteral("start")].toDouble()))) +
                     (name.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(name)));
    }
    html +=
        row(QCoreApplication::translate("ErasureReport", "Partition table before"),
            table.value(QStringLiteral("type")).isString()
                ? table.value(QStringLiteral("type")).toString().toUpper() +
                      (parts.isEmpty() ? QString()
                                       : QStringLiteral(" — ") + parts.join(QStringLiteral("; ")))
                : QCoreApplication::translate("ErasureReport", "none found"));
    const QJsonObject luks = drive.value(QStringLiteral("luks")).toObject();
    if (!luks.isEmpty())
        html += row(QCoreApplication::translate("ErasureReport", "Encryption keys"),
                    QCoreApplication::translate(
                        "ErasureReport", "%1: %2 key slot(s) destroyed, %3 of headers overwritten")
                        .arg(luks.value(QStringLiteral("version")).toString())
                        .arg(luks.value(QStringLiteral("keySlotsDestroyed")).toInt())
                        .arg(bytes(luks.value(QStringLiteral("headerBytesOverwritten")))));
    html += ownEraseRows(drive.value(QStringLiteral("ownErase")).toObject());
    for (const QJsonValue &pass : drive.value(QStringLiteral("passes")).toArray())
        html += row(
            QCoreApplication::translate("ErasureReport", "Pass %1")
                .arg(pass[QStringLiteral("pass")].toInt()),
            (pass[QStringLiteral("complete")].toBool()
                 ? QCoreApplication::translate("ErasureReport", "random data, %1, complete")
                 : QCoreApplication::translate("ErasureReport", "random data, %1, not complete"))
                .arg(bytes(pass[QStringLiteral("bytesWritten")])));
    html += row(QCoreApplication::translate("ErasureReport", "Verification"),
                readBackText(drive.value(QStringLiteral("verification")).toObject()));
    const QString discard = drive.value(QStringLiteral("discard")).toString();
    html += row(QCoreApplication::translate("ErasureReport", "Discard"),
                discard == QLatin1String("secure")
                    ? QCoreApplication::translate("ErasureReport", "the whole drive, securely")
                : discard == QLatin1String("discarded")
                    ? QCoreApplication::translate("ErasureReport", "the whole drive")
                : discard == QLatin1String("failed")
                    ? QCoreApplication::translate("ErasureReport", "refused by the drive")
                    : QCoreApplication::translate("ErasureReport", "not supported by the drive"));
    const QJsonObject made = drive.value(QStringLiteral("format")).toObject();
    if (!made.isEmpty())
        html += row(QCoreApplication::translate("ErasureReport", "Ready to use again"),
                    freshFormatText(made));
    html += row(QCoreApplication::translate("ErasureReport", "Sanitization"),
                drive.value(QStringLiteral("sanitizationText")).toString());
    return html + QStringLiteral("</table>");
}

// The technique in the record's words: the drive's own erase by its
// command, else the overwrite or the cryptographic erase.
QString techniqueText(const ErasureRecord &record)
{
    const QString technique = record.technique();
    const QJsonObject own = record.drive.value(QStringLiteral("ownErase")).toObject();
    if (!own.isEmpty())
        return (record.passes > 0
                    ? QCoreApplication::translate("ErasureReport",
                                                  "The drive's own erase (%1, %2), then overwrite")
                    : QCoreApplication::translate("ErasureReport",
                                                  "The drive's own erase (%1, %2)"))
            .arg(technique.section(QLatin1Char(','), 0, 0),
                 own.value(QStringLiteral("command")).toString());
    if (technique == QLatin1String("overwrite"))
        return QCoreApplication::translate("ErasureReport", "Overwrite");
    if (technique == QLatin1String("cryptographic-erase"))
        return QCoreApplication::translate("ErasureReport", "Cryptographic erase");
    return QCoreApplication::translate("ErasureReport", "Cryptographic erase, then overwrite");
}

// How what was done was checked.
QString verificationText(const ErasureRecord &record)
{
    QStringList ways;
    if (!record.drive.value(QStringLiteral("ownErase"))
             .toObject()
             .value(QStringLiteral("verification"))
             .toObject()
             .isEmpty())
        ways << QCoreApplication::translate(
            "ErasureReport", "Blocks sampled across the drive, marked before the drive's own "
                             "erase and read after it (NIST SP 800-88 Rev. 1, 4.7)");
    const bool sampled = record.drive.value(QStringLiteral("verification"))
                             .toObject()
                             .value(QStringLiteral("mode")) == QLatin1String("sample");
    if (record.readBack() && sampled)
        ways << QCoreApplication::translate("ErasureReport",
                                            "Blocks sampled across the drive read back after the "
                                            "last pass and compared (NIST SP 800-88 Rev. 1, 4.7)");
    else if (record.readBack())
        ways << QCoreApplication::translate("ErasureReport",
                                            "The last pass read back from the device and compared");
    return ways.isEmpty() ? QCoreApplication::translate("ErasureReport", "None")
                          : ways.join(QStringLiteral("; "));
}

// The record a sanitization standard asks for: the medium, the category and
// technique, and who did it and who checked it. What the user left empty is
// a line to fill in by hand. Kept in one piece: the record's rows, in the
// order it is read.
QString sanitizationSection(const ErasureRecord &record)
{
    const QString blank = QStringLiteral("______________________________");
    const auto filled = [&](const QString &value) { return value.isEmpty() ? blank : value; };
    QStringList vendors;
    QStringList models;
    QStringList serials;
    QString medium;
    QString words;
    if (record.kind == ErasureRecord::Kind::Drive) {
        vendors << record.drive.value(QStringLiteral("vendor")).toString();
        models << record.drive.value(QStringLiteral("model")).toString();
        serials << record.drive.value(QStringLiteral("serial")).toString();
        medium = record.drive.value(QStringLiteral("medium")).toString();
        words = record.drive.value(QStringLiteral("sanitizationText")).toString();
    } else {
        for (const VolumeMedium &m : record.media) {
            for (const QJsonValue &disk : m.storage.value(QStringLiteral("disks")).toArray()) {
                vendors << disk[QStringLiteral("vendor")].toString();
                models << disk[QStringLiteral("model")].toString();
                serials << disk[QStringLiteral("serial")].toString();
            }
            medium = medium.isEmpty() ? m.label : medium;
            words = words.isEmpty() ? m.sanitization : words;
        }
    }
    const auto joined = [](QStringList list) {
        list.removeAll(QString());
        list.removeDuplicates();
        return list.join(QStringLiteral(", "));
    };
    if (words.isEmpty())
        words = QCoreApplication::translate(
            "ErasureReport",
            "Neither Clear nor Purge (NIST SP 800-88): an overwrite through the file "
            "system does not reach every addressable block of the medium.");
    const ReportDetails &d = record.details;
    QString html =
        QStringLiteral("<h2>%1</h2><table>")
            .arg(esc(QCoreApplication::translate("ErasureReport", "Sanitization record")));
    html +=
        row(QCoreApplication::translate("ErasureReport", "Manufacturer"), filled(joined(vendors)));
    html += row(QCoreApplication::translate("ErasureReport", "Model"), filled(joined(models)));
    html +=
        row(QCoreApplication::translate("ErasureReport", "Serial number"), filled(joined(serials)));
    html += row(QCoreApplication::translate("ErasureReport", "Property number"),
                filled(d.propertyNumber));
    html += row(QCoreApplication::translate("ErasureReport", "Media type"), filled(medium));
    html +=
        row(QCoreApplication::translate("ErasureReport", "Media source"), filled(d.mediaSource));
    html += row(QCoreApplication::translate("ErasureReport", "Category"), words);
    html += row(QCoreApplication::translate("ErasureReport", "Technique"), techniqueText(record));
    html += row(QCoreApplication::translate("ErasureReport", "Tool"),
                QStringLiteral("Velmora %1").arg(QStringLiteral(VELMORA_VERSION)));
    html += row(QCoreApplication::translate("ErasureReport", "Verification method"),
                verificationText(record));
    html += row(QCoreApplication::translate("ErasureReport", "Destination after sanitization"),
                filled(d.destination));
    html += QStringLiteral("</table><h2>%1</h2><table>")
                .arg(esc(QCoreApplication::translate("ErasureReport", "Performed by")));
    html += row(QCoreApplication::translate("ErasureReport", "Name"), filled(d.operatorName));
    html += row(QCoreApplication::translate("ErasureReport", "Title"), filled(d.operatorTitle));
    html +=
        row(QCoreApplication::translate("ErasureReport", "Organisation"), filled(d.organisation));
    html += row(QCoreApplication::translate("ErasureReport", "Location"), filled(d.location));
    html += row(QCoreApplication::translate("ErasureReport", "Contact"), filled(d.contact));
    html += row(QCoreApplication::translate("ErasureReport", "Date"),
                QLocale().toString(record.finished.date(), QLocale::LongFormat));
    html += row(QCoreApplication::translate("ErasureReport", "Signature"), blank);
    html += QStringLiteral("</table><h2>%1</h2><table>")
                .arg(esc(QCoreApplication::translate("ErasureReport", "Verified by")));
    html += row(QCoreApplication::translate("ErasureReport", "Name"), filled(d.verifierName));
    html += row(QCoreApplication::translate("ErasureReport", "Title"), filled(d.verifierTitle));
    html += row(QCoreApplication::translate("ErasureReport", "Date"), blank);
    html += row(QCoreApplication::translate("ErasureReport", "Signature"), blank);
    return html + QStringLiteral("</table>");
}

// The log's lines begin with a symbol. Where the report's font has it, or a
// plain one like it, the PDF shows that; a colour emoji, which a PDF cannot
// carry, is left out with the space after it, so no empty box opens a line.
QString withPrintableSymbols(const QString &html, const QFont &font)
{
    static const QRegularExpression leading(QStringLiteral(
        ">([\\x{2100}-\\x{214F}\\x{2190}-\\x{2BFF}\\x{1F000}-\\x{1FAFF}])\\x{FE0F}? "));
    // The report's own font, not the fallbacks the desktop would reach for:
    // a colour emoji font draws nothing in a PDF, and would leave an indent.
    const QRawFont own = QRawFont::fromFont(font);
    QString out;
    qsizetype last = 0;
    auto it = leading.globalMatch(html);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        char32_t symbol = m.captured(1).toUcs4().value(0);
        if (symbol == U'\u2705')
            symbol = U'\u2714'; // ✅ as ✔
        else if (symbol == U'\u274C')
            symbol = U'\u2718'; // ❌ as ✘
        out += html.mid(last, m.capturedStart() - last) + QLatin1Char('>');
        if (own.supportsCharacter(symbol))
            out += QString::fromUcs4(&symbol, 1) + QLatin1Char(' ');
        last = m.capturedEnd();
    }
    return out + html.mid(last);
}

// A heading near the bottom of a page starts the next one instead: it
// never stands alone with its table on the page after. The document is
// laid out in pages already.
void keepHeadingsWithWhatFollows(QTextDocument *document)
{
    const qreal pageHeight = document->pageSize().height();
    QAbstractTextDocumentLayout *layout = document->documentLayout();
    // The heading, a line under it and the first rows of its table: about
    // an eighth of a page (the layout's units are the printer's).
    const qreal needed = pageHeight * 0.15;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0 || block.blockNumber() == 0)
            continue;
        const qreal top = layout->blockBoundingRect(block).top();
        const qreal left = pageHeight - std::fmod(top, pageHeight);
        if (left >= needed)
            continue;
        QTextCursor cursor(block);
        QTextBlockFormat format = block.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        cursor.setBlockFormat(format);
    }
}

// The table at the top: who, when, what, how, and how it ended.
QString summaryTable(const ErasureRecord &record)
{
    const QLocale locale;
    const auto when = [&](const QDateTime &t) {
        return locale.toString(t, QLocale::LongFormat) + QStringLiteral(" (") +
               t.toOffsetFromUtc(t.offsetFromUtc()).toString(Qt::ISODate) + QLatin1Char(')');
    };
    QString html;
    html += QStringLiteral("<table>");
    html += row(QCoreApplication::translate("ErasureReport", "Product"),
                QStringLiteral("Velmora %1").arg(QStringLiteral(VELMORA_VERSION)));
    html += row(QCoreApplication::translate("ErasureReport", "Host"), record.host);
    html += row(QCoreApplication::translate("ErasureReport", "User"), record.user);
    html += row(QCoreApplication::translate("ErasureReport", "Started"), when(record.started));
    html += row(QCoreApplication::translate("ErasureReport", "Finished"), when(record.finished));
    html += row(QCoreApplication::translate("ErasureReport", "Job"), record.kindName());
    html += row(QCoreApplication::translate("ErasureReport", "Method"), methodText(record.method));
    html += row(QCoreApplication::translate("ErasureReport", "Read back"),
                record.readBack() ? QCoreApplication::translate(
                                        "ErasureReport", "The last pass was read back and compared")
                : record.verify && record.passes > 0
                    ? QCoreApplication::translate("ErasureReport",
                                                  "Asked for, not done: the job did not finish")
                    : QCoreApplication::translate("ErasureReport", "No"));
    html += row(QCoreApplication::translate("ErasureReport", "Target"), record.target);
    if (record.kind != ErasureRecord::Kind::Files && record.kind != ErasureRecord::Kind::Drive) {
        html += row(QCoreApplication::translate("ErasureReport", "Mount point"), record.mountPoint);
        html += row(QCoreApplication::translate("ErasureReport", "Device"), record.device);
        html += row(QCoreApplication::translate("ErasureReport", "File system"), record.fileSystem);
    }
    html += row(QCoreApplication::translate("ErasureReport", "Result"), record.resultText());
    if (!record.signedBy.isEmpty()) {
        html += row(QCoreApplication::translate("ErasureReport", "JSON signed by key"),
                    record.signedBy);
        html += row(QCoreApplication::translate("ErasureReport", "Signed JSON's SHA-256"),
                    record.signedSha256);
    }
    const double seconds = record.seconds();
    const qint64 moved = record.bytesWritten + record.bytesVerified;
    html +=
        row(QCoreApplication::translate("ErasureReport", "Written"), sizeText(record.bytesWritten));
    if (record.verify)
        html += row(QCoreApplication::translate("ErasureReport", "Read back and compared"),
                    sizeText(record.bytesVerified));
    html += row(
        QCoreApplication::translate("ErasureReport", "Duration"),
        QCoreApplication::translate("ErasureReport", "%1 s").arg(locale.toString(seconds, 'f', 1)));
    if (seconds > 0)
        html += row(QCoreApplication::translate("ErasureReport", "Rate"),
                    rateText(double(moved) / seconds));
    html += QStringLiteral("</table>");
    return html;
}

// Sorted by name. A long list shows each folder with how many of its
// entries were erased, and every entry that was not: nothing that failed is
// ever left out. The header row repeats on each page.
QString entriesSection(const ErasureRecord &record)
{
    const QLocale locale;
    QString html;
    html += QStringLiteral("<h2>%1</h2>")
                .arg(esc(QCoreApplication::translate("ErasureReport", "Entries")));
    html += QStringLiteral("<p>%1</p>")
                .arg(esc(QCoreApplication::translate("ErasureReport", "%1 of %Ln entries erased.",
                                                     nullptr, int(record.entries.size()))
                             .arg(locale.toString(record.erasedEntries()))));
    QList<ErasureRecord::Entry> sorted = record.entries;
    std::sort(sorted.begin(), sorted.end(),
              [](const ErasureRecord::Entry &a, const ErasureRecord::Entry &b) {
                  return a.name < b.name;
              });
    const bool longList = sorted.size() > kListedEntries;
    const QString tableHead =
        QStringLiteral("<table width='100%'><thead><tr><th>%1</th><th>%2</th></tr></thead>")
            .arg(esc(QCoreApplication::translate("ErasureReport", "Entry")),
                 esc(QCoreApplication::translate("ErasureReport", "Outcome")));
    const auto entryRow = [](const QString &name, const QString &outcome) {
        return QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(esc(name), esc(outcome));
    };
    if (!longList) {
        html += tableHead;
        for (const ErasureRecord::Entry &entry : sorted)
            html += entryRow(entry.name, entry.outcome);
        html += QStringLiteral("</table>");
    } else {
        html += QStringLiteral("<p>%1</p>")
                    .arg(esc(QCoreApplication::translate(
                        "ErasureReport",
                        "Too many to list one by one: each folder, and every entry that was not "
                        "erased.")));
        html += tableHead;
        QStringList folders;
        for (const QByteArray &folder : record.listedFolders)
            folders << displayName(folder);
        std::sort(folders.begin(), folders.end());
        for (const QString &folder : folders) {
            int inside = 0;
            int erased = 0;
            for (const ErasureRecord::Entry &entry : sorted)
                if (entry.name.startsWith(folder + QLatin1Char('/'))) {
                    ++inside;
                    erased += entry.erased ? 1 : 0;
                }
            html += entryRow(
                folder + QLatin1Char('/'),
                QCoreApplication::translate("ErasureReport", "%1 of %Ln erased", nullptr, inside)
                    .arg(locale.toString(erased)));
        }
        for (const ErasureRecord::Entry &entry : sorted)
            if (!entry.erased)
                html += entryRow(entry.name, entry.outcome);
        html += QStringLiteral("</table>");
    }

    return html;
}

QString problemsSection(const ErasureRecord &record)
{
    QString html;
    html += QStringLiteral("<h2>%1</h2>")
                .arg(esc(QCoreApplication::translate("ErasureReport", "Problems")));
    if (record.problemCount == 0 && record.error.isEmpty()) {
        html += QStringLiteral("<p>%1</p>")
                    .arg(esc(QCoreApplication::translate("ErasureReport", "None.")));
    } else {
        if (!record.error.isEmpty())
            html += QStringLiteral("<p>%1</p>").arg(esc(record.error));
        if (record.problemCount > 0) {
            html += QStringLiteral("<p>%1</p><ul>")
                        .arg(esc(QCoreApplication::translate(
                            "ErasureReport", "%n item(s) could not be securely erased:", nullptr,
                            record.problemCount)));
            for (qsizetype i = 0; i < record.problems.size(); ++i) {
                const QString reason = record.problemReasons.value(i);
                html += reason.isEmpty()
                            ? QStringLiteral("<li>%1</li>").arg(esc(record.problems.at(i)))
                            : QStringLiteral("<li>%1 — %2</li>")
                                  .arg(esc(record.problems.at(i)), esc(reason));
            }
            html += QStringLiteral("</ul>");
            if (record.problemCount > record.problems.size())
                html += QStringLiteral("<p>%1</p>")
                            .arg(esc(QCoreApplication::translate(
                                "ErasureReport", "… and %n more.", nullptr,
                                int(record.problemCount - record.problems.size()))));
        }
    }
    return html;
}

} // namespace

QString reportHtml(const ErasureRecord &record)
{
    QString html = QStringLiteral(
        "<html><head><style>"
        "h1 { font-size: 18pt; color: #1b3a57; } h2 { font-size: 13pt; color: #1b3a57; }"
        "td { padding: 2px 8px 2px 0; } td.k { font-weight: bold; }"
        "th { text-align: left; background-color: #e9f0f7; padding: 3px; }"
        "</style></head><body>");
    html += QStringLiteral("<h1>%1</h1>")
                .arg(esc(QCoreApplication::translate("ErasureReport", "Velmora Erasure Report")));
    html += summaryTable(record);
    if (record.kind == ErasureRecord::Kind::Drive && !record.drive.isEmpty())
        html += driveSection(record.drive);
    html += sanitizationSection(record);
    html += entriesSection(record);
    html += problemsSection(record);
    if (!record.media.isEmpty()) {
        html += QStringLiteral("<h2>%1</h2>")
                    .arg(esc(QCoreApplication::translate("ErasureReport", "Storage")));
        for (const VolumeMedium &medium : record.media)
            html += storageTable(medium);
    }
    if (!record.warnings.isEmpty() || !record.notes.isEmpty()) {
        html += QStringLiteral("<h2>%1</h2>")
                    .arg(esc(QCoreApplication::translate("ErasureReport", "Notes")));
        for (const QString &note : record.warnings + record.notes)
            html += QStringLiteral("<p>%1</p>").arg(esc(note));
    }
    html += QStringLiteral("</body></html>");
    return html;
}

QByteArray reportPdf(const ErasureRecord &record)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QCoreApplication::translate("ErasureReport", "Velmora Erasure Report"));
        writer.setCreator(QStringLiteral("Velmora %1").arg(QStringLiteral(VELMORA_VERSION)));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
        QTextDocument document;
        // Names are set letter by letter: a ligature would turn the "fl" of
        // a path into one sign that a copy from the report no longer finds.
        QFont font = document.defaultFont();
        font.setStyleStrategy(QFont::PreferNoShaping);
        document.setDefaultFont(font);
        document.documentLayout()->setPaintDevice(&writer);
        document.setHtml(withPrintableSymbols(reportHtml(record), font));
        // The pages as the document lays them out, each with "page x of y"
        // under it.
        QPainter painter(&writer);
        const QRectF page(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
        const qreal footer = painter.fontMetrics().height() * 2.0;
        document.setPageSize(QSizeF(page.width(), page.height() - footer));
        keepHeadingsWithWhatFollows(&document);
        const int pages = document.pageCount();
        for (int i = 0; i < pages; ++i) {
            if (i > 0)
                writer.newPage();
            const QRectF shown(0, i * (page.height() - footer), page.width(),
                               page.height() - footer);
            painter.save();
            painter.translate(0, -shown.top());
            document.drawContents(&painter, shown);
            painter.restore();
            painter.drawText(QRectF(0, page.height() - footer, page.width(), footer),
                             Qt::AlignRight | Qt::AlignBottom,
                             QCoreApplication::translate("ErasureReport", "page %1 of %2")
                                 .arg(i + 1)
                                 .arg(pages));
        }
    }
    return buffer.data();
}

bool writeReportPdf(const ErasureRecord &record, const QString &fileName, QString *error)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(reportPdf(record)) < 0 || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool signRecord(ErasureRecord &record, QJsonObject *outcome, QString *why)
{
    *outcome = record.toJson();
    if (!signOutcome(outcome, signingKeyFile(), why))
        return false;
    const QJsonObject signature = outcome->value(QStringLiteral("signature")).toObject();
    record.signedBy = signature.value(QStringLiteral("fingerprint")).toString();
    record.signedSha256 = signature.value(QStringLiteral("sha256")).toString();
    return true;
}

bool keepRecord(ErasureRecord &record, bool withReport, QString *why, const QByteArray &pdf,
                KeptOutcome *kept)
{
    QJsonObject outcome;
    if (!signRecord(record, &outcome, why))
        return false;
    const QByteArray report = !withReport ? QByteArray() : !pdf.isEmpty() ? pdf : reportPdf(record);
    return keepOutcome(outcome, report, why, kept);
}

} // namespace velmora
