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

  signals:
    void backClicked();
    void refreshClicked();
    void nextClicked();

  private:
    QTableWidget *tableDiskList;
    QPushButton *btnBack;
    QPushButton *btnRefresh;
    QPushButton *btnNext;
};
