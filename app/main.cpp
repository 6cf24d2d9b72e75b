#include "app/mainwindow.h"

#include <QApplication>

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
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    return app.exec();
}
