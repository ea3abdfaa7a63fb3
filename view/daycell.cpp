// SPDX-License-Identifier: GPL-3.0-or-later
#include "daycell.h"

#include "colours.h"
#include "panel.h"

#include <QApplication>
#include <QPainter>

namespace tavrin {

DayCell::DayCell(QWidget* parent, const QString& name, bool markable)
    : Label(parent, name, Reading::Elsewhere), markable_(markable)
{
}

bool DayCell::isMarked() const
{
    return fromQColor(backColor(this)) == kRed;
}

void DayCell::setCurrent(bool current)
{
    current_ = current;
    update();
}

bool DayCell::hasKeyboardFocus() const
{
    // While a run of moves crosses months, the focus may still be on the
    // panel where it began (see DayKeys): any month panel holding it will do.
    const QWidget* focus = QApplication::focusWidget();
    return current_ && focus && focus->parentWidget() == parentWidget()->parentWidget()
           && qobject_cast<const Panel*>(focus);
}

void DayCell::paintEvent(QPaintEvent* event)
{
    Label::paintEvent(event);
    // The window carries this mark once the keyboard has moved around in it
    // (Tab, or the keys of the month panels); the mouse alone never sets it.
    if (!hasKeyboardFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    // Two pixels in the highlight colour: plain on white and on a red mark.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

} // namespace tavrin
