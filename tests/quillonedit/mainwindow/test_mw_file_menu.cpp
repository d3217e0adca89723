#include "quillonedit/image/ImageMap.h"
#include "quillonedit/mainwindow/FileMenu.h"

#include "tests/support/FileBytes.h"
#include "tests/support/ImageFixture.h"
#include "platform/testing/ScriptedServices.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <numeric>

using namespace quillon;
using namespace quillon::testing;
using platform::MsgButtons;
using platform::MsgDefault;
using platform::MsgIcon;
using platform::MsgResult;

namespace {

// Records what the project operations ask of the main window, in order.
class RecordingHost final : public ProjectHost {
public:
    void setStatusPanel(int panel, const QString& text) override
    {
        calls << QStringLiteral("panel%1 [%2]").arg(panel).arg(text);
    }
    void enableProjectMenus() override { calls << "enableProjectMenus"; }
    void enableSaveMenu() override { calls << "enableSaveMenu"; }
    void processFileList(const QString& name) override { calls << "fileList " + name; }
    void setBusy(bool on) override { calls << (on ? "busy" : "normal"); }
    QStringList calls;
};

// Project contents that differ from page to page and from the test image pattern.
std::uint8_t projectByte(int seed, int offset) { return static_cast<std::uint8_t>((offset * 13 + seed * 101 + offset / 4096) % 256); }

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size();
}

class Project : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        resetImage();
        resetProject();
    }
    void TearDown() override
    {
        resetImage();
        resetProject();
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    // Eight page files for base name `base`; zone 1 of the base set is "transmitter on" so saves
    // ask nothing.
    Bytes writeProject(const QString& base, int seed)
    {
        Bytes bytes{};
        for (int i = 0; i < kImageBytes; ++i)
            bytes[static_cast<std::size_t>(i)] = projectByte(seed, i);
        bytes[kBaseZones] = 1;
        for (int k = 1; k <= 8; ++k) {
            const QByteArray page(reinterpret_cast<const char*>(bytes.data()) + 4096 * (k - 1), 4096);
            EXPECT_TRUE(writeFile(path(base + QStringLiteral(".00%1").arg(k)), page));
        }
        return bytes;
    }

    QByteArray filesOf(const QString& base) const
    {
        QByteArray all;
        for (int k = 1; k <= 8; ++k)
            all += FileBytes(path(base + QStringLiteral(".00%1").arg(k)));
        return all;
    }

    static QByteArray imageBytes()
    {
        return QByteArray(reinterpret_cast<const char*>(image().bytes().data()), kImageBytes);
    }

    QString mark()
    {
        RecordingHost h;
        Timer1_Timer(h);
        return h.calls.value(0);
    }

    QTemporaryDir dir;
    platform::doubles::ScriptedServices services;
    RecordingHost host;
};

TEST_F(Project, OpenMapsPageKToItsImageBytes)
{
    Bytes expected = writeProject("proj", 1);
    image().set(32768, 77);   // the spare element is never loaded
    expected[32768] = 77;
    services.fileDialogs.openAnswers.push_back(path("proj.001"));

    mnuOpen_Click(host);

    EXPECT_TRUE(SameBytes(expected, image().bytes()));
    EXPECT_EQ(image().at(8192), projectByte(1, 8192));   // first byte of proj.003
    ASSERT_EQ(services.fileDialogs.openRequests.size(), 1u);
    EXPECT_EQ(services.fileDialogs.openRequests[0].filter, "Quillon File(s) *.001|*.001");
    EXPECT_EQ(services.fileDialogs.openRequests[0].filterIndex, 1);
    EXPECT_TRUE(services.fileDialogs.openRequests[0].initialName.isEmpty());
    EXPECT_TRUE(services.messageBox.shown.empty());
    const QString name = path("proj.001");
    EXPECT_EQ(host.calls, QStringList({"busy", "panel1 [" + name + " ]", "fileList " + name, "normal",
                                       "enableProjectMenus"}));
    EXPECT_EQ(project().ProjectFileName, name);
    EXPECT_EQ(project().ProjectBasePath, path("proj"));
    EXPECT_TRUE(project().ProjectOpen);
    EXPECT_FALSE(ImageChanged());
    EXPECT_EQ(mark(), "panel2 []");
}

TEST_F(Project, CancelledOpenDialogDoesNothing)
{
    writeProject("proj", 1);
    mnuOpen_Click(host);
    EXPECT_TRUE(host.calls.isEmpty());
    EXPECT_FALSE(project().ProjectOpen);
    EXPECT_TRUE(SameBytes(Bytes{}, image().bytes()));
}

TEST_F(Project, OpenAndSaveAsGivesByteIdenticalFiles)
{
    writeProject("proj", 2);
    ASSERT_TRUE(ProcessOpen(path("proj.001"), host));
    host.calls.clear();
    services.fileDialogs.saveAnswers.push_back(path("copy.001"));

    ASSERT_TRUE(mnuSaveAs_Click(host));

    EXPECT_TRUE(services.messageBox.shown.empty());
    for (int k = 1; k <= 8; ++k) {
        const QString ext = QStringLiteral(".00%1").arg(k);
        EXPECT_EQ(FileBytes(path("copy" + ext)), FileBytes(path("proj" + ext))) << k;
        EXPECT_EQ(FileBytes(path("copy" + ext)).size(), 4096) << k;
    }
    ASSERT_EQ(services.fileDialogs.saveRequests.size(), 1u);
    EXPECT_EQ(services.fileDialogs.saveRequests[0].filter, "Quillon File(s) *.001)|*.001");
    EXPECT_EQ(services.fileDialogs.saveRequests[0].filterIndex, 1);
    EXPECT_TRUE(services.fileDialogs.saveRequests[0].overwritePrompt);
    const QString name = path("copy.001");
    EXPECT_EQ(host.calls, QStringList({"busy", "enableSaveMenu", "panel1 [" + name + " ]", "fileList " + name,
                                       "normal"}));
    EXPECT_EQ(project().ProjectFileName, name);
    EXPECT_EQ(project().ProjectBasePath, path("copy"));
    // Only the project files: no temporary file is left beside them.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 16);
}

TEST_F(Project, SaveWritesTheEditedImageBackAndClearsTheMark)
{
    writeProject("proj", 3);
    ASSERT_TRUE(ProcessOpen(path("proj.001"), host));
    host.calls.clear();
    image().set(20000, static_cast<std::uint8_t>(image().at(20000) + 1));
    EXPECT_EQ(mark(), "panel2 [Mod]");

    ASSERT_TRUE(mnuSave_Click(host));

    EXPECT_EQ(filesOf("proj"), imageBytes());
    EXPECT_EQ(host.calls, QStringList({"busy", "normal"}));
    EXPECT_EQ(mark(), "panel2 []");
    EXPECT_FALSE(ImageChanged());
}

TEST_F(Project, SaveWithoutAnOpenProjectDoesNothing)
{
    image().set(kBaseZones, 1);
    EXPECT_FALSE(mnuSave_Click(host));
    EXPECT_TRUE(host.calls.isEmpty());
    EXPECT_TRUE(services.messageBox.shown.empty());
}

TEST_F(Project, SaveShortensALongerExistingFile)
{
    writeProject("proj", 4);
    ASSERT_TRUE(ProcessOpen(path("proj.001"), host));
    ASSERT_TRUE(writeFile(path("copy.003"), QByteArray(5000, 'x')));
    services.fileDialogs.saveAnswers.push_back(path("copy.001"));
    ASSERT_TRUE(mnuSaveAs_Click(host));
    EXPECT_EQ(FileBytes(path("copy.003")), FileBytes(path("proj.003")));
}

struct OpenFailure {
    const char* what;
    std::function<void(const QString& dir)> damage;   // applied to a good project "new"
    const char* openName;
    const char* text;   // "%1" stands for the temporary folder
    MsgIcon icon;
    const char* title;
};

TEST_F(Project, EachFailedOpenShowsItsMessageAndChangesNothing)
{
    const auto remove = [](const char* file) {
        return [file](const QString& d) { QFile::remove(d + "/" + file); };
    };
    const auto resize = [](const char* file, int size) {
        return [file, size](const QString& d) { QFile f(d + "/" + file); (void)f.resize(size); };
    };
    const OpenFailure cases[] = {
        {"no .001", remove("new.001"), "new.001", "Quillon File Open Error!\nFile May Be Missing", MsgIcon::Critical,
         "Quillon File Open"},
        {"no .006", remove("new.006"), "new.001", "ERROR, File  %1/new.006 Invalid", MsgIcon::Exclamation, "File Open"},
        {"no .008", remove("new.008"), "new.001", "ERROR, File  %1/new.008 Invalid", MsgIcon::Exclamation, "File Open"},
        {".005 short", resize("new.005", 4095), "new.001", "ERROR, File Size %1/new.005 Invalid", MsgIcon::Exclamation,
         "File Open"},
        {".005 long", resize("new.005", 4097), "new.001", "ERROR, File Size %1/new.005 Invalid", MsgIcon::Exclamation,
         "File Open"},
        {".001 empty", resize("new.001", 0), "new.001", "ERROR, File Size %1/new.001 Invalid", MsgIcon::Exclamation,
         "File Open"},
        {".004 a folder", [](const QString& d) { QFile::remove(d + "/new.004"); QDir(d).mkdir("new.004"); }, "new.001",
         "ERROR, File  %1/new.004 Invalid", MsgIcon::Exclamation, "File Open"},
        {"name without the dot", [](const QString&) {}, "new001", "Error, Incorrect Quillon Project",
         MsgIcon::Exclamation, "File Error"},
        {"other ending", [](const QString&) {}, "new.0O1", "Error, Incorrect Quillon Project", MsgIcon::Exclamation,
         "File Error"},
        {"another page named", [](const QString&) {}, "new.002", "Error, Incorrect Quillon Project",
         MsgIcon::Exclamation, "File Error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir d;
        ASSERT_TRUE(d.isValid());
        // An open project "old", then an edit, then the failing open of "new".
        resetImage();
        resetProject();
        const QString oldBase = d.filePath("old");
        Bytes old{};
        for (int i = 0; i < kImageBytes; ++i)
            old[static_cast<std::size_t>(i)] = projectByte(5, i);
        for (int k = 1; k <= 8; ++k) {
            ASSERT_TRUE(writeFile(oldBase + QStringLiteral(".00%1").arg(k),
                                  QByteArray(reinterpret_cast<const char*>(old.data()) + 4096 * (k - 1), 4096)));
            ASSERT_TRUE(writeFile(d.filePath(QStringLiteral("new.00%1").arg(k)), QByteArray(4096, '\x5A')));
            // "pro.001" .. would be what a cut of four characters makes of "new001"
            ASSERT_TRUE(writeFile(d.filePath(QStringLiteral("ne.00%1").arg(k)), QByteArray(4096, '\x33')));
        }
        c.damage(d.path());
        RecordingHost h;
        ASSERT_TRUE(ProcessOpen(oldBase + ".001", h));
        image().set(100, 0xEE);
        const Bytes before = image().bytes();
        const ProjectState state = project();
        services.messageBox.shown.clear();
        h.calls.clear();

        EXPECT_FALSE(ProcessOpen(d.filePath(c.openName), h));

        ASSERT_EQ(services.messageBox.shown.size(), 1u);
        const auto& msg = services.messageBox.shown[0];
        EXPECT_EQ(msg.text, QString::fromLatin1(c.text).replace("%1", d.path()));
        EXPECT_EQ(msg.icon, c.icon);
        EXPECT_EQ(msg.buttons, MsgButtons::OK);
        EXPECT_EQ(msg.title, c.title);
        EXPECT_TRUE(SameBytes(before, image().bytes()));
        EXPECT_EQ(project().ProjectFileName, state.ProjectFileName);
        EXPECT_EQ(project().ProjectBasePath, state.ProjectBasePath);
        EXPECT_EQ(project().Saved, state.Saved);
        EXPECT_TRUE(project().ProjectOpen);
        EXPECT_EQ(h.calls.filter("panel").size(), 0);
        EXPECT_EQ(h.calls.filter("fileList").size(), 0);
        EXPECT_EQ(h.calls.filter("enable").size(), 0);
        EXPECT_EQ(h.calls.last(), "normal");
        EXPECT_EQ(mark(), "panel2 [Mod]");
    }
}

TEST_F(Project, FailedSaveAsIntoAMissingFolderIsReportedAndKeepsTheMark)
{
    writeProject("proj", 6);
    ASSERT_TRUE(ProcessOpen(path("proj.001"), host));
    image().set(300, static_cast<std::uint8_t>(image().at(300) ^ 0xFF));
    const ProjectState state = project();
    host.calls.clear();
    const QString target = path("missing/copy.001");
    services.fileDialogs.saveAnswers.push_back(target);

    EXPECT_FALSE(mnuSaveAs_Click(host));

    ASSERT_EQ(services.messageBox.shown.size(), 1u);
    EXPECT_EQ(services.messageBox.shown[0].text, "ERROR, File " + target + " Not Saved\nNo such file or directory");
    EXPECT_EQ(services.messageBox.shown[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(services.messageBox.shown[0].title, "File Save");
    EXPECT_EQ(project().ProjectFileName, state.ProjectFileName);
    EXPECT_EQ(project().ProjectBasePath, state.ProjectBasePath);
    EXPECT_EQ(project().Saved, state.Saved);
    EXPECT_EQ(host.calls, QStringList({"busy", "normal"}));
    EXPECT_EQ(mark(), "panel2 [Mod]");
}

TEST_F(Project, FailedSaveLeavesEveryOldPageInPlace)
{
    writeProject("proj", 7);
    ASSERT_TRUE(ProcessOpen(path("proj.001"), host));
    const QByteArray onDisk = filesOf("proj");
    // Page 6 can no longer be replaced: its name is taken by a folder.
    ASSERT_TRUE(QFile::remove(path("proj.006")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("proj.006"));
    for (int k = 1; k <= 8; ++k)
        image().set(4096 * (k - 1) + 5, 0xA5);
    host.calls.clear();

    EXPECT_FALSE(mnuSave_Click(host));

    ASSERT_EQ(services.messageBox.shown.size(), 1u);
    EXPECT_EQ(services.messageBox.shown[0].text, "ERROR, File " + path("proj.006") + " Not Saved\nIs a directory");
    for (int k : {1, 2, 3, 4, 5, 7, 8}) {
        const QString ext = QStringLiteral(".00%1").arg(k);
        EXPECT_EQ(FileBytes(path("proj" + ext)), onDisk.mid(4096 * (k - 1), 4096)) << k;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 7);   // no temporary left behind
    EXPECT_EQ(mark(), "panel2 [Mod]");
}

TEST_F(Project, SaveAlertAnsweredNoWritesNothingAndKeepsTheBasePath)
{
    writeProject("proj", 8);
    ASSERT_TRUE(ProcessOpen(path("proj.001"), host));
    image().set(kBaseZones, 3);
    services.fileDialogs.saveAnswers.push_back(path("copy.001"));
    services.messageBox.answers.push_back(MsgResult::No);

    EXPECT_FALSE(mnuSaveAs_Click(host));

    EXPECT_EQ(services.messageBox.texts(), QStringList({"\nRepeater CTCSS Enabled\nSave Anyway?"}));
    EXPECT_FALSE(QFile::exists(path("copy.001")));
    EXPECT_EQ(project().ProjectBasePath, path("proj"));
    EXPECT_EQ(project().ProjectFileName, path("proj.001"));

    // Save File answered No leaves the files alone as well.
    services.messageBox.answers.push_back(MsgResult::No);
    const QByteArray onDisk = filesOf("proj");
    EXPECT_FALSE(mnuSave_Click(host));
    EXPECT_EQ(filesOf("proj"), onDisk);
}

TEST_F(Project, SaveAsRefusesNamesWithoutTheFirstPageEnding)
{
    image().set(kBaseZones, 1);
    for (const char* name : {"copy.TXT", "copy.0010", "copy.001 ", "copy.OO1", "copy"}) {
        services.messageBox.shown.clear();
        services.fileDialogs.saveAnswers.push_back(path(name));
        EXPECT_FALSE(mnuSaveAs_Click(host)) << name;
        ASSERT_EQ(services.messageBox.shown.size(), 1u) << name;
        EXPECT_EQ(services.messageBox.shown[0].text, "Error, Filename must contain the extension .001.");
        EXPECT_EQ(services.messageBox.shown[0].icon, MsgIcon::Critical);
        EXPECT_EQ(services.messageBox.shown[0].title, "File Save Error");
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_FALSE(project().ProjectOpen);

    services.messageBox.shown.clear();
    services.fileDialogs.saveAnswers.push_back(path("COPY.001"));
    EXPECT_TRUE(mnuSaveAs_Click(host));
    EXPECT_TRUE(services.messageBox.shown.empty());
    EXPECT_EQ(filesOf("COPY"), imageBytes());
    EXPECT_TRUE(project().ProjectOpen);
}

TEST_F(Project, CheckClosureAsksAboutUnusualBaseZoneOne)
{
    const std::pair<int, const char*> cases[] = {
        {0, "Repeater Transmitter Disabled\nSave Anyway?"},
        {2, "Repeater Transmitter Disabled\nRepeater CTCSS Enabled\nSave Anyway?"},
        {3, "\nRepeater CTCSS Enabled\nSave Anyway?"},
        {4, "Repeater Transmitter Disabled\nRepeater DTMF Access Enabled\nSave Anyway?"},
        {5, "\nRepeater DTMF Access Enabled\nSave Anyway?"},
        {6, "Repeater Transmitter Disabled\nRepeater CTCSS Enabled\nRepeater DTMF Access Enabled\nSave Anyway?"},
        {7, "\nRepeater CTCSS Enabled\nRepeater DTMF Access Enabled\nSave Anyway?"},
        {8, "Repeater Transmitter Disabled\nSave Anyway?"},
        {0xFB, "\nRepeater CTCSS Enabled\nSave Anyway?"},
    };
    for (const auto& [zone, text] : cases) {
        image().set(kBaseZones, static_cast<std::uint8_t>(zone));
        for (MsgResult answer : {MsgResult::Yes, MsgResult::No}) {
            services.messageBox.shown.clear();
            services.messageBox.answers.push_back(answer);
            EXPECT_EQ(CheckClosure(), answer == MsgResult::Yes) << zone;
            ASSERT_EQ(services.messageBox.shown.size(), 1u) << zone;
            const auto& msg = services.messageBox.shown[0];
            EXPECT_EQ(msg.text, QString::fromLatin1(text)) << zone;
            EXPECT_EQ(msg.buttons, MsgButtons::YesNo);
            EXPECT_EQ(msg.icon, MsgIcon::Exclamation);
            EXPECT_EQ(msg.defaultButton, MsgDefault::Second);
            EXPECT_EQ(msg.title, "File Save Alert");
        }
    }
    for (int zone : {1, 9, 0xF9}) {
        services.messageBox.shown.clear();
        image().set(kBaseZones, static_cast<std::uint8_t>(zone));
        EXPECT_TRUE(CheckClosure()) << zone;
        EXPECT_TRUE(services.messageBox.shown.empty()) << zone;
    }
}

TEST_F(Project, ChangeMarkFollowsTheImageNotJustItsSum)
{
    EXPECT_EQ(mark(), "panel2 []");
    image().set(1000, 1);
    EXPECT_EQ(mark(), "panel2 [Mod]");
    image().set(1000, 0);
    EXPECT_EQ(mark(), "panel2 []");

    // Two swapped digits keep the byte sum but are still a change.
    image().set(kBaseCodes, 2);
    image().set(kBaseCodes + 1, 1);
    image().set(kBaseCodes + 2, 2);
    image().set(kImageBytes, 50);   // the spare element is not part of the project
    services.fileDialogs.saveAnswers.push_back(path("swap.001"));
    image().set(kBaseZones, 1);
    ASSERT_TRUE(mnuSaveAs_Click(host));
    const auto byteSum = [] {
        return std::accumulate(image().bytes().begin(), image().bytes().begin() + kImageBytes, 0);
    };
    const int sum = byteSum();
    image().set(kBaseCodes + 1, 2);
    image().set(kBaseCodes + 2, 1);
    EXPECT_EQ(byteSum(), sum);
    EXPECT_TRUE(ImageChanged());
    EXPECT_EQ(mark(), "panel2 [Mod]");
    image().set(kImageBytes, 51);
    image().set(kBaseCodes + 1, 1);
    image().set(kBaseCodes + 2, 2);
    EXPECT_FALSE(ImageChanged());
}

} // namespace
