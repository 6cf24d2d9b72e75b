// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/clisession.h"

#include "app/cliout.h"
#include "app/erasurereport.h"
#include "engine/fs/paths.h"
#include "engine/job/erasemethods.h"
#include "engine/job/reportsignature.h"

#include <QDateTime>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <thread>

namespace cli
{

namespace
{

constexpr qsizetype kShownEntries = 20;

// How the job reads its work back, for the question.
QString readBackWords(const PreparedJob &job)
{
    if (!job.request.verify || job.record.passes <= 0)
        return QString();
    return job.request.verifySampled
               ? QCoreApplication::translate("Cli", ", blocks sampled across the drive read back")
               : QCoreApplication::translate("Cli", ", the last pass read back");
}

} // namespace

std::mutex JobSession::output;

bool JobSession::confirmed(const PreparedJob &job, bool thenFreeSpace)
{
    // A quiet script that confirms on the command line hears nothing of it.
    if (options.yes && options.quiet)
        return true;
    const velmora::ErasureRecord &record = job.record;
    printTo(stderr,
            QCoreApplication::translate(
                "Cli", "This will permanently destroy, beyond recovery:\n  %1\nMethod: %2%3\n")
                .arg(record.target, velmora::methodText(record.method), readBackWords(job)));
    if (record.kind == velmora::ErasureRecord::Kind::Files) {
        // What was named, not every file below it: the folders given and the
        // files given on their own, twenty at most.
        const QByteArrayList top = record.topLevel();
        for (qsizetype i = 0; i < std::min<qsizetype>(top.size(), kShownEntries); ++i)
            printTo(stderr, QStringLiteral("  %1\n").arg(velmora::displayName(top.at(i))));
        if (top.size() > kShownEntries)
            printTo(stderr, QCoreApplication::translate("Cli", "  … and %n more\n", nullptr,
                                                        int(top.size() - kShownEntries)));
        if (thenFreeSpace)
            printTo(stderr, QCoreApplication::translate(
                                "Cli", "then the free space of the volumes they are on\n"));
    }
    return askToType();
}

bool JobSession::confirmed(const std::vector<const PreparedJob *> &jobs)
{
    if (options.yes && options.quiet)
        return true;
    QString targets;
    for (const PreparedJob *job : jobs)
        targets += QStringLiteral("\n  ") + job->record.target;
    const PreparedJob &first = *jobs.front();
    printTo(stderr,
            QCoreApplication::translate(
                "Cli",
                "This will permanently destroy, beyond recovery, %n drive(s) at "
                "once:%1\nMethod: %2%3\n",
                nullptr, int(jobs.size()))
                .arg(targets, velmora::methodText(first.record.method), readBackWords(first)));
    return askToType();
}

bool JobSession::askToType()
{
    if (options.yes)
        return true;
    if (!velmora::platform::isTerminal(0)) {
        fail(QCoreApplication::translate(
            "Cli", "nothing erased: there is no terminal to confirm on; pass --yes to confirm "
                   "from a script"));
        return false;
    }
    printTo(stderr, QCoreApplication::translate("Cli", "Type Erase to confirm: "));
    std::string answer;
    if (!std::getline(std::cin, answer) ||
        QString::fromStdString(answer) != QLatin1String("Erase")) {
        fail(QCoreApplication::translate("Cli", "cancelled; nothing was erased"));
        return false;
    }
    return true;
}

void JobSession::tell(const velmora::JobEvent &event)
{
    if (options.quiet && !event.notable())
        return;
    const QString line = tag.isEmpty() ? event.line() : tag + QStringLiteral(": ") + event.line();
    std::lock_guard<std::mutex> lock(output);
    if (progressShown) {
        std::fputs("\r\033[K", stderr); // the next tick draws it again
        progressShown = false;
    }
    printTo(stdout, line + QLatin1Char('\n'));
}

void JobSession::drawProgress(bool final)
{
    meter.sample(clock.elapsed(), status);
    QString text = QStringLiteral("%1%  %2").arg(meter.percent(), 3).arg(meter.figures());
    const QString item = status.item();
    if (stop->load())
        text = QCoreApplication::translate(
            "Cli", "Stopping: waiting for the device to finish its current write "
                   "(Ctrl-C again quits at once)…");
    else if (!item.isEmpty() && status.phase().isEmpty())
        text += QStringLiteral("  ·  ") + item;
    std::lock_guard<std::mutex> lock(output);
    if (progressOnTerminal) {
        // One line, redrawn in place, never wider than the terminal.
        const int columns = velmora::platform::terminalColumns(2);
        if (columns > 1 && text.size() >= columns)
            text = text.left(columns - 2) + QStringLiteral("…");
        printTo(stderr,
                QStringLiteral("\r\033[K") + text + (final ? QStringLiteral("\n") : QString()));
        progressShown = !final;
    } else {
        printTo(stderr, text + QLatin1Char('\n'));
    }
}

void JobSession::progressLoop()
{
    // A terminal is redrawn twice a second; a log file or a pipe gets a line
    // every few seconds.
    const auto interval = std::chrono::milliseconds(progressOnTerminal ? 500 : 5000);
    std::unique_lock<std::mutex> lock(waitMutex);
    while (!wake.wait_for(lock, interval, [this] { return jobDone; })) {
        lock.unlock();
        drawProgress(false);
        lock.lock();
    }
}

void JobSession::runJobOnly(PreparedJob &job)
{
    ctx.stopRequested = stop;
    ctx.report = &report;
    ctx.status = &status;
    ctx.userFolder = QDir::homePath();
    ctx.onEvent = [this](const velmora::JobEvent &event) { tell(event); };
    job.record.started = QDateTime::currentDateTime();
    // Kept until the job returns, for the next start should it not.
    velmora::JobJournal journal(options.method);
    ctx.journal = &journal;
    QString error;
    if (!velmora::runJob(job.request, ctx, &error))
        report.setError(error);
    ctx.journal = nullptr;
}

void JobSession::runWithProgress(PreparedJob &job)
{
    // From here on Ctrl-C and SIGTERM stop the job as Stop does; at the
    // question before, they simply end the program.
    velmora::platform::catchStopSignals(stop);
    progressOnTerminal = velmora::platform::isTerminal(2);
    startClock();
    std::thread progress;
    if (!options.quiet)
        progress = std::thread([this] { progressLoop(); });
    runJobOnly(job);
    if (progress.joinable()) {
        {
            std::lock_guard<std::mutex> lock(waitMutex);
            jobDone = true;
        }
        wake.notify_all();
        progress.join();
        if (progressOnTerminal && progressShown)
            drawProgress(true);
    }
}

bool JobSession::prepareOutputs()
{
    const struct {
        const QByteArray &path;
        velmora::platform::PendingFile &pending;
        const char *option;
    } outputs[] = {{jsonFile, jsonOut, "--json"}, {reportFile, reportOut, "--report"}};
    for (const auto &output : outputs) {
        if (output.path.isEmpty())
            continue;
        if (const int rc = output.pending.prepare(output.path)) {
            fail(QCoreApplication::translate("Cli",
                                             "%1 %2 cannot be written (%3); nothing was erased")
                     .arg(QLatin1String(output.option), velmora::displayName(output.path),
                          velmora::platform::errorText(rc)));
            return false;
        }
    }
    if (jsonFile.isEmpty())
        return true;
    QString why;
    QStringList warnings;
    if (!velmora::prepareSigningKey(velmora::signingKeyFile(), &why, &warnings)) {
        fail(QCoreApplication::translate(
                 "Cli", "the JSON outcome could not be signed: %1; nothing was erased")
                 .arg(why));
        return false;
    }
    for (const QString &warning : warnings)
        printTo(stderr,
                QCoreApplication::translate("Cli", "velmora-cli: warning: %1\n").arg(warning));
    return true;
}

bool JobSession::writeOutputs(velmora::ErasureRecord &record)
{
    bool written = true;
    if (!jsonFile.isEmpty()) {
        // Signed with the user's key: a change made after shows.
        QJsonObject outcome;
        QString unsignedWhy;
        if (!velmora::signRecord(record, &outcome, &unsignedWhy)) {
            printTo(stderr, QCoreApplication::translate(
                                "Cli", "velmora-cli: the JSON outcome is not signed: %1\n")
                                .arg(unsignedWhy));
            written = false;
        }
        if (const int rc = jsonOut.commit(QJsonDocument(outcome).toJson())) {
            fail(QCoreApplication::translate("Cli",
                                             "the JSON outcome could not be written to %1: %2")
                     .arg(velmora::displayName(jsonFile), velmora::platform::errorText(rc)),
                 1);
            written = false;
        }
    }
    if (!reportFile.isEmpty()) {
        reportBytes = velmora::reportPdf(record);
        if (const int rc = reportOut.commit(reportBytes)) {
            fail(QCoreApplication::translate("Cli", "the report could not be written to %1: %2")
                     .arg(velmora::displayName(reportFile), velmora::platform::errorText(rc)),
                 1);
            written = false;
        }
    }
    return written;
}

int JobSession::finish(velmora::ErasureRecord &record)
{
    const int signal = velmora::platform::caughtSignal();
    record.finish(report, ctx.bytesWritten, ctx.bytesVerified, stop->load());
    if (signal)
        tell({velmora::JobEvent::Kind::Warning, velmora::stoppedBySignalLine(signal)});
    const QString who = tag.isEmpty() ? QString() : tag + QStringLiteral(": ");
    if (!record.error.isEmpty())
        printTo(stderr, QStringLiteral("velmora-cli: %1%2\n").arg(who, record.error));
    for (const QString &path : record.problems)
        printTo(
            stderr,
            QCoreApplication::translate("Cli", "velmora-cli: not securely erased: %1\n").arg(path));
    if (record.problemCount > record.problems.size())
        printTo(stderr, QCoreApplication::translate(
                            "Cli", "velmora-cli: … and %1 more not securely erased\n")
                            .arg(record.problemCount - record.problems.size()));
    if (!options.quiet || record.result != velmora::ErasureRecord::Result::Erased)
        printTo(stderr, who + record.summary() + QLatin1Char('\n'));
    const bool written = writeOutputs(record);
    // Kept for velmora-cli reports and the window's Reports…, with the
    // report where one was asked for.
    QString unkept;
    if (!velmora::keepRecord(record, !reportFile.isEmpty(), &unkept, reportBytes))
        printTo(stderr, QCoreApplication::translate(
                            "Cli", "velmora-cli: warning: the outcome could not be kept: %1\n")
                            .arg(unkept));
    lastEnd = record.resultText();
    if (!record.error.isEmpty())
        lastEnd += QStringLiteral(": ") + record.error;
    else if (!written)
        lastEnd += QStringLiteral(": ") +
                   QCoreApplication::translate("Cli", "its outcome files could not be written");
    if (signal)
        return 128 + signal;
    return record.result == velmora::ErasureRecord::Result::Erased && written ? 0 : 1;
}

void JobSession::resetForNextJob()
{
    report.reset();
    status.reset();
    ctx.bytesWritten = 0;
    ctx.bytesVerified = 0;
    ctx.postedPercent = 0;
    std::lock_guard<std::mutex> lock(waitMutex);
    jobDone = false;
}

bool JobSession::stopped() const
{
    return stop->load() || velmora::platform::caughtSignal() != 0;
}

void JobSession::dropOutputs()
{
    jsonFile.clear();
    reportFile.clear();
}

int JobSession::run(PreparedJob job)
{
    resetForNextJob();
    runWithProgress(job);
    return finish(job.record);
}

int JobSession::runBeside(PreparedJob job, std::atomic_bool *stopAll, qint64 chunk)
{
    stop = stopAll;
    ctx.driveChunk = chunk;
    resetForNextJob();
    runJobOnly(job);
    return finish(job.record);
}

QString JobSession::progressBrief()
{
    meter.sample(clock.elapsed(), status);
    return QStringLiteral("%1 %2%").arg(tag).arg(meter.percent());
}

} // namespace cli
