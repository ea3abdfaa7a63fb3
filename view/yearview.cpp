// SPDX-License-Identifier: GPL-3.0-or-later
#include "yearview.h"

#include "accessibility.h"
#include "monthtable.h"

#include <QApplication>
#include <QPixmap>
#include <algorithm>

namespace tavrin {
namespace {

TextBox* makeTextBox(QWidget* parent, int index, const QString& text, const FontStyle& font, Colour back,
                     const QColor& textColour)
{
    auto* box = new TextBox(parent, elementName(QStringLiteral("WDay"), index), text);
    box->setFont(makeFont(font));
    box->setAlignment(Qt::AlignCenter);
    // Without a colour of its own (the headers) the box writes as
    // setBackColor leaves it: in the window text colour, or in black or
    // white where that does not stand out from the back colour.
    setBackColor(box, toQColor(back));
    if (textColour.isValid())
        setTextColor(box, textColour);
    return box;
}

// The control at `place`, its font at `style`'s size times `scale`; the face
// and the rest of the font are the control's own.
void setPlace(QWidget* control, const QRect& place, const FontStyle& style, double scale)
{
    control->setGeometry(place);
    QFont font = control->font();
    font.setPointSizeF(style.pointSize * scale);
    control->setFont(font);
}

} // namespace

YearView::YearView(QWidget* parent) : QWidget(parent)
{
    installAccessibility();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tavrin"));
    setFixedSize(plannerSize(1));
    setFont(makeFont(kWindowFont));
    setBackColor(this, toQColor(kWhite));

    for (const auto& row : kMonthPanels)
        buildMonthPanel(row);
    buildOtherControls();
    layOut();
}

QSize YearView::plannerSize(double scale)
{
    const auto pixels = TwipScale::of(scale);
    return {pixels.toX(kClientWidth), pixels.toY(kClientHeight)};
}

double YearView::scaleToFit(QSize area)
{
    const QSize own = plannerSize(1);
    return std::min({1.0, static_cast<double>(area.width()) / own.width(),
                     static_cast<double>(area.height()) / own.height()});
}

void YearView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void YearView::layOut()
{
    scale_ = scaleToFit(size());
    const QSize planner = plannerSize(scale_);
    corner_ = QPoint((width() - planner.width()) / 2, (height() - planner.height()) / 2);
    const auto scale = TwipScale::of(scale_);
    const auto at = [&](const TwipRect& place) { return place.toPixels(scale).translated(corner_); };
    QFont font = this->font();
    font.setPointSizeF(kWindowFont.pointSize * scale_);
    setFont(font);
    for (const auto& row : kMonthPanels)
        layOutMonthPanel(row, scale);

    Command1->setGeometry(at(kCommand1));
    FRMyEAR->setGeometry(at(kYearFrame));
    setPlace(yearBox(), kYearBoxInFrame.toPixels(scale), kYearBoxFont, scale_);
    SpinButton1->setGeometry(at(kSpinButton));
    setPlace(Label1, at(kLabel1), kTitleLabelFont, scale_);
    Image1->setGeometry(
        at({static_cast<int>(std::lround(Image1->Left())), kImage1.top, kImage1.width, kImage1.height}));
    Line2->setGeometry(kLine2.toPixels(scale).translated(corner_));
    Line1->setGeometry(kLine1.toPixels(scale).translated(corner_));
}

void YearView::layOutMonthPanel(const MonthPanelRow& row, TwipScale scale)
{
    auto* panel = this->panel(row.month);
    panel->setGeometry(
        TwipRect{row.left, row.top, kPanelWidth, kPanelHeight}.toPixels(scale).translated(corner_));
    // At every scale the controls leave the panel's last column and row of
    // pixels black: the one-pixel lines between the months.
    const auto inPanel = TwipScale::filling(kPanelContent, panel->size() - QSize(1, 1));
    setPlace(wday_.at(row.titleIndex), kTitleBox.toPixels(inPanel), kTitleFont, scale_);
    for (int column = 0; column < kCellsPerRow; ++column) {
        auto place = kHeaderBox;
        place.left = kHeaderPitch * column;
        setPlace(wday_.at(row.headerIndexes.at(static_cast<std::size_t>(column))), place.toPixels(inPanel),
                 kHeaderFont, scale_);
    }
    for (const auto& [index, cell] : Txt(row.month)) {
        const int slot = gridSlot(row.month, index);
        auto place = kDayCell;
        place.left = kDayCell.width * (slot % kCellsPerRow);
        place.top = kDayCell.top + kDayCell.height * (slot / kCellsPerRow);
        setPlace(cell, place.toPixels(inPanel), kDayCellFont, scale_);
    }
}

void YearView::buildMonthPanel(const MonthPanelRow& row)
{
    auto* panel = new Panel(this, QString::fromLatin1(row.panelName), kBlack);
    panels_.at(static_cast<std::size_t>(row.month - 1)) = panel;

    wday_[row.titleIndex] = makeTextBox(panel, row.titleIndex, QString::fromLatin1(row.title), kTitleFont,
                                        kDarkGrey, toQColor(kWhite));
    for (int column = 0; column < kCellsPerRow; ++column) {
        const int index = row.headerIndexes.at(static_cast<std::size_t>(column));
        wday_[index] = makeTextBox(panel, index,
                                   QString::fromLatin1(kWeekdayHeaders.at(static_cast<std::size_t>(column))),
                                   kHeaderFont, kSilver, QColor());
    }

    const bool whiteCell17 = std::ranges::find(kWhiteCell17Months, row.month) != kWhiteCell17Months.end();
    const QString arrayName = QStringLiteral("Txt%1").arg(row.month);
    auto& cells = txt_.at(static_cast<std::size_t>(row.month - 1));
    for (const int index : cellIndexes(row.month)) {
        auto* cell = new DayCell(panel, elementName(arrayName, index), row.month == 1);
        cell->setFont(makeFont(kDayCellFont));
        cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        usePlatformColours(cell);
        if (whiteCell17 && index == kWhiteCellIndex)
            setBackColor(cell, toQColor(kWhite));
        cells[index] = cell;
    }
    // The keyboard moves between days of all months through their panels;
    // January's panel alone is a Tab stop, the way into the block.
    panel->installEventFilter(this);
    if (row.month != 1)
        return;
    for (const auto& [index, cell] : cells)
        connect(cell, &Label::clicked, this, [this, index = index] { Txt1_Click(index); });
    panel->setFocusPolicy(Qt::TabFocus);
}

DayCell* YearView::dayCell(int month, int day) const
{
    if (day < 1 || day > daysDrawn(month))
        return nullptr;
    const int slot = firstSlot(month) + day - 1;
    return Txt(month).at(month == kFebruary && slot >= 40 ? slot + 1 : slot);
}

int YearView::monthOf(const QWidget* panel) const
{
    const auto found = std::ranges::find(panels_, panel);
    return found == panels_.end() ? 0 : static_cast<int>(found - panels_.begin()) + 1;
}

void YearView::buildOtherControls()
{
    Command1 = new PushButton(this, QStringLiteral("Command1"), QStringLiteral("Print"));

    FRMyEAR = new Panel(this, QStringLiteral("FRMyEAR"), kGrey);
    wday_[kYearBoxIndex] =
        makeTextBox(FRMyEAR, kYearBoxIndex, QString(), kYearBoxFont, kGrey, toQColor(kWhite));
    // The frame is disabled so the box inside takes no input; the box itself
    // stays enabled and draws white bold text on grey, though Qt hands the
    // frame's disabled state down to it.
    setTextColor(yearBox(), toQColor(kWhite), WhenDisabled::SameColour);
    FRMyEAR->setEnabled(false);
    yearBox()->setAccessibleDescription(QStringLiteral("Selected year"));

    SpinButton1 = new SpinButton(this, QStringLiteral("SpinButton1"));
    // The keyboard starts on the year: Up and Down work at once, and a stray
    // Space prints nothing. Tab then reaches January's days, then Print.
    SpinButton1->setFocus();

    Label1 = new Label(this, QStringLiteral("Label1"));
    Label1->setFont(makeFont(kTitleLabelFont));
    Label1->setAlignment(Qt::AlignCenter);
    // Transparent on the window's fixed white: the window text colour, or
    // what stands out in its place.
    setTextColor(Label1, standingOut(windowTextColour(), backColor(this), kTextContrast));

    Image1 = new Picture(this, QStringLiteral("Image1"), QStringLiteral(":/tavrin/banner.jpg"));
    Image1->setLeft(static_cast<float>(kImage1.left));

    Line2 = new Line(this, QStringLiteral("Line2"), kLine2);
    Line1 = new Line(this, QStringLiteral("Line1"), kLine1);

    notice_ = new Notice(this);
    connect(SpinButton1, &SpinButton::SpinUp, this, [this] { tellYear(false); });
    connect(SpinButton1, &SpinButton::SpinDown, this, [this] { tellYear(false); });
    connect(SpinButton1, &SpinButton::settled, this, [this] { tellYear(true); });
}

// A reader hears the value of each step, and at either end that it is one.
// After a quick run of steps it hears the year again: keys still queued when
// it began to speak the last value may have cut that short.
void YearView::tellYear(bool settled)
{
    const int year = SpinButton1->Value();
    const QString end = year == SpinButton1->Max()   ? QStringLiteral(", the latest")
                        : year == SpinButton1->Min() ? QStringLiteral(", the earliest")
                                                     : QString();
    if (settled || !end.isEmpty())
        notice_->tell(QStringLiteral("year %1").arg(year) + end);
}

} // namespace tavrin
