#include "quillonedit/editors/WordPicker.h"

#include "quillonedit/image/VoiceSlots.h"

#include <algorithm>
#include <cstdint>

namespace quillon {

namespace {
// The value of a three-digit word number text; -1 for anything else.
int wordNumberValue(const QString& text)
{
    if (text.size() != 3)
        return -1;
    int value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

bool opensLocked(const WordPickerRequest& request)
{
    return request.HasStoredWords || !request.VoiceOriginalText.isEmpty();
}
} // namespace

QString WordNumberText(int wordNumber)
{
    return QStringLiteral("%1").arg(wordNumber, 3, 10, QLatin1Char('0'));
}

bool WriteWordSequence(int offset, const WordPickerResult& result, int maxWords)
{
    if (!result.VoiceAccepted)
        return false;
    const int count = result.VoiceWordCount;
    if (count < 0 || count > maxWords || count > kWordPickerMaxWords)
        return false;
    // Check every word before the first byte goes in, so a bad list never leaves half a message.
    std::array<int, kWordPickerMaxWords> values{};
    for (int k = 0; k < count; ++k) {
        values[static_cast<std::size_t>(k)] = wordNumberValue(result.VoiceWords[static_cast<std::size_t>(k)]);
        if (values[static_cast<std::size_t>(k)] < 0)
            return false;
    }
    WriteWordNumbers(offset, std::vector<int>(values.begin(), values.begin() + count));
    return true;
}

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

} // namespace quillon
