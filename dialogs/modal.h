// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMessageBox>

#include <functional>

class QDialog;
class QWidget;

namespace velmora
{

// Every dialog and message box the window shows modally goes through here.
// A user answers it on the screen; a test hands in beforehand what the user
// would do with it, and the dialog, shown all the same, is answered the
// moment it appears, with no timer looking for it.
class Modal
{
  public:
    // Runs `dialog` modally; its result code.
    static int exec(QDialog &dialog);
    // A message box with `buttons`; the button pressed (NoButton when it
    // was closed otherwise).
    static QMessageBox::StandardButton ask(QWidget *parent, QMessageBox::Icon icon,
                                           const QString &title, const QString &text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton);
    static QMessageBox::StandardButton question(QWidget *parent, const QString &title,
                                                const QString &text,
                                                QMessageBox::StandardButton defaultButton);
    static void warning(QWidget *parent, const QString &title, const QString &text);
    static void information(QWidget *parent, const QString &title, const QString &text);

    // For tests: `answer` is offered each dialog shown from now on, until it
    // takes one by returning true, having acted on it as a user would
    // (pressed a button, typed a word). Answers are offered in the order
    // they were given.
    using Answer = std::function<bool(QDialog *)>;
    static void setNextAnswer(Answer answer);
    // For tests: a dialog no answer takes is closed unanswered (rejected)
    // and handed to `unanswered`, which fails the test; without it, it
    // waits for a user.
    static void setUnanswered(std::function<void(QDialog *)> unanswered);
    static void clearAnswers();
};

} // namespace velmora
