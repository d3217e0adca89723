#include "merrowedit/windows/frmCommPort.h"

#include "merrowedit/data/Settings.h"
#include "merrowedit/link/Link.h"
#include "merrowedit/link/PortSearch.h"
#include "merrowedit/link/TransferHost.h"
#include "platform/Services.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace merrow {

namespace {
const QString kTestTitle = QStringLiteral(" Merrow Serial Port Test");
}

frmCommPort::frmCommPort(TransferHost* host, QWidget* parent) : QDialog(parent), host_(host)
{
    setWindowTitle(QStringLiteral(" Merrow Setup"));
    setModal(true);

    auto* portFrame = new QGroupBox(QStringLiteral("Serial Comm Port"), this);
    auto* portLayout = new QGridLayout(portFrame);
    ports_ = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        optCommPort[i] = new QRadioButton(QStringLiteral("Port %1").arg(i + 1), portFrame);
        ports_->addButton(optCommPort[i], i);
        portLayout->addWidget(optCommPort[i], i / 2, i % 2);
    }

    auto* zoneFrame = new QGroupBox(QStringLiteral("Time Zone"), this);
    auto* zoneLayout = new QVBoxLayout(zoneFrame);
    cmbTimeZone = new QComboBox(zoneFrame);
    chkAdjustTime = new QCheckBox(QStringLiteral("Automatically adjust time for daylight saving changes"), zoneFrame);
    zoneLayout->addWidget(cmbTimeZone);
    zoneLayout->addWidget(chkAdjustTime);

    Image1 = new QLabel(this);
    Image1->setFixedSize(48, 48);
    cmdTest = new QPushButton(QStringLiteral("Serial Port Test"), this);
    cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setDefault(true);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(Image1, 0, Qt::AlignHCenter);
    buttons->addStretch();
    buttons->addWidget(cmdTest);
    buttons->addWidget(cmdOk);
    auto* left = new QVBoxLayout;
    left->addWidget(portFrame);
    left->addWidget(zoneFrame);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(cmdTest, &QPushButton::clicked, this, &frmCommPort::cmdTest_Click);
    connect(cmdOk, &QPushButton::clicked, this, &frmCommPort::cmdOk_Click);

    LoadCombos();
    GetSettings();
}

void frmCommPort::setPicture(const QPixmap& picture)
{
    Image1->setPixmap(picture.scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void frmCommPort::LoadCombos()
{
    cmbTimeZone->clear();
    cmbTimeZone->addItems(TimeZoneTexts());
}

void frmCommPort::GetSettings()
{
    ports_->setExclusive(false);
    for (QRadioButton* option : optCommPort)
        option->setChecked(false);
    ports_->setExclusive(true);
    if (SerialPort >= 1 && SerialPort <= 4)
        optCommPort[SerialPort - 1]->setChecked(true);
    cmbTimeZone->setCurrentIndex(TimeZoneItem(TimeZoneOffset));
    chkAdjustTime->setChecked(DaylightSavings);
}

void frmCommPort::SaveSettings()
{
    for (int i = 0; i < 4; ++i) {
        if (optCommPort[i]->isChecked()) {
            SerialPort = static_cast<std::int16_t>(i + 1);
            break;
        }
    }
    TimeZoneOffset = -4;
    const QStringList& zones = TimeZoneTexts();
    for (int k = 0; k < zones.size(); ++k) {
        if (zones[k] == cmbTimeZone->currentText()) {
            TimeZoneOffset = static_cast<std::int16_t>(-(4 + k));
            break;
        }
    }
    DaylightSavings = chkAdjustTime->isChecked();
}

void frmCommPort::cmdOk_Click()
{
    if (testing_)
        return;
    SaveSettings();
    accept();
}

void frmCommPort::cmdTest_Click()
{
    // Another operation on the line (or this test, re-entered from its own wait) is running.
    if (testing_ || LinkBusy())
        return;
    testing_ = true;
    cmdTest->setEnabled(false);
    cmdOk->setEnabled(false);
    int found = -1;
    {
        LinkBusyScope busy;
        found = TestSerial();
    }
    cmdTest->setEnabled(true);
    cmdOk->setEnabled(true);
    testing_ = false;

    if (found < 1 || found > 4) {
        platform::msgBox(QStringLiteral("Error...No serial handshake found.  Check all connections."),
                         platform::MsgButtons::OK, platform::MsgIcon::Exclamation, kTestTitle);
        return;
    }
    const platform::MsgResult answer =
        platform::msgBox(QStringLiteral("Serial port %1 found. Set port number?").arg(found), platform::MsgButtons::YesNo,
                         platform::MsgIcon::Information, kTestTitle);
    if (answer != platform::MsgResult::Yes)
        return;
    optCommPort[found - 1]->setChecked(true);
    SerialPort = static_cast<std::int16_t>(found);
    if (host_)
        host_->setStatusLeft(QStringLiteral(" Serial port %1 found and passed handshaking test. Port %1 set.").arg(found));
}

void frmCommPort::reject()
{
    // The port test's wait runs inside this window: it may not go away under it.
    if (testing_)
        return;
    QDialog::reject();
}

void frmCommPort::closeEvent(QCloseEvent* event)
{
    if (testing_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void frmCommPort::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    cmdOk->setFocus();
}

} // namespace merrow
