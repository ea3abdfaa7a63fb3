// Drawing a year into the twelve month panels.

#include "yearview.h"

#include "monthtable.h"

namespace tavrin {

void YearView::RenderYear()
{
    ClearAllLabels();
    for (int month = 1; month <= 12; ++month)
        FillMonth(month);
    DisableBlankBoxes();
    keepJanuaryCellOnADay();
    announceChanges();
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
    auto& cell = m.startCell(month);
    const auto& cells = Txt(month);
    // A screen reader speaks each day as a date: "Saturday 1 January 2022".
    const QString monthAndYear = QStringLiteral(" %1 %2").arg(
        QString::fromStdString(m.monthName(month)), QString::fromStdString(m.YearText));
    for (m.DayCounter = 1; m.DayCounter <= m.DaysInMonth; ++m.DayCounter, ++cell) {
        auto* label = cells.at(cell);
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

// Once the year is drawn, screen readers hear only what really changed: a
// panel's new year, a day's new name, a mark wiped off. A clearing followed
// by a fill never reaches them.
void YearView::announceChanges()
{
    for (int month = 1; month <= 12; ++month) {
        const QString name = QStringLiteral("%1 %2").arg(
            QString::fromStdString(model_.monthName(month)), QString::fromStdString(model_.YearText));
        if (panel(month)->accessibleName() != name)
            panel(month)->setAccessibleName(name);
        for (const auto& [index, cell] : Txt(month))
            cell->announceChanges();
    }
}

} // namespace tavrin
