// The courtesy tone section: one row a tone, each tone as hertz, a dash and milliseconds under
// its header, the two delays under theirs. Texts come from the editor's own conversions.
#include "quillonedit/printing/CourtesyToneReport.h"

#include "quillonedit/image/CourtesyTones.h"
#include "quillonedit/printing/ReportComposer.h"
#include "quillonedit/printing/ReportTables.h"

namespace quillon {

void PCourtesyTones(ReportComposer& out)
{
    const QString& dash = kCourtesyToneDash;
    for (int i = 0; i < kCourtesyToneCount; ++i) {
        if (CourtesyToneEmpty(i)) {   // an empty tone prints its number only
            out.row(kCourtesyToneTable.cells({Number(i + 1)}));
            continue;
        }
        // The editor's eight cells: tone, length, delay, tone, length, delay, tone, length.
        const std::array<QString, kCourtesyCells> t = DisplayCourtesyRow(i);
        out.row(kCourtesyToneTable.cells({Number(i + 1),
                                          t[0], dash, t[1], t[2],
                                          t[3], dash, t[4], t[5],
                                          t[6], dash, t[7]}));
    }
}

} // namespace quillon
