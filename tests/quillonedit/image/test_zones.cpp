// The zone function captions and bits.
#include "quillonedit/image/Zones.h"
#include "tests/support/ImageFixture.h"

#include <QSet>

#include <tuple>
#include <vector>

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::testing;

TEST(ZoneCaptions, ExactWording)
{
    struct Row { int zone; int function; const char* caption; };
    const Row rows[] = {
        {1, 1, "1.  Transmitter Enable"},
        {1, 3, "3.  DTMF Access Enabled"},
        {1, 8, "8.  Control Operator CTCSS Enabled"},
        {2, 5, "5.  LITZ Emergency Alert Enable"},
        {3, 1, "1.  Repeater ID #1 (At Rest) Enable"},
        {4, 8, "8.  Autopatch Pre-Dial Enable"},
        {5, 4, "4.  Autopatch Force Off Hook (Activate Off Air Only)"},
        {5, 5, "5.  Telephone Ring Announcer"},
        {6, 4, "4.  Transceiver CTCSS"},
        {7, 3, "3.  User Function Input #3 Enable"},
        {8, 8, "8.  User Function Output #8 Enable"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ZoneFunctionCaption(r.zone, r.function), r.caption);
    QSet<QString> all;
    for (int z = 1; z <= 8; ++z)
        for (int k = 1; k <= 8; ++k)
            all.insert(ZoneFunctionCaption(z, k));
    EXPECT_EQ(all.size(), 64);
    EXPECT_EQ(ZoneFunctionCaption(9, 1), "");
}

TEST(ZoneBits, IDBitAndZoneOffsets)
{
    EXPECT_EQ(IDBit(165, 0), 1);
    EXPECT_EQ(IDBit(165, 1), 0);
    EXPECT_EQ(IDBit(165, 7), 1);
    EXPECT_EQ(IDBit(255, 8), 0);
    EXPECT_EQ(IDBit(255, -1), 0);
    for (int offset : {13602, 5234, 6280, 7326, 8372, 9418, 10464, 11510, 12556})
        EXPECT_TRUE(IsZoneOffset(offset)) << offset;
    for (int offset : {0, 13603, 5242, 12557})
        EXPECT_FALSE(IsZoneOffset(offset)) << offset;
}

TEST(ZoneReport, MarksOnlyForBits0To7)
{
    const std::vector<std::tuple<int, int, QString>> marks = {
        {5, 0, "X"}, {5, 1, " "}, {5, 2, "X"}, {128, 7, "X"}, {255, 8, ""}, {255, -1, ""},
    };
    for (const auto& [byte, bit, mark] : marks)
        EXPECT_EQ(GetZoneBitMark(std::uint8_t(byte), bit), mark) << byte << " " << bit;
}
