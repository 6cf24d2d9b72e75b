// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <Qt>

class QWidget;

namespace velmora
{

// Controls placed at fixed spots, drawn for English: where a translation
// needs more room, they take it.
//
// Widens the controls of `row`, which stand side by side from left to right,
// so that each holds its text, keeping the gaps between them; the row keeps
// its left edge, or with Qt::AlignRight its right edge. Never narrows.
void fitRow(const QList<QWidget *> &row, Qt::Alignment anchor = Qt::AlignLeft);

// Widens `boxes` alike, each about its own centre, to the widest of the
// widths their layouts ask for, so that what they hold fits.
void fitAlike(const QList<QWidget *> &boxes);

} // namespace velmora
