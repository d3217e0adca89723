// The courtesy tone section: one row a tone, each tone as hertz, a dash and milliseconds under
// its header, the two delays under theirs. Texts come from the editor's own conversions.
#include "quillonedit/printing/CourtesyToneReport.h"

#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/image/CourtesyTones.h"
#include "quillonedit/printing/ReportComposer.h"

namespace quillon {

void PCourtesyTones(ReportComposer& out)
{
    const QString dash = QStringLiteral("-");
    for (int i = 0; i < kCourtesyToneCount; ++i) {
        const int o = courtesyToneOffset(i);
        if (image().at(o) == 0) {   // an empty tone prints its number only
            out.row({{8, Number(i + 1)}});
            continue;
        }
        out.row({{8, Number(i + 1)},
                 {15, CFreq(o)}, {21, dash}, {24, CDly(o + 1)}, {35, CDly(o + 2)},
                 {45, CFreq(o + 3)}, {51, dash}, {54, CDly(o + 4)}, {65, CDly(o + 5)},
                 {75, CFreq(o + 6)}, {81, dash}, {84, CDly(o + 7)}});
    }
}

} // namespace quillon
