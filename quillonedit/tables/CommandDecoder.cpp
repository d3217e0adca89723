#include "quillonedit/tables/CommandDecoder.h"

#include "quillonedit/tables/Vocabulary.h"

#include <array>

namespace quillon {

namespace {

const QString& invalidEntry()
{
    static const QString text = QStringLiteral("Invalid Entry");
    return text;
}

using SwitchFunctions = std::array<const char*, 8>;

// Functions of switches 1..8 for command bytes 11..16; the zone functions of
// the function-enable zones, in zone order.
constexpr std::array<SwitchFunctions, 6> kSwitchGroups = {{
    {"Repeater Transmitter", "CTCSS", "DTMF Access", "CTCSS Override", "Turn On Delay",
     "DTMF Window", "DTMF Muting", "Control Operator CTCSS"},
    {"Repeater Timeout Timer", "Squelch Tail", "Scheduler", "DTMF Pad Test", "LITZ Alert",
     "Grandfather Clock Sleep", "Courtesy Beep", "Talk Over Voice"},
    {"ID #1 (At Rest)", "ID #2 (Active)", "Squelch Tail Msg#1.", "Squelch Tail Msg#2.",
     "TX Drop Msg#1", "TX Drop Msg#2", "Time-Of-Day", "Grandfather Clock"},
    {"Autopatch", "Autopatch Timeout", "Long Distance", "Emergency 911", "User Speed Dial",
     "Phone Number Readback", "Autopatch Radio Mute", "Autopatch Pre-Dial"},
    {"Autopatch Pulse Dial", "Reverse Autopatch", "Long Distance Dial (1)",
     "Telephone Off Hook", "Telephone Ring Announcer", "Modem Auto Answer", "DTMF Generator",
     "DTMF Regenerator"},
    {"Transceiver Receive", "Transceiver Transmit", "Transceiver Repeat", "Transceiver CTCSS",
     "Transceiver Voice", "Transceiver Disconnect", "Computer Interface",
     "Telephone Ring Detector"},
}};

QString switchFunction(int group, int sw)
{
    if (group == 17)
        return QStringLiteral("Expanded UF Input #%1").arg(sw);
    if (group == 18)
        return QStringLiteral("Expanded UF Output #%1").arg(sw);
    return QString::fromLatin1(kSwitchGroups[group - 11][sw - 1]);
}

QString decodeSwitch(int group, std::uint8_t argumentByte)
{
    const int sw = argumentByte >> 4;
    const int state = argumentByte & 0x0F;
    // Only the expanded outputs have a momentary state.
    const int lastState = group == 18 ? 2 : 1;
    if (sw < 1 || sw > 8 || state > lastState)
        return invalidEntry();

    // The two texts that break the pattern, kept as users know them.
    if (group == 13 && sw == 1 && state == 1)
        return QStringLiteral("ID #1 (At Rest)ON");
    if (group == 16 && sw == 3)
        return QStringLiteral("Transceiver Repeat");

    static const char* const kStates[] = {"OFF", "ON", "Momentary"};
    return switchFunction(group, sw) + QLatin1Char(' ') + QLatin1String(kStates[state]);
}

// Text for commands that take only a fixed set of argument bytes 00, 01, ...
template <std::size_t N>
QString pickByArgument(std::uint8_t argumentByte, const std::array<const char*, N>& texts,
                       std::uint8_t firstArgument = 0)
{
    if (argumentByte < firstArgument || argumentByte - firstArgument >= static_cast<int>(N))
        return invalidEntry();
    return QString::fromLatin1(texts[argumentByte - firstArgument]);
}

QString decodeWord(std::uint8_t commandByte, std::uint8_t argumentByte)
{
    const int tens = argumentByte >> 4;
    const int units = argumentByte & 0x0F;
    // A hex digit here names no word; reading it as a number would give the
    // text of some other word, so say the command is invalid.
    if (tens > 9 || units > 9)
        return invalidEntry();
    const int code = (commandByte & 0x0F) * 256 + tens * 10 + units;
    return GetVocabularyText(static_cast<VocabularyCode>(code));
}

} // namespace

QString DecodeSwitchGroup11(std::uint8_t a) { return decodeSwitch(11, a); }
QString DecodeSwitchGroup12(std::uint8_t a) { return decodeSwitch(12, a); }
QString DecodeSwitchGroup13(std::uint8_t a) { return decodeSwitch(13, a); }
QString DecodeSwitchGroup14(std::uint8_t a) { return decodeSwitch(14, a); }
QString DecodeSwitchGroup15(std::uint8_t a) { return decodeSwitch(15, a); }
QString DecodeSwitchGroup16(std::uint8_t a) { return decodeSwitch(16, a); }
QString DecodeSwitchGroup17(std::uint8_t a) { return decodeSwitch(17, a); }
QString DecodeSwitchGroup18(std::uint8_t a) { return decodeSwitch(18, a); }

QString CommandArgumentText(std::uint8_t argumentByte)
{
    return QString::number(argumentByte, 16).toUpper();
}

QString CommandByteText(std::uint8_t byte)
{
    // Pad only a lone decimal digit: a lone hex letter stays one character.
    if (byte < 10)
        return QLatin1Char('0') + QString::number(byte);
    return QString::number(byte, 16).toUpper();
}

QString CommandDisplayText(std::uint8_t commandByte, std::uint8_t argumentByte)
{
    return CommandByteText(commandByte) + CommandByteText(argumentByte);
}

QString DecodeCommand(std::uint8_t commandByte, std::uint8_t argumentByte)
{
    const QString arg = CommandArgumentText(argumentByte);
    auto onlyZero = [&](const char* text) {
        return argumentByte == 0 ? QString::fromLatin1(text) : invalidEntry();
    };

    switch (commandByte) {
    case 0x00:
        return QStringLiteral("No Command");
    case 0x11: return DecodeSwitchGroup11(argumentByte);
    case 0x12: return DecodeSwitchGroup12(argumentByte);
    case 0x13: return DecodeSwitchGroup13(argumentByte);
    case 0x14: return DecodeSwitchGroup14(argumentByte);
    case 0x15: return DecodeSwitchGroup15(argumentByte);
    case 0x16: return DecodeSwitchGroup16(argumentByte);
    case 0x17: return DecodeSwitchGroup17(argumentByte);
    case 0x18: return DecodeSwitchGroup18(argumentByte);
    case 0x20:
    case 0x21:
        return onlyZero("Send Time Of Day");
    case 0x22:
    case 0x23:
        return onlyZero("Send Day Of Week");
    case 0x24:
    case 0x25:
        return onlyZero("Send Day And Month");
    case 0x26:
    case 0x27:
        return onlyZero("Send Salutations");
    case 0x30:
    case 0x31:
        return QStringLiteral("Play Voice Message ") + arg;
    case 0x32:
    case 0x33:
        return QStringLiteral("Play DVR Track ") + arg;
    case 0x34:
    case 0x35:
        return QStringLiteral("Send CW Buffer") + arg;
    case 0x36:
    case 0x37:
        return QStringLiteral("Send CW Character");
    case 0x38:
    case 0x39:
        return QStringLiteral("Send Voice Message ") + arg + QStringLiteral(" PTT1/2");
    case 0x40:
    case 0x41:
        return QStringLiteral("Send DTMF Tones Position ") + arg;
    case 0x42:
    case 0x43:
        return QStringLiteral("Send Paging Tones Position ") + arg;
    case 0x44:
        return QStringLiteral("Copy Message ") + arg + QStringLiteral(" To Message 11");
    case 0x45:
        return QStringLiteral("Copy Message ") + arg + QStringLiteral(" To Message 12");
    case 0x50:
    case 0x51:
        return QStringLiteral("Execute Macro ") + arg;
    case 0x52:
    case 0x53:
        return QStringLiteral("Load Memory File ") + arg;
    case 0x60:
        return QStringLiteral("Time Delay For ") + arg + QStringLiteral(" Seconds");
    case 0x62:
        return pickByArgument<2>(argumentByte, {"PTT #1 OFF", "PTT #1 ON"});
    case 0x64:
        return pickByArgument<2>(argumentByte, {"PTT #2 OFF", "PTT #2 ON"});
    case 0x66:
        return pickByArgument<2>(argumentByte, {"DVR Audio To TX OFF", "DVR Audio To TX ON"});
    case 0x70:
    case 0x71:
        return pickByArgument<6>(argumentByte,
                                 {"Link Control OFF", "Link Control ON", "Link Receive ON",
                                  "Link Reset ", "Link Bridge Up", "Link Bridge Down"});
    case 0x72:
    case 0x73:
        return QStringLiteral("Load Link Freq. ") + arg + QStringLiteral(" (Quillon)");
    case 0x74:
    case 0x75:
        return QStringLiteral("Load Link Freq. ") + arg + QStringLiteral(" (Kestrel)");
    case 0x76:
    case 0x77:
        return pickByArgument<3>(argumentByte,
                                 {"Link TX Power Low", "Link TX Power Medium",
                                  "Link TX Power High"},
                                 1);
    case 0x78:
    case 0x79:
        return pickByArgument<2>(argumentByte, {"HF Control OFF", "HF Control ON"});
    case 0x80:
    case 0x81:
        return QStringLiteral("Set Tessel #1 Switch ") + arg;
    case 0x82:
    case 0x83:
        return QStringLiteral("Set Tessel #2 Switch ") + arg;
    default:
        break;
    }
    if (commandByte >= 0x90 && commandByte <= 0x99)
        return decodeWord(commandByte, argumentByte);
    return invalidEntry();
}

} // namespace quillon
