#pragma once
// Small window helpers shared by the main window and its own dialogs.
#include <QLabel>

class QWidget;

namespace quillon {

// Centres a window on the screen it will show on (integer halves, like every window of the editor).
void CentreWindow(QWidget& window);

// Minimises a window; the main window does this as it closes.
void Win95Shrival(QWidget& window);

// A label that reports clicks (the about box's logo).
class ClickableLabel final : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace quillon
