#pragma once
// Start-up: settings, parameter file, the splash for two seconds, then the main window.
#include <memory>

namespace merrow {

class Mwr_Rec;

inline constexpr int kSplashMs = 2000;

// Runs the start-up steps in order and returns the main window, shown; nothing when another copy
// of the program runs.
std::unique_ptr<Mwr_Rec> Main();

} // namespace merrow
