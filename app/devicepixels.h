// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QtMath>
#include <algorithm>

namespace tavrin {

// Where a screen is scaled (QT_SCALE_FACTOR, a fractional desktop scale),
// Qt hands the window system's figures over in logical pixels: each device
// figure divided by the ratio and rounded to the nearest whole, positions
// counted from the screen's corner, which is the same in both. A window
// fitted in logical pixels may thus end a device pixel off the screen; these
// reckon in device pixels instead, always on the safe side.
struct DevicePixels
{
    qreal ratio = 1;
    QPoint origin; // the screen's corner

    // Where Qt puts a logical coordinate or length: each rounded by itself.
    int x(int logical) const { return qRound((logical - origin.x()) * ratio) + origin.x(); }
    int y(int logical) const { return qRound((logical - origin.y()) * ratio) + origin.y(); }
    int length(int logical) const { return qRound(logical * ratio); }

    // The device area that a logical area of Qt's surely covers: its corner
    // as far in, and its far edges as near, as Qt's rounding allows.
    QRect inside(const QRect& logical) const
    {
        const auto least = [this](double figure) { return qCeil((figure - 0.5) * ratio); };
        const auto most = [this](double figure) { return std::max(0, qCeil((figure + 0.5) * ratio) - 1); };
        const QPoint from = logical.topLeft() - origin;
        const QPoint corner(most(from.x()), most(from.y()));
        const QPoint end(std::max(0, least(from.x())) + least(logical.width()),
                         std::max(0, least(from.y())) + least(logical.height()));
        return QRect(corner + origin, end + origin - QPoint(1, 1));
    }

    // The logical area Qt hands over for a device area.
    QRect logical(const QRect& device) const
    {
        const auto from = [this](int figure) { return qRound(figure / ratio); };
        return {from(device.x() - origin.x()) + origin.x(), from(device.y() - origin.y()) + origin.y(),
                from(device.width()), from(device.height())};
    }

    // The logical length whose device length never exceeds `device`.
    int fitting(int device) const { return qFloor(device / ratio); }
};

} // namespace tavrin
