// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/job/reportdetails.h"

#include <QDialog>
#include <QList>

class QLineEdit;

// "Report Details": who erases, for whom and where, and what becomes of the
// medium, as each report then names them. Remembered in the settings; what
// report.conf says fills what was never set here.
class ReportDetailsDialog : public QDialog
{
    Q_OBJECT

  public:
    explicit ReportDetailsDialog(QWidget *parent = nullptr);

    // The details a report made now carries.
    static velmora::ReportDetails current();

  private:
    void save();
    QList<QLineEdit *> edits; // in the order of ReportDetails::fields()
};
