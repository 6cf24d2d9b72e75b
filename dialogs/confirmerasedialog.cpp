// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/confirmerasedialog.h"
#include "ui_confirmerasedialog.h"

ConfirmEraseDialog::ConfirmEraseDialog(QWidget *parent)
    : QDialog(parent), ui(new Ui::ConfirmEraseDialog)
{
    ui->setupUi(this);
    setStyleSheet(QStringLiteral(
        "QDialog { border: 1px solid #fff; }\n"
        "QLabel { font-size: 13px; color: #333; }\n"
        "QLineEdit { border: 1px solid #ccc; border-radius: 5px; padding: 5px; font-size: 12px; }\n"
        "QPushButton { min-width: 80px; padding: 5px; font-size: 13px; }\n"
        "QPushButton#btnOk { background-color: #4CAF50; color: white; border-radius: 5px; }\n"
        "QPushButton#btnCancel { background-color: #f44336; color: white; border-radius: 5px; }"));
    setWindowTitle(tr("Confirm"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->lineEdit->setPlaceholderText(tr("Type 'Erase' "));
    ui->lineEdit->setFocus(Qt::OtherFocusReason);
    connect(ui->btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

ConfirmEraseDialog::~ConfirmEraseDialog()
{
    delete ui;
}

QString ConfirmEraseDialog::typedText() const
{
    return ui->lineEdit->text().trimmed();
}

bool ConfirmEraseDialog::confirmed(int result, const ConfirmEraseDialog &dialog)
{
    return result == QDialog::Accepted && dialog.typedText() == QLatin1String("Erase");
}
