#include "merrowedit/windows/frmIdent.h"

#include "merrowedit/data/Messages.h"
#include "merrowedit/data/Settings.h"
#include "merrowedit/windows/ImageList.h"
#include "platform/Services.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace merrow {
namespace {

const char* const kFrame = " Station Identification ";

bool allowed(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

QChar raised(QChar c)
{
    return c >= QLatin1Char('a') && c <= QLatin1Char('z') ? QChar(c.unicode() - 'a' + 'A') : c;
}

} // namespace

QString FilterStationId(const QString& text)
{
    QString out;
    for (const QChar c : text) {
        const QChar r = raised(c);
        if (allowed(r) && out.size() < kStationIdMax)
            out += r;
    }
    return out;
}

const FlagControls& frmIdent::Controls()
{
    static const FlagControls rows{
        {kFrame, "chkID", 0, "Append station identification after weather alert announcements", "NV8007",
         "GiveStationID"},
        {kFrame, "chkID", 1, "Preceed identification with voice words \"This Is\".", "NV8007", "AppendThisIs"},
        {kFrame, "chkID", 2, "After identification say voice word \"Repeater\"", "NV8007", "AppendRepeater"},
        {kFrame, "chkID", 3, "After identification say voice word \"Transmitter\"", "NV8007", "AppendTransmitter"},
    };
    return rows;
}

frmIdent::frmIdent(QWidget* parent) : SettingDialog(parent)
{
    setWindowTitle(QStringLiteral(" Station Identification"));
    setModal(true);

    for (const FlagControl& row : Controls())
        widgets_.push_back(CreateFlagControl(row, this));
    // Box 0 switches the frame on and off, so it sits just outside it: inside a disabled frame it
    // could never be ticked again.
    frame = new QGroupBox(QString::fromLatin1(kFrame), this);
    lblText[0] = new QLabel(QStringLiteral("Station Identification Call Letters"), frame);
    txtIdent = new QLineEdit(frame);
    txtIdent->setObjectName(QStringLiteral("txtIdent"));
    txtIdent->setMaxLength(kStationIdMax);
    cmdErase = new QPushButton(QStringLiteral("Clear"), frame);
    lblText[1] = new QLabel(QStringLiteral("Valid Characters are  A-Z,  0-9    Fifteen (15) characters maximum."),
                            frame);
    auto* entry = new QHBoxLayout;
    entry->addWidget(txtIdent, 1);
    entry->addWidget(cmdErase);
    auto* inner = new QVBoxLayout(frame);
    for (std::size_t i = 1; i < widgets_.size(); ++i) {
        widgets_[i]->setParent(frame);
        inner->addWidget(widgets_[i]);
    }
    inner->addWidget(lblText[0]);
    inner->addLayout(entry);
    inner->addWidget(lblText[1]);

    picture = new QLabel(this);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdOK->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(picture);
    bottom->addStretch(1);
    bottom->addWidget(cmdOK);
    bottom->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(widgets_[0]);
    layout->addWidget(frame);
    layout->addLayout(bottom);

    txtIdent->installEventFilter(this);
    connect(txtIdent, &QLineEdit::textChanged, this, &frmIdent::txtIdent_Changed);
    connect(widgets_[0], &QAbstractButton::toggled, this, &frmIdent::UpdateEnabled);
    connect(cmdErase, &QPushButton::clicked, this, &frmIdent::cmdErase_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmIdent::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QAbstractButton* frmIdent::chkID(int index) const
{
    return FindControl(Controls(), widgets_, "chkID", index);
}

void frmIdent::UpdateEnabled()
{
    const bool on = chkID(0)->isChecked();
    for (int i = 1; i < 4; ++i)
        chkID(i)->setEnabled(on);
    txtIdent->setEnabled(on);
    cmdErase->setEnabled(on);
    lblText[0]->setEnabled(on);
    lblText[1]->setEnabled(on);
    frame->setEnabled(on);
}

bool frmIdent::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtIdent && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        // Editing keys and shortcuts (Backspace, arrows, Ctrl+V, ...) pass; pasted text is
        // filtered once it is in the box.
        const bool typedCharacter = text.size() == 1 && text[0] >= QLatin1Char(' ') && text[0] != QChar(0x7F)
                                    && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (typedCharacter) {
            const QChar c = raised(text[0]);
            if (!allowed(c)) {
                platform::beep();
                return true;
            }
            if (c != text[0]) {
                txtIdent->insert(QString(c));
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmIdent::txtIdent_Changed(const QString& text)
{
    if (filtering_)
        return;
    const QString filtered = FilterStationId(text);
    if (filtered == text)
        return;
    const bool dropped = filtered.size() < text.size();
    const int cursor = static_cast<int>(FilterStationId(text.left(txtIdent->cursorPosition())).size());
    filtering_ = true;
    txtIdent->setText(filtered);
    txtIdent->setCursorPosition(cursor);
    filtering_ = false;
    if (dropped && activated())
        platform::beep();
}

void frmIdent::cmdErase_Click()
{
    if (txtIdent->text().isEmpty())
        platform::beep();
    else
        txtIdent->clear();
    txtIdent->setFocus();
}

void frmIdent::cmdOK_Click()
{
    const bool give = chkID(0)->isChecked();
    if (give && txtIdent->text().isEmpty()) {
        platform::msgBox(QStringLiteral("Error..No Identification Entered"), platform::MsgButtons::OK,
                         platform::MsgIcon::Exclamation, kProductTitle);
        return;
    }
    SaveCheckBoxes(Controls(), widgets_);
    // Without an identification the text it had is kept for another time.
    if (give)
        UserStationID = txtIdent->text();
    accept();
}

void frmIdent::Form_Activate()
{
    picture->setPixmap(ImageList1(7));
    LoadCheckBoxes(Controls(), widgets_);
    // A stored identification that holds characters the receiver cannot take shows filtered.
    txtIdent->setText(FilterStationId(UserStationID));
    UpdateEnabled();
}

} // namespace merrow
