// SPDX-License-Identifier: GPL-3.0-or-later
#include "datemodel.h"

#include "datetext.h"
#include "monthtable.h"

#include <algorithm>
#include <charconv>

namespace tavrin {

DateModel::DateModel() : interpretDate_(ParseDateText)
{
}

void DateModel::setDateInterpreter(DateInterpreter interpreter)
{
    interpretDate_ = std::move(interpreter);
}

void DateModel::MonthGeometry(const std::string& name)
{
    DaysInMonth = 0;
    const auto found = std::find(kMonthNames.begin(), kMonthNames.end(), name);
    if (found == kMonthNames.end())
        return;
    const int month = static_cast<int>(found - kMonthNames.begin()) + 1;
    const auto length = kMonthLengths.at(monthIndex(month));

    if (month == kFebruary) {
        // The leap-year test reads YearText before February's column is
        // computed, as the rendering order has always been.
        const std::int16_t days = isLeapYear() ? 29 : 28;
        FirstColumnOfMonth(month);
        DaysInMonth = days;
        return;
    }
    FirstColumnOfMonth(month);
    DaysInMonth = length;
}

bool DateModel::isLeapYear() const
{
    std::int16_t y = 0;
    const auto* first = YearText.data();
    const auto* last = first + YearText.size();
    const auto [end, error] = std::from_chars(first, last, y);
    if (error != std::errc{} || end != last)
        throw LanguageError();
    return !((y % 100 == 0 || y % 4 != 0) && y % 400 != 0);
}

void DateModel::FirstColumnOfMonth(int month)
{
    auto& cell = startCell(month);
    cell = 0;
    const std::string text = monthName(month) + " " + std::to_string(2) + ", " + YearText;
    const auto date = interpretDate_(text);
    if (!date)
        throw LanguageError();
    // Weekday numbered from Sunday as 1; one less is the Saturday-first
    // column of day 1, because day 1 is the day before day 2.
    const int sundayFirst =
        static_cast<int>(std::chrono::weekday{std::chrono::sys_days{*date}}.c_encoding()) + 1;
    cell = static_cast<std::int16_t>(sundayFirst - 1);
}

} // namespace tavrin
