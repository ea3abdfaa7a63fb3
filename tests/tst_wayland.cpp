// SPDX-License-Identifier: GPL-3.0-or-later
// The real window as a client of weston (tests/run-in-weston), on a screen
// that holds the planner and on screens and shells that do not (CTest runs
// it on each). Whatever state is asked of it, through QWindow as Qt's own
// title bar asks, the window is never unmapped (which would bring it back
// elsewhere), shows every day, keeps its year, its marks, its keyboard
// position and its readers' days, and commits no geometry weston did not
// allow: weston ends a client that does with a protocol error. Where the
// screen holds it, the planner keeps its own size, in the middle of the
// surface it is given.

#include "windowtest.h"

// Every paint is followed by a commit of the frame painted: none larger than
// the output, nor in the normal state than `room`.
struct Commits : QObject
{
    explicit Commits(QWidget& window) : window(window), room(window.screen()->size()) { window.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        const QSize bound = window.windowState() == Qt::WindowNoState ? room : window.screen()->size();
        if (event->type() == QEvent::Paint && window.frameGeometry().size().expandedTo(bound) != bound)
            QDebug(&larger) << window.frameGeometry().size() << window.windowState() << "past" << bound;
        return false;
    }
    QWidget& window;
    QSize room;
    QString larger;
};

class TestWayland : public QObject
{
    Q_OBJECT
private slots:
    void statesAsked()
    {
        tavrin::MainWindow window;
        Commits commits(window);
        window.show();
        const QString year = QString::number(QDate::currentDate().year());
        QTRY_COMPARE_WITH_TIMEOUT(window.yearBox()->text(), year, tavrin::test::kEventually);
        QVERIFY(QTest::qWaitForWindowExposed(&window, tavrin::test::kEventually));
        QTest::qWait(300); // framed, and maximized where the screen cannot hold the planner
        window.Txt1_Click(20);
        for (const auto key : {Qt::Key_PageDown, Qt::Key_Right}) // to 2 February
            QTest::keyClick(window.panel(1), key);
        QAccessibleInterface* const day = window.dayAccessibles().at(2, window.months().grid(2).firstSlot() + 1);
        const bool holds = window.windowState() == Qt::WindowNoState && window.layoutScale() == 1;
        const QSize own = window.size();
        const QPoint january = window.panel(1)->pos();
        QSignalSpy mapped(window.windowHandle(), &QWindow::visibleChanged);

        // weston's desktop grants every such request; its kiosk keeps every
        // window fullscreen. Restored, the window fits the room the desktop's
        // panels leave, which it learnt maximized, from its first commit on.
        for (const Qt::WindowState asked : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
            window.windowHandle()->setWindowStates(asked);
            QTest::qWait(300); // a frame drawn, and weston's answer to it read
            QTRY_COMPARE_WITH_TIMEOUT(tavrin::test::misplaced(window), QString(), tavrin::test::kEventually);
            commits.room = asked == Qt::WindowMaximized ? window.frameGeometry().size() : commits.room;
            const QPoint margin((window.width() - own.width()) / 2, (window.height() - own.height()) / 2);
            QVERIFY(!holds || (window.windowHandle()->windowStates() == asked && window.panel(1)->pos() == january + margin));
            window.windowHandle()->setWindowStates(Qt::WindowNoState);
            QTest::qWait(300);
            QTRY_COMPARE_WITH_TIMEOUT(tavrin::test::misplaced(window), QString(), tavrin::test::kEventually);
            QTRY_VERIFY_WITH_TIMEOUT(!holds || (window.size() == own && window.panel(1)->pos() == january), tavrin::test::kEventually);
        }
        QCOMPARE(commits.larger, QString());
        QCOMPARE(mapped.count(), 0);
        QCOMPARE(window.yearBox()->text(), year);
        QCOMPARE(tavrin::fromQColor(tavrin::backColor(window.Txt(1).at(20))), tavrin::kRed);
        QCOMPARE(window.keys().currentMonth() * 100 + window.keys().currentDay(), 202);
        QCOMPARE(window.dayAccessibles().at(2, window.months().grid(2).firstSlot() + 1), day);
        QCOMPARE(day->rect(), QRect(window.dayCell(2, 2)->mapToGlobal(QPoint()), window.dayCell(2, 2)->size()));
    }

    // Qt's title bar under a real pointer: weston's X11 output in an X server
    // whose pointer xdotool moves. Maximized, the window lies below the
    // panel, where a double-click on its title bar leaves it, and its
    // maximize button, where Qt 6.4's decoration draws it, restores it.
    void titleBar()
    {
        // weston's X11 output follows the X pointer only once the pointer
        // has entered its window, and it maps under the pointer: the pointer
        // starts off it, on the X screen's larger margin.
        const QSize output = QGuiApplication::primaryScreen()->size();
        tavrin::test::run("xdotool", {"mousemove", QString::number(output.width() + 10), QString::number(output.height() + 10)});
        tavrin::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window, tavrin::test::kEventually));
        window.windowHandle()->setWindowStates(Qt::WindowMaximized);
        const QSize screen = window.screen()->size();
        QTRY_VERIFY_WITH_TIMEOUT(window.windowHandle()->windowStates() == Qt::WindowMaximized && window.frameGeometry().width() == screen.width(),
                                 tavrin::test::kEventually);
        const QPoint corner(0, screen.height() - window.frameGeometry().height()),
            inner = corner + window.geometry().topLeft() - window.frameGeometry().topLeft();
        const auto click = [&](int x, int y, const char* times) {
            tavrin::test::run("xdotool", {"mousemove", QString::number(x), QString::number(y), "click", "--repeat", times, "--delay", "80", "1"});
        };
        QList<Qt::WindowState> states; // weston may repeat maximized at a move
        QObject::connect(window.windowHandle(), &QWindow::windowStateChanged, [&states](Qt::WindowState state) { states << state; });
        click(screen.width() / 2, (corner.y() + inner.y()) / 2, "2");
        const QPoint day = inner + window.Txt(1).at(20)->mapTo(&window, window.Txt(1).at(20)->rect().center());
        click(day.x(), day.y(), "1"); // read after the double-click
        QTRY_COMPARE_WITH_TIMEOUT(tavrin::fromQColor(tavrin::backColor(window.Txt(1).at(20))), tavrin::kRed, tavrin::test::kEventually);
        QCOMPARE(states.count(Qt::WindowMaximized), states.size());
        click(screen.width() - 40, (corner.y() + inner.y()) / 2, "1");
        QTRY_COMPARE_WITH_TIMEOUT(window.windowHandle()->windowStates(), Qt::WindowNoState, tavrin::test::kEventually);
        QTRY_COMPARE_WITH_TIMEOUT(window.size(), tavrin::YearView::plannerSize(1), tavrin::test::kEventually);
    }
};

QTEST_MAIN(TestWayland)
#include "tst_wayland.moc"
