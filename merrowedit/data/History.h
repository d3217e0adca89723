#pragma once
// The receiver's alert history: the reply block of a transfer, its 40 records decoded into
// entries for the grid, the hour conversion into the user's time zone, and the history text file.
//
// Record n (0..39) is 32 ASCII bytes at DownloadBuffer[32 * n]:
//   0-2 day of the year "001".."366" (byte 0 == 0: empty record)   4-5 UTC hour   6 ":"
//   7-8 minutes   10-12 originator   14-16 SAME event code   18-19 / 20-21 duration hours / minutes
#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

#include <array>
#include <cstdint>

namespace merrow {

inline constexpr int kDownloadBufferSize = 1298;   // bytes 0..1283 used
inline constexpr int kReplySize = 1284;
inline constexpr int kReplyChecksum = 1279;
inline constexpr int kReplyVersion = 1280;         // three digits
inline constexpr int kHistoryRecordCount = 40;
inline constexpr int kHistoryRecordSize = 32;
inline constexpr int kHistoryGroupRows = 20;

inline std::array<std::uint8_t, kDownloadBufferSize> DownloadBuffer{};

struct HistoryEntry {
    QString Date;        // "d-mmmm", empty for an empty record
    QString Time;        // local "hh:mm", empty when the record's time is malformed
    QString Length;      // "hh:mm" as received
    QString Org;         // empty unless it starts with a capital letter
    QString EventName;
    int EventClass = 0;  // 1 warning, 2 watch, 0 other
};

inline std::array<HistoryEntry, kHistoryRecordCount + 1> HistoryEntries;
// Day offset from 1 January of the record's year; scratch state of the decoder.
inline int HistoryDayShift = 0;

// The bytes DownloadBuffer[from .. from + count - 1] as text, one character each.
QString DownloadText(int from, int count);
// Empties DownloadBuffer and HistoryEntries (tests).
void resetHistory();

// The local hour of the two hour digits at DownloadBuffer[offset], as decimal text without a
// leading zero; decreases HistoryDayShift when the conversion passes midnight backwards. A
// TimeZoneOffset outside the eight zones -4 .. -11 converts nothing: the hour stays UTC.
// Empty when the digits are no hour 00..23.
QString ConvertHistoryHour(int offset);

// 1 January of the year a record of day dayOfYear (a UTC day) belongs to: this year, or last year
// when the day lies more than one day after today's UTC date (a December alert read in January).
QDate HistoryYearStart(int dayOfYear, const QDateTime& now);

// Records 0..39 of DownloadBuffer into HistoryEntries, dated against today (the services' clock).
void DecodeHistory();

// One line of the history text file for entry 0..39.
QString FormatHistoryLine(int index);

// True when the name ends in ".TXT" exactly (upper case); otherwise tells the user and false.
bool CheckTxtExtension(const QString& fileName);

// The history text file's bytes: CR LF lines, one byte a character.
QByteArray HistoryTextContents(const QDate& today);

// Writes the history text file as a whole (an old file is replaced only by a complete new one).
// False with the reason in *error when it cannot be written.
bool SaveHistoryText(const QString& fileName, QString* error = nullptr);

// "5-March" / "5-Mar": day and English month name.
QString HistoryDateText(const QDate& date, bool fullMonth);

} // namespace merrow
