// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractNativeEventFilter>
#include <QMargins>
#include <QObject>
#include <functional>

namespace tavrin {

// The frame an X11 window manager puts around a window, in device pixels, as
// its _NET_FRAME_EXTENTS property says now. Qt reads that property only at
// the window's next ConfigureNotify, and openbox sets it after its last one
// when it frames a window or takes it out of fullscreen: Qt's frame may then
// stay empty until the user moves the window. `changed` runs each time the
// window manager sets the property.
class FrameExtents : public QObject, public QAbstractNativeEventFilter
{
public:
    FrameExtents(QObject* parent, quint32 window, std::function<void()> changed);
    ~FrameExtents() override;
    FrameExtents(const FrameExtents&) = delete;
    FrameExtents& operator=(const FrameExtents&) = delete;

    // Empty until the window manager has framed the window.
    QMargins read() const;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    quint32 window_;
    quint32 atom_ = 0;
    std::function<void()> changed_;
};

} // namespace tavrin
