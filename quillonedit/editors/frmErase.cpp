#include "quillonedit/editors/frmErase.h"

#include "platform/Services.h"
#include "quillonedit/image/EraseRegions.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillon {

namespace {
const QColor kEmpty(0xFF, 0xFF, 0xFF);
const QColor kHoldsData(0xFF, 0, 0);

void fill(QLabel* box, const QColor& colour)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, colour);
    box->setPalette(palette);
}
} // namespace

frmErase::frmErase(QWidget* parent) : EditorDialog(parent, CloseBox::AsOK)
{
    setWindowTitle(QStringLiteral("Flush Memory Blocks"));
    setHelpContextID(kEraseHelpContext);

    auto* grid = new QGridLayout;
    for (int row = 0; row < kEraseRegionCount; ++row) {
        const auto r = static_cast<std::size_t>(row);
        Label1[r] = new QLabel(QString::fromLatin1(kEraseRegions[r].label), this);
        cmdFls[r] = new QPushButton(QStringLiteral("Flush"), this);
        Shape1[r] = new QLabel(this);
        Shape1[r]->setFrameStyle(QFrame::Box | QFrame::Plain);
        Shape1[r]->setAutoFillBackground(true);
        Shape1[r]->setFixedSize(18, 18);
        fill(Shape1[r], kEmpty);
        connect(cmdFls[r], &QPushButton::clicked, this, [this, row] { cmdFls_Click(row); });
        grid->addWidget(Label1[r], row, 0);
        grid->addWidget(cmdFls[r], row, 1);
        grid->addWidget(Shape1[r], row, 2);
    }
    Label2 = new QLabel(QStringLiteral("If box is filled, Memory Contains Data"), this);
    QHBoxLayout* buttons = OKButtonRow(this, cmdOK, [this] { cmdOK_Click(); });
    buttons->insertWidget(0, Label2);
    for (QPushButton* button : cmdFls)
        button->setAutoDefault(false);   // Enter means OK, never Flush

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void frmErase::Form_Activate()
{
    DisplayErase();
}

void frmErase::DisplayErase()
{
    for (int row = 0; row < kEraseRegionCount; ++row)
        fill(Shape1[static_cast<std::size_t>(row)], RegionHoldsData(row) ? kHoldsData : kEmpty);
}

QColor frmErase::ShapeColourForTests(int row) const
{
    return Shape1.at(static_cast<std::size_t>(row))->palette().color(QPalette::Window);
}

void frmErase::cmdFls_Click(int index)
{
    if (index < 0 || index >= kEraseRegionCount)
        return;
    if (platform::msgBox(QStringLiteral("Are you sure you want to Erase?"), platform::MsgButtons::YesNo,
                         platform::MsgIcon::Exclamation, QStringLiteral("Erase Process"), platform::MsgDefault::Second)
        != platform::MsgResult::Yes)
        return;
    EraseRegionRow(index);
    DisplayErase();
}

void frmErase::cmdOK_Click()
{
    closeFromOK();
}

} // namespace quillon
