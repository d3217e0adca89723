#pragma once
// The editor of one paging pair: a list of the 60 tones for each tone and an erase box. Only OK
// writes; the close box leaves the pair as it was. There is no Cancel button.
#include "quillonedit/editors/EditorCommon.h"

#include <array>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace quillon {

class frmPageSet : public EditorDialog {
    Q_OBJECT
public:
    // Edits the pair at offset; the opener sets the caption.
    explicit frmPageSet(int pageEntryOffset, QWidget* parent = nullptr);

    void LoadCombos();
    void chkErase_Click();
    void cmdOK_Click();

    std::array<QLabel*, 2> lblA{};
    QComboBox* cmbTone1 = nullptr;
    QComboBox* cmbTone2 = nullptr;
    QCheckBox* chkErase = nullptr;
    QPushButton* cmdOK = nullptr;

private:
    void Form_Load();

    int offset_;
};

} // namespace quillon
