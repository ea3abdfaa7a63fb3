#include "windowtest.h"

#include <QMessageBox>
#include <iostream>
#include <sstream>

using namespace tavrin;
using namespace tavrin::test;
using namespace std::chrono;

namespace {

// The page's colour near a control's top-left corner, clear of its text.
QColor pageColourAt(const QImage& page, const QWidget* control)
{
    const QPoint corner = control->mapTo(control->window(), QPoint(2, 2));
    return page.pixelColor(corner * page.devicePixelRatio());
}

bool hasInk(const QImage& page, const QWidget* control)
{
    const QRect area(control->mapTo(control->window(), QPoint()) * page.devicePixelRatio(),
                     control->size() * page.devicePixelRatio());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (page.pixelColor(x, y).lightness() < 100)
                return true;
    return false;
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT
private slots:
    void anyButtonPrints_data();
    void anyButtonPrints();
    void keyboardDoesNotPrint_data();
    void keyboardDoesNotPrint();
    void bannerAfterPrint_data();
    void bannerAfterPrint();
    void failedPrint();
    void pageJob();
};

void TestPrinting::anyButtonPrints_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("left") << Qt::LeftButton << Qt::KeyboardModifiers();
    QTest::newRow("right") << Qt::RightButton << Qt::KeyboardModifiers();
    QTest::newRow("middle") << Qt::MiddleButton << Qt::KeyboardModifiers();
    QTest::newRow("shift+ctrl left") << Qt::LeftButton << (Qt::ShiftModifier | Qt::ControlModifier);
}

void TestPrinting::anyButtonPrints()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    Planner planner;
    QVERIFY(planner.start());
    auto& view = *planner.window;
    view.Txt1_Click(3);
    QTest::mousePress(view.Command1, button, modifiers, QPoint(2, 2));
    QCOMPARE(planner.printer->pages.size(), 1u); // on the press, before any release
    QTest::mouseRelease(view.Command1, button, modifiers, QPoint(2, 2));
    QTest::mouseClick(view.Command1, button, modifiers);
    QCOMPARE(planner.printer->pages.size(), 2u);

    const QImage& page = planner.printer->pages.front();
    QCOMPARE(page.deviceIndependentSize().toSize(), view.size());
    QVERIFY(hasInk(page, view.Label1)); // "2026 Tavrin"
    for (const QWidget* hidden : {static_cast<QWidget*>(view.FRMyEAR), static_cast<QWidget*>(view.Command1),
                                  static_cast<QWidget*>(view.SpinButton1), static_cast<QWidget*>(view.Image1)})
        QVERIFY2(!hasInk(page, hidden), qPrintable(hidden->objectName()));
    QCOMPARE(pageColourAt(page, view.Txt(1).at(3)), QColor(Qt::red));
    QCOMPARE(pageColourAt(page, view.WDay().at(96)), toQColor(kDarkGrey));
    // The window is back as it was.
    QVERIFY(view.Label1->text().isEmpty());
    QCOMPARE(back(view.Txt(1).at(3)), kRed);
    for (const QWidget* shown : {static_cast<QWidget*>(view.FRMyEAR), static_cast<QWidget*>(view.Command1),
                                 static_cast<QWidget*>(view.SpinButton1), static_cast<QWidget*>(view.Image1)})
        QVERIFY(shown->isVisible());
}

void TestPrinting::keyboardDoesNotPrint_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("space") << Qt::Key_Space;
    QTest::newRow("enter") << Qt::Key_Return;
}

void TestPrinting::keyboardDoesNotPrint()
{
    QFETCH(Qt::Key, key);
    Planner planner;
    QVERIFY(planner.start());
    planner.window->Command1->setFocus();
    QTest::keyClick(planner.window->Command1, key);
    QCOMPARE(planner.printer->pages.size(), 0u);
}

void TestPrinting::bannerAfterPrint_data()
{
    QTest::addColumn<unsigned>("startDay");
    QTest::addColumn<unsigned>("printDay");
    QTest::addColumn<bool>("shown");
    QTest::newRow("hidden at start, day 20") << 10u << 20u << true;
    QTest::newRow("shown at start, day 10") << 20u << 10u << false;
    QTest::newRow("day 7 to day 8") << 7u << 8u << false;
    QTest::newRow("day 15 to day 16") << 15u << 16u << true;
}

void TestPrinting::bannerAfterPrint()
{
    QFETCH(unsigned, startDay);
    QFETCH(unsigned, printDay);
    QFETCH(bool, shown);
    Planner planner(year{2026} / 12 / startDay);
    QVERIFY(planner.start());
    QCOMPARE(planner.window->Image1->isVisible(), !shown);
    *planner.date = year{2026} / 12 / printDay;
    QTest::mousePress(planner.window->Command1, Qt::LeftButton);
    QCOMPARE(planner.window->Image1->isVisible(), shown);
}

void TestPrinting::failedPrint()
{
    Planner planner(year{2026} / 12 / 3);
    QVERIFY(planner.start());
    auto& view = *planner.window;
    planner.printer->failure = QStringLiteral("no default printer is set");
    std::ostringstream errors;
    auto* const standardErrors = std::cerr.rdbuf(errors.rdbuf());
    QTest::mousePress(view.Command1, Qt::LeftButton);
    std::cerr.rdbuf(standardErrors);

    const std::string said = errors.str();
    QCOMPARE(std::count(said.begin(), said.end(), '\n'), 1);
    QVERIFY2(said.find("no default printer is set") != std::string::npos, said.c_str());
    QVERIFY(view.Label1->text().isEmpty());
    QVERIFY(view.FRMyEAR->isVisible() && view.Command1->isVisible() && view.SpinButton1->isVisible());
    QVERIFY(view.Image1->isVisible());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(view.findChildren<QMessageBox*>().isEmpty());
}

void TestPrinting::pageJob()
{
    Planner planner;
    QVERIFY(planner.start());
    QTest::mousePress(planner.window->Command1, Qt::LeftButton);
    const QByteArray pdf = DefaultPrinter::pagePdf(planner.printer->pages.front(), QPageSize(QPageSize::A4));
    QVERIFY(pdf.startsWith("%PDF-"));
    QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), 1);
    QVERIFY2(pdf.size() < 2 * 1024 * 1024, QByteArray::number(pdf.size()));
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
