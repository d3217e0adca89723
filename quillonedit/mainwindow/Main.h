#pragma once
#include "quillonedit/mainwindow/MDIForm1.h"

#include <memory>

namespace quillon {

// Start-up: the splash for at least two seconds, the main window's load, the text tables, then the
// main window. Returns the shown main window, or null when another copy of the editor already runs
// (this copy then ends without a word).
std::unique_ptr<MDIForm1> Main();

// How long the splash stays at least, in milliseconds.
inline constexpr int kSplashMinimumMs = 2000;

} // namespace quillon
