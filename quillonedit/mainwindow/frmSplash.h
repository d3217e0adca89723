#pragma once
// The window shown while the editor starts and again as its About box; Tag tells the two apart.
#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace platform::widgets {
class ClickLabel;
}

namespace quillon {


class frmSplash final : public QDialog {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

    // "0": the splash of start-up (no buttons, busy pointer); any other number: the About box.
    QString Tag = QStringLiteral("0");

    void Form_Activate();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void Form_KeyDown(int keyCode, Qt::KeyboardModifiers shift);
    void Form_KeyUp(int keyCode, Qt::KeyboardModifiers shift);
    void Image1_Click();

    QLabel* Label1 = nullptr;
    std::array<QLabel*, 6> Label2{};
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    platform::widgets::ClickLabel* Image1 = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;

    int LastKeyCode = 0;
    bool CtrlHeld = false;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The programs tried, in this order, as the system information tool.

// Starts the first system information program found on the machine, or says that there is none.
void StartSysInfo();

} // namespace quillon
