#pragma once
// The small text files the program reads (the parameter file, the state files), read to a bound:
// a huge file, a pipe or a device in a file's place can neither hang the program nor take its
// memory.
#include <QString>
#include <QStringList>

namespace merrow {

enum class TextFileStatus {
    Read,
    Missing,      // nothing there (a link to nothing counts as nothing)
    Unreadable,   // there, but not a regular file, or it could not be opened or read
    TooLarge,     // more than the bound
};

struct TextFile {
    TextFileStatus status = TextFileStatus::Missing;
    QStringList lines;   // only when Read
};

// Bytes of a file of at most `lines` lines of at most `chars` characters, with their line ends.
constexpr qint64 TextFileBound(int lines, int chars)
{
    return static_cast<qint64>(lines) * (chars + 2);
}

// Reads a regular file (or a link to one) of at most maxBytes bytes as Latin-1 lines; a line ends
// at CR, LF or CR LF, and the last line needs no line end.
TextFile ReadTextFile(const QString& path, qint64 maxBytes);

} // namespace merrow
