// The area code writer.
#include "quillonedit/image/AreaCodes.h"
#include "tests/support/ImageFixture.h"

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::testing;

TEST(AreaCodes, SaveWritesChangedEntriesAsDigitCodes)
{
    FillImagePattern(72);
    Bytes expected = Snapshot();
    std::array<QString, 20> texts = AreaCodeTexts();
    texts[0] = "907";
    texts[19] = "12";   // shorter than three: the missing digit is stored as 0
    WriteAreaCodes(texts);
    Put(expected, 18380, {9, 10, 7});
    Put(expected, 18437, {1, 2, 0});
    EXPECT_TRUE(ImageEquals(expected));
}
