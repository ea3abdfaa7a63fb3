// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QString>
#include <utility>

namespace tavrin {

// How a screen reader walks a line of read-only text: the character, word or
// whole line at, before or after an offset, as [start, end). Offset -1 is the
// end of the text, and so is -2, the caret, which a reader finds after the
// text as in a line edit. A word runs on to the next word's start; every other
// boundary is the whole line. Off the text the range is (-1, -1); before the
// first unit or after the last it is empty, where the walk stopped.
std::pair<int, int> textUnitAt(const QString& text, int offset, QAccessible::TextBoundaryType type);
std::pair<int, int> textUnitBefore(const QString& text, int offset, QAccessible::TextBoundaryType type);
std::pair<int, int> textUnitAfter(const QString& text, int offset, QAccessible::TextBoundaryType type);

} // namespace tavrin
