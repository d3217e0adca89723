#pragma once
// The macro report: macros 1..20 on page 1, 21..40 on page 2, one row each.
namespace quillon {

class ReportComposer;

void PMacros(ReportComposer& out, int page);   // page 1, 2
// One row for the macro record at offset, numbered row + 1: its code and its ten commands (command
// byte, then argument, as hexadecimal) three blanks apart; the number alone for a macro without a code.
void MacroLine(ReportComposer& out, int offset, int row);

} // namespace quillon
