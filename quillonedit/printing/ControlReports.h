#pragma once
// Reports of the control areas: codes, timers and voice messages of the base set and the memory
// saves, and the zone tables. Each renderer hands its rows to the composer.
#include <QString>

namespace quillon {

class ReportComposer;

// The report's own label of code k = 0..24 (it differs from the editor's caption in places).
QString CodeReportLabel(int k);

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

// One two-zone table at the print position; offset is the first zone byte of the pair.
void PrintZones1And2(ReportComposer& out, int offset);
void PrintZones3And4(ReportComposer& out, int offset);
void PrintZones5And6(ReportComposer& out, int offset);
void PrintZones7And8(ReportComposer& out, int offset);

} // namespace quillon
