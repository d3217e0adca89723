// The telephone area code report: the 20 codes, an empty column for an unused one.
#include "quillonedit/printing/AreaCodeReport.h"

#include "quillonedit/image/AreaCodes.h"
#include "quillonedit/image/ImageMap.h"
#include "quillonedit/printing/ReportComposer.h"
#include "quillonedit/printing/ReportTables.h"

namespace quillon {

void PAreaCodes(ReportComposer& out)
{
    for (int i = 0; i < kAreaCodeCount; ++i)
        out.row(kAreaCodeTable.cells({Number(i + 1), AreaCodeText(AreaCodeOffset(i), kAreaCodeBytes)}));
}

} // namespace quillon
