#include "quillonedit/printing/MacroReport.h"

#include "quillonedit/image/Codec.h"
#include "quillonedit/image/ImageMap.h"
#include "quillonedit/printing/ReportComposer.h"
#include "quillonedit/printing/ReportTables.h"

#include <QStringList>

namespace quillon {

namespace {
constexpr int kMacrosPerPage = 20;
}

void MacroLine(ReportComposer& out, int offset, int row)
{
    if (!MacroHasCode(offset)) {
        out.row(kMacroTable.cells({Number(row + 1)}));
        return;
    }
    // The editor's own row texts: every step printed, 0000 included.
    const MacroRowTexts texts = DecodeMacroLine(offset);
    const QStringList steps(texts.commands.begin(), texts.commands.end());
    out.row(kMacroTable.cells({Number(row + 1), texts.code, steps.join(QStringLiteral("   "))}));
}

void PMacros(ReportComposer& out, int page)
{
    if (page != 1 && page != 2)
        return;
    const int first = kMacrosPerPage * (page - 1);
    for (int i = first; i < first + kMacrosPerPage; ++i)
        MacroLine(out, macroOffset(i + 1), i);
}

} // namespace quillon
