#pragma once
// The service window that shows the receiver's raw and NV dumps and saves them with a listing of
// every setting. Opened modal after MakeContact() succeeded; the port stays open until Exit.
#include <QDialog>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace merrow {

class frmDataDump : public QDialog {
    Q_OBJECT
public:
    explicit frmDataDump(QWidget* parent = nullptr);

    // Asks the receiver for dump mode; true when the window may open.
    static bool MakeContact();

    void cmdNVData_Click();
    void cmdRawData_Click();
    void cmdClear_Click();
    void cmdSaveWindow_Click();
    void cmdExit_Click();

    // The collected text exactly as received and formatted (CR LF line ends).
    QString text() const { return text1_; }
    bool dumpRunning() const { return dumping_; }

    QGroupBox* Frame1 = nullptr;
    QPushButton* cmdNVData = nullptr;
    QPushButton* cmdRawData = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdSaveWindow = nullptr;
    QPushButton* cmdExit = nullptr;
    QPlainTextEdit* Text1 = nullptr;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void setText(const QString& text);
    void append(const QString& text);
    void setButtonsEnabled(bool enabled);
    // Starts a dump unless one runs or the window is going: buttons off, the command sent, the
    // banner shown. False when no dump was started.
    bool startDump(char command, const QString& banner);
    // Runs after a dump: a close asked for during it is carried out now.
    void finishDump();
    void leave();

    QString text1_;
    bool dumping_ = false;
    bool closeRequested_ = false;
    bool left_ = false;
};

} // namespace merrow
