// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible/linetext.h"

#include "textwalk.h"

#include <algorithm>
#include <tuple>

namespace tavrin {

QString LineText::text(int start, int end) const
{
    start = std::clamp(start, 0, characterCount());
    return lineText().mid(start, std::clamp(end, start, characterCount()) - start);
}

int LineText::characterCount() const
{
    return static_cast<int>(lineText().size());
}

QString LineText::attributes(int offset, int* start, int* end) const
{
    const bool inside = offset >= 0 && offset <= characterCount();
    *start = inside ? 0 : -1;
    *end = inside ? characterCount() : -1;
    return {};
}

QString LineText::textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const
{
    std::tie(*start, *end) = textUnitAt(lineText(), offset, type);
    return text(*start, *end);
}

QString LineText::textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const
{
    std::tie(*start, *end) = textUnitBefore(lineText(), offset, type);
    return text(*start, *end);
}

QString LineText::textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const
{
    std::tie(*start, *end) = textUnitAfter(lineText(), offset, type);
    return text(*start, *end);
}

} // namespace tavrin
