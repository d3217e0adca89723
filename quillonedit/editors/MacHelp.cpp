#include "quillonedit/editors/MacHelp.h"

#include "quillonedit/image/ImageMap.h"
#include "quillonedit/image/Macros.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillon {

MacHelp::MacHelp(QWidget* parent) : EditorDialog(parent, CloseBox::AsOK)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    for (int i = 0; i < kMacroCommands; ++i) {
        const auto k = static_cast<std::size_t>(i);
        Label1[k] = new QLabel(this);
        Label1[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Label2[k] = new QLabel(this);
        StyleFieldLabel(Label2[k], platform::widgets::FieldLook::Editable, 300);
        Label2[k]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        grid->addWidget(Label1[k], i, 0);
        grid->addWidget(Label2[k], i, 1);
    }
    QHBoxLayout* buttons = OKButtonRow(this, cmdOK, [this] { cmdOK_Click(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void MacHelp::Form_Activate()
{
    setWindowTitle(MacroReviewCaption(MacroPage, MacroRow));
    const std::array<QString, 10> meanings = MacroCommandMeanings(MacroNumber(MacroPage, MacroRow));
    for (std::size_t k = 0; k < meanings.size(); ++k) {
        Label1[k]->setText(Str(static_cast<int>(k) + 1));
        Label2[k]->setText(QLatin1Char(' ') + meanings[k]);
    }
}

void MacHelp::cmdOK_Click()
{
    closeFromOK();
}

} // namespace quillon
