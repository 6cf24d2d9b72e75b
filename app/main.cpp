// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindow.h"

#include "app/translations.h"
#include "engine/platform/platform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QSet>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

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
    static const QSet<QByteArray> withValue{"platform",
                                            "platformpluginpath",
                                            "platformtheme",
                                            "plugin",
                                            "qwindowgeometry",
                                            "qwindowtitle",
                                            "qwindowicon",
                                            "display",
                                            "geometry",
                                            "style",
                                            "stylesheet",
                                            "session",
                                            "name",
                                            "title",
                                            "dialogs"};
    static const QSet<QByteArray> alone{"reverse", "widgetcount", "nograb", "dograb", "sync"};
    QStringList args{QString::fromLocal8Bit(argv[0])};
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--") {
            for (; i < argc; ++i)
                args.append(QString::fromLocal8Bit(argv[i]));
            break;
        }
        QByteArray name = arg.startsWith("--")  ? arg.mid(2)
                          : arg.startsWith('-') ? arg.mid(1)
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

// The scale at which a window of `needed` device-independent pixels (with
// its frame) fits the `available` ones, as a factor of the one in use; 1
// where it fits already.
double fittingScale(QSize available, QSize needed)
{
    const double factor = std::min(double(available.width()) / needed.width(),
                                   double(available.height()) / needed.height());
    // A little under, so that rounding to device pixels cannot tip it over.
    return factor >= 1.0 ? 1.0 : std::floor(factor * 100.0) / 100.0;
}

// The window has a fixed size. Where the screen's free area cannot hold it at
// the scale in use (a small screen, a large QT_SCALE_FACTOR), the program
// starts again once at a scale that fits; the toolkit takes its scale only
// when it starts.
void restartToFit(const QApplication &app, char **argv)
{
    static const char kFitted[] = "VELMORA_FITTED_SCALE";
    const QScreen *screen = app.primaryScreen();
    if (!screen || qEnvironmentVariableIsSet(kFitted))
        return;
    // The window's own size and what a desktop's frame adds around it.
    const QSize needed(820 + 16, 560 + 48);
    const double factor = fittingScale(screen->availableGeometry().size(), needed);
    if (factor >= 1.0)
        return;
    bool set = false;
    const double inUse = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&set);
    const double scale = (set && inUse > 0 ? inUse : 1.0) * factor;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale, 'f', 3));
    qputenv(kFitted, "1");
    velmora::platform::restartSelf(argv); // returns only where it could not
    qunsetenv(kFitted);
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
    // The toolkit takes its own options out of argv; a restart needs them.
    std::vector<char *> startArgs(argv, argv + argc + 1);
    QApplication app(argc, argv);
    restartToFit(app, startArgs.data());
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
