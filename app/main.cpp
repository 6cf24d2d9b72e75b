#include "app/mainwindow.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display the platform plugin would abort the process; say why
// in one line instead.
bool displayAvailable()
{
    const auto set = [](const char *name) {
        const char *value = std::getenv(name);
        return value && *value;
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
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
