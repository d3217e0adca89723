#include "quillonedit/printing/PagingToneReport.h"

#include "quillonedit/image/PagingPairs.h"
#include "quillonedit/printing/ReportComposer.h"

namespace quillon {

void PPagingTones(ReportComposer& out)
{
    // Every pair prints; a tone that names no table row leaves its column empty.
    for (int i = 0; i < kPagingToneCount; ++i) {
        const PagingPairTexts pair = DisplayPagingPair(pagingPairOffset(i));
        out.row({{8, Number(i + 1)}, {15, pair.tone1}, {35, pair.tone2}});
    }
}

} // namespace quillon
