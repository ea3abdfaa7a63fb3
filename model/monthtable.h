// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tavrin {

// The English month names, January first. They are both what the window
// stores in MonthNames and the keys MonthGeometry matches, whatever the
// user's language settings are.
inline constexpr std::array<std::string_view, 12> kMonthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// Length of each month; February's entry is its common-year length.
inline constexpr std::array<std::int16_t, 12> kMonthLengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

inline constexpr int kFebruary = 2;

// Where a month (1 to 12) sits in the month-indexed arrays: January at 0.
constexpr std::size_t monthIndex(int month)
{
    return static_cast<std::size_t>(month - 1);
}

// Weekday names by grid column: the week starts on Saturday.
inline constexpr std::array<std::string_view, 7> kColumnWeekdays{"Saturday",  "Sunday",   "Monday", "Tuesday",
                                                                 "Wednesday", "Thursday", "Friday"};

} // namespace tavrin
