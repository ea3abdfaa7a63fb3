#include "datemodel.h"
#include "datetext.h"
#include "monthtable.h"

#include <QScopeGuard>
#include <QTest>

#include <clocale>
#include <locale>
#include <string>

using tavrin::DateModel;
using tavrin::LanguageError;

namespace {

DateModel modelFor(const QString& year)
{
    DateModel model;
    for (std::size_t i = 0; i < 12; ++i)
        model.MonthNames[i] = std::string(tavrin::kMonthNames[i]);
    model.YearText = year.toStdString();
    return model;
}

// Month lengths worked out independently of the model's table.
bool isLeap(int y) { return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0); }
int monthLength(int y, int m) { return m == 2 ? 28 + isLeap(y) : 30 + (m + m / 8) % 2; }

// Renders a whole year as the view does; returns the columns and the length
// left in DaysInMonth after each month.
std::pair<QList<int>, QList<int>> renderYear(DateModel& model)
{
    QList<int> columns, days;
    for (int m = 1; m <= 12; ++m) {
        model.MonthGeometry(std::string(tavrin::kMonthNames[m - 1]));
        days << model.DaysInMonth;
    }
    for (int cell : model.StartCell)
        columns << cell;
    return {columns, days};
}

} // namespace

class TestDateModel : public QObject
{
    Q_OBJECT

private slots:
    void renderedYear_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QList<int>>("columns");
        QTest::addColumn<QList<int>>("days");
        QTest::newRow("2022") << "2022" << QList<int>{0, 3, 3, 6, 1, 4, 6, 2, 5, 0, 3, 5}
                              << QList<int>{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        QTest::newRow("2024") << "2024" << QList<int>{2, 5, 6, 2, 4, 0, 2, 5, 1, 3, 6, 1}
                              << QList<int>{31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        QTest::newRow("3000") << "3000" << QList<int>{4, 0, 0, 3, 5, 1, 3, 6, 2, 4, 0, 2}
                              << QList<int>{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    }
    void renderedYear()
    {
        QFETCH(QString, year);
        QFETCH(QList<int>, columns);
        QFETCH(QList<int>, days);
        DateModel model = modelFor(year);
        const auto [gotColumns, gotDays] = renderYear(model);
        QCOMPARE(gotColumns, columns);
        QCOMPARE(gotDays, days);
    }

    void daysInMonth_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("days");
        const int february[][2] = {{1900, 28}, {2000, 29}, {2022, 28}, {2024, 29}, {3000, 28}, {0, 29}};
        for (const auto& [year, days] : february)
            QTest::addRow("February %d", year) << QString::number(year) << QStringList{"February"} << days;
        QTest::newRow("April after March") << "2024" << QStringList{"March", "April"} << 30;
        QTest::newRow("March after leap February") << "2024" << QStringList{"February", "March"} << 31;
    }
    void daysInMonth()
    {
        QFETCH(QString, year);
        QFETCH(QStringList, names);
        QFETCH(int, days);
        DateModel model = modelFor(year);
        for (const QString& name : names)
            model.MonthGeometry(name.toStdString());
        QCOMPARE(int(model.DaysInMonth), days);
    }

    void monthNameMatching_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("month"); // 0: matches nothing
        for (int m = 1; m <= 12; ++m)
            QTest::addRow("%s", tavrin::kMonthNames[m - 1].data()) << QByteArray(tavrin::kMonthNames[m - 1].data()) << m;
        for (const char* name : {"january", "JANUARY", "Jan", "January ", " May", ""})
            QTest::addRow("\"%s\"", name) << QByteArray(name) << 0;
    }
    void monthNameMatching()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, month);
        DateModel model = modelFor("2024");
        for (std::size_t i = 0; i < 12; ++i)
            model.StartCell[i] = std::int16_t(10 + i);
        const auto preset = model.StartCell;
        model.DaysInMonth = 99;
        int calls = 0;
        std::string seen;
        model.setDateInterpreter([&](std::string_view text) {
            ++calls;
            seen = text;
            return tavrin::ParseDateText(text);
        });

        model.MonthGeometry(name.toStdString());

        QCOMPARE(calls, month ? 1 : 0);
        QCOMPARE(int(model.DaysInMonth), month ? monthLength(2024, month) : 0);
        if (month)
            QCOMPARE(seen, name.toStdString() + " 2, 2024");
        for (int m = 1; m <= 12; ++m) {
            if (m != month)
                QCOMPARE(model.startCell(m), preset[std::size_t(m - 1)]);
        }
    }

    // Every month of years 0 to 3000 against a running day count. 1 January
    // 2000 was a Saturday and 2000 Gregorian years are exactly 104,355 weeks,
    // so 1 January of year 0 was a Saturday too: column 0.
    void everyMonthAgainstDayCount()
    {
        int column = 0;
        for (int y = 0; y <= 3000; ++y) {
            DateModel model = modelFor(QString::number(y));
            for (int m = 1; m <= 12; ++m) {
                model.MonthGeometry(std::string(tavrin::kMonthNames[m - 1]));
                const int length = monthLength(y, m);
                if (model.startCell(m) != column || model.DaysInMonth != length)
                    QFAIL(qPrintable(QStringLiteral("%1-%2: column %3 (want %4), %5 days (want %6)")
                                         .arg(y).arg(m).arg(model.startCell(m)).arg(column)
                                         .arg(model.DaysInMonth).arg(length)));
                column = (column + length) % 7;
            }
        }
    }

    void parseDateText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("year"); // -1: rejected
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        for (const char* text :
             {"Janury 2, 2022", "january 2, 2022", "February 29, 2022", "April 31, 2024",
              "January 0, 2022", "January 32, 2022", "January , 2022", "January 2 2022",
              "January 2,2022", "January2, 2022", "January  2, 2022", "January 2,  2022",
              " January 2, 2022", "January 2, 2022x", "January 2, 2022 ", "January 2, -5",
              "January 2, +5", "January +2, 5", "January 2, ", "January 2, 99999999999", ""})
            QTest::addRow("\"%s\"", text) << QByteArray(text) << -1 << 0 << 0;
        QTest::newRow("year 5 literally") << QByteArray("January 2, 5") << 5 << 1 << 2;
        QTest::newRow("leap year 0") << QByteArray("February 29, 0") << 0 << 2 << 29;
        QTest::newRow("leap 2000") << QByteArray("February 29, 2000") << 2000 << 2 << 29;
        QTest::newRow("last day") << QByteArray("December 31, 3000") << 3000 << 12 << 31;
    }
    void parseDateText()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        const auto date = tavrin::ParseDateText(std::string_view(text.constData(), size_t(text.size())));
        QCOMPARE(date.has_value(), year >= 0);
        if (date) {
            QCOMPARE(int(date->year()), year);
            QCOMPARE(unsigned(date->month()), unsigned(month));
            QCOMPARE(unsigned(date->day()), unsigned(day));
        }
    }

    void rejectedDate_data()
    {
        QTest::addColumn<QString>("name"); // empty: FirstColumnOfMonth called directly
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<bool>("forceReject");
        QTest::newRow("FirstColumnOfMonth 1, forced") << QString() << 1 << "2022" << true;
        QTest::newRow("FirstColumnOfMonth 12, forced") << QString() << 12 << "2022" << true;
        QTest::newRow("FirstColumnOfMonth 2, year +5") << QString() << 2 << "+5" << false;
        QTest::newRow("MonthGeometry January, forced") << "January" << 1 << "2022" << true;
        QTest::newRow("MonthGeometry February, forced") << "February" << 2 << "2024" << true;
        QTest::newRow("MonthGeometry March, year -5") << "March" << 3 << "-5" << false;
        QTest::newRow("MonthGeometry March, empty year") << "March" << 3 << "" << false;
    }
    void rejectedDate()
    {
        QFETCH(QString, name);
        QFETCH(int, month);
        QFETCH(QString, year);
        QFETCH(bool, forceReject);
        DateModel model = modelFor(year);
        model.startCell(month) = 5;
        if (forceReject)
            model.setDateInterpreter([](std::string_view) { return std::nullopt; });
        if (name.isEmpty())
            QVERIFY_THROWS_EXCEPTION(LanguageError, model.FirstColumnOfMonth(month));
        else
            QVERIFY_THROWS_EXCEPTION(LanguageError, model.MonthGeometry(name.toStdString()));
        QCOMPARE(int(model.startCell(month)), 0);
    }

    void localeIndependence()
    {
        const std::string savedC = std::setlocale(LC_ALL, nullptr);
        const std::locale savedGlobal;
        const auto restore = qScopeGuard([&] {
            std::locale::global(savedGlobal);
            std::setlocale(LC_ALL, savedC.c_str());
        });
        bool set = false;
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "C.UTF-8", "C.utf8"}) {
            try {
                std::locale::global(std::locale(name));
            } catch (const std::runtime_error&) {
                continue;
            }
            if ((set = std::setlocale(LC_ALL, name) != nullptr))
                break;
        }
        if (!set)
            QSKIP("No locale other than C can be set here");
        DateModel model = modelFor("2022");
        QCOMPARE(renderYear(model).first, (QList<int>{0, 3, 3, 6, 1, 4, 6, 2, 5, 0, 3, 5}));
    }
};

QTEST_MAIN(TestDateModel)
#include "tst_datemodel.moc"
