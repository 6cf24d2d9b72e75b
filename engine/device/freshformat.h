// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A wiped drive made ready to use again, as a stick bought new: a new
// partition table (GPT, or MBR for FAT32) with one partition over the whole
// drive, and a fresh file system on it, made by the file system's own mkfs.

#include "engine/platform/platform.h"

#include <QJsonObject>
#include <QString>

#include <optional>

namespace velmora
{

enum class FreshFileSystem { Exfat, Fat32, Ext4 };

// "exfat", "fat32", "ext4".
QString freshFileSystemKey(FreshFileSystem fs);
std::optional<FreshFileSystem> freshFileSystemOfKey(const QString &key);

struct FreshFormat {
    FreshFileSystem fs = FreshFileSystem::Exfat;
    QString label; // empty: none
};

// Why `label` cannot name a new `fs` file system (too long, or characters
// it does not take); empty when it can.
QString freshLabelRefusal(FreshFileSystem fs, const QString &label);

// Formats the wiped whole drive at `path`, held through `held`: the table
// and the partition are written while it is held; then it is let go (`held`
// closed), since mkfs claims the partition for itself. Facts for the
// certificate go to `*facts`; false, with the reason, where a step failed.
bool formatFresh(const QByteArray &path, platform::Fd &held, const FreshFormat &format,
                 QJsonObject *facts, QString *why);

} // namespace velmora
