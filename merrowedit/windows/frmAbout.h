#pragma once
// The About window: versions, System Info and, after a Ctrl key press on the main window,
// the Data Dump button.
#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

namespace merrow {

class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);

    std::function<bool()> MakeContact;          // contacts the receiver for a dump
    std::function<void()> ShowDataDumpWindow;   // the dump window, after a contact

    QLabel* picture = nullptr;
    QLabel* Label1 = nullptr;   // editor version
    QLabel* Label3 = nullptr;   // receiver firmware version
    QPushButton* cmdDump = nullptr;
    QPushButton* cmdSysInfo = nullptr;
    QPushButton* cmdOk = nullptr;

    void Form_Activate();
    void cmdDump_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace merrow
