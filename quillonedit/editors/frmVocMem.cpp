#include "quillonedit/editors/frmVocMem.h"

#include "quillonedit/editors/VoiceMessages.h"
#include "quillonedit/editors/frmVoc.h"
#include "quillonedit/image/ImageMap.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace quillon {

frmVocMem::frmVocMem(int voiceMemory, QWidget* parent)
    : EditorDialog(parent, CloseBox::AsOK), voiceMemory_(voiceMemory)
{
    // The main window sets the same caption; it stands here too for openers that do not.
    if (voiceMemory_ >= 1 && voiceMemory_ <= kMemorySaveCount)
        setWindowTitle(QStringLiteral("Memory Save #%1 Voice Messages").arg(voiceMemory_));
    setHelpContextID(kMemoryVoiceHelpContext);

    QGridLayout* grid = MessageRows(this, Label1, lblMsg, [this](int row) { lblMsg_Click(row); });
    QHBoxLayout* buttons = OKButtonRow(this, cmdOK, [this] { cmdOK_Click(); });

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
    ShowMessageRows(Label1, lblMsg, DisVoiceMem(voiceMemory_), 1);
}

void frmVocMem::lblMsg_Click(int row)
{
    const int offset = MemoryVoiceSlotOffset(voiceMemory_, row + 1);
    if (offset < 0)
        return;   // no memory save of that number: nothing to edit
    row_ = row;
    ClickLabel* field = lblMsg[static_cast<std::size_t>(row)];
    const WordPickerRequest request = VoiceSlotRequest(offset, row + 1, field->text());
    PickMessageWords(*this, field, request, [this](const WordPickerResult& result) { SaveVoice(result); });
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
