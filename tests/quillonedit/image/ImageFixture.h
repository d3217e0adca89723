#pragma once
// Helpers for golden-byte checks: fill the image with a known pattern, describe the expected
// result as a copy with a few bytes changed, and compare the whole array.
#include "quillonedit/image/ControllerImage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillon::testing {

using Bytes = ControllerImage::Bytes;

// A pattern in which neighbouring bytes differ and no byte of interest happens to be 0.
inline std::uint8_t patternByte(int i) { return static_cast<std::uint8_t>((i * 7 + 3) % 251 + 1); }

inline void fillPattern()
{
    auto& b = image().bytes();
    for (int i = 0; i < kImageBytes; ++i)
        b[static_cast<std::size_t>(i)] = patternByte(i);
    b[kImageBytes] = 0;
}

inline void put(Bytes& b, int offset, const std::vector<int>& values)
{
    for (int v : values)
        b[static_cast<std::size_t>(offset++)] = static_cast<std::uint8_t>(v);
}

inline void putImage(int offset, const std::vector<int>& values) { put(image().bytes(), offset, values); }

// Lists the first few differing offsets, so a failure says where the image went wrong.
inline ::testing::AssertionResult sameBytes(const Bytes& expected, const Bytes& actual)
{
    std::string diffs;
    int count = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (expected[i] != actual[i]) {
            if (++count <= 12)
                diffs += " [" + std::to_string(i) + "] expected " + std::to_string(expected[i]) + " got "
                    + std::to_string(actual[i]);
        }
    }
    if (count == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << count << " bytes differ:" << diffs;
}

} // namespace quillon::testing
