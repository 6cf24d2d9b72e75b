// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every job's signed outcome, and its report where one was made, kept in
// the user's data folder: the way back to an earlier job's proof, for the
// window's Reports… and velmora-cli reports. Scheduled runs leave theirs in
// a folder of their own, which is listed with them.

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>

namespace velmora
{

// $XDG_DATA_HOME/velmora/reports, as the signing key's folder is found.
QString outcomeStoreFolder();

struct KeptOutcome {
    QString json; // the signed outcome's file
    QString pdf;  // its report beside it; empty where none was made
    QDateTime finished;
    QString job;    // "files", "volume", "freespace", "drive"
    QString target; // what the job destroyed, in its own words
    QString result; // "erased", "problems", "stopped", "failed"
    bool scheduled = false;
    // Whether the file is as it was signed: only a valid signature lets its
    // words be taken for what a job did.
    enum class Seal { Valid, NotSigned, Changed, OtherKey };
    Seal seal = Seal::Valid;
    QString signedBy; // the fingerprint of the key that signed it

    // "not signed", "changed after it was signed", "signed by another key";
    // empty for a valid one.
    QString sealText() const;
    // The seal as a fixed word, the same in every language ("valid",
    // "not signed", "changed after it was signed", "signed by another key").
    QLatin1String sealKey() const;
    // The state as the list shows it: stateText() where the seal holds,
    // else what is wrong with it first ("not signed (it says: Wiped)").
    QString shownState() const;

    // "Erase files", "Wipe free space", …; "Scheduled: " before it for a
    // scheduled run's.
    QString jobText() const;
    // As the job's record said it: "Erased", "Wiped", "Did not finish", …
    QString stateText() const;
};

// Keeps the signed `outcome`, and `pdf` beside it where it is not empty, as
// files of their own (mode 0600) named by the job's end: false with the
// reason where they cannot be written. Never replaces a kept one.
bool keepOutcome(const QJsonObject &outcome, const QByteArray &pdf, QString *why,
                 KeptOutcome *kept = nullptr);

// Every kept outcome and every scheduled run's, newest first; a scheduled
// run kept in both places is listed once. Each file is read without
// following links, only where it is a regular file of an outcome's size,
// and its signature is checked (against the user's own key where there is
// one): what is not as it was signed is listed as such, never as what it
// says.
QList<KeptOutcome> keptOutcomes();

} // namespace velmora
