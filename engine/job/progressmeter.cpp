// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/job/progressmeter.h"
#include "engine/core/sizes.h"

#include <algorithm>

#include <QCoreApplication>
#include <QStringList>

namespace velmora
{

void ProgressMeter::start()
{
    samples.assign(1, Sample{0, 0, 0});
    text = QCoreApplication::translate("ProgressMeter", "Starting…");
    percentDone = 0;
}

QString ProgressMeter::rateText(double bytesPerSecond)
{
    return velmora::rateText(bytesPerSecond);
}

QString ProgressMeter::timeLeftText(double seconds)
{
    // Whole seconds and minutes, rounded; counted before the call, which
    // keeps the arguments of translate() plain.
    const int wholeSeconds = qMax(1, qRound(seconds));
    const int minutes = qRound(seconds / 60);
    if (seconds < 60)
        return QCoreApplication::translate("ProgressMeter", "about %n s left", nullptr,
                                           wholeSeconds);
    if (seconds < 90 * 60)
        return QCoreApplication::translate("ProgressMeter", "about %n min left", nullptr, minutes);
    return QCoreApplication::translate("ProgressMeter", "about %1 h %2 min left")
        .arg(minutes / 60)
        .arg(minutes % 60);
}

void ProgressMeter::sample(qint64 ms, const JobStatus &status)
{
    constexpr qint64 kWindowMs = 5000;
    const Sample now{ms, status.bytes.load(), status.done.load()};
    samples.push_back(now);
    while (samples.size() > 2 && now.ms - samples.front().ms > kWindowMs)
        samples.pop_front();
    const Sample &first = samples.front();
    const double seconds = double(now.ms - first.ms) / 1000.0;
    const qint64 total = status.total.load();
    // The job's own figure, the one its bar shows.
    percentDone = qBound(0, status.percent.load(std::memory_order_relaxed), 100);

    QStringList parts;
    if (seconds >= 0.9) {
        // Below a tenth of a MiB a second (tiny files, a stalled device)
        // "0.0 MiB/s" would say nothing true: no rate then.
        const double rate = double(now.bytes - first.bytes) / seconds;
        if (rate >= 0.1 * 1024 * 1024)
            parts << rateText(rate);
        const double unitsPerSecond = double(now.done - first.done) / seconds;
        if (unitsPerSecond > 0 && total > now.done)
            parts << timeLeftText(double(total - now.done) / unitsPerSecond);
    }
    if (const int passes = status.passes.load(); passes > 0)
        parts << QCoreApplication::translate("ProgressMeter", "pass %1 of %2")
                     .arg(status.pass.load())
                     .arg(passes);
    const QString phase = status.phase();
    if (!phase.isEmpty())
        parts << phase;
    text = parts.isEmpty() ? QCoreApplication::translate("ProgressMeter", "Starting…")
                           : parts.join(QStringLiteral("  ·  "));
}

} // namespace velmora
