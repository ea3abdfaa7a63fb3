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

std::span<const int> MonthGrid::cellIndexes() const
{
    return month_ == kFebruary ? std::span<const int>(kFebruaryIndexes)
                               : std::span<const int>(kRegularIndexes);
}

int MonthGrid::cellIndex(int slot) const
{
    return cellIndexes()[static_cast<std::size_t>(slot)];
}

int MonthGrid::slotOf(int cellIndex) const
{
    const auto indexes = cellIndexes();
    return static_cast<int>(std::ranges::lower_bound(indexes, cellIndex) - indexes.begin());
}

} // namespace tavrin
