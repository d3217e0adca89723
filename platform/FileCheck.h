#pragma once
// `--check-files`: a program lists what it reads from its own folder (help, state files, the
// example project), says for each whether it is there, and ends without opening a window. This is
// how an installed copy is checked, by the install test and by a user in doubt.
#include "platform/MessageBox.h"

#include <QString>

namespace platform {

// Looked for before any application object exists: the check needs no display, so the program
// then makes a QCoreApplication instead of its QApplication.
bool fileCheckRequested(int argc, char** argv);

// One check run: prints "program folder <path>" first, then one line per item on standard output.
// While it lives, a message box is printed as "message <text>" instead of shown, and counts as a
// failure: nothing the check does may need the user.
class FileCheck final : public MessageBox {
public:
    FileCheck();
    ~FileCheck() override;
    FileCheck(const FileCheck&) = delete;
    FileCheck& operator=(const FileCheck&) = delete;

    // "found <what> <path>" or "missing <what> <path>"; a missing required item fails the run.
    bool expect(const QString& what, const QString& path, bool required = true);
    // "<what>: <detail>", or "failed <what>: <detail>" (which fails the run).
    void report(const QString& what, bool ok, const QString& detail);

    int exitCode() const { return failed_ ? 1 : 0; }

    MsgResult show(const MessageRequest& request) override;

private:
    MessageBox* previous_ = nullptr;
    bool failed_ = false;
};

} // namespace platform
