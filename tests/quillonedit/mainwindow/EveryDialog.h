#pragma once
// Every dialog of the program as the user meets it: each one that a menu of the main window opens,
// looked at while it shows, and the ones those open in turn (made here directly).
#include "MainWindowFixture.h"

#include "quillonedit/editors/MacHelp.h"
#include "quillonedit/editors/ModelessEditor.h"
#include "quillonedit/editors/frmFreqSet.h"
#include "quillonedit/editors/frmPageSet.h"
#include "quillonedit/editors/frmSetSched.h"
#include "quillonedit/editors/frmVoice.h"
#include "quillonedit/image/ImageMap.h"
#include "quillonedit/image/Scheduler.h"
#include "quillonedit/mainwindow/Help.h"
#include "quillonedit/mainwindow/frmKeyPad.h"
#include "quillonedit/printing/frmPrint.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabWidget>

#include <functional>
#include <memory>
#include <vector>

namespace quillon::testing {

struct DialogSeen {
    QString name;           // its class
    QString title;
    int helpContext = 0;    // the topic F1 opens
    QStringList texts;      // its buttons, frames, labels and tabs as they read, access keys left out
    QRect geometry;
    QSize minimumSize, maximumSize;   // what the window system may resize it to
    // Its option buttons, and the buttons of a window that only they close (no close box, Esc does
    // nothing), each with the frame that holds it.
    QStringList choices;
};

inline QString WithoutAccessKey(QString text)
{
    text.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
    return text.trimmed();
}

inline DialogSeen LookAt(QWidget& dialog, int helpContext)
{
    if (auto* print = qobject_cast<frmPrint*>(&dialog)) {
        // Its button names itself only once a section is ticked.
        print->chkPrint[0]->click();
        print->Timer1_Timer();
    }
    DialogSeen seen{QString::fromLatin1(dialog.metaObject()->className()).section("::", -1), dialog.windowTitle(),
                    helpContext, {}, dialog.geometry(), dialog.minimumSize(), dialog.maximumSize(), {}};
    if (const int own = HelpContextOf(&dialog))
        seen.helpContext = own;
    if (auto* editor = qobject_cast<EditorDialog*>(&dialog))
        seen.helpContext = editor->helpContextID();
    const Qt::WindowFlags flags = dialog.windowFlags();
    const bool onlyButtonsClose = flags.testFlag(Qt::CustomizeWindowHint) && !flags.testFlag(Qt::WindowCloseButtonHint);
    for (const QAbstractButton* b : dialog.findChildren<QAbstractButton*>()) {
        seen.texts << WithoutAccessKey(b->text());
        const bool choice = b->inherits("QRadioButton") || (onlyButtonsClose && b->inherits("QPushButton"));
        if (!choice || b->text().isEmpty() || !b->isVisibleTo(&dialog))
            continue;
        const auto* frame = qobject_cast<const QGroupBox*>(b->parentWidget());
        seen.choices << WithoutAccessKey(b->text()) + QLatin1Char('\n') + (frame ? WithoutAccessKey(frame->title()) : QString());
    }
    for (const QGroupBox* g : dialog.findChildren<QGroupBox*>())
        seen.texts << WithoutAccessKey(g->title());
    for (const QLabel* l : dialog.findChildren<QLabel*>())
        seen.texts << WithoutAccessKey(l->text());
    for (const QTabWidget* t : dialog.findChildren<QTabWidget*>())
        for (int i = 0; i < t->count(); ++i)
            seen.texts << WithoutAccessKey(t->tabText(i));
    seen.texts.removeAll(QString());
    return seen;
}

// The menu items that open no dialog of the program's own (file dialogs, help, exit).
inline bool OpensADialog(const QAction& item)
{
    static const QStringList others = {"mnuOpen", "mnuSave", "mnuSaveAs", "mnuExit",
                                       "mnuHelpContents", "mnuHelpSearch"};
    return !item.isSeparator() && !item.menu() && item.isVisible() && !others.contains(item.objectName());
}

inline void MenuItems(const QList<QAction*>& actions, std::vector<QAction*>& out)
{
    for (QAction* a : actions) {
        if (a->menu())
            MenuItems(a->menu()->actions(), out);
        else if (OpensADialog(*a))
            out.push_back(a);
    }
}

// Opens every dialog of `win`'s menus (its project menus enabled) and of the dialogs they open.
inline std::vector<DialogSeen> EveryDialog(MDIForm1& win)
{
    std::vector<DialogSeen> seen;
    std::vector<QAction*> items;
    MenuItems(win.menuBar()->actions(), items);
    for (QAction* item : items) {
        const std::size_t before = seen.size();
        QTimer watch;
        watch.setInterval(5);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (QWidget* w = QApplication::activeModalWidget(); w && seen.size() == before) {
                seen.push_back(LookAt(*w, win.lastOpening().helpContext));
                w->hide();
            }
        });
        watch.start();
        item->trigger();
        watch.stop();
        for (ModelessEditor* editor : win.findChildren<ModelessEditor*>()) {
            if (editor->isVisible() && seen.size() == before)
                seen.push_back(LookAt(*editor, 0));
            editor->CloseQuietly();
        }
        EXPECT_EQ(seen.size(), before + 1) << item->objectName().toStdString() << " opened no dialog";
    }
    // The dialogs that dialogs open, with the topic their opener hands them.
    FrequencyEditState frequency{};
    frequency.FreqEditOffset = kRbiFrequencies;
    const std::vector<std::pair<int, std::function<QDialog*()>>> inner = {
        {500, [] { return new MacHelp; }},
        {501, [] { return new frmSetSched(kScheduler, StageScheduleEntry(kScheduler)); }},
        {905, [&] { return new frmFreqSet(frequency); }},
        {907, [] { return new frmPageSet(kPagingTones); }},
        {400, [] { return new frmVoice; }},
    };
    for (const auto& [context, make] : inner) {
        std::unique_ptr<QDialog> dialog(make());
        if (auto* editor = qobject_cast<EditorDialog*>(dialog.get()); editor && !editor->helpContextID())
            editor->setHelpContextID(context);
        dialog->show();
        seen.push_back(LookAt(*dialog, context));
        dialog->hide();
    }
    // The keypad, as the editors ask for it.
    QTimer watchKeyPad;
    watchKeyPad.setInterval(5);
    QObject::connect(&watchKeyPad, &QTimer::timeout, [&seen] {
        if (QWidget* w = QApplication::activeModalWidget(); qobject_cast<frmKeyPad*>(w)) {
            seen.push_back(LookAt(*w, 0));
            w->hide();
        }
    });
    watchKeyPad.start();
    keyPad().GetKeyPadEntry({.mode = KeyPadKeys::Telephone, .maxLen = 15, .heading = QStringLiteral("Speed Dial")});
    return seen;
}

} // namespace quillon::testing
