#pragma once
// The 20 two-tone paging pairs: four bytes each, tone 1 then tone 2, each tone stored as the two
// divisor bytes of its paging tone table row, low byte first. All four bytes 0 is an erased pair.
#include "quillonedit/image/ImageMap.h"

#include <QString>

#include <cstdint>
#include <stdexcept>

namespace quillon {

constexpr int kPagingGroupRows = 10;   // the list window shows ten pairs at a time

constexpr int pagingPairOffset(int entry)   // entry = 0..19
{
    if (entry < 0 || entry >= kPagingToneCount)
        throw std::out_of_range("paging pair");
    return kPagingTones + kPagingToneBytes * entry;
}

struct PagingPair {
    std::uint8_t hi1 = 0, lo1 = 0;   // tone 1
    std::uint8_t hi2 = 0, lo2 = 0;   // tone 2
};

PagingPair ReadPagingPair(int offset);

// The two tone names of the pair at offset; a tone no table row holds (an erased one included)
// reads as the empty text.
struct PagingPairTexts {
    QString tone1;
    QString tone2;
};
PagingPairTexts DisplayPagingPair(int offset);

// True only when all four bytes are 0: a pair whose tone 1 alone is 0 still holds a tone 2.
bool PagingPairErased(int offset);

// The row 0..59 of the tone lists that holds (hi, lo); -1 when no offered tone has it, the
// erased tone (0, 0) included.
int PagingToneListIndex(std::uint8_t hi, std::uint8_t lo);

// Writes tone list rows row1 and row2 into the pair; a row outside 0..59 (a list left without a
// selection) keeps that tone's stored bytes.
void SavePagingPair(int offset, int row1, int row2);

// All four bytes 0.
void ErasePagingPair(int offset);

} // namespace quillon
