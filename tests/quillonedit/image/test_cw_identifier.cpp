// The CW speed and tone settings.
#include "quillonedit/image/CwIdentifier.h"
#include "tests/support/ImageFixture.h"

#include <gtest/gtest.h>

#include <map>

using namespace quillon;
using namespace quillon::testing;

TEST(CwSettings, SpeedAndToneOptionsOfTheStoredCodes)
{
    struct Row { int stored; int speedOption; int toneOption; };
    const Row rows[] = {{0, 0, 0},  {1, 0, 0}, {4, 0, 3}, {5, 0, 4}, {6, 1, 5}, {7, 2, 6},
                        {8, 3, 7},  {9, 4, 0}, {10, 5, 0}, {255, 0, 0}};
    for (const Row& r : rows) {
        resetImage();
        image().set(527, static_cast<std::uint8_t>(r.stored));
        image().set(531, static_cast<std::uint8_t>(r.stored));
        EXPECT_EQ(GetCWSpeed(2), r.speedOption) << r.stored;
        EXPECT_EQ(GetCWFreq(2), r.toneOption) << r.stored;
        EXPECT_EQ(GetCWSpeed(1), 0);
        EXPECT_EQ(GetCWFreq(3), 0);
    }
}

TEST(CwSettings, EveryToneOptionWritesItsCodeAndDivisor)
{
    const int divisors[] = {1788, 1490, 1278, 1118, 994, 894, 813, 745};
    for (int t = 0; t < 8; ++t) {
        FillImagePattern(30);
        Bytes expected = Snapshot();
        SaveFreq(2, t);
        Put(expected, 529, {divisors[t] & 0xFF, divisors[t] >> 8, t + 1});
        EXPECT_TRUE(ImageEquals(expected)) << t;
    }
    const int speeds[] = {4, 6, 7, 8, 9, 10};
    for (int s = 0; s < 6; ++s) {
        FillImagePattern(31);
        Bytes expected = Snapshot();
        SaveWPM(1, s);
        Put(expected, 521, {speeds[s]});
        EXPECT_TRUE(ImageEquals(expected)) << s;
    }
    FillImagePattern(32);
    const Bytes before = Snapshot();
    SaveWPM(1, -1);
    SaveWPM(1, 6);
    SaveWPM(3, 0);
    SaveFreq(2, -1);
    SaveFreq(2, 8);
    SaveFreq(0, 1);
    EXPECT_TRUE(ImageEquals(before));
}

TEST(CwSettings, ReportTextsOnlyForTheirCodes)
{
    const std::map<int, QString> speeds = {{4, "25 WPM"}, {6, "20 WPM"}, {7, "18 WPM"},
                                           {8, "15 WPM"}, {9, "13 WPM"}, {10, "10 WPM"}};
    const std::map<int, QString> tones = {{1, "500Hz"}, {2, "600Hz"}, {3, "700Hz"}, {4, "800Hz"},
                                          {5, "900Hz"}, {6, "1000Hz"}, {7, "1100Hz"}, {8, "1200Hz"}};
    for (int code = 0; code < 256; ++code) {
        EXPECT_EQ(CwSpeedReportText(code), speeds.count(code) ? speeds.at(code) : QString()) << code;
        EXPECT_EQ(CwToneReportText(code), tones.count(code) ? tones.at(code) : QString()) << code;
    }
}
