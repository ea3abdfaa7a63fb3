// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>

namespace tavrin {

// Today's date. The planner reads nothing else of the machine's clock, and
// tests hand the window any day they like.
using Clock = std::function<std::chrono::year_month_day()>;

// The machine's current local date.
std::chrono::year_month_day localToday();

} // namespace tavrin
