// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A running job's own account of itself, for the case that it never gets to
// its end: killed, a power cut, a crash. When a job starts, a small record of
// what it set out to erase is written and synced in the user's state folder;
// it notes each phase, every folder where the job makes helper entries (fill
// files, name folders) and every reserve it lends to a fill. A job that
// returns removes it. At the next start the window and velmora-cli find the
// records of jobs that did not return, clean up after them and say what was
// left unfinished.

#include "engine/job/erasurerecord.h"
#include "engine/job/jobcontext.h"
#include "engine/platform/platform.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <mutex>

namespace velmora
{

// Where this process keeps a folder of its own: `velmora` below the folder
// the variable `xdgVariable` names, where that is the effective user's own;
// else root's /var/lib/velmora, or `belowHome` (".local/state") in the
// effective user's home as the user database has it. Root run with an
// ordinary user's environment (sudo -E, su) thus never creates root-owned
// folders in her home, and never reads what she, or anyone, left there.
QByteArray ownFolder(const char *xdgVariable, const QByteArray &belowHome);

// $XDG_STATE_HOME/velmora, as ownFolder() finds it.
QByteArray journalFolder();

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
    void begin(ErasureRecord::Kind kind, bool verify, const QByteArrayList &targets);
    void atPhase(const QString &phase);
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

// The live job of this user's that works on the volume `root` ("a wipe of
// the free space of /mnt (pid 1234), started 10:02"); empty when none of
// this user's records names it.
QString liveJobOn(const QByteArray &root, const QByteArray &folder = journalFolder());

// Begins the record in `ctx.journal`, where there is one. A record that
// cannot be kept is said: a job cut short would go unreported otherwise.
void beginJournal(const JobContext &ctx, ErasureRecord::Kind kind, bool verify,
                  const QByteArrayList &targets);

// A job whose record stayed: what it was, where it stood, what was done
// about it now.
struct InterruptedJob {
    QDateTime started;
    ErasureRecord::Kind kind = ErasureRecord::Kind::Files;
    QString method;
    bool verify = false;
    QString phase;
    QByteArrayList targets;
    QByteArrayList unfinished; // the targets that are still there
    QStringList cleanedUp;     // a line for each thing put right
    QStringList notCleaned;    // and for each that could not be
    // The record could not be read (cut short, not JSON): nothing is known
    // of the job, and the record is kept under this name to be looked at.
    QByteArray unreadable;

    // A few sentences for a person.
    QString description() const;
};

// Finds the records in `folder` of jobs whose process is gone, removes what
// they left in the folders they worked in, gives back the reserves they
// lent, and removes the records. Only a folder and records of the effective
// user's are read: a record is an instruction to remove and to restore.
QList<InterruptedJob> recoverInterruptedJobs(const QByteArray &folder = journalFolder());

} // namespace velmora
