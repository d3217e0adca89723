#include "quillonedit/editors/frmConfig.h"

#include "platform/Services.h"
#include "quillonedit/image/Project.h"
#include "quillonedit/image/RepeaterStats.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillon {

frmConfig::frmConfig(QWidget* parent) : EditorDialog(parent, CloseBox::AsOK)
{
    setWindowTitle(QStringLiteral("Quillon Repeater Stats"));
    setHelpContextID(kConfigHelpContext);

    auto* grid = new QGridLayout;
    lblA[0] = new QLabel(QStringLiteral("Project File Name"), this);
    lblA[1] = new QLabel(QStringLiteral("Project File Date"), this);
    lblFileName = ValueLabel(this, 360);
    lblFileDate = ValueLabel(this, 360);
    grid->addWidget(lblA[0], 0, 0);
    grid->addWidget(lblFileName, 0, 1, 1, 2);
    grid->addWidget(lblA[1], 1, 0);
    grid->addWidget(lblFileDate, 1, 1, 1, 2);
    grid->setRowMinimumHeight(2, 10);
    for (std::size_t i = 0; i < kStatisticsCounters.size(); ++i) {
        const int row = 3 + static_cast<int>(i);
        lblA[i + 2] = new QLabel(QString::fromLatin1(kStatisticsCounters[i].label), this);
        lblData[i] = ValueLabel(this, 70);
        lblData[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(lblA[i + 2], row, 0);
        grid->addWidget(lblData[i], row, 1);
    }
    grid->setColumnStretch(2, 1);

    cmdErase = new QPushButton(QStringLiteral("Reset Stats"), this);
    connect(cmdErase, &QPushButton::clicked, this, [this] { cmdErase_Click(); });
    QHBoxLayout* buttons = OKButtonRow(this, cmdOK, [this] { cmdOK_Click(); });
    buttons->insertWidget(0, cmdErase);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void frmConfig::Form_Activate()
{
    DisplayStats();
}

void frmConfig::DisplayStats()
{
    const StatsTexts texts = DisplayStatsTexts(project().ProjectFileName);
    lblFileName->setText(texts.fileName);
    if (texts.fileDate)
        lblFileDate->setText(*texts.fileDate);
    for (std::size_t i = 0; i < lblData.size(); ++i)
        lblData[i]->setText(texts.counters[i]);
}

void frmConfig::cmdErase_Click()
{
    if (platform::msgBox(QStringLiteral("Do you want to clear all repeater stats?"), platform::MsgButtons::YesNo,
                         platform::MsgIcon::Question, QStringLiteral("Clear Stats"), platform::MsgDefault::Second)
        != platform::MsgResult::Yes)
        return;
    ResetStats();
    DisplayStats();
}

void frmConfig::cmdOK_Click()
{
    closeFromOK();
}

} // namespace quillon
