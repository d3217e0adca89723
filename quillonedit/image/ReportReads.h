#pragma once
// Raw reads of the areas the printed reports show: the whole stored value, without the masks and
// limits the editors apply, so a report shows what the controller holds.
#include <cstdint>
#include <utility>
#include <vector>

namespace quillon {

// Words a 64-byte voice slot has room for after its count byte.
constexpr int kVoiceSlotWordCapacity = 31;

// The 16-bit timer at offset, low byte first, every bit of the high byte counted (0..65535).
std::uint16_t TimerWord(int offset);

// The word codes of the voice slot at offset (first byte x 256 + second byte, every bit counted):
// as many as its count byte says, at most the slot's room.
std::vector<std::uint16_t> VoiceSlotWordCodes(int offset);

// The two zone bytes of a zone pair: the one at offset (zone 1, 3, 5 or 7) and the next one. Both
// are read, and checked against the image's bounds, before either is used.
std::pair<std::uint8_t, std::uint8_t> ZonePairBytes(int offset);

} // namespace quillon
