// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace tavrin {

// Why Qt could not start, in one line for the user, read from Qt's own
// words while it tried each window system: `said` in order, its fatal
// message last. "cannot open a display" only where no display was reached.
QString startupFailure(const QStringList& said);

} // namespace tavrin
