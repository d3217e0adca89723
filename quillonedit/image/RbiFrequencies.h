#pragma once
// The 40 remote-base frequency entries (6 bytes each): their texts for the list and the report, the
// shared edit state the list fills and the frequency editor changes, and the packing the editor's
// OK writes. No widgets: the editor dialogs and the report both work through these.
//
// Entry layout:
//   +0  bits 0-3 band code 0..14, bits 4-5 power code, bits 6-7 set in every written entry
//   +1  bits 0-3 MHz digit, bits 4-5 offset code, bit 6 "ends in 5", bit 7 set when written
//   +2  100 kHz digit (high nibble), 10 kHz digit (low nibble)
//   +3  bit 6 CTCSS on, bits 0-5 tone number 1..38
//   +4, +5  zero
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace quillon {

constexpr int kRbiBandCount = 15;          // band codes 0..14; 15 is never written
constexpr int kRbiBand52 = 12;             // bands whose lead stands for the whole MHz part
constexpr int kRbiBand28 = 13;
constexpr int kCtcssToneCount = 38;
constexpr int kRbiGroupCount = 4;
constexpr int kRbiGroupRows = 10;

// Entry i (0..39); out of range throws std::out_of_range.
int rbiFrequencyOffset(int i);

// The band's lead digits ("43", "125", ...); empty for 15 and anything outside 0..14.
QString BandLeadText(int band);
// "Minus", "Plus", "Simplex", "Minus 20" for codes 0..3; empty otherwise.
QString TxOffsetText(int code);
// "Low", "High", "Medium", "No Change" for codes 0..3; empty otherwise.
QString PowerText(int code);
// The tone in hertz ("67.0" .. "250.3") for tone numbers 1..38; empty otherwise.
QString CtcssToneText(int tone);
// The CTCSS text of an entry with CTCSS off.
QString NoCtcssText();

// The four texts of one entry. None of them looks at whether the entry is empty (byte +0 = 0):
// callers test that first.
QString DisFreq(int offset);
QString DisOffset(int offset);
QString DisPower(int offset);
QString DisPL(int offset);

// Whether the entry at offset is empty (byte +0 is 0), whatever its other bytes hold.
bool FrequencyEntryEmpty(int offset);

// One list row: all four empty for an empty entry.
struct FrequencyRowTexts {
    QString frequency, offset, power, ctcss;
    bool operator==(const FrequencyRowTexts&) const = default;
};
FrequencyRowTexts DisplayFrequencyRow(int offset);

// The entry being edited. Ranges: band 0..14, digits 0..9 (the MHz digit of bands 52 and 28, which
// is neither shown nor stepped, holds the entry's own nibble 0..15), five 0/1, tx offset 1..4 (the
// stored code + 1), power 0..3, tone 0..38 (0 = none chosen yet).
struct FrequencyEditState {
    int FreqEditOffset = 0;
    int FreqEditBand = 0;
    int FreqEditMHz = 0;
    int FreqEditDigit100k = 0;
    int FreqEditDigit10k = 0;
    int FreqEditFive = 0;
    int FreqEditTxOffset = 1;
    int FreqEditPower = 0;
    int FreqEditTone = 0;
    bool FreqEditToneOn = false;
    bool FreqEditErased = false;
    bool operator==(const FrequencyEditState&) const = default;
};

// The state the editor starts from for the entry at offset, taken from the entry's own bytes so
// nothing of an earlier edit carries over. Values the editor never writes (a shown MHz nibble or a
// decimal above 9, a tone above 38) are brought into the editor's ranges; the hidden MHz nibble of
// bands 52 and 28 is kept as it is. The image is not touched.
// nullopt for band code 15, which the editor does not open.
std::optional<FrequencyEditState> FrequencyEditFromEntry(int offset);

// --- Editing rules -------------------------------------------------------------------------------

// Picture indices of the frequency and tone rows.
enum FreqGlyph : int { kGlyph12 = 10, kGlyphBlank = 11, kGlyphPoint = 12, kFreqGlyphCount = 13 };

// The six cells of the frequency row (three before the point, three after).
std::array<int, 6> FrequencyGlyphs(const FrequencyEditState& state);
// The four cells of the tone row for tone 1..38 (blank hundreds below 100); nullopt otherwise.
std::optional<std::array<int, 4>> CtcssGlyphs(int tone);

// Steps the digit under frequency cell 0..5, down when `down`; every step wraps. Cells 0 and 1 step
// the band, 2 the MHz digit (nothing for bands 52 and 28), 3 and 4 the decimals, 5 toggles the 5.
void StepFrequencyCell(FrequencyEditState& state, int cell, bool down);
// Up from 38 gives 1, down from 1 gives 38; a tone outside 1..38 starts again from 1.
void StepCtcssTone(FrequencyEditState& state, bool down);

// Whether "Minus 20" may be chosen for the band (the 1240-1299 MHz bands).
bool MinusTwentySelectable(int band);
// Bands 43, 14, 22 and 44 cannot keep "Minus 20": it becomes Simplex. Returns whether it changed.
bool ApplyMinusTwentyRule(FrequencyEditState& state);

// The six bytes OK writes: all zero when erased. A MHz digit the band shows goes in as shown (0..9).
std::array<std::uint8_t, 6> PackFrequencyEntry(const FrequencyEditState& state, bool erased);
// Writes them at state.FreqEditOffset.
void SaveFrequencyEntry(const FrequencyEditState& state, bool erased);

} // namespace quillon
