// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "accessible/dayaccessibles.h"
#include "accessible/plannerreading.h"
#include "datemodel.h"
#include "daykeys.h"
#include "label.h"
#include "line.h"
#include "monthblock.h"
#include "notice.h"
#include "picture.h"
#include "pushbutton.h"
#include "spinbutton.h"
#include "textbox.h"

#include <QWidget>

namespace tavrin {

// The planner's window, frmMain: every control of the layout, laid out for
// the window's size, the date model it draws from, the rendering of a year
// and the marking of January days. The keyboard in the month block is
// DayKeys'; screen readers read the window as a PlannerReading.
class YearView : public QWidget, public PlannerReading
{
    Q_OBJECT
public:
    explicit YearView(QWidget* parent = nullptr);
    ~YearView() override;

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

    DateModel& model() { return model_; }
    const DateModel& model() const { return model_; }
    const DayKeys& keys() const { return *keys_; }
    // News for screen readers: a mark made, an end of the years reached.
    Notice* notice() const { return notice_; }

    // The controls, by their design names.
    const MonthBlock& months() const override { return months_; }
    const ControlArray<DayCell>& Txt(int month) const { return months_.Txt(month); }
    Panel* panel(int month) const { return months_.panel(month); }
    const ControlArray<TextBox>& WDay() const override { return wday_; }
    TextBox* yearBox() const { return wday_.at(kYearBoxIndex); }
    PushButton* Command1() const { return command1_; }
    Panel* FRMyEAR() const { return frMyEar_; }
    SpinButton* SpinButton1() const { return spinButton1_; }
    Label* Label1() const { return label1_; }
    Picture* Image1() const { return image1_; }

    // The cell that shows a day of a month as drawn, or nullptr, and the
    // keyboard's current one.
    DayCell* dayCell(int month, int day) const { return months_.dayCell(month, day); }
    DayCell* currentCell() const { return keys_->currentCell(); }
    void focusDay(int month, int day) override { keys_->focusDay(month, day); }
    DayAccessibles& dayAccessibles() override { return dayAccessibles_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Places every control, and sizes every font, for the window's size.
    void layOut();

private:
    void buildMonthPanel(const MonthPanelRow& row);
    void buildOtherControls();
    void layOutMonthPanel(const MonthPanelRow& row, TwipScale scale);
    void tellYearEnd();

    double scale_ = 1;
    QSize laidOut_;
    QPoint corner_;
    DateModel model_;
    MonthBlock months_;
    ControlArray<TextBox> wday_;
    PushButton* command1_ = nullptr;
    Panel* frMyEar_ = nullptr;
    SpinButton* spinButton1_ = nullptr;
    Label* label1_ = nullptr;
    Picture* image1_ = nullptr;
    Line* line1_ = nullptr;
    Line* line2_ = nullptr;
    Notice* notice_ = nullptr;
    DayKeys* keys_ = nullptr;
    DayAccessibles dayAccessibles_{this};
};

} // namespace tavrin
