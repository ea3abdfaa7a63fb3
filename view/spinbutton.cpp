// SPDX-License-Identifier: GPL-3.0-or-later
#include "spinbutton.h"

#include "colours.h"
#include "readerkeys.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QScopeGuard>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <algorithm>

namespace tavrin {

ArrowButton::ArrowButton(QWidget* parent, Qt::ArrowType direction)
    : QAbstractButton(parent), direction_(direction)
{
    setFocusPolicy(Qt::NoFocus);
}

void ArrowButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);

    // A triangle, centred, half as wide as the face.
    const QRectF face = rect();
    const qreal half = std::min(face.width(), face.height() * 2) / 4.0;
    const QPointF centre = face.center() + (isDown() ? QPointF(0.5, 0.5) : QPointF());
    const qreal tip = direction_ == Qt::UpArrow ? -half / 2 : half / 2;
    const QPointF triangle[] = {centre + QPointF(0, tip), centre + QPointF(-half, -tip),
                                centre + QPointF(half, -tip)};
    // The spin control's keyboard focus shows on both of its arrows.
    if (parentWidget()->hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // Black, or white where the desktop's button face is dark.
    painter.setBrush(standingOut(Qt::black, palette().color(QPalette::Button), kGraphicsContrast));
    painter.drawPolygon(triangle, 3);
}

SpinButton::SpinButton(QWidget* parent, const QString& name)
    : QWidget(parent), up_(new ArrowButton(this, Qt::UpArrow)), down_(new ArrowButton(this, Qt::DownArrow)),
      pace_(this, [this] { announceValue(); })
{
    setObjectName(name);
    setAccessibleName(QStringLiteral("Year"));
    setFocusPolicy(Qt::StrongFocus);
    up_->setAccessibleName(QStringLiteral("Next year"));
    down_->setAccessibleName(QStringLiteral("Previous year"));
    up_->setObjectName(name + QStringLiteral(".up"));
    down_->setObjectName(name + QStringLiteral(".down"));
    for (auto* arrow : {up_, down_}) {
        // Qt's own auto-repeat: its timer fires only from the event loop, so a
        // step that takes longer than Delay delays the next rather than
        // queueing more.
        arrow->setAutoRepeat(true);
        arrow->setAutoRepeatDelay(5 * delay_);
        arrow->setAutoRepeatInterval(delay_);
    }
    // pressed() comes on the press and again on every repetition.
    connect(up_, &QAbstractButton::pressed, this, &SpinButton::stepUp);
    connect(down_, &QAbstractButton::pressed, this, &SpinButton::stepDown);
}

void SpinButton::setValue(int value)
{
    // A value outside the range is brought into it rather than refused.
    value_ = std::clamp(value, min_, std::max(min_, max_));
}

void SpinButton::setMax(int max)
{
    max_ = max;
    setValue(value_);
}

void SpinButton::stepUp()
{
    stepBy(1);
}

void SpinButton::stepDown()
{
    stepBy(-1);
}

void SpinButton::stepBy(int steps)
{
    const long long value = static_cast<long long>(value_) + static_cast<long long>(steps) * smallChange_;
    value_ = static_cast<int>(std::clamp<long long>(value, min_, std::max(min_, max_)));
    stepped();
    if (steps > 0)
        emit SpinUp();
    else
        emit SpinDown();
}

void SpinButton::stepTo(int value)
{
    const int before = value_;
    setValue(value);
    stepped();
    if (value_ >= before)
        emit SpinUp();
    else
        emit SpinDown();
}

void SpinButton::stepped()
{
    pace_.stepped(keyTime_);
}

void SpinButton::announceValue()
{
    QAccessibleValueChangeEvent event(this, value_);
    QAccessible::updateAccessibility(&event);
}

void SpinButton::keyPressEvent(QKeyEvent* event)
{
    keyTime_ = event->timestamp();
    const auto handled = qScopeGuard([this] { keyTime_.reset(); });
    switch (event->key()) {
    // A held key's presses the planner could not keep up with come as one
    // event, counted, and are one step.
    case Qt::Key_Up:
        stepBy(presses(*event));
        break;
    case Qt::Key_Down:
        stepBy(-presses(*event));
        break;
    // As in every spin box: ten at a time, and straight to either end.
    case Qt::Key_PageUp:
        stepBy(10 * presses(*event));
        break;
    case Qt::Key_PageDown:
        stepBy(-10 * presses(*event));
        break;
    case Qt::Key_Home:
        stepTo(min_);
        break;
    case Qt::Key_End:
        stepTo(max_);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void SpinButton::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    up_->update();
    down_->update();
}

void SpinButton::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    up_->update();
    down_->update();
}

void SpinButton::resizeEvent(QResizeEvent*)
{
    const int upper = height() / 2;
    up_->setGeometry(0, 0, width(), upper);
    down_->setGeometry(0, upper, width(), height() - upper);
}

} // namespace tavrin
