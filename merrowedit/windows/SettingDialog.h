#pragma once
// A setting window that loads its controls from the globals when it first shows: a window
// minimised and shown again keeps the user's edits, because only the first showing loads.
#include <QDialog>

namespace merrow {

class SettingDialog : public QDialog {
public:
    using QDialog::QDialog;

    // Loads the controls; runs once, at the first showing.
    virtual void Form_Activate() = 0;

protected:
    void showEvent(QShowEvent* event) override;
    // True once the first showing has loaded the controls.
    bool activated() const { return activated_; }

private:
    bool activated_ = false;
};

} // namespace merrow
