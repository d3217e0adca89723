#pragma once
// The courtesy tone section: one row a tone under the section's column headers.
namespace quillon {

class ReportComposer;

void PCourtesyTones(ReportComposer& out);

} // namespace quillon
