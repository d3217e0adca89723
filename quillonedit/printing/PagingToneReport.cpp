#include "quillonedit/printing/PagingToneReport.h"

#include "quillonedit/image/PagingPairs.h"
#include "quillonedit/printing/ReportComposer.h"
#include "quillonedit/printing/ReportTables.h"

namespace quillon {

void PPagingTones(ReportComposer& out)
{
    // Every pair prints; a tone that names no table row leaves its column empty.
    for (int i = 0; i < kPagingToneCount; ++i) {
        const PagingPairTexts pair = DisplayPagingPair(pagingPairOffset(i));
        out.row(kPagingToneTable.cells({Number(i + 1), pair.tone1, pair.tone2}));
    }
}

} // namespace quillon
