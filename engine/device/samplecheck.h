// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a drive's own erase did, checked where it can be read: blocks
// sampled across the whole drive (its first and last block, and one at a
// pseudorandom place in each of many equal subsections, in the manner of
// NIST SP 800-88 Rev. 1 §4.7) are marked with random data before the
// command, and read again after it.

#include "engine/core/jobcontext.h"

#include <QByteArray>
#include <QJsonObject>

#include <vector>

namespace velmora
{

class SampleCheck
{
  public:
    // The drive open at `fd` with direct I/O, `bytes` long, in blocks of
    // `block` bytes (a multiple of its logical sector). `subsections` of
    // them, fewer on a drive too small for the sample to stay under a tenth
    // of it (and two blocks more).
    SampleCheck(int fd, quint64 bytes, quint32 block, int subsections = kSubsections);

    static constexpr int kSubsections = 1000;

    // Writes a random marker to each sampled block, and reads it back: 0,
    // or the errno of the first block that could not be marked.
    int mark(JobContext &ctx);

    struct Result {
        int sampled = 0;
        int markersLeft = 0; // blocks that still read as they were marked
        int notZeros = 0;    // where zeros were promised: blocks that are not
        int unreadable = 0;
        quint64 firstMismatchAt = 0; // the byte offset of the first
        bool agrees() const { return markersLeft == 0 && notZeros == 0 && unreadable == 0; }
        QJsonObject toJson() const;
    };
    // Reads every sampled block again.
    Result check(bool zerosPromised, JobContext &ctx) const;

    const std::vector<quint64> &offsets() const { return places; }
    qint64 sampledBytes() const { return qint64(places.size()) * block; }

  private:
    int fd;
    quint32 block;
    std::vector<quint64> places;
    std::vector<QByteArray> markers;
};

} // namespace velmora
