// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/core/jobevent.h"

#include <QJsonObject>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

namespace velmora
{

class JobJournal;

// The medium beneath a volume a job worked on, as the report gives it.
struct VolumeMedium {
    QString mountPoint;
    QString label;        // "SSD · NVMe"
    QString sanitization; // the category of the job's overwrite there, in words
    QJsonObject storage;  // the chain and the disks, in fixed words
};

// What a job found that the user must not mistake for success: items that
// were not securely erased, and whether the job was ended by an error.
// Written by the job thread, read by the GUI once the job has returned.
class JobReport
{
  public:
    void reset();
    // An entry that was not securely erased.
    void addProblem(const JobEvent &event);
    // What ended the job.
    void setError(const JobEvent &event);
    void setError(const QString &message);
    // Something the user must know although everything was done, such as
    // what an overwrite cannot reach on this volume; each text once.
    void addWarning(const QString &text);
    QStringList warnings() const;
    // What the job did beside its entries that the report lists (the
    // traces of erased files it removed); each text once.
    void addNote(const QString &text);
    QStringList notes() const;

    // The volumes a file erase worked on (their mount points), and those of
    // them that keep older copies an overwrite cannot reach (copy-on-write):
    // a wipe of their free space is what reaches those.
    void addVolume(const QString &mountPoint, bool copyOnWrite);
    QStringList volumes() const;
    QStringList copyOnWriteVolumes() const;
    // The medium beneath a volume, once per mount point: false when it was
    // known already.
    bool addMedium(const VolumeMedium &medium);
    QList<VolumeMedium> media() const;
    // A drive wipe's facts, as it goes: the drive's identity, the partition
    // table it held, each pass, the read-back, the discard, the category.
    void setDrive(const QJsonObject &facts);
    QJsonObject drive() const;

    // The entries the job itself removed, as shown; a record calls an entry
    // erased only when it is among them. Kept only once asked for.
    void keepRemoved(bool keep);
    void addRemoved(const QString &path);
    bool wasRemoved(const QString &path) const;

    int problemCount() const;
    QStringList problemSamples() const; // the first few paths, for a message box
    QStringList problemPaths() const;   // the paths, up to kMaxKept, for the report
    QStringList problemReasons() const; // why, beside each of them (may be empty)
    // The warnings, problems and error, in order, up to kMaxKept.
    QList<JobEvent> events() const;
    bool endedByError() const;
    QString errorMessage() const;

  private:
    static constexpr int kMaxSamples = 8;
    // A report names this many; a count says how many more there were.
    static constexpr int kMaxKept = 10000;
    mutable std::mutex mutex;
    int problems = 0;
    QStringList samples;
    QStringList reasons;
    QList<JobEvent> notable;
    bool error = false;
    QString errorText;
    QStringList warningTexts;
    QStringList noteTexts;
    QStringList touchedVolumes;
    QStringList cowVolumes;
    QList<VolumeMedium> volumeMedia;
    QJsonObject driveFacts;
    bool keepingRemoved = false;
    QSet<QString> removed;
};

// Where a running job stands, for a progress line: written by the job's
// thread, read by whoever shows it, at any time.
class JobStatus
{
  public:
    std::atomic<qint64> bytes{0}; // written, and read back, so far
    // Units of progress: the job's thread alone writes them; a phase may add
    // to the total once it knows its own size.
    std::atomic<qint64> done{0};
    std::atomic<qint64> total{0};
    // What the bar shows: done / total, never lower than before, as the
    // job posts it.
    std::atomic<int> percent{0};
    std::atomic<int> pass{0}; // 1-based; 0 outside the passes
    std::atomic<int> passes{0};

    void reset();
    void setItem(const QString &item); // the file being overwritten, or empty
    void setPhase(const QString &phase);
    QString item() const;
    QString phase() const;

  private:
    mutable std::mutex mutex;
    QString currentItem;
    QString currentPhase;
};

// Everything a job needs from whoever runs it. The window, velmora-cli and
// velmora-bench hand in their stop flag, status and sinks; tests hand in
// their own. Every sink may be called from the job's thread and must not
// block for long.
struct JobContext {
    const std::atomic_bool *stopRequested = nullptr;

    // Every event, in order. Without it, each event's line goes to `log`.
    std::function<void(const JobEvent &)> onEvent;
    // One log line, in order.
    std::function<void(const QString &)> log;
    // A job percentage for the progress bar.
    std::function<void(int)> postProgress;
    // The job's closing line; the window shows it only if no stop was
    // requested by the time it reaches the GUI thread. Without this sink the
    // line goes to `log` when the job is not stopped.
    std::function<void(const QString &)> logCompletion;

    JobReport *report = nullptr;
    JobStatus *status = nullptr;
    // Where the job keeps an account of itself in case it never returns;
    // none in tests and the benchmark.
    JobJournal *journal = nullptr;

    // Bytes of random data written so far (for the benchmark).
    qint64 bytesWritten = 0;

    // A drive wipe's writes and reads, in bytes (a multiple of 1 MiB);
    // smaller where many drives at once share the memory. 0: 4 MiB.
    qint64 driveChunk = 0;

    // Read back what the last pass put on the device and compare it; a
    // drive wipe with `verifySampled` reads only blocks sampled across it.
    bool verify = false;
    bool verifySampled = false;
    // A drive wipe opens a host protected area for its passes, until the
    // drive is next switched off, and overwrites what it hid too.
    bool liftHiddenArea = false;
    qint64 bytesVerified = 0;
    // Called with the file's descriptor just before it is read back: a seam
    // for tests that change the data behind the job's back.
    std::function<void(int fd)> beforeVerify;

    // A folder of the user's (the home folder) where a free-space fill may
    // write when the volume's root does not let this user create files.
    QString userFolder;

    // Says once per job, in words and with the way out, that an error was
    // a lack of permission another user could lift; other errors pass.
    void notePermission(int error, const QString &detail = QString()) const;
    mutable bool permissionNoted = false;

    bool stopped() const { return stopRequested && stopRequested->load(std::memory_order_relaxed); }

    // The job's units of progress, kept in `status` (or in a status of the
    // context's own when none was handed in).
    JobStatus &progress() const;
    void setTotalUnits(qint64 units) const;
    void addTotalUnits(qint64 units) const;
    qint64 totalUnits() const;
    qint64 doneUnits() const;
    // Counts `count` chunks as processed and posts the job percentage
    // (truncated done / total * 100); nothing is posted while the total is
    // 0, nor a percentage below one posted before.
    void chunksProcessed(qint64 count = 1);
    int postedPercent = 0;

    // Counts `bytes` of data written, or read back and compared; both move
    // the rate shown.
    void wrote(qint64 bytes);
    void readBack(qint64 bytes);
    // The job is at pass `pass` (1-based) of `passes`.
    void atPass(int pass, int passes) const;
    void atItem(const QString &item) const;
    void atPhase(const QString &phase) const;

    void tell(const JobEvent &event) const;
    // What is being done.
    void info(const QString &text) const;
    // `path` is gone beyond recovery.
    void erased(const QString &text, const QString &path) const;
    // Logs `text` and keeps it for the completion box and the report.
    void warn(const QString &text) const;
    // `path` was not securely erased, for the reason `error` (an errno
    // value, 0 if none is known) and `detail`.
    void problem(const QString &text, const QString &path, int error = 0,
                 const QString &detail = QString()) const;
    void problem(JobEvent event) const;
    // The job cannot go on.
    void fail(const QString &text, int error = 0) const;
    void fail(JobEvent event) const;
    void emitCompletion(const QString &line) const;
    void emitProgress(int percent) const;
    // The job removed `path` (erased, or removed as a link, an empty folder…).
    void removed(const QString &path) const;

  private:
    mutable std::shared_ptr<JobStatus> ownStatus;
};

} // namespace velmora
