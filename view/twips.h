// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <algorithm>
#include <cmath>

namespace tavrin {

// Layout figures are kept in twips (1/1440 inch) and become pixels here only:
// 15 twips make one pixel at 96 dots per inch, at the planner's own size. Where
// the planner is laid out smaller, a scale below 1 makes every figure smaller
// in proportion.
inline constexpr int kTwipsPerPixel = 15;

// Pixels per twip along each axis, 1/15 at the planner's own size.
struct TwipScale
{
    double x = 1.0 / kTwipsPerPixel;
    double y = 1.0 / kTwipsPerPixel;

    static TwipScale of(double scale) { return {scale / kTwipsPerPixel, scale / kTwipsPerPixel}; }
    // The scale that lays `twips` over exactly `pixels`.
    static TwipScale filling(QSize twips, QSize pixels)
    {
        return {static_cast<double>(pixels.width()) / twips.width(),
                static_cast<double>(pixels.height()) / twips.height()};
    }

    // Rounds to the nearest pixel; every layout figure is non-negative.
    int toX(double twips) const { return static_cast<int>(std::floor(twips * x + 0.5)); }
    int toY(double twips) const { return static_cast<int>(std::floor(twips * y + 0.5)); }
};

struct TwipRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    // Edges are rounded, not sizes: controls that abut in twips abut in
    // pixels at every scale.
    QRect toPixels(TwipScale scale = {}) const
    {
        const int x = scale.toX(left);
        const int y = scale.toY(top);
        return {x, y, scale.toX(left + width) - x, scale.toY(top + height) - y};
    }
};

// A line from one point to another, drawn one pixel wide, without its end
// point, as the platform's line primitive does. At every scale it is the
// pixel that ends where a one-pixel line at the planner's own size ends, so
// it keeps clear of what it edges.
struct TwipLine
{
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;

    QRect toPixels(TwipScale scale = {}) const
    {
        const int x = scale.toX(x1 + kTwipsPerPixel) - 1;
        const int y = scale.toY(y1 + kTwipsPerPixel) - 1;
        return {x, y, std::max(1, scale.toX(x2) - x), std::max(1, scale.toY(y2) - y)};
    }
};

} // namespace tavrin
