#pragma once
// The check boxes and option buttons of a setting window and the NV flags they mirror, declared as
// one table per window: loading, saving and the tests all read the same rows.
#include <QString>

#include <vector>

class QAbstractButton;
class QGroupBox;
class QWidget;

namespace merrow {

struct FlagControl {
    const char* frame;     // caption of the frame the control sits in
    const char* control;   // control array: "chk..." check boxes, "opt..." option buttons
    int index;             // index in that array
    const char* caption;
    const char* section;   // settings section: "NV8008"
    const char* key;       // key in that section: "SpeakerActive"
};

using FlagControls = std::vector<FlagControl>;

// The global a row mirrors. Throws std::logic_error for a section or key the settings do not hold.
bool& FlagOf(const FlagControl& row);
// Widget name of a control array element: "chkFrontPanel_0".
QString ControlName(const QString& control, int index);
// A check box or option button for the row, named by ControlName and captioned.
QAbstractButton* CreateFlagControl(const FlagControl& row, QWidget* parent);

// Every row's control, inside one frame per distinct frame caption (in order of first use).
struct FramedControls {
    std::vector<QAbstractButton*> widgets;   // parallel to the rows
    std::vector<QGroupBox*> frames;
};
FramedControls CreateFramedControls(const FlagControls& rows, QWidget* parent);
// The widget of element `index` of control array `control`; nullptr when the rows have none.
QAbstractButton* FindControl(const FlagControls& rows, const std::vector<QAbstractButton*>& widgets,
                             const char* control, int index);

bool IsCheckBox(const FlagControl& row);
// Each check box row's widget shows its flag (widgets run parallel to rows).
void LoadCheckBoxes(const FlagControls& rows, const std::vector<QAbstractButton*>& widgets);
// Each check box row's flag takes its widget's state, enabled or not.
void SaveCheckBoxes(const FlagControls& rows, const std::vector<QAbstractButton*>& widgets);
// Index of the first option of `control`, in row order, whose flag is True; -1 when none is.
int FirstTrueOption(const FlagControls& rows, const char* control);
// The flag of option `selected` of `control` becomes True and its alternatives False.
void SaveSelectedOption(const FlagControls& rows, const char* control, int selected);

} // namespace merrow
