// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Colours of the controls: the design's fixed 0x00BBGGRR values, the
// platform's colours the window follows, and text that stays readable on
// either.

#include "layouttables.h"

#include <QColor>

class QWidget;

namespace tavrin {

QColor toQColor(Colour bgr);
Colour fromQColor(const QColor& colour);

// The platform's colours for window content (normally white and black).
QColor windowBackgroundColour();
QColor windowTextColour();
// Fills `control` with the platform's window background and writes on it in
// the window text colour, both followed wherever the control's palette comes
// from: a page made from the window draws them as white and black.
void usePlatformColours(QWidget* control);

// Contrast between two colours by their relative luminance, from 1 (none)
// to 21 (black on white).
double contrast(const QColor& a, const QColor& b);
inline constexpr double kTextContrast = 4.5;
inline constexpr double kGraphicsContrast = 3.0;
// `preferred` where it stands out from `back` by `ratio`; otherwise black or
// white, whichever stands out more.
QColor standingOut(const QColor& preferred, const QColor& back, double ratio);

// BackColor: the background the control fills itself with, shown at once.
// A label or text box writes on it in the window text colour where that
// stands out, otherwise in black or white: a platform text colour meant for
// a dark background vanishes on fixed white.
void setBackColor(QWidget* control, const QColor& colour);
QColor backColor(const QWidget* control);
// Text colour of enabled controls; a disabled control keeps the platform's
// disabled look unless told otherwise.
enum class WhenDisabled
{
    PlatformLook,
    SameColour
};
void setTextColor(QWidget* control, const QColor& colour, WhenDisabled disabled = WhenDisabled::PlatformLook);

} // namespace tavrin
