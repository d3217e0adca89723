#include "quillonedit/printing/ReportTables.h"

#include "platform/Printer.h"
#include "quillonedit/image/Codec.h"
#include "quillonedit/image/CourtesyTones.h"
#include "quillonedit/image/CwIdentifier.h"
#include "quillonedit/image/ImageMap.h"
#include "quillonedit/image/RbiFrequencies.h"
#include "quillonedit/image/Scheduler.h"
#include "quillonedit/image/SpeedDial.h"
#include "quillonedit/image/Timers.h"
#include "quillonedit/image/Zones.h"
#include "quillonedit/tables/Calendar.h"
#include "quillonedit/tables/CommandDecoder.h"
#include "quillonedit/tables/PagingTones.h"
#include "quillonedit/tables/Vocabulary.h"

#include <QLocale>

#include <cstdint>
#include <limits>

namespace quillon {
namespace {

using Widest = std::function<QStringList(platform::Printer&)>;

// Every text one stored byte can show through `text`.
QStringList byteTexts(const std::function<QString(std::uint8_t)>& text)
{
    QStringList texts;
    for (int b = 0; b <= 255; ++b)
        texts << text(std::uint8_t(b));
    texts.removeDuplicates();
    return texts;
}

// The characters a digit field shows, and a byte's hexadecimal text.
QStringList dtmfDigits() { return byteTexts([](std::uint8_t b) { return QString(DtmfDigitChar(b)); }); }
// Built once: the fit checks of the scheduler and remote base columns ask for it every time.
const QStringList& hexDigits()
{
    static const QStringList digits = [] {
        QStringList out;
        for (const QString& text : byteTexts(CommandByteText))
            for (const QChar c : text)
                out << QString(c);
        out.removeDuplicates();
        return out;
    }();
    return digits;
}

// The widest of `count` texts of `alphabet` in the printer's font: a field of digits at its widest.
QString widestRun(platform::Printer& printer, const QStringList& alphabet, int count)
{
    QString widest;
    double width = -1;
    for (const QString& c : alphabet) {
        const QString run = c.repeated(count);
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

Widest run(QStringList alphabet, int count)
{
    return [=](platform::Printer& p) { return QStringList{widestRun(p, alphabet, count)}; };
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
            headings << ZoneReportHeading(zone);
        return headings;
    };
}

// A set and a clear function.
Widest zoneMarks() { return texts({GetZoneBitMark(1, 0), GetZoneBitMark(0, 0)}); }

// The speed lines of every stored speed code and of every tone code: every word a line can hold.
Widest cwSpeedLines()
{
    return [](platform::Printer&) {
        QStringList lines;
        for (int code = 0; code <= 255; ++code)
            lines << CwSpeedLineText(code, 0) << CwSpeedLineText(0, code);
        lines.removeDuplicates();
        return lines;
    };
}

// What a courtesy tone's keypad digits 0..9 show: every hertz, or every length and delay.
Widest courtesyTexts(QString (*shown)(const QString& digit))
{
    return [shown](platform::Printer&) {
        QStringList out;
        for (int d = 0; d <= 9; ++d)
            out << shown(QString::number(d));
        out.removeAll(QString());
        return out;
    };
}

} // namespace

const QString kCourtesyToneDash = QStringLiteral("-");

QString FileLineText(const QString& fileName)
{
    return fileName.isEmpty() ? QStringLiteral("File: No File Name Assigned") : QStringLiteral("File: ") + fileName;
}

QString DateLineText(const QDate& date)
{
    return QStringLiteral("Print Date: ") + QLocale().toString(date, QLocale::ShortFormat);
}

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

// A file name is wrapped at its column; a date is at its widest with a two-digit day and month.
const ReportTable kPageHeadingTable{
    1, false, {{8, {}, [](platform::Printer&) { return QStringList{FileLineText({}), DateLineText(QDate(2026, 12, 31))}; }}}};

const ReportTable kCodeTable{1, false, {{8, {}, {}}, {45, {}, run(dtmfDigits(), kCodeDigits)}}};

const ReportTable kTimerTable{1, false,
                              {{8, {}, [](platform::Printer&) {
                                    QStringList labels;
                                    for (int k = 0; k < kTimerCount; ++k)
                                        labels << TimerReportLabel(k);
                                    return labels;
                                }},
                               // The largest stored word in either form: the most digits.
                               {40, {}, [](platform::Printer&) {
                                    constexpr int largest = std::numeric_limits<std::uint16_t>::max();
                                    return QStringList{TimerReportText(largest, 1), TimerReportText(largest, 2)};
                                }},
                               {48, {}, [](platform::Printer&) {
                                    QStringList units;
                                    for (int k = 0; k < kTimerCount; ++k)
                                        units << TimerReportUnit(k);
                                    units.removeDuplicates();
                                    return units;
                                }}}};

const ReportTable kBaseVoiceTable{2, false, {{8, {}, {}}, {14, {}, vocabulary()}}};
const ReportTable kMemoryVoiceTable{2, false, {{8, {}, {}}, {12, {}, vocabulary()}}};

// The steps are four hex digits each, three blanks apart.
const ReportTable kMacroTable{1, false, {{8, {}, {}}, {14, {}, run(dtmfDigits(), kCodeDigits)}, {28, {}, run(hexDigits(), 4)}}};

const ReportTable kSchedulerTable{
    1, false,
    {{8, {}, {}},
     {15, QStringLiteral("Time"),
      [](platform::Printer& p) { return QStringList{SchedulerReportMarks().everyHour + widestRun(p, hexDigits(), 2)}; }},
     {25, QStringLiteral("Day Of Week"),
      [](platform::Printer&) {
          QStringList days{SchedulerReportMarks().noWeekday};
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
     {56, QStringLiteral("Day Of Month"), run(hexDigits(), 2)},
     {75, QStringLiteral("Command"), run(hexDigits(), 4)}}};

// Every digit at its widest (a pause before it), and the identification words.
const ReportTable kSpeedDialTable{
    1, false, {{8, {}, {}}, {15, {}, run(byteTexts(DialDigitText), kSpeedDialMaxDigits)}, {32, {}, vocabulary()}}};

const ReportTable kZoneHeadingTable{1, true, {{8, {}, zoneHeadings(1)}, {60, {}, zoneHeadings(2)}}};
const ReportTable kZoneTable{1, false,
                             {{8, {}, {}},
                              {11, {}, zoneMarks()},
                              {14, {}, zoneNames(1)},
                              {60, {}, {}},
                              {63, {}, zoneMarks()},
                              {66, {}, zoneNames(2)}}};

const ReportTable kRemoteBaseTable{
    1, false,
    {{8, {}, {}},
     {15, QStringLiteral("Frequency"),
      [](platform::Printer& p) {
          return QStringList{widestRun(p, hexDigits(), 4) + QStringLiteral(".") + widestRun(p, hexDigits(), 3)};
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

const ReportTable kDtmfTable{1, false, {{8, {}, {}}, {15, {}, run(dtmfDigits(), kDtmfMemoryDigits)}}};

const ReportTable kPagingToneTable{
    1, false, {{8, {}, {}}, {15, QStringLiteral("Tone #1"), pagingTones()}, {35, QStringLiteral("Tone #2"), pagingTones()}}};

const ReportTable kCourtesyToneTable{1, false,
                                     {{8, {}, {}},
                                      {15, QStringLiteral("Tone #1 Hz-Ms"), courtesyTexts(FreqOut)},
                                      {21, {}, texts({kCourtesyToneDash})},
                                      {24, {}, courtesyTexts(DelayOut)},
                                      {35, QStringLiteral("Delay"), courtesyTexts(DelayOut)},
                                      {45, QStringLiteral("Tone #2 Hz-Ms"), courtesyTexts(FreqOut)},
                                      {51, {}, texts({kCourtesyToneDash})},
                                      {54, {}, courtesyTexts(DelayOut)},
                                      {65, QStringLiteral("Delay"), courtesyTexts(DelayOut)},
                                      {75, QStringLiteral("Tone #3 Hz-Ms"), courtesyTexts(FreqOut)},
                                      {81, {}, texts({kCourtesyToneDash})},
                                      {84, {}, courtesyTexts(DelayOut)}}};

// A message is one word of any length, broken where it must be.
const ReportTable kCwMessageTable{1, false, {{8, {}, {}}}};
const ReportTable kCwSpeedTable{1, false, {{12, {}, cwSpeedLines()}}};

const ReportTable kLockoutTable{1, false, {{8, {}, {}}, {15, {}, run(dtmfDigits(), kLockoutDigits)}}};
const ReportTable kAreaCodeTable{1, false, {{8, {}, {}}, {15, {}, run(byteTexts(ThreeDigitChar), kAreaCodeBytes)}}};

std::vector<const ReportTable*> AllReportTables()
{
    return {&kPageHeadingTable, &kCodeTable,       &kTimerTable,      &kBaseVoiceTable,    &kMemoryVoiceTable,
            &kMacroTable,       &kSchedulerTable,  &kSpeedDialTable,  &kZoneHeadingTable,  &kZoneTable,
            &kRemoteBaseTable,  &kDtmfTable,       &kPagingToneTable, &kCourtesyToneTable, &kCwMessageTable,
            &kCwSpeedTable,     &kLockoutTable,    &kAreaCodeTable};
}

QString SubHeadingTitle(int section)
{
    switch (section) {
    case 0: return QStringLiteral("Base Control Codes");
    case 10: return QStringLiteral("Base Timers");
    case 30: return QStringLiteral("Macro Commands");
    case 40: return QStringLiteral("Schedular Operations");
    case 50: return QStringLiteral("Speed Dial Numbers Block 1");
    case 51: return QStringLiteral("Speed Dial Numbers Block 2");
    case 52: return QStringLiteral("Speed Dial Numbers Block 3");
    case 55: return QStringLiteral("Emergency Speed Dial Numbers");
    case 60: return QStringLiteral("Quillon Base Control Zones");
    case 70: return QStringLiteral("Remote Base Frequencies");
    case 80: return QStringLiteral("DTMF Generator");
    case 90: return QStringLiteral("Paging Tones");
    case 100: return QStringLiteral("Courtesy Tones");
    case 110: return QStringLiteral("CW Messages");
    case 120: return QStringLiteral("Telephone Lockout Numbers");
    case 130: return QStringLiteral("Telephone Area Codes");
    default: break;
    }
    if (section >= 1 && section <= 8)
        return QStringLiteral("Memory Save %1 Control Codes").arg(section);
    if (section >= 11 && section <= 18)
        return QStringLiteral("Memory Save %1 Timers").arg(section - 10);
    if (section >= 61 && section <= 68)
        return QStringLiteral("Quillon Memory Save %1 Control Zones").arg(section - 60);
    return {};
}

QStringList AllSectionTitles()
{
    QStringList titles;
    for (int section = 0; section <= 130; ++section)
        if (const QString title = SubHeadingTitle(section); !title.isEmpty())
            titles << title;
    return titles;
}

ReportTitle SectionTitle(int section)
{
    using End = ReportTitle::HeaderEnd;
    ReportTitle title;
    // The CW messages, lock-out numbers and area codes stand a blank-line print further down.
    title.blankLinesBefore = section == 110 || section == 120 || section == 130 ? 2 : 1;
    title.text = SubHeadingTitle(section);
    const auto header = [&](const ReportTable& table, End end) {
        title.header = table.headerCells();
        title.headerEnd = end;
    };
    switch (section) {
    case 40: header(kSchedulerTable, End::LineEnd); break;
    case 70: header(kRemoteBaseTable, End::BlankLine); break;
    case 90: header(kPagingToneTable, End::BlankLine); break;
    case 100: header(kCourtesyToneTable, End::LineEndAndBlankLine); break;
    default: break;
    }
    return title;
}

} // namespace quillon
