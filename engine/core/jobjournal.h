// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A running job's own account of itself, for the case that it never gets to
// its end: killed, a power cut, a crash. When a job starts, a small record of
// what it set out to erase is written and synced in the user's state folder;
// it notes each phase, every folder where the job makes helper entries (fill
// files, name folders) and every reserve it lends to a fill. A job that
// returns removes it. This is the writing half; the next start's reading of
// the records that stayed is the job layer's (interruptedjobs.h).

#include "engine/platform/drives.h"
#include "engine/platform/platform.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <mutex>

namespace velmora
{

// The jobs a record tells of, and the word for each in the record.
enum class JobKind { Files, Volume, FreeSpace, Drive };
const char *jobKindKey(JobKind kind);
JobKind jobKindOfKey(const QString &key); // Files for one it does not know

// Names are bytes; the record keeps them as base64, whatever they hold.
QJsonValue bytesValue(const QByteArray &bytes);
QByteArray bytesOf(const QJsonValue &value);
QJsonArray bytesArray(const QByteArrayList &list);
QByteArrayList bytesList(const QJsonValue &value);

// Where this process keeps a folder of its own: `velmora` below the folder
// the variable `xdgVariable` names, where that is the effective user's own;
// else root's /var/lib/velmora, or `belowHome` (".local/state") in the
// effective user's home (userHome()). Root run with an ordinary user's
// environment (sudo -E, su) thus never creates root-owned folders in her
// home, and never reads what she, or anyone, left there.
QByteArray ownFolder(const char *xdgVariable, const QByteArray &belowHome);
// The effective user's home: HOME where that is a folder the user owns,
// else the one the user database has.
QByteArray userHome();

// $XDG_STATE_HOME/velmora, as ownFolder() finds it.
QByteArray journalFolder();
// Where this user's jobs keep the locks of the volumes they work on.
QByteArray volumeLockFolder();

class JobJournal
{
  public:
    // For a job with `method`; keeps its record in `folder` (made if
    // missing). Nothing is written before begin().
    explicit JobJournal(QString method, QByteArray folder = journalFolder());
    // The job returned, whatever its outcome: the record goes.
    ~JobJournal();
    JobJournal(const JobJournal &) = delete;
    JobJournal &operator=(const JobJournal &) = delete;

    // The job starts: the entries it was given (a file erase), or the
    // volume's mount point.
    void begin(JobKind kind, bool verify, const QByteArrayList &targets);
    void atPhase(const QString &phase);
    // The drive a drive wipe holds: what names it beyond its node, which
    // the next start compares with what the node names by then.
    void aboutDrive(const platform::DriveIdentity &identity);
    // The job is about to make helper entries in the folder `path`.
    void workingIn(const QByteArray &path);
    // The ext4 or XFS reserve of the volume at `mountPoint` was `blocks`
    // before the fill took it; gaveBack() once it is restored.
    void lentReserve(const QByteArray &mountPoint, const QByteArray &fsType, quint64 blocks);
    void gaveBack(const QByteArray &mountPoint);

    // Why the record could not be written (an errno value); 0 when it was.
    int error() const;
    const QByteArray &folderPath() const { return folder; }

  private:
    void write();

    mutable std::mutex mutex;
    QString method;
    QByteArray folder;
    QByteArray file;
    // Held from begin() on: a record whose lock is held is a live job's,
    // whatever its process number says.
    platform::Fd liveLock;
    bool begun = false;
    int writeError = 0;
    QJsonObject record;
};

} // namespace velmora
