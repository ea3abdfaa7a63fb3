// SPDX-License-Identifier: GPL-3.0-or-later
// Screen readers and the keyboard, through Qt's accessible interfaces as its
// AT-SPI bridge reads them. Run in session/with-a11y-session: without an
// accessibility bus Qt hands out no accessibility events at all.

#include "accessibility.h"
#include "atspicalls.h"
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
    return QAccessible::queryAccessibleInterface(view.panel(month))->child(0)->child(day - 1);
}

// A reader's own connection to the accessibility bus; each number is another reader.
QDBusConnection reader(int number)
{
    static const QString address = QDBusConnection::sessionBus()
                                       .call(QDBusMessage::createMethodCall("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress"))
                                       .arguments()
                                       .value(0)
                                       .toString();
    return QDBusConnection::connectToBus(address, "reader" + QString::number(number));
}

QString pathOf(QAccessibleInterface* object)
{
    return "/org/a11y/atspi/accessible/" + (object->role() == QAccessible::Application ? "root" : QString::number(QAccessible::uniqueId(object)));
}

// A reader's call, "Interface.Member" of AT-SPI or of D-Bus's Properties, sent without waiting.
QDBusPendingCall send(const QString& path, const QString& call, const QVariantList& args, int number = 0)
{
    auto message = QDBusMessage::createMethodCall(
        QDBusConnection("a11y").baseService(), path,
        (call.startsWith("Properties") || call.startsWith("Introspectable") ? "org.freedesktop.DBus." : "org.a11y.atspi.") + call.section('.', 0, 0),
        call.section('.', 1));
    message.setArguments(args);
    return reader(number).asyncCall(message, kEventually);
}

// Its answer once there: the reply's arguments (a variant's content, structures as "*"), or the error's name.
QString answer(QDBusPendingCall pending)
{
    QDBusPendingCallWatcher watcher(pending);
    QEventLoop loop; // not a wait in steps of 10 ms, as walks send thousands
    QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
    if (!pending.isFinished())
        loop.exec();
    QStringList reply;
    for (QVariant arg : pending.reply().arguments()) {
        if (arg.userType() == qMetaTypeId<QDBusVariant>())
            arg = arg.value<QDBusVariant>().variant();
        reply << (arg.userType() == qMetaTypeId<QDBusArgument>() ? "*" : arg.toString());
    }
    return pending.isError() ? pending.error().name().section('.', -1) : reply.join(", ");
}

// What the planner writes of the calls it refuses, and whether it could not stand before Qt's bridge to check them.
int refusalsLogged = 0, unchecked = 0;
QtMessageHandler testLog = nullptr;
void countRefusals(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    refusalsLogged += text.startsWith("tavrin: refused");
    unchecked += text.contains("calls go unchecked");
    testLog(type, context, text);
}

// Whether each object below lists its children as their parent, at their index.
bool whole(QAccessibleInterface* node)
{
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* child = node->child(i); !child || child->parent() != node || node->indexOfChild(child) != i || !whole(child))
            return false;
    return true;
}

// A reader's call to an object of the planner, the answer it gets, and which reader sends it.
// clang-format off
struct Call { QString object, call; QVariantList args; QString reply; int reader = 0; };
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
    void initTestCase()
    {
        testLog = qInstallMessageHandler(countRefusals);
        installAccessibility(); // as the planner does: before Qt's bridge turns active
        QVERIFY2(QTest::qWaitFor(QAccessible::isActive, kEventually), "no accessibility bus");
        QCOMPARE(unchecked, 0);
    }
    void cleanup() { QAccessible::installUpdateHandler(nullptr), heard.clear(); }

    // Catches a step that floods readers (an event per day, the year box's
    // text deleted and inserted besides its new name), one that keeps
    // the days' identities, so readers go on reading last year's names, a
    // year box that reads as a wrong range or word, or dimmed, and a held
    // arrow slower than a step on the press, at 250 ms, then every 50 ms.
    // Then every month reads as a table named for it (not for its
    // neighbour, December's name asked for as well) of its new days, each
    // cell where readers ask for it, its blank cells hidden, no column
    // selected; its title and headers are in its tree, where a reader
    // reviewing the screen finds them.
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
        QVERIFY(!box->state().disabled && end == box->textInterface()->characterCount());
        QVERIFY(box->rect().contains(box->textInterface()->characterRect(3)));
        for (const auto* arrow : {view.SpinButton1()->upArrow(), view.SpinButton1()->downArrow()})
            QCOMPARE(std::tuple(arrow->autoRepeat(), arrow->autoRepeatDelay(), arrow->autoRepeatInterval()), std::tuple(true, 250, 50));
        for (unsigned month = 1; month <= 12; ++month) {
            auto* panel = QAccessible::queryAccessibleInterface(view.panel(int(month)));
            for (const int text : {kMonthPanels.at(month - 1).titleIndex, kMonthPanels.at(month - 1).headerIndexes.at(month % 7)}) {
                auto* box = QAccessible::queryAccessibleInterface(view.WDay().at(text));
                QVERIFY(box->parent() == panel && panel->child(panel->indexOfChild(box)) == box);
            }
            QCOMPARE(panel->text(QAccessible::Description), QDate(2022, int(month), 1).toString("MMMM"));
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
    // or of the wrong kind (the calls that hung, crashed, or set year 0). Each
    // reader sends its calls back to back, and again once all are answered,
    // for the time given: calls that arrive together are each judged as
    // themselves, and the log names each kind of refusal at most once.
    void hostileCalls_data()
    {
        QTest::addColumn<QList<Call>>("calls");
        QTest::addColumn<int>("ms");
        const auto set = [](const QVariant& value) { return QVariantList{"org.a11y.atspi.Value", "CurrentValue", QVariant::fromValue(QDBusVariant(value))}; };
        const Call bad{"year", "Action.DoAction", {}, "InvalidArgs"}, badChild{"root", "Accessible.GetChildAtIndex", {}, "InvalidArgs"},
            word{"year", "Properties.Set", set("abc"), "InvalidArgs"};
        const Call value{"year", "Properties.Get", {"org.a11y.atspi.Value", "CurrentValue"}, "2026"}, role{"root", "Accessible.GetRole", {}, "75"};
        QTest::newRow("attributes off the text") << QList<Call>{{"year box", "Text.GetAttributeRun", {1000, true}, "*, -1, -1"}} << 0;
        QTest::newRow("caret before the text") << QList<Call>{{"year box", "Text.SetCaretOffset", {-1}, "NotSupported"}} << 0;
        QTest::newRow("selection") << QList<Call>{{"year box", "Text.SetSelection", {0, 0, 2}, "NotSupported"}} << 0;
        QTest::newRow("bounded ranges") << QList<Call>{{"year box", "Text.GetBoundedRanges", {0, 0, 99, 99, 0u, 0u, 0u}, "NotSupported"}} << 0;
        QTest::newRow("a range to the last int") << QList<Call>{{"year box", "Text.GetRangeExtents", {0, INT_MAX, 0u}, "InvalidArgs"}} << 0;
        QTest::newRow("editing") << QList<Call>{{"year box", "EditableText.SetTextContents", {"1999"}, "UnknownInterface"}} << 0;
        QTest::newRow("row extent below the weeks") << QList<Call>{{"table", "Table.GetRowExtentAt", {6, 0}, "0"}} << 0;
        QTest::newRow("column extent left of them") << QList<Call>{{"table", "Table.GetColumnExtentAt", {0, -1}, "0"}} << 0;
        QTest::newRow("selected above them") << QList<Call>{{"table", "Table.IsSelected", {-1, 0}, "false"}} << 0;
        QTest::newRow("extents at index 42") << QList<Call>{{"table", "Table.GetRowColumnExtentsAtIndex", {42}, "NotSupported"}} << 0;
        QTest::newRow("an action out of range") << QList<Call>{{"year", "Action.DoAction", {7}, "InvalidArgs"}} << 0;
        QTest::newRow("all properties") << QList<Call>{{"root", "Properties.GetAll", {"org.a11y.atspi.Accessible"}, "NotSupported"}} << 0;
        QTest::newRow("a table call to a day") << QList<Call>{{"day", "Table.GetNRows", {}, "UnknownInterface"}} << 0;
        QTest::newRow("text asked of the year") << QList<Call>{{"year", "Text.GetText", {0, -1}, "UnknownInterface"}} << 0;
        QTest::newRow("a value asked of a day") << QList<Call>{{"day", "Properties.Get", {"org.a11y.atspi.Value", "CurrentValue"}, "UnknownInterface"}} << 0;
        QTest::newRow("a range from before the text") << QList<Call>{{"year box", "Text.GetRangeExtents", {INT_MIN, 1, 0u}, "InvalidArgs"}} << 0;
        QTest::newRow("a property Qt does not know") << QList<Call>{{"root", "Properties.Get", {"org.a11y.atspi.Accessible", "Locale"}, "UnknownProperty"}}
                                                     << 0;
        QTest::newRow("a name set")
            << QList<Call>{{"year", "Properties.Set", {"org.a11y.atspi.Accessible", "Name", QVariant::fromValue(QDBusVariant("x"))}, "PropertyReadOnly"}} << 0;
        QTest::newRow("a method Qt does not know") << QList<Call>{{"root", "Application.GetApplicationBusAddress", {}, "UnknownMethod"}} << 0;
        QTest::newRow("the year no number") << QList<Call>{{"year", "Properties.Set", set(std::nan("")), "InvalidArgs"}} << 0;
        QTest::newRow("a day's focus") << QList<Call>{{"day", "Component.GrabFocus", {}, "true"}} << 0;
        QTest::newRow("Print's focus") << QList<Call>{{"print", "Component.GrabFocus", {}, "true"}} << 0;
        QTest::newRow("an object long gone") << QList<Call>{{"gone", "Accessible.GetRole", {}, "UnknownObject"}} << 0;
        QTest::newRow("the year true") << QList<Call>{{"year", "Properties.Set", set(true), "InvalidArgs"}} << 0;
        QTest::newRow("the year a number") << QList<Call>{{"year", "Properties.Set", set(2026.0), ""}} << 0;
        QTest::newRow("the year's method, a number") << QList<Call>{{"year", "Value.SetCurrentValue", {1999.0}, "InvalidArgs"}} << 0;
        QTest::newRow("the year's method, a word")
            << QList<Call>{{"year", "Value.SetCurrentValue", {"a", "b", QVariant::fromValue(QDBusVariant("abc"))}, "InvalidArgs"}} << 0;
        QTest::newRow("the year a word, then the root's role") << QList<Call>{word, role} << 500;
        QTest::newRow("the year's role, then the year a word") << QList<Call>{{"year", "Accessible.GetRole", {}, "52"}, word} << 500;
        QTest::newRow("a bad action, then the year") << QList<Call>{bad, value} << 500;
        QTest::newRow("the root's role, then a bad child") << QList<Call>{role, badChild} << 500;
        QTest::newRow("two readers") << QList<Call>{bad, {value.object, value.call, value.args, value.reply, 1}, {"frame", "Accessible.GetRole", {}, "23", 1}}
                                     << 2000;
    }
    void hostileCalls()
    {
        QFETCH(QList<Call>, calls);
        QFETCH(int, ms);
        Active planner(2026);
        auto& view = *planner.window;
        const auto of = [](QObject* object) { return QAccessible::queryAccessibleInterface(object); };
        const std::map<QString, QAccessibleInterface*> objects{{"year box", of(view.yearBox())}, {"table", of(view.panel(1))}, {"year", of(view.SpinButton1())},
                                                               {"print", of(view.Command1())},   {"frame", of(&view)},         {"root", of(qApp)},
                                                               {"day", dayAt(view, 1, 5)}};
        const auto path = [&](const Call& call) { return call.object == "gone" ? "/org/a11y/atspi/accessible/7" : pathOf(objects.at(call.object)); };
        const int logged = refusalsLogged;
        QDeadlineTimer deadline(ms);
        QStringList wrong;
        std::array<int, 2> waiting{}, rounds{};
        QEventLoop context; // answers come as fast as they can, not in steps of 10 ms
        std::function<void(int)> round = [&](int number) {
            for (const Call& call : calls)
                if (call.reader == number) {
                    ++waiting.at(number);
                    auto* watcher = new QDBusPendingCallWatcher(send(path(call), call.call, call.args, number), &context);
                    connect(watcher, &QDBusPendingCallWatcher::finished, &context, [&, number, call, watcher] {
                        if (const QString got = answer(*watcher); got != call.reply)
                            wrong << call.call + ": " + got;
                        watcher->deleteLater();
                        if (--waiting.at(number) == 0 && (++rounds.at(number), !deadline.hasExpired()))
                            round(number);
                        if (waiting == std::array{0, 0})
                            context.quit();
                    });
                }
        };
        round(0), round(1);
        QTimer::singleShot(ms + 10000, &context, &QEventLoop::quit);
        context.exec();
        QCOMPARE(waiting, (std::array{0, 0}));
        QVERIFY2(wrong.isEmpty(), qPrintable(QString::number(wrong.size()) + " wrong: " + wrong.mid(0, 3).join("; ")));
        for (const Call& call : calls) // enough rounds to have crossed
            QVERIFY2(ms == 0 || rounds.at(call.reader) >= 50, qPrintable(QString::number(rounds.at(call.reader))));
        QVERIFY(refusalsLogged - logged <= 1);
        QCOMPARE(view.yearBox()->text(), "2026");
        QVERIFY(whole(QAccessible::queryAccessibleInterface(qApp)));
        if (calls.at(0).call.endsWith("GrabFocus"))
            QCOMPARE(QApplication::focusWidget(), calls.at(0).object == "day" ? static_cast<QWidget*>(view.panel(1)) : view.Command1());
    }

    // Each call whose arguments Qt's bridge reads is refused without them or
    // with them of the wrong kind, as a method and as a property, and with the
    // right ones answered, unless nothing here can carry it out.
    void argumentsChecked()
    {
        Active planner(2026);
        auto& view = *planner.window;
        const auto of = [](QObject* object) { return QAccessible::queryAccessibleInterface(object); };
        const std::map<std::string_view, QAccessibleInterface*> objects{{"Text", of(view.yearBox())},
                                                                        {"EditableText", of(view.yearBox())},
                                                                        {"Table", of(view.panel(1))},
                                                                        {"Action", dayAt(view, 2, 1)},
                                                                        {"Application", of(qApp)}};
        const auto outcome = [](QDBusPendingCall pending) { return answer(pending), pending.isError() ? pending.error().name().section('.', -1) : "answered"; };
        for (const auto& [interface, member, signature, refused] : kAtSpiCalls) {
            const auto object = objects.find(interface);
            const QString path = pathOf(object == objects.end() ? of(view.SpinButton1()) : object->second);
            const QString call = QString::fromUtf8(interface) + '.' + QString::fromUtf8(member), property = call.section('.', 1).mid(3);
            const std::map<char, QVariant> sample{{'i', 0}, {'u', 0u}, {'b', false}, {'s', QString()}, {'v', {}}};
            QVariantList right, wrong;
            for (const char type : signature)
                right << sample.at(type), wrong << (type == 's' ? QVariant(0) : QVariant("1"));
            if (signature == "ssv") { // the property set to what it is
                right = {"org.a11y.atspi." + call.section('.', 0, 0), property, {}};
                const QDBusPendingCall get = send(path, "Properties.Get", right.mid(0, 2));
                right[2] = (answer(get), get.reply().arguments().value(0));
                QCOMPARE(outcome(send(path, "Properties.Set", right.mid(0, 2) << QVariant::fromValue(QDBusVariant("1")))), "InvalidArgs");
                QCOMPARE(outcome(send(path, "Properties.Set", right)), "answered");
            }
            const QString unfit = interface == "EditableText" ? "UnknownInterface" : "InvalidArgs";
            QCOMPARE(outcome(send(path, call, {})) + outcome(send(path, call, wrong)), unfit + unfit);
            QCOMPARE(outcome(send(path, call, right)), interface == "EditableText" ? unfit : refused.empty() ? "answered" : "NotSupported");
        }
        QCOMPARE(view.yearBox()->text(), "2026");
    }

    // A reader walking the whole tree, reading of every object its name, role,
    // states, attributes, extents and what its interfaces offer, is refused nothing.
    void ordinaryWalk()
    {
        Active planner(2026);
        std::vector<QAccessibleInterface*> objects{QAccessible::queryAccessibleInterface(qApp)};
        for (std::size_t i = 0; i < objects.size(); ++i)
            for (int child = 0; child < objects.at(i)->childCount(); ++child)
                objects.push_back(objects.at(i)->child(child));
        QStringList refused;
        for (QAccessibleInterface* object : objects) {
            QList<std::pair<QString, QVariantList>> calls{{"Accessible.GetRole", {}},          {"Accessible.GetState", {}},
                                                          {"Accessible.GetAttributes", {}},    {"Accessible.GetInterfaces", {}},
                                                          {"Accessible.GetIndexInParent", {}}, {"Properties.Get", {"org.a11y.atspi.Accessible", "Name"}},
                                                          {"Component.GetExtents", {0u}},      {"Introspectable.Introspect", {}}};
            if (object->textInterface())
                calls << std::pair("Text.GetText", QVariantList{0, -1}) << std::pair("Text.GetTextAtOffset", QVariantList{0, 1u})
                      << std::pair("Text.GetCharacterExtents", QVariantList{0, 0u})
                      << std::pair("Text.GetRangeExtents", QVariantList{0, object->textInterface()->characterCount(), 0u});
            if (object->tableInterface())
                calls << std::pair("Table.GetAccessibleAt", QVariantList{5, 6}) << std::pair("Table.GetColumnHeader", QVariantList{3})
                      << std::pair("Properties.Get", QVariantList{"org.a11y.atspi.Table", "NRows"});
            if (object->valueInterface())
                calls << std::pair("Properties.Get", QVariantList{"org.a11y.atspi.Value", "CurrentValue"});
            if (object->actionInterface())
                calls << std::pair("Action.GetActions", QVariantList{});
            std::vector<QDBusPendingCall> sent;
            for (const auto& [call, args] : calls)
                sent.push_back(send(pathOf(object), call, args));
            for (std::size_t i = 0; i < sent.size(); ++i)
                if (answer(sent.at(i)), sent.at(i).isError())
                    refused << pathOf(object) + ' ' + calls.at(int(i)).first + ": " + sent.at(i).error().name();
        }
        QVERIFY2(objects.size() > 480 && refused.isEmpty(), qPrintable(refused.join('\n')));
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
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), view.panel(lands.month()), kEventually);
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
    // change was told of, says so, readers are told (the notice then leaves
    // the screen, where flat review would read it), and it offers only the
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
        QTRY_VERIFY_WITH_TIMEOUT(view.findChild<QWidget*>("noticeBar")->isHidden(), kEventually);
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
