// SPDX-License-Identifier: GPL-3.0-or-later
#include "textcontrol.h"

#include <QEvent>

namespace tavrin {

TextControl::TextControl(QWidget* parent, const QString& name) : QWidget(parent)
{
    setObjectName(name);
}

void TextControl::setAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment;
    update();
}

bool TextControl::changeText(const QString& text)
{
    if (text == text_)
        return false;
    text_ = text;
    update();
    return true;
}

void TextControl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        update();
    else
        QWidget::changeEvent(event);
}

} // namespace tavrin
