#include "window/frmhaupt.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

namespace {

// Without a display Qt aborts with a message about platform plugins; say
// plainly what is missing instead.
bool displayAvailable()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
           || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char *argv[])
{
    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "MorvaneCalc is a window and needs a graphical display, but neither DISPLAY nor "
                     "WAYLAND_DISPLAY is set; to try it without one, start a virtual display "
                     "(Xvfb :99 &) and run DISPLAY=:99 %s\n",
                     argv[0]);
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("MorvaneCalc"));
    QApplication::setApplicationVersion(QStringLiteral(MORVANECALC_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("example.qq7nv.MorvaneCalc"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/morvanecalc.svg")));

    frmHaupt window;
    window.show();
    return QApplication::exec();
}
