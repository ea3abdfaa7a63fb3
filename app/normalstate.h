// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavrin {

class YearView;

// Sizes the planner's window to the area it is given.
//
// Where the screen's free area holds the window, frame and all, at the
// planner's own size, it has that size and opens centred. Where it does not,
// the window is made smaller, in proportion, and the planner is laid out to
// fill it: at start-up, again once the window manager has framed it (the
// frame is then known, and the window is centred anew), and on another
// screen. On X11 the window has a fixed size, reckoned in device pixels; a
// frame the window manager places off the free area is put back on it, one
// the user moves there stays; made fullscreen or maximized by the window
// manager, it takes the size it is given until it leaves that state.
//
// On Wayland Qt draws the title bar itself and offers maximize whatever the
// window's flags, and a compositor may put the window into the maximized or
// fullscreen state: on a request (that button, a shortcut) or as its policy
// (a kiosk shell). The window must then commit exactly the size it is given,
// however small. So it takes that size and the planner is laid out in it, up
// to its own size, in its middle; in the normal state the window has its own
// size again. A compositor that refuses a request changes nothing. A Wayland
// client learns the area the desktop's panels leave only as the size it is
// given maximized: a window that its screen cannot hold at the planner's own
// size opens maximized, and fits that area in the normal state too.
void fitPlannerToScreen(YearView* window);

} // namespace tavrin
