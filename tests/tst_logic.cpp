// SPDX-License-Identifier: GPL-3.0-or-later
// The logic that needs no display and no bus: the date model, a month's grid
// of cells and the walk of a text by character, word and line.
#include "datemodel.h"
#include "datetext.h"
#include "monthgrid.h"
#include "monthtable.h"
#include "textwalk.h"

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

class TestLogic : public QObject
{
    Q_OBJECT
private slots:
    // Every month of years 0 to 3000 against a running day count and month
    // lengths worked out apart from the model's table. 2000 Gregorian years
    // are exactly 104,355 weeks and 1 January 2000 was a Saturday, so 1
    // January of year 0 was one too: column 0. Each month then drawn on its
    // grid: every day in its slot and found there again, the others blank,
    // each slot's cell index its own but in February's bottom row (no 40).
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
                MonthGrid grid(m);
                grid.setDrawn(model.startCell(m), model.DaysInMonth);
                for (int slot = 0; slot < 42; ++slot) {
                    const int day = slot >= column && slot < column + length ? slot - column + 1 : 0, index = slot + (m == kFebruary && slot >= 40);
                    if (grid.dayAt(slot) != day || (day && grid.slotOfDay(day) != slot) || grid.slotOfDay(length + 1) != -1 || grid.cellIndex(slot) != index
                        || grid.slotOf(index) != slot)
                        QFAIL(qPrintable(QString::asprintf("year %d, month %d, slot %d", y, m, slot)));
                }
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

    // The unit at, before and after offsets -2 (the caret), -1 (the end), 0,
    // 1, the length and past it, as "start,end" each: Qt's own walk never
    // ended at the end, and an empty text has no character to look back from.
    void textWalk()
    {
        const QString end = "4,4 3,4 4,4 | ", line = "0,4 0,0 4,4 | ", off = "-1,-1 -1,-1 -1,-1 | ", none = "0,0 0,0 0,0 | ";
        for (const auto& [text, boundary, units] : std::initializer_list<std::tuple<QString, QAccessible::TextBoundaryType, QString>>{
                 {"2026", QAccessible::CharBoundary, end + end + "0,1 0,0 1,2 | 1,2 0,1 2,3 | " + end + off},
                 {"a bc", QAccessible::WordBoundary, "2,4 0,2 4,4 | 2,4 0,2 4,4 | 0,2 0,0 2,4 | 0,2 0,0 2,4 | 2,4 0,2 4,4 | " + off},
                 {"a bc", QAccessible::LineBoundary, line.repeated(5) + off},
                 {"", QAccessible::WordBoundary, none.repeated(3) + off + none + off}}) {
            QString walked = text + ": ";
            for (const int offset : {-2, -1, 0, 1, int(text.size()), int(text.size()) + 1}) {
                for (const auto& walk : {textUnitAt, textUnitBefore, textUnitAfter})
                    walked += QString::asprintf("%d,%d ", walk(text, offset, boundary).first, walk(text, offset, boundary).second);
                walked += "| ";
            }
            QCOMPARE(walked, text + ": " + units);
        }
    }
};

QTEST_APPLESS_MAIN(TestLogic)
#include "tst_logic.moc"
