// A parameter file far larger than its 126 lines can be is damaged, and is never read whole.
#include "DataFolderTest.h"

#include "merrowedit/data/Messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "tests/support/QStringPrinter.h"

using namespace merrow;
using platform::MsgResult;

namespace {

class ParameterFileBounds : public DataFolderTest {};

TEST_F(ParameterFileBounds, OversizedFilesAreDamagedAndKeptAsBackup)
{
    SetDefaultData();
    const QByteArray valid = DataFileContents();
    QByteArray longLine = valid;
    longLine.replace("St. Lucie ", "St. Lucie " + QByteArray(2000, 'x'));
    struct Case { const char* name; QByteArray bytes; qint64 size; bool accepted; };
    const Case cases[] = {
        {"trailing lines within reason", valid + QByteArray(64 * 1024, '\n'), 0, true},
        {"a county line of 2,000 characters", longLine, 0, false},
        {"64 MB appended to a valid file", valid, 64ll << 20, false},
        {"64 MB without a line end", QByteArray(), 64ll << 20, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetParameterData();
        services.messageBox.shown.clear();
        const QString path = QDir(dir.path()).filePath(kDataFileName);
        QFile::remove(QDir(dir.path()).filePath(kDataBackupName));
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            ASSERT_EQ(f.write(c.bytes), c.bytes.size());
            if (c.size > 0) {
                ASSERT_TRUE(f.resize(c.size));   // a sparse tail of zero bytes
            }
        }
        const qint64 size = QFileInfo(path).size();
        services.messageBox.answers = {MsgResult::Yes};
        ASSERT_TRUE(LoadDataFile());
        if (c.accepted) {
            EXPECT_TRUE(services.messageBox.shown.empty());
            EXPECT_EQ(DataFileContents(), valid);
            continue;
        }
        EXPECT_EQ(services.messageBox.texts(), QStringList{kQuestion199});
        // The refused file goes aside whole before the defaults replace it.
        ASSERT_TRUE(SaveDataFile());
        EXPECT_EQ(QFileInfo(QDir(dir.path()).filePath(kDataBackupName)).size(), size);
        EXPECT_EQ(QFileInfo(path).size(), valid.size());
    }
}

} // namespace
