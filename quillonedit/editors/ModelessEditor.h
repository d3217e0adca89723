#pragma once
// Editors that open beside the main window instead of over it. Such a window lives from its
// opening to its closing (a fresh one for every opening), redraws whenever it becomes the active
// window of this program, hears when another project is opened, and can be closed by the main
// window without its closing questions.
#include "quillonedit/editors/EditorCommon.h"

namespace quillon {

class ModelessEditor : public EditorDialog {
    Q_OBJECT
public:
    // The window deletes itself once closed, so it must be made with new.
    explicit ModelessEditor(QWidget* parent = nullptr);

    // Form_Activate runs when shown, after a child dialog, and whenever the user comes back to this
    // window from another window of this program; not when the user comes back from another
    // program to this window, which is all the while the program's active window.

    // The closing questions, asked before the window closes by its own button or its close box;
    // true keeps it open. byCloseBox tells the two apart.
    virtual bool Form_QueryUnload(bool /*byCloseBox*/) { return false; }

    // Another project was opened (its image is already loaded) while this window was open. By
    // default the window closes without its questions and writes nothing, so no value of the old
    // project can reach the new one; an editor that would rather show the new values overrides it.
    virtual void ProjectOpened() { CloseQuietly(); }

    // Closes after the closing questions (the editor's OK); false when they kept it open.
    bool Unload(bool byCloseBox = false);
    // Closes without any question and without writing.
    void CloseQuietly();

    // The close box and Esc.
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void finish();
    void setAwayFromProgram(bool away);
    bool closing_ = false;
    // The user left the program from this window and no other window of it has been active since.
    bool awayFromProgram_ = false;
};

// What the main window does with the modeless editors it owns (its direct children): each hears
// that another project was opened; each closes without its questions when the main window closes.
void TellModelessEditorsProjectOpened(QWidget& owner);
void CloseModelessEditorsQuietly(QWidget& owner);

} // namespace quillon
