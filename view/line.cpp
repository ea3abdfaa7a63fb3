// SPDX-License-Identifier: GPL-3.0-or-later
#include "line.h"

#include "colours.h"

namespace tavrin {

Line::Line(QWidget* parent, const QString& name, const TwipLine& line) : QWidget(parent)
{
    setObjectName(name);
    setGeometry(line.toPixels());
    // It edges the month block on the window's own fixed back colour.
    setBackColor(this, standingOut(windowTextColour(), backColor(parent), kGraphicsContrast));
}

} // namespace tavrin
