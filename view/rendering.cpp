// Drawing a year into the twelve month panels.

#include "yearview.h"

namespace tavrin {

void YearView::RenderYear()
{
    ClearAllLabels();
    for (int month = 1; month <= 12; ++month)
        FillMonth(month);
    DisableBlankBoxes();
}

void YearView::ClearAllLabels()
{
    for (auto* label : findChildren<Label*>())
        label->clear();
}

void YearView::FillMonth(int month)
{
    auto& m = model_;
    m.MonthGeometry(m.monthName(month));
    auto& cell = m.startCell(month);
    const auto& cells = Txt(month);
    for (m.DayCounter = 1; m.DayCounter <= m.DaysInMonth; ++m.DayCounter, ++cell) {
        auto* label = cells.at(cell);
        label->setNum(m.DayCounter);
        label->setEnabled(true);
        setBackColor(label, toQColor(kWhite));
    }
}

void YearView::DisableBlankBoxes()
{
    for (auto* box : findChildren<TextBox*>()) {
        if (box->text().isEmpty()) {
            box->setEnabled(false);
            setBackColor(box, toQColor(kWhite));
        }
    }
}

} // namespace tavrin
