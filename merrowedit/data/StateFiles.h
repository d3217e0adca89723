#pragma once
// The state transmitter files in the program's "States" folder, one per state or territory, and
// the lookups the transmitter picker builds on. No widgets here: the picker and the county window
// show what these return.
//
// A state file line, fixed columns:
//   1-31  county entry body: FIP code 1-6, blanks 7-8, county name from 9 padded to 31
//   32-50 transmitter location; "--No NWR Coverage--" marks a county without a transmitter
//   51-55 unused, 56-62 frequency ("162.475"); anything after 62 is ignored
// The transmitter key is columns 31-62: the same key stands in every file whose counties the
// transmitter covers.
#include "merrowedit/data/CountyEntry.h"

#include <QString>
#include <QStringList>

namespace merrow {

inline constexpr int kStateCount = 54;
inline constexpr int kStateFileMaxLines = 501;
inline constexpr int kFrequencyCount = 8;     // "All" and the seven frequencies
inline constexpr int kCountyListLimit = 99;   // the county entries have 99 slots
inline const QString kNoCoverage = QStringLiteral("--No NWR Coverage--");

// "Alabama" .. "US Virgin Islands" for 0..53 in the state list's order; "" outside.
QString StateListText(int index);
// "Al_102.st" .. "Vi_154.st" for 0..53; "" outside.
QString GetStateFileName(int index);
// "All", "162.400" .. "162.550" for 0..7; "" outside.
QString FrequencyListText(int index);
// State name for characters 2-3 of a text (the FIPS state code of an entry body); "" for a code
// without a name.
QString GetStateName(const QString& text);

// The folder holding the state files: "States" beside the program unless pointed elsewhere
// (tests); an empty text restores the default.
QString StatesFolder();
void SetStatesFolder(const QString& folder);

// The lines of the state file last read by LoadStateTransmitters.
inline QStringList StateFileLines;

// The texts already added while one list is being filled.
inline QStringList UniqueCountyList;
// True when the text is already listed (an empty text counts as listed); otherwise lists it.
bool AddUniqueCounty(const QString& text);

// Reads a state file as whole lines (CR LF, LF or CR). False when it is missing, not a regular
// file, unreadable, longer than kStateFileMaxLines lines or has a line far beyond 62 columns.
bool ReadStateFile(int index, QStringList& lines);

// Columns 31-62 of a line; a shorter line is padded with blanks first.
QString TransmitterKey(const QString& line);

// The distinct transmitter keys of a state file's lines, in file order: lines without coverage
// never count; frequency filter 1..7 keeps only lines of that frequency, 0 keeps all.
QStringList TransmittersOf(const QStringList& lines, int frequencyFilter);

// Every county a transmitter covers: entry body (columns 1-31) and its state name, once each,
// in state-list order and then file order. A state file that cannot be read ends the scan there;
// the list stops at kCountyListLimit.
struct CountiesOfTransmitter {
    QStringList items;
    bool readFailed = false;
    bool cutAtLimit = false;
};
CountiesOfTransmitter CountiesFor(const QString& transmitterKey);

} // namespace merrow
