// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

namespace tavrin {

// A line of text to read, never to edit, as a reader walks it: by character,
// word and line, with no caret and nothing to select. What it holds and
// where each character is drawn are the control's.
class LineText : public QAccessibleTextInterface
{
public:
    virtual QString lineText() const = 0;

    QString text(int start, int end) const override;
    int characterCount() const override;
    // No caret: a reader finds it after the text, where a line edit keeps it.
    int cursorPosition() const override { return characterCount(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    QString attributes(int offset, int* start, int* end) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                             int* end) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                            int* end) const override;
    // Nothing to select, no caret to move, nothing to scroll.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}
};

} // namespace tavrin
