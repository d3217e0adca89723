#include "merrowedit/windows/Mwr_Rec.h"

#include "merrowedit/data/EventTable.h"
#include "merrowedit/data/History.h"
#include "merrowedit/data/Messages.h"
#include "merrowedit/data/ParameterFile.h"
#include "merrowedit/data/Settings.h"
#include "merrowedit/link/Link.h"
#include "merrowedit/windows/ImageList.h"
#include "merrowedit/windows/ProgramFiles.h"
#include "merrowedit/windows/frmAbout.h"
#include "merrowedit/windows/frmEvent.h"
#include "platform/Services.h"
#include "platform/widgets/FieldStyle.h"
#include "platform/widgets/HelpDisplay.h"
#include "platform/widgets/Windows.h"

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QDate>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace merrow {
namespace {

struct ToolButton {
    const char* key;
    const char* tooltip;
};

constexpr ToolButton kToolButtons[12] = {
    {"Setup", "Serial Port Setup and Date/Time Configuration"},
    {"FIP Codes", "Select State and FIP Codes"},
    {"Event Codes", "Select Event Codes"},
    {"Options", "Setup Receiver Options"},
    {"Timers", "Configure Receiver Timers"},
    {"Inputs", "Select Hardware Input and Output Action."},
    {"Identification", "Set Station Identification"},
    {"RS232", "Setup Raw Data Out RS232 Port"},
    {"Transfer Data", "Transfer Data To/From Merrow"},
    {"Print History", "Print History Report"},
    {"Help", "Help Contents"},
    {"Exit", "Exit  Merrow Program"},
};

QLabel* gridCell(QWidget* parent, const QString& text)
{
    auto* label = new QLabel(text, parent);
    platform::widgets::StyleFieldLabel(label, platform::widgets::FieldLook::Shown);
    return label;
}

// The width a grid cell asks for to show the widest of the texts.
int widestCell(QLabel* cell, const QStringList& texts)
{
    int widest = 0;
    for (const QString& text : texts) {
        cell->setText(text);
        widest = std::max(widest, cell->sizeHint().width());
    }
    cell->clear();
    return widest;
}

QStringList everyHistoryDate()
{
    QStringList dates;
    for (int month = 1; month <= 12; ++month)
        dates << HistoryDateText(QDate(2000, month, month == 2 ? 29 : 30), true);
    return dates;
}

QStringList everyEventName()
{
    const int eventClass = EventClass;   // looking names up is no history decoding
    QStringList names{EventCodeName(QString())};
    for (const EventBox& box : EventBoxes())
        if (*box.code)
            names << EventCodeName(QString::fromLatin1(box.code));
    EventClass = eventClass;
    return names;
}

} // namespace

Mwr_Rec::Mwr_Rec(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Merrow Digital Weather Receiver"));
    setWindowIcon(ProgramIcon());
    endProgram = [] { QCoreApplication::quit(); };

    buildToolbar();
    buildMenus();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildGrid());
    setCentralWidget(central);

    panelLeft_ = new QLabel(this);
    panelLeft_->setObjectName(QStringLiteral("Left"));
    panelRight_ = new QLabel(this);
    panelRight_->setObjectName(QStringLiteral("Right"));
    panelRight_->setMinimumWidth(160);
    // The progress bar shows only during a transfer. It sits in the status bar, no taller than a
    // panel's text, so showing and hiding it never changes the window's size.
    prgXfer = new QProgressBar(this);
    prgXfer->setTextVisible(false);
    prgXfer->setFixedSize(160, panelLeft_->sizeHint().height());
    statusBar()->addWidget(panelLeft_, 1);
    statusBar()->addPermanentWidget(prgXfer);
    statusBar()->addPermanentWidget(panelRight_);

    // Runs only once the transfer gives it an interval.

    // Form_Load: nothing to view or save before a transfer has succeeded.
    mnuView->setEnabled(false);
    mnuView->menuAction()->setEnabled(false);
    mnuSaveAs->setEnabled(false);
    prgXfer->setVisible(false);
    ExitRequested = false;

    // Any key going down in this window with Ctrl held, whichever child has the focus.
    qApp->installEventFilter(this);
}

Mwr_Rec::~Mwr_Rec()
{
    qApp->removeEventFilter(this);
}

void Mwr_Rec::buildToolbar()
{
    Tlbar = addToolBar(QStringLiteral("Tlbar"));
    Tlbar->setObjectName(QStringLiteral("Tlbar"));
    Tlbar->setMovable(false);
    Tlbar->setIconSize(QSize(32, 32));
    Tlbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const ToolButton& b : kToolButtons) {
        Tlbar->addSeparator();
        QAction* action = Tlbar->addAction(QString::fromLatin1(b.key));
        action->setObjectName(QString::fromLatin1(b.key));
        action->setToolTip(QString::fromLatin1(b.tooltip));
        const QString key = QString::fromLatin1(b.key);
        connect(action, &QAction::triggered, this, [this, key] { Tlbar_ButtonClick(key); });
    }
    bindToolbarImages();
}

void Mwr_Rec::buildMenus()
{
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuSaveAs = mnuFile->addAction(QStringLiteral("Save History File As..."));
    mnuExitNoSave = mnuFile->addAction(QStringLiteral("Ex&it Without Save"));
    mnuExit = mnuFile->addAction(QStringLiteral("E&xit"));
    connect(mnuSaveAs, &QAction::triggered, this, [this] { run(commands.SaveHistoryAs); });
    connect(mnuExitNoSave, &QAction::triggered, this, &Mwr_Rec::mnuExitNoSave_Click);
    connect(mnuExit, &QAction::triggered, this, &Mwr_Rec::mnuExit_Click);

    mnuView = menuBar()->addMenu(QStringLiteral("&View History"));
    mnuHistory_1 = mnuView->addAction(QStringLiteral("View History Group    1 - 20"));
    mnuHistory_2 = mnuView->addAction(QStringLiteral("View History Group  21 - 40"));
    mnuHistory_1->setCheckable(true);
    mnuHistory_2->setCheckable(true);
    connect(mnuHistory_1, &QAction::triggered, this, [this] { mnuHistory_Click(0); });
    connect(mnuHistory_2, &QAction::triggered, this, [this] { mnuHistory_Click(1); });

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelpContents = mnuHelp->addAction(QStringLiteral("&Help Contents"));
    mnuSearchHelp = mnuHelp->addAction(QStringLiteral("&Search For Help On..."));
    mnuHelp->addSeparator();
    mnuQuill = mnuHelp->addMenu(QStringLiteral("Merrow on the &Web"));
    mnuHomePage = mnuQuill->addAction(QStringLiteral("&Home Page..."));
    mnuUpdate = mnuQuill->addAction(QStringLiteral("&Database Update Page..."));
    mnuManuals = mnuQuill->addAction(QStringLiteral("&Manuals Update Page..."));
    mnuHelp->addSeparator();
    mnuTipsShow = mnuHelp->addAction(QStringLiteral("Show Tip at startup"));
    mnuTipsShow->setCheckable(true);
    mnuHelp->addSeparator();
    mnuTest = mnuHelp->addAction(QStringLiteral("&Play Test Packets..."));
    mnuHelp->addSeparator();
    mnuAbout = mnuHelp->addAction(QStringLiteral("&About"));
    connect(mnuHelpContents, &QAction::triggered, this, &Mwr_Rec::mnuHelpContents_Click);
    connect(mnuSearchHelp, &QAction::triggered, this, &Mwr_Rec::mnuSearchHelp_Click);
    connect(mnuHomePage, &QAction::triggered, this, [this] { mnuWebPage_Click(QStringLiteral("/index.html")); });
    connect(mnuUpdate, &QAction::triggered, this, [this] { mnuWebPage_Click(QStringLiteral("/weather1.html")); });
    connect(mnuManuals, &QAction::triggered, this, [this] { mnuWebPage_Click(QStringLiteral("/manuals.html")); });
    // The menu's own check toggle is undone: the handler sets the mark from the setting.
    connect(mnuTipsShow, &QAction::triggered, this, &Mwr_Rec::mnuTipsShow_Click);
    connect(mnuTest, &QAction::triggered, this, [this] { run(commands.ShowTest); });
    connect(mnuAbout, &QAction::triggered, this, &Mwr_Rec::mnuAbout_Click);
}

QWidget* Mwr_Rec::buildGrid()
{
    auto* grid = new QWidget(this);
    auto* layout = new QGridLayout(grid);
    layout->setSpacing(1);
    const char* headers[] = {"Num", "Date", "Time", "Length", "ORG", "Event Code Received"};
    for (int c = 0; c < 6; ++c) {
        auto* header = new QLabel(QString::fromLatin1(headers[c]), grid);
        header->setAlignment(Qt::AlignCenter);
        header->setFrameStyle(QFrame::Panel | QFrame::Raised);
        layout->addWidget(header, 0, c);
    }
    for (int r = 0; r < kHistoryRows; ++r) {
        const auto i = static_cast<std::size_t>(r);
        lblNum[i] = gridCell(grid, QString::number(r + 1));
        lblNum[i]->setAlignment(Qt::AlignCenter);
        lblDate[i] = gridCell(grid, {});
        lblTime[i] = gridCell(grid, {});
        lblLength[i] = gridCell(grid, {});
        lblOrg[i] = gridCell(grid, {});
        lblEvent[i] = gridCell(grid, {});
        QLabel* row[] = {lblNum[i], lblDate[i], lblTime[i], lblLength[i], lblOrg[i], lblEvent[i]};
        for (int c = 0; c < 6; ++c)
            layout->addWidget(row[c], r + 1, c);
    }
    // Each column holds the widest text it can show from the start, so filling the grid after a
    // transfer never widens the window. Room the dates need beyond 90 px comes out of the event
    // column, wider than its names need.
    const int dateWidth = std::max(90, widestCell(lblDate[0], everyHistoryDate()));
    layout->setColumnMinimumWidth(0, 40);
    layout->setColumnMinimumWidth(1, dateWidth);
    layout->setColumnMinimumWidth(2, std::max(70, widestCell(lblTime[0], {QStringLiteral("00:00")})));
    layout->setColumnMinimumWidth(3, std::max(60, widestCell(lblLength[0], {QStringLiteral("00:00")})));
    layout->setColumnMinimumWidth(4, std::max(50, widestCell(lblOrg[0], {QStringLiteral("WWW")})));
    layout->setColumnMinimumWidth(5, std::max(350 - dateWidth, widestCell(lblEvent[0], everyEventName())));
    layout->setColumnStretch(5, 1);
    return grid;
}

QLabel* Mwr_Rec::statusPanelForTests(const QString& key) const
{
    if (key == QLatin1String("Left"))
        return panelLeft_;
    if (key == QLatin1String("Right"))
        return panelRight_;
    return nullptr;
}

QAction* Mwr_Rec::toolButtonForTests(const QString& key) const
{
    for (QAction* a : Tlbar->actions())
        if (!a->isSeparator() && a->objectName() == key)
            return a;
    return nullptr;
}

void Mwr_Rec::run(const std::function<void()>& command)
{
    if (command)
        command();
}

void Mwr_Rec::bindToolbarImages()
{
    int image = 1;
    for (QAction* a : Tlbar->actions())
        if (!a->isSeparator())
            a->setIcon(QIcon(ImageList1(image++)));
}

void Mwr_Rec::Form_Activate()
{
    if (about_)
        about_->close();
    bindToolbarImages();
    panelRight_->clear();
    platform::setWaitCursor(false);
}

void Mwr_Rec::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

bool Mwr_Rec::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == this) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers().testFlag(Qt::ControlModifier) || key->key() == Qt::Key_Control)
            CtrlKeySeen = true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Mwr_Rec::Tlbar_ButtonClick(const QString& key)
{
    if (commandsLocked_)
        return;
    if (key == QLatin1String("Setup"))
        run(commands.ShowCommPort);
    else if (key == QLatin1String("FIP Codes"))
        run(commands.ShowFips);
    else if (key == QLatin1String("Event Codes")) {
        frmEvent dialog(this);
        dialog.exec();
    } else if (key == QLatin1String("Options"))
        run(commands.ShowOptions);
    else if (key == QLatin1String("Timers"))
        run(commands.ShowTimers);
    else if (key == QLatin1String("Inputs"))
        run(commands.ShowInOuts);
    else if (key == QLatin1String("Identification"))
        run(commands.ShowIdent);
    else if (key == QLatin1String("RS232"))
        run(commands.ShowRS232);
    else if (key == QLatin1String("Transfer Data"))
        run(commands.EstConnect);
    else if (key == QLatin1String("Print History"))
        PrintHistory();
    else if (key == QLatin1String("Help"))
        mnuHelpContents_Click();
    else if (key == QLatin1String("Exit"))
        mnuExit_Click();
}

void Mwr_Rec::PrintHistory()
{
    // Only the first row of the group on display counts.
    if (lblDate[0]->text().isEmpty()) {
        ShowErrorMessage(kErrNoHistoryToPrint);
        return;
    }
    run(commands.PrintHistory);
}

void Mwr_Rec::mnuHistory_Click(int group)
{
    if (commands.ShowHistoryGroup)
        commands.ShowHistoryGroup(group);
    setHistoryGroupChecked(group);
}

void Mwr_Rec::mnuWebPage_Click(const QString& path)
{
    if (!commands.OpenWebPage)
        return;
    if (!commands.OpenWebPage(kMakerWebSite + path))
        ShowErrorMessage(kErrWebBrowser);
}

void Mwr_Rec::showHelp(bool search)
{
    using platform::widgets::HelpPage;
    platform::widgets::ShowHelp(HelpFile(), kProductTitle, search ? HelpPage::Search : HelpPage::Contents);
}

void Mwr_Rec::mnuHelpContents_Click()
{
    showHelp(false);
}

void Mwr_Rec::mnuSearchHelp_Click()
{
    showHelp(true);
}

void Mwr_Rec::mnuTipsShow_Click()
{
    ShowTipsAtStartup = !ShowTipsAtStartup;
    mnuTipsShow->setChecked(ShowTipsAtStartup);
}

void Mwr_Rec::mnuAbout_Click()
{
    ShowDataDump = CtrlKeySeen;
    CtrlKeySeen = false;
    frmAbout dialog(this);
    dialog.MakeContact = commands.MakeContact;
    dialog.ShowDataDumpWindow = commands.ShowDataDump;
    about_ = &dialog;
    dialog.exec();
}

platform::MsgResult Mwr_Rec::ConfirmSaveChanges()
{
    return platform::msgBox(QStringLiteral(" Do you want to save any changes? "), platform::MsgButtons::YesNoCancel,
                            platform::MsgIcon::Question, kProductTitle);
}

void Mwr_Rec::mnuExit_Click()
{
    if (commandsLocked_)
        return;
    switch (ConfirmSaveChanges()) {
    case platform::MsgResult::Yes:
        ExitRequested = true;
        SaveAndExit();
        break;
    case platform::MsgResult::No:
        ExitRequested = true;
        ExitWithoutSave();
        break;
    default: break;
    }
}

void Mwr_Rec::mnuExitNoSave_Click()
{
    if (commandsLocked_)
        return;
    ExitRequested = true;
    ExitWithoutSave();
}

bool Mwr_Rec::SaveAndExit()
{
    run(commands.ClosePort);
    // The parameter file first: when it cannot be written nothing else is saved, and the run's
    // edits stay in the open window (SaveDataFile has named the file and the reason).
    if (!SaveDataFile()) {
        ExitRequested = false;
        return false;
    }
    if (const platform::WriteResult saved = SaveRegistrySettings(); !saved) {
        platform::msgBox(QStringLiteral("Error, Merrow Settings File  %1  can not be written.\r\n%2\r\n"
                                        "Your changes are kept until you exit without saving.")
                             .arg(QDir::toNativeSeparators(SettingsLocation()), saved.error),
                         platform::MsgButtons::OK, platform::MsgIcon::Exclamation, kProductTitle);
        ExitRequested = false;
        return false;
    }
    hide();
    endProgram();
    return true;
}

void Mwr_Rec::ExitWithoutSave()
{
    run(commands.ClosePort);
    hide();
    endProgram();
}

void Mwr_Rec::closeEvent(QCloseEvent* event)
{
    // A running transfer, port test or dump still waits inside this window.
    if (commandsLocked_ || LinkBusy()) {
        event->ignore();
        return;
    }
    if (!ExitRequested) {
        // The same question as File > Exit: a close box pressed by mistake, or Esc, keeps the
        // program and its edits.
        switch (ConfirmSaveChanges()) {
        case platform::MsgResult::Yes:
            ExitRequested = true;
            if (SaveAndExit())
                event->accept();
            else
                event->ignore();
            return;
        case platform::MsgResult::No: ExitRequested = true; break;
        default: event->ignore(); return;
        }
    }
    event->accept();
    platform::widgets::Win95Shrival(*this);
    endProgram();
}

void Mwr_Rec::setStatusLeft(const QString& text)
{
    panelLeft_->setText(text);
}

void Mwr_Rec::setStatusRight(const QString& text)
{
    panelRight_->setText(text);
}

void Mwr_Rec::setProgressVisible(bool visible)
{
    prgXfer->setVisible(visible);
}

void Mwr_Rec::setProgressMaximum(int maximum)
{
    prgXfer->setMaximum(maximum);
}

void Mwr_Rec::setProgressValue(int value)
{
    prgXfer->setValue(value);
}

void Mwr_Rec::clearHistoryRow(int row)
{
    const auto i = static_cast<std::size_t>(row);
    if (i >= static_cast<std::size_t>(kHistoryRows))
        return;
    lblDate[i]->clear();
    lblTime[i]->clear();
    lblOrg[i]->clear();
    lblEvent[i]->clear();
    lblLength[i]->clear();
    QPalette pal = lblEvent[i]->palette();
    pal.setColor(QPalette::Window, Qt::white);
    lblEvent[i]->setPalette(pal);
}

void Mwr_Rec::showHistoryRow(int row, const HistoryGridRow& texts)
{
    const auto i = static_cast<std::size_t>(row);
    if (i >= static_cast<std::size_t>(kHistoryRows))
        return;
    lblNum[i]->setText(texts.num);
    lblDate[i]->setText(texts.date);
    lblTime[i]->setText(texts.time);
    lblLength[i]->setText(texts.length);
    lblOrg[i]->setText(texts.org);
    lblEvent[i]->setText(texts.event);
    QPalette pal = lblEvent[i]->palette();
    const QColor colour = texts.eventColor == EventColour::Red    ? QColor(255, 0, 0)
                          : texts.eventColor == EventColour::Blue ? QColor(0, 0, 255)
                                                                  : QColor(0, 0, 0);
    pal.setColor(QPalette::WindowText, colour);
    lblEvent[i]->setPalette(pal);
}

QString Mwr_Rec::historyDate(int row) const
{
    const auto i = static_cast<std::size_t>(row);
    return i < static_cast<std::size_t>(kHistoryRows) ? lblDate[i]->text() : QString();
}

void Mwr_Rec::setHistoryMenusEnabled(bool enabled)
{
    mnuView->setEnabled(enabled);
    mnuView->menuAction()->setEnabled(enabled);
    mnuSaveAs->setEnabled(enabled);
}

void Mwr_Rec::setHistoryGroupChecked(int group)
{
    mnuHistory_1->setChecked(group == 0);
    mnuHistory_2->setChecked(group == 1);
}

void Mwr_Rec::setBusyPointer(bool busy)
{
    platform::setWaitCursor(busy);
}

void Mwr_Rec::setCommandsLocked(bool locked)
{
    commandsLocked_ = locked;
    Tlbar->setEnabled(!locked);
    menuBar()->setEnabled(!locked);
}

} // namespace merrow
