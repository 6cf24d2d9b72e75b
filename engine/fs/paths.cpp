// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/fs/paths.h"

#include <algorithm>

namespace velmora
{

namespace
{

// Characters that would change how a line looks rather than show a name:
// control characters (a newline could forge a log line of its own) and the
// marks that reverse the direction of text.
bool isHidden(char32_t c)
{
    return c < 0x20 || c == 0x7f || (c >= 0x80 && c < 0xa0) || (c >= 0x202a && c <= 0x202e) ||
           (c >= 0x2066 && c <= 0x2069) || c == 0x200e || c == 0x200f || c == 0x061c;
}

void appendEscaped(QString &out, const QByteArray &bytes)
{
    for (const char b : bytes)
        out += QStringLiteral("\\x%1").arg(uint(uchar(b)), 2, 16, QLatin1Char('0'));
}

} // namespace

QString displayName(const QByteArray &bytes)
{
    if (std::all_of(bytes.begin(), bytes.end(), [](char b) { return b >= 0x20 && b < 0x7f; }))
        return QString::fromLatin1(bytes);
    const QString text = QString::fromUtf8(bytes);
    if (!text.contains(QChar::ReplacementCharacter) && text.toUtf8() == bytes) {
        const QList<uint> codes = text.toUcs4();
        if (std::none_of(codes.begin(), codes.end(), [](uint c) { return isHidden(c); }))
            return text;
    }
    // Decode the valid UTF-8 runs; escape every byte that is not part of
    // one, and every character that is not shown as itself.
    QString out;
    out.reserve(bytes.size());
    qsizetype i = 0;
    while (i < bytes.size()) {
        const uchar c = uchar(bytes[i]);
        const int length = c < 0x80         ? 1
                           : (c >> 5) == 6  ? 2
                           : (c >> 4) == 14 ? 3
                           : (c >> 3) == 30 ? 4
                                            : 0;
        if (length > 0 && i + length <= bytes.size()) {
            const QByteArray part = bytes.mid(i, length);
            const QString decoded = length == 1 ? QString(QChar(c)) : QString::fromUtf8(part);
            if (!decoded.contains(QChar::ReplacementCharacter) && decoded.toUtf8() == part) {
                const char32_t code = decoded.toUcs4().value(0);
                if (isHidden(code))
                    appendEscaped(out, part);
                else
                    out += decoded;
                i += length;
                continue;
            }
        }
        appendEscaped(out, bytes.mid(i, 1));
        ++i;
    }
    return out;
}

} // namespace velmora
