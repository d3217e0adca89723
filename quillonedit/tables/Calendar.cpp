#include "quillonedit/tables/Calendar.h"

#include "quillonedit/tables/TableState.h"

#include <iterator>

namespace quillon {

namespace {

constexpr const char* kDayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                     "Thursday", "Friday", "Saturday"};
constexpr const char* kMonthNames[] = {"January", "February", "March",     "April",
                                       "May",     "June",     "July",      "August",
                                       "September", "October", "November", "December"};
// The controller keeps months and days as BCD pairs.
constexpr std::uint8_t kMonthCodes[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06,
                                        0x07, 0x08, 0x09, 0x10, 0x11, 0x12};
constexpr std::uint8_t kDayOfMonthCodes[] = {
    0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x10, 0x11,
    0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x20, 0x21, 0x22,
    0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x30, 0x31};

constexpr int kMonthCount = static_cast<int>(std::size(kMonthNames));
constexpr int kDayCount = static_cast<int>(std::size(kDayOfMonthCodes));
static_assert(std::size(kMonthCodes) == 12 && kDayCount == 31);

} // namespace

void LoadCalendarTables()
{
    auto& s = detail::tableState();
    for (int i = 0; i < 7; ++i)
        s.dayNames[i] = QString::fromLatin1(kDayNames[i]);
    for (int i = 0; i < kMonthCount; ++i) {
        s.monthNames[i] = QString::fromLatin1(kMonthNames[i]);
        s.monthCodes[i] = kMonthCodes[i];
    }
    for (int i = 0; i < kDayCount; ++i) {
        s.dayOfMonthTexts[i] = QString::number(i + 1);
        s.dayOfMonthCodes[i] = kDayOfMonthCodes[i];
    }
}

const std::array<QString, 7>& DayNames() { return detail::tableState().dayNames; }
const std::array<QString, 14>& MonthNames() { return detail::tableState().monthNames; }
const std::array<std::uint8_t, 14>& MonthCodes() { return detail::tableState().monthCodes; }
const std::array<QString, 32>& DayOfMonthTexts() { return detail::tableState().dayOfMonthTexts; }
const std::array<std::uint8_t, 32>& DayOfMonthCodes() { return detail::tableState().dayOfMonthCodes; }

std::uint8_t MonthCodeAt(int position)
{
    const auto& codes = detail::tableState().monthCodes;
    return position >= 0 && position < static_cast<int>(codes.size()) ? codes[position] : 0;
}

std::uint8_t DayOfMonthCodeAt(int position)
{
    const auto& codes = DayOfMonthCodes();
    return position >= 0 && position < static_cast<int>(codes.size()) ? codes[position] : 0;
}

int MonthCodeIndex(std::uint8_t code)
{
    // Only the filled entries count: the spare ones hold 0, which is no month.
    const auto& codes = detail::tableState().monthCodes;
    for (int i = 0; i < kMonthCount; ++i) {
        if (codes[i] != 0 && codes[i] == code)
            return i;
    }
    return -1;
}

int DayOfMonthCodeIndex(std::uint8_t code)
{
    const auto& codes = DayOfMonthCodes();
    for (int i = 0; i < kDayCount; ++i) {
        if (codes[i] != 0 && codes[i] == code)
            return i;
    }
    return -1;
}

QString GetScheduleDayText(std::uint8_t code)
{
    static constexpr const char* kTexts[] = {"Daily",    "Sunday",   "Monday",   "Tuesday",
                                             "Wednesday", "Thursday", "Friday",  "Saturday",
                                             "Weekdays", "Weekends"};
    if (code < std::size(kTexts))
        return QString::fromLatin1(kTexts[code]);
    return QStringLiteral("Error");
}

QString GetScheduleMonthText(std::uint8_t code)
{
    if (code == 0xFF)
        return QStringLiteral("Skip");
    for (int i = 0; i < kMonthCount; ++i) {
        if (kMonthCodes[i] == code)
            return QString::fromLatin1(kMonthNames[i]);
    }
    return QStringLiteral("Error");
}

} // namespace quillon
