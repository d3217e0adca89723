// A parameter file far larger than its 126 lines can be is damaged, and is never read whole, not
// even to keep it as the backup.
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

// The process's peak resident memory in bytes since the last resetPeakMemory(), from /proc;
// -1 where the kernel does not offer it.
qint64 peakMemory()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    return -1;
}

// Sets the peak back to what is resident now.
bool resetPeakMemory()
{
    QFile clear("/proc/self/clear_refs");
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

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
        // The refused file goes aside whole before the defaults replace it, copied without
        // holding it in memory.
        const bool measured = resetPeakMemory() && peakMemory() > 0;
        const qint64 before = peakMemory();
        ASSERT_TRUE(SaveDataFile());
        if (measured) {
            EXPECT_LT(peakMemory() - before, 16ll << 20);
        }
        EXPECT_EQ(QFileInfo(QDir(dir.path()).filePath(kDataBackupName)).size(), size);
        EXPECT_EQ(QFileInfo(path).size(), valid.size());
    }
}

} // namespace
