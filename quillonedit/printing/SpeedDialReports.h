#pragma once
// The speed-dial reports: a block of 100 user speed dials over five pages of 20, and the ten
// emergency speed dials. Each row: the entry number (0-based), the number as the editors show it,
// and the identification as stored.
namespace quillon {

class ReportComposer;

void PSpeedDial(ReportComposer& out, int block, int page);   // block 1..3, page 0..4
void PSpeedDialE(ReportComposer& out);

} // namespace quillon
