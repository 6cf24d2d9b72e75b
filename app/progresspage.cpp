// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/progresspage.h"

#include <QFont>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

namespace
{

const char kBarStyle[] = R"(QProgressBar {
    border: 1px solid #bbb;
    border-radius: 8px;
    background-color: #f3f3f3;
    text-align: center;
    height: 18px;
}
QProgressBar::chunk {
    border-radius: 8px;
    background: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 0, stop: 0 #4cd964, stop: 1 #2ecc71);
})";

const char kLogStyle[] = R"(QTextEdit {
    background-color: white;
    color: black;
    font-size: 14px;
    border: 1px solid #999999;
    padding: 5px;
    border-radius: 10px;
})";

// The log names its font after the Windows emoji family. On Linux its text
// is set in a plain family and its symbols fall back to the colour-emoji
// family the system has. A colour bitmap font as the first family would draw
// the same, but every letter would then be looked up in it first, which
// makes laying out a line several times slower.
QFont logFont()
{
    QFont::insertSubstitutions(QStringLiteral("Segoe UI Emoji"),
                               {QStringLiteral("Liberation Sans"),
                                QStringLiteral("Noto Color Emoji"), QStringLiteral("Twemoji"),
                                QStringLiteral("Apple Color Emoji")});
    return QFont(QStringLiteral("Segoe UI Emoji"));
}

} // namespace

ProgressPage::ProgressPage(QWidget *parent)
    : QWidget(parent), progressBar(new QProgressBar(this)), labelProgressInfo(new QLabel(this)),
      textLog(new QTextEdit(this)), btnStop(new QPushButton(tr("Stop"), this)),
      infoTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("pageProgress"));
    progressBar->setObjectName(QStringLiteral("progressBar"));
    progressBar->setGeometry(10, 10, 651, 23);
    progressBar->setStyleSheet(QLatin1String(kBarStyle));
    progressBar->setValue(0);

    // Under the bar, beside Stop: refreshed twice a second while a job runs.
    labelProgressInfo->setObjectName(QStringLiteral("labelProgressInfo"));
    labelProgressInfo->setGeometry(12, 36, 560, 48);
    labelProgressInfo->setWordWrap(false);
    labelProgressInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    labelProgressInfo->setStyleSheet(QStringLiteral("color: #1b3a57;"));
    infoTimer->setInterval(500);
    connect(infoTimer, &QTimer::timeout, this, &ProgressPage::updateInfo);

    btnStop->setObjectName(QStringLiteral("btnStop"));
    btnStop->setGeometry(580, 40, 75, 23);
    // Red while there is something to stop; grey once there is not, so that
    // an ended job's Stop does not look like one that can still be pressed.
    btnStop->setStyleSheet(QStringLiteral(
        "QPushButton { background-color: #f44336; color: white; border-radius: 5px; }\n"
        "QPushButton:disabled { background-color: #d6d6d6; color: #8a8a8a; }"));
    connect(btnStop, &QPushButton::clicked, this, &ProgressPage::stopClicked);

    textLog->setObjectName(QStringLiteral("textLog"));
    textLog->setGeometry(20, 90, 641, 341);
    textLog->setStyleSheet(QLatin1String(kLogStyle));
    textLog->setReadOnly(true);
    textLog->setFont(logFont());
    textLog->document()->setMaximumBlockCount(kLogLines);
}

void ProgressPage::started(const velmora::JobStatus *jobStatus)
{
    status = jobStatus;
    progressBar->setValue(0);
    meter.start();
    clock.start();
    updateInfo(); // "Starting…" until a second has passed
    infoTimer->start();
}

void ProgressPage::stopping()
{
    btnStop->setEnabled(false);
    infoTimer->stop();
    labelProgressInfo->setText(tr("Stopping: waiting for the device to finish its current write…"));
}

void ProgressPage::finished(bool stopped)
{
    infoTimer->stop();
    labelProgressInfo->clear();
    // Nothing is left to stop: the box that ends the job comes next.
    btnStop->setEnabled(false);
    // A job that ran to its end reached all of it, whatever its last report
    // of progress said.
    if (!stopped)
        progressBar->setValue(progressBar->maximum());
}

void ProgressPage::reset()
{
    progressBar->setValue(0);
    btnStop->setEnabled(true);
}

void ProgressPage::updateInfo()
{
    if (!status)
        return;
    meter.sample(clock.elapsed(), *status);
    // Everything is overwritten; names, folders and journals are still
    // being dealt with, which Stop can still cut short.
    QString text = meter.percent() >= 100 ? tr("Finishing…") : meter.figures();
    // The file being overwritten on a line of its own, while no phase of a
    // volume job is named instead.
    const QString item = status->item();
    if (!item.isEmpty() && status->phase().isEmpty())
        text += QLatin1Char('\n') + labelProgressInfo->fontMetrics().elidedText(
                                        item, Qt::ElideMiddle, labelProgressInfo->width());
    labelProgressInfo->setText(text);
}

void ProgressPage::queueLine(const QString &line)
{
    pendingLog.append(line);
    if (!logFlushScheduled) {
        logFlushScheduled = true;
        QTimer::singleShot(25, this, &ProgressPage::flushLog);
    }
}

void ProgressPage::flushLog()
{
    logFlushScheduled = false;
    if (pendingLog.isEmpty())
        return;
    QScrollBar *scroll = textLog->verticalScrollBar();
    const bool atBottom = scroll->value() == scroll->maximum();
    // Plain text: a file name that looks like markup is shown as it is.
    // Lines that the log's limit would drop at once are not laid out at all.
    const qsizetype first = qMax<qsizetype>(0, pendingLog.size() - kLogLines);
    QTextCursor cursor(textLog->document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    for (qsizetype i = first; i < pendingLog.size(); ++i) {
        if (!textLog->document()->isEmpty())
            cursor.insertBlock();
        cursor.insertText(pendingLog.at(i));
    }
    cursor.endEditBlock();
    pendingLog.clear();
    if (atBottom)
        scroll->setValue(scroll->maximum());
}

void ProgressPage::appendLine(const QString &line)
{
    flushLog();
    textLog->append(line);
}

void ProgressPage::clearLog()
{
    textLog->clear();
}
