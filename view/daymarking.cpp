// SPDX-License-Identifier: GPL-3.0-or-later
// Marking January days: a mark is nothing but the cell's red background. A
// click, a screen reader's Mark and Space on the current day all mark.

#include "yearview.h"

#include "colours.h"

namespace tavrin {

void YearView::Txt1_Click(int index)
{
    auto* cell = Txt(1).at(index);
    const bool wasMarked = cell->isMarked();
    setBackColor(cell, toQColor(kRed));
    // The day's name now ends in "marked"; a reader hears the mark made.
    if (wasMarked || cell->dayName().isEmpty())
        return;
    dayAccessibles_.tellRenamed(1, months_.grid(1).slotOf(index));
    notice_->tell(QStringLiteral("%1 January marked").arg(cell->text()));
}

} // namespace tavrin
