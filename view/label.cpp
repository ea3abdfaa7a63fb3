// SPDX-License-Identifier: GPL-3.0-or-later
#include "label.h"

#include <QMouseEvent>

namespace tavrin {

Label::Label(QWidget* parent, const QString& name) : QLabel(parent)
{
    setObjectName(name);
    setTextFormat(Qt::PlainText);
}

void Label::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

} // namespace tavrin
