#include "quillonedit/editors/frmMacro.h"

#include "quillonedit/image/ImageMap.h"
#include "quillonedit/image/Macros.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillon {

namespace {

constexpr std::array<const char*, 4> kMacroPageCaptions = {"01-10", "11-20", "21-30", "31-40"};

using Column = std::array<ClickLabel*, 10> frmMacro::*;
constexpr std::array<Column, 10> kCommandColumns = {&frmMacro::Label3, &frmMacro::Label4,  &frmMacro::Label5,
                                                    &frmMacro::Label6, &frmMacro::Label7,  &frmMacro::Label8,
                                                    &frmMacro::Label9, &frmMacro::Label10, &frmMacro::Label11,
                                                    &frmMacro::Label12};

// The keypad requests of this editor: a code of up to seven DTMF characters, a command of exactly
// four digits (or none).
KeyPadRequest MacroCodeRequest(const QString& heading, const QString& initial)
{
    return {.mode = KeyPadKeys::DigitsAbcStarPound, .maxLen = 7, .heading = heading, .initial = initial,
            .check = KeyPadCheck::AtMost15};
}
KeyPadRequest MacroCommandRequest(const QString& heading, const QString& initial)
{
    return {.mode = KeyPadKeys::Digits, .maxLen = 4, .heading = heading, .initial = initial,
            .check = KeyPadCheck::FourDigits};
}

} // namespace

frmMacro::frmMacro(QWidget* parent) : EditorDialog(parent, CloseBox::Destroys)
{
    setWindowTitle(QStringLiteral("Macro Commands"));
    setHelpContextID(kMacroHelpContext);

    Frame1 = new QGroupBox(QStringLiteral("Macros"), this);
    auto* pages = new QHBoxLayout(Frame1);
    for (int q = 0; q < kMacroPageCount; ++q) {
        const auto k = static_cast<std::size_t>(q);
        optSel[k] = new QRadioButton(QString::fromLatin1(kMacroPageCaptions[k]), Frame1);
        pages->addWidget(optSel[k]);
        connect(optSel[k], &QRadioButton::clicked, this, [this, q] { optSel_Click(q); });
    }

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    for (int c = 1; c <= kMacroCommands; ++c) {
        auto*& heading = lblNum[static_cast<std::size_t>(c - 1)];
        heading = new QLabel(QString::number(c), this);
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, c + 1);
    }
    for (int r = 0; r < kMacroRows; ++r) {
        const auto k = static_cast<std::size_t>(r);
        Label1[k] = new ClickLabel(this);
        Label1[k]->setToolTip(QStringLiteral("Double click to review commands"));
        Label1[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        connect(Label1[k], &ClickLabel::clicked, this, [this, r] { Label1_Click(r); });
        grid->addWidget(Label1[k], r + 1, 0);

        Label2[k] = new ClickLabel(this);
        StyleFieldLabel(Label2[k], platform::widgets::FieldLook::Editable, 76);
        connect(Label2[k], &ClickLabel::clicked, this, [this, r] { Label2_Click(r); });
        grid->addWidget(Label2[k], r + 1, 1);

        for (int c = 1; c <= kMacroCommands; ++c) {
            ClickLabel*& field = (this->*kCommandColumns[static_cast<std::size_t>(c - 1)])[k];
            field = new ClickLabel(this);
            StyleFieldLabel(field, platform::widgets::FieldLook::Editable, 48);
            connect(field, &ClickLabel::clicked, this, [this, c, r] { CommandLabel_Click(c, r); });
            grid->addWidget(field, r + 1, c + 1);
        }
    }

    Label13 = new QLabel(QStringLiteral("Click on the macro number along the left side for a review of your commands"),
                         this);
    QHBoxLayout* buttons = OKButtonRow(this, cmdOK, [this] { cmdOK_Click(); });
    buttons->insertWidget(0, Label13);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    MacroPage = 0;
    optSel[0]->setChecked(true);
}

ClickLabel* frmMacro::commandLabel(int column, int row) const
{
    return (this->*kCommandColumns.at(static_cast<std::size_t>(column - 1))).at(static_cast<std::size_t>(row));
}

void frmMacro::Form_Activate()
{
    DisplayMacros();
}

void frmMacro::DisplayMacros()
{
    const std::array<MacroRowTexts, 10> rows = MacroPageRows(MacroPage);
    for (int r = 0; r < kMacroRows; ++r) {
        const auto k = static_cast<std::size_t>(r);
        Label1[k]->setText(Str(MacroNumber(MacroPage, r)));
        Label2[k]->setText(rows[k].code);
        for (int c = 1; c <= kMacroCommands; ++c)
            commandLabel(c, r)->setText(rows[k].commands[static_cast<std::size_t>(c - 1)]);
    }
}

void frmMacro::optSel_Click(int index)
{
    if (index < 0 || index >= kMacroPageCount || index == MacroPage)
        return;   // the page already shown is not read again
    MacroPage = index;
    optSel[static_cast<std::size_t>(index)]->setChecked(true);
    DisplayMacros();
}

QString frmMacro::GetMacHeading() const
{
    return MacroCommandHeading(MacroPage, MacroRow);
}

void frmMacro::EditField(ClickLabel* field, int row, const KeyPadRequest& request)
{
    runChild([&] {
        // Cancel hands back the initial text, which is stored again as it shows.
        field->setText(keyPad().GetKeyPadEntry(request).text);
        SaveMacros(1, row);
    });
}

void frmMacro::CommandLabel_Click(int column, int index)
{
    if (column < 1 || column > kMacroCommands || index < 0 || index >= kMacroRows)
        return;
    MacroRow = index;
    ClickLabel* field = commandLabel(column, index);
    EditField(field, index,
              MacroCommandRequest(GetMacHeading() + QLatin1Char('/') + QString::number(column), field->text()));
}

void frmMacro::Label2_Click(int index)
{
    if (index < 0 || index >= kMacroRows)
        return;
    MacroRow = index;
    ClickLabel* field = Label2[static_cast<std::size_t>(index)];
    EditField(field, index, MacroCodeRequest(MacroCodeHeading(MacroPage, index), field->text()));
}

void frmMacro::Label1_Click(int index)
{
    MacSummary(index);
}

void frmMacro::MacSummary(int row)
{
    if (row < 0 || row >= kMacroRows)
        return;
    MacroRow = row;
    if (!review_) {
        review_ = new MacHelp(this);   // made on the first review, hidden by its OK
        review_->setHelpContextID(helpContextID());   // F1 in the review reaches the macro topic
    }
    review_->MacroPage = MacroPage;
    review_->MacroRow = MacroRow;
    runChild([this] { review_->exec(); });
}

std::array<MacroRowTexts, 10> frmMacro::shownRows() const
{
    std::array<MacroRowTexts, 10> rows;
    for (int r = 0; r < kMacroRows; ++r) {
        const auto k = static_cast<std::size_t>(r);
        rows[k].code = Label2[k]->text();
        for (int c = 1; c <= kMacroCommands; ++c)
            rows[k].commands[static_cast<std::size_t>(c - 1)] = commandLabel(c, r)->text();
    }
    return rows;
}

void frmMacro::SaveMacros(int mode, int row)
{
    quillon::SaveMacros(MacroPage, mode, row, shownRows());
}

void frmMacro::cmdOK_Click()
{
    SaveMacros(0, 0);
    closeFromOK();   // hidden, not destroyed: the next opening shows this page again
}

} // namespace quillon
