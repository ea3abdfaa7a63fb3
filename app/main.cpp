// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"
#include "mainwindow.h"
#include "startupfailure.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// While the toolkit connects to the display, its complaints are held back:
// where it cannot start, the user gets one line naming the cause and an exit
// status instead of a stack of plugin messages and a core dump.
QStringList heldBack;

void startupMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) {
        const QString cause = tavrin::startupFailure(heldBack << message);
        std::fputs(QStringLiteral("tavrin: %1\n").arg(cause).toLocal8Bit().constData(), stderr);
        std::_Exit(EXIT_FAILURE);
    }
    if (type != QtDebugMsg)
        heldBack << message;
}

} // namespace

int main(int argc, char* argv[])
{
    if (const std::optional<int> answered = tavrin::answerCommandLine(argc, argv))
        return *answered;

    // One id for the desktop to pair the window with its launcher: the X11
    // class is the application name, the Wayland app id the desktop file
    // name, and the desktop entry and the AppStream file carry the same.
    const QString appId = QStringLiteral("org.tavrin.Tavrin");
    QApplication::setApplicationName(appId);
    QApplication::setDesktopFileName(appId);
    QApplication::setApplicationDisplayName(QStringLiteral("Tavrin"));

    const QtMessageHandler standard = qInstallMessageHandler(startupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(standard);
    for (const QString& message : std::as_const(heldBack))
        qWarning().noquote() << message;

    tavrin::MainWindow window;
    window.show();
    return QApplication::exec();
}
