#include "platform/widgets/HelpDisplay.h"

#include "platform/HelpViewer.h"
#include "platform/Services.h"

#include <QDir>

namespace platform::widgets {

bool ShowHelp(const QString& file, const QString& title, HelpPage page, int context)
{
    HelpViewer* help = services().help;
    if (!help)
        return false;
    bool shown = false;
    switch (page) {
    case HelpPage::Contents: shown = help->showContents(file); break;
    case HelpPage::Search: shown = help->showSearch(file); break;
    case HelpPage::Topic: shown = help->showTopic(file, context); break;
    }
    if (!shown)
        msgBox(QStringLiteral("Unable to open the help file ") + QDir::toNativeSeparators(file), MsgButtons::OK,
               MsgIcon::Exclamation, title);
    return shown;
}

} // namespace platform::widgets
