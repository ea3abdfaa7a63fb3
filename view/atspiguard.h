// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAccessibleInterface;

namespace tavrin {

// Screen readers reach the planner through Qt's AT-SPI bridge, which trusts
// what they send: a call that lacks arguments, asks an object for an
// interface it does not offer, or sets the Year to what is no number would
// crash the planner or change it wrongly, and calls that can do nothing here
// would still report success or never be answered. The guard sees each call
// before the bridge does; an unfit one finds its object refusing it, and the
// reader gets an error reply. Safe to call often.
void installAtSpiGuard();

// Whether the call now arriving at `object` is one it must refuse. The
// planner's accessible objects report themselves invalid while this holds,
// the one answer on which the bridge drops a call untouched.
bool refusingCall(const QAccessibleInterface* object);

} // namespace tavrin
