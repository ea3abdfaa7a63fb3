#pragma once

class QWidget;

namespace tavrin {

// Keeps a fixed-size window in its normal state on Wayland.
//
// There the title bar is drawn by Qt itself, which offers maximize whatever
// the window's flags, and the compositor may grant maximized or fullscreen.
// A maximized window must then commit exactly the size it is given, which a
// fixed-size window cannot. So whenever the window is put into either state,
// its surface is dropped before anything is committed for it, and the window
// is mapped again as it was. On other platforms this does nothing: there the
// window manager reads the fixed size and offers neither state.
void keepNormalStateOnWayland(QWidget* window);

} // namespace tavrin
