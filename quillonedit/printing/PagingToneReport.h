#pragma once
// The paging tone report: the 20 pairs as tone names, one row each.
namespace quillon {

class ReportComposer;

void PPagingTones(ReportComposer& out);

} // namespace quillon
