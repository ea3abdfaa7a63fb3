// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "monthtable.h"
#include "twips.h"

#include <QString>
#include <array>
#include <cstdint>

namespace tavrin {

// Colours are 0x00BBGGRR values.
using Colour = std::uint32_t;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kDarkGrey = 0x404040;
inline constexpr Colour kSilver = 0xC0C0C0;
inline constexpr Colour kGrey = 0x808080;

struct FontStyle
{
    const char* family;
    double pointSize;
    bool bold;
    bool underline;
};

// The window's client area.
inline constexpr int kClientWidth = 12120;
inline constexpr int kClientHeight = 8565;

inline constexpr int kMonthsPerRow = 4;
inline constexpr int kCellsPerRow = 7;
inline constexpr int kCellRows = 6;
inline constexpr int kCellsPerMonth = kCellsPerRow * kCellRows;
inline constexpr int kYearBoxIndex = 8;

// One month panel: its name, place, title text and the WDay indexes of its
// title and of its headers from Saturday to Friday (they follow no rule).
struct MonthPanelRow
{
    int month;
    const char* panelName;
    int left;
    int top;
    const char* title;
    int titleIndex;
    std::array<int, kCellsPerRow> headerIndexes;
};

inline constexpr std::array<MonthPanelRow, 12> kMonthPanels{{
    {1, "fraTavrin", 870, 1470, "JANUARY", 7, {0, 1, 2, 3, 4, 5, 6}},
    {2, "FrameFeb", 3510, 1470, "FEBRUARY", 9, {10, 11, 12, 16, 13, 14, 15}},
    {3, "Frame1", 6150, 1470, "MARCH", 18, {24, 23, 22, 17, 21, 20, 19}},
    {4, "Frame2", 8790, 1470, "APRIL", 25, {26, 27, 28, 32, 29, 30, 31}},
    {5, "Frame3", 870, 3405, "MAY", 39, {33, 34, 35, 40, 36, 37, 38}},
    {6, "Frame4", 3510, 3405, "JUNE", 48, {47, 46, 45, 41, 44, 43, 42}},
    {7, "Frame5", 6150, 3405, "JULY", 55, {49, 50, 51, 56, 52, 53, 54}},
    {8, "Frame6", 8790, 3405, "AUGUST", 64, {63, 62, 61, 57, 60, 59, 58}},
    {9, "Frame7", 870, 5340, "SEPTEMBER", 71, {65, 66, 67, 72, 68, 69, 70}},
    {10, "Frame8", 3510, 5340, "OCTOBER", 80, {79, 78, 77, 73, 76, 75, 74}},
    {11, "Frame9", 6150, 5340, "NOVEMBER", 87, {81, 82, 83, 88, 84, 85, 86}},
    {12, "Frame10", 8790, 5340, "DECEMBER", 96, {95, 94, 93, 89, 92, 91, 90}},
}};

inline constexpr int kPanelWidth = 2640;
inline constexpr int kPanelHeight = 1935;
// What a panel's controls cover: the black shows only along its right and
// bottom edges.
inline constexpr QSize kPanelContent{2625, 1920};

inline constexpr std::array<const char*, kCellsPerRow> kWeekdayHeaders{"Sat", "Sun", "Mon", "Tue",
                                                                       "Wed", "Thu", "Fri"};

// Contents of a panel, in panel coordinates. Headers are 2 twips wider than
// their pitch so each reaches into its right neighbour.
inline constexpr TwipRect kTitleBox{0, 0, 2625, 195};
inline constexpr int kHeaderPitch = 375;
inline constexpr TwipRect kHeaderBox{0, 195, 377, 195};
inline constexpr TwipRect kDayCell{0, 390, 375, 255};

// February's cell array has no element 40: its bottom row ends in 41 and 42
// (see MonthGrid).
inline constexpr std::array<int, kCellsPerRow> kFebruaryBottomRow{35, 36, 37, 38, 39, 41, 42};

// Months whose cell 17 is created white rather than in the platform colour.
inline constexpr std::array<int, 6> kWhiteCell17Months{1, 3, 5, 7, 9, 11};
inline constexpr int kWhiteCellIndex = 17;

inline constexpr FontStyle kTitleFont{"Arial", 9.75, true, false};
inline constexpr FontStyle kHeaderFont{"Arial", 9.0, false, false};
inline constexpr FontStyle kDayCellFont{"Verdana", 8.25, false, true};
// Load switches the day cells to this face, keeping their size and style.
inline constexpr const char* kDayCellLoadedFamily = "Arial";
inline constexpr FontStyle kWindowFont{"Arial", 8.25, false, false};
inline constexpr FontStyle kYearBoxFont{"Arial", 9.75, true, false};
inline constexpr FontStyle kTitleLabelFont{"Arial", 15.0, false, false};

// The controls outside the panels, in window coordinates unless noted.
inline constexpr TwipRect kCommand1{8280, 600, 735, 280};
inline constexpr TwipRect kYearFrame{9660, 510, 1695, 470};
inline constexpr TwipRect kYearBoxInFrame{0, 105, 1695, 270};
inline constexpr TwipRect kSpinButton{11355, 510, 315, 480};
inline constexpr TwipRect kLabel1{1200, 840, 2775, 375};
inline constexpr TwipRect kImage1{2520, 7440, 6930, 765};
inline constexpr TwipLine kLine2{855, 1455, 11430, 1455};
inline constexpr TwipLine kLine1{855, 1455, 855, 7280};

// The row of a month's panel.
constexpr const MonthPanelRow& monthPanel(int month)
{
    return kMonthPanels.at(monthIndex(month));
}

} // namespace tavrin
