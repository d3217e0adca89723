#pragma once
// The frequency entry editor: the frequency as a row of clickable digit pictures, like a
// transceiver's display. A click steps the digit up, or down with Ctrl held. Nothing reaches the
// image before OK, and OK is ignored for the first half second so a double click on the list row
// cannot save by accident.
#include "quillonedit/editors/EditorCommon.h"
#include "quillonedit/image/RbiFrequencies.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace quillon {

constexpr int kFreqArmingMs = 500;

// One digit picture: 24 x 35 pixels (the point 8 x 35), red segments on black. Glyphs 0..9 are the
// digits, then the combined lead 12, a blank cell and the decimal point (FreqGlyph).
QPixmap FreqDigitPicture(int glyph);

// A clickable picture cell that remembers which glyph it shows.
class FreqPictureCell : public ClickLabel {
    Q_OBJECT
public:
    explicit FreqPictureCell(QWidget* parent = nullptr) : ClickLabel(parent) {}
    int glyph() const { return glyph_; }
    void setGlyph(int glyph, const QPixmap& picture);

private:
    int glyph_ = -1;
};

class frmFreqSet : public EditorDialog {
    Q_OBJECT
public:
    // Edits `state` in place; the opener fills it and sets the caption.
    explicit frmFreqSet(FrequencyEditState& state, QWidget* parent = nullptr);

    void Form_Activate() override;
    void DisplayFreq();
    void DisplayCtcss();
    void SaveNewFreq();
    void ShowErased();
    void ShowNotErased();

    void Image1_Click(int index);
    void Img3_Click(int index);
    void optOffset_Click(int index);
    void optPower_Click(int index);
    void OptPL_Click(int index);
    void chkErase_Click();
    void cmdOK_Click();

    // Half a second on the platform clock since the window was activated.
    bool FreqReady() const;

    bool FreqCtrlDown = false;
    int FreqEraseShown = 0;
    std::array<QPixmap, kFreqGlyphCount> FreqDigitPictures;

    QGroupBox* Frame1 = nullptr;   // TX Offset
    QGroupBox* Frame2 = nullptr;   // CTCSS On/Off
    QGroupBox* Frame3 = nullptr;   // Frequency
    QGroupBox* Frame4 = nullptr;   // CTCSS tone
    QGroupBox* Frame5 = nullptr;   // Power
    std::array<FreqPictureCell*, 6> Image1{};
    QLabel* Image2 = nullptr;
    std::array<FreqPictureCell*, 4> Img3{};
    QLabel* Image3 = nullptr;
    std::array<QRadioButton*, 4> optOffset{};
    std::array<QRadioButton*, 4> optPower{};
    std::array<QRadioButton*, 2> OptPL{};
    QCheckBox* chkErase = nullptr;
    QPushButton* cmdOK = nullptr;

private:
    void showFrames(bool on);
    void showGlyph(FreqPictureCell* cell, int glyph);

    FrequencyEditState& state_;
    qint64 activatedMs_ = 0;
};

} // namespace quillon
