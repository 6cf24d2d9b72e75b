// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The five erase methods travel through the application as their display
// names; the pass count is always derived from the name with
// passCountForMethod, never stored.
namespace velmora
{

inline const QString kMethodNist = QStringLiteral("NIST 800-88 (1 pass random)");
inline const QString kMethodDoD = QStringLiteral("DoD 5220.22-M (3 passes)");
inline const QString kMethodBritish = QStringLiteral("British HMG IS5 (2 passes)");
inline const QString kMethodGerman = QStringLiteral("German VSITR (7 passes)");
inline const QString kMethodGutmann = QStringLiteral("Gutmann 35-pass");

// One chunk is one write of at most 1 MiB; it is the unit of progress.
constexpr qint64 kChunkSize = 1024 * 1024;

QStringList methodDisplayNames();
// A method by its short name (NIST, DoD, British, German, Gutmann) or as
// displayed, in any case; empty when there is none.
QString methodNamed(const QString &word);
QString methodShortName(const QString &method);

// Number of chunks that cover `bytes` bytes (the last chunk may be short).
constexpr qint64 chunksForSize(qint64 bytes)
{
    return bytes <= 0 ? 0 : (bytes + kChunkSize - 1) / kChunkSize;
}

} // namespace velmora

// Pass count for a method display name: a case-sensitive prefix test on
// "DoD", "Gutmann", "British", "German" in that order; anything else,
// the empty string included, gets one pass.
int passCountForMethod(const QString &method);
