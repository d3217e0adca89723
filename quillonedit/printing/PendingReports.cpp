#include "quillonedit/printing/PendingReports.h"

namespace quillon {

void PMacros(ReportComposer&, int) {}
void PSchedular(ReportComposer&, int) {}
void PCourtesyTones(ReportComposer&) {}

} // namespace quillon
