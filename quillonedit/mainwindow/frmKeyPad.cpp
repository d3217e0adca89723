#include "quillonedit/mainwindow/frmKeyPad.h"

#include "platform/Services.h"
#include "platform/widgets/FieldStyle.h"
#include "platform/widgets/Windows.h"
#include "quillonedit/mainwindow/Help.h"
#include "quillonedit/mainwindow/KeyPadRules.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QtMath>

namespace quillon {

KeyPadRequestState& keyPadRequest()
{
    static KeyPadRequestState state;
    return state;
}

void resetKeyPadRequest() { keyPadRequest() = KeyPadRequestState{}; }

namespace {

// The small star drawn on the * key.
QIcon starIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double radius = (i % 2 == 0) ? 7.5 : 3.2;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF p(8 + radius * std::cos(angle), 8 + radius * std::sin(angle));
        if (i == 0)
            star.moveTo(p);
        else
            star.lineTo(p);
    }
    star.closeSubpath();
    painter.fillPath(star, QColor(200, 150, 0));
    return QIcon(pixmap);
}

QLabel* whiteLabel(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    platform::widgets::StyleFieldLabel(label, platform::widgets::FieldLook::Shown);
    label->setMinimumHeight(26);
    return label;
}

} // namespace

frmKeyPad::frmKeyPad(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmKeyPad"));
    setWindowTitle(QString());
    setWindowModality(Qt::ApplicationModal);

    lblHeading = whiteLabel(this, QStringLiteral("lblHeading"));
    lblHeading->setAlignment(Qt::AlignCenter);
    lblDisplay = whiteLabel(this, QStringLiteral("lblDisplay"));
    QFont big = lblDisplay->font();
    big.setPointSize(big.pointSize() + 4);
    lblDisplay->setFont(big);

    cmdOne = characterKey('1', QStringLiteral("cmdOne"));
    cmdTwo = characterKey('2', QStringLiteral("cmdTwo"));
    cmdThree = characterKey('3', QStringLiteral("cmdThree"));
    cmdFour = characterKey('4', QStringLiteral("cmdFour"));
    cmdFive = characterKey('5', QStringLiteral("cmdFive"));
    cmdSix = characterKey('6', QStringLiteral("cmdSix"));
    cmdSeven = characterKey('7', QStringLiteral("cmdSeven"));
    cmdEight = characterKey('8', QStringLiteral("cmdEight"));
    cmdNine = characterKey('9', QStringLiteral("cmdNine"));
    cmdZero = characterKey('0', QStringLiteral("cmdZero"));
    cmdA = characterKey('A', QStringLiteral("cmdA"));
    cmdB = characterKey('B', QStringLiteral("cmdB"));
    cmdC = characterKey('C', QStringLiteral("cmdC"));
    cmdD = characterKey('D', QStringLiteral("cmdD"));
    cmdStar = characterKey('*', QStringLiteral("cmdStar"));
    cmdStar->setIcon(starIcon());
    cmdPound = characterKey('#', QStringLiteral("cmdPound"));

    auto command = [this](const QString& caption, const QString& name, void (frmKeyPad::*handler)()) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        connect(button, &QPushButton::clicked, this, handler);
        return button;
    };
    cmdOK = command(QStringLiteral("OK"), QStringLiteral("cmdOK"), &frmKeyPad::cmdOK_Click);
    cmdCancel = command(QStringLiteral("Cancel"), QStringLiteral("cmdCancel"), &frmKeyPad::cmdCancel_Click);
    cmdClear = command(QStringLiteral("Clear"), QStringLiteral("cmdClear"), &frmKeyPad::cmdClear_Click);
    cmdDelay = command(QStringLiteral("Delay"), QStringLiteral("cmdDelay"), &frmKeyPad::cmdDelay_Click);
    cmdOK->setDefault(true);

    // Telephone order: 1 2 3 A / 4 5 6 B / 7 8 9 C / * 0 # D, heading above, display below,
    // OK, Cancel, Clear and Delay in a column to the right.
    auto* grid = new QGridLayout(this);
    grid->addWidget(lblHeading, 0, 0, 1, 4);
    const std::array<std::array<QPushButton*, 4>, 4> pad{{{cmdOne, cmdTwo, cmdThree, cmdA},
                                                          {cmdFour, cmdFive, cmdSix, cmdB},
                                                          {cmdSeven, cmdEight, cmdNine, cmdC},
                                                          {cmdStar, cmdZero, cmdPound, cmdD}}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            grid->addWidget(pad[r][c], r + 1, c);
    grid->addWidget(lblDisplay, 5, 0, 1, 4);
    grid->addWidget(cmdOK, 1, 5);
    grid->addWidget(cmdCancel, 2, 5);
    grid->addWidget(cmdClear, 3, 5);
    grid->addWidget(cmdDelay, 4, 5);
    grid->setColumnMinimumWidth(4, 12);
    // The keypad keeps one size: a key a mode leaves out keeps its place empty, and the window
    // cannot be dragged smaller or larger than its keys.
    for (QPushButton* key : {cmdA, cmdB, cmdC, cmdD, cmdStar, cmdPound, cmdDelay}) {
        QSizePolicy policy = key->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        key->setSizePolicy(policy);
    }
    grid->setSizeConstraint(QLayout::SetFixedSize);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &frmKeyPad::Timer1_Timer);

    AttachHelpKey(this, kHelpKeyPad);
}

QPushButton* frmKeyPad::characterKey(QChar c, const QString& name)
{
    auto* button = new QPushButton(QString(c), this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setMinimumSize(44, 34);
    connect(button, &QPushButton::clicked, this, [this, c] { CharacterKey_Click(c); });
    return button;
}

void frmKeyPad::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void frmKeyPad::Form_Activate()
{
    KeysArmed = false;
    FirstKey = true;
    Timer1->start(ArmingIntervalMs);
    LastWasDelay = false;
    EntryAccepted = false;

    const KeyPadRequestState& request = keyPadRequest();
    if (const std::optional<KeyPadKeySet> keys = KeyPadKeysForMode(request.KeyPadMode)) {
        cmdA->setVisible(keys->a);
        cmdB->setVisible(keys->b);
        cmdC->setVisible(keys->c);
        cmdD->setVisible(keys->d);
        cmdStar->setVisible(keys->star);
        cmdPound->setVisible(keys->pound);
        cmdDelay->setVisible(keys->delay);
    }
    lblHeading->setText(request.KeyPadHeading);
    lblDisplay->setText(request.KeyPadInitial);
    OriginalText = request.KeyPadInitial;
    cmdOK->setFocus();
}

void frmKeyPad::Timer1_Timer() { KeysArmed = true; }

void frmKeyPad::CharacterKey_Click(QChar c)
{
    if (!KeysArmed)
        return;
    if (FirstKey) {
        lblDisplay->setText(QString(c));
        FirstKey = false;
    } else if (lblDisplay->text().size() < keyPadRequest().KeyPadMaxLen) {
        lblDisplay->setText(lblDisplay->text() + c);
    } else {
        platform::beep();
    }
    LastWasDelay = false;
}

void frmKeyPad::cmdDelay_Click()
{
    if (!KeysArmed)
        return;
    if (FirstKey) {
        lblDisplay->setText(QStringLiteral(","));
        FirstKey = false;
        LastWasDelay = true;
    } else if (LastWasDelay) {
        platform::msgBox(QStringLiteral("Error, One delay entry only."), platform::MsgButtons::OK,
                         platform::MsgIcon::Exclamation, QStringLiteral("Autopatch Delay"));
    } else if (lblDisplay->text().size() < keyPadRequest().KeyPadMaxLen) {
        lblDisplay->setText(lblDisplay->text() + ',');
        LastWasDelay = true;
    }
}

void frmKeyPad::cmdClear_Click()
{
    if (KeysArmed)
        lblDisplay->clear();
}

void frmKeyPad::cmdCancel_Click()
{
    if (!KeysArmed)
        return;
    lblDisplay->setText(OriginalText);
    finish(false);
}

void frmKeyPad::cmdOK_Click()
{
    if (!KeysArmed)
        return;
    const QString entry = lblDisplay->text();
    if (!entry.isEmpty()) {
        const KeyPadVerdict verdict = KeyPadCheckEntry(keyPadRequest().KeyPadCheck, entry);
        if (!verdict.pass) {
            if (!verdict.message.isEmpty())
                platform::msgBox(verdict.message, platform::MsgButtons::OK, platform::MsgIcon::Exclamation, verdict.title);
            return;
        }
    }
    finish(true);
}

void frmKeyPad::reject()
{
    if (!isVisible())
        return;
    lblDisplay->setText(OriginalText);
    finish(false);
}

void frmKeyPad::finish(bool accepted)
{
    EntryAccepted = accepted;
    Timer1->stop();
    QDialog::done(accepted ? QDialog::Accepted : QDialog::Rejected);
}

KeyPadDialogService::KeyPadDialogService() = default;
KeyPadDialogService::~KeyPadDialogService() = default;

KeyPadResult KeyPadDialogService::GetKeyPadEntry(const KeyPadRequest& request)
{
    KeyPadRequestState& state = keyPadRequest();
    state.KeyPadMode = request.mode;
    state.KeyPadMaxLen = request.maxLen;
    state.KeyPadHeading = request.heading;
    state.KeyPadInitial = request.initial;
    state.KeyPadCheck = request.check;
    if (!dialog_) {
        dialog_ = std::make_unique<frmKeyPad>();
        dialog_->adjustSize();
        platform::widgets::CentreWindow(*dialog_);
    }
    dialog_->exec();
    return {dialog_->lblDisplay->text(), dialog_->EntryAccepted};
}

} // namespace quillon
