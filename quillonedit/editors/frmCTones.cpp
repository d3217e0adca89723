#include "quillonedit/editors/frmCTones.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillon {

namespace {

constexpr std::array<frmCTones::CellColumn frmCTones::*, kCourtesyCells> kColumns = {
    &frmCTones::lblT1, &frmCTones::lblTD1, &frmCTones::lblD1, &frmCTones::lblT2,
    &frmCTones::lblTD2, &frmCTones::lblD2, &frmCTones::lblT3, &frmCTones::lblTD3,
};

QLabel* centred(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

frmCTones::frmCTones(QWidget* parent) : EditorDialog(parent, CloseBox::AsOK)
{
    setWindowTitle(QStringLiteral("Courtesy Tones"));
    setHelpContextID(kCourtesyTonesHelpContext);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    // Column 0 the tone number, 1..8 the cells, 9 the erase buttons.
    struct Heading {
        const char* text;
        int column;
        int span;
    };
    const std::array<Heading, 5> headings = {{{"Tone 1", 1, 2}, {"Dly 1", 3, 1}, {"Tone 2", 4, 2}, {"Dly 2", 6, 1},
                                              {"Tone 3", 7, 2}}};
    for (std::size_t h = 0; h < headings.size(); ++h) {
        lblB[h] = centred(QString::fromLatin1(headings[h].text), this);
        grid->addWidget(lblB[h], 0, headings[h].column, 1, headings[h].span);
    }
    int hertz = 0, msec = 0;
    for (int k = 0; k < kCourtesyCells; ++k) {
        QLabel* unit = kCourtesyCellLayout[static_cast<std::size_t>(k)].frequency
            ? (lblC[static_cast<std::size_t>(hertz++)] = centred(QStringLiteral("Hertz"), this))
            : (Label1[static_cast<std::size_t>(msec++)] = centred(QStringLiteral("Msec"), this));
        grid->addWidget(unit, 1, k + 1);
    }

    for (int r = 0; r < kCourtesyToneCount; ++r) {
        const auto i = static_cast<std::size_t>(r);
        lblA[i] = centred(QString::number(r), this);
        grid->addWidget(lblA[i], r + 2, 0);
        for (int k = 0; k < kCourtesyCells; ++k) {
            auto* field = new ClickLabel(this);
            StyleFieldLabel(field, platform::widgets::FieldLook::Editable, 52);
            (this->*kColumns[static_cast<std::size_t>(k)])[i] = field;
            connect(field, &ClickLabel::clicked, this, [this, k, r] { Cell_Click(k, r); });
            grid->addWidget(field, r + 2, k + 1);
        }
        cmdErase[i] = new QPushButton(QStringLiteral("E"), this);
        cmdErase[i]->setAutoDefault(false);
        cmdErase[i]->setFixedWidth(28);
        connect(cmdErase[i], &QPushButton::clicked, this, [this, r] { cmdErase_Click(r); });
        grid->addWidget(cmdErase[i], r + 2, kCourtesyCells + 1);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(OKButtonRow(this, cmdOK, [this] { cmdOK_Click(); }));
}

ClickLabel* frmCTones::cell(int k, int index) const
{
    return (this->*kColumns.at(static_cast<std::size_t>(k))).at(static_cast<std::size_t>(index));
}

void frmCTones::Form_Activate() { DisplayCTones(); }

void frmCTones::DisplayCTones()
{
    for (int r = 0; r < kCourtesyToneCount; ++r) {
        const std::array<QString, kCourtesyCells> texts = DisplayCourtesyRow(r);
        for (int k = 0; k < kCourtesyCells; ++k)
            cell(k, r)->setText(texts[static_cast<std::size_t>(k)]);
    }
}

void frmCTones::Cell_Click(int k, int index)
{
    if (k < 0 || k >= kCourtesyCells || index < 0 || index >= kCourtesyToneCount)
        return;
    const bool frequency = kCourtesyCellLayout[static_cast<std::size_t>(k)].frequency;
    ClickLabel* field = cell(k, index);
    const KeyPadResult entry = GetKeyPadEntry(
        {.mode = KeyPadKeys::Digits,
         .maxLen = 1,
         .heading = frequency ? QStringLiteral("Enter Frequency 1..8") : QStringLiteral("Enter Time Delay 0..9"),
         .initial = frequency ? FreqIn(field->text()) : DelayIn(field->text()),
         .check = frequency ? KeyPadCheck::ToneFrequency : KeyPadCheck::OneCharacter});
    // Cancel writes nothing: a cell shown blank may still hold a byte the keypad never saw.
    if (!entry.accepted)
        return;
    field->setText(frequency ? FreqOut(entry.text) : DelayOut(entry.text));
    SaveCourtesyCell(index, k, field->text());
}

void frmCTones::cmdErase_Click(int index)
{
    if (index < 0 || index >= kCourtesyToneCount)
        return;
    EraseCourtesyTone(index);
    DisplayCTones();
}

void frmCTones::cmdOK_Click() { closeFromOK(); }

} // namespace quillon
