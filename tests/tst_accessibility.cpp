// Screen readers and the keyboard. Runs where an accessibility bus is up
// (tst_atspi.py --run), so that Qt delivers accessibility events at all.

#include "windowtest.h"

#include <QAccessible>

using namespace tavrin;
using namespace tavrin::test;
using namespace std::chrono;

namespace {

std::vector<QObject*> heard; // objects of the events delivered, in order

void hear(QAccessibleEvent* event)
{
    heard.push_back(event->object());
}

QString name(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

void press(MainWindow& window, Qt::Key key)
{
    QTest::keyClick(window.windowHandle(), key);
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(QTest::qWaitFor(QAccessible::isActive), "no accessibility bus"); }

    // Catches a step that floods readers (names cleared, then set again) or
    // that leaves a changed day name unannounced.
    void stepAnnouncesChangedNamesOnce_data()
    {
        QTest::addColumn<int>("start");
        QTest::newRow("2021 to 2022, days move into blank cells") << 2021;
        QTest::newRow("3000 stays, nothing changes") << 3000;
    }
    void stepAnnouncesChangedNamesOnce()
    {
        QFETCH(int, start);
        Planner planner(year{start} / 5 / 5);
        QVERIFY(planner.start());
        std::map<QObject*, QString> before;
        for (int month = 1; month <= 12; ++month)
            for (const auto& [index, cell] : planner.window->Txt(month))
                before[cell] = name(cell);
        heard.clear();
        const auto platform = QAccessible::installUpdateHandler(hear);
        QTest::mouseClick(planner.window->SpinButton1->upArrow(), Qt::LeftButton);
        QAccessible::installUpdateHandler(platform);
        for (const auto& [cell, was] : before)
            QVERIFY2(std::ranges::count(heard, cell) == (name(cell) != was ? 1 : 0),
                     qPrintable(cell->objectName() + ": " + was + " -> " + name(cell)));
    }

    // Catches a keyboard user who cannot reach, move through or mark January,
    // a Space on Print that prints nothing (or loses the focus), and Enter
    // printing.
    void keyboard()
    {
        Planner planner(year{2022} / 5 / 5); // 1 January in cell 0
        QVERIFY(planner.start());
        auto& view = *planner.window;
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QCOMPARE(QApplication::focusWidget(), view.SpinButton1);
        press(view, Qt::Key_Tab);
        press(view, Qt::Key_Right);
        press(view, Qt::Key_Down);
        press(view, Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), view.panel(1));
        QCOMPARE(view.januaryCell(), view.Txt(1).at(8));
        QCOMPARE(back(view.Txt(1).at(8)), kRed);
        QVERIFY(QAccessible::queryAccessibleInterface(view.Txt(1).at(8))->state().checked);
        press(view, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), view.Command1);
        press(view, Qt::Key_Space);
        press(view, Qt::Key_Space);
        press(view, Qt::Key_Return);
        QCOMPARE(planner.printer->pages.size(), 2u);
        QCOMPARE(QApplication::focusWidget(), view.Command1);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
