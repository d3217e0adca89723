#include "merrowedit/windows/frmEvent.h"

#include "merrowedit/data/Messages.h"
#include "merrowedit/data/ParameterFile.h"
#include "merrowedit/windows/ImageList.h"
#include "platform/Services.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace merrow {
namespace {

constexpr int kOldSevereThunderstormBox = 40;   // SVR
constexpr int kOldTornadoBox = 41;              // TOR

// Boxes in the order their codes are stored: the pairs, the misc. events, then the old codes.
constexpr int kStoreOrder[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
                               21, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 40, 41};

QString codeOf(int box)
{
    return QString::fromLatin1(EventBoxes()[static_cast<std::size_t>(box)].code);
}

} // namespace

frmEvent::frmEvent(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral(" Merrow Event Codes"));
    setModal(true);

    for (int i = 0; i < kEventBoxCount; ++i) {
        const EventBox& box = EventBoxes()[static_cast<std::size_t>(i)];
        chkEvent[static_cast<std::size_t>(i)] = new QCheckBox(QString::fromLatin1(box.caption), this);
        chkEvent[static_cast<std::size_t>(i)]->setVisible(box.code[0] != '\0' || box.frame[0] != '\0');
    }

    // Watch/warning pairs, four frames to a row.
    auto* pairs = new QGridLayout;
    for (int pair = 0; pair < 12; ++pair) {
        auto* frame = new QGroupBox(QString::fromLatin1(EventBoxes()[static_cast<std::size_t>(2 * pair)].frame), this);
        auto* inner = new QVBoxLayout(frame);
        inner->addWidget(chkEvent[static_cast<std::size_t>(2 * pair)]);
        inner->addWidget(chkEvent[static_cast<std::size_t>(2 * pair + 1)]);
        pairs->addWidget(frame, pair / 4, pair % 4);
    }

    auto* miscEvents = new QGroupBox(QStringLiteral("Misc. Events"), this);
    auto* miscWarnings = new QGroupBox(QStringLiteral("Misc. Warnings"), this);
    auto* eventsLayout = new QVBoxLayout(miscEvents);
    auto* warningsLayout = new QGridLayout(miscWarnings);
    int warningCount = 0;
    for (int i = 24; i < kEventBoxCount; ++i) {
        const EventBox& box = EventBoxes()[static_cast<std::size_t>(i)];
        QCheckBox* chk = chkEvent[static_cast<std::size_t>(i)];
        if (QLatin1String(box.frame) == QLatin1String("Misc. Events"))
            eventsLayout->addWidget(chk);
        else if (QLatin1String(box.frame) == QLatin1String("Misc. Warnings")) {
            warningsLayout->addWidget(chk, warningCount % 6, warningCount / 6);
            ++warningCount;
        }
    }
    eventsLayout->addStretch(1);

    picture = new QLabel(this);
    lblCount = new QLabel(QStringLiteral("Events Selected (Max 24)  = "), this);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);

    auto* misc = new QHBoxLayout;
    misc->addWidget(miscEvents);
    misc->addWidget(miscWarnings, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(picture);
    bottom->addWidget(lblCount, 1);
    bottom->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pairs);
    layout->addLayout(misc);
    layout->addLayout(bottom);

    for (int i = 0; i < kEventBoxCount; ++i)
        connect(chkEvent[static_cast<std::size_t>(i)], &QCheckBox::toggled, this, [this, i] { chkEvent_Click(i); });
    connect(cmdOK, &QPushButton::clicked, this, &frmEvent::cmdOK_Click);

    GetEvents();
}

bool frmEvent::MatchOk(const QString& code)
{
    for (int i = 0; i < kEventCodesInFile; ++i)
        if (EventCodes[static_cast<std::size_t>(i)] == code)
            return true;
    return false;
}

bool frmEvent::MatchEvent(int box) const
{
    const QString code = codeOf(box);
    return !code.isEmpty() && MatchOk(code);
}

void frmEvent::GetEvents()
{
    for (int i = 0; i < kEventBoxCount; ++i)
        chkEvent[static_cast<std::size_t>(i)]->setChecked(MatchEvent(i));
}

void frmEvent::StoreEvents()
{
    for (int i = 0; i < kEventCodesInFile; ++i)
        EventCodes[static_cast<std::size_t>(i)].clear();
    std::size_t slot = 0;
    for (const int box : kStoreOrder) {
        if (!chkEvent[static_cast<std::size_t>(box)]->isChecked())
            continue;
        if (slot >= static_cast<std::size_t>(kEventCodesInFile))
            break;   // never more than the file holds
        EventCodes[slot++] = codeOf(box);
    }
}

int frmEvent::tickedCount() const
{
    int n = 0;
    for (const QCheckBox* chk : chkEvent)
        if (chk->isChecked())
            ++n;
    return n;
}

void frmEvent::chkEvent_Click(int box)
{
    const int n = tickedCount();
    lblCount->setText(QStringLiteral("Events Selected = %1   (Max 24)").arg(n));
    if (n > kMaxSelectedEvents) {
        // Clearing it comes back here and shows the count of 24 again.
        chkEvent[static_cast<std::size_t>(box)]->setChecked(false);
        platform::beep();
    }
}

platform::MsgResult frmEvent::ConfirmOldEventCodes()
{
    const QString text = QStringLiteral(" Some NOAA weather transmitters are still using \r\n"
                                        " the older Severe Thunderstorm Warning and \r\n"
                                        " Tornado Warning Events. It is advisable that you \r\n"
                                        " check these two boxes unless you have verified \r\n"
                                        " with your local NOAA office that they are not \r\n"
                                        " using the older event codes. \r\n"
                                        "\r\n"
                                        " Do you still want to exit the Events window? \r\n"
                                        "\r\n");
    return platform::msgBox(text, platform::MsgButtons::YesNo, platform::MsgIcon::Exclamation, kProductTitle,
                            platform::MsgDefault::First);
}

void frmEvent::cmdOK_Click()
{
    if (!chkEvent[kOldSevereThunderstormBox]->isChecked() || !chkEvent[kOldTornadoBox]->isChecked()) {
        if (ConfirmOldEventCodes() == platform::MsgResult::No)
            return;
    }
    StoreEvents();
    accept();
}

void frmEvent::Form_Activate()
{
    picture->setPixmap(ImageList1(3));
    cmdOK->setFocus();
}

void frmEvent::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

} // namespace merrow
