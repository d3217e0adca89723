#include "platform/widgets/ClickLabel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace platform::widgets {

QCursor PointerCursor()
{
    // A white hand with its index finger pointing up, outlined in black; the tip is the hot spot.
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    hand.moveTo(11, 1);
    hand.lineTo(14, 1);
    hand.lineTo(15, 3);
    hand.lineTo(15, 12);
    hand.lineTo(18, 11);
    hand.lineTo(20, 12);
    hand.lineTo(21, 13);
    hand.lineTo(23, 13);
    hand.lineTo(25, 15);
    hand.lineTo(27, 15);
    hand.lineTo(29, 17);
    hand.lineTo(29, 24);
    hand.lineTo(26, 30);
    hand.lineTo(14, 30);
    hand.lineTo(6, 21);
    hand.lineTo(5, 18);
    hand.lineTo(7, 17);
    hand.lineTo(10, 19);
    hand.lineTo(10, 3);
    hand.closeSubpath();
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    // Knuckle lines between the folded fingers.
    p.drawLine(QPointF(15, 12), QPointF(15, 19));
    p.drawLine(QPointF(20, 12), QPointF(20, 19));
    p.drawLine(QPointF(25, 15), QPointF(25, 20));
    p.end();
    return QCursor(picture, 12, 1);
}

ClickLabel::ClickLabel(QWidget* parent) : ClickLabel(QString(), parent) {}

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setCursor(PointerCursor());
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked(event->modifiers());
}

} // namespace platform::widgets
