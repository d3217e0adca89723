#include "merrowedit/windows/SettingDialog.h"

namespace merrow {

void SettingDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!activated_) {
        Form_Activate();
        activated_ = true;
    }
}

} // namespace merrow
