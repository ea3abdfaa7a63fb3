// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "failure.h"
#include "monthtable.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tavrin {

// Raised when a month's date text cannot be interpreted. The model never
// shows anything nor ends the process: its owner decides what the user sees.
class LanguageError : public Failure
{
public:
    LanguageError() : Failure("Language error", "Language error") {}
};

// The values the year view is drawn from, owned by the window. Month-indexed
// arrays hold January at 0; the operations take month numbers 1 to 12.
class DateModel
{
public:
    using DateInterpreter = std::function<std::optional<std::chrono::year_month_day>(std::string_view)>;

    DateModel();

    std::array<std::string, 12> MonthNames;
    std::string YearText;
    std::array<std::int16_t, 12> StartCell{};
    std::int16_t DaysInMonth = 0;
    std::int16_t DayCounter = 0;

    // Sets DaysInMonth for the named month of YearText and, for a name of the
    // month table, that month's StartCell. A name that matches nothing exactly
    // leaves DaysInMonth 0 and touches no StartCell. Throws LanguageError when
    // the month's date cannot be interpreted, and for February also when
    // YearText does not read as a number (before its column is computed).
    void MonthGeometry(const std::string& name);

    // Stores in StartCell the Saturday-first column (0 to 6) of day 1 of the
    // month. On failure StartCell stays 0 and LanguageError is thrown.
    void FirstColumnOfMonth(int month);

    std::int16_t& startCell(int month) { return StartCell.at(monthIndex(month)); }
    const std::string& monthName(int month) const { return MonthNames.at(monthIndex(month)); }

    // How date texts are read; replaceable so tests can force a rejection.
    void setDateInterpreter(DateInterpreter interpreter);

private:
    bool isLeapYear() const;

    DateInterpreter interpretDate_;
};

} // namespace tavrin
