// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a year into the twelve month panels.

#include "yearview.h"

#include "colours.h"
#include "monthtable.h"

namespace tavrin {

void YearView::RenderYear()
{
    ClearAllLabels();
    for (int month = 1; month <= 12; ++month)
        FillMonth(month);
    DisableBlankBoxes();
    dayAccessibles_.renew();
    keys_->yearDrawn();
}

void YearView::ClearAllLabels()
{
    // Labels already empty are left alone, so they are not repainted.
    for (auto* label : findChildren<Label*>())
        if (!label->text().isEmpty())
            label->clear();
}

void YearView::FillMonth(int month)
{
    auto& m = model_;
    m.MonthGeometry(m.monthName(month));
    // A copy: the model's StartCell keeps the column of day 1 while the loop walks the slots.
    int cell = m.startCell(month);
    months_.grid(month).setDrawn(cell, m.DaysInMonth);
    // A screen reader speaks each day as a date: "Saturday 1 January 2022".
    const QString monthAndYear = QStringLiteral(" %1 %2").arg(QString::fromStdString(m.monthName(month)),
                                                              QString::fromStdString(m.YearText));
    for (m.DayCounter = 1; m.DayCounter <= m.DaysInMonth; ++m.DayCounter, ++cell) {
        auto* label = months_.cellAt(month, cell);
        label->setNum(m.DayCounter);
        const auto weekday = kColumnWeekdays.at(static_cast<std::size_t>(cell % kCellsPerRow));
        label->setDayName(toQString(weekday) + QLatin1Char(' ') + QString::number(m.DayCounter)
                          + monthAndYear);
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
