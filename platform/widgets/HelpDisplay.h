#pragma once
// Showing a program's help file through the help viewer service, and the one message for a help
// file that cannot be shown.
#include <QString>

namespace platform::widgets {

enum class HelpPage { Contents, Search, Topic };

// Shows `file` at `page` (`context` selects the topic). A file the viewer cannot show is reported
// as "Unable to open the help file <file>" in a message box titled `title`; the result is whether
// it was shown. Without a help viewer nothing is shown or reported.
bool ShowHelp(const QString& file, const QString& title, HelpPage page, int context = 0);

} // namespace platform::widgets
