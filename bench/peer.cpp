// SPDX-License-Identifier: GPL-3.0-or-later
// The peer: what a Qt developer would build instead of the planner, twelve
// stock QCalendarWidgets of the year in a 4 x 3 grid.

#include "firstpaint.h"

#include <QCalendarWidget>
#include <QDate>
#include <QGridLayout>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    auto* grid = new QGridLayout(&window);
    const int year = QDate::currentDate().year();
    for (int month = 1; month <= 12; ++month) {
        auto* calendar = new QCalendarWidget;
        calendar->setFirstDayOfWeek(Qt::Saturday);
        calendar->setCurrentPage(year, month);
        grid->addWidget(calendar, (month - 1) / 4, (month - 1) % 4);
    }
    bench::runToFirstPaint(window);
}
