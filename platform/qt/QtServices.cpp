#include "platform/qt/QtServices.h"

#include "platform/IniText.h"
#include "platform/ReadFile.h"
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
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <cerrno>
#include <memory>
#include <optional>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Larger than any settings file these programs write by far; a bigger one is no settings file
// of theirs, and reading it could take all memory.
constexpr qint64 kMaxSettingsBytes = 1024 * 1024;

// Makes the folder and those above it; the system's reason when one cannot be made.
std::optional<QString> makeFolder(const QString& folder)
{
    const QString absolute = QDir::cleanPath(QDir(folder).absolutePath());
    qsizetype from = 1;
    for (;;) {
        const qsizetype slash = absolute.indexOf(u'/', from);
        const QString part = slash < 0 ? absolute : absolute.left(slash);
        if (::mkdir(QFile::encodeName(part).constData(), 0777) != 0 && errno != EEXIST)
            return SystemReason(errno);
        if (slash < 0)
            return std::nullopt;
        from = slash + 1;
    }
}

class IniSettings final : public StoredSettings {
public:
    explicit IniSettings(IniText text) : text_(std::move(text)) {}
    QString get(const QString& section, const QString& key, const QString& def) const override
    {
        return text_.value(section, key).value_or(def);
    }

private:
    IniText text_;
};

// The folder of the user's settings: $XDG_CONFIG_HOME only when it is an absolute path (a
// relative one is ignored, so the working folder never decides where the settings are).
QString configFolder()
{
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!xdg.isEmpty() && !QDir::isAbsolutePath(xdg))
        return QDir::homePath() + QStringLiteral("/.config");
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

class QtSettingsStore final : public SettingsStore {
public:
    std::unique_ptr<const StoredSettings> load(const QString& app) override
    {
        ReadResult file = ReadWholeFile(location(app), kMaxSettingsBytes);
        return std::make_unique<IniSettings>(file.ok() ? IniText(file.bytes) : IniText());
    }
    // Only the lines of the values saved change; the file is checked in memory and replaced whole
    // through the checked writer, so a failed save leaves the old file as it was. A file that
    // could not be read is never replaced: what it holds would be lost. Nor is a text written
    // that the next start would refuse to read.
    WriteResult saveAll(const QString& app, const std::vector<Setting>& values) override
    {
        const QString file = location(app);
        const ReadResult current = ReadWholeFile(file, kMaxSettingsBytes);
        if (!current.ok() && current.status != ReadStatus::Missing)
            return {false, current.reason};
        if (IsProtectedFile(file))
            return {false, SystemReason(EACCES)};
        IniText ini(current.bytes);
        for (const Setting& s : values)
            ini.setValue(s.section, s.key, s.value);
        const QByteArray text = ini.text();
        const IniText back(text);
        for (const Setting& s : values)
            if (back.value(s.section, s.key) != s.value)
                return {false, QStringLiteral("The value of %1/%2 could not be put into the file's form").arg(s.section, s.key)};
        if (text.size() > kMaxSettingsBytes)
            return {false, SystemReason(EFBIG)};
        if (const std::optional<QString> error = makeFolder(QFileInfo(FollowLinks(file)).absolutePath()))
            return {false, *error};
        return WriteWholeFile(file, text);
    }
    // Where QSettings has kept them, so the files of earlier versions are found.
    QString location(const QString& app) override
    {
        return configFolder() + u'/' + app + u'/' + app + QStringLiteral(".ini");
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

// A lock the kernel holds for the process: however a copy ends, its lock goes with it, so a lock
// file left behind (empty, unreadable, of a crashed copy) never keeps the program from starting.
class QtInstanceLock final : public InstanceLock {
public:
    ~QtInstanceLock() override
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    bool acquire(const QString& programName) override
    {
        if (fd_ >= 0)
            return true;
        // $XDG_RUNTIME_DIR only when it is an absolute path: a relative one would give each
        // working folder a lock of its own.
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        QString dir = QDir::isAbsolutePath(runtime) ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
                                                    : QString();
        QString name = programName + QStringLiteral(".lock");
        if (dir.isEmpty()) {
            // Every user shares the temporary folder: the name is this user's own, so no one else
            // can hold it.
            dir = QDir::tempPath();
            name = QStringLiteral("%1-%2.lock").arg(programName).arg(::geteuid());
        }
        const QByteArray path = QFile::encodeName(dir + u'/' + name);
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        // Where no lock can be had (a file of another user's, a link, no folder), the program
        // starts: a second copy is the lesser harm than none at all.
        if (fd < 0)
            return true;
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) {
            ::close(fd);
            return true;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            return error != EWOULDBLOCK;
        }
        fd_ = fd;
        return true;
    }

private:
    int fd_ = -1;
};

} // namespace

std::unique_ptr<InstanceLock> makeInstanceLockForTests()
{
    return std::make_unique<QtInstanceLock>();
}

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
