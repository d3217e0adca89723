#pragma once
// The eight hardware-input commands at 18760..18775, as the inputs dialog and the printed report
// show them, and their writer.
#include <QString>

#include <array>

namespace quillon {

// Image offset of the command word of input 1..8.
int HardwareInputOffset(int input);
// The row title of input 1..8: "Input #1".
QString HardwareInputTitle(int input);
// The eight four-digit command texts, input 1 first.
std::array<QString, 8> HardwareInputCodes();
// What each of the eight commands does.
std::array<QString, 8> HardwareInputMeanings();
// Writes all eight commands from their texts, in order (WriteCommandWord: an unchanged command
// that is not BCD keeps its bytes).
void SaveHardwareInputs(const std::array<QString, 8>& texts);

} // namespace quillon
