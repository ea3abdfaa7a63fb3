// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwalk.h"

#include <algorithm>

namespace tavrin {

// Every boundary is answered here: Qt's own walk of a text by word or
// sentence never ends when asked at the text's end.
std::pair<int, int> textUnitAt(const QString& text, int offset, QAccessible::TextBoundaryType type)
{
    const int length = static_cast<int>(text.size());
    offset = offset == -1 || offset == -2 ? length : offset;
    if (offset < 0 || offset > length)
        return {-1, -1};
    if (type == QAccessible::CharBoundary)
        return {offset, std::min(offset + 1, length)};
    if (type != QAccessible::WordBoundary || length == 0)
        return {0, length};
    const auto wordStarts = [&](int i) {
        return !text.at(i).isSpace() && (i == 0 || text.at(i - 1).isSpace());
    };
    int start = std::min(offset, length - 1);
    while (start > 0 && !wordStarts(start))
        --start;
    int end = start + 1;
    while (end < length && !wordStarts(end))
        ++end;
    return {start, end};
}

std::pair<int, int> textUnitBefore(const QString& text, int offset, QAccessible::TextBoundaryType type)
{
    const int at = textUnitAt(text, offset, type).first;
    return at > 0 ? textUnitAt(text, at - 1, type) : std::pair(at, at);
}

std::pair<int, int> textUnitAfter(const QString& text, int offset, QAccessible::TextBoundaryType type)
{
    const int after = textUnitAt(text, offset, type).second;
    return after >= 0 && after < text.size() ? textUnitAt(text, after, type) : std::pair(after, after);
}

} // namespace tavrin
