// SPDX-License-Identifier: GPL-3.0-or-later
#include "yearview.h"

#include "accessibility.h"
#include "colours.h"
#include "fonts.h"
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
    if (font.pointSizeF() == style.pointSize * scale) // setting a font costs even when it is the same
        return;
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
    keys_ = new DayKeys(this, months_, model_, notice_);
    connect(keys_, &DayKeys::dayFocused, this,
            [this](int month, int slot) { dayAccessibles_.tellFocus(month, slot); });
    layOut();
}

// The keys read the month block, which is gone by the time Qt closes the
// window and takes the focus from a panel: they go first.
YearView::~YearView()
{
    delete keys_;
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
    if (size() != laidOut_) // the first show resizes to the size already laid out
        layOut();
}

void YearView::layOut()
{
    laidOut_ = size();
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

    command1_->setGeometry(at(kCommand1));
    frMyEar_->setGeometry(at(kYearFrame));
    setPlace(yearBox(), kYearBoxInFrame.toPixels(scale), kYearBoxFont, scale_);
    spinButton1_->setGeometry(at(kSpinButton));
    setPlace(label1_, at(kLabel1), kTitleLabelFont, scale_);
    image1_->setGeometry(
        at({static_cast<int>(std::lround(image1_->Left())), kImage1.top, kImage1.width, kImage1.height}));
    line2_->setGeometry(kLine2.toPixels(scale).translated(corner_));
    line1_->setGeometry(kLine1.toPixels(scale).translated(corner_));
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
    const MonthGrid& grid = months_.grid(row.month);
    for (const auto& [index, cell] : Txt(row.month)) {
        const int slot = grid.slotOf(index);
        auto place = kDayCell;
        place.left = kDayCell.width * (slot % kCellsPerRow);
        place.top = kDayCell.top + kDayCell.height * (slot / kCellsPerRow);
        setPlace(cell, place.toPixels(inPanel), kDayCellFont, scale_);
    }
}

void YearView::buildMonthPanel(const MonthPanelRow& row)
{
    auto* panel = new Panel(this, QString::fromLatin1(row.panelName), kBlack);

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
    ControlArray<DayCell> cells;
    for (const int index : months_.grid(row.month).cellIndexes()) {
        auto* cell = new DayCell(panel, elementName(arrayName, index), row.month == 1);
        cell->setFont(makeFont(kDayCellFont));
        cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        usePlatformColours(cell);
        if (whiteCell17 && index == kWhiteCellIndex)
            setBackColor(cell, toQColor(kWhite));
        cells[index] = cell;
        if (row.month == 1)
            connect(cell, &Label::clicked, this, [this, index] { Txt1_Click(index); });
    }
    months_.add(row.month, panel, std::move(cells));
}

void YearView::buildOtherControls()
{
    command1_ = new PushButton(this, QStringLiteral("Command1"), QStringLiteral("Print"));

    frMyEar_ = new Panel(this, QStringLiteral("FRMyEAR"), kGrey);
    wday_[kYearBoxIndex] =
        makeTextBox(frMyEar_, kYearBoxIndex, QString(), kYearBoxFont, kGrey, toQColor(kWhite));
    // The frame is disabled so the box inside takes no input; the box itself
    // stays enabled and draws white bold text on grey, though Qt hands the
    // frame's disabled state down to it.
    setTextColor(yearBox(), toQColor(kWhite), WhenDisabled::SameColour);
    frMyEar_->setEnabled(false);
    yearBox()->setAccessibleDescription(QStringLiteral("Selected year"));

    spinButton1_ = new SpinButton(this, QStringLiteral("SpinButton1"));
    // The keyboard starts on the year: Up and Down work at once, and a stray
    // Space prints nothing. Tab then reaches January's days, then Print.
    spinButton1_->setFocus();

    label1_ = new Label(this, QStringLiteral("Label1"));
    label1_->setFont(makeFont(kTitleLabelFont));
    label1_->setAlignment(Qt::AlignCenter);
    // Transparent on the window's fixed white: the window text colour, or
    // what stands out in its place.
    setTextColor(label1_, standingOut(windowTextColour(), backColor(this), kTextContrast));

    image1_ = new Picture(this, QStringLiteral("Image1"), QStringLiteral(":/tavrin/banner.jpg"));
    image1_->setLeft(static_cast<float>(kImage1.left));

    line2_ = new Line(this, QStringLiteral("Line2"), kLine2);
    line1_ = new Line(this, QStringLiteral("Line1"), kLine1);

    notice_ = new Notice(this);
    connect(spinButton1_, &SpinButton::SpinUp, this, &YearView::tellYearEnd);
    connect(spinButton1_, &SpinButton::SpinDown, this, &YearView::tellYearEnd);
}

// A reader hears the year as the spin control's value; at either end, also
// that it is one.
void YearView::tellYearEnd()
{
    const int year = spinButton1_->Value();
    const QString end = year == spinButton1_->Max()   ? QStringLiteral(", the latest")
                        : year == spinButton1_->Min() ? QStringLiteral(", the earliest")
                                                      : QString();
    if (!end.isEmpty())
        notice_->tell(QStringLiteral("year %1").arg(year) + end);
}

} // namespace tavrin
