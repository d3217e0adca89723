#include "quillonedit/editors/frmCodes_1.h"

#include "quillonedit/image/Codec.h"
#include "quillonedit/image/ImageMap.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace quillon {

namespace {
bool validMemory(int memory) { return memory >= 0 && memory <= kMemorySaveCount; }

constexpr std::array<const char*, 25> kRoleCaptions = {
    "Control Operator Prefix",
    "Link Bridge Code",
    "Memory Recall Prefix",
    "DTMF Generator Prefix",
    "DTMF Access Code",
    "DTMF Pad Test Code",
    "Time Of Day Request Code",
    "Transceiver Control Prefix",
    "Remote Base Freq. Load Prefix",
    "User Function Switch Prefix",
    "Serial Card #1 Switch Prefix",
    "Serial Card #2 Switch Prefix",
    "Autopatch Access Code",
    "Autopatch Disconnect Code",
    "User Speed Dial Prefix [Block 1]",
    "User Speed Dial Prefix [Block 2]",
    "User Speed Dial Prefix [Block 3]",
    "Emergency Speed Dial Prefix",
    "Voice Synthesizer Prefix",
    "DVR Control Prefix",
    "Paging Tones Prefix",
    "Reverse Autopatch Code",
    "HF Remote Base Code",
    "Monitor Repeater By Telephone",
    "Reverse DTMF Paging Code",
};
} // namespace

QString CodesCaption(int codesMemory)
{
    if (codesMemory == 0)
        return QStringLiteral("Repeater Base Codes");
    if (validMemory(codesMemory))
        return QStringLiteral("Memory Save #%1 Codes").arg(codesMemory);
    return {};
}

QString CodeRoleCaption(int index)
{
    if (index < 0 || index >= kCodeCount)
        return {};
    return QString::fromLatin1(kRoleCaptions[static_cast<std::size_t>(index)]);
}

frmCodes_1::frmCodes_1(int codesMemory, QWidget* parent)
    : EditorDialog(parent, CloseBox::AsCancel), codesMemory_(codesMemory)
{
    setWindowTitle(CodesCaption(codesMemory_));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    for (int i = 0; i < kCodeCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        // Codes 0..12 in the left column, 13..24 in the right.
        const int row = i < 13 ? i : i - 13;
        const int column = i < 13 ? 0 : 3;
        AddFieldRow(this, grid, row, column, CodeRoleCaption(i), 90, lblA[k], lblCode[k], [this, i] { lblCode_Click(i); });
    }
    grid->setColumnMinimumWidth(2, 24);

    QHBoxLayout* buttons = OKButtonRow(this, cmdOK, [this] { cmdOK_Click(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    if (validMemory(codesMemory_)) {
        const std::array<QString, 25> texts = DecodeCodes(codesMemory_);
        for (std::size_t k = 0; k < texts.size(); ++k)
            lblCode[k]->setText(texts[k]);
    }
}

void frmCodes_1::lblCode_Click(int index)
{
    if (index < 0 || index >= kCodeCount)
        return;
    ClickLabel* box = lblCode[static_cast<std::size_t>(index)];
    const KeyPadResult entry = GetKeyPadEntry({.mode = KeyPadKeys::DigitsAbcStarPound,
                                                     .maxLen = kCodeDigits,
                                                     .heading = GetCodeName(index),
                                                     .initial = box->text(),
                                                     .check = KeyPadCheck::None});
    if (entry.accepted)
        box->setText(entry.text);
}

void frmCodes_1::cmdOK_Click()
{
    std::array<QString, 25> texts;
    for (std::size_t k = 0; k < texts.size(); ++k)
        texts[k] = lblCode[k]->text();
    SaveCodes(codesMemory_, texts);   // writes nothing for a memory outside 0..8
    closeFromOK();
}

} // namespace quillon
