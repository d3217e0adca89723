#include "quillonedit/editors/EditorCommon.h"

#include "platform/Services.h"
#include "platform/qt/QtServices.h"

#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace quillon {

QString HelpFilePath()
{
    return platform::programFolder() + QStringLiteral("/Help/Quillon.hlp");
}

bool ReportHelpShown(bool shown)
{
    if (!shown)
        platform::msgBox(QStringLiteral("Unable to open the help file ") + QDir::toNativeSeparators(HelpFilePath()),
                         platform::MsgButtons::OK, platform::MsgIcon::Exclamation, QStringLiteral("Quillon Help"));
    return shown;
}

bool ShowHelpTopic(int context)
{
    platform::HelpViewer* help = platform::services().help;
    if (!help)
        return false;
    const QString file = HelpFilePath();
    return ReportHelpShown(context > 0 ? help->showTopic(file, context) : help->showContents(file));
}

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

namespace {
QPixmap SwitchPicture(bool on)
{
    QImage picture(8, 16, QImage::Format_RGB32);
    const QRgb top = on ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    const QRgb bottom = on ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 8; ++x)
            picture.setPixel(x, y, y < 8 ? top : bottom);
    return QPixmap::fromImage(picture);
}
} // namespace

QPixmap SwitchOnPicture() { return SwitchPicture(true); }
QPixmap SwitchOffPicture() { return SwitchPicture(false); }

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
        emit clicked();
}

void StyleFieldLabel(QLabel* label, int minimumWidth)
{
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->setMinimumWidth(minimumWidth);
    label->setMinimumHeight(label->fontMetrics().height() + 6);
}

void AddFieldRow(QWidget* owner, QGridLayout* grid, int row, int column, const QString& captionText, int fieldWidth,
                 QLabel*& caption, ClickLabel*& field, const std::function<void()>& onClick)
{
    caption = new QLabel(captionText, owner);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field = new ClickLabel(owner);
    StyleFieldLabel(field, fieldWidth);
    QObject::connect(field, &ClickLabel::clicked, owner, onClick);
    grid->addWidget(caption, row, column);
    grid->addWidget(field, row, column + 1);
}

QHBoxLayout* OKButtonRow(QWidget* owner, QPushButton*& button, const std::function<void()>& onClick)
{
    button = new QPushButton(QStringLiteral("OK"), owner);
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, owner, onClick);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(button);
    return row;
}

void CentreOnScreen(QWidget* window)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size().expandedTo(window->sizeHint());
    window->move(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2);
}

EditorDialog::EditorDialog(QWidget* parent, CloseBox closeBox) : QDialog(parent), closeBox_(closeBox)
{
    if (closeBox_ == CloseBox::Refused) {
        // Offer no close box at all, and no help/context buttons in its place.
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    } else {
        setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    }
}

KeyPadResult EditorDialog::GetKeyPadEntry(const KeyPadRequest& request)
{
    return runChild([&] { return keyPad().GetKeyPadEntry(request); });
}

void EditorDialog::reject()
{
    // Esc and the close box both arrive here; the dialog's own buttons call closeFromOK/Cancel.
    switch (closeBox_) {
    case CloseBox::AsOK: QDialog::accept(); break;
    case CloseBox::AsCancel: QDialog::reject(); break;
    case CloseBox::Refused: break;
    case CloseBox::Destroys:
        QDialog::reject();
        deleteLater();   // once the modal loop that showed it has ended
        break;
    }
}

void EditorDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A spontaneous show comes from the window system (restored, another application left);
    // that is no activation of ours.
    if (event->spontaneous())
        return;
    if (!centred_) {
        adjustSize();
        CentreOnScreen(this);
        centred_ = true;
    }
    activate();
}

void EditorDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        ShowHelpTopic(helpContextID_);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void EditorDialog::activate()
{
    // Openers that showed the hourglass leave it to the dialog to put the pointer back.
    if (platform::services().desktop)
        platform::setWaitCursor(false);
    Form_Activate();
}

} // namespace quillon
