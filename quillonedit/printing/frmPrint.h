#pragma once
// "Print Driver": the user ticks any of the 20 print jobs and prints them in one run. The dialog
// is kept between showings; every showing starts with all boxes clear.
#include "quillonedit/printing/PrintJobs.h"

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

namespace quillon {

class frmPrint : public QDialog {
    Q_OBJECT
public:
    struct FontSetting {
        QString name;
        QString size;
    };
    // fontSetting is asked at every run, so a changed printer font takes effect at once.
    explicit frmPrint(std::function<FontSetting()> fontSetting, QWidget* parent = nullptr);

    void Form_Activate();
    void chkPrint_Click(int index);
    void Timer1_Timer();
    void cmdOK_Click();
    void cmdPrint_Click();

    bool AnyJobSelected = false;
    bool JobButtonBlink = false;
    bool running() const { return running_; }

    std::array<QCheckBox*, kPrintJobCount> chkPrint{};
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdOK = nullptr;
    QLabel* lblAction = nullptr;
    // Why the last run failed, under the status text; empty and hidden otherwise.
    QLabel* lblReason = nullptr;
    QLabel* Image1 = nullptr;
    QTimer* Timer1 = nullptr;
    QGroupBox *Frame1 = nullptr, *Frame2 = nullptr, *Frame3 = nullptr, *Frame4 = nullptr, *Frame5 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void setRunning(bool on);
    // Shows why a run failed below the status text, the dialog growing to hold it.
    void showReason(const QString& why);

    std::function<FontSetting()> fontSetting_;
    bool running_ = false;
    bool centred_ = false;
    double twips_ = 1.0 / 15.0;   // pixels per twip
    int baseHeight_ = 0;
};

} // namespace quillon
