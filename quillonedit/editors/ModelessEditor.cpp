#include "quillonedit/editors/ModelessEditor.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>

#include <vector>

namespace quillon {

ModelessEditor::ModelessEditor(QWidget* parent) : EditorDialog(parent, CloseBox::AsCancel)
{
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
}

bool ModelessEditor::Unload(bool byCloseBox)
{
    if (closing_)
        return true;
    if (Form_QueryUnload(byCloseBox))
        return false;
    finish();
    return true;
}

void ModelessEditor::CloseQuietly()
{
    if (!closing_)
        finish();
}

void ModelessEditor::reject()
{
    Unload(true);
}

void ModelessEditor::finish()
{
    closing_ = true;
    closeFromCancel();
    deleteLater();   // no-op twice over when the close itself already scheduled it
}

void ModelessEditor::changeEvent(QEvent* event)
{
    EditorDialog::changeEvent(event);
    // The editors' own activation hook runs on show and after child dialogs only; a modeless
    // window also has to catch the user coming back to it after working in the main window. Coming
    // back from another program is no such return: nothing of this program ran meanwhile, and
    // redrawing would throw away choices not yet confirmed.
    if (event->type() != QEvent::ActivationChange || closing_)
        return;
    if (!isActiveWindow()) {
        setAwayFromProgram(QApplication::activeWindow() == nullptr);
        return;
    }
    const bool returning = awayFromProgram_;
    setAwayFromProgram(false);
    if (!returning && isVisible())
        Form_Activate();
}

bool ModelessEditor::eventFilter(QObject* watched, QEvent* event)
{
    // Heard only while the user is away from the program: coming back through another of its
    // windows ends the trip, so this window redraws when it is activated from there.
    if (event->type() == QEvent::ActivationChange && watched != this) {
        const auto* window = qobject_cast<QWidget*>(watched);
        if (window && window->isWindow() && window->isActiveWindow())
            setAwayFromProgram(false);
    }
    return EditorDialog::eventFilter(watched, event);
}

void ModelessEditor::setAwayFromProgram(bool away)
{
    if (away == awayFromProgram_)
        return;
    awayFromProgram_ = away;
    if (away)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

void TellModelessEditorsProjectOpened(QWidget& owner)
{
    // Guarded: an editor told first may close and so take itself out of the list.
    std::vector<QPointer<ModelessEditor>> editors;
    for (ModelessEditor* editor : owner.findChildren<ModelessEditor*>(Qt::FindDirectChildrenOnly))
        editors.emplace_back(editor);
    for (const QPointer<ModelessEditor>& editor : editors)
        if (editor && editor->isVisible())
            editor->ProjectOpened();
}

void CloseModelessEditorsQuietly(QWidget& owner)
{
    for (ModelessEditor* editor : owner.findChildren<ModelessEditor*>(Qt::FindDirectChildrenOnly))
        editor->CloseQuietly();
}

} // namespace quillon
