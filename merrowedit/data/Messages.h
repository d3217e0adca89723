#pragma once
// The numbered messages shared by every window, so one failure always reads the same.
#include <QString>

namespace merrow {

inline const QString kProductTitle = QStringLiteral("Merrow Digital Weather Receiver");

// The message numbers, by what they report.
inline constexpr int kErrFrequencyLimit = 8;        // data file: #108 missing or corrupted parameter
inline constexpr int kErrPortWillNotOpen = 1;       // #201
inline constexpr int kErrNoConnection = 2;          // #202, two lines
inline constexpr int kErrNoTransmitterLocation = 3;
inline constexpr int kErrTooManyFipCodes = 5;       // more than 24
inline constexpr int kErrNoHistoryToPrint = 10;     // #301
inline constexpr int kErrNoHistoryToSave = 12;      // #303
inline constexpr int kErrWebBrowser = 50;           // #500

// A failure of the parameter file (kErrFrequencyLimit). Shows the box, then ends the program
// (leaves the event loop with a failure code); nothing further is saved. Callers must stop after
// it returns. The program itself does not call it: a save that fails keeps the program and the
// user's edits (SaveDataFile reports the #108 text itself), as ending here would lose them.
void ShowDataFileError(int code);

// Link failures and user errors (the other kErr numbers); the caller carries on afterwards.
void ShowErrorMessage(int code);

// Text of a code, empty for an unknown one.
QString DataFileErrorText(int code);
QString ErrorMessageText(int code);

} // namespace merrow
