// SPDX-License-Identifier: GPL-3.0-or-later
#include "label.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace tavrin {

Label::Label(QWidget* parent, const QString& name) : Label(parent, name, Reading::ByCaption)
{
}

Label::Label(QWidget* parent, const QString& name, Reading reading)
    : TextControl(parent, name), reading_(reading)
{
}

void Label::setText(const QString& text)
{
    if (changeText(text) && reading_ == Reading::ByCaption && accessibleName().isEmpty()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void Label::clear()
{
    changeText(QString());
}

void Label::paintEvent(QPaintEvent*)
{
    if (text().isEmpty())
        return;
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), drawingFlags(), palette(), isEnabled(), text(),
                          foregroundRole());
}

QRect Label::characterRect(int offset) const
{
    if (offset < 0 || offset >= text().size())
        return {};
    const QRect line =
        style()->itemTextRect(fontMetrics(), contentsRect(), drawingFlags(), isEnabled(), text());
    const int before = fontMetrics().horizontalAdvance(text().left(offset));
    const int width = fontMetrics().horizontalAdvance(text().at(offset));
    return {text().isRightToLeft() ? line.right() + 1 - before - width : line.left() + before, line.top(),
            width, line.height()};
}

int Label::drawingFlags() const
{
    const auto direction = text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    return static_cast<int>(QStyle::visualAlignment(direction, alignment()))
           | (direction == Qt::LeftToRight ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft);
}

void Label::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QWidget::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

} // namespace tavrin
