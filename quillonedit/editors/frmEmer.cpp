#include "quillonedit/editors/frmEmer.h"

#include "quillonedit/editors/frmSpeed.h"
#include "quillonedit/image/ImageMap.h"
#include "quillonedit/image/SpeedDial.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace quillon {

std::vector<DigitField> EmergencyFields()
{
    std::vector<DigitField> fields;
    for (int i = 0; i < kEmergencyCount; ++i)
        fields.push_back({.caption = QString::number(i),
                          .offset = EmergencySpeedDialOffset(i),
                          .capacity = kSpeedDialNumberKeys,
                          .keys = KeyPadKeys::Telephone,
                          .check = KeyPadCheck::AtMost16,
                          .heading = QStringLiteral("Emergency Number %1").arg(i)});
    return fields;
}

frmEmer::frmEmer(QWidget* parent) : EditorDialog(parent, CloseBox::AsOK)
{
    setWindowTitle(QStringLiteral("Emergency Speed Dial Numbers"));
    setHelpContextID(kEmergencyHelpContext);

    grid = new DigitGrid(*this, [](int) { return EmergencyFields(); }, SpeedDialGridOptions());
    grid->onExtraClick = [this](int row) { lblID_Click(row); };
    grid->onFieldClick = [this](int row) { lblNum_Click(row); };
    for (std::size_t k = 0; k < lblNum.size(); ++k) {
        rowNumbers[k] = grid->captionLabels[k];
        lblNum[k] = grid->fieldLabels[k];
        lblID[k] = grid->extraLabels[k];
        lblID[k]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    QHBoxLayout* buttons = OKButtonRow(this, cmdOK, [this] { cmdOK_Click(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid);
    layout->addLayout(buttons);
}

void frmEmer::Form_Activate()
{
    DisplayEMSD();
}

void frmEmer::DisplayEMSD()
{
    grid->Display();
}

void frmEmer::SaveEMTelID(int row, const WordPickerResult& result)
{
    SaveSpeedDialId(EmergencySpeedDialOffset(row), result, kEmergencyMaxWords);
}

void frmEmer::lblNum_Click(int index)
{
    grid->Field_Click(index);   // an accepted number is written at once; Cancel leaves the entry
}

void frmEmer::lblID_Click(int index)
{
    if (index < 0 || index >= static_cast<int>(lblID.size()))
        return;
    ClickLabel* label = lblID[static_cast<std::size_t>(index)];
    const WordPickerRequest request =
        SpeedDialIdRequest(EmergencySpeedDialOffset(index), label->text(), kEmergencyMaxWords);
    runChild([&] {
        const WordPickerResult result = wordPicker().PickWords(request);
        label->setText(result.VoiceResultText);
        SaveEMTelID(index, result);
    });
}

void frmEmer::cmdOK_Click()
{
    closeFromOK();   // every edit is already in the image
}

} // namespace quillon
