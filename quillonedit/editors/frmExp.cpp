#include "quillonedit/editors/frmExp.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillon {

namespace {
const char* const kOnProperty = "switchOn";
} // namespace

frmExp::frmExp(int expSwitch, QWidget* parent)
    : EditorDialog(parent, CloseBox::AsOK), expSwitch_(expSwitch),
      onPicture_(SwitchOnPicture()), offPicture_(SwitchOffPicture())
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    Label6 = new QLabel(QStringLiteral("BITS"), this);
    Label6->setAlignment(Qt::AlignCenter);
    grid->addWidget(Label6, 0, 1, 1, kExpBits);
    for (int i = 0; i < kExpBits; ++i) {
        lblB[static_cast<std::size_t>(i)] = new QLabel(QString::number(i + 1), this);
        lblB[static_cast<std::size_t>(i)]->setAlignment(Qt::AlignCenter);
        grid->addWidget(lblB[static_cast<std::size_t>(i)], 1, 1 + i);
    }
    for (int r = 1; r <= kExpRows; ++r) {
        const auto rk = static_cast<std::size_t>(r - 1);
        lblA[rk] = new QLabel(this);
        lblA[rk]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblA[rk]->setMinimumWidth(lblA[rk]->fontMetrics().horizontalAdvance(QStringLiteral("000")));
        grid->addWidget(lblA[rk], 1 + r, 0);
        for (int i = 0; i < kExpBits; ++i) {
            auto* picture = new ClickLabel(this);
            picture->setFixedSize(16, 32);   // the 8 x 16 pictures drawn twice their size
            picture->setScaledContents(true);
            picture->setPixmap(offPicture_);
            picture->setProperty(kOnProperty, false);
            connect(picture, &ClickLabel::clicked, this, [this, r, i] { Img_Click(r, i); });
            Img[rk][static_cast<std::size_t>(i)] = picture;
            grid->addWidget(picture, 1 + r, 1 + i, Qt::AlignCenter);
        }
    }

    Frame1 = new QGroupBox(QStringLiteral("Switch Group"), this);
    auto* options = new QVBoxLayout(Frame1);
    const std::array<QString, kExpPages> pageCaptions = {
        QStringLiteral("01-10"), QStringLiteral("11-20"), QStringLiteral("21-30"), QStringLiteral("31-40")};
    for (int p = 0; p < kExpPages; ++p) {
        auto* option = new QRadioButton(pageCaptions[static_cast<std::size_t>(p)], Frame1);
        connect(option, &QRadioButton::clicked, this, [this, p] { opt1_Click(p); });
        opt1[static_cast<std::size_t>(p)] = option;
        options->addWidget(option);
    }

    LayOutListDialog(this, grid, Frame1, cmdOK, [this] { cmdOK_Click(); });

    // Page "01-10" is selected from the start; no line is shown until activation.
    opt1[0]->setChecked(true);
}

void frmExp::Form_Activate()
{
    // The dialog always opens on page "01-10".
    CurrentPage = 0;
    opt1[0]->setChecked(true);
    DisplayExp(0);
}

void frmExp::DisplayExp(int page)
{
    const int base = ExpLineBase(expSwitch_, page);
    if (base < 0)
        return;   // no such switch or page: nothing to show, nothing to click
    const int firstLine = 1 + kExpRows * page;
    for (int i = 0; i < kExpRows; ++i)
        lblA[static_cast<std::size_t>(i)]->setText(QString::number(firstLine + i));
    LineBase = base;
    for (int r = 1; r <= kExpRows; ++r)
        DisExpLine(r, ExpLine(ExpLineOffset(LineBase, r)));
}

void frmExp::DisExpLine(int row, std::uint8_t line)
{
    if (row < 1 || row > kExpRows)
        return;
    for (int i = 0; i < kExpBits; ++i) {
        ClickLabel* picture = Img[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(i)];
        const bool on = ExpOutputOn(line, i);
        picture->setPixmap(on ? onPicture_ : offPicture_);
        picture->setProperty(kOnProperty, on);
    }
}

void frmExp::Img_Click(int row, int index)
{
    const int offset = ExpLineOffset(LineBase, row);
    if (offset < 0)
        return;
    if (ToggleExpBit(offset, index))
        DisExpLine(row, ExpLine(offset));
}

void frmExp::opt1_Click(int page)
{
    if (page == CurrentPage || page < 0 || page >= kExpPages)
        return;
    CurrentPage = page;
    DisplayExp(page);
}

void frmExp::cmdOK_Click()
{
    closeFromOK();   // every click is already in the image
}

bool frmExp::pictureIsOnForTests(int row, int index) const
{
    if (row < 1 || row > kExpRows || index < 0 || index >= kExpBits)
        return false;
    return Img[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(index)]->property(kOnProperty).toBool();
}

} // namespace quillon
