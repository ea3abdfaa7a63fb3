// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

namespace tavrin {

// A month's 6 x 7 grid of day cells. Slots run row by row from the top left
// (0 to 41, Saturday first); the month's cell array names them by index,
// which is the slot in every month but February: its array has no element 40,
// so its bottom row is 35 to 39, then 41 and 42. The grid also knows where
// the last render put the month's days: from `firstSlot()` on, `days()` of them.
class MonthGrid
{
public:
    explicit MonthGrid(int month = 1) : month_(month) {}

    int month() const { return month_; }
    // The indexes the month's cell array holds, in rising order.
    std::span<const int> cellIndexes() const;
    // Slot (0 to 41) -> index in the cell array, and back.
    int cellIndex(int slot) const;
    int slotOf(int cellIndex) const;

    void setDrawn(int firstSlot, int days)
    {
        first_ = firstSlot;
        days_ = days;
    }
    int firstSlot() const { return first_; }
    int days() const { return days_; }
    // The slot of a day of the month as drawn, or -1 for no such day.
    int slotOfDay(int day) const { return day >= 1 && day <= days_ ? first_ + day - 1 : -1; }
    // The day drawn in a slot, or 0 where the slot is blank.
    int dayAt(int slot) const { return slot >= first_ && slot < first_ + days_ ? slot - first_ + 1 : 0; }

private:
    int month_;
    int first_ = 0;
    int days_ = 0;
};

} // namespace tavrin
