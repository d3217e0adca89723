#include "quillonedit/image/CwIdentifier.h"

#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/image/ImageMap.h"

#include <algorithm>

namespace quillon {

const std::array<const char*, kCwSpeedOptionCount> kCwSpeedCaptions = {"25", "20", "18", "15", "13", "10"};
const std::array<const char*, kCwToneOptionCount> kCwToneCaptions = {"500", "600", "700", "800",
                                                                     "900", "1000", "1100", "1200"};

namespace {
constexpr std::array<std::uint8_t, kCwSpeedOptionCount> kSpeedCodes = {4, 6, 7, 8, 9, 10};
// 894,000 / hertz, rounded up: the controller's tone timer divisor.
constexpr std::array<int, kCwToneOptionCount> kToneDivisors = {1788, 1490, 1278, 1118, 994, 894, 813, 745};

bool validMessage(int which) { return which == 1 || which == 2; }
int speedOffset(int which) { return which == 1 ? kCwSpeed1 : kCwSpeed2; }
int toneCodeOffset(int which) { return which == 1 ? kCwToneCode1 : kCwToneCode2; }
int toneDivisorOffset(int which) { return which == 1 ? kCwToneDivisor1 : kCwToneDivisor2; }
// Codes the message's area has room for after its count byte.
int areaRoom(int which) { return (which == 1 ? kCwMessage1Bytes : kCwMessage2Bytes) - 1; }
} // namespace

int CwMessageOffset(int which)
{
    if (!validMessage(which))
        return -1;
    return which == 1 ? kCwMessage1 : kCwMessage2;
}

int CwMessageCapacity(int which)
{
    if (!validMessage(which))
        return 0;
    return std::min(kCwBufferCodes, areaRoom(which));
}

int CwCodeAt(int offset)
{
    if (offset < 0 || offset >= kImageBytes)
        return -1;
    return image().at(offset);
}

int CwMessageCount(int which)
{
    const int base = CwMessageOffset(which);
    return base < 0 ? 0 : image().at(base);
}

std::vector<std::uint8_t> CwMessageCodes(int which)
{
    std::vector<std::uint8_t> codes;
    const int base = CwMessageOffset(which);
    if (base < 0)
        return codes;
    const int count = std::min(CwMessageCount(which), areaRoom(which));
    for (int i = 0; i < count; ++i)
        codes.push_back(image().at(base + 1 + i));
    return codes;
}

int GetCWSpeed(int which)
{
    if (!validMessage(which))
        return 0;
    const std::uint8_t code = image().at(speedOffset(which));
    for (int k = 0; k < kCwSpeedOptionCount; ++k)
        if (kSpeedCodes[static_cast<std::size_t>(k)] == code)
            return k;
    return 0;
}

int GetCWFreq(int which)
{
    if (!validMessage(which))
        return 0;
    const int code = image().at(toneCodeOffset(which));
    return code >= 1 && code <= kCwToneOptionCount ? code - 1 : 0;
}

void SaveCwBuffer(int which, const CwBuffer& buffer)
{
    const int base = CwMessageOffset(which);
    if (base < 0 || !buffer.rebuild || buffer.count < 0 || buffer.count > CwMessageCapacity(which))
        return;
    image().set(base, static_cast<std::uint8_t>(buffer.count));
    for (int i = 0; i < buffer.count; ++i)
        image().set(base + 1 + i, buffer.codes[static_cast<std::size_t>(i)]);
}

void SaveWPM(int which, int speedOption)
{
    if (!validMessage(which) || speedOption < 0 || speedOption >= kCwSpeedOptionCount)
        return;
    image().set(speedOffset(which), kSpeedCodes[static_cast<std::size_t>(speedOption)]);
}

void SaveFreq(int which, int toneOption)
{
    if (!validMessage(which) || toneOption < 0 || toneOption >= kCwToneOptionCount)
        return;
    const int divisor = kToneDivisors[static_cast<std::size_t>(toneOption)];
    image().set(toneCodeOffset(which), static_cast<std::uint8_t>(toneOption + 1));
    image().set(toneDivisorOffset(which), static_cast<std::uint8_t>(divisor & 0xFF));
    image().set(toneDivisorOffset(which) + 1, static_cast<std::uint8_t>(divisor >> 8));
}

void SaveCwMessage(const std::array<CwBuffer, 2>& buffers, const std::array<int, 2>& speedOptions,
                   const std::array<int, 2>& toneOptions)
{
    for (int which = 1; which <= 2; ++which) {
        const auto k = static_cast<std::size_t>(which - 1);
        SaveCwBuffer(which, buffers[k]);
        SaveWPM(which, speedOptions[k]);
        SaveFreq(which, toneOptions[k]);
    }
}

} // namespace quillon
