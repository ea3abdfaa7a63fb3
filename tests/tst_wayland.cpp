// The real window as a client of weston (tests/run-in-weston). Whatever state
// is asked of it, through QWindow as Qt's own title bar asks, the planner
// keeps its size, its year and its marks, and commits no geometry weston did
// not allow: weston ends a client that does with a protocol error.

#include "layouttables.h"
#include "mainwindow.h"

#include <QDate>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

class TestWayland : public QObject
{
    Q_OBJECT
private slots:
    void statesAsked()
    {
        tavrin::MainWindow window;
        window.show();
        const QString year = QString::number(QDate::currentDate().year());
        QTRY_COMPARE(window.yearBox()->text(), year);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.Txt1_Click(20);

        // weston grants every such request; the window drops the surface it
        // was granted on and maps itself afresh.
        for (const Qt::WindowState asked : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
            QSignalSpy mapped(window.windowHandle(), &QWindow::visibleChanged);
            window.windowHandle()->setWindowStates(asked);
            QTRY_COMPARE(mapped.count(), 2);
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QTest::qWait(100); // a frame drawn, and weston's answer to it read
            QCOMPARE(window.windowHandle()->windowStates(), Qt::WindowNoState);
            QCOMPARE(window.size(), QSize(808, 571));
            QCOMPARE(window.yearBox()->text(), year);
            QCOMPARE(tavrin::fromQColor(tavrin::backColor(window.Txt(1).at(20))), tavrin::kRed);
        }
    }
};

QTEST_MAIN(TestWayland)
#include "tst_wayland.moc"
