#include "quillonedit/editors/frmAreaCodes.h"

#include "quillonedit/image/Codec.h"
#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/image/ImageMap.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace quillon {

namespace {
int entryOffset(int index) { return kAreaCodes + kAreaCodeBytes * index; }
} // namespace

std::array<QString, 20> DisplayAreaCodes()
{
    std::array<QString, 20> texts;
    for (int i = 0; i < kAreaCodeCount; ++i)
        texts[static_cast<std::size_t>(i)] = DecodeThreeDigits(entryOffset(i));
    return texts;
}

void SaveAreaCodes(const std::array<QString, 20>& texts)
{
    for (int i = 0; i < kAreaCodeCount; ++i) {
        const QString& text = texts[static_cast<std::size_t>(i)];
        const int offset = entryOffset(i);
        if (DecodeThreeDigits(offset) == text)
            continue;
        for (int j = 0; j < kAreaCodeBytes; ++j)
            image().set(offset + j, DtmfCharToCode(text.mid(j, 1)));
    }
}

frmAreaCodes::frmAreaCodes(QWidget* parent) : EditorDialog(parent, CloseBox::AsOK)
{
    setWindowTitle(QStringLiteral("Area Codes"));
    setHelpContextID(kAreaCodesHelpContext);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    for (int i = 0; i < kAreaCodeCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        // Four columns of five, numbered down each column.
        const int row = i % 5;
        const int column = 3 * (i / 5);
        AddFieldRow(this, grid, row, column, QString::number(i + 1), 60, lblA[k], lblAC[k], [this, i] { lblAC_Click(i); });
        if (column > 0)
            grid->setColumnMinimumWidth(column - 1, 16);
    }

    QHBoxLayout* buttons = OKButtonRow(this, cmdOK, [this] { cmdOK_Click(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void frmAreaCodes::Form_Activate()
{
    DisplayAreaCodes();
}

void frmAreaCodes::DisplayAreaCodes()
{
    const std::array<QString, 20> texts = quillon::DisplayAreaCodes();
    for (std::size_t k = 0; k < texts.size(); ++k)
        lblAC[k]->setText(texts[k]);
}

void frmAreaCodes::SaveAreaCodes()
{
    std::array<QString, 20> texts;
    for (std::size_t k = 0; k < texts.size(); ++k)
        texts[k] = lblAC[k]->text();
    quillon::SaveAreaCodes(texts);
}

void frmAreaCodes::lblAC_Click(int index)
{
    if (index < 0 || index >= kAreaCodeCount)
        return;
    ClickLabel* box = lblAC[static_cast<std::size_t>(index)];
    const KeyPadResult entry =
        GetKeyPadEntry({.mode = KeyPadKeys::Digits,
                        .maxLen = kAreaCodeBytes,
                        .heading = QStringLiteral("Area Code %1").arg(index + 1),
                        .initial = box->text(),
                        .check = KeyPadCheck::ThreeDigits});
    if (!entry.accepted)
        return;   // Cancel changes nothing
    box->setText(entry.text);
    SaveAreaCodes();
}

void frmAreaCodes::cmdOK_Click()
{
    closeFromOK();   // every entry is already in the image
}

} // namespace quillon
