// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

namespace tavrin {

// Qt's accessibility factory for the planner's controls: picks the accessible
// of an object's family and builds nothing itself; none for anything else.
QAccessibleInterface* viewAccessible(const QString& className, QObject* object);

} // namespace tavrin
