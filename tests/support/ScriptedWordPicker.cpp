#include "tests/support/ScriptedWordPicker.h"

#include <algorithm>

namespace quillon::testing {

namespace {
// The real picker opens such an item locked: OK without Clear keeps it.
bool opensLocked(const WordPickerRequest& request)
{
    return request.HasStoredWords || !request.VoiceOriginalText.isEmpty();
}
} // namespace

WordPickerResult ScriptedWordPicker::PickWords(const WordPickerRequest& request)
{
    requests.push_back(request);
    Answer answer;
    if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
    }
    WordPickerResult r;
    r.VoiceResultText = request.VoiceOriginalText;
    switch (answer.kind) {
    case Answer::Cancel:
        break;
    case Answer::Keep:
        // OK on a locked item hands the text back unaccepted; on an empty one it accepts no words.
        if (!opensLocked(request)) {
            r.VoiceResultText.clear();
            r.VoiceAccepted = true;
        }
        break;
    case Answer::Accept: {
        const int limit = std::clamp(request.VoiceMaxWords, 0, kWordPickerMaxWords);
        r.VoiceWordCount = std::min(static_cast<int>(answer.words.size()), limit);
        for (int k = 0; k < r.VoiceWordCount; ++k)
            r.VoiceWords[static_cast<std::size_t>(k)] = WordNumberText(answer.words[static_cast<std::size_t>(k)]);
        r.VoiceResultText = answer.text;
        r.VoiceAccepted = true;
        break;
    }
    }
    return r;
}

void ScriptedWordPicker::accept(const QString& text, const std::vector<int>& words)
{
    answers.push_back({Answer::Accept, text, words});
}

void ScriptedWordPicker::keep() { answers.push_back({Answer::Keep, {}, {}}); }

void ScriptedWordPicker::cancel() { answers.push_back({Answer::Cancel, {}, {}}); }

} // namespace quillon::testing
