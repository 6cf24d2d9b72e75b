// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/clistation.h"

#include "app/clicommands.h"
#include "app/cliout.h"
#include "app/clisession.h"
#include "engine/device/drivewipe.h"
#include "engine/fs/paths.h"
#include "engine/platform/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

namespace cli
{

namespace
{

// --json or --report with several drives: a folder (to be made where the
// name ends in '/'), or a refusal said. Nothing is made here: a run refused
// later leaves no folder behind. A link there that another user owns is
// never followed (a name in /tmp that someone else put there could lead
// root anywhere).
bool outputFolder(const QByteArray &given, const char *option, QByteArray *folder, bool *toMake)
{
    *toMake = false;
    if (given.isEmpty())
        return true;
    QByteArray name = given;
    while (name.size() > 1 && name.endsWith('/'))
        name.chop(1);
    velmora::platform::Status st;
    if (velmora::platform::statusAt(velmora::platform::kWorkingFolder, name, &st) == 0 &&
        st.type == velmora::platform::Type::Link && st.owner != velmora::platform::effectiveUser() &&
        st.owner != 0) {
        fail(QCoreApplication::translate("Cli", "%1 %2 is a link another user made; name the "
                                                "folder itself")
                 .arg(QLatin1String(option), velmora::displayName(given)));
        return false;
    }
    const bool isFolder = QFileInfo(QFile::decodeName(name)).isDir();
    if (!isFolder && !given.endsWith('/')) {
        fail(QCoreApplication::translate(
                 "Cli", "with several drives, %1 names a folder, where each drive's file goes")
                 .arg(QLatin1String(option)));
        return false;
    }
    *toMake = !isFolder;
    *folder = given.endsWith('/') ? given : given + '/';
    return true;
}

// The folder outputFolder() named, made now that the run goes ahead.
bool makeOutputFolder(const QByteArray &folder, bool toMake, const char *option)
{
    if (!toMake || QDir().mkpath(QFile::decodeName(folder)))
        return true;
    fail(QCoreApplication::translate(
             "Cli", "with several drives, %1 names a folder, where each drive's file goes")
             .arg(QLatin1String(option)));
    return false;
}

// One line for all: "sdb 45%  ·  sdc 12%".
void drawAll(const std::vector<std::unique_ptr<JobSession>> &sessions, bool onTerminal)
{
    QStringList parts;
    for (const auto &session : sessions)
        parts.append(session->progressBrief());
    const QString text = parts.join(QStringLiteral("  ·  "));
    printTo(stderr, onTerminal ? QStringLiteral("\r\033[K") + text : text + QLatin1Char('\n'));
}

} // namespace

namespace
{

// Every drive checked and held, and its session's outcome files readied,
// before anything is asked: one refused refuses them all, and the same
// drive named twice is held once. One look at the system for them all;
// where one is no drive, each is looked at alone, and says why.
bool prepareAll(const Options &options, std::vector<PreparedJob> *jobs,
                std::vector<std::unique_ptr<JobSession>> *sessions)
{
    QByteArray jsonFolder;
    QByteArray reportFolder;
    bool makeJson = false;
    bool makeReport = false;
    if (!outputFolder(options.jsonFile, "--json", &jsonFolder, &makeJson) ||
        !outputFolder(options.reportFile, "--report", &reportFolder, &makeReport))
        return false;
    std::vector<velmora::platform::Drive> seen;
    qsizetype missing = 0;
    if (velmora::platform::drivesAt(options.paths, &seen, &missing) != 0)
        seen.clear();
    for (qsizetype i = 0; i < options.paths.size(); ++i) {
        PreparedJob job;
        job.request.method = options.method;
        job.request.verify = options.verify;
        if (!prepareDrive(options, {options.paths.at(i)}, &job,
                          seen.empty() ? nullptr : &seen[std::size_t(i)]))
            return false;
        jobs->push_back(std::move(job));
    }
    if (!makeOutputFolder(jsonFolder, makeJson, "--json") ||
        !makeOutputFolder(reportFolder, makeReport, "--report"))
        return false;
    QSet<QString> stems;
    for (const PreparedJob &job : *jobs) {
        const velmora::platform::Drive &drive = job.request.pinned->drive;
        const QByteArray stem = QFile::encodeName(velmora::outcomeFileStem(drive, &stems));
        sessions->push_back(std::make_unique<JobSession>(
            options, jsonFolder.isEmpty() ? QByteArray() : jsonFolder + stem + ".json",
            reportFolder.isEmpty() ? QByteArray() : reportFolder + stem + ".pdf",
            QFileInfo(velmora::displayName(drive.path)).fileName()));
        if (!sessions->back()->prepareOutputs())
            return false;
    }
    return true;
}

// Every drive still the one named, or none is wiped: one look at the
// system again, for them all. False, said, when one is not.
bool stillTheSame(const Options &options, const std::vector<PreparedJob> &jobs)
{
    std::vector<const velmora::PinnedDrive *> pins;
    for (const PreparedJob &job : jobs)
        pins.push_back(job.request.pinned.get());
    const QString changed = velmora::pinnedDrivesChanged(options.paths, pins);
    if (changed.isEmpty())
        return true;
    fail(changed.mid(changed.indexOf(QLatin1Char(' ')) + 1));
    return false;
}

// Runs every job on a thread of its own, the line of progress of them all
// drawn meanwhile; each job's exit status.
std::vector<int> runAll(const Options &options, std::vector<PreparedJob> jobs,
                        const std::vector<std::unique_ptr<JobSession>> &sessions)
{
    // From here on Ctrl-C and SIGTERM stop every drive as Stop does.
    std::atomic_bool stop{false};
    velmora::platform::catchStopSignals(&stop);
    std::vector<int> status(jobs.size(), 0);
    std::atomic<int> running{int(jobs.size())};
    std::vector<std::thread> threads;
    const qint64 chunk = velmora::driveChunkFor(jobs.size());
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        sessions[i]->startClock();
        threads.emplace_back([&, i, chunk] {
            status[i] = sessions[i]->runBeside(std::move(jobs[i]), &stop, chunk);
            --running;
        });
    }
    const bool onTerminal = velmora::platform::isTerminal(2);
    const auto interval = std::chrono::milliseconds(onTerminal ? 500 : 5000);
    for (auto waited = std::chrono::milliseconds(0); running > 0;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        waited += std::chrono::milliseconds(50);
        if (!options.quiet && waited >= interval && running > 0) {
            drawAll(sessions, onTerminal);
            waited = std::chrono::milliseconds(0);
        }
    }
    for (std::thread &thread : threads)
        thread.join();
    if (!options.quiet && onTerminal)
        printTo(stderr, QStringLiteral("\r\033[K"));
    return status;
}

} // namespace

int runDriveStation(const Options &options)
{
    std::vector<PreparedJob> jobs;
    std::vector<std::unique_ptr<JobSession>> sessions;
    if (!prepareAll(options, &jobs, &sessions))
        return kUsage;
    std::vector<const PreparedJob *> asked;
    std::vector<QString> serials;
    for (const PreparedJob &job : jobs) {
        asked.push_back(&job);
        serials.push_back(job.request.pinned->drive.disk.serial);
    }
    if (!sessions.front()->confirmed(asked) || !stillTheSame(options, jobs))
        return kUsage;
    const std::vector<int> status = runAll(options, std::move(jobs), sessions);
    // Each drive's state, whatever the others did.
    int exitStatus = 0;
    printTo(stderr, QCoreApplication::translate("Cli", "Drive\tSerial\tState\n"));
    for (std::size_t i = 0; i < sessions.size(); ++i) {
        printTo(stderr, QStringLiteral("%1\t%2\t%3\n")
                            .arg(sessions[i]->name(),
                                 serials[i].isEmpty() ? QStringLiteral("-") : serials[i],
                                 sessions[i]->endText()));
        exitStatus = std::max(exitStatus, status[i]);
    }
    return exitStatus;
}

} // namespace cli
