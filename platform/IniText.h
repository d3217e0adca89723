#pragma once
// The per-user settings file as text, in the INI form QSettings reads and writes (sections in
// brackets, percent-escaped keys, quoted and backslash-escaped values), so files written by
// earlier versions read the same. Changing a value rewrites only its own line: every other line
// of the file, whatever it holds, is written back as it was, except a line that has no key at all.
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
    // Puts the value on the key's line, or on a new line at the end of its section (a new
    // section at the end of the file).
    void setValue(const QString& section, const QString& key, const QString& value);
    QByteArray text() const;

private:
    enum class Kind { Kept, Section, Key, Dropped };
    struct Line {
        Kind kind = Kind::Kept;
        QByteArray raw;       // without its line end
        QByteArray ending;    // "\n", "\r\n", "\r" or nothing on a last line
        QString section;      // the section a key line belongs to, or a heading's name
        QString key;
        QByteArray rawValue;  // what follows the key's '='
    };
    std::vector<Line> lines_;
    QByteArray newline_ = "\n";
};

} // namespace platform
