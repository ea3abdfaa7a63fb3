// SPDX-License-Identifier: GPL-3.0-or-later
// The planner as its main() starts it, on a day of this month the banner
// shows, as the floor always draws it.

#include "firstpaint.h"
#include "mainwindow.h"

int main(int argc, char* argv[])
{
    const QString appId = QStringLiteral("org.tavrin.Tavrin");
    QApplication::setApplicationName(appId);
    QApplication::setDesktopFileName(appId);
    QApplication::setApplicationDisplayName(QStringLiteral("Tavrin"));
    QApplication app(argc, argv);
    tavrin::MainWindow window({[] {
        const auto today = tavrin::localToday();
        return today.year() / today.month() / std::chrono::day(6);
    }});
    bench::runToFirstPaint(window, [&window] { return !window.yearBox()->text().isEmpty(); });
}
