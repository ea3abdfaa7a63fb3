// Marking January days: a mark is nothing but the cell's red background. A
// click, Space on the focused day and a screen reader's Press all mark.

#include "yearview.h"

namespace tavrin {

void YearView::Txt1_Click(int index)
{
    auto* cell = Txt(1).at(index);
    setBackColor(cell, toQColor(kRed));
    cell->announceChanges();
}

// January's grid is one Tab stop, held by one day cell at a time.
void YearView::moveJanuaryStop(int index)
{
    DayCell* const from = januaryStop();
    DayCell* const to = Txt(1).at(index);
    if (to == from)
        return;
    januaryStop_ = index;
    to->setFocusPolicy(Qt::TabFocus);
    if (from->hasFocus()) {
        // Moving the focus by code would hide the frame the keyboard shows.
        const bool keyboardLook = window()->testAttribute(Qt::WA_KeyboardFocusChange);
        to->setFocus(Qt::OtherFocusReason);
        window()->setAttribute(Qt::WA_KeyboardFocusChange, keyboardLook);
    }
    from->setFocusPolicy(Qt::NoFocus);
}

// The Tab stop stays on a day: a render that blanks its cell moves it to the
// 1st.
void YearView::keepJanuaryStopOnADay()
{
    if (!januaryStop()->text().isEmpty())
        return;
    for (const auto& [index, cell] : Txt(1)) {
        if (!cell->text().isEmpty()) {
            moveJanuaryStop(index);
            return;
        }
    }
}

} // namespace tavrin
