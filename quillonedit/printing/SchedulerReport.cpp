#include "quillonedit/printing/SchedulerReport.h"

#include "quillonedit/image/ImageMap.h"
#include "quillonedit/printing/ReportComposer.h"

namespace quillon {

namespace {
constexpr int kEntriesPerPage = 20;
}

ScheduleRowMarks SchedulerReportMarks()
{
    return {.everyHour = QStringLiteral("---:"), .noWeekday = QStringLiteral("      ----")};
}

void SchedularLine(ReportComposer& out, int offset, int row)
{
    const ScheduleRowTexts texts = ScheduleRowText(offset, SchedulerReportMarks());
    if (texts == ScheduleRowTexts{}) {   // an empty entry (month byte 0)
        out.row({{8, Number(row + 1)}});
        return;
    }
    out.row({{8, Number(row + 1)}, {15, texts.time}, {25, texts.weekday}, {45, texts.month}, {56, texts.day},
             {75, texts.command}});
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
