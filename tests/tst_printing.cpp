#include "windowtest.h"

#include <QMessageBox>

using namespace tavrin;
using namespace tavrin::test;
using namespace std::chrono;

namespace {

// Whether the page has dark ink anywhere in the window's area of `control`.
bool hasInk(const QImage& page, const QWidget* control)
{
    const qreal ratio = page.devicePixelRatio();
    const QRect area(control->mapTo(control->window(), QPoint()) * ratio, control->size() * ratio);
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (page.pixelColor(x, y).lightness() < 100)
                return true;
    return false;
}

// The page's colour near a control's top-left corner, clear of its text.
QColor colourAt(const QImage& page, const QWidget* control)
{
    return page.pixelColor(control->mapTo(control->window(), QPoint(2, 2)) * page.devicePixelRatio());
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT
private slots:
    void press_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<unsigned>("startDay");
        QTest::addColumn<unsigned>("printDay");
        QTest::addColumn<bool>("banner"); // after the print, as on the print day
        const Qt::KeyboardModifiers none, shiftCtrl = Qt::ShiftModifier | Qt::ControlModifier;
        QTest::newRow("left, day 10 to 20") << Qt::LeftButton << none << 10u << 20u << true;
        QTest::newRow("right, day 20 to 10") << Qt::RightButton << none << 20u << 10u << false;
        QTest::newRow("middle, day 7 to 8") << Qt::MiddleButton << none << 7u << 8u << false;
        QTest::newRow("shift+ctrl left, day 15 to 16") << Qt::LeftButton << shiftCtrl << 15u << 16u << true;
    }

    void press()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(unsigned, startDay);
        QFETCH(unsigned, printDay);
        QFETCH(bool, banner);
        Planner planner(year{2026} / 12 / startDay);
        QVERIFY(planner.start());
        auto& view = *planner.window;
        view.Txt1_Click(3);
        *planner.date = year{2026} / 12 / printDay;
        // Enter prints nothing; a press prints at once, before its release.
        view.Command1->setFocus();
        QTest::keyClick(view.Command1, Qt::Key_Return);
        QTest::mousePress(view.Command1, button, modifiers, QPoint(2, 2));
        QCOMPARE(planner.printer->pages.size(), 1u);
        QTest::mouseRelease(view.Command1, button, modifiers, QPoint(2, 2));
        QTest::mouseClick(view.Command1, button, modifiers);
        QCOMPARE(planner.printer->pages.size(), 2u);

        const QImage& page = planner.printer->pages.front();
        QCOMPARE(page.deviceIndependentSize().toSize(), view.size());
        QVERIFY(hasInk(page, view.Label1)); // "2026 Tavrin"
        const QWidget* const offPage[] = {view.FRMyEAR, view.Command1, view.SpinButton1, view.Image1};
        for (const QWidget* control : offPage)
            QVERIFY2(!hasInk(page, control), qPrintable(control->objectName()));
        QCOMPARE(colourAt(page, view.Txt(1).at(3)), QColor(Qt::red));
        QCOMPARE(colourAt(page, view.WDay().at(96)), toQColor(kDarkGrey));
        // The window is back as it was, with the banner of the print day.
        QVERIFY(view.Label1->text().isEmpty());
        QCOMPARE(back(view.Txt(1).at(3)), kRed);
        QVERIFY(view.FRMyEAR->isVisible() && view.Command1->isVisible() && view.SpinButton1->isVisible());
        QCOMPARE(view.Image1->isVisible(), banner);
        // The job for the printer: one page, of a sensible size.
        const QByteArray pdf = DefaultPrinter::pagePdf(page, QPageSize(QPageSize::A4));
        QVERIFY(pdf.startsWith("%PDF-"));
        QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), 1);
        QVERIFY2(pdf.size() < 2 * 1024 * 1024, QByteArray::number(pdf.size()));
    }

    void failedPrint()
    {
        Planner planner;
        QVERIFY(planner.start());
        auto& view = *planner.window;
        planner.printer->failure = QStringLiteral("no default printer is set");
        const QString said = pressPrint(view);
        QVERIFY2(said.count(u'\n') == 1 && said.contains(planner.printer->failure), qPrintable(said));
        QVERIFY(view.Label1->text().isEmpty() && view.Image1->isVisible());
        QVERIFY(view.FRMyEAR->isVisible() && view.Command1->isVisible() && view.SpinButton1->isVisible());
        QVERIFY(!QApplication::activeModalWidget() && view.findChildren<QMessageBox*>().isEmpty());
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
