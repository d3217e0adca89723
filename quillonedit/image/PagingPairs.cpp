#include "quillonedit/image/PagingPairs.h"

#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/tables/PagingTones.h"

namespace quillon {

PagingPair ReadPagingPair(int offset)
{
    const ControllerImage& im = image();
    return {.hi1 = im.at(offset + 1), .lo1 = im.at(offset), .hi2 = im.at(offset + 3), .lo2 = im.at(offset + 2)};
}

PagingPairTexts DisplayPagingPair(int offset)
{
    const PagingPair pair = ReadPagingPair(offset);
    return {PagingToneText(pair.hi1, pair.lo1), PagingToneText(pair.hi2, pair.lo2)};
}

bool PagingPairErased(int offset)
{
    for (int k = 0; k < kPagingToneBytes; ++k)
        if (image().at(offset + k) != 0)
            return false;
    return true;
}

int PagingToneListIndex(std::uint8_t hi, std::uint8_t lo)
{
    const int row = FindPagingTone(hi, lo);
    return row >= 0 && row < kAvailablePagingTones ? row : -1;   // the empty last record is no list row
}

void SavePagingPair(int offset, int row1, int row2)
{
    const auto& table = PagingToneTable();
    const auto write = [&](int at, int row) {
        if (row < 0 || row >= kAvailablePagingTones)
            return;
        const PagingToneRecord& tone = table[static_cast<std::size_t>(row)];
        image().set(at, tone.Lo);
        image().set(at + 1, tone.Hi);
    };
    write(offset, row1);
    write(offset + 2, row2);
}

void ErasePagingPair(int offset)
{
    for (int k = 0; k < kPagingToneBytes; ++k)
        image().set(offset + k, 0);
}

} // namespace quillon
