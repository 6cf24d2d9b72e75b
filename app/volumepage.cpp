// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/volumepage.h"

#include "app/volumetable.h"
#include "dialogs/fittext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

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

// Below the title, down to the drives' bar at 358.
constexpr int kTableHeight = 302;

} // namespace

VolumePage::VolumePage(const QString &name, const QString &suffix, QWidget *parent)
    : QWidget(parent), tableDiskList(new QTableWidget(this))
{
    setObjectName(name);
    tableDiskList->setObjectName(QStringLiteral("tableDiskList") + suffix);
    tableDiskList->setGeometry(0, 0, 801, 401);
    tableDiskList->setStyleSheet(QLatin1String(kTableStyle));
    VolumeTable::configure(tableDiskList);
    // The title and its sentence above the table, the table below them
    // down to where the buttons begin.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->setSpacing(4);
    layout->setAlignment(Qt::AlignTop);
    titleRow = new QHBoxLayout;
    titleRow->setContentsMargins(10, 0, 10, 0);
    auto *words = new QVBoxLayout;
    words->setSpacing(0);
    labelTitle = new QLabel(this);
    labelTitle->setObjectName(QStringLiteral("labelPageTitle") + suffix);
    labelTitle->setStyleSheet(QStringLiteral("font-size: 15px; font-weight: bold;"));
    labelIntro = new QLabel(this);
    labelIntro->setObjectName(QStringLiteral("labelPageIntro") + suffix);
    labelIntro->setWordWrap(true);
    words->addWidget(labelTitle);
    words->addWidget(labelIntro);
    titleRow->addLayout(words, 1);
    layout->addLayout(titleRow);
    tableDiskList->setFixedHeight(kTableHeight);
    layout->addWidget(tableDiskList);
    layout->addStretch(1);

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

void VolumePage::setTitle(const QString &title, const QString &intro)
{
    labelTitle->setText(title);
    labelIntro->setText(intro);
}

void VolumePage::addToTitleRow(QWidget *widget)
{
    titleRow->addWidget(widget, 0, Qt::AlignVCenter);
}
