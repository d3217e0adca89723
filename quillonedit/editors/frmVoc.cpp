#include "quillonedit/editors/frmVoc.h"

#include "quillonedit/editors/VoiceMessages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillon {

namespace {
constexpr std::array<const char*, 4> kPageCaptions = {"01-10", "11-20", "21-30", "31-40"};
} // namespace

void StyleMessageLabel(QLabel* label)
{
    StyleFieldLabel(label, 420);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setIndent(4);
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

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    for (int r = 0; r < kBaseVoicePageRows; ++r) {
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
    connect(cmdOK, &QPushButton::clicked, this, &frmVoc::cmdOK_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);

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
    const std::array<QString, 10> texts = quillon::DisVoice(page_);
    for (std::size_t k = 0; k < texts.size(); ++k) {
        Label1[k]->setText(QStringLiteral(" %1").arg(firstMessage_ + static_cast<int>(k)));
        lblMsg[k]->setText(texts[k]);
    }
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
    // The page is shown again from the image once the picker has closed and the word is stored.
    runChild([&] {
        const WordPickerResult result = wordPicker().PickWords(request);
        field->setText(result.VoiceResultText);
        SaveVoice(result);
    });
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
