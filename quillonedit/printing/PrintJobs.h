#pragma once
// The 20 print jobs and one print run over them, free of widgets: the print dialog and the
// benchmark drive the same run.
#include "quillonedit/printing/ReportComposer.h"

#include <functional>

namespace platform {
class Printer;
}

namespace quillon {

constexpr int kPrintJobCount = 20;

// Prints job `box` (0..19): its documents, each page opened with its heading.
void RunPrintJob(int box, ReportComposer& out);

struct PrintRun {
    // Read when the job's turn comes, so a box ticked during the run before its turn still prints.
    std::function<bool(int box)> ticked;
    // After the printer is chosen and set up, before the first job.
    std::function<void()> onStarted;
};

struct PrintRunResult {
    enum class Outcome { Dispatched, Failed } outcome = Outcome::Failed;
    QString error;            // why it failed; empty for a cancelled printer choice
    int continuationPages = 0;
};

// Chooses the printer, sets its font, and prints every ticked job in index order as one print
// job. On any failure (a cancelled choice included) the unsent output is thrown away.
PrintRunResult RunPrintJobs(platform::Printer& printer, const ReportSetup& setup, const PrintRun& run);

} // namespace quillon
