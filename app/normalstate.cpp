#include "normalstate.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
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
        if (watched == window_ && event->type() == QEvent::Show && handle_ != window_->windowHandle())
            watch(window_->windowHandle());
        if (watched == window_ && event->type() == QEvent::Hide)
            stateSeen_ = false; // the next mapping starts afresh
        if (watched == handle_ && event->type() == QEvent::WindowStateChange)
            compositorChose(handle_->windowStates());
        return false;
    }

private:
    void watch(QWindow* handle)
    {
        handle_ = handle;
        handle_->installEventFilter(this);
        connect(handle_, &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
            if (kRefused & state)
                QMetaObject::invokeMethod(this, &NormalStateKeeper::forgetRequest, Qt::QueuedConnection);
        });
    }

    // The compositor's state, acknowledged by Qt and sent as an event before
    // anything is drawn for it. A change into a refused state on a mapped
    // window comes from a request (the title bar's button, a shortcut): the
    // window is then mapped afresh. The state a mapping starts in is the
    // compositor's policy (a kiosk shell's fullscreen) and is kept, rather
    // than met by mapping the window again into it forever.
    void compositorChose(Qt::WindowStates states)
    {
        const bool requested = stateSeen_ && !(chosen_ & kRefused) && (states & kRefused);
        chosen_ = states;
        stateSeen_ = true;
        if (!requested)
            return;
        window_->hide();
        setNormal();
        QMetaObject::invokeMethod(window_, &QWidget::show, Qt::QueuedConnection);
    }

    // A request made in this process changes the state Qt records before the
    // compositor has answered. Once the request has left, that record is put
    // back: a compositor that grants the request anyway is met above, and one
    // that refuses it sends nothing at all.
    void forgetRequest()
    {
        if (handle_ && (handle_->windowStates() & kRefused) && handle_->windowStates() != chosen_)
            setNormal();
    }

    void setNormal()
    {
        window_->setWindowState(Qt::WindowNoState);
        handle_->setWindowStates(Qt::WindowNoState);
    }

    QWidget* window_;
    QPointer<QWindow> handle_;
    Qt::WindowStates chosen_;
    bool stateSeen_ = false; // in the present mapping
};

} // namespace

void keepNormalStateOnWayland(QWidget* window)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        new NormalStateKeeper(window);
}

} // namespace tavrin
