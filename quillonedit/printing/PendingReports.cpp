#include "quillonedit/printing/PendingReports.h"

namespace quillon {

void PMacros(ReportComposer&, int) {}
void PSchedular(ReportComposer&, int) {}
void PRemoteBaseFrequencies(ReportComposer&, int) {}
void PPagingTones(ReportComposer&) {}
void PCourtesyTones(ReportComposer&) {}
void PCWMessages(ReportComposer&) {}
void PAreaCodes(ReportComposer&) {}

} // namespace quillon
