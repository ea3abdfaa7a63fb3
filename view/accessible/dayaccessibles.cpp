// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible/dayaccessibles.h"

#include "accessible/daycells.h"
#include "accessible/plannerreading.h"
#include "monthblock.h"

namespace tavrin {

QAccessibleInterface* DayAccessibles::at(int month, int slot)
{
    const bool inside = slot >= 0 && slot < kCellsPerMonth;
    const int key = inside ? month * kCellsPerMonth + slot : -month;
    if (const auto found = ids_.find(key); found != ids_.end())
        return QAccessible::accessibleInterface(found->second);
    auto* reading = dynamic_cast<PlannerReading*>(window_.data());
    QAccessibleInterface* day =
        inside ? static_cast<QAccessibleInterface*>(new DayAccessible(window_, reading, month, slot))
               : new NoDayAccessible(QAccessible::queryAccessibleInterface(reading->months().panel(month)));
    ids_[key] = QAccessible::registerAccessibleInterface(day);
    return day;
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
