// SPDX-License-Identifier: GPL-3.0-or-later
#include "monthgrid.h"

#include "layouttables.h"
#include "monthtable.h"

#include <algorithm>
#include <numeric>

namespace tavrin {
namespace {

constexpr auto indexes(bool february)
{
    std::array<int, kCellsPerMonth> all{};
    std::iota(all.begin(), all.end(), 0);
    if (february)
        std::copy(kFebruaryBottomRow.begin(), kFebruaryBottomRow.end(), all.end() - kCellsPerRow);
    return all;
}

constexpr auto kRegularIndexes = indexes(false);
constexpr auto kFebruaryIndexes = indexes(true);

} // namespace

bool MonthGrid::hasGap() const
{
    return month_ == kFebruary;
}

std::span<const int> MonthGrid::cellIndexes() const
{
    return hasGap() ? std::span<const int>(kFebruaryIndexes) : std::span<const int>(kRegularIndexes);
}

} // namespace tavrin
