#pragma once
// The 40 macros as the macro editor, its review window and the printed report show them: the texts
// of a page's rows, the keypad headings and the decoded commands of one macro. The writers are
// SaveMacros and SaveMacroLine (Codec.h).
#include "quillonedit/image/Codec.h"

#include <QString>

#include <array>

namespace quillon {

// Macro number 1..40 of row 0..9 of page 0..3.
int MacroNumber(int macroPage, int macroRow);
// A number with one leading blank, as macro and command numbers are shown (" 5", " 25").
QString Str(int n);

// The ten rows of a page as the editor shows them: a row whose code count is 0 is blank.
std::array<MacroRowTexts, 10> MacroPageRows(int macroPage);

// Keypad headings: "Macro Code 25" for the code, "Macro Command 25" (the editor's GetMacHeading,
// to which a command column adds "/3").
QString MacroCodeHeading(int macroPage, int macroRow);
QString MacroCommandHeading(int macroPage, int macroRow);

// The review window's caption, "Macro  25  Review".
QString MacroReviewCaption(int macroPage, int macroRow);
// What each of the ten stored commands of macro 1..40 does, whatever its code holds.
std::array<QString, 10> MacroCommandMeanings(int macroNumber);

} // namespace quillon
