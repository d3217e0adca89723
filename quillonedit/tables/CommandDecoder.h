#pragma once
// Turns a stored command (command byte, argument byte, both BCD) into text.

#include <QString>

#include <cstdint>

namespace quillon {

// One line of English for a command; "Invalid Entry" for what the controller
// does not accept, the empty text for a word command naming no word.
QString DecodeCommand(std::uint8_t commandByte, std::uint8_t argumentByte);

// The function-switch groups, command bytes 11..18.
QString DecodeSwitchGroup11(std::uint8_t argumentByte);
QString DecodeSwitchGroup12(std::uint8_t argumentByte);
QString DecodeSwitchGroup13(std::uint8_t argumentByte);
QString DecodeSwitchGroup14(std::uint8_t argumentByte);
QString DecodeSwitchGroup15(std::uint8_t argumentByte);
QString DecodeSwitchGroup16(std::uint8_t argumentByte);
QString DecodeSwitchGroup17(std::uint8_t argumentByte);
QString DecodeSwitchGroup18(std::uint8_t argumentByte);

// Two-character text of one command or argument byte: hexadecimal in capitals,
// a leading "0" only before a single decimal digit (0x05 "05", 0x0A "A", 0x9A "9A").
QString CommandByteText(std::uint8_t byte);
// The four-digit display of a command: command byte text, then argument byte text.
QString CommandDisplayText(std::uint8_t commandByte, std::uint8_t argumentByte);
// An argument inside a command text: hexadecimal in capitals, no leading zero.
QString CommandArgumentText(std::uint8_t argumentByte);

} // namespace quillon
