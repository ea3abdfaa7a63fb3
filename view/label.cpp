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

Label::Label(QWidget* parent, const QString& name, Reading reading) : QWidget(parent), reading_(reading)
{
    setObjectName(name);
}

void Label::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    update();
    if (reading_ == Reading::ByCaption && accessibleName().isEmpty()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void Label::clear()
{
    if (text_.isEmpty())
        return;
    text_.clear();
    update();
}

void Label::setAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment;
    update();
}

void Label::changeEvent(QEvent* event)
{
    // The window places its controls itself, never through a Qt layout, so a
    // new font only repaints: no layout is asked to look at the new size.
    if (event->type() == QEvent::FontChange)
        update();
    else
        QWidget::changeEvent(event);
}

void Label::paintEvent(QPaintEvent*)
{
    if (text_.isEmpty())
        return;
    QPainter painter(this);
    const auto direction = text_.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    const int flags = static_cast<int>(QStyle::visualAlignment(direction, alignment_))
                      | (direction == Qt::LeftToRight ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft);
    style()->drawItemText(&painter, contentsRect(), flags, palette(), isEnabled(), text_, foregroundRole());
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
