#include "merrowedit/data/UploadBlock.h"

#include <gtest/gtest.h>

#include "DataFolderTest.h"
#include "tests/support/QStringPrinter.h"

using namespace merrow;

namespace {

using Block = std::array<std::uint8_t, kNvImageSize>;

// Bytes a builder must not touch carry this value, so a stray write shows.
constexpr std::uint8_t kUntouched = 0xEE;

void put(Block& b, int at, const char* ascii)
{
    for (int i = 0; ascii[i]; ++i)
        b[static_cast<std::size_t>(at + i)] = static_cast<std::uint8_t>(ascii[i]);
}

// What the code builder leaves with no codes: both regions zero, the bytes around them untouched.
Block emptyCodeRegions()
{
    Block b;
    b.fill(0);
    for (int i = 0; i < 32; ++i)
        b[static_cast<std::size_t>(i)] = kUntouched;
    b[511] = kUntouched;
    return b;
}

class UploadBlockTest : public DataFolderTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(DataFolderTest::SetUp());
        LoadRegistrySettings();   // defaults from the empty scripted store
        NvImage().fill(kUntouched);
    }
    void TearDown() override
    {
        DataFolderTest::TearDown();
        resetNvImage();
    }
};

TEST_F(UploadBlockTest, DefaultSettingsGiveTheKnownParameterBlock)
{
    BuildNvSettings();
    Block expected;
    expected.fill(kUntouched);
    const std::uint8_t head[32] = {0, 3, 3, 1, 0, 2, 0, 0, 31, 0, 0, 39, 0, 0, 0, 33};
    std::copy(std::begin(head), std::end(head), expected.begin());
    EXPECT_EQ(NvImage(), expected);
}

TEST_F(UploadBlockTest, StationIdentificationCodes)
{
    struct Row { QString id; std::vector<std::uint8_t> bytes16to31; };
    const Row rows[] = {
        {"AZ09", {4, 10, 35, 0, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"W/x 1", {5, 32, 36, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"ABCDEFGHIJKLMNO", {15, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}},
        {"ABCDEFGHIJKLMNOP", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Row& r : rows) {
        NvImage().fill(kUntouched);
        UserStationID = r.id;
        BuildNvSettings();
        const std::vector<std::uint8_t> got(NvImage().begin() + 16, NvImage().begin() + 32);
        EXPECT_EQ(got, r.bytes16to31) << r.id.toStdString();
        EXPECT_EQ(NvImage()[32], kUntouched);
    }
}

TEST_F(UploadBlockTest, CharacterCodes)
{
    EXPECT_EQ(StationIdCharCode("0"), 0);
    EXPECT_EQ(StationIdCharCode("7"), 7);
    EXPECT_EQ(StationIdCharCode("A"), 10);
    EXPECT_EQ(StationIdCharCode("K"), 20);
    EXPECT_EQ(StationIdCharCode("Z"), 35);
    EXPECT_EQ(StationIdCharCode("/"), 36);
    for (const char* other : {"a", "z", " ", "-", ".", "", "AB", "\xc3\x89"})
        EXPECT_EQ(StationIdCharCode(QString::fromUtf8(other)), 0) << other;
}

TEST_F(UploadBlockTest, TimersOutsideTheirRangeSendZero)
{
    SpeakerTimeoutTimer = 0;
    LineTimeoutTimer = 7;
    VoiceIntervalTimer = 6;
    RelayDelayTimer = 5;
    PreVoiceAnnc = 4;
    BuildNvSettings();
    EXPECT_EQ(NvImage()[1], 0);
    EXPECT_EQ(NvImage()[2], 0);
    EXPECT_EQ(NvImage()[3], 6);
    EXPECT_EQ(NvImage()[4], 0);
    EXPECT_EQ(NvImage()[5], 4);
    RelayDelayTimer = -1;
    BuildNvSettings();
    EXPECT_EQ(NvImage()[4], 0);
}

TEST_F(UploadBlockTest, DefaultDataGivesTheKnownCodeRegions)
{
    SetDefaultData();
    ASSERT_TRUE(BuildNvCodes());
    Block expected = emptyCodeRegions();
    put(expected, 32, "012011-012085-012099-012111-");
    put(expected, 208, "CFA-CFW-FFA-FFW-FLA-FLW-HUA-HUW-SVA-SVW-TOA-TOW-RMT-RWT-DMO-SVR-TOR-");
    EXPECT_EQ(NvImage(), expected);
}

TEST_F(UploadBlockTest, OnlyExactMarksSelectAndCodesStayContiguous)
{
    FipEntries[0] = "X 012011  Broward                Florida";
    FipEntries[1] = "x 012085  Martin                 Florida";
    FipEntries[2] = " X012099  Palm Beach             Florida";
    FipEntries[4] = "X 012111  St. Lucie              Florida";
    FipEntries[5] = "012086  Miami-Dade             Florida";
    FipEntries[98] = "X 0120";   // cut short by hand: its missing digits stay zero
    EventCodes[1] = "TOR";
    ASSERT_TRUE(BuildNvCodes());
    Block expected = emptyCodeRegions();
    put(expected, 32, "012011-012111-0120");
    expected[52] = '-';
    put(expected, 208, "TOR-");
    EXPECT_EQ(NvImage(), expected);
}

TEST_F(UploadBlockTest, FewerEventsThanLastTimeLeaveNothingBehind)
{
    SetDefaultData();
    ASSERT_TRUE(BuildNvCodes());
    for (QString& code : EventCodes)
        code.clear();
    EventCodes[0] = "RWT";
    ASSERT_TRUE(BuildNvCodes());
    EXPECT_EQ(NvImage()[208], 'R');
    EXPECT_EQ(NvImage()[211], '-');
    for (int i = 212; i <= 510; ++i)
        ASSERT_EQ(NvImage()[static_cast<std::size_t>(i)], 0) << i;
}

TEST_F(UploadBlockTest, TwentyFourCountiesFitAndTwentyFiveAreRefused)
{
    for (int i = 0; i < 24; ++i)
        FipEntries[static_cast<std::size_t>(i)] = QStringLiteral("X 0480%1  County                 Texas").arg(i, 2, 10, QChar('0'));
    EXPECT_EQ(SelectedCountyCount(), 24);
    ASSERT_TRUE(BuildNvCodes());
    EXPECT_EQ(NvImage()[198], '3');
    EXPECT_EQ(NvImage()[199], '-');
    EXPECT_EQ(NvImage()[200], 0);

    NvImage().fill(kUntouched);
    FipEntries[60] = "X 048099  County                 Texas";
    EXPECT_FALSE(BuildNvCodes());
    Block untouched;
    untouched.fill(kUntouched);
    EXPECT_EQ(NvImage(), untouched);
}

TEST_F(UploadBlockTest, LongHandEditedEventCodesStopBeforeByte511)
{
    for (QString& code : EventCodes)
        code = QString(19, QChar('Q'));   // 20 bytes each with its separator; 25 would need 500
    ASSERT_TRUE(BuildNvCodes());
    // 15 codes fit in 208..507; the 16th would end at byte 527.
    EXPECT_EQ(NvImage()[207 + 15 * 20], '-');
    for (int i = 208 + 15 * 20; i <= 510; ++i)
        ASSERT_EQ(NvImage()[static_cast<std::size_t>(i)], 0) << i;
    EXPECT_EQ(NvImage()[511], kUntouched);
}

} // namespace
