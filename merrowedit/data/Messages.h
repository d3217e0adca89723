#pragma once
// The numbered messages shared by every window, so one failure always reads the same.
#include <QString>

#include <functional>

namespace merrow {

inline const QString kProductTitle = QStringLiteral("Merrow Digital Weather Receiver");

// A failure of the parameter file (code 8, "Error #108"). Shows the box, then ends the program
// through the end handler; nothing further is saved. Callers must stop after it returns.
void ShowDataFileError(int code);

// Link failures and user errors; the caller carries on afterwards.
//   1 #201 port will not open      2 #202 no connection (two lines)   3 no transmitter location
//   5 more than 24 FIP codes       10 #301 no history to print        12 #303 no history to save
//   50 #500 web browser
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
