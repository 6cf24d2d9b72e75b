// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/clicommands.h"

#include "app/cliout.h"
#include "engine/core/jobjournal.h"
#include "engine/device/drivewipe.h"
#include "engine/device/freshformat.h"
#include "engine/device/hiddenarea.h"
#include "engine/device/luks.h"
#include "engine/device/sanitize.h"
#include "engine/fs/paths.h"
#include "engine/fs/traces.h"
#include "engine/job/guards.h"
#include "engine/job/interruptedjobs.h"
#include "engine/job/volumelist.h"
#include "engine/platform/drives.h"
#include "engine/platform/platform.h"

#include <QCoreApplication>

namespace cli
{

namespace
{

// True (said) when --json's or --report's file `output` lies in what is to
// be erased.
bool collidesWithSelection(const QByteArray &output, const char *option,
                           const QByteArrayList &listed)
{
    if (output.isEmpty())
        return false;
    const velmora::EntryCheck where = velmora::checkEntry(output, false);
    if (where.refusal != velmora::EntryRefusal::None &&
        where.refusal != velmora::EntryRefusal::Missing)
        return fail(QCoreApplication::translate("Cli", "%1 %2: %3")
                        .arg(QLatin1String(option), velmora::displayName(output),
                             velmora::refusalText(where, output))),
               true;
    QByteArray resolved = where.resolved;
    if (resolved.isEmpty()) {
        // It does not exist yet: its folder decides.
        const qsizetype slash = output.lastIndexOf('/');
        const QByteArray folder = slash < 0    ? QByteArray(".")
                                  : slash == 0 ? QByteArray("/")
                                               : output.left(slash);
        int error = 0;
        const QByteArray real = velmora::platform::realPath(folder, &error);
        if (real.isEmpty())
            return false; // writing it fails later and says why
        resolved = velmora::joinPath(real, output.mid(slash + 1));
    }
    for (const QByteArray &entry : listed) {
        if (resolved == entry || (resolved.startsWith(entry) && resolved.size() > entry.size() &&
                                  resolved.at(entry.size()) == '/')) {
            fail(QCoreApplication::translate(
                     "Cli", "%1 %2 lies in what is to be erased; nothing was erased")
                     .arg(QLatin1String(option), velmora::displayName(output)));
            return true;
        }
    }
    return false;
}

// True (said) when another job works on the volume at `root`: two jobs
// filling or scrubbing one volume would take each other's helper files for
// leftovers.
bool anotherJobOn(const QString &root)
{
    if (velmora::platform::volumeLocked(velmora::fsBytes(root), velmora::volumeLockFolder())) {
        const QString other = velmora::liveJobOn(velmora::fsBytes(root));
        fail(other.isEmpty()
                 ? QCoreApplication::translate(
                       "Cli",
                       "another Velmora job is working on %1; nothing was erased. Run this one "
                       "when it has ended.")
                       .arg(root)
                 : QCoreApplication::translate(
                       "Cli",
                       "%1 is working on %2; nothing was erased. Run this one when it has ended.")
                       .arg(other, root));
        return true;
    }
    return false;
}

// Without root no drive is opened: what refuses it anyway is said first,
// else that administrator rights are needed.
void refuseWithoutRoot(const QByteArray &path)
{
    velmora::platform::Drive drive;
    const int rc = velmora::platform::driveAt(path, &drive);
    const QString refusal = rc == 0 ? velmora::driveRefusal(drive) : QString();
    if (rc != 0 || !refusal.isEmpty()) {
        fail(rc == ENOTBLK ? QCoreApplication::translate("Cli", "%1 is not a block device")
                                 .arg(velmora::displayName(path))
             : rc != 0 ? QStringLiteral("%1: %2").arg(velmora::displayName(path),
                                                      velmora::platform::errorText(rc))
                       : QStringLiteral("%1: %2").arg(velmora::displayName(drive.path), refusal));
        return;
    }
    fail(QCoreApplication::translate(
        "Cli", "wiping a whole drive needs administrator rights: run it as root (sudo)"));
}

// --sanitize[=ACTION]: the action named, or the strongest the drive offers,
// once the drive is asked; false (said, nothing touched) where it offers
// none or not that one. With --then-overwrite a pass of the method follows,
// read back; without it nothing is overwritten.
bool chooseOwnErase(const Options &options, const velmora::platform::Drive &drive, PreparedJob *job)
{
    const QString shown = velmora::displayName(drive.path);
    const velmora::SanitizeOffer offer = velmora::probeSanitize(drive);
    std::optional<velmora::SanitizeAction> action;
    if (!options.sanitizeAction.isEmpty()) {
        action = velmora::sanitizeActionOfKey(options.sanitizeAction);
        if (!action) {
            fail(QCoreApplication::translate(
                     "Cli", "unknown action %1; the actions are crypto-erase, block-erase, "
                            "format-crypto, format-erase and overwrite")
                     .arg(options.sanitizeAction));
            return false;
        }
    } else {
        for (const velmora::SanitizeAction offered : offer.actions)
            if (velmora::ownEraseUnsent(offer, offered).isEmpty()) {
                action = offered;
                break;
            }
    }
    const QString unsent = action ? velmora::ownEraseUnsent(offer, *action)
                           : offer.actions.empty()
                               ? offer.reason
                               : velmora::ownEraseUnsent(offer, offer.actions.front());
    if (!action || !unsent.isEmpty()) {
        fail(QCoreApplication::translate("Cli", "%1: no erase of its own to send: %2")
                 .arg(shown, unsent));
        return false;
    }
    job->request.ownErase = velmora::OwnEraseChoice{*action, offer.protocol};
    if (!options.thenOverwrite) {
        job->request.method.clear();
        job->request.verify = false;
    }
    return true;
}

} // namespace

int gatherPaths(const Options &options, QByteArrayList *paths)
{
    if (options.words.isEmpty() && !options.trash)
        return fail(QCoreApplication::translate("Cli", "%1 needs a path").arg(options.command));
    if (options.paths.size() != options.words.size())
        return fail(QCoreApplication::translate(
            "Cli", "the paths could not be read from the command line"));
    *paths = options.paths;
    if (options.trash) {
        QStringList passedOver;
        const QByteArrayList inTrash = velmora::trashEntries(velmora::desktopHome(), &passedOver);
        for (const QString &line : passedOver)
            printTo(stderr, line + QLatin1Char('\n'));
        if (inTrash.isEmpty() && paths->isEmpty()) {
            printTo(stderr,
                    QCoreApplication::translate("Cli", "The Trash is empty; nothing to erase.\n"));
            return 0;
        }
        *paths += inTrash;
    }
    return -1;
}

bool pathsAnswer(const QByteArrayList &paths)
{
    // Asked in processes of their own, with a deadline: a volume that
    // hangs (a network server gone, a FUSE driver that never answers) keeps
    // one of those waiting, never this one. A volume already asked and
    // still silent is not asked again.
    QByteArrayList asked;
    for (const QByteArray &path : paths)
        if (!path.isEmpty() && !asked.contains(path))
            asked.append(path);
    const std::vector<velmora::platform::SpaceAnswer> answers =
        velmora::platform::probeSpaces(asked, 2000);
    for (qsizetype i = 0; i < asked.size(); ++i) {
        // One that answered with an error (a missing file) is left to the
        // checks that say it in their own words.
        if (answers[std::size_t(i)].answered)
            continue;
        fail(QCoreApplication::translate(
                 "Cli", "%1 does not answer (a network server gone, or a driver that hangs); "
                        "nothing was erased")
                 .arg(velmora::displayName(asked.at(i))));
        return false;
    }
    return true;
}

bool prepareErase(const Options &options, const QByteArrayList &paths, PreparedJob *job)
{
    if (!pathsAnswer(paths))
        return false;
    // Every entry is checked and resolved before anything is listed: a
    // refusal leaves everything as it was.
    QByteArrayList resolved;
    for (const QByteArray &path : paths) {
        const velmora::EntryCheck check = velmora::checkEntry(path, options.preserveRoot);
        if (check.refusal != velmora::EntryRefusal::None) {
            QString why = velmora::refusalText(check, path);
            const bool overridable = check.refusal == velmora::EntryRefusal::Root ||
                                     check.refusal == velmora::EntryRefusal::System ||
                                     check.refusal == velmora::EntryRefusal::TopFolder ||
                                     check.refusal == velmora::EntryRefusal::Home;
            if (overridable)
                why += QLatin1Char(' ') +
                       QCoreApplication::translate("Cli", "(--no-preserve-root overrides this.)");
            fail(why);
            return false;
        }
        if (!resolved.contains(check.resolved))
            resolved.append(check.resolved);
    }
    // Absolute and resolved, as the window lists them: the log and the
    // report name each entry where anyone can find it again.
    job->request.listed = velmora::listSelection(resolved);
    job->request.preserveRoot = options.preserveRoot;
    // The copies editors keep beside the files go with them, and are
    // counted in what is confirmed.
    job->request.traces = options.traces;
    if (options.traces)
        job->request.listed += velmora::editorCopies(job->request.listed);
    if (collidesWithSelection(options.jsonFile, "--json", job->request.listed) ||
        collidesWithSelection(options.reportFile, "--report", job->request.listed))
        return false;
    job->record =
        velmora::ErasureRecord::forFiles(job->request.listed, options.method, options.verify);
    job->record.details = options.details;
    return true;
}

bool prepareVolume(const Options &options, const QString &command, const QByteArrayList &paths,
                   PreparedJob *job)
{
    if (paths.size() != 1) {
        fail(QCoreApplication::translate("Cli", "%1 takes one mount point").arg(command));
        return false;
    }
    // Only a mount point spelled out: an empty or relative path would take
    // whatever volume the script happens to run in.
    if (!paths.first().startsWith('/')) {
        fail(paths.first().isEmpty()
                 ? QCoreApplication::translate(
                       "Cli", "an empty path was given; %1 takes the volume's mount point")
                       .arg(command)
                 : QCoreApplication::translate(
                       "Cli", "%1 takes the volume's mount point as an absolute path, not %2")
                       .arg(command, velmora::displayName(paths.first())));
        return false;
    }
    if (!pathsAnswer({paths.first()}))
        return false;
    const QString given = velmora::displayName(paths.first());
    const QString root = velmora::mountPointOf(given);
    if (root.isEmpty()) {
        fail(
            QCoreApplication::translate("Cli", "%1 is not the mount point of a volume").arg(given));
        return false;
    }
    velmora::platform::Space space;
    if (velmora::volumeSpace(root, &space) != 0) {
        fail(QCoreApplication::translate("Cli", "cannot read the space of %1").arg(root));
        return false;
    }
    if (anotherJobOn(root))
        return false;
    job->request.root = root;
    job->request.kind = command == QLatin1String("wipe") ? velmora::ErasureRecord::Kind::Volume
                                                         : velmora::ErasureRecord::Kind::FreeSpace;
    if (job->request.kind == velmora::ErasureRecord::Kind::Volume) {
        // As the window refuses it, and for the same reasons.
        if (const QString why = velmora::refusalOf(job->request); !why.isEmpty()) {
            fail(why);
            return false;
        }
    }
    job->record =
        velmora::ErasureRecord::forVolume(job->request.kind, root, options.method, options.verify);
    job->record.details = options.details;
    return true;
}

namespace
{

// --format FS [--label NAME]: a whole drive, a file system it knows, a label
// that file system takes; false (said) otherwise.
bool chooseFreshFormat(const Options &options, const velmora::platform::Drive &drive,
                       PreparedJob *job)
{
    const std::optional<velmora::FreshFileSystem> fs =
        velmora::freshFileSystemOfKey(options.format);
    if (!fs) {
        fail(QCoreApplication::translate("Cli",
                                         "unknown file system %1; --format takes exfat, fat32 "
                                         "or ext4")
                 .arg(options.format));
        return false;
    }
    if (drive.partition) {
        fail(QCoreApplication::translate("Cli", "--format takes a whole drive: %1 is a partition")
                 .arg(velmora::displayName(drive.path)));
        return false;
    }
    if (const QString why = velmora::freshLabelRefusal(*fs, options.label); !why.isEmpty()) {
        fail(why);
        return false;
    }
    job->request.format = velmora::FreshFormat{*fs, options.label};
    return true;
}

} // namespace

bool prepareDrive(const Options &options, const QByteArrayList &paths, PreparedJob *job,
                  const velmora::platform::Drive *seen)
{
    if (paths.size() != 1 || paths.first().isEmpty()) {
        fail(QCoreApplication::translate("Cli", "drive takes one block device, such as /dev/sdb"));
        return false;
    }
    if (velmora::platform::effectiveUser() != 0) {
        refuseWithoutRoot(paths.first());
        return false;
    }
    // Held from here to the end of the wipe: what is confirmed is what
    // is written to, whatever is plugged in or attached meanwhile.
    QString refusal;
    job->request.pinned = velmora::pinDrive(paths.first(), &refusal, nullptr, seen);
    if (!job->request.pinned) {
        fail(refusal.mid(refusal.indexOf(QLatin1Char(' ')) + 1));
        return false;
    }
    const velmora::platform::Drive &drive = job->request.pinned->drive;
    // Said before the question: what the drive hides stays as it is, unless
    // a host protected area is to be opened for the wipe.
    const velmora::HiddenArea hidden =
        velmora::probeHiddenArea(drive, job->request.pinned->fd.get());
    if (hidden.hiddenSectors() > 0 && options.liftHiddenArea &&
        hidden.feature == QLatin1String("hpa"))
        printTo(stderr, QCoreApplication::translate(
                            "Cli", "velmora-cli: %1 hides %n sector(s) in a host protected area: "
                                   "it is opened for the wipe and overwritten as well.\n",
                            nullptr, int(hidden.hiddenSectors()))
                            .arg(velmora::displayName(drive.path)));
    else if (hidden.hiddenSectors() > 0)
        printTo(stderr,
                QCoreApplication::translate("Cli", "velmora-cli: warning: %1\n")
                    .arg(hidden.sentence(velmora::displayName(drive.path), drive.logicalSector)));
    job->request.liftHiddenArea = options.liftHiddenArea;
    job->request.kind = velmora::ErasureRecord::Kind::Drive;
    job->request.device = drive.path;
    job->request.cryptoErase = options.cryptoErase;
    job->request.verifySampled = options.verifyMode == QLatin1String("sample");
    if (options.formatGiven && !chooseFreshFormat(options, drive, job))
        return false;
    // The keys alone where no method was asked for: nothing to read back.
    if (options.cryptoErase && !options.methodGiven) {
        job->request.method.clear();
        job->request.verify = false;
    }
    if (options.sanitize && !chooseOwnErase(options, drive, job))
        return false;
    if (options.cryptoErase) {
        velmora::LuksHeader header;
        QString problem;
        const int found = velmora::probeLuks(drive.path, &header, &problem);
        if (found <= 0) {
            fail(found == 0
                     ? QCoreApplication::translate(
                           "Cli", "%1 holds no LUKS container; --crypto-erase needs one")
                           .arg(velmora::displayName(drive.path))
                     : QCoreApplication::translate(
                           "Cli", "the LUKS header of %1 cannot be read (%2); wipe the whole "
                                  "drive without --crypto-erase")
                           .arg(velmora::displayName(drive.path), problem));
            return false;
        }
    }
    job->record = velmora::ErasureRecord::forDrive(
        drive.path, job->request.method, job->request.verify, options.cryptoErase,
        job->request.ownErase ? velmora::sanitizeActionKey(job->request.ownErase->action)
                              : QString());
    job->record.details = options.details;
    return true;
}

} // namespace cli
