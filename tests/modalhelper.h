// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Answers modal message boxes and dialogs from a test, through the window's
// own seam: each call hands in what a user would do with the next dialog of
// the given type, which is answered the moment it is shown, and reports
// what it saw.

#include "dialogs/modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>
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

// Calls `act` with the first dialog of type T shown within `timeoutMs` for
// which it returns true.
template <typename T> SeenPtr when(std::function<bool(T *, Seen &)> act, int timeoutMs = 20000)
{
    auto seen = std::make_shared<Seen>();
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    velmora::Modal::setNextAnswer([=](QDialog *dialog) {
        T *widget = qobject_cast<T *>(dialog);
        if (!widget || clock->elapsed() > timeoutMs || !act(widget, *seen))
            return false;
        seen->answered = true;
        return true;
    });
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

// A dialog that no answer of the test takes fails the test at once, naming
// it, and is closed unanswered, so that a box the code should not have
// shown can neither hang the suite nor pass unnoticed.
inline void failOnUnanswered()
{
    velmora::Modal::setUnanswered([](QDialog *dialog) {
        const auto *box = qobject_cast<QMessageBox *>(dialog);
        const QString what = dialog->windowTitle() + QStringLiteral(": ") +
                             (box ? box->text() : dialog->metaObject()->className());
        QTest::qFail(qPrintable(QStringLiteral("unexpected modal box: ") + what), __FILE__,
                     __LINE__);
    });
}

// Forgets the answers no dialog took, and closes any modal widget a failed
// test left open.
inline void closeLeftovers()
{
    velmora::Modal::clearAnswers();
    for (int i = 0; i < 10; ++i) {
        QWidget *w = QApplication::activeModalWidget();
        if (!w)
            return;
        w->close();
        QApplication::processEvents();
    }
}

} // namespace modal
