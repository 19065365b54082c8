// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 QQ7NV
#include "window/qt/frmhaupt.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>

namespace {

// When no display can be reached - none is set, or DISPLAY or WAYLAND_DISPLAY
// names one that is not there - Qt's platform plugin gives up with a fatal
// message about reinstalling, and a core dump. Say plainly what is missing
// instead, and end as a program that could not do its work. Whatever Qt
// says while it connects is its own account of such a failure, and is left
// out.
void reportUnreachableDisplay(QtMsgType type, const QMessageLogContext & /*context*/, const QString & /*message*/)
{
    if (type != QtFatalMsg)
        return;
    std::fputs("MorvaneCalc is a window and needs a graphical display, but could not reach one; "
               "on a machine without a display, start a virtual one (Xvfb :99 &) "
               "and run the program with DISPLAY=:99\n",
               stderr);
    std::_Exit(EXIT_FAILURE);
}

} // namespace

int main(int argc, char *argv[])
{
    const QtMessageHandler defaultHandler = qInstallMessageHandler(reportUnreachableDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(defaultHandler);

    QApplication::setApplicationName(QStringLiteral(MORVANECALC_NAME));
    QApplication::setApplicationVersion(QStringLiteral(MORVANECALC_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral(MORVANECALC_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(MORVANECALC_ICON)));

    frmHaupt window;
    window.show();
    return QApplication::exec();
}
