#pragma once
// The repeater statistics window: the project file's name and date and the ten event counters,
// with a reset of all counters.
#include "quillonedit/editors/EditorCommon.h"

#include <array>

class QPushButton;

namespace quillon {

constexpr int kConfigHelpContext = 103;

class frmConfig : public EditorDialog {
    Q_OBJECT
public:
    explicit frmConfig(QWidget* parent = nullptr);

    void Form_Activate() override;
    void DisplayStats();
    void cmdErase_Click();
    void cmdOK_Click();

    std::array<QLabel*, 12> lblA{};
    QLabel* lblFileName = nullptr;
    QLabel* lblFileDate = nullptr;
    std::array<QLabel*, 10> lblData{};
    QPushButton* cmdErase = nullptr;
    QPushButton* cmdOK = nullptr;
};

} // namespace quillon
