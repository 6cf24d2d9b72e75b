// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/device/partitiontable.h"

#include <QJsonArray>

namespace velmora
{

namespace
{

quint64 little(const QByteArray &data, qsizetype at, int bytes)
{
    quint64 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | quint8(data.at(at + i));
    return value;
}

QString guid(const QByteArray &data, qsizetype at)
{
    // Mixed-endian, as GPT stores it: the first three fields little-endian.
    const QByteArray g = data.mid(at, 16);
    QByteArray text;
    for (int i : {3, 2, 1, 0})
        text += g.mid(i, 1).toHex();
    text += '-';
    for (int i : {5, 4})
        text += g.mid(i, 1).toHex();
    text += '-';
    for (int i : {7, 6})
        text += g.mid(i, 1).toHex();
    text += '-' + g.mid(8, 2).toHex() + '-' + g.mid(10, 6).toHex();
    return QString::fromLatin1(text).toUpper();
}

} // namespace

PartitionTable parsePartitionTable(const QByteArray &head, quint32 sector)
{
    PartitionTable table;
    if (head.size() < 512 || quint8(head.at(510)) != 0x55 || quint8(head.at(511)) != 0xaa)
        return table;
    const qsizetype gptAt = qsizetype(sector);
    if (head.size() >= gptAt + 92 && head.mid(gptAt, 8) == "EFI PART") {
        table.type = QStringLiteral("gpt");
        table.id = guid(head, gptAt + 56);
        const quint64 entriesLba = little(head, gptAt + 72, 8);
        const quint32 count = quint32(little(head, gptAt + 80, 4));
        const quint32 size = quint32(little(head, gptAt + 84, 4));
        if (size < 128 || size > 4096)
            return table;
        for (quint32 i = 0; i < std::min<quint32>(count, 256); ++i) {
            const quint64 at = entriesLba * sector + quint64(i) * size;
            if (at + 128 > quint64(head.size()))
                break;
            const QByteArray entry = head.mid(qsizetype(at), 128);
            if (entry.left(16) == QByteArray(16, '\0'))
                continue;
            PartitionTable::Partition p;
            p.number = int(i) + 1;
            const quint64 first = little(entry, 32, 8);
            const quint64 last = little(entry, 40, 8);
            p.start = first * sector;
            p.bytes = last >= first ? (last - first + 1) * sector : 0;
            p.type = guid(entry, 0);
            QString name;
            for (int c = 56; c + 1 < 128; c += 2) {
                const char16_t unit = char16_t(little(entry, c, 2));
                if (unit == 0)
                    break;
                name += QChar(unit);
            }
            p.name = name;
            table.partitions.append(p);
        }
        return table;
    }
    table.type = QStringLiteral("dos");
    table.id = QStringLiteral("0x%1").arg(little(head, 440, 4), 8, 16, QLatin1Char('0'));
    for (int i = 0; i < 4; ++i) {
        const qsizetype at = 446 + 16 * i;
        const quint8 kind = quint8(head.at(at + 4));
        if (kind == 0)
            continue;
        PartitionTable::Partition p;
        p.number = i + 1;
        p.start = little(head, at + 8, 4) * sector;
        p.bytes = little(head, at + 12, 4) * sector;
        p.type = QStringLiteral("0x%1").arg(kind, 2, 16, QLatin1Char('0'));
        table.partitions.append(p);
    }
    return table;
}

QJsonObject PartitionTable::toJson() const
{
    QJsonArray list;
    for (const Partition &p : partitions)
        list.append(QJsonObject{{QStringLiteral("number"), p.number},
                                {QStringLiteral("start"), double(p.start)},
                                {QStringLiteral("bytes"), double(p.bytes)},
                                {QStringLiteral("type"), p.type},
                                {QStringLiteral("name"), p.name}});
    return QJsonObject{
        {QStringLiteral("type"), type.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(type)},
        {QStringLiteral("id"), id},
        {QStringLiteral("partitions"), list}};
}

} // namespace velmora
