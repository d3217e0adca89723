// The timer positions, texts and writers.
#include "quillonedit/image/Timers.h"
#include "tests/support/ImageFixture.h"

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::testing;

TEST(TimerPositions, BaseSetAndMemorySavesAndNothingOutsideTheirRange)
{
    EXPECT_EQ(GetPT(0, 0), 13610);
    EXPECT_EQ(GetPT(0, 18), 13646);
    EXPECT_EQ(GetPT(1, 0), 5242);
    EXPECT_EQ(GetPT(5, 3), 9426 + 6);
    EXPECT_EQ(GetPT(8, 18), 12600);
    EXPECT_EQ(GetPT(9, 0), -1);
    EXPECT_EQ(GetPT(-1, 0), -1);
    EXPECT_EQ(GetPT(0, 19), -1);
    EXPECT_EQ(GetPT(0, -1), -1);
}

TEST(TimerText, TenthsAndMinutesFromStoredBytes)
{
    struct Row { int index; int low; int high; const char* text; };
    const Row rows[] = {
        {2, 0, 0, "0.0"},      {2, 25, 0, "2.5"},     {13, 5, 0, "0.5"},
        {9, 0xFF, 0xFF, "204.7"},                     // upper five bits of the high byte ignored
        {12, 0xE8, 0x03, "100.0"},
        {0, 180, 0, "03:00"},  {0, 8, 7, "30:00"},    {18, 0xFF, 0xFF, "34:07"},
        {6, 0, 0, "00:00"},    {1, 90, 0xF8, "01:30"},
    };
    for (const Row& r : rows) {
        resetImage();
        PutImage(GetPT(0, r.index), {r.low, r.high});
        EXPECT_EQ(TimerTexts(0)[static_cast<std::size_t>(r.index)], r.text)
            << "timer " << r.index << " bytes " << r.low << "," << r.high;
    }
    EXPECT_EQ(TimerTexts(9)[0], "");
}

TEST(TimerEntryText, TurnsTheShownValueBackIntoAWholeNumber)
{
    EXPECT_EQ(TimerEntryText(2, "2.5"), "25");
    EXPECT_EQ(TimerEntryText(2, "0.0"), "0");
    EXPECT_EQ(TimerEntryText(9, "204.7"), "2047");
    EXPECT_EQ(TimerEntryText(0, "03:00"), "180");
    EXPECT_EQ(TimerEntryText(18, "34:07"), "2047");
    EXPECT_EQ(TimerEntryText(6, "00:00"), "0");
}

TEST(SaveTimer, WritesBothBytesOrNothing)
{
    struct Row { bool tenths; const char* text; bool written; int low; int high; };
    const Row rows[] = {
        {true, "5", true, 5, 0},       {true, "99", true, 99, 0},   {true, "", true, 0, 0},
        {true, "100", false, 0, 0},    {true, "2047", false, 0, 0},
        {false, "90", true, 90, 0},    {false, "1800", true, 8, 7}, {false, "2047", true, 0xFF, 7},
        {false, "", true, 0, 0},       {false, "2048", false, 0, 0}, {false, "12a", false, 0, 0},
    };
    for (const Row& r : rows) {
        FillImagePattern(11);
        Bytes expected = Snapshot();
        const int offset = GetPT(4, 7);
        const bool written = r.tenths ? SaveTimerSec(offset, r.text) : SaveTimerMin(offset, r.text);
        EXPECT_EQ(written, r.written) << r.text;
        if (r.written)
            Put(expected, offset, {r.low, r.high});
        EXPECT_TRUE(ImageEquals(expected)) << (r.tenths ? "tenths " : "minutes ") << r.text;
    }
    FillImagePattern(11);
    const Bytes before = Snapshot();
    EXPECT_FALSE(SaveTimerMin(GetPT(9, 0), "90"));
    EXPECT_FALSE(SaveTimerSec(GetPT(9, 0), ""));
    EXPECT_TRUE(ImageEquals(before));
}
