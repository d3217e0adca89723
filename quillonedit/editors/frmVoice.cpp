#include "quillonedit/editors/frmVoice.h"

#include "quillonedit/tables/PickLists.h"

#include "platform/Services.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace quillon {

namespace {
QListWidget* makeList(const std::vector<PickListRow>& rows, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumSize(260, 220);
    for (const PickListRow& row : rows) {
        auto* item = new QListWidgetItem(row.label, list);   // the list owns its rows
        item->setData(Qt::UserRole, row.item);
    }
    return list;
}
} // namespace

frmVoice::frmVoice(QWidget* parent) : EditorDialog(parent, CloseBox::AsCancel)
{
    setWindowTitle(QStringLiteral("Voice Synthesizer Editor Dialog Box"));
    setHelpContextID(kWordConstructionHelpContext);

    Label1[0] = new QLabel(this);
    Text1 = new QPlainTextEdit(this);
    Text1->setReadOnly(true);
    Text1->setFixedHeight(Text1->fontMetrics().lineSpacing() * 4 + 12);
    Label1[1] = new QLabel(QStringLiteral("Voice Word Table"), this);

    cboVoice = makeList(cboVoiceRows(), this);
    cbocall = makeList(cbocallRows(), this);
    cboSpecial = makeList(cboSpecialRows(), this);
    connect(cboVoice, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { cboVoice_Click(cboVoice->row(item)); });
    connect(cbocall, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { cbocall_Click(cbocall->row(item)); });
    connect(cboSpecial, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { cboSpecial_Click(cboSpecial->row(item)); });
    // The three lists share one place; the options choose which one shows.
    auto* lists = new QGridLayout;
    lists->addWidget(cboVoice, 0, 0);
    lists->addWidget(cbocall, 0, 0);
    lists->addWidget(cboSpecial, 0, 0);

    Frame1 = new QGroupBox(QStringLiteral("Voice Word Table Select"), this);
    optAll = new QRadioButton(QStringLiteral("All Words"), Frame1);
    optCall = new QRadioButton(QStringLiteral("Call Letters"), Frame1);
    optSpecial = new QRadioButton(QStringLiteral("Special"), Frame1);
    auto* options = new QHBoxLayout(Frame1);
    options->addWidget(optAll);
    options->addWidget(optCall);
    options->addWidget(optSpecial);
    connect(optAll, &QRadioButton::clicked, this, &frmVoice::optAll_Click);
    connect(optCall, &QRadioButton::clicked, this, &frmVoice::optCall_Click);
    connect(optSpecial, &QRadioButton::clicked, this, &frmVoice::optSpecial_Click);

    cmdExit = new QPushButton(QStringLiteral("OK"), this);
    cmdClear = new QPushButton(QStringLiteral("Clear"), this);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdBackSpace = new QPushButton(QStringLiteral("Back Space"), this);
    for (QPushButton* b : {cmdExit, cmdClear, cmdCancel, cmdBackSpace})
        b->setAutoDefault(false);   // Enter in a list must not press OK
    connect(cmdExit, &QPushButton::clicked, this, &frmVoice::cmdExit_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmVoice::cmdClear_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmVoice::cmdCancel_Click);
    connect(cmdBackSpace, &QPushButton::clicked, this, &frmVoice::cmdBackSpace_Click);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdExit);
    buttons->addWidget(cmdClear);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdBackSpace);
    buttons->addStretch();

    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &frmVoice::Timer1_Timer);

    auto* right = new QVBoxLayout;
    right->addWidget(Label1[1]);
    right->addLayout(lists);
    right->addWidget(Frame1);
    auto* lower = new QHBoxLayout;
    lower->addLayout(right, 1);
    lower->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1[0]);
    layout->addWidget(Text1);
    layout->addLayout(lower);

    // The state a fresh dialog starts in.
    VoiceWordCount = 0;
    optAll->setChecked(true);
    optAll_Click();
    setLocked(true);
    VoiceAccepted = false;
}

void frmVoice::setRequest(const WordPickerRequest& request)
{
    VoiceMaxWords = std::clamp(request.VoiceMaxWords, 0, kWordPickerMaxWords);
    VoiceOriginalText = request.VoiceOriginalText.trimmed();
    if (request.VoiceMessageNumber)
        VoiceMessageNumber = *request.VoiceMessageNumber;
    HasStoredWords = request.HasStoredWords;
}

WordPickerResult frmVoice::result() const
{
    WordPickerResult r;
    r.VoiceResultText = VoiceResultText;
    r.VoiceWordCount = VoiceWordCount;
    for (int k = 0; k < VoiceWordCount; ++k)
        r.VoiceWords[static_cast<std::size_t>(k)] = VoiceWords[static_cast<std::size_t>(k)];
    r.VoiceAccepted = VoiceAccepted;
    return r;
}

void frmVoice::Form_Activate()
{
    Armed = false;
    Timer1->start(ArmingIntervalMs);
    Text1->setPlainText(VoiceOriginalText);
    Label1[0]->setText(QStringLiteral("Word Construction For Message %1").arg(VoiceMessageNumber));
    // An item with words opens locked: only Clear starts a new sequence, so OK alone writes nothing.
    const bool locked = HasStoredWords || !VoiceOriginalText.isEmpty();
    setLocked(locked);
    VoiceAccepted = !locked;
    VoiceWordCount = 0;
    pickedLabels_.clear();
    // Until OK or Cancel says otherwise, the answer is the item as it was.
    VoiceResultText = VoiceOriginalText;
}

void frmVoice::Timer1_Timer()
{
    Armed = true;
    Timer1->stop();
}

void frmVoice::cboVoice_Click(int row) { pick(cboVoice, row); }
void frmVoice::cbocall_Click(int row) { pick(cbocall, row); }
void frmVoice::cboSpecial_Click(int row) { pick(cboSpecial, row); }

void frmVoice::pick(QListWidget* list, int row)
{
    // Picks do not wait for the arming; a locked list takes none.
    if (!list->isEnabled() || row < 0 || row >= list->count())
        return;
    if (VoiceWordCount >= VoiceMaxWords)
        return;   // at the limit a pick is ignored
    const QListWidgetItem* item = list->item(row);
    VoiceWords[static_cast<std::size_t>(VoiceWordCount)] = WordNumberText(item->data(Qt::UserRole).toInt());
    pickedLabels_.push_back(item->text());
    ++VoiceWordCount;
    showText();
}

void frmVoice::cmdBackSpace_Click()
{
    if (!Armed)
        return;
    if (Text1->toPlainText().trimmed().isEmpty()) {
        platform::beep();
        return;
    }
    // A sole word stays; Clear empties the text.
    if (VoiceWordCount <= 1 || pickedLabels_.size() <= 1)
        return;
    // The whole last word goes, also a label with a blank inside ("More Than").
    --VoiceWordCount;
    VoiceWords[static_cast<std::size_t>(VoiceWordCount)].clear();
    pickedLabels_.pop_back();
    showText();
}

void frmVoice::cmdClear_Click()
{
    if (!Armed)
        return;
    Text1->clear();
    VoiceWordCount = 0;
    pickedLabels_.clear();
    setLocked(false);
    for (QString& word : VoiceWords)
        word.clear();
    VoiceAccepted = true;
}

void frmVoice::cmdExit_Click()
{
    if (!Armed)
        return;
    VoiceResultText = Text1->toPlainText();
    closeFromOK();
}

void frmVoice::cmdCancel_Click()
{
    if (!Armed)
        return;
    VoiceResultText = VoiceOriginalText;
    VoiceAccepted = false;
    closeFromCancel();
}

void frmVoice::reject()
{
    VoiceResultText = VoiceOriginalText;
    VoiceAccepted = false;
    closeFromCancel();
}

void frmVoice::optAll_Click()
{
    cboVoice->show();
    cbocall->hide();
    cboSpecial->hide();
}

void frmVoice::optCall_Click()
{
    cbocall->show();
    cboVoice->hide();
    cboSpecial->hide();
}

void frmVoice::optSpecial_Click()
{
    cboSpecial->show();
    cboVoice->hide();
    cbocall->hide();
}

void frmVoice::setLocked(bool locked)
{
    for (QListWidget* list : {cboVoice, cbocall, cboSpecial})
        list->setEnabled(!locked);
    cmdBackSpace->setEnabled(!locked);
}

void frmVoice::showText()
{
    QStringList labels;
    for (const QString& label : pickedLabels_)
        labels << label;
    Text1->setPlainText(labels.join(QLatin1Char(' ')).trimmed());
}

WordPickerDialogService::WordPickerDialogService() = default;
WordPickerDialogService::~WordPickerDialogService() = default;

void WordPickerDialogService::Load()
{
    if (!dialog_)
        dialog_ = std::make_unique<frmVoice>();
}

WordPickerResult WordPickerDialogService::PickWords(const WordPickerRequest& request)
{
    Load();
    dialog_->setRequest(request);
    dialog_->exec();
    return dialog_->result();
}

} // namespace quillon
