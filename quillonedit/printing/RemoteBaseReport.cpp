#include "quillonedit/printing/RemoteBaseReport.h"

#include "quillonedit/image/RbiFrequencies.h"
#include "quillonedit/printing/ReportComposer.h"
#include "quillonedit/printing/ReportTables.h"

namespace quillon {

void RBILine(ReportComposer& out, int offset, int row)
{
    if (FrequencyEntryEmpty(offset)) {
        out.row(kRemoteBaseTable.cells({Number(row + 1)}));
        return;
    }
    out.row(kRemoteBaseTable.cells(
        {Number(row + 1), DisFreq(offset), DisOffset(offset), DisPower(offset), DisPL(offset)}));
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
