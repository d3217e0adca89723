#include "quillonedit/printing/frmPrint.h"

#include "platform/Services.h"
#include "platform/widgets/Windows.h"
#include "quillonedit/image/Project.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace quillon {
namespace {

const std::array<QString, kPrintJobCount> kJobCaptions = {
    QStringLiteral("Base Repeater Codes"),
    QStringLiteral("Memory Saves 1-8 Repeater Codes"),
    QStringLiteral("Base Repeater Timers"),
    QStringLiteral("Memory Saves 1-8 Repeater Timers"),
    QStringLiteral("Base Voice Messages"),
    QStringLiteral("Memory Saves 1-8 Voice Messages"),
    QStringLiteral("Macros"),
    QStringLiteral("Scheduler"),
    QStringLiteral("Speed Dial Block #1"),
    QStringLiteral("Speed Dial Block #2"),
    QStringLiteral("Speed Dial Block #3"),
    QStringLiteral("Emergency Speed Dial"),
    QStringLiteral("Base Repeater Zones"),
    QStringLiteral("Memory Saves 1-8 Repeater Zones"),
    QStringLiteral("Remote Base Frequencies"),
    QStringLiteral("DTMF Generator"),
    QStringLiteral("Paging Tones"),
    QStringLiteral("Courtesy Tones / CW Messages"),
    QStringLiteral("Telephone Lockout Numbers"),
    QStringLiteral("Telephone Area Codes"),
};

// The four job frames: caption, place and height in twips, and their boxes top to bottom.
struct JobFrame {
    const char* name;
    const char* caption;
    int x, y, height;
    std::vector<int> boxes;
};

const std::array<JobFrame, 4> kJobFrames = {{
    {"Frame1", "Repeater Base", 120, 120, 1455, {0, 2, 4, 12}},
    {"Frame4", "Memory Saves", 3720, 120, 1455, {1, 3, 5, 13}},
    {"Frame3", "Telephone", 120, 1800, 1935, {8, 9, 10, 11, 18, 19}},
    {"Frame5", "Miscellaneous", 3720, 1800, 1935, {14, 6, 7, 15, 16, 17}},
}};
constexpr int kFrameWidth = 3255;

// A small printer: paper, body and output tray.
QPixmap printerPicture()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(1, 6, 13, 6);
    p.setBrush(Qt::white);
    p.drawRect(4, 10, 7, 4);
    p.fillRect(11, 8, 2, 1, Qt::green);
    return pm;
}

} // namespace

frmPrint::frmPrint(std::function<FontSetting()> fontSetting, QWidget* parent)
    : QDialog(parent), fontSetting_(std::move(fontSetting))
{
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QStringLiteral("Print Driver"));
    platform::widgets::KeepTitleVisible(*this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    // Twips to pixels; the scale grows with the font so the longest caption still fits its frame.
    int longest = 0;
    for (const QString& c : kJobCaptions)
        longest = std::max(longest, fontMetrics().horizontalAdvance(c));
    const double scale = std::max(1.0 / 15.0, (longest + 32.0) / (kFrameWidth - 240));
    twips_ = scale;
    const auto tw = [scale](int twips) { return int(twips * scale + 0.5); };
    const auto place = [&](QWidget* w, int x, int y, int width, int height) {
        w->setGeometry(tw(x), tw(y), tw(width), std::max(tw(height), w->sizeHint().height()));
    };

    std::array<QGroupBox*, 4> frames{};
    for (std::size_t f = 0; f < kJobFrames.size(); ++f) {
        const JobFrame& jf = kJobFrames[f];
        auto* frame = new QGroupBox(QString::fromLatin1(jf.caption), this);
        frame->setObjectName(QString::fromLatin1(jf.name));
        place(frame, jf.x, jf.y, kFrameWidth, jf.height);
        frames[f] = frame;
        for (std::size_t row = 0; row < jf.boxes.size(); ++row) {
            const int index = jf.boxes[row];
            auto* box = new QCheckBox(kJobCaptions[static_cast<std::size_t>(index)], frame);
            box->setObjectName(QStringLiteral("chkPrint_%1").arg(index));
            place(box, 120, 360 + 240 * int(row), kFrameWidth - 240, 255);
            connect(box, &QCheckBox::toggled, this, [this, index] { chkPrint_Click(index); });
            chkPrint[static_cast<std::size_t>(index)] = box;
        }
    }
    Frame1 = frames[0];
    Frame4 = frames[1];
    Frame3 = frames[2];
    Frame5 = frames[3];

    Frame2 = new QGroupBox(QStringLiteral("Print Action"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    place(Frame2, 3720, 3960, kFrameWidth, 735);
    cmdPrint = new QPushButton(Frame2);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    place(cmdPrint, 240, 240, 2772, 372);
    cmdPrint->setAutoDefault(false);
    connect(cmdPrint, &QPushButton::clicked, this, &frmPrint::cmdPrint_Click);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(printerPicture());
    place(Image1, 840, 4200, 375, 375);
    lblAction = new QLabel(this);
    lblAction->setObjectName(QStringLiteral("lblAction"));
    place(lblAction, 1560, 4200, 1935, 255);
    lblReason = new QLabel(this);
    lblReason->setObjectName(QStringLiteral("lblReason"));
    lblReason->setWordWrap(true);
    lblReason->setTextInteractionFlags(Qt::TextSelectableByMouse);
    place(lblReason, 120, 4800, 8370 - 240, 255);   // below the Print Action frame
    lblReason->hide();

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    place(cmdOK, 7200, 240, 1092, 372);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmPrint::cmdOK_Click);

    baseHeight_ = std::max(tw(4890), Frame2->geometry().bottom() + tw(120));
    setFixedSize(tw(8370), baseHeight_);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &frmPrint::Timer1_Timer);
    Timer1->start();
}

void frmPrint::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!centred_) {
        centred_ = true;
        platform::widgets::CentreWindow(*this);
    }
    Form_Activate();
}

void frmPrint::Form_Activate()
{
    for (QCheckBox* box : chkPrint)
        box->setChecked(false);
    AnyJobSelected = false;
    lblAction->setText(QString());
    showReason(QString());
}

void frmPrint::showReason(const QString& why)
{
    lblReason->setText(why);
    lblReason->setVisible(!why.isEmpty());
    int height = baseHeight_;
    if (!why.isEmpty()) {
        const QRect r = lblReason->geometry();
        lblReason->setGeometry(r.x(), r.y(), r.width(), lblReason->heightForWidth(r.width()));
        height = std::max(height, lblReason->geometry().bottom() + int(120 * twips_ + 0.5));
    }
    setFixedSize(width(), height);
}

void frmPrint::chkPrint_Click(int)
{
    AnyJobSelected = std::any_of(chkPrint.begin(), chkPrint.end(), [](const QCheckBox* b) { return b && b->isChecked(); });
}

void frmPrint::Timer1_Timer()
{
    if (AnyJobSelected) {
        JobButtonBlink = !JobButtonBlink;
        cmdPrint->setText(JobButtonBlink ? QStringLiteral("Start Print Job(s)") : QString());
    } else {
        cmdPrint->setText(QStringLiteral("No Print Job(s) Selected"));
    }
}

void frmPrint::cmdOK_Click()
{
    if (!running_)
        accept();   // hidden, not destroyed: the next File > Print shows this dialog again
}

void frmPrint::setRunning(bool on)
{
    // One run at a time: while one yields to the window system, nothing may start another or
    // close the dialog under it. The boxes stay live: a box ticked before its turn still prints.
    running_ = on;
    cmdPrint->setEnabled(!on);
    cmdOK->setEnabled(!on);
}

void frmPrint::cmdPrint_Click()
{
    if (running_)
        return;
    if (!AnyJobSelected) {
        platform::msgBox(QStringLiteral("Error, No Print Jobs Selected"), platform::MsgButtons::OK,
                         platform::MsgIcon::Exclamation, QStringLiteral("Print Jobs"));
        unsetCursor();
        return;
    }
    setRunning(true);
    showReason(QString());
    const FontSetting font = fontSetting_ ? fontSetting_() : FontSetting{};
    ReportSetup setup;
    setup.fontName = font.name;
    setup.fontSize = font.size;
    setup.fileName = project().ProjectFileName;
    platform::Clock* clock = platform::services().clock;
    setup.date = clock ? clock->now().date() : QDate::currentDate();
    setup.anyJobSelected = [this] { return AnyJobSelected; };
    setup.onPageStart = [] {
        if (platform::EventLoop* loop = platform::services().eventLoop)
            loop->yield();
    };
    PrintRun run;
    run.ticked = [this](int box) { return chkPrint[static_cast<std::size_t>(box)]->isChecked(); };
    run.onStarted = [this] {
        lblAction->setText(QStringLiteral("Print Job(s) Started"));
        setCursor(Qt::WaitCursor);
    };
    platform::Printer* printer = platform::services().printer;
    const PrintRunResult result = printer ? RunPrintJobs(*printer, setup, run) : PrintRunResult{};
    if (result.outcome == PrintRunResult::Outcome::Dispatched) {
        lblAction->setText(QStringLiteral("Print Job(s) Dispatched"));
        for (QCheckBox* box : chkPrint)
            box->setChecked(false);
    } else {
        lblAction->setText(QStringLiteral("Printer Error"));
        // The status says that the run failed; the line under it says why.
        showReason(result.error);
    }
    unsetCursor();
    setRunning(false);
}

void frmPrint::closeEvent(QCloseEvent* event)
{
    if (running_)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void frmPrint::reject()
{
    if (!running_)
        QDialog::reject();
}

} // namespace quillon
