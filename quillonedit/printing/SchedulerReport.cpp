#include "quillonedit/printing/SchedulerReport.h"

#include "quillonedit/image/ImageMap.h"
#include "quillonedit/image/Scheduler.h"
#include "quillonedit/printing/ReportComposer.h"
#include "quillonedit/printing/ReportTables.h"

namespace quillon {

namespace {
constexpr int kEntriesPerPage = 20;
}

void SchedularLine(ReportComposer& out, int offset, int row)
{
    const ScheduleRowTexts texts = ScheduleRowText(offset, SchedulerReportMarks());
    if (texts == ScheduleRowTexts{}) {   // an empty entry (month byte 0)
        out.row(kSchedulerTable.cells({Number(row + 1)}));
        return;
    }
    out.row(kSchedulerTable.cells(
        {Number(row + 1), texts.time, texts.weekday, texts.month, texts.day, texts.command}));
}

void PSchedular(ReportComposer& out, int page)
{
    if (page < 1 || page > 3)
        return;
    const int first = kEntriesPerPage * (page - 1);
    for (int i = first; i < first + kEntriesPerPage; ++i)
        SchedularLine(out, ScheduleEntryOffset(i + 1), i);
}

} // namespace quillon
