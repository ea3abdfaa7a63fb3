// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible/daycells.h"

#include "accessible/plannerreading.h"
#include "daycell.h"
#include "monthblock.h"

namespace tavrin {
namespace {

QString markAction()
{
    return QStringLiteral("Mark");
}

} // namespace

QWindow* DayAccessible::window() const
{
    return window_->window()->windowHandle();
}

void* DayAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface*>(this);
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return nullptr;
}

QString DayAccessible::text(QAccessible::Text type) const
{
    // Qt 6.4's bridge passes no checkable state on, so a day that can be
    // marked says so in its description, which Orca speaks after the name,
    // in Where am I as on a move.
    if (type == QAccessible::Description)
        return markable() ? QStringLiteral("can be marked") : QString();
    if (type != QAccessible::Name || !shown())
        return {};
    return cell()->dayName() + (cell()->isMarked() ? QStringLiteral(", marked") : QString());
}

QAccessibleInterface* DayAccessible::parent() const
{
    return table()->child(0);
}

QRect DayAccessible::rect() const
{
    return {cell()->mapToGlobal(QPoint()), cell()->size()};
}

QString DayAccessible::lineText() const
{
    return shown() ? cell()->text() : QString();
}

QRect DayAccessible::characterRect(int offset) const
{
    const QRect rect = shown() ? cell()->characterRect(offset) : QRect();
    return rect.isNull() ? rect : rect.translated(cell()->mapToGlobal(QPoint()));
}

QAccessible::State DayAccessible::state() const
{
    QAccessible::State state;
    state.invisible = !shown() || !cell()->isVisible();
    state.focusable = shown();
    state.focused = shown() && cell()->hasKeyboardFocus();
    state.readOnly = !markable();
    return state;
}

int DayAccessible::columnIndex() const
{
    return slot_ % kCellsPerRow;
}

int DayAccessible::rowIndex() const
{
    return slot_ / kCellsPerRow;
}

QAccessibleInterface* DayAccessible::table() const
{
    return QAccessible::queryAccessibleInterface(reading_->months().panel(month_));
}

QStringList DayAccessible::actionNames() const
{
    QStringList names;
    if (markable())
        names << markAction();
    if (shown())
        names << setFocusAction();
    return names;
}

void DayAccessible::doAction(const QString& action)
{
    if (action == markAction() && markable())
        cell()->mark();
    else if (action == setFocusAction() && shown())
        reading_->focusDay(month_, reading_->months().grid(month_).dayAt(slot_));
}

QStringList DayAccessible::keyBindingsForAction(const QString& action) const
{
    return action == markAction() ? QStringList{QStringLiteral("Space")} : QStringList{};
}

DayCell* DayAccessible::cell() const
{
    return reading_->months().cellAt(month_, slot_);
}

bool DayAccessible::shown() const
{
    return !cell()->dayName().isEmpty();
}

bool DayAccessible::markable() const
{
    return cell()->isMarkable() && shown() && !cell()->isMarked();
}

void* NoDayAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                   : nullptr;
}

QAccessible::State NoDayAccessible::state() const
{
    QAccessible::State state;
    state.invisible = state.readOnly = true;
    return state;
}

} // namespace tavrin
