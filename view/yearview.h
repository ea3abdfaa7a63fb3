// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "accessibility.h"
#include "datemodel.h"
#include "daycell.h"
#include "notice.h"
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

    // The window's client size at a layout scale, 1 being the planner's own.
    static QSize plannerSize(double scale);
    // The largest scale, up to 1, at which the planner fits `area`.
    static double scaleToFit(QSize area);
    // The planner is laid out as large as its window allows, up to its own
    // size, and centred in it; around it the window shows its white.
    double layoutScale() const { return scale_; }
    QRect plannerRect() const { return {corner_, plannerSize(scale_)}; }

    // Draws YearText into the twelve panels: clears every label, fills the
    // months January to December, then retires empty text boxes; screen
    // readers then meet every day afresh. Throws LanguageError, with the
    // earlier months drawn, when a month's date cannot be interpreted.
    void RenderYear();
    void ClearAllLabels();
    void FillMonth(int month);
    void DisableBlankBoxes();

    // Marks a January day by painting its cell red.
    void Txt1_Click(int index);

    // The day the keyboard works on, in the month whose panel has or last
    // had the focus. The twelve panels are one Tab stop, entered on 1 January.
    int currentMonth() const { return current_.month; }
    int currentDay() const { return current_.day; }
    DayCell* currentCell() const { return dayCell(current_.month, current_.day); }
    // Makes a day of a month the current one and gives its panel the focus.
    void focusDay(int month, int day);
    // The cell that shows a day of a month as drawn, or nullptr.
    DayCell* dayCell(int month, int day) const;
    // Grid slot (row-major, 0 to 41) of a month's 1st, and its days, as drawn.
    int firstSlot(int month) const { return drawn(month).first; }
    int daysDrawn(int month) const { return drawn(month).days; }
    // The month (1 to 12) a panel holds, or 0.
    int monthOf(const QWidget* panel) const;
    DayAccessibles& dayAccessibles() { return dayAccessibles_; }
    // News for screen readers: a mark made, an end of the years reached.
    Notice* notice() const { return notice_; }

    DateModel& model() { return model_; }
    const DateModel& model() const { return model_; }

    // Day cells of a month (1 to 12), by cell index.
    const ControlArray<DayCell>& Txt(int month) const { return txt_.at(static_cast<std::size_t>(month - 1)); }
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

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Places every control, and sizes every font, for the window's size.
    void layOut();

private:
    void buildMonthPanel(const MonthPanelRow& row);
    void buildOtherControls();
    void layOutMonthPanel(const MonthPanelRow& row, TwipScale scale);
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool dayKey(const QKeyEvent& key);
    bool moveBy(int days);
    bool moveByMonths(int months);
    void moveTo(int month, int day);
    void markOrSayWhyNot();
    void frameCurrent();
    void announceDayFocus();
    void tellYear(bool settled);

    struct Drawn
    {
        int first = 0;
        int days = 0;
    };
    struct Day
    {
        int month = 1;
        int day = 1;
    };
    const Drawn& drawn(int month) const { return drawn_.at(static_cast<std::size_t>(month - 1)); }

    double scale_ = 1;
    QPoint corner_;
    DateModel model_;
    std::array<ControlArray<DayCell>, 12> txt_;
    std::array<Drawn, 12> drawn_{};
    Day current_;
    DayCell* framed_ = nullptr;        // the cell that shows the current day
    const DayCell* refused_ = nullptr; // the day a reader was told it cannot mark
    DayAccessibles dayAccessibles_{this};
    Notice* notice_ = nullptr;
    ControlArray<TextBox> wday_;
    std::array<Panel*, 12> panels_{};
};

} // namespace tavrin
