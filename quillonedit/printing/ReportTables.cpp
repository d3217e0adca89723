#include "quillonedit/printing/ReportTables.h"

#include "platform/Printer.h"
#include "quillonedit/image/ImageMap.h"
#include "quillonedit/image/RbiFrequencies.h"
#include "quillonedit/image/Zones.h"
#include "quillonedit/printing/ControlReports.h"
#include "quillonedit/printing/CwMessageReport.h"
#include "quillonedit/tables/Calendar.h"
#include "quillonedit/tables/PagingTones.h"
#include "quillonedit/tables/Vocabulary.h"

namespace quillon {
namespace {

using Widest = std::function<QStringList(platform::Printer&)>;

const QString kDtmfDigits = QStringLiteral("0123456789*#ABCD");
const QString kHexDigits = QStringLiteral("0123456789ABCDEF");

// The widest of `count` characters of `alphabet` in the printer's font: a field of digits at its
// widest.
QString widestRun(platform::Printer& printer, const QString& alphabet, int count, const QString& before = {})
{
    QString widest;
    double width = -1;
    for (const QChar c : alphabet) {
        const QString run = (before + c).repeated(count);
        if (const double w = printer.textWidth(run); w > width) {
            width = w;
            widest = run;
        }
    }
    return widest;
}

Widest texts(QStringList list)
{
    return [list = std::move(list)](platform::Printer&) { return list; };
}

Widest run(QString alphabet, int count, QString before = {})
{
    return [=](platform::Printer& p) { return QStringList{widestRun(p, alphabet, count, before)}; };
}

Widest vocabulary()
{
    return [](platform::Printer&) {
        QStringList words;
        for (const VocabularyEntry& e : VocabularyTable())
            words << e.Text;
        return words;
    };
}

Widest pagingTones()
{
    return [](platform::Printer&) {
        QStringList tones;
        for (const PagingToneRecord& r : PagingToneTable())
            tones << r.Text;
        return tones;
    };
}

// The names of zones `first`, first + 2, ..: the left or the right half of the zone tables.
Widest zoneNames(int first)
{
    return [first](platform::Printer&) {
        QStringList names;
        for (int zone = first; zone <= kZoneCount; zone += 2)
            for (int k = 1; k <= kZoneFunctions; ++k)
                names << ZoneReportName(zone, k);
        return names;
    };
}

Widest zoneHeadings(int first)
{
    return [first](platform::Printer&) {
        QStringList headings;
        for (int zone = first; zone <= kZoneCount; zone += 2)
            headings << QStringLiteral("Zone %1").arg(zone);
        return headings;
    };
}

// The texts a stored speed or tone code can give; the empty text of an unknown code is no wider.
Widest cwSpeedLines()
{
    return [](platform::Printer&) {
        QStringList speeds, tones;
        for (int code = 0; code <= 255; ++code) {
            speeds << CwSpeedReportText(code);
            tones << CwToneReportText(code);
        }
        speeds.removeAll(QString());
        tones.removeAll(QString());
        speeds.removeDuplicates();
        tones.removeDuplicates();
        return QStringList{speeds.join(u' '), QStringLiteral(" at "), tones.join(u' ')};
    };
}

const QString kMarkX = QStringLiteral("X");
// A courtesy tone at its widest: 1200 Hz, and 450 ms for a length or a delay.
const QString kWidestHertz = QStringLiteral("1200");
const QString kWidestMs = QStringLiteral("450");

} // namespace

std::vector<ReportCell> ReportTable::cells(std::initializer_list<QString> texts) const
{
    std::vector<ReportCell> out;
    std::size_t i = 0;
    for (const QString& t : texts) {
        if (i >= columns.size())
            break;
        out.push_back({columns[i++].tab, t});
    }
    return out;
}

std::vector<ReportCell> ReportTable::headerCells() const
{
    std::vector<ReportCell> out;
    for (const ReportColumn& c : columns)
        if (!c.header.isEmpty())
            out.push_back({c.tab, c.header});
    return out;
}

const ReportTable kPageHeadingTable{
    1, false, {{8, {}, texts({QStringLiteral("File: No File Name Assigned"), QStringLiteral("Print Date: 12/31/2026")})}}};

const ReportTable kCodeTable{1, false, {{8, {}, {}}, {45, {}, run(kDtmfDigits, kCodeDigits)}}};

const ReportTable kTimerTable{1, false,
                              {{8, {}, [](platform::Printer&) {
                                    QStringList labels;
                                    for (int k = 0; k < kTimerCount; ++k)
                                        labels << TimerReportLabel(k);
                                    return labels;
                                }},
                               // The largest stored value, 32767, in either form.
                               {40, {}, texts({QStringLiteral("546:07"), QStringLiteral("3276.7")})},
                               {48, {}, texts({QStringLiteral("Min/Sec"), QStringLiteral("Sec")})}}};

const ReportTable kBaseVoiceTable{2, false, {{8, {}, {}}, {14, {}, vocabulary()}}};
const ReportTable kMemoryVoiceTable{2, false, {{8, {}, {}}, {12, {}, vocabulary()}}};

// The steps are four hex digits each, three blanks apart.
const ReportTable kMacroTable{1, false, {{8, {}, {}}, {14, {}, run(kDtmfDigits, kCodeDigits)}, {28, {}, run(kHexDigits, 4)}}};

const ReportTable kSchedulerTable{
    1, false,
    {{8, {}, {}},
     {15, QStringLiteral("Time"),
      [](platform::Printer& p) { return QStringList{QStringLiteral("---:") + widestRun(p, kHexDigits, 2)}; }},
     {25, QStringLiteral("Day Of Week"),
      [](platform::Printer&) {
          QStringList days;
          for (int code = 0; code <= 9; ++code)
              days << GetScheduleDayText(std::uint8_t(code));
          return days;
      }},
     {45, QStringLiteral("Month"),
      [](platform::Printer&) {
          QStringList months;
          for (const std::uint8_t code : MonthCodes())
              months << GetScheduleMonthText(code);
          return months;
      }},
     {56, QStringLiteral("Day Of Month"), run(kHexDigits, 2)},
     {75, QStringLiteral("Command"), run(kHexDigits, 4)}}};

// A pause before every digit, and the identification words.
const ReportTable kSpeedDialTable{
    1, false, {{8, {}, {}}, {15, {}, run(QStringLiteral("0123456789*#"), 16, QStringLiteral(","))}, {32, {}, vocabulary()}}};

const ReportTable kZoneHeadingTable{1, true, {{8, {}, zoneHeadings(1)}, {60, {}, zoneHeadings(2)}}};
const ReportTable kZoneTable{1, false,
                             {{8, {}, {}},
                              {11, {}, texts({kMarkX})},
                              {14, {}, zoneNames(1)},
                              {60, {}, {}},
                              {63, {}, texts({kMarkX})},
                              {66, {}, zoneNames(2)}}};

const ReportTable kRemoteBaseTable{
    1, false,
    {{8, {}, {}},
     {15, QStringLiteral("Frequency"),
      [](platform::Printer& p) {
          return QStringList{widestRun(p, kHexDigits, 4) + QStringLiteral(".") + widestRun(p, kHexDigits, 3)};
      }},
     {35, QStringLiteral("Offset"),
      [](platform::Printer&) {
          QStringList offsets;
          for (int code = 0; code < 4; ++code)
              offsets << TxOffsetText(code);
          return offsets;
      }},
     {50, QStringLiteral("TX Power"),
      [](platform::Printer&) {
          QStringList powers;
          for (int code = 0; code < 4; ++code)
              powers << PowerText(code);
          return powers;
      }},
     {65, QStringLiteral("CTCSS Frequency"), [](platform::Printer&) {
          QStringList tones{NoCtcssText()};
          for (int tone = 1; tone <= kCtcssToneCount; ++tone)
              tones << CtcssToneText(tone);
          return tones;
      }}}};

const ReportTable kDtmfTable{1, false, {{8, {}, {}}, {15, {}, run(kDtmfDigits, kDtmfMemoryDigits)}}};

const ReportTable kPagingToneTable{
    1, false, {{8, {}, {}}, {15, QStringLiteral("Tone #1"), pagingTones()}, {35, QStringLiteral("Tone #2"), pagingTones()}}};

const ReportTable kCourtesyToneTable{1, false,
                                     {{8, {}, {}},
                                      {15, QStringLiteral("Tone #1 Hz-Ms"), texts({kWidestHertz})},
                                      {21, {}, texts({QStringLiteral("-")})},
                                      {24, {}, texts({kWidestMs})},
                                      {35, QStringLiteral("Delay"), texts({kWidestMs})},
                                      {45, QStringLiteral("Tone #2 Hz-Ms"), texts({kWidestHertz})},
                                      {51, {}, texts({QStringLiteral("-")})},
                                      {54, {}, texts({kWidestMs})},
                                      {65, QStringLiteral("Delay"), texts({kWidestMs})},
                                      {75, QStringLiteral("Tone #3 Hz-Ms"), texts({kWidestHertz})},
                                      {81, {}, texts({QStringLiteral("-")})},
                                      {84, {}, texts({kWidestMs})}}};

// A message is one word of any length, broken where it must be.
const ReportTable kCwMessageTable{1, false, {{8, {}, {}}}};
const ReportTable kCwSpeedTable{1, false, {{12, {}, cwSpeedLines()}}};

const ReportTable kLockoutTable{1, false, {{8, {}, {}}, {15, {}, run(kDtmfDigits, kLockoutDigits)}}};
const ReportTable kAreaCodeTable{1, false, {{8, {}, {}}, {15, {}, run(QStringLiteral("0123456789"), kAreaCodeBytes)}}};

std::vector<const ReportTable*> AllReportTables()
{
    return {&kPageHeadingTable, &kCodeTable,       &kTimerTable,      &kBaseVoiceTable,    &kMemoryVoiceTable,
            &kMacroTable,       &kSchedulerTable,  &kSpeedDialTable,  &kZoneHeadingTable,  &kZoneTable,
            &kRemoteBaseTable,  &kDtmfTable,       &kPagingToneTable, &kCourtesyToneTable, &kCwMessageTable,
            &kCwSpeedTable,     &kLockoutTable,    &kAreaCodeTable};
}

const ReportTable* HeaderTable(int section)
{
    switch (section) {
    case 40: return &kSchedulerTable;
    case 70: return &kRemoteBaseTable;
    case 90: return &kPagingToneTable;
    case 100: return &kCourtesyToneTable;
    default: return nullptr;
    }
}

} // namespace quillon
