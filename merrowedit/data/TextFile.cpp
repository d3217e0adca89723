#include "merrowedit/data/TextFile.h"

#include <QFile>
#include <QFileInfo>

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
    const QFileInfo info(path);
    if (!info.exists())
        return result;
    result.status = TextFileStatus::Unreadable;
    // Checked before opening: opening a pipe waits for a writer.
    if (!info.isFile())
        return result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    const QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return result;
    if (bytes.size() > maxBytes) {
        result.status = TextFileStatus::TooLarge;
        return result;
    }
    result.status = TextFileStatus::Read;
    result.lines = splitLines(QString::fromLatin1(bytes));
    return result;
}

} // namespace merrow
