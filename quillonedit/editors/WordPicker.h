#pragma once
// The one way editors ask the user for a sequence of vocabulary words. The program installs the
// real word construction dialog (frmVoice, through WordPickerDialogService); tests install a
// scripted one. Free of widgets, so the image writers below are tested directly.
#include <QString>

#include <array>
#include <deque>
#include <optional>
#include <span>
#include <vector>

namespace quillon {

// Most words one pick may hold (the size of the result's word list).
constexpr int kWordPickerMaxWords = 32;
// Limits the callers ask for.
constexpr int kVoiceMessageMaxWords = 30;
constexpr int kSpeedDialMaxWords = 11;
constexpr int kEmergencyMaxWords = 8;

struct WordPickerRequest {
    int VoiceMaxWords = kVoiceMessageMaxWords;   // most words that may be picked
    QString VoiceOriginalText;                   // the item's current text, trimmed
    // The number in the heading; without one the heading keeps the last number shown (0 at first).
    std::optional<int> VoiceMessageNumber;
    // The item holds stored words even if none of them has a text (words missing from the
    // vocabulary): it opens locked like any item with text, so OK without Clear cannot erase it.
    bool HasStoredWords = false;
};

struct WordPickerResult {
    QString VoiceResultText;                             // built text after OK, original after Cancel
    std::array<QString, kWordPickerMaxWords> VoiceWords; // three-digit word numbers ("007", "210")
    int VoiceWordCount = 0;                              // valid entries of VoiceWords
    bool VoiceAccepted = false;                          // the words are to replace the item's words
};

class WordPickerService {
public:
    virtual ~WordPickerService() = default;
    virtual WordPickerResult PickWords(const WordPickerRequest& request) = 0;
};

namespace detail {
// Until a picker is installed every request counts as cancelled.
class NoWordPicker final : public WordPickerService {
public:
    WordPickerResult PickWords(const WordPickerRequest& request) override
    {
        WordPickerResult r;
        r.VoiceResultText = request.VoiceOriginalText;
        return r;
    }
};
inline WordPickerService*& wordPickerSlot()
{
    static NoWordPicker none;
    static WordPickerService* current = &none;
    return current;
}
} // namespace detail

inline WordPickerService& wordPicker() { return *detail::wordPickerSlot(); }
inline void setWordPickerService(WordPickerService* service) { detail::wordPickerSlot() = service; }

// A word number as the picker records it: three digits, leading zeros kept.
QString WordNumberText(int wordNumber);

// The picked words of an accepted result; nullopt for a result that is not accepted or whose count
// lies outside 0..32.
std::optional<std::span<const QString>> PickedWords(const WordPickerResult& result);

// Writes a voice slot's words (WriteWordTexts at offset) from an accepted result; nothing for any
// other result. Returns whether it wrote.
bool WriteWordSequence(int offset, const WordPickerResult& result, int maxWords);

} // namespace quillon
