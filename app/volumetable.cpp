// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/volumetable.h"

#include "engine/fs/medium.h"
#include "engine/job/volumelist.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColor>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QMap>
#include <QStyle>
#include <QRadioButton>
#include <QTableWidget>

#include <algorithm>
#include <climits>

namespace VolumeTable
{

namespace
{

// Gigabytes of 10^9 bytes, as the drives table counts them: whole from
// 10 GB on, with one decimal below, so that a small volume never reads
// "0 GB".
QString gigabytes(qint64 bytes)
{
    const double gb = double(bytes) / 1e9;
    return QLocale().toString(gb, 'f', gb < 10 ? 1 : 0) + QStringLiteral(" GB");
}

constexpr int kMountPointRole = Qt::UserRole + 1;

// `path` as a cell shows it: it may break after each '/' (a zero-width
// space there), where a path has no spaces to wrap at.
QString breakableAtSlashes(QString path)
{
    path.replace(QLatin1Char('/'), QStringLiteral("/\u200b"));
    return path;
}

QAbstractButton *buttonOf(const QTableWidget *table, int row)
{
    QWidget *cell = table->cellWidget(row, 0);
    return cell ? cell->findChild<QAbstractButton *>() : nullptr;
}

// A new group for the buttons of `table`, in place of the old one: the row
// the user points at, by mouse or keys, is the row chosen (where its button
// may be chosen), and only that one; the connections go with the group.
// Without `exclusive` the buttons are check boxes, each of which adds its
// row to the rows chosen or takes it out.
QButtonGroup *newGroup(QTableWidget *table, QButtonGroup *&group, QObject *owner,
                       bool exclusive = true)
{
    delete group;
    group = new QButtonGroup(owner);
    group->setExclusive(exclusive);
    const auto chooseOnly = [table](int row) {
        QAbstractButton *button = row >= 0 ? buttonOf(table, row) : nullptr;
        if (!button || !button->isEnabled())
            return;
        for (int other = 0; other < table->rowCount(); ++other)
            if (QAbstractButton *b = buttonOf(table, other); b && other != row)
                b->setChecked(false);
        button->setChecked(true);
    };
    QObject::connect(table, &QTableWidget::currentCellChanged, group, chooseOnly);
    QObject::connect(table, &QTableWidget::cellClicked, group, chooseOnly);
    return group;
}

// A new row with its radio button (or check box), centred in the first cell.
QAbstractButton *addButtonRow(QTableWidget *table, QButtonGroup *group, QObject *owner,
                              bool checkBox = false)
{
    const int row = table->rowCount();
    table->insertRow(row);
    QAbstractButton *button = checkBox ? static_cast<QAbstractButton *>(new QCheckBox)
                                       : static_cast<QAbstractButton *>(new QRadioButton);
    group->addButton(button);
    auto *cell = new QWidget;
    auto *layout = new QHBoxLayout(cell);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setAlignment(Qt::AlignCenter);
    layout->addWidget(button);
    table->setCellWidget(row, 0, cell);
    // A radio button chosen selects its row; a check box leaves the
    // current row where it is, which would choose that row alone.
    if (checkBox)
        return button;
    QObject::connect(button, &QAbstractButton::toggled, owner, [table, row](bool checked) {
        if (!checked)
            return;
        table->clearSelection();
        table->selectRow(row);
    });
    return button;
}

void finishRow(QTableWidget *table, int row, QString tip, const QString &why)
{
    if (!why.isEmpty())
        tip = why + QStringLiteral("\n\n") + tip;
    for (int column = 1; column < table->columnCount(); ++column) {
        QTableWidgetItem *item = table->item(row, column);
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        item->setToolTip(tip);
        if (!why.isEmpty())
            item->setForeground(QColor(140, 140, 140));
    }
    if (!why.isEmpty())
        table->cellWidget(row, 0)->setToolTip(why);
}

// The columns share the table's width, with no scrolling sideways. Each
// column gets the room its texts need, except the `flexible` ones, which
// share what the others leave, each down to its floor (`floors`, else its
// heading's width or 48 px) and in proportion to what it would need; their
// texts take two lines or are cut in the middle, whole in the row's tip.
// `caps` limit a column's room; whatever is left over goes to `spare`.
void shareWidth(QTableWidget *table, const QList<int> &flexible, const QList<int> &wordsWhole,
                const QMap<int, int> &floors, const QMap<int, int> &caps, int spare)
{
    QHeaderView *header = table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->resizeSections(QHeaderView::ResizeToContents);
    const int columns = table->columnCount();
    QVector<int> needed(columns);
    for (int column = 0; column < columns; ++column)
        needed[column] = std::min(header->sectionSize(column), caps.value(column, INT_MAX));
    header->setSectionResizeMode(QHeaderView::Interactive);

    int width = table->maximumViewportSize().width();
    if (table->verticalHeader()->length() > table->maximumViewportSize().height() - header->height())
        width -= table->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table);
    QVector<int> floor(columns);
    int whole = 0, wanted = 0, least = 0;
    for (int column = 0; column < columns; ++column) {
        if (!flexible.contains(column)) {
            whole += needed[column];
            continue;
        }
        // In `wordsWhole`, a word is not cut where the column can take it
        // (up to 120 px): the text goes onto its next line at a space
        // instead. Names and serials are cut in their middle.
        int word = 0;
        for (int row = 0; wordsWhole.contains(column) && row < table->rowCount(); ++row)
            if (const QTableWidgetItem *item = table->item(row, column))
                for (const QString &part : item->text().split(QLatin1Char(' ')))
                    word = std::max(word, table->fontMetrics().horizontalAdvance(part) + 12);
        floor[column] = std::min(
            needed[column],
            std::max(floors.value(column, std::min(header->sectionSizeHint(column), 48)),
                     std::min(word, 120)));
        wanted += needed[column];
        least += floor[column];
    }
    // Where even the floors do not fit, they give way alike: a word is cut
    // before a column goes out of sight.
    if (least > width - whole && least > 0) {
        const int room = std::max(0, width - whole);
        for (int column : flexible)
            floor[column] = std::max(24, int(qint64(floor[column]) * room / least));
        least = 0;
        for (int column : flexible)
            least += floor[column];
    }
    const int left = std::max(least, width - whole);
    for (int column = 0; column < columns; ++column) {
        int size = needed[column];
        if (flexible.contains(column) && wanted > left)
            size = floor[column] +
                   int(qint64(needed[column] - floor[column]) * (left - least) / (wanted - least));
        header->resizeSection(column, size);
    }
    if (header->length() < width)
        header->resizeSection(spare, header->sectionSize(spare) + width - header->length());
}

// A drive's node and size are read whole, its state too (on two lines where
// it must, in at most a quarter of the table); its model, serial, medium and
// partitions share the rest.
void fitDriveColumns(QTableWidget *table)
{
    const int width = table->maximumViewportSize().width();
    shareWidth(table, {2, 3, 5, 6}, {5, 6}, {}, {{7, width / 4}}, 2);
}

// The columns shared out, then each row as high as its texts on the lines
// they took, at least 40 px; rows that grow may bring a scroll bar, which
// takes from the columns: they are shared out again.
void fitRows(QTableWidget *table, const std::function<void(QTableWidget *)> &fitColumns)
{
    for (int round = 0; round < 2; ++round) {
        fitColumns(table);
        table->resizeRowsToContents();
        for (int row = 0; row < table->rowCount(); ++row)
            table->setRowHeight(row, std::max(40, table->rowHeight(row) + 8));
    }
}

void fitDriveRows(QTableWidget *table)
{
    fitRows(table, fitDriveColumns);
}

// A volume's mount point is what tells it apart: it keeps at least a third
// of the table, on as many lines as it needs; its device and medium share
// what the sizes and file system leave.
void fitVolumeColumns(QTableWidget *table)
{
    const int width = table->maximumViewportSize().width();
    shareWidth(table, {1, 5, 6}, {6}, {{1, width / 3}}, {}, 1);
}

} // namespace

void configure(QTableWidget *table)
{
    // The mount point takes the room the other columns leave: it is the
    // longest, and what tells the volumes apart.
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(false);
    table->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    table->setFixedHeight(350);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->setVisible(false);
    // What a row says is what the workflows take: nothing in it can be typed
    // over.
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Mount points often share their start: the end tells them apart, and
    // a path too long for its column wraps at its slashes (fill()).
    table->setTextElideMode(Qt::ElideMiddle);
    table->setWordWrap(true);
    // The columns share the width; a horizontal bar would only scroll by
    // the width of the vertical one.
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QList<Volume> mountedVolumes()
{
    QList<Volume> list;
    for (const velmora::MountedVolume &volume : velmora::mountedVolumes())
        list.append({volume.mountPoint, volume.total, volume.available, volume.fileSystem,
                     volume.readOnly, volume.device, volume.label,
                     velmora::mediumLabel(volume.storage), velmora::deviceChainText(volume.storage),
                     volume.responding});
    return list;
}

namespace
{

// The whole of what a volume's cells may cut short, and the exact sizes.
QString volumeTip(const Volume &volume)
{
    const QLocale locale;
    QString tip =
        QCoreApplication::translate(
            "VolumeTable", "%1\nDevice: %2\nLabel: %3\nCapacity: %4 bytes\nAvailable: %5 bytes")
            .arg(volume.mountPoint, volume.device,
                 volume.label.isEmpty() ? QCoreApplication::translate("VolumeTable", "(none)")
                                        : volume.label,
                 locale.toString(volume.total), locale.toString(volume.available));
    if (!volume.medium.isEmpty())
        tip += QLatin1Char('\n') +
               QCoreApplication::translate("VolumeTable", "Medium: %1").arg(volume.medium);
    if (!volume.devices.isEmpty())
        tip += QLatin1Char('\n') +
               QCoreApplication::translate("VolumeTable", "Devices: %1").arg(volume.devices);
    return tip;
}

} // namespace

void fill(QTableWidget *table, QButtonGroup *&group, QObject *owner, bool writableOnly,
          const QList<Volume> &volumes, const RefusalReason &refusal)
{
    table->clear();
    table->setRowCount(0);
    table->setColumnCount(7);
    table->setHorizontalHeaderLabels({QCoreApplication::translate("VolumeTable", "Select"),
                                      QCoreApplication::translate("VolumeTable", "Mount point"),
                                      QCoreApplication::translate("VolumeTable", "Capacity"),
                                      QCoreApplication::translate("VolumeTable", "Available space"),
                                      QCoreApplication::translate("VolumeTable", "File system"),
                                      QCoreApplication::translate("VolumeTable", "Device"),
                                      QCoreApplication::translate("VolumeTable", "Medium")});
    newGroup(table, group, owner);

    for (const Volume &volume : volumes) {
        if (writableOnly && volume.readOnly)
            continue;
        const int row = table->rowCount();
        QAbstractButton *radio = addButtonRow(table, group, owner);

        table->setItem(row, 1, new QTableWidgetItem(breakableAtSlashes(volume.mountPoint)));
        table->item(row, 1)->setData(kMountPointRole, volume.mountPoint);
        // A volume that did not tell its size has none to show.
        const QString unknown = QStringLiteral("—");
        table->setItem(row, 2,
                       new QTableWidgetItem(volume.responding ? gigabytes(volume.total) : unknown));
        table->setItem(
            row, 3,
            new QTableWidgetItem(volume.responding ? gigabytes(volume.available) : unknown));
        table->setItem(row, 4, new QTableWidgetItem(volume.fileSystem));
        // The name the user gave the volume, where it has one, tells a stick
        // from a disk.
        table->setItem(
            row, 5,
            new QTableWidgetItem(volume.label.isEmpty()
                                     ? volume.device
                                     : QStringLiteral("%1 · %2").arg(volume.device, volume.label)));
        table->setItem(row, 6, new QTableWidgetItem(volume.medium));
        const QString tip = volumeTip(volume);
        // Nothing more is asked of a volume that does not answer: any
        // question could hang the window as well.
        const QString why =
            !volume.responding
                ? QCoreApplication::translate(
                      "VolumeTable", "This volume does not respond; it cannot be chosen now.")
            : refusal ? refusal(volume.mountPoint)
                      : QString();
        radio->setEnabled(volume.responding);
        finishRow(table, row, tip, why);
    }
    // A path longer than its column takes the lines it needs, whole: two
    // volumes whose paths differ only in the middle never read the same.
    fitRows(table, fitVolumeColumns);
}

void fillDrives(QTableWidget *table, QButtonGroup *&group, QObject *owner,
                const QList<DriveRow> &drives)
{
    table->clear();
    table->setRowCount(0);
    table->setColumnCount(8);
    const auto tr = [](const char *text) {
        return QCoreApplication::translate("VolumeTable", text);
    };
    table->setHorizontalHeaderLabels({tr("Select"), tr("Device"), tr("Model"), tr("Serial"),
                                      tr("Size"), tr("Medium"), tr("Partitions"), tr("Status")});
    // Several drives may be wiped at once: each row has a check box.
    newGroup(table, group, owner, false);
    for (const DriveRow &drive : drives) {
        const int row = table->rowCount();
        QAbstractButton *radio = addButtonRow(table, group, owner, true);
        radio->setEnabled(drive.refusal.isEmpty());
        table->setItem(row, 1, new QTableWidgetItem(drive.path));
        table->item(row, 1)->setData(kMountPointRole, drive.path);
        table->setItem(row, 2, new QTableWidgetItem(drive.model));
        table->setItem(row, 3, new QTableWidgetItem(drive.serial));
        table->setItem(row, 4, new QTableWidgetItem(drive.size));
        table->setItem(row, 5, new QTableWidgetItem(drive.medium));
        table->setItem(row, 6, new QTableWidgetItem(drive.partitions));
        table->setItem(row, 7,
                       new QTableWidgetItem(!drive.refusal.isEmpty() ? drive.brief
                                            : drive.needsAdministrator
                                                ? tr("Administrator rights needed")
                                                : tr("Can be wiped")));
        finishRow(table, row, drive.tip, drive.refusal);
    }
    fitDriveRows(table);
}

void addToTip(QTableWidget *table, int row, const QString &line)
{
    for (int column = 1; column < table->columnCount(); ++column)
        if (QTableWidgetItem *item = table->item(row, column))
            item->setToolTip(item->toolTip() + QLatin1Char('\n') + line);
}

void addToPartitions(QTableWidget *table, int row, const QString &what)
{
    QTableWidgetItem *item = table->item(row, 6);
    if (!item)
        return;
    item->setText(item->text().isEmpty() ? what
                                         : QStringLiteral("%1 · %2").arg(item->text(), what));
    fitDriveRows(table);
}

int chosenRow(const QTableWidget *table)
{
    for (int row = 0; row < table->rowCount(); ++row) {
        const QAbstractButton *radio = buttonOf(table, row);
        if (radio && radio->isChecked())
            return row;
    }
    return -1;
}

QString chosenMountPoint(const QTableWidget *table)
{
    for (int row = 0; row < table->rowCount(); ++row) {
        const QAbstractButton *radio = buttonOf(table, row);
        if (radio && radio->isChecked())
            return mountPoint(table, row);
    }
    return QString();
}

QStringList chosenMountPoints(const QTableWidget *table)
{
    QStringList chosen;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QAbstractButton *button = buttonOf(table, row);
        if (button && button->isChecked() && !mountPoint(table, row).isEmpty())
            chosen.append(mountPoint(table, row));
    }
    return chosen;
}

bool choose(QTableWidget *table, const QString &mountPoint)
{
    for (int row = 0; row < table->rowCount(); ++row) {
        QAbstractButton *radio = buttonOf(table, row);
        if (radio && radio->isEnabled() && VolumeTable::mountPoint(table, row) == mountPoint) {
            radio->setChecked(true);
            return true;
        }
    }
    return false;
}

QString mountPoint(const QTableWidget *table, int row)
{
    const QTableWidgetItem *item = row >= 0 ? table->item(row, 1) : nullptr;
    return item ? item->data(kMountPointRole).toString() : QString();
}

} // namespace VolumeTable
