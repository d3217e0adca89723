#include "platform/testing/ScriptedServices.h"

#include <QCoreApplication>

namespace platform::doubles {

MsgResult ScriptedMessageBox::show(const MessageRequest& request)
{
    shown.push_back(request);
    if (onShow)
        onShow(request);
    if (!answers.empty()) {
        const MsgResult r = answers.front();
        answers.pop_front();
        return r;
    }
    static const std::vector<std::vector<MsgResult>> byButtons = {
        {MsgResult::OK},
        {MsgResult::OK, MsgResult::Cancel},
        {MsgResult::Abort, MsgResult::Retry, MsgResult::Ignore},
        {MsgResult::Yes, MsgResult::No, MsgResult::Cancel},
        {MsgResult::Yes, MsgResult::No},
        {MsgResult::Retry, MsgResult::Cancel},
    };
    const auto& options = byButtons[static_cast<std::size_t>(request.buttons)];
    const auto def = static_cast<std::size_t>(request.defaultButton);
    return options[def < options.size() ? def : 0];
}

QStringList ScriptedMessageBox::texts() const
{
    QStringList out;
    for (const MessageRequest& r : shown)
        out << r.text;
    return out;
}

namespace {
std::optional<QString> take(std::deque<std::optional<QString>>& answers)
{
    if (answers.empty())
        return std::nullopt;
    auto a = answers.front();
    answers.pop_front();
    return a;
}
} // namespace

std::optional<QString> ScriptedFileDialogs::openFile(const FileDialogRequest& request)
{
    openRequests.push_back(request);
    return take(openAnswers);
}

std::optional<QString> ScriptedFileDialogs::saveFile(const FileDialogRequest& request)
{
    saveRequests.push_back(request);
    return take(saveAnswers);
}

QString MemorySettingsStore::path(const QString& app, const QString& section, const QString& key)
{
    return app + '/' + section + '/' + key;
}

namespace {
class MemoryStoredSettings final : public StoredSettings {
public:
    MemoryStoredSettings(QString app, QMap<QString, QString> values) : app_(std::move(app)), values_(std::move(values)) {}
    QString get(const QString& section, const QString& key, const QString& def) const override
    {
        return values_.value(MemorySettingsStore::path(app_, section, key), def);
    }

private:
    QString app_;
    QMap<QString, QString> values_;
};
} // namespace

std::unique_ptr<const StoredSettings> MemorySettingsStore::load(const QString& app)
{
    ++loadCount;
    return std::make_unique<MemoryStoredSettings>(app, values);
}

WriteResult MemorySettingsStore::saveAll(const QString& app, const std::vector<Setting>& settings)
{
    saveCount += static_cast<int>(settings.size());
    if (failSaves)
        return {false, failureReason};
    for (const Setting& s : settings)
        values[path(app, s.section, s.key)] = s.value;
    return {true, {}};
}

void FakeEventLoop::yield()
{
    ++yields;
    clock_.advance(stepPerYieldMs);
    if (processQtEvents && QCoreApplication::instance())
        QCoreApplication::processEvents();
    if (onYield)
        onYield();
}

void FakeEventLoop::sleepMs(int ms)
{
    const qint64 end = clock_.monotonicMs() + ms;
    while (clock_.monotonicMs() < end)
        yield();
}

bool RecordingDesktop::startProgram(const QString& program, const QStringList& args)
{
    started << (QStringList{program} + args).join(' ');
    return startResult;
}

ScriptedServices::ScriptedServices() : saved_(services())
{
    Services& s = services();
    s.messageBox = &messageBox;
    s.fileDialogs = &fileDialogs;
    s.settings = &settings;
    s.clock = &clock;
    s.eventLoop = &eventLoop;
    s.desktop = &desktop;
    s.instanceLock = &instanceLock;
    s.help = &help;
    s.printer = &printer;
    s.serialPort = &serialPort;
}

ScriptedServices::~ScriptedServices()
{
    services() = saved_;
}

} // namespace platform::doubles
