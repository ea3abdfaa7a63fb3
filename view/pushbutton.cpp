// SPDX-License-Identifier: GPL-3.0-or-later
#include "pushbutton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

namespace tavrin {

PushButton::PushButton(QWidget* parent, const QString& name, const QString& caption)
    : QPushButton(caption, parent)
{
    setObjectName(name);
}

void PushButton::press()
{
    reportPress(Qt::LeftButton, Qt::NoModifier, QRectF(rect()).center());
}

void PushButton::mousePressEvent(QMouseEvent* event)
{
    QPushButton::mousePressEvent(event);
    reportPress(event->button(), event->modifiers(), event->position());
}

void PushButton::keyPressEvent(QKeyEvent* event)
{
    // Space presses at once, as the mouse does; a held Space presses once.
    if (event->key() != Qt::Key_Space) {
        QPushButton::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        reportPress(Qt::LeftButton, event->modifiers(), QRectF(rect()).center());
}

void PushButton::reportPress(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF position)
{
    // What a press runs may hide the control that has the keyboard focus for
    // a moment (printing hides this button and the year control); Qt would
    // then hand the focus on for good. It is parked instead and given back,
    // looking as it did.
    QWidget* const window = this->window();
    const QPointer<QWidget> focused = window->focusWidget();
    const bool keyboardLook = window->testAttribute(Qt::WA_KeyboardFocusChange);
    if (focused)
        focused->clearFocus();
    emit mouseDown(button, shift, position);
    if (focused && focused->isVisible()) {
        focused->setFocus(Qt::OtherFocusReason);
        window->setAttribute(Qt::WA_KeyboardFocusChange, keyboardLook);
    }
}

} // namespace tavrin
