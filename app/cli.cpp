// SPDX-License-Identifier: GPL-3.0-or-later

// velmora-cli: the window's jobs from a terminal, for servers and scripts.
//
//   velmora-cli erase [--method NAME] [--verify] PATH...
//   velmora-cli wipe [--method NAME] [--verify] MOUNTPOINT
//   velmora-cli freespace [--method NAME] [--verify] MOUNTPOINT
//   velmora-cli drive [--method NAME] [--verify] DEVICE...
//   velmora-cli volumes|drives|reports [--json]
//   velmora-cli schedule add|list|remove …, check-report FILE.json
//
// The log goes to standard output, line by line as the window shows it;
// questions, progress and the closing summary go to standard error.
// Exit status: 0 everything erased, 1 finished with problems, 2 usage
// error or refusal (nothing touched), 128+N stopped by signal N.

#include "app/clicommands.h"
#include "app/clilists.h"
#include "app/clioptions.h"
#include "app/cliout.h"
#include "app/clisession.h"
#include "app/clistation.h"
#include "app/translations.h"
#include "engine/device/drivewipe.h"
#include "engine/fs/paths.h"
#include "engine/job/erasemethods.h"
#include "engine/job/interruptedjobs.h"
#include "engine/platform/platform.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>

using cli::fail;
using cli::kUsage;
using cli::printTo;

namespace
{

// A path as a shell takes it back, for a command to copy.
QString shellWord(const QByteArray &path)
{
    QString shown = velmora::displayName(path);
    return QLatin1Char('\'') + shown.replace(QLatin1Char('\''), QStringLiteral("'\\''")) +
           QLatin1Char('\'');
}

// What jobs killed before their end left unfinished, and how to go on.
void tellInterruptedJobs()
{
    for (const velmora::InterruptedJob &job : velmora::recoverInterruptedJobs()) {
        QString text = QCoreApplication::translate("Cli", "velmora-cli: %1").arg(job.description());
        const QString method = velmora::methodShortName(job.method);
        const QString how = method.isEmpty() ? QString() : QStringLiteral(" --method ") + method;
        if (job.kind == velmora::ErasureRecord::Kind::Files && !job.unfinished.isEmpty()) {
            QStringList words;
            for (const QByteArray &path : job.unfinished)
                words.append(shellWord(path));
            text += QLatin1Char('\n') + QCoreApplication::translate(
                                            "Cli", "To erase what is left: velmora-cli erase%1 %2")
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
            text += QLatin1Char('\n') +
                    QCoreApplication::translate("Cli", "To run it again: velmora-cli %1%2 %3")
                        .arg(command, how + drive, shellWord(job.targets.value(0)));
        }
        printTo(stderr, text + QLatin1Char('\n'));
    }
}

// A job with the options every command shares.
cli::PreparedJob startedFrom(const cli::Options &options)
{
    cli::PreparedJob job;
    job.request.method = options.method;
    job.request.verify = options.verify;
    return job;
}

// After an erase with --then-freespace: the free space of each volume it
// worked on, where older copies of what was erased may remain. The outcome
// files tell of the erase; each wipe says what it did in the log.
int wipeFreeSpaceAfter(const cli::Options &options, cli::JobSession &session, int exitStatus)
{
    session.dropOutputs();
    for (const QString &volume : session.volumes()) {
        cli::PreparedJob wipe = startedFrom(options);
        if (!cli::prepareVolume(options, QStringLiteral("freespace"), {velmora::fsBytes(volume)},
                                &wipe)) {
            exitStatus = std::max(exitStatus, 1);
            continue;
        }
        session.tell(
            {velmora::JobEvent::Kind::Info,
             QCoreApplication::translate("Cli", "🧹 Wiping the free space of %1, where older "
                                                "copies of what was erased may remain…")
                 .arg(volume)});
        exitStatus = std::max(exitStatus, session.run(std::move(wipe)));
        if (session.stopped())
            break;
    }
    return exitStatus;
}

// What a job command checks its paths into: false (said) when it refuses.
using Prepare =
    std::function<bool(const cli::Options &, const QByteArrayList &, cli::PreparedJob *)>;

// A job command from its paths to its end: the outcome files readied, what
// earlier jobs left said, the command's own checks, the question, the job.
int runJobCommand(const cli::Options &options, const Prepare &prepare)
{
    QByteArrayList paths;
    if (const int status = cli::gatherPaths(options, &paths); status >= 0)
        return status;
    cli::JobSession session(options);
    if (!session.prepareOutputs())
        return kUsage;
    tellInterruptedJobs();
    cli::PreparedJob job = startedFrom(options);
    if (!prepare(options, paths, &job) || !session.confirmed(job, options.thenFreeSpace))
        return kUsage;
    // A drive may have gone, or another taken its place, while the question
    // waited.
    if (job.request.pinned) {
        const QString changed = velmora::pinnedDriveChanged(*job.request.pinned);
        if (!changed.isEmpty())
            return fail(changed.mid(changed.indexOf(QLatin1Char(' ')) + 1));
    }
    const int exitStatus = session.run(std::move(job));
    if (!options.thenFreeSpace || session.stopped())
        return exitStatus;
    return wipeFreeSpaceAfter(options, session, exitStatus);
}

// The options that go with some commands only: the exit status of a
// refusal, or 0.
int misplacedOption(const cli::Options &options)
{
    const QString &command = options.command;
    if (command != QLatin1String("drive") && (options.noVerify || options.cryptoErase))
        return fail(QCoreApplication::translate(
            "Cli", "--no-verify and --crypto-erase go with drive only"));
    if (options.trash && command != QLatin1String("erase"))
        return fail(QCoreApplication::translate("Cli", "--trash goes with erase only"));
    if ((options.sanitize || options.thenOverwrite) && command != QLatin1String("drive"))
        return fail(QCoreApplication::translate(
            "Cli", "--sanitize and --then-overwrite go with drive only"));
    if (options.thenOverwrite && !options.sanitize)
        return fail(QCoreApplication::translate("Cli", "--then-overwrite follows --sanitize"));
    if (options.sanitize && options.cryptoErase)
        return fail(QCoreApplication::translate(
            "Cli", "--sanitize and --crypto-erase do not go together: the drive's own crypto "
                   "erase is --sanitize=crypto-erase"));
    if (options.sanitize && options.methodGiven && !options.thenOverwrite)
        return fail(QCoreApplication::translate(
            "Cli", "--sanitize overwrites nothing: --method goes with --then-overwrite"));
    if (!options.verifyMode.isEmpty() && command != QLatin1String("drive"))
        return fail(QCoreApplication::translate(
            "Cli", "--verify=sample and --verify=full go with drive only; --verify reads the "
                   "last pass back"));
    if (!options.verifyMode.isEmpty() && options.noVerify)
        return fail(QCoreApplication::translate("Cli", "--verify= and --no-verify contradict "
                                                       "each other"));
    if (options.formatGiven && command != QLatin1String("drive"))
        return fail(QCoreApplication::translate("Cli", "--format goes with drive only"));
    if (options.labelGiven && !options.formatGiven)
        return fail(QCoreApplication::translate("Cli", "--label names what --format makes"));
    if (options.thenFreeSpace && command != QLatin1String("erase"))
        return fail(QCoreApplication::translate("Cli", "--then-freespace follows erase only"));
    return 0;
}

// A folder for --json (a scheduled run's): a new file in it, named for the
// job and the time.
void nameJsonInFolder(cli::Options *options)
{
    QByteArray &json = options->jsonFile;
    if (json.isEmpty() || !(json.endsWith('/') || QFileInfo(QFile::decodeName(json)).isDir()))
        return;
    json = (json.endsWith('/') ? json : json + '/') + "velmora-" + options->command.toLatin1() +
           '-' +
           QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")).toLatin1() +
           ".json";
}

// --sanitize takes its action after '=' or none, and --verify its way
// (sample or full), which the parser does not know: it is shown switches,
// and the values are kept in `*action` and `*verifyMode`.
QStringList withValuesTaken(QStringList words, QString *action, bool *named, QString *verifyMode,
                            bool *verifyNamed)
{
    for (QString &word : words) {
        if (word == QLatin1String("--"))
            break;
        if (word.startsWith(QLatin1String("--sanitize="))) {
            *action = word.mid(11);
            *named = true;
            word = QStringLiteral("--sanitize");
        } else if (word.startsWith(QLatin1String("--verify="))) {
            *verifyMode = word.mid(9);
            *verifyNamed = true;
            word = QStringLiteral("--verify");
        }
    }
    return words;
}

// erase, wipe, freespace and drive, their options checked.
int runJobCommands(cli::Options &options)
{
    const QString &command = options.command;
    // A whole drive is read back unless asked not to: it is what the
    // certificate stands on.
    if (command == QLatin1String("drive"))
        options.verify = !options.noVerify;
    if (command == QLatin1String("drive") && options.paths.size() > 1) {
        tellInterruptedJobs();
        return cli::runDriveStation(options);
    }
    nameJsonInFolder(&options);
    if (command == QLatin1String("erase"))
        return runJobCommand(options, cli::prepareErase);
    if (command == QLatin1String("drive"))
        return runJobCommand(
            options, [](const cli::Options &o, const QByteArrayList &paths, cli::PreparedJob *job) {
                return cli::prepareDrive(o, paths, job);
            });
    return runJobCommand(
        options, [](const cli::Options &o, const QByteArrayList &paths, cli::PreparedJob *job) {
            return cli::prepareVolume(o, o.command, paths, job);
        });
}

int run(int argc, char **argv)
{
    // Their --json is a switch, where the jobs' takes a file.
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) == QLatin1String("volumes"))
        return cli::listVolumes(arguments.mid(2));
    if (arguments.value(1) == QLatin1String("drives"))
        return cli::listDrives(arguments.mid(2));
    if (arguments.value(1) == QLatin1String("reports"))
        return cli::listReports(arguments.mid(2));
    QString sanitizeAction;
    bool sanitizeNamed = false;
    QString verifyMode;
    bool verifyNamed = false;
    const QStringList words =
        withValuesTaken(arguments, &sanitizeAction, &sanitizeNamed, &verifyMode, &verifyNamed);
    QCommandLineParser parser;
    cli::describeOptions(parser);
    if (!parser.parse(words))
        return fail(parser.errorText() + QStringLiteral("\n") +
                    QCoreApplication::translate("Cli", "Try 'velmora-cli --help'."));
    if (cli::answersOnly(parser))
        return 0;
    cli::Options options;
    if (const int status = cli::readOptions(parser, argc, argv, &options))
        return status;
    options.sanitizeAction = sanitizeAction;
    if (sanitizeNamed && sanitizeAction.isEmpty())
        return fail(QCoreApplication::translate("Cli", "--sanitize= names no action"));
    options.verifyMode = verifyMode;
    if (verifyNamed && verifyMode != QLatin1String("sample") && verifyMode != QLatin1String("full"))
        return fail(QCoreApplication::translate("Cli", "--verify= takes sample or full"));
    const QString &command = options.command;
    if (command == QLatin1String("schedule"))
        return cli::schedule(options.words, options.every, options.method);
    if (command == QLatin1String("check-report"))
        return cli::checkReport(options.words, options.key);
    if (command != QLatin1String("erase") && command != QLatin1String("wipe") &&
        command != QLatin1String("freespace") && command != QLatin1String("drive"))
        return fail(QCoreApplication::translate(
                        "Cli", "unknown command %1; the commands are erase, wipe, freespace, "
                               "drive, drives, schedule, check-report, volumes and reports")
                        .arg(command));
    if (const int status = misplacedOption(options))
        return status;
    return runJobCommands(options);
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
    return run(argc, argv);
}
