#pragma once
// Sections whose rows are not printed yet: their pages carry the page heading and the section
// title, and the job table keeps their documents and pages, so the page counts hold already.
namespace quillon {

class ReportComposer;

void PMacros(ReportComposer& out, int page);              // page 1, 2
void PSchedular(ReportComposer& out, int page);           // page 1, 2, 3
void PSpeedDial(ReportComposer& out, int block, int page); // block 1..3, page 0..4
void PSpeedDialE(ReportComposer& out);
void PRemoteBaseFrequencies(ReportComposer& out, int page); // page 1, 2
void PDtmf(ReportComposer& out, int page);                // page 0, 1
void PPagingTones(ReportComposer& out);
void PCourtesyTones(ReportComposer& out);
void PCWMessages(ReportComposer& out);
void PLockout(ReportComposer& out);
void PAreaCodes(ReportComposer& out);

} // namespace quillon
