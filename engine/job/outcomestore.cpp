// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/job/outcomestore.h"

#include "engine/core/jobjournal.h"
#include "engine/job/schedules.h"
#include "engine/platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSet>

#include <algorithm>

namespace velmora
{

namespace
{

// Outcomes are small; a file far larger is none of ours.
constexpr qint64 kMostBytes = 64 * 1024 * 1024;

QString jobOf(const QJsonObject &outcome)
{
    return outcome.value(QStringLiteral("job")).toString();
}

// The kept outcomes of `folder` whose names match `pattern`.
void readFolder(const QString &folder, const QString &pattern, bool scheduled,
                QList<KeptOutcome> *into, QSet<QString> *seen)
{
    const QDir dir(folder);
    for (const QFileInfo &info : dir.entryInfoList({pattern}, QDir::Files, QDir::Name)) {
        QFile file(info.filePath());
        if (info.size() > kMostBytes || !file.open(QIODevice::ReadOnly))
            continue;
        const QJsonObject outcome = QJsonDocument::fromJson(file.readAll()).object();
        if (outcome.isEmpty())
            continue;
        // The same signed outcome in both folders is one job.
        const QString signature = outcome.value(QStringLiteral("signature"))
                                      .toObject()
                                      .value(QStringLiteral("sha256"))
                                      .toString();
        if (!signature.isEmpty() && seen->contains(signature))
            continue;
        seen->insert(signature);
        KeptOutcome kept;
        kept.json = info.filePath();
        const QString pdf =
            info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".pdf");
        if (QFileInfo(pdf).isFile())
            kept.pdf = pdf;
        kept.finished = QDateTime::fromString(outcome.value(QStringLiteral("finished")).toString(),
                                              Qt::ISODateWithMs);
        kept.job = jobOf(outcome);
        kept.target = outcome.value(QStringLiteral("target")).toString();
        kept.result = outcome.value(QStringLiteral("result")).toString();
        kept.scheduled = scheduled;
        into->append(kept);
    }
}

} // namespace

QString KeptOutcome::jobText() const
{
    QString text;
    if (job == QLatin1String("files"))
        text = QCoreApplication::translate("KeptOutcome", "Erase files");
    else if (job == QLatin1String("volume"))
        text = QCoreApplication::translate("KeptOutcome", "Wipe volume");
    else if (job == QLatin1String("freespace"))
        text = QCoreApplication::translate("KeptOutcome", "Wipe free space");
    else if (job == QLatin1String("drive"))
        text = QCoreApplication::translate("KeptOutcome", "Wipe drive");
    else
        text = job;
    if (scheduled)
        return QCoreApplication::translate("KeptOutcome", "Scheduled: %1").arg(text);
    return text;
}

QString KeptOutcome::stateText() const
{
    if (result == QLatin1String("erased")) {
        if (job == QLatin1String("files"))
            return QCoreApplication::translate("ErasureRecord", "Erased");
        return QCoreApplication::translate("ErasureRecord", "Wiped");
    }
    if (result == QLatin1String("problems"))
        return QCoreApplication::translate("ErasureRecord", "Finished with problems");
    if (result == QLatin1String("stopped"))
        return QCoreApplication::translate("ErasureRecord", "Stopped before the end");
    if (result == QLatin1String("failed"))
        return QCoreApplication::translate("ErasureRecord", "Did not finish");
    return result;
}

QString outcomeStoreFolder()
{
    return QFile::decodeName(ownFolder("XDG_DATA_HOME", ".local/share")) +
           QStringLiteral("/reports");
}

bool keepOutcome(const QJsonObject &outcome, const QByteArray &pdf, QString *why, KeptOutcome *kept)
{
    const QString folder = outcomeStoreFolder();
    if (const int rc = platform::makeFolders(QFile::encodeName(folder))) {
        *why = platform::errorText(rc);
        return false;
    }
    QDateTime finished = QDateTime::fromString(outcome.value(QStringLiteral("finished")).toString(),
                                               Qt::ISODateWithMs);
    if (!finished.isValid())
        finished = QDateTime::currentDateTimeUtc();
    // "velmora-20261209-184512-345-drive": when it ended and what it was;
    // a name already taken gets a number.
    const QString base =
        QStringLiteral("%1/velmora-%2-%3")
            .arg(folder, finished.toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")),
                 jobOf(outcome).isEmpty() ? QStringLiteral("job") : jobOf(outcome));
    QString stem = base;
    for (int n = 2; QFileInfo::exists(stem + QStringLiteral(".json")) ||
                    QFileInfo::exists(stem + QStringLiteral(".pdf"));
         ++n)
        stem = base + QLatin1Char('-') + QString::number(n);
    const struct {
        QString path;
        QByteArray data;
    } files[] = {{stem + QStringLiteral(".json"), QJsonDocument(outcome).toJson()},
                 {pdf.isEmpty() ? QString() : stem + QStringLiteral(".pdf"), pdf}};
    for (const auto &file : files) {
        if (file.path.isEmpty())
            continue;
        platform::PendingFile out;
        int rc = out.prepare(QFile::encodeName(file.path));
        if (rc == 0)
            rc = out.commit(file.data);
        if (rc != 0) {
            *why = QStringLiteral("%1: %2").arg(file.path, platform::errorText(rc));
            return false;
        }
    }
    if (kept) {
        kept->json = stem + QStringLiteral(".json");
        kept->pdf = pdf.isEmpty() ? QString() : stem + QStringLiteral(".pdf");
        kept->finished = finished;
        kept->job = jobOf(outcome);
        kept->target = outcome.value(QStringLiteral("target")).toString();
        kept->result = outcome.value(QStringLiteral("result")).toString();
    }
    return true;
}

QList<KeptOutcome> keptOutcomes()
{
    QList<KeptOutcome> kept;
    QSet<QString> seen;
    readFolder(outcomeStoreFolder(), QStringLiteral("velmora-*.json"), false, &kept, &seen);
    // Root's two folders are one (/var/lib/velmora/reports).
    if (QFileInfo(scheduleReportFolder()) != QFileInfo(outcomeStoreFolder()))
        readFolder(scheduleReportFolder(), QStringLiteral("velmora-*.json"), true, &kept, &seen);
    std::stable_sort(kept.begin(), kept.end(), [](const KeptOutcome &a, const KeptOutcome &b) {
        return a.finished > b.finished;
    });
    return kept;
}

} // namespace velmora
