// SPDX-License-Identifier: GPL-3.0-or-later
#include "startupfailure.h"

#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <vector>

namespace tavrin {
namespace {

// What became of one window system Qt tried, and whether that was no
// display at all.
struct Attempt
{
    QString reason;
    bool unreached;
};

} // namespace

QString startupFailure(const QStringList& said)
{
    // Qt 6.4's messages: the xcb plugin's, the Wayland plugin's (with the
    // system's words for errno), and its own for a plugin it could not find
    // or load. A plugin that failed to connect has spoken before Qt says it
    // could not load it.
    static const QRegularExpression noX(QStringLiteral("^could not connect to display ?(.*)$"));
    static const QRegularExpression noWayland(QStringLiteral(R"(^Failed to create wl_display \((.*)\)$)"));
    static const QRegularExpression missing(
        QStringLiteral(R"re(^Could not find the Qt platform plugin "(.*)" in)re"));
    static const QRegularExpression unloadable(QStringLiteral(
        R"re(^Could not load the Qt platform plugin "(.*)" in ".*" even though it was found)re"));

    std::vector<Attempt> attempts;
    bool pluginSpoke = false;
    for (const QString& message : said) {
        if (const auto x = noX.match(message); x.hasMatch()) {
            attempts.push_back(
                {x.captured(1).isEmpty()
                     ? QStringLiteral("DISPLAY is not set")
                     : QStringLiteral("could not connect to the X display %1").arg(x.captured(1)),
                 true});
            pluginSpoke = true;
        } else if (const auto wayland = noWayland.match(message); wayland.hasMatch()) {
            const QString display = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
            if (wayland.captured(1) == qt_error_string(ENOENT))
                attempts.push_back({QStringLiteral("no Wayland display %1").arg(display), true});
            else
                attempts.push_back({QStringLiteral("cannot connect to the Wayland display %1: %2")
                                        .arg(display, wayland.captured(1)),
                                    false});
            pluginSpoke = true;
        } else if (const auto plugin = missing.match(message); plugin.hasMatch()) {
            attempts.push_back(
                {QStringLiteral("cannot find the Qt platform plugin \"%1\"").arg(plugin.captured(1)), false});
            pluginSpoke = false;
        } else if (const auto found = unloadable.match(message); found.hasMatch()) {
            if (!pluginSpoke)
                attempts.push_back(
                    {QStringLiteral("the Qt platform plugin \"%1\" is installed but cannot be loaded "
                                    "(QT_DEBUG_PLUGINS=1 tells why)")
                         .arg(found.captured(1)),
                     false});
            pluginSpoke = false;
        }
    }

    if (attempts.empty()) // words of another Qt: its own final one, first line
        return said.isEmpty() ? QStringLiteral("Qt could not start") : said.constLast().section(u'\n', 0, 0);
    QStringList reasons;
    for (const Attempt& attempt : attempts)
        reasons << attempt.reason;
    if (std::ranges::all_of(attempts, &Attempt::unreached))
        return QStringLiteral("cannot open a display; start the planner inside a graphical session (%1)")
            .arg(reasons.join(QStringLiteral("; ")));
    return reasons.join(QStringLiteral("; "));
}

} // namespace tavrin
