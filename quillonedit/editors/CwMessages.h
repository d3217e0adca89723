#pragma once
// The two CW identifier messages with their speed and tone: how they read as text and how the
// editor's choices are written back. Free of widgets; the configuration report uses GetCwChar too.
#include <QString>

#include <array>
#include <cstdint>

namespace quillon {

constexpr int kCwEditHelpContext = 402;
// Codes one editing buffer holds; message 2's area holds fewer (31).
constexpr int kCwBufferCodes = 33;
constexpr int kCwSpeedOptionCount = 6;
constexpr int kCwToneOptionCount = 8;

// The option captions (words per minute, hertz) in option order.
extern const std::array<const char*, kCwSpeedOptionCount> kCwSpeedCaptions;
extern const std::array<const char*, kCwToneOptionCount> kCwToneCaptions;

// Offset of message 1 or 2 (its count byte); -1 for another number.
int CwMessageOffset(int which);
// Most codes a message built in the editor may hold: 33 for message 1 (the buffer), 31 for
// message 2 (its area); 0 for another number.
int CwMessageCapacity(int which);

// The text of the CW character code stored at offset; the empty text for codes 47..255 and for an
// offset outside the image.
QString GetCwChar(int offset);
// What the editor shows for message 1 or 2: "(Empty)" for count 0, otherwise the texts of its
// codes. A count beyond the message's area reads only the codes inside the area.
QString CwMessageText(int which);

// The option index of the stored speed code (0 for a code without option) and of the stored tone
// code (0 for a code outside 1..8); 0 for another message number.
int GetCWSpeed(int which);
int GetCWFreq(int which);

// One message as the editor rebuilds it.
struct CwBuffer {
    int count = 0;                                   // codes picked since the last Clear
    std::array<std::uint8_t, kCwBufferCodes> codes{};
    bool rebuild = false;                            // cleared in this opening: OK writes it
};

// Writes a rebuilt buffer's count and codes into its message; nothing for a buffer that was not
// cleared, a count beyond the message's capacity or another message number. The bytes after the
// last code keep what they held.
void SaveCwBuffer(int which, const CwBuffer& buffer);
// Writes the speed code of option 0..5, or the tone code and divisor of option 0..7; nothing for
// another option (-1: none chosen) or message number.
void SaveWPM(int which, int speedOption);
void SaveFreq(int which, int toneOption);

// What OK writes: each rebuilt message, then its speed and tone, message 1 first.
void SaveCwMessage(const std::array<CwBuffer, 2>& buffers, const std::array<int, 2>& speedOptions,
                   const std::array<int, 2>& toneOptions);

} // namespace quillon
