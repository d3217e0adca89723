#include "quillonedit/printing/LockoutReport.h"

#include "quillonedit/image/Codec.h"
#include "quillonedit/image/DigitMemories.h"
#include "quillonedit/image/ImageMap.h"
#include "quillonedit/printing/ReportComposer.h"
#include "quillonedit/printing/ReportTables.h"

namespace quillon {

void PLockout(ReportComposer& out)
{
    // At most the field's 11 digits, whatever the count: a 12th would be the next entry's count.
    for (int k = 0; k < kLockoutCount; ++k)
        out.row(kLockoutTable.cells({Number(k + 1), DigitFieldText(LockoutOffset(k), kLockoutDigits)}));
}

} // namespace quillon
