// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "daycell.h"
#include "monthgrid.h"
#include "monthtable.h"
#include "names.h"
#include "panel.h"

#include <array>

namespace tavrin {

// The block of twelve month panels: each panel, its day cells by index
// (Txt1 to Txt12) and its grid as the last render drew it. Months are
// numbered 1 to 12.
class MonthBlock
{
public:
    MonthBlock();

    void add(int month, Panel* panel, ControlArray<DayCell> cells);

    Panel* panel(int month) const { return at(month).panel; }
    const ControlArray<DayCell>& Txt(int month) const { return at(month).cells; }
    const MonthGrid& grid(int month) const { return at(month).grid; }
    MonthGrid& grid(int month) { return months_.at(monthIndex(month)).grid; }

    // The month (1 to 12) a panel holds, or 0.
    int monthOf(const QWidget* panel) const;
    // The cell in a slot of a month's grid.
    DayCell* cellAt(int month, int slot) const { return Txt(month).at(grid(month).cellIndex(slot)); }
    // The cell that shows a day of a month as drawn, or nullptr.
    DayCell* dayCell(int month, int day) const;

private:
    struct Month
    {
        Panel* panel = nullptr;
        ControlArray<DayCell> cells;
        MonthGrid grid;
    };
    const Month& at(int month) const { return months_.at(monthIndex(month)); }

    std::array<Month, 12> months_;
};

} // namespace tavrin
