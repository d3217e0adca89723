#pragma once
// The controller's voice vocabulary: word numbers 000..982 and their print texts.

#include <QString>

#include <array>
#include <cstdint>

namespace quillon {

// Word N is stored in the image as the bytes N div 100, N mod 100; the code is
// those two bytes read as one 16-bit value.
using VocabularyCode = std::int16_t;

struct VocabularyEntry {
    VocabularyCode Code = 0;
    QString Text;
};

inline constexpr int kVocabularyTableSize = 565;
// Entry that the fills never write; it keeps code 0 and the empty text.
inline constexpr int kVocabularyUnusedEntry = 429;

constexpr VocabularyCode VocabularyCodeOf(int wordNumber)
{
    return static_cast<VocabularyCode>((wordNumber / 100) * 256 + wordNumber % 100);
}

// Start-up fills, in this order: numbers, words, sounds, phrases and variables
// (entries 0..487), then the action tokens (entries 488..564).
void LoadVocabularyTable();
void LoadVocabularyTokens();

// Print text of a word code; the empty text for a code the vocabulary lacks.
QString GetVocabularyText(VocabularyCode code);

const std::array<VocabularyEntry, kVocabularyTableSize>& VocabularyTable();

} // namespace quillon
