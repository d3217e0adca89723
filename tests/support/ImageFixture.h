#pragma once
// Golden-image helpers: fill the image with a known pattern, take a copy, apply the changes a
// test expects to the copy, and compare the whole image with it.
#include "quillonedit/image/ControllerImage.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace quillon::testing {

using Bytes = ControllerImage::Bytes;

// Every byte of the image from a small generator seeded with `seed`, so odd values sit everywhere.
void FillImagePattern(std::uint32_t seed = 12345);

// A steady pattern in which neighbouring bytes differ and no byte is 0; the byte past the image
// is 0.
std::uint8_t RampByte(int offset);
void FillImageRamp();

Bytes Snapshot();

// Writes values from offset on, into a copy or into the image itself.
void Put(Bytes& bytes, int offset, std::initializer_list<int> values);
void Put(Bytes& bytes, int offset, const std::vector<int>& values);
void PutImage(int offset, std::initializer_list<int> values);
void PutImage(int offset, const std::vector<int>& values);

// Success when the two are equal; otherwise counts the differing bytes and lists the first ones
// with their offsets.
::testing::AssertionResult SameBytes(const Bytes& expected, const Bytes& actual);
// The same against the image.
::testing::AssertionResult ImageEquals(const Bytes& expected);

} // namespace quillon::testing
