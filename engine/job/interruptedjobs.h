// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The records of jobs that did not return (killed, a power cut, a crash):
// at the next start the window and velmora-cli find them, clean up after
// them and say what was left unfinished. The records are written by
// JobJournal.

#include "engine/core/jobcontext.h"
#include "engine/core/jobjournal.h"
#include "engine/job/erasurerecord.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace velmora
{

// The live job of this user's that works on the volume `root` ("a wipe of
// the free space of /mnt (pid 1234), started 10:02"); empty when none of
// this user's records names it.
QString liveJobOn(const QByteArray &root, const QByteArray &folder = journalFolder());

// Begins the record in `ctx.journal`, where there is one. A record that
// cannot be kept is said: a job cut short would go unreported otherwise.
void beginJournal(const JobContext &ctx, JobKind kind, bool verify,
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
    // A drive wipe's drive, as it was held ("WDC WD10, serial 123, 1.0 TB,
    // /srv/disk.img"), and what its node names now: the same drive, another
    // device, or nothing. Empty for other jobs, or a record without it.
    QString drive;
    QString driveNow;
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
