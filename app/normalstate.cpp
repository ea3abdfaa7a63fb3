#include "normalstate.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace tavrin {
namespace {

constexpr Qt::WindowStates kLarger = Qt::WindowMaximized | Qt::WindowFullScreen;

class PlannerSizeKeeper : public QObject
{
public:
    explicit PlannerSizeKeeper(QWidget* window)
        : QObject(window), window_(window), own_(window->minimumSize())
    {
        // Qt bounds the size a compositor gives by the window's maximum.
        window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        window_->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::Show && handle_ != window_->windowHandle())
            watch(window_->windowHandle());
        if (watched == window_ && event->type() == QEvent::Resize)
            placePlanner();
        if (watched == handle_ && event->type() == QEvent::WindowStateChange)
            chosen_ = handle_->windowStates();
        return false;
    }

private:
    void watch(QWindow* handle)
    {
        handle_ = handle;
        handle_->installEventFilter(this);
        connect(handle_, &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
            if (kLarger & state)
                QMetaObject::invokeMethod(this, &PlannerSizeKeeper::forgetRequest, Qt::QueuedConnection);
        });
    }

    // The controls keep their places relative to the planner's corner.
    void placePlanner()
    {
        const QPoint corner = plannerRect(*window_).topLeft();
        const QPoint by = corner - corner_;
        corner_ = corner;
        if (!by.isNull())
            for (auto* control : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (!control->isWindow())
                    control->move(control->pos() + by);
        // In the normal state the window has its own size: one the
        // compositor offers there (a drag on the frame) is answered with it.
        if (!(window_->windowState() & kLarger) && window_->size() != own_)
            QMetaObject::invokeMethod(window_, [this] {
                if (!(window_->windowState() & kLarger))
                    window_->resize(own_);
            }, Qt::QueuedConnection);
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

    QWidget* window_;
    QSize own_;
    QPoint corner_;
    QPointer<QWindow> handle_;
    Qt::WindowStates chosen_;
};

} // namespace

void keepPlannerSizeOnWayland(QWidget* window)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        new PlannerSizeKeeper(window);
}

QRect plannerRect(const QWidget& window)
{
    const QSize own = window.minimumSize();
    return {QPoint((window.width() - own.width()) / 2, (window.height() - own.height()) / 2), own};
}

} // namespace tavrin
