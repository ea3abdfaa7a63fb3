// Run with the machine's fonts and again on a fontconfig set-up with no Arial
// (nor a face with its metrics): the planner still draws every day legibly.

#include "windowtest.h"

using namespace tavrin;
using namespace tavrin::test;

class TestFonts : public QObject
{
    Q_OBJECT
private slots:
    void dayCellsDrawn();
};

void TestFonts::dayCellsDrawn()
{
    const bool arialMissing = qEnvironmentVariableIsSet("FONTCONFIG_FILE");
    Planner planner;
    QVERIFY(planner.start());
    auto& view = *planner.window;
    QLabel* cell = view.Txt(12).at(32); // "30" in December 2026
    QCOMPARE(cell->text(), QStringLiteral("30"));
    const QFontInfo face(cell->font());
    QCOMPARE(face.family() == QStringLiteral("Liberation Sans"), !arialMissing);
    // The widest day number fits its cell, and the cell shows ink.
    QVERIFY(cell->fontMetrics().horizontalAdvance(QStringLiteral("28")) < cell->width());
    const QImage shot = cell->grab().toImage();
    int ink = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            ink += qGray(shot.pixel(x, y)) < 128;
    QVERIFY2(ink > 10, qPrintable(QString::number(ink)));
}

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
