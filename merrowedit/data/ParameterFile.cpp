#include "merrowedit/data/ParameterFile.h"

#include "merrowedit/data/DataFolder.h"
#include "merrowedit/data/Messages.h"
#include "merrowedit/data/TextFile.h"
#include "platform/ReadFile.h"
#include "platform/Services.h"
#include "platform/WholeFile.h"

#include <QDir>

#include <algorithm>
#include <optional>
#include <span>

namespace merrow {
namespace {

const QString kFipSectionTitle = QStringLiteral("[FIP Codes]");
const QString kEventSectionTitle = QStringLiteral("[Event Codes]");

enum class LoadResult { Read, Missing, Unreadable, Damaged };

// What the load found, until a save has replaced the file. A damaged file is kept as the backup
// before it is first replaced.
LoadResult fileAtLoad = LoadResult::Read;

// Reads the file's lines the way comma-separated sequential text is read: leading blanks
// skipped, a field ends at a comma or at the end of its line.
class FieldReader {
public:
    explicit FieldReader(QStringList lines) : lines_(std::move(lines)) {}

    // nullopt past the end of the file.
    std::optional<QString> next()
    {
        if (field_ >= fields_.size()) {
            if (line_ >= lines_.size())
                return std::nullopt;
            fields_ = lines_[line_++].split(u',');
            field_ = 0;
        }
        const QString& field = fields_[field_++];
        qsizetype start = 0;
        while (start < field.size() && (field[start] == u' ' || field[start] == u'\t'))
            ++start;
        return field.mid(start);
    }

private:
    QStringList lines_;
    qsizetype line_ = 0;
    QStringList fields_;
    qsizetype field_ = 0;
};

// The file holds 126 lines of a few dozen characters; anything far beyond that is no parameter
// file, and reading it whole could take all memory (or never end).
constexpr qint64 kMaxLineBytes = 1024;
constexpr qint64 kMaxFileBytes = (3 + kFipEntriesInFile + kEventCodesInFile) * (kMaxLineBytes + 2);

// A section of the file: its heading, then one field for each entry.
bool readSection(FieldReader& in, const QString& title, std::span<QString> entries)
{
    const std::optional<QString> heading = in.next();
    if (!heading || *heading != title)
        return false;
    for (QString& entry : entries) {
        const std::optional<QString> field = in.next();
        if (!field || field->size() > kMaxLineBytes)
            return false;
        entry = *field;
    }
    return true;
}

LoadResult readWholeFile()
{
    TextFile file = ReadTextFile(DataFilePath(), kMaxFileBytes);
    switch (file.status) {
    case TextFileStatus::Read: break;
    case TextFileStatus::Missing: return LoadResult::Missing;
    case TextFileStatus::Unreadable: return LoadResult::Unreadable;
    case TextFileStatus::TooLarge: return LoadResult::Damaged;
    }
    FieldReader in(std::move(file.lines));
    const std::optional<QString> title = in.next();
    if (!title || *title != kDataFileTitle)
        return LoadResult::Damaged;
    const bool whole = readSection(in, kFipSectionTitle, std::span(FipEntries).first(kFipEntriesInFile)) &&
                       readSection(in, kEventSectionTitle, std::span(EventCodes).first(kEventCodesInFile));
    return whole ? LoadResult::Read : LoadResult::Damaged;
}

// A comma or a line break inside a slot would split it into two fields when read back and make
// the whole file unreadable, so they never reach the file.
QString fileSafe(const QString& text)
{
    QString out = text;
    for (QChar& c : out)
        if (c == u',' || c == u'\r' || c == u'\n')
            c = u' ';
    return out;
}

// The refused file is copied piece by piece through one buffer: it may be any size (a file far
// too large to be a parameter file is refused too), and its copy must not hold it in memory.
// The copy is staged like every write, so one cut off leaves only a marked temporary file that
// the next copy clears.
platform::WriteResult keepRefusedFile()
{
    const QString path = DataFilePath();
    platform::CheckedFile refused(path);
    if (refused.status() == platform::ReadStatus::Missing)
        return {true, {}};
    if (refused.status() != platform::ReadStatus::Read)
        return {false, platform::DescribeWriteFailure(path, refused.reason())};
    const QString backup = QDir(DataFolder()).filePath(kDataBackupName);
    platform::StagedFile copy(backup);
    if (!copy.open())
        return {false, platform::DescribeWriteFailure(backup, copy.error())};
    // The size seen when it was opened bounds the copy, so a file that keeps growing cannot keep
    // it going.
    constexpr qint64 kChunkBytes = 64 * 1024;
    QByteArray buffer(kChunkBytes, Qt::Uninitialized);
    for (qint64 left = refused.size(); left > 0;) {
        const qint64 n = refused.read(buffer.data(), std::min(left, kChunkBytes));
        if (n < 0)
            return {false, platform::DescribeWriteFailure(path, refused.reason())};
        if (n == 0)
            break;   // shorter than it was: what is there is kept
        if (!copy.write(QByteArray::fromRawData(buffer.constData(), n)))
            return {false, platform::DescribeWriteFailure(backup, copy.error())};
        left -= n;
    }
    if (!copy.commit())
        return {false, platform::DescribeWriteFailure(backup, copy.error())};
    return {true, {}};
}

} // namespace

void resetParameterData()
{
    for (QString& s : FipEntries)
        s.clear();
    for (QString& s : EventCodes)
        s.clear();
    fileAtLoad = LoadResult::Read;
}

QString DataFilePath()
{
    return QDir(DataFolder()).filePath(kDataFileName);
}

bool LoadDataFile()
{
    QString question =
        QStringLiteral("Error #199:  Missing or Corrupted Merrow Data File.\r\nCreate Default Data File?");
    fileAtLoad = readWholeFile();
    switch (fileAtLoad) {
    case LoadResult::Read: return true;
    case LoadResult::Missing:
    case LoadResult::Damaged: break;
    case LoadResult::Unreadable:
        // Neither missing nor damaged: say where it is, so the user can put it right.
        question = QStringLiteral("Error, Merrow Data File  %1  can not be read.\r\nCreate Default Data File?")
                       .arg(QDir::toNativeSeparators(DataFilePath()));
        break;
    }
    const platform::MsgResult answer =
        platform::msgBox(question, platform::MsgButtons::YesNo, platform::MsgIcon::Exclamation, kProductTitle,
                         platform::MsgDefault::First);
    if (answer != platform::MsgResult::Yes)
        return false;
    SetDefaultData();
    return true;
}

QByteArray DataFileContents()
{
    QString text;
    const auto line = [&text](const QString& s) { text += fileSafe(s) + QStringLiteral("\r\n"); };
    line(kDataFileTitle);
    line(kFipSectionTitle);
    for (int i = 0; i < kFipEntriesInFile; ++i)
        line(FipEntries[static_cast<std::size_t>(i)]);
    line(kEventSectionTitle);
    for (int i = 0; i < kEventCodesInFile; ++i)
        line(EventCodes[static_cast<std::size_t>(i)]);
    return text.toLatin1();
}

bool SaveDataFile()
{
    platform::WriteResult written =
        fileAtLoad == LoadResult::Damaged ? keepRefusedFile() : platform::WriteResult{true, {}};
    if (written)
        written = platform::WriteWholeFile(DataFilePath(), DataFileContents());
    if (!written) {
        // Ending here would lose every edit of the run: the old file stays, and so does the
        // program, until the file can be written or the user leaves without saving. The
        // numbered message still heads it where the file was missing or damaged when read.
        QString text = QStringLiteral("Error, Merrow Data File  %1  can not be written.\r\n%2\r\n"
                                      "Your changes are kept until you exit without saving.")
                           .arg(QDir::toNativeSeparators(DataFilePath()), written.error);
        if (fileAtLoad == LoadResult::Missing || fileAtLoad == LoadResult::Damaged)
            text = DataFileErrorText(kErrFrequencyLimit) + QStringLiteral("\r\n") + text;
        platform::msgBox(text, platform::MsgButtons::OK, platform::MsgIcon::Exclamation, kProductTitle);
        return false;
    }
    fileAtLoad = LoadResult::Read;
    return true;
}

void SetDefaultData()
{
    for (QString& s : FipEntries)
        s.clear();
    for (QString& s : EventCodes)
        s.clear();
    FipEntries[0] = QStringLiteral("X 012011  Broward                Florida");
    FipEntries[1] = QStringLiteral("X 012085  Martin                 Florida");
    FipEntries[2] = QStringLiteral("X 012099  Palm Beach             Florida");
    FipEntries[3] = QStringLiteral("X 012111  St. Lucie              Florida");
    static const char* const codes[] = {"CFA", "CFW", "FFA", "FFW", "FLA", "FLW", "HUA", "HUW", "SVA",
                                        "SVW", "TOA", "TOW", "RMT", "RWT", "DMO", "SVR", "TOR"};
    std::size_t j = 0;
    for (const char* code : codes)
        EventCodes[j++] = QString::fromLatin1(code);
}

bool IsSelectedEntry(const QString& entry)
{
    return entry.startsWith(QLatin1String("X "));
}

std::vector<FipsListItem> FillFipsList()
{
    std::vector<FipsListItem> items;
    for (int i = 0; i < kFipEntriesInFile; ++i) {
        const QString& entry = FipEntries[static_cast<std::size_t>(i)];
        if (entry.isEmpty())
            continue;
        if (IsSelectedEntry(entry))
            items.push_back({EntryBody(entry).left(kListBodyMaxChars), true});
        else
            items.push_back({entry, false});
    }
    return items;
}

void StoreCountyList(const std::vector<FipsListItem>& items)
{
    for (int i = 0; i < kFipEntriesInFile; ++i)
        FipEntries[static_cast<std::size_t>(i)].clear();
    const std::size_t n = std::min(items.size(), static_cast<std::size_t>(kFipEntriesInFile));
    for (std::size_t i = 0; i < n; ++i)
        FipEntries[i] = (items[i].selected ? QStringLiteral("X ") : QStringLiteral("  ")) + items[i].text;
}

} // namespace merrow
