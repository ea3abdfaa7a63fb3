// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavrin {

// Installs what screen readers learn of the planner's controls: the window as
// a frame, each month panel as a table described by its month whose cells
// are its days ("Sunday 1 February 2026"), with its title and weekday headers
// after them, January's days markable, the spin control "Year" with Increase, Decrease and a
// settable value, and a Print button whose Press prints. Safe to call often.
void installAccessibility();

} // namespace tavrin
