#include "quillonedit/printing/ControlReports.h"

#include "quillonedit/image/Codec.h"
#include "quillonedit/image/ImageMap.h"
#include "quillonedit/image/SlotNames.h"
#include "quillonedit/image/Timers.h"
#include "quillonedit/image/VoiceSlots.h"
#include "quillonedit/image/Zones.h"
#include "quillonedit/printing/ReportComposer.h"
#include "quillonedit/printing/ReportTables.h"
#include "quillonedit/tables/Vocabulary.h"

#include <functional>

namespace quillon {
namespace {

// Messages firstSlot + 1 .. lastSlot + 1; slotOffset gives the offset of message n.
void voiceRows(ReportComposer& out, int firstSlot, int lastSlot, const std::function<int(int)>& slotOffset,
               const ReportTable& table)
{
    for (int m = firstSlot; m <= lastSlot; ++m)
        out.row(table.cells({Number(m + 1), VoiceReportText(slotOffset(m + 1))}));
}

// Zones `first` and first + 1 (first = 1, 3, 5 or 7).
void printZonePair(ReportComposer& out, int offset, int first)
{
    const auto [a, b] = ZonePairBytes(offset);
    out.heading(kZoneHeadingTable.cells({ZoneReportHeading(first), ZoneReportHeading(first + 1)}));
    for (int k = 1; k <= 8; ++k) {
        const QString n = QString::number(k);
        out.row(kZoneTable.cells({n, GetZoneBitMark(a, k - 1), ZoneReportName(first, k), n, GetZoneBitMark(b, k - 1),
                                  ZoneReportName(first + 1, k)}));
    }
}

} // namespace

QString CodeReportLabel(int k) { return CodeSlotName(k, SlotWording::Report); }

void PCodes(ReportComposer& out, int memory)
{
    out.SubHeading(SectionTitle(memory));
    for (int k = 0; k < kCodeCount; ++k) {
        int maxLen = kCodeDigits;   // lowered by the decoder, so fresh for every code
        const QString digits = DecodeDtmfString(codeRecordOffset(memory, k), maxLen);
        out.row(kCodeTable.cells({CodeReportLabel(k), digits}));
    }
    out.newPage();
}

void PTimers(ReportComposer& out, int memory)
{
    out.SubHeading(SectionTitle(10 + memory));
    for (int k = 0; k < kTimerCount; ++k)
        out.row(kTimerTable.cells(
            {TimerReportLabel(k), GetTime(timerOffset(memory, k), TimerReportForm(k)), TimerReportUnit(k)}));
    out.newPage();
}

QString GetTime(int offset, int form)
{
    // Every bit of the high byte counts: the report shows what is stored, even past the editor's range.
    return TimerReportText(TimerWord(offset), form);
}

QString VoiceReportText(int offset)
{
    QString text;
    for (const std::uint16_t code : VoiceSlotStoredCodes(offset)) {
        text += QLatin1Char(' ');
        text += code > 0x7FFF ? QString::number(code) : GetVocabularyText(static_cast<VocabularyCode>(code));
    }
    return text.trimmed();
}

void PMessages(ReportComposer& out)
{
    voiceRows(out, 0, 19, BaseVoiceSlotOffset, kBaseVoiceTable);
    out.newPage();
    out.PageHeadingM(0);
    voiceRows(out, 20, kBaseVoiceCount - 1, BaseVoiceSlotOffset, kBaseVoiceTable);
}

void PMessagesM(ReportComposer& out, int memory)
{
    voiceRows(out, 0, kMemoryVoiceCount - 1, [memory](int n) { return MemoryVoiceSlotOffset(memory, n); },
              kMemoryVoiceTable);
}

void PrintZones1And2(ReportComposer& out, int offset) { printZonePair(out, offset, 1); }
void PrintZones3And4(ReportComposer& out, int offset) { printZonePair(out, offset, 3); }
void PrintZones5And6(ReportComposer& out, int offset) { printZonePair(out, offset, 5); }
void PrintZones7And8(ReportComposer& out, int offset) { printZonePair(out, offset, 7); }

} // namespace quillon
