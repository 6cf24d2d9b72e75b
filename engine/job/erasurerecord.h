// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/core/jobcontext.h"
#include "engine/core/jobjournal.h"
#include "engine/job/reportdetails.h"

#include <QByteArrayList>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace velmora
{

// What one job set out to destroy and what became of it: the erasure report
// (the window's "Save Report…", the command line's --report) and the
// command line's --json are written from it.
struct ErasureRecord {
    using Kind = JobKind;
    enum class Result { Erased, Problems, Stopped, Failed };
    struct Entry {
        QString name;
        QString outcome; // in words
        bool erased = false;
        bool present = false; // still there when the job ended
        // The outcome as a fixed word, the same in every language.
        enum class State { Erased, NotErased, PartlyErased, Stopped };
        State state = State::NotErased;
        // The name's own bytes, where the shown name is not their text (a
        // name that is not UTF-8, or holds characters shown escaped): two
        // names shown alike stay two in the outcome.
        QByteArray bytes;
    };
    // The version of toJson()'s layout; a change a reader must know of
    // counts it up.
    static constexpr int kJsonSchema = 3;

    Kind kind = Kind::Files;
    QString method;
    int passes = 0;
    bool verify = false;
    // As the confirmation named it.
    QString target;
    // Volume jobs: the volume.
    QString mountPoint;
    QString device;
    QString fileSystem;
    quint64 volumeBytes = 0;
    // File erase: the entries as they were listed, bytes as the file system
    // names them.
    QByteArrayList listed;
    QSet<QByteArray> listedFolders; // those of them that were folders

    QString host;
    QString user;
    QDateTime started;
    QDateTime finished;

    QList<Entry> entries;
    Result result = Result::Erased;
    qint64 bytesWritten = 0;
    qint64 bytesVerified = 0;
    QString error;
    int problemCount = 0;
    QStringList problems;
    QStringList problemReasons; // beside each problem, why (may be empty)
    QStringList warnings;
    // Where its JSON outcome was signed: the key's fingerprint and the
    // SHA-256 of the bytes the signature covers, for the PDF beside it.
    QString signedBy;
    QString signedSha256;
    // What the job did beside its entries (the traces it removed).
    QStringList notes;
    // The medium beneath each volume it worked on.
    QList<VolumeMedium> media;
    // A drive wipe: the drive, the partition table it held, each pass, the
    // read-back, the discard and the sanitization category (fixed words).
    QJsonObject drive;
    // Who erased, for whom, where; given by the user.
    ReportDetails details;

    // The sanitization category in fixed words: "clear" or "purge" for a
    // drive wipe that ran to its end, "none" for everything else.
    QString category() const;
    // "overwrite", "cryptographic-erase", or both.
    QString technique() const;
    // Whether the last pass was read back, as asked, to the end of the job:
    // a job stopped or failed did not read back what it had not written.
    bool readBack() const;
    // The warnings, problems and the error as the job told of them.
    QList<JobEvent> events;

    // A file erase of `paths`, or a wipe of the volume at `root`: notes the
    // host, the user and the time.
    static ErasureRecord forFiles(const QByteArrayList &paths, const QString &method, bool verify);
    static ErasureRecord forVolume(Kind kind, const QString &root, const QString &method,
                                   bool verify);
    // A wipe of the whole drive at `path` (`method` empty: its keys only, or
    // its own erase alone); `ownErase`, the action of the drive's own erase.
    static ErasureRecord forDrive(const QByteArray &path, const QString &method, bool verify,
                                  bool cryptoErase, const QString &ownErase = QString());

    // Once the job has returned: its outcome, entry by entry (a listed entry
    // that is still there, or has problems below it, was not erased).
    void finish(const JobReport &report, qint64 written, qint64 verified, bool stopped);

    // The listed entries that no listed folder holds, in the list's order.
    QByteArrayList topLevel() const;

    double seconds() const;
    int erasedEntries() const;
    QString kindName() const; // "Erase files and folders", …
    QString resultText() const;
    // One sentence: what was done, for the page a stopped job returns to
    // and the command line's last line.
    QString summary() const;
    QJsonObject toJson() const;
};

} // namespace velmora
