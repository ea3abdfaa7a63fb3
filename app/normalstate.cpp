// SPDX-License-Identifier: GPL-3.0-or-later
#include "normalstate.h"

#include "yearview.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWindow>

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
        fit();
        centre();
        window_->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::Show && handle_ != window_->windowHandle())
            watch(window_->windowHandle());
        // The frame becomes known once the window system has framed the
        // window; a frame moved to another screen brings another area.
        if (watched == window_ && event->type() == QEvent::Move)
            fit();
        if (watched == window_ && event->type() == QEvent::Resize && wayland_) {
            if (window_->windowState() & Qt::WindowMaximized) {
                givenOn_ = window_->screen();
                given_ = window_->frameGeometry().size();
                fit();
            }
            keepOwnSize();
        }
        if (watched == handle_ && event->type() == QEvent::WindowStateChange)
            chosen_ = handle_->windowStates();
        return false;
    }

private:
    QSize frame() const { return window_->frameGeometry().size() - window_->size(); }

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
        connect(handle_, &QWindow::screenChanged, this, &PlannerFitter::fit);
        connect(handle_, &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
            if (kLarger & state)
                QMetaObject::invokeMethod(this, &PlannerFitter::forgetRequest, Qt::QueuedConnection);
        });
        // The frame Qt draws on Wayland is made as the window is shown.
        QMetaObject::invokeMethod(this, &PlannerFitter::fit, Qt::QueuedConnection);
    }

    // The window's own size: the planner's, or as large as the free area
    // holds with the frame. Once the frame is first known, a window that
    // the area cannot hold at the planner's own size is centred anew, or on
    // Wayland, where it cannot be placed, maximized.
    void fit()
    {
        const QScreen* screen = window_->screen();
        if (!screen)
            return;
        const QSize area = givenOn_ == screen ? given_ : screen->availableGeometry().size();
        own_ = YearView::plannerSize(YearView::scaleToFit(area - frame()));
        const bool framedNow = !framed_ && !frame().isNull();
        framed_ = framed_ || framedNow;
        if (!wayland_) {
            window_->setFixedSize(own_);
            if (framedNow && !fits(area))
                centre();
        } else if (framedNow && !fits(area) && !(window_->windowState() & kLarger)) {
            window_->setWindowState(Qt::WindowMaximized);
        } else {
            keepOwnSize();
        }
    }

    // Centred on the free area; a window that the area cannot hold has its
    // frame's corner at the area's corner, so its title bar stays in reach.
    void centre()
    {
        const QScreen* screen = window_->screen();
        if (!screen || wayland_)
            return;
        const QRect free = screen->availableGeometry();
        QRect outer(QPoint(), own_ + frame());
        outer.moveCenter(free.center());
        window_->move(outer.width() <= free.width() && outer.height() <= free.height() ? outer.topLeft()
                                                                                       : free.topLeft());
    }

    // In the normal state the window has its own size: one the compositor
    // offers there (a drag on the frame) is answered with it.
    void keepOwnSize()
    {
        if (wayland_ && !(window_->windowState() & kLarger) && window_->size() != own_)
            QMetaObject::invokeMethod(
                window_,
                [this] {
                    if (!(window_->windowState() & kLarger))
                        window_->resize(own_);
                },
                Qt::QueuedConnection);
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

    YearView* window_;
    const bool wayland_;
    QSize own_;
    bool framed_ = false;
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
