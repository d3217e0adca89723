#include "quillonedit/editors/frmSpeed.h"

#include "quillonedit/image/SpeedDial.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

namespace quillon {

namespace {
QStringList groupCaptions()
{
    QStringList captions;
    for (int g = 0; g < 10; ++g)
        captions << QStringLiteral(" %1-%2").arg(10 * g, 2, 10, QLatin1Char('0')).arg(10 * g + 9, 2, 10, QLatin1Char('0'));
    return captions;
}
} // namespace

std::vector<DigitField> SpeedDialFields(int block, int group)
{
    std::vector<DigitField> fields;
    for (int r = 0; r < kSpeedDialGroupRows; ++r) {
        const int entry = kSpeedDialGroupRows * group + r;
        fields.push_back({.caption = QString::number(entry),
                          .offset = SpeedDialOffset(block + 1, entry),
                          .capacity = kSpeedDialNumberKeys,
                          .keys = KeyPadKeys::Telephone,
                          .check = KeyPadCheck::AtMost16,
                          .heading = QStringLiteral("Telephone Number %1").arg(entry)});
    }
    return fields;
}

DigitGridOptions SpeedDialGridOptions()
{
    return {.format = {.read = [](int offset, int) { return DisplayAPNum(offset); },
                       .write = [](int offset, int, const QString& text) { SaveTelNumIfChanged(offset, text); },
                       .readExtra = SpeedDialIdText},
            .fieldWidth = 150,
            .headings = {QStringLiteral("Telephone Number"), QStringLiteral("Identification")},
            .extraColumn = true,
            .extraWidth = 320};
}

WordPickerRequest SpeedDialIdRequest(int offset, const QString& shownText, int maxWords)
{
    WordPickerRequest request;
    request.VoiceMaxWords = maxWords;
    request.VoiceOriginalText = shownText.trimmed();
    request.HasStoredWords = offset >= 0 && SpeedDialHasWords(offset);
    return request;   // the heading keeps the number it showed last
}

bool SaveSpeedDialId(int offset, const WordPickerResult& result, int maxWords)
{
    const auto words = PickedWords(result);
    return words && SaveSpeedDialWords(offset, *words, maxWords);
}

frmSpeed::frmSpeed(QWidget* parent) : EditorDialog(parent, CloseBox::AsOK)
{
    setWindowTitle(QStringLiteral("User Speed Dial Numbers"));
    setHelpContextID(kSpeedDialHelpContext);

    Frame1 = new QGroupBox(QStringLiteral("Block"), this);
    auto* blocks = new QHBoxLayout(Frame1);
    for (int b = 0; b < 3; ++b) {
        auto*& option = optBlock[static_cast<std::size_t>(b)];
        option = new QRadioButton(QStringLiteral(" %1").arg(b + 1), Frame1);
        blocks->addWidget(option);
        connect(option, &QRadioButton::clicked, this, [this, b] { optBlock_Click(b); });
    }
    optBlock[0]->setChecked(true);

    DigitGridOptions options = SpeedDialGridOptions();
    options.groupTitle = QStringLiteral("Group");
    options.groupCaptions = groupCaptions();
    grid = new DigitGrid(*this, [this](int group) { return SpeedDialFields(SelectedBlock, group); },
                         std::move(options));
    grid->onExtraClick = [this](int row) { Label2_Click(row); };
    grid->onFieldClick = [this](int row) { lblNum_Click(row); };
    grid->onGroupClick = [this](int group) { optGrp_Click(group); };
    for (std::size_t k = 0; k < lblNum.size(); ++k) {
        lblPos[k] = grid->captionLabels[k];
        lblNum[k] = grid->fieldLabels[k];
        Label2[k] = grid->extraLabels[k];
        Label2[k]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    QHBoxLayout* buttons = OKButtonRow(this, cmdOK, [this] { cmdOK_Click(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1, 0, Qt::AlignLeft);
    layout->addWidget(grid);
    layout->addLayout(buttons);

    DisplaySD();
}

int frmSpeed::SelectedGroup() const
{
    return grid->group();
}

int frmSpeed::GetPT(int row)
{
    GroupFirstNumber = kSpeedDialGroupRows * SelectedGroup();
    return SpeedDialOffset(SelectedBlock + 1, GroupFirstNumber + row);
}

void frmSpeed::DisplaySD()
{
    GetPT(0);
    grid->Display();
}

void frmSpeed::SaveTelID(int row, const WordPickerResult& result)
{
    SaveSpeedDialId(GetPT(row), result, kSpeedDialMaxWords);
}

void frmSpeed::optBlock_Click(int index)
{
    if (index < 0 || index >= static_cast<int>(optBlock.size()) || index == SelectedBlock)
        return;
    SelectedBlock = index;
    optBlock[static_cast<std::size_t>(index)]->setChecked(true);
    grid->ShowGroup(0);   // a new block starts at group 00-09, shown from the image
    GetPT(0);
}

void frmSpeed::optGrp_Click(int index)
{
    grid->Group_Click(index);
    GetPT(0);
}

void frmSpeed::lblNum_Click(int index)
{
    grid->Field_Click(index);   // an accepted number is written at once; Cancel leaves the entry
}

void frmSpeed::Label2_Click(int index)
{
    if (index < 0 || index >= static_cast<int>(Label2.size()))
        return;
    ClickLabel* label = Label2[static_cast<std::size_t>(index)];
    const WordPickerRequest request = SpeedDialIdRequest(GetPT(index), label->text(), kSpeedDialMaxWords);
    runChild([&] {
        const WordPickerResult result = wordPicker().PickWords(request);
        label->setText(result.VoiceResultText);
        SaveTelID(index, result);
    });
}

void frmSpeed::cmdOK_Click()
{
    closeFromOK();   // every edit is already in the image
}

} // namespace quillon
