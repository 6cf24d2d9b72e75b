// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Answers modal message boxes and dialogs from a test. Each call arms a poll
// that waits for the next modal widget of the given type, acts on it once and
// reports what it saw; the test goes on meanwhile (a modal exec() keeps
// running the event loop, so the poll fires inside it).

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace modal
{

struct Seen {
    bool answered = false;
    QString title;
    QString text;
};
using SeenPtr = std::shared_ptr<Seen>;

// Calls `act` with the first visible modal widget of type T for which it
// returns true; gives up after `timeoutMs`.
template <typename T> SeenPtr when(std::function<bool(T *, Seen &)> act, int timeoutMs = 20000)
{
    auto seen = std::make_shared<Seen>();
    auto *timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        if (clock->elapsed() > timeoutMs) {
            timer->deleteLater();
            timer->stop();
            return;
        }
        T *widget = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!widget || !widget->isVisible() || !act(widget, *seen))
            return;
        seen->answered = true;
        timer->stop();
        timer->deleteLater();
    });
    timer->start(5);
    return seen;
}

// Answers the next message box that has buttons (the wait box has none),
// titled `title` when one is given, by pressing `button`, recording its
// title and text.
inline SeenPtr answerBox(QMessageBox::StandardButton button = QMessageBox::Ok,
                         int timeoutMs = 20000, const QString &title = QString())
{
    return when<QMessageBox>(
        [=](QMessageBox *box, Seen &seen) {
            QAbstractButton *b = box->button(button);
            if (!b || (!title.isEmpty() && box->windowTitle() != title))
                return false;
            seen.title = box->windowTitle();
            seen.text = box->text();
            b->click();
            return true;
        },
        timeoutMs);
}

// Chooses `file` in the next file dialog and accepts it.
inline SeenPtr answerFileDialog(const QString &file)
{
    return when<QFileDialog>([=](QFileDialog *dialog, Seen &seen) {
        seen.title = dialog->windowTitle();
        seen.text = dialog->selectedFiles().value(0); // what it suggested
        dialog->selectFile(file);
        static_cast<QDialog *>(dialog)->accept(); // QFileDialog's own, as Save does
        return true;
    });
}

// Presses "Save Report…" in the next box that has it, and saves the report
// as `file`; records the box's title and text.
inline SeenPtr saveReportFromBox(const QString &file)
{
    return when<QMessageBox>([=](QMessageBox *box, Seen &seen) {
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() != QStringLiteral("Save Report…"))
                continue;
            seen.title = box->windowTitle();
            seen.text = box->text();
            answerFileDialog(file);
            button->click();
            return true;
        }
        return false;
    });
}

// Closes any modal widget left open by a failed test.
inline void closeLeftovers()
{
    for (int i = 0; i < 10; ++i) {
        QWidget *w = QApplication::activeModalWidget();
        if (!w)
            return;
        w->close();
        QApplication::processEvents();
    }
}

} // namespace modal
