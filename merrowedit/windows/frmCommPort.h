#pragma once
// The setup window: serial port number, time zone and daylight saving of history times, and the
// search for the port the receiver answers on.
#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace merrow {

class TransferHost;

class frmCommPort : public QDialog {
    Q_OBJECT
public:
    // host receives the status text of a successful port test; may be null.
    explicit frmCommPort(TransferHost* host = nullptr, QWidget* parent = nullptr);

    // The picture shown beside the settings (the main window's first toolbar image).
    void setPicture(const QPixmap& picture);

    void LoadCombos();
    void GetSettings();
    void SaveSettings();
    void cmdTest_Click();
    void cmdOk_Click();

    std::array<QRadioButton*, 4> optCommPort{};
    QComboBox* cmbTimeZone = nullptr;
    QCheckBox* chkAdjustTime = nullptr;
    QPushButton* cmdTest = nullptr;
    QPushButton* cmdOk = nullptr;
    QLabel* Image1 = nullptr;

    bool testRunning() const { return testing_; }

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    TransferHost* host_;
    QButtonGroup* ports_ = nullptr;
    bool testing_ = false;
};

} // namespace merrow
