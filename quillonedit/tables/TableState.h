#pragma once
// Internal: the one place where the filled tables live between start-up and exit.

#include "quillonedit/tables/PagingTones.h"
#include "quillonedit/tables/PickLists.h"
#include "quillonedit/tables/Vocabulary.h"

#include <QString>

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace quillon::detail {

struct TableState {
    std::array<VocabularyEntry, kVocabularyTableSize> vocabulary{};

    std::vector<PickListRow> cboVoice;
    std::vector<PickListRow> cbocall;
    std::vector<PickListRow> cboSpecial;
    std::vector<PickListRow> cwList;

    std::array<QString, 7> dayNames{};
    std::array<QString, 14> monthNames{};
    std::array<std::uint8_t, 14> monthCodes{};
    std::array<QString, 32> dayOfMonthTexts{};
    std::array<std::uint8_t, 32> dayOfMonthCodes{};

    std::array<PagingToneRecord, kPagingToneTableSize> pagingTones{};
};

TableState& tableState();

// A word number with its text, as the constant tables hold them.
struct WordText {
    int word;
    const char* text;
};

// The vocabulary as constant data, in the order the fills write it: the numbers,
// words, sounds, phrases and variables, then the action tokens. The pick lists
// take their order and most labels from here, without needing the filled table.
std::span<const WordText> vocabularyWords();
std::span<const WordText> vocabularyTokens();

} // namespace quillon::detail
