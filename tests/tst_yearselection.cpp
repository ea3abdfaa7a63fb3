#include "windowtest.h"

using namespace tavrin;
using namespace tavrin::test;
using namespace std::chrono;

class TestYearSelection : public QObject
{
    Q_OBJECT
private slots:
    void step_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("arrows"); // u: up, d: down
        QTest::addColumn<bool>("keys");      // on the keyboard rather than the mouse
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("januaryFirst"); // the cell of 1 January in the shown year
        QTest::newRow("2026 up") << 2026 << "u" << false << 2027 << 6;
        QTest::newRow("2026 down") << 2026 << "d" << false << 2025 << 4;
        QTest::newRow("3000 up stays") << 3000 << "u" << false << 3000 << 4;
        QTest::newRow("1 down to 0") << 1 << "d" << false << 0 << 0;
        QTest::newRow("0 down stays, leap") << 1 << "dd" << false << 0 << 0;
        QTest::newRow("1000 down") << 1000 << "d" << false << 999 << 3;
        QTest::newRow("6 down") << 6 << "d" << false << 5 << 0;
        QTest::newRow("two up, two down") << 2026 << "uudd" << false << 2026 << 5;
        QTest::newRow("keys up, up, down") << 2026 << "uud" << true << 2027 << 6;
    }

    void step()
    {
        QFETCH(int, start);
        QFETCH(QString, arrows);
        QFETCH(bool, keys);
        QFETCH(int, shown);
        QFETCH(int, januaryFirst);
        Planner planner(year{start} / 12 / 6);
        QVERIFY(planner.start());
        auto& view = *planner.window;
        auto* spin = view.SpinButton1;
        view.Txt1_Click(10); // a written cell in every year
        view.Txt1_Click(40); // never written
        spin->setFocus();
        for (const QChar arrow : arrows) {
            if (keys)
                QTest::keyClick(spin, arrow == u'u' ? Qt::Key_Up : Qt::Key_Down);
            else
                QTest::mouseClick(arrow == u'u' ? spin->upArrow() : spin->downArrow(), Qt::LeftButton);
        }
        QCOMPARE(spin->Value(), shown);
        QCOMPARE(view.yearBox()->text(), QString::number(shown));
        QCOMPARE(view.model().YearText, std::to_string(shown));
        QCOMPARE(captions(view, 1), expectedCaptions(1, januaryFirst, 31));
        const int february = year{shown}.is_leap() ? 29 : 28;
        QCOMPARE(view.model().StartCell[1], (januaryFirst + 3) % 7 + february);
        // Each step draws the year afresh: marks on written cells are gone.
        QCOMPARE(back(view.Txt(1).at(10)), kWhite);
        QCOMPARE(back(view.Txt(1).at(40)), kRed);
    }

    void heldArrow()
    {
        Planner planner;
        QVERIFY(planner.start());
        auto* spin = planner.window->SpinButton1;
        auto* up = spin->upArrow();
        QCOMPARE(up->autoRepeatDelay(), 5 * spin->Delay());
        QCOMPARE(up->autoRepeatInterval(), spin->Delay());
        // Held past the first repeat: more than one step, each one drawn.
        QTest::mousePress(up, Qt::LeftButton);
        QTest::qWait(up->autoRepeatDelay() + 3 * up->autoRepeatInterval());
        QTest::mouseRelease(up, Qt::LeftButton);
        QVERIFY2(spin->Value() >= 2028, qPrintable(QString::number(spin->Value())));
        QCOMPARE(planner.window->yearBox()->text(), QString::number(spin->Value()));
    }

    void valueFromCode()
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
        QCOMPARE(planner.window->yearBox()->text(), QStringLiteral("2026")); // nothing drawn
    }
};

QTEST_MAIN(TestYearSelection)
#include "tst_yearselection.moc"
