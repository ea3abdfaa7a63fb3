// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible/monthtables.h"

#include "accessible/dayaccessibles.h"
#include "accessible/daycells.h"
#include "accessible/plannerreading.h"
#include "daycell.h"
#include "monthblock.h"
#include "names.h"
#include "panel.h"
#include "textbox.h"

namespace tavrin {

QWindow* MonthDaysAccessible::window() const
{
    return window_->window()->windowHandle();
}

QAccessibleInterface* MonthDaysAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(reading_->months().panel(month_));
}

QAccessibleInterface* MonthDaysAccessible::child(int index) const
{
    const int slot = reading_->months().grid(month_).slotOfDay(index + 1);
    return slot < 0 ? nullptr : reading_->dayAccessibles().at(month_, slot);
}

QAccessibleInterface* MonthDaysAccessible::childAt(int x, int y) const
{
    for (int day = 0; day < childCount(); ++day)
        if (child(day)->rect().contains(x, y))
            return child(day);
    return nullptr;
}

int MonthDaysAccessible::childCount() const
{
    return reading_->months().grid(month_).days();
}

int MonthDaysAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* day = dynamic_cast<const DayAccessible*>(child);
    return day && day->month() == month_ ? reading_->months().grid(month_).dayAt(day->slot()) - 1 : -1;
}

// The cells the days are drawn in.
QRect MonthDaysAccessible::rect() const
{
    QRect rect;
    for (int day = 0; day < childCount(); ++day)
        rect |= child(day)->rect();
    return rect;
}

MonthAccessible::MonthAccessible(Panel* panel, PlannerReading* reading, int month)
    : WidgetWith(panel, QAccessible::Table), reading_(reading), month_(month),
      days_(
          QAccessible::registerAccessibleInterface(new MonthDaysAccessible(panel->window(), reading, month)))
{
}

MonthAccessible::~MonthAccessible()
{
    QAccessible::deleteAccessibleInterface(days_);
}

QString MonthAccessible::text(QAccessible::Text type) const
{
    if (type == QAccessible::Description)
        return toQString(kMonthNames.at(monthIndex(month_)));
    return type == QAccessible::Name ? QString() : QAccessibleWidget::text(type);
}

QAccessible::State MonthAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.disabled = false;
    return state;
}

QAccessibleInterface* MonthAccessible::child(int index) const
{
    if (index >= 1 && index <= kMonthTexts)
        return QAccessible::queryAccessibleInterface(reading_->WDay().at(textIndex(index - 1)));
    return index == 0 ? QAccessible::accessibleInterface(days_) : nullptr;
}

int MonthAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (child && child == QAccessible::accessibleInterface(days_))
        return 0;
    for (int text = 0; text < kMonthTexts; ++text)
        if (child && child->object() == reading_->WDay().at(textIndex(text)))
            return 1 + text;
    return -1;
}

QAccessibleInterface* MonthAccessible::childAt(int x, int y) const
{
    for (int index = 0; index < childCount(); ++index)
        if (child(index)->rect().contains(x, y))
            return child(index);
    return nullptr;
}

QAccessibleInterface* MonthAccessible::focusChild() const
{
    for (int slot = 0; slot < kCellsPerMonth; ++slot)
        if (reading_->months().cellAt(month_, slot)->hasKeyboardFocus())
            return reading_->dayAccessibles().at(month_, slot);
    return nullptr;
}

QAccessibleInterface* MonthAccessible::cellAt(int row, int column) const
{
    const bool inside = row >= 0 && row < kCellRows && column >= 0 && column < kCellsPerRow;
    return reading_->dayAccessibles().at(month_, inside ? row * kCellsPerRow + column : -1);
}

QString MonthAccessible::columnDescription(int column) const
{
    return column >= 0 && column < kCellsPerRow
               ? toQString(kColumnWeekdays.at(static_cast<std::size_t>(column)))
               : QString();
}

int MonthAccessible::textIndex(int text) const
{
    const auto& panel = monthPanel(month_);
    return text == 0 ? panel.titleIndex : panel.headerIndexes.at(static_cast<std::size_t>(text - 1));
}

} // namespace tavrin
