#include "normalstate.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace tavrin {
namespace {

constexpr Qt::WindowStates kRefused = Qt::WindowMaximized | Qt::WindowFullScreen;

class NormalStateKeeper : public QObject
{
public:
    explicit NormalStateKeeper(QWidget* window) : QObject(window), window_(window)
    {
        window_->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::Show && !handle_)
            watch(window_->windowHandle());
        // Sent by the platform once the compositor's state has been
        // acknowledged, and before anything is drawn for it.
        if (watched == handle_ && event->type() == QEvent::WindowStateChange
            && (handle_->windowStates() & kRefused))
            remap();
        return false;
    }

private:
    void watch(QWindow* handle)
    {
        handle_ = handle;
        handle_->installEventFilter(this);
        // A request made in this process (the title bar's maximize button,
        // showMaximized) changes the window's state before the compositor has
        // answered. Only the state Qt records is put back here, once the
        // request has left: a compositor that grants it anyway is met in
        // eventFilter, and one that refuses it sends nothing at all.
        connect(handle_, &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
            if (kRefused & state)
                QMetaObject::invokeMethod(this, &NormalStateKeeper::forgetRequest, Qt::QueuedConnection);
        });
    }

    void forgetRequest()
    {
        if (handle_->windowStates() & kRefused)
            setNormal();
    }

    void remap()
    {
        window_->hide();
        setNormal();
        QMetaObject::invokeMethod(window_, &QWidget::show, Qt::QueuedConnection);
    }

    void setNormal()
    {
        window_->setWindowState(Qt::WindowNoState);
        handle_->setWindowStates(Qt::WindowNoState);
    }

    QWidget* window_;
    QWindow* handle_ = nullptr;
};

} // namespace

void keepNormalStateOnWayland(QWidget* window)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        new NormalStateKeeper(window);
}

} // namespace tavrin
