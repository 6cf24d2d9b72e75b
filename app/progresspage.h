// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/core/jobcontext.h"
#include "engine/job/progressmeter.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;
class QTextEdit;
class QTimer;

// The page a running job is shown on: its bar, the line under it (rate,
// time left, the file or the phase), the log, and Stop.
class ProgressPage : public QWidget
{
    Q_OBJECT

  public:
    explicit ProgressPage(QWidget *parent = nullptr);

    // The log keeps this many of the most recent lines; a job over many
    // thousands of files would otherwise grow it, and the time to lay out
    // each new line, without bound.
    static constexpr int kLogLines = 5000;

    // What a job's context posts its percentage to.
    QProgressBar *bar() const { return progressBar; }
    QPushButton *stopButton() const { return btnStop; }

    // A job starts: the bar from 0, and the line under it follows `status`
    // twice a second until finished() or stopping().
    void started(const velmora::JobStatus *status);
    // Stop was confirmed: the line says what the job waits for.
    void stopping();
    // The job returned: the line goes, Stop with it; the bar is full unless
    // it stopped.
    void finished(bool stopped);
    // Ready for the next job: the bar at 0 and Stop enabled.
    void reset();

    // Lines reach the log in batches, so that a job with many small files
    // cannot bury the event loop; flushLog() delivers the batch at once.
    void queueLine(const QString &line);
    void flushLog();
    // After what is queued, at once.
    void appendLine(const QString &line);
    void clearLog();

  signals:
    void stopClicked();

  private:
    void updateInfo();

    QProgressBar *progressBar;
    QLabel *labelProgressInfo;
    QTextEdit *textLog;
    QPushButton *btnStop;
    QTimer *infoTimer;
    QElapsedTimer clock;
    velmora::ProgressMeter meter;
    const velmora::JobStatus *status = nullptr;
    QStringList pendingLog;
    bool logFlushScheduled = false;
};
