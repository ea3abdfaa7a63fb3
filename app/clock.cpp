// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock.h"

#include <ctime>

namespace tavrin {

std::chrono::year_month_day localToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::chrono::year{local.tm_year + 1900} / (local.tm_mon + 1) / local.tm_mday;
}

} // namespace tavrin
