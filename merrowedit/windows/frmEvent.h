#pragma once
// The event window: one check box per SAME event, at most 24 ticked, stored into EventCodes.
#include "merrowedit/data/EventTable.h"
#include "platform/MessageBox.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;

namespace merrow {

class frmEvent : public QDialog {
    Q_OBJECT

public:
    explicit frmEvent(QWidget* parent = nullptr);

    std::array<QCheckBox*, kEventBoxCount> chkEvent{};
    QLabel* lblCount = nullptr;
    QLabel* picture = nullptr;
    QPushButton* cmdOK = nullptr;

    void GetEvents();
    void StoreEvents();
    bool MatchEvent(int box) const;
    static bool MatchOk(const QString& code);
    platform::MsgResult ConfirmOldEventCodes();

    void chkEvent_Click(int box);
    void cmdOK_Click();
    void Form_Activate();

    int tickedCount() const;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace merrow
