#pragma once
// The telephone area code report: the 20 codes, an empty column for an unused one.
namespace quillon {

class ReportComposer;

void PAreaCodes(ReportComposer& out);

} // namespace quillon
