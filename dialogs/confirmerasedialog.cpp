// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/confirmerasedialog.h"
#include "ui_confirmerasedialog.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

ConfirmEraseDialog::ConfirmEraseDialog(QWidget *parent)
    : QDialog(parent), ui(new Ui::ConfirmEraseDialog)
{
    ui->setupUi(this);
    // The form's size, also where a window manager ignores size hints: its
    // controls sit at fixed places.
    setFixedSize(size());
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
    // Between the field and the buttons, in the fixed text's width.
    labelTarget = new QLabel(this);
    labelTarget->setObjectName(QStringLiteral("labelTarget"));
    labelTarget->setGeometry(50, 114, 361, 42);
    labelTarget->setWordWrap(true);
    labelTarget->setTextFormat(Qt::PlainText);
    labelTarget->setStyleSheet(QStringLiteral("font-weight: bold;"));
    labelDetails = new QLabel(this);
    labelDetails->setObjectName(QStringLiteral("labelDetails"));
    labelDetails->setTextFormat(Qt::PlainText);
    labelDetails->setGeometry(50, 156, 361, 0);
    connect(ui->btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    // The texts are measured as they are set, before the dialog is shown: in
    // the fonts the style sheet gives them, which they take once polished.
    ensurePolished();
}

ConfirmEraseDialog::~ConfirmEraseDialog()
{
    delete ui;
}

void ConfirmEraseDialog::setQuestion(const QString &sentence)
{
    // The form's look, with the word to type in red as there.
    ui->label->setText(
        QStringLiteral("<html><body><p><span style=\" font-size:11pt;\">%1<br/>%2</span></p>"
                       "</body></html>")
            .arg(sentence.toHtmlEscaped(),
                 tr("Please type '%1' to continue:")
                     .toHtmlEscaped()
                     .arg(QStringLiteral("<span style=\" color:#ff0000;\">Erase</span>"))));
    layOut();
}

QString ConfirmEraseDialog::question() const
{
    return ui->label->text();
}

void ConfirmEraseDialog::setTarget(const QString &target)
{
    labelTarget->setText(target);
    layOut();
}

void ConfirmEraseDialog::setDetails(const QStringList &named, int more, const QString &method)
{
    QStringList lines;
    const QFontMetrics metrics = labelDetails->fontMetrics();
    for (const QString &name : named)
        lines << metrics.elidedText(name, Qt::ElideMiddle, labelDetails->width());
    if (more > 0)
        lines << tr("… and %n more", nullptr, more);
    if (!method.isEmpty())
        lines << tr("Method: %1").arg(method);
    labelDetails->setText(lines.join(QLatin1Char('\n')));
    layOut();
}

QString ConfirmEraseDialog::details() const
{
    return labelDetails->text();
}

void ConfirmEraseDialog::layOut()
{
    // The form's places where the texts fit them; below, each label takes the
    // lines it has and the buttons go under them. A question of more lines
    // than the form's (a long mount point) moves the field down with it.
    const int questionHeight = std::max(71, ui->label->heightForWidth(ui->label->width()));
    ui->label->setFixedHeight(questionHeight);
    const int fieldTop = std::max(80, ui->label->y() + questionHeight - 1);
    ui->lineEdit->move(ui->lineEdit->x(), fieldTop);
    labelTarget->move(labelTarget->x(), fieldTop + 34);
    const int targetHeight = std::max(42, labelTarget->heightForWidth(labelTarget->width()));
    labelTarget->setFixedHeight(targetHeight);
    const int detailsTop = labelTarget->y() + targetHeight;
    const int detailsHeight =
        labelDetails->text().isEmpty() ? 0 : labelDetails->sizeHint().height() + 6;
    labelDetails->setGeometry(labelDetails->x(), detailsTop, labelDetails->width(), detailsHeight);
    const int buttonsTop = std::max(160, detailsTop + detailsHeight + 4);
    ui->btnOk->move(ui->btnOk->x(), buttonsTop);
    ui->btnCancel->move(ui->btnCancel->x(), buttonsTop);
    setFixedSize(width(), std::max(207, buttonsTop + 47));
}

QString ConfirmEraseDialog::target() const
{
    return labelTarget->text();
}

QString ConfirmEraseDialog::typedText() const
{
    return ui->lineEdit->text().trimmed();
}

bool ConfirmEraseDialog::confirmed(int result, const ConfirmEraseDialog &dialog)
{
    return result == QDialog::Accepted && dialog.typedText() == QLatin1String("Erase");
}
