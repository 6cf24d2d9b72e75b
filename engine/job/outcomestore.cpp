// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/job/outcomestore.h"

#include "engine/core/jobjournal.h"
#include "engine/job/reportsignature.h"
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

// The bytes of the regular file `name` in the open folder `dirFd`, read
// without following a link and never past kMostBytes; false for anything
// else (a link, a FIFO, a device, a file too large).
bool readRegular(int dirFd, const QByteArray &name, QByteArray *data)
{
    int error = 0;
    platform::Fd fd = platform::openForReadAt(dirFd, name, &error);
    platform::Status st;
    if (!fd.valid() || platform::statusAt(fd.get(), QByteArray(), &st) != 0 ||
        st.type != platform::Type::Regular || st.size > kMostBytes)
        return false;
    data->resize(qsizetype(st.size) + 1);
    const qint64 got = platform::readAt(fd.get(), data->data(), std::size_t(data->size()), 0, &error);
    if (got < 0 || got > kMostBytes)
        return false;
    data->resize(qsizetype(got));
    return true;
}

struct Found {
    KeptOutcome kept;
    QString signature; // its SHA-256 where the signature holds
};

// The kept outcomes of `folder` (velmora-*.json), each with its seal.
void readFolder(const QString &folder, const QString &ownKey, bool scheduled,
                std::vector<Found> *into)
{
    int error = 0;
    platform::Fd dir = platform::openFolderPath(QFile::encodeName(folder), true, &error);
    std::vector<QByteArray> names;
    if (!dir.valid() || platform::readNames(dir.get(), &names) != 0)
        return;
    std::sort(names.begin(), names.end());
    for (const QByteArray &name : names) {
        if (!name.startsWith("velmora-") || !name.endsWith(".json"))
            continue;
        QByteArray data;
        if (!readRegular(dir.get(), name, &data))
            continue;
        const QJsonObject outcome = QJsonDocument::fromJson(data).object();
        if (outcome.isEmpty())
            continue;
        Found found;
        KeptOutcome &kept = found.kept;
        QString problem;
        if (checkOutcome(outcome, QString(), &kept.signedBy, &problem)) {
            kept.seal = !ownKey.isEmpty() && kept.signedBy != ownKey ? KeptOutcome::Seal::OtherKey
                                                                      : KeptOutcome::Seal::Valid;
            found.signature = outcome.value(QStringLiteral("signature"))
                                  .toObject()
                                  .value(QStringLiteral("sha256"))
                                  .toString();
        } else {
            kept.seal = outcome.value(QStringLiteral("signature")).toObject().isEmpty()
                            ? KeptOutcome::Seal::NotSigned
                            : KeptOutcome::Seal::Changed;
        }
        const QByteArray stem = name.left(name.size() - 5);
        kept.json = QFile::decodeName(QFile::encodeName(folder) + '/' + name);
        platform::Status pdf;
        if (platform::statusAt(dir.get(), stem + ".pdf", &pdf) == 0 &&
            pdf.type == platform::Type::Regular)
            kept.pdf = QFile::decodeName(QFile::encodeName(folder) + '/' + stem + ".pdf");
        kept.finished = QDateTime::fromString(outcome.value(QStringLiteral("finished")).toString(),
                                              Qt::ISODateWithMs);
        kept.job = jobOf(outcome);
        kept.target = outcome.value(QStringLiteral("target")).toString();
        kept.result = outcome.value(QStringLiteral("result")).toString();
        kept.scheduled = scheduled;
        into->push_back(found);
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

QString KeptOutcome::sealText() const
{
    switch (seal) {
    case Seal::Valid:
        break;
    case Seal::NotSigned:
        return QCoreApplication::translate("KeptOutcome", "not signed");
    case Seal::Changed:
        return QCoreApplication::translate("KeptOutcome", "changed after it was signed");
    case Seal::OtherKey:
        return QCoreApplication::translate("KeptOutcome", "signed by another key");
    }
    return QString();
}

QLatin1String KeptOutcome::sealKey() const
{
    static const char *const keys[] = {"valid", "not signed", "changed after it was signed",
                                       "signed by another key"};
    return QLatin1String(keys[int(seal)]);
}

QString KeptOutcome::shownState() const
{
    if (seal == Seal::Valid)
        return stateText();
    return QCoreApplication::translate("KeptOutcome", "%1 (it says: %2)")
        .arg(sealText(), stateText());
}

QList<KeptOutcome> keptOutcomes()
{
    const QString ownKey = keyFileFingerprint(signingKeyFile());
    std::vector<Found> found;
    readFolder(outcomeStoreFolder(), ownKey, false, &found);
    // Root's two folders are one (/var/lib/velmora/reports).
    if (QFileInfo(scheduleReportFolder()) != QFileInfo(outcomeStoreFolder()))
        readFolder(scheduleReportFolder(), ownKey, true, &found);
    // The same signed outcome in both folders is one job. Only a signature
    // that holds makes two files one: a copy that merely names another's
    // SHA-256 hides nothing.
    QList<KeptOutcome> kept;
    QSet<QString> seen;
    for (const Found &f : found) {
        if (!f.signature.isEmpty() && seen.contains(f.signature))
            continue;
        if (!f.signature.isEmpty())
            seen.insert(f.signature);
        kept.append(f.kept);
    }
    std::stable_sort(kept.begin(), kept.end(), [](const KeptOutcome &a, const KeptOutcome &b) {
        return a.finished > b.finished;
    });
    return kept;
}

} // namespace velmora
