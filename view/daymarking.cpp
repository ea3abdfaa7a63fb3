// Marking January days: a mark is nothing but the cell's red background.

#include "yearview.h"

namespace tavrin {

void YearView::Txt1_Click(int index)
{
    setBackColor(Txt(1).at(index), toQColor(kRed));
}

} // namespace tavrin
