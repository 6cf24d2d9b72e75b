// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One file served by a FUSE file system of the test's own, for a loop device
// that behaves like a failing or hanging drive: writes or reads past an
// offset fail with EIO, or reads wait until the test lets them go. Its bytes
// are kept in a real file beside the mount. Root and /dev/fuse only.

#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace testsupport
{

struct FaultyFileState;

class FaultyFile
{
  public:
    struct Faults {
        // Writes that reach into [failWritesFrom, failWritesTo) fail with
        // EIO (-1: none do; failWritesTo -1: to the end).
        qint64 failWritesFrom = -1;
        // Reads that reach this offset fail with EIO (-1: none do).
        qint64 failReadsFrom = -1;
        // Every read waits until release() or the end of the file system.
        bool hangReads = false;
        qint64 failWritesTo = -1;
        // Writes from this offset on are taken and kept nowhere, as a
        // drive that lies does (-1: all are kept).
        qint64 dropWritesFrom = -1;
    };

    FaultyFile(qint64 bytes, Faults faults);
    ~FaultyFile();
    FaultyFile(const FaultyFile &) = delete;
    FaultyFile &operator=(const FaultyFile &) = delete;

    // The file served, to attach a loop device to.
    QString path() const;
    // The bytes behind it, read without the faults.
    QString backing() const;
    // Lets the waiting reads go, and every read from now on.
    void release();
    // From now on, reads that reach `offset` fail with EIO: a drive whose
    // sectors went bad meanwhile.
    void failReadsFrom(qint64 offset);
    // Why there is none (not root, no FUSE); empty when it is served.
    QString why;

  private:
    QTemporaryDir dir; // holds only the FUSE mount point and the backing file
    std::unique_ptr<FaultyFileState> state;
};

} // namespace testsupport
