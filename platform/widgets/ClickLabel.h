#pragma once
// A label that reacts to a left click (press and release inside it) and shows our pointing-hand
// pointer. The click carries the keyboard modifiers held at its release, so a caller can tell a
// plain click from one with Ctrl held.
#include <QCursor>
#include <QLabel>

namespace platform::widgets {

// Our own pointing-hand pointer for clickable fields.
QCursor PointerCursor();

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked(Qt::KeyboardModifiers modifiers);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace platform::widgets
