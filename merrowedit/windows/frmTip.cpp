#include "merrowedit/windows/frmTip.h"

#include "merrowedit/data/Messages.h"
#include "merrowedit/data/Settings.h"
#include "merrowedit/windows/ImageList.h"
#include "merrowedit/windows/Mwr_Rec.h"
#include "platform/Services.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace merrow {

QString TipText()
{
    return QStringLiteral("Your Merrow contains a database of weather transmitters")
           + QStringLiteral(" throughout the United States and it's Territories.  Since these stations are")
           + QStringLiteral(" upgraded, deleted, or added by NOAA every few months,  remember to periodically check into web site:")
           + QStringLiteral("\n") + QStringLiteral(" ") + kMakerWebSite + QStringLiteral("\n")
           + QStringLiteral("There you can download a file to update") + QStringLiteral(" your Merrow database.")
           + QStringLiteral("\n\n")
           + QStringLiteral(" You can directly access the Web update page from the Merrow \"Help\" menu.");
}

frmTip::frmTip(QAction* tipsMenu, QWidget* parent) : QDialog(parent), tipsMenu_(tipsMenu)
{
    setWindowTitle(QStringLiteral("Merrow Information Tip"));
    Label1 = new QLabel(QStringLiteral("Information Tip For You To Know..."), this);
    QFont heading = Label1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    Label1->setFont(heading);
    picture = new QLabel(this);
    picture->setPixmap(ProgramIcon().pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop);
    lblTipText = new QLabel(this);
    lblTipText->setWordWrap(true);
    lblTipText->setMinimumWidth(380);
    lblTipText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    chkLoadTipsAtStartup = new QCheckBox(QStringLiteral("&Show Tip at Startup"), this);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmTip::cmdOK_Click);

    auto* text = new QVBoxLayout;
    text->addWidget(Label1);
    text->addWidget(lblTipText, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addLayout(text, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(chkLoadTipsAtStartup);
    bottom->addStretch(1);
    bottom->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
}

bool frmTip::Form_Load()
{
    if (tipsMenu_)
        tipsMenu_->setChecked(ShowTipsAtStartup);
    if (!ShowTipsAtStartup) {
        close();
        return false;
    }
    chkLoadTipsAtStartup->setChecked(true);
    lblTipText->setText(TipText());
    return true;
}

void frmTip::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    cmdOK->setFocus();
}

void frmTip::cmdOK_Click()
{
    ShowTipsAtStartup = chkLoadTipsAtStartup->isChecked();
    if (tipsMenu_)
        tipsMenu_->setChecked(ShowTipsAtStartup);
    close();
}

frmTip* ShowStartupTip(QAction* tipsMenu, QWidget* parent)
{
    auto* tip = new frmTip(tipsMenu, parent);
    tip->setAttribute(Qt::WA_DeleteOnClose);
    if (!tip->Form_Load()) {
        tip->deleteLater();
        return nullptr;
    }
    tip->show();
    return tip;
}

bool OpenWebPage(const QString& address)
{
    platform::Desktop* desktop = platform::services().desktop;
    // A failure seen at once is the caller's to report; one that comes later, when the menu
    // command has long returned, is reported here.
    return desktop && desktop->openUrl(address, [] { ShowErrorMessage(kErrWebBrowser); });
}

} // namespace merrow
