#pragma once
// The 12 voice messages of one memory save. A click on a message rebuilds it in the word
// construction dialog and writes the result into the image at once.
#include "quillonedit/editors/EditorCommon.h"
#include "quillonedit/editors/WordPicker.h"

#include <array>

class QPushButton;

namespace quillon {

class frmVocMem : public EditorDialog {
    Q_OBJECT
public:
    // voiceMemory: the memory save 1..8 (the main window passes VoiceMemory); any other number
    // shows empty rows and writes nothing.
    explicit frmVocMem(int voiceMemory, QWidget* parent = nullptr);

    void Form_Activate() override;
    void DisVoice();
    void lblMsg_Click(int row);
    // Writes the picked words into the slot of the last clicked row.
    void SaveVoice(const WordPickerResult& result);
    void cmdOK_Click();

    std::array<QLabel*, 12> Label1{};
    std::array<ClickLabel*, 12> lblMsg{};
    QPushButton* cmdOK = nullptr;

private:
    int voiceMemory_;
    int row_ = 0;
};

} // namespace quillon
