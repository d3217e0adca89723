#include "platform/qt/QtServices.h"

#include "platform/Services.h"
#include "platform/WholeFile.h"
#include "platform/qt/QtHelpViewer.h"
#include "platform/qt/QtPrinter.h"
#include "platform/qt/QtSerialPort.h"
#include "platform/widgets/Windows.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>

namespace platform {
namespace {

class QtMessageBox final : public MessageBox {
public:
    MsgResult show(const MessageRequest& r) override
    {
        QMessageBox box(QApplication::activeWindow());
        box.setText(r.text);
        box.setWindowTitle(r.title);
        switch (r.icon) {
        case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
        case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
        case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
        case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
        }
        struct B { QMessageBox::StandardButton qt; MsgResult result; };
        std::vector<B> buttons;
        switch (r.buttons) {
        case MsgButtons::OK: buttons = {{QMessageBox::Ok, MsgResult::OK}}; break;
        case MsgButtons::OKCancel: buttons = {{QMessageBox::Ok, MsgResult::OK}, {QMessageBox::Cancel, MsgResult::Cancel}}; break;
        case MsgButtons::AbortRetryIgnore:
            buttons = {{QMessageBox::Abort, MsgResult::Abort}, {QMessageBox::Retry, MsgResult::Retry}, {QMessageBox::Ignore, MsgResult::Ignore}};
            break;
        case MsgButtons::YesNoCancel:
            buttons = {{QMessageBox::Yes, MsgResult::Yes}, {QMessageBox::No, MsgResult::No}, {QMessageBox::Cancel, MsgResult::Cancel}};
            break;
        case MsgButtons::YesNo: buttons = {{QMessageBox::Yes, MsgResult::Yes}, {QMessageBox::No, MsgResult::No}}; break;
        case MsgButtons::RetryCancel: buttons = {{QMessageBox::Retry, MsgResult::Retry}, {QMessageBox::Cancel, MsgResult::Cancel}}; break;
        }
        QMessageBox::StandardButtons all;
        for (const B& b : buttons)
            all |= b.qt;
        box.setStandardButtons(all);
        const std::size_t def = static_cast<std::size_t>(r.defaultButton);
        if (def < buttons.size())
            box.setDefaultButton(buttons[def].qt);
        // Escape / close box: Cancel where offered, otherwise the last button (OK or No).
        box.setEscapeButton(box.button(buttons.back().qt));
        // A box only as wide as its text would have its title cut short by the window manager.
        if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
            grid->addItem(new QSpacerItem(widgets::TitleBarWidth(r.title), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                          grid->rowCount(), 0, 1, grid->columnCount());
        const int answer = box.exec();
        for (const B& b : buttons)
            if (answer == b.qt)
                return b.result;
        return buttons.back().result;
    }
};

// "Desc|*.a;*.b|Desc2|*.c" -> Qt's "Desc (*.a *.b);;Desc2 (*.c)"
QStringList qtFilters(const QString& filter)
{
    QStringList out;
    const QStringList parts = filter.split('|');
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        out << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return out;
}

class QtFileDialogs final : public FileDialogs {
public:
    std::optional<QString> openFile(const FileDialogRequest& r) override { return run(r, QFileDialog::AcceptOpen); }
    std::optional<QString> saveFile(const FileDialogRequest& r) override { return run(r, QFileDialog::AcceptSave); }

private:
    std::optional<QString> run(const FileDialogRequest& r, QFileDialog::AcceptMode mode)
    {
        QFileDialog dialog(QApplication::activeWindow(), r.title);
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        const QStringList filters = qtFilters(r.filter);
        dialog.setNameFilters(filters);
        if (r.filterIndex >= 1 && r.filterIndex <= filters.size())
            dialog.selectNameFilter(filters[r.filterIndex - 1]);
        if (!r.initialDir.isEmpty())
            dialog.setDirectory(r.initialDir);
        if (!r.initialName.isEmpty())
            dialog.selectFile(r.initialName);
        if (!r.defaultExtension.isEmpty())
            dialog.setDefaultSuffix(r.defaultExtension);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !r.overwritePrompt);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().first();
    }
};

// The INI text QSettings makes of `keys`, read back and compared: QSaveFile, which QSettings
// writes through, can report success after its final flush failed, so what it wrote is checked
// before it replaces anything. Made in a scratch folder of its own; nullopt when it did not hold.
std::optional<QByteArray> iniText(const QVariantMap& keys)
{
    if (keys.isEmpty())
        return QByteArray();
    const QTemporaryDir scratch;
    if (!scratch.isValid())
        return std::nullopt;
    const QString made = scratch.filePath(QStringLiteral("made.ini"));
    {
        QSettings out(made, QSettings::IniFormat);
        for (auto it = keys.begin(); it != keys.end(); ++it)
            out.setValue(it.key(), it.value());
        out.sync();
        if (out.status() != QSettings::NoError)
            return std::nullopt;
    }
    QFile in(made);
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray text = in.readAll();
    // Parsed again under a name QSettings has not seen, so the check reads the bytes, not its cache.
    QFile copy(scratch.filePath(QStringLiteral("check.ini")));
    if (!copy.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || copy.write(text) != text.size())
        return std::nullopt;
    copy.close();
    const QSettings back(copy.fileName(), QSettings::IniFormat);
    if (back.status() != QSettings::NoError || back.allKeys().size() != keys.size())
        return std::nullopt;
    for (auto it = keys.begin(); it != keys.end(); ++it)
        if (back.value(it.key()) != it.value())
            return std::nullopt;
    return text;
}

class QtSettingsStore final : public SettingsStore {
public:
    QString get(const QString& app, const QString& section, const QString& key, const QString& def) override
    {
        QSettings s(QSettings::IniFormat, QSettings::UserScope, app, app);
        const QVariant v = s.value(section + '/' + key);
        if (!v.isValid())
            return def;
        // A hand-edited value with an unquoted comma reads as a list; it was one text.
        if (v.metaType().id() == QMetaType::QStringList)
            return v.toStringList().join(u',');
        return v.toString();
    }
    // The whole file is made anew and replaced through the checked writer, so a failed save
    // leaves the old file as it was. Success is the write's: a line QSettings could not parse
    // when reading is simply not written again.
    WriteResult saveAll(const QString& app, const std::vector<Setting>& values) override
    {
        const QString file = location(app);
        QVariantMap keys;
        {
            const QSettings current(file, QSettings::IniFormat);
            for (const QString& key : current.allKeys())
                keys.insert(key, current.value(key));
        }
        for (const Setting& s : values)
            keys.insert(s.section + u'/' + s.key, s.value);
        const std::optional<QByteArray> text = iniText(keys);
        if (!text)
            return {false, QStringLiteral("The settings could not be put into the file's form")};
        QDir().mkpath(QFileInfo(file).absolutePath());   // a folder that cannot be made fails the write
        return WriteWholeFile(file, *text);
    }
    QString location(const QString& app) override
    {
        return QSettings(QSettings::IniFormat, QSettings::UserScope, app, app).fileName();
    }
};

class QtClock final : public Clock {
public:
    QtClock() { timer_.start(); }
    qint64 monotonicMs() override { return timer_.elapsed(); }
    QDateTime now() override { return QDateTime::currentDateTime(); }

private:
    QElapsedTimer timer_;
};

class QtEventLoop final : public EventLoop {
public:
    void yield() override
    {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        // Without a short rest a wait loop would spin a core at 100 %.
        QThread::msleep(1);
    }
    void sleepMs(int ms) override
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms)
            yield();
    }
};

class QtDesktop final : public Desktop {
public:
    void beep() override { QApplication::beep(); }
    void setWaitCursor(bool on) override
    {
        if (on && !busy_)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else if (!on && busy_)
            QApplication::restoreOverrideCursor();
        busy_ = on;
    }
    bool waitCursor() const override { return busy_; }
    bool startProgram(const QString& program, const QStringList& args) override
    {
        return QProcess::startDetached(program, args);
    }
    bool openUrl(const QString& url, std::function<void()> failedLater) override
    {
        // Started by hand, not through QDesktopServices, whose answer only says that xdg-open
        // started: its exit status tells whether a browser took the page (3: none was found).
        auto handler = std::make_unique<QProcess>();
        handler->setProgram(QStringLiteral("xdg-open"));
        handler->setArguments({url});
        handler->setStandardInputFile(QProcess::nullDevice());
        handler->setStandardOutputFile(QProcess::nullDevice());
        handler->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        handler->start();
        if (!handler->waitForStarted(kUrlHandlerStartMs))
            return false;
        if (handler->state() != QProcess::NotRunning) {
            // The windows keep painting meanwhile, but take no clicks or keys.
            QApplication::setOverrideCursor(Qt::BusyCursor);
            QEventLoop wait;
            QTimer::singleShot(kUrlHandlerVerdictMs, &wait, &QEventLoop::quit);
            QObject::connect(handler.get(), &QProcess::finished, &wait, &QEventLoop::quit);
            wait.exec(QEventLoop::ExcludeUserInputEvents);
            QApplication::restoreOverrideCursor();
        }
        if (handler->state() == QProcess::NotRunning)
            return succeeded(*handler);
        // Still at work: the generic xdg-open runs the browser itself and ends with it. It is heard
        // from when it ends, and owned by no one, so quitting this program does not kill it.
        QProcess* running = handler.release();
        QObject::connect(running, &QProcess::finished, running, [running, failedLater = std::move(failedLater)] {
            running->deleteLater();
            if (!succeeded(*running) && failedLater)
                failedLater();
        });
        return true;
    }
    QString findProgram(const QString& name) override { return QStandardPaths::findExecutable(name); }
    QRect screenArea(const QWidget& window) override
    {
        const QScreen* screen = screenOf(window);
        return screen ? screen->geometry() : QRect();
    }
    QRect availableArea(const QWidget& window) override
    {
        const QScreen* screen = screenOf(window);
        return screen ? screen->availableGeometry() : QRect();
    }

private:
    static constexpr int kUrlHandlerStartMs = 5000;
    // Long enough for xdg-open to try every browser it knows on a busy machine; a browser it
    // found opens its window within this time too.
    static constexpr int kUrlHandlerVerdictMs = 2500;
    static bool succeeded(const QProcess& handler)
    {
        return handler.exitStatus() == QProcess::NormalExit && handler.exitCode() == 0;
    }
    static const QScreen* screenOf(const QWidget& window)
    {
        return window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    }
    bool busy_ = false;
};

class QtInstanceLock final : public InstanceLock {
public:
    bool acquire(const QString& programName) override
    {
        QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (dir.isEmpty())
            dir = QDir::tempPath();
        lock_ = std::make_unique<QLockFile>(dir + '/' + programName + ".lock");
        lock_->setStaleLockTime(0); // a lock left by a crashed instance is removed via its PID
        return lock_->tryLock(0);
    }

private:
    std::unique_ptr<QLockFile> lock_;
};

} // namespace

void installQtServices()
{
    static QtMessageBox messageBox;
    static QtFileDialogs fileDialogs;
    static QtSettingsStore settings;
    static QtClock clock;
    static QtEventLoop eventLoop;
    static QtDesktop desktop;
    static QtInstanceLock instanceLock;
    static QtHelpViewer help;
    Services& s = services();
    s.messageBox = &messageBox;
    s.fileDialogs = &fileDialogs;
    s.settings = &settings;
    s.clock = &clock;
    s.eventLoop = &eventLoop;
    s.desktop = &desktop;
    s.instanceLock = &instanceLock;
    s.help = &help;
    static QtSerialPort serialPort;
    static QtPrinter printer;
    s.serialPort = &serialPort; s.printer = &printer;
}

} // namespace platform
