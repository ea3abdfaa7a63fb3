// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthblock.h"

#include <algorithm>

namespace tavrin {

MonthBlock::MonthBlock()
{
    for (int month = 1; month <= 12; ++month)
        months_.at(monthIndex(month)).grid = MonthGrid(month);
}

void MonthBlock::add(int month, Panel* panel, ControlArray<DayCell> cells)
{
    auto& added = months_.at(monthIndex(month));
    added.panel = panel;
    added.cells = std::move(cells);
}

int MonthBlock::monthOf(const QWidget* panel) const
{
    const auto found = std::ranges::find(months_, panel, &Month::panel);
    return found == months_.end() ? 0 : static_cast<int>(found - months_.begin()) + 1;
}

DayCell* MonthBlock::dayCell(int month, int day) const
{
    const int slot = grid(month).slotOfDay(day);
    return slot < 0 ? nullptr : cellAt(month, slot);
}

} // namespace tavrin
