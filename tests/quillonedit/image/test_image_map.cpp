#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/image/ImageMap.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace quillon;

TEST(ControllerImage, AcceptsTheSpareElementAndRefusesEverythingBeyond)
{
    resetImage();
    image().set(32768, 9);
    EXPECT_EQ(image().at(32768), 9);
    image()[0] = 4;
    EXPECT_EQ(image().at(0), 4);
    for (int bad : {-1, 32769, 40000}) {
        EXPECT_THROW(image().at(bad), std::out_of_range) << bad;
        EXPECT_THROW(image().set(bad, 1), std::out_of_range) << bad;
        EXPECT_THROW(image()[bad], std::out_of_range) << bad;
    }
    resetImage();
    for (std::uint8_t b : image().bytes())
        ASSERT_EQ(b, 0);
}

struct OffsetCase {
    const char* what;
    int actual;
    int expected;
};

TEST(ImageMap, RecordOffsetsOfEveryMemory)
{
    const OffsetCase cases[] = {
        {"record 0", recordOffset(0), 13602},       {"record 1", recordOffset(1), 5234},
        {"record 2", recordOffset(2), 6280},        {"record 3", recordOffset(3), 7326},
        {"record 4", recordOffset(4), 8372},        {"record 5", recordOffset(5), 9418},
        {"record 6", recordOffset(6), 10464},       {"record 7", recordOffset(7), 11510},
        {"record 8", recordOffset(8), 12556},       {"codes 0", codesOffset(0), 13656},
        {"codes 1", codesOffset(1), 5288},          {"codes 2", codesOffset(2), 6334},
        {"codes 3", codesOffset(3), 7380},          {"codes 8", codesOffset(8), 12610},
        {"timers 0", timersOffset(0), 13610},       {"timers 1", timersOffset(1), 5242},
        {"timers 8", timersOffset(8), 5242 + 1046 * 7}, {"zones 0", zonesOffset(0), 13602},
        {"zones 5", zonesOffset(5), 9418},          {"voice 1", memoryVoiceOffset(1), 5512},
        {"voice 8", memoryVoiceOffset(8), 5512 + 1046 * 7}, {"base voice", kBaseVoice, 13880},
        {"code 24 of base", codeRecordOffset(0, 24), 13656 + 192},
        {"timer 18 of save 2", timerOffset(2, 18), 6280 + 8 + 36},
        {"page 1", pageOffset(1), 0},               {"page 3", pageOffset(3), 8192},
        {"page 8", pageOffset(8), 28672},           {"macro page 2", macroPageOffset(2), 17000},
        {"macro page 3", macroPageOffset(3), 17280}, {"macro 25", macroOffset(25), 17112},
        {"macro 40", macroOffset(40), 17532},       {"voice page 3", baseVoicePageOffset(3), 15800},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.actual, c.expected) << c.what;
}

TEST(ImageMap, AreasFollowEachOtherWithoutOverlap)
{
    // Each area ends where the next begins (or at a known unused gap).
    EXPECT_EQ(memorySaveOffset(8) + kMemorySaveBytes, kBaseSet);
    EXPECT_EQ(kBaseVoice + kBaseVoiceCount * kVoiceSlotBytes, kMacros);
    EXPECT_EQ(kMacros + kMacroCount * kMacroRecordBytes, kCwMessage1);
    EXPECT_EQ(kCwMessage1 + kCwMessage1Bytes, kCwMessage2);
    EXPECT_EQ(kCwMessage2 + kCwMessage2Bytes, kLockouts);
    EXPECT_EQ(kLockouts + kLockoutCount * kLockoutBytes, kScheduler);
    EXPECT_EQ(kScheduler + kSchedulerCount * kScheduleEntryBytes, kAreaCodes);
    EXPECT_EQ(kRbiFrequencies + kRbiFrequencyCount * kRbiFrequencyBytes, kExpSwitch1);
    EXPECT_EQ(kExpSwitch2 + kExpSwitchBytes, kHardwareInputs);
    EXPECT_EQ(kHardwareInputs + kHardwareInputCount * 2, kDtmfMemories);
    EXPECT_EQ(kDtmfMemories + kDtmfMemoryCount * kDtmfMemoryBytes, kPagingTones);
    EXPECT_EQ(kPagingTones + kPagingToneCount * kPagingToneBytes, kPassword);
    EXPECT_EQ(kSpeedDial1 + kSpeedDialBlockBytes, kSpeedDial2);
    EXPECT_EQ(kSpeedDial3 + kSpeedDialBlockBytes, kEmergency);
    EXPECT_LE(kEmergency + kEmergencyCount * kEmergencyEntryBytes, kImageBytes);
    EXPECT_EQ(kCourtesyTones + kCourtesyToneCount * kCourtesyToneBytes, kHfTransceiverType);
}

TEST(ImageMap, HelpersRefuseNumbersWithoutARecord)
{
    EXPECT_THROW(memorySaveOffset(0), std::out_of_range);
    EXPECT_THROW(recordOffset(9), std::out_of_range);
    EXPECT_THROW(recordOffset(-1), std::out_of_range);
    EXPECT_THROW(pageOffset(0), std::out_of_range);
    EXPECT_THROW(pageOffset(9), std::out_of_range);
    EXPECT_THROW(macroPageOffset(4), std::out_of_range);
    EXPECT_THROW(macroOffset(41), std::out_of_range);
    EXPECT_THROW(codeRecordOffset(0, 25), std::out_of_range);
    EXPECT_THROW(timerOffset(0, 19), std::out_of_range);
}
