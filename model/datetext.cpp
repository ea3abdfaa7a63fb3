// SPDX-License-Identifier: GPL-3.0-or-later
#include "datetext.h"

#include "monthtable.h"

#include <algorithm>
#include <charconv>

namespace tavrin {
namespace {

// Reads a run of decimal digits only: no sign, no blanks, at least one digit.
std::optional<int> readDigits(std::string_view digits)
{
    if (digits.empty()
        || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc{} || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::chrono::year_month_day> ParseDateText(std::string_view text)
{
    const auto blank = text.find(' ');
    const auto comma = text.find(", ");
    if (blank == std::string_view::npos || comma == std::string_view::npos || comma < blank)
        return std::nullopt;

    const auto name = text.substr(0, blank);
    const auto found = std::find(kMonthNames.begin(), kMonthNames.end(), name);
    if (found == kMonthNames.end())
        return std::nullopt;
    const auto monthNumber = static_cast<unsigned>(found - kMonthNames.begin()) + 1;

    const auto day = readDigits(text.substr(blank + 1, comma - blank - 1));
    const auto year = readDigits(text.substr(comma + 2));
    if (!day || !year || *day > 31 || *year > static_cast<int>(std::chrono::year::max()))
        return std::nullopt;

    const std::chrono::year_month_day date{std::chrono::year{*year}, std::chrono::month{monthNumber},
                                           std::chrono::day{static_cast<unsigned>(*day)}};
    if (!date.ok())
        return std::nullopt;
    return date;
}

} // namespace tavrin
