#pragma once

#include <QString>

class QButtonGroup;
class QObject;
class QTableWidget;

// The two tables of mounted volumes: one row per volume, a radio button in the
// first column, and the mount point that the workflows read back.
namespace VolumeTable
{

// The fixed configuration applied once when the window is built.
void configure(QTableWidget *table);

// Refills `table` from the mounted volumes. The old button group is deleted
// and a new exclusive one, owned by `owner`, holds the new radio buttons.
// With `writableOnly`, read-only volumes are left out.
void fill(QTableWidget *table, QButtonGroup *&group, QObject *owner, bool writableOnly);

// The first row whose radio button is checked, or -1.
int chosenRow(const QTableWidget *table);

// The mount point text of `row`, empty when the row has none.
QString mountPoint(const QTableWidget *table, int row);

// The mount point of the first chosen row that has one, or empty.
QString chosenMountPoint(const QTableWidget *table);

} // namespace VolumeTable
