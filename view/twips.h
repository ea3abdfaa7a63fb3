#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <algorithm>

namespace tavrin {

// Layout figures are kept in twips (1/1440 inch) and become pixels here only:
// 15 twips make one pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

// Rounds to the nearest pixel; every layout figure is non-negative.
constexpr int toPixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

struct TwipRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    QRect toPixels() const
    {
        return {tavrin::toPixels(left), tavrin::toPixels(top), tavrin::toPixels(width),
                tavrin::toPixels(height)};
    }
};

// A line from one point to another, drawn one pixel wide, without its end
// point, as the platform's line primitive does.
struct TwipLine
{
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;

    QRect toPixels() const
    {
        const int x = tavrin::toPixels(x1);
        const int y = tavrin::toPixels(y1);
        return {x, y, std::max(1, tavrin::toPixels(x2) - x), std::max(1, tavrin::toPixels(y2) - y)};
    }
};

} // namespace tavrin
