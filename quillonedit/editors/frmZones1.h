#pragma once
// The function-enable zones dialog: one set of eight zone bytes, one tab of eight check boxes per
// zone. OK is its only way out, so a set is never left half saved.
#include "quillonedit/editors/EditorCommon.h"
#include "quillonedit/image/Zones.h"

#include <array>
#include <cstdint>

class QCheckBox;
class QPushButton;
class QTabWidget;

namespace quillon {

class frmZones1 : public EditorDialog {
    Q_OBJECT
public:
    // zoneOffset: the image offset of the zone set (the main window passes ZoneOffset); its
    // caption and help context are the opener's to set. An offset that is not a zone set's start
    // shows nothing checked and writes nothing.
    explicit frmZones1(int zoneOffset, QWidget* parent = nullptr);

    void DisplayGroup1();
    std::uint8_t SetBitZ(int zone) const;   // zone 1..8: SetBitZ1 .. SetBitZ8
    void SaveGroup1();
    // Called with the tab that was showing before the change.
    void SSTab1_Click(int previousTab);
    void cmdOK_Click();

    int LastTab = 0;

    QTabWidget* SSTab1 = nullptr;
    std::array<std::array<QCheckBox*, kZoneFunctions>, 8> chkZ{};   // chkZ[z - 1] is chkZ1 .. chkZ8
    QPushButton* cmdOK = nullptr;

private:
    int zoneOffset_;
    int shownTab_ = 0;
};

} // namespace quillon
