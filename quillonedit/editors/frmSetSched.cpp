#include "quillonedit/editors/frmSetSched.h"

#include "quillonedit/image/Codec.h"
#include "quillonedit/tables/Calendar.h"
#include "quillonedit/tables/CommandDecoder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillon {

namespace {
// The three keypad requests of this editor.
KeyPadRequest TimeRequest(const QString& shown)
{
    return {.mode = KeyPadKeys::Digits, .maxLen = 4, .heading = QStringLiteral("Enter Hours/Minutes"), .initial = shown,
            .check = KeyPadCheck::FourDigits};
}
KeyPadRequest MinutesRequest(const QString& shown)
{
    return {.mode = KeyPadKeys::Digits, .maxLen = 2, .heading = QStringLiteral("Enter minutes"), .initial = shown,
            .check = KeyPadCheck::TwoDigits};
}
KeyPadRequest CommandRequest(const QString& shown)
{
    return {.mode = KeyPadKeys::Digits, .maxLen = 4, .heading = QStringLiteral("Schedular Command"), .initial = shown,
            .check = KeyPadCheck::FourDigits};
}

enum Mode : int { kDaily, kWeekdaysOnly, kWeekendsOnly, kSelectWeekday, kSelectMonthDay };
} // namespace

frmSetSched::frmSetSched(int schedEntryOffset, const ScheduleStage& schedEntryStage, QWidget* parent)
    : EditorDialog(parent, CloseBox::AsCancel), schedEntryOffset_(schedEntryOffset), stage_(schedEntryStage)
{
    setObjectName(QStringLiteral("frmSetSched"));
    setHelpContextID(kSchedulerHelpContext);

    Frame1 = new QGroupBox(QStringLiteral("Scheduled Event"), this);
    const std::array<const char*, 5> modes = {"Daily", "Weekdays Only", "Weekends Only", "Select Weekday",
                                              "Select Month / Day"};
    auto* options = new QVBoxLayout;
    for (int i = 0; i < 5; ++i) {
        QRadioButton*& option = optWk[static_cast<std::size_t>(i)];
        option = new QRadioButton(QString::fromLatin1(modes[static_cast<std::size_t>(i)]), Frame1);
        options->addWidget(option);
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optWk_Click(i);
        });
        connect(option, &QRadioButton::clicked, this, [this] { scheduleTouched_ = true; });
    }
    cmbWk = new QComboBox(Frame1);
    cmbMonth = new QComboBox(Frame1);
    cmbMoDay = new QComboBox(Frame1);
    auto* lists = new QVBoxLayout;
    for (QComboBox* list : {cmbWk, cmbMonth, cmbMoDay}) {
        list->setMinimumWidth(120);
        list->setMaxVisibleItems(12);
        list->hide();
        lists->addWidget(list);
        connect(list, &QComboBox::activated, this, [this] { scheduleTouched_ = true; });
    }
    lists->addStretch();
    auto* frameLayout = new QHBoxLayout(Frame1);
    frameLayout->addLayout(options);
    frameLayout->addLayout(lists);

    const std::array<const char*, 3> headings = {"Scheduled Time", "Command", "Command Review"};
    for (std::size_t i = 0; i < lblA.size(); ++i)
        lblA[i] = new QLabel(QString::fromLatin1(headings[i]), this);
    lblTime = new ClickLabel(this);
    StyleFieldLabel(lblTime, 70);
    lblCmd = new ClickLabel(this);
    StyleFieldLabel(lblCmd, 70);
    lblReview = new QLabel(this);
    lblReview->setTextFormat(Qt::PlainText);
    lblReview->setFrameStyle(QFrame::Box | QFrame::Plain);
    lblReview->setMinimumWidth(260);
    chkHour = new QCheckBox(QStringLiteral("Every Hour"), this);
    chkErase = new QCheckBox(QStringLiteral("Erase(d) Location"), this);
    connect(lblTime, &ClickLabel::clicked, this, &frmSetSched::lblTime_Click);
    connect(lblCmd, &ClickLabel::clicked, this, &frmSetSched::lblCmd_Click);
    connect(chkHour, &QCheckBox::clicked, this, [this] { timeTouched_ = true; });
    connect(chkErase, &QCheckBox::toggled, this, &frmSetSched::chkErase_Click);
    connect(chkErase, &QCheckBox::clicked, this, [this] { scheduleTouched_ = true; });

    auto* fields = new QGridLayout;
    fields->addWidget(lblA[0], 0, 0);
    fields->addWidget(lblTime, 0, 1);
    fields->addWidget(chkHour, 0, 2, Qt::AlignLeft);
    fields->addWidget(lblA[1], 1, 0);
    fields->addWidget(lblCmd, 1, 1);
    fields->addWidget(lblA[2], 2, 0);
    fields->addWidget(lblReview, 2, 1, 1, 2);
    fields->setColumnStretch(2, 1);

    QHBoxLayout* buttons = OKButtonRow(this, cmdOK, [this] { cmdOK_Click(); });
    buttons->insertWidget(0, chkErase);
    buttons->insertSpacing(1, 120);   // room for the caption when only Erase and OK show

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    // Load: "Daily" first (WkMode is already 0, so the lists stay as they are), then the entry.
    optWk[kDaily]->setChecked(true);
    DisplaySched();
}

void frmSetSched::DisplaySched()
{
    FillCombos();
    if (stage_[kStageMonth] == 0) {
        for (QWidget* w : {static_cast<QWidget*>(lblA[0]), static_cast<QWidget*>(lblA[1]), static_cast<QWidget*>(chkHour),
                           static_cast<QWidget*>(Frame1), static_cast<QWidget*>(lblTime), static_cast<QWidget*>(lblCmd)})
            w->hide();
        selectMode(kDaily);
        chkErase->setChecked(true);   // its click procedure hides the rest
        return;
    }
    if (stage_[kStageMonth] == kScheduleWeekdayMonth) {
        selectMode(kSelectWeekday);
        cmbMonth->hide();
        cmbMoDay->hide();
        DisplayWeek();
    } else {
        selectMode(kSelectMonthDay);
        cmbWk->hide();
        cmbMonth->show();
        cmbMoDay->show();
        DisplayMonth();
        DisplayMonthDay();
    }
    DisplayTime();
    DisplayCommand();
    chkErase->setChecked(false);
}

void frmSetSched::FillCombos()
{
    cmbWk->clear();
    cmbMonth->clear();
    cmbMoDay->clear();
    for (const QString& day : DayNames())
        cmbWk->addItem(day);
    for (int i = 0; i < 12; ++i)
        cmbMonth->addItem(MonthNames()[static_cast<std::size_t>(i)]);
    for (int i = 0; i < 31; ++i)
        cmbMoDay->addItem(DayOfMonthTexts()[static_cast<std::size_t>(i)]);
    for (QComboBox* list : {cmbWk, cmbMonth, cmbMoDay})
        list->setCurrentIndex(-1);   // filled, nothing chosen yet
}

void frmSetSched::DisplayMonth()
{
    const int position = MonthCodeIndex(stage_[kStageMonth]);
    if (position >= 0)
        cmbMonth->setCurrentIndex(position);
}

void frmSetSched::DisplayMonthDay()
{
    const int position = DayOfMonthCodeIndex(stage_[kStageDay]);
    if (position >= 0)
        cmbMoDay->setCurrentIndex(position);
}

void frmSetSched::DisplayWeek()
{
    const std::uint8_t code = stage_[kStageWeekday];
    if (code == 0) {
        selectMode(kDaily);
        cmbWk->hide();
    } else if (code <= 7) {
        selectMode(kSelectWeekday);
        cmbWk->show();
        cmbWk->setCurrentIndex(code - 1);
    } else if (code == 8) {
        selectMode(kWeekdaysOnly);
        cmbWk->hide();
    } else if (code == 9) {
        selectMode(kWeekendsOnly);
        cmbWk->hide();
    }
}

void frmSetSched::DisplayTime()
{
    if (stage_[kStageHour] == kScheduleEveryHour) {
        lblTime->setText(CommandByteText(stage_[kStageMinute]));
        chkHour->setChecked(true);
    } else {
        lblTime->setText(CommandByteText(stage_[kStageHour]) + CommandByteText(stage_[kStageMinute]));
        chkHour->setChecked(false);
    }
}

void frmSetSched::DisplayCommand()
{
    CmdByte = stage_[kStageCommand];
    ArgByte = stage_[kStageArgument];
    lblCmd->setText(CommandDisplayText(CmdByte, ArgByte));
    lblReview->setText(DecodeCommand(CmdByte, ArgByte));
}

void frmSetSched::optWk_Click(int index)
{
    if (index == WkMode || index < 0 || index > 4)
        return;
    WkMode = index;
    switch (index) {
    case kSelectWeekday:
        cmbMoDay->hide();
        cmbMonth->hide();
        cmbWk->show();
        cmbWk->setCurrentIndex(0);
        break;
    case kSelectMonthDay:
        cmbWk->hide();
        cmbMoDay->show();
        cmbMonth->show();
        cmbMoDay->setCurrentIndex(0);
        cmbMonth->setCurrentIndex(0);
        break;
    default:
        cmbMoDay->hide();
        cmbMonth->hide();
        cmbWk->hide();
        break;
    }
}

void frmSetSched::chkErase_Click()
{
    const std::array<QWidget*, 8> shown = {lblA[0], lblA[1], lblA[2], chkHour, Frame1, lblReview, lblTime, lblCmd};
    if (!chkErase->isChecked()) {
        for (QWidget* w : shown)
            w->show();
        selectMode(kDaily);
        cmbWk->hide();
        cmbMonth->hide();
        cmbMoDay->hide();
    } else {
        for (QWidget* w : shown)
            w->hide();
        clearModeSelection(kDaily);
    }
}

void frmSetSched::lblTime_Click()
{
    const KeyPadResult entry = GetKeyPadEntry(chkHour->isChecked() ? MinutesRequest(lblTime->text())
                                                                   : TimeRequest(lblTime->text()));
    if (!entry.accepted)
        return;   // Cancel gives back the shown time
    lblTime->setText(entry.text);
    timeTouched_ = true;
}

void frmSetSched::lblCmd_Click()
{
    const KeyPadResult entry = GetKeyPadEntry(CommandRequest(lblCmd->text()));
    // After Cancel the bytes stay as shown: packing the shown text again would turn a stored
    // hexadecimal letter into another digit.
    if (!entry.accepted)
        return;
    lblCmd->setText(entry.text);
    CmdByte = DigitPairToBcd(entry.text.left(2));
    ArgByte = DigitPairToBcd(entry.text.right(2));
    lblReview->setText(DecodeCommand(CmdByte, ArgByte));
}

void frmSetSched::cmdOK_Click()
{
    ScheduleEdit edit;
    edit.erase = chkErase->isChecked();
    edit.mode = CheckedOption(optWk);
    edit.weekdayPosition = cmbWk->currentIndex();
    edit.monthPosition = cmbMonth->currentIndex();
    edit.dayPosition = cmbMoDay->currentIndex();
    edit.everyHour = chkHour->isChecked();
    edit.timeText = lblTime->text();
    edit.commandByte = CmdByte;
    edit.argumentByte = ArgByte;
    edit.scheduleTouched = scheduleTouched_;
    edit.timeTouched = timeTouched_;
    SaveScheduleEntry(schedEntryOffset_, edit);
    closeFromOK();
}

void frmSetSched::selectMode(int index)
{
    optWk[static_cast<std::size_t>(index)]->setChecked(true);   // runs optWk_Click when it changes
}

void frmSetSched::clearModeSelection(int index)
{
    QRadioButton* option = optWk[static_cast<std::size_t>(index)];
    // Auto-exclusive buttons refuse to clear the checked one; lift that for the moment.
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}

} // namespace quillon
