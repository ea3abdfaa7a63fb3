// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "accessible/linetext.h"
#include "accessible/widgetwith.h"

namespace tavrin {

class Label;
class TextBox;

// Titles, headers and the year box: text to read, never to edit. The year
// box sits in a frame disabled by design, yet is not dimmed itself. The text
// interface lets a reader walk the text, as it would a line edit's.
class TextBoxAccessible : public WidgetWith<LineText, QAccessible::TextInterface>
{
public:
    explicit TextBoxAccessible(TextBox* box);

    QString text(QAccessible::Text type) const override;
    using LineText::text;
    QAccessible::State state() const override;

    QString lineText() const override;
    QRect characterRect(int offset) const override;

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
