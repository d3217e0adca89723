#include "quillonedit/printing/PendingReports.h"

namespace quillon {

void PMacros(ReportComposer&, int) {}
void PSchedular(ReportComposer&, int) {}
void PSpeedDial(ReportComposer&, int, int) {}
void PSpeedDialE(ReportComposer&) {}
void PRemoteBaseFrequencies(ReportComposer&, int) {}
void PDtmf(ReportComposer&, int) {}
void PPagingTones(ReportComposer&) {}
void PCourtesyTones(ReportComposer&) {}
void PCWMessages(ReportComposer&) {}
void PLockout(ReportComposer&) {}
void PAreaCodes(ReportComposer&) {}

} // namespace quillon
