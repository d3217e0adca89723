#pragma once
// The two expanded switches: 40 output-line bytes each, bit i of a line being output i + 1. The
// editor shows them in four pages of ten lines.
#include <cstdint>

namespace quillon {

constexpr int kExpPages = 4;
constexpr int kExpRows = 10;
constexpr int kExpBits = 8;

// Image offset of the first line of a page (0..3) of a switch (1 or 2); -1 outside those.
int ExpLineBase(int expSwitch, int page);
// Image offset of row (1..10) of the page whose first line is at lineBase; -1 for a row outside
// 1..10 or a lineBase below 0.
int ExpLineOffset(int lineBase, int row);
// The line byte at offset.
std::uint8_t ExpLine(int offset);
// Whether output bit (0..7) of a line byte is on; false for a bit outside 0..7.
bool ExpOutputOn(std::uint8_t line, int bit);
// Flips bit (0..7) of the line byte at offset; false (and nothing written) for a bad bit or an
// offset outside both switch areas.
bool ToggleExpBit(int offset, int bit);

} // namespace quillon
