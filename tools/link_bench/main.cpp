// merrow-link-bench: runs full transfer cycles against the receiver simulator paced at 4800 baud
// and prints the measured time of each beside the time the bytes need on the wire.
//   merrow-link-bench [--cycles N] [--align]
// --align keeps the wait for the next second boundary before the upload (adds 1 to 4 s).
#include "merrowedit/data/ParameterFile.h"
#include "merrowedit/data/Settings.h"
#include "merrowedit/data/UploadBlock.h"
#include "merrowedit/link/Link.h"
#include "platform/Services.h"
#include "platform/qt/QtServices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMap>
#include <QProcess>

#include <cstdio>
#include <vector>

namespace {

// Messages go to the terminal, settings stay in memory: the benchmark touches nothing of the user.
class PrintingMessageBox final : public platform::MessageBox {
public:
    platform::MsgResult show(const platform::MessageRequest& r) override
    {
        std::printf("message: %s\n", qPrintable(r.text));
        return platform::MsgResult::OK;
    }
};

class MemorySettings final : public platform::SettingsStore {
public:
    class Stored final : public platform::StoredSettings {
    public:
        Stored(QString app, QMap<QString, QString> values) : app_(std::move(app)), values_(std::move(values)) {}
        QString get(const QString& s, const QString& k, const QString& def) const override
        {
            return values_.value(app_ + '/' + s + '/' + k, def);
        }

    private:
        QString app_;
        QMap<QString, QString> values_;
    };
    std::unique_ptr<const platform::StoredSettings> load(const QString& a) override
    {
        return std::make_unique<Stored>(a, values);
    }
    platform::WriteResult saveAll(const QString& a, const std::vector<platform::Setting>& settings) override
    {
        for (const platform::Setting& s : settings)
            values[a + '/' + s.section + '/' + s.key] = s.value;
        return {true, {}};
    }
    QString location(const QString& a) override { return a; }
    QMap<QString, QString> values;
};

class QuietHost final : public merrow::TransferHost {
public:
    void setStatusLeft(const QString& text) override { left = text; }
    void setStatusRight(const QString& text) override { right = text; }
    void setProgressVisible(bool) override {}
    void setProgressMaximum(int) override {}
    void setProgressValue(int) override {}
    void clearHistoryRow(int) override {}
    void showHistoryRow(int, const merrow::HistoryGridRow&) override {}
    QString historyDate(int) const override { return {}; }
    void setHistoryMenusEnabled(bool) override {}
    void setHistoryGroupChecked(int) override {}
    void setBusyPointer(bool) override {}
    void setCommandsLocked(bool) override {}
    QString left, right;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int cycles = 1;
    bool align = false;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--cycles" && i + 1 < args.size())
            cycles = std::max(1, args[++i].toInt());
        else if (args[i] == "--align")
            align = true;
    }

    platform::installQtServices();
    PrintingMessageBox messageBox;
    MemorySettings settings;
    platform::services().messageBox = &messageBox;
    platform::services().settings = &settings;

    QProcess sim;
    sim.start(QCoreApplication::applicationDirPath() + "/merrow-receiver-sim", {"--pace", "--exit-on-stdin-eof"});
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000)) {
        std::fprintf(stderr, "could not start merrow-receiver-sim beside this program\n");
        return 1;
    }
    const QByteArray device = sim.readLine().trimmed();
    qputenv("MERROW_PORT1", device);

    merrow::resetSettings();
    merrow::LoadRegistrySettings();
    merrow::SetDefaultData();
    merrow::SerialPort = 1;
    merrow::Timeouts().alignUploadToSecond = align;

    // On the line: "Z" and the 512-byte block out; ACK, ACK and the 1,284-byte reply in.
    const int sent = 1 + 512;
    const int received = 1 + 1 + 1284;
    const double wireSeconds = (sent + received) * 10.0 / 4800.0;
    std::printf("simulator on %s, paced at 4800 baud (10 bits a byte)%s\n", device.constData(),
                align ? ", upload aligned to a second boundary" : "");
    std::printf("wire time: %d bytes sent + %d received = %.3f s\n", sent, received, wireSeconds);
    int failures = 0;
    for (int c = 1; c <= cycles; ++c) {
        QuietHost host;
        QElapsedTimer timer;
        timer.start();
        merrow::EstConnect(host);
        const double seconds = timer.nsecsElapsed() / 1e9;
        const bool ok = host.left == "Upload / Download Successful";
        failures += ok ? 0 : 1;
        std::printf("cycle %d: measured %.3f s, wire %.3f s, overhead %.3f s  [%s; %s]\n", c, seconds, wireSeconds,
                    seconds - wireSeconds, qPrintable(host.left), qPrintable(host.right));
    }
    sim.closeWriteChannel();
    if (!sim.waitForFinished(3000))
        sim.kill();
    return failures == 0 ? 0 : 2;
}
