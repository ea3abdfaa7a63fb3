// Run at the screen's natural scale and again under QT_SCALE_FACTOR=2: the
// layout stays in device-independent pixels and text is drawn at full
// resolution, not blown up.

#include "windowtest.h"

using namespace tavrin;
using namespace tavrin::test;

class TestScaling : public QObject
{
    Q_OBJECT
private slots:
    void layoutAndText();
};

void TestScaling::layoutAndText()
{
    const qreal scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                            ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0;
    Planner planner;
    QVERIFY(planner.start());
    auto& view = *planner.window;
    QCOMPARE(view.devicePixelRatio(), scale);
    QCOMPARE(view.size(), QSize(808, 571));
    const auto* cell = view.Txt(1).at(17);
    QCOMPARE(QRect(cell->mapTo(&view, QPoint()), cell->size()), QRect(133, 158, 25, 17));

    const QImage shot = view.grab().toImage();
    QCOMPARE(shot.size(), QSize(808, 571) * scale);
    // Within the digits of a day cell, a blown-up picture would repeat every
    // pixel in scale x scale blocks; crisp text does not.
    const QRect digits(cell->mapTo(&view, QPoint()) * scale, cell->size() * scale);
    int mixedBlocks = 0;
    for (int y = digits.top(); y + 1 < digits.bottom(); y += 2)
        for (int x = digits.left(); x + 1 < digits.right(); x += 2)
            mixedBlocks += shot.pixel(x, y) != shot.pixel(x + 1, y) || shot.pixel(x, y) != shot.pixel(x, y + 1);
    if (scale >= 2)
        QVERIFY2(mixedBlocks >= 10, qPrintable(QString::number(mixedBlocks)));
}

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
