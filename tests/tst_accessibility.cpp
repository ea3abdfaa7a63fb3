#include "windowtest.h"

#include <QAccessible>

using namespace tavrin;
using namespace tavrin::test;
using namespace std::chrono;

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
    void controls();
    void days_data();
    void days();
};

void TestAccessibility::controls()
{
    Planner planner;
    QVERIFY(planner.start());
    auto& view = *planner.window;
    QCOMPARE(spoken(&view), QStringLiteral("Tavrin"));
    QCOMPARE(spoken(view.Command1), QStringLiteral("Print"));
    QCOMPARE(spoken(view.yearBox()), QStringLiteral("Selected year"));
    QCOMPARE(spoken(view.yearBox(), QAccessible::Value), QStringLiteral("2026"));
    QCOMPARE(spoken(view.panel(1)), QStringLiteral("January"));
    QCOMPARE(spoken(view.panel(12)), QStringLiteral("December"));

    auto* spin = QAccessible::queryAccessibleInterface(view.SpinButton1);
    QCOMPARE(spin->role(), QAccessible::SpinBox);
    QCOMPARE(spin->text(QAccessible::Name), QStringLiteral("Year"));
    QTest::mouseClick(view.SpinButton1->upArrow(), Qt::LeftButton);
    QCOMPARE(spin->text(QAccessible::Value), QStringLiteral("2027"));
    QCOMPARE(spin->valueInterface()->maximumValue().toInt(), 3000);
    QCOMPARE(spoken(view.SpinButton1->upArrow()), QStringLiteral("Next year"));
}

void TestAccessibility::days_data()
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

void TestAccessibility::days()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, index);
    QFETCH(QString, name);
    // Start a year earlier and step: names must follow the render.
    Planner planner(std::chrono::year{year == 0 ? 0 : year - 1} / 5 / 5);
    QVERIFY(planner.start());
    auto& view = *planner.window;
    if (year > 0)
        QTest::mouseClick(view.SpinButton1->upArrow(), Qt::LeftButton);
    QCOMPARE(spoken(view.Txt(month).at(index)), name);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
