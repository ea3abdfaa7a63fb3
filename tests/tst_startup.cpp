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
    void start_data()
    {
        QTest::addColumn<int>("clockYear");
        QTest::addColumn<unsigned>("day");
        QTest::addColumn<int>("shownYear");
        QTest::addColumn<int>("januaryFirst"); // the cell of 1 January
        QTest::addColumn<bool>("banner");
        for (const unsigned day : {1u, 7u, 16u, 24u})
            QTest::addRow("day %u", day) << 2026 << day << 2026 << 5 << true;
        for (const unsigned day : {8u, 15u, 25u, 31u})
            QTest::addRow("day %u", day) << 2026 << day << 2026 << 5 << false;
        QTest::newRow("year 5") << 5 << 10u << 5 << 0 << false;
        QTest::newRow("after 3000 clamped") << 3125 << 10u << 3000 << 4 << false;
    }

    void start()
    {
        QFETCH(int, clockYear);
        QFETCH(unsigned, day);
        QFETCH(int, shownYear);
        QFETCH(int, januaryFirst);
        QFETCH(bool, banner);
        Planner planner(year{clockYear} / 12 / day);
        QVERIFY(planner.start());
        const auto& view = *planner.window;
        QCOMPARE(view.Image1->isVisible(), banner);
        QCOMPARE(view.SpinButton1->Max(), 3000);
        QCOMPARE(view.SpinButton1->Value(), shownYear);
        QCOMPARE(view.yearBox()->text(), QString::number(shownYear));
        QCOMPARE(view.model().YearText, std::to_string(shownYear));
        QCOMPARE(view.model().MonthNames.back(), "December");
        QCOMPARE(captions(view, 1), expectedCaptions(1, januaryFirst, 31));
    }

    void bannerLeft_data()
    {
        QTest::addColumn<double>("outerWidth");
        QTest::addColumn<float>("left");
        QTest::newRow("no frame") << 12120.0 << 2595.0f;
        QTest::newRow("4-pixel frame") << 12240.0 << 2655.0f;
        QTest::newRow("odd width keeps the half") << 12135.0 << 2602.5f;
    }

    void bannerLeft()
    {
        QFETCH(double, outerWidth);
        QFETCH(float, left);
        QCOMPARE(MainWindow::bannerLeft(outerWidth, 6930), left);
    }

    void activation()
    {
        Planner planner;
        int clockReads = 0;
        planner.window = std::make_unique<MainWindow>(WindowServices{
            [&clockReads] { return ++clockReads, year{2026} / 12 / 6; }, planner.printer, [] {}});
        auto& view = *planner.window;
        // Shown without the window system activating it: start-up still runs, once.
        view.setAttribute(Qt::WA_ShowWithoutActivating);
        QVERIFY(planner.start());
        QCOMPARE(clockReads, 3); // banner twice, year once
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QCOMPARE(clockReads, 3); // not started again

        // Stepped to 2027, then back from another window of the program: the current year again.
        QTest::mouseClick(view.SpinButton1->upArrow(), Qt::LeftButton);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QCOMPARE(view.yearBox()->text(), QStringLiteral("2026"));
        QCOMPARE(captions(view, 1), expectedCaptions(1, 5, 31));
    }

    void languageError()
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
        QCOMPARE(seen, QStringLiteral("Tavrin/Language error/%1/%2")
                           .arg(QMessageBox::NoIcon).arg(QMessageBox::Ok));
        QCOMPARE(*planner.ended, 1);
        QCOMPARE(captions(view, 1), expectedCaptions(1, 5, 31)); // 2026
        QCOMPARE(captions(view, 2), expectedCaptions(2, 1, 28));
        QCOMPARE(captions(view, 3), expectedCaptions(3, 99, 0));
        QCOMPARE(view.model().StartCell[2], 0);
    }

    void noDisplay()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        QProcess planner;
        planner.setProcessEnvironment(env);
        planner.start(QStringLiteral(TAVRIN_BINARY), {});
        QVERIFY(planner.waitForFinished(20000));
        QCOMPARE(planner.exitStatus(), QProcess::NormalExit); // no abort, no core
        QCOMPARE(planner.exitCode(), 1);
        const QString errors = QString::fromLocal8Bit(planner.readAllStandardError()).trimmed();
        QVERIFY2(!errors.contains(u'\n') && errors.contains(QStringLiteral("display")), qPrintable(errors));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
