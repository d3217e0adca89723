#include "merrowedit/windows/frmRS232.h"

#include "merrowedit/windows/ImageList.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace merrow {

const FlagControls& frmRS232::Controls()
{
    static const char* const kFrame = "Rear Panel RS-232 Port Options";
    // The receiver takes ETX and EOT from bits 6 and 7; the keys named for them (bits 4 and 5)
    // are offered as not assigned.
    static const FlagControls rows{
        {kFrame, "chkRs232", 0, "Send weather data packet out the rear RS232 port.", "NV800C", "SendPacketRs232"},
        {kFrame, "chkRs232", 1, "Begin transmission with SOH before packet header.", "NV800C", "BeginSOH"},
        {kFrame, "chkRs232", 2, "Insert STX after packet header.", "NV800C", "InsertSTX"},
        {kFrame, "chkRs232", 3, "Append CRLF after sending data variables.", "NV800C", "AppendTrailingCrlf"},
        {kFrame, "chkRs232", 4, "Not assigned.", "NV800C", "EndingETX"},
        {kFrame, "chkRs232", 5, "Not assigned.", "NV800C", "EndingEOT"},
        {kFrame, "chkRs232", 6, "Finish data transmission with ETX.", "NV800C", "Spare800C_1"},
        {kFrame, "chkRs232", 7, "End completed transmission with EOT.", "NV800C", "Spare800C_2"},
    };
    return rows;
}

frmRS232::frmRS232(QWidget* parent) : SettingDialog(parent)
{
    setWindowTitle(QStringLiteral("RS232 Rear Port Options"));
    setModal(true);

    const FramedControls framed = CreateFramedControls(Controls(), this);
    widgets_ = framed.widgets;
    picture = new QLabel(this);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(picture);
    bottom->addStretch(1);
    bottom->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(framed.frames.front());
    layout->addLayout(bottom);

    for (QAbstractButton* b : widgets_)
        connect(b, &QAbstractButton::toggled, this, &frmRS232::chkRs232_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmRS232::cmdOK_Click);
}

QAbstractButton* frmRS232::chkRs232(int index) const
{
    return FindControl(Controls(), widgets_, "chkRs232", index);
}

void frmRS232::GetData()
{
    LoadCheckBoxes(Controls(), widgets_);
    chkRs232_Click();
}

// Boxes 1..7 shape the packet that box 0 sends; they keep their values while greyed.
void frmRS232::chkRs232_Click()
{
    const bool sending = chkRs232(0)->isChecked();
    for (int k = 1; k < 8; ++k)
        chkRs232(k)->setEnabled(sending);
}

void frmRS232::SaveData()
{
    SaveCheckBoxes(Controls(), widgets_);
}

void frmRS232::cmdOK_Click()
{
    SaveData();
    accept();
}

void frmRS232::Form_Activate()
{
    GetData();
    picture->setPixmap(ImageList1(8));
    cmdOK->setFocus();
}

} // namespace merrow
