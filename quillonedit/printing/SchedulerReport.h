#pragma once
// The scheduler report: entries 1..20, 21..40 and 41..60 on pages 1, 2 and 3, one row each.
namespace quillon {

class ReportComposer;

void PSchedular(ReportComposer& out, int page);   // page 1, 2, 3
// One row for the entry at offset, numbered row + 1, under the section's column headers; the
// number alone for an empty entry.
void SchedularLine(ReportComposer& out, int offset, int row);

} // namespace quillon
