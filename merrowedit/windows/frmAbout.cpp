#include "merrowedit/windows/frmAbout.h"

#include "merrowedit/data/Messages.h"
#include "merrowedit/data/Settings.h"
#include "merrowedit/windows/ImageList.h"
#include "platform/Services.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace merrow {

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QString());
    setModal(true);
    picture = new QLabel(this);
    picture->setPixmap(ReceiverPicture());
    auto* product = new QLabel(QStringLiteral("SAME Digital Weather Receiver"), this);
    auto* maker = new QLabel(QStringLiteral("Merrow"), this);
    QFont big = maker->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    maker->setFont(big);
    Label1 = new QLabel(this);
    Label3 = new QLabel(this);
    cmdDump = new QPushButton(QStringLiteral("Data Dump"), this);
    cmdSysInfo = new QPushButton(QStringLiteral("System Info"), this);
    cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setDefault(true);

    auto* text = new QVBoxLayout;
    text->addWidget(maker);
    text->addWidget(product);
    text->addSpacing(8);
    text->addWidget(Label1);
    text->addWidget(Label3);
    text->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addLayout(text);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdDump);
    buttons->addStretch(1);
    buttons->addWidget(cmdSysInfo);
    buttons->addWidget(cmdOk);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    connect(cmdDump, &QPushButton::clicked, this, &frmAbout::cmdDump_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    Form_Activate();
}

void frmAbout::showEvent(QShowEvent* event)
{
    Form_Activate();
    QDialog::showEvent(event);
}

void frmAbout::Form_Activate()
{
    cmdDump->setVisible(ShowDataDump);
    Label1->setText(QStringLiteral("Windows Editor Version ") + EditorVersion);
    Label3->setText(QStringLiteral("Receiver Firmware Version ") + ReceiverVersion);
}

void frmAbout::cmdDump_Click()
{
    if (!MakeContact)
        return;
    if (MakeContact()) {
        if (ShowDataDumpWindow)
            ShowDataDumpWindow();
    } else {
        platform::msgBox(QStringLiteral("Serial Connection Fail..."), platform::MsgButtons::OK,
                         platform::MsgIcon::Exclamation, kProductTitle);
    }
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    if (platform::startSystemInformation())
        return;
    platform::msgBox(QStringLiteral("System Information Is Unavailable At This Time"), platform::MsgButtons::OK,
                     platform::MsgIcon::None, kProductTitle);
}

void frmAbout::done(int result)
{
    // The Data Dump button is offered for one opening only.
    ShowDataDump = false;
    QDialog::done(result);
}

} // namespace merrow
