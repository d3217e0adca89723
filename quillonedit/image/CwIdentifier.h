#pragma once
// The two CW identifier messages in the image: a count byte and character codes each, with a speed
// code, a tone code and a tone divisor. Where they lie and how the editor's choices are written.
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace quillon {

// Codes one editing buffer holds; message 2's area holds fewer (31).
constexpr int kCwBufferCodes = 33;
constexpr int kCwSpeedOptionCount = 6;
constexpr int kCwToneOptionCount = 8;

// The speed options in option order: caption (words per minute) and the speed code stored.
struct CwSpeedOption {
    const char* caption;
    std::uint8_t code;
};
inline constexpr std::array<CwSpeedOption, kCwSpeedOptionCount> kCwSpeedOptions{{
    {"25", 4}, {"20", 6}, {"18", 7}, {"15", 8}, {"13", 9}, {"10", 10},
}};
// The tone options in option order (tone code = option + 1): caption (hertz) and the controller's
// tone timer divisor, 894,000 / hertz rounded up.
struct CwToneOption {
    const char* caption;
    int divisor;
};
inline constexpr std::array<CwToneOption, kCwToneOptionCount> kCwToneOptions{{
    {"500", 1788}, {"600", 1490}, {"700", 1278}, {"800", 1118},
    {"900", 994},  {"1000", 894}, {"1100", 813}, {"1200", 745},
}};

// The option captions in option order.
QStringList CwSpeedCaptions();
QStringList CwToneCaptions();
// The caption of a stored speed code or tone code; empty for a code without an option.
QString CwSpeedCaptionOfCode(int speedCode);
QString CwToneCaptionOfCode(int toneCode);
// The printed report's texts of a stored speed code ("25 WPM" for 4, .. "10 WPM" for 10) and tone
// code ("500Hz" for 1, .. "1200Hz" for 8); the empty text for a code without one. Unlike the
// editor, which shows an unknown code as its first option, the report prints nothing for it.
QString CwSpeedReportText(int speedCode);
QString CwToneReportText(int toneCode);
// The report's speed line of a speed code and a tone code: speed text, " at ", tone text.
QString CwSpeedLineText(int speedCode, int toneCode);

// Offset of message 1 or 2 (its count byte); -1 for another number.
int CwMessageOffset(int which);
// Most codes a message built in the editor may hold: 33 for message 1 (the buffer), 31 for
// message 2 (its area); 0 for another number.
int CwMessageCapacity(int which);

// The CW character code stored at offset; -1 for an offset outside the image.
int CwCodeAt(int offset);
// The stored count of message 1 or 2; 0 for another number.
int CwMessageCount(int which);
// The text of the CW character code stored at offset; the empty text for codes 47..255 and for an
// offset outside the image.
QString GetCwChar(int offset);
// The stored codes of message 1 or 2 as text, each through GetCwChar: count of them, but no more
// than the message's area holds; empty for another number.
QString CwMessageCharacters(int which);

// The speed code and the tone code stored for message 1 or 2; 0 for another number.
int CwSpeedCode(int which);
int CwToneCode(int which);

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
