// SPDX-License-Identifier: GPL-3.0-or-later

// velmora-cli: the window's jobs from a terminal, for servers and scripts.
//
//   velmora-cli erase [--method NAME] [--verify] PATH...
//   velmora-cli wipe [--method NAME] [--verify] MOUNTPOINT
//   velmora-cli freespace [--method NAME] [--verify] MOUNTPOINT
//   velmora-cli drive [--method NAME] [--verify] DEVICE
//   velmora-cli volumes|drives [--json]
//   velmora-cli schedule add|list|remove …, check-report FILE.json
//
// The log goes to standard output, line by line as the window shows it;
// questions, progress and the closing summary go to standard error.
// Exit status: 0 everything erased, 1 finished with problems, 2 usage
// error or refusal (nothing touched), 128+N stopped by signal N.

#include "app/clilists.h"
#include "app/cliout.h"
#include "app/erasurereport.h"
#include "app/translations.h"
#include "engine/device/drivewipe.h"
#include "engine/device/luks.h"
#include "engine/fs/medium.h"
#include "engine/fs/paths.h"
#include "engine/fs/traces.h"
#include "engine/job/erasemethods.h"
#include "engine/job/erasurerecord.h"
#include "engine/job/guards.h"
#include "engine/job/interruptedjobs.h"
#include "engine/job/jobrunner.h"
#include "engine/job/progressmeter.h"
#include "engine/job/reportdetails.h"
#include "engine/job/reportsignature.h"
#include "engine/job/schedules.h"
#include "engine/job/volumelist.h"
#include "engine/platform/drives.h"
#include "engine/platform/platform.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

using cli::fail;
using cli::kUsage;
using cli::printTo;

namespace
{

constexpr qsizetype kShownEntries = 20;

class Cli
{
    Q_DECLARE_TR_FUNCTIONS(Cli)

  public:
    Cli(int argc, char **argv) : argc(argc), argv(argv) {}
    int run();

  private:
    void describe(QCommandLineParser &parser);
    void scanArguments();
    bool prepare(const QString &command, const QByteArrayList &paths);
    bool answersOnly(const QCommandLineParser &parser);
    // The options every command shares: 0, or the exit status of a refusal.
    int readOptions(const QCommandLineParser &parser);
    int gatherPaths(const QCommandLineParser &parser, const QString &command,
                    QStringList positionals, QByteArrayList *paths);
    int wipeFreeSpaceAfter(int exitStatus);
    bool prepareRecord(const QString &command, const QByteArrayList &paths);
    // What each command is to do, checked; false (said) when it is refused.
    bool prepareErase(const QByteArrayList &paths);
    bool prepareDrive(const QByteArrayList &paths);
    bool prepareVolume(const QString &command, const QByteArrayList &paths);
    bool collidesWithSelection(const QByteArray &output, const char *option);
    void tellInterruptedJobs();
    bool confirmed();
    void runWithProgress();
    // Clears what one job left before the next runs in the same process.
    void resetForNextJob();
    // One event of the job; with --quiet only warnings, problems and errors.
    void tell(const velmora::JobEvent &event);
    void progressLoop();
    void drawProgress(bool final);
    int finish();
    // Makes the --json and --report files' temporaries, and readies the
    // signing key, before anything is listed or written: a place where the
    // proof cannot be kept refuses the job.
    bool prepareOutputs();
    bool writeOutputs();

    int argc;
    char **argv;
    QString method;
    bool verify = false;
    bool quiet = false;
    bool yes = false;
    bool preserveRoot = true;
    bool thenFreeSpace = false;
    bool cryptoErase = false;
    bool methodGiven = false;
    bool traces = true;
    bool trash = false;
    // Taken from argv as bytes, by their own index: a name that is not
    // valid UTF-8 is never confused with another that decodes alike.
    QByteArrayList positionalBytes;
    QByteArray jsonFile;
    QByteArray reportFile;
    velmora::platform::PendingFile jsonOut;
    velmora::platform::PendingFile reportOut;

    velmora::JobRequest request;
    velmora::ErasureRecord record;
    // report.conf, then the options.
    velmora::ReportDetails details;

    std::atomic_bool stop{false};
    velmora::JobReport report;
    velmora::JobStatus status;
    velmora::JobContext ctx;

    // Standard output (the log) and the progress line on standard error
    // share a terminal; one lock keeps their lines whole.
    std::mutex output;
    bool progressOnTerminal = false;
    bool progressShown = false;
    velmora::ProgressMeter meter;
    QElapsedTimer clock;
    std::mutex waitMutex;
    std::condition_variable wake;
    bool jobDone = false;
};

void Cli::describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        tr("Erases files and folders, a whole mounted volume, or a volume's free space beyond "
           "recovery.\n\nCommands:\n"
           "  erase PATH...          overwrite and remove files and folders\n"
           "  wipe MOUNTPOINT        overwrite everything on a mounted volume\n"
           "  freespace MOUNTPOINT   overwrite the free space of a mounted volume\n"
           "  schedule add trash|freespace [MOUNTPOINT] [--every weekly|monthly]\n"
           "  schedule list | schedule remove NAME\n"
           "                         run a free-space wipe or an erase of the Trash by itself\n"
           "  check-report FILE.json [--key FINGERPRINT]\n"
           "                         tell whether an outcome is as it was signed\n"
           "  volumes [--json]       list the mounted volumes and the medium beneath each\n"
           "  drive DEVICE           overwrite every sector of a whole drive or partition\n"
           "  drives [--json]        list the drives and partitions, and why one is refused"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {{QStringLiteral("m"), QStringLiteral("method")},
         tr("Erase method: NIST, DoD, British, German or Gutmann (default NIST)."),
         QStringLiteral("NAME")},
        {QStringLiteral("verify"), tr("Read the last pass back and compare it.")},
        {{QStringLiteral("y"), QStringLiteral("yes")},
         tr("Do not ask; for scripts. Without it, a terminal must answer.")},
        {{QStringLiteral("q"), QStringLiteral("quiet")}, tr("Print only problems.")},
        {QStringLiteral("json"), tr("Write the outcome as JSON to FILE."), QStringLiteral("FILE")},
        {QStringLiteral("report"), tr("Write the erasure report as a PDF to FILE."),
         QStringLiteral("FILE")},
        {QStringLiteral("methods"), tr("List the erase methods.")},
        {QStringLiteral("no-preserve-root"),
         tr("Allow erasing /, the system's folders and the home folders (never devices).")},
        {QStringLiteral("no-traces"),
         tr("erase: leave the thumbnails, recent-files entries, Trash records and editor "
            "copies of the erased files where they are.")},
        {QStringLiteral("trash"),
         tr("erase: add everything in the Trash (the home Trash and each volume's) to the "
            "paths.")},
        {QStringLiteral("every"), tr("schedule add: weekly (the default) or monthly."),
         QStringLiteral("PERIOD")},
        {QStringLiteral("key"),
         tr("check-report: the fingerprint (SHA256:…) of the key the report must be signed with."),
         QStringLiteral("FINGERPRINT")},
        {QStringLiteral("operator"), tr("The report: who erased (also in report.conf)."),
         QStringLiteral("NAME")},
        {QStringLiteral("organisation"), tr("The report: for which organisation."),
         QStringLiteral("NAME")},
        {QStringLiteral("location"), tr("The report: where."), QStringLiteral("PLACE")},
        {QStringLiteral("contact"), tr("The report: how to reach who erased."),
         QStringLiteral("CONTACT")},
        {QStringLiteral("property-number"), tr("The report: the medium's property number."),
         QStringLiteral("NUMBER")},
        {QStringLiteral("destination"),
         tr("The report: where the medium goes afterwards (reuse, sale, destruction)."),
         QStringLiteral("WHERE")},
        {QStringLiteral("no-verify"), tr("drive: do not read the last pass back.")},
        {QStringLiteral("crypto-erase"),
         tr("drive: destroy the keys of the LUKS container it holds; with --method, then "
            "overwrite it too.")},
        {QStringLiteral("then-freespace"),
         tr("erase: then wipe the free space of each volume the files were on, which reaches "
            "the older copies a copy-on-write volume keeps.")},
    });
    parser.addPositionalArgument(QStringLiteral("command"), tr("erase, wipe or freespace"));
    parser.addPositionalArgument(QStringLiteral("paths"),
                                 tr("Files and folders, or the volume's mount point."),
                                 QStringLiteral("PATH..."));
}

// The positional arguments and the values of --json and --report as the
// bytes they came as, each read from its own place in argv.
void Cli::scanArguments()
{
    const auto takesValue = [](const QByteArray &name) {
        return name == "method" || name == "json" || name == "report" || name == "every" ||
               name == "key" || name == "operator" || name == "organisation" ||
               name == "location" || name == "contact" || name == "property-number" ||
               name == "destination";
    };
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--") {
            for (++i; i < argc; ++i)
                positionalBytes.append(QByteArray(argv[i]));
            break;
        }
        if (arg.startsWith("--")) {
            const qsizetype equals = arg.indexOf('=');
            const QByteArray name = arg.mid(2, equals < 0 ? -1 : equals - 2);
            QByteArray value;
            if (equals >= 0)
                value = arg.mid(equals + 1);
            else if (takesValue(name) && i + 1 < argc)
                value = QByteArray(argv[++i]);
            if (name == "json")
                jsonFile = value;
            else if (name == "report")
                reportFile = value;
            continue;
        }
        if (arg.size() > 1 && arg.startsWith('-')) {
            // Short options, perhaps several in one: -m takes the rest of
            // the word, or the next one.
            const qsizetype m = arg.indexOf('m');
            if (m == arg.size() - 1 && i + 1 < argc)
                ++i;
            continue;
        }
        positionalBytes.append(arg);
    }
}

// A path as a shell takes it back, for a command to copy.
QString shellWord(const QByteArray &path)
{
    QString shown = velmora::displayName(path);
    return QLatin1Char('\'') + shown.replace(QLatin1Char('\''), QStringLiteral("'\\''")) +
           QLatin1Char('\'');
}

void Cli::tellInterruptedJobs()
{
    for (const velmora::InterruptedJob &job : velmora::recoverInterruptedJobs()) {
        QString text = tr("velmora-cli: %1").arg(job.description());
        const QString method = velmora::methodShortName(job.method);
        const QString how = method.isEmpty() ? QString() : QStringLiteral(" --method ") + method;
        if (job.kind == velmora::ErasureRecord::Kind::Files && !job.unfinished.isEmpty()) {
            QStringList words;
            for (const QByteArray &path : job.unfinished)
                words.append(shellWord(path));
            text += QLatin1Char('\n') + tr("To erase what is left: velmora-cli erase%1 %2")
                                            .arg(how, words.join(QLatin1Char(' ')));
        } else if (job.kind != velmora::ErasureRecord::Kind::Files) {
            const QString command =
                job.kind == velmora::ErasureRecord::Kind::Volume      ? QStringLiteral("wipe")
                : job.kind == velmora::ErasureRecord::Kind::FreeSpace ? QStringLiteral("freespace")
                                                                      : QStringLiteral("drive");
            // A drive's keys alone were asked for where no method was.
            const QString drive = job.kind == velmora::ErasureRecord::Kind::Drive && how.isEmpty()
                                      ? QStringLiteral(" --crypto-erase")
                                      : QString();
            text +=
                QLatin1Char('\n') + tr("To run it again: velmora-cli %1%2 %3")
                                        .arg(command, how + drive, shellWord(job.targets.value(0)));
        }
        printTo(stderr, text + QLatin1Char('\n'));
    }
}

bool Cli::collidesWithSelection(const QByteArray &output, const char *option)
{
    if (output.isEmpty())
        return false;
    const velmora::EntryCheck where = velmora::checkEntry(output, false);
    if (where.refusal != velmora::EntryRefusal::None &&
        where.refusal != velmora::EntryRefusal::Missing)
        return fail(tr("%1 %2: %3")
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
    for (const QByteArray &entry : request.listed) {
        if (resolved == entry || (resolved.startsWith(entry) && resolved.size() > entry.size() &&
                                  resolved.at(entry.size()) == '/')) {
            fail(tr("%1 %2 lies in what is to be erased; nothing was erased")
                     .arg(QLatin1String(option), velmora::displayName(output)));
            return true;
        }
    }
    return false;
}

bool Cli::prepare(const QString &command, const QByteArrayList &paths)
{
    if (!prepareRecord(command, paths))
        return false;
    record.details = details;
    return true;
}

bool Cli::prepareRecord(const QString &command, const QByteArrayList &paths)
{
    request.method = method;
    request.verify = verify;
    if (command == QLatin1String("erase"))
        return prepareErase(paths);
    if (command == QLatin1String("drive"))
        return prepareDrive(paths);
    return prepareVolume(command, paths);
}

bool Cli::prepareErase(const QByteArrayList &paths)
{
    // Every entry is checked and resolved before anything is listed: a
    // refusal leaves everything as it was.
    QByteArrayList resolved;
    for (const QByteArray &path : paths) {
        const velmora::EntryCheck check = velmora::checkEntry(path, preserveRoot);
        if (check.refusal != velmora::EntryRefusal::None) {
            QString why = velmora::refusalText(check, path);
            const bool overridable = check.refusal == velmora::EntryRefusal::Root ||
                                     check.refusal == velmora::EntryRefusal::System ||
                                     check.refusal == velmora::EntryRefusal::TopFolder ||
                                     check.refusal == velmora::EntryRefusal::Home;
            if (overridable)
                why += QLatin1Char(' ') + tr("(--no-preserve-root overrides this.)");
            fail(why);
            return false;
        }
        if (!resolved.contains(check.resolved))
            resolved.append(check.resolved);
    }
    // Absolute and resolved, as the window lists them: the log and the
    // report name each entry where anyone can find it again.
    request.listed = velmora::listSelection(resolved);
    request.preserveRoot = preserveRoot;
    // The copies editors keep beside the files go with them, and are
    // counted in what is confirmed.
    request.traces = traces;
    if (traces)
        request.listed += velmora::editorCopies(request.listed);
    if (collidesWithSelection(jsonFile, "--json") || collidesWithSelection(reportFile, "--report"))
        return false;
    record = velmora::ErasureRecord::forFiles(request.listed, method, verify);
    return true;
}

bool Cli::prepareDrive(const QByteArrayList &paths)
{
    if (paths.size() != 1 || paths.first().isEmpty()) {
        fail(tr("drive takes one block device, such as /dev/sdb"));
        return false;
    }
    if (velmora::platform::effectiveUser() != 0) {
        velmora::platform::Drive drive;
        const int rc = velmora::platform::driveAt(paths.first(), &drive);
        const QString refusal = rc == 0 ? velmora::driveRefusal(drive) : QString();
        if (rc != 0 || !refusal.isEmpty()) {
            fail(rc == ENOTBLK
                     ? tr("%1 is not a block device").arg(velmora::displayName(paths.first()))
                 : rc != 0
                     ? QStringLiteral("%1: %2").arg(velmora::displayName(paths.first()),
                                                    velmora::platform::errorText(rc))
                     : QStringLiteral("%1: %2").arg(velmora::displayName(drive.path), refusal));
            return false;
        }
        fail(tr("wiping a whole drive needs administrator rights: run it as root (sudo)"));
        return false;
    }
    // Held from here to the end of the wipe: what is confirmed is what
    // is written to, whatever is plugged in or attached meanwhile.
    QString refusal;
    request.pinned = velmora::pinDrive(paths.first(), &refusal);
    if (!request.pinned) {
        fail(refusal.mid(refusal.indexOf(QLatin1Char(' ')) + 1));
        return false;
    }
    const velmora::platform::Drive &drive = request.pinned->drive;
    request.kind = velmora::ErasureRecord::Kind::Drive;
    request.device = drive.path;
    request.cryptoErase = cryptoErase;
    if (cryptoErase && !methodGiven) {
        request.method.clear();
        request.verify = verify = false;
    }
    if (cryptoErase) {
        velmora::LuksHeader header;
        QString problem;
        const int found = velmora::probeLuks(drive.path, &header, &problem);
        if (found <= 0) {
            fail(found == 0 ? tr("%1 holds no LUKS container; --crypto-erase needs one")
                                  .arg(velmora::displayName(drive.path))
                            : tr("the LUKS header of %1 cannot be read (%2); wipe the whole "
                                 "drive without --crypto-erase")
                                  .arg(velmora::displayName(drive.path), problem));
            return false;
        }
    }
    record = velmora::ErasureRecord::forDrive(drive.path, request.method, verify, cryptoErase);
    return true;
}

bool Cli::prepareVolume(const QString &command, const QByteArrayList &paths)
{
    if (paths.size() != 1) {
        fail(tr("%1 takes one mount point").arg(command));
        return false;
    }
    // Only a mount point spelled out: an empty or relative path would take
    // whatever volume the script happens to run in.
    if (!paths.first().startsWith('/')) {
        fail(paths.first().isEmpty()
                 ? tr("an empty path was given; %1 takes the volume's mount point").arg(command)
                 : tr("%1 takes the volume's mount point as an absolute path, not %2")
                       .arg(command, velmora::displayName(paths.first())));
        return false;
    }
    const QString given = velmora::displayName(paths.first());
    const QString root = velmora::mountPointOf(given);
    if (root.isEmpty()) {
        fail(tr("%1 is not the mount point of a volume").arg(given));
        return false;
    }
    velmora::platform::Space space;
    if (velmora::volumeSpace(root, &space) != 0) {
        fail(tr("cannot read the space of %1").arg(root));
        return false;
    }
    // Two jobs filling or scrubbing one volume would take each other's
    // helper files for leftovers.
    if (velmora::platform::volumeLocked(velmora::fsBytes(root))) {
        const QString other = velmora::liveJobOn(velmora::fsBytes(root));
        fail(other.isEmpty()
                 ? tr("another Velmora job is working on %1; nothing was erased. Run this one "
                      "when it has ended.")
                       .arg(root)
                 : tr("%1 is working on %2; nothing was erased. Run this one when it has ended.")
                       .arg(other, root));
        return false;
    }
    request.root = root;
    request.kind = command == QLatin1String("wipe") ? velmora::ErasureRecord::Kind::Volume
                                                    : velmora::ErasureRecord::Kind::FreeSpace;
    if (request.kind == velmora::ErasureRecord::Kind::Volume) {
        // As the window refuses it, and for the same reasons.
        if (const QString why = velmora::refusalOf(request); !why.isEmpty()) {
            fail(why);
            return false;
        }
    }
    record = velmora::ErasureRecord::forVolume(request.kind, root, method, verify);
    return true;
}

bool Cli::confirmed()
{
    // A quiet script that confirms on the command line hears nothing of it.
    if (yes && quiet)
        return true;
    printTo(stderr,
            tr("This will permanently destroy, beyond recovery:\n  %1\nMethod: %2%3\n")
                .arg(record.target, record.method,
                     verify && record.passes > 0 ? tr(", the last pass read back") : QString()));
    if (record.kind == velmora::ErasureRecord::Kind::Files) {
        // What was named, not every file below it: the folders given and the
        // files given on their own, twenty at most.
        const QByteArrayList top = record.topLevel();
        for (qsizetype i = 0; i < std::min<qsizetype>(top.size(), kShownEntries); ++i)
            printTo(stderr, QStringLiteral("  %1\n").arg(velmora::displayName(top.at(i))));
        if (top.size() > kShownEntries)
            printTo(stderr, tr("  … and %n more\n", nullptr, int(top.size() - kShownEntries)));
        if (thenFreeSpace)
            printTo(stderr, tr("then the free space of the volumes they are on\n"));
    }
    if (yes)
        return true;
    if (!velmora::platform::isTerminal(0)) {
        fail(tr("nothing erased: there is no terminal to confirm on; pass --yes to confirm "
                "from a script"));
        return false;
    }
    printTo(stderr, tr("Type Erase to confirm: "));
    std::string answer;
    if (!std::getline(std::cin, answer) ||
        QString::fromStdString(answer) != QLatin1String("Erase")) {
        fail(tr("cancelled; nothing was erased"));
        return false;
    }
    return true;
}

void Cli::tell(const velmora::JobEvent &event)
{
    if (quiet && !event.notable())
        return;
    const QString line = event.line();
    std::lock_guard<std::mutex> lock(output);
    if (progressShown) {
        std::fputs("\r\033[K", stderr); // the next tick draws it again
        progressShown = false;
    }
    printTo(stdout, line + QLatin1Char('\n'));
}

void Cli::drawProgress(bool final)
{
    meter.sample(clock.elapsed(), status);
    QString text = QStringLiteral("%1%  %2").arg(meter.percent(), 3).arg(meter.figures());
    const QString item = status.item();
    if (stop.load())
        text = tr("Stopping: waiting for the device to finish its current write "
                  "(Ctrl-C again quits at once)…");
    else if (!item.isEmpty() && status.phase().isEmpty())
        text += QStringLiteral("  ·  ") + item;
    std::lock_guard<std::mutex> lock(output);
    if (progressOnTerminal) {
        // One line, redrawn in place, never wider than the terminal.
        const int columns = velmora::platform::terminalColumns(2);
        if (columns > 1 && text.size() >= columns)
            text = text.left(columns - 2) + QStringLiteral("…");
        printTo(stderr,
                QStringLiteral("\r\033[K") + text + (final ? QStringLiteral("\n") : QString()));
        progressShown = !final;
    } else {
        printTo(stderr, text + QLatin1Char('\n'));
    }
}

void Cli::progressLoop()
{
    // A terminal is redrawn twice a second; a log file or a pipe gets a line
    // every few seconds.
    const auto interval = std::chrono::milliseconds(progressOnTerminal ? 500 : 5000);
    std::unique_lock<std::mutex> lock(waitMutex);
    while (!wake.wait_for(lock, interval, [this] { return jobDone; })) {
        lock.unlock();
        drawProgress(false);
        lock.lock();
    }
}

void Cli::runWithProgress()
{
    // From here on Ctrl-C and SIGTERM stop the job as Stop does; at the
    // question before, they simply end the program.
    velmora::platform::catchStopSignals(&stop);
    ctx.stopRequested = &stop;
    ctx.report = &report;
    ctx.status = &status;
    ctx.userFolder = QDir::homePath();
    ctx.onEvent = [this](const velmora::JobEvent &event) { tell(event); };

    progressOnTerminal = velmora::platform::isTerminal(2);
    meter.start();
    clock.start();
    record.started = QDateTime::currentDateTime();
    std::thread progress;
    if (!quiet)
        progress = std::thread([this] { progressLoop(); });
    // Kept until the job returns, for the next start should it not.
    velmora::JobJournal journal(method);
    ctx.journal = &journal;
    QString error;
    if (!velmora::runJob(request, ctx, &error))
        report.setError(error);
    ctx.journal = nullptr;
    if (progress.joinable()) {
        {
            std::lock_guard<std::mutex> lock(waitMutex);
            jobDone = true;
        }
        wake.notify_all();
        progress.join();
        if (progressOnTerminal && progressShown)
            drawProgress(true);
    }
}

bool Cli::prepareOutputs()
{
    const struct {
        const QByteArray &path;
        velmora::platform::PendingFile &pending;
        const char *option;
    } outputs[] = {{jsonFile, jsonOut, "--json"}, {reportFile, reportOut, "--report"}};
    for (const auto &output : outputs) {
        if (output.path.isEmpty())
            continue;
        if (const int rc = output.pending.prepare(output.path)) {
            fail(tr("%1 %2 cannot be written (%3); nothing was erased")
                     .arg(QLatin1String(output.option), velmora::displayName(output.path),
                          velmora::platform::errorText(rc)));
            return false;
        }
    }
    if (jsonFile.isEmpty())
        return true;
    QString why;
    QStringList warnings;
    if (!velmora::prepareSigningKey(velmora::signingKeyFile(), &why, &warnings)) {
        fail(tr("the JSON outcome could not be signed: %1; nothing was erased").arg(why));
        return false;
    }
    for (const QString &warning : warnings)
        printTo(stderr, tr("velmora-cli: warning: %1\n").arg(warning));
    return true;
}

bool Cli::writeOutputs()
{
    bool written = true;
    if (!jsonFile.isEmpty()) {
        // Signed with the user's key: a change made after shows.
        QJsonObject outcome = record.toJson();
        QString unsignedWhy;
        if (velmora::signOutcome(&outcome, velmora::signingKeyFile(), &unsignedWhy)) {
            const QJsonObject signature = outcome.value(QStringLiteral("signature")).toObject();
            record.signedBy = signature.value(QStringLiteral("fingerprint")).toString();
            record.signedSha256 = signature.value(QStringLiteral("sha256")).toString();
        } else {
            printTo(stderr,
                    tr("velmora-cli: the JSON outcome is not signed: %1\n").arg(unsignedWhy));
            written = false;
        }
        if (const int rc = jsonOut.commit(QJsonDocument(outcome).toJson())) {
            fail(tr("the JSON outcome could not be written to %1: %2")
                     .arg(velmora::displayName(jsonFile), velmora::platform::errorText(rc)),
                 1);
            written = false;
        }
    }
    if (!reportFile.isEmpty()) {
        if (const int rc = reportOut.commit(velmora::reportPdf(record))) {
            fail(tr("the report could not be written to %1: %2")
                     .arg(velmora::displayName(reportFile), velmora::platform::errorText(rc)),
                 1);
            written = false;
        }
    }
    return written;
}

int Cli::finish()
{
    const int signal = velmora::platform::caughtSignal();
    record.finish(report, ctx.bytesWritten, ctx.bytesVerified, stop.load());
    if (signal)
        tell({velmora::JobEvent::Kind::Warning, velmora::stoppedBySignalLine(signal)});
    if (!record.error.isEmpty())
        printTo(stderr, QStringLiteral("velmora-cli: %1\n").arg(record.error));
    for (const QString &path : record.problems)
        printTo(stderr, tr("velmora-cli: not securely erased: %1\n").arg(path));
    if (record.problemCount > record.problems.size())
        printTo(stderr, tr("velmora-cli: … and %1 more not securely erased\n")
                            .arg(record.problemCount - record.problems.size()));
    if (!quiet || record.result != velmora::ErasureRecord::Result::Erased)
        printTo(stderr, record.summary() + QLatin1Char('\n'));
    const bool written = writeOutputs();
    if (signal)
        return 128 + signal;
    return record.result == velmora::ErasureRecord::Result::Erased && written ? 0 : 1;
}

int Cli::run()
{
    // Its --json is a switch, where the jobs' takes a file.
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) == QLatin1String("volumes"))
        return cli::listVolumes(arguments.mid(2));
    if (arguments.value(1) == QLatin1String("drives"))
        return cli::listDrives(arguments.mid(2));
    QCommandLineParser parser;
    describe(parser);
    if (!parser.parse(QCoreApplication::arguments()))
        return fail(parser.errorText() + QStringLiteral("\n") + tr("Try 'velmora-cli --help'."));
    if (answersOnly(parser))
        return 0;
    if (const int status = readOptions(parser))
        return status;

    QStringList positionals = parser.positionalArguments();
    if (positionals.isEmpty())
        return fail(tr("no command; try 'velmora-cli --help'"));
    const QString command = positionals.constFirst();
    if (command == QLatin1String("schedule"))
        return cli::schedule(positionals.mid(1), parser.value(QStringLiteral("every")), method);
    if (command == QLatin1String("check-report"))
        return cli::checkReport(positionals.mid(1), parser.value(QStringLiteral("key")));
    // A whole drive is read back unless asked not to: it is what the
    // certificate stands on.
    if (command == QLatin1String("drive"))
        verify = !parser.isSet(QStringLiteral("no-verify"));
    else if (parser.isSet(QStringLiteral("no-verify")) ||
             parser.isSet(QStringLiteral("crypto-erase")))
        return fail(tr("--no-verify and --crypto-erase go with drive only"));
    cryptoErase = parser.isSet(QStringLiteral("crypto-erase"));
    if (command != QLatin1String("erase") && command != QLatin1String("wipe") &&
        command != QLatin1String("freespace") && command != QLatin1String("drive"))
        return fail(
            tr("unknown command %1; the commands are erase, wipe, freespace, drive, drives, "
               "schedule, check-report and volumes")
                .arg(command));
    // A folder for --json (a scheduled run's): a new file in it, named for
    // the job and the time.
    if (!jsonFile.isEmpty() &&
        (jsonFile.endsWith('/') || QFileInfo(QFile::decodeName(jsonFile)).isDir()))
        jsonFile =
            (jsonFile.endsWith('/') ? jsonFile : jsonFile + '/') + "velmora-" + command.toLatin1() +
            '-' +
            QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toLatin1() +
            ".json";
    QByteArrayList paths;
    if (const int status = gatherPaths(parser, command, positionals, &paths); status >= 0)
        return status;
    if (!prepareOutputs())
        return kUsage;
    tellInterruptedJobs();

    thenFreeSpace = parser.isSet(QStringLiteral("then-freespace"));
    if (thenFreeSpace && command != QLatin1String("erase"))
        return fail(tr("--then-freespace follows erase only"));
    if (!prepare(command, paths) || !confirmed())
        return kUsage;
    if (request.pinned) {
        const QString changed = velmora::pinnedDriveChanged(*request.pinned);
        if (!changed.isEmpty())
            return fail(changed.mid(changed.indexOf(QLatin1Char(' ')) + 1));
    }
    runWithProgress();
    const int exitStatus = finish();
    if (!thenFreeSpace || stop.load() || velmora::platform::caughtSignal())
        return exitStatus;
    return wipeFreeSpaceAfter(exitStatus);
}

// --help, --version and --methods: said, and nothing else is done.
bool Cli::answersOnly(const QCommandLineParser &parser)
{
    if (parser.isSet(QStringLiteral("help"))) {
        printTo(stdout, parser.helpText());
        return true;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        printTo(stdout, QStringLiteral("velmora-cli %1\n").arg(QStringLiteral(VELMORA_VERSION)));
        return true;
    }
    if (parser.isSet(QStringLiteral("methods"))) {
        for (const QString &name : velmora::methodDisplayNames())
            printTo(stdout,
                    QStringLiteral("%1  %2\n").arg(velmora::methodShortName(name), -8).arg(name));
        return true;
    }
    return false;
}

int Cli::readOptions(const QCommandLineParser &parser)
{
    method = velmora::kMethodNist;
    if (parser.isSet(QStringLiteral("method"))) {
        method = velmora::methodNamed(parser.value(QStringLiteral("method")));
        if (method.isEmpty())
            return fail(tr("unknown method %1; velmora-cli --methods lists them")
                            .arg(parser.value(QStringLiteral("method"))));
    }
    verify = parser.isSet(QStringLiteral("verify"));
    methodGiven = parser.isSet(QStringLiteral("method"));
    details = velmora::ReportDetails::fromFile();
    velmora::ReportDetails given;
    given.operatorName = parser.value(QStringLiteral("operator"));
    given.organisation = parser.value(QStringLiteral("organisation"));
    given.location = parser.value(QStringLiteral("location"));
    given.contact = parser.value(QStringLiteral("contact"));
    given.propertyNumber = parser.value(QStringLiteral("property-number"));
    given.destination = parser.value(QStringLiteral("destination"));
    details.overrideWith(given);
    quiet = parser.isSet(QStringLiteral("quiet"));
    yes = parser.isSet(QStringLiteral("yes"));
    preserveRoot = !parser.isSet(QStringLiteral("no-preserve-root"));
    scanArguments();
    if ((parser.isSet(QStringLiteral("json")) && jsonFile.isEmpty()) ||
        (parser.isSet(QStringLiteral("report")) && reportFile.isEmpty()))
        return fail(tr("--json and --report take a file name"));
    return 0;
}

// The paths the command takes, the Trash's with --trash: -1 to go on, or
// the exit status.
int Cli::gatherPaths(const QCommandLineParser &parser, const QString &command,
                     QStringList positionals, QByteArrayList *paths)
{
    traces = !parser.isSet(QStringLiteral("no-traces"));
    trash = parser.isSet(QStringLiteral("trash"));
    if (trash && command != QLatin1String("erase"))
        return fail(tr("--trash goes with erase only"));
    positionals.removeFirst();
    if (positionals.isEmpty() && !trash)
        return fail(tr("%1 needs a path").arg(command));
    if (positionalBytes.size() != positionals.size() + 1)
        return fail(tr("the paths could not be read from the command line"));
    *paths = positionalBytes.mid(1);
    if (trash) {
        QStringList passedOver;
        const QByteArrayList inTrash = velmora::trashEntries(velmora::desktopHome(), &passedOver);
        for (const QString &line : passedOver)
            printTo(stderr, line + QLatin1Char('\n'));
        if (inTrash.isEmpty() && paths->isEmpty()) {
            printTo(stderr, tr("The Trash is empty; nothing to erase.\n"));
            return 0;
        }
        *paths += inTrash;
    }
    return -1;
}

// After an erase with --then-freespace: the free space of each volume it
// worked on, where older copies of what was erased may remain.
int Cli::wipeFreeSpaceAfter(int exitStatus)
{
    // The outcome files tell of the erase; each wipe says what it did.
    jsonFile.clear();
    reportFile.clear();
    for (const QString &volume : report.volumes()) {
        resetForNextJob();
        if (!prepare(QStringLiteral("freespace"), {velmora::fsBytes(volume)})) {
            exitStatus = std::max(exitStatus, 1);
            continue;
        }
        tell({velmora::JobEvent::Kind::Info,
              tr("🧹 Wiping the free space of %1, where older copies of what was erased may "
                 "remain…")
                  .arg(volume)});
        runWithProgress();
        exitStatus = std::max(exitStatus, finish());
        if (stop.load() || velmora::platform::caughtSignal())
            break;
    }
    return exitStatus;
}

void Cli::resetForNextJob()
{
    report.reset();
    status.reset();
    ctx.bytesWritten = 0;
    ctx.bytesVerified = 0;
    ctx.postedPercent = 0;
    request = velmora::JobRequest();
    std::lock_guard<std::mutex> lock(waitMutex);
    jobDone = false;
}

// The report is laid out with Qt's text engine, which needs a GUI
// application; without a display it draws on the offscreen platform.
bool wantsReport(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--report") == 0 || std::strncmp(argv[i], "--report=", 9) == 0)
            return true;
    return false;
}

// Qt's note that a server's root session has no runtime folder is no
// business of the user's; every other message passes.
QtMessageHandler qtHandler = nullptr;

void passQtMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(QLatin1String("QStandardPaths:")) && qtHandler)
        qtHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    // A file-size limit reaches the engine as EFBIG; SIGINT, SIGTERM and
    // SIGHUP stop the job as Stop does (fill files go), then end the process.
    velmora::platform::ignoreFileSizeSignal();
    velmora::platform::raiseDescriptorLimit();
    Cli cli(argc, argv);
    std::unique_ptr<QCoreApplication> app;
    if (wantsReport(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen"); // it never opens a window
        qtHandler = qInstallMessageHandler(passQtMessage);
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("velmora-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    velmora::installTranslations(*app);
    return cli.run();
}
