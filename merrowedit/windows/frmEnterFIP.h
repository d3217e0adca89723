#pragma once
// The transmitter picker: a state, a frequency filter and one transmitter of that state; the
// transmitter's counties then replace the county window's list. Created once and hidden.
#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace merrow {

class frmFIPS;

class frmEnterFIP : public QDialog {
    Q_OBJECT

public:
    frmEnterFIP(frmFIPS* counties, QWidget* parent = nullptr);

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
    // Selects each transmitter whose text is that of a county entry. Entries are county lines and
    // the items transmitter keys, so in practice none is: OK without a choice then asks for one
    // instead of replacing the county list and its ticks.
    void SelectStoredCounties();
    bool StoreFips();

    void Form_Activate();
    void cmbState_Click();
    void cmbLimit_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    frmFIPS* counties_;
};

} // namespace merrow
