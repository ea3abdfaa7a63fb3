#include "windowtest.h"

using namespace tavrin;
using namespace tavrin::test;
using namespace std::chrono;

class TestYearSelection : public QObject
{
    Q_OBJECT
private slots:
    void step_data();
    void step();
    void roundTrip();
    void keyboard();
    void heldArrow();
    void valueFromCode();
};

void TestYearSelection::step_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("up");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("januaryFirst"); // cell of 1 January in the shown year
    QTest::newRow("2026 up") << 2026 << true << 2027 << 6;
    QTest::newRow("2026 down") << 2026 << false << 2025 << 4;
    QTest::newRow("3000 up stays") << 3000 << true << 3000 << 4;
    QTest::newRow("1 down to 0") << 1 << false << 0 << 0;
    QTest::newRow("1000 down") << 1000 << false << 999 << 3;
    QTest::newRow("6 down") << 6 << false << 5 << 0;
}

void TestYearSelection::step()
{
    QFETCH(int, start);
    QFETCH(bool, up);
    QFETCH(int, shown);
    QFETCH(int, januaryFirst);
    Planner planner(year{start} / 12 / 6);
    QVERIFY(planner.start());
    auto& view = *planner.window;
    auto* spin = view.SpinButton1;
    QTest::mouseClick(up ? spin->upArrow() : spin->downArrow(), Qt::LeftButton);
    QCOMPARE(spin->Value(), shown);
    QCOMPARE(view.yearBox()->text(), QString::number(shown));
    QCOMPARE(view.model().YearText, std::to_string(shown));
    QCOMPARE(captions(view, 1), expectedCaptions(1, januaryFirst, 31));
    const int february = year{shown}.is_leap() ? 29 : 28;
    QCOMPARE(view.model().StartCell[1], (januaryFirst + 3) % 7 + february);
    if (shown == 0) { // year 0 stays, and is drawn again on a further step down
        QTest::mouseClick(spin->downArrow(), Qt::LeftButton);
        QCOMPARE(view.yearBox()->text(), QStringLiteral("0"));
        QCOMPARE(february, 29);
    }
}

void TestYearSelection::roundTrip()
{
    Planner planner;
    QVERIFY(planner.start());
    auto& view = *planner.window;
    const QString before = captions(view, 1);
    view.Txt1_Click(10);
    view.Txt1_Click(40);
    for (auto* arrow : {view.SpinButton1->upArrow(), view.SpinButton1->upArrow(),
                        view.SpinButton1->downArrow(), view.SpinButton1->downArrow()})
        QTest::mouseClick(arrow, Qt::LeftButton);
    QCOMPARE(view.yearBox()->text(), QStringLiteral("2026"));
    QCOMPARE(captions(view, 1), before);
    QCOMPARE(back(view.Txt(1).at(10)), kWhite);
    QCOMPARE(back(view.Txt(1).at(40)), kRed);
}

void TestYearSelection::keyboard()
{
    Planner planner;
    QVERIFY(planner.start());
    auto& view = *planner.window;
    view.SpinButton1->setFocus();
    QTest::keyClick(view.SpinButton1, Qt::Key_Up);
    QTest::keyClick(view.SpinButton1, Qt::Key_Up);
    QTest::keyClick(view.SpinButton1, Qt::Key_Down);
    QCOMPARE(view.yearBox()->text(), QStringLiteral("2027"));
    QCOMPARE(captions(view, 1), expectedCaptions(1, 6, 31));
}

void TestYearSelection::heldArrow()
{
    Planner planner;
    QVERIFY(planner.start());
    auto* up = planner.window->SpinButton1->upArrow();
    QVERIFY(up->autoRepeat());
    QCOMPARE(up->autoRepeatDelay(), 5 * planner.window->SpinButton1->Delay());
    QCOMPARE(up->autoRepeatInterval(), planner.window->SpinButton1->Delay());
    // Held past the first repeat: more than one step, each one rendered.
    QTest::mousePress(up, Qt::LeftButton);
    QTest::qWait(up->autoRepeatDelay() + 3 * up->autoRepeatInterval());
    QTest::mouseRelease(up, Qt::LeftButton);
    const int year = planner.window->SpinButton1->Value();
    QVERIFY2(year >= 2028, qPrintable(QString::number(year)));
    QCOMPARE(planner.window->yearBox()->text(), QString::number(year));
}

void TestYearSelection::valueFromCode()
{
    Planner planner;
    QVERIFY(planner.start());
    auto* spin = planner.window->SpinButton1;
    int steps = 0;
    connect(spin, &SpinButton::SpinUp, [&steps] { ++steps; });
    spin->setValue(5000);
    QCOMPARE(spin->Value(), 3000);
    spin->setValue(-4);
    QCOMPARE(spin->Value(), 0);
    QCOMPARE(steps, 0);
    QCOMPARE(planner.window->yearBox()->text(), QStringLiteral("2026")); // nothing rendered
}

QTEST_MAIN(TestYearSelection)
#include "tst_yearselection.moc"
