#include "windowtest.h"

using namespace tavrin;
using namespace tavrin::test;

class TestLayout : public QObject
{
    Q_OBJECT
private slots:
    void geometry_data();
    void geometry();
    void controlArrays();
    void creationColours_data();
    void creationColours();
    void window();
    void dayCellFonts();
};

void TestLayout::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips"); // window position and size
    const auto row = [](const char* name, int x, int y, int w, int h) {
        QTest::newRow(name) << QString::fromLatin1(name) << QRect(x, y, w, h);
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

void TestLayout::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    Planner planner;
    auto* control = planner.window->findChild<QWidget*>(name);
    QVERIFY(control);
    const QRect pixels(control->mapTo(planner.window.get(), QPoint()), control->size());
    QCOMPARE(pixels, (TwipRect{twips.x(), twips.y(), twips.width(), twips.height()}.toPixels()));
}

void TestLayout::controlArrays()
{
    Planner planner;
    const auto& view = *planner.window;
    QCOMPARE(view.findChildren<TextBox*>().size(), 97);
    QCOMPARE(view.WDay().size(), 97u);
    QCOMPARE(view.findChildren<Label*>().size(), 12 * 42 + 1);
    QVERIFY(!view.findChild<QWidget*>(QStringLiteral("Txt2(40)")));
    QVERIFY(!view.Txt(2).contains(40));
    QCOMPARE(view.Txt(2).rbegin()->first, 42);
    QCOMPARE(view.findChild<TextBox*>(QStringLiteral("WDay(25)"))->text(), QStringLiteral("APRIL"));
    QCOMPARE(view.findChild<TextBox*>(QStringLiteral("WDay(16)"))->text(), QStringLiteral("Tue"));
    QVERIFY(view.yearBox()->text().isEmpty());
    // Titles cannot be emptied by the user: no focus, no input.
    QCOMPARE(view.WDay().at(7)->focusPolicy(), Qt::NoFocus);
    QVERIFY(view.WDay().at(7)->isReadOnly());
    QVERIFY(!view.FRMyEAR->isEnabled());
}

void TestLayout::creationColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour"); // invalid: the platform's colour
    QTest::newRow("January 17") << "Txt1(17)" << QColor(Qt::white);
    QTest::newRow("November 17") << "Txt11(17)" << QColor(Qt::white);
    QTest::newRow("February 17") << "Txt2(17)" << QColor();
    QTest::newRow("January 16") << "Txt1(16)" << QColor();
    QTest::newRow("panel") << "FrameFeb" << QColor(Qt::black);
    QTest::newRow("title") << "WDay(96)" << toQColor(kDarkGrey);
    QTest::newRow("header") << "WDay(0)" << toQColor(kSilver);
    QTest::newRow("year box") << "WDay(8)" << toQColor(kGrey);
}

void TestLayout::creationColours()
{
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    // A dark platform palette shows which cells follow it.
    QPalette dark = QApplication::palette();
    dark.setColor(QPalette::Base, QColor(30, 30, 40));
    QApplication::setPalette(dark);
    Planner planner;
    QApplication::setPalette(QPalette());
    QCOMPARE(backColor(planner.window->findChild<QWidget*>(name)), colour.isValid() ? colour : dark.color(QPalette::Base));
}

void TestLayout::window()
{
    Planner planner;
    QVERIFY(planner.start());
    auto& view = *planner.window;
    QCOMPARE(view.objectName(), QStringLiteral("frmMain"));
    QCOMPARE(view.windowTitle(), QStringLiteral("Tavrin"));
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

void TestLayout::dayCellFonts()
{
    Planner planner;
    const auto* cell = planner.window->Txt(5).at(20);
    QCOMPARE(cell->font().family(), QStringLiteral("Verdana"));
    QVERIFY(cell->font().underline());
    QCOMPARE(cell->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    planner.window->Form_Load();
    for (int month = 1; month <= 12; ++month)
        for (const auto& [index, label] : planner.window->Txt(month)) {
            QCOMPARE(label->font().family(), QStringLiteral("Arial"));
            QCOMPARE(label->font().pointSizeF(), 8.25);
            QVERIFY(label->font().underline() && !label->font().bold());
            QCOMPARE(label->alignment(), Qt::AlignCenter);
        }
    // fontconfig resolves Arial to a face with its metrics.
    QCOMPARE(QFontInfo(cell->font()).family(), QStringLiteral("Liberation Sans"));
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
