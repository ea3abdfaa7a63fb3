// Screen readers and the keyboard. Run by tst_atspi.py --run: without an
// accessibility bus Qt hands out no accessibility events at all.

#include "windowtest.h"

#include <QAccessible>

using namespace tavrin;
using namespace tavrin::test;
using namespace std::chrono;

static std::vector<QObject*> heard; // the objects of the events Qt hands out

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(QTest::qWaitFor(QAccessible::isActive), "no accessibility bus"); }

    // Catches a step that floods readers (each name cleared, then set again),
    // that leaves a changed day name unannounced, or announces an unchanged
    // one. 2021 to 2022: days move into blank cells and out of others.
    void stepAnnouncesChangedNamesOnce()
    {
        Planner planner(year{2021} / 5 / 5);
        QVERIFY(planner.start());
        std::map<DayCell*, QString> before;
        for (int month = 1; month <= 12; ++month)
            for (const auto& [index, cell] : planner.window->Txt(month))
                before[cell] = cell->dayName();
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) { heard.push_back(event->object()); });
        QTest::mouseClick(planner.window->SpinButton1->upArrow(), Qt::LeftButton);
        QAccessible::installUpdateHandler(nullptr);
        for (const auto& [cell, was] : before)
            QVERIFY2(std::ranges::count(heard, cell) == (cell->dayName() != was), qPrintable(cell->objectName()));
    }

    // Catches a keyboard user who cannot reach, move through or mark January
    // or see where they are, a focus frame drawn without keyboard use, Space
    // on Print printing nothing or losing the focus, and Enter printing.
    void keyboard()
    {
        Planner planner(year{2022} / 5 / 5); // 1 January in cell 0
        QVERIFY(planner.start());
        auto& view = *planner.window;
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QCOMPARE(QApplication::focusWidget(), view.SpinButton1);
        const auto framed = [&view](int index) { // the focus frame's colour at the cell's left edge
            return view.Txt(1).at(index)->grab().toImage().pixelColor(1, 5) == view.palette().color(QPalette::Highlight); };
        view.panel(1)->setFocus(); // not by keyboard: no frame
        QVERIFY(!framed(0));
        view.SpinButton1->setFocus();
        QTest::keySequence(view.windowHandle(), QKeySequence(QStringLiteral("Tab, Right, Down, Space")));
        QVERIFY(framed(8) && !framed(1) && !framed(9)); // the frame moved on, from 0 by 1 to 8, alone
        QCOMPARE(back(view.Txt(1).at(8)), kRed);
        QTest::keySequence(view.windowHandle(), QKeySequence(QStringLiteral("Tab, Space, Space, Return")));
        QCOMPARE(planner.printer->pages.size(), 2u);
        QCOMPARE(QApplication::focusWidget(), view.Command1);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
