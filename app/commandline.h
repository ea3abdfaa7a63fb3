// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace tavrin {

// Answers --help and --version, and refuses an option or argument the
// planner does not know, before anything needs a display. Qt's own options
// (-platform, -display, -style, ...) pass on to QApplication. Returns the
// exit status where the command line was answered; none where the window
// is to open.
std::optional<int> answerCommandLine(int argc, char* argv[]);

} // namespace tavrin
