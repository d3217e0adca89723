#pragma once
// The fixed columns of a county entry, shared by the parameter file, the state files, the upload
// block and the county windows:
//   1-2  "X " selected for upload, two blanks not (the mark)
//   3-8  FIP code (0 + state SS + county CCC)
//   9-10 blanks, 11-33 county name padded with blanks, 34.. state name
// The entry body is the same text without its mark: FIP code 1-6, blanks 7-8, county name from 9
// padded to 31, state name from 32.
#include <QString>

namespace merrow {

inline constexpr int kEntryMarkWidth = 2;
inline constexpr int kFipCodeDigits = 6;
inline constexpr int kBodyCountyStart = 8;
inline constexpr int kEntryBodyWidth = 31;    // a body's state name starts in column 32
inline constexpr int kListBodyMaxChars = 51;  // most of a selected entry's body the county list shows

// The parts of an entry body; each is empty where the body is too short for it.
inline QString BodyFipCode(const QString& body) { return body.left(kFipCodeDigits); }
inline QString BodyCountyName(const QString& body)
{
    return body.mid(kBodyCountyStart, kEntryBodyWidth - kBodyCountyStart);
}
inline QString BodyStateName(const QString& body) { return body.mid(kEntryBodyWidth); }

// The body of an entry: the entry without its mark.
inline QString EntryBody(const QString& entry) { return entry.mid(kEntryMarkWidth); }

} // namespace merrow
