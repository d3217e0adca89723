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

} // namespace quillon
