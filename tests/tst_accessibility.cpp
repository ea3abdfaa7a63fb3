#include "windowtest.h"

#include <QAccessible>

using namespace tavrin;
using namespace tavrin::test;

namespace {

QString spoken(QWidget* control, QAccessible::Text text = QAccessible::Name)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(text) : QStringLiteral("<none>");
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void controls()
    {
        Planner planner;
        QVERIFY(planner.start());
        auto& view = *planner.window;
        QTest::mouseClick(view.SpinButton1->upArrow(), Qt::LeftButton); // values follow a step
        QCOMPARE(spoken(&view), QStringLiteral("Tavrin"));
        QCOMPARE(spoken(view.Command1), QStringLiteral("Print"));
        QCOMPARE(spoken(view.yearBox()), QStringLiteral("Selected year"));
        QCOMPARE(spoken(view.yearBox(), QAccessible::Value), QStringLiteral("2027"));
        QCOMPARE(spoken(view.panel(1)), QStringLiteral("January"));
        QCOMPARE(spoken(view.panel(12)), QStringLiteral("December"));
        QCOMPARE(spoken(view.SpinButton1->upArrow()), QStringLiteral("Next year"));
        QAccessibleInterface* spin = QAccessible::queryAccessibleInterface(view.SpinButton1);
        QCOMPARE(spin->role(), QAccessible::SpinBox);
        QCOMPARE(spin->text(QAccessible::Name), QStringLiteral("Year"));
        QCOMPARE(spin->text(QAccessible::Value), QStringLiteral("2027"));
        QCOMPARE(spin->valueInterface()->maximumValue().toInt(), 3000);
    }

    void days_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::newRow("first cell") << 2022 << 1 << 0 << "Saturday 1 January 2022";
        QTest::newRow("last day") << 2022 << 12 << 35 << "Saturday 31 December 2022";
        QTest::newRow("leap day") << 2024 << 2 << 33 << "Thursday 29 February 2024";
        QTest::newRow("blank before") << 2021 << 1 << 0 << "";
        QTest::newRow("blank after") << 2021 << 2 << 34 << "";
        QTest::newRow("year 0") << 0 << 1 << 0 << "Saturday 1 January 0";
    }

    void days()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, index);
        QFETCH(QString, name);
        // Start a year earlier and step: names must follow the drawing.
        Planner planner(std::chrono::year{std::max(year - 1, 0)} / 5 / 5);
        QVERIFY(planner.start());
        if (year > 0)
            QTest::mouseClick(planner.window->SpinButton1->upArrow(), Qt::LeftButton);
        QCOMPARE(spoken(planner.window->Txt(month).at(index)), name);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
