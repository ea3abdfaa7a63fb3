// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible/monthtables.h"

#include "accessible/dayaccessibles.h"
#include "accessible/plannerreading.h"
#include "daycell.h"
#include "monthblock.h"
#include "names.h"
#include "panel.h"
#include "textbox.h"

namespace tavrin {

MonthAccessible::MonthAccessible(Panel* panel, PlannerReading* reading, int month)
    : WidgetWith(panel, QAccessible::Table), reading_(reading), month_(month)
{
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
    return index == 0 ? reading_->dayAccessibles().daysOf(month_) : nullptr;
}

int MonthAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (child && child == reading_->dayAccessibles().daysOf(month_))
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
