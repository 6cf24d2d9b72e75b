// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindow.h"

#include "app/translations.h"
#include "engine/platform/platform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QSet>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace
{

void setIdentity()
{
    // Where QSettings keeps the user's choices: ~/.config/Velmora/Velmora.conf
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.velmora.Velmora"));
}

void describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Erases files and folders beyond recovery, or wipes a whole volume or its "
                "free space."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("paths"),
        QCoreApplication::translate("main", "Files and folders to put in the list to erase."),
        QStringLiteral("[FILE|FOLDER...]"));
}

// Without a display the platform plugin would abort the process; say why
// in one line instead. Qt's own -platform and -display count.
bool displayAvailable(int argc, char *argv[])
{
    const auto set = [](const char *name) {
        const char *value = std::getenv(name);
        return value && *value;
    };
    QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if ((arg == "-platform" || arg == "--platform") && i + 1 < argc)
            platform = argv[i + 1];
        else if (arg.startsWith("-platform=") || arg.startsWith("--platform="))
            platform = arg.mid(arg.indexOf('=') + 1);
        else if ((arg == "-display" || arg == "--display") && i + 1 < argc)
            return true;
    }
    if (platform.startsWith("xcb"))
        return set("DISPLAY");
    if (platform.startsWith("wayland"))
        return set("WAYLAND_DISPLAY");
    // offscreen, vnc, eglfs and the like need no display server
    return !platform.isEmpty() || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

// The paths given after the toolkit took its own options, as bytes (a name
// need not be UTF-8), made absolute.
QByteArrayList pathArguments(int argc, char *argv[])
{
    QByteArrayList paths;
    const QByteArray here = QFile::encodeName(QDir::currentPath());
    bool optionsEnd = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (!optionsEnd && arg == "--") {
            optionsEnd = true;
            continue;
        }
        if (arg.isEmpty() || (!optionsEnd && arg.startsWith('-')))
            continue;
        paths.append(arg.startsWith('/') ? arg : here + '/' + arg);
    }
    return paths;
}

// The arguments without the toolkit's own options (-platform offscreen,
// -reverse, …), which a window would take and --help or --version must not
// call unknown.
QStringList withoutToolkitOptions(int argc, char *argv[])
{
    static const QSet<QByteArray> withValue{
        "platform", "platformpluginpath", "platformtheme", "plugin",   "qwindowgeometry",
        "qwindowtitle", "qwindowicon", "display", "geometry", "style", "stylesheet",
        "session",  "name",          "title",        "dialogs"};
    static const QSet<QByteArray> alone{"reverse", "widgetcount", "nograb", "dograb", "sync"};
    QStringList args{QString::fromLocal8Bit(argv[0])};
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--") {
            for (; i < argc; ++i)
                args.append(QString::fromLocal8Bit(argv[i]));
            break;
        }
        QByteArray name = arg.startsWith("--") ? arg.mid(2) : arg.startsWith('-') ? arg.mid(1)
                                                                                 : QByteArray();
        const qsizetype equals = name.indexOf('=');
        if (equals >= 0 && withValue.contains(name.left(equals)))
            continue;
        if (withValue.contains(name)) {
            ++i; // and its value
            continue;
        }
        if (alone.contains(name))
            continue;
        args.append(QString::fromLocal8Bit(arg));
    }
    return args;
}

} // namespace

int main(int argc, char *argv[])
{
    // --help and --version answer on the terminal, with or without a display.
    for (int i = 1; i < argc && qstrcmp(argv[i], "--") != 0; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-h" || arg == "--help" || arg == "-?" || arg == "-v" || arg == "--version") {
            QCoreApplication core(argc, argv);
            setIdentity();
            velmora::installTranslations(core);
            QCommandLineParser parser;
            describe(parser);
            parser.process(withoutToolkitOptions(argc, argv)); // prints and exits
            return 0;
        }
    }
    if (!displayAvailable(argc, argv)) {
        std::fprintf(stderr, "velmora: no display available (neither DISPLAY nor "
                             "WAYLAND_DISPLAY is set); start it from a desktop session.\n");
        return 2;
    }
    // A file-size limit reaches the engine as EFBIG instead of killing us.
    velmora::platform::ignoreFileSizeSignal();
    velmora::platform::raiseDescriptorLimit();
    QApplication app(argc, argv);
    setIdentity();
    velmora::installTranslations(app);
    QCommandLineParser parser;
    describe(parser);
    parser.process(app); // unknown options end here, with a message
    MainWindow window;

    // SIGINT, SIGTERM (logout) and SIGHUP stop a running job as Stop does,
    // then end the application; the handler only sets the flag and wakes the
    // event loop.
    int wakeFd = -1;
    velmora::platform::catchStopSignals(window.stopFlag(), &wakeFd);
    QSocketNotifier wake(wakeFd, QSocketNotifier::Read);
    QObject::connect(&wake, &QSocketNotifier::activated, &window, [&] {
        wake.setEnabled(false);
        QCoreApplication::exit(window.stopForSignal(velmora::platform::caughtSignal()));
    });

    window.show();
    const QByteArrayList paths = pathArguments(argc, argv);
    if (!paths.isEmpty())
        window.openWithEntries(paths);
    window.offerLeftoverRemovalOnceShown();
    return app.exec();
}
