#pragma once
// The receiver options window: alert, front panel, override and voice interval options
// (NV bytes 0x8008 and 0x800B).
#include "merrowedit/windows/FlagControls.h"
#include "merrowedit/windows/SettingDialog.h"

class QLabel;
class QPushButton;

namespace merrow {

class OptionGroup;

class frmOption : public SettingDialog {
    Q_OBJECT

public:
    explicit frmOption(QWidget* parent = nullptr);

    // Controls in display order with the flags they mirror.
    static const FlagControls& Controls();

    QAbstractButton* control(const char* name, int index) const;
    OptionGroup* optVocInt = nullptr;   // the three announcement options
    QLabel* picture = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    void GetData();
    void SaveData();
    void chkVocInt_Click();
    void cmdOK_Click();
    void Form_Activate() override;

private:
    std::vector<QAbstractButton*> widgets_;
};

} // namespace merrow
