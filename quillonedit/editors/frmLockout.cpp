#include "quillonedit/editors/frmLockout.h"

#include "quillonedit/image/Codec.h"
#include "quillonedit/image/DigitMemories.h"
#include "quillonedit/image/ImageMap.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace quillon {

std::vector<DigitField> LockoutFields(int group)
{
    std::vector<DigitField> fields;
    for (int r = 0; r < kLockoutGroupRows; ++r) {
        const int k = kLockoutGroupRows * group + r;
        fields.push_back({.caption = QStringLiteral(" %1").arg(k + 1),
                          .offset = LockoutOffset(k),
                          .capacity = kLockoutDigits,
                          .keys = KeyPadKeys::DigitsAndStar,
                          .check = KeyPadCheck::None,
                          .heading = QStringLiteral("Lock Out Number %1").arg(k + 1)});
    }
    return fields;
}

frmLockout::frmLockout(QWidget* parent) : EditorDialog(parent, CloseBox::AsOK)
{
    setWindowTitle(QStringLiteral("Telephone Lockout Numbers"));
    setHelpContextID(kLockoutHelpContext);

    grid = new DigitGrid(*this, LockoutFields,
                         {.format = {.read = DigitFieldText, .write = WriteDtmfField},
                          .fieldWidth = 130,
                          .groupTitle = QStringLiteral("Group"),
                          .groupCaptions = {QStringLiteral("01-10"), QStringLiteral("11-20")},
                          .writeOnCancel = true});
    // Every entry, and a cancelled one too, rewrites the whole group from what it shows.
    grid->onEntry = [this](int) { SaveLockout(); };
    grid->onFieldClick = [this](int row) { Label1_Click(row); };
    grid->onGroupClick = [this](int group) { optSel_Click(group); };
    for (std::size_t k = 0; k < Label1.size(); ++k) {
        lblNum[k] = grid->captionLabels[k];
        Label1[k] = grid->fieldLabels[k];
    }

    QHBoxLayout* buttons = OKButtonRow(this, cmdOK, [this] { cmdOK_Click(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid);
    layout->addLayout(buttons);
}

int frmLockout::LockoutSelectedGroupForTests() const
{
    return grid->group();
}

void frmLockout::Form_Activate()
{
    DisplayLockout();
}

void frmLockout::DisplayLockout()
{
    grid->Display();
}

void frmLockout::SaveLockout()
{
    grid->Save();
}

void frmLockout::optSel_Click(int index)
{
    grid->Group_Click(index);
}

void frmLockout::Label1_Click(int index)
{
    grid->Field_Click(index);
}

void frmLockout::cmdOK_Click()
{
    closeFromOK();   // every number is already in the image
}

} // namespace quillon
