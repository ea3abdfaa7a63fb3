#include "datemodel.h"
#include "datetext.h"
#include "monthtable.h"

#include <QScopeGuard>
#include <QTest>
#include <clocale>
#include <locale>

using namespace tavrin;

namespace {

DateModel modelFor(const QString& year)
{
    DateModel model;
    std::ranges::copy(kMonthNames, model.MonthNames.begin());
    model.YearText = year.toStdString();
    return model;
}

const QStringList kAllMonths{"January", "February", "March",     "April",   "May",      "June",
                             "July",    "August",   "September", "October", "November", "December"};

} // namespace

class TestDateModel : public QObject
{
    Q_OBJECT

private slots:
    void monthNameMatching_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("days"); // 0: the name matches nothing
        const int days2024[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        for (int m = 0; m < 12; ++m)
            QTest::addRow("%s 2024", qPrintable(kAllMonths[m])) << kAllMonths[m] << 2024 << days2024[m];
        const int february[][2] = {{1900, 28}, {2000, 29}, {2022, 28}, {3000, 28}, {0, 29}};
        for (const auto& [year, days] : february)
            QTest::addRow("February %d", year) << "February" << year << days;
        for (const char* name : {"january", "JANUARY", "Jan", "January ", " May", ""})
            QTest::addRow("\"%s\"", name) << name << 2024 << 0;
    }
    // DaysInMonth and the other StartCells start out as values the name's month cannot leave.
    void monthNameMatching()
    {
        QFETCH(QString, name);
        QFETCH(int, year);
        QFETCH(int, days);
        DateModel model = modelFor(QString::number(year));
        model.StartCell.fill(9);
        model.DaysInMonth = 99;
        QStringList interpreted;
        model.setDateInterpreter([&](std::string_view text) {
            interpreted << QString::fromStdString(std::string(text));
            return ParseDateText(text);
        });
        model.MonthGeometry(name.toStdString());
        QCOMPARE(int(model.DaysInMonth), days);
        const int month = int(kAllMonths.indexOf(name)) + 1; // 0: none
        QCOMPARE(interpreted, month ? QStringList{QString("%1 2, %2").arg(name).arg(year)} : QStringList());
        for (int m = 1; m <= 12; ++m)
            QCOMPARE(model.startCell(m) == 9, m != month);
    }

    // Every month of years 0 to 3000 against a running day count and month
    // lengths worked out apart from the model's table. 1 January 2000 was a
    // Saturday and 2000 Gregorian years are exactly 104,355 weeks, so 1
    // January of year 0 was a Saturday too: column 0.
    void everyMonthAgainstDayCount()
    {
        int column = 0;
        for (int y = 0; y <= 3000; ++y) {
            DateModel model = modelFor(QString::number(y));
            const bool leap = y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
            for (int m = 1; m <= 12; ++m) {
                model.MonthGeometry(model.monthName(m));
                const int length = m == 2 ? 28 + leap : 30 + (m + m / 8) % 2;
                QVERIFY2(model.startCell(m) == column && model.DaysInMonth == length,
                         qPrintable(QString::asprintf("year %d, month %d", y, m)));
                column = (column + length) % 7;
            }
        }
    }

    void parseDateText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("date"); // year-month-day read; 0-0-0: rejected
        for (const char* text :
             {"Janury 2, 2022", "january 2, 2022", "February 29, 2022", "April 31, 2024",
              "January 0, 2022", "January 32, 2022", "January , 2022", "January 2 2022",
              "January 2,2022", "January2, 2022", "January  2, 2022", "January 2,  2022",
              " January 2, 2022", "January 2, 2022x", "January 2, 2022 ", "January 2, -5",
              "January 2, +5", "January +2, 5", "January 2, ", "January 2, 99999999999", ""})
            QTest::addRow("\"%s\"", text) << text << "0-0-0";
        QTest::newRow("year 5 literally") << "January 2, 5" << "5-1-2";
        QTest::newRow("leap year 0") << "February 29, 0" << "0-2-29";
        QTest::newRow("last day") << "December 31, 3000" << "3000-12-31";
    }
    void parseDateText()
    {
        QFETCH(QString, text);
        QFETCH(QString, date);
        const auto d = ParseDateText(text.toStdString()).value_or(std::chrono::year_month_day{});
        QCOMPARE(QString::asprintf("%d-%u-%u", int(d.year()), unsigned(d.month()), unsigned(d.day())), date);
    }

    // Both ways to a month's column, when the parser rejects its date text.
    void rejectedDate_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("year");
        const std::pair<int, const char*> rows[] = {
            {1, "-5"}, {2, "-5"}, {3, ""}, {7, "99999999999"}, {12, "+5"}};
        for (const auto& [month, year] : rows)
            QTest::addRow("%d, year \"%s\"", month, year) << month << year;
    }
    void rejectedDate()
    {
        QFETCH(int, month);
        QFETCH(QString, year);
        DateModel model = modelFor(year);
        model.startCell(month) = 5;
        QVERIFY_THROWS_EXCEPTION(LanguageError, model.FirstColumnOfMonth(month));
        QCOMPARE(model.startCell(month), 0);
        model.startCell(month) = 5;
        QVERIFY_THROWS_EXCEPTION(LanguageError, model.MonthGeometry(model.monthName(month)));
        QCOMPARE(model.startCell(month), 0);
    }

    // Known years, drawn under German conventions (C.UTF-8 where German is missing).
    void localeIndependence_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QList<int>>("columns");
        QTest::newRow("2022") << "2022" << QList<int>{0, 3, 3, 6, 1, 4, 6, 2, 5, 0, 3, 5};
        QTest::newRow("2024") << "2024" << QList<int>{2, 5, 6, 2, 4, 0, 2, 5, 1, 3, 6, 1};
        QTest::newRow("3000") << "3000" << QList<int>{4, 0, 0, 3, 5, 1, 3, 6, 2, 4, 0, 2};
    }
    void localeIndependence()
    {
        QFETCH(QString, year);
        QFETCH(QList<int>, columns);
        const char* name = std::setlocale(LC_ALL, "de_DE.UTF-8") ? "de_DE.UTF-8" : "C.UTF-8";
        const std::locale saved = std::locale::global(std::locale(name));
        // Back to the C++ default and to the environment's C locale, as Qt started.
        const auto restore = qScopeGuard([&] { std::locale::global(saved); std::setlocale(LC_ALL, ""); });
        DateModel model = modelFor(year);
        for (const QString& name : kAllMonths) // rendered in order, as the view does
            model.MonthGeometry(name.toStdString());
        QCOMPARE(QList<int>(model.StartCell.begin(), model.StartCell.end()), columns);
    }
};

QTEST_MAIN(TestDateModel)
#include "tst_datemodel.moc"
