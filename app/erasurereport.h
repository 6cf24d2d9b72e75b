// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/job/erasurerecord.h"
#include "engine/job/outcomestore.h"

#include <QJsonObject>

#include <QByteArray>
#include <QString>

namespace velmora
{

// The erasure report as a document: what was to be destroyed, by whom, when
// and how, each entry's outcome, the problems and the totals.
QString reportHtml(const ErasureRecord &record);

// The report as a PDF document. Needs a QGuiApplication.
QByteArray reportPdf(const ErasureRecord &record);

// Writes the report as a PDF to `fileName` (replacing it only once the new
// one is complete). On failure returns false with the reason in `error`.
// Needs a QGuiApplication.
bool writeReportPdf(const ErasureRecord &record, const QString &fileName, QString *error);

// The outcome of the finished `record`, signed with the user's key; the
// signature's fingerprint goes into `record`. False with the reason.
bool signRecord(ErasureRecord &record, QJsonObject *outcome, QString *why);

// Signs the outcome of the finished `record` and keeps it among the kept
// outcomes (Reports…, velmora-cli reports), with its PDF report where
// `withReport` (which needs a QGuiApplication; `pdf` where it was made
// already, the same bytes kept); where it went goes to `kept`. False with
// the reason.
bool keepRecord(ErasureRecord &record, bool withReport, QString *why,
                const QByteArray &pdf = QByteArray(), KeptOutcome *kept = nullptr);

} // namespace velmora
