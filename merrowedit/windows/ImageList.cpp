#include "merrowedit/windows/ImageList.h"

#include "platform/widgets/Windows.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include <initializer_list>

namespace merrow {
namespace {

constexpr int kImageSize = 32;

// A coloured tile with a short legend: plain, but each button is told apart at a glance.
QPixmap tile(const QColor& colour, const QString& legend)
{
    QPixmap pm(kImageSize, kImageSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour.darker(160), 1.5));
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(1.5, 1.5, kImageSize - 3, kImageSize - 3), 5, 5);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(legend.size() > 2 ? 10 : 14);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, kImageSize, kImageSize), Qt::AlignCenter, legend);
    return pm;
}

// A plain tile with white round-ended strokes drawn over it.
QPixmap strokedTile(const QColor& colour, qreal width, std::initializer_list<QLineF> strokes)
{
    QPixmap pm = tile(colour, QString());
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap));
    for (const QLineF& stroke : strokes)
        p.drawLine(stroke);
    return pm;
}

QPixmap transferImage()
{
    // An arrow out above an arrow back.
    return strokedTile(QColor(0x2e, 0x7d, 0x32), 2.5,
                       {QLineF(8, 11, 24, 11), QLineF(19, 6, 24, 11), QLineF(8, 21, 24, 21), QLineF(8, 21, 13, 26)});
}

QPixmap printImage()
{
    QPixmap pm = tile(QColor(0x45, 0x5a, 0x64), QString());
    QPainter p(&pm);
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(10, 6, 12, 8));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 14, 20, 9));
    p.setBrush(QColor(0x45, 0x5a, 0x64));
    p.drawRect(QRectF(10, 20, 12, 6));
    return pm;
}

QPixmap exitImage()
{
    return strokedTile(QColor(0xc6, 0x28, 0x28), 3, {QLineF(10, 10, 22, 22), QLineF(22, 10, 10, 22)});
}

QPixmap timerImage()
{
    QPixmap pm = tile(QColor(0x6a, 0x1b, 0x9a), QString());
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(16, 16), 9, 9);
    p.drawLine(QPointF(16, 16), QPointF(16, 10));
    p.drawLine(QPointF(16, 16), QPointF(20, 18));
    return pm;
}

QPixmap speakerImage()
{
    // A loudspeaker sounding: the picture shown while a test message plays.
    QPixmap pm = tile(QColor(0x00, 0x89, 0x7b), QString());
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(6, 12), QPointF(11, 12), QPointF(17, 7), QPointF(17, 25), QPointF(11, 20),
                             QPointF(6, 20)}));
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(14, 10, 8, 12), -60 * 16, 120 * 16);
    p.drawArc(QRectF(14, 6, 14, 20), -60 * 16, 120 * 16);
    return pm;
}

// The rear terminal strip with terminal `pin` (1..3) lit and numbered: which input or output a
// tab of the inputs and outputs window is about.
QPixmap terminalImage(int pin)
{
    QPixmap pm = tile(QColor(0x5d, 0x40, 0x37), QString());
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(QColor(0x3e, 0x27, 0x23));
    p.drawRect(QRectF(4, 17, 24, 10));
    for (int i = 0; i < 3; ++i) {
        p.setBrush(i + 1 == pin ? QColor(0xff, 0xca, 0x28) : QColor(0xbc, 0xaa, 0xa4));
        p.drawEllipse(QPointF(8.5 + i * 7.5, 22), 2.6, 2.6);
    }
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(12);
    p.setFont(f);
    p.setPen(QColor(0xff, 0xca, 0x28));
    p.drawText(QRectF(0, 2, kImageSize, 14), Qt::AlignCenter, QString::number(pin));
    return pm;
}

} // namespace

QPixmap ImageList1(int index)
{
    switch (index) {
    case 1: return tile(QColor(0x15, 0x65, 0xc0), QStringLiteral("COM"));    // Setup
    case 2: return tile(QColor(0x00, 0x83, 0x8f), QStringLiteral("FIP"));    // FIP Codes
    case 3: return tile(QColor(0xef, 0x6c, 0x00), QStringLiteral("EVT"));    // Event Codes
    case 4: return tile(QColor(0x55, 0x8b, 0x2f), QStringLiteral("OPT"));    // Options
    case 5: return timerImage();                                              // Timers
    case 6: return tile(QColor(0x4e, 0x34, 0x2e), QStringLiteral("I/O"));    // Inputs
    case 7: return tile(QColor(0x28, 0x35, 0x93), QStringLiteral("ID"));     // Identification
    case 8: return tile(QColor(0x37, 0x47, 0x4f), QStringLiteral("232"));    // RS232
    case 9: return transferImage();                                           // Transfer Data
    case 10: return printImage();                                             // Print History
    case 11: return tile(QColor(0x00, 0x69, 0x5c), QStringLiteral("?"));     // Help
    case 12: return exitImage();                                              // Exit
    case 13: return speakerImage();                                           // test message sounding
    case 14: return terminalImage(1);                                         // input or output 1
    case 15: return terminalImage(2);                                         // input or output 2
    case 16: return terminalImage(3);                                         // output 3
    default: return {};
    }
}

QIcon ProgramIcon()
{
    // The drawing of data/icons/merrowedit.svg, which the desktop entry shows (a storm cloud with a
    // lightning bolt over the receiver's alert light), in its 64 x 64 units: drawn here because the
    // program reads no SVG.
    QPainterPath cloud(QPointF(16, 36));
    cloud.quadTo(8, 36, 8, 28);
    cloud.quadTo(8, 20, 17, 20);
    cloud.quadTo(19, 10, 30, 10);
    cloud.quadTo(40, 10, 43, 18);
    cloud.quadTo(56, 17, 56, 28);
    cloud.quadTo(56, 36, 48, 36);
    cloud.closeSubpath();
    const QPolygonF bolt({{33, 30}, {24, 44}, {31, 44}, {27, 56}, {40, 40}, {33, 40}, {37, 30}});

    return platform::widgets::DrawnIcon([&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2d, 0x3e, 0x50));
        p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
        p.setBrush(QColor(0xd9, 0xde, 0xe4));
        p.drawPath(cloud);
        p.setPen(QPen(QColor(0xb3, 0x8f, 0x00), 1, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.setBrush(QColor(0xff, 0xcc, 0x00));
        p.drawPolygon(bolt);
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(QColor(0xe5, 0x39, 0x35));
        p.drawEllipse(QPointF(50, 50), 7, 7);
        p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(50, 46), QPointF(50, 51));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(50, 54), 1.2, 1.2);
    });
}

QPixmap ReceiverPicture()
{
    QPixmap pm(240, 120);
    pm.fill(QColor(0xec, 0xef, 0xf1));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // Cabinet, front panel with display, speaker grille and antenna.
    p.setPen(QPen(QColor(0x26, 0x32, 0x38), 2));
    p.setBrush(QColor(0x37, 0x47, 0x4f));
    p.drawRoundedRect(QRectF(20, 40, 200, 66), 8, 8);
    p.drawLine(QPointF(190, 40), QPointF(205, 8));
    p.setBrush(QColor(0x81, 0xc7, 0x84));
    p.drawRect(QRectF(34, 54, 90, 22));
    p.setPen(QColor(0x1b, 0x5e, 0x20));
    QFont f = p.font();
    f.setPixelSize(13);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(34, 54, 90, 22), Qt::AlignCenter, QStringLiteral("162.550"));
    p.setPen(QPen(QColor(0xb0, 0xbe, 0xc5), 2));
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(140 + i * 12, 52), QPointF(140 + i * 12, 94));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe5, 0x39, 0x35));
    p.drawEllipse(QPointF(44, 92), 5, 5);
    return pm;
}

QHBoxLayout* PictureOkCancelRow(QWidget* owner, QLabel*& picture, QPushButton*& ok, QPushButton*& cancel)
{
    picture = new QLabel(owner);
    ok = new QPushButton(QStringLiteral("OK"), owner);
    cancel = new QPushButton(QStringLiteral("Cancel"), owner);
    auto* row = new QHBoxLayout;
    row->addWidget(picture);
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

} // namespace merrow
