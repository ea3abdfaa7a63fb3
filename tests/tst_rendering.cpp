#include "windowtest.h"

using namespace tavrin;
using namespace tavrin::test;

class TestRendering : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void render_data();
    void render();
    void stateBetweenRenders();
    void marking();
    void textBoxes();

private:
    void renderYear(int year);
    std::unique_ptr<Planner> planner_;
    YearView* view_ = nullptr;
};

void TestRendering::init()
{
    planner_ = std::make_unique<Planner>();
    view_ = planner_->window.get();
    std::ranges::copy(kMonthNames, view_->model().MonthNames.begin());
}

void TestRendering::renderYear(int year)
{
    view_->yearBox()->setText(QString::number(year));
    view_->model().YearText = std::to_string(year);
    view_->RenderYear();
}

void TestRendering::render_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("days");
    QTest::newRow("2021 January") << 2021 << 1 << 6 << 31;
    QTest::newRow("2022 January") << 2022 << 1 << 0 << 31;
    QTest::newRow("2008 February") << 2008 << 2 << 6 << 29;
    QTest::newRow("2025 February") << 2025 << 2 << 0 << 28;
    QTest::newRow("2024 December") << 2024 << 12 << 1 << 31;
    QTest::newRow("0 February") << 0 << 2 << 3 << 29;
}

void TestRendering::render()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, first);
    QFETCH(int, days);
    renderYear(year);
    QCOMPARE(captions(*view_, month), expectedCaptions(month, first, days));
    for (int index = first; index < first + days; ++index) {
        const auto* cell = view_->Txt(month).at(index);
        QVERIFY(cell->isEnabled());
        QCOMPARE(back(cell), kWhite);
    }
    QCOMPARE(view_->model().DaysInMonth, 31); // December's, last asked
}

void TestRendering::stateBetweenRenders()
{
    const auto& january = view_->Txt(1);
    const QColor created = backColor(january.at(2));
    renderYear(2021); // January in cells 6 to 36
    QCOMPARE(backColor(january.at(2)), created); // never written yet
    view_->Label1->setText(QStringLiteral("2021 Tavrin"));
    renderYear(2022); // January in cells 0 to 30
    QCOMPARE(captions(*view_, 1), expectedCaptions(1, 0, 31));
    QVERIFY(view_->Label1->text().isEmpty());
    for (int index = 31; index <= 36; ++index) {
        QVERIFY(january.at(index)->isEnabled());
        QCOMPARE(back(january.at(index)), kWhite);
    }
    QCOMPARE(back(january.at(37)), fromQColor(created)); // no render reaches 37
}

void TestRendering::marking()
{
    renderYear(2022);
    auto* cell3 = view_->Txt(1).at(3);
    QTest::mouseClick(cell3, Qt::LeftButton);
    QCOMPARE(back(cell3), kRed);
    QCOMPARE(cell3->text(), QStringLiteral("4"));
    QTest::mouseClick(view_->Txt(1).at(40), Qt::LeftButton);
    QTest::mouseClick(view_->Txt(1).at(40), Qt::RightButton); // only left clicks mark
    // Other months' cells do not react.
    auto* february = view_->Txt(2).at(3);
    QTest::mouseClick(february, Qt::LeftButton);
    QCOMPARE(back(february), kWhite);

    renderYear(2021);
    QCOMPARE(back(cell3), kRed);
    QVERIFY(cell3->text().isEmpty());
    for (int year : {2022, 2023, 2024, 2022}) {
        renderYear(year);
        QCOMPARE(back(view_->Txt(1).at(40)), kRed);
    }
    QCOMPARE(back(cell3), kWhite);
    QCOMPARE(cell3->text(), QStringLiteral("4"));
}

void TestRendering::textBoxes()
{
    auto* header = view_->WDay().at(27);
    header->clear();
    renderYear(2022);
    QVERIFY(!header->isEnabled());
    QCOMPARE(back(header), kWhite);
    header->setText(QStringLiteral("Sun"));
    renderYear(2023);
    QVERIFY(!header->isEnabled()); // retired for good
    QVERIFY(view_->yearBox()->isEnabledTo(view_->FRMyEAR));
    QCOMPARE(back(view_->WDay().at(25)), kDarkGrey);
}

QTEST_MAIN(TestRendering)
#include "tst_rendering.moc"
