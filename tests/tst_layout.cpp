#include "windowtest.h"

using namespace tavrin;
using namespace tavrin::test;

const QColor kPlatformBase(30, 30, 40);

class TestLayout : public QObject
{
    Q_OBJECT
private slots:
    // Rows are named after the control; its place in the window and size in twips.
    void geometry_data()
    {
        QTest::addColumn<QRect>("pixels");
        const auto row = [](const char* name, int x, int y, int w, int h) {
            QTest::newRow(name) << TwipRect{x, y, w, h}.toPixels();
        };
        row("Txt1(0)", 870, 1470 + 390, 375, 255);
        row("Txt1(6)", 870 + 2250, 1470 + 390, 375, 255);
        row("Txt1(7)", 870, 1470 + 645, 375, 255);
        row("Txt1(41)", 870 + 2250, 1470 + 1665, 375, 255);
        row("Txt1(17)", 1995, 2370, 375, 255);
        row("Txt12(41)", 8790 + 2250, 5340 + 1665, 375, 255);
        row("Txt2(39)", 3510 + 1500, 1470 + 1665, 375, 255);
        row("Txt2(41)", 3510 + 1875, 1470 + 1665, 375, 255);
        row("Txt2(42)", 3510 + 2250, 1470 + 1665, 375, 255);
        row("fraTavrin", 870, 1470, 2640, 1935);
        row("Frame10", 8790, 5340, 11430 - 8790, 7275 - 5340);
        row("WDay(7)", 870, 1470, 2625, 195);      // January's title
        row("WDay(6)", 870 + 2250, 1665, 375, 195); // "Fri": 377 twips, a pixel is 375
        row("WDay(90)", 8790 + 2250, 5535, 375, 195);
        row("WDay(8)", 9660, 615, 1695, 270);
        row("FRMyEAR", 9660, 510, 1695, 465);
        row("SpinButton1", 11355, 510, 315, 480);
        row("Command1", 8280, 600, 735, 285);
        row("Label1", 1200, 840, 2775, 375);
        row("Image1", 2520, 7440, 6930, 765);
        row("Line2", 855, 1455, 11430 - 855, 15);
        row("Line1", 855, 1455, 15, 7275 - 1455);
    }
    void geometry()
    {
        QFETCH(QRect, pixels);
        Planner planner;
        const auto* control = planner.window->findChild<QWidget*>(QTest::currentDataTag());
        QVERIFY(control);
        QCOMPARE(QRect(control->mapTo(planner.window.get(), QPoint()), control->size()), pixels);
    }

    // Rows are named after the control. Under a dark platform palette, to show which follow it.
    void creationColours_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::newRow("Txt1(17)") << QColor(Qt::white);
        QTest::newRow("Txt11(17)") << QColor(Qt::white);
        QTest::newRow("Txt2(17)") << kPlatformBase;
        QTest::newRow("Txt1(16)") << kPlatformBase;
        QTest::newRow("FrameFeb") << QColor(Qt::black);
        QTest::newRow("WDay(96)") << QColor(64, 64, 64); // December's title
        QTest::newRow("WDay(0)") << QColor(192, 192, 192); // January's "Sat"
        QTest::newRow("WDay(8)") << QColor(128, 128, 128); // the year box
    }
    void creationColours()
    {
        QFETCH(QColor, colour);
        QPalette dark;
        dark.setColor(QPalette::Base, kPlatformBase);
        QApplication::setPalette(dark);
        Planner planner;
        QApplication::setPalette(QPalette());
        QCOMPARE(backColor(planner.window->findChild<QWidget*>(QTest::currentDataTag())), colour);
    }

    // The window as built, then once shown (which runs Form_Load).
    void window()
    {
        Planner planner;
        auto& view = *planner.window;
        QCOMPARE(view.findChildren<TextBox*>().size(), 97);
        QCOMPARE(view.WDay().size(), 97u);
        QCOMPARE(view.findChildren<Label*>().size(), 12 * 42 + 1);
        QVERIFY(!view.findChild<QWidget*>("Txt2(40)") && !view.Txt(2).contains(40));
        QCOMPARE(view.Txt(2).rbegin()->first, 42);
        QCOMPARE(view.WDay().at(25)->text(), "APRIL");
        QCOMPARE(view.WDay().at(16)->text(), "Tue");
        QVERIFY(view.yearBox()->text().isEmpty());
        // Titles cannot be emptied by the user: no focus, no input.
        QVERIFY(view.WDay().at(7)->focusPolicy() == Qt::NoFocus && view.WDay().at(7)->isReadOnly());
        QVERIFY(!view.FRMyEAR->isEnabled());
        const auto* cell = view.Txt(5).at(20);
        QVERIFY(cell->font().family() == "Verdana" && cell->font().underline());
        QCOMPARE(cell->alignment(), Qt::AlignRight | Qt::AlignVCenter);

        QVERIFY(planner.start());
        for (int month = 1; month <= 12; ++month)
            for (const auto& [index, label] : view.Txt(month)) {
                const QFont font = label->font();
                QVERIFY(font.family() == "Arial" && font.pointSizeF() == 8.25 && font.underline());
                QVERIFY(!font.bold() && label->alignment() == Qt::AlignCenter);
            }
        // fontconfig resolves Arial to a face with its metrics.
        QCOMPARE(QFontInfo(cell->font()).family(), "Liberation Sans");
        QCOMPARE(view.objectName(), "frmMain");
        QCOMPARE(view.windowTitle(), "Tavrin");
        QCOMPARE(view.size(), QSize(808, 571));
        QCOMPARE(view.minimumSize(), view.maximumSize());
        QVERIFY(!(view.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(view.windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));
        QCOMPARE(view.Image1->size(), QSize(462, 51));
        // The year box draws white on grey though its frame is disabled.
        QCOMPARE(view.yearBox()->palette().color(QPalette::Disabled, QPalette::Text), QColor(Qt::white));
        // Panel edges: one black pixel at the right of January, the line above it.
        const QImage shot = view.grab().toImage();
        QCOMPARE(shot.pixelColor(toPixels(870 + 2625), toPixels(1500)), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(toPixels(2000), toPixels(1455)), windowTextColour());
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
