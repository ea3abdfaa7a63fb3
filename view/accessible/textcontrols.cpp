// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible/textcontrols.h"

#include "label.h"
#include "textbox.h"

#include <QStyle>

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

QString TextBoxAccessible::lineText() const
{
    return box()->text();
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
