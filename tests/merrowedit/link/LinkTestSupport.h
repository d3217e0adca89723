#pragma once
// What the link tests share: a main window that records what the transfer did to it, and a
// fixture with the scripted services (their fake serial port included) and the program's
// default data.
#include "merrowedit/data/History.h"
#include "merrowedit/data/ParameterFile.h"
#include "merrowedit/data/Settings.h"
#include "merrowedit/data/UploadBlock.h"
#include "merrowedit/link/Link.h"
#include "merrowedit/link/TransferHost.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <array>


namespace linktest {

class RecordingHost final : public merrow::TransferHost {
public:
    RecordingHost()
    {
        for (int r = 0; r < 20; ++r)
            rows[r].num = QString::number(r + 1);
    }
    void setStatusLeft(const QString& text) override { left = text; leftHistory << text; }
    void setStatusRight(const QString& text) override { right = text; }
    void setProgressVisible(bool visible) override { progressVisible = visible; }
    void setProgressMaximum(int maximum) override { progressMaximum = maximum; }
    void setProgressValue(int value) override { progressValue = value; }
    void clearHistoryRow(int row) override
    {
        const QString num = rows.at(row).num;
        rows.at(row) = merrow::HistoryGridRow{};
        rows.at(row).num = num;
        ++clears;
    }
    void showHistoryRow(int row, const merrow::HistoryGridRow& texts) override { rows.at(row) = texts; }
    QString historyDate(int row) const override { return rows.at(row).date; }
    void setHistoryMenusEnabled(bool enabled) override { menusEnabled = enabled; }
    void setHistoryGroupChecked(int group) override { checkedGroup = group; }
    void setBusyPointer(bool busy) override { busyPointer = busy; }
    void setCommandsLocked(bool locked) override
    {
        commandsLocked = locked;
        if (locked)
            ++locks;
    }

    QString left, right;
    QStringList leftHistory;
    bool progressVisible = false;
    int progressMaximum = 0;
    int progressValue = 0;
    std::array<merrow::HistoryGridRow, 20> rows;
    int clears = 0;
    bool menusEnabled = false;
    int checkedGroup = -1;
    bool busyPointer = false;
    bool commandsLocked = false;
    int locks = 0;
};

// The receiver's side of a transfer, scripted per test: answers "Z", then takes the 512 uploaded
// bytes and answers them with the reply block.
struct ScriptedReceiver {
    bool answerConnect = true;
    QByteArray connectAnswer = QByteArray(1, 0x06);
    bool answerUpload = true;
    QByteArray uploadAnswer = QByteArray(1, 0x06);
    qint64 uploadDelayMs = 0;
    QByteArray reply;
    qint64 replyDelayMs = 0;

    void operator()(platform::doubles::FakeSerialPort& port, const QByteArray& bytes)
    {
        for (char c : bytes) {
            if (inBlock) {
                if (++blockBytes == 512) {
                    inBlock = false;
                    if (answerUpload) {
                        port.deliver(uploadAnswer, uploadDelayMs);
                        port.deliver(reply, replyDelayMs);
                    }
                }
                continue;
            }
            if (c == 'Z' && answerConnect) {
                port.deliver(connectAnswer);
                inBlock = true;
                blockBytes = 0;
            }
        }
    }
    bool inBlock = false;
    int blockBytes = 0;
};

// Program state as after a first start: default settings, default parameter data, port 1.
inline void loadDefaults()
{
    merrow::resetSettings();
    merrow::LoadRegistrySettings();
    merrow::resetParameterData();
    merrow::SetDefaultData();
    merrow::resetNvImage();
    merrow::resetHistory();
    merrow::resetLink();
    merrow::DstInEffect = false;
}

class LinkFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        loadDefaults();
        merrow::Timeouts().alignUploadToSecond = false;
        merrow::Timeouts().preUploadYields = 0;
    }
    void TearDown() override { merrow::resetLink(); }

    platform::doubles::ScriptedServices s;
    platform::doubles::FakeSerialPort& port = s.serialPort;
};

// The reply block a receiver sends: records, their checksum in byte 1279, version, final byte.
QByteArray replyBlock(const QByteArray& records, const QByteArray& version = "123", char last = 0x06,
                      int checksumError = 0);
// 32-byte record from its text, padded with blanks.
QByteArray record(const char* text);
// Records 0..39: the given ones first, the rest empty.
QByteArray records(const QList<QByteArray>& kept);

} // namespace linktest
