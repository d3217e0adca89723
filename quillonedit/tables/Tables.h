#pragma once
// Every text table of the editor, filled once at start-up.

#include "quillonedit/tables/Calendar.h"
#include "quillonedit/tables/CommandDecoder.h"
#include "quillonedit/tables/CwCharacters.h"
#include "quillonedit/tables/PagingTones.h"
#include "quillonedit/tables/PickLists.h"
#include "quillonedit/tables/Vocabulary.h"

#include <functional>

namespace quillon {

// Runs every fill in start-up order: vocabulary, word pick lists, special list,
// CW characters, paging tones, calendar. yieldToEventLoop (optional) runs after
// each of the last four steps so a splash can paint. Starts from empty tables,
// so a second call leaves the same contents rather than doubled lists.
void FillAllTables(const std::function<void()>& yieldToEventLoop = {});

// Empties every table, as before start-up (for tests).
void ResetTables();

} // namespace quillon
