#pragma once
// The voice message slots of the base set (40) and of the memory saves (12 each): a word count and
// two bytes per word, the word number's hundreds first.
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace quillon {

// Counts above this are not messages: the slot shows empty and opens as empty.
constexpr int kVoiceShownMaxWords = 31;

// Offset of base message 1..40, and of message 1..12 of memory save 1..8; -1 outside those ranges,
// so nothing is ever read or written for them.
int BaseVoiceSlotOffset(int message);
int MemoryVoiceSlotOffset(int voiceMemory, int message);

// Whether the slot holds a message (count 1..31), shown as text or not.
bool VoiceSlotHasWords(int offset);
// The vocabulary codes of a slot's words, (hundreds And 15) x 256 + the last two digits; none
// when the slot holds no message.
std::vector<int> VoiceSlotWordCodes(int offset);
// Writes a count and the given word numbers (000..999) at offset; the bytes after the last word
// keep what they held.
void WriteWordNumbers(int offset, const std::vector<int>& wordNumbers);
// The writer every picked word sequence goes through, words given as three-digit texts ("007").
// Nothing when there are more than maxWords or a text is not a three-digit number 000..999;
// otherwise WriteWordNumbers. Returns whether it wrote.
bool WriteWordTexts(int offset, std::span<const QString> words, int maxWords);

// Words a 64-byte voice slot has room for after its count byte.
constexpr int kVoiceSlotWordCapacity = 31;

// The stored word codes of the slot at offset, for the printed report (first byte x 256 + second
// byte, every bit counted): as many as its count byte says, at most the slot's room.
std::vector<std::uint16_t> VoiceSlotStoredCodes(int offset);

} // namespace quillon
