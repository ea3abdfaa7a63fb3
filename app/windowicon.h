// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace tavrin {

// The planner's icon at every size we draw, so docks and task switchers need
// not scale a small one up, up to 256 px for dense screens. Its pictures are
// decoded when the window system first asks for one: Qt decodes each file as
// it is added, and a window system that shows no window icons (offscreen,
// Wayland) never asks.
QIcon plannerIcon();

} // namespace tavrin
