#pragma once
// The parameter file "Mwr_FILE1.DAT" in the data folder, and the two lists it holds:
// the county entries (columns in CountyEntry.h) and the SAME event codes.
#include "merrowedit/data/CountyEntry.h"

#include <QString>

#include <array>
#include <vector>

namespace merrow {

inline constexpr int kFipSlots = 100;       // 0..98 used, 99 never written
inline constexpr int kFipEntriesInFile = 99;
inline constexpr int kEventSlots = 25;      // 0..23 stored, 24 stays empty
inline constexpr int kEventCodesInFile = 24;

inline std::array<QString, kFipSlots> FipEntries;
inline std::array<QString, kEventSlots> EventCodes;

inline const QString kDataFileName = QStringLiteral("Mwr_FILE1.DAT");
inline const QString kDataBackupName = QStringLiteral("Mwr_FILE1.BAK");
inline const QString kDataFileTitle =
    QStringLiteral("Merrow SAME Digital Weather Receiver Parameter File. DO NOT MODIFY");

// Empties both lists and forgets any refused file (tests).
void resetParameterData();

// Full path of the parameter file in DataFolder().
QString DataFilePath();

// Reads the file into FipEntries 0..98 and EventCodes 0..23. On any failure asks the #199
// question (for a file that is there but cannot be read, one that names it): Yes puts the default
// set into memory (the file is written at the next saving exit) and returns true; No returns
// false and keeps whatever was read.
bool LoadDataFile();

// Replaces the file as a whole through the checked writer and returns false when it could not.
// The old file then stays, and a message names the file and the reason (headed by "Error #108"
// when the load found the file missing or damaged); the program goes on, so the run's edits
// survive. The first write after a refused load keeps the refused file as "Mwr_FILE1.BAK".
bool SaveDataFile();

// The file's bytes for the current lists (CR LF lines, Latin-1).
QByteArray DataFileContents();

// Empties every slot, then puts in the four Florida counties and the 17 default event codes.
void SetDefaultData();

// True when the entry is selected for upload: its first two characters are exactly "X ".
bool IsSelectedEntry(const QString& entry);

// One line of the county list box of the county window.
struct FipsListItem {
    QString text;
    bool selected = false;
};
// The county list box contents from FipEntries 0..98: empty slots skipped, a selected entry
// shown as its body (at most 51 characters) and marked selected, any other slot as it is.
std::vector<FipsListItem> FillFipsList();
// The county list box rebuilt into FipEntries 0..98: "X " before a selected item, two blanks
// before any other, in list order from slot 0; the remaining slots emptied.
void StoreCountyList(const std::vector<FipsListItem>& items);

} // namespace merrow
