#include "quillonedit/printing/SpeedDialReports.h"

#include "quillonedit/image/ImageMap.h"
#include "quillonedit/image/SpeedDial.h"
#include "quillonedit/printing/ReportComposer.h"
#include "quillonedit/printing/ReportTables.h"

namespace quillon {

namespace {
constexpr int kRowsPerPage = 20;

void speedDialRow(ReportComposer& out, int number, int offset)
{
    // An entry without a number (count 0, DisplayAPNum empty) still prints the words its count
    // byte holds.
    out.row(kSpeedDialTable.cells({Number(number), DisplayAPNum(offset), SpeedDialReportIdText(offset)}));
}
} // namespace

void PSpeedDial(ReportComposer& out, int block, int page)
{
    if (block < 1 || block > kSpeedDialBlockCount || page < 0 || page >= kSpeedDialCount / kRowsPerPage)
        return;
    const int first = kRowsPerPage * page;
    for (int i = 0; i < kRowsPerPage; ++i)
        speedDialRow(out, first + i, SpeedDialOffset(block, first + i));
}

void PSpeedDialE(ReportComposer& out)
{
    for (int i = 0; i < kEmergencyCount; ++i)
        speedDialRow(out, i, EmergencySpeedDialOffset(i));
}

} // namespace quillon
