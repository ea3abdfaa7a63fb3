// SPDX-License-Identifier: GPL-3.0-or-later
// Printing: the press, the PDF page it makes, and the hand-over to real
// servers: the private CUPS server of tests/cups/with-cups with its PDF
// queue, the same server stalled, and the notification server (dunst) that
// the private session bus starts on first use.

#include "windowtest.h"

#include <QScopeGuard>
#include <csignal>
#include <iostream>
#include <sstream>

using namespace tavrin;
using namespace tavrin::test;
using namespace std::chrono;

namespace {

// Whether the PDF's text holds the title, the twelve month names and day 31.
bool showsYear(const QByteArray& pdf)
{
    const QString text = QString::fromUtf8(run("pdftotext", {"-", "-"}, pdf));
    return text.contains(QStringLiteral("2026 Tavrin")) && text.contains(QStringLiteral("31"))
           && std::ranges::all_of(kMonthNames, [&](auto name) { return text.contains(toQString(name).toUpper()); });
}

// The notification server's history, every notification shown so far, each
// message as "<summary>: <body>". Asked over the bus directly: dunstctl asks
// through systemd's busctl, which a machine without systemd lacks.
QByteArray notifications()
{
    const auto dunst = [](const QString& method) {
        return run("dbus-send",
                   {"--session", "--print-reply", "--dest=org.freedesktop.Notifications", "/org/freedesktop/Notifications", "org.dunstproject.cmd0." + method});
    };
    dunst("NotificationCloseAll");
    return dunst("NotificationListHistory");
}

// A press on Print: the button, the window's size, the clock's day by then
// (the window started on day 6), whether the banner shows then, the paper.
// clang-format off
struct Press { Qt::MouseButton button; QSize window; unsigned printDay; bool banner; QPageLayout paper; };
// clang-format on

} // namespace

Q_DECLARE_METATYPE(Press)

class TestPrinting : public QObject
{
    Q_OBJECT
private slots:
    void press_data()
    {
        QTest::addColumn<Press>("press");
        const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter),
            a3(QPageSize(QPageSize::A3), QPageLayout::Portrait, QMarginsF(5, 40, 15, 10), QPageLayout::Millimeter);
        QTest::newRow("left, day 20, A4") << Press{Qt::LeftButton, QSize(808, 571), 20u, true, a4};
        // Upright paper leaves room above and below the planner; the window
        // around the planner is no part of the page.
        QTest::newRow("right, day 10, upright A3, larger window") << Press{Qt::RightButton, QSize(1000, 700), 10u, false, a3};
    }

    void press()
    {
        QFETCH(Press, press);
        const auto [button, window, printDay, banner, paper] = press;
        Planner planner;
        QVERIFY(planner.start());
        auto& view = *planner.window;
        view.setFixedSize(window);
        view.Txt1_Click(3);
        *planner.date = year{2026} / 12 / printDay;
        planner.printer->layout = paper;
        // A press prints at once, before its release.
        QTest::mousePress(view.Command1(), button);
        QCOMPARE(planner.printer->pdfs.size(), 1u);
        // The window is back, with the banner of the print day.
        QVERIFY(view.Label1()->text().isEmpty() && view.FRMyEAR()->isVisible() && view.Command1()->isVisible() && view.SpinButton1()->isVisible());
        QCOMPARE(view.Image1()->isVisible(), banner);
        // The page: the planner as at the press, without the four controls,
        // as large as the printable area allows and in its middle; at the
        // planner's size it looks as on screen.
        const QSize shown = view.plannerRect().size();
        const QRectF area = paper.paintRect(QPageLayout::Point);
        QRectF placed(QPointF(), QSizeF(shown).scaled(area.size(), Qt::KeepAspectRatio));
        placed.moveCenter(area.center());
        const double dpi = 4 * 72 * shown.width() / placed.width(); // scaled down 4:1 onto the pixel grid
        const QImage onPage = QImage::fromData(run("pdftoppm", {"-png", "-r", QString::number(dpi), "-"}, planner.printer->pdfs[0]))
                                  .copy(QRectF(placed.topLeft() * dpi / 72, QSizeF(shown * 4)).toRect())
                                  .scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage screen = planner.printer->pages[0].convertToFormat(onPage.format());
        // Hinting and anti-aliasing move glyph edges by up to a pixel and blend
        // them differently, so colours within 112 of 255 per channel count as
        // the same; a missing day number leaves over 40 pixels unmatched.
        QVERIFY(unmatchedPixels(screen, onPage, 1, 112) + unmatchedPixels(onPage, screen, 1, 112) <= 20);
        for (const char* control : {"FRMyEAR", "Command1", "SpinButton1", "Image1"})
            QVERIFY2(!planner.printer->shown.contains(QLatin1String(control)), control);
        // The title, which only the page shows, against its reference picture.
        const QImage title = screen.copy(view.Label1()->geometry().translated(-view.plannerRect().topLeft())).convertToFormat(QImage::Format_RGB32);
        QVERIFY(unmatchedPixels(title, reference("title", title), 0, 24) <= 4);
    }

    // The real queue: one press, one small job (as the server's spool holds
    // it) on the queue's paper, A4 landscape, with its text, and no
    // notification. A queue that takes the job but refuses its PDF: the
    // user is told, and the job is cancelled, not left waiting on the
    // server. A server that takes the connection and closes it at once is
    // named as such, not as having no default printer. Then the server
    // stopped, its socket taking connections and
    // nothing answering: a printer made then and closed at once ends well
    // within its bound, the window is back at once (two presses take no
    // longer than two to a server that answers, and a blink: a busy machine
    // or the sanitizers slow making the page, never the stalled server),
    // each press fails within the bound (5 s here), also when the window is
    // closed meanwhile, and the user is told once per press.
    void defaultPrinter()
    {
        if (qEnvironmentVariableIsEmpty("CUPSD_PID"))
            QFAIL("missing: the CUPS server of tests/cups/with-cups (CUPSD_PID is not set)");
        const QByteArray reason = "the print server did not answer within 5 s";
        Planner planner(year{2026} / 12 / 6, std::make_shared<DefaultPrinter>(seconds(5)));
        QVERIFY(planner.start());
        auto& view = *planner.window;
        view.Txt1_Click(3);
        QTest::mousePress(view.Command1(), Qt::LeftButton);
        const auto job = [] { return run("sh", {"-c", "cat \"${CUPS_SERVER%/*}\"/spool/d*"}); };
        QTRY_VERIFY_WITH_TIMEOUT(showsYear(job()), kEventually);
        QCOMPARE(run("lpstat", {"-W", "all", "-o"}).count('\n'), 1);
        const QImage page = QImage::fromData(run("pdftoppm", {"-png", "-r", "72", "-"}, job()));
        QVERIFY(job().size() < 60000 && page.size() == QSize(842, 595));
        const QByteArray history = notifications();
        QVERIFY2(history.startsWith("method return"), "missing: dunst on the session bus (Debian package dunst)");
        QCOMPARE(history.count("\"summary\""), 0);
        QTRY_COMPARE_WITH_TIMEOUT(view.notice()->accessibleName(), "The page went to the printer TavrinPDF", kEventually); // heard by readers

        std::ostringstream said; // the printer's thread writes here until the scope ends
        const auto unsay = qScopeGuard([standard = std::cerr.rdbuf(said.rdbuf())] { std::cerr.rdbuf(standard); });
        run("lpadmin", {"-d", "TavrinText"}); // a printer that takes the job, then refuses its page
        const auto took = [](steady_clock::time_point since) { return duration<double>(steady_clock::now() - since).count(); };
        const auto answered = steady_clock::now();
        QTest::mousePress(view.Command1(), Qt::LeftButton);
        const double press = took(answered); // making the page, the server answering: what a busy machine adds
        QTRY_COMPARE_WITH_TIMEOUT(notifications().count("\"summary\""), 1, kEventually);
        QVERIFY(notifications().contains("Nothing was printed: the printer TavrinText refused the page"));
        QCOMPARE(run("lpstat", {"-W", "not-completed", "-o"}), ""); // its job cancelled, not left waiting
        const QByteArray server = qgetenv("CUPS_SERVER"), hangingUp = server + "-hanging-up";
        QProcess hangUp;
        hangUp.start(
            "python3",
            {"-c", "import socket, sys\ns = socket.socket(socket.AF_UNIX)\ns.bind(sys.argv[1])\ns.listen()\nwhile True: s.accept()[0].close()", hangingUp});
        QTRY_VERIFY(QFile::exists(hangingUp));
        qputenv("CUPS_SERVER", hangingUp); // read by the printer's thread of the next window
        {
            Planner another(year{2026} / 12 / 6, std::make_shared<DefaultPrinter>(seconds(5)));
            QVERIFY(another.start());
            QTest::mousePress(another.window->Command1(), Qt::LeftButton);
            QTRY_COMPARE(another.window->notice()->accessibleName(), "Nothing was printed: the print server closed the connection without answering");
        }
        qputenv("CUPS_SERVER", server);
        const pid_t cupsd = qEnvironmentVariableIntValue("CUPSD_PID");
        kill(cupsd, SIGSTOP);
        const auto resume = qScopeGuard([cupsd] { kill(cupsd, SIGCONT); });
        const auto made = steady_clock::now();
        {
            DefaultPrinter justStarted(seconds(5));
        } // cut short while asking for its paper (libcups may hold on 1 s)
        QVERIFY2(took(made) < 2.5, QByteArray::number(took(made)));
        const auto pressed = steady_clock::now();
        QTest::mousePress(view.Command1(), Qt::LeftButton);
        const auto lastPressed = steady_clock::now();
        QTest::mousePress(view.Command1(), Qt::LeftButton); // while the first one waits
        const double both = took(pressed);
        QVERIFY2(both < 2 * press + 0.5 && view.Label1()->text().isEmpty() && view.Command1()->isVisible() && !QApplication::activeModalWidget(),
                 QByteArray::number(both) + " s, a press with the server answering " + QByteArray::number(press) + " s");
        planner.window.reset(); // closed with both jobs in flight: each ends within the bound of its press
        QVERIFY2(took(lastPressed) < 5, QByteArray::number(took(lastPressed)));
        QTRY_COMPARE_WITH_TIMEOUT(notifications().count("\"Nothing was printed: the print server is not answering\""), 2, kEventually);
        const QByteArray lines = QByteArray::fromStdString(said.str());
        QVERIFY2(lines.count("tavrin: nothing was printed: ") == 4 && lines.endsWith(("tavrin: nothing was printed: " + reason + '\n').repeated(2)), lines);
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
