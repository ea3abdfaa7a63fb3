// Screen readers and the keyboard, through Qt's accessible interfaces as its
// AT-SPI bridge reads them. Run by tst_orca.py --run: without an
// accessibility bus Qt hands out no accessibility events at all.

#include "windowtest.h"

#include <QAccessible>
#include <QSignalSpy>
#include <cmath>

using namespace tavrin;
using namespace tavrin::test;
using namespace std::chrono;

namespace {

std::vector<std::pair<QAccessible::Event, QAccessible::Id>> heard; // events Qt hands out

void listen()
{
    heard.clear();
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        heard.emplace_back(event->type(), QAccessible::uniqueId(event->accessibleInterface()));
    });
}

QAccessibleInterface* dayAt(YearView& view, int month, int day)
{
    return QAccessible::queryAccessibleInterface(view.panel(month))->child(view.firstSlot(month) + day - 1);
}

// Notes where the focus is at each print.
struct FocusAtPrint : PageCollector
{
    QWidgetList focus;
    void print(QWidget& window) override { focus << QApplication::focusWidget(), PageCollector::print(window); }
};

// Counts the key presses that reach the window after its controls had them.
struct KeysPastControls : QObject
{
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override { return count += event->type() == QEvent::KeyPress, false; }
};

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(QTest::qWaitFor(QAccessible::isActive), "no accessibility bus"); }
    void cleanup() { QAccessible::installUpdateHandler(nullptr); }

    // Catches a step that floods readers (an event per day), and one that
    // keeps the days' identities, so readers go on reading last year's names.
    void step()
    {
        Planner planner(year{2021} / 5 / 5);
        QVERIFY(planner.start());
        auto& view = *planner.window;
        const auto before = QAccessible::uniqueId(dayAt(view, 2, 1));
        listen();
        QTest::keyClick(view.SpinButton1, Qt::Key_Up);
        QVERIFY2(heard.size() <= 20, qPrintable(QString::number(heard.size())));
        QVERIFY(!QAccessible::accessibleInterface(before));
        QCOMPARE(dayAt(view, 2, 1)->text(QAccessible::Name), "Tuesday 1 February 2022");
        QCOMPARE(dayAt(view, 2, 1)->tableCellInterface()->columnHeaderCells().at(0)->text(QAccessible::Name), "Tue");
    }

    // From 1 January 2026, as Tab enters the block, the keys move the day:
    // never onto a blank cell or out of the year, each handled key stopping
    // at its panel, the focus on the day's panel and its frame on the day.
    void dayKeys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QDate>("lands");
        QTest::newRow("left, up, page up at the first day") << "Left, Up, PgUp" << QDate(2026, 1, 1);
        QTest::newRow("into February") << "Down, Down, Down, Down, Right, Right, Right" << QDate(2026, 2, 1);
        QTest::newRow("a month on from the 31st") << "Down, Down, Down, Down, Right, Right, PgDown" << QDate(2026, 2, 28);
        QTest::newRow("out of February") << "PgDown, Down, Down, Down, Down, Down" << QDate(2026, 3, 8);
        QTest::newRow("back across the new month") << "PgDown, PgDown, Left" << QDate(2026, 2, 28);
        QTest::newRow("down, right, page down past December 31")
            << "PgDown, PgDown, PgDown, PgDown, PgDown, PgDown, PgDown, PgDown, PgDown, PgDown, PgDown, Down, "
               "Down, Down, Down, Down, Right, Right, Right, PgDown" << QDate(2026, 12, 31);
        QTest::newRow("re-entered on the 1st") << "PgDown, Right, Backtab, Tab" << QDate(2026, 1, 1);
    }
    void dayKeys()
    {
        QFETCH(QString, keys);
        QFETCH(QDate, lands);
        Planner planner(year{2026} / 5 / 5);
        QVERIFY(planner.start());
        auto& view = *planner.window;
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QTest::keyClick(view.SpinButton1, Qt::Key_Tab);
        KeysPastControls past;
        view.installEventFilter(&past);
        for (const QString& key : keys.split(QStringLiteral(", ")))
            QTest::keySequence(view.windowHandle(), QKeySequence(key));
        QCOMPARE(QDate(2026, view.currentMonth(), view.currentDay()), lands);
        QCOMPARE(QApplication::focusWidget(), view.panel(lands.month()));
        QCOMPARE(view.currentCell()->text(), QString::number(lands.day()));
        QCOMPARE(past.count, 0);
        const auto framed = [&view](DayCell* cell) { return cell->grab().toImage().pixelColor(1, 5) == view.palette().color(QPalette::Highlight); };
        QVERIFY(framed(view.currentCell()) && (lands.day() == 1 || !framed(view.dayCell(lands.month(), 1))));
    }

    // Each key on the year is one step, drawn once; the ends are told.
    void yearKeys_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("told");
        QTest::newRow("page up") << 2026 << Qt::Key_PageUp << 2036 << "";
        QTest::newRow("page down") << 2026 << Qt::Key_PageDown << 2016 << "";
        QTest::newRow("page down to the first") << 5 << Qt::Key_PageDown << 0 << "first year";
        QTest::newRow("home") << 2026 << Qt::Key_Home << 0 << "first year";
        QTest::newRow("end") << 2026 << Qt::Key_End << 3000 << "last year";
        QTest::newRow("up at the last") << 3000 << Qt::Key_Up << 3000 << "last year";
    }
    void yearKeys()
    {
        QFETCH(int, from);
        QFETCH(Qt::Key, key);
        QFETCH(int, to);
        QFETCH(QString, told);
        Planner planner(year{from} / 5 / 5);
        QVERIFY(planner.start());
        auto& view = *planner.window;
        QSignalSpy ups(view.SpinButton1, &SpinButton::SpinUp), downs(view.SpinButton1, &SpinButton::SpinDown);
        QTest::keyClick(view.SpinButton1, key);
        QCOMPARE(view.yearBox()->text(), QString::number(to));
        QCOMPARE(ups.size() + downs.size(), 1);
        QCOMPARE(view.notice()->isVisible() ? view.notice()->accessibleName() : QString(), told);
    }

    // What is not a finite number changes nothing; a number steps there once.
    void setValue_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("year");
        QTest::newRow("not a number") << QVariant("next") << 2026;
        QTest::newRow("NaN") << QVariant(std::nan("")) << 2026;
        QTest::newRow("infinite") << QVariant(-HUGE_VAL) << 2026;
        QTest::newRow("rounded") << QVariant(1999.6) << 2000;
        QTest::newRow("beyond the end") << QVariant(1e12) << 3000;
    }
    void setValue()
    {
        QFETCH(QVariant, value);
        QFETCH(int, year);
        Planner planner(std::chrono::year{2026} / 5 / 5);
        QVERIFY(planner.start());
        auto& view = *planner.window;
        QSignalSpy ups(view.SpinButton1, &SpinButton::SpinUp), downs(view.SpinButton1, &SpinButton::SpinDown);
        QAccessible::queryAccessibleInterface(view.SpinButton1)->valueInterface()->setCurrentValue(value);
        QCOMPARE(view.yearBox()->text(), QString::number(year));
        QCOMPARE(ups.size() + downs.size(), year == 2026 ? 0 : 1);
    }

    // The year box reads as its year: whole, one word, not dimmed.
    void yearBox()
    {
        Planner planner(year{2026} / 5 / 5);
        QVERIFY(planner.start());
        auto* box = QAccessible::queryAccessibleInterface(planner.window->yearBox());
        auto* text = box->textInterface();
        int start = -1, end = -1;
        QCOMPARE(text->text(0, text->characterCount()), "2026");
        QCOMPARE(text->textAtOffset(2, QAccessible::WordBoundary, &start, &end), "2026");
        QCOMPARE(std::pair(start, end), std::pair(0, 4));
        QVERIFY(!box->state().disabled);
    }

    // Space marks a January day once: its name says so, readers are told,
    // and it offers nothing more; February's days offer nothing at all.
    void marking()
    {
        Planner planner(year{2026} / 5 / 5);
        QVERIFY(planner.start());
        auto& view = *planner.window;
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QTest::keyClick(view.SpinButton1, Qt::Key_Tab);
        auto* first = dayAt(view, 1, 1);
        QCOMPARE(first->actionInterface()->actionNames(), QStringList{"Mark"});
        listen();
        QTest::keySequence(view.windowHandle(), QKeySequence(QStringLiteral("Space, Space")));
        QCOMPARE(std::ranges::count(heard, std::pair(QAccessible::NameChanged, QAccessible::uniqueId(first))), 1);
        QCOMPARE(first->text(QAccessible::Name), "Thursday 1 January 2026, marked");
        QVERIFY(first->actionInterface()->actionNames().isEmpty());
        QCOMPARE(view.notice()->accessibleName(), "marked");
        QTest::keySequence(view.windowHandle(), QKeySequence(QStringLiteral("PgDown, Space")));
        QVERIFY(dayAt(view, 2, 1)->actionInterface()->actionNames().isEmpty());
        QCOMPARE(back(view.dayCell(2, 1)), kWhite);
    }

    // A press parks the focus while Print and the year hide: it never falls
    // on January's days, and comes back. Space prints at once, Enter not.
    void printFocus()
    {
        const auto sink = std::make_shared<FocusAtPrint>();
        Planner planner(year{2026} / 5 / 5, sink);
        QVERIFY(planner.start());
        auto& view = *planner.window;
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QTest::keySequence(view.windowHandle(), QKeySequence(QStringLiteral("Tab, Tab, Space, Space, Return")));
        QCOMPARE(sink->focus, QWidgetList(2, nullptr));
        QCOMPARE(QApplication::focusWidget(), view.Command1);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
