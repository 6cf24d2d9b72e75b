// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

namespace velmora
{

// The partition table at the start of a drive, read from its first sectors:
// an MBR ("dos") or a GPT, as the drive held it before a wipe.
struct PartitionTable {
    struct Partition {
        int number = 0;
        quint64 start = 0; // bytes
        quint64 bytes = 0;
        QString type; // "0x83", or the GPT type GUID
        QString name; // a GPT partition's name
    };
    QString type; // "gpt", "dos", or empty: none found
    QString id;   // the disk's GUID or MBR signature
    QList<Partition> partitions;

    QJsonObject toJson() const;
};

// `head` holds the drive's first bytes (the first 34 sectors at least);
// `sector` is its logical sector size.
PartitionTable parsePartitionTable(const QByteArray &head, quint32 sector);

} // namespace velmora
