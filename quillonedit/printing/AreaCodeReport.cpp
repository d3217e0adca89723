// The telephone area code report: the 20 codes, an empty column for an unused one.
#include "quillonedit/printing/AreaCodeReport.h"

#include "quillonedit/image/AreaCodes.h"
#include "quillonedit/image/ImageMap.h"
#include "quillonedit/printing/ReportComposer.h"

namespace quillon {

void PAreaCodes(ReportComposer& out)
{
    for (int i = 0; i < kAreaCodeCount; ++i)
        out.row({{8, Number(i + 1)}, {15, AreaCodeText(AreaCodeOffset(i), kAreaCodeBytes)}});
}

} // namespace quillon
