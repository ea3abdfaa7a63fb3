// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible/textcontrols.h"

#include "label.h"
#include "textbox.h"
#include "textwalk.h"

#include <QStyle>
#include <algorithm>
#include <tuple>

namespace tavrin {

TextBoxAccessible::TextBoxAccessible(TextBox* box) : WidgetWith(box, QAccessible::StaticText)
{
}

QString TextBoxAccessible::text(QAccessible::Text type) const
{
    return type == QAccessible::Name ? box()->text() : QAccessibleWidget::text(type);
}

QAccessible::State TextBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.disabled = !box()->isEnabledTo(box()->parentWidget());
    return state;
}

QString TextBoxAccessible::text(int start, int end) const
{
    start = std::clamp(start, 0, characterCount());
    return box()->text().mid(start, std::clamp(end, start, characterCount()) - start);
}

int TextBoxAccessible::characterCount() const
{
    return static_cast<int>(box()->text().size());
}

// Where the line edit draws a character: its text margins, then its own
// inner margins, the text aligned as the box says, centred vertically.
QRect TextBoxAccessible::characterRect(int offset) const
{
    const QString text = box()->text();
    if (offset < 0 || offset >= text.size())
        return {};
    const QFontMetrics metrics(box()->font());
    const QRect area = box()->rect().marginsRemoved(box()->textMargins()).adjusted(2, 1, -2, -1);
    const int width = metrics.horizontalAdvance(text);
    const auto align = QStyle::visualAlignment(box()->layoutDirection(), box()->alignment());
    const int left = align & Qt::AlignRight     ? area.right() + 1 - width
                     : align & Qt::AlignHCenter ? area.left() + (area.width() - width) / 2
                                                : area.left();
    const QRect rect(left + metrics.horizontalAdvance(text.left(offset)),
                     area.top() + (area.height() - metrics.height() + 1) / 2,
                     metrics.horizontalAdvance(text.at(offset)), metrics.height());
    return rect.translated(box()->mapToGlobal(QPoint()));
}

QString TextBoxAccessible::attributes(int offset, int* start, int* end) const
{
    const bool inside = offset >= 0 && offset <= characterCount();
    *start = inside ? 0 : -1;
    *end = inside ? characterCount() : -1;
    return {};
}

QString TextBoxAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                                        int* end) const
{
    std::tie(*start, *end) = textUnitAt(box()->text(), offset, type);
    return text(*start, *end);
}

QString TextBoxAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                                            int* end) const
{
    std::tie(*start, *end) = textUnitBefore(box()->text(), offset, type);
    return text(*start, *end);
}

QString TextBoxAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                                           int* end) const
{
    std::tie(*start, *end) = textUnitAfter(box()->text(), offset, type);
    return text(*start, *end);
}

TextBox* TextBoxAccessible::box() const
{
    return static_cast<TextBox*>(widget());
}

LabelAccessible::LabelAccessible(Label* label) : QAccessibleWidget(label, QAccessible::StaticText)
{
}

QString LabelAccessible::text(QAccessible::Text type) const
{
    const QString text = QAccessibleWidget::text(type);
    return type == QAccessible::Name && text.isEmpty() ? static_cast<Label*>(widget())->text() : text;
}

} // namespace tavrin
