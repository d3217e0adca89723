#include "quillonedit/printing/DtmfReport.h"

#include "quillonedit/image/Codec.h"
#include "quillonedit/image/DigitMemories.h"
#include "quillonedit/image/ImageMap.h"
#include "quillonedit/printing/ReportComposer.h"
#include "quillonedit/printing/ReportTables.h"

namespace quillon {

void PDtmf(ReportComposer& out, int page)
{
    constexpr int kRowsPerPage = 20;
    if (page < 0 || page > 1)
        return;
    for (int i = 0; i < kRowsPerPage; ++i) {
        const int k = kRowsPerPage * page + i;
        // The report prints up to 15 digits of any count, where the editor leaves 16 and up empty.
        out.row(kDtmfTable.cells({Number(k + 1), DigitFieldText(DtmfMemoryOffset(k), kDtmfMemoryDigits)}));
    }
}

} // namespace quillon
