#pragma once
// The DTMF generator report: memories 1..20 on page 0, 21..40 on page 1.
namespace quillon {

class ReportComposer;

void PDtmf(ReportComposer& out, int page);   // page 0, 1

} // namespace quillon
