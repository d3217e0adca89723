#pragma once
// The rear RS-232 port options window (NV byte 0x800C). It has no Cancel: only its close box
// leaves without saving.
#include "merrowedit/windows/FlagControls.h"
#include "merrowedit/windows/SettingDialog.h"

class QLabel;
class QPushButton;

namespace merrow {

class frmRS232 : public SettingDialog {
    Q_OBJECT

public:
    explicit frmRS232(QWidget* parent = nullptr);

    static const FlagControls& Controls();

    QAbstractButton* chkRs232(int index) const;
    QLabel* picture = nullptr;
    QPushButton* cmdOK = nullptr;

    void GetData();
    void SaveData();
    void chkRs232_Click();
    void cmdOK_Click();
    void Form_Activate() override;

private:
    std::vector<QAbstractButton*> widgets_;
};

} // namespace merrow
