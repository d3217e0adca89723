#include "quillonedit/tables/TableState.h"

#include "quillonedit/tables/Tables.h"

namespace quillon {

namespace detail {

TableState& tableState()
{
    static TableState state;
    return state;
}

} // namespace detail

void ResetTables()
{
    detail::tableState() = detail::TableState{};
}

void FillAllTables(const std::function<void()>& yieldToEventLoop)
{
    auto yield = [&] {
        if (yieldToEventLoop)
            yieldToEventLoop();
    };
    // The pick-list fills append, so start from empty tables every time.
    ResetTables();

    LoadVocabularyTable();
    LoadVocabularyTokens();

    LoadVoiceNumbers();
    LoadVoiceWordsAtoM();
    LoadVoiceWordsNtoZ();
    LoadVoiceSpecialWords();
    LoadCallSignCharacters();

    LoadSpecialWordList();
    yield();
    LoadCwCharacterList();
    yield();
    LoadPagingToneTable();
    yield();
    LoadCalendarTables();
    yield();
}

} // namespace quillon
