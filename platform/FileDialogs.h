#pragma once
#include <QString>
#include <optional>

namespace platform {

struct FileDialogRequest {
    QString title;
    // Windows-style filter: "Description|pattern|Description|pattern"; patterns separated by ';'.
    QString filter;
    int filterIndex = 1;            // 1-based
    QString initialName;            // file name or full path
    QString initialDir;
    bool overwritePrompt = false;   // save only: ask before replacing an existing file
    QString defaultExtension;       // without dot; appended by the save dialog when the name has none
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // nullopt when the user cancelled.
    virtual std::optional<QString> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFile(const FileDialogRequest& request) = 0;
};

} // namespace platform
