// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/fittext.h"

#include <QWidget>

#include <algorithm>

namespace velmora
{

void fitRow(const QList<QWidget *> &row, Qt::Alignment anchor)
{
    if (row.isEmpty())
        return;
    QList<QRect> places;
    for (QWidget *w : row) {
        QRect r = w->geometry();
        r.setWidth(std::max(r.width(), w->sizeHint().width()));
        places << r;
    }
    if (anchor & Qt::AlignRight) {
        int right = row.constLast()->geometry().right();
        for (qsizetype i = row.size() - 1; i >= 0; --i) {
            const int gap = i > 0 ? row[i]->x() - row[i - 1]->geometry().right() : 0;
            places[i].moveRight(right);
            right = places[i].left() - gap;
        }
    } else {
        int left = row.constFirst()->x();
        for (qsizetype i = 0; i < row.size(); ++i) {
            const int gap = i + 1 < row.size() ? row[i + 1]->x() - row[i]->geometry().right() : 0;
            places[i].moveLeft(left);
            left = places[i].right() + gap;
        }
    }
    for (qsizetype i = 0; i < row.size(); ++i)
        row[i]->setGeometry(places[i]);
}

void fitAlike(const QList<QWidget *> &boxes)
{
    int width = 0;
    for (QWidget *box : boxes)
        width = std::max({width, box->width(), box->sizeHint().width()});
    for (QWidget *box : boxes) {
        QRect r = box->geometry();
        const int centre = r.center().x();
        r.setWidth(width);
        r.moveLeft(centre - width / 2);
        box->setGeometry(r);
    }
}

} // namespace velmora
