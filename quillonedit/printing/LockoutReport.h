#pragma once
// The telephone lock-out report: the 20 numbers, one page.
namespace quillon {

class ReportComposer;

void PLockout(ReportComposer& out);

} // namespace quillon
