#include "quillonedit/editors/frmVocMem.h"

#include "quillonedit/editors/VoiceMessages.h"
#include "quillonedit/editors/frmVoc.h"
#include "quillonedit/image/ImageMap.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillon {

frmVocMem::frmVocMem(int voiceMemory, QWidget* parent)
    : EditorDialog(parent, CloseBox::AsOK), voiceMemory_(voiceMemory)
{
    // The main window sets the same caption; it stands here too for openers that do not.
    if (voiceMemory_ >= 1 && voiceMemory_ <= kMemorySaveCount)
        setWindowTitle(QStringLiteral("Memory Save #%1 Voice Messages").arg(voiceMemory_));
    setHelpContextID(kMemoryVoiceHelpContext);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    for (int r = 0; r < kMemoryVoiceCount; ++r) {
        const auto k = static_cast<std::size_t>(r);
        Label1[k] = new QLabel(this);
        Label1[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblMsg[k] = new ClickLabel(this);
        StyleMessageLabel(lblMsg[k]);
        connect(lblMsg[k], &ClickLabel::clicked, this, [this, r] { lblMsg_Click(r); });
        grid->addWidget(Label1[k], r, 0);
        grid->addWidget(lblMsg[k], r, 1);
    }

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmVocMem::cmdOK_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void frmVocMem::Form_Activate()
{
    DisVoice();
}

void frmVocMem::DisVoice()
{
    const std::array<QString, 12> texts = DisVoiceMem(voiceMemory_);
    for (std::size_t k = 0; k < texts.size(); ++k) {
        Label1[k]->setText(QStringLiteral(" %1").arg(k + 1));
        lblMsg[k]->setText(texts[k]);
    }
}

void frmVocMem::lblMsg_Click(int row)
{
    const int offset = MemoryVoiceSlotOffset(voiceMemory_, row + 1);
    if (offset < 0)
        return;   // no memory save of that number: nothing to edit
    row_ = row;
    ClickLabel* field = lblMsg[static_cast<std::size_t>(row)];
    const WordPickerRequest request = VoiceSlotRequest(offset, row + 1, field->text());
    // The rows are shown again from the image once the picker has closed and the word is stored.
    runChild([&] {
        const WordPickerResult result = wordPicker().PickWords(request);
        field->setText(result.VoiceResultText);
        SaveVoice(result);
    });
}

void frmVocMem::SaveVoice(const WordPickerResult& result)
{
    quillon::SaveVoice(MemoryVoiceSlotOffset(voiceMemory_, row_ + 1), result);
}

void frmVocMem::cmdOK_Click()
{
    closeFromOK();   // every change is already in the image
}

} // namespace quillon
