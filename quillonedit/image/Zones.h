#pragma once
// The function-enable zones: eight zone bytes at the start of the base set and of each memory
// save; bit k - 1 of zone byte z - 1 enables function k of zone z.
#include <QString>

#include <array>
#include <cstdint>
#include <utility>

namespace quillon {

constexpr int kZoneFunctions = 8;

// 1 when bit (0..7) of value is set, else 0; 0 for a bit number outside 0..7.
int IDBit(int value, int bit);
// Whether offset is the start of one of the nine zone sets (base set, memory saves 1..8).
bool IsZoneOffset(int offset);
// The caption of function k (1..8) of zone z (1..8), e.g. "1.  Transmitter Enable".
QString ZoneFunctionCaption(int zone, int function);
// The byte of zone z (1..8) of the set at zoneOffset; 0 when that is no zone set or z is outside.
std::uint8_t ZoneByte(int zoneOffset, int zone);
// A zone byte from its eight functions: bit i set exactly when enabled[i].
std::uint8_t ZoneByteOf(const std::array<bool, kZoneFunctions>& enabled);
// Writes the eight zone bytes of the set at zoneOffset, zone 1 first; nothing when zoneOffset is
// no zone set.
void SaveZoneBytes(int zoneOffset, const std::array<std::uint8_t, 8>& bytes);

// The two zone bytes of a zone pair: the one at offset (zone 1, 3, 5 or 7) and the next one. Both
// are read, and checked against the image's bounds, before either is used.
std::pair<std::uint8_t, std::uint8_t> ZonePairBytes(int offset);

// The printed report's name of function k (1..8) of zone z (1..8); empty outside them. The report
// words some functions differently from the zone editor.
QString ZoneReportName(int zone, int function);
// The report's heading of zone z (1..8): "Zone 1" .. "Zone 8"; empty outside them.
QString ZoneReportHeading(int zone);
// The report's mark of a function: "X" for a set bit 0..7, one blank for a clear one, empty for any
// other bit index.
QString GetZoneBitMark(std::uint8_t zoneByte, int bit);

} // namespace quillon
