// SPDX-License-Identifier: GPL-3.0-or-later
#include "readerkeys.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDateTime>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace tavrin {
namespace {

// How long a key waits for the readers: longer than a reader busy for a
// moment takes, short enough that a reader that hangs leaves the planner usable.
constexpr std::chrono::milliseconds kPatience{1500};
// A key let through unheard still cuts short what the reader says once it
// hears it: the planner keeps count of it this long.
constexpr std::chrono::milliseconds kHeardBound{10000};
// A reader cuts short what it starts saying at the next key it hears: after
// a step told within a run, the keys wait this long before they go to the
// readers, time enough for the speech to start.
constexpr std::chrono::milliseconds kBreath{300};

// The names AT-SPI gives the keys that type no text, as Qt's bridge sends them.
QString keyName(const QKeyEvent& key)
{
    static const std::map<int, std::pair<const char*, const char*>> names{
        {Qt::Key_Tab, {"Tab", "Tab"}},
        {Qt::Key_Backtab, {"Backtab", "Backtab"}},
        {Qt::Key_Control, {"Control_L", "Control_L"}},
        {Qt::Key_Left, {"Left", "KP_Left"}},
        {Qt::Key_Right, {"Right", "KP_Right"}},
        {Qt::Key_Up, {"Up", "KP_Up"}},
        {Qt::Key_Down, {"Down", "KP_Down"}},
        {Qt::Key_Enter, {"Return", "Return"}},
        {Qt::Key_Return, {"Return", "Return"}},
        {Qt::Key_Backspace, {"BackSpace", "BackSpace"}},
        {Qt::Key_Delete, {"Delete", "Delete"}},
        {Qt::Key_PageUp, {"Page_Up", "KP_Page_Up"}},
        {Qt::Key_PageDown, {"Page_Down", "KP_Page_Down"}},
        {Qt::Key_Home, {"Home", "KP_Home"}},
        {Qt::Key_End, {"End", "KP_End"}},
        {Qt::Key_Escape, {"Escape", "Escape"}},
        {Qt::Key_Space, {"space", "space"}},
        {Qt::Key_CapsLock, {"Caps_Lock", "Caps_Lock"}},
        {Qt::Key_NumLock, {"Num_Lock", "Num_Lock"}},
        {Qt::Key_Insert, {"Insert", "Insert"}},
    };
    const auto found = names.find(key.key());
    if (found == names.end())
        return key.text();
    return QLatin1String(key.modifiers() & Qt::KeypadModifier ? found->second.second : found->second.first);
}

// AT-SPI's modifier bits: shift, shift lock, control, alt, meta.
int modifierBits(const QKeyEvent& key)
{
    constexpr unsigned kLockMask = 2; // X11's lock modifier
    const bool isModifier = key.key() == Qt::Key_Shift || key.key() == Qt::Key_Control
                            || key.key() == Qt::Key_Alt || key.key() == Qt::Key_Meta;
    int bits = 0;
    bits |= (key.modifiers() & Qt::ShiftModifier) && !isModifier ? 1 << 0 : 0;
    bits |= (key.nativeModifiers() & kLockMask) ? 1 << 1 : 0;
    bits |= (key.modifiers() & Qt::ControlModifier) && !isModifier ? 1 << 2 : 0;
    bits |= (key.modifiers() & Qt::AltModifier) && !isModifier ? 1 << 3 : 0;
    bits |= (key.modifiers() & Qt::MetaModifier) && !isModifier ? 1 << 4 : 0;
    return bits;
}

const QString kRegistry = QStringLiteral("org.a11y.atspi.Registry");
const QString kRegistryPath = QStringLiteral("/org/a11y/atspi/registry");

class ReaderKeys : public QObject
{
public:
    // Readers are looked for once the accessibility bus is there.
    ReaderKeys()
    {
        // The registry's signals start this timer (a slot D-Bus can call
        // without a meta-object of our own); a burst of them asks once.
        recount_.setSingleShot(true);
        recount_.setInterval(0);
        connect(&recount_, &QTimer::timeout, this, &ReaderKeys::countReaders);
        connect(&look_, &QTimer::timeout, this, [this] {
            if (watchReaders())
                look_.stop();
        });
        look_.start(std::chrono::milliseconds(250));
        breath_.setSingleShot(true);
        breath_.setInterval(kBreath);
        connect(&breath_, &QTimer::timeout, this, [this] {
            for (const auto& [number, call] : std::exchange(unsent_, {}))
                send(number, call);
        });
    }

    bool eventFilter(QObject* target, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        if (!event->spontaneous()) {
            // Ours, handed on; or one Qt's bridge let through, its filter
            // first: this one goes first from now on.
            if (!released_.erase(event))
                QMetaObject::invokeMethod(
                    this, [this] { QCoreApplication::instance()->installEventFilter(this); },
                    Qt::QueuedConnection);
            return false;
        }
        if (!readersListen_ || !QAccessible::isActive()
            || !QDBusConnection(QStringLiteral("a11y")).isConnected())
            return false;
        const auto& key = *static_cast<QKeyEvent*>(event);
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.a11y.atspi.Registry"),
            QStringLiteral("/org/a11y/atspi/registry/deviceeventcontroller"),
            QStringLiteral("org.a11y.atspi.DeviceEventController"), QStringLiteral("NotifyListenersSync"));
        const QString name = keyName(key);
        QDBusArgument device;
        device.beginStructure();
        device << static_cast<uint>(event->type() == QEvent::KeyPress ? 0 : 1)
               << static_cast<int>(key.nativeVirtualKey()) << static_cast<int>(key.nativeScanCode())
               << modifierBits(key) << static_cast<int>(QDateTime::currentMSecsSinceEpoch()) << name
               << !name.isEmpty();
        device.endStructure();
        call << QVariant::fromValue(device);
        auto copy = std::make_unique<QKeyEvent>(key.type(), key.key(), key.modifiers(), key.nativeScanCode(),
                                                key.nativeVirtualKey(), key.nativeModifiers(), key.text(),
                                                key.isAutoRepeat(), key.count());
        copy->setTimestamp(key.timestamp()); // the pace of a run is the keys' own
        const std::uint64_t number = next_++;
        waiting_.push_back({number, target, std::move(copy)});
        if (breath_.isActive())
            unsent_.push_back({number, call});
        else
            send(number, call);
        return true;
    }

    bool holdsKeys() const { return unheard_ > 0 || !waiting_.empty() || !ready_.empty(); }

    void letReadersSpeak()
    {
        if (readersListen_ && !breath_.isActive())
            breath_.start();
    }

private:
    void send(std::uint64_t number, const QDBusMessage& call)
    {
        ++unheard_;
        auto* watcher = new QDBusPendingCallWatcher(
            QDBusConnection(QStringLiteral("a11y")).asyncCall(call, static_cast<int>(kHeardBound.count())),
            this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, number, watcher] {
            const QDBusPendingReply<bool> reply = *watcher;
            --unheard_;
            watcher->deleteLater();
            if (Waiting* waiting = find(number)) {
                waiting->consumed = reply.isValid() && reply.value();
                waiting->heard = true;
            }
            release();
        });
        QTimer::singleShot(kPatience, this, [this, number] {
            if (Waiting* waiting = find(number))
                waiting->heard = true; // let through, unheard
            release();
        });
    }

    // As Qt's bridge does, keys go to the readers while any reader listens
    // for events.
    bool watchReaders()
    {
        QDBusConnection bus(QStringLiteral("a11y"));
        if (!QAccessible::isActive() || !bus.isConnected())
            return false;
        for (const char* change : {"EventListenerRegistered", "EventListenerDeregistered"})
            bus.connect(kRegistry, kRegistryPath, kRegistry, QLatin1String(change), &recount_, SLOT(start()));
        countReaders();
        return true;
    }
    void countReaders()
    {
        const QDBusMessage ask = QDBusMessage::createMethodCall(kRegistry, kRegistryPath, kRegistry,
                                                                QStringLiteral("GetRegisteredEvents"));
        auto* watcher =
            new QDBusPendingCallWatcher(QDBusConnection(QStringLiteral("a11y")).asyncCall(ask), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
            const QDBusMessage reply = watcher->reply();
            if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
                const auto listeners = reply.arguments().constFirst().value<QDBusArgument>();
                listeners.beginArray();
                readersListen_ = !listeners.atEnd();
                listeners.endArray(); // frees the reader that beginArray made
            }
            // Qt's bridge puts its filter first as readers come: this one goes before it.
            if (readersListen_)
                QCoreApplication::instance()->installEventFilter(this);
            watcher->deleteLater();
        });
    }

    struct Waiting
    {
        std::uint64_t number; // in the order the keys came
        QPointer<QObject> target;
        std::unique_ptr<QKeyEvent> key;
        bool heard = false;
        bool consumed = false; // a reader took the key for itself
    };

    Waiting* find(std::uint64_t number)
    {
        if (waiting_.empty() || number < waiting_.front().number)
            return nullptr; // gone on already
        return &waiting_[number - waiting_.front().number];
    }

    // Keys go on in the order they came, each once the readers heard it;
    // those heard while the planner was busy go on together, after the
    // readers' other answers already in hand.
    void release()
    {
        while (!waiting_.empty() && waiting_.front().heard) {
            Waiting& front = waiting_.front();
            if (front.target && !front.consumed)
                ready_.push_back({front.target, std::move(front.key)});
            waiting_.pop_front();
        }
        if (!ready_.empty() && !handing_) {
            handing_ = true;
            QMetaObject::invokeMethod(this, &ReaderKeys::handOn, Qt::QueuedConnection);
        }
    }

    // A held arrow's presses that came together are one press, counted: a
    // planner that has fallen behind moves once for them, as far, and so
    // catches up with the keys rather than redrawing for each.
    void handOn()
    {
        handing_ = false;
        const auto repeats = [](const Ready& key, const Ready& held, QEvent::Type type) {
            return key.target == held.target && key.key->type() == type && key.key->key() == held.key->key()
                   && key.key->modifiers() == held.key->modifiers();
        };
        while (!ready_.empty()) {
            Ready next = std::move(ready_.front());
            ready_.pop_front();
            int count = next.key->count();
            std::uint64_t time = next.key->timestamp();
            while (next.key->type() == QEvent::KeyPress && kCountedKeys.contains(next.key->key())
                   && ready_.size() >= 2 && repeats(ready_[0], next, QEvent::KeyRelease)
                   && repeats(ready_[1], next, QEvent::KeyPress)) {
                count += ready_[1].key->count();
                time = ready_[1].key->timestamp();
                ready_.erase(ready_.begin(), ready_.begin() + 2);
            }
            if (count != next.key->count()) {
                const QKeyEvent& key = *next.key;
                next.key = std::make_unique<QKeyEvent>(
                    key.type(), key.key(), key.modifiers(), key.nativeScanCode(), key.nativeVirtualKey(),
                    key.nativeModifiers(), key.text(), true, static_cast<quint16>(std::min(count, 0x7fff)));
                next.key->setTimestamp(time);
            }
            if (!next.target)
                continue;
            released_.insert(next.key.get());
            QCoreApplication::postEvent(next.target, next.key.release());
        }
    }

    struct Ready
    {
        QPointer<QObject> target;
        std::unique_ptr<QKeyEvent> key;
    };
    // The keys whose presses may be counted as one: those that step.
    static inline const std::set<int> kCountedKeys{Qt::Key_Left, Qt::Key_Right,  Qt::Key_Up,
                                                   Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown};

    std::deque<Waiting> waiting_;
    std::uint64_t next_ = 0;
    int unheard_ = 0; // keys sent to the readers, not yet answered
    std::deque<Ready> ready_;
    std::vector<std::pair<std::uint64_t, QDBusMessage>> unsent_; // keys pressed while the readers speak
    QTimer breath_;
    bool handing_ = false;
    std::set<const QEvent*> released_;
    QTimer look_;
    QTimer recount_;
    bool readersListen_ = false;
};

// The one filter, made on first install.
ReaderKeys* theReaderKeys = nullptr;

} // namespace

void installReaderKeys()
{
    // Never deleted: keys may wait for the readers until the process ends.
    if (theReaderKeys)
        return;
    theReaderKeys = new ReaderKeys;
    QCoreApplication::instance()->installEventFilter(theReaderKeys);
}

int presses(const QKeyEvent& key)
{
    return key.isAutoRepeat() ? std::max(1, key.count()) : 1;
}

void letReadersSpeak()
{
    if (theReaderKeys)
        theReaderKeys->letReadersSpeak();
}

bool keysWithReaders()
{
    return theReaderKeys && theReaderKeys->holdsKeys();
}

} // namespace tavrin
