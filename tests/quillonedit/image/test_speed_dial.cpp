// Telephone entries and the plain digit fields of the autopatch and the DTMF generator.
#include "quillonedit/image/Codec.h"
#include "quillonedit/image/DigitMemories.h"
#include "quillonedit/image/ImageMap.h"
#include "quillonedit/image/SpeedDial.h"
#include "quillonedit/tables/Tables.h"
#include "tests/support/ImageFixture.h"

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::testing;

TEST(SpeedDial, NumberTextsStoreTheirDigitsWithPausesAndReadBack)
{
    struct Case {
        QString text;
        std::vector<int> bytes;   // +0 .. +15 as stored
        QString shown;
    };
    const std::vector<Case> cases = {
        {"5,551234", {7, 5, 21, 5, 1, 2, 3, 4}, "5,551234"},
        {",9", {1, 25}, ",9"},                                   // a leading pause marks the first digit
        {"911,", {3, 9, 1, 1}, "911"},                           // a trailing pause is dropped
        {",", {0}, ""},                                          // a sole pause stores nothing
        {"", {0}, ""},
        {"0*#", {3, 10, 11, 12}, "0*#"},
        {"123456789012345", {15, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4, 5}, "123456789012345"},
    };
    const int entry = SpeedDialOffset(2, 37);
    for (const Case& c : cases) {
        FillImagePattern(150);
        Bytes expected = Snapshot();
        std::vector<int> field(16, 0);
        std::copy(c.bytes.begin(), c.bytes.end(), field.begin());
        Put(expected, entry, field);   // the count and 15 digit bytes; +16 and the words keep theirs
        SaveTelNum(entry, c.text);
        EXPECT_TRUE(ImageEquals(expected)) << c.text.toStdString();
        EXPECT_EQ(DisplayAPNum(entry), c.shown);
        EXPECT_EQ(CalcLength(c.text), c.bytes[0]);
    }
}

TEST(SpeedDial, DisplayShowsCounts1To16AndOnlyDialledDigits)
{
    struct Case {
        std::vector<int> bytes;
        QString shown;
    };
    const std::vector<Case> cases = {
        {{0, 5, 5}, ""},
        {{17, 5, 5}, ""},
        {{255, 5}, ""},
        {{4, 0, 10, 0x30, 0x15}, "00,0,5"},                    // code 0 shows "0"; 48 = a pause too
        {{4, 13, 1, 14, 15}, "1"},                            // the letter codes show nothing
        {{16, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4, 5, 6}, "1234567890123456"},
    };
    for (const Case& c : cases) {
        FillImagePattern(151);
        PutImage(kEmergency, c.bytes);
        EXPECT_EQ(DisplayAPNum(kEmergency), c.shown);
        EXPECT_EQ(SpeedDialShown(kEmergency), !c.shown.isEmpty());
    }
}

TEST(SpeedDial, AnEntryLeftAsItShowsKeepsItsBytes)
{
    FillImagePattern(152);
    const int entry = EmergencySpeedDialOffset(4);
    PutImage(entry, {3, 0, 13, 5});   // shows "05"
    Bytes expected = Snapshot();
    SaveTelNumIfChanged(entry, "05");
    EXPECT_TRUE(ImageEquals(expected));
    SaveTelNumIfChanged(entry, "06");
    Put(expected, entry, {2, 10, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(ImageEquals(expected));
}

TEST(SpeedDial, OffsetsOfBlocksGroupsAndEmergencyEntries)
{
    EXPECT_EQ(SpeedDialOffset(1, 0), 19544);
    EXPECT_EQ(SpeedDialOffset(2, 0), 23544);
    EXPECT_EQ(SpeedDialOffset(3, 90), 31144);   // block 3, group 90-99
    EXPECT_EQ(SpeedDialOffset(3, 99) + 39, 31543);
    EXPECT_EQ(EmergencySpeedDialOffset(0), 31544);
    EXPECT_EQ(EmergencySpeedDialOffset(9) + 39, 31943);
    for (auto [block, entry] : {std::pair{0, 0}, {4, 0}, {1, -1}, {1, 100}})
        EXPECT_EQ(SpeedDialOffset(block, entry), -1);
    EXPECT_EQ(EmergencySpeedDialOffset(10), -1);
    EXPECT_EQ(DtmfMemoryOffset(39), 19400);
    EXPECT_EQ(LockoutOffset(19), 17948);
    EXPECT_EQ(LockoutOffset(20), -1);
}

TEST(SpeedDial, IdentificationTextsReadAtMost11Words)
{
    FillAllTables();
    FillImagePattern(153);
    const int entry = SpeedDialOffset(1, 5);
    // "5", then words: Autopatch (244), a word with a stray high nibble (0x12 -> A = 210), a word
    // the vocabulary lacks (999), And (231).
    PutImage(entry, {1, 5});
    PutImage(entry + 17, {4, 2, 44, 0x12, 10, 9, 99, 2, 31});
    EXPECT_EQ(SpeedDialIdText(entry), " Autopatch A  And");
    EXPECT_EQ(SpeedDialReportIdText(entry), " Autopatch   And");   // the report reads 0x12 x 256 + 10: no word
    PutImage(entry + 18, {130, 5});
    EXPECT_EQ(SpeedDialReportIdText(entry), " 33285   And");       // a first byte of 128 up prints its value

    // A count of 200 reads the entry's 11 words and never the next entry.
    image().set(entry + 17, 200);
    for (int j = 0; j < 11; ++j)
        PutImage(entry + 18 + 2 * j, {2, 12});   // Abort
    PutImage(entry + 40, {1, 9, 2, 10, 0, 0});   // the next entry
    QString eleven;
    for (int j = 0; j < 11; ++j)
        eleven += " Abort";
    EXPECT_EQ(SpeedDialIdText(entry), eleven);
    EXPECT_EQ(SpeedDialReportIdText(entry), eleven);
    EXPECT_EQ(SpeedDialWordCodes(entry).size(), 11u);

    // The editors show no identification for a row without a number; the report still prints it.
    image().set(entry, 0);
    EXPECT_EQ(SpeedDialIdText(entry), "");
    EXPECT_EQ(SpeedDialReportIdText(entry), eleven);
    EXPECT_TRUE(SpeedDialHasWords(entry));
    image().set(entry + 17, 0);
    EXPECT_FALSE(SpeedDialHasWords(entry));
}

TEST(DigitMemories, TextsAndWrites)
{
    FillImagePattern(154);
    const int memory = DtmfMemoryOffset(11);
    const int lockout = LockoutOffset(3);
    struct Show {
        std::vector<int> bytes;
        QString memoryText, lockoutText;
    };
    const std::vector<Show> shows = {
        {{0, 1, 2}, "", ""},
        {{3, 0, 13, 15}, "DAC", "DAC"},
        {{15, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3}, "1234567890*#123",
         "1234567890*"},
        {{16, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3, 4}, "", "1234567890*"},
    };
    for (const Show& s : shows) {
        PutImage(memory, s.bytes);
        PutImage(lockout, s.bytes);
        EXPECT_EQ(DtmfMemoryText(memory), s.memoryText);
        EXPECT_EQ(DigitFieldText(lockout, kLockoutDigits), s.lockoutText);
    }

    FillImagePattern(155);
    Bytes expected = Snapshot();
    WriteDtmfField(kPreDial, kPreDialDigits, "12#");
    Put(expected, kPreDial, {3, 1, 2, 12, 0, 0, 0, 0});
    WriteDtmfField(memory, kDtmfMemoryDigits, "D*A");
    Put(expected, memory, {3, 0, 11, 13, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(ImageEquals(expected));
}
