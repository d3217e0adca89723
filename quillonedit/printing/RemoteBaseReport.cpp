#include "quillonedit/printing/RemoteBaseReport.h"

#include "quillonedit/image/RbiFrequencies.h"
#include "quillonedit/printing/ReportComposer.h"

namespace quillon {

void RBILine(ReportComposer& out, int offset, int row)
{
    if (FrequencyEntryEmpty(offset)) {
        out.row({{8, Number(row + 1)}});
        return;
    }
    out.row({{8, Number(row + 1)}, {15, DisFreq(offset)}, {35, DisOffset(offset)}, {50, DisPower(offset)},
             {65, DisPL(offset)}});
}

void PRemoteBaseFrequencies(ReportComposer& out, int page)
{
    if (page != 1 && page != 2)
        return;
    const int first = page == 1 ? 0 : kRbiGroupRows * 2;
    for (int i = first; i < first + kRbiGroupRows * 2; ++i)
        RBILine(out, rbiFrequencyOffset(i), i);
}

} // namespace quillon
