#include "windowtest.h"

using namespace tavrin;
using namespace tavrin::test;

class TestRendering : public QObject
{
    Q_OBJECT
    std::unique_ptr<Planner> planner_;
    YearView* view_ = nullptr;

    void renderYear(int year)
    {
        view_->yearBox()->setText(QString::number(year));
        view_->model().YearText = std::to_string(year);
        view_->RenderYear();
    }
    Label* january(int index) const { return view_->Txt(1).at(index); }

private slots:
    void init()
    {
        // A dark platform palette tells cells never written from white ones.
        QPalette dark;
        dark.setColor(QPalette::Base, QColor(30, 30, 40));
        QApplication::setPalette(dark);
        planner_ = std::make_unique<Planner>();
        view_ = planner_->window.get();
        std::ranges::copy(kMonthNames, view_->model().MonthNames.begin());
    }

    // Years in turn: what each render leaves of the last, and the marks on January's days.
    void rendersInTurn()
    {
        const QColor created = backColor(january(2));
        view_->Label1->setText("Tavrin");
        auto* header = view_->WDay().at(27);
        header->clear();
        renderYear(2021); // January in cells 6 to 36
        QCOMPARE(backColor(january(2)), created); // never written yet
        QVERIFY(view_->Label1->text().isEmpty());
        QVERIFY(!header->isEnabled() && backColor(header) == Qt::white);
        header->setText("Sun");
        renderYear(2022); // January in cells 0 to 30
        QVERIFY(!header->isEnabled()); // retired for good
        QVERIFY(view_->yearBox()->isEnabledTo(view_->FRMyEAR));
        QCOMPARE(backColor(view_->WDay().at(25)), QColor(64, 64, 64));
        for (int index = 31; index <= 36; ++index)
            QVERIFY(january(index)->isEnabled() && backColor(january(index)) == Qt::white);
        QCOMPARE(backColor(january(37)), created); // no render reaches 37

        QTest::mouseClick(january(3), Qt::LeftButton);
        QTest::mouseClick(january(40), Qt::LeftButton);
        QTest::mouseClick(january(5), Qt::RightButton); // only left clicks mark
        QTest::mouseClick(view_->Txt(2).at(3), Qt::LeftButton); // only January's cells do
        QCOMPARE(back(january(3)), kRed);
        QCOMPARE(january(3)->text(), "4");
        QCOMPARE(back(january(5)), kWhite);
        QCOMPARE(back(view_->Txt(2).at(3)), kWhite);
        renderYear(2021);
        QVERIFY(back(january(3)) == kRed && january(3)->text().isEmpty());
        for (int year : {2022, 2023, 2024, 2022}) {
            renderYear(year);
            QCOMPARE(back(january(40)), kRed);
        }
        QVERIFY(back(january(3)) == kWhite && january(3)->text() == "4");
    }
};

QTEST_MAIN(TestRendering)
#include "tst_rendering.moc"
