#pragma once
// What every editor dialog has in common: clickable field labels with our pointing pointer, the
// activation hook, centring, the size kept to the contents, the help topic on F1, the close-box
// policy, and the small pictures the editors draw with. Each editor dialog derives from EditorDialog.
#include "platform/widgets/ClickLabel.h"
#include "platform/widgets/FieldStyle.h"
#include "quillonedit/editors/KeyPadService.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QRadioButton>
#include <QStringList>

#include <functional>
#include <span>
#include <utility>

class QGridLayout;
class QHBoxLayout;
class QPushButton;

namespace quillon {

// The help file every dialog points at: Help/Quillon.hlp under the program folder, and the title
// of the message that reports it missing.
QString HelpFilePath();
inline const QString kHelpTitle = QStringLiteral("Quillon Help");

// Opens the topic of a help context; a missing or unreadable help file is reported in a message
// box and the result is false. Context 0 opens the contents.
bool ShowHelpTopic(int context);

// The expanded-switch pictures, 8 x 16 pixels: "on" is black above white, "off" white above black.
QPixmap SwitchOnPicture();
QPixmap SwitchOffPicture();

// The shared widget kit: clickable fields with our pointing pointer, and the field look.
using platform::widgets::ClickLabel;
using platform::widgets::StyleFieldLabel;

// One "caption + clickable field" row of an editor's grid: the caption right-aligned at (row,
// column), the field beside it with the look of an editable field at least fieldWidth wide. A click
// on the field runs onClick. Both labels belong to owner.
void AddFieldRow(QWidget* owner, QGridLayout* grid, int row, int column, const QString& captionText, int fieldWidth,
                 QLabel*& caption, ClickLabel*& field, const std::function<void()>& onClick);

// A cell that only shows a value: plain text in a sunken panel, at least minimumWidth wide.
QLabel* ValueLabel(QWidget* owner, int minimumWidth);

// The button row under an editor: its default OK button, at the right. A click runs onClick.
QHBoxLayout* OKButtonRow(QWidget* owner, QPushButton*& button, const std::function<void()>& onClick);

// A frame of option buttons, one per caption, none checked; the buttons go into `options` (as many
// as captions). With rowsPerColumn 0 they stand in one column at the top of the frame, otherwise
// they fill columns of that many rows.
QGroupBox* OptionFrame(QWidget* owner, const QString& title, const QStringList& captions,
                       std::span<QRadioButton*> options, int rowsPerColumn = 0);

// An option frame choosing which group of rows a list shows, the first option checked; a click on
// option g runs onClick(g).
QGroupBox* GroupOptionFrame(QWidget* owner, const QString& title, const QStringList& captions,
                            std::span<QRadioButton*> options, const std::function<void(int)>& onClick);

// The index of the checked button among a set of options; -1 when none is.
int CheckedOption(std::span<QRadioButton* const> options);

// A list dialog's layout: the rows at the left; at the right the group frame on top and the default
// OK button at the bottom.
void LayOutListDialog(QWidget* owner, QLayout* rows, QGroupBox* groups, QPushButton*& ok,
                      const std::function<void()>& onOK);

// What the title-bar close box (and Esc) does for a dialog.
enum class CloseBox {
    AsOK,      // closes like the dialog's OK (dialogs that write each entry at once)
    AsCancel,  // closes without saving anything
    Refused,   // not offered; Esc does nothing either; only the dialog's own buttons close it
    Destroys,  // closes without saving and destroys the dialog, so a kept dialog starts afresh
};

class EditorDialog : public QDialog {
    Q_OBJECT
public:
    explicit EditorDialog(QWidget* parent = nullptr, CloseBox closeBox = CloseBox::AsOK);

    // The help topic that F1 opens; set by the opener (or fixed by the dialog).
    void setHelpContextID(int context) { helpContextID_ = context; }
    int helpContextID() const { return helpContextID_; }

    CloseBox closeBoxPolicy() const { return closeBox_; }

    // Runs whenever the dialog is shown and again when a child dialog it opened has closed (a
    // modeless editor also when the user comes back to it from another window of this program);
    // never when the user merely switches between applications.
    virtual void Form_Activate() {}

    // Asks the keypad, then activates this dialog again as the keypad closes over it.
    KeyPadResult GetKeyPadEntry(const KeyPadRequest& request);

    // Runs a child dialog (any callable) and activates this dialog again afterwards.
    template <typename F> decltype(auto) runChild(F&& child)
    {
        struct Reactivate {
            EditorDialog* self;
            ~Reactivate() { self->activate(); }
        } guard{this};
        return std::forward<F>(child)();
    }

    void reject() override;

    // Closing through the dialog's own OK button (every policy allows this).
    void closeFromOK() { QDialog::accept(); }
    // Closing through the dialog's own Cancel button.
    void closeFromCancel() { QDialog::reject(); }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void activate();

    int helpContextID_ = 0;
    CloseBox closeBox_;
    bool centred_ = false;
};

// Dialogs that keep their state between uses are hidden, not destroyed: the caller keeps one
// instance, owned by the parent window, in a QPointer slot and shows it again.
template <typename Dialog, typename... Args>
Dialog& KeptDialog(QPointer<Dialog>& slot, QWidget& parent, Args&&... args)
{
    if (!slot)
        slot = new Dialog(std::forward<Args>(args)..., &parent);  // the parent owns it
    return *slot;
}

} // namespace quillon
