#include "quillonedit/printing/PendingReports.h"

namespace quillon {

void PMacros(ReportComposer&, int) {}
void PSchedular(ReportComposer&, int) {}


} // namespace quillon
