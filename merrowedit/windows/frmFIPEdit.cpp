#include "merrowedit/windows/frmFIPEdit.h"

#include "merrowedit/data/StateFiles.h"
#include "merrowedit/windows/ImageList.h"
#include "platform/Services.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>

namespace merrow {
namespace {

const QString kEditorTitle = QStringLiteral(" Merrow Digital Weather Receiver");

// Six digits and nothing else once the surrounding blanks are gone: the receiver takes exactly
// six, and " 12345" would otherwise upload a five-digit code.
bool validFip(const QString& text)
{
    static const QRegularExpression sixDigits(QStringLiteral("^[0-9]{6}$"));
    return sixDigits.match(text.trimmed()).hasMatch();
}

// The first character of the text the parameter file cannot keep (it is written as Latin-1, so
// a typographic apostrophe would come back as "?"); empty when there is none.
QString firstBeyondLatin1(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() <= 0xFF)
            continue;
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        return text.mid(i, pair ? 2 : 1);
    }
    return {};
}

// Wide enough for the longest text the box takes, in its own font, so none of that text scrolls
// out of sight ("District Of Columbia" showed as "istrict Of Columbia").
void fitToLongestText(QLineEdit* box)
{
    constexpr int innerMargins = 2 * 2;   // the box keeps two pixels either side of its text
    constexpr int cursor = 1;
    const QFontMetrics metrics = box->fontMetrics();
    const QSize text(metrics.horizontalAdvance(QString(box->maxLength(), u'W')) + innerMargins + cursor,
                     metrics.height());
    QStyleOptionFrame frame;
    frame.initFrom(box);
    frame.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box) : 0;
    box->setMinimumWidth(box->style()->sizeFromContents(QStyle::CT_LineEdit, &frame, text, box).width());
}

} // namespace

frmFIPEdit::frmFIPEdit(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral(" Merrow FIPS Editor"));
    setModal(true);

    txtFIP = new QLineEdit(this);
    txtFIP->setMaxLength(6);
    txtFIP->setAlignment(Qt::AlignCenter);
    txtCounty = new QLineEdit(this);
    txtCounty->setMaxLength(kCountyBoxLength);
    txtState = new QLineEdit(this);
    txtState->setMaxLength(kStateBoxLength);
    for (QLineEdit* box : {txtFIP, txtCounty, txtState})
        fitToLongestText(box);

    Frame1 = new QGroupBox(this);
    auto* boxes = new QGridLayout(Frame1);
    boxes->addWidget(new QLabel(QStringLiteral("FIP Number"), Frame1), 0, 0);
    boxes->addWidget(new QLabel(QStringLiteral("County Name"), Frame1), 0, 1);
    boxes->addWidget(new QLabel(QStringLiteral("State"), Frame1), 0, 2);
    boxes->addWidget(txtFIP, 1, 0);
    boxes->addWidget(txtCounty, 1, 1);
    boxes->addWidget(txtState, 1, 2);
    boxes->setColumnStretch(1, 2);
    boxes->setColumnStretch(2, 2);

    auto* info = new QVBoxLayout;
    for (QLabel*& label : lblInfo) {
        label = new QLabel(this);
        info->addWidget(label);
    }

    QHBoxLayout* buttons = PictureOkCancelRow(this, picture, cmdOK, cmdCancel);
    cmdOK->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(info);
    layout->addLayout(buttons);

    connect(cmdOK, &QPushButton::clicked, this, &frmFIPEdit::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmFIPEdit::cmdCancel_Click);
}

void frmFIPEdit::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void frmFIPEdit::Form_Activate()
{
    picture->setPixmap(ImageList1(2));
    if (FipEditMode == kFipEditEdit) {
        FillBoxes();
    } else {
        txtFIP->clear();
        txtCounty->clear();
        txtState->clear();
    }
    FillInfo(FipEditMode);
    txtFIP->setFocus();
}

void frmFIPEdit::FillBoxes()
{
    txtFIP->setText(BodyFipCode(FipEditEntry));
    txtCounty->setText(BodyCountyName(FipEditEntry));
    txtState->setText(BodyStateName(FipEditEntry));
}

void frmFIPEdit::FillInfo(int mode)
{
    static const char* const add[4] = {"1.  Enter the six (6) digit FIP Number.",
                                       "2.  Enter County Name (18 caracters max).",
                                       "3.  Enter State Name (15 caracters max).", "4.  Click OK to save your data."};
    static const char* const edit[4] = {"1.  Click within the box you want to edit.", "2.  Edit the entry as desired.",
                                        "3.  Click OK to save your data.", ""};
    const char* const* lines = mode == kFipEditAdd ? add : edit;
    for (std::size_t i = 0; i < lblInfo.size(); ++i)
        lblInfo[i]->setText(QString::fromLatin1(lines[i]));
}

void frmFIPEdit::ConstructOutString()
{
    QString text = txtFIP->text().trimmed() + QStringLiteral("  ") + txtCounty->text().trimmed();
    if (text.size() < kEntryBodyWidth)
        text = text.leftJustified(kEntryBodyWidth, u' ');
    FipEditResult = text + txtState->text().trimmed();
}

void frmFIPEdit::cmdOK_Click()
{
    ConstructOutString();
    if (!validFip(txtFIP->text())) {
        platform::msgBox(QStringLiteral(" Error.. FIP Code Entry Incorrect Digit Length. \r\n"
                                        " Valid FIP Codes Are Six (6) Digits. \r\n"),
                         platform::MsgButtons::OK, platform::MsgIcon::Exclamation, kEditorTitle);
        return;
    }
    // A comma ends a field of the parameter file: the entry would split in two there.
    if (txtCounty->text().contains(u',') || txtState->text().contains(u',')) {
        platform::msgBox(QStringLiteral(" Error.. County and State Names Can Not Hold a Comma. \r\n"),
                         platform::MsgButtons::OK, platform::MsgIcon::Exclamation, kEditorTitle);
        return;
    }
    QString refused = firstBeyondLatin1(txtCounty->text());
    if (refused.isEmpty())
        refused = firstBeyondLatin1(txtState->text());
    if (!refused.isEmpty()) {
        platform::msgBox(
            QStringLiteral(" Error.. County and State Names Can Not Hold the Character \"%1\". \r\n").arg(refused),
            platform::MsgButtons::OK, platform::MsgIcon::Exclamation, kEditorTitle);
        return;
    }
    accept();
}

void frmFIPEdit::cmdCancel_Click()
{
    reject();
}

} // namespace merrow
