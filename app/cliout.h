// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What every command of velmora-cli says with: a line to a stream, whole,
// and a refusal with its exit status.

#include <QByteArray>
#include <QString>

#include <cstdio>

namespace cli
{

// Usage errors and refusals: nothing was touched.
constexpr int kUsage = 2;

inline void printTo(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

// "velmora-cli: `message`" on standard error; returns `status`.
inline int fail(const QString &message, int status = kUsage)
{
    printTo(stderr, QStringLiteral("velmora-cli: %1\n").arg(message));
    return status;
}

} // namespace cli
