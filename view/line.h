// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "twips.h"

#include <QWidget>

namespace tavrin {

// A one-pixel line in the window text colour.
class Line : public QWidget
{
    Q_OBJECT
public:
    Line(QWidget* parent, const QString& name, const TwipLine& line);
};

} // namespace tavrin
