#include "quillonedit/image/RbiFrequencies.h"

#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/image/ImageMap.h"

#include <algorithm>
#include <stdexcept>

namespace quillon {

namespace {

struct Band {
    const char* lead;
    int glyph0, glyph1;
    int fixedGlyph2;   // the third lead digit of bands 52 and 28; -1 when cell 2 shows the MHz digit
};

// Indexed by the stored band code; the codes are not in frequency order.
constexpr std::array<Band, kRbiBandCount> kBands = {{
    {"43", 4, 3, -1},
    {"125", kGlyph12, 5, -1},
    {"14", 1, 4, -1},
    {"22", 2, 2, -1},
    {"44", 4, 4, -1},
    {"127", kGlyph12, 7, -1},
    {"128", kGlyph12, 8, -1},
    {"129", kGlyph12, 9, -1},
    {"126", kGlyph12, 6, -1},
    {"124", kGlyph12, 4, -1},
    {"42", 4, 2, -1},
    {"90", 9, 0, -1},
    {"52", 0, 5, 2},
    {"28", 0, 2, 8},
    {"13", 1, 3, -1},
}};

constexpr std::array<const char*, 4> kTxOffsets = {"Minus", "Plus", "Simplex", "Minus 20"};
constexpr std::array<const char*, 4> kPowers = {"Low", "High", "Medium", "No Change"};

constexpr std::array<const char*, kCtcssToneCount> kTones = {
    "67.0",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",  "94.8",
    "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3", "131.8",
    "136.5", "141.3", "146.2", "151.4", "156.7", "162.2", "167.9", "173.8", "179.9", "186.2",
    "192.8", "203.5", "210.7", "218.1", "225.7", "233.6", "241.8", "250.3",
};

constexpr std::uint8_t kWrittenBand = 0xC0;     // byte +0 bits 6-7
constexpr std::uint8_t kWrittenOffset = 0x80;   // byte +1 bit 7
constexpr std::uint8_t kEndsInFive = 0x40;      // byte +1 bit 6
constexpr std::uint8_t kCtcssOn = 0x40;         // byte +3 bit 6

bool validBand(int band) { return band >= 0 && band < kRbiBandCount; }
bool hidesMHz(int band) { return band == kRbiBand52 || band == kRbiBand28; }

// Steps value within 0..count-1, wrapping at both ends; a value outside starts from the nearer end.
int wrapStep(int value, int count, bool down)
{
    value = std::clamp(value, 0, count - 1) + (down ? -1 : 1);
    return (value + count) % count;
}

int digitGlyph(int digit) { return digit >= 0 && digit <= 9 ? digit : kGlyphBlank; }

// The MHz digit as a band that shows it shows, steps and packs it. Bands 52 and 28 neither show nor
// step it, so the state keeps their entry's own nibble, whatever it holds, and packs it back.
int shownMHz(const FrequencyEditState& state) { return std::clamp(state.FreqEditMHz, 0, 9); }

} // namespace

int rbiFrequencyOffset(int i)
{
    if (i < 0 || i >= kRbiFrequencyCount)
        throw std::out_of_range("frequency entry");
    return kRbiFrequencies + kRbiFrequencyBytes * i;
}

QString BandLeadText(int band)
{
    return validBand(band) ? QString::fromLatin1(kBands[static_cast<std::size_t>(band)].lead) : QString();
}

QString TxOffsetText(int code)
{
    return code >= 0 && code < 4 ? QString::fromLatin1(kTxOffsets[static_cast<std::size_t>(code)]) : QString();
}

QString PowerText(int code)
{
    return code >= 0 && code < 4 ? QString::fromLatin1(kPowers[static_cast<std::size_t>(code)]) : QString();
}

QString CtcssToneText(int tone)
{
    return tone >= 1 && tone <= kCtcssToneCount ? QString::fromLatin1(kTones[static_cast<std::size_t>(tone - 1)])
                                                : QString();
}

QString NoCtcssText() { return QStringLiteral("No CTCSS"); }

QString DisFreq(int offset)
{
    const int b0 = image().at(offset);
    const int b1 = image().at(offset + 1);
    const int b2 = image().at(offset + 2);
    const int band = b0 & 0x0F;
    QString text = BandLeadText(band);
    if (!hidesMHz(band) && (b1 & 0x0F) < 10)
        text += QChar(u'0' + (b1 & 0x0F));
    // Hexadecimal digits: a stray nibble shows as a letter rather than vanishing.
    text += QLatin1Char('.');
    text += QString::number(b2 >> 4, 16).toUpper();
    text += QString::number(b2 & 0x0F, 16).toUpper();
    text += (b1 & kEndsInFive) ? QLatin1Char('5') : QLatin1Char('0');
    return text;
}

QString DisOffset(int offset) { return TxOffsetText((image().at(offset + 1) >> 4) & 3); }

QString DisPower(int offset) { return PowerText((image().at(offset) >> 4) & 3); }

QString DisPL(int offset)
{
    const int b3 = image().at(offset + 3);
    if (!(b3 & kCtcssOn))
        return NoCtcssText();
    return CtcssToneText(b3 & 0x3F);
}

bool FrequencyEntryEmpty(int offset) { return image().at(offset) == 0; }

FrequencyRowTexts DisplayFrequencyRow(int offset)
{
    if (FrequencyEntryEmpty(offset))
        return {};
    return {DisFreq(offset), DisOffset(offset), DisPower(offset), DisPL(offset)};
}

std::optional<FrequencyEditState> FrequencyEditFromEntry(int offset)
{
    FrequencyEditState state;
    state.FreqEditOffset = offset;
    const int b0 = image().at(offset);
    if (b0 == 0) {
        state.FreqEditErased = true;
        return state;
    }
    const int b1 = image().at(offset + 1);
    const int b2 = image().at(offset + 2);
    const int b3 = image().at(offset + 3);
    state.FreqEditBand = b0 & 0x0F;
    if (!validBand(state.FreqEditBand))
        return std::nullopt;
    state.FreqEditPower = (b0 >> 4) & 3;
    state.FreqEditMHz = hidesMHz(state.FreqEditBand) ? b1 & 0x0F : std::min(b1 & 0x0F, 9);
    state.FreqEditTxOffset = ((b1 >> 4) & 3) + 1;
    state.FreqEditFive = (b1 & kEndsInFive) ? 1 : 0;
    state.FreqEditDigit100k = std::min(b2 >> 4, 9);
    state.FreqEditDigit10k = std::min(b2 & 0x0F, 9);
    state.FreqEditToneOn = (b3 & kCtcssOn) != 0;
    // With CTCSS off the list shows no tone, so none is carried (as the row text would give).
    state.FreqEditTone = state.FreqEditToneOn ? std::min(b3 & 0x3F, kCtcssToneCount) : 0;
    return state;
}

std::array<int, 6> FrequencyGlyphs(const FrequencyEditState& state)
{
    std::array<int, 6> cells{kGlyphBlank, kGlyphBlank, kGlyphBlank, kGlyphBlank, kGlyphBlank, kGlyphBlank};
    if (validBand(state.FreqEditBand)) {
        const Band& band = kBands[static_cast<std::size_t>(state.FreqEditBand)];
        cells[0] = band.glyph0;
        cells[1] = band.glyph1;
        cells[2] = band.fixedGlyph2 >= 0 ? band.fixedGlyph2 : digitGlyph(shownMHz(state));
    }
    cells[3] = digitGlyph(state.FreqEditDigit100k);
    cells[4] = digitGlyph(state.FreqEditDigit10k);
    cells[5] = state.FreqEditFive != 0 ? 5 : 0;
    return cells;
}

std::optional<std::array<int, 4>> CtcssGlyphs(int tone)
{
    QString digits = CtcssToneText(tone);
    if (digits.isEmpty())
        return std::nullopt;
    digits.remove(QLatin1Char('.'));
    if (digits.size() == 3)
        digits.prepend(QLatin1Char(' '));
    std::array<int, 4> cells{};
    for (int i = 0; i < 4; ++i) {
        const QChar c = digits.at(i);
        cells[static_cast<std::size_t>(i)] = c.isDigit() ? c.digitValue() : kGlyphBlank;
    }
    return cells;
}

void StepFrequencyCell(FrequencyEditState& state, int cell, bool down)
{
    switch (cell) {
    case 0:
    case 1: state.FreqEditBand = wrapStep(state.FreqEditBand, kRbiBandCount, down); break;
    case 2:
        if (!hidesMHz(state.FreqEditBand))
            state.FreqEditMHz = wrapStep(shownMHz(state), 10, down);
        break;
    case 3: state.FreqEditDigit100k = wrapStep(state.FreqEditDigit100k, 10, down); break;
    case 4: state.FreqEditDigit10k = wrapStep(state.FreqEditDigit10k, 10, down); break;
    case 5: state.FreqEditFive = state.FreqEditFive != 0 ? 0 : 1; break;
    default: break;
    }
}

void StepCtcssTone(FrequencyEditState& state, bool down)
{
    // The tone row shows a tone outside 1..38 as tone 1, so stepping starts from there.
    int tone = state.FreqEditTone;
    if (tone < 1 || tone > kCtcssToneCount)
        tone = 1;
    state.FreqEditTone = wrapStep(tone - 1, kCtcssToneCount, down) + 1;
}

bool MinusTwentySelectable(int band) { return band == 1 || (band >= 5 && band <= 9); }

bool ApplyMinusTwentyRule(FrequencyEditState& state)
{
    const int band = state.FreqEditBand;
    if (state.FreqEditTxOffset != 4 || !(band == 0 || (band >= 2 && band <= 4)))
        return false;
    state.FreqEditTxOffset = 3;
    return true;
}

std::array<std::uint8_t, 6> PackFrequencyEntry(const FrequencyEditState& state, bool erased)
{
    std::array<std::uint8_t, 6> bytes{};
    if (erased)
        return bytes;
    const int mhz = hidesMHz(state.FreqEditBand) ? state.FreqEditMHz & 0x0F : shownMHz(state);
    bytes[0] = static_cast<std::uint8_t>(kWrittenBand | (state.FreqEditBand & 0x0F) | ((state.FreqEditPower & 3) << 4));
    bytes[1] = static_cast<std::uint8_t>(kWrittenOffset | (((state.FreqEditTxOffset - 1) & 3) << 4)
                                         | (state.FreqEditFive == 1 ? kEndsInFive : 0) | mhz);
    bytes[2] = static_cast<std::uint8_t>(((state.FreqEditDigit100k & 0x0F) << 4) | (state.FreqEditDigit10k & 0x0F));
    bytes[3] = state.FreqEditToneOn ? static_cast<std::uint8_t>(kCtcssOn | (state.FreqEditTone & 0x3F)) : 0;
    return bytes;
}

void SaveFrequencyEntry(const FrequencyEditState& state, bool erased)
{
    const std::array<std::uint8_t, 6> bytes = PackFrequencyEntry(state, erased);
    for (int i = 0; i < kRbiFrequencyBytes; ++i)
        image().set(state.FreqEditOffset + i, bytes[static_cast<std::size_t>(i)]);
}

} // namespace quillon
