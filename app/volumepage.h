// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QPushButton;
class QTableWidget;

// A page to choose a mounted volume on: its table, Back, Refresh and Next.
// The Wipe Disk page and the free-space page are two of them, with their
// tables and buttons at the same places.
class VolumePage : public QWidget
{
    Q_OBJECT

  public:
    // `suffix` tells the two pages' widgets apart by name: "" or "_2".
    VolumePage(const QString &name, const QString &suffix, QWidget *parent = nullptr);

    QTableWidget *table() const { return tableDiskList; }
    // The line at the top: what the page does, in a few words, and a
    // sentence under it.
    void setTitle(const QString &title, const QString &intro);
    // Beside the title, at the right (the Volumes and Drives switch).
    void addToTitleRow(QWidget *widget);

  signals:
    void backClicked();
    void refreshClicked();
    void nextClicked();

  private:
    class QLabel *labelTitle;
    class QLabel *labelIntro;
    class QHBoxLayout *titleRow;
    QTableWidget *tableDiskList;
    QPushButton *btnBack;
    QPushButton *btnRefresh;
    QPushButton *btnNext;
};
