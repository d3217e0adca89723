#include "merrowedit/data/ParameterFile.h"

#include "merrowedit/data/DataFolder.h"
#include "merrowedit/data/Messages.h"
#include "platform/Services.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <optional>
#include <span>

namespace merrow {
namespace {

const QString kFipSectionTitle = QStringLiteral("[FIP Codes]");
const QString kEventSectionTitle = QStringLiteral("[Event Codes]");

// Set when a load refused a file that exists, until that file has been kept as the backup.
bool refusedFileOnDisk = false;

// Reads the file the way comma-separated sequential text is read: leading blanks skipped,
// a field ends at a comma or at the end of its line.
class FieldReader {
public:
    explicit FieldReader(QString text) : text_(std::move(text)) {}

    // nullopt past the end of the file.
    std::optional<QString> next()
    {
        while (pos_ < text_.size() && (text_[pos_] == u' ' || text_[pos_] == u'\t'))
            ++pos_;
        if (pos_ >= text_.size())
            return std::nullopt;
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_] != u',' && text_[pos_] != u'\r' && text_[pos_] != u'\n')
            ++pos_;
        const QString field = text_.mid(start, pos_ - start);
        if (pos_ < text_.size()) {
            if (text_[pos_] == u'\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\n')
                ++pos_;
            ++pos_;   // the comma or the line end
        }
        return field;
    }

private:
    QString text_;
    qsizetype pos_ = 0;
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

bool readWholeFile()
{
    QFile file(DataFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxFileBytes)
        return false;
    FieldReader in(QString::fromLatin1(bytes));
    const std::optional<QString> title = in.next();
    if (!title || *title != kDataFileTitle)
        return false;
    return readSection(in, kFipSectionTitle, std::span(FipEntries).first(kFipEntriesInFile)) &&
           readSection(in, kEventSectionTitle, std::span(EventCodes).first(kEventCodesInFile));
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

bool keepRefusedFile()
{
    const QString path = DataFilePath();
    if (!QFile::exists(path))
        return true;
    const QString backup = QDir(DataFolder()).filePath(kDataBackupName);
    if (QFile::exists(backup) && !QFile::remove(backup))
        return false;
    return QFile::copy(path, backup);
}

} // namespace

void resetParameterData()
{
    for (QString& s : FipEntries)
        s.clear();
    for (QString& s : EventCodes)
        s.clear();
    refusedFileOnDisk = false;
}

QString DataFilePath()
{
    return QDir(DataFolder()).filePath(kDataFileName);
}

bool LoadDataFile()
{
    if (readWholeFile())
        return true;
    if (QFile::exists(DataFilePath()))
        refusedFileOnDisk = true;
    const platform::MsgResult answer =
        platform::msgBox(QStringLiteral("Error #199:  Missing or Corrupted Merrow Data File.\r\nCreate Default Data File?"),
                         platform::MsgButtons::YesNo, platform::MsgIcon::Exclamation, kProductTitle,
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
    bool ok = !refusedFileOnDisk || keepRefusedFile();
    if (ok) {
        QSaveFile file(DataFilePath());
        ok = file.open(QIODevice::WriteOnly);
        if (ok) {
            const QByteArray bytes = DataFileContents();
            ok = file.write(bytes) == bytes.size() && file.commit();
        }
    }
    if (!ok) {
        ShowDataFileError(kErrFrequencyLimit);
        return false;
    }
    refusedFileOnDisk = false;
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
            items.push_back({entry.mid(2, 51), true});
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
