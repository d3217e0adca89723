#pragma once
// The user speed dial: 300 telephone numbers in three blocks of 100, ten at a time, each with a
// spoken identification. Every entry is written into the image as the keypad or the word picker
// returns; OK only closes the window.
#include "quillonedit/editors/DigitGrid.h"
#include "quillonedit/editors/WordPicker.h"

#include <array>
#include <vector>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace quillon {

constexpr int kSpeedDialHelpContext = 810;

constexpr int kSpeedDialNumberKeys = 15;   // the keypad's longest number, pauses included

// Rows of group 0..9 of block 0..2 (block 1..3 on screen): entry numbers 10g .. 10g+9.
std::vector<DigitField> SpeedDialFields(int block, int group);
// The grid of the speed dial and the emergency numbers: a number beside each caption, written at
// once unless it still shows as stored, and the identification beside it.
DigitGridOptions SpeedDialGridOptions();

// What a click on an identification asks of the word picker: the shown text, trimmed, and
// whether the entry stores words (so a cancelled or unchanged pick never wipes them).
WordPickerRequest SpeedDialIdRequest(int offset, const QString& shownText, int maxWords);
// Stores an accepted pick as the entry's identification: the word count and the words; words
// past the new count keep their bytes. Nothing for a pick that was not accepted.
bool SaveSpeedDialId(int offset, const WordPickerResult& result, int maxWords);

class frmSpeed : public EditorDialog {
    Q_OBJECT
public:
    explicit frmSpeed(QWidget* parent = nullptr);

    int GetPT(int row);
    void DisplaySD();
    void SaveTelID(int row, const WordPickerResult& result);

    void optBlock_Click(int index);
    void optGrp_Click(int index);
    void lblNum_Click(int index);
    void Label2_Click(int index);
    void cmdOK_Click();

    int SelectedBlock = 0;                 // 0..2
    int SelectedGroup() const;             // 0..9
    int GroupFirstNumber = 0;              // the number of row 0

    DigitGrid* grid = nullptr;
    QGroupBox* Frame1 = nullptr;           // "Block"
    std::array<QRadioButton*, 3> optBlock{};
    std::array<QLabel*, 10> lblPos{};
    std::array<ClickLabel*, 10> lblNum{};
    std::array<ClickLabel*, 10> Label2{};
    QPushButton* cmdOK = nullptr;
};

} // namespace quillon
