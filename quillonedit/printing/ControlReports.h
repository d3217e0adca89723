#pragma once
// Reports of the control areas: codes, timers and voice messages of the base set and the memory
// saves, and the zone tables. Each renderer hands its rows to the composer.
#include <QString>

#include <cstdint>

namespace quillon {

class ReportComposer;

// The report's own labels (they differ from the editors' captions in places).
QString CodeReportLabel(int k);    // k = 0..24
QString TimerReportLabel(int k);   // k = 0..18
int TimerReportForm(int k);        // 1 minutes and seconds, 2 tenths
QString TimerReportUnit(int k);    // "Min/Sec" or "Sec"

// memory: 0 the base set, 1..8 a memory save.
void PCodes(ReportComposer& out, int memory);
void PTimers(ReportComposer& out, int memory);
// The timer at offset as text: form 1 "mm:ss" (minutes not limited), form 2 tenths "12.5",
// any other form empty.
QString GetTime(int offset, int form);
// A voice slot's words as one text; a word code that cannot be a vocabulary code (first byte 128
// or more) shows its number.
QString VoiceReportText(int offset);
void PMessages(ReportComposer& out);
void PMessagesM(ReportComposer& out, int memory);

// The zone report's name of function k (1..8) of zone z (1..8); empty outside them.
QString ZoneReportName(int zone, int function);
// "X" for a set bit 0..7, one blank for a clear one, empty for any other bit index.
QString GetZoneBitMark(std::uint8_t zoneByte, int bit);
// One two-zone table at the print position; offset is the first zone byte of the pair.
void PrintZones1And2(ReportComposer& out, int offset);
void PrintZones3And4(ReportComposer& out, int offset);
void PrintZones5And6(ReportComposer& out, int offset);
void PrintZones7And8(ReportComposer& out, int offset);

} // namespace quillon
