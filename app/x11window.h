// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractNativeEventFilter>
#include <QMargins>
#include <QObject>
#include <QRect>
#include <array>
#include <functional>

namespace tavrin {

// What the X server holds for a window now, asked of it directly: Qt hears
// of it from events, which may still be on their way when it acts.
//
// The frame the window manager puts around the window comes from its
// _NET_FRAME_EXTENTS property: Qt reads that only at the window's next
// ConfigureNotify, and openbox sets it after its last one when it frames a
// window or takes it out of fullscreen, so Qt's frame may stay empty until
// the user moves the window. `frameChanged` runs each time the window
// manager sets the property.
class X11Window : public QObject, public QAbstractNativeEventFilter
{
public:
    X11Window(QObject* parent, quint32 window, std::function<void()> frameChanged);
    ~X11Window() override;
    X11Window(const X11Window&) = delete;
    X11Window& operator=(const X11Window&) = delete;

    // In device pixels; empty until the window manager has framed the window.
    QMargins frame() const;
    // The window's own area in root coordinates; empty where the server
    // does not answer.
    QRect placed() const;
    // Fullscreen and maximized, as the window manager says (_NET_WM_STATE).
    Qt::WindowStates states() const;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    enum Atom
    {
        FrameExtents,
        State,
        Fullscreen,
        MaximizedVert,
        MaximizedHorz,
        Atoms
    };
    quint32 window_;
    std::array<quint32, Atoms> atoms_{};
    std::function<void()> frameChanged_;
};

} // namespace tavrin
