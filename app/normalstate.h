#pragma once

class QWidget;

namespace tavrin {

// Keeps a fixed-size window in its normal state on Wayland.
//
// There Qt draws the title bar itself and offers maximize whatever the
// window's flags, and a compositor may grant maximized or fullscreen. A
// maximized window must then commit exactly the size it is given, which a
// fixed-size window cannot. So when a request (that button, a shortcut) puts
// the window into either state, its surface is dropped before anything is
// committed for it and the window is mapped again as it was. A state the
// compositor maps the window in (a kiosk shell's fullscreen) is its policy
// and is kept. On other platforms this does nothing: there the window
// manager reads the fixed size and offers neither state.
void keepNormalStateOnWayland(QWidget* window);

} // namespace tavrin
