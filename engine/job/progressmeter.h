// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/core/jobcontext.h"

#include <QString>
#include <QtGlobal>

#include <deque>

namespace velmora
{

// The figures of a running job in words: the rate and the time left over
// the last few seconds (so that a slow sync or a burst into the cache does
// not swing them), the pass, the phase. Shown under the window's progress
// bar and on the command line's progress line.
class ProgressMeter
{
  public:
    // A job starts now: no figures until a second has passed.
    void start();
    // Takes a sample of `status` at `ms` milliseconds into the job.
    void sample(qint64 ms, const JobStatus &status);

    // "12.5 MiB/s  ·  about 3 min left  ·  pass 2 of 3  ·  free space", or
    // "Starting…" before anything can be said.
    QString figures() const { return text; }
    // 0 to 100, from the job's own units.
    int percent() const { return percentDone; }

    static QString rateText(double bytesPerSecond);
    static QString timeLeftText(double seconds);

  private:
    struct Sample {
        qint64 ms, bytes, done;
    };
    std::deque<Sample> samples;
    QString text;
    int percentDone = 0;
};

} // namespace velmora
