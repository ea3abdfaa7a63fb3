// SPDX-License-Identifier: GPL-3.0-or-later
#include "datemodel.h"
#include "datetext.h"
#include "monthtable.h"

#include <QTest>

using namespace tavrin;

namespace {

DateModel modelFor(const std::string& year)
{
    DateModel model;
    std::ranges::copy(kMonthNames, model.MonthNames.begin());
    model.YearText = year;
    return model;
}

} // namespace

class TestDateModel : public QObject
{
    Q_OBJECT
private slots:
    // Every month of years 0 to 3000 against a running day count and month
    // lengths worked out apart from the model's table. 2000 Gregorian years
    // are exactly 104,355 weeks and 1 January 2000 was a Saturday, so 1
    // January of year 0 was one too: column 0.
    void everyMonthAgainstDayCount()
    {
        int column = 0;
        for (int y = 0; y <= 3000; ++y) {
            DateModel model = modelFor(std::to_string(y));
            const bool leap = y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
            for (int m = 1; m <= 12; ++m) {
                model.MonthGeometry(model.monthName(m));
                const int length = m == 2 ? 28 + leap : 30 + (m + m / 8) % 2;
                QVERIFY2(model.startCell(m) == column && model.DaysInMonth == length, qPrintable(QString::asprintf("year %d, month %d", y, m)));
                column = (column + length) % 7;
            }
        }
    }

    // Only exact month names count; anything else leaves DaysInMonth 0
    // (not the last month's length) and every StartCell alone. The reader
    // takes real dates only, in the one form the model writes; what it
    // rejects takes the "Language error" path with the month's StartCell
    // left 0.
    void failures()
    {
        DateModel model = modelFor("2024");
        model.StartCell.fill(9);
        for (const char* name : {"January", "january", "JANUARY", "Jan", "January ", ""})
            model.MonthGeometry(name);
        QCOMPARE(model.DaysInMonth, 0);
        QCOMPARE(model.startCell(1), 2);
        QVERIFY(std::ranges::count(model.StartCell, 9) == 11);
        for (const char* text : {"February 29, 2022", "April 31, 2024", "January 0, 2022", "January 2, -5", "January 2, 2022x", "January 2, 99999999999"})
            QVERIFY2(!ParseDateText(text), text);
        model.setDateInterpreter([](std::string_view) { return std::nullopt; });
        model.startCell(7) = 5;
        QVERIFY_THROWS_EXCEPTION(LanguageError, model.MonthGeometry("July"));
        QCOMPARE(model.startCell(7), 0);
    }
};

QTEST_MAIN(TestDateModel)
#include "tst_datemodel.moc"
