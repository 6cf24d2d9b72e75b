// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One or more jobs of velmora-cli run in turn: the question, the log on
// standard output, the progress line on standard error, the closing
// summary, and the --json and --report files of the first.

#include "app/clicommands.h"
#include "engine/core/jobcontext.h"
#include "engine/job/progressmeter.h"
#include "engine/platform/platform.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <vector>

namespace cli
{

class JobSession
{
  public:
    explicit JobSession(const Options &options) : options(options) {}
    // One of several side by side (a drive of many): its own outcome files,
    // and `tag` ("sdb") before each line it says.
    JobSession(const Options &options, QByteArray jsonFile, QByteArray reportFile, QString tag)
        : options(options), jsonFile(std::move(jsonFile)), reportFile(std::move(reportFile)),
          tag(std::move(tag))
    {
    }

    // Makes the --json and --report files' temporaries, and readies the
    // signing key, before anything is listed or written: a place where the
    // proof cannot be kept refuses the job. False (said) then.
    bool prepareOutputs();
    // Names what `job` destroys and has it confirmed; false (said) when it
    // is not. `thenFreeSpace`: a free-space wipe follows the erase.
    bool confirmed(const PreparedJob &job, bool thenFreeSpace);
    // The same for several jobs side by side, named one by one.
    bool confirmed(const std::vector<const PreparedJob *> &jobs);
    // Runs `job` to its end, says how it ended and writes its outcome
    // files: the exit status.
    int run(PreparedJob job);
    // The same for one of several side by side, on the caller's thread:
    // stopped by `*stop`, its progress drawn by whoever runs them all.
    // `chunk`: the bytes of each of its writes and reads, its share of the
    // memory the drives share (JobContext::driveChunk).
    int runBeside(PreparedJob job, std::atomic_bool *stop, qint64 chunk);
    // Before runBeside(), on the thread that draws the progress.
    void startClock()
    {
        meter.start();
        clock.start();
    }
    // "sdb 45%", for the line of progress of them all.
    QString progressBrief();
    const QString &name() const { return tag; }
    // How the last job ended, in words ("Wiped", "Did not finish"), and the
    // first reason where it did not end well.
    QString endText() const { return lastEnd; }
    // The jobs after the first say what they did in the log only.
    void dropOutputs();
    // One event of the job; with --quiet only warnings, problems and errors.
    void tell(const velmora::JobEvent &event);
    // A stop was asked for (Ctrl-C, SIGTERM, SIGHUP).
    bool stopped() const;
    // The volumes the last job worked on.
    QStringList volumes() const { return report.volumes(); }

  private:
    void runWithProgress(PreparedJob &job);
    void runJobOnly(PreparedJob &job);
    bool askToType();
    void resetForNextJob();
    void progressLoop();
    void drawProgress(bool final);
    int finish(velmora::ErasureRecord &record);
    bool writeOutputs(velmora::ErasureRecord &record);

    const Options &options;
    QByteArray jsonFile = options.jsonFile;
    QByteArray reportFile = options.reportFile;
    QString tag;
    QString lastEnd;
    velmora::platform::PendingFile jsonOut;
    velmora::platform::PendingFile reportOut;
    // The report written to --report, kept with the outcome as it is.
    QByteArray reportBytes;

    std::atomic_bool ownStop{false};
    std::atomic_bool *stop = &ownStop;
    velmora::JobReport report;
    velmora::JobStatus status;
    velmora::JobContext ctx;

    // Standard output (the log) and the progress line on standard error
    // share a terminal; one lock, shared by the jobs side by side, keeps
    // their lines whole.
    static std::mutex output;
    bool progressOnTerminal = false;
    bool progressShown = false;
    velmora::ProgressMeter meter;
    QElapsedTimer clock;
    std::mutex waitMutex;
    std::condition_variable wake;
    bool jobDone = false;
};

} // namespace cli
