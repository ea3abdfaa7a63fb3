// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel.h"

#include "colours.h"

namespace tavrin {

Panel::Panel(QWidget* parent, const QString& name, Colour back) : QWidget(parent)
{
    setObjectName(name);
    setBackColor(this, toQColor(back));
}

} // namespace tavrin
