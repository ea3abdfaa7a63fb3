// SPDX-License-Identifier: GPL-3.0-or-later
#include "x11window.h"

#include <QGuiApplication>
#include <cstring>
#include <memory>
#include <vector>
#include <xcb/xcb.h>

namespace tavrin {
namespace {

xcb_connection_t* connection()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

template <typename Reply> using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

// The first 32 values of the window's property `atom`, 32 bits each, of `type`.
std::vector<quint32> readProperty(xcb_connection_t* x, quint32 window, quint32 atom, quint32 type)
{
    const Owned<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(x, xcb_get_property(x, 0, window, atom, type, 0, 32), nullptr), &std::free);
    if (!reply || reply->format != 32)
        return {};
    const auto* values = static_cast<const quint32*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / sizeof(quint32)};
}

} // namespace

X11Window::X11Window(QObject* parent, quint32 window, std::function<void()> frameChanged)
    : QObject(parent), window_(window), frameChanged_(std::move(frameChanged))
{
    if (xcb_connection_t* x = connection()) {
        constexpr std::array<const char*, Atoms> kNames{
            "_NET_FRAME_EXTENTS", "_NET_WM_STATE", "_NET_WM_STATE_FULLSCREEN", "_NET_WM_STATE_MAXIMIZED_VERT",
            "_NET_WM_STATE_MAXIMIZED_HORZ"};
        std::array<xcb_intern_atom_cookie_t, Atoms> asked{};
        for (std::size_t i = 0; i < Atoms; ++i)
            asked[i] = xcb_intern_atom(x, 0, std::strlen(kNames[i]), kNames[i]);
        for (std::size_t i = 0; i < Atoms; ++i)
            if (const Owned<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(x, asked[i], nullptr),
                                                           &std::free);
                reply)
                atoms_[i] = reply->atom;
    }
    qGuiApp->installNativeEventFilter(this);
}

X11Window::~X11Window()
{
    qGuiApp->removeNativeEventFilter(this);
}

QMargins X11Window::frame() const
{
    xcb_connection_t* x = connection();
    if (!x || !atoms_[FrameExtents])
        return {};
    // Left, right, top, bottom.
    const auto edge = readProperty(x, window_, atoms_[FrameExtents], XCB_ATOM_CARDINAL);
    return edge.size() == 4 ? QMargins(int(edge[0]), int(edge[2]), int(edge[1]), int(edge[3])) : QMargins();
}

QRect X11Window::placed() const
{
    xcb_connection_t* x = connection();
    if (!x)
        return {};
    const Owned<xcb_get_geometry_reply_t> size(
        xcb_get_geometry_reply(x, xcb_get_geometry(x, window_), nullptr), &std::free);
    if (!size)
        return {};
    const Owned<xcb_translate_coordinates_reply_t> corner(
        xcb_translate_coordinates_reply(x, xcb_translate_coordinates(x, window_, size->root, 0, 0), nullptr),
        &std::free);
    if (!corner)
        return {};
    return {corner->dst_x, corner->dst_y, size->width, size->height};
}

Qt::WindowStates X11Window::states() const
{
    xcb_connection_t* x = connection();
    if (!x || !atoms_[State])
        return {};
    Qt::WindowStates states;
    bool vertical = false, horizontal = false;
    for (const quint32 atom : readProperty(x, window_, atoms_[State], XCB_ATOM_ATOM)) {
        if (atom == atoms_[Fullscreen])
            states |= Qt::WindowFullScreen;
        vertical = vertical || atom == atoms_[MaximizedVert];
        horizontal = horizontal || atom == atoms_[MaximizedHorz];
    }
    // As Qt has it: maximized one way only is not maximized.
    if (vertical && horizontal)
        states |= Qt::WindowMaximized;
    return states;
}

bool X11Window::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* /*result*/)
{
    if (eventType != "xcb_generic_event_t"
        || (static_cast<xcb_generic_event_t*>(message)->response_type & ~0x80) != XCB_PROPERTY_NOTIFY)
        return false;
    const auto* event = static_cast<xcb_property_notify_event_t*>(message);
    if (event->window == window_ && event->atom == atoms_[FrameExtents])
        QMetaObject::invokeMethod(this, frameChanged_, Qt::QueuedConnection);
    return false;
}

} // namespace tavrin
