// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the window tests: a planner window on a chosen day, printing into
// memory, and short ways to read what it shows.

#include "colours.h"
#include "mainwindow.h"
#include "monthtable.h"
#include "printpage.h"

#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace tavrin::test {

// How long a test waits for what comes when a busy machine gets to it (a
// window shown or framed, a picture on the screen, a server's answer, a
// notification): a bound against a hang, never a requirement on its timing.
constexpr int kEventually = 30000;

// Collects, for each print, the picture of the planner in the window, the
// names of the controls it shows, where the focus is and the PDF page it
// makes for `layout`.
struct PageCollector : PageSink
{
    std::vector<QImage> pages;
    QStringList shown;
    QWidgetList focus;
    std::vector<QByteArray> pdfs;
    QPageLayout layout; // the paper, as the printing test sets it
    void print(YearView& window) override
    {
        focus << QApplication::focusWidget();
        pages.push_back(window.grab(window.plannerRect()).toImage());
        for (const QWidget* control : window.findChildren<QWidget*>())
            shown << (control->isVisible() ? control->objectName() : QString());
        pdfs.push_back(pagePdf(window, layout));
    }
};

// A window whose clock reads `today` (changeable later through `date`),
// printing into `printer` unless given another sink. A message box it opens
// is read into `boxes` and closed at once, so a test that meets "Language
// error" fails instead of waiting for a click.
struct Planner
{
    explicit Planner(std::chrono::year_month_day today = std::chrono::year{2026} / 12 / 6, std::shared_ptr<PageSink> sink = nullptr)
        : date(std::make_shared<std::chrono::year_month_day>(today))
    {
        window = std::make_unique<MainWindow>(WindowServices{[d = date] { return *d; }, sink ? sink : printer, [e = ended] { ++*e; }});
        QObject::connect(&boxCloser, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxes << QStringLiteral("%1/%2/%3/%4").arg(box->windowTitle(), box->text()).arg(box->icon()).arg(box->standardButtons());
                box->button(QMessageBox::Ok)->click();
            }
        });
        boxCloser.start(20);
    }
    ~Planner()
    {
        if (!boxes.isEmpty() || *ended)
            QTest::qFail("the window showed a message and ended the program", __FILE__, __LINE__);
    }

    // Shows the window and waits until start-up has rendered the year.
    [[nodiscard]] bool start()
    {
        window->show();
        return QTest::qWaitFor([this] { return !window->yearBox()->text().isEmpty(); }, kEventually);
    }

    std::shared_ptr<std::chrono::year_month_day> date;
    std::shared_ptr<PageCollector> printer = std::make_shared<PageCollector>();
    std::shared_ptr<int> ended = std::make_shared<int>(0);
    std::unique_ptr<MainWindow> window;
    QTimer boxCloser;
    QStringList boxes;
};

// What `program` writes, fed `input`; one that cannot start is named.
inline QByteArray run(const QString& program, const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted())
        qWarning("missing: %s", qPrintable(program));
    process.write(input);
    process.closeWriteChannel();
    if (process.state() != QProcess::NotRunning && !process.waitForFinished(kEventually))
        qWarning("%s %s did not end within %d s", qPrintable(program), qPrintable(arguments.join(' ')), kEventually / 1000);
    return process.readAllStandardOutput();
}

// The reference picture `name`, replaced by `shot` first where
// TAVRIN_UPDATE_REFERENCE is set.
inline QImage reference(const QString& name, const QImage& shot)
{
    const QString file = QStringLiteral(TAVRIN_TEST_DATA "/reference/%1.png").arg(name);
    if (qEnvironmentVariableIsSet("TAVRIN_UPDATE_REFERENCE"))
        shot.save(file);
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

// Where a month's days stand: "<cell of the 1st>+<days>", "none", or
// "broken" for a gap, a wrong number or a stray caption.
inline QString daysShown(const YearView& view, int month)
{
    int first = -1, count = 0;
    for (const auto& [index, cell] : view.Txt(month)) {
        if (cell->text().isEmpty())
            continue;
        if (first < 0)
            first = index;
        if (index != first + count || cell->property("text") != QString::number(++count))
            return QStringLiteral("broken");
    }
    return first < 0 ? QStringLiteral("none") : QStringLiteral("%1+%2").arg(first).arg(count);
}

// What is out of place on screen: a day outside the window or under 8
// pixels high, or the window's frame outside the screen's free area (on
// Wayland, where a window has no position, larger than it; on X11 in device
// pixels, as the X server has them, and with its title bar unless
// fullscreen); empty where all is in place.
inline QString misplaced(const YearView& view)
{
    QString found;
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; const QWidget* cell = view.dayCell(month, day); ++day)
            if (const QRect place(cell->mapTo(&view, QPoint()), cell->size()); !view.rect().contains(place) || place.height() < 8)
                QDebug(&found) << "day" << day << month << place << "in" << view.size();
    QRect frame = view.frameGeometry(), area = view.screen()->availableGeometry();
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        frame.moveTopLeft(area.topLeft());
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        QList<int> at; // the client's corner and size, its frame's edges (left, right, top, bottom), the free area
        const QString id = QString::number(view.winId());
        for (const QStringList& command :
             QList<QStringList>{{"xwininfo", "-id", id}, {"xprop", "-id", id, "_NET_FRAME_EXTENTS"}, {"xprop", "-root", "_NET_WORKAREA"}})
            for (const auto& match :
                 QRegularExpression("(?:(?:Absolute upper-left [XY]|Width|Height):|[=,]) +(-?\\d+)").globalMatch(run(command[0], command.mid(1))))
                at << match.captured(1).toInt();
        if (at.size() < 12 || (!view.isFullScreen() && at[6] == 0))
            return QStringLiteral("no title bar");
        frame = QRect(at[0], at[1], at[2], at[3]).adjusted(-at[4], -at[6], at[5], at[7]);
        area = QRect(at[8], at[9], at[10], at[11]);
    }
    if (!area.contains(frame))
        QDebug(&found) << "frame" << frame << "outside" << area;
    return found;
}

// Pixels of `expected` (its one-pixel border aside) whose colour `actual`
// shows nowhere within `reach` pixels, colours within `tolerance` per
// channel counting as the same.
inline int unmatchedPixels(const QImage& expected, const QImage& actual, int reach, int tolerance)
{
    const auto near = [tolerance](QRgb a, QRgb b) {
        return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))}) <= tolerance;
    };
    int unmatched = 0;
    for (int y = 1; y + 1 < expected.height(); ++y)
        for (int x = 1; x + 1 < expected.width(); ++x) {
            bool found = false;
            for (int dy = -reach; dy <= reach; ++dy)
                for (int dx = -reach; dx <= reach; ++dx)
                    found = found || near(expected.pixel(x, y), actual.pixel(x + dx, y + dy));
            unmatched += found ? 0 : 1;
        }
    return unmatched;
}

} // namespace tavrin::test
