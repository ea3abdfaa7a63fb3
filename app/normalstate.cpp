// SPDX-License-Identifier: GPL-3.0-or-later
#include "normalstate.h"

#include "devicepixels.h"
#include "x11window.h"
#include "yearview.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>

namespace tavrin {
namespace {

constexpr Qt::WindowStates kLarger = Qt::WindowMaximized | Qt::WindowFullScreen;

class PlannerFitter : public QObject
{
public:
    explicit PlannerFitter(YearView* window)
        : QObject(window), window_(window),
          wayland_(QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
    {
        if (wayland_) {
            // Qt bounds the size a compositor gives by the window's minimum
            // and maximum.
            window_->setMinimumSize(1, 1);
            window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        }
        fit(true);
        window_->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::Show && handle_ != window_->windowHandle())
            watch(window_->windowHandle());
        // The frame becomes known once the window system has framed the
        // window, which it has by the time the window is first exposed (its
        // corner may not move); a frame moved to another screen brings
        // another area.
        if ((watched == window_ && event->type() == QEvent::Move)
            || (!wayland_
                && ((watched == handle_ && event->type() == QEvent::Expose)
                    || (watched == window_ && event->type() == QEvent::Resize))))
            fit();
        if (watched == window_ && event->type() == QEvent::Resize && wayland_) {
            if (window_->windowState() & Qt::WindowMaximized) {
                givenOn_ = window_->screen();
                given_ = window_->frameGeometry().size();
                fit();
            }
            keepOwnSize();
        }
        if (watched == handle_ && event->type() == QEvent::WindowStateChange) {
            chosen_ = handle_->windowStates();
            // Back from the room the window manager gave, the window has its
            // own size again, where the window manager put it back or not.
            settled_ = Placement{};
            if (!wayland_)
                QMetaObject::invokeMethod(
                    this, [this] { fit(true); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    // On X11 the frame comes from the window manager's own word, since Qt's
    // may stay empty (X11Window).
    QSize frame() const
    {
        if (!server_)
            return window_->frameGeometry().size() - window_->size();
        const QMargins edge = server_->frame();
        const qreal ratio = window_->devicePixelRatio();
        return {qCeil((edge.left() + edge.right()) / ratio), qCeil((edge.top() + edge.bottom()) / ratio)};
    }
    // The X11 frame's edges, in device pixels. Back from fullscreen, the
    // window is placed before the window manager has framed it again, in the
    // frame it had before. Each edge is the widest seen on this screen:
    // openbox adds a resize handle while the window may be resized and drops
    // it at its next move, and a size that followed it would change at the
    // user's move.
    QMargins margins()
    {
        const QMargins now = server_ ? server_->frame() : QMargins();
        if (!now.isNull() && !(window_->windowState() & kLarger))
            margins_ =
                QMargins(std::max(now.left(), margins_.left()), std::max(now.top(), margins_.top()),
                         std::max(now.right(), margins_.right()), std::max(now.bottom(), margins_.bottom()));
        return margins_;
    }

    // Whether `area` holds the window, frame and all, at the planner's own size.
    bool fits(QSize area) const
    {
        const QSize outer = YearView::plannerSize(1) + frame();
        return outer.width() <= area.width() && outer.height() <= area.height();
    }

    void watch(QWindow* handle)
    {
        handle_ = handle;
        handle_->installEventFilter(this);
        if (!wayland_) {
            delete server_;
            server_ = new X11Window(this, handle_->winId(), [this] { fit(); });
        }
        connect(handle_, &QWindow::screenChanged, this, [this] {
            margins_ = {};
            fit(true);
        });
        connect(handle_, &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
            if (kLarger & state)
                QMetaObject::invokeMethod(this, &PlannerFitter::forgetRequest, Qt::QueuedConnection);
        });
        // The frame Qt draws on Wayland is made as the window is shown.
        QMetaObject::invokeMethod(
            this, [this] { fit(); }, Qt::QueuedConnection);
    }

    // The window's own size: the planner's, or as large as the free area
    // holds with the frame. Once the frame is first known, or `anew` room
    // given, a window that the area cannot hold at the planner's own size is
    // centred anew, or on Wayland, where it cannot be placed, maximized. On
    // X11 a frame off the free area, title bar and all, is put back on it.
    void fit(bool anew = false)
    {
        const QScreen* screen = window_->screen();
        if (!screen)
            return;
        const bool framedNow = !framed_ && !frame().isNull();
        framed_ = framed_ || framedNow;
        if (!wayland_) {
            // Qt hears of the window manager's changes in events that may
            // come apart: back from fullscreen, the window may have the new
            // state and the old fullscreen place, and a size set then goes
            // out with that place (the window in the corner, its title bar
            // off the screen); gone fullscreen, it may have the new place and
            // still the normal state, in which it would be given its own
            // size. So nothing is set while Qt is behind the server; the
            // event still due to it brings another fit.
            owedAnew_ = owedAnew_ || anew || framedNow;
            if (behindServer(*screen))
                return;
            return fitX11(*screen, std::exchange(owedAnew_, false));
        }
        const QSize area = givenOn_ == screen ? given_ : screen->availableGeometry().size();
        own_ = YearView::plannerSize(YearView::scaleToFit(area - frame()));
        if (framedNow && !fits(area) && !(window_->windowState() & kLarger)) {
            // Qt restores the size the window had when it was maximized:
            // one that the screen holds, never the planner's own.
            window_->resize(own_);
            window_->setWindowState(Qt::WindowMaximized);
        } else {
            keepOwnSize();
        }
    }

    // Reckoned in device pixels, so that no rounding of Qt's puts an edge
    // past the screen's. Maximized or fullscreen, the window takes the room
    // the window manager gives it, as on Wayland: a size forced on it there
    // would take it out of that state with the size of the screen.
    void fitX11(const QScreen& screen, bool place)
    {
        if (window_->windowState() & kLarger) {
            window_->setMinimumSize(1, 1);
            window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            return;
        }
        const DevicePixels px{screen.devicePixelRatio(), screen.geometry().topLeft()};
        const QRect room = px.inside(screen.availableGeometry());
        const QMargins edge = margins();
        QSize most(px.fitting(room.width() - edge.left() - edge.right()),
                   px.fitting(room.height() - edge.top() - edge.bottom()));
        std::optional<QPoint> corner;
        // Shrunk by a pixel where the device pixels that a logical position
        // reaches leave the frame no place inside the room.
        for (; !corner && !most.isEmpty(); most -= QSize(1, 1)) {
            own_ = YearView::plannerSize(YearView::scaleToFit(most));
            corner = centred(px, room, edge);
        }
        window_->setFixedSize(own_);
        const QPoint at = window_->geometry().topLeft();
        const QRect outer =
            QRect(px.x(at.x()), px.y(at.y()), px.length(own_.width()), px.length(own_.height()))
                .marginsAdded(edge);
        // A user's move, which stands even off the screen or across to
        // another, changes the corner alone (openbox may drop the resize
        // handle from the frame meanwhile); the window manager's own
        // placements (framing, leaving fullscreen or maximized) change more.
        // Openbox sends their parts in no fixed order, and the frame's
        // extents after the last of them, which Qt reads only at the next
        // (the user's first move): so each part is checked as it comes, in
        // the frame the window had.
        const Placement now{window_->windowState(), edge.top()};
        if (corner
            && ((place && (!window_->isVisible() || !fits(screen.availableGeometry().size())))
                || (now != settled_ && !room.contains(outer))))
            window_->setGeometry(QRect(*corner, own_));
        else if (room.contains(outer))
            settled_ = now;
    }

    // Whether the X server has the window in another state, elsewhere or at
    // another size than Qt has heard so far (a logical pixel either way is
    // Qt's rounding).
    bool behindServer(const QScreen& screen) const
    {
        if (!server_ || !handle_)
            return false;
        if (server_->states() != (handle_->windowStates() & kLarger))
            return true;
        const QRect server = server_->placed();
        if (server.isEmpty())
            return false;
        const QRect known = handle_->geometry();
        const QRect there =
            DevicePixels{screen.devicePixelRatio(), screen.geometry().topLeft()}.logical(server);
        const auto apart = [](int a, int b) { return std::abs(a - b) > 1; };
        return apart(known.x(), there.x()) || apart(known.y(), there.y())
               || apart(known.width(), there.width()) || apart(known.height(), there.height());
    }

    // The logical corner that puts the window, frame and all, in the middle
    // of `room` in device pixels, if one does.
    std::optional<QPoint> centred(const DevicePixels& px, const QRect& room, const QMargins& edge) const
    {
        const int fromX = room.left() + edge.left();
        const int toX = room.right() + 1 - edge.right() - px.length(own_.width());
        const int fromY = room.top() + edge.top();
        const int toY = room.bottom() + 1 - edge.bottom() - px.length(own_.height());
        if (toX < fromX || toY < fromY)
            return std::nullopt;
        const auto logicalNear = [&](int device, int origin) {
            return origin + qFloor((device - origin) / px.ratio);
        };
        for (int dy = -1; dy <= 2; ++dy)
            for (int dx = -1; dx <= 2; ++dx) {
                const QPoint at(logicalNear((fromX + toX) / 2, px.origin.x()) + dx,
                                logicalNear((fromY + toY) / 2, px.origin.y()) + dy);
                if (px.x(at.x()) >= fromX && px.x(at.x()) <= toX && px.y(at.y()) >= fromY
                    && px.y(at.y()) <= toY)
                    return at;
            }
        return std::nullopt;
    }

    // In the normal state the window has its own size: one the compositor
    // offers there (a drag on the frame), or Qt restores (the size the window
    // had before it was maximized, before it knew the room), is answered
    // with it at once, before a frame of that size is painted and committed.
    void keepOwnSize()
    {
        if (wayland_ && !(window_->windowState() & kLarger) && window_->size() != own_)
            window_->resize(own_);
    }

    // A request made in this process changes the state Qt records before the
    // compositor has answered. Once the request has left, that record is put
    // back: a compositor that grants the request says so itself, and one
    // that refuses it sends nothing at all.
    void forgetRequest()
    {
        if (handle_ && (handle_->windowStates() & kLarger) && handle_->windowStates() != chosen_) {
            window_->setWindowState(Qt::WindowNoState);
            handle_->setWindowStates(Qt::WindowNoState);
        }
    }

    // What the window manager decides of a window in the normal state, but
    // where it is: its state and title bar (in device pixels).
    struct Placement
    {
        Qt::WindowStates state;
        int titleBar = -1;
        bool operator==(const Placement&) const = default;
    };

    YearView* window_;
    const bool wayland_;
    Placement settled_;
    QSize own_;
    QMargins margins_;
    X11Window* server_ = nullptr; // on X11, once the window is shown
    bool framed_ = false;
    bool owedAnew_ = false; // a fit that Qt's lag put off was to place the window anew
    QPointer<QWindow> handle_;
    Qt::WindowStates chosen_;
    // The size a maximized window was given on a screen: the area that the
    // desktop's panels leave there.
    QPointer<const QScreen> givenOn_;
    QSize given_;
};

} // namespace

void fitPlannerToScreen(YearView* window)
{
    // The offscreen platform's screen is a fixed 800 x 600 that no one sees.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        new PlannerFitter(window);
}

} // namespace tavrin
