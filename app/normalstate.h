#pragma once

#include <QRect>

class QWidget;

namespace tavrin {

// Keeps the planner at its own size on Wayland without moving its window.
//
// There Qt draws the title bar itself and offers maximize whatever the
// window's flags, and a compositor may put the window into the maximized or
// fullscreen state: on a request (that button, a double-click on the title
// bar, a shortcut) or as its policy (a kiosk shell). A maximized window must
// then commit exactly the size it is given. So the window takes the size a
// state gives it and shows the planner at its own size in the middle, the
// window background around it; in the normal state it has its own size
// again. A compositor that refuses a request changes nothing. On other
// platforms this does nothing: there the window manager reads the fixed size
// and offers neither state.
void keepPlannerSizeOnWayland(QWidget* window);

// Where the planner stands in its window: its own (minimum) size, centred.
QRect plannerRect(const QWidget& window);

} // namespace tavrin
