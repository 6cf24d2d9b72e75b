// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/reportdetailsdialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace
{

QString settingsKey(const velmora::ReportDetails::Field &field)
{
    return QStringLiteral("report/") + QLatin1String(field.key);
}

} // namespace

velmora::ReportDetails ReportDetailsDialog::current()
{
    velmora::ReportDetails details = velmora::ReportDetails::fromFile();
    velmora::ReportDetails remembered;
    const QSettings settings;
    for (const auto &field : velmora::ReportDetails::fields())
        remembered.*field.member = settings.value(settingsKey(field)).toString();
    details.overrideWith(remembered);
    return details;
}

ReportDetailsDialog::ReportDetailsDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("reportDetailsDialog"));
    setWindowTitle(tr("Report Details"));
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(tr("Each report names these. What stays empty is printed as a "
                                "line to fill in by hand."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto *form = new QFormLayout;
    const velmora::ReportDetails details = current();
    for (const auto &field : velmora::ReportDetails::fields()) {
        auto *edit = new QLineEdit(details.*field.member, this);
        edit->setObjectName(QLatin1String(field.key));
        form->addRow(QCoreApplication::translate("ReportDetails", field.label), edit);
        edits.append(edit);
    }
    layout->addLayout(form);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        save();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(480, sizeHint().height());
}

void ReportDetailsDialog::save()
{
    QSettings settings;
    const auto &fields = velmora::ReportDetails::fields();
    for (qsizetype i = 0; i < fields.size(); ++i)
        settings.setValue(settingsKey(fields.at(i)), edits.at(i)->text().trimmed());
}
