// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/core/jobcontext.h"

#include "engine/core/jobjournal.h"
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
    reasons.clear();
    notable.clear();
    error = false;
    errorText.clear();
    warningTexts.clear();
    noteTexts.clear();
    touchedVolumes.clear();
    cowVolumes.clear();
    volumeMedia.clear();
    driveFacts = QJsonObject();
    removed.clear();
}

void JobReport::addVolume(const QString &mountPoint, bool copyOnWrite)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!touchedVolumes.contains(mountPoint))
        touchedVolumes.append(mountPoint);
    if (copyOnWrite && !cowVolumes.contains(mountPoint))
        cowVolumes.append(mountPoint);
}

QStringList JobReport::volumes() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return touchedVolumes;
}

QStringList JobReport::copyOnWriteVolumes() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return cowVolumes;
}

bool JobReport::addMedium(const VolumeMedium &medium)
{
    std::lock_guard<std::mutex> lock(mutex);
    for (const VolumeMedium &known : volumeMedia)
        if (known.mountPoint == medium.mountPoint)
            return false;
    volumeMedia.append(medium);
    return true;
}

void JobReport::setDrive(const QJsonObject &facts)
{
    std::lock_guard<std::mutex> lock(mutex);
    driveFacts = facts;
}

QJsonObject JobReport::drive() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return driveFacts;
}

QList<VolumeMedium> JobReport::media() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return volumeMedia;
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
    if (warningTexts.contains(text))
        return;
    warningTexts.append(text);
    if (notable.size() < kMaxKept)
        notable.append(JobEvent{JobEvent::Kind::Warning, text, QString(), 0, QString()});
}

QStringList JobReport::warnings() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return warningTexts;
}

void JobReport::addNote(const QString &text)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!noteTexts.contains(text))
        noteTexts.append(text);
}

QStringList JobReport::notes() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return noteTexts;
}

void JobReport::addProblem(const JobEvent &event)
{
    std::lock_guard<std::mutex> lock(mutex);
    ++problems;
    if (samples.size() < kMaxKept) {
        samples.append(event.path);
        reasons.append(event.reason());
    }
    if (notable.size() < kMaxKept)
        notable.append(event);
}

void JobReport::setError(const JobEvent &event)
{
    std::lock_guard<std::mutex> lock(mutex);
    error = true;
    errorText = event.line();
    if (notable.size() < kMaxKept)
        notable.append(event);
}

void JobReport::setError(const QString &message)
{
    setError(JobEvent{JobEvent::Kind::Error, message, QString(), 0, QString()});
}

QStringList JobReport::problemReasons() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return reasons;
}

QList<JobEvent> JobReport::events() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return notable;
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
    percent = 0;
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

void JobContext::readBack(qint64 bytes)
{
    bytesVerified += bytes;
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

JobStatus &JobContext::progress() const
{
    if (status)
        return *status;
    if (!ownStatus)
        ownStatus = std::make_shared<JobStatus>();
    return *ownStatus;
}

void JobContext::setTotalUnits(qint64 units) const
{
    progress().total.store(units, std::memory_order_relaxed);
}

void JobContext::addTotalUnits(qint64 units) const
{
    progress().total.fetch_add(units, std::memory_order_relaxed);
}

qint64 JobContext::totalUnits() const
{
    return progress().total.load(std::memory_order_relaxed);
}

qint64 JobContext::doneUnits() const
{
    return progress().done.load(std::memory_order_relaxed);
}

void JobContext::chunksProcessed(qint64 count)
{
    JobStatus &state = progress();
    const qint64 done = state.done.fetch_add(count, std::memory_order_relaxed) + count;
    const qint64 total = state.total.load(std::memory_order_relaxed);
    if (total <= 0)
        return;
    const double percent = double(done) / double(total) * 100.0;
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
    state.percent.store(postedPercent, std::memory_order_relaxed);
    emitProgress(postedPercent);
}

void JobContext::tell(const JobEvent &event) const
{
    if (onEvent)
        onEvent(event);
    else if (log)
        log(event.line());
}

void JobContext::info(const QString &text) const
{
    tell(JobEvent{JobEvent::Kind::Info, text, {}, 0, {}});
}

void JobContext::erased(const QString &text, const QString &path) const
{
    tell(JobEvent{JobEvent::Kind::Erased, text, path, 0, QString()});
}

void JobContext::emitCompletion(const QString &line) const
{
    if (logCompletion)
        logCompletion(line);
    else if (!stopped())
        info(line);
}

void JobContext::emitProgress(int percent) const
{
    if (postProgress)
        postProgress(percent);
}

void JobContext::problem(const QString &text, const QString &path, int error,
                         const QString &detail) const
{
    problem(JobEvent{JobEvent::Kind::Problem, text, path, error, detail});
}

void JobContext::problem(JobEvent event) const
{
    event.kind = JobEvent::Kind::Problem;
    tell(event);
    if (report)
        report->addProblem(event);
    notePermission(event.error, event.detail);
}

void JobContext::fail(const QString &text, int error) const
{
    fail(JobEvent{JobEvent::Kind::Error, text, QString(), error, QString()});
}

void JobContext::fail(JobEvent event) const
{
    event.kind = JobEvent::Kind::Error;
    tell(event);
    if (report)
        report->setError(event);
    notePermission(event.error, event.detail);
}

void JobContext::removed(const QString &path) const
{
    if (report)
        report->addRemoved(path);
}

void JobContext::warn(const QString &text) const
{
    tell(JobEvent{JobEvent::Kind::Warning, text, QString(), 0, QString()});
    if (report)
        report->addWarning(text);
}

void JobContext::notePermission(int error, const QString &detail) const
{
    // Only where administrator mode can help: root is refused by
    // immutable files and read-only volumes, which no other user can change.
    if ((error != EACCES && error != EPERM) || !detail.isEmpty() || permissionNoted ||
        platform::effectiveUser() == 0)
        return;
    permissionNoted = true;
    warn(QCoreApplication::translate(
        "JobContext", "🔒 Permission denied: some of it belongs to another user or to the system. "
                      "Start Velmora with \"Run as administrator\" to erase it."));
}

} // namespace velmora
