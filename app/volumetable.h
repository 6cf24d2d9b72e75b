// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QButtonGroup;
class QObject;
class QTableWidget;

// The two tables of mounted volumes: one row per volume, a radio button in the
// first column, and the mount point that the workflows read back.
namespace VolumeTable
{

// The fixed configuration applied once when the window is built.
void configure(QTableWidget *table);

// One mounted volume as the tables show it.
struct Volume {
    QString mountPoint;
    qint64 total = 0;
    qint64 available = 0;
    QString fileSystem;
    bool readOnly = false;
    QString device; // "/dev/sdb1", or what the kernel names the source
    QString label;
    QString medium;  // "SSD · NVMe", "USB flash", …
    QString devices; // the chain down to the disks, with their model and serial
    bool responding = true;
};
// The volumes mounted now, ready to be listed; one that does not answer
// within a second is listed as not responding.
QList<Volume> mountedVolumes();

// Why a volume may not be chosen, in a sentence; empty when it may.
using RefusalReason = std::function<QString(const QString &mountPoint)>;

// Refills `table` from `volumes` (the mounted ones by default). The old
// button group is deleted and a new exclusive one, owned by `owner`, holds the
// new radio buttons. With `writableOnly`, read-only volumes are left out.
// Rows that `refusal` gives a reason for are greyed, with the reason in
// their tool tip. A click anywhere on a row chooses it; no cell is editable.
void fill(QTableWidget *table, QButtonGroup *&group, QObject *owner, bool writableOnly,
          const QList<Volume> &volumes = mountedVolumes(), const RefusalReason &refusal = {});

// One block device as the drives table shows it.
struct DriveRow {
    QString path; // "/dev/sdb"
    QString model;
    QString serial;
    QString size;
    QString medium;
    QString partitions;
    QString refusal; // why it may not be wiped; empty when it may
    QString brief;   // the same in a few words, for its cell
    // A drive that may be wiped, but not by this user: said in its cell
    // ("Administrator rights needed") in place of "Can be wiped".
    bool needsAdministrator = false;
    QString tip; // the exact size, sectors, the chain of what uses it
};
// Refills `table` with drives, as fill() does with volumes: a refused row is
// greyed, says why in its last column, and cannot be chosen. Each row has a
// check box in place of the radio button: several drives may be chosen, and
// a click on a row chooses that one alone.
void fillDrives(QTableWidget *table, QButtonGroup *&group, QObject *owner,
                const QList<DriveRow> &drives);

// Adds `line` to the tip of `row`'s cells, as a line of its own.
void addToTip(QTableWidget *table, int row, const QString &line);
// Adds `what` ("LUKS2") to what a drive's row says it holds.
void addToPartitions(QTableWidget *table, int row, const QString &what);

// The first row whose radio button is checked, or -1.
int chosenRow(const QTableWidget *table);

// The mount point of `row` as the volume reported it (never what a cell
// shows), or the device path of a drive's row; empty when the row has none.
QString mountPoint(const QTableWidget *table, int row);

// The mount point of the first chosen row that has one, or empty.
QString chosenMountPoint(const QTableWidget *table);

// The mount points (or device paths) of every chosen row, top to bottom.
QStringList chosenMountPoints(const QTableWidget *table);

// Chooses the row of the volume at `mountPoint`; false when none shows it.
bool choose(QTableWidget *table, const QString &mountPoint);

} // namespace VolumeTable
