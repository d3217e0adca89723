#include "quillonedit/printing/PrintJobs.h"

#include "platform/Printer.h"
#include "quillonedit/image/ImageMap.h"
#include "quillonedit/printing/AreaCodeReport.h"
#include "quillonedit/printing/ControlReports.h"
#include "quillonedit/printing/CourtesyToneReport.h"
#include "quillonedit/printing/CwMessageReport.h"
#include "quillonedit/printing/DtmfReport.h"
#include "quillonedit/printing/LockoutReport.h"
#include "quillonedit/printing/MacroReport.h"
#include "quillonedit/printing/PagingToneReport.h"
#include "quillonedit/printing/RemoteBaseReport.h"
#include "quillonedit/printing/ReportTables.h"
#include "quillonedit/printing/SchedulerReport.h"
#include "quillonedit/printing/SpeedDialReports.h"

#include <functional>

namespace quillon {
namespace {

// One document whose pages p = first..last each carry a page heading, a section title and the
// renderer's rows; page breaks between them, the end after the last.
void sectionDocument(ReportComposer& out, int section, int first, int last, const std::function<void(int)>& page)
{
    for (int p = first; p <= last; ++p) {
        out.openPage();
        out.SubHeading(SectionTitle(section));
        page(p);
        if (p < last)
            out.newPage();
    }
    out.endDocument();
}

// The two zone documents of a zone set: zones 1 to 4, then zones 5 to 8.
void zoneDocuments(ReportComposer& out, int section, int set)
{
    out.openPage();
    out.SubHeading(SectionTitle(section));
    PrintZones1And2(out, set);
    out.blankLine();
    out.blankLine();
    PrintZones3And4(out, set + 2);
    out.endDocument();
    out.openPage();
    out.SubHeading(SectionTitle(section));
    PrintZones5And6(out, set + 4);
    out.blankLine();
    out.blankLine();
    PrintZones7And8(out, set + 6);
    out.endDocument();
}

} // namespace

void RunPrintJob(int box, ReportComposer& out)
{
    switch (box) {
    case 0:
    case 2:
        out.openPage();
        box == 0 ? PCodes(out, 0) : PTimers(out, 0);
        out.endDocument();
        break;
    case 1:
    case 3:
        for (int s = 1; s <= kMemorySaveCount; ++s) {
            out.openPage();
            box == 1 ? PCodes(out, s) : PTimers(out, s);
            out.endDocument();
        }
        break;
    case 4:
        out.openVoicePage(0);
        PMessages(out);
        out.endDocument();
        break;
    case 5:
        for (int s = 1; s <= kMemorySaveCount; ++s) {
            out.openVoicePage(s);
            PMessagesM(out, s);
            out.endDocument();
        }
        break;
    case 6:
        sectionDocument(out, 30, 1, 2, [&](int p) { PMacros(out, p); });
        break;
    case 7:
        sectionDocument(out, 40, 1, 3, [&](int p) { PSchedular(out, p); });
        break;
    case 8:
    case 9:
    case 10: {
        const int block = box - 7;
        sectionDocument(out, 49 + block, 0, 4, [&](int p) { PSpeedDial(out, block, p); });
        break;
    }
    case 11:
        sectionDocument(out, 55, 0, 0, [&](int) { PSpeedDialE(out); });
        break;
    case 12:
        zoneDocuments(out, 60, kBaseZones);
        break;
    case 13:
        for (int s = 1; s <= kMemorySaveCount; ++s)
            zoneDocuments(out, 60 + s, zonesOffset(s));
        break;
    case 14:
        sectionDocument(out, 70, 1, 2, [&](int p) { PRemoteBaseFrequencies(out, p); });
        break;
    case 15:
        sectionDocument(out, 80, 0, 1, [&](int p) { PDtmf(out, p); });
        break;
    case 16:
        sectionDocument(out, 90, 0, 0, [&](int) { PPagingTones(out); });
        break;
    case 17:
        out.openPage();
        out.SubHeading(SectionTitle(100));
        PCourtesyTones(out);
        out.SubHeading(SectionTitle(110));
        PCWMessages(out);
        out.endDocument();
        break;
    case 18:
        sectionDocument(out, 120, 0, 0, [&](int) { PLockout(out); });
        break;
    case 19:
        sectionDocument(out, 130, 0, 0, [&](int) { PAreaCodes(out); });
        break;
    default:
        break;
    }
}

PrintRunResult RunPrintJobs(platform::Printer& printer, const ReportSetup& setup, const PrintRun& run)
{
    PrintRunResult result;
    if (!printer.selectPrinter()) {
        result.error = printer.lastError();
        return result;
    }
    ReportComposer out(printer, setup);
    try {
        out.PrinterInit();
        if (run.onStarted)
            run.onStarted();
        if (!printer.beginRun())
            throw PrintError(printer.lastError());
        for (int box = 0; box < kPrintJobCount; ++box) {
            if (run.ticked && run.ticked(box))
                RunPrintJob(box, out);
        }
        if (!printer.endRun())
            throw PrintError(printer.lastError());
        result.outcome = PrintRunResult::Outcome::Dispatched;
    } catch (const std::exception& e) {
        // A printer failure, or a read outside the image: the run ends at once either way.
        result.error = QString::fromStdString(e.what());
    }
    if (result.outcome == PrintRunResult::Outcome::Failed)
        printer.abortRun();
    result.continuationPages = out.continuationPages();
    return result;
}

} // namespace quillon
