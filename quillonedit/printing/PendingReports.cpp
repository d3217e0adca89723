#include "quillonedit/printing/PendingReports.h"

namespace quillon {

void PMacros(ReportComposer&, int) {}
void PSchedular(ReportComposer&, int) {}
void PSpeedDial(ReportComposer&, int, int) {}
void PSpeedDialE(ReportComposer&) {}
void PDtmf(ReportComposer&, int) {}
void PCourtesyTones(ReportComposer&) {}
void PLockout(ReportComposer&) {}

} // namespace quillon
