// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/core/jobcontext.h"
#include "engine/job/erasurerecord.h"
#include "engine/job/jobrunner.h"

#include <QFutureWatcher>
#include <QThreadPool>
#include <QWidget>

#include <atomic>
#include <memory>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;

// Several drives wiped at once from the window: a row per drive with its
// own progress and state, one log whose lines name their drive, one Stop
// for them all, and each drive's own outcome, saved as a report and a
// signed record per drive. Each drive runs on a thread of its own through
// the runner velmora-cli uses; one that fails or hangs holds none of the
// others.
class StationPage : public QWidget
{
    Q_OBJECT

  public:
    // One drive to wipe: its job (with the drive pinned) and its record,
    // as confirmed.
    struct Drive {
        velmora::JobRequest request;
        velmora::ErasureRecord record;
    };

    // `stop` stops every drive (Stop, closing the window, a signal).
    StationPage(std::atomic_bool *stop, QWidget *parent = nullptr);
    ~StationPage() override;

    // Starts them all; the page shows their rows from now on.
    void start(std::vector<Drive> drives);
    bool running() const { return unfinished > 0; }
    // Blocks until every drive's job has returned.
    void waitForAll();
    // How each drive ended, in words, "sdb: Erased", once all have.
    QStringList states() const;
    // Whether every drive was erased; how many were.
    bool allErased() const;
    qsizetype erasedCount() const;
    // Writes each drive's report (PDF) and signed outcome (JSON) to
    // `folder`, named by serial, else by node; false with the reason.
    bool saveOutcomes(const QString &folder, QString *why) const;
    // Asks for a folder, then saves them there.
    void saveReports();

  signals:
    // Every drive's job has returned and its row says how it ended.
    void finished();
    // Done, after the end: back to the drives.
    void leave();

  private:
    struct Lane;
    void laneFinished(Lane &lane);
    void askToStop();
    void appendLine(const QString &line);

    std::atomic_bool *stop;
    std::vector<std::unique_ptr<Lane>> lanes;
    int unfinished = 0;
    // A thread per drive, apart from the window's and the jobs' pool.
    QThreadPool pool;
    QLabel *title;
    QTableWidget *table;
    QPlainTextEdit *log;
    QPushButton *btnStop;
    QPushButton *btnSave;
    QPushButton *btnDone;
};
