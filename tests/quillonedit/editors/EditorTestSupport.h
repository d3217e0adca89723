#pragma once
// Golden-image helpers for the editor tests: fill the image with a known pattern, take a copy,
// apply the changes a test expects to the copy, and compare the whole image with it.
#include "quillonedit/image/ControllerImage.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>

namespace quillon::testing {

using Bytes = ControllerImage::Bytes;

// Every byte of the image from a small generator, so odd values sit everywhere.
inline void FillImagePattern(std::uint32_t seed = 12345)
{
    std::uint32_t state = seed;
    for (auto& b : image().bytes()) {
        state = state * 1103515245u + 12345u;
        b = static_cast<std::uint8_t>(state >> 16);
    }
}

inline Bytes Snapshot() { return image().bytes(); }

inline void Put(Bytes& bytes, int offset, std::initializer_list<int> values)
{
    for (int v : values)
        bytes[static_cast<std::size_t>(offset++)] = static_cast<std::uint8_t>(v);
}

inline void PutImage(int offset, std::initializer_list<int> values)
{
    for (int v : values)
        image().set(offset++, static_cast<std::uint8_t>(v));
}

// Success when the image equals expected; otherwise lists the first differing offsets.
inline ::testing::AssertionResult ImageEquals(const Bytes& expected)
{
    const Bytes& actual = image().bytes();
    std::string diff;
    int count = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (expected[i] == actual[i])
            continue;
        if (++count <= 12)
            diff += " [" + std::to_string(i) + "] expected " + std::to_string(expected[i]) + " got "
                + std::to_string(actual[i]) + ";";
    }
    if (count == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << count << " bytes differ:" << diff;
}

} // namespace quillon::testing
