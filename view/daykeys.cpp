// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard in the block of months. Tab enters it on 1 January; the
// arrows move a day or a week, on from one month into the next and never
// past the year; Page Up and Page Down move a month; Space marks a January
// day. A move past either end of the year, or Space on a day that cannot be
// marked, is told to screen readers, which otherwise hear nothing. The panel of the current month has the focus, and only it is a Tab
// stop, so Tab and Shift+Tab leave the block from any month.

#include "yearview.h"

#include <QKeyEvent>
#include <algorithm>

namespace tavrin {

bool YearView::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType() || !monthOf(static_cast<QWidget*>(watched)))
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        return dayKey(*static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
        if (const auto reason = static_cast<QFocusEvent*>(event)->reason();
            reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            moveTo(1, 1);
        if (currentCell())
            currentCell()->update();
        // Qt tells screen readers about the panel once this returns; the day
        // comes after it.
        QMetaObject::invokeMethod(this, &YearView::announceDayFocus, Qt::QueuedConnection);
        break;
    case QEvent::FocusOut:
        if (currentCell())
            currentCell()->update();
        break;
    default:
        break;
    }
    return false;
}

bool YearView::dayKey(const QKeyEvent& key)
{
    // A move past either end of the year is told, with the year it ends.
    const auto tellEnd = [this](const char* end) {
        notice_->tell(QLatin1String(end) + QString::fromStdString(model_.YearText));
    };
    switch (key.key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        if (!moveBy(key.key() == Qt::Key_Left ? -1 : -kCellsPerRow))
            tellEnd("1 January is the first day of ");
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        if (!moveBy(key.key() == Qt::Key_Right ? 1 : kCellsPerRow))
            tellEnd("31 December is the last day of ");
        break;
    case Qt::Key_PageUp:
        if (!moveByMonths(-1))
            tellEnd("January is the first month of ");
        break;
    case Qt::Key_PageDown:
        if (!moveByMonths(1))
            tellEnd("December is the last month of ");
        break;
    case Qt::Key_Space:
        if (!key.isAutoRepeat())
            markOrSayWhyNot();
        break;
    default:
        return false;
    }
    // The focus frame shows once the keyboard is in use, never for the mouse.
    window()->setAttribute(Qt::WA_KeyboardFocusChange);
    if (currentCell())
        currentCell()->update();
    return true;
}

void YearView::markOrSayWhyNot()
{
    DayCell* cell = currentCell();
    if (!cell)
        return;
    if (cell->isMarkable() && !cell->isMarked()) {
        cell->mark();
        return;
    }
    // Said once for each day, not at every press on it.
    if (refused_ == cell)
        return;
    refused_ = cell;
    notice_->tell(cell->isMarked() ? QStringLiteral("already marked")
                                   : QStringLiteral("only January days can be marked"));
}

bool YearView::moveBy(int days)
{
    int month = current_.month;
    int day = current_.day + days;
    while (day < 1 && month > 1)
        day += daysDrawn(--month);
    while (day > daysDrawn(month) && month < 12)
        day -= daysDrawn(month++);
    if (day < 1 || day > daysDrawn(month))
        return false;
    moveTo(month, day);
    return true;
}

bool YearView::moveByMonths(int months)
{
    const int month = current_.month + months;
    if (month < 1 || month > 12)
        return false;
    moveTo(month, std::min(current_.day, daysDrawn(month)));
    return true;
}

void YearView::moveTo(int month, int day)
{
    const bool focused = panel(current_.month)->hasFocus();
    if (month != current_.month) {
        panel(current_.month)->setFocusPolicy(Qt::NoFocus);
        panel(month)->setFocusPolicy(Qt::TabFocus);
    }
    current_ = {month, day};
    refused_ = nullptr;
    frameCurrent();
    if (!focused)
        return;
    if (!panel(month)->hasFocus())
        panel(month)->setFocus(Qt::OtherFocusReason); // announces the day once in
    else
        announceDayFocus();
}

void YearView::focusDay(int month, int day)
{
    moveTo(month, day);
    panel(month)->setFocus(Qt::OtherFocusReason);
}

void YearView::frameCurrent()
{
    if (framed_)
        framed_->setCurrent(false);
    framed_ = currentCell();
    if (framed_)
        framed_->setCurrent(true);
}

void YearView::announceDayFocus()
{
    const DayCell* cell = currentCell();
    if (!cell || !cell->hasKeyboardFocus() || !QAccessible::isActive())
        return;
    QAccessibleEvent event(dayAccessibles_.at(current_.month, firstSlot(current_.month) + current_.day - 1),
                           QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

} // namespace tavrin
