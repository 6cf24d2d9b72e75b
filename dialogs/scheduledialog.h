// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

// "Schedule…": the wipes that run by themselves (a volume's free space, the
// Trash), weekly or monthly, with a method; each can be removed.
class ScheduleDialog : public QDialog
{
    Q_OBJECT

  public:
    // `cli` is the velmora-cli the units run.
    explicit ScheduleDialog(const QString &cli, QWidget *parent = nullptr);

    // Where the units go; tests point it at a folder of their own.
    static inline QString unitFolder;

  private:
    void refresh();
    void addChosen();
    void removeSelected();

    QString cli;
    QListWidget *listSchedules;
    QPushButton *btnRemove;
    QComboBox *comboWhat;
    QComboBox *comboEvery;
    QComboBox *comboMethod;
    QLabel *labelState;
};

// "Reports…": the outcome of each scheduled run, newest first.
class ReportsDialog : public QDialog
{
    Q_OBJECT

  public:
    explicit ReportsDialog(QWidget *parent = nullptr);
};
