#pragma once
// The start-up tip (the receiver's transmitter database needs updates from the maker's web site)
// and opening the maker's web pages in the user's browser.
#include <QDialog>

class QAction;
class QCheckBox;
class QLabel;
class QPushButton;

namespace merrow {

class frmTip : public QDialog {
    Q_OBJECT

public:
    // tipsMenu: the main window's "Show Tip at startup" item, whose check mark follows the setting.
    explicit frmTip(QAction* tipsMenu, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLabel* picture = nullptr;
    QLabel* lblTipText = nullptr;
    QCheckBox* chkLoadTipsAtStartup = nullptr;
    QPushButton* cmdOK = nullptr;

    // False when the tip is switched off: the window is then closed at once and never shows.
    bool Form_Load();
    void cmdOK_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QAction* tipsMenu_;
};

// The tip text, with the maker's web address in it.
QString TipText();

// Start-up: shows the tip (not modal) when ShowTipsAtStartup is set; the window deletes itself
// when closed. Returns it, or nullptr when the tip is off.
frmTip* ShowStartupTip(QAction* tipsMenu, QWidget* parent);

// Opens a web address in the user's default browser through the desktop; false when no browser
// could be started. A browser that fails to start only after the desktop's short wait is reported
// with message #500 when that becomes known.
bool OpenWebPage(const QString& address);

} // namespace merrow
