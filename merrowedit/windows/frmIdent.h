#pragma once
// The station identification window: the call letters the receiver speaks after its alert
// announcements and the four identification flags of NV byte 0x8007.
#include "merrowedit/windows/FlagControls.h"
#include "merrowedit/windows/SettingDialog.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace merrow {

inline constexpr int kStationIdMax = 15;

// The identification as the upload block can carry it: letters raised to capitals, anything but
// A-Z and 0-9 dropped, at most 15 characters.
QString FilterStationId(const QString& text);

class frmIdent : public SettingDialog {
    Q_OBJECT

public:
    explicit frmIdent(QWidget* parent = nullptr);

    static const FlagControls& Controls();

    QAbstractButton* chkID(int index) const;
    QGroupBox* frame = nullptr;
    QLineEdit* txtIdent = nullptr;
    QPushButton* cmdErase = nullptr;
    std::array<QLabel*, 2> lblText{};
    QLabel* picture = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    void UpdateEnabled();
    void cmdErase_Click();
    void cmdOK_Click();
    void Form_Activate() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void txtIdent_Changed(const QString& text);

    std::vector<QAbstractButton*> widgets_;
    bool filtering_ = false;
};

} // namespace merrow
