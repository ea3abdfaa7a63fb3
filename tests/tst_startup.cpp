#include "windowtest.h"

#include <QMessageBox>
#include <QProcess>
#include <QTimer>
#include "datetext.h"

using namespace tavrin;
using namespace tavrin::test;
using namespace std::chrono;

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void banner_data();
    void banner();
    void bannerLeft_data();
    void bannerLeft();
    void currentYear_data();
    void currentYear();
    void activation();
    void languageError();
    void noDisplay();
};

void TestStartup::banner_data()
{
    QTest::addColumn<unsigned>("day");
    QTest::addColumn<bool>("shown");
    for (unsigned day : {1u, 7u, 16u, 24u})
        QTest::addRow("day %u", day) << day << true;
    for (unsigned day : {8u, 15u, 25u, 31u})
        QTest::addRow("day %u", day) << day << false;
}

void TestStartup::banner()
{
    QFETCH(unsigned, day);
    QFETCH(bool, shown);
    Planner planner(year{2026} / 12 / day);
    QVERIFY(planner.start());
    QCOMPARE(planner.window->Image1->isVisible(), shown);
}

void TestStartup::bannerLeft_data()
{
    QTest::addColumn<double>("outerWidth");
    QTest::addColumn<float>("left");
    QTest::newRow("no frame") << 12120.0 << 2595.0f;
    QTest::newRow("4-pixel frame") << 12240.0 << 2655.0f;
    QTest::newRow("odd width keeps the half") << 12135.0 << 2602.5f;
}

void TestStartup::bannerLeft()
{
    QFETCH(double, outerWidth);
    QFETCH(float, left);
    QCOMPARE(MainWindow::bannerLeft(outerWidth, 6930), left);
}

void TestStartup::currentYear_data()
{
    QTest::addColumn<int>("clockYear");
    QTest::addColumn<int>("shownYear");
    QTest::newRow("2026") << 2026 << 2026;
    QTest::newRow("year 5") << 5 << 5;
    QTest::newRow("after 3000") << 3125 << 3000; // clamped into range
}

void TestStartup::currentYear()
{
    QFETCH(int, clockYear);
    QFETCH(int, shownYear);
    Planner planner(year{clockYear} / 3 / 10);
    QVERIFY(planner.start());
    const auto& view = *planner.window;
    QCOMPARE(view.SpinButton1->Max(), 3000);
    QCOMPARE(view.SpinButton1->Value(), shownYear);
    QCOMPARE(view.yearBox()->text(), QString::number(shownYear));
    QCOMPARE(view.model().YearText, std::to_string(shownYear));
    QCOMPARE(view.model().MonthNames.back(), "December");
    const int first = static_cast<int>(weekday{sys_days{year{shownYear} / 1 / 1}}.c_encoding() + 1) % 7;
    QCOMPARE(captions(view, 1), expectedCaptions(1, first, 31));
}

void TestStartup::activation()
{
    Planner planner;
    int clockReads = 0;
    const auto today = *planner.date;
    planner.window = std::make_unique<MainWindow>(WindowServices{
        [&clockReads, today] { return ++clockReads, today; }, planner.printer, [] {}});
    auto& view = *planner.window;
    // Shown without the window system activating it: start-up still runs once.
    view.setAttribute(Qt::WA_ShowWithoutActivating);
    QVERIFY(planner.start());
    const int afterStart = clockReads; // banner twice, year once
    QCOMPARE(afterStart, 3);
    view.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    QCOMPARE(clockReads, afterStart); // the first showing is not rendered twice

    QTest::mouseClick(view.SpinButton1->upArrow(), Qt::LeftButton);
    QCOMPARE(view.yearBox()->text(), QStringLiteral("2027"));
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    view.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    QCOMPARE(view.yearBox()->text(), QStringLiteral("2026"));
    QCOMPARE(captions(view, 1), expectedCaptions(1, 5, 31));
}

void TestStartup::languageError()
{
    Planner planner;
    QVERIFY(planner.start());
    auto& view = *planner.window;
    // Reject from March on: January and February are drawn before the stop.
    view.model().setDateInterpreter([](std::string_view text) {
        return text.starts_with("March") ? std::optional<year_month_day>() : ParseDateText(text);
    });
    QString seen;
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen = QStringLiteral("%1/%2/%3/%4").arg(box->windowTitle(), box->text())
                   .arg(box->icon()).arg(box->standardButtons());
        box->button(QMessageBox::Ok)->click();
    });
    view.SpinButton1_SpinUp();
    QCOMPARE(seen, QStringLiteral("Tavrin/Language error/%1/%2").arg(QMessageBox::NoIcon).arg(QMessageBox::Ok));
    QCOMPARE(*planner.ended, 1);
    QCOMPARE(captions(view, 2), expectedCaptions(2, 1, 28)); // 2026
    QCOMPARE(captions(view, 3), expectedCaptions(3, 99, 0));
    QCOMPARE(view.model().StartCell[2], 0);
}

void TestStartup::noDisplay()
{
    QProcess planner;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    planner.setProcessEnvironment(env);
    planner.start(QStringLiteral(TAVRIN_BINARY), {});
    QVERIFY(planner.waitForFinished(20000));
    QCOMPARE(planner.exitStatus(), QProcess::NormalExit); // no abort, no core
    QCOMPARE(planner.exitCode(), 1);
    const QString errors = QString::fromLocal8Bit(planner.readAllStandardError()).trimmed();
    QVERIFY2(!errors.contains(u'\n') && errors.contains(QStringLiteral("display")), qPrintable(errors));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
