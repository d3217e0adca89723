#include "merrowedit/windows/frmEnterFIP.h"

#include "merrowedit/data/Messages.h"
#include "merrowedit/data/Settings.h"
#include "merrowedit/data/StateFiles.h"
#include "merrowedit/windows/ImageList.h"
#include "platform/Services.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace merrow {

frmEnterFIP::frmEnterFIP(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Merrow State / Transmitter Entry"));
    setModal(true);

    cmbState = new QComboBox(this);
    cmbLimit = new QComboBox(this);
    lstCounty = new QListWidget(this);
    lstCounty->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    lstCounty->setSelectionMode(QAbstractItemView::SingleSelection);
    // Alphabetical by location, so a transmitter is found by its name whatever county it serves first.
    lstCounty->setSortingEnabled(true);
    lstCounty->setMinimumSize(320, 200);

    static const char* const instructions[4] = {
        "1.  Select the state which is were the weather transmitter is located you will be monitoring.",
        "2.  Select the frequency of the weather transmitter you will be monitoring.",
        "3.  Within the list box, highlite by clicking on the city were the weather transmitter is located.",
        "4.  Review the above steps then click on OK when you are satisfied with your selections."};
    auto* info = new QVBoxLayout;
    for (std::size_t i = 0; i < lblInstruction.size(); ++i) {
        lblInstruction[i] = new QLabel(QString::fromLatin1(instructions[i]), this);
        lblInstruction[i]->setWordWrap(true);
        info->addWidget(lblInstruction[i]);
    }

    QHBoxLayout* buttons = PictureOkCancelRow(this, picture, cmdOK, cmdCancel);

    auto* choices = new QGridLayout;
    choices->addWidget(new QLabel(QStringLiteral("State - Territories"), this), 0, 0);
    choices->addWidget(cmbState, 1, 0);
    choices->addWidget(new QLabel(QStringLiteral("Frequency"), this), 0, 1);
    choices->addWidget(cmbLimit, 1, 1);
    choices->addWidget(new QLabel(QStringLiteral("Transmitter Location"), this), 2, 0, 1, 2);
    choices->addWidget(lstCounty, 3, 0, 1, 2);
    choices->setColumnStretch(0, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addLayout(info);
    layout->addLayout(buttons);

    // activated: only a user's choice runs the handlers, never a choice set by the program.
    connect(cmbState, &QComboBox::activated, this, &frmEnterFIP::cmbState_Click);
    connect(cmbLimit, &QComboBox::activated, this, &frmEnterFIP::cmbLimit_Click);
    connect(lstCounty, &QListWidget::itemDoubleClicked, this, &frmEnterFIP::cmdOK_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmEnterFIP::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmEnterFIP::cmdCancel_Click);
    cmbState->installEventFilter(this);
    cmbLimit->installEventFilter(this);
}

void frmEnterFIP::FillStateCombo()
{
    cmbState->clear();
    for (int i = 0; i < kStateCount; ++i)
        cmbState->addItem(StateListText(i), i);
}

void frmEnterFIP::FillFrequencyCombo()
{
    cmbLimit->clear();
    for (int i = 0; i < kFrequencyCount; ++i)
        cmbLimit->addItem(FrequencyListText(i), i);
}

bool frmEnterFIP::LoadStateTransmitters(int stateIndex)
{
    StateFileLines.clear();
    lstCounty->clear();
    if (!ReadStateFile(stateIndex, StateFileLines)) {
        platform::msgBox(QStringLiteral("Error, State File  %1  is missing").arg(GetStateFileName(stateIndex)),
                         platform::MsgButtons::OK, platform::MsgIcon::None, kProductTitle);
        return false;
    }
    lstCounty->addItems(TransmittersOf(StateFileLines, FrequencyListingFilter));
    return true;
}

void frmEnterFIP::SelectStoredCounties()
{
    // The list holds transmitter keys, so the saved transmitter key is what can match.
    const QString saved = TransmitterLocation.trimmed();
    if (saved.isEmpty())
        return;
    for (int i = 0; i < lstCounty->count(); ++i) {
        QListWidgetItem* item = lstCounty->item(i);
        if (item->text().trimmed().compare(saved, Qt::CaseInsensitive) == 0) {
            lstCounty->setCurrentItem(item);
            item->setSelected(true);
            return;
        }
    }
}

bool frmEnterFIP::StoreFips()
{
    const QList<QListWidgetItem*> chosen = lstCounty->selectedItems();
    if (chosen.isEmpty())
        return false;
    // The county entries stay as they are: only the county window's OK rebuilds them.
    StateFileLines.clear();
    TransmitterLocation = chosen.first()->text();
    emit transmitterChosen(cmbState->currentText(), TransmitterLocation);
    return true;
}

void frmEnterFIP::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);   // centres the window over the county window at its first opening
    // Later openings show it where it was: placed again, a re-shown window lands a title bar lower
    // under some window managers.
    if (!event->spontaneous())
        setAttribute(Qt::WA_Moved);
    Form_Activate();
}

void frmEnterFIP::Form_Activate()
{
    picture->setPixmap(ImageList1(2));
    cmdCancel->setFocus();
}

void frmEnterFIP::cmbState_Click()
{
    StateFileLines.clear();
    lstCounty->clear();
    StateID = static_cast<std::int16_t>(cmbState->currentIndex());
    LoadStateTransmitters(StateID);
}

void frmEnterFIP::cmbLimit_Click()
{
    FrequencyListingFilter = static_cast<std::int16_t>(cmbLimit->currentIndex());
    LoadStateTransmitters(StateID);
}

void frmEnterFIP::cmdOK_Click()
{
    if (StoreFips()) {
        accept();
        return;
    }
    platform::beep();
    ShowErrorMessage(kErrNoTransmitterLocation);
}

void frmEnterFIP::cmdCancel_Click()
{
    reject();
}

bool frmEnterFIP::eventFilter(QObject* watched, QEvent* event)
{
    // Typing into a state or frequency box only beeps; the arrow keys still move through it.
    if ((watched == cmbState || watched == cmbLimit) && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->text().isEmpty() && key->text().at(0).isPrint()) {
            platform::beep();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace merrow
