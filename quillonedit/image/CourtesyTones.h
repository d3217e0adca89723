#pragma once
// The ten courtesy tones: eight bytes each, three tones with their lengths and a delay after the
// first two. Frequencies are codes 0..8 (0, 500..1200 Hz), lengths and delays codes 0..9 (steps of
// 50 ms); the keypad enters each as one digit. A tone whose first byte is 0 shows as a blank row.
#include "quillonedit/image/ImageMap.h"

#include <QString>

#include <array>
#include <cstdint>

namespace quillon {

constexpr int kCourtesyCells = 8;

// GetPT: the offset of courtesy tone row 0..9.
int courtesyToneOffset(int row);

// The eight cells of a row, left to right: which byte each shows and whether it holds a
// frequency code (else a time code).
struct CourtesyCell {
    int byte;
    bool frequency;
};
constexpr std::array<CourtesyCell, kCourtesyCells> kCourtesyCellLayout{{
    {0, true}, {1, false}, {2, false}, {3, true}, {4, false}, {5, false}, {6, true}, {7, false},
}};

// Code at offset -> shown text; a code outside its set gives the empty text.
QString CFreq(int offset);   // "0", "500" .. "1200"
QString CDly(int offset);    // "0", "50" .. "450"

// Between shown texts and keypad digits; anything else gives the empty text.
QString FreqIn(const QString& text);    // "500" -> "1"
QString FreqOut(const QString& digit);  // "1" -> "500"; "9" -> ""
QString DelayIn(const QString& text);   // "50" -> "1"
QString DelayOut(const QString& digit); // "1" -> "50"

// Shown text -> stored code; any other text gives 0.
std::uint8_t SaveTones(const QString& text);
std::uint8_t SaveDelay(const QString& text);

// Whether tone row 0..9 is empty: its first byte is 0.
bool CourtesyToneEmpty(int row);
// What a row shows: the eight texts, all empty when the tone's first byte is 0.
std::array<QString, kCourtesyCells> DisplayCourtesyRow(int row);

// Stores the code of a cell's shown text in that cell's byte.
void SaveCourtesyCell(int row, int cell, const QString& shownText);

// All eight bytes of the row 0.
void EraseCourtesyTone(int row);

} // namespace quillon
