#include "quillonedit/tables/PagingTones.h"

#include "quillonedit/tables/TableState.h"

#include <iterator>

namespace quillon {

namespace {

struct ToneConstant {
    const char* text;
    std::uint8_t hi;
    std::uint8_t lo;
};

// Divisors as the controller firmware uses them; several differ by one or two
// from what the frequency alone would give, so they are not computed.
constexpr ToneConstant kToneConstants[] = {
    {"288.5", 12, 29},
    {"296.5", 11, 202},
    {"304.7", 11, 121},
    {"313.0", 11, 43},
    {"321.7", 10, 222},
    {"330.5", 10, 147},
    {"339.6", 10, 75},
    {"349.0", 10, 4},
    {"358.6", 9, 191},
    {"368.5", 9, 124},
    {"378.6", 9, 60},
    {"389.0", 8, 252},
    {"399.8", 8, 190},
    {"410.8", 8, 130},
    {"422.1", 8, 72},
    {"433.7", 8, 15},
    {"445.7", 7, 216},
    {"457.9", 7, 162},
    {"470.5", 7, 110},
    {"483.5", 7, 58},
    {"496.8", 7, 9},
    {"510.5", 6, 217},
    {"524.6", 6, 170},
    {"539.0", 6, 124},
    {"553.9", 6, 80},
    {"569.1", 6, 35},
    {"584.8", 5, 250},
    {"600.9", 5, 207},
    {"617.4", 5, 169},
    {"634.5", 5, 131},
    {"651.9", 5, 91},
    {"669.9", 5, 54},
    {"688.3", 5, 19},
    {"707.3", 4, 241},
    {"726.8", 4, 208},
    {"746.8", 4, 173},
    {"767.4", 4, 142},
    {"788.5", 4, 111},
    {"810.2", 4, 80},
    {"832.5", 4, 51},
    {"855.5", 4, 22},
    {"879.0", 3, 250},
    {"903.2", 3, 222},
    {"928.1", 3, 196},
    {"953.7", 3, 170},
    {"979.9", 3, 145},
    {"1006.9", 3, 120},
    {"1034.7", 3, 96},
    {"1063.2", 3, 73},
    {"1092.4", 3, 51},
    {"1122.5", 3, 29},
    {"1153.4", 3, 8},
    {"1185.2", 2, 243},
    {"1217.8", 2, 223},
    {"1251.4", 2, 203},
    {"1285.8", 2, 184},
    {"1321.2", 2, 165},
    {"1357.6", 2, 147},
    {"1395.0", 2, 129},
    {"1433.4", 2, 112},
};

static_assert(std::size(kToneConstants) == kAvailablePagingTones);

} // namespace

void LoadPagingToneTable()
{
    auto& table = detail::tableState().pagingTones;
    for (int i = 0; i < kAvailablePagingTones; ++i) {
        const ToneConstant& t = kToneConstants[i];
        table[i] = PagingToneRecord{QString::fromLatin1(t.text), t.hi, t.lo};
    }
}

const std::array<PagingToneRecord, kPagingToneTableSize>& PagingToneTable()
{
    return detail::tableState().pagingTones;
}

int FindPagingTone(std::uint8_t hi, std::uint8_t lo)
{
    const auto& table = detail::tableState().pagingTones;
    for (int i = 0; i < kPagingToneTableSize; ++i) {
        if (table[i].Hi == hi && table[i].Lo == lo)
            return i;
    }
    return -1;
}

QString PagingToneText(std::uint8_t hi, std::uint8_t lo)
{
    const int i = FindPagingTone(hi, lo);
    return i < 0 ? QString() : detail::tableState().pagingTones[i].Text;
}

} // namespace quillon
