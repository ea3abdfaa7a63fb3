// The whole window against a reference picture: with the machine's fonts,
// and with a font set that lacks Arial (every day must still fit its cell).

#include "windowtest.h"

using namespace tavrin;
using namespace tavrin::test;

namespace {

const QString kReference = QStringLiteral(TAVRIN_TEST_DATA "/reference/%1.png")
    .arg(qEnvironmentVariableIsSet("FONTCONFIG_FILE") ? "window-no-arial" : "window");

// Pixels whose colour differs by more than anti-aliasing can explain.
int differingPixels(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            count += std::max({std::abs(p.red() - q.red()), std::abs(p.green() - q.green()),
                               std::abs(p.blue() - q.blue())}) > 64;
        }
    return count;
}

} // namespace

class TestAppearance : public QObject
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
    // prepares (Debian's Qt, FreeType and fonts), so only anti-aliased
    // edges may differ, and only a few pixels by more than a quarter of the
    // range.
    void window()
    {
        QPalette tinted;
        tinted.setColor(QPalette::Base, QColor(255, 250, 205));
        tinted.setColor(QPalette::Text, QColor(0, 0, 128));
        QApplication::setPalette(tinted);
        Planner planner;
        QVERIFY(planner.start());
        auto& view = *planner.window;
        for (int index : {3, 10, 40})
            QTest::mouseClick(view.Txt(1).at(index), Qt::LeftButton);
        QTest::mouseClick(view.Txt(1).at(2), Qt::RightButton);
        QTest::mouseClick(view.Txt(2).at(38), Qt::LeftButton);
        view.Label1->setText(QStringLiteral("Tavrin"));
        view.WDay().at(27)->clear();
        QTest::mouseClick(view.SpinButton1->downArrow(), Qt::LeftButton);
        QTest::mouseClick(view.SpinButton1->upArrow(), Qt::LeftButton);
        const QImage shot = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (qEnvironmentVariableIsSet("TAVRIN_UPDATE_REFERENCE"))
            QVERIFY(shot.save(kReference));
        const QImage reference = QImage(kReference).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shot.size(), reference.size());
        const int differing = differingPixels(shot, reference);
        if (differing > 4)
            shot.save(QStringLiteral("window-actual.png"));
        QVERIFY2(differing <= 4, qPrintable(QStringLiteral("%1 pixels differ; see window-actual.png")
                                                .arg(differing)));
    }
};

QTEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
