// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/volumepage.h"

#include "app/volumetable.h"
#include "dialogs/fittext.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTableWidget>

namespace
{

const char kButtonStyle[] = R"(QPushButton {
    background-color: #2D89EF;
    color: white;
    border-radius: 8px;
    padding: 8px 16px;
})";

const char kTableStyle[] = R"(QTableWidget {
    background-color: #ffffff;
    border: none;
    gridline-color: transparent;
    font-size: 14px;
}
QHeaderView::section {
    background-color: #e9f0f7;
    padding: 6px;
    border: none;
    font-weight: bold;
    color: #333;
}
QTableWidget::item {
    border: none;
    padding: 6px;
}
QTableWidget::item:hover {
    background-color: #f0f8ff;
}
QTableWidget::item:selected {
    background-color: #d6ecff;
    color: black;
})";

QPushButton *button(const QString &text, const QString &name, const QRect &where, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(where);
    b->setStyleSheet(QLatin1String(kButtonStyle));
    return b;
}

} // namespace

VolumePage::VolumePage(const QString &name, const QString &suffix, QWidget *parent)
    : QWidget(parent), tableDiskList(new QTableWidget(this))
{
    setObjectName(name);
    tableDiskList->setObjectName(QStringLiteral("tableDiskList") + suffix);
    tableDiskList->setGeometry(0, 0, 801, 401);
    tableDiskList->setStyleSheet(QLatin1String(kTableStyle));
    VolumeTable::configure(tableDiskList);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setAlignment(Qt::AlignTop);
    layout->addWidget(tableDiskList);

    btnBack = button(tr("Back"), QStringLiteral("btnBackFromDisk") + suffix,
                     QRect(70, 430, 121, 31), this);
    btnRefresh = button(tr("Refresh"), QStringLiteral("btnRefreshDisks") + suffix,
                        QRect(520, 430, 101, 31), this);
    btnNext = button(tr("Next"), QStringLiteral("btnNextFromDiskList") + suffix,
                     QRect(640, 430, 111, 31), this);
    connect(btnBack, &QPushButton::clicked, this, &VolumePage::backClicked);
    connect(btnRefresh, &QPushButton::clicked, this, &VolumePage::refreshClicked);
    connect(btnNext, &QPushButton::clicked, this, &VolumePage::nextClicked);
    // Buttons drawn for English take the room their translated texts need.
    velmora::fitRow({btnBack});
    velmora::fitRow({btnRefresh, btnNext}, Qt::AlignRight);
}
