// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/job/outcomestore.h"

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
    QLabel *labelNone = nullptr;
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
    // Lists every kept outcome (velmora::keptOutcomes()), newest first.
    explicit ReportsDialog(QWidget *parent = nullptr);
    // The chosen outcome's files copied into `folder`; false with the reason.
    bool saveChosenTo(const QString &folder, QString *why) const;
    // Whether the chosen outcome is as it was signed, in a sentence.
    bool checkChosen(QString *said) const;

  private:
    const velmora::KeptOutcome *chosen() const;
    void settle();
    void openChosen();
    void saveChosen();

    QList<velmora::KeptOutcome> kept;
    class QTableWidget *table;
    class QLabel *labelEmpty;
    class QPushButton *btnOpen;
    class QPushButton *btnSave;
    class QPushButton *btnCheck;
};
