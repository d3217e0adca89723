#pragma once
// The transmitter picker: a state, a frequency filter and one transmitter of that state. It hands
// its choice back through transmitterChosen(); the county window then lists that transmitter's
// counties. Created once and hidden.
#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace merrow {

class frmEnterFIP : public QDialog {
    Q_OBJECT

public:
    explicit frmEnterFIP(QWidget* parent = nullptr);

    QComboBox* cmbState = nullptr;
    QComboBox* cmbLimit = nullptr;
    QListWidget* lstCounty = nullptr;   // the transmitters of the chosen state
    std::array<QLabel*, 4> lblInstruction{};
    QLabel* picture = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    void FillStateCombo();
    void FillFrequencyCombo();
    // Reads the state's file and lists its transmitters; false (with a message) when the file
    // cannot be read.
    bool LoadStateTransmitters(int stateIndex);
    // Highlights the saved transmitter (TransmitterLocation) when the list holds it, so the saved
    // choice shows when the picker opens.
    void SelectStoredCounties();
    // False when no transmitter is highlighted; otherwise TransmitterLocation is the chosen one and
    // transmitterChosen() has been sent.
    bool StoreFips();

    void Form_Activate();
    void cmbState_Click();
    void cmbLimit_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

signals:
    // The state list text and the transmitter key just chosen with OK.
    void transmitterChosen(const QString& state, const QString& transmitter);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace merrow
