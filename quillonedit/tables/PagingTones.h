#pragma once
// The 60 paging tones and the two divisor bytes the image stores for each.

#include <QString>

#include <array>
#include <cstdint>

namespace quillon {

struct PagingToneRecord {
    QString Text;         // frequency in hertz, one decimal ("313.0")
    std::uint8_t Hi = 0;  // high byte of the divisor
    std::uint8_t Lo = 0;  // low byte; the image stores Lo first, then Hi
};

inline constexpr int kAvailablePagingTones = 60; // records 0..59, ascending frequency
inline constexpr int kPagingToneTableSize = 61;  // record 60 stays empty

void LoadPagingToneTable();
const std::array<PagingToneRecord, kPagingToneTableSize>& PagingToneTable();

// First record 0..60 holding the pair, or -1. An erased pair (0, 0) finds record 60.
int FindPagingTone(std::uint8_t hi, std::uint8_t lo);
// The tone name of a stored pair; the empty text when no tone has it.
QString PagingToneText(std::uint8_t hi, std::uint8_t lo);

} // namespace quillon
