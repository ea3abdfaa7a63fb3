// SPDX-License-Identifier: GPL-3.0-or-later
#include "daykeys.h"

#include "datemodel.h"
#include "daycell.h"
#include "monthblock.h"
#include "names.h"
#include "notice.h"
#include "panel.h"
#include "readerkeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

namespace tavrin {

DayKeys::DayKeys(QWidget* window, const MonthBlock& months, const DateModel& model, Notice* notice)
    : QObject(window), window_(window), months_(months), model_(model), notice_(notice)
{
    // The keyboard moves between days of all months through their panels;
    // January's panel alone is a Tab stop, the way into the block.
    for (int month = 1; month <= 12; ++month)
        months_.panel(month)->installEventFilter(this);
    months_.panel(1)->setFocusPolicy(Qt::TabFocus);
}

DayCell* DayKeys::currentCell() const
{
    return months_.dayCell(current_.month, current_.day);
}

int DayKeys::daysDrawn(int month) const
{
    return months_.grid(month).days();
}

void DayKeys::yearDrawn()
{
    current_.day = std::clamp(current_.day, 1, std::max(1, daysDrawn(current_.month)));
    frameCurrent();
    announceDayFocus();
}

bool DayKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType() || !months_.monthOf(static_cast<QWidget*>(watched)))
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        // Tab leaves the block from the current month, whichever panel holds the focus.
        if (const int key = static_cast<QKeyEvent*>(event)->key();
            key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            if (!months_.panel(current_.month)->hasFocus())
                months_.panel(current_.month)->setFocus(Qt::OtherFocusReason);
            return false;
        }
        return dayKey(*static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
        if (const auto reason = static_cast<QFocusEvent*>(event)->reason();
            reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            place(1, 1);
            if (!months_.panel(1)->hasFocus())
                months_.panel(1)->setFocus(Qt::OtherFocusReason);
        }
        if (currentCell())
            currentCell()->update();
        // Qt tells screen readers about the panel once this returns; the day
        // comes after it.
        QMetaObject::invokeMethod(this, &DayKeys::announceDayFocus, Qt::QueuedConnection);
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

bool DayKeys::dayKey(const QKeyEvent& key)
{
    // A move past either end of the year is told, with the year it ends,
    // in words true of the day the focus stays on.
    keyTime_ = key.timestamp();
    const auto tellEnd = [this](const QString& end) {
        notice_->tell(end + QString::fromStdString(model_.YearText));
    };
    // A held key's presses the planner could not keep up with come as one
    // event, counted: as many moves, as far as the year goes.
    const int times = presses(key);
    switch (key.key()) {
    case Qt::Key_Left:
        if (!moveBy(-1, times))
            tellEnd(QStringLiteral("1 January is the first day of "));
        break;
    case Qt::Key_Up:
        if (!moveBy(-kCellsPerRow, times))
            tellEnd(QStringLiteral("%1 January is in the first week of ").arg(current_.day));
        break;
    case Qt::Key_Right:
        if (!moveBy(1, times))
            tellEnd(QStringLiteral("31 December is the last day of "));
        break;
    case Qt::Key_Down:
        if (!moveBy(kCellsPerRow, times))
            tellEnd(QStringLiteral("%1 December is in the last week of ").arg(current_.day));
        break;
    case Qt::Key_PageUp:
        if (!moveByMonths(-1, times))
            tellEnd(QStringLiteral("January is the first month of "));
        break;
    case Qt::Key_PageDown:
        if (!moveByMonths(1, times))
            tellEnd(QStringLiteral("December is the last month of "));
        break;
    case Qt::Key_Space:
        if (!key.isAutoRepeat())
            markOrSayWhyNot();
        break;
    default:
        return false;
    }
    // The focus frame shows once the keyboard is in use, never for the mouse.
    window_->setAttribute(Qt::WA_KeyboardFocusChange);
    if (currentCell())
        currentCell()->update();
    return true;
}

void DayKeys::markOrSayWhyNot()
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
    notice_->tell(cell->isMarked() ? QStringLiteral("%1 January is already marked").arg(cell->text())
                                   : QStringLiteral("only January days can be marked"));
}

bool DayKeys::moveBy(int days, int times)
{
    Day at = current_;
    int moved = 0;
    for (; moved < times; ++moved) {
        int month = at.month;
        int day = at.day + days;
        while (day < 1 && month > 1)
            day += daysDrawn(--month);
        while (day > daysDrawn(month) && month < 12)
            day -= daysDrawn(month++);
        if (day < 1 || day > daysDrawn(month))
            break;
        at = {month, day};
    }
    if (moved > 0)
        moveTo(at.month, at.day);
    return moved == times;
}

bool DayKeys::moveByMonths(int months, int times)
{
    const int wanted = current_.month + months * times;
    const int month = std::clamp(wanted, 1, 12);
    if (month != current_.month)
        moveTo(month, std::min(current_.day, daysDrawn(month)));
    return month == wanted;
}

void DayKeys::place(int month, int day)
{
    if (month != current_.month) {
        months_.panel(current_.month)->setFocusPolicy(Qt::NoFocus);
        months_.panel(month)->setFocusPolicy(Qt::TabFocus);
    }
    current_ = {month, day};
    refused_ = nullptr;
    frameCurrent();
}

void DayKeys::moveTo(int month, int day)
{
    const QWidget* focus = QApplication::focusWidget();
    const bool focused = focus && months_.monthOf(focus);
    place(month, day);
    if (focused)
        pace_.stepped(keyTime_);
}

void DayKeys::focusDay(int month, int day)
{
    place(month, day);
    tellCurrent();
}

// The focus follows the current day into its month only when the day is
// told: a run of moves across months sends a reader no focus changes of
// panels it would only have to catch up with.
void DayKeys::tellCurrent()
{
    if (!months_.panel(current_.month)->hasFocus())
        months_.panel(current_.month)->setFocus(Qt::OtherFocusReason); // announces the day once in
    else
        announceDayFocus();
}

// A day passed within a run is told by its day and month alone, as a notice:
// a reader speaks it whole even once the keys have gone on, and a full date
// (a January day's "can be marked" besides) would hold up the one they end on.
void DayKeys::glimpseCurrent()
{
    notice_->tell(QStringLiteral("%1 %2").arg(current_.day).arg(toQString(model_.monthName(current_.month))));
}

void DayKeys::frameCurrent()
{
    if (framed_)
        framed_->setCurrent(false);
    framed_ = currentCell();
    if (framed_)
        framed_->setCurrent(true);
}

void DayKeys::announceDayFocus()
{
    const DayCell* cell = currentCell();
    if (!cell || !cell->hasKeyboardFocus())
        return;
    emit dayFocused(current_.month, months_.grid(current_.month).slotOfDay(current_.day));
}

} // namespace tavrin
