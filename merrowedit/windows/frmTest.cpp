#include "merrowedit/windows/frmTest.h"

#include "merrowedit/data/DataFolder.h"
#include "merrowedit/data/Messages.h"
#include "merrowedit/data/TestPackets.h"
#include "merrowedit/windows/ImageList.h"
#include "platform/Services.h"
#include "platform/WholeFile.h"
#include "platform/Sound.h"

#include <QCloseEvent>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace merrow {
namespace {

constexpr int kPictureImage = 13;
constexpr int kGapMs = 1000;           // after each play, and around the beeps
constexpr int kLeadInMs = 500;         // before the first header
constexpr int kHeaderCount = 3;
constexpr int kBeepCount = 24;
constexpr int kEndOfMessageCount = 3;

void letEventsRun()
{
    platform::services().eventLoop->yield();
}

void wait(int ms)
{
    platform::services().eventLoop->sleepMs(ms);
}

QString tempFilePath()
{
    return DataFolder() + '/' + kTestTempFile;
}

} // namespace

frmTest::frmTest(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Merrow SAME Packet Test"));
    setModal(true);

    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < kTestPackets.size(); ++i) {
        cmdPacket[i] = new QPushButton(QString::fromLatin1(kTestPackets[i].event), this);
        cmdPacket[i]->setAutoDefault(false);
        Label1[i] = new QLabel(QString::fromLatin1(kTestPackets[i].name), this);
        grid->addWidget(cmdPacket[i], static_cast<int>(i), 0);
        grid->addWidget(Label1[i], static_cast<int>(i), 1);
        const int button = static_cast<int>(i) + 1;
        connect(cmdPacket[i], &QPushButton::clicked, this, [this, button] { cmdPacket_Click(button); });
    }
    cmdRWT = cmdPacket[0];
    cmdFFW = cmdPacket[1];
    cmdSVA = cmdPacket[2];
    cmdTOA = cmdPacket[3];

    lblIdent = new QLabel(this);
    lblIdent->setMinimumWidth(200);
    QFont bold = lblIdent->font();
    bold.setBold(true);
    lblIdent->setFont(bold);
    Picture1 = new QLabel(this);
    Picture1->setFixedSize(32, 32);

    lblInfo = new QLabel(this);
    lblInfo->setWordWrap(true);
    lblInfo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblInfo->setMinimumWidth(380);
    lblInfo->setText(QStringLiteral("\nThese four buttons will activate SAME packets ") + QStringLiteral("from your sound card.")
                     + QStringLiteral("\n\n") + QStringLiteral("Each packet consist of the header data, followed ")
                     + QStringLiteral("by 30 seconds of tone beeps and the end of message packet.") + QStringLiteral("\n\n")
                     + QStringLiteral("Note: You must load default FIP codes into your radio for ")
                     + QStringLiteral(" these test.  Consult the menu HELP section for more information")
                     + QStringLiteral(" and a step by step procedure."));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* playingRow = new QHBoxLayout;
    playingRow->addWidget(Picture1);
    playingRow->addWidget(lblIdent, 1);
    auto* left = new QVBoxLayout;
    left->addLayout(grid);
    left->addLayout(playingRow);
    left->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(lblInfo, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
}

frmTest::~frmTest() = default;

void frmTest::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void frmTest::Form_Activate()
{
    lblIdent->clear();
    Picture1->setPixmap(ImageList1(kPictureImage));
    Picture1->setVisible(false);
    for (QPushButton* b : cmdPacket)
        setFaceRed(b, false);
    cmdOK->setFocus();
}

void frmTest::setFaceRed(QPushButton* button, bool red)
{
    if (red) {
        QPalette pal = button->palette();
        pal.setColor(QPalette::Button, Qt::red);
        button->setPalette(pal);
    } else {
        button->setPalette(QPalette());   // the system button colour
    }
}

void frmTest::DisableButtons(int button)
{
    for (std::size_t i = 0; i < cmdPacket.size(); ++i) {
        const bool keep = static_cast<int>(i) + 1 == button;
        cmdPacket[i]->setEnabled(keep);
        Label1[i]->setEnabled(keep);
    }
    cmdOK->setEnabled(false);
}

void frmTest::EnableButtons()
{
    for (std::size_t i = 0; i < cmdPacket.size(); ++i) {
        cmdPacket[i]->setEnabled(true);
        Label1[i]->setEnabled(true);
    }
    cmdOK->setEnabled(true);
}

void frmTest::reportFailure(const QString& text)
{
    // Said once: the rest of the message would fail the same way.
    if (failureReported_)
        return;
    failureReported_ = true;
    platform::msgBox(text, platform::MsgButtons::OK, platform::MsgIcon::Exclamation, kProductTitle);
}

bool frmTest::PlayTestPacket(int resource, int count)
{
    const QString path = tempFilePath();
    const QByteArray recording = TestResource(resource);
    const platform::WriteResult written =
        recording.isEmpty() ? platform::WriteResult{} : platform::WriteWholeFile(path, recording);
    if (!written) {
        // Playing nothing for the rest of the message without a word would look like a dead
        // sound card.
        const QString why = recording.isEmpty() ? QStringLiteral("The recording is missing from the program.")
                                                : written.error;
        reportFailure(QStringLiteral(" Error, Test packet could not be written to %1 ").arg(path) + "\r\n" + why);
        return false;
    }
    bool played = true;
    for (int i = 0; i < count; ++i) {
        letEventsRun();
        Picture1->setVisible(true);
        letEventsRun();
        const platform::SoundResult sound = platform::playSound(path);
        Picture1->setVisible(false);
        letEventsRun();
        if (!sound) {
            // Half a minute of silence would pass for a message the receiver ignored.
            reportFailure(QStringLiteral(" Error, Test packet could not be played. ") + "\r\n" + sound.error);
            played = false;
            break;
        }
        wait(kGapMs);
    }
    QFile::remove(path);
    return played;
}

void frmTest::EndPacket()
{
    wait(kGapMs);
    if (PlayTestPacket(kBeepResource, kBeepCount)) {
        wait(kGapMs);
        PlayTestPacket(kEndOfMessageResource, kEndOfMessageCount);
    }
    lblIdent->clear();
    letEventsRun();
}

void frmTest::cmdPacket_Click(int button)
{
    if (playing_ || button < 1 || button > static_cast<int>(cmdPacket.size()))
        return;
    const std::size_t i = static_cast<std::size_t>(button - 1);
    playing_ = true;
    failureReported_ = false;
    DisableButtons(button);
    lblIdent->setText(Label1[i]->text());
    setFaceRed(cmdPacket[i], true);
    letEventsRun();
    wait(kLeadInMs);
    if (PlayTestPacket(kTestPackets[i].resource, kHeaderCount))
        EndPacket();
    else
        lblIdent->clear();
    setFaceRed(cmdPacket[i], false);
    EnableButtons();
    playing_ = false;
}

void frmTest::reject()
{
    // Escape and the close box wait until the message has ended (OK is disabled meanwhile).
    if (!playing_)
        QDialog::reject();
}

void frmTest::closeEvent(QCloseEvent* event)
{
    if (playing_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace merrow
