#include "quillonedit/image/CwIdentifier.h"

#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/image/ImageMap.h"
#include "quillonedit/tables/CwCharacters.h"

#include <algorithm>

namespace quillon {

namespace {
bool validMessage(int which) { return which == 1 || which == 2; }
int speedOffset(int which) { return which == 1 ? kCwSpeed1 : kCwSpeed2; }
int toneCodeOffset(int which) { return which == 1 ? kCwToneCode1 : kCwToneCode2; }
int toneDivisorOffset(int which) { return which == 1 ? kCwToneDivisor1 : kCwToneDivisor2; }
// Codes the message's area has room for after its count byte.
int areaRoom(int which) { return (which == 1 ? kCwMessage1Bytes : kCwMessage2Bytes) - 1; }

// The option of a stored speed code; -1 for a code without one.
int speedOptionOf(int code)
{
    for (int k = 0; k < kCwSpeedOptionCount; ++k)
        if (kCwSpeedOptions[static_cast<std::size_t>(k)].code == code)
            return k;
    return -1;
}
bool isToneCode(int code) { return code >= 1 && code <= kCwToneOptionCount; }
} // namespace

QStringList CwSpeedCaptions()
{
    QStringList captions;
    for (const CwSpeedOption& option : kCwSpeedOptions)
        captions << QString::fromLatin1(option.caption);
    return captions;
}

QStringList CwToneCaptions()
{
    QStringList captions;
    for (const CwToneOption& option : kCwToneOptions)
        captions << QString::fromLatin1(option.caption);
    return captions;
}

QString CwSpeedCaptionOfCode(int speedCode)
{
    const int option = speedOptionOf(speedCode);
    return option < 0 ? QString() : QString::fromLatin1(kCwSpeedOptions[static_cast<std::size_t>(option)].caption);
}

QString CwToneCaptionOfCode(int toneCode)
{
    return isToneCode(toneCode) ? QString::fromLatin1(kCwToneOptions[static_cast<std::size_t>(toneCode - 1)].caption)
                                : QString();
}

QString CwSpeedReportText(int speedCode)
{
    const QString caption = CwSpeedCaptionOfCode(speedCode);
    return caption.isEmpty() ? QString() : caption + QStringLiteral(" WPM");
}

QString CwToneReportText(int toneCode)
{
    const QString caption = CwToneCaptionOfCode(toneCode);
    return caption.isEmpty() ? QString() : caption + QStringLiteral("Hz");
}

QString CwSpeedLineText(int speedCode, int toneCode)
{
    return CwSpeedReportText(speedCode) + QStringLiteral(" at ") + CwToneReportText(toneCode);
}

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

QString GetCwChar(int offset)
{
    return CwCharacterText(CwCodeAt(offset));   // an offset outside the image reads as no character
}

int CwMessageCount(int which)
{
    const int base = CwMessageOffset(which);
    return base < 0 ? 0 : image().at(base);
}

QString CwMessageCharacters(int which)
{
    const int base = CwMessageOffset(which);
    if (base < 0)
        return {};
    QString text;
    const int count = std::min(CwMessageCount(which), areaRoom(which));
    for (int i = 0; i < count; ++i)
        text += GetCwChar(base + 1 + i);
    return text;
}

int CwSpeedCode(int which) { return validMessage(which) ? image().at(speedOffset(which)) : 0; }

int CwToneCode(int which) { return validMessage(which) ? image().at(toneCodeOffset(which)) : 0; }

int GetCWSpeed(int which)
{
    return std::max(0, speedOptionOf(CwSpeedCode(which)));
}

int GetCWFreq(int which)
{
    const int code = CwToneCode(which);
    return isToneCode(code) ? code - 1 : 0;
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
    image().set(speedOffset(which), kCwSpeedOptions[static_cast<std::size_t>(speedOption)].code);
}

void SaveFreq(int which, int toneOption)
{
    if (!validMessage(which) || toneOption < 0 || toneOption >= kCwToneOptionCount)
        return;
    const int divisor = kCwToneOptions[static_cast<std::size_t>(toneOption)].divisor;
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
