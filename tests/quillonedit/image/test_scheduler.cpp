// Scheduler entries: row texts, offsets and staging, and the bytes the entry editor's OK writes,
// checked against the whole image.
#include "quillonedit/image/Scheduler.h"
#include "tests/support/ImageFixture.h"

#include "quillonedit/image/ImageMap.h"
#include "quillonedit/tables/Calendar.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace quillon;
using namespace quillon::testing;

namespace {

const ScheduleRowMarks kReportMarks{QStringLiteral("---:"), QStringLiteral("      ----")};

struct RowCase {
    const char* name;
    std::vector<int> bytes;
    ScheduleRowMarks marks;
    ScheduleRowTexts expected;
};

TEST(SchedulerRows, TextsOfEveryKindOfEntry)
{
    const std::vector<RowCase> cases = {
        {"month and day", {0x05, 0x25, 0x00, 0x09, 0x30, 0x03, 0x50}, {}, {"09:30", "----", "May", "25", "5003"}},
        {"weekdays every hour", {0xFF, 0x00, 0x08, 0xFF, 0x15, 0x00, 0x20}, {}, {"----:15", "Weekdays", "Skip", "", "2000"}},
        {"unknown month", {0x13, 0x05, 0x00, 0x09, 0x30, 0x00, 0x00}, {}, {"09:30", "----", "Error", "5", "0000"}},
        {"unknown weekday", {0xFF, 0x00, 12, 0x23, 0x59, 0x12, 0x50}, {}, {"23:59", "Error", "Skip", "", "5012"}},
        {"hexadecimal bytes", {0x10, 0x0A, 0x00, 0x1F, 0x0A, 0x0A, 0x05}, {}, {"1F:A", "----", "October", "A", "05A"}},
        {"empty, whatever follows", {0x00, 0x25, 0x03, 0x09, 0x30, 0x03, 0x50}, {}, {}},
        {"report, every hour", {0xFF, 0x00, 0x00, 0xFF, 0x15, 0x05, 0x30}, kReportMarks, {"---:15", "Daily", "Skip", "", "3005"}},
        {"report, month and day", {0x12, 0x31, 0x04, 0x00, 0x00, 0x00, 0x00}, kReportMarks,
         {"00:00", "      ----", "December", "31", "0000"}},
    };
    for (const RowCase& c : cases) {
        FillImageRamp();
        PutImage(18310, c.bytes);
        EXPECT_EQ(ScheduleRowText(18310, c.marks), c.expected) << c.name;
    }
}

TEST(SchedulerRows, OffsetsAndTheStagedCopy)
{
    EXPECT_EQ(ScheduleEntryOffset(1), 17960);
    EXPECT_EQ(ScheduleEntryOffset(31), 18170);
    EXPECT_EQ(ScheduleEntryOffset(60), 18373);
    EXPECT_EQ(ScheduleRowOffset(3, 0), 18170);
    EXPECT_EQ(ScheduleRowOffset(5, 9), 18373);
    EXPECT_THROW(ScheduleEntryOffset(61), std::out_of_range);
    EXPECT_THROW(ScheduleRowOffset(6, 0), std::out_of_range);
    EXPECT_THROW(ScheduleRowOffset(0, 10), std::out_of_range);

    FillImageRamp();
    PutImage(18170, {0x05, 0x25, 0x02, 0x09, 0x30, 0x03, 0x50});
    // The command byte is staged before its argument.
    EXPECT_EQ(StageScheduleEntry(18170), (ScheduleStage{0x05, 0x25, 0x02, 0x09, 0x30, 0x50, 0x03}));
}

struct SaveCase {
    const char* name;
    std::vector<int> stored;
    ScheduleEdit edit;
    std::vector<int> written;
};

ScheduleEdit Edit(int mode, QString time, int command, int argument)
{
    ScheduleEdit e;
    e.mode = mode;
    e.timeText = std::move(time);
    e.commandByte = static_cast<std::uint8_t>(command);
    e.argumentByte = static_cast<std::uint8_t>(argument);
    return e;
}

template <typename F> ScheduleEdit With(ScheduleEdit e, F change)
{
    change(e);
    return e;
}

TEST(SchedulerSave, WritesTheSevenBytesOfTheEditAndNothingElse)
{
    LoadCalendarTables();
    const std::vector<int> tuesday = {0xFF, 0x00, 0x03, 0x09, 0x30, 0x01, 0x50};
    const std::vector<int> may25 = {0x05, 0x25, 0x00, 0x09, 0x30, 0x03, 0x50};
    const std::vector<int> empty = {0, 0, 0, 0, 0, 0, 0};
    const std::vector<SaveCase> cases = {
        {"erased", may25, With(Edit(4, "0930", 0x50, 0x03), [](auto& e) { e.erase = true; }), empty},
        {"empty entry, Erase cleared", empty, Edit(0, "", 0, 0), {0xFF, 0, 0, 0, 0, 0, 0}},
        {"weekday entry unchanged", tuesday,
         With(Edit(3, "0930", 0x50, 0x01), [](auto& e) { e.weekdayPosition = 2; e.scheduleTouched = e.timeTouched = false; }),
         tuesday},
        {"weekdays only", may25, Edit(1, "0930", 0x50, 0x03), {0xFF, 0, 8, 0x09, 0x30, 0x03, 0x50}},
        {"weekends only", may25, Edit(2, "0930", 0x50, 0x03), {0xFF, 0, 9, 0x09, 0x30, 0x03, 0x50}},
        {"month and day without a weekday", tuesday,
         With(Edit(4, "0930", 0x50, 0x03), [](auto& e) { e.monthPosition = 4; e.dayPosition = 24; }), may25},
        {"month and day after Friday", tuesday,
         With(Edit(4, "0930", 0x50, 0x03), [](auto& e) { e.monthPosition = 9; e.dayPosition = 30; e.weekdayPosition = 5; }),
         {0x10, 0x31, 6, 0x09, 0x30, 0x03, 0x50}},
        {"every hour at 15", may25, With(Edit(0, "15", 0x20, 0x00), [](auto& e) { e.everyHour = true; }),
         {0xFF, 0, 0, 0xFF, 0x15, 0x00, 0x20}},
        {"no range check of the time", may25, Edit(0, "2575", 0x50, 0x03), {0xFF, 0, 0, 0x25, 0x75, 0x03, 0x50}},
        {"two digits, Every Hour cleared", may25, Edit(0, "15", 0x50, 0x03), {0xFF, 0, 0, 0x15, 0x15, 0x03, 0x50}},
        {"four digits, Every Hour ticked", may25, With(Edit(0, "0930", 0x50, 0x03), [](auto& e) { e.everyHour = true; }),
         {0xFF, 0, 0, 0xFF, 0x30, 0x03, 0x50}},
        {"no option selected", may25, Edit(-1, "1200", 0x11, 0x31), {0x05, 0x25, 0x00, 0x12, 0x00, 0x31, 0x11}},
        // Stand-ins left untouched keep their codes; a touched schedule writes what is shown.
        {"weekday code 12 untouched", {0xFF, 0x07, 12, 0x09, 0x30, 0x01, 0x50},
         With(Edit(3, "0930", 0x50, 0x01), [](auto& e) { e.weekdayPosition = 0; e.scheduleTouched = e.timeTouched = false; }),
         {0xFF, 0x00, 12, 0x09, 0x30, 0x01, 0x50}},
        {"weekday code 12 touched", {0xFF, 0x00, 12, 0x09, 0x30, 0x01, 0x50},
         With(Edit(3, "0930", 0x50, 0x01), [](auto& e) { e.weekdayPosition = 0; e.timeTouched = false; }),
         {0xFF, 0x00, 1, 0x09, 0x30, 0x01, 0x50}},
        {"month 0x13 and day 0x45 untouched", {0x13, 0x45, 0x02, 0x09, 0x30, 0x01, 0x50},
         With(Edit(4, "0930", 0x50, 0x01), [](auto& e) { e.monthPosition = 0; e.dayPosition = 0; e.scheduleTouched = e.timeTouched = false; }),
         {0x13, 0x45, 0x00, 0x09, 0x30, 0x01, 0x50}},
        {"hexadecimal time untouched", {0x05, 0x25, 0x00, 0x0A, 0x1F, 0x01, 0x50},
         With(Edit(4, "A1F", 0x50, 0x01), [](auto& e) { e.monthPosition = 4; e.dayPosition = 24; e.timeTouched = false; }),
         {0x05, 0x25, 0x00, 0x0A, 0x1F, 0x01, 0x50}},
        {"hexadecimal time retyped", {0x05, 0x25, 0x00, 0x0A, 0x1F, 0x01, 0x50},
         With(Edit(4, "A1F", 0x50, 0x01), [](auto& e) { e.monthPosition = 4; e.dayPosition = 24; }),
         {0x05, 0x25, 0x00, 0x01, 0x10, 0x01, 0x50}},
    };
    for (const SaveCase& c : cases) {
        FillImageRamp();
        PutImage(18240, c.stored);
        Bytes expected = image().bytes();
        Put(expected, 18240, c.written);
        SaveScheduleEntry(18240, c.edit);
        EXPECT_TRUE(SameBytes(expected, image().bytes())) << c.name;
    }
}

} // namespace
