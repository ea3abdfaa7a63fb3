// SPDX-License-Identifier: GPL-3.0-or-later
#include "textbox.h"

#include <QAccessible>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <algorithm>

namespace tavrin {
namespace {

// A line edit's own inner margins, inside its text margins.
constexpr int kHorizontalMargin = 2;

} // namespace

TextBox::TextBox(QWidget* parent, const QString& name, const QString& text) : TextControl(parent, name)
{
    changeText(text);
    // Filled and written on as a line edit is: Base, and Text on it.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TextBox::setText(const QString& text)
{
    if (!changeText(text))
        return;
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

// As a frameless, read-only line edit paints: the panel is its Base, the
// background already filled; the line is centred vertically in the box and,
// where it fits, placed by the alignment, otherwise scrolled to show its end,
// where the caret stays; the text is drawn by the same text layout.
void TextBox::paintEvent(QPaintEvent*)
{
    const QString text = this->text();
    if (text.isEmpty())
        return;
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QRect contents = rect().marginsRemoved(textMargins());
    const int height = std::max(metrics.boundingRect(text).height(), metrics.height());
    const QRect line(contents.x() + kHorizontalMargin, contents.y() + (contents.height() - height + 1) / 2,
                     contents.width() - 2 * kHorizontalMargin, height);

    QTextLayout layout(text, font());
    QTextOption option = layout.textOption();
    const auto direction = text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    option.setTextDirection(direction);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine textLine = layout.createLine();
    layout.endLayout();

    const int widthUsed = qRound(textLine.naturalTextWidth()) + 1;
    const int caret = qRound(textLine.cursorToX(static_cast<int>(text.size())));
    int scroll = 0;
    if (widthUsed <= line.width()) {
        const auto align =
            QStyle::visualAlignment(direction, alignment()) & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute;
        if (align == Qt::AlignRight)
            scroll = widthUsed - line.width() + 1;
        else if (align == Qt::AlignHCenter)
            scroll = (widthUsed - line.width()) / 2;
    } else if (caret >= line.width()) {
        scroll = caret - line.width() + 1;
    }
    painter.setPen(palette().color(QPalette::Text));
    layout.draw(&painter, line.topLeft() - QPoint(scroll, qRound(textLine.ascent()) - metrics.ascent()), {},
                contents);
}

} // namespace tavrin
