#include "quillonedit/editors/WordPicker.h"

#include "quillonedit/image/VoiceSlots.h"


namespace quillon {

QString WordNumberText(int wordNumber)
{
    return QStringLiteral("%1").arg(wordNumber, 3, 10, QLatin1Char('0'));
}

std::optional<std::span<const QString>> PickedWords(const WordPickerResult& result)
{
    const int count = result.VoiceWordCount;
    if (!result.VoiceAccepted || count < 0 || count > kWordPickerMaxWords)
        return std::nullopt;
    return std::span<const QString>(result.VoiceWords.data(), static_cast<std::size_t>(count));
}

bool WriteWordSequence(int offset, const WordPickerResult& result, int maxWords)
{
    const auto words = PickedWords(result);
    return words && WriteWordTexts(offset, *words, maxWords);
}

} // namespace quillon
