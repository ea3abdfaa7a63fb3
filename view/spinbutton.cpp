#include "spinbutton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
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

    // A black triangle, centred, half as wide as the face.
    const QRectF face = rect();
    const qreal half = std::min(face.width(), face.height() * 2) / 4.0;
    const QPointF centre = face.center() + (isDown() ? QPointF(0.5, 0.5) : QPointF());
    const qreal tip = direction_ == Qt::UpArrow ? -half / 2 : half / 2;
    const QPointF triangle[] = {centre + QPointF(0, tip), centre + QPointF(-half, -tip),
                                centre + QPointF(half, -tip)};
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(triangle, 3);
}

SpinButton::SpinButton(QWidget* parent, const QString& name)
    : QWidget(parent), up_(new ArrowButton(this, Qt::UpArrow)),
      down_(new ArrowButton(this, Qt::DownArrow))
{
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
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
    value_ = static_cast<int>(std::min<long long>(static_cast<long long>(value_) + smallChange_, max_));
    emit SpinUp();
}

void SpinButton::stepDown()
{
    value_ = static_cast<int>(std::max<long long>(static_cast<long long>(value_) - smallChange_, min_));
    emit SpinDown();
}

void SpinButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        stepUp();
        break;
    case Qt::Key_Down:
        stepDown();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void SpinButton::resizeEvent(QResizeEvent*)
{
    const int upper = height() / 2;
    up_->setGeometry(0, 0, width(), upper);
    down_->setGeometry(0, upper, width(), height() - upper);
}

} // namespace tavrin
