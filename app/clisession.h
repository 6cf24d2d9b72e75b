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

namespace cli
{

class JobSession
{
  public:
    explicit JobSession(const Options &options) : options(options) {}

    // Makes the --json and --report files' temporaries, and readies the
    // signing key, before anything is listed or written: a place where the
    // proof cannot be kept refuses the job. False (said) then.
    bool prepareOutputs();
    // Names what `job` destroys and has it confirmed; false (said) when it
    // is not. `thenFreeSpace`: a free-space wipe follows the erase.
    bool confirmed(const PreparedJob &job, bool thenFreeSpace);
    // Runs `job` to its end, says how it ended and writes its outcome
    // files: the exit status.
    int run(PreparedJob job);
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
    void resetForNextJob();
    void progressLoop();
    void drawProgress(bool final);
    int finish(velmora::ErasureRecord &record);
    bool writeOutputs(velmora::ErasureRecord &record);

    const Options &options;
    QByteArray jsonFile = options.jsonFile;
    QByteArray reportFile = options.reportFile;
    velmora::platform::PendingFile jsonOut;
    velmora::platform::PendingFile reportOut;

    std::atomic_bool stop{false};
    velmora::JobReport report;
    velmora::JobStatus status;
    velmora::JobContext ctx;

    // Standard output (the log) and the progress line on standard error
    // share a terminal; one lock keeps their lines whole.
    std::mutex output;
    bool progressOnTerminal = false;
    bool progressShown = false;
    velmora::ProgressMeter meter;
    QElapsedTimer clock;
    std::mutex waitMutex;
    std::condition_variable wake;
    bool jobDone = false;
};

} // namespace cli
