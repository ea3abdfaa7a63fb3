#include "daycell.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace tavrin {

DayCell::DayCell(QWidget* parent, const QString& name, bool markable)
    : Label(parent, name), markable_(markable)
{
    // The name a screen reader hears comes from the cell's own accessible
    // interface. A label without an accessible name would also announce
    // every caption change by itself, the clearing of a render included, so
    // the cell carries one that is never read.
    setAccessibleName(name);
    setFocusPolicy(Qt::NoFocus);
}

bool DayCell::isMarked() const
{
    return fromQColor(backColor(this)) == kRed;
}

void DayCell::announceChanges()
{
    if (const QString name = dayName(); name != announcedName_) {
        announcedName_ = name;
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    if (isMarked() != announcedMarked_) {
        announcedMarked_ = !announcedMarked_;
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void DayCell::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left: emit stepFocus(-1); break;
    case Qt::Key_Right: emit stepFocus(1); break;
    case Qt::Key_Up: emit stepFocus(-kCellsPerRow); break;
    case Qt::Key_Down: emit stepFocus(kCellsPerRow); break;
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            mark();
        break;
    default:
        Label::keyPressEvent(event);
        return;
    }
    // The focus frame shows once the keyboard is in use, never for the mouse.
    window()->setAttribute(Qt::WA_KeyboardFocusChange);
    update();
}

void DayCell::paintEvent(QPaintEvent* event)
{
    Label::paintEvent(event);
    if (!hasFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    QPainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(1, 1, -1, -1);
    frame.backgroundColor = backColor(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}

} // namespace tavrin
