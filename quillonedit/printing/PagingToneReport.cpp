#include "quillonedit/printing/PagingToneReport.h"

#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/image/ImageMap.h"
#include "quillonedit/printing/PendingReports.h"
#include "quillonedit/printing/ReportComposer.h"
#include "quillonedit/tables/PagingTones.h"

namespace quillon {

std::pair<QString, QString> PagingPairTexts(int offset)
{
    const auto& img = image();
    return {PagingToneText(img.at(offset + 1), img.at(offset)),
            PagingToneText(img.at(offset + 3), img.at(offset + 2))};
}

void PPagingTones(ReportComposer& out)
{
    for (int i = 0; i < kPagingToneCount; ++i) {
        const auto [first, second] = PagingPairTexts(kPagingTones + kPagingToneBytes * i);
        out.row({{8, Number(i + 1)}, {15, first}, {35, second}});
    }
}

} // namespace quillon
