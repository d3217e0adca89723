#include "merrowedit/data/UploadBlock.h"

#include "merrowedit/data/ParameterFile.h"
#include "merrowedit/data/Settings.h"

#include <algorithm>

namespace merrow {
namespace {

std::uint8_t inRange(std::int16_t value, int min, int max)
{
    return value >= min && value <= max ? static_cast<std::uint8_t>(value) : 0;
}

// The receiver takes single bytes; anything beyond Latin-1 cannot be sent as it is.
std::uint8_t byteOf(QChar c)
{
    return static_cast<std::uint8_t>(c.toLatin1());
}

} // namespace

std::array<std::uint8_t, kNvImageSize>& NvImage()
{
    static std::array<std::uint8_t, kNvImageSize> image{};
    return image;
}

void resetNvImage()
{
    NvImage().fill(0);
}

std::uint8_t StationIdCharCode(const QString& character)
{
    if (character.size() != 1)
        return 0;
    const char16_t c = character[0].unicode();
    if (c >= u'0' && c <= u'9')
        return static_cast<std::uint8_t>(c - u'0');
    if (c >= u'A' && c <= u'Z')
        return static_cast<std::uint8_t>(c - u'A' + 10);
    if (c == u'/')
        return 36;
    return 0;
}

void BuildNvSettings()
{
    auto& nv = NvImage();
    std::fill(nv.begin(), nv.begin() + 32, std::uint8_t{0});
    nv[1] = inRange(SpeakerTimeoutTimer, 1, 6);
    nv[2] = inRange(LineTimeoutTimer, 1, 6);
    nv[3] = inRange(VoiceIntervalTimer, 1, 6);
    nv[4] = inRange(RelayDelayTimer, 0, 4);
    nv[5] = inRange(PreVoiceAnnc, 0, 4);
    for (int i = 0; i < kNvSectionCount; ++i)
        nv[static_cast<std::size_t>(7 + i)] = NvFlagByte(i);
    const qsizetype length = UserStationID.size();
    if (length < 16) {
        nv[16] = static_cast<std::uint8_t>(length);
        for (qsizetype k = 0; k < length; ++k)
            nv[static_cast<std::size_t>(17 + k)] = StationIdCharCode(UserStationID.mid(k, 1));
    }
}

int SelectedCountyCount()
{
    int count = 0;
    for (int i = 0; i < kFipEntriesInFile; ++i)
        if (IsSelectedEntry(FipEntries[static_cast<std::size_t>(i)]))
            ++count;
    return count;
}

bool BuildNvCodes()
{
    if (SelectedCountyCount() > kMaxSelectedCounties)
        return false;
    auto& nv = NvImage();
    // Both regions are rebuilt whole, so codes removed since an earlier transfer never linger.
    std::fill(nv.begin() + kNvCountyStart, nv.begin() + kNvLastSent + 1, std::uint8_t{0});

    std::size_t p = kNvCountyStart;
    for (int i = 0; i < kFipEntriesInFile; ++i) {
        const QString& entry = FipEntries[static_cast<std::size_t>(i)];
        if (!IsSelectedEntry(entry))
            continue;
        // A short entry leaves zeros where its digits are missing.
        const QString digits = BodyFipCode(EntryBody(entry));
        for (qsizetype k = 0; k < digits.size(); ++k)
            nv[p + static_cast<std::size_t>(k)] = byteOf(digits[k]);
        nv[p + 6] = '-';
        p += 7;
    }

    std::size_t q = kNvEventStart;
    for (const QString& code : EventCodes) {
        if (code.isEmpty())
            continue;
        // A code that would run past the last byte sent is left out with everything after it.
        if (q + static_cast<std::size_t>(code.size()) + 1 > static_cast<std::size_t>(kNvLastSent) + 1)
            break;
        for (const QChar c : code)
            nv[q++] = byteOf(c);
        nv[q++] = '-';
    }
    return true;
}

} // namespace merrow
