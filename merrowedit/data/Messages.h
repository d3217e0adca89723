#pragma once
// The numbered messages shared by every window, so one failure always reads the same.
#include <QString>

#include <functional>

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
// through the end handler; nothing further is saved. Callers must stop after it returns.
void ShowDataFileError(int code);

// Link failures and user errors (the other kErr numbers); the caller carries on afterwards.
void ShowErrorMessage(int code);

// Text of a code, empty for an unknown one.
QString DataFileErrorText(int code);
QString ErrorMessageText(int code);

// What "end the program" does after a fatal report. The program installs one that leaves the
// event loop with a failure code; tests install one that records the call.
using EndProgramHandler = std::function<void()>;
void SetEndProgramHandler(EndProgramHandler handler);
void EndProgram();

} // namespace merrow
