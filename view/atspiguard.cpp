// SPDX-License-Identifier: GPL-3.0-or-later
#include "atspiguard.h"

#include <QAccessible>
#include <QApplication>
#include <QDBusMessage>
#include <QDBusVariant>
#include <cmath>

// QtDBus calls these hooks in the main thread with each incoming method call,
// just before it is delivered. The hook is exported though not in a header.
QT_BEGIN_NAMESPACE
Q_DBUS_EXPORT void qDBusAddSpyHook(void (*)(const QDBusMessage&));
QT_END_NAMESPACE

namespace tavrin {
namespace {

constexpr QLatin1StringView kPrefix("org.a11y.atspi.");
constexpr QLatin1StringView kObjects("/org/a11y/atspi/accessible/");

// The calls whose arguments the bridge reads, with the arguments they must
// have: the bridge reads them unchecked. By interface, then member.
struct Call
{
    const char* interface;
    const char* member;
    const char* signature;
};
constexpr Call kCalls[] = {
    {"Accessible", "GetChildAtIndex", "i"},
    {"Application", "GetLocale", "u"},
    {"Component", "Contains", "iiu"},
    {"Component", "GetAccessibleAtPoint", "iiu"},
    {"Component", "GetExtents", "u"},
    {"Component", "GetPosition", "u"},
    {"Action", "DoAction", "i"},
    {"Action", "GetName", "i"},
    {"Action", "GetDescription", "i"},
    {"Action", "GetKeyBinding", "i"},
    {"Text", "AddSelection", "ii"},
    {"Text", "GetAttributeRun", "ib"},
    {"Text", "GetAttributeValue", "is"},
    {"Text", "GetAttributes", "i"},
    {"Text", "GetCharacterAtOffset", "i"},
    {"Text", "GetCharacterExtents", "iu"},
    {"Text", "GetOffsetAtPoint", "iiu"},
    {"Text", "GetRangeExtents", "iiu"},
    {"Text", "GetSelection", "i"},
    {"Text", "GetText", "ii"},
    {"Text", "GetTextAfterOffset", "iu"},
    {"Text", "GetTextAtOffset", "iu"},
    {"Text", "GetTextBeforeOffset", "iu"},
    {"Table", "GetAccessibleAt", "ii"},
    {"Table", "GetIndexAt", "ii"},
    {"Table", "GetColumnAtIndex", "i"},
    {"Table", "GetRowAtIndex", "i"},
    {"Table", "GetColumnDescription", "i"},
    {"Table", "GetRowDescription", "i"},
    {"Table", "GetRowColumnExtentsAtIndex", "i"},
    {"Table", "GetColumnExtentAt", "ii"},
    {"Table", "GetRowExtentAt", "ii"},
    {"Table", "GetColumnHeader", "i"},
    {"Table", "GetRowHeader", "i"},
    {"Table", "IsColumnSelected", "i"},
    {"Table", "IsRowSelected", "i"},
    {"Table", "IsSelected", "ii"},
    {"Table", "AddColumnSelection", "i"},
    {"Table", "AddRowSelection", "i"},
    {"Table", "RemoveColumnSelection", "i"},
    {"Table", "RemoveRowSelection", "i"},
};

// Calls the bridge reports as done, or never answers, though here they can
// do nothing: no text of the planner can be selected or have its caret moved.
constexpr Call kIdle[] = {
    {"Text", "SetSelection", ""},
    {"Text", "RemoveSelection", ""},
    {"Text", "SetCaretOffset", ""},
    {"Text", "GetBoundedRanges", ""},
};

const Call* find(auto& calls, QStringView interface, QStringView member)
{
    for (const Call& call : calls)
        if (interface == QLatin1StringView(call.interface) && member == QLatin1StringView(call.member))
            return &call;
    return nullptr;
}

bool offers(QAccessibleInterface* object, QStringView interface)
{
    if (interface == u"Accessible" || interface == u"Component")
        return true;
    if (interface == u"Application")
        return object->role() == QAccessible::Application;
    if (interface == u"Action")
        return object->actionInterface() || object->valueInterface();
    if (interface == u"Text")
        return object->textInterface();
    if (interface == u"Value")
        return object->valueInterface();
    if (interface == u"Table")
        return object->tableInterface();
    if (interface == u"TableCell")
        return object->tableCellInterface();
    return false; // nothing here is editable
}

bool isNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::UChar:
        return std::isfinite(value.toDouble());
    default:
        return false;
    }
}

// Whether the bridge can take the call to `object` as it stands.
bool fit(QAccessibleInterface* object, const QDBusMessage& message)
{
    const QVariantList args = message.arguments();
    QString interface = message.interface();
    QString member = message.member();
    if (interface == u"org.freedesktop.DBus.Properties") {
        if ((member != u"Get" || message.signature() != u"ss")
            && (member != u"Set" || message.signature() != u"ssv"))
            return false;
        interface = args.at(0).toString();
        member += args.at(1).toString();
        // Only a value may be set, and only to a number; what the bridge
        // cannot turn into one it would take for 0.
        if (message.member() == u"Set" && member != u"SetId"
            && !(member == u"SetCurrentValue" && isNumber(qvariant_cast<QDBusVariant>(args.at(2)).variant())))
            return false;
    }
    if (!interface.startsWith(kPrefix))
        return true;
    const QStringView name = QStringView(interface).mid(kPrefix.size());
    if (!offers(object, name) || find(kIdle, name, member))
        return false;
    const Call* call = find(kCalls, name, member);
    if (!call)
        return true;
    if (message.interface() != interface || message.signature() != QLatin1StringView(call->signature))
        return false;
    if (member == u"GetRangeExtents") {
        // The bridge measures every offset of the range, however long.
        const int start = args.at(0).toInt(), end = args.at(1).toInt();
        return end <= start
               || (start >= 0 && (end == -1 || end <= object->textInterface()->characterCount()));
    }
    return true;
}

// The object of the call now arriving, while it is to refuse it. The bridge
// asks whether the object is valid once, first, as the call is delivered.
const QAccessibleInterface* refused = nullptr;

void inspect(const QDBusMessage& message)
{
    const QString path = message.path();
    if (!path.startsWith(kObjects))
        return;
    const QStringView last = QStringView(path).mid(kObjects.size());
    QAccessibleInterface* object = last == u"root" ? QAccessible::queryAccessibleInterface(qApp)
                                                   : QAccessible::accessibleInterface(last.toUInt());
    refused = object && !fit(object, message) ? object : nullptr;
}

} // namespace

void installAtSpiGuard()
{
    static const bool installed = (qDBusAddSpyHook(inspect), true);
    Q_UNUSED(installed);
}

bool refusingCall(const QAccessibleInterface* object)
{
    if (!object || object != refused)
        return false;
    refused = nullptr;
    return true;
}

} // namespace tavrin
