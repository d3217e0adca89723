// The courtesy tone section: one row a tone, each tone as hertz, a dash and milliseconds under
// its header, the two delays under theirs. Texts come from the editor's own conversions.
#include "quillonedit/printing/CourtesyToneReport.h"

#include "quillonedit/image/CourtesyTones.h"
#include "quillonedit/printing/ReportComposer.h"

namespace quillon {

void PCourtesyTones(ReportComposer& out)
{
    const QString dash = QStringLiteral("-");
    for (int i = 0; i < kCourtesyToneCount; ++i) {
        if (CourtesyToneEmpty(i)) {   // an empty tone prints its number only
            out.row({{8, Number(i + 1)}});
            continue;
        }
        // The editor's eight cells: tone, length, delay, tone, length, delay, tone, length.
        const std::array<QString, kCourtesyCells> t = DisplayCourtesyRow(i);
        out.row({{8, Number(i + 1)},
                 {15, t[0]}, {21, dash}, {24, t[1]}, {35, t[2]},
                 {45, t[3]}, {51, dash}, {54, t[4]}, {65, t[5]},
                 {75, t[6]}, {81, dash}, {84, t[7]}});
    }
}

} // namespace quillon
