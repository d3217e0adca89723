#pragma once
// The function-enable zones dialog: one set of eight zone bytes, one tab of eight check boxes per
// zone. OK is its only way out, so a set is never left half saved.
#include "quillonedit/editors/EditorCommon.h"

#include <array>
#include <cstdint>

class QCheckBox;
class QPushButton;
class QTabWidget;

namespace quillon {

constexpr int kZoneFunctions = 8;

// 1 when bit (0..7) of value is set, else 0; 0 for a bit number outside 0..7.
int IDBit(int value, int bit);
// Whether offset is the start of one of the nine zone sets (base set, memory saves 1..8).
bool IsZoneOffset(int offset);
// The caption of function k (1..8) of zone z (1..8), e.g. "1.  Transmitter Enable".
QString ZoneFunctionCaption(int zone, int function);

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
