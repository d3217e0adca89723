#include "merrowedit/windows/frmFIPS.h"

#include "merrowedit/data/Messages.h"
#include "merrowedit/data/ParameterFile.h"
#include "merrowedit/data/Settings.h"
#include "merrowedit/data/StateFiles.h"
#include "merrowedit/data/UploadBlock.h"
#include "merrowedit/windows/ImageList.h"
#include "merrowedit/windows/frmEnterFIP.h"
#include "merrowedit/windows/frmFIPEdit.h"
#include "platform/Services.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace merrow {
namespace {

void showListError(const QString& text)
{
    platform::msgBox(text, platform::MsgButtons::OK, platform::MsgIcon::Exclamation, kProductTitle);
}

QLabel* boxedLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(220);
    return label;
}

} // namespace

frmFIPS::frmFIPS(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Merrow FIPS Codes"));
    setModal(true);

    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    lstFips = new QListWidget(this);
    lstFips->setFont(fixed);
    lstFips->setMinimumSize(460, 260);

    // Column captions over the list, placed at the entry's columns (1, 9 and 32).
    auto* columns = new QWidget(this);
    auto* columnRow = new QHBoxLayout(columns);
    columnRow->setContentsMargins(28, 0, 0, 0);
    const QFontMetrics metrics(fixed);
    const char* captions[3] = {"FIP Code", "County", "State / Territories"};
    const int widths[3] = {8, 23, 0};
    for (int i = 0; i < 3; ++i) {
        auto* caption = new QLabel(QString::fromLatin1(captions[i]), columns);
        // A caption wider than its column in the window's font moves the next one on, so that
        // "FIP Code" and "County" never run together.
        if (widths[i] > 0)
            caption->setFixedWidth(std::max(metrics.horizontalAdvance(QString(widths[i], u'M')),
                                            caption->fontMetrics().horizontalAdvance(caption->text()) +
                                                caption->fontMetrics().horizontalAdvance(u' ')));
        columnRow->addWidget(caption, widths[i] > 0 ? 0 : 1);
    }
    columnRow->setSpacing(0);

    auto* modify = new QGroupBox(QStringLiteral("Modify Listing"), this);
    cmdAdd = new QPushButton(QStringLiteral("Add"), modify);
    cmdCopy = new QPushButton(QStringLiteral("Copy"), modify);
    cmdEdit = new QPushButton(QStringLiteral("Edit"), modify);
    cmdRemove = new QPushButton(QStringLiteral("Remove"), modify);
    auto* modifyLayout = new QVBoxLayout(modify);
    for (QPushButton* b : {cmdAdd, cmdCopy, cmdEdit, cmdRemove})
        modifyLayout->addWidget(b);

    cmdSelect = new QPushButton(QStringLiteral("Select State / Transmitter City"), this);
    // Blinks beside the picker's button while the list is empty.
    shpMarker = new QLabel(QStringLiteral("\u25C0"), this);
    shpMarker->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    shpMarker->setHidden(true);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    picture = new QLabel(this);

    lblState = boxedLabel(this);
    lblTransmitter = boxedLabel(this);
    lblTransmitter->setFont(fixed);
    auto* choice = new QGridLayout;
    choice->addWidget(new QLabel(QStringLiteral("State"), this), 0, 0);
    choice->addWidget(lblState, 0, 1);
    choice->addWidget(new QLabel(QStringLiteral("Transmitter Location / Frequency"), this), 1, 0);
    choice->addWidget(lblTransmitter, 1, 1);
    choice->setColumnStretch(1, 1);

    static const char* const instructions[4] = {
        "1.  Choose the state and transmitter city first with the \"Select State\" button.",
        "2.  Click the checkbox within the above windows for the counties you want to receive alerts.",
        "3.  Counties that are not in the database can be added with the \"Add\" button.",
        "4.  To edit or delete an entry, select it first, then click \"Edit\" or \"Remove\"."};
    auto* info = new QVBoxLayout;
    for (const char* line : instructions)
        info->addWidget(new QLabel(QString::fromLatin1(line), this));

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(columns);
    listColumn->addWidget(lstFips, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(modify);
    side->addStretch(1);
    side->addWidget(picture);
    auto* top = new QHBoxLayout;
    top->addLayout(listColumn, 1);
    top->addLayout(side);
    auto* selectRow = new QHBoxLayout;
    selectRow->addWidget(cmdSelect);
    selectRow->addWidget(shpMarker);
    selectRow->addStretch(1);
    selectRow->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(choice);
    layout->addLayout(selectRow);
    layout->addLayout(info);

    tmrBlink = new QTimer(this);
    tmrBlink->setInterval(kBlinkMs);
    connect(tmrBlink, &QTimer::timeout, this, &frmFIPS::tmrBlink_Timer);
    connect(cmdAdd, &QPushButton::clicked, this, &frmFIPS::cmdAdd_Click);
    connect(cmdCopy, &QPushButton::clicked, this, &frmFIPS::cmdCopy_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &frmFIPS::cmdEdit_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &frmFIPS::cmdRemove_Click);
    connect(cmdSelect, &QPushButton::clicked, this, &frmFIPS::cmdSelect_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmFIPS::cmdOK_Click);

    picker = new frmEnterFIP(this);
    connect(picker, &frmEnterFIP::transmitterChosen, this, &frmFIPS::ShowTransmitterChoice);
}

frmFIPS::~frmFIPS() = default;

void frmFIPS::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);   // centres the window over the main window at its first opening
    if (!event->spontaneous()) {
        // Later openings show it where it was: placed again, a re-shown window lands a title bar
        // lower under some window managers.
        setAttribute(Qt::WA_Moved);
        // Each opening starts from the stored entries: what a window left without OK changed was
        // never stored, so it must not show either.
        FillFipsList();
        opened_ = {true, StateID, FrequencyListingFilter, TransmitterLocation, lblState->text(), lblTransmitter->text()};
    }
    tmrBlink->start();
    Form_Activate();
}

void frmFIPS::done(int result)
{
    // The transmitter goes with its counties: without OK they are not stored, so neither is the
    // transmitter (nor the state and filter it was found with), or a saving exit would name a
    // transmitter whose counties the receiver never got.
    if (result != QDialog::Accepted && opened_.taken)
        restorePickerChoice();
    opened_.taken = false;
    QDialog::done(result);
}

void frmFIPS::restorePickerChoice()
{
    const bool listChanged = StateID != opened_.state || FrequencyListingFilter != opened_.filter;
    const bool transmitterChanged = TransmitterLocation != opened_.transmitter;
    StateID = opened_.state;
    FrequencyListingFilter = opened_.filter;
    TransmitterLocation = opened_.transmitter;
    lblState->setText(opened_.stateLabel);
    lblTransmitter->setText(opened_.transmitterLabel);
    if (listChanged) {
        picker->cmbState->setCurrentIndex(StateID);
        picker->cmbLimit->setCurrentIndex(FrequencyListingFilter);
        picker->LoadStateTransmitters(StateID);
    }
    if (listChanged || transmitterChanged) {
        picker->lstCounty->clearSelection();
        picker->SelectStoredCounties();
    }
}

void frmFIPS::hideEvent(QHideEvent* event)
{
    tmrBlink->stop();
    QDialog::hideEvent(event);
}

void frmFIPS::Form_Activate()
{
    picture->setPixmap(ImageList1(2));
    cmdOK->setFocus();
}

void frmFIPS::addItem(const QString& text, bool selected)
{
    auto* item = new QListWidgetItem(text, lstFips);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(selected ? Qt::Checked : Qt::Unchecked);
}

std::vector<FipsListItem> frmFIPS::items() const
{
    std::vector<FipsListItem> list;
    for (int i = 0; i < lstFips->count(); ++i)
        list.push_back({lstFips->item(i)->text(), lstFips->item(i)->checkState() == Qt::Checked});
    return list;
}

int frmFIPS::selectedCount() const
{
    int n = 0;
    for (int i = 0; i < lstFips->count(); ++i)
        if (lstFips->item(i)->checkState() == Qt::Checked)
            ++n;
    return n;
}

void frmFIPS::FillFipsList()
{
    lstFips->clear();
    for (const FipsListItem& item : merrow::FillFipsList())
        addItem(item.text, item.selected);
}

void frmFIPS::ShowTransmitterChoice(const QString& state, const QString& transmitter)
{
    lblState->setText(state);
    lblTransmitter->setText(transmitter);
    StoreFipsForTransmitter(transmitter);
}

void frmFIPS::StoreFipsForTransmitter(const QString& transmitterKey)
{
    lstFips->clear();
    const CountiesOfTransmitter counties = CountiesFor(transmitterKey);
    for (const QString& text : counties.items)
        addItem(text, false);
    if (counties.readFailed)
        platform::beep();
    if (counties.cutAtLimit)
        showListError(QStringLiteral(" Error, This transmitter covers more than 99 counties. \r\n"
                                     " Only the first 99 are listed. "));
}

bool frmFIPS::refuseWhenFull()
{
    if (lstFips->count() < kCountyListLimit)
        return false;
    showListError(QStringLiteral(" Error, The FIP list is full: it holds at most 99 counties. "));
    return true;
}

bool frmFIPS::runEditor(int mode, int index, const QString& caption)
{
    const QListWidgetItem* current = lstFips->currentItem();
    FipEditEntry = current ? current->text() : QString();
    FipEditMode = mode;
    FipEditIndex = index;
    frmFIPEdit editor(this);
    editor.Frame1->setTitle(caption);
    return editor.exec() == QDialog::Accepted;
}

void frmFIPS::cmdAdd_Click()
{
    if (refuseWhenFull())
        return;
    if (runEditor(kFipEditAdd, lstFips->count(), QStringLiteral(" Add new FIP code entry ")))
        addItem(FipEditResult, false);
}

void frmFIPS::cmdEdit_Click()
{
    QListWidgetItem* current = lstFips->currentItem();
    if (!current)
        return;
    if (runEditor(kFipEditEdit, lstFips->row(current), QStringLiteral(" Edit FIP code entry ")))
        lstFips->item(FipEditIndex)->setText(FipEditResult);
}

void frmFIPS::cmdCopy_Click()
{
    const QListWidgetItem* current = lstFips->currentItem();
    if (!current || refuseWhenFull())
        return;
    addItem(current->text(), false);
}

void frmFIPS::cmdRemove_Click()
{
    QListWidgetItem* current = lstFips->currentItem();
    if (!current)
        return;
    const QString text = QStringLiteral("Are you sure you want to remove FIP county:\r\n") +
                         current->text().left(28).trimmed();
    if (platform::msgBox(text, platform::MsgButtons::YesNo, platform::MsgIcon::Question,
                         QStringLiteral("Merrow FIP Edit"), platform::MsgDefault::First) == platform::MsgResult::Yes)
        delete current;
}

void frmFIPS::cmdSelect_Click()
{
    picker->exec();
}

void frmFIPS::tmrBlink_Timer()
{
    if (lstFips->count() > 0)
        shpMarker->setHidden(true);
    else
        shpMarker->setHidden(!shpMarker->isHidden());
}

platform::MsgResult frmFIPS::ConfirmExitWithoutFips(int /*mode*/)
{
    return platform::msgBox(QStringLiteral(" Error, No FIP Counties have been Selected\r\n Do you still want to Exit?"),
                            platform::MsgButtons::YesNo, platform::MsgIcon::Exclamation, kProductTitle,
                            platform::MsgDefault::First);
}

void frmFIPS::cmdOK_Click()
{
    if (selectedCount() > kMaxSelectedCounties) {
        platform::beep();
        ShowErrorMessage(kErrTooManyFipCodes);
        return;
    }
    StoreCountyList(items());
    if (selectedCount() > 0 || ConfirmExitWithoutFips(1) == platform::MsgResult::Yes)
        accept();
}

void LoadCountyWindows(frmFIPS& window)
{
    frmEnterFIP& picker = *window.picker;
    picker.FillStateCombo();
    picker.FillFrequencyCombo();
    // Shown only: the handlers listen to a user's choice, so nothing is loaded or cleared here.
    picker.cmbLimit->setCurrentIndex(FrequencyListingFilter);
    picker.cmbState->setCurrentIndex(StateID);
    window.lblState->setText(picker.cmbState->currentText());
    window.lblTransmitter->setText(TransmitterLocation);
    picker.LoadStateTransmitters(StateID);
    picker.SelectStoredCounties();
    window.FillFipsList();
}

} // namespace merrow
