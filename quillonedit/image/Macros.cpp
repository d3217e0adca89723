#include "quillonedit/image/Macros.h"

#include "quillonedit/image/CommandWord.h"
#include "quillonedit/image/ImageMap.h"

namespace quillon {

int MacroNumber(int macroPage, int macroRow) { return kMacroRows * macroPage + macroRow + 1; }

QString Str(int n) { return QLatin1Char(' ') + QString::number(n); }

std::array<MacroRowTexts, 10> MacroPageRows(int macroPage)
{
    std::array<MacroRowTexts, 10> rows;
    const int start = macroPageOffset(macroPage);
    for (int r = 0; r < kMacroRows; ++r)
        rows[static_cast<std::size_t>(r)] = DecodeMacroLine(start + kMacroRecordBytes * r);
    return rows;
}

QString MacroCodeHeading(int macroPage, int macroRow)
{
    return QStringLiteral("Macro Code") + Str(MacroNumber(macroPage, macroRow));
}

QString MacroCommandHeading(int macroPage, int macroRow)
{
    return QStringLiteral("Macro Command") + Str(MacroNumber(macroPage, macroRow));
}

QString MacroReviewCaption(int macroPage, int macroRow)
{
    return QStringLiteral("Macro ") + Str(MacroNumber(macroPage, macroRow)) + QStringLiteral("  Review");
}

std::array<QString, 10> MacroCommandMeanings(int macroNumber)
{
    std::array<QString, 10> texts;
    const int first = macroOffset(macroNumber) + kMacroFirstCommand;
    for (int c = 0; c < kMacroCommands; ++c)
        texts[static_cast<std::size_t>(c)] = DecodeCommandWord(first + 2 * c);
    return texts;
}

} // namespace quillon
