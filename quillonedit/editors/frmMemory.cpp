#include "quillonedit/editors/frmMemory.h"

#include "platform/Services.h"
#include "quillonedit/image/MemoryCopy.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillon {

frmMemory::frmMemory(QWidget* parent) : EditorDialog(parent, CloseBox::AsOK)
{
    setWindowTitle(QStringLiteral("Memory Files Configuration"));
    setHelpContextID(kMemoryHelpContext);

    Label2 = new QLabel(QStringLiteral("Copy From Base Memory Into Memory Saves"), this);
    Label2->setAlignment(Qt::AlignCenter);
    Label1[1] = new QLabel(QStringLiteral("Base"), this);
    Label1[0] = new QLabel(QStringLiteral("Memory Saves"), this);
    Label1[0]->setAlignment(Qt::AlignCenter);

    auto* grid = new QGridLayout;
    grid->addWidget(Label1[1], 0, 0);
    grid->addWidget(Label1[0], 0, 1, 1, kMemorySaveCount);
    for (int n = 0; n < kMemorySaveCount; ++n) {
        lblA[static_cast<std::size_t>(n)] = new QLabel(QString::number(n + 1), this);
        lblA[static_cast<std::size_t>(n)]->setAlignment(Qt::AlignCenter);
        grid->addWidget(lblA[static_cast<std::size_t>(n)], 1, 1 + n);
    }
    const std::array<std::array<QPushButton*, 8>*, kMemoryCopyPartCount> rows = {&cmdZones, &cmdCodes, &cmdTimers,
                                                                                 &cmdVoice};
    for (int part = 0; part < kMemoryCopyPartCount; ++part) {
        const auto p = static_cast<std::size_t>(part);
        lblB[p] = new QLabel(QString::fromLatin1(kMemoryCopyParts[p].label), this);
        grid->addWidget(lblB[p], 2 + part, 0);
        for (int index = 0; index < kMemorySaveCount; ++index) {
            auto* button = new QPushButton(QStringLiteral("Copy"), this);
            button->setAutoDefault(false);
            (*rows[p])[static_cast<std::size_t>(index)] = button;
            connect(button, &QPushButton::clicked, this, [this, part, index] {
                switch (part) {
                case 0: cmdZones_Click(index); break;
                case 1: cmdCodes_Click(index); break;
                case 2: cmdTimers_Click(index); break;
                default: cmdVoice_Click(index); break;
                }
            });
            grid->addWidget(button, 2 + part, 1 + index);
        }
    }

    QHBoxLayout* buttons = OKButtonRow(this, cmdOK, [this] { cmdOK_Click(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label2);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void frmMemory::Form_Activate()
{
    // The hourglass the menu entry set is already back to normal here (EditorDialog).
    CopyArmed = true;
}

void frmMemory::cmdZones_Click(int index) { copy(0, index); }
void frmMemory::cmdCodes_Click(int index) { copy(1, index); }
void frmMemory::cmdTimers_Click(int index) { copy(2, index); }
void frmMemory::cmdVoice_Click(int index) { copy(3, index); }

void frmMemory::copy(int part, int index)
{
    if (!CopyArmed || index < 0 || index >= kMemorySaveCount)
        return;
    CopyTarget = CopyBaseToMemorySave(part, index + 1);
    AnimateArrow();
}

void frmMemory::AnimateArrow()
{
    MsgOK();
}

void frmMemory::MsgOK()
{
    platform::beep();
    platform::msgBox(QStringLiteral(" Memory File Data Copy OK "), platform::MsgButtons::OK,
                     platform::MsgIcon::Information, QStringLiteral("Memory Files Configuration"));
}

void frmMemory::cmdOK_Click()
{
    if (CopyArmed)
        closeFromOK();
}

} // namespace quillon
