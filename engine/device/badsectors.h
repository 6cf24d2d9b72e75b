// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Sectors a drive would not take or give back. A drive wipe carries on past
// them, after retries, and keeps them here; what it could not write may
// still hold what was there, so a drive with any is never called clean.

#include <QJsonObject>
#include <QtGlobal>

#include <map>
#include <mutex>

namespace velmora
{

class BadSectors
{
  public:
    // More than this many and the drive is failing, not flawed: the wipe
    // stops.
    static constexpr quint64 kMost = 2048;

    explicit BadSectors(quint32 sectorBytes = 512) : sector(sectorBytes) {}
    quint32 sectorBytes() const { return sector; }

    // The bytes [from, to) were refused (whole sectors); the same sectors
    // again count once.
    void add(quint64 from, quint64 to);
    quint64 count() const;
    bool tooMany() const { return count() > kMost; }
    // Zeros over every refused byte of the buffer holding [offset, offset +
    // length): what the drive could not take is not compared.
    void blankIn(char *data, quint64 offset, quint64 length) const;
    // How many bytes of [offset, offset + length) are refused.
    quint64 bytesIn(quint64 offset, quint64 length) const;
    // {"sectorBytes", "count", "ranges": [[first, last], …]} in sectors,
    // the first 1000 ranges.
    QJsonObject toJson() const;

  private:
    // Calls each(from, to) for every refused piece of [offset, offset +
    // length), in order, under the lock.
    template <typename Each>
    void eachIn(quint64 offset, quint64 length, Each each) const;

    quint32 sector;
    mutable std::mutex lock;
    std::map<quint64, quint64> ranges; // from -> to, bytes, apart and in order
};

// True for the errors a drive gives for a sector it cannot write or read
// (EIO, ENODATA, EREMOTEIO, EILSEQ); a drive gone or refusing everything
// gives others.
bool isMediaError(int error);

// A chunk the drive refused with a media error, written again: whole, then
// in pieces, then sector by sector within the pieces that fail. What still
// fails goes to `bad`. 0 when the rest is written; else the errno that ends
// the wipe (EIO once there are too many).
int rewriteRefused(int fd, const char *data, quint64 offset, qint64 length, BadSectors &bad);
// The same for a chunk that could not be read back: read again the same
// way into `data`; what cannot be read goes to `bad`.
int rereadRefused(int fd, char *data, quint64 offset, qint64 length, BadSectors &bad);

} // namespace velmora
