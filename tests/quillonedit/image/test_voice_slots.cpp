// Where the voice message slots lie.
#include "quillonedit/image/VoiceSlots.h"
#include "tests/support/ImageFixture.h"

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::testing;

TEST(VoiceSlots, OffsetsOfTheFirstAndLastSlotsAndNothingOutsideTheirRanges)
{
    EXPECT_EQ(BaseVoiceSlotOffset(1), 13880);
    EXPECT_EQ(BaseVoiceSlotOffset(11), 14520);
    EXPECT_EQ(BaseVoiceSlotOffset(40), 16376);   // ends at 16439
    EXPECT_EQ(BaseVoiceSlotOffset(0), -1);
    EXPECT_EQ(BaseVoiceSlotOffset(41), -1);
    const int firstOfEach[] = {5512, 6558, 7604, 8650, 9696, 10742, 11788, 12834};
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(MemoryVoiceSlotOffset(n, 1), firstOfEach[n - 1]) << n;
    EXPECT_EQ(MemoryVoiceSlotOffset(8, 12), 13538);   // its last byte 13601 is the record's last
    EXPECT_EQ(MemoryVoiceSlotOffset(8, 12) + 64, 13602);
    EXPECT_EQ(MemoryVoiceSlotOffset(0, 1), -1);
    EXPECT_EQ(MemoryVoiceSlotOffset(9, 1), -1);
    EXPECT_EQ(MemoryVoiceSlotOffset(1, 0), -1);
    EXPECT_EQ(MemoryVoiceSlotOffset(1, 13), -1);
}
