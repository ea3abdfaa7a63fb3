// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layouttables.h"

#include <QFont>

namespace tavrin {

inline QFont makeFont(const FontStyle& style)
{
    QFont font(QString::fromLatin1(style.family));
    font.setPointSizeF(style.pointSize);
    font.setBold(style.bold);
    font.setUnderline(style.underline);
    return font;
}

} // namespace tavrin
