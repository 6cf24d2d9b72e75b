#include "app/mainwindow.h"

#include "engine/platform.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace
{

// Without a display the platform plugin would abort the process; say why
// in one line instead.
bool displayAvailable()
{
    const auto set = [](const char *name) {
        const char *value = std::getenv(name);
        return value && *value;
    };
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.startsWith("xcb"))
        return set("DISPLAY");
    if (platform.startsWith("wayland"))
        return set("WAYLAND_DISPLAY");
    // offscreen, vnc, eglfs and the like need no display server
    return !platform.isEmpty() || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char *argv[])
{
    if (!displayAvailable()) {
        std::fprintf(stderr, "velmora: no display available (neither DISPLAY nor "
                             "WAYLAND_DISPLAY is set); start it from a desktop session.\n");
        return 2;
    }
    // A file-size limit reaches the engine as EFBIG instead of killing us.
    velmora::platform::ignoreFileSizeSignal();
    velmora::platform::raiseDescriptorLimit();
    QApplication app(argc, argv);
    // Where QSettings keeps the user's choices: ~/.config/Velmora/Velmora.conf
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
    QApplication::setApplicationName(QStringLiteral("Velmora"));
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
    QTimer::singleShot(0, &window, &MainWindow::offerLeftoverRemoval);
    return app.exec();
}
