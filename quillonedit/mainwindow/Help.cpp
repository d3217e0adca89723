#include "quillonedit/mainwindow/Help.h"

#include "platform/widgets/HelpDisplay.h"
#include "quillonedit/editors/EditorCommon.h"

#include <QShortcut>
#include <QWidget>

namespace quillon {
namespace {

const char* const kContextProperty = "quillonHelpContext";
const char* const kShortcutName = "quillonHelpKey";

} // namespace

bool ShowHelpContents() { return ShowHelpTopic(0); }

bool ShowHelpSearch()
{
    return platform::widgets::ShowHelp(HelpFilePath(), kHelpTitle, platform::widgets::HelpPage::Search);
}

bool ShowWindowHelp(int context) { return ShowHelpTopic(context); }

void AttachHelpKey(QWidget* window, int context)
{
    window->setProperty(kContextProperty, context);
    if (window->findChild<QShortcut*>(QString::fromLatin1(kShortcutName), Qt::FindDirectChildrenOnly))
        return;
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), window);   // owned by the window
    key->setObjectName(QString::fromLatin1(kShortcutName));
    key->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(key, &QShortcut::activated, window, [window] { ShowWindowHelp(HelpContextOf(window)); });
}

int HelpContextOf(const QWidget* window) { return window->property(kContextProperty).toInt(); }

} // namespace quillon
