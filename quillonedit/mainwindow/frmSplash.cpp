#include "quillonedit/mainwindow/frmSplash.h"

#include "platform/Services.h"
#include "quillonedit/mainwindow/Help.h"
#include "platform/widgets/ClickLabel.h"
#include "platform/widgets/Windows.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace quillon {
namespace {

const QString kNotice = QStringLiteral("Copyright (c) ");

QPixmap logo()
{
    QPixmap pixmap(72, 72);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(20, 60, 140));
    p.setPen(QPen(QColor(200, 160, 40), 3));
    p.drawEllipse(QRectF(4, 4, 64, 64));
    QFont f = p.font();
    f.setPixelSize(40);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(4, 4, 64, 64), Qt::AlignCenter, QStringLiteral("Q"));
    return pixmap;
}

} // namespace

frmSplash::frmSplash(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("About Quillon Editor"));

    Image1 = new platform::widgets::ClickLabel(this);
    Image1->unsetCursor();   // the logo keeps the ordinary pointer
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(logo());
    connect(Image1, &platform::widgets::ClickLabel::clicked, this, &frmSplash::Image1_Click);

    const std::array<QString, 6> texts = {
        QStringLiteral("Configuration editor"),
        QStringLiteral("for the Quillon repeater controller"),
        QStringLiteral("Quillon 32 Bit Editor Program"),
        kNotice,
        QStringLiteral("Projects are kept as eight pages, .001 to .008"),
        QStringLiteral("Press F1 in any window for help"),
    };
    for (std::size_t i = 0; i < Label2.size(); ++i) {
        Label2[i] = new QLabel(texts[i], this);
        Label2[i]->setObjectName(QStringLiteral("Label2_%1").arg(i));
    }
    QFont title = Label2[2]->font();
    title.setPointSize(title.pointSize() + 5);
    title.setBold(true);
    Label2[2]->setFont(title);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label3 = new QLabel(QStringLiteral("Written with care for the repeater operators who keep the lights on."), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label4 = new QLabel(QStringLiteral("Thanks to everyone who tested the early versions."), this);
    Label4->setObjectName(QStringLiteral("Label4"));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmSplash::cmdOK_Click);
    cmdSysInfo = new QPushButton(QStringLiteral("System Info"), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setAutoDefault(false);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmSplash::cmdSysInfo_Click);

    auto* Frame1 = new QFrame(this);
    Frame1->setFrameShape(QFrame::Box);
    auto* text = new QVBoxLayout;
    text->addWidget(Label2[2]);
    text->addWidget(Label1);
    text->addWidget(Label2[0]);
    text->addWidget(Label2[1]);
    auto* Line1 = new QFrame(this);
    Line1->setFrameShape(QFrame::HLine);
    text->addWidget(Line1);
    text->addWidget(Label2[4]);
    text->addWidget(Label2[5]);
    text->addWidget(Label2[3]);
    text->addWidget(Label3);
    text->addWidget(Label4);
    auto* top = new QHBoxLayout(Frame1);
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addLayout(text, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(Frame1);
    outer->addLayout(buttons);
    // As every dialog, never dragged smaller than its texts nor larger.
    outer->setSizeConstraint(QLayout::SetFixedSize);

    // Key preview: the window sees keys before whichever control has the focus.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    AttachHelpKey(this, 0);
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (event->type() == QEvent::KeyPress)
            Form_KeyDown(key->key(), key->modifiers());
        else
            Form_KeyUp(key->key(), key->modifiers());
    }
    return QDialog::eventFilter(watched, event);
}

void frmSplash::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        Form_Activate();
        // Its role shows some of its texts and buttons and hides others: it takes the size they
        // need (the frame round its texts first, then the window round the frame), centred again,
        // and keeps it.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        layout()->activate();
        platform::widgets::CentreWindow(*this);
    }
}

void frmSplash::Form_Activate()
{
    const QDateTime now = platform::services().clock->now();
    if (Tag.toInt() == 0) {
        cmdOK->hide();
        cmdSysInfo->hide();
        setCursor(Qt::WaitCursor);
    } else {
        unsetCursor();
        cmdOK->show();
        cmdSysInfo->show();
        cmdOK->setFocus();
    }
    Label3->hide();
    Label4->hide();
    Label2[3]->setText(kNotice + QString::number(now.date().year()));
    Label1->setText(QStringLiteral("Version 2.12    February 9, 2005"));
}

void frmSplash::cmdOK_Click() { accept(); }

void frmSplash::cmdSysInfo_Click() { StartSysInfo(); }

void frmSplash::Form_KeyDown(int keyCode, Qt::KeyboardModifiers shift)
{
    LastKeyCode = keyCode;
    CtrlHeld = shift.testFlag(Qt::ControlModifier);
}

void frmSplash::Form_KeyUp(int, Qt::KeyboardModifiers shift) { CtrlHeld = shift.testFlag(Qt::ControlModifier); }

void frmSplash::Image1_Click()
{
    if (CtrlHeld && LastKeyCode == Qt::Key_A) {
        Label3->show();
        Label4->show();
        platform::beep();
    }
}

void StartSysInfo()
{
    if (platform::startSystemInformation())
        return;
    platform::msgBox(QStringLiteral("System Information Is Unavailable At This Time"), platform::MsgButtons::OK,
                     platform::MsgIcon::None, QStringLiteral("quillonedit"));
}

} // namespace quillon
