#include "quillonedit/image/Zones.h"

#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/image/ImageMap.h"

#include <array>

namespace quillon {

namespace {

// The report's names of the zone functions; the zone editor words some of them differently.
constexpr std::array<std::array<const char*, kZoneFunctions>, kZoneCount> kZoneReportNames = {{
    {"Repeater Transmitter", "Repeater CTCSS", "DTMF Access", "Repeater CTCSS Override", "Turn On Delay",
     "DTMF Window", "DTMF Muting", "Control Operator CTCSS"},
    {"Repeater Timeout Timer", "Squelch Tail", "Scheduler", "DTMF Pad Test", "LITZ Emergency Alert",
     "Grandfather Clook Sleep", "Courtesy Beep", "Talk Over Voice Synthesizer"},
    {"Repeater ID #1 (At Rest)", "Repeater ID #2 (Active)", "Squelch Tail Message #1",
     "Squelch Tail Message #2", "Drop Out Message #1", "Drop Out Message #2", "Time Of Day Request",
     "Grandfather Clock"},
    {"Autopatch Enabled", "Autopatch Timeout Timer", "Autopatch Long Distance", "Emergency 911",
     "Speed Dial Enable", "Phone Number Readback", "Autopatch Radio Mute", "Autopatch Pre-Dial"},
    {"Autopatch Pulse Dial", "Reverse Autopatch", "Long Distance Dial (1)", "Telephone Off Hook",
     "Telephone Ring Announcer", "Modem Auto Answer", "DTMF Generator", "DTMF Regenerator"},
    {"Transceiver Receive", "Transceiver Transmit", "Transceiver Repeat", "Transceiver CTCSS",
     "Transceiver Voice", "Transceiver Auto Disconnect", "Computer Interface", "Ring Detector"},
    {"Input #1", "Input #2", "Input #3", "Input #4", "Input #5", "Input #6", "Input #7", "Input #8"},
    {"Output #1", "Output #2", "Output #3", "Output #4", "Output #5", "Output #6", "Output #7", "Output #8"},
}};

// Function texts of zones 1..6; zones 7 and 8 are the numbered user inputs and outputs.
constexpr std::array<std::array<const char*, 8>, 6> kFunctionTexts = {{
    {"Transmitter Enable", "CTCSS Enable", "DTMF Access Enabled", "CTCSS Override Enabled",
     "Turn On Delay Enabled", "DTMF Window Enable", "DTMF Muting Enabled", "Control Operator CTCSS Enabled"},
    {"Repeater Timeout Enable", "Squelch Tail Enable", "Scheduler Enable", "DTMF Pad Test Enable",
     "LITZ Emergency Alert Enable", "Grandfather Clock Sleep Enable", "Courtesy Beep Enable",
     "Talk Over Voice Synthesizer Enable"},
    {"Repeater ID #1 (At Rest) Enable", "Repeater ID #2 (Active) Enable", "Squelch Tail Message #1 Enable",
     "Squelch Tail Message #2 Enable", "Transmitter Dropout Message #1 Enable",
     "Transmitter Dropout Message #2 Enable", "Time Of Day Request Enable", "Grandfather Clock Enable"},
    {"Autopatch Enable", "Autopatch Timeout Timer Enable", "Long Distance Enable", "Emergency 911 Enable",
     "User Speed Dial Enable", "Telephone Number Readback Enable", "Autopatch Radio Mute Enable",
     "Autopatch Pre-Dial Enable"},
    {"Autopatch Pulse Dial Enable", "Reverse Autopatch Enable", "Long Distance Dial (1) Enable",
     "Autopatch Force Off Hook (Activate Off Air Only)", "Telephone Ring Announcer", "Modem Auto Answer Enable",
     "DTMF Generator Enable", "DTMF Regenerator Enable"},
    {"Transceiver Receive Enable", "Transceiver Transmit Enable", "Transceiver Repeat Enable",
     "Transceiver CTCSS", "Transceiver Voice Enable", "Transceiver Auto Disconnect Enable",
     "Computer Interface Enable", "Ring Detector Enable"},
}};
} // namespace

int IDBit(int value, int bit)
{
    if (bit < 0 || bit > 7)
        return 0;
    return (value >> bit) & 1;
}

bool IsZoneOffset(int offset)
{
    if (offset == zonesOffset(0))
        return true;
    for (int n = 1; n <= kMemorySaveCount; ++n)
        if (offset == zonesOffset(n))
            return true;
    return false;
}

QString ZoneFunctionCaption(int zone, int function)
{
    if (zone < 1 || zone > kZoneCount || function < 1 || function > kZoneFunctions)
        return {};
    QString text;
    if (zone == 7)
        text = QStringLiteral("User Function Input #%1 Enable").arg(function);
    else if (zone == 8)
        text = QStringLiteral("User Function Output #%1 Enable").arg(function);
    else
        text = QString::fromLatin1(kFunctionTexts[static_cast<std::size_t>(zone - 1)][static_cast<std::size_t>(function - 1)]);
    return QStringLiteral("%1.  %2").arg(function).arg(text);
}

std::uint8_t ZoneByte(int zoneOffset, int zone)
{
    if (!IsZoneOffset(zoneOffset) || zone < 1 || zone > kZoneCount)
        return 0;
    return image().at(zoneOffset + zone - 1);
}

std::uint8_t ZoneByteOf(const std::array<bool, kZoneFunctions>& enabled)
{
    std::uint8_t value = 0;
    for (std::size_t i = 0; i < enabled.size(); ++i)
        if (enabled[i])
            value = static_cast<std::uint8_t>(value | (1u << i));
    return value;
}

void SaveZoneBytes(int zoneOffset, const std::array<std::uint8_t, 8>& bytes)
{
    if (!IsZoneOffset(zoneOffset))
        return;
    for (int z = 1; z <= kZoneCount; ++z)
        image().set(zoneOffset + z - 1, bytes[static_cast<std::size_t>(z - 1)]);
}

std::pair<std::uint8_t, std::uint8_t> ZonePairBytes(int offset)
{
    const std::uint8_t first = image().at(offset);
    return {first, image().at(offset + 1)};
}

QString ZoneReportName(int zone, int function)
{
    if (zone < 1 || zone > kZoneCount || function < 1 || function > kZoneFunctions)
        return {};
    return QString::fromLatin1(kZoneReportNames[static_cast<std::size_t>(zone - 1)][static_cast<std::size_t>(function - 1)]);
}

QString ZoneReportHeading(int zone)
{
    return zone < 1 || zone > kZoneCount ? QString() : QStringLiteral("Zone %1").arg(zone);
}

QString GetZoneBitMark(std::uint8_t zoneByte, int bit)
{
    if (bit < 0 || bit > 7)
        return {};
    return (zoneByte >> bit) & 1 ? QStringLiteral("X") : QStringLiteral(" ");
}

} // namespace quillon
