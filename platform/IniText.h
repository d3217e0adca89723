#pragma once
// The per-user settings file as text, in the INI form QSettings reads and writes (sections in
// brackets, percent-escaped keys, quoted and backslash-escaped values), read as QSettings reads
// it, so files written by earlier versions or by hand read the same: a UTF-8 byte-order mark at
// the start is passed over, a line runs on past a backslash at its end and past a line end inside
// quotes, an unquoted ';' starts a comment, and of two lines of one key the last counts.
// Changing a value rewrites only its own line: every other line of the file, whatever it holds,
// is written back as it was, the mark included, except a line that has no key at all.
#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace platform {

class IniText {
public:
    explicit IniText(const QByteArray& text = {});

    // The text stored under section and key (the last such line wins), nullopt when absent or
    // when it holds a typed value ("@Variant(...)"). A value that reads as a list (an unquoted
    // comma) is the one text it was typed as.
    std::optional<QString> value(const QString& section, const QString& key) const;
    // Puts the value on the key's line, or on a new line after the last line of its section (a
    // new section at the end of the file).
    void setValue(const QString& section, const QString& key, const QString& value);
    QByteArray text() const;

private:
    enum class Kind {
        Filler,    // blanks, line ends and comments between lines, as they were
        Section,   // a "[name]" line
        Key,       // a "key=value" line
        Dropped,   // a line with no key: not written again
    };
    struct Piece {
        Kind kind = Kind::Filler;
        QByteArray bytes;            // a line: from its first character to where the reader ends it
        QString section;             // a heading's name, or the section a key line belongs to
        QString key;
        qsizetype valueStart = 0;    // a key line: where its value starts, after the '='
        bool commentFollows = false; // a ';' ended the line: the rest of its row is a comment
        bool keyAfterMark = false;   // the file's first line, its key read together with the mark
    };
    static Piece filler(const QByteArray& bytes);
    void insertAfter(std::size_t line, Piece piece);
    QByteArray rendered() const;   // the text without the mark and the last line end it may lack
    std::vector<Piece> pieces_;
    QByteArray newline_ = "\n";
    bool mark_ = false;   // the file starts with a UTF-8 byte-order mark
};

} // namespace platform
