// SPDX-License-Identifier: GPL-3.0-or-later
// The real window on a desktop in dark mode: Qt's GTK platform theme with
// Adwaita:dark, openbox, and a 1920 x 1080 Xvfb screen at a scale of 2, whose
// 960 x 540 cannot hold the planner at its own size with its frame
// (tests/desktop/with-openbox). Contrast is read from the screen's pixels:
// every text at least 4.5:1 against its own background, the year box and the
// arrows at least 3:1. The page made there is dark ink on white.

#include "windowtest.h"

using namespace tavrin;

// The colour most of `area` shows, its background, and the pixel that
// stands out most from it.
static std::pair<QColor, QColor> backAndInk(const QImage& image, const QRect& area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    const QColor back = std::ranges::max_element(counts, {}, &std::pair<const QRgb, int>::second)->first;
    return {back, std::ranges::max_element(counts, {}, [&](auto& p) { return contrast(back, QColor(p.first)); })->first};
}

class TestDesktop : public QObject
{
    Q_OBJECT
private slots:
    void darkMode()
    {
        if (contrast(windowBackgroundColour(), Qt::black) > 3)
            QFAIL("the desktop is not dark: Qt's GTK platform theme (qt6-gtk-platformtheme) did not load");
        test::Planner planner;
        QVERIFY(planner.start());
        auto& view = *planner.window;
        view.Txt1_Click(10); // the 6th in 2026: a mark under a day number

        // Every day shows, and the frame, title bar and all, once openbox has
        // framed the window, lies on the screen.
        if (!settles("framing", [&view] { return test::misplaced(view); }))
            return;

        const auto at = [&view](const QWidget* control, int inset = 0) {
            return QRect(control->mapTo(&view, QPoint()), control->size()).adjusted(inset, inset, -inset, -inset);
        };
        QImage screen; // once drawn and the X server has it, the mark shows
        if (!settles("marking the 6th", [&] {
                screen = view.screen()->grabWindow(0, view.geometry().x(), view.geometry().y(), view.width(), view.height()).toImage().scaled(view.size());
                return QColor(screen.pixel(at(view.Txt(1).at(10), 2).topLeft())) == Qt::red ? QString() : "no mark";
            }))
            return;
        // clang-format off
        for (const auto& [what, control, inset, least] : std::vector<std::tuple<const char*, QWidget*, int, double>>{
                 {"a day", view.Txt(1).at(11), 0, 4.5}, {"a mark", view.Txt(1).at(10), 0, 4.5}, {"a header", view.WDay().at(0), 0, 4.5},
                 {"a month", view.WDay().at(7), 0, 4.5}, {"Print", view.Command1(), 5, 4.5}, {"the year", view.yearBox(), 0, 3},
                 {"an arrow", view.SpinButton1()->upArrow(), 3, 3}}) {
            // clang-format on
            const auto [back, ink] = backAndInk(screen, at(control, inset));
            QVERIFY2(contrast(back, ink) >= least, qPrintable(QStringLiteral("%1: %2:1").arg(what).arg(contrast(back, ink))));
        }
        // An empty cell shows the desktop's own window background.
        QCOMPARE(screen.pixel(at(view.Txt(1).at(40)).center()), windowBackgroundColour().rgb());

        // The page: A4 landscape without margins has the planner's
        // proportions, so at the planner's size in pixels it is the planner,
        // one pixel a pixel. Dark text on white, and white where the screen
        // shows the dark background.
        const QImage page =
            QImage::fromData(test::run("pdftoppm", {"-png", "-scale-to-x", QString::number(view.width()), "-scale-to-y", QString::number(view.height()), "-"},
                                       pagePdf(view, QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF()))));
        QVERIFY2(!page.isNull(), "no page: is pdftoppm (poppler-utils) missing?");
        const auto [back, ink] = backAndInk(page, at(view.Txt(1).at(11)));
        QVERIFY2(ink.lightness() < 100 && contrast(back, ink) >= 4.5, qPrintable(ink.name() + " on " + back.name()));
        QCOMPARE(page.pixel(at(view.Txt(1).at(40)).center()), qRgb(255, 255, 255));
    }

    // A user's shortcut asks openbox, as wmctrl does, for fullscreen and
    // maximize, on and off (CTest runs this on each screen). A request whose
    // answer may not show is followed by one whose answer does, so openbox
    // has answered both when the window is checked.
    void windowManager()
    {
        test::Planner planner;
        QVERIFY(planner.start());
        auto& view = *planner.window;
        const QString id = QString::number(view.winId());
        // The window's corner as X has it (wmctrl moves it there: Qt asks for static gravity).
        const auto corner = [&id] {
            const QString info = test::run("xwininfo", {"-id", id});
            return QPoint(info.section("upper-left X:", 1).section('\n', 0, 0).toInt(), info.section("upper-left Y:", 1).section('\n', 0, 0).toInt());
        };
        const auto wmState = [&id] { return QString(test::run("xprop", {"-id", id, "_NET_WM_STATE"})).section('=', 1).trimmed(); };
        const auto seen = [&] {
            return QDebug::toString(view.geometry()) + " at X " + QDebug::toString(corner()) + ", " + QDebug::toString(view.windowState())
                   + ", X: " + wmState();
        };
        // Whether the window has yet to see where X has it. A user acts on a
        // window that has settled, and it can tell the user's move from the
        // window manager's placement only once it has seen the placement.
        const auto behind = [&] { return view.geometry().topLeft() != corner() / view.devicePixelRatio(); };
        // A request whose answer changes nothing is followed by one whose
        // answer shows, "above" toggled: openbox answers in turn, so once that
        // shows, the first has been answered too.
        const auto thenAbove = [&wmState, &id] {
            const bool above = wmState().contains("ABOVE");
            test::run("wmctrl", {"-i", "-r", id, "-b", "toggle,above"});
            return std::function<bool()>([&wmState, above] { return wmState().contains("ABOVE") != above; });
        };
        // Openbox keeps the window's one size: asked to maximize it, it leaves it as it is.
        for (const QString asked : {"add,maximized_vert,maximized_horz", "add,fullscreen", "remove,fullscreen", "remove,maximized_vert,maximized_horz",
                                    "add,fullscreen", "remove,fullscreen"}) {
            test::run("wmctrl", {"-i", "-r", id, "-b", asked});
            const auto answered =
                asked.endsWith("fullscreen") ? std::function<bool()>([&] { return view.isFullScreen() == asked.startsWith("add"); }) : thenAbove();
            const auto unanswered = [&]() -> QString {
                return !answered() ? "not answered" : wmState().contains("MAXIMIZED") ? "maximized" : behind() ? "behind X" : test::misplaced(view);
            };
            if (!settles(asked, unanswered, seen))
                return;
        }
        // A user's move stands, even partly off the screen. Each move is
        // waited for until the window sees where X has it: so the second
        // follows every answer to the requests before, and a window put back
        // after it would be seen.
        for (const QString to : {"0,-40,10,-1,-1", "0,-30,20,-1,-1"}) {
            test::run("wmctrl", {"-i", "-r", id, "-e", to});
            const auto answered = thenAbove();
            const auto unmoved = [&] { return answered() && !behind() ? QString() : "not seen"; };
            if (!settles(to, unmoved, seen))
                return;
        }
        QCOMPARE(corner(), QPoint(-30, 20));
    }

private:
    // Polls `unsettled` until it finds nothing amiss, by the clock: QTRY_*
    // counts polls instead, and with each poll running X clients on a busy
    // machine its bound grew past CTest's, so a stuck row was killed without
    // a word. Every wait of a row shares one bound too. Fails with one line:
    // `step`, what was amiss and what else was `seen`.
    bool settles(const QString& step, const std::function<QString()>& unsettled, const std::function<QString()>& seen = {})
    {
        QString found;
        if (QTest::qWaitFor([&] { return (found = unsettled()).isEmpty(); }, int(std::min<qint64>(test::kEventually, rowBound.remainingTime()))))
            return true;
        QTest::qFail(qPrintable(QStringLiteral("%1: still %2").arg(step, seen ? found + "; " + seen() : found)), __FILE__, __LINE__);
        return false;
    }
    QDeadlineTimer rowBound{90000}; // CTest's bound (CMakeLists.txt) allows for openbox's start too
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
