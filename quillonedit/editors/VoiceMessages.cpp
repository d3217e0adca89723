#include "quillonedit/editors/VoiceMessages.h"

#include "quillonedit/image/ImageMap.h"
#include "quillonedit/tables/Vocabulary.h"

namespace quillon {

QString VoiceSlotText(int offset)
{
    QString text;
    for (int code : VoiceSlotWordCodes(offset))
        text += QLatin1Char(' ') + GetVocabularyText(static_cast<VocabularyCode>(code));
    return text.trimmed();
}

std::array<QString, 10> DisVoice(int page)
{
    std::array<QString, 10> texts;
    if (page < 0 || page >= kBaseVoiceCount / kBaseVoicePageRows)
        return texts;
    for (int r = 0; r < kBaseVoicePageRows; ++r)
        texts[static_cast<std::size_t>(r)] = VoiceSlotText(BaseVoiceSlotOffset(kBaseVoicePageRows * page + r + 1));
    return texts;
}

std::array<QString, 12> DisVoiceMem(int voiceMemory)
{
    std::array<QString, 12> texts;
    for (int r = 0; r < kMemoryVoiceCount; ++r)
        texts[static_cast<std::size_t>(r)] = VoiceSlotText(MemoryVoiceSlotOffset(voiceMemory, r + 1));
    return texts;
}

WordPickerRequest VoiceSlotRequest(int offset, int messageNumber, const QString& shownText)
{
    WordPickerRequest request;
    request.VoiceMaxWords = kVoiceMessageMaxWords;
    request.VoiceOriginalText = shownText.trimmed();
    request.VoiceMessageNumber = messageNumber;
    request.HasStoredWords = VoiceSlotHasWords(offset);
    return request;
}

bool SaveVoice(int offset, const WordPickerResult& result)
{
    if (offset < 0)
        return false;
    return WriteWordSequence(offset, result, kVoiceMessageMaxWords);
}

} // namespace quillon
