// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "accessible/widgetwith.h"

namespace tavrin {

class Label;
class TextBox;

// Titles, headers and the year box: text to read, never to edit. The year
// box sits in a frame disabled by design, yet is not dimmed itself. The text
// interface lets a reader walk the text, as it would a line edit's.
class TextBoxAccessible : public WidgetWith<QAccessibleTextInterface, QAccessible::TextInterface>
{
public:
    explicit TextBoxAccessible(TextBox* box);

    QString text(QAccessible::Text type) const override;
    QAccessible::State state() const override;

    QString text(int start, int end) const override;
    int characterCount() const override;
    // No caret: a reader finds it after the text, where a line edit keeps it.
    int cursorPosition() const override { return characterCount(); }
    QRect characterRect(int offset) const override;
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

private:
    TextBox* box() const;
};

// Label1 and the day cells' own widgets read as Qt reads a label: static
// text named by its caption unless named otherwise.
class LabelAccessible : public QAccessibleWidget
{
public:
    explicit LabelAccessible(Label* label);

    QString text(QAccessible::Text type) const override;
};

} // namespace tavrin
