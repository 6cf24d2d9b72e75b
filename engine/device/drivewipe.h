// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/core/jobcontext.h"
#include "engine/device/freshformat.h"
#include "engine/device/sanitize.h"
#include "engine/platform/drives.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QSet>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace velmora
{

// Why the drive may not be wiped, in a sentence; empty when it may. A drive
// is refused while anything on it is in use: a mounted volume (the running
// system's and the home folder's named as such), a device stacked on it, swap;
// also when it is read-only.
QString driveRefusal(const platform::Drive &drive);
// The same in a few words, for a table's cell: "Running system", "Mounted", …
QString driveRefusalBrief(const platform::Drive &drive);

// "SanDisk Cruzer Blade, serial 4C53…, 15.6 GB, /dev/sdb": what the
// confirmation and the report name a drive by.
QString driveTitle(const platform::Drive &drive);

// What one drive's outcome files are named by among drives wiped at once:
// its serial, where it has one that makes a file name, else its node
// ("sdb"); never one of `taken`, to which it is added.
QString outcomeFileStem(const platform::Drive &drive, QSet<QString> *taken);

// What each drive's writes and reads take at a time (JobContext::driveChunk)
// when `drives` are wiped at once: each has three in flight, and together
// they keep within a budget, so that memory stays flat however many run
// (4 MiB each up to eight drives, never below 1 MiB).
qint64 driveChunkFor(std::size_t drives);

// A drive opened for its wipe before the question is asked, and held until
// the wipe ends. While it is held no mount, mapping or other exclusive user
// can take it, a loop device cannot be attached to another file, and a
// drive pulled and replaced comes back under another number. What the
// certificate says of the drive comes from here alone.
struct PinnedDrive {
    platform::Drive drive; // as it was when it was opened
    platform::DriveIdentity identity;
    platform::Fd fd; // exclusive, direct I/O, read and write
    PinnedDrive();
    ~PinnedDrive();
    PinnedDrive(const PinnedDrive &) = delete;
    PinnedDrive &operator=(const PinnedDrive &) = delete;
};

// Opens the drive at `path` for its wipe once every refusal is passed: null,
// with the reason in `*refusal` (and the errno in `*error`, 0 for a
// refusal of ours), when it is refused or cannot be opened.
// `seen`: the drive as a look at the system just now saw it (drivesAt()),
// where several are pinned at once; else it is looked at here.
std::shared_ptr<PinnedDrive> pinDrive(const QByteArray &path, QString *refusal,
                                      int *error = nullptr, const platform::Drive *seen = nullptr);

// Why the pinned drive may no longer be wiped: its node names another device
// now (another stick, a loop device attached again), the device changed, or
// something else took it meanwhile (a FUSE driver, a holder). Empty while it
// may be wiped.
QString pinnedDriveChanged(const PinnedDrive &pin, const platform::Drive *seen = nullptr);
// The same for drives wiped at once, named by `paths` in the order of
// `pins`, from one look at the system for them all: why the first that
// changed may no longer be wiped; empty while every one may.
QString pinnedDrivesChanged(const QByteArrayList &paths,
                            const std::vector<const PinnedDrive *> &pins);

// Progress units of a drive wipe of `bytes`: each pass, the read-back, the
// key destruction and the drive's own erase (kOwnEraseUnits, as the drive
// tells its progress, then the check of the sampled blocks).
constexpr qint64 kOwnEraseUnits = 1000;
qint64 driveWipeUnits(quint64 bytes, int passes, bool verify, bool cryptoErase,
                      bool ownErase = false);

// Wipes the whole block device at `path`, below any file system:
// - with `cryptoErase`, first destroys the key slots of the LUKS container it
//   holds and overwrites its headers (both LUKS2 copies) with random data;
// - then `passes` passes of fresh random data over every sector, from the
//   first to the last, with direct I/O, each synced; with `ctx.verify` the
//   last one is read back from the device and compared;
// - then, where the device discards, discards all of it (a secure discard
//   where it can).
// With `ownErase`, after the keys and before any pass: the drive's own
// erase of that action, with random markers written to blocks sampled
// across the drive before it and looked for after it. A marker still there
// fails the job, whatever the drive said; the command and the check go to
// the certificate, and Purge is claimed only when both agree.
// Stop is seen between chunks. What was done, pass by pass, and the
// sanitization category it amounts to go to `ctx.report` (setDrive()).
// `pin` is the drive as it was opened before the question; it is checked
// again first (pinnedDriveChanged()). Without one the drive is opened here.
// With `format`, a wipe that wrote or erased every sector ends with a new
// partition table and file system (freshformat.h), and the drive let go.
void runDriveWipeJob(const QByteArray &path, int passes, bool cryptoErase, JobContext &ctx,
                     std::shared_ptr<PinnedDrive> pin = nullptr,
                     std::optional<OwnEraseChoice> ownErase = std::nullopt,
                     std::optional<FreshFormat> format = std::nullopt);

} // namespace velmora
