// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/core/jobcontext.h"
#include "engine/fs/randomstream.h"

#include <QString>

#include <vector>

namespace velmora
{

// What a read-back found: the same data, or where it first differed or a
// read failed, and why it failed.
struct ReadBack {
    bool same = true;
    qint64 offset = -1;
    int error = 0; // 0 where the data differed
    explicit operator bool() const { return same; }
    // In words for a problem's reason: where, and what came back there.
    QString detail() const;
};

// Where one pass put which part of its stream in one file, so that what the
// device holds afterwards can be read back and compared with the stream
// regenerated from its key: no copy of the data is kept.
class WrittenData
{
  public:
    explicit WrittenData(const RandomStream::Key &key) : key(key) {}

    // `length` bytes at `fileOffset` came from the stream at `streamOffset`.
    void add(qint64 fileOffset, quint64 streamOffset, qint64 length);
    // What `other`, written with the same stream, put where, after this.
    void append(const WrittenData &other);
    qint64 bytes() const { return total; }
    // Forgets what lies at or past `fileOffset`: the file was cut there.
    void truncate(qint64 fileOffset);

    // Drops the file's pages from the cache (the data has been synced), reads
    // each part back from the device in chunks and compares it with the
    // stream. Counts the verified bytes into `ctx` and a progress chunk per
    // chunk read, up to `chunks`. A stop ends it early as if it matched:
    // the caller sees the stop.
    ReadBack verify(int fd, const QString &shown, qint64 chunks, JobContext &ctx) const;

  private:
    struct Part {
        qint64 file;
        quint64 stream;
        qint64 length;
    };
    RandomStream::Key key;
    std::vector<Part> parts;
    qint64 total = 0;
};

// "🔎 Verified N of data", for the end of a job that verified.
QString verifiedLine(qint64 bytes);

} // namespace velmora
