// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/jobcontext.h"

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
    if (samples.size() < kMaxSamples)
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

void JobContext::chunksProcessed(qint64 count)
{
    if (!processedChunks)
        return;
    *processedChunks += count;
    const qint64 total = totalChunks ? *totalChunks : 0;
    if (total <= 0)
        return;
    const double percent = double(*processedChunks) / double(total) * 100.0;
    // Values above 100 are posted as they are (the bar ignores them); only
    // keep the conversion to int defined.
    const double capped = percent < double(std::numeric_limits<int>::max())
                              ? percent
                              : double(std::numeric_limits<int>::max());
    emitProgress(int(capped));
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

void JobContext::warn(const QString &line) const
{
    emitLog(line);
    if (report)
        report->addWarning(line);
}

void JobContext::notePermission(int error) const
{
    if ((error != EACCES && error != EPERM) || permissionNoted)
        return;
    permissionNoted = true;
    warn(QCoreApplication::translate(
        "JobContext", "🔒 Permission denied: some of it belongs to another user or to the system. "
                      "Start Velmora with \"Run as administrator\" to erase it."));
}

} // namespace velmora
