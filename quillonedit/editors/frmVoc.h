#pragma once
// The base voice messages: 40 messages shown ten at a time on four pages. A click on a message
// rebuilds it in the word construction dialog and writes the result into the image at once.
#include "quillonedit/editors/EditorCommon.h"
#include "quillonedit/editors/WordPicker.h"

#include <array>
#include <functional>
#include <span>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace quillon {

// What both voice message dialogs share.
// Their rows: the message number, then a wide white field with the words, text from the left.
// A click on row r runs onClick(r).
QGridLayout* MessageRows(QWidget* owner, std::span<QLabel*> numbers, std::span<ClickLabel*> fields,
                         const std::function<void(int)>& onClick);
// Shows the texts in the rows, numbered from firstNumber.
void ShowMessageRows(std::span<QLabel* const> numbers, std::span<ClickLabel* const> fields,
                     std::span<const QString> texts, int firstNumber);
// Rebuilds a row's message in the word construction dialog: the picked words are shown in the
// row and stored through save; the rows are shown again from the image once the picker has closed.
void PickMessageWords(EditorDialog& dialog, ClickLabel* field, const WordPickerRequest& request,
                      const std::function<void(const WordPickerResult&)>& save);

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
