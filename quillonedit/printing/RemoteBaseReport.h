#pragma once
// The remote-base frequency report: 40 entries over two pages, one row each.
namespace quillon {

class ReportComposer;

// One row for the entry at offset, numbered row + 1: frequency, offset, power and CTCSS under the
// section's column headers, or the number alone for an empty entry.
void RBILine(ReportComposer& out, int offset, int row);
void PRemoteBaseFrequencies(ReportComposer& out, int page);   // page 1, 2

} // namespace quillon
