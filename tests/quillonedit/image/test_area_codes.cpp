// The area code writer.
#include "quillonedit/image/AreaCodes.h"
#include "quillonedit/image/ImageMap.h"
#include "tests/support/ImageFixture.h"

#include <gtest/gtest.h>

#include <array>

using namespace quillon;
using namespace quillon::testing;

TEST(AreaCodes, WritingAllEntriesFromTheirTextsStoresThemPlain)
{
    // Entries in odd forms come back as their texts say; plain entries byte for byte; edited
    // texts are stored a digit code per character, 0 past a short text.
    struct Case { std::vector<int> stored; const char* shown; const char* edit; std::vector<int> written; };
    const Case cases[] = {
        {{0, 5, 5}, "", nullptr, {0, 0, 0}},
        {{3, 10, 5}, "305", nullptr, {3, 10, 5}},
        {{3, 0, 5}, "305", nullptr, {3, 10, 5}},
        {{12, 1, 1}, "011", nullptr, {10, 1, 1}},
        {{5, 0x1A, 200}, "500", nullptr, {5, 10, 10}},
        {{9, 1, 9}, "919", nullptr, {9, 1, 9}},
        {{4, 1, 5}, "415", "907", {9, 10, 7}},
        {{4, 1, 5}, "415", "12", {1, 2, 0}},
        {{4, 1, 5}, "415", "", {0, 0, 0}},
    };
    FillImagePattern(72);
    PutImage(18380, std::vector<int>(60, 0));   // entries past the table: empty
    Bytes expected = Snapshot();
    for (std::size_t k = 0; k < std::size(cases); ++k)
        PutImage(18380 + 3 * static_cast<int>(k), cases[k].stored);
    std::array<QString, kAreaCodeCount> texts;
    for (int i = 0; i < kAreaCodeCount; ++i)
        texts[static_cast<std::size_t>(i)] = AreaCodeText(AreaCodeOffset(i), kAreaCodeBytes);
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        EXPECT_EQ(texts[k], cases[k].shown) << "entry " << k + 1;
        if (cases[k].edit)
            texts[k] = cases[k].edit;
        Put(expected, 18380 + 3 * static_cast<int>(k), cases[k].written);
    }
    for (int i = 0; i < kAreaCodeCount; ++i)   // as the dialog's grid writes them all
        SaveAreaCode(AreaCodeOffset(i), kAreaCodeBytes, texts[static_cast<std::size_t>(i)]);
    EXPECT_TRUE(ImageEquals(expected));
}
