// SPDX-License-Identifier: GPL-3.0-or-later
#include "atspiguard.h"

#include "atspicalls.h"

#include <QAccessible>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <set>
#include <string_view>

#if !__has_include(<QDBusVirtualObject>) || !QT_CONFIG(accessibility)
#error "Screen readers' calls are checked by a QDBusVirtualObject: this Qt lacks QtDBus or accessibility"
#endif
#include <QDBusVirtualObject>

namespace tavrin {
namespace {

// Qt's bridge serves every accessible object under kObjects on the
// connection it names "a11y", from a handler owned by the object it
// registers for the device event controller.
const QString kConnection = QStringLiteral("a11y");
const QString kObjects = QStringLiteral("/org/a11y/atspi/accessible");
const QString kRoot = QStringLiteral("/org/a11y/atspi/accessible/root");
const QString kDeviceEvents = QStringLiteral("/org/a11y/atspi/registry/deviceeventcontroller");
constexpr QLatin1StringView kAtSpi("org.a11y.atspi.");
constexpr QLatin1StringView kProperties("org.freedesktop.DBus.Properties");

// A D-Bus error (after "org.freedesktop.DBus.Error.") and why.
struct Refusal
{
    const char* error;
    QString reason;
};

QAccessibleInterface* objectAt(const QString& path)
{
    if (path == kRoot)
        return QAccessible::queryAccessibleInterface(qApp);
    bool number = false;
    const QAccessible::Id id = QStringView(path).mid(kObjects.size() + 1).toUInt(&number);
    return number && path.startsWith(kObjects + u'/') ? QAccessible::accessibleInterface(id) : nullptr;
}

// The interfaces the bridge lists for an object, and Component, which it
// serves for every object.
bool offers(QAccessibleInterface* object, QStringView name)
{
    if (name == u"Accessible" || name == u"Component")
        return true;
    if (name == u"Application")
        return object->role() == QAccessible::Application;
    if (name == u"Action")
        return object->actionInterface() || object->valueInterface();
    if (name == u"Text")
        return object->textInterface();
    if (name == u"EditableText")
        return object->editableTextInterface();
    if (name == u"Value")
        return object->valueInterface();
    if (name == u"Table")
        return object->tableInterface();
    return false;
}

// A number as D-Bus carries one, and finite.
bool isNumber(const QVariant& value)
{
    const char* type = QDBusMetaType::typeToSignature(value.metaType());
    return type && std::strlen(type) == 1 && std::strchr("ynqiuxtd", *type)
           && std::isfinite(value.toDouble());
}

// QtDBus answers these itself, from introspect() below.
bool isIntrospection(const QDBusMessage& message)
{
    return message.interface() == u"org.freedesktop.DBus.Introspectable"
           || (message.interface().isEmpty() && message.member() == u"Introspect");
}

// The interface and member a call reaches in the bridge, which reads a
// property's get or set as a call of "Get" or "Set" and its name.
std::pair<QString, QString> bridgeCall(const QDBusMessage& message)
{
    if (message.interface() != kProperties)
        return {message.interface(), message.member()};
    const QVariantList args = message.arguments();
    return {args.at(0).toString(), message.member() + args.at(1).toString()};
}

const AtSpiCall* withArguments(QStringView interface, QStringView member)
{
    const auto found = std::ranges::find_if(kAtSpiCalls, [&](const AtSpiCall& call) {
        return interface == QLatin1StringView(call.interface) && member == QLatin1StringView(call.member);
    });
    return found == std::end(kAtSpiCalls) ? nullptr : found;
}

// Why the bridge must not have a call to `object`, if it must not: each
// reason is a way Qt 6.4's bridge crashes, hangs, or answers wrongly.
std::optional<Refusal> unfit(QAccessibleInterface* object, const QDBusMessage& message)
{
    const QString signature = message.signature();
    if (message.interface() == kProperties) {
        // The bridge reads an interface and a name from every Properties call.
        if (message.member() == u"GetAll")
            return Refusal{"NotSupported",
                           QStringLiteral("Qt 6.4's bridge cannot list properties (QTBUG-107897)")};
        if (message.member() != u"Get" && message.member() != u"Set")
            return Refusal{"UnknownMethod", message.member()};
        if (signature != (message.member() == u"Get" ? u"ss" : u"ssv"))
            return Refusal{"InvalidArgs",
                           message.member() + (message.member() == u"Get" ? " takes (ss)" : " takes (ssv)")};
    }
    const auto [interface, member] = bridgeCall(message);
    if (interface.isEmpty())
        return Refusal{"UnknownMethod", member + QStringLiteral(" names no interface")};
    if (!interface.startsWith(kAtSpi) || !offers(object, QStringView(interface).mid(kAtSpi.size())))
        return Refusal{"UnknownInterface", QStringLiteral("this object has no ") + interface};
    const AtSpiCall* call = withArguments(QStringView(interface).mid(kAtSpi.size()), member);
    if (!call)
        return std::nullopt;
    const QVariantList args = message.arguments();
    if (signature != QLatin1StringView(call->signature))
        return Refusal{"InvalidArgs",
                       member + QStringLiteral(" takes (%1)").arg(QLatin1StringView(call->signature))};
    // What is no number the bridge sets as 0.
    if (signature == u"ssv" && !isNumber(args.at(2).value<QDBusVariant>().variant()))
        return Refusal{"InvalidArgs", member + QStringLiteral(" takes a number")};
    // The bridge measures every offset of a range, however far.
    if (member == u"GetRangeExtents") {
        const int start = args.at(0).toInt(), end = args.at(1).toInt();
        if (end > start && (start < 0 || end > object->textInterface()->characterCount()))
            return Refusal{"InvalidArgs", QStringLiteral("the range runs past the text")};
    }
    if (!call->refused.empty())
        return Refusal{"NotSupported",
                       QString::fromUtf8(call->refused.data(), qsizetype(call->refused.size()))};
    return std::nullopt;
}

// What a call the bridge turned away was: a property it does not have or
// cannot set, arguments out of range, or a member it does not know.
Refusal declined(const QDBusMessage& message)
{
    const auto [interface, member] = bridgeCall(message);
    if (message.interface() == kProperties)
        return message.member() == u"Get" ? Refusal{"UnknownProperty", member.mid(3)}
                                          : Refusal{"PropertyReadOnly", member.mid(3)};
    if (withArguments(QStringView(interface).mid(kAtSpi.size()), member))
        return Refusal{"InvalidArgs", QStringLiteral("an argument is out of range")};
    return Refusal{"UnknownMethod", member};
}

// Takes every call to the accessible objects in place of the bridge's
// handler, which it finds and hands the fit ones to. Judging each message
// itself as it is delivered, it needs no state shared between calls.
class AtSpiGuard : public QDBusVirtualObject, public QAccessible::ActivationObserver
{
public:
    AtSpiGuard()
    {
        QAccessible::installActivationObserver(this);
        takePlace();
    }

    // The bridge registers its handler as it turns active, after telling
    // this: the guard is there first, and the bridge's attempt fails. Where
    // the bridge was active already, its handler makes way for the guard.
    void accessibilityActiveChanged(bool active) override
    {
        if (active && !takePlace())
            qWarning("tavrin: screen readers' calls go unchecked: Qt's AT-SPI bridge is not where expected");
    }

    QString introspect(const QString& path) const override
    {
        QDBusVirtualObject* handler = bridge();
        return handler ? handler->introspect(path) : QString();
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        QAccessibleInterface* object = objectAt(message.path());
        // QtDBus answers these as for any path: no such object, or its interfaces.
        if (!object || !object->isValid() || isIntrospection(message))
            return false;
        std::optional<Refusal> refusal = unfit(object, message);
        QDBusVirtualObject* handler = bridge();
        if (!refusal && !handler)
            refusal = Refusal{"Failed", QStringLiteral("Qt's AT-SPI bridge is missing")};
        if (!refusal && handler->handleMessage(message, connection)) {
            // Qt 6.4's bridge sets the application's id without answering.
            if (bridgeCall(message).second == u"SetId" && message.isReplyRequired())
                connection.send(message.createReply());
            return true;
        }
        if (refusal)
            log(message, *refusal);
        else
            refusal = declined(message); // the bridge's own answer, no fault of the reader's
        connection.send(message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.")
                                                     + QLatin1StringView(refusal->error),
                                                 refusal->reason));
        return true;
    }

private:
    // Whether the guard serves the bridge's objects, as it does from the first call on.
    bool takePlace()
    {
        QDBusConnection bus(kConnection);
        if (bus.isConnected() && bus.objectRegisteredAt(kObjects) != this) {
            bus.unregisterObject(kObjects);
            bus.registerVirtualObject(kObjects, this, QDBusConnection::SubPath);
        }
        return bus.objectRegisteredAt(kObjects) == this;
    }

    static QDBusVirtualObject* bridge()
    {
        QObject* owner = QDBusConnection(kConnection).objectRegisteredAt(kDeviceEvents);
        return owner ? owner->findChild<QDBusVirtualObject*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    }

    // The first refusal of each kind is written out whole; the rest are
    // counted, and their number written at most once a minute, so a reader
    // repeating a bad call cannot flood the log.
    void log(const QDBusMessage& message, const Refusal& refusal)
    {
        if (!logged_.contains(refusal.error)) {
            logged_.insert(refusal.error);
            qWarning().noquote() << QStringLiteral(
                                        "tavrin: refused %1.%2 on %3 from %4: %5: %6 (more such are counted)")
                                        .arg(message.interface(), message.member(), message.path(),
                                             message.service(), refusal.error, refusal.reason);
        } else if (unlogged_++ == 0) {
            QTimer::singleShot(std::chrono::minutes(1), this, [this] {
                qWarning("tavrin: refused %d more screen-reader calls in the last minute", unlogged_);
                unlogged_ = 0;
            });
        }
    }

    std::set<std::string_view> logged_;
    int unlogged_ = 0;
};

} // namespace

void installAtSpiGuard()
{
    // Never deleted: the accessibility bus may call it until the process ends.
    static const AtSpiGuard* const guard = new AtSpiGuard;
    Q_UNUSED(guard);
}

} // namespace tavrin
