// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <optional>
#include <string_view>

namespace tavrin {

// Reads exactly "<English month name> <day>, <year>" (one blank, a comma,
// one blank) whatever the user's locale. The year is taken literally in the
// proleptic Gregorian calendar, year 0 included, with no two-digit window.
// Anything else, or a day the month does not have, yields nothing.
std::optional<std::chrono::year_month_day> ParseDateText(std::string_view text);

} // namespace tavrin
