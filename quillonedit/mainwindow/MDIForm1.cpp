#include "quillonedit/mainwindow/MDIForm1.h"

#include "platform/Services.h"
#include "quillonedit/image/ImageMap.h"
#include "quillonedit/mainwindow/Help.h"
#include "quillonedit/mainwindow/ProgramFiles.h"
#include "quillonedit/mainwindow/Registry.h"
#include "quillonedit/mainwindow/SharedParameters.h"
#include "platform/widgets/Windows.h"
#include "quillonedit/mainwindow/frmSplash.h"

#include "quillonedit/editors/frmAreaCodes.h"
#include "quillonedit/editors/frmCTones.h"
#include "quillonedit/editors/frmCodes_1.h"
#include "quillonedit/editors/frmConfig.h"
#include "quillonedit/editors/frmCwEdit.h"
#include "quillonedit/editors/frmDTMF.h"
#include "quillonedit/editors/frmEmer.h"
#include "quillonedit/editors/frmErase.h"
#include "quillonedit/editors/frmExp.h"
#include "quillonedit/editors/frmFreqDis.h"
#include "quillonedit/editors/frmLockout.h"
#include "quillonedit/editors/frmMacro.h"
#include "quillonedit/editors/frmMemory.h"
#include "quillonedit/editors/frmPage.h"
#include "quillonedit/editors/frmPreDial.h"
#include "quillonedit/editors/frmQuillConfig.h"
#include "quillonedit/editors/frmSpeed.h"
#include "quillonedit/editors/frmTimer1.h"
#include "quillonedit/editors/frmsched.h"
#include "quillonedit/editors/frmUnlock.h"
#include "quillonedit/editors/frmUser.h"
#include "quillonedit/editors/frmVoc.h"
#include "quillonedit/editors/frmVocMem.h"
#include "quillonedit/editors/frmVoice.h"
#include "quillonedit/editors/frmZones1.h"
#include "quillonedit/printing/frmPrint.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>

namespace quillon {
namespace {

QAction* addItem(QMenu* menu, const QString& caption, const QString& name)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

QMenu* addMenu(QWidget* parent, QMenuBar* bar, QMenu* into, const QString& caption, const QString& name)
{
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    if (bar)
        bar->addMenu(menu);
    else if (into)   // tested, not assumed: optimised builds otherwise warn of a null `into`
        into->addMenu(menu);
    return menu;
}

void setMenuEnabled(QMenu* menu, bool on) { menu->menuAction()->setEnabled(on); }

// A factory for a dialog whose constructor takes (its arguments..., parent).
template <typename Dialog, typename... Args> MDIForm1::DialogFactory make(Args... args)
{
    return [args...](QWidget* parent) -> QDialog* { return new Dialog(args..., parent); };   // parent-owned
}

} // namespace

QIcon ProgramIcon()
{
    // The drawing of data/icons/quillonedit.svg in its 64 x 64 units (a repeater mast on a hill,
    // sending on both sides): drawn here because the program reads no SVG.
    QPainterPath hill(QPointF(2, 50));
    hill.quadTo(20, 40, 32, 44);
    hill.quadTo(46, 48, 62, 40);
    hill.lineTo(62, 52);
    hill.quadTo(62, 62, 52, 62);
    hill.lineTo(12, 62);
    hill.quadTo(2, 62, 2, 52);
    hill.closeSubpath();
    QPainterPath mast(QPointF(32, 19));
    mast.lineTo(24, 48);
    mast.moveTo(32, 19);
    mast.lineTo(40, 48);
    mast.moveTo(26.2, 40);
    mast.lineTo(37.8, 40);
    mast.moveTo(28.4, 31);
    mast.lineTo(35.6, 31);
    QPainterPath waves;
    for (const auto& [from, bend, to] : {std::array<QPointF, 3>{QPointF(24, 11), QPointF(19, 17), QPointF(24, 23)},
                                         std::array<QPointF, 3>{QPointF(18, 7), QPointF(10, 17), QPointF(18, 27)},
                                         std::array<QPointF, 3>{QPointF(40, 11), QPointF(45, 17), QPointF(40, 23)},
                                         std::array<QPointF, 3>{QPointF(46, 7), QPointF(54, 17), QPointF(46, 27)}}) {
        waves.moveTo(from);
        waves.quadTo(bend, to);
    }
    const QColor light(0xff, 0xd2, 0x3f);

    return platform::widgets::DrawnIcon([&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1f, 0x4e, 0x79));
        p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
        p.setBrush(QColor(0x3f, 0x7f, 0x3f));
        p.drawPath(hill);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0xf2, 0xf2, 0xf2), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(mast);
        p.setPen(Qt::NoPen);
        p.setBrush(light);
        p.drawEllipse(QPointF(32, 17), 3.5, 3.5);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(light, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(waves);
    });
}

struct MDIForm1::EditorServices {
    EditorServices() : previous(&wordPicker()) { setWordPickerService(&wordPickerService); }
    ~EditorServices()
    {
        if (&wordPicker() == &wordPickerService)
            setWordPickerService(previous);
    }
    WordPickerDialogService wordPickerService;
    WordPickerService* previous;
};

MDIForm1::MDIForm1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("Quillon Editor Program"));
    setWindowIcon(ProgramIcon());
    mdiArea = new QMdiArea(this);
    setCentralWidget(mdiArea);
    buildMenus();
    buildStatusBar();
    resize(1080, 720);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, [this] { quillon::Timer1_Timer(*this); });
    Timer1->start();

    // The editors ask for digits (and words) through this window's dialogs for as long as it exists.
    previousKeyPad_ = &keyPad();
    setKeyPadService(&keyPadService_);
    editorServices_ = std::make_unique<EditorServices>();
}

MDIForm1::~MDIForm1()
{
    if (&keyPad() == &keyPadService_)
        setKeyPadService(previousKeyPad_);
}

void MDIForm1::buildMenus()
{
    QMenuBar* bar = menuBar();

    mnuFile = addMenu(this, bar, nullptr, QStringLiteral("&File"), QStringLiteral("mnuFile"));
    mnuOpen = addItem(mnuFile, QStringLiteral("&Open..."), QStringLiteral("mnuOpen"));
    mnuFile->addSeparator();
    mnuSave = addItem(mnuFile, QStringLiteral("&Save File"), QStringLiteral("mnuSave"));
    mnuSaveAs = addItem(mnuFile, QStringLiteral("Save File &As..."), QStringLiteral("mnuSaveAs"));
    mnuFile->addSeparator();
    mnuConfig = addItem(mnuFile, QStringLiteral("&Repeater Stats..."), QStringLiteral("mnuConfig"));
    mnuFlush = addItem(mnuFile, QStringLiteral("&Flush Memory..."), QStringLiteral("mnuFlush"));
    mnuFile->addSeparator();
    mnuPrtFont = addItem(mnuFile, QStringLiteral("Printer &Font..."), QStringLiteral("mnuPrtFont"));
    mnuPrint = addItem(mnuFile, QStringLiteral("&Print..."), QStringLiteral("mnuPrint"));
    mnuFile->addSeparator();
    for (int i = 0; i < 4; ++i) {
        mnuFileList[i] = addItem(mnuFile, QString(), QStringLiteral("mnuFileList_%1").arg(i));
        mnuFileList[i]->setVisible(false);
        connect(mnuFileList[i], &QAction::triggered, this, [this, i] { mnuFileList_Click(i); });
    }
    mnuSep4 = mnuFile->addSeparator();
    mnuSep4->setObjectName(QStringLiteral("mnuSep4"));
    mnuSep4->setVisible(false);
    mnuExit = addItem(mnuFile, QStringLiteral("E&xit"), QStringLiteral("mnuExit"));
    connect(mnuOpen, &QAction::triggered, this, &MDIForm1::mnuOpen_Click);
    connect(mnuSave, &QAction::triggered, this, &MDIForm1::mnuSave_Click);
    connect(mnuSaveAs, &QAction::triggered, this, &MDIForm1::mnuSaveAs_Click);
    connect(mnuConfig, &QAction::triggered, this, &MDIForm1::mnuConfig_Click);
    connect(mnuFlush, &QAction::triggered, this, &MDIForm1::mnuFlush_Click);
    connect(mnuPrtFont, &QAction::triggered, this, &MDIForm1::mnuPrtFont_Click);
    connect(mnuPrint, &QAction::triggered, this, &MDIForm1::mnuPrint_Click);
    connect(mnuExit, &QAction::triggered, this, &MDIForm1::mnuExit_Click);

    mnuCodesTimers = addMenu(this, bar, nullptr, QStringLiteral("&Codes/Timers"), QStringLiteral("mnuCodesTimers"));
    mnuCodes = addMenu(this, nullptr, mnuCodesTimers, QStringLiteral("&Codes..."), QStringLiteral("mnuCodes"));
    mnuCodesItem[0] = addItem(mnuCodes, QStringLiteral("&Base Codes..."), QStringLiteral("mnuCodes_0"));
    mnuCodes->addSeparator();
    for (int n = 1; n <= 8; ++n)
        mnuCodesItem[n] = addItem(mnuCodes, QStringLiteral("Mem #&%1 Codes...").arg(n), QStringLiteral("mnuCodes_%1").arg(n));
    mnuCodesTimers->addSeparator();
    mnuTimers = addMenu(this, nullptr, mnuCodesTimers, QStringLiteral("&Timers..."), QStringLiteral("mnuTimers"));
    mnuTimersItem[0] = addItem(mnuTimers, QStringLiteral("&Base Timers..."), QStringLiteral("mnuTimers_0"));
    mnuTimers->addSeparator();
    for (int n = 1; n <= 8; ++n)
        mnuTimersItem[n] = addItem(mnuTimers, QStringLiteral("Mem #&%1 Timers...").arg(n), QStringLiteral("mnuTimers_%1").arg(n));
    for (int n = 0; n <= 8; ++n) {
        connect(mnuCodesItem[n], &QAction::triggered, this, [this, n] { mnuCodes_Click(n); });
        connect(mnuTimersItem[n], &QAction::triggered, this, [this, n] { mnuTimers_Click(n); });
    }
    mnuCodesTimers->addSeparator();
    mnuUnlock = addItem(mnuCodesTimers, QStringLiteral("&Unlock Number..."), QStringLiteral("mnuUnlock"));
    connect(mnuUnlock, &QAction::triggered, this, &MDIForm1::mnuUnlock_Click);

    mnuVoice = addMenu(this, bar, nullptr, QStringLiteral("&Messages"), QStringLiteral("mnuVoice"));
    mnuVocSyn = addMenu(this, nullptr, mnuVoice, QStringLiteral("&Voice Synthesizer..."), QStringLiteral("mnuVocSyn"));
    mnuVocBase = addItem(mnuVocSyn, QStringLiteral("&Voice Base Messages..."), QStringLiteral("mnuVocBase"));
    connect(mnuVocBase, &QAction::triggered, this, &MDIForm1::mnuVocBase_Click);
    mnuVocSyn->addSeparator();
    for (int n = 1; n <= 8; ++n) {
        mnuMes[n] = addItem(mnuVocSyn, QStringLiteral("Voice Mem #&%1 Messages...").arg(n), QStringLiteral("mnuMes_%1").arg(n));
        connect(mnuMes[n], &QAction::triggered, this, [this, n] { mnuMes_Click(n); });
    }
    mnuVoice->addSeparator();
    mnuCW_1 = addItem(mnuVoice, QStringLiteral("&CW Messages..."), QStringLiteral("mnuCW_1"));
    connect(mnuCW_1, &QAction::triggered, this, &MDIForm1::mnuCW_1_Click);

    mnuMacSched = addMenu(this, bar, nullptr, QStringLiteral("Macro &Op's"), QStringLiteral("mnuMacSched"));
    mnuMacros = addItem(mnuMacSched, QStringLiteral("&Macros..."), QStringLiteral("mnuMacros"));
    mnuSched = addItem(mnuMacSched, QStringLiteral("&Scheduler..."), QStringLiteral("mnuSched"));
    mnuUsers = addItem(mnuMacSched, QStringLiteral("&User Inputs..."), QStringLiteral("mnuUsers"));
    connect(mnuMacros, &QAction::triggered, this, &MDIForm1::mnuMacros_Click);
    connect(mnuSched, &QAction::triggered, this, &MDIForm1::mnuSched_Click);
    connect(mnuUsers, &QAction::triggered, this, &MDIForm1::mnuUsers_Click);

    mnuZones = addMenu(this, bar, nullptr, QStringLiteral("&Zones"), QStringLiteral("mnuZones"));
    mnuBaseZones = addItem(mnuZones, QStringLiteral("&Base Zones..."), QStringLiteral("mnuBaseZones"));
    connect(mnuBaseZones, &QAction::triggered, this, &MDIForm1::mnuBaseZones_Click);
    mnuZones->addSeparator();
    for (int n = 1; n <= 8; ++n) {
        const QString caption = n < 8 ? QStringLiteral("Memory #&%1 Zones...").arg(n) : QStringLiteral("Memory #&8 Zones");
        mnuG1M[n] = addItem(mnuZones, caption, QStringLiteral("mnuG1M%1").arg(n));
        connect(mnuG1M[n], &QAction::triggered, this, [this, n] { mnuG1M_Click(n); });
    }

    mnuAP = addMenu(this, bar, nullptr, QStringLiteral("&Autopatch"), QStringLiteral("mnuAP"));
    mnuUSD = addItem(mnuAP, QStringLiteral("&User Speed Dial..."), QStringLiteral("mnuUSD"));
    mnuESD = addItem(mnuAP, QStringLiteral("&Emergency Speed Dial..."), QStringLiteral("mnuESD"));
    mnuLockOut = addItem(mnuAP, QStringLiteral("&Telephone Lockouts..."), QStringLiteral("mnuLockOut"));
    mnuPreDial = addItem(mnuAP, QStringLiteral("&Pre-Dial Number..."), QStringLiteral("mnuPreDial"));
    mnuACode = addItem(mnuAP, QStringLiteral("&Area Code Numbers..."), QStringLiteral("mnuACode"));
    connect(mnuUSD, &QAction::triggered, this, &MDIForm1::mnuUSD_Click);
    connect(mnuESD, &QAction::triggered, this, &MDIForm1::mnuESD_Click);
    connect(mnuLockOut, &QAction::triggered, this, &MDIForm1::mnuLockOut_Click);
    connect(mnuPreDial, &QAction::triggered, this, &MDIForm1::mnuPreDial_Click);
    connect(mnuACode, &QAction::triggered, this, &MDIForm1::mnuACode_Click);

    mnuTools = addMenu(this, bar, nullptr, QStringLiteral("M&isc"), QStringLiteral("mnuTools"));
    mnuCourtesy = addItem(mnuTools, QStringLiteral("&Courtesy Tones..."), QStringLiteral("mnuCourtesy"));
    mnuDtmf = addItem(mnuTools, QStringLiteral("&DTMF Generator..."), QStringLiteral("mnuDtmf"));
    mnuSwitch1 = addItem(mnuTools, QStringLiteral("&Expanded Switch #1..."), QStringLiteral("mnuSwitch1"));
    mnuSwitch2 = addItem(mnuTools, QStringLiteral("E&xpanded Switch #2..."), QStringLiteral("mnuSwitch2"));
    mnuPage = addItem(mnuTools, QStringLiteral("&Paging Tones..."), QStringLiteral("mnuPage"));
    mnuRbi = addItem(mnuTools, QStringLiteral("&RBI Frequencies..."), QStringLiteral("mnuRbi"));
    mnuMemoryConfig = addItem(mnuTools, QStringLiteral("&Memory Configuration..."), QStringLiteral("mnuMemoryConfig"));
    mnuRptConfig = addItem(mnuTools, QStringLiteral("Repeater C&onfiguration..."), QStringLiteral("mnuRptConfig"));
    connect(mnuCourtesy, &QAction::triggered, this, &MDIForm1::mnuCourtesy_Click);
    connect(mnuDtmf, &QAction::triggered, this, &MDIForm1::mnuDtmf_Click);
    connect(mnuSwitch1, &QAction::triggered, this, &MDIForm1::mnuSwitch1_Click);
    connect(mnuSwitch2, &QAction::triggered, this, &MDIForm1::mnuSwitch2_Click);
    connect(mnuPage, &QAction::triggered, this, &MDIForm1::mnuPage_Click);
    connect(mnuRbi, &QAction::triggered, this, &MDIForm1::mnuRbi_Click);
    connect(mnuMemoryConfig, &QAction::triggered, this, &MDIForm1::mnuMemoryConfig_Click);
    connect(mnuRptConfig, &QAction::triggered, this, &MDIForm1::mnuRptConfig_Click);

    mnuHelp = addMenu(this, bar, nullptr, QStringLiteral("&Help"), QStringLiteral("mnuHelp"));
    mnuHelpContents = addItem(mnuHelp, QStringLiteral("&Contents..."), QStringLiteral("mnuHelpContents"));
    mnuHelpSearch = addItem(mnuHelp, QStringLiteral("&Search For Help On..."), QStringLiteral("mnuHelpSearch"));
    mnuAbout = addItem(mnuHelp, QStringLiteral("&About..."), QStringLiteral("mnuAbout"));
    connect(mnuHelpContents, &QAction::triggered, this, &MDIForm1::mnuHelpContents_Click);
    connect(mnuHelpSearch, &QAction::triggered, this, &MDIForm1::mnuHelpSearch_Click);
    connect(mnuAbout, &QAction::triggered, this, &MDIForm1::mnuAbout_Click);

    // F1 in this window opens the contents, as Help > Contents does; a key of the window rather
    // than of the item, which shows no shortcut. Dialogs answer F1 with their own topics.
    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    helpKey->setContext(Qt::WindowShortcut);
    connect(helpKey, &QShortcut::activated, this, &MDIForm1::mnuHelpContents_Click);
}

void MDIForm1::buildStatusBar()
{
    // File name, change mark, date. The file name takes what the other two leave (its usual width
    // in a window of the usual size), so the window can narrow to a small screen and a long name
    // never widens it.
    const std::array<int, 3> widths = {0, 94, 321};
    for (int i = 0; i < 3; ++i) {
        StatusBar1[i] = new QLabel(this);
        StatusBar1[i]->setObjectName(QStringLiteral("StatusBar1_Panel%1").arg(i + 1));
        StatusBar1[i]->setFrameShape(QFrame::Panel);
        StatusBar1[i]->setFrameShadow(QFrame::Sunken);
        StatusBar1[i]->setMinimumWidth(widths[i]);
        if (i == 0)
            StatusBar1[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        statusBar()->addWidget(StatusBar1[i], i == 0 ? 1 : 0);
    }
}

bool MDIForm1::MDIForm_Load()
{
    if (!platform::services().instanceLock->acquire(QStringLiteral("quillonedit")))
        return false;
    GetRegistry();
    DisplayFileList();
    platform::widgets::CentreWindow(*this);
    StatusBar1[2]->setText(QLocale().toString(platform::services().clock->now(), QStringLiteral("dddd  MMMM d, yyyy")));
    for (QMenu* menu : {mnuCodesTimers, mnuVoice, mnuTools, mnuZones, mnuMacSched, mnuAP})
        setMenuEnabled(menu, false);
    for (QAction* item : {mnuSaveAs, mnuConfig, mnuFlush, mnuPrint, mnuUnlock})
        item->setEnabled(false);
    setBusy(true);
    project().ProjectOpen = false;
    mnuSave->setEnabled(false);
    platform::services().eventLoop->yield();
    setBusy(false);
    return true;
}

void MDIForm1::loadEditorServices()
{
    editorServices_->wordPickerService.Load();
}

void MDIForm1::setStatusPanel(int panel, const QString& text)
{
    if (panel >= 1 && panel <= 3)
        StatusBar1[panel - 1]->setText(text);
}

void MDIForm1::enableProjectMenus()
{
    for (QAction* item : {mnuSave, mnuSaveAs, mnuConfig, mnuFlush, mnuPrint, mnuUnlock})
        item->setEnabled(true);
    for (QMenu* menu : {mnuCodesTimers, mnuVoice, mnuTools, mnuZones, mnuAP, mnuMacSched})
        setMenuEnabled(menu, true);
    // Called after each successful open: an open modeless editor must not keep the old project.
    TellModelessEditorsProjectOpened(*this);
}

void MDIForm1::enableSaveMenu() { mnuSave->setEnabled(true); }

void MDIForm1::setBusy(bool on) { platform::setWaitCursor(on); }

void MDIForm1::ProcessFileList(const QString& name)
{
    if (AddRecentFile(name))
        DisplayFileList();
}

void MDIForm1::DisplayFileList()
{
    bool any = false;
    for (int i = 0; i < 4; ++i) {
        if (RecentFiles[i].isEmpty())
            continue;
        mnuFileList[i]->setText(RecentFileCaption(i + 1, RecentFiles[i]));
        mnuFileList[i]->setVisible(true);
        any = true;
    }
    if (any)
        mnuSep4->setVisible(true);
}

void MDIForm1::mnuFileList_Click(int index)
{
    if (index < 0 || index > 3 || RecentFiles[index].isEmpty())
        return;
    const QString name = RecentFiles[index];   // a copy: the open may reorder the list
    ProcessOpen(name, *this);
}

// ---- dialogs -------------------------------------------------------------------------------

void MDIForm1::openDialog(const DialogOpening& opening, const DialogFactory& create)
{
    lastOpening_ = opening;
    // Whatever happens to the dialog, the busy pointer does not outlive the opening.
    struct BusyGuard {
        MDIForm1* self;
        bool on;
        ~BusyGuard()
        {
            if (on)
                self->setBusy(false);
        }
    } busy{this, opening.hourglass};
    if (opening.hourglass)
        setBusy(true);
    if (!create)
        return;

    const bool keep = !opening.modal || opening.keep;
    QPointer<QDialog> dialog = keep ? kept_[opening.dialog] : QPointer<QDialog>();
    if (!dialog)
        dialog = create(this);
    if (!dialog)
        return;
    if (keep)
        kept_[opening.dialog] = dialog;
    if (!opening.caption.isEmpty())
        dialog->setWindowTitle(opening.caption);
    if (opening.helpContext != 0) {
        if (auto* editor = qobject_cast<EditorDialog*>(dialog.data()))
            editor->setHelpContextID(opening.helpContext);
        else
            AttachHelpKey(dialog, opening.helpContext);
    }
    if (opening.modal) {
        dialog->exec();
        if (!keep)
            delete dialog.data();   // made for this one use; a dialog that deleted itself is already gone
    } else {
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    }
}

void MDIForm1::mnuCodes_Click(int n)
{
    CodesMemory = static_cast<std::int16_t>(n);
    openDialog({.dialog = QStringLiteral("frmCodes_1"), .helpContext = n == 0 ? kHelpBaseCodes : kHelpMemoryCodes},
               make<frmCodes_1>(int(CodesMemory)));
}

void MDIForm1::mnuTimers_Click(int n)
{
    TimersMemory = static_cast<std::int16_t>(n);
    openDialog({.dialog = QStringLiteral("frmTimer1"), .helpContext = n == 0 ? kHelpBaseTimers : kHelpMemoryTimers},
               make<frmTimer1>(int(TimersMemory)));
}

void MDIForm1::mnuUnlock_Click()
{
    openDialog({.dialog = QStringLiteral("frmUnlock"), .modal = false}, make<frmUnlock>());
}

void MDIForm1::mnuVocBase_Click()
{
    VoiceMemory = 0;
    openDialog({.dialog = QStringLiteral("frmVoc")}, make<frmVoc>());
}

void MDIForm1::mnuMes_Click(int n)
{
    const QString caption = QStringLiteral("Memory Save #%1 Voice Messages").arg(n);
    VoiceMemory = static_cast<std::int16_t>(n);
    openDialog({.dialog = QStringLiteral("frmVocMem"), .caption = caption}, make<frmVocMem>(int(VoiceMemory)));
}

// The CW editor, the macro editor, the scheduler list and the hardware inputs keep their state
// between uses: OK hides them and they are shown again (the close box of the macro editor and the
// hardware inputs destroys them).
void MDIForm1::mnuCW_1_Click() { openDialog({.dialog = QStringLiteral("frmCwEdit"), .keep = true}, make<frmCwEdit>()); }
void MDIForm1::mnuMacros_Click()
{
    openDialog({.dialog = QStringLiteral("frmMacro"), .hourglass = true, .keep = true}, make<frmMacro>());
}
void MDIForm1::mnuSched_Click() { openDialog({.dialog = QStringLiteral("frmsched"), .keep = true}, make<frmsched>()); }
void MDIForm1::mnuUsers_Click() { openDialog({.dialog = QStringLiteral("frmUser"), .keep = true}, make<frmUser>()); }

void MDIForm1::mnuBaseZones_Click()
{
    ZoneOffset = kBaseSet;
    openDialog({.dialog = QStringLiteral("frmZones1"), .caption = QStringLiteral("Base Zones"), .helpContext = kHelpBaseZones, .hourglass = true},
               make<frmZones1>(int(ZoneOffset)));
}

void MDIForm1::mnuG1M_Click(int n)
{
    ZoneOffset = static_cast<std::int16_t>(memorySaveOffset(n));
    openDialog({.dialog = QStringLiteral("frmZones1"), .caption = QStringLiteral("Zone Channels For Memory #%1").arg(n),
                .helpContext = kHelpMemoryZones, .hourglass = true},
               make<frmZones1>(int(ZoneOffset)));
}

void MDIForm1::mnuUSD_Click() { openDialog({.dialog = QStringLiteral("frmSpeed")}, make<frmSpeed>()); }
void MDIForm1::mnuESD_Click() { openDialog({.dialog = QStringLiteral("frmEmer")}, make<frmEmer>()); }
void MDIForm1::mnuLockOut_Click() { openDialog({.dialog = QStringLiteral("frmLockout")}, make<frmLockout>()); }
void MDIForm1::mnuPreDial_Click() { openDialog({.dialog = QStringLiteral("frmPreDial")}, make<frmPreDial>()); }
void MDIForm1::mnuACode_Click() { openDialog({.dialog = QStringLiteral("frmAreaCodes")}, make<frmAreaCodes>()); }
void MDIForm1::mnuCourtesy_Click() { openDialog({.dialog = QStringLiteral("frmCTones")}, make<frmCTones>()); }
void MDIForm1::mnuDtmf_Click() { openDialog({.dialog = QStringLiteral("frmDTMF")}, make<frmDTMF>()); }

void MDIForm1::mnuSwitch1_Click()
{
    ExpSwitch = 1;
    openDialog({.dialog = QStringLiteral("frmExp"), .caption = QStringLiteral("Expanded Switch #1"), .helpContext = kHelpSwitch1},
               make<frmExp>(int(ExpSwitch)));
}

void MDIForm1::mnuSwitch2_Click()
{
    ExpSwitch = 2;
    openDialog({.dialog = QStringLiteral("frmExp"), .caption = QStringLiteral("Expanded Switch #2"), .helpContext = kHelpSwitch2},
               make<frmExp>(int(ExpSwitch)));
}

void MDIForm1::mnuPage_Click() { openDialog({.dialog = QStringLiteral("frmPage")}, make<frmPage>()); }
void MDIForm1::mnuRbi_Click() { openDialog({.dialog = QStringLiteral("frmFreqDis")}, make<frmFreqDis>()); }

void MDIForm1::mnuMemoryConfig_Click()
{
    openDialog({.dialog = QStringLiteral("frmMemory"), .hourglass = true}, make<frmMemory>());
}

void MDIForm1::mnuRptConfig_Click()
{
    openDialog({.dialog = QStringLiteral("frmQuillConfig"), .modal = false}, make<frmQuillConfig>());
}
void MDIForm1::mnuConfig_Click() { openDialog({.dialog = QStringLiteral("frmConfig")}, make<frmConfig>()); }
void MDIForm1::mnuFlush_Click() { openDialog({.dialog = QStringLiteral("frmErase")}, make<frmErase>()); }
// The print dialog is kept: OK hides it and the next File > Print shows it again, boxes cleared.
void MDIForm1::mnuPrint_Click()
{
    openDialog({.dialog = QStringLiteral("frmPrint"), .helpContext = kHelpPrint, .keep = true}, [](QWidget* parent) {
        return new frmPrint([] { return frmPrint::FontSetting{PrinterFontName, PrinterFontSize}; }, parent);
    });
}

void MDIForm1::mnuAbout_Click()
{
    openDialog({.dialog = QStringLiteral("frmSplash")}, [](QWidget* parent) {
        auto* about = new frmSplash(parent);   // owned by the main window until the opener deletes it
        about->Tag = QStringLiteral("1");
        about->adjustSize();
        platform::widgets::CentreWindow(*about);
        return about;
    });
}

// ---- file menu ----------------------------------------------------------------------------

void MDIForm1::mnuOpen_Click() { quillon::mnuOpen_Click(*this, OpenStartFolder()); }
void MDIForm1::mnuSave_Click() { quillon::mnuSave_Click(*this); }
void MDIForm1::mnuSaveAs_Click() { quillon::mnuSaveAs_Click(*this); }
void MDIForm1::mnuPrtFont_Click() { SelectPrintFont(); }
void MDIForm1::mnuExit_Click() { close(); }
void MDIForm1::mnuHelpContents_Click() { ShowHelpContents(); }
void MDIForm1::mnuHelpSearch_Click() { ShowHelpSearch(); }

// ---- closing ------------------------------------------------------------------------------

bool MDIForm1::MDIForm_QueryUnload()
{
    return !AskToSaveChanges(*this);
}

void MDIForm1::MDIForm_Unload()
{
    if (const platform::WriteResult saved = SaveRegistry(); !saved)
        platform::msgBox(QStringLiteral("The printer font and the recent files could not be saved.\n") +
                             platform::DescribeWriteFailure(RegistryLocation(), saved.error),
                         platform::MsgButtons::OK, platform::MsgIcon::Exclamation, QStringLiteral("Quillon Editor"));
    Timer1->stop();
    CloseModelessEditorsQuietly(*this);   // the program ends: no closing questions of theirs
    for (auto& [name, dialog] : kept_)
        if (dialog)
            dialog->close();
    platform::widgets::Win95Shrival(*this);
    // Every other window (the help window among them) ends with this one.
    QCoreApplication::quit();
}

void MDIForm1::closeEvent(QCloseEvent* event)
{
    if (MDIForm_QueryUnload()) {
        event->ignore();
        return;
    }
    MDIForm_Unload();
    event->accept();
}

} // namespace quillon
