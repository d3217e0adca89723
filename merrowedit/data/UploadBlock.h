#pragma once
// The 512-byte block sent to the receiver: byte i is the receiver's NV address 0x8000 + i.
//   0..31    timers, NV flag bytes 7..15, station identification (BuildNvSettings)
//   32..207  selected FIP codes, "dddddd-" each (BuildNvCodes)
//   208..510 event codes, "XXX-" each (BuildNvCodes)
// Bytes 0..510 go out followed by their sum modulo 256 in place of byte 511.
#include <QString>

#include <array>
#include <cstdint>

namespace merrow {

inline constexpr int kNvImageSize = 512;
inline constexpr int kNvCountyStart = 32;
inline constexpr int kNvCountyEnd = 207;      // last byte of the county region
inline constexpr int kNvEventStart = 208;
inline constexpr int kNvLastSent = 510;       // byte 511 is never sent
inline constexpr int kMaxSelectedCounties = 24;

// The one block of the run; all zero at start.
std::array<std::uint8_t, kNvImageSize>& NvImage();
// Zeroes the whole block (tests, and nothing else).
void resetNvImage();

// Fills bytes 0..31 from the settings globals.
void BuildNvSettings();

// Fills the county and event regions from FipEntries and EventCodes. Returns false, writing
// nothing, when more than 24 counties are selected (only a hand-edited parameter file can hold
// that); the caller then reports message 5 and does not transfer.
bool BuildNvCodes();

// Station identification character code: "0".."9" -> 0..9, "A".."Z" -> 10..35, "/" -> 36,
// anything else 0.
std::uint8_t StationIdCharCode(const QString& character);

// Number of FipEntries slots 0..98 selected for upload ("X " mark).
int SelectedCountyCount();

} // namespace merrow
