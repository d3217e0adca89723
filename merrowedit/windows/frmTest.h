#pragma once
// The test message window: each button plays one recorded SAME message through the sound output
// (header three times, half a minute of beeps, end of message three times), for a receiver fed
// from the computer's audio.
#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace merrow {

inline const QString kTestTempFile = QStringLiteral("X__TEMP.WAV");

class frmTest : public QDialog {
    Q_OBJECT

public:
    explicit frmTest(QWidget* parent = nullptr);
    ~frmTest() override;

    QPushButton* cmdRWT = nullptr;
    QPushButton* cmdFFW = nullptr;
    QPushButton* cmdSVA = nullptr;
    QPushButton* cmdTOA = nullptr;
    std::array<QPushButton*, 4> cmdPacket{};   // the four above, in order
    std::array<QLabel*, 4> Label1{};
    QLabel* lblIdent = nullptr;
    QLabel* Picture1 = nullptr;
    QLabel* lblInfo = nullptr;
    QPushButton* cmdOK = nullptr;

    // Message button 1..4 (RWT, FFW, SVA, TOA): the whole message, buttons locked meanwhile.
    void cmdPacket_Click(int button);
    // Plays a recording count times with a second after each; false, with the reason reported
    // once per message, when the recording could not be written to the temporary file or a play
    // failed (the rest of the count is then skipped).
    bool PlayTestPacket(int resource, int count);
    void EndPacket();
    void DisableButtons(int button);
    void EnableButtons();
    void Form_Activate();

    bool messagePlaying() const { return playing_; }

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void setFaceRed(QPushButton* button, bool red);
    void reportFailure(const QString& text);

    bool playing_ = false;
    bool failureReported_ = false;
};

} // namespace merrow
