// SPDX-License-Identifier: GPL-3.0-or-later
// Screen readers and the keyboard, through Qt's accessible interfaces as its
// AT-SPI bridge reads them. Run by tst_orca.py --run: without an
// accessibility bus Qt hands out no accessibility events at all.

#include "windowtest.h"

#include <QAccessible>
#include <QtDBus>
#include <cmath>

using namespace tavrin;
using namespace tavrin::test;
using namespace std::chrono;

namespace {

// The events Qt's AT-SPI bridge sends on: of text events, those of objects
// that offer their text at the time.
std::vector<std::pair<QAccessible::Event, QAccessible::Id>> heard;
void hear(QAccessibleEvent* event)
{
    if (event->type() != QAccessible::TextUpdated || event->accessibleInterface()->textInterface())
        heard.emplace_back(event->type(), QAccessible::uniqueId(event->accessibleInterface()));
}

QAccessibleInterface* dayAt(YearView& view, int month, int day)
{
    return QAccessible::queryAccessibleInterface(view.panel(month))->child(view.months().grid(month).firstSlot() + day - 1);
}

// Calls an object over the accessibility bus as a reader does: the reply's
// arguments (structures as "*"), "error", or "no answer" within 5 s.
QString ask(QAccessibleInterface* object, const QString& call, const QVariantList& args)
{
    static QDBusConnection reader =
        QDBusConnection::connectToBus(QDBusConnection::sessionBus()
                                          .call(QDBusMessage::createMethodCall("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress"))
                                          .arguments()
                                          .value(0)
                                          .toString(),
                                      "reader");
    const QString path = object->role() == QAccessible::Application ? "root" : QString::number(QAccessible::uniqueId(object));
    auto message = QDBusMessage::createMethodCall(QDBusConnection("a11y").baseService(), "/org/a11y/atspi/accessible/" + path,
                                                  (call.startsWith("Properties") ? "org.freedesktop.DBus." : "org.a11y.atspi.") + call.section('.', 0, 0),
                                                  call.section('.', 1));
    message.setArguments(args);
    QDBusPendingCallWatcher watcher(reader.asyncCall(message, 5000));
    const bool answered = QTest::qWaitFor([&] { return watcher.isFinished(); }, 6000);
    QStringList reply;
    for (const QVariant& arg : watcher.reply().arguments())
        reply << (arg.userType() == qMetaTypeId<QDBusArgument>() ? "*" : arg.toString());
    return !answered ? "no answer" : watcher.isError() ? "error" : reply.join(", ");
}

// Whether each object below lists its children as their parent, at their index.
bool whole(QAccessibleInterface* node)
{
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* child = node->child(i); !child || child->parent() != node || node->indexOfChild(child) != i || !whole(child))
            return false;
    return true;
}

// A reader's call to an object of the planner, and the reply it gets.
// clang-format off
struct Call { QString object, call; QVariantList args; QString reply; };
// clang-format on

// A step of the year from one to another by a key, or by a value a reader
// sets, and the notice that tells the end reached.
// clang-format off
struct YearStep { int from; QVariant input; int to; QString told; };
// clang-format on

// Whether a day shows the focus frame on the screen, as last painted there.
bool framed(const QWidget* cell)
{
    const QPoint at = cell->mapTo(cell->window(), QPoint(1, 5));
    return cell->screen()->grabWindow(cell->window()->winId(), at.x(), at.y(), 1, 1).toImage().pixelColor(0, 0) == cell->palette().color(QPalette::Highlight);
}

// Counts the key presses that reach the window after its controls had them.
struct KeysPastControls : QObject
{
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override { return count += event->type() == QEvent::KeyPress, false; }
};

// A planner on a day of `year`, shown and active, the keyboard on the year.
struct Active : Planner
{
    explicit Active(int year) : Planner(std::chrono::year{year} / 5 / 5)
    {
        QVERIFY(start());
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get(), kEventually));
    }
    void keys(const QString& keys)
    {
        for (const QString& key : keys.split(QStringLiteral(", ")))
            QTest::keySequence(window->windowHandle(), QKeySequence(key));
    }
};

} // namespace

Q_DECLARE_METATYPE(Call)
Q_DECLARE_METATYPE(YearStep)

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(QTest::qWaitFor(QAccessible::isActive, kEventually), "no accessibility bus"); }
    void cleanup() { QAccessible::installUpdateHandler(nullptr), heard.clear(); }

    // Catches a step that floods readers (an event per day, the year box's
    // text deleted and inserted besides its new name), one that keeps
    // the days' identities, so readers go on reading last year's names, a
    // year box that reads as a wrong range or word, or dimmed, and a held
    // arrow slower than a step on the press, at 250 ms, then every 50 ms.
    // Then every month reads as a table named for it (not for its
    // neighbour, December's name asked for as well) of its new days, each
    // cell where readers ask for it, its blank cells hidden, no column
    // selected; its title and headers are in the window's tree, where a
    // reader reviewing the screen finds them.
    void step()
    {
        Active planner(2021);
        auto& view = *planner.window;
        const auto before = QAccessible::uniqueId(dayAt(view, 2, 1));
        auto* box = QAccessible::queryAccessibleInterface(view.yearBox());
        QAccessible::installUpdateHandler(hear);
        planner.keys("Up");
        const std::pair boxTextChanged(QAccessible::TextUpdated, QAccessible::uniqueId(box));
        QVERIFY2(heard.size() <= 20 && !std::ranges::count(heard, boxTextChanged), qPrintable(QString::number(heard.size())));
        QVERIFY(!QAccessible::accessibleInterface(before));
        int start = -1, end = -1;
        QCOMPARE(box->textInterface()->textAtOffset(2, QAccessible::WordBoundary, &start, &end), "2022");
        QCOMPARE(box->textInterface()->text(start, end) + QString::number(start), "20220");
        QVERIFY(!box->state().disabled && end == box->textInterface()->characterCount());
        QVERIFY(box->rect().contains(box->textInterface()->characterRect(3)));
        for (const int offset : {-1, 4}) // at the end, by word and sentence
            QCOMPARE(box->textInterface()->textAtOffset(offset, QAccessible::WordBoundary, &start, &end)
                         + box->textInterface()->textAtOffset(offset, QAccessible::SentenceBoundary, &start, &end) + QString::number(start + end),
                     "202220224");
        for (const auto* arrow : {view.SpinButton1()->upArrow(), view.SpinButton1()->downArrow()})
            QCOMPARE(std::tuple(arrow->autoRepeat(), arrow->autoRepeatDelay(), arrow->autoRepeatInterval()), std::tuple(true, 250, 50));
        for (unsigned month = 1; month <= 12; ++month) {
            auto* window = QAccessible::queryAccessibleInterface(&view);
            for (const int text : {kMonthPanels.at(month - 1).titleIndex, kMonthPanels.at(month - 1).headerIndexes.at(month % 7)}) {
                auto* box = QAccessible::queryAccessibleInterface(view.WDay().at(text));
                QVERIFY(box->parent() == window && window->child(window->indexOfChild(box)) == box);
            }
            auto* panel = QAccessible::queryAccessibleInterface(view.panel(int(month)));
            QCOMPARE(panel->text(QAccessible::Name), QDate(2022, int(month), 1).toString("MMMM"));
            auto* table = panel->tableInterface();
            int days = 0, hidden = 0;
            for (int cell = 0; cell < table->rowCount() * table->columnCount(); ++cell) {
                const QAccessibleInterface* day = table->cellAt(cell / 7, cell % 7);
                days += day->text(QAccessible::Name).endsWith(" 2022");
                hidden += day->state().invisible;
            }
            QVERIFY(days == int(unsigned((year{2022} / month / last).day())) && hidden == 42 - days && !table->isColumnSelected(int(month % 7)));
        }
    }

    // A reader's call, however wrong, is answered without changing the year
    // or breaking the tree, and never reports done what did nothing: each
    // interface of each kind of object, with arguments out of range, missing
    // or of the wrong kind (the calls that hung, crashed, or set year 0).
    void hostileCalls_data()
    {
        QTest::addColumn<Call>("call");
        const auto set = [](const QVariant& value) { return QVariantList{"org.a11y.atspi.Value", "CurrentValue", QVariant::fromValue(QDBusVariant(value))}; };
        QTest::newRow("attributes off the text") << Call{"year box", "Text.GetAttributeRun", {1000, true}, "*, -1, -1"};
        QTest::newRow("caret before the text") << Call{"year box", "Text.SetCaretOffset", {-1}, "error"};
        QTest::newRow("selection") << Call{"year box", "Text.SetSelection", {0, 0, 2}, "error"};
        QTest::newRow("bounded ranges") << Call{"year box", "Text.GetBoundedRanges", {0, 0, 99, 99, 0u, 0u, 0u}, "error"};
        QTest::newRow("a range to the last int") << Call{"year box", "Text.GetRangeExtents", {0, INT_MAX, 0u}, "error"};
        QTest::newRow("editing") << Call{"year box", "EditableText.SetTextContents", {"1999"}, "error"};
        QTest::newRow("row extent below the weeks") << Call{"table", "Table.GetRowExtentAt", {6, 0}, "0"};
        QTest::newRow("column extent left of them") << Call{"table", "Table.GetColumnExtentAt", {0, -1}, "0"};
        QTest::newRow("selected above them") << Call{"table", "Table.IsSelected", {-1, 0}, "false"};
        QTest::newRow("extents at index 42") << Call{"table", "Table.GetRowColumnExtentsAtIndex", {42}, "true, -1, -1, 0, 0, false"};
        QTest::newRow("a short argument list") << Call{"root", "Accessible.GetChildAtIndex", {}, "error"};
        QTest::newRow("all properties") << Call{"root", "Properties.GetAll", {"org.a11y.atspi.Accessible"}, "error"};
        QTest::newRow("a table call to a day") << Call{"day", "Table.GetNRows", {}, "error"};
        QTest::newRow("a day's focus") << Call{"day", "Component.GrabFocus", {}, "true"};
        QTest::newRow("Print's focus") << Call{"print", "Component.GrabFocus", {}, "true"};
        QTest::newRow("the year a word") << Call{"year", "Properties.Set", set("abc"), "error"};
        QTest::newRow("the year true") << Call{"year", "Properties.Set", set(true), "error"};
        QTest::newRow("the year a number") << Call{"year", "Properties.Set", set(2026.0), ""};
    }
    void hostileCalls()
    {
        QFETCH(Call, call);
        Active planner(2026);
        auto& view = *planner.window;
        const std::map<QString, QObject*> objects{
            {"year box", view.yearBox()}, {"table", view.panel(1)}, {"year", view.SpinButton1()}, {"print", view.Command1()}, {"root", qApp}};
        auto* target = call.object == "day" ? dayAt(view, 1, 5) : QAccessible::queryAccessibleInterface(objects.at(call.object));
        QCOMPARE(ask(target, call.call, call.args), call.reply);
        QCOMPARE(view.yearBox()->text(), "2026");
        QVERIFY(whole(QAccessible::queryAccessibleInterface(qApp)));
        if (call.call.endsWith("GrabFocus"))
            QCOMPARE(QApplication::focusWidget(), call.object == "day" ? static_cast<QWidget*>(view.panel(1)) : view.Command1());
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
            << QString("PgDown, ").repeated(11) + "Down, Down, Down, Down, Down, Right, Right, Right, PgDown" << QDate(2026, 12, 31);
        QTest::newRow("re-entered on the 1st") << "PgDown, Right, Backtab, Tab" << QDate(2026, 1, 1);
    }
    void dayKeys()
    {
        QFETCH(QString, keys);
        QFETCH(QDate, lands);
        Active planner(2026);
        auto& view = *planner.window;
        planner.keys("Tab");
        KeysPastControls past;
        view.installEventFilter(&past);
        planner.keys(keys);
        QCOMPARE(QDate(2026, view.keys().currentMonth(), view.keys().currentDay()), lands);
        QCOMPARE(QApplication::focusWidget(), view.panel(lands.month()));
        QCOMPARE(view.currentCell()->text(), QString::number(lands.day()));
        QCOMPARE(past.count, 0);
        QTRY_VERIFY_WITH_TIMEOUT(framed(view.currentCell()) && (lands.day() == 1 || !framed(view.dayCell(lands.month(), 1))), kEventually);
    }

    // A key on the year, or a reader setting it, is one step drawn once, to
    // the right year, the ends told; what is no finite number changes nothing.
    void yearSteps_data()
    {
        QTest::addColumn<YearStep>("step");
        const auto key = [](Qt::Key key) { return QVariant::fromValue(key); };
        QTest::newRow("page up") << YearStep{2026, key(Qt::Key_PageUp), 2036, ""};
        QTest::newRow("page down to the first") << YearStep{5, key(Qt::Key_PageDown), 0, "year 0, the earliest"};
        QTest::newRow("home") << YearStep{2026, key(Qt::Key_Home), 0, "year 0, the earliest"};
        QTest::newRow("end") << YearStep{2026, key(Qt::Key_End), 3000, "year 3000, the latest"};
        QTest::newRow("up at the last") << YearStep{3000, key(Qt::Key_Up), 3000, "year 3000, the latest"};
        QTest::newRow("NaN") << YearStep{2026, std::nan(""), 2026, ""};
        QTest::newRow("infinite") << YearStep{2026, -HUGE_VAL, 2026, ""};
        QTest::newRow("rounded") << YearStep{2026, 1999.6, 2000, ""};
    }
    void yearSteps()
    {
        QFETCH(YearStep, step);
        const auto& [from, input, to, told] = step;
        Active planner(from);
        auto& view = *planner.window;
        QSignalSpy ups(view.SpinButton1(), &SpinButton::SpinUp), downs(view.SpinButton1(), &SpinButton::SpinDown);
        const bool key = input.typeId() == qMetaTypeId<Qt::Key>();
        if (key)
            QTest::keyClick(view.SpinButton1(), input.value<Qt::Key>());
        else
            QAccessible::queryAccessibleInterface(view.SpinButton1())->valueInterface()->setCurrentValue(input);
        QCOMPARE(view.yearBox()->text(), QString::number(to));
        QCOMPARE(ups.size() + downs.size(), key || to != from ? 1 : 0);
        QCOMPARE(view.notice()->isVisible() ? view.notice()->accessibleName() : QString(), told);
    }

    // Space marks a January day once: its name, re-read by the object the
    // change was told of, says so, readers are told, and it offers only the
    // focus, as February's days do (tst_orca hears Space there say why). On
    // Print, Space and a reader's Press print at once, Enter not, and the
    // focus, parked while Print and the year hide, never falls on a day,
    // whose frame went with the focus.
    void markAndPrint()
    {
        Active planner(2026);
        auto& view = *planner.window;
        planner.keys("Tab");
        auto* first = dayAt(view, 1, 1);
        QCOMPARE(first->actionInterface()->actionNames(), QStringList({"Mark", "SetFocus"}));
        QAccessible::installUpdateHandler(hear);
        planner.keys("Space, Space");
        QCOMPARE(std::ranges::count(heard, std::pair(QAccessible::NameChanged, QAccessible::uniqueId(first))), 1);
        QCOMPARE(QAccessible::accessibleInterface(QAccessible::uniqueId(first))->text(QAccessible::Name), "Thursday 1 January 2026, marked");
        QCOMPARE(first->actionInterface()->actionNames(), QStringList{"SetFocus"});
        planner.keys("PgDown, Space");
        planner.keys("Tab");
        QTRY_VERIFY_WITH_TIMEOUT(!framed(view.dayCell(2, 1)), kEventually);
        planner.keys("Space, Return");
        QVERIFY(dayAt(view, 2, 1)->actionInterface()->actionNames() == QStringList{"SetFocus"} && fromQColor(backColor(view.dayCell(2, 1))) == kWhite);
        QAccessible::queryAccessibleInterface(view.Command1())->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(planner.printer->focus, (QWidgetList{nullptr, nullptr}));
        QCOMPARE(QApplication::focusWidget(), view.Command1());
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
