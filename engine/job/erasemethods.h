// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/core/chunks.h"

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

QStringList methodDisplayNames();
// `text` for a reader: each method's display name in it in the user's
// language ("NIST 800-88 (1 Durchgang zufällig)"). Records, journals and
// the JSON outcome keep the names themselves.
QString methodText(QString text);
// A method by its short name (NIST, DoD, British, German, Gutmann) or as
// displayed, in any case; empty when there is none.
QString methodNamed(const QString &word);
QString methodShortName(const QString &method);

} // namespace velmora

// Pass count for a method display name: a case-sensitive prefix test on
// "DoD", "Gutmann", "British", "German" in that order; anything else,
// the empty string included, gets one pass.
int passCountForMethod(const QString &method);
