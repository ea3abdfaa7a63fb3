// Marking January days: a mark is nothing but the cell's red background. A
// click, a screen reader's Press and Space on the current day all mark.

#include "yearview.h"

#include <QAccessible>
#include <QKeyEvent>

namespace tavrin {

void YearView::Txt1_Click(int index)
{
    auto* cell = Txt(1).at(index);
    setBackColor(cell, toQColor(kRed));
    cell->announceChanges();
}

// January's panel takes the keyboard for its days: arrows move between days,
// Space marks. Tab and everything else go on as usual.
bool YearView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != panel(1))
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        return januaryKey(*static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
        januaryCell()->update();
        // Qt tells screen readers about the panel once this returns; the day
        // comes after it.
        QMetaObject::invokeMethod(this, &YearView::announceJanuaryFocus, Qt::QueuedConnection);
        break;
    case QEvent::FocusOut:
        januaryCell()->update();
        break;
    default:
        break;
    }
    return false;
}

bool YearView::januaryKey(const QKeyEvent& key)
{
    int step = 0;
    switch (key.key()) {
    case Qt::Key_Left: step = -1; break;
    case Qt::Key_Right: step = 1; break;
    case Qt::Key_Up: step = -kCellsPerRow; break;
    case Qt::Key_Down: step = kCellsPerRow; break;
    case Qt::Key_Space:
        if (!key.isAutoRepeat())
            januaryCell()->mark();
        break;
    default:
        return false;
    }
    // Days are consecutive cells: the arrows stop at the first and the last.
    const int to = januaryCell_ + step;
    if (step && to >= 0 && to < kCellsPerMonth && !Txt(1).at(to)->text().isEmpty())
        moveJanuaryCell(to);
    // The focus frame shows once the keyboard is in use, never for the mouse.
    window()->setAttribute(Qt::WA_KeyboardFocusChange);
    januaryCell()->update();
    return true;
}

void YearView::moveJanuaryCell(int index)
{
    if (index == januaryCell_)
        return;
    januaryCell()->setCurrent(false);
    januaryCell_ = index;
    januaryCell()->setCurrent(true);
    announceJanuaryFocus();
}

// The current day stays a day: a render that blanks its cell moves it to the
// 1st.
void YearView::keepJanuaryCellOnADay()
{
    if (!januaryCell()->text().isEmpty())
        return;
    for (const auto& [index, cell] : Txt(1)) {
        if (!cell->text().isEmpty()) {
            moveJanuaryCell(index);
            return;
        }
    }
}

void YearView::announceJanuaryFocus()
{
    if (!januaryCell()->hasKeyboardFocus())
        return;
    QAccessibleEvent event(januaryCell(), QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

} // namespace tavrin
