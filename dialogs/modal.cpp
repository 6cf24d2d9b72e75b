// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/modal.h"

#include <QAbstractButton>
#include <QDialog>
#include <QList>

namespace velmora
{

namespace
{

// Only the GUI thread shows dialogs, so the answers need no lock.
QList<Modal::Answer> &answers()
{
    static QList<Modal::Answer> list;
    return list;
}

std::function<void(QDialog *)> &unansweredHandler()
{
    static std::function<void(QDialog *)> handler;
    return handler;
}

} // namespace

int Modal::exec(QDialog &dialog)
{
    if (answers().isEmpty() && !unansweredHandler())
        return dialog.exec();
    // As a user sees it: shown, laid out, then answered.
    dialog.setResult(0);
    dialog.show();
    for (qsizetype i = 0; i < answers().size(); ++i) {
        const Answer answer = answers().at(i);
        if (!answer(&dialog))
            continue;
        answers().removeAt(i);
        // An answer that left the dialog open has the user's hand on it.
        if (dialog.isVisible())
            return dialog.exec();
        return dialog.result();
    }
    dialog.reject();
    if (unansweredHandler())
        unansweredHandler()(&dialog);
    return dialog.result();
}

QMessageBox::StandardButton Modal::ask(QWidget *parent, QMessageBox::Icon icon,
                                       const QString &title, const QString &text,
                                       QMessageBox::StandardButtons buttons,
                                       QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    exec(box);
    return box.clickedButton() ? box.standardButton(box.clickedButton()) : QMessageBox::NoButton;
}

QMessageBox::StandardButton Modal::question(QWidget *parent, const QString &title,
                                            const QString &text,
                                            QMessageBox::StandardButton defaultButton)
{
    return ask(parent, QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
               defaultButton);
}

void Modal::warning(QWidget *parent, const QString &title, const QString &text)
{
    ask(parent, QMessageBox::Warning, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

void Modal::information(QWidget *parent, const QString &title, const QString &text)
{
    ask(parent, QMessageBox::Information, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

void Modal::setNextAnswer(Answer answer)
{
    answers().append(std::move(answer));
}

void Modal::setUnanswered(std::function<void(QDialog *)> unanswered)
{
    unansweredHandler() = std::move(unanswered);
}

void Modal::clearAnswers()
{
    answers().clear();
}

} // namespace velmora
