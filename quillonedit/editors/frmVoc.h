#pragma once
// The base voice messages: 40 messages shown ten at a time on four pages. A click on a message
// rebuilds it in the word construction dialog and writes the result into the image at once.
#include "quillonedit/editors/EditorCommon.h"
#include "quillonedit/editors/WordPicker.h"

#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace quillon {

// The message-row look of both voice message dialogs: a wide white field, text from the left.
void StyleMessageLabel(QLabel* label);

class frmVoc : public EditorDialog {
    Q_OBJECT
public:
    explicit frmVoc(QWidget* parent = nullptr);

    void Form_Activate() override;
    void DisVoice();
    void optSel_Click(int index);
    void lblMsg_Click(int row);
    // Writes the picked words into the slot of the last clicked row.
    void SaveVoice(const WordPickerResult& result);
    void cmdOK_Click();

    int page() const { return page_; }

    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 4> optSel{};
    std::array<QLabel*, 10> Label1{};
    std::array<ClickLabel*, 10> lblMsg{};
    QPushButton* cmdOK = nullptr;

private:
    int page_ = 0;
    int firstMessage_ = 1;
    int row_ = 0;
};

} // namespace quillon
