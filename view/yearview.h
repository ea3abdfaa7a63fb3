#pragma once

#include "datemodel.h"
#include "daycell.h"
#include "spinbutton.h"
#include "toolkit.h"

#include <QWidget>
#include <array>

namespace tavrin {

// The planner's window, frmMain: every control of the layout, the date model
// it draws from, the rendering of a year and the marking of January days.
class YearView : public QWidget
{
    Q_OBJECT
public:
    explicit YearView(QWidget* parent = nullptr);

    // Draws YearText into the twelve panels: clears every label, fills the
    // months January to December, then retires empty text boxes; then tells
    // screen readers what changed. Throws LanguageError, with the earlier
    // months drawn, when a month's date cannot be interpreted.
    void RenderYear();
    void ClearAllLabels();
    void FillMonth(int month);
    void DisableBlankBoxes();

    // Marks a January day by painting its cell red.
    void Txt1_Click(int index);

    // The January cell the keyboard works on; January's panel is one Tab stop.
    DayCell* januaryCell() const { return Txt(1).at(januaryCell_); }

    DateModel& model() { return model_; }
    const DateModel& model() const { return model_; }

    // Day cells of a month (1 to 12), by cell index.
    const ControlArray<DayCell>& Txt(int month) const
    {
        return txt_.at(static_cast<std::size_t>(month - 1));
    }
    const ControlArray<TextBox>& WDay() const { return wday_; }
    TextBox* yearBox() const { return wday_.at(kYearBoxIndex); }
    Panel* panel(int month) const { return panels_.at(static_cast<std::size_t>(month - 1)); }

    PushButton* Command1 = nullptr;
    Panel* FRMyEAR = nullptr;
    SpinButton* SpinButton1 = nullptr;
    Label* Label1 = nullptr;
    Picture* Image1 = nullptr;
    Line* Line1 = nullptr;
    Line* Line2 = nullptr;

private:
    void buildMonthPanel(const MonthPanelRow& row);
    void buildOtherControls();
    void announceChanges();
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool januaryKey(const QKeyEvent& key);
    void moveJanuaryCell(int index);
    void keepJanuaryCellOnADay();
    void announceJanuaryFocus();

    DateModel model_;
    std::array<ControlArray<DayCell>, 12> txt_;
    int januaryCell_ = 0;
    ControlArray<TextBox> wday_;
    std::array<Panel*, 12> panels_{};
};

} // namespace tavrin
