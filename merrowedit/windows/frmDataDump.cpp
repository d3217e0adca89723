#include "merrowedit/windows/frmDataDump.h"

#include "merrowedit/data/DataFolder.h"
#include "merrowedit/data/Messages.h"
#include "merrowedit/link/DataDump.h"
#include "merrowedit/link/Link.h"
#include "platform/SerialPort.h"
#include "platform/Services.h"

#include <QCloseEvent>
#include <QDir>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace merrow {

namespace {

void sendCommand(char command)
{
    if (platform::SerialPort* port = LinkPort(); port && PortOpen)
        port->send(QByteArray(1, command));
}

} // namespace

frmDataDump::frmDataDump(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("  Merrow Data Dump"));
    setModal(true);

    Frame1 = new QGroupBox(QStringLiteral(" Data Request Command "), this);
    auto* grid = new QGridLayout(Frame1);
    auto addRow = [&](int row, QPushButton*& button, const QString& caption, const QString& note) {
        button = new QPushButton(caption, Frame1);
        grid->addWidget(button, row, 0);
        grid->addWidget(new QLabel(note, Frame1), row, 1);
    };
    addRow(0, cmdNVData, QStringLiteral("NV Data"), QStringLiteral("Download non-volatile memory data."));
    addRow(1, cmdRawData, QStringLiteral("RAW Data"), QStringLiteral("Displays the last decoded raw data received."));
    addRow(2, cmdClear, QStringLiteral("Clear"), QStringLiteral("Clears the display window."));
    addRow(3, cmdSaveWindow, QStringLiteral("Save Window"), QStringLiteral("Saves displayed data and registry data to file."));

    Text1 = new QPlainTextEdit(this);
    Text1->setReadOnly(true);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fixed(QStringLiteral("Fixedsys"));
    fixed.setStyleHint(QFont::Monospace);
    if (!QFontInfo(fixed).fixedPitch())
        fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    Text1->setFont(fixed);
    Text1->setMinimumSize(560, 260);

    cmdExit = new QPushButton(QStringLiteral("Exit"), this);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(cmdExit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Text1, 1);
    layout->addLayout(bottom);

    connect(cmdNVData, &QPushButton::clicked, this, &frmDataDump::cmdNVData_Click);
    connect(cmdRawData, &QPushButton::clicked, this, &frmDataDump::cmdRawData_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmDataDump::cmdClear_Click);
    connect(cmdSaveWindow, &QPushButton::clicked, this, &frmDataDump::cmdSaveWindow_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmDataDump::cmdExit_Click);
}

bool frmDataDump::MakeContact()
{
    return merrow::MakeContact();
}

void frmDataDump::setText(const QString& text)
{
    text1_ = text;
    QString shown = text1_;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    Text1->setPlainText(shown);
    // The newest text in view, from the start of its line: at the end of a long line the view
    // would scroll sideways and hide the first letters of every line.
    Text1->moveCursor(QTextCursor::End);
    Text1->moveCursor(QTextCursor::StartOfBlock);
}

void frmDataDump::append(const QString& text)
{
    setText(text1_ + text);
}

void frmDataDump::setButtonsEnabled(bool enabled)
{
    for (QPushButton* b : {cmdNVData, cmdRawData, cmdClear, cmdSaveWindow, cmdExit})
        b->setEnabled(enabled);
}

bool frmDataDump::startDump(char command, const QString& banner)
{
    if (dumping_ || left_)
        return false;
    dumping_ = true;
    setButtonsEnabled(false);
    sendCommand(command);
    append(banner);
    return true;
}

void frmDataDump::cmdRawData_Click()
{
    if (!startDump('R', QStringLiteral("\r\n\r\nRAW Data Dump..Please wait")))
        return;
    const DumpResult result = DumpDataRaw([this] { return closeRequested_; });
    if (result.end == DumpEnd::Etx || result.end == DumpEnd::TimedOut)
        append(QStringLiteral("\r\n") + result.text);
    finishDump();
}

void frmDataDump::cmdNVData_Click()
{
    if (!startDump('X', QStringLiteral("\r\n\r\nNV Data Dump..Please wait\r\n")))
        return;
    platform::services().eventLoop->sleepMs(Timeouts().nvDumpPauseMs);
    const DumpResult result = DumpDataNV([this] { return closeRequested_; });
    if (result.end == DumpEnd::Etx || result.end == DumpEnd::TimedOut)
        append(result.text);
    finishDump();
}

void frmDataDump::finishDump()
{
    dumping_ = false;
    setButtonsEnabled(true);
    if (closeRequested_)
        leave();
}

void frmDataDump::cmdClear_Click()
{
    setText(QString());
}

void frmDataDump::cmdSaveWindow_Click()
{
    if (text1_.isEmpty()) {
        platform::beep();
        return;
    }
    QString error;
    if (!SaveDumpFile(text1_, &error)) {
        platform::msgBox(QStringLiteral("Error, the data file %1 could not be written.\r\n%2\r\n%3")
                             .arg(kDumpFileName, DumpFilePath(), error),
                         platform::MsgButtons::OK, platform::MsgIcon::Exclamation, kProductTitle);
        return;
    }
    // The file lives in the data folder, not beside the program, so the second line names it.
    platform::msgBox(QStringLiteral("Data file Mwr_DUMP.TXT created and is located\r\nin the folder %1.")
                         .arg(QDir::toNativeSeparators(DataFolder())),
                     platform::MsgButtons::OK, platform::MsgIcon::Information, kProductTitle);
}

void frmDataDump::leave()
{
    if (left_)
        return;
    left_ = true;
    // The receiver leaves dump mode, and the port is free for the next transfer.
    sendCommand('Q');
    ClosePort();
    QDialog::reject();
}

void frmDataDump::cmdExit_Click()
{
    if (dumping_)
        return;
    leave();
}

void frmDataDump::reject()
{
    // Escape and the close box do what Exit does; during a dump they end it first.
    if (dumping_) {
        closeRequested_ = true;
        return;
    }
    leave();
}

void frmDataDump::closeEvent(QCloseEvent* event)
{
    if (dumping_) {
        closeRequested_ = true;
        event->ignore();
        return;
    }
    event->accept();
    leave();
}

void frmDataDump::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    left_ = false;
    closeRequested_ = false;
    setText(QString());
}

} // namespace merrow
