// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Sizes as the user reads them, in one family of units throughout: the
// tables, the questions, the log and the report all count in powers of ten
// (kB, MB, GB, as drives are sold), in the user's locale.

#include <QLocale>
#include <QString>

namespace velmora
{

// "16.8 MB", "2.1 GB", "512 bytes".
inline QString sizeText(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
}

// The megabytes of `bytes` as a number with one decimal, for a sentence
// that says "MB" itself ("0.6").
inline QString megabytesText(quint64 bytes)
{
    return QLocale().toString(double(bytes) / 1e6, 'f', 1);
}

// "120.5 MB/s", "1.1 GB/s".
inline QString rateText(double bytesPerSecond)
{
    return QLocale().formattedDataSize(qint64(bytesPerSecond), 1, QLocale::DataSizeSIFormat) +
           QStringLiteral("/s");
}

} // namespace velmora
