// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible/dayaccessibles.h"

#include "accessible/daycells.h"
#include "accessible/plannerreading.h"
#include "monthblock.h"
#include "monthtable.h"

namespace tavrin {

template <class Make> QAccessibleInterface* DayAccessibles::kept(int key, Make make)
{
    if (const auto found = ids_.find(key); found != ids_.end())
        return QAccessible::accessibleInterface(found->second);
    QAccessibleInterface* made = make(dynamic_cast<PlannerReading*>(window_.data()));
    ids_[key] = QAccessible::registerAccessibleInterface(made);
    return made;
}

// Keys: a month's slots from 42 up, its outside -1 to -12, its days -13 to -24.
QAccessibleInterface* DayAccessibles::at(int month, int slot)
{
    if (slot < 0 || slot >= kCellsPerMonth)
        return kept(-month, [&](PlannerReading* reading) {
            return new NoDayAccessible(QAccessible::queryAccessibleInterface(reading->months().panel(month)));
        });
    return kept(month * kCellsPerMonth + slot,
                [&](PlannerReading* reading) { return new DayAccessible(window_, reading, month, slot); });
}

QAccessibleInterface* DayAccessibles::daysOf(int month)
{
    return kept(-static_cast<int>(kMonthNames.size()) - month,
                [&](PlannerReading* reading) { return new MonthDaysAccessible(window_, reading, month); });
}

void DayAccessibles::renew()
{
    for (const auto& [key, id] : ids_)
        QAccessible::deleteAccessibleInterface(id);
    ids_.clear();
}

void DayAccessibles::tellFocus(int month, int slot)
{
    tell(month, slot, QAccessible::Focus);
}

void DayAccessibles::tellRenamed(int month, int slot)
{
    tell(month, slot, QAccessible::NameChanged);
}

void DayAccessibles::tell(int month, int slot, QAccessible::Event type)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(at(month, slot), type);
    QAccessible::updateAccessibility(&event);
}

} // namespace tavrin
