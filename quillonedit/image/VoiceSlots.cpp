#include "quillonedit/image/VoiceSlots.h"

#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/image/ImageMap.h"

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
} // namespace

int BaseVoiceSlotOffset(int message)
{
    if (message < 1 || message > kBaseVoiceCount)
        return -1;
    return kBaseVoice + kVoiceSlotBytes * (message - 1);
}

int MemoryVoiceSlotOffset(int voiceMemory, int message)
{
    if (voiceMemory < 1 || voiceMemory > kMemorySaveCount || message < 1 || message > kMemoryVoiceCount)
        return -1;
    return memoryVoiceOffset(voiceMemory) + kVoiceSlotBytes * (message - 1);
}

bool VoiceSlotHasWords(int offset)
{
    if (offset < 0)
        return false;
    const int count = image().at(offset);
    return count >= 1 && count <= kVoiceShownMaxWords;
}

std::vector<int> VoiceSlotWordCodes(int offset)
{
    std::vector<int> codes;
    if (!VoiceSlotHasWords(offset))
        return codes;
    const int count = image().at(offset);
    for (int k = 0; k < count; ++k)
        codes.push_back((image().at(offset + 1 + 2 * k) & 15) * 256 + image().at(offset + 2 + 2 * k));
    return codes;
}

void WriteWordNumbers(int offset, const std::vector<int>& wordNumbers)
{
    image().set(offset, static_cast<std::uint8_t>(wordNumbers.size()));
    for (std::size_t k = 0; k < wordNumbers.size(); ++k) {
        const int word = wordNumbers[k];
        const int at = offset + 1 + 2 * static_cast<int>(k);
        image().set(at, static_cast<std::uint8_t>(word / 100));
        image().set(at + 1, static_cast<std::uint8_t>(word % 100));
    }
}

bool WriteWordTexts(int offset, std::span<const QString> words, int maxWords)
{
    if (static_cast<int>(words.size()) > maxWords)
        return false;
    // Check every word before the first byte goes in, so a bad list never leaves half a message.
    std::vector<int> values;
    for (const QString& text : words) {
        const int value = wordNumberValue(text);
        if (value < 0)
            return false;
        values.push_back(value);
    }
    WriteWordNumbers(offset, values);
    return true;
}

std::vector<std::uint16_t> VoiceSlotStoredCodes(int offset)
{
    const int count = std::min<int>(image().at(offset), kVoiceSlotWordCapacity);
    std::vector<std::uint16_t> codes;
    codes.reserve(static_cast<std::size_t>(count));
    for (int w = 0; w < count; ++w) {
        const int at = offset + 1 + 2 * w;
        codes.push_back(static_cast<std::uint16_t>(image().at(at) * 256 + image().at(at + 1)));
    }
    return codes;
}

} // namespace quillon
