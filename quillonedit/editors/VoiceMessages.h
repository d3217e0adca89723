#pragma once
// The voice message slots of the base set (40) and of the memory saves (12 each): where they lie,
// how they read as text and how a picked word sequence is written back (bytes in image/VoiceSlots).
// Free of widgets.
#include "quillonedit/editors/WordPicker.h"
#include "quillonedit/image/VoiceSlots.h"

#include <QString>

#include <array>

namespace quillon {

constexpr int kBaseVoiceHelpContext = 400;
constexpr int kMemoryVoiceHelpContext = 401;
constexpr int kBaseVoicePageRows = 10;

// The print texts of a slot's words, each after a blank, trimmed; empty for counts 0 and 32 up.
// Only the low four bits of a word's first byte count.
QString VoiceSlotText(int offset);

// The texts of base page 0..3 (messages 10p+1 .. 10p+10); all empty for another page.
std::array<QString, 10> DisVoice(int page);
// The texts of the 12 messages of memory save 1..8; all empty for another memory.
std::array<QString, 12> DisVoiceMem(int voiceMemory);

// What a click on a slot asks of the word picker.
WordPickerRequest VoiceSlotRequest(int offset, int messageNumber, const QString& shownText);
// Writes the picked words into the slot; nothing for a cancelled or unaccepted pick or an
// offset of -1. Returns whether it wrote.
bool SaveVoice(int offset, const WordPickerResult& result);

} // namespace quillon
