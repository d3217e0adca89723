#include "quillonedit/editors/frmFreqSet.h"

#include "platform/Services.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace quillon {

namespace {

constexpr int kCellWidth = 24;
constexpr int kCellHeight = 35;
constexpr int kPointWidth = 8;

// Segments a..g as bits 0..6 (a top, then clockwise, g the middle bar).
constexpr std::array<int, 10> kSegments = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

const QColor kLit(255, 24, 24);
const QColor kUnlit(48, 0, 0);

// A seven-segment digit in `box`; unlit segments stay faintly visible, as on a real display.
void drawSegments(QPainter& p, const QRectF& box, int lit, bool drawUnlit = true)
{
    const qreal t = std::max<qreal>(2.0, box.width() / 6.0);
    const qreal left = box.left() + t / 2, right = box.right() - t / 2;
    const qreal top = box.top() + t / 2, bottom = box.bottom() - t / 2, mid = box.center().y();
    const qreal gap = t * 0.6;
    const std::array<QLineF, 7> segments = {
        QLineF(left + gap, top, right - gap, top),          // a
        QLineF(right, top + gap, right, mid - gap),         // b
        QLineF(right, mid + gap, right, bottom - gap),      // c
        QLineF(left + gap, bottom, right - gap, bottom),    // d
        QLineF(left, mid + gap, left, bottom - gap),        // e
        QLineF(left, top + gap, left, mid - gap),           // f
        QLineF(left + gap, mid, right - gap, mid),          // g
    };
    for (int s = 0; s < 7; ++s) {
        const bool on = (lit >> s) & 1;
        if (!on && !drawUnlit)
            continue;
        p.setPen(QPen(on ? kLit : kUnlit, t, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(segments[static_cast<std::size_t>(s)]);
    }
}

void select(QRadioButton* button) { button->setChecked(true); }

} // namespace

QPixmap FreqDigitPicture(int glyph)
{
    const bool point = glyph == kGlyphPoint;
    QPixmap picture(point ? kPointWidth : kCellWidth, kCellHeight);
    picture.fill(Qt::black);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF digitBox(4, 3, kCellWidth - 8, kCellHeight - 6);
    if (point) {
        p.setPen(Qt::NoPen);
        p.setBrush(kLit);
        p.drawEllipse(QPointF(kPointWidth / 2.0, kCellHeight - 5.0), 2.2, 2.2);
    } else if (glyph >= 0 && glyph <= 9) {
        drawSegments(p, digitBox, kSegments[static_cast<std::size_t>(glyph)]);
    } else if (glyph == kGlyph12) {
        // The 1 of a 12xx lead at full height, its 2 at half height in the lower right.
        drawSegments(p, QRectF(0, 3, 7, kCellHeight - 6), kSegments[1], false);
        drawSegments(p, QRectF(9, kCellHeight / 2.0, 13, kCellHeight / 2.0 - 3), kSegments[2], false);
    } else {
        drawSegments(p, digitBox, 0);   // blank
    }
    return picture;
}

void FreqPictureCell::setGlyph(int glyph, const QPixmap& picture)
{
    glyph_ = glyph;
    setPixmap(picture);
}

frmFreqSet::frmFreqSet(FrequencyEditState& state, QWidget* parent)
    : EditorDialog(parent, CloseBox::AsCancel), state_(state)
{
    for (int g = 0; g < kFreqGlyphCount; ++g)
        FreqDigitPictures[static_cast<std::size_t>(g)] = FreqDigitPicture(g);

    const auto pictureRow = [this](QGroupBox* frame, auto& cells, QLabel*& point, int pointAfter, auto onClick) {
        auto* row = new QHBoxLayout(frame);
        row->setSpacing(0);
        for (int i = 0; i < static_cast<int>(cells.size()); ++i) {
            auto* cell = new FreqPictureCell(frame);
            cell->setFixedSize(kCellWidth, kCellHeight);
            cells[static_cast<std::size_t>(i)] = cell;
            row->addWidget(cell);
            // Ctrl is read at the click itself, so a Ctrl pressed while another window had the
            // keys still counts.
            connect(cell, &ClickLabel::clicked, this, [this, onClick, i](Qt::KeyboardModifiers modifiers) {
                FreqCtrlDown = modifiers.testFlag(Qt::ControlModifier);
                onClick(i);
            });
            if (i == pointAfter) {
                point = new QLabel(frame);
                point->setPixmap(FreqDigitPictures[kGlyphPoint]);
                point->setFixedSize(kPointWidth, kCellHeight);
                row->addWidget(point);
            }
        }
    };
    const auto optionColumn = [this](QGroupBox* frame, auto& buttons, std::initializer_list<const char*> texts, auto onClick) {
        auto* column = new QVBoxLayout(frame);
        int i = 0;
        for (const char* text : texts) {
            auto* button = new QRadioButton(QString::fromLatin1(text), frame);
            buttons[static_cast<std::size_t>(i)] = button;
            column->addWidget(button);
            connect(button, &QRadioButton::clicked, this, [onClick, i] { onClick(i); });
            ++i;
        }
    };

    Frame3 = new QGroupBox(QStringLiteral("Frequency"), this);
    pictureRow(Frame3, Image1, Image2, 2, [this](int i) { Image1_Click(i); });
    Frame4 = new QGroupBox(QStringLiteral("CTCSS"), this);
    pictureRow(Frame4, Img3, Image3, 2, [this](int i) { Img3_Click(i); });
    Frame1 = new QGroupBox(QStringLiteral("TX Offset"), this);
    optionColumn(Frame1, optOffset, {"Minus", "Plus", "Simplex", "Minus 20"}, [this](int i) { optOffset_Click(i); });
    Frame5 = new QGroupBox(QStringLiteral("Power"), this);
    optionColumn(Frame5, optPower, {"Low", "High", "Med", "Same"}, [this](int i) { optPower_Click(i); });
    Frame2 = new QGroupBox(QStringLiteral("CTCSS"), this);
    optionColumn(Frame2, OptPL, {"Off", "On"}, [this](int i) { OptPL_Click(i); });

    chkErase = new QCheckBox(QStringLiteral("Erase(d) Position"), this);
    connect(chkErase, &QCheckBox::clicked, this, [this] { chkErase_Click(); });
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });

    // Hidden frames and tone cells keep their room, so erasing or CTCSS Off does not make the
    // window jump.
    const auto keepRoom = [](QWidget* widget) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    };
    for (QWidget* widget : std::initializer_list<QWidget*>{Frame1, Frame2, Frame3, Frame4, Frame5, Image3})
        keepRoom(widget);
    for (FreqPictureCell* cell : Img3)
        keepRoom(cell);

    auto* underFrequency = new QHBoxLayout;
    underFrequency->addWidget(chkErase);
    underFrequency->addStretch();
    underFrequency->addWidget(cmdOK);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Frame3, 0, 0);
    grid->addLayout(underFrequency, 1, 0);
    grid->addWidget(Frame1, 0, 1, 2, 1);
    grid->addWidget(Frame5, 0, 2, 2, 1);
    grid->addWidget(Frame4, 0, 3);
    grid->addWidget(Frame2, 1, 3);
}

void frmFreqSet::Form_Activate()
{
    if (platform::Clock* clock = platform::services().clock)
        activatedMs_ = clock->monotonicMs();

    if (state_.FreqEditErased) {
        FreqEraseShown = 1;
        ShowErased();
    } else {
        FreqEraseShown = 0;
        ShowNotErased();
    }
    const int offsetIndex = std::clamp(state_.FreqEditTxOffset, 1, 4) - 1;
    select(optOffset[static_cast<std::size_t>(offsetIndex)]);
    optOffset_Click(offsetIndex);
    const int powerIndex = std::clamp(state_.FreqEditPower, 0, 3);
    select(optPower[static_cast<std::size_t>(powerIndex)]);
    optPower_Click(powerIndex);
    const int pl = state_.FreqEditToneOn ? 1 : 0;
    select(OptPL[static_cast<std::size_t>(pl)]);
    OptPL_Click(pl);
    DisplayFreq();
}

bool frmFreqSet::FreqReady() const
{
    platform::Clock* clock = platform::services().clock;
    return !clock || clock->monotonicMs() - activatedMs_ >= kFreqArmingMs;
}

void frmFreqSet::showGlyph(FreqPictureCell* cell, int glyph)
{
    if (glyph >= 0 && glyph < kFreqGlyphCount)
        cell->setGlyph(glyph, FreqDigitPictures[static_cast<std::size_t>(glyph)]);
}

void frmFreqSet::DisplayFreq()
{
    const std::array<int, 6> glyphs = FrequencyGlyphs(state_);
    for (std::size_t i = 0; i < glyphs.size(); ++i)
        showGlyph(Image1[i], glyphs[i]);
    optOffset[3]->setEnabled(MinusTwentySelectable(state_.FreqEditBand));
    if (ApplyMinusTwentyRule(state_))
        select(optOffset[2]);
}

void frmFreqSet::DisplayCtcss()
{
    if (state_.FreqEditTone == 0)
        state_.FreqEditTone = 1;
    const auto glyphs = CtcssGlyphs(state_.FreqEditTone);
    if (!glyphs)
        return;
    for (std::size_t i = 0; i < glyphs->size(); ++i)
        showGlyph(Img3[i], (*glyphs)[i]);
}

void frmFreqSet::SaveNewFreq()
{
    // The box decides: an entry shown as erased is written empty whatever the hidden controls hold.
    SaveFrequencyEntry(state_, chkErase->isChecked());
}

void frmFreqSet::showFrames(bool on)
{
    for (QGroupBox* frame : {Frame1, Frame2, Frame3, Frame4, Frame5})
        frame->setVisible(on);
}

void frmFreqSet::ShowErased()
{
    showFrames(false);
    chkErase->setChecked(true);
}

void frmFreqSet::ShowNotErased()
{
    showFrames(true);
    chkErase->setChecked(false);
}

void frmFreqSet::Image1_Click(int index)
{
    if (index < 0 || index >= static_cast<int>(Image1.size()))
        return;
    StepFrequencyCell(state_, index, FreqCtrlDown);
    DisplayFreq();
}

void frmFreqSet::Img3_Click(int index)
{
    if (index < 0 || index >= static_cast<int>(Img3.size()))
        return;
    StepCtcssTone(state_, FreqCtrlDown);
    DisplayCtcss();
}

void frmFreqSet::optOffset_Click(int index)
{
    if (index >= 0 && index < 4)
        state_.FreqEditTxOffset = index + 1;
}

void frmFreqSet::optPower_Click(int index)
{
    if (index >= 0 && index < 4)
        state_.FreqEditPower = index;
}

void frmFreqSet::OptPL_Click(int index)
{
    const bool on = index != 0;
    for (FreqPictureCell* cell : Img3)
        cell->setVisible(on);
    Image3->setVisible(on);
    state_.FreqEditToneOn = on;
    if (on)
        DisplayCtcss();
}

void frmFreqSet::chkErase_Click()
{
    const int shown = chkErase->isChecked() ? 1 : 0;
    if (shown == FreqEraseShown)
        return;
    FreqEraseShown = shown;
    if (shown == 1)
        ShowErased();
    else
        ShowNotErased();
}

void frmFreqSet::cmdOK_Click()
{
    if (!FreqReady())
        return;
    SaveNewFreq();
    closeFromOK();
}

} // namespace quillon
