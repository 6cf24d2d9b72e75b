// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/job/jobcontext.h"

#include "engine/job/jobjournal.h"
#include "engine/platform/platform.h"

#include <QCoreApplication>

#include <cerrno>
#include <limits>

namespace velmora
{

void JobReport::reset()
{
    std::lock_guard<std::mutex> lock(mutex);
    problems = 0;
    samples.clear();
    error = false;
    errorText.clear();
    warningTexts.clear();
    removed.clear();
}

void JobReport::keepRemoved(bool keep)
{
    std::lock_guard<std::mutex> lock(mutex);
    keepingRemoved = keep;
}

void JobReport::addRemoved(const QString &path)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (keepingRemoved)
        removed.insert(path);
}

bool JobReport::wasRemoved(const QString &path) const
{
    std::lock_guard<std::mutex> lock(mutex);
    return removed.contains(path);
}

void JobReport::addWarning(const QString &text)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!warningTexts.contains(text))
        warningTexts.append(text);
}

QStringList JobReport::warnings() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return warningTexts;
}

void JobReport::addProblem(const QString &path)
{
    std::lock_guard<std::mutex> lock(mutex);
    ++problems;
    if (samples.size() < kMaxKept)
        samples.append(path);
}

void JobReport::setError(const QString &message)
{
    std::lock_guard<std::mutex> lock(mutex);
    error = true;
    errorText = message;
}

int JobReport::problemCount() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return problems;
}

QStringList JobReport::problemSamples() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return samples.mid(0, kMaxSamples);
}

QStringList JobReport::problemPaths() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return samples;
}

bool JobReport::endedByError() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return error;
}

QString JobReport::errorMessage() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return errorText;
}

void JobStatus::reset()
{
    bytes = 0;
    done = 0;
    total = 0;
    pass = 0;
    passes = 0;
    setItem(QString());
    setPhase(QString());
}

void JobStatus::setItem(const QString &item)
{
    std::lock_guard<std::mutex> lock(mutex);
    currentItem = item;
}

void JobStatus::setPhase(const QString &phase)
{
    std::lock_guard<std::mutex> lock(mutex);
    currentPhase = phase;
}

QString JobStatus::item() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return currentItem;
}

QString JobStatus::phase() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return currentPhase;
}

void JobContext::wrote(qint64 bytes)
{
    bytesWritten += bytes;
    if (status)
        status->bytes.fetch_add(bytes, std::memory_order_relaxed);
}

void JobContext::atPass(int pass, int passes) const
{
    if (!status)
        return;
    status->passes.store(passes, std::memory_order_relaxed);
    status->pass.store(pass, std::memory_order_relaxed);
}

void JobContext::atItem(const QString &item) const
{
    if (status)
        status->setItem(item);
}

void JobContext::atPhase(const QString &phase) const
{
    if (status)
        status->setPhase(phase);
    if (journal)
        journal->atPhase(phase);
}

void JobContext::chunksProcessed(qint64 count)
{
    if (!processedChunks)
        return;
    *processedChunks += count;
    const qint64 total = totalChunks ? *totalChunks : 0;
    if (status) {
        status->done.store(*processedChunks, std::memory_order_relaxed);
        status->total.store(total, std::memory_order_relaxed);
    }
    if (total <= 0)
        return;
    const double percent = double(*processedChunks) / double(total) * 100.0;
    // Values above 100 are posted as they are (the bar ignores them); only
    // keep the conversion to int defined.
    const double capped = percent < double(std::numeric_limits<int>::max())
                              ? percent
                              : double(std::numeric_limits<int>::max());
    // A phase that learns its own size late adds to the total: the bar
    // holds where it was rather than go back.
    if (int(capped) < postedPercent)
        return;
    postedPercent = int(capped);
    emitProgress(postedPercent);
}

void JobContext::emitLog(const QString &line) const
{
    if (log)
        log(line);
}

void JobContext::emitCompletion(const QString &line) const
{
    if (logCompletion)
        logCompletion(line);
    else if (!stopped())
        emitLog(line);
}

void JobContext::emitProgress(int percent) const
{
    if (postProgress)
        postProgress(percent);
}

void JobContext::problem(const QString &path) const
{
    if (report)
        report->addProblem(path);
}

void JobContext::removed(const QString &path) const
{
    if (report)
        report->addRemoved(path);
}

void JobContext::warn(const QString &line) const
{
    emitLog(line);
    if (report)
        report->addWarning(line);
}

void JobContext::notePermission(int error) const
{
    // Only where administrator mode can help: root is refused by
    // immutable files and read-only volumes, which no other user can change.
    if ((error != EACCES && error != EPERM) || permissionNoted ||
        platform::effectiveUser() == 0)
        return;
    permissionNoted = true;
    warn(QCoreApplication::translate(
        "JobContext", "🔒 Permission denied: some of it belongs to another user or to the system. "
                      "Start Velmora with \"Run as administrator\" to erase it."));
}

} // namespace velmora
