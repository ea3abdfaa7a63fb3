// SPDX-License-Identifier: GPL-3.0-or-later
#include "layouttables.h"

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

std::span<const int> cellIndexes(int month)
{
    return month == 2 ? std::span<const int>(kFebruaryIndexes) : std::span<const int>(kRegularIndexes);
}

} // namespace tavrin
