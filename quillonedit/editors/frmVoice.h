#pragma once
// The word construction dialog: builds a sequence of vocabulary words from three pick lists for a
// voice message or a spoken identification. It never touches the image; the caller writes the
// result (WriteWordSequence). One instance lives for the whole run and is only hidden between
// requests, so its lists are filled once and its list choice carries over.
#include "quillonedit/editors/EditorCommon.h"
#include "quillonedit/editors/WordPicker.h"

#include <array>
#include <memory>
#include <vector>

class QGroupBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace quillon {

constexpr int kWordConstructionHelpContext = 400;

class frmVoice final : public EditorDialog {
    Q_OBJECT
public:
    explicit frmVoice(QWidget* parent = nullptr);

    // The request of the next showing; the result of the last one.
    void setRequest(const WordPickerRequest& request);
    WordPickerResult result() const;

    void Form_Activate() override;
    void Timer1_Timer();
    void cboVoice_Click(int row);
    void cbocall_Click(int row);
    void cboSpecial_Click(int row);
    void cmdBackSpace_Click();
    void cmdClear_Click();
    void cmdExit_Click();
    void cmdCancel_Click();
    void optAll_Click();
    void optCall_Click();
    void optSpecial_Click();

    // Esc and the close box: the same as Cancel, so the caller never writes.
    void reject() override;

    // How long the buttons stay inert after each showing, so the click that opened this dialog
    // cannot land on one of them.
    int ArmingIntervalMs = 500;

    std::array<QLabel*, 2> Label1{};
    QPlainTextEdit* Text1 = nullptr;
    QListWidget* cboVoice = nullptr;
    QListWidget* cbocall = nullptr;
    QListWidget* cboSpecial = nullptr;
    QGroupBox* Frame1 = nullptr;
    QRadioButton* optAll = nullptr;
    QRadioButton* optCall = nullptr;
    QRadioButton* optSpecial = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdBackSpace = nullptr;
    QTimer* Timer1 = nullptr;

    // The request.
    int VoiceMaxWords = kVoiceMessageMaxWords;
    QString VoiceOriginalText;
    int VoiceMessageNumber = 0;   // kept from request to request when a caller gives none
    bool HasStoredWords = false;
    // The result.
    QString VoiceResultText;
    std::array<QString, kWordPickerMaxWords> VoiceWords;
    int VoiceWordCount = 0;
    bool VoiceAccepted = false;

    bool Armed = false;

private:
    void pick(QListWidget* list, int row);
    void setLocked(bool locked);
    void showText();

    // The labels of the picked words, parallel to VoiceWords: the text is always rebuilt from
    // them, so it cannot drift from the recorded words.
    std::vector<QString> pickedLabels_;
};

// The real word picker: the one frmVoice, shown modally for each request.
class WordPickerDialogService final : public WordPickerService {
public:
    WordPickerDialogService();
    ~WordPickerDialogService() override;

    // Creates the hidden dialog with its lists filled from the pick-list tables; start-up calls
    // it once after the tables are filled. A request made earlier creates it too.
    void Load();
    WordPickerResult PickWords(const WordPickerRequest& request) override;
    frmVoice* dialog() { return dialog_.get(); }   // null until Load or the first request

private:
    std::unique_ptr<frmVoice> dialog_;
};

} // namespace quillon
