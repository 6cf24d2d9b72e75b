// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/clioptions.h"

#include "app/cliout.h"
#include "engine/job/erasemethods.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace cli
{

namespace
{

// The positional arguments and the values of --json and --report as the
// bytes they came as, each read from its own place in argv.
void scanArguments(int argc, char **argv, Options *options)
{
    const auto takesValue = [](const QByteArray &name) {
        return name == "method" || name == "json" || name == "report" || name == "every" ||
               name == "key" || name == "operator" || name == "organisation" ||
               name == "location" || name == "contact" || name == "property-number" ||
               name == "destination" || name == "format" || name == "label";
    };
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--") {
            for (++i; i < argc; ++i)
                options->paths.append(QByteArray(argv[i]));
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
                options->jsonFile = value;
            else if (name == "report")
                options->reportFile = value;
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
        options->paths.append(arg);
    }
}

} // namespace

// Kept in one piece: one table of every option, in the order --help lists
// them.
void describeOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "Cli", "Erases files and folders, a whole mounted volume, or a volume's free space beyond "
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
               "  drive DEVICE...        overwrite every sector of whole drives or partitions,\n"
               "                         several at once\n"
               "  drives [--json]        list the drives and partitions, and why one is refused\n"
               "  reports [--json]       list every job's kept outcome and report, newest first"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {{QStringLiteral("m"), QStringLiteral("method")},
         QCoreApplication::translate(
             "Cli", "Erase method: NIST, DoD, British, German or Gutmann (default NIST)."),
         QStringLiteral("NAME")},
        {QStringLiteral("verify"),
         QCoreApplication::translate("Cli", "Read the last pass back and compare it; for a "
                                            "drive, --verify=sample reads only blocks sampled "
                                            "across it.")},
        {{QStringLiteral("y"), QStringLiteral("yes")},
         QCoreApplication::translate(
             "Cli", "Do not ask; for scripts. Without it, a terminal must answer.")},
        {{QStringLiteral("q"), QStringLiteral("quiet")},
         QCoreApplication::translate("Cli", "Print only problems.")},
        {QStringLiteral("json"),
         QCoreApplication::translate("Cli", "Write the outcome as JSON to FILE."),
         QStringLiteral("FILE")},
        {QStringLiteral("report"),
         QCoreApplication::translate("Cli", "Write the erasure report as a PDF to FILE."),
         QStringLiteral("FILE")},
        {QStringLiteral("methods"), QCoreApplication::translate("Cli", "List the erase methods.")},
        {QStringLiteral("no-preserve-root"),
         QCoreApplication::translate(
             "Cli", "Allow erasing /, the system's folders and the home folders (never devices).")},
        {QStringLiteral("no-traces"),
         QCoreApplication::translate(
             "Cli", "erase: leave the thumbnails, recent-files entries, Trash records and editor "
                    "copies of the erased files where they are.")},
        {QStringLiteral("trash"),
         QCoreApplication::translate(
             "Cli", "erase: add everything in the Trash (the home Trash and each volume's) to the "
                    "paths.")},
        {QStringLiteral("every"),
         QCoreApplication::translate("Cli", "schedule add: weekly (the default) or monthly."),
         QStringLiteral("PERIOD")},
        {QStringLiteral("key"),
         QCoreApplication::translate(
             "Cli",
             "check-report: the fingerprint (SHA256:…) of the key the report must be signed with."),
         QStringLiteral("FINGERPRINT")},
        {QStringLiteral("operator"),
         QCoreApplication::translate("Cli", "The report: who erased (also in report.conf)."),
         QStringLiteral("NAME")},
        {QStringLiteral("organisation"),
         QCoreApplication::translate("Cli", "The report: for which organisation."),
         QStringLiteral("NAME")},
        {QStringLiteral("location"), QCoreApplication::translate("Cli", "The report: where."),
         QStringLiteral("PLACE")},
        {QStringLiteral("contact"),
         QCoreApplication::translate("Cli", "The report: how to reach who erased."),
         QStringLiteral("CONTACT")},
        {QStringLiteral("property-number"),
         QCoreApplication::translate("Cli", "The report: the medium's property number."),
         QStringLiteral("NUMBER")},
        {QStringLiteral("destination"),
         QCoreApplication::translate(
             "Cli", "The report: where the medium goes afterwards (reuse, sale, destruction)."),
         QStringLiteral("WHERE")},
        {QStringLiteral("no-verify"),
         QCoreApplication::translate("Cli", "drive: do not read the last pass back.")},
        {QStringLiteral("format"),
         QCoreApplication::translate(
             "Cli", "drive: once wiped, make it ready to use again: a new partition table with "
                    "one partition and an empty exfat, fat32 or ext4 file system."),
         QStringLiteral("FS")},
        {QStringLiteral("label"),
         QCoreApplication::translate("Cli", "drive --format: the new file system's label."),
         QStringLiteral("NAME")},
        {QStringLiteral("lift-hidden-area"),
         QCoreApplication::translate(
             "Cli", "drive: open a host protected area for the wipe, until the drive is next "
                    "switched off, and overwrite what it hides as well.")},
        {QStringLiteral("crypto-erase"),
         QCoreApplication::translate(
             "Cli", "drive: destroy the keys of the LUKS container it holds; with --method, then "
                    "overwrite it too.")},
        {QStringLiteral("sanitize"),
         QCoreApplication::translate(
             "Cli", "drive: send the drive its own erase, --sanitize=ACTION (crypto-erase, "
                    "block-erase, format-crypto, format-erase, overwrite) or, without one, the "
                    "strongest it offers; blocks sampled across it are checked after.")},
        {QStringLiteral("then-overwrite"),
         QCoreApplication::translate(
             "Cli", "drive --sanitize: then overwrite it once too, and read that back.")},
        {QStringLiteral("then-freespace"),
         QCoreApplication::translate(
             "Cli",
             "erase: then wipe the free space of each volume the files were on, which reaches "
             "the older copies a copy-on-write volume keeps.")},
    });
    parser.addPositionalArgument(
        QStringLiteral("command"),
        QCoreApplication::translate("Cli", "erase, wipe, freespace, drive, drives, volumes, "
                                           "schedule, check-report or reports"));
    parser.addPositionalArgument(
        QStringLiteral("paths"),
        QCoreApplication::translate("Cli", "Files and folders, or the volume's mount point."),
        QStringLiteral("PATH..."));
}

bool answersOnly(const QCommandLineParser &parser)
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

int readOptions(const QCommandLineParser &parser, int argc, char **argv, Options *options)
{
    Options &o = *options;
    const auto set = [&parser](const char *name) { return parser.isSet(QLatin1String(name)); };
    o.methodGiven = set("method");
    o.method = velmora::kMethodNist;
    if (o.methodGiven) {
        o.method = velmora::methodNamed(parser.value(QStringLiteral("method")));
        if (o.method.isEmpty())
            return fail(QCoreApplication::translate(
                            "Cli", "unknown method %1; velmora-cli --methods lists them")
                            .arg(parser.value(QStringLiteral("method"))));
    }
    o.verify = set("verify");
    o.noVerify = set("no-verify");
    o.cryptoErase = set("crypto-erase");
    o.quiet = set("quiet");
    o.yes = set("yes");
    o.preserveRoot = !set("no-preserve-root");
    o.traces = !set("no-traces");
    o.trash = set("trash");
    o.thenFreeSpace = set("then-freespace");
    o.sanitize = set("sanitize");
    o.thenOverwrite = set("then-overwrite");
    o.liftHiddenArea = set("lift-hidden-area");
    o.every = parser.value(QStringLiteral("every"));
    o.key = parser.value(QStringLiteral("key"));
    o.formatGiven = set("format");
    o.format = parser.value(QStringLiteral("format"));
    o.labelGiven = set("label");
    o.label = parser.value(QStringLiteral("label"));
    o.details = velmora::ReportDetails::fromFile();
    velmora::ReportDetails given;
    given.operatorName = parser.value(QStringLiteral("operator"));
    given.organisation = parser.value(QStringLiteral("organisation"));
    given.location = parser.value(QStringLiteral("location"));
    given.contact = parser.value(QStringLiteral("contact"));
    given.propertyNumber = parser.value(QStringLiteral("property-number"));
    given.destination = parser.value(QStringLiteral("destination"));
    o.details.overrideWith(given);
    scanArguments(argc, argv, options);
    if ((set("json") && o.jsonFile.isEmpty()) || (set("report") && o.reportFile.isEmpty()))
        return fail(QCoreApplication::translate("Cli", "--json and --report take a file name"));
    o.words = parser.positionalArguments();
    if (o.words.isEmpty())
        return fail(QCoreApplication::translate("Cli", "no command; try 'velmora-cli --help'"));
    o.command = o.words.takeFirst();
    // The command's own word is no path.
    if (!o.paths.isEmpty())
        o.paths.removeFirst();
    return 0;
}

} // namespace cli
