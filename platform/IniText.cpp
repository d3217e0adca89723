#include "platform/IniText.h"

#include <QByteArrayView>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <iterator>

namespace platform {
namespace {

constexpr char kMark[] = "\xEF\xBB\xBF";   // U+FEFF in UTF-8
constexpr qsizetype kMarkSize = 3;

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

// What the reader passes over between lines.
bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

// Blanks, line ends and whole comment lines from `pos` on: where the next line starts.
qsizetype skipFiller(QByteArrayView t, qsizetype pos)
{
    for (;;) {
        while (pos < t.size() && isSpace(t[pos]))
            ++pos;
        if (pos >= t.size() || t[pos] != ';')
            return pos;
        while (pos < t.size() && !isLineEnd(t[pos]))
            ++pos;
    }
}

struct LineEnd {
    qsizetype end = 0;        // a line end or ';' outside quotes, or the end of the text
    qsizetype equals = -1;    // the first '=' outside quotes
};

// One line from `start`: a backslash takes the next character with it (a line end, with its
// partner of "\r\n" or "\n\r", continues the line), and a line end inside quotes is no end.
LineEnd scanLine(QByteArrayView t, qsizetype start)
{
    LineEnd r;
    bool inQuotes = false;
    qsizetype i = start;
    while (i < t.size()) {
        const char ch = t[i];
        if (ch == '\\') {
            i += 2;
            if (i < t.size() && ((t[i - 1] == '\n' && t[i] == '\r') || (t[i - 1] == '\r' && t[i] == '\n')))
                ++i;
            continue;
        }
        if ((isLineEnd(ch) || ch == ';') && !inQuotes)
            break;
        if (ch == '"')
            inQuotes = !inQuotes;
        else if (ch == '=' && !inQuotes && r.equals < 0)
            r.equals = i;
        ++i;
    }
    r.end = std::min(i, t.size());
    return r;
}

// A key or section name: "%XX" and "%UXXXX" stand for one character, "\" for "/". The name is
// decoded from UTF-8 first, which passes over a byte-order mark at its start.
QString unescapedKey(QByteArrayView key)
{
    const QString decoded = QString::fromUtf8(key);
    QString result;
    const qsizetype n = decoded.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar ch = decoded[i];
        if (ch == u'\\') {
            result += u'/';
            ++i;
            continue;
        }
        if (ch != u'%' || i == n - 1) {
            result += ch;
            ++i;
            continue;
        }
        qsizetype first = i + 1;
        qsizetype digits = 2;
        if (decoded[first] == u'U') {
            ++first;
            digits = 4;
        }
        bool ok = first + digits <= n;
        const ushort value = ok ? QStringView(decoded).sliced(first, digits).toUShort(&ok, 16) : 0;
        if (!ok) {
            result += u'%';
            ++i;
            continue;
        }
        result += QChar(value);
        i = first + digits;
    }
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

// A heading's name: what stands between '[' and the first ']' (or the rest of the line), blanks
// around it gone. "General" is the part of the file before any heading; "%General" is a section
// of that name.
QString sectionName(const QByteArray& line)
{
    const qsizetype close = line.indexOf(']');
    const QByteArray name = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
    if (name.compare("general", Qt::CaseInsensitive) == 0)
        return {};
    if (name.compare("%general", Qt::CaseInsensitive) == 0)
        return QString::fromLatin1(name.mid(1));
    return unescapedKey(name);
}

QByteArray heading(const QString& section)
{
    if (section.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
        return "[%" + escapedKey(section) + ']';
    return '[' + escapedKey(section) + ']';
}

struct Decoded {
    QString text;
    QStringList list;
    bool isList = false;
    bool operator==(const Decoded&) const = default;
};

// Blanks around the value and around each comma go; a quoted part keeps them; backslash escapes
// as in C, "\x" with any number of hex digits, octal digits, and a line end that continues the
// line. The text between escapes is decoded as one UTF-8 stream: a sequence cut by an escape
// still makes its character, and a byte-order mark is passed over only at its very start.
Decoded unescapedValue(QByteArrayView str)
{
    static const char escapes[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'}, {'r', '\r'}, {'t', '\t'},
                                      {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    QStringDecoder utf8(QStringDecoder::Utf8);
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
    // A backslash, or "\x", that ends the value leaves the blanks before it.
    bool cutShort = false;
    skipSpaces();
    while (i < n) {
        const char ch = str[i];
        if (ch == '\\') {
            if (++i >= n) {
                cutShort = true;
                break;
            }
            const char e = str[i++];
            const auto* simple = std::find_if(std::begin(escapes), std::end(escapes),
                                              [e](const auto& code) { return code[0] == e; });
            if (simple != std::end(escapes)) {
                s += QLatin1Char((*simple)[1]);
            } else if (e == 'x' && i >= n) {
                cutShort = true;
                break;
            } else if (e == 'x' && isHex(str[i])) {
                char16_t value = 0;
                while (i < n && isHex(str[i]))
                    value = static_cast<char16_t>((value << 4) + hexValue(str[i++]));
                s += QChar(value);
            } else if (e >= '0' && e <= '7') {
                char16_t value = static_cast<char16_t>(e - '0');
                while (i < n && str[i] >= '0' && str[i] <= '7')
                    value = static_cast<char16_t>((value << 3) + (str[i++] - '0'));
                s += QChar(value);
            } else if (isLineEnd(e) && i < n && isLineEnd(str[i]) && str[i] != e) {
                ++i;   // "\r\n" or "\n\r" after the backslash: one line end
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
        s += QString(utf8(str.sliced(i, j - i)));
        i = j;
    }
    if (!quoted && !cutShort)
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
    if (s == QLatin1String("@Invalid()"))
        return std::nullopt;
    if (s.endsWith(u')')) {
        if (s.startsWith(QLatin1String("@ByteArray(")))
            return QString::fromUtf8(QStringView(s).sliced(11).chopped(1).toLatin1());
        if (s.startsWith(QLatin1String("@String(")))
            return QStringView(s).sliced(8).chopped(1).toString();
        for (const char* typed : {"@Variant(", "@DateTime(", "@Rect(", "@Size(", "@Point("})
            if (s.startsWith(QLatin1String(typed)))
                return std::nullopt;
    }
    return s;
}

std::optional<QString> decodedText(const Decoded& d)
{
    if (!d.isList)
        return valueText(d.text);
    QStringList parts;
    for (const QString& part : d.list)
        parts << valueText(part).value_or(QString());
    return parts.join(u',');
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
            } else if (ch < 0x20 || ch == 0x7F || QChar::isSurrogate(ch) || ch == 0xFEFF) {
                // Control characters and half a surrogate pair have no UTF-8 of their own; a
                // byte-order mark in UTF-8 is passed over where the reader starts decoding.
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

// What must follow a last line that the end of the file cut short (inside quotes, or after a
// backslash) so that a line after it starts a line of its own, the value read as before: nullopt
// when nothing does.
std::optional<QByteArray> closing(const QByteArray& line, qsizetype valueStart, const QByteArray& newline)
{
    const Decoded before = unescapedValue(QByteArrayView(line).sliced(valueStart));
    for (const QByteArray& tail : {QByteArray(), newline, QByteArray("\""), newline + '"'}) {
        const QByteArray tried = line + tail + newline + "k=1" + newline;
        const LineEnd scanned = scanLine(tried, 0);
        if (skipFiller(tried, scanned.end) != line.size() + tail.size() + newline.size())
            continue;
        if (unescapedValue(QByteArrayView(tried).sliced(valueStart, scanned.end - valueStart)) == before)
            return tail;
    }
    return std::nullopt;
}

// Where the first row of `bytes` ends: at its line end, or at the end of the bytes.
qsizetype rowEnd(QByteArrayView bytes)
{
    qsizetype end = 0;
    while (end < bytes.size() && !isLineEnd(bytes[end]))
        ++end;
    return end;
}

qsizetype lineEndSize(QByteArrayView t, qsizetype at)
{
    if (at >= t.size() || !isLineEnd(t[at]))
        return 0;
    return t[at] == '\r' && at + 1 < t.size() && t[at + 1] == '\n' ? 2 : 1;
}

} // namespace

IniText::Piece IniText::filler(const QByteArray& bytes)
{
    Piece piece;
    piece.bytes = bytes;
    return piece;
}

IniText::IniText(const QByteArray& text)
{
    const QByteArrayView t(text);
    qsizetype pos = 0;
    if (t.startsWith(kMark)) {
        mark_ = true;
        pos = kMarkSize;
    }
    for (qsizetype i = pos; i < t.size(); ++i)
        if (const qsizetype size = lineEndSize(t, i)) {
            newline_ = text.mid(i, size);
            break;
        }
    QString section;
    bool first = true;
    while (pos < t.size()) {
        const qsizetype start = skipFiller(t, pos);
        const QByteArray between = text.mid(pos, start - pos);
        if (!between.isEmpty())
            pieces_.push_back(filler(between));
        if (start >= t.size())
            break;
        const LineEnd scanned = scanLine(t, start);
        Piece line;
        line.bytes = text.mid(start, scanned.end - start);
        line.commentFollows = scanned.end < t.size() && t[scanned.end] == ';';
        line.kind = Kind::Dropped;
        if (line.bytes.startsWith('[')) {
            section = sectionName(line.bytes);
            line.kind = Kind::Section;
            line.section = section;
        } else if (scanned.equals >= 0) {
            QByteArray key = line.bytes.left(scanned.equals - start);
            // The first line of a file that starts with the mark is read from the very start: its
            // key holds the mark, which decoding passes over, and the blanks before the key.
            line.keyAfterMark = first && mark_ && between.count(' ') + between.count('\t') == between.size();
            if (line.keyAfterMark)
                key.prepend(kMark + between);
            line.key = unescapedKey(key.trimmed());
            // A line with no key at all cannot be written back as a setting: it goes at the next save.
            if (!line.key.isEmpty()) {
                line.kind = Kind::Key;
                line.section = section;
                line.valueStart = scanned.equals - start + 1;
            }
        }
        first = false;
        pos = scanned.end;
        if (pos == t.size() && line.kind == Kind::Key) {
            if (const std::optional<QByteArray> tail = closing(line.bytes, line.valueStart, newline_))
                line.bytes += *tail;
            else
                line.kind = Kind::Dropped;
        } else if (pos == t.size() && line.kind == Kind::Section) {
            // A heading that runs on to the end of the file heads nothing.
            const std::optional<QByteArray> tail = closing(line.bytes, 0, newline_);
            if (!tail || !tail->isEmpty())
                line.kind = Kind::Dropped;
        }
        pieces_.push_back(std::move(line));
    }
}

std::optional<QString> IniText::value(const QString& section, const QString& key) const
{
    for (auto it = pieces_.rbegin(); it != pieces_.rend(); ++it)
        if (it->kind == Kind::Key && it->key == key && it->section == section)
            return decodedText(unescapedValue(QByteArrayView(it->bytes).sliced(it->valueStart)));
    return std::nullopt;
}

void IniText::insertAfter(std::size_t line, Piece piece)
{
    std::vector<Piece> added{std::move(piece), filler(newline_)};
    std::size_t at = line + 1;
    if (at < pieces_.size() && pieces_[at].kind == Kind::Filler) {
        // After the rest of that line's row (a comment), on a row of its own.
        QByteArray& row = pieces_[at].bytes;
        const qsizetype end = rowEnd(row);
        if (const qsizetype size = lineEndSize(row, end)) {
            Piece rest = filler(row.mid(end + size));
            row.truncate(end + size);
            if (!rest.bytes.isEmpty())
                added.push_back(std::move(rest));
        } else {
            added.insert(added.begin(), filler(newline_));
        }
        ++at;
    } else {
        added.insert(added.begin(), filler(newline_));
    }
    pieces_.insert(pieces_.begin() + static_cast<std::ptrdiff_t>(at), std::make_move_iterator(added.begin()),
                   std::make_move_iterator(added.end()));
}

void IniText::setValue(const QString& section, const QString& key, const QString& value)
{
    Piece line;
    line.kind = Kind::Key;
    line.section = section;
    line.key = key;
    line.bytes = escapedKey(key) + '=';
    line.valueStart = line.bytes.size();
    line.bytes += escapedValue(value);

    std::optional<std::size_t> last;   // the section's last line
    for (std::size_t i = pieces_.size(); i-- > 0;) {
        Piece& old = pieces_[i];
        if (old.kind == Kind::Key && old.section == section && old.key == key) {
            // The comment after the old value goes with it.
            if (old.commentFollows && i + 1 < pieces_.size() && pieces_[i + 1].kind == Kind::Filler) {
                QByteArray& comment = pieces_[i + 1].bytes;
                comment.remove(0, rowEnd(comment));
            }
            // Blanks between the mark and the key would be read as part of the key.
            if (old.keyAfterMark && i > 0 && pieces_[i - 1].kind == Kind::Filler)
                pieces_[i - 1].bytes.clear();
            old = std::move(line);
            return;
        }
        if (!last && (old.kind == Kind::Key || old.kind == Kind::Section) && old.section == section)
            last = i;
    }
    if (last) {
        insertAfter(*last, std::move(line));
        return;
    }
    if (section.isEmpty()) {
        pieces_.insert(pieces_.begin(), {std::move(line), filler(newline_)});
        return;
    }
    // A new section at the end, after a blank row.
    QByteArray body = rendered();
    if (!body.isEmpty()) {
        if (!isLineEnd(body.back())) {
            pieces_.push_back(filler(newline_));
            body += newline_;
        }
        qsizetype rowEnd = body.size() - (body.endsWith("\r\n") ? 2 : 1);
        qsizetype rowStart = rowEnd;
        while (rowStart > 0 && !isLineEnd(body[rowStart - 1]))
            --rowStart;
        if (!body.mid(rowStart, rowEnd - rowStart).trimmed().isEmpty())
            pieces_.push_back(filler(newline_));
    }
    Piece head;
    head.kind = Kind::Section;
    head.section = section;
    head.bytes = heading(section);
    pieces_.push_back(std::move(head));
    pieces_.push_back(filler(newline_));
    pieces_.push_back(std::move(line));
    pieces_.push_back(filler(newline_));
}

QByteArray IniText::text() const
{
    QByteArray out = rendered();
    if (!out.isEmpty() && !isLineEnd(out.back()))
        out += newline_;
    return mark_ ? kMark + out : out;
}

QByteArray IniText::rendered() const
{
    QByteArray out;
    bool skipLineEnd = false;
    for (const Piece& piece : pieces_) {
        if (piece.kind == Kind::Dropped) {
            skipLineEnd = true;
            continue;
        }
        if (skipLineEnd && piece.kind == Kind::Filler)
            out += QByteArrayView(piece.bytes).sliced(lineEndSize(piece.bytes, 0));
        else
            out += piece.bytes;
        skipLineEnd = false;
    }
    return out;
}

} // namespace platform
