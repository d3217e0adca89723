#pragma once
#include "quillonedit/mainwindow/MDIForm1.h"

#include <QString>

#include <functional>
#include <memory>

namespace quillon {

// Start-up: the splash for at least two seconds, the main window's load, the text tables, then the
// main window. Returns the shown main window, or null when another copy of the editor already runs
// (this copy then ends without a word).
std::unique_ptr<MDIForm1> Main();

// Runs one start-up step. Start-up goes on past a step that fails, but the failure is reported in a
// message box naming the step (on the error output when no message box can be shown). Returns
// whether the step completed.
bool StartUpStep(const QString& step, const std::function<void()>& work);

// How long the splash stays at least, in milliseconds.
inline constexpr int kSplashMinimumMs = 2000;

} // namespace quillon
