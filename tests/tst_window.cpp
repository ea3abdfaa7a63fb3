// SPDX-License-Identifier: GPL-3.0-or-later
// The window: its whole picture against a reference (with the fonts
// scripts/setup installs, and with a font set that lacks Arial: every day
// must still fit its cell), start-up on the clock's day, year steps, the "Language error" end,
// the window's icon and the real clock.

#include "windowtest.h"

#include "datetext.h"

using namespace tavrin;
using namespace tavrin::test;
using namespace std::chrono;

// clang-format off
struct Step { QDate today; QString arrows; int shown, januaryFirst; bool banner; };
// clang-format on
Q_DECLARE_METATYPE(Step)

class TestWindow : public QObject
{
    Q_OBJECT
private slots:
    // One picture catches what no property shows: arrows, banner, frames,
    // fonts, colours, places, and what renders leave behind. The platform
    // palette is tinted so that what follows it stands apart from fixed
    // white and black. Before a step down and back: January's cells 3, 10
    // and 40 are clicked (only 10 is written again, and loses its mark), a
    // right click on January's cell 2 and a click on February's 38 mark
    // nothing, the title label and April's "Sun" header are emptied.
    // The offscreen raster is the same on every machine scripts/setup
    // prepares (Debian's Qt and FreeType, and the font files CTest pins
    // whatever else is installed): runs here match pixel for pixel. A few pixels may still differ by rounding in anti-aliased
    // edges; 24 per channel stays below the smallest colour step that
    // matters (the tint against white is 30, then 105).
    void appearance()
    {
        QPalette tinted;
        tinted.setColor(QPalette::Base, QColor(255, 225, 150));
        tinted.setColor(QPalette::Text, QColor(0, 0, 128));
        QApplication::setPalette(tinted);
        Planner planner;
        QVERIFY(planner.start());
        auto& view = *planner.window;
        for (int index : {3, 10, 40})
            QTest::mouseClick(view.Txt(1).at(index), Qt::LeftButton);
        QTest::mouseClick(view.Txt(1).at(2), Qt::RightButton);
        QTest::mouseClick(view.Txt(2).at(38), Qt::LeftButton);
        view.Label1()->setText(QStringLiteral("Tavrin"));
        view.WDay().at(27)->clear();
        QTest::mouseClick(view.SpinButton1()->downArrow(), Qt::LeftButton);
        QTest::mouseClick(view.SpinButton1()->upArrow(), Qt::LeftButton);
        const QImage shot = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage reference = test::reference(qEnvironmentVariable("TAVRIN_PICTURE", "window"), shot);
        QCOMPARE(shot.size(), reference.size());
        QVERIFY(!view.WDay().at(27)->isEnabled());
        const int differing = unmatchedPixels(shot, reference, 0, 24);
        shot.save(QStringLiteral("window-actual.png"));
        QVERIFY2(differing <= 4, qPrintable(QString("%1 pixels differ; see window-actual.png").arg(differing)));
    }

    // Start on a clock's day, then step: u up, d down (capitals: by the keyboard); the year shown, the cell of
    // 1 January in it, and whether the banner shows. Shown without the window system activating it, start-up
    // still runs; the first real activation, after the steps, then starts nothing again.
    void steps_data()
    {
        QTest::addColumn<Step>("step");
        for (const auto& [day, banner] :
             std::initializer_list<std::pair<int, bool>>{{1, true}, {7, true}, {8, false}, {15, false}, {16, true}, {24, true}, {25, false}, {31, false}})
            QTest::addRow("day %d", day) << Step{QDate(2026, 12, day), "", 2026, 5, banner};
        QTest::newRow("clock after 3000") << Step{QDate(3125, 12, 10), "", 3000, 4, false};
        QTest::newRow("3000 up stays") << Step{QDate(3000, 12, 10), "u", 3000, 4, false};
        QTest::newRow("1 down, down: 0 stays") << Step{QDate(1, 12, 10), "dd", 0, 0, false};
        QTest::newRow("1000 down, no leading zero") << Step{QDate(1000, 12, 10), "d", 999, 3, false};
        QTest::newRow("2026 keys up, up, down") << Step{QDate(2026, 12, 10), "UUD", 2027, 6, false};
    }
    void steps()
    {
        QFETCH(Step, step);
        const auto [today, arrows, shown, januaryFirst, banner] = step;
        Planner planner(year{today.year()} / 12 / unsigned(today.day()));
        auto& view = *planner.window;
        view.setAttribute(Qt::WA_ShowWithoutActivating);
        QVERIFY(planner.start());
        auto* spin = view.SpinButton1();
        for (const QChar arrow : arrows) {
            const bool up = arrow.toLower() == u'u';
            if (arrow.isUpper())
                QTest::keyClick(spin, up ? Qt::Key_Up : Qt::Key_Down);
            else
                QTest::mouseClick(up ? spin->upArrow() : spin->downArrow(), Qt::LeftButton);
        }
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QCOMPARE(view.Image1()->isVisible(), banner);
        QCOMPARE(spin->Value(), shown);
        QCOMPARE(view.yearBox()->text(), QString::number(shown));
        QCOMPARE(daysShown(view, 1), QStringLiteral("%1+31").arg(januaryFirst));
        QCOMPARE(int(view.model().startCell(1)), januaryFirst); // drawing leaves the model's column alone
    }

    void languageError()
    {
        Planner planner;
        QVERIFY(planner.start());
        auto& view = *planner.window;
        // Reject from March on: January and February are drawn before the stop.
        view.model().setDateInterpreter(
            [](std::string_view text) { return text.starts_with("March") ? std::optional<year_month_day>() : ParseDateText(text); });
        view.SpinButton1_SpinUp();
        QCOMPARE(std::exchange(planner.boxes, {}), QStringList(QStringLiteral("Tavrin/Language error/%1/%2").arg(QMessageBox::NoIcon).arg(QMessageBox::Ok)));
        QCOMPARE(std::exchange(*planner.ended, 0), 1);
        QCOMPARE(daysShown(view, 2), "1+28"); // 2026
        QCOMPARE(daysShown(view, 3), "none");
    }

    // The window offers its icon at each size drawn, each its own file's picture, though they are decoded only when asked for.
    void icon()
    {
        Planner planner;
        QVERIFY(planner.start());
        const QIcon icon = planner.window->windowIcon();
        QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {128, 128}, {256, 256}}));
        for (const int size : {16, 48, 256})
            QCOMPARE(icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                     QImage(QStringLiteral(":/tavrin/icons/tavrin-%1.png").arg(size)).convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }

    // Texts told while one is held: only the newest follows it, so a key held
    // at the year's end leaves the reader nothing queued once it is still.
    void noticeBacklog()
    {
        Planner planner;
        QVERIFY(planner.start());
        Notice& notice = *planner.window->notice();
        for (const char* text : {"first", "second", "third", "last"})
            notice.tell(QLatin1String(text));
        QCOMPARE(notice.accessibleName(), QStringLiteral("first"));
        QTRY_VERIFY(notice.accessibleName() != QStringLiteral("first"));
        QCOMPARE(notice.accessibleName(), QStringLiteral("last"));
    }

    // The planner opens on the machine's own date.
    void realClock()
    {
        const year_month_day read = localToday();
        QCOMPARE(QDate(int(read.year()), unsigned(read.month()), unsigned(read.day())), QDate::currentDate());
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
