// SPDX-License-Identifier: GPL-3.0-or-later
#include "frameextents.h"

#include <QGuiApplication>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace tavrin {
namespace {

xcb_connection_t* connection()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

} // namespace

FrameExtents::FrameExtents(QObject* parent, quint32 window, std::function<void()> changed)
    : QObject(parent), window_(window), changed_(std::move(changed))
{
    constexpr const char* kName = "_NET_FRAME_EXTENTS";
    if (xcb_connection_t* x = connection()) {
        const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, std::strlen(kName), kName), nullptr), &std::free);
        if (reply)
            atom_ = reply->atom;
    }
    qGuiApp->installNativeEventFilter(this);
}

FrameExtents::~FrameExtents()
{
    qGuiApp->removeNativeEventFilter(this);
}

QMargins FrameExtents::read() const
{
    xcb_connection_t* x = connection();
    if (!x || !atom_)
        return {};
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(x, xcb_get_property(x, 0, window_, atom_, XCB_ATOM_CARDINAL, 0, 4), nullptr),
        &std::free);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 4 * sizeof(quint32))
        return {};
    // Left, right, top, bottom.
    const auto* edge = static_cast<const quint32*>(xcb_get_property_value(reply.get()));
    return {int(edge[0]), int(edge[2]), int(edge[1]), int(edge[3])};
}

bool FrameExtents::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* /*result*/)
{
    if (eventType != "xcb_generic_event_t"
        || (static_cast<xcb_generic_event_t*>(message)->response_type & ~0x80) != XCB_PROPERTY_NOTIFY)
        return false;
    const auto* event = static_cast<xcb_property_notify_event_t*>(message);
    if (event->window == window_ && event->atom == atom_)
        QMetaObject::invokeMethod(this, changed_, Qt::QueuedConnection);
    return false;
}

} // namespace tavrin
