#include "quillonedit/editors/frmCwEdit.h"

#include "quillonedit/tables/CwCharacters.h"

#include "platform/Services.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillon {

namespace {
QGroupBox* messageFrame(const QString& title, QLineEdit*& text, QWidget* parent)
{
    auto* frame = new QGroupBox(title, parent);
    text = new QLineEdit(frame);
    text->setReadOnly(true);
    text->setMinimumWidth(280);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(text);
    return frame;
}

QFrame* selectionMark(QWidget* parent)
{
    auto* mark = new QFrame(parent);
    mark->setFrameStyle(QFrame::Box | QFrame::Plain);
    mark->setFixedSize(12, 12);
    mark->setAutoFillBackground(true);
    QPalette palette = mark->palette();
    palette.setColor(QPalette::Window, Qt::red);
    mark->setPalette(palette);
    return mark;
}
} // namespace

frmCwEdit::frmCwEdit(QWidget* parent) : EditorDialog(parent, CloseBox::AsCancel)
{
    setWindowTitle(QStringLiteral("CW Edit Dialog Box"));
    setHelpContextID(kCwEditHelpContext);

    Frame1 = messageFrame(QStringLiteral("CW Message #1"), Text1, this);
    Frame2 = messageFrame(QStringLiteral("CW Message #2"), Text2, this);
    // Four options to a column.
    Frame3 = OptionFrame(this, QStringLiteral("CW Speed WPM Buffer #1"), CwSpeedCaptions(), opt1Spd, 4);
    Frame4 = OptionFrame(this, QStringLiteral("Tone Frequency Hertz Buffer #1"), CwToneCaptions(), opt1Frq, 4);
    Frame5 = OptionFrame(this, QStringLiteral("CW Speed WPM Buffer #2"), CwSpeedCaptions(), opt2Spd, 4);
    Frame6 = OptionFrame(this, QStringLiteral("Tone Frequency Hertz Buffer #2"), CwToneCaptions(), opt2Frq, 4);
    Shape1[0] = selectionMark(this);
    Shape1[1] = selectionMark(this);

    List1 = new QListWidget(this);
    List1->setMinimumSize(90, 220);
    for (const PickListRow& row : CwCharacterListRows()) {
        auto* item = new QListWidgetItem(row.label, List1);   // the list owns its rows
        item->setData(Qt::UserRole, row.item);
    }
    connect(List1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { List1_Click(List1->row(item)); });

    cmdSel = new QPushButton(QStringLiteral("Select"), this);
    cmdClear = new QPushButton(QStringLiteral("Clear"), this);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    for (QPushButton* b : {cmdSel, cmdClear, cmdOK, cmdCancel})
        b->setAutoDefault(false);   // Enter in the list must not press OK
    connect(cmdSel, &QPushButton::clicked, this, &frmCwEdit::cmdSel_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmCwEdit::cmdClear_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmCwEdit::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmCwEdit::cmdCancel_Click);

    auto* messages = new QGridLayout;
    messages->addWidget(Shape1[0], 0, 0, Qt::AlignCenter);
    messages->addWidget(Frame1, 0, 1);
    messages->addWidget(Frame3, 0, 2);
    messages->addWidget(Frame4, 0, 3);
    messages->addWidget(Shape1[1], 1, 0, Qt::AlignCenter);
    messages->addWidget(Frame2, 1, 1);
    messages->addWidget(Frame5, 1, 2);
    messages->addWidget(Frame6, 1, 3);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSel);
    buttons->addWidget(cmdClear);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* left = new QVBoxLayout;
    left->addLayout(messages);
    left->addStretch();
    left->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(List1);
}

void frmCwEdit::Form_Activate()
{
    // No character can be picked until a message is cleared in this opening.
    List1->setEnabled(false);
    selectBuffer(1);
    Buffers[0].rebuild = false;
    Buffers[1].rebuild = false;
    LoadCWIdent(1);
    LoadCWIdent(2);
}

void frmCwEdit::LoadCWIdent(int which)
{
    const int base = CwMessageOffset(which);
    if (base < 0)
        return;
    textBox(which)->setText(CwMessageText(which));
    buffer(which).count = CwMessageCount(which);
    auto& speed = which == 1 ? opt1Spd : opt2Spd;
    auto& tone = which == 1 ? opt1Frq : opt2Frq;
    speed[static_cast<std::size_t>(GetCWSpeed(which))]->setChecked(true);
    tone[static_cast<std::size_t>(GetCWFreq(which))]->setChecked(true);
}

void frmCwEdit::selectBuffer(int which)
{
    SelectedBuffer = which;
    const bool first = which == 1;
    Shape1[0]->setVisible(first);
    Shape1[1]->setVisible(!first);
    for (QGroupBox* frame : {Frame1, Frame3, Frame4})
        frame->setEnabled(first);
    for (QGroupBox* frame : {Frame2, Frame5, Frame6})
        frame->setEnabled(!first);
}

void frmCwEdit::cmdSel_Click()
{
    selectBuffer(SelectedBuffer == 1 ? 2 : 1);
    // Picks go only into a message cleared in this opening; any other keeps its stored codes.
    List1->setEnabled(buffer(SelectedBuffer).rebuild);
}

void frmCwEdit::cmdClear_Click()
{
    CwBuffer& b = buffer(SelectedBuffer);
    textBox(SelectedBuffer)->clear();
    b.count = 0;
    b.rebuild = true;
    List1->setEnabled(true);
}

void frmCwEdit::List1_Click(int row)
{
    CwBuffer& b = buffer(SelectedBuffer);
    if (!List1->isEnabled() || !b.rebuild || row < 0 || row >= List1->count())
        return;
    // A full message takes no more characters: its area (or the buffer) has no room left.
    if (b.count < 0 || b.count >= CwMessageCapacity(SelectedBuffer)) {
        platform::beep();
        return;
    }
    const QListWidgetItem* item = List1->item(row);
    QLineEdit* text = textBox(SelectedBuffer);
    text->setText(text->text() + item->text());
    b.codes[static_cast<std::size_t>(b.count)] = static_cast<std::uint8_t>(item->data(Qt::UserRole).toInt());
    ++b.count;
}

void frmCwEdit::SaveCwMessage()
{
    quillon::SaveCwMessage(Buffers, {CheckedOption(opt1Spd), CheckedOption(opt2Spd)},
                           {CheckedOption(opt1Frq), CheckedOption(opt2Frq)});
}

void frmCwEdit::cmdOK_Click()
{
    SaveCwMessage();
    closeFromOK();   // hidden, kept for the next opening
}

void frmCwEdit::cmdCancel_Click()
{
    closeFromCancel();   // hidden; nothing is written
}

} // namespace quillon
