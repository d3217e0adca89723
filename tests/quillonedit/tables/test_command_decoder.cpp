#include "quillonedit/tables/Tables.h"
#include "tests/quillonedit/tables/VocabularyListing.h"

#include <gtest/gtest.h>

#include <set>

namespace quillon {
namespace {

class DecoderTest : public ::testing::Test {
protected:
    void SetUp() override { FillAllTables(); }
    void TearDown() override { ResetTables(); }
};

struct Case {
    int command;
    int argument;
    const char* text;
};

// Commands written as their four digits, e.g. 0x11, 0x31 is "1131".
const Case kExamples[] = {
    {0x00, 0x00, "No Command"},
    {0x00, 0x12, "No Command"},
    {0x00, 0xFF, "No Command"},
    {0x11, 0x31, "DTMF Access ON"},
    {0x11, 0x10, "Repeater Transmitter OFF"},
    {0x11, 0x81, "Control Operator CTCSS ON"},
    {0x12, 0x80, "Talk Over Voice OFF"},
    {0x12, 0x51, "LITZ Alert ON"},
    {0x13, 0x10, "ID #1 (At Rest) OFF"},
    {0x13, 0x11, "ID #1 (At Rest)ON"},
    {0x13, 0x31, "Squelch Tail Msg#1. ON"},
    {0x14, 0x41, "Emergency 911 ON"},
    {0x15, 0x30, "Long Distance Dial (1) OFF"},
    {0x16, 0x30, "Transceiver Repeat"},
    {0x16, 0x31, "Transceiver Repeat"},
    {0x16, 0x32, "Invalid Entry"},
    {0x16, 0x81, "Telephone Ring Detector ON"},
    {0x17, 0x10, "Expanded UF Input #1 OFF"},
    {0x17, 0x81, "Expanded UF Input #8 ON"},
    {0x17, 0x12, "Invalid Entry"},
    {0x18, 0x12, "Expanded UF Output #1 Momentary"},
    {0x18, 0x80, "Expanded UF Output #8 OFF"},
    {0x18, 0x13, "Invalid Entry"},
    {0x11, 0x00, "Invalid Entry"},
    {0x11, 0x90, "Invalid Entry"},
    {0x11, 0xA1, "Invalid Entry"},
    {0x11, 0x1A, "Invalid Entry"},
    {0x20, 0x00, "Send Time Of Day"},
    {0x20, 0x01, "Invalid Entry"},
    {0x21, 0x00, "Send Time Of Day"},
    {0x23, 0x00, "Send Day Of Week"},
    {0x24, 0x00, "Send Day And Month"},
    {0x27, 0x00, "Send Salutations"},
    {0x27, 0x10, "Invalid Entry"},
    {0x30, 0x05, "Play Voice Message 5"},
    {0x31, 0x12, "Play Voice Message 12"},
    {0x32, 0x16, "Play DVR Track 16"},
    {0x34, 0x12, "Send CW Buffer12"},
    {0x35, 0x00, "Send CW Buffer0"},
    {0x36, 0x99, "Send CW Character"},
    {0x38, 0x07, "Send Voice Message 7 PTT1/2"},
    {0x41, 0x20, "Send DTMF Tones Position 20"},
    {0x43, 0x01, "Send Paging Tones Position 1"},
    {0x44, 0x03, "Copy Message 3 To Message 11"},
    {0x45, 0x10, "Copy Message 10 To Message 12"},
    {0x50, 0x12, "Execute Macro 12"},
    {0x50, 0x1A, "Execute Macro 1A"},
    {0x53, 0x08, "Load Memory File 8"},
    {0x60, 0x00, "Time Delay For 0 Seconds"},
    {0x60, 0x30, "Time Delay For 30 Seconds"},
    {0x61, 0x00, "Invalid Entry"},
    {0x62, 0x00, "PTT #1 OFF"},
    {0x62, 0x01, "PTT #1 ON"},
    {0x62, 0x02, "Invalid Entry"},
    {0x64, 0x01, "PTT #2 ON"},
    {0x66, 0x00, "DVR Audio To TX OFF"},
    {0x66, 0x01, "DVR Audio To TX ON"},
    {0x67, 0x01, "Invalid Entry"},
    {0x70, 0x00, "Link Control OFF"},
    {0x71, 0x01, "Link Control ON"},
    {0x70, 0x02, "Link Receive ON"},
    {0x70, 0x03, "Link Reset "},
    {0x70, 0x04, "Link Bridge Up"},
    {0x71, 0x05, "Link Bridge Down"},
    {0x70, 0x06, "Invalid Entry"},
    {0x72, 0x04, "Load Link Freq. 4 (Quillon)"},
    {0x75, 0x11, "Load Link Freq. 11 (Kestrel)"},
    {0x76, 0x00, "Invalid Entry"},
    {0x76, 0x01, "Link TX Power Low"},
    {0x77, 0x02, "Link TX Power Medium"},
    {0x76, 0x03, "Link TX Power High"},
    {0x76, 0x04, "Invalid Entry"},
    {0x78, 0x00, "HF Control OFF"},
    {0x78, 0x01, "HF Control ON"},
    {0x78, 0x02, "Invalid Entry"},
    {0x80, 0x21, "Set Tessel #1 Switch 21"},
    {0x83, 0x00, "Set Tessel #2 Switch 0"},
    {0x92, 0x10, "A"},
    {0x99, 0x54, "Zulu"},
    {0x90, 0x00, "0"},
    {0x90, 0x20, "20"},
    {0x90, 0x21, ""},
    {0x90, 0x99, ""},
    {0x98, 0x31, "The"},
    {0x96, 0x85, "Per"},
    {0x91, 0x95, "[DTMF_D]"},
    {0x9A, 0x10, "Invalid Entry"},
    {0x10, 0x00, "Invalid Entry"},
    {0x19, 0x00, "Invalid Entry"},
    {0xFF, 0xFF, "Invalid Entry"},
};

TEST_F(DecoderTest, DecodesTheListedCommands)
{
    for (const auto& c : kExamples) {
        EXPECT_EQ(DecodeCommand(static_cast<std::uint8_t>(c.command), static_cast<std::uint8_t>(c.argument)),
                  QString::fromLatin1(c.text))
            << CommandDisplayText(c.command, c.argument).toStdString();
    }
}

TEST_F(DecoderTest, UnlistedCommandBytesAreInvalidForEveryArgument)
{
    const std::set<int> listed = {0x00, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x20, 0x21,
                                  0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x30, 0x31, 0x32, 0x33, 0x34,
                                  0x35, 0x36, 0x37, 0x38, 0x39, 0x40, 0x41, 0x42, 0x43, 0x44, 0x45,
                                  0x50, 0x51, 0x52, 0x53, 0x60, 0x62, 0x64, 0x66, 0x70, 0x71, 0x72,
                                  0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x80, 0x81, 0x82, 0x83,
                                  0x90, 0x91, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99};
    for (int cmd = 0; cmd <= 0xFF; ++cmd) {
        if (listed.count(cmd))
            continue;
        for (int arg = 0; arg <= 0xFF; ++arg)
            ASSERT_EQ(DecodeCommand(cmd, arg), QStringLiteral("Invalid Entry")) << cmd << "," << arg;
    }
}

TEST_F(DecoderTest, SwitchGroupsAcceptOnlySwitchesOneToEightAndTheirStates)
{
    for (int group = 0x11; group <= 0x18; ++group) {
        std::set<QString> texts;
        int valid = 0;
        for (int arg = 0; arg <= 0xFF; ++arg) {
            const QString text = DecodeCommand(group, arg);
            const int sw = arg >> 4, state = arg & 0x0F;
            const bool accepted = sw >= 1 && sw <= 8 && state <= (group == 0x18 ? 2 : 1);
            EXPECT_EQ(text == QStringLiteral("Invalid Entry"), !accepted) << group << "," << arg;
            if (accepted) {
                ++valid;
                texts.insert(text);
            }
        }
        EXPECT_EQ(valid, group == 0x18 ? 24 : 16) << group;
        // Distinct texts, except the one switch that reads the same in both states.
        EXPECT_EQ(static_cast<int>(texts.size()), group == 0x16 ? 15 : valid) << group;
    }
}

TEST_F(DecoderTest, SwitchGroupFunctionsMatchDecodeCommand)
{
    QString (*const groups[])(std::uint8_t) = {DecodeSwitchGroup11, DecodeSwitchGroup12, DecodeSwitchGroup13,
                                               DecodeSwitchGroup14, DecodeSwitchGroup15, DecodeSwitchGroup16,
                                               DecodeSwitchGroup17, DecodeSwitchGroup18};
    for (int g = 0; g < 8; ++g)
        for (int arg = 0; arg <= 0xFF; ++arg)
            ASSERT_EQ(groups[g](arg), DecodeCommand(0x11 + g, arg));
}

TEST_F(DecoderTest, WordCommandsNameTheVocabularyWord)
{
    const auto vocabulary = testdata::expectedVocabulary();
    for (int hundreds = 0; hundreds <= 9; ++hundreds) {
        for (int arg = 0; arg <= 0xFF; ++arg) {
            const int tens = arg >> 4, units = arg & 0x0F;
            const QString text = DecodeCommand(0x90 + hundreds, arg);
            if (tens > 9 || units > 9) {
                // A hex digit names no word.
                EXPECT_EQ(text, QStringLiteral("Invalid Entry")) << hundreds << "," << arg;
                continue;
            }
            const auto it = vocabulary.find(hundreds * 100 + tens * 10 + units);
            EXPECT_EQ(text, it != vocabulary.end() ? it->second : QString()) << hundreds << "," << arg;
        }
    }
}

TEST_F(DecoderTest, WordCommandsBeforeTheVocabularyIsFilledGiveTheEmptyText)
{
    ResetTables();
    EXPECT_EQ(DecodeCommand(0x92, 0x10), QString());
    EXPECT_EQ(DecodeCommand(0x50, 0x01), QStringLiteral("Execute Macro 1"));
}

TEST(CommandText, ByteText)
{
    const std::pair<int, const char*> cases[] = {
        {0x00, "00"}, {0x05, "05"}, {0x09, "09"}, {0x0A, "A"}, {0x0F, "F"},
        {0x10, "10"}, {0x50, "50"}, {0x9A, "9A"}, {0xFF, "FF"},
    };
    for (const auto& [byte, text] : cases)
        EXPECT_EQ(CommandByteText(static_cast<std::uint8_t>(byte)), QString::fromLatin1(text)) << byte;
}

TEST(CommandText, DisplayAndArgumentTexts)
{
    struct Text {
        int command, argument;
        const char* display;
        const char* argumentText;
    };
    const Text cases[] = {
        {0x50, 0x12, "5012", "12"}, {0x00, 0x00, "0000", "0"}, {0x0A, 0x05, "A05", "5"},
        {0x9A, 0x1A, "9A1A", "1A"}, {0x0F, 0x0F, "FF", "F"},   {0x09, 0x09, "0909", "9"},
        {0x10, 0xFF, "10FF", "FF"}, {0x50, 0x03, "5003", "3"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CommandDisplayText(c.command, c.argument), QString::fromLatin1(c.display));
        EXPECT_EQ(CommandArgumentText(c.argument), QString::fromLatin1(c.argumentText));
    }
}

} // namespace
} // namespace quillon
