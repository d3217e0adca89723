#include "platform/IniText.h"

#include <QByteArrayView>
#include <QStringList>

namespace platform {
namespace {

bool isHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    return (c | 0x20) - 'a' + 10;
}

QByteArray hex(char16_t ch, int digits = 0)
{
    QByteArray digitsText = QByteArray::number(ch, 16).toUpper();
    while (digitsText.size() < digits)
        digitsText.prepend('0');
    return digitsText;
}

// A key or section name: "%XX" and "%UXXXX" stand for one character, "\" for "/".
QString unescapedKey(QByteArrayView key)
{
    QString result;
    QByteArray run;
    const auto flush = [&] {
        result += QString::fromUtf8(run);
        run.clear();
    };
    const qsizetype n = key.size();
    qsizetype i = 0;
    while (i < n) {
        const char ch = key[i];
        if (ch == '\\') {
            flush();
            result += u'/';
            ++i;
            continue;
        }
        if (ch != '%' || i == n - 1) {
            run += ch;
            ++i;
            continue;
        }
        qsizetype first = i + 1;
        int digits = 2;
        if (key[first] == 'U') {
            ++first;
            digits = 4;
        }
        bool ok = first + digits <= n;
        char16_t value = 0;
        for (int d = 0; ok && d < digits; ++d) {
            const char c = key[first + d];
            ok = isHex(c);
            value = static_cast<char16_t>(value * 16 + (ok ? hexValue(c) : 0));
        }
        if (!ok) {
            run += '%';
            ++i;
            continue;
        }
        flush();
        result += QChar(value);
        i = first + digits;
    }
    flush();
    return result;
}

QByteArray escapedKey(const QString& key)
{
    QByteArray out;
    for (const QChar qc : key) {
        const char16_t ch = qc.unicode();
        if (ch == u'/')
            out += '\\';
        else if ((ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') || (ch >= u'0' && ch <= u'9') || ch == u'_'
                 || ch == u'-' || ch == u'.')
            out += static_cast<char>(ch);
        else if (ch <= 0xFF)
            out += '%' + hex(ch, 2);
        else
            out += "%U" + hex(ch, 4);
    }
    return out;
}

// The part of a key line's value the reader takes: an unquoted ';' starts a comment.
QByteArrayView valuePart(QByteArrayView raw)
{
    bool inQuotes = false;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char ch = raw[i];
        if (ch == '\\')
            ++i;
        else if (ch == '"')
            inQuotes = !inQuotes;
        else if (ch == ';' && !inQuotes)
            return raw.first(i);
    }
    return raw;
}

struct Decoded {
    QString text;
    QStringList list;
    bool isList = false;
};

// Blanks around the value and around each comma go; a quoted part keeps them; backslash escapes
// as in C, "\x" with any number of hex digits, "\" and octal digits.
Decoded unescapedValue(QByteArrayView str)
{
    static const char escapes[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'}, {'r', '\r'}, {'t', '\t'},
                                      {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    Decoded out;
    QString& s = out.text;
    const qsizetype n = str.size();
    qsizetype i = 0;
    bool inQuotes = false;
    bool quoted = false;
    qsizetype chopLimit = 0;
    const auto skipSpaces = [&] {
        while (i < n && (str[i] == ' ' || str[i] == '\t'))
            ++i;
        chopLimit = s.size();
    };
    // Blanks typed after the last escape are no part of the value.
    const auto chop = [&] {
        while (s.size() > chopLimit && (s.back() == u' ' || s.back() == u'\t'))
            s.chop(1);
    };
    skipSpaces();
    while (i < n) {
        const char ch = str[i];
        if (ch == '\\') {
            if (++i >= n)
                break;
            const char e = str[i++];
            bool simple = false;
            for (const auto& code : escapes)
                if (e == code[0]) {
                    s += QLatin1Char(code[1]);
                    simple = true;
                    break;
                }
            if (!simple && e == 'x' && i < n && isHex(str[i])) {
                char16_t value = 0;
                while (i < n && isHex(str[i]))
                    value = static_cast<char16_t>((value << 4) + hexValue(str[i++]));
                s += QChar(value);
            } else if (!simple && e >= '0' && e <= '7') {
                char16_t value = static_cast<char16_t>(e - '0');
                while (i < n && str[i] >= '0' && str[i] <= '7')
                    value = static_cast<char16_t>((value << 3) + (str[i++] - '0'));
                s += QChar(value);
            }
            chopLimit = s.size();
            continue;
        }
        if (ch == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipSpaces();
            continue;
        }
        if (ch == ',' && !inQuotes) {
            if (!quoted)
                chop();
            out.isList = true;
            out.list.append(s);
            s.clear();
            quoted = false;
            ++i;
            skipSpaces();
            continue;
        }
        qsizetype j = i + 1;
        while (j < n && str[j] != '\\' && str[j] != '"' && str[j] != ',')
            ++j;
        s += QString::fromUtf8(str.sliced(i, j - i));
        i = j;
    }
    if (!quoted)
        chop();
    if (out.isList)
        out.list.append(s);
    return out;
}

// One read value as text; nullopt for a typed value, which is no text of the store's. Typed
// values are not decoded: what they announce (a list of four billion entries) is not to be
// trusted.
std::optional<QString> valueText(const QString& s)
{
    if (!s.startsWith(u'@'))
        return s;
    if (s.startsWith(QLatin1String("@@")))
        return s.mid(1);
    if (s.endsWith(u')')) {
        if (s.startsWith(QLatin1String("@ByteArray(")))
            return QString::fromUtf8(QStringView(s).sliced(11).chopped(1).toLatin1());
        if (s.startsWith(QLatin1String("@String(")))
            return QStringView(s).sliced(8).chopped(1).toString();
        for (const char* typed : {"@Variant(", "@DateTime(", "@Rect(", "@Size(", "@Point(", "@Invalid("})
            if (s.startsWith(QLatin1String(typed)))
                return std::nullopt;
    }
    return s;
}

QByteArray escapedValue(const QString& text)
{
    // A leading '@' would announce a typed value; doubled, it reads back as itself.
    const QString s = text.startsWith(u'@') ? u'@' + text : text;
    QByteArray out;
    bool needsQuotes = false;
    bool escapeNextIfHex = false;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t ch = s[i].unicode();
        if (ch == u';' || ch == u',' || ch == u'=')
            needsQuotes = true;
        // A hex digit right after "\x.." would be read as part of that escape.
        if (escapeNextIfHex && ch < 0x80 && isHex(static_cast<char>(ch))) {
            out += "\\x" + hex(ch);
            continue;
        }
        escapeNextIfHex = false;
        switch (ch) {
        case u'\a': out += "\\a"; break;
        case u'\b': out += "\\b"; break;
        case u'\f': out += "\\f"; break;
        case u'\n': out += "\\n"; break;
        case u'\r': out += "\\r"; break;
        case u'\t': out += "\\t"; break;
        case u'\v': out += "\\v"; break;
        case u'"':
        case u'\\':
            out += '\\';
            out += static_cast<char>(ch);
            break;
        default:
            if (QChar::isHighSurrogate(ch) && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
                out += QStringView(s).sliced(i, 2).toUtf8();
                ++i;
            } else if (ch < 0x20 || ch == 0x7F || QChar::isSurrogate(ch)) {
                // Control characters and half a surrogate pair have no UTF-8 of their own.
                out += "\\x" + hex(ch);
                escapeNextIfHex = true;
            } else if (ch < 0x80) {
                out += static_cast<char>(ch);
            } else {
                out += QString(QChar(ch)).toUtf8();
            }
        }
    }
    if (needsQuotes || out.startsWith(' ') || out.endsWith(' '))
        return '"' + out + '"';
    return out;
}

} // namespace

IniText::IniText(const QByteArray& text)
{
    QString section;
    bool endingSeen = false;
    const qsizetype n = text.size();
    qsizetype pos = 0;
    while (pos < n) {
        qsizetype end = pos;
        while (end < n && text[end] != '\n' && text[end] != '\r')
            ++end;
        Line line;
        line.raw = text.mid(pos, end - pos);
        if (end < n)
            line.ending = text[end] == '\r' && end + 1 < n && text[end + 1] == '\n' ? QByteArray("\r\n") : text.mid(end, 1);
        if (!endingSeen && !line.ending.isEmpty()) {
            newline_ = line.ending;
            endingSeen = true;
        }
        pos = end + line.ending.size();

        const QByteArray t = line.raw.trimmed();
        if (t.isEmpty() || t.startsWith(';')) {
            line.kind = Kind::Kept;
        } else if (t.startsWith('[')) {
            const qsizetype close = t.indexOf(']');
            section = unescapedKey(QByteArrayView(t).sliced(1, (close < 0 ? t.size() : close) - 1).trimmed());
            line.kind = Kind::Section;
            line.section = section;
        } else {
            bool inQuotes = false;
            qsizetype equals = -1;
            for (qsizetype i = 0; i < line.raw.size() && equals < 0; ++i) {
                const char ch = line.raw[i];
                if (ch == '\\')
                    ++i;
                else if (ch == '"')
                    inQuotes = !inQuotes;
                else if (ch == '=' && !inQuotes)
                    equals = i;
            }
            // A line with no key at all cannot be written back as a setting: it goes at the next save.
            line.kind = Kind::Dropped;
            if (equals >= 0) {
                line.key = unescapedKey(QByteArrayView(line.raw).first(equals).trimmed());
                if (!line.key.isEmpty()) {
                    line.kind = Kind::Key;
                    line.section = section;
                    line.rawValue = line.raw.mid(equals + 1);
                }
            }
        }
        lines_.push_back(std::move(line));
    }
}

std::optional<QString> IniText::value(const QString& section, const QString& key) const
{
    for (auto it = lines_.rbegin(); it != lines_.rend(); ++it) {
        if (it->kind != Kind::Key || it->key != key || it->section != section)
            continue;
        const Decoded d = unescapedValue(valuePart(it->rawValue));
        if (!d.isList)
            return valueText(d.text);
        QStringList parts;
        for (const QString& part : d.list)
            parts << valueText(part).value_or(QString());
        return parts.join(u',');
    }
    return std::nullopt;
}

void IniText::setValue(const QString& section, const QString& key, const QString& value)
{
    Line line;
    line.kind = Kind::Key;
    line.section = section;
    line.key = key;
    line.rawValue = escapedValue(value);
    line.raw = escapedKey(key) + '=' + line.rawValue;

    std::optional<std::size_t> last;   // the section's last line
    for (std::size_t i = lines_.size(); i-- > 0;) {
        Line& old = lines_[i];
        if (old.kind == Kind::Key && old.section == section && old.key == key) {
            line.ending = old.ending;
            old = std::move(line);
            return;
        }
        if (!last && (old.kind == Kind::Key || old.kind == Kind::Section) && old.section == section)
            last = i;
    }
    if (last) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*last + 1), std::move(line));
        return;
    }
    if (section.isEmpty()) {
        lines_.insert(lines_.begin(), std::move(line));
        return;
    }
    if (!lines_.empty() && !lines_.back().raw.trimmed().isEmpty())
        lines_.push_back(Line{});
    Line heading;
    heading.kind = Kind::Section;
    heading.section = section;
    heading.raw = '[' + escapedKey(section) + ']';
    lines_.push_back(std::move(heading));
    lines_.push_back(std::move(line));
}

QByteArray IniText::text() const
{
    QByteArray out;
    for (const Line& line : lines_) {
        if (line.kind == Kind::Dropped)
            continue;
        out += line.raw;
        out += line.ending.isEmpty() ? newline_ : line.ending;
    }
    return out;
}

} // namespace platform
