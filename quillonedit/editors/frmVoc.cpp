#include "quillonedit/editors/frmVoc.h"

#include "quillonedit/editors/VoiceMessages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillon {

namespace {
constexpr std::array<const char*, 4> kPageCaptions = {"01-10", "11-20", "21-30", "31-40"};
} // namespace

QGridLayout* MessageRows(QWidget* owner, std::span<QLabel*> numbers, std::span<ClickLabel*> fields,
                         const std::function<void(int)>& onClick)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    for (std::size_t k = 0; k < fields.size(); ++k) {
        const int r = static_cast<int>(k);
        AddFieldRow(owner, grid, r, 0, QString(), 420, numbers[k], fields[k], [onClick, r] { onClick(r); });
        fields[k]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        fields[k]->setIndent(4);
    }
    return grid;
}

void ShowMessageRows(std::span<QLabel* const> numbers, std::span<ClickLabel* const> fields,
                     std::span<const QString> texts, int firstNumber)
{
    for (std::size_t k = 0; k < texts.size(); ++k) {
        numbers[k]->setText(QStringLiteral(" %1").arg(firstNumber + static_cast<int>(k)));
        fields[k]->setText(texts[k]);
    }
}

void PickMessageWords(EditorDialog& dialog, ClickLabel* field, const WordPickerRequest& request,
                      const std::function<void(const WordPickerResult&)>& save)
{
    dialog.runChild([&] {
        const WordPickerResult result = wordPicker().PickWords(request);
        field->setText(result.VoiceResultText);
        save(result);
    });
}

frmVoc::frmVoc(QWidget* parent) : EditorDialog(parent, CloseBox::AsOK)
{
    setWindowTitle(QStringLiteral("Base Voice Message Display"));
    setHelpContextID(kBaseVoiceHelpContext);

    Frame1 = new QGroupBox(QStringLiteral("Voice Messages"), this);
    auto* pages = new QHBoxLayout(Frame1);
    for (int q = 0; q < 4; ++q) {
        const auto k = static_cast<std::size_t>(q);
        optSel[k] = new QRadioButton(QString::fromLatin1(kPageCaptions[k]), Frame1);
        pages->addWidget(optSel[k]);
        connect(optSel[k], &QRadioButton::clicked, this, [this, q] { optSel_Click(q); });
    }

    QGridLayout* grid = MessageRows(this, Label1, lblMsg, [this](int row) { lblMsg_Click(row); });
    QHBoxLayout* buttons = OKButtonRow(this, cmdOK, [this] { cmdOK_Click(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    optSel[0]->setChecked(true);
    firstMessage_ = 1;
}

void frmVoc::Form_Activate()
{
    DisVoice();
}

void frmVoc::DisVoice()
{
    ShowMessageRows(Label1, lblMsg, quillon::DisVoice(page_), firstMessage_);
}

void frmVoc::optSel_Click(int index)
{
    if (index < 0 || index >= static_cast<int>(optSel.size()) || index == page_)
        return;   // the page already shown is not read again
    page_ = index;
    firstMessage_ = kBaseVoicePageRows * index + 1;
    optSel[static_cast<std::size_t>(index)]->setChecked(true);
    DisVoice();
}

void frmVoc::lblMsg_Click(int row)
{
    if (row < 0 || row >= kBaseVoicePageRows)
        return;
    row_ = row;
    const int message = firstMessage_ + row;
    ClickLabel* field = lblMsg[static_cast<std::size_t>(row)];
    const WordPickerRequest request = VoiceSlotRequest(BaseVoiceSlotOffset(message), message, field->text());
    PickMessageWords(*this, field, request, [this](const WordPickerResult& result) { SaveVoice(result); });
}

void frmVoc::SaveVoice(const WordPickerResult& result)
{
    quillon::SaveVoice(BaseVoiceSlotOffset(firstMessage_ + row_), result);
}

void frmVoc::cmdOK_Click()
{
    closeFromOK();   // every change is already in the image
}

} // namespace quillon
