#pragma once

namespace tavrin {

// Installs what screen readers learn of the planner's controls: the window as
// a frame, panels named for month and year, titles and headers as static
// text, day cells named for their dates (January's markable, with the mark as
// checked state), the spin control "Year" with Increase, Decrease and a
// settable value, and a Print button whose Press prints. Safe to call often.
void installAccessibility();

} // namespace tavrin
