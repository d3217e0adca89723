#pragma once
// Scripted doubles of every platform service, for tests, the printer and the serial port included.
// Constructing ScriptedServices installs them into platform::services(); destroying it puts back
// what was there.
#include "platform/Services.h"
#include "platform/testing/FakeSerialPort.h"
#include "platform/testing/RecordingPrinter.h"

#include <QDateTime>
#include <QMap>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace platform::doubles {

class ScriptedMessageBox final : public MessageBox {
public:
    MsgResult show(const MessageRequest& request) override;
    // Answers are taken in order; with none left the box answers with its default button.
    std::deque<MsgResult> answers;
    // Called while the box is "open" (after recording), e.g. to look at the state at that moment.
    std::function<void(const MessageRequest&)> onShow;
    std::vector<MessageRequest> shown;
    QStringList texts() const;
};

class ScriptedFileDialogs final : public FileDialogs {
public:
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;
    // nullopt entries mean "cancelled"; with none left the dialog is cancelled.
    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;
};

class MemorySettingsStore final : public SettingsStore {
public:
    // What `values` holds now; loadCount counts the loads.
    std::unique_ptr<const StoredSettings> load(const QString& app) override;
    // All or nothing, as the real store; saveCount counts the values, one by one.
    WriteResult saveAll(const QString& app, const std::vector<Setting>& values) override;
    QString location(const QString& app) override { return "/scripted/settings/" + app + ".ini"; }
    static QString path(const QString& app, const QString& section, const QString& key);
    QMap<QString, QString> values;   // "app/section/key" -> value
    int saveCount = 0;
    int loadCount = 0;
    bool failSaves = false;          // every save then fails with failureReason
    QString failureReason = QStringLiteral("Input/output error");
};

// Time moves only when a test advances it, or by stepPerYieldMs at each yield.
class FakeClock final : public Clock {
public:
    qint64 monotonicMs() override { return ms; }
    QDateTime now() override { return wallStart.addMSecs(ms); }
    void advance(qint64 delta) { ms += delta; }
    qint64 ms = 1000;
    QDateTime wallStart = QDateTime(QDate(2026, 12, 9), QTime(10, 0, 0));
};

class FakeEventLoop final : public EventLoop {
public:
    explicit FakeEventLoop(FakeClock& clock) : clock_(clock) {}
    void yield() override;
    void sleepMs(int ms) override;
    qint64 stepPerYieldMs = 10;
    bool processQtEvents = true;   // deliver real Qt events at each yield
    int yields = 0;
    std::function<void()> onYield;  // lets a test act "during" a wait

private:
    FakeClock& clock_;
};

class RecordingDesktop final : public Desktop {
public:
    void beep() override { ++beeps; }
    void setWaitCursor(bool on) override { busy = on; cursorChanges.push_back(on); }
    bool waitCursor() const override { return busy; }
    bool startProgram(const QString& program, const QStringList& args) override;
    bool openUrl(const QString& url, std::function<void()> failedLater) override
    {
        urls << url;
        this->failedLater = std::move(failedLater);
        return openUrlResult;
    }
    QString findProgram(const QString& name) override { return programsOnPath.value(name); }
    QRect screenArea(const QWidget&) override { return screen; }
    QRect availableArea(const QWidget&) override { return available.isValid() ? available : screen; }

    int beeps = 0;
    bool busy = false;
    std::vector<bool> cursorChanges;
    QStringList started;   // "program arg1 arg2"
    bool startResult = true;
    QStringList urls;
    bool openUrlResult = true;
    std::function<void()> failedLater;   // of the last openUrl: a test runs it as a late failure
    QMap<QString, QString> programsOnPath;
    // The screen the windows are placed on, whatever the test platform's own screen is, and the
    // part the panels leave (the whole screen while unset).
    QRect screen{0, 0, 1280, 1024};
    QRect available;
};

class FakeInstanceLock final : public InstanceLock {
public:
    bool acquire(const QString& programName) override { requested << programName; return !otherInstanceRunning; }
    bool otherInstanceRunning = false;
    QStringList requested;
};

class RecordingHelpViewer final : public HelpViewer {
public:
    bool showContents(const QString& file) override { calls << "contents " + file; return result; }
    bool showSearch(const QString& file) override { calls << "search " + file; return result; }
    bool showTopic(const QString& file, int context) override
    {
        calls << QStringLiteral("topic %1 %2").arg(context).arg(file);
        return result;
    }
    QStringList calls;
    bool result = true;
};

class ScriptedServices {
public:
    ScriptedServices();
    ~ScriptedServices();
    ScriptedServices(const ScriptedServices&) = delete;
    ScriptedServices& operator=(const ScriptedServices&) = delete;

    ScriptedMessageBox messageBox;
    ScriptedFileDialogs fileDialogs;
    MemorySettingsStore settings;
    FakeClock clock;
    FakeEventLoop eventLoop{clock};
    RecordingDesktop desktop;
    FakeInstanceLock instanceLock;
    RecordingHelpViewer help;
    RecordingPrinter printer;
    FakeSerialPort serialPort;

private:
    Services saved_;
};

} // namespace platform::doubles
