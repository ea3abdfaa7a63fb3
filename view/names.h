// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Names: of the elements of the design's control arrays, and of the model's
// months and weekdays as the toolkit takes them.

#include <QString>
#include <map>
#include <string_view>

namespace tavrin {

// A control array: index -> element. Indexes may have gaps.
template <class Control> using ControlArray = std::map<int, Control*>;

// Name of an element of a control array: Txt1(17), WDay(8).
inline QString elementName(const QString& array, int index)
{
    return QStringLiteral("%1(%2)").arg(array).arg(index);
}

// The model's names (months, weekdays) are plain ASCII literals.
inline QString toQString(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace tavrin
