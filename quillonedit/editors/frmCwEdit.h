#pragma once
// The CW identifier editor: both CW messages with their speed and tone. A message is rebuilt by
// Clear and picks from the character list; OK writes the rebuilt messages and both settings.
// One instance lives for the whole run and is only hidden between uses.
#include "quillonedit/editors/CwMessages.h"
#include "quillonedit/editors/EditorCommon.h"

#include <array>

class QFrame;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace quillon {

class frmCwEdit final : public EditorDialog {
    Q_OBJECT
public:
    explicit frmCwEdit(QWidget* parent = nullptr);

    void Form_Activate() override;
    void LoadCWIdent(int which);
    void SaveCwMessage();
    void cmdSel_Click();
    void cmdClear_Click();
    void List1_Click(int row);
    void cmdOK_Click();
    void cmdCancel_Click();

    int SelectedBuffer = 1;
    std::array<CwBuffer, 2> Buffers{};

    QGroupBox *Frame1 = nullptr, *Frame2 = nullptr, *Frame3 = nullptr, *Frame4 = nullptr, *Frame5 = nullptr,
              *Frame6 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    std::array<QRadioButton*, kCwSpeedOptionCount> opt1Spd{};
    std::array<QRadioButton*, kCwToneOptionCount> opt1Frq{};
    std::array<QRadioButton*, kCwSpeedOptionCount> opt2Spd{};
    std::array<QRadioButton*, kCwToneOptionCount> opt2Frq{};
    QListWidget* List1 = nullptr;
    std::array<QFrame*, 2> Shape1{};
    QPushButton *cmdSel = nullptr, *cmdClear = nullptr, *cmdOK = nullptr, *cmdCancel = nullptr;

private:
    void selectBuffer(int which);
    QLineEdit* textBox(int which) const { return which == 1 ? Text1 : Text2; }
    CwBuffer& buffer(int which) { return Buffers[static_cast<std::size_t>(which - 1)]; }
};

} // namespace quillon
