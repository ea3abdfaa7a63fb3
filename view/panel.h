// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layouttables.h"

#include <QWidget>

namespace tavrin {

// A container that fills itself with its BackColor.
class Panel : public QWidget
{
    Q_OBJECT
public:
    Panel(QWidget* parent, const QString& name, Colour back);
};

} // namespace tavrin
