#pragma once
// The recorded test messages the program carries as resources ":/CUSTOM/<number>": one SAME
// header per test event, a tone beep and the end-of-message burst. The headers address the four
// counties of the default set, so a receiver loaded with it reacts to them.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

namespace merrow {

struct TestPacket {
    int resource;
    const char* event;   // SAME event code
    const char* name;    // shown beside the button and while it plays
};

inline constexpr std::array<TestPacket, 4> kTestPackets = {{
    {110, "RWT", "Required Weekly Test"},
    {120, "FFW", "Flash Flood Warning"},
    {130, "SVA", "Severe Thunderstorm Watch"},
    {140, "TOA", "Tornado Watch"},
}};
inline constexpr int kBeepResource = 150;
inline constexpr int kEndOfMessageResource = 160;

// Header fields of our own choosing: the weather service as originator, a 30-minute purge time,
// a fixed issue time and our station's name as sender.
inline constexpr const char* kTestOriginator = "WXR";
inline constexpr const char* kTestPurgeTime = "0030";
inline constexpr const char* kTestIssueTime = "3431200";   // day 343, 12:00 UTC
inline constexpr const char* kTestSender = "MERROW/T";
// The selected FIP codes of the default set, as SAME locations (P = 0: the whole county).
inline const QStringList kTestLocations = {"012011", "012085", "012099", "012111"};

// "ZCZC-ORG-EEE-PSSCCC-...+TTTT-JJJHHMM-LLLLLLLL-" for the event.
QString TestHeaderText(const QString& event);
inline const QString kEndOfMessageText = QStringLiteral("NNNN");

// Resource path and bytes of a recording; empty bytes when the program has no such resource.
QString TestResourcePath(int resource);
QByteArray TestResource(int resource);

} // namespace merrow
