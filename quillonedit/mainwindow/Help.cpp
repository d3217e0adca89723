#include "quillonedit/mainwindow/Help.h"

#include "platform/Services.h"
#include "platform/qt/QtServices.h"

#include <QDir>
#include <QShortcut>
#include <QWidget>

namespace quillon {
namespace {

const char* const kContextProperty = "quillonHelpContext";
const char* const kShortcutName = "quillonHelpKey";

bool reportIfMissing(bool shown)
{
    if (!shown)
        platform::msgBox(QStringLiteral("Unable to open the help file ") + QDir::toNativeSeparators(QuillonHelpFile()),
                         platform::MsgButtons::OK, platform::MsgIcon::Exclamation, QStringLiteral("Quillon Help"));
    return shown;
}

} // namespace

QString QuillonHelpFile() { return platform::programFolder() + QStringLiteral("/Help/Quillon.hlp"); }

bool ShowHelpContents() { return reportIfMissing(platform::services().help->showContents(QuillonHelpFile())); }

bool ShowHelpSearch() { return reportIfMissing(platform::services().help->showSearch(QuillonHelpFile())); }

bool ShowWindowHelp(int context)
{
    if (context == 0)
        return ShowHelpContents();
    return reportIfMissing(platform::services().help->showTopic(QuillonHelpFile(), context));
}

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
