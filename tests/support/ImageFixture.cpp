#include "tests/support/ImageFixture.h"

#include <string>

namespace quillon::testing {

void FillImagePattern(std::uint32_t seed)
{
    std::uint32_t state = seed;
    for (auto& b : image().bytes()) {
        state = state * 1103515245u + 12345u;
        b = static_cast<std::uint8_t>(state >> 16);
    }
}

std::uint8_t RampByte(int offset) { return static_cast<std::uint8_t>((offset * 7 + 3) % 251 + 1); }

void FillImageRamp()
{
    auto& b = image().bytes();
    for (int i = 0; i < kImageBytes; ++i)
        b[static_cast<std::size_t>(i)] = RampByte(i);
    b[kImageBytes] = 0;
}

Bytes Snapshot() { return image().bytes(); }

namespace {
template <typename Values> void putInto(Bytes& bytes, int offset, const Values& values)
{
    for (int v : values)
        bytes.at(static_cast<std::size_t>(offset++)) = static_cast<std::uint8_t>(v);
}
} // namespace

void Put(Bytes& bytes, int offset, std::initializer_list<int> values) { putInto(bytes, offset, values); }
void Put(Bytes& bytes, int offset, const std::vector<int>& values) { putInto(bytes, offset, values); }

namespace {
template <typename Values> void putIntoImage(int offset, const Values& values)
{
    for (int v : values)
        image().set(offset++, static_cast<std::uint8_t>(v));   // bounds-checked
}
} // namespace

void PutImage(int offset, std::initializer_list<int> values) { putIntoImage(offset, values); }
void PutImage(int offset, const std::vector<int>& values) { putIntoImage(offset, values); }

::testing::AssertionResult SameBytes(const Bytes& expected, const Bytes& actual)
{
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

::testing::AssertionResult ImageEquals(const Bytes& expected) { return SameBytes(expected, image().bytes()); }

} // namespace quillon::testing
