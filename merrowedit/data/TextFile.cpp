#include "merrowedit/data/TextFile.h"

#include "platform/ReadFile.h"

namespace merrow {
namespace {

QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

} // namespace

TextFile ReadTextFile(const QString& path, qint64 maxBytes)
{
    TextFile result;
    const platform::ReadResult read = platform::ReadWholeFile(path, maxBytes);
    switch (read.status) {
    case platform::ReadStatus::Read:
        result.status = TextFileStatus::Read;
        result.lines = splitLines(QString::fromLatin1(read.bytes));
        break;
    case platform::ReadStatus::Missing: result.status = TextFileStatus::Missing; break;
    case platform::ReadStatus::TooLarge: result.status = TextFileStatus::TooLarge; break;
    case platform::ReadStatus::NotAFile:
    case platform::ReadStatus::WrongSize:
    case platform::ReadStatus::Failed: result.status = TextFileStatus::Unreadable; break;
    }
    return result;
}

} // namespace merrow
