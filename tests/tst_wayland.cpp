// The real window as a client of weston (tests/run-in-weston). Whatever state
// is asked of it, through QWindow as Qt's own title bar asks, the window is
// never unmapped (which would bring it back elsewhere), shows the planner at
// its own size in the middle of the surface it is given, keeps its year and
// its marks, and commits no geometry weston did not allow: weston ends a
// client that does with a protocol error.

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
        const QSize own = window.size();
        const QPoint january = window.panel(1)->pos();
        QSignalSpy mapped(window.windowHandle(), &QWindow::visibleChanged);

        // weston grants every such request.
        for (const Qt::WindowState asked : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
            window.windowHandle()->setWindowStates(asked);
            QTRY_VERIFY(window.width() > own.width() && window.height() > own.height());
            QTest::qWait(100); // a frame drawn, and weston's answer to it read
            QCOMPARE(window.windowHandle()->windowStates(), asked);
            const QPoint margin((window.width() - own.width()) / 2, (window.height() - own.height()) / 2);
            QCOMPARE(window.panel(1)->pos(), january + margin);

            window.windowHandle()->setWindowStates(Qt::WindowNoState);
            QTRY_COMPARE(window.size(), own);
            QCOMPARE(window.panel(1)->pos(), january);
        }
        QCOMPARE(mapped.count(), 0);
        QCOMPARE(window.yearBox()->text(), year);
        QCOMPARE(tavrin::fromQColor(tavrin::backColor(window.Txt(1).at(20))), tavrin::kRed);
    }
};

QTEST_MAIN(TestWayland)
#include "tst_wayland.moc"
