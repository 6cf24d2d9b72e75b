// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/paths.h"

namespace velmora
{

QString displayName(const QByteArray &bytes)
{
    QString text = QString::fromUtf8(bytes);
    if (!text.contains(QChar::ReplacementCharacter) || text.toUtf8() == bytes)
        return text;
    // Decode the valid runs and escape every byte that is not part of one.
    QString out;
    qsizetype i = 0;
    while (i < bytes.size()) {
        const uchar c = uchar(bytes[i]);
        int length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (length > 0 && i + length <= bytes.size()) {
            const QByteArray part = bytes.mid(i, length);
            const QString decoded = QString::fromUtf8(part);
            if (!decoded.contains(QChar::ReplacementCharacter) && decoded.toUtf8() == part) {
                out += decoded;
                i += length;
                continue;
            }
        }
        out += QStringLiteral("\\x%1").arg(c, 2, 16, QLatin1Char('0'));
        ++i;
    }
    return out;
}

} // namespace velmora
