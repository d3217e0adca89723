#include "merrowedit/data/DataFolder.h"
#include "merrowedit/data/Messages.h"
#include "merrowedit/data/ParameterFile.h"
#include "platform/testing/ScriptedServices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

#include "DataFolderTest.h"
#include "platform/ReadFile.h"
#include "platform/WholeFile.h"
#include "tests/support/BlockGuard.h"
#include "tests/support/QStringPrinter.h"

using namespace merrow;
using platform::MsgResult;

namespace {

// The file as the receiver's users have it after a first saving exit with the default set.
QByteArray defaultFileBytes()
{
    QByteArray b = "Merrow SAME Digital Weather Receiver Parameter File. DO NOT MODIFY\r\n[FIP Codes]\r\n";
    b += "X 012011  Broward                Florida\r\n";
    b += "X 012085  Martin                 Florida\r\n";
    b += "X 012099  Palm Beach             Florida\r\n";
    b += "X 012111  St. Lucie              Florida\r\n";
    for (int i = 4; i < 99; ++i)
        b += "\r\n";
    b += "[Event Codes]\r\n";
    for (const char* c : {"CFA", "CFW", "FFA", "FFW", "FLA", "FLW", "HUA", "HUW", "SVA", "SVW", "TOA", "TOW",
                          "RMT", "RWT", "DMO", "SVR", "TOR"})
        b += QByteArray(c) + "\r\n";
    for (int i = 17; i < 24; ++i)
        b += "\r\n";
    return b;
}

class ParameterFileTest : public DataFolderTest {
protected:
    QString path(const QString& name = kDataFileName) const { return QDir(dir.path()).filePath(name); }
    // The report of a save that could not replace the file, with the reason given.
    QString cannotWrite(const QString& why) const
    {
        return "Error, Merrow Data File  " + DataFilePath() + "  can not be written.\r\n" + why +
               "\r\nYour changes are kept until you exit without saving.";
    }
    void writeFile(const QByteArray& bytes, const QString& name = kDataFileName) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray readFile(const QString& name = kDataFileName) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Expects exactly one #199 question with its exact look.
    void expectQuestion199()
    {
        ASSERT_EQ(services.messageBox.shown.size(), 1u);
        const platform::MessageRequest& r = services.messageBox.shown[0];
        EXPECT_EQ(r.text, kQuestion199);
        EXPECT_EQ(r.title, "Merrow Digital Weather Receiver");
        EXPECT_EQ(r.buttons, platform::MsgButtons::YesNo);
        EXPECT_EQ(r.icon, platform::MsgIcon::Exclamation);
        EXPECT_EQ(r.defaultButton, platform::MsgDefault::First);
    }
};

TEST_F(ParameterFileTest, DefaultSetIsWrittenByteForByte)
{
    SetDefaultData();
    ASSERT_TRUE(SaveDataFile());
    const QByteArray bytes = readFile();
    EXPECT_EQ(bytes, defaultFileBytes());
    EXPECT_EQ(bytes.count("\r\n"), 126);
    EXPECT_TRUE(services.messageBox.shown.empty());
}

TEST_F(ParameterFileTest, RoundTripKeepsEverySlot)
{
    FipEntries[0] = "X 048201  Harris                 Texas";
    FipEntries[1] = "048157  Fort Bend              Texas";   // unselected, as the county window shows it
    FipEntries[5] = "X 048039  Brazoria               Texas";
    FipEntries[98] = "048167  Galveston              Texas";
    EventCodes[0] = "TOR";
    EventCodes[3] = "SVR";
    EventCodes[23] = "RWT";
    const auto fips = FipEntries;
    const auto events = EventCodes;
    ASSERT_TRUE(SaveDataFile());
    const QByteArray first = readFile();

    resetParameterData();
    ASSERT_TRUE(LoadDataFile());
    EXPECT_TRUE(services.messageBox.shown.empty());
    EXPECT_EQ(FipEntries, fips);
    EXPECT_EQ(EventCodes, events);
    ASSERT_TRUE(SaveDataFile());
    EXPECT_EQ(readFile(), first);
}

TEST_F(ParameterFileTest, UnselectedEntryWithItsBlanksReadsBackAsBody)
{
    FipEntries[0] = "  012011  Broward                Florida";
    FipEntries[1] = "X 012085  Martin                 Florida";
    ASSERT_TRUE(SaveDataFile());
    resetParameterData();
    ASSERT_TRUE(LoadDataFile());
    EXPECT_EQ(FipEntries[0], "012011  Broward                Florida");
    EXPECT_EQ(FipEntries[1], "X 012085  Martin                 Florida");
}

TEST_F(ParameterFileTest, MissingFileAskedAndYesGivesExactlyTheDefaults)
{
    FipEntries[40] = "X 099999  Left Over              Nowhere";
    EventCodes[20] = "ZZZ";
    services.messageBox.answers = {MsgResult::Yes};
    EXPECT_TRUE(LoadDataFile());
    expectQuestion199();
    EXPECT_EQ(FipEntries[40], "");
    EXPECT_EQ(EventCodes[20], "");
    EXPECT_EQ(DataFileContents(), defaultFileBytes());
    // Nothing is written until the saving exit.
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(ParameterFileTest, NoKeepsWhatWasRead)
{
    QByteArray cut = defaultFileBytes();
    cut.truncate(cut.indexOf("[Event Codes]") + 20);   // inside the event section
    writeFile(cut);
    services.messageBox.answers = {MsgResult::No};
    EXPECT_FALSE(LoadDataFile());
    expectQuestion199();
    EXPECT_EQ(FipEntries[3], "X 012111  St. Lucie              Florida");
    EXPECT_EQ(EventCodes[0], "CFA");
    EXPECT_EQ(EventCodes[1], "");
}

TEST_F(ParameterFileTest, BrokenFilesAllLeadToTheSameQuestion)
{
    QByteArray wrongChar = defaultFileBytes();
    wrongChar.replace("MODIFY", "MODIFY!");
    QByteArray wrongCase = defaultFileBytes();
    wrongCase.replace("DO NOT", "Do Not");
    QByteArray shortCounties = defaultFileBytes();
    shortCounties.truncate(shortCounties.indexOf("Palm Beach"));
    QByteArray noEventHeading = defaultFileBytes();
    noEventHeading.replace("[Event Codes]", "[Events]");
    QByteArray commaInEntry = defaultFileBytes();
    commaInEntry.replace("St. Lucie ", "St, Lucie");
    const std::pair<const char*, QByteArray> cases[] = {{"title one character off", wrongChar},
                                                        {"title letter case", wrongCase},
                                                        {"cut in counties", shortCounties},
                                                        {"event heading", noEventHeading},
                                                        {"comma in entry", commaInEntry},
                                                        {"empty file", QByteArray()}};
    for (const auto& [name, bytes] : cases) {
        resetParameterData();
        services.messageBox.shown.clear();
        writeFile(bytes);
        services.messageBox.answers = {MsgResult::No};
        EXPECT_FALSE(LoadDataFile()) << name;
        EXPECT_EQ(services.messageBox.texts(), QStringList{kQuestion199}) << name;
    }
}

TEST_F(ParameterFileTest, LinuxLineEndsAndTrailingDataAreAccepted)
{
    QByteArray lf = defaultFileBytes();
    lf.replace("\r\n", "\n");
    writeFile(lf + "anything after the last code\n");
    ASSERT_TRUE(LoadDataFile());
    EXPECT_TRUE(services.messageBox.shown.empty());
    EXPECT_EQ(DataFileContents(), defaultFileBytes());
}

TEST_F(ParameterFileTest, CommaNeverReachesTheFile)
{
    SetDefaultData();
    FipEntries[4] = "X 036061  New York, Manhattan     New York";
    ASSERT_TRUE(SaveDataFile());
    EXPECT_FALSE(readFile().contains(','));
    resetParameterData();
    ASSERT_TRUE(LoadDataFile());
    EXPECT_EQ(FipEntries[4], "X 036061  New York  Manhattan     New York");
    EXPECT_EQ(EventCodes[16], "TOR");
}

TEST_F(ParameterFileTest, DirectoryInPlaceOfTheFileIsNamedAndTheProgramGoesOn)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(kDataFileName));
    SetDefaultData();
    EXPECT_FALSE(SaveDataFile());
    ASSERT_EQ(services.messageBox.shown.size(), 1u);
    EXPECT_EQ(services.messageBox.shown[0].text, cannotWrite(std::strerror(EISDIR)));
    EXPECT_EQ(services.messageBox.shown[0].icon, platform::MsgIcon::Exclamation);
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

// A file that is there but cannot be read (a folder in its place, or a pipe) is neither missing
// nor damaged: start-up names it, and the run's edits are written when it can be replaced.
TEST_F(ParameterFileTest, UnreadableFileIsNamedAndTheEditsAreKept)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(kDataFileName));
    services.messageBox.answers = {MsgResult::Yes};
    ASSERT_TRUE(LoadDataFile());
    ASSERT_EQ(services.messageBox.shown.size(), 1u);
    EXPECT_EQ(services.messageBox.shown[0].text,
              "Error, Merrow Data File  " + path() + "  can not be read.\r\nCreate Default Data File?");
    EXPECT_EQ(services.messageBox.shown[0].buttons, platform::MsgButtons::YesNo);
    EXPECT_EQ(EventCodes[16], "TOR");

    FipEntries[4] = "X 024033  Prince George's        Maryland";
    services.messageBox.shown.clear();
    EXPECT_FALSE(SaveDataFile());
    EXPECT_EQ(services.messageBox.texts(), QStringList{cannotWrite(std::strerror(EISDIR))});

    // Once the folder is gone the same run saves its edits; nothing unreadable is kept aside.
    ASSERT_TRUE(QDir(path()).removeRecursively());
    ASSERT_TRUE(SaveDataFile());
    EXPECT_EQ(readFile(), DataFileContents());
    EXPECT_FALSE(QFile::exists(path(kDataBackupName)));

    // A pipe in the file's place is replaced by the next save.
    ASSERT_TRUE(QFile::remove(path()));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
    resetParameterData();
    services.messageBox.shown.clear();
    services.messageBox.answers = {MsgResult::Yes};
    ASSERT_TRUE(LoadDataFile());
    EXPECT_EQ(services.messageBox.texts().value(0).left(25), "Error, Merrow Data File  ");
    ASSERT_TRUE(SaveDataFile());
    EXPECT_TRUE(QFileInfo(path()).isFile());
    EXPECT_EQ(readFile(), defaultFileBytes());
}

// The numbered message heads the report where the file was missing (or damaged) when read.
TEST_F(ParameterFileTest, FolderThatCannotExistReports108AndGoesOn)
{
    writeFile("plain file");
    SetDataFolder(path() + "/sub");   // under a regular file: can never be created
    services.messageBox.answers = {MsgResult::Yes};
    ASSERT_TRUE(LoadDataFile());
    services.messageBox.shown.clear();
    EXPECT_FALSE(SaveDataFile());
    EXPECT_EQ(services.messageBox.texts(),
              QStringList{"Error #108:  Missing or Corrupted Merrow Frequency Limit Parameter\r\n" +
                          cannotWrite(std::strerror(ENOTDIR))});
    EXPECT_EQ(EventCodes[16], "TOR");
}

TEST_F(ParameterFileTest, RefusedFileIsKeptAsBackupBeforeTheFirstOverwrite)
{
    QByteArray refused = defaultFileBytes();
    refused.replace("[FIP Codes]", "[FIP codes]");
    writeFile(refused);
    services.messageBox.answers = {MsgResult::Yes};
    ASSERT_TRUE(LoadDataFile());
    ASSERT_TRUE(SaveDataFile());
    EXPECT_EQ(readFile(kDataBackupName), refused);
    EXPECT_EQ(readFile(), defaultFileBytes());

    // Later saves leave the backup alone.
    FipEntries[0].clear();
    ASSERT_TRUE(SaveDataFile());
    EXPECT_EQ(readFile(kDataBackupName), refused);
}

TEST_F(ParameterFileTest, FailedBackupLeavesTheOldFileAndReports108)
{
    const QByteArray refused = "not a parameter file\r\n";
    writeFile(refused);
    ASSERT_TRUE(QDir(dir.path()).mkdir(kDataBackupName));   // the backup cannot be made
    services.messageBox.answers = {MsgResult::Yes};
    ASSERT_TRUE(LoadDataFile());
    EXPECT_FALSE(SaveDataFile());
    EXPECT_EQ(services.messageBox.texts().last(),
              "Error #108:  Missing or Corrupted Merrow Frequency Limit Parameter\r\n" +
                  cannotWrite(path(kDataBackupName) + ": " + std::strerror(EISDIR)));
    EXPECT_EQ(readFile(), refused);
}

// The file is looked at, then swapped for a pipe that no writer will open before it is read
// (at start-up) or copied aside (at the first save): neither waits, both name the file.
TEST_F(ParameterFileTest, APipeSwappedInAfterTheLookNeverBlocks)
{
    const QByteArray refused = "not a parameter file\r\n";
    const auto swapForPipe = [this](platform::ReadStage stage, const QString& file) {
        if (stage != platform::ReadStage::Looked || file != path())
            return;
        ASSERT_TRUE(QFile::remove(file));
        ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    };

    writeFile(defaultFileBytes());
    platform::setReadStageForTests(swapForPipe);
    services.messageBox.answers = {MsgResult::No};
    bool loaded = true;
    {
        const BlockGuard guard;
        loaded = LoadDataFile();
    }
    platform::setReadStageForTests({});
    EXPECT_FALSE(loaded);
    EXPECT_EQ(services.messageBox.texts(),
              QStringList{"Error, Merrow Data File  " + path() + "  can not be read.\r\nCreate Default Data File?"});

    ASSERT_TRUE(QFile::remove(path()));
    writeFile(refused);
    resetParameterData();
    services.messageBox.shown.clear();
    services.messageBox.answers = {MsgResult::Yes};
    ASSERT_TRUE(LoadDataFile());
    platform::setReadStageForTests(swapForPipe);
    bool saved = true;
    {
        const BlockGuard guard;
        saved = SaveDataFile();
    }
    platform::setReadStageForTests({});
    EXPECT_FALSE(saved);
    EXPECT_EQ(services.messageBox.texts().last(),
              "Error #108:  Missing or Corrupted Merrow Frequency Limit Parameter\r\n" +
                  cannotWrite(path() + ": Not a regular file"));
    EXPECT_FALSE(QFile::exists(path(kDataBackupName)));
}

// The backup copy is staged like every write: its temporary file takes the writer's marked
// ending, and the copy clears what an earlier copy cut off left, of either form.
TEST_F(ParameterFileTest, TheBackupCopysTemporaryIsMarkedAndClearedAtTheNextCopy)
{
    const QStringList leftovers = {"Mwr_FILE1.BAK.AbC123.qm-saving", "Mwr_FILE1.BAK.Ab12Cd"};
    for (const QString& name : leftovers)
        writeFile("cut off", name);
    const QByteArray refused = "not a parameter file\r\n";
    writeFile(refused);
    services.messageBox.answers = {MsgResult::Yes};
    ASSERT_TRUE(LoadDataFile());
    const QString backup = path(kDataBackupName);
    QStringList duringCopy;
    platform::setWriteFaultForTests([&](const QString& target) {
        if (target == backup)
            duringCopy = QDir(dir.path()).entryList(QDir::Files);
        return 0;
    });
    const bool saved = SaveDataFile();
    platform::setWriteFaultForTests({});
    ASSERT_TRUE(saved);
    const QStringList temporaries = duringCopy.filter(QRegularExpression("^Mwr_FILE1\\.BAK\\.[A-Za-z0-9]{6}\\.qm-saving$"));
    // The marked one left and the copy's own.
    EXPECT_EQ(temporaries.size(), 2) << duringCopy.join(' ').toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"Mwr_FILE1.BAK", "Mwr_FILE1.DAT"}));
    EXPECT_EQ(readFile(kDataBackupName), refused);
}

TEST_F(ParameterFileTest, CountyListShowsBodiesInSlotOrder)
{
    FipEntries[2] = "X 012011  Broward                Florida";
    FipEntries[7] = "012085  Martin                 Florida";
    FipEntries[9] = "x 012099  Palm Beach             Florida";
    FipEntries[12] = "X 012111  St. Lucie              Florida   and a very long tail";
    FipEntries[99] = "X 099999  Never Shown            Nowhere";
    const std::vector<FipsListItem> items = FillFipsList();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].text, "012011  Broward                Florida");
    EXPECT_TRUE(items[0].selected);
    EXPECT_EQ(items[1].text, "012085  Martin                 Florida");
    EXPECT_FALSE(items[1].selected);
    EXPECT_EQ(items[2].text, "x 012099  Palm Beach             Florida");
    EXPECT_FALSE(items[2].selected);
    EXPECT_EQ(items[3].text, "012111  St. Lucie              Florida   and a very");
    EXPECT_EQ(items[3].text.size(), 51);
    EXPECT_TRUE(items[3].selected);
}

TEST_F(ParameterFileTest, CountyListStoredIntoTheEntriesWithTheirMarks)
{
    FipEntries.fill("old");
    StoreCountyList({{"012011  Broward                Florida", true}, {"012085  Martin", false}});
    EXPECT_EQ(FipEntries[0], "X 012011  Broward                Florida");
    EXPECT_EQ(FipEntries[1], "  012085  Martin");
    EXPECT_EQ(FipEntries[2], "");
    EXPECT_EQ(FipEntries[98], "");
    EXPECT_EQ(FipEntries[99], "old");   // never stored
}

// The default data folder follows the XDG rule: an absolute XDG_DATA_HOME, else HOME's
// .local/share; a relative XDG_DATA_HOME is ignored, and a HOME that is not there is not made.
// HOME, XDG_DATA_HOME and the working folder are scratch ones for the test and put back after it.
TEST(DataFolderDefault, FollowsTheXdgRuleAndNeverMakesHome)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QDir root(scratch.path());
    ASSERT_TRUE(root.mkpath("home") && root.mkpath("work"));
    struct Restore {
        QByteArray home = qgetenv("HOME");
        bool hadXdg = qEnvironmentVariableIsSet("XDG_DATA_HOME");
        QByteArray xdg = qgetenv("XDG_DATA_HOME");
        QString cwd = QDir::currentPath();
        ~Restore()
        {
            QDir::setCurrent(cwd);
            qputenv("HOME", home);
            if (hadXdg)
                qputenv("XDG_DATA_HOME", xdg);
            else
                qunsetenv("XDG_DATA_HOME");
        }
    } restore;
    ASSERT_TRUE(QDir::setCurrent(root.filePath("work")));
    SetDataFolder({});

    struct Case { const char* name; QString home; const char* xdg; QString folder; bool made; };
    const Case cases[] = {
        {"absolute XDG_DATA_HOME", root.filePath("home"), "/xdg", root.path() + "/xdg/Merrow", true},
        {"relative XDG_DATA_HOME", root.filePath("home"), "data", root.path() + "/home/.local/share/Merrow", true},
        {"no XDG_DATA_HOME", root.filePath("home"), nullptr, root.path() + "/home/.local/share/Merrow", true},
        {"missing HOME", root.filePath("gone"), nullptr, root.path() + "/gone/.local/share/Merrow", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        qputenv("HOME", QFile::encodeName(c.home));
        if (c.xdg == nullptr)
            qunsetenv("XDG_DATA_HOME");
        else if (c.xdg[0] == '/')
            qputenv("XDG_DATA_HOME", QFile::encodeName(root.path()) + c.xdg);
        else
            qputenv("XDG_DATA_HOME", c.xdg);
        EXPECT_EQ(DataFolder(), c.folder);
        EXPECT_EQ(QFileInfo(c.folder).isDir(), c.made);
        EXPECT_TRUE(QDir(root.filePath("work")).isEmpty());   // nothing under the working folder
    }
    EXPECT_FALSE(QFileInfo::exists(root.filePath("gone")));
}

} // namespace
