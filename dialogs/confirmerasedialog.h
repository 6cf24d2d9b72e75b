// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QString>

namespace Ui
{
class ConfirmEraseDialog;
}

// The last gate before anything is destroyed: the user types the word Erase.
// OK and Cancel only accept and reject; the caller compares typedText().
class ConfirmEraseDialog : public QDialog
{
    Q_OBJECT

  public:
    explicit ConfirmEraseDialog(QWidget *parent = nullptr);
    ~ConfirmEraseDialog() override;

    // The sentence above the field in place of the one about files, for a
    // job that destroys something else (a whole drive); plain text.
    void setQuestion(const QString &sentence);
    QString question() const;
    // One line under the fixed text naming what will be destroyed.
    void setTarget(const QString &target);
    QString target() const;
    // Under it: the first of the entries named (each path shortened in its
    // middle to the dialog's width), "… and N more" for the others, and the
    // method. The dialog grows to hold them.
    void setDetails(const QStringList &named, int more, const QString &method);
    QString details() const;

    // The typed text with white space at both ends removed.
    QString typedText() const;

    // True when `dialog` was accepted with exactly "Erase" typed.
    static bool confirmed(int result, const ConfirmEraseDialog &dialog);

  private:
    Ui::ConfirmEraseDialog *ui;
    class QLabel *labelTarget;
    class QLabel *labelDetails;
    // Places the two labels one under the other and the buttons under them.
    void layOut();
};
