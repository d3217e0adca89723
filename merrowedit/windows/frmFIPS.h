#pragma once
// The county window: the checkable county list whose ticked entries (at most 24) the receiver
// accepts alerts for, its Add/Copy/Edit/Remove, and the way to the transmitter picker. Created
// once and hidden between uses; each opening shows the stored entries (FipEntries), which only
// OK changes. Left without OK, it also puts back the state, frequency filter and transmitter the
// picker had when the window opened.
#include "merrowedit/data/ParameterFile.h"
#include "platform/MessageBox.h"

#include <QDialog>

#include <cstdint>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace merrow {

class frmEnterFIP;
class frmFIPEdit;

inline constexpr int kBlinkMs = 800;

class frmFIPS : public QDialog {
    Q_OBJECT

public:
    explicit frmFIPS(QWidget* parent = nullptr);
    ~frmFIPS() override;

    QListWidget* lstFips = nullptr;
    QLabel* lblState = nullptr;
    QLabel* lblTransmitter = nullptr;
    QLabel* picture = nullptr;
    QLabel* shpMarker = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdEdit = nullptr;
    QPushButton* cmdRemove = nullptr;
    QPushButton* cmdSelect = nullptr;
    QPushButton* cmdOK = nullptr;
    QTimer* tmrBlink = nullptr;
    frmEnterFIP* picker = nullptr;   // created with this window, hidden between uses

    void Form_Activate();
    void cmdAdd_Click();
    void cmdCopy_Click();
    void cmdEdit_Click();
    void cmdRemove_Click();
    void cmdSelect_Click();
    void cmdOK_Click();
    void tmrBlink_Timer();
    platform::MsgResult ConfirmExitWithoutFips(int mode);

    // The list from FipEntries (start-up).
    void FillFipsList();
    // The list replaced by every county the transmitter covers, all unticked.
    void StoreFipsForTransmitter(const QString& transmitterKey);
    // The picker's choice: its state and transmitter in the labels, its counties in the list.
    void ShowTransmitterChoice(const QString& state, const QString& transmitter);

    void addItem(const QString& text, bool selected);
    std::vector<FipsListItem> items() const;
    int selectedCount() const;

    // OK (Accepted) keeps the picker's choices; any other way out puts them back.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Shows the editor for an add or an edit; true when it was confirmed.
    bool runEditor(int mode, int index, const QString& caption);
    bool refuseWhenFull();
    void restorePickerChoice();

    // The picker's choice when the window opened.
    struct PickerChoice {
        bool taken = false;   // the window is open
        std::int16_t state = 0;
        std::int16_t filter = 0;
        QString transmitter;
        QString stateLabel;
        QString transmitterLabel;
    };
    PickerChoice opened_;
};

// Start-up: the picker's lists filled and set to the saved choices (without running their
// handlers), the county window's labels, the saved state's transmitters, the county list.
void LoadCountyWindows(frmFIPS& window);

} // namespace merrow
