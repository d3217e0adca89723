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

#include <array>
#include <functional>

namespace quillon {
namespace {

// The report's names of the zone functions; the zone editor words some of them differently.
const std::array<std::array<QString, kZoneFunctions>, kZoneCount> kZoneReportNames = {{
    {QStringLiteral("Repeater Transmitter"), QStringLiteral("Repeater CTCSS"), QStringLiteral("DTMF Access"),
     QStringLiteral("Repeater CTCSS Override"), QStringLiteral("Turn On Delay"), QStringLiteral("DTMF Window"),
     QStringLiteral("DTMF Muting"), QStringLiteral("Control Operator CTCSS")},
    {QStringLiteral("Repeater Timeout Timer"), QStringLiteral("Squelch Tail"), QStringLiteral("Scheduler"),
     QStringLiteral("DTMF Pad Test"), QStringLiteral("LITZ Emergency Alert"), QStringLiteral("Grandfather Clook Sleep"),
     QStringLiteral("Courtesy Beep"), QStringLiteral("Talk Over Voice Synthesizer")},
    {QStringLiteral("Repeater ID #1 (At Rest)"), QStringLiteral("Repeater ID #2 (Active)"),
     QStringLiteral("Squelch Tail Message #1"), QStringLiteral("Squelch Tail Message #2"),
     QStringLiteral("Drop Out Message #1"), QStringLiteral("Drop Out Message #2"), QStringLiteral("Time Of Day Request"),
     QStringLiteral("Grandfather Clock")},
    {QStringLiteral("Autopatch Enabled"), QStringLiteral("Autopatch Timeout Timer"),
     QStringLiteral("Autopatch Long Distance"), QStringLiteral("Emergency 911"), QStringLiteral("Speed Dial Enable"),
     QStringLiteral("Phone Number Readback"), QStringLiteral("Autopatch Radio Mute"), QStringLiteral("Autopatch Pre-Dial")},
    {QStringLiteral("Autopatch Pulse Dial"), QStringLiteral("Reverse Autopatch"), QStringLiteral("Long Distance Dial (1)"),
     QStringLiteral("Telephone Off Hook"), QStringLiteral("Telephone Ring Announcer"), QStringLiteral("Modem Auto Answer"),
     QStringLiteral("DTMF Generator"), QStringLiteral("DTMF Regenerator")},
    {QStringLiteral("Transceiver Receive"), QStringLiteral("Transceiver Transmit"), QStringLiteral("Transceiver Repeat"),
     QStringLiteral("Transceiver CTCSS"), QStringLiteral("Transceiver Voice"),
     QStringLiteral("Transceiver Auto Disconnect"), QStringLiteral("Computer Interface"), QStringLiteral("Ring Detector")},
    {QStringLiteral("Input #1"), QStringLiteral("Input #2"), QStringLiteral("Input #3"), QStringLiteral("Input #4"),
     QStringLiteral("Input #5"), QStringLiteral("Input #6"), QStringLiteral("Input #7"), QStringLiteral("Input #8")},
    {QStringLiteral("Output #1"), QStringLiteral("Output #2"), QStringLiteral("Output #3"), QStringLiteral("Output #4"),
     QStringLiteral("Output #5"), QStringLiteral("Output #6"), QStringLiteral("Output #7"), QStringLiteral("Output #8")},
}};

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
    const auto& left = kZoneReportNames[static_cast<std::size_t>(first - 1)];
    const auto& right = kZoneReportNames[static_cast<std::size_t>(first)];
    out.heading(kZoneHeadingTable.cells({QStringLiteral("Zone %1").arg(first), QStringLiteral("Zone %1").arg(first + 1)}));
    for (int k = 1; k <= 8; ++k) {
        const QString n = QString::number(k);
        out.row(kZoneTable.cells({n, GetZoneBitMark(a, k - 1), left[static_cast<std::size_t>(k - 1)], n,
                                  GetZoneBitMark(b, k - 1), right[static_cast<std::size_t>(k - 1)]}));
    }
}

} // namespace

QString ZoneReportName(int zone, int function)
{
    if (zone < 1 || zone > kZoneCount || function < 1 || function > kZoneFunctions)
        return {};
    return kZoneReportNames[static_cast<std::size_t>(zone - 1)][static_cast<std::size_t>(function - 1)];
}

QString CodeReportLabel(int k) { return CodeSlotName(k, SlotWording::Report); }

QString TimerReportLabel(int k) { return TimerSlotName(k, SlotWording::Report); }

int TimerReportForm(int k)
{
    if (k < 0 || k >= kTimerCount)
        return 0;
    return IsTenthsTimer(k) ? 2 : 1;
}

QString TimerReportUnit(int k)
{
    const int form = TimerReportForm(k);
    return form == 1 ? QStringLiteral("Min/Sec") : form == 2 ? QStringLiteral("Sec") : QString();
}

void PCodes(ReportComposer& out, int memory)
{
    out.SubHeading(memory);
    for (int k = 0; k < kCodeCount; ++k) {
        int maxLen = kCodeDigits;   // lowered by the decoder, so fresh for every code
        const QString digits = DecodeDtmfString(codeRecordOffset(memory, k), maxLen);
        out.row(kCodeTable.cells({CodeReportLabel(k), digits}));
    }
    out.newPage();
}

void PTimers(ReportComposer& out, int memory)
{
    out.SubHeading(10 + memory);
    for (int k = 0; k < kTimerCount; ++k)
        out.row(kTimerTable.cells(
            {TimerReportLabel(k), GetTime(timerOffset(memory, k), TimerReportForm(k)), TimerReportUnit(k)}));
    out.newPage();
}

QString GetTime(int offset, int form)
{
    // Every bit of the high byte counts: the report shows what is stored, even past the editor's range.
    const int v = TimerWord(offset);
    if (form == 1)
        return QStringLiteral("%1:%2").arg(v / 60, 2, 10, QLatin1Char('0')).arg(v % 60, 2, 10, QLatin1Char('0'));
    if (form == 2)
        return QStringLiteral("%1.%2").arg(v / 10).arg(v % 10);
    return {};
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

QString GetZoneBitMark(std::uint8_t zoneByte, int bit)
{
    if (bit < 0 || bit > 7)
        return {};
    return (zoneByte >> bit) & 1 ? QStringLiteral("X") : QStringLiteral(" ");
}

void PrintZones1And2(ReportComposer& out, int offset) { printZonePair(out, offset, 1); }
void PrintZones3And4(ReportComposer& out, int offset) { printZonePair(out, offset, 3); }
void PrintZones5And6(ReportComposer& out, int offset) { printZonePair(out, offset, 5); }
void PrintZones7And8(ReportComposer& out, int offset) { printZonePair(out, offset, 7); }

} // namespace quillon
