// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavrin {

// Screen readers reach the planner through Qt's AT-SPI bridge, which reads a
// call's arguments without looking at them: a call that lacks them, names an
// interface its object does not offer, or sets the Year to what is no number
// would crash the planner or change it wrongly, and calls that can do nothing
// here would still be answered as done. The guard takes every call to an
// accessible object before the bridge, judges it by itself, answers an unfit
// one with a D-Bus error and hands the others on. Safe to call often.
void installAtSpiGuard();

} // namespace tavrin
