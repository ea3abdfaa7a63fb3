// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the bench's programs: each shows its window, and at the end of
// the first paint pass that shows the year writes how long that took since it
// was spawned and its peak resident memory, then ends at once, so that an
// instruction count of the whole process stops there too.

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace bench {

// VmHWM of this process, in KiB.
inline long peakRssKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Milliseconds since TAVRIN_BENCH_SPAWNED, the CLOCK_MONOTONIC nanoseconds at
// which the bench started this process (steady_clock reads the same clock).
inline double msSinceSpawned()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    const double spawned = qEnvironmentVariable("TAVRIN_BENCH_SPAWNED", QStringLiteral("0")).toDouble();
    return (std::chrono::duration<double, std::nano>(now).count() - spawned) / 1e6;
}

// Shows `window` and ends after its first paint pass in which `yearShown`
// holds: a zero timer started during the pass runs once the pass, and the
// flush of what it painted, are over.
[[noreturn]] inline void runToFirstPaint(
    QWidget& window, std::function<bool()> yearShown = [] { return true; })
{
    struct Watch : QObject
    {
        std::function<bool()> yearShown;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint && yearShown()) {
                yearShown = [] { return false; };
                QTimer::singleShot(0, [] {
                    std::printf("ms=%.2f\nrss_kib=%ld\n", msSinceSpawned(), peakRssKiB());
                    std::fflush(stdout);
                    std::_Exit(EXIT_SUCCESS);
                });
            }
            return false;
        }
    } watch;
    watch.yearShown = std::move(yearShown);
    qApp->installEventFilter(&watch);
    window.show();
    QApplication::exec();
    std::_Exit(EXIT_FAILURE); // the window was never painted
}

} // namespace bench
