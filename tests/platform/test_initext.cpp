// The settings text on its own, with QSettings as the judge both ways: what QSettings reads from a
// text, IniText reads the same; what either writes, the other reads back as written.
#include "platform/IniText.h"

#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <vector>

using platform::IniText;

namespace {

std::string shownText(const QByteArray& text)
{
    return text.toPercentEncoding(" []=;,@()\"").toStdString();
}

std::string shownValue(const std::optional<QString>& v)
{
    return v ? '"' + shownText(v->toUtf8()) + '"' : std::string("(absent)");
}

// QSettings reading texts, each from a file of its own: QSettings keeps what it read of a file
// and might not see that a file of the same name and size has changed.
class QSettingsJudge {
public:
    QSettingsJudge() { EXPECT_TRUE(dir_.isValid()); }

    // A file holding `text`, for one QSettings to read.
    QString file(const QByteArray& text)
    {
        const QString path = dir_.filePath(QStringLiteral("t%1.ini").arg(files_++));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(text) == text.size());
        return path;
    }
    static QString key(const QString& section, const QString& key)
    {
        return section.isEmpty() ? key : section + u'/' + key;
    }
    // The value as text as the programs take it: a list is the one text it was typed as, a typed
    // value other than text is none.
    static std::optional<QString> asText(const QVariant& v)
    {
        if (!v.isValid())
            return std::nullopt;
        switch (v.typeId()) {
        case QMetaType::QString:
        case QMetaType::QByteArray: return v.toString();
        case QMetaType::QStringList:
        case QMetaType::QVariantList: return v.toStringList().join(u',');
        default: return std::nullopt;
        }
    }
    std::optional<QString> read(const QByteArray& text, const QString& section, const QString& k)
    {
        const QSettings settings(file(text), QSettings::IniFormat);
        return asText(settings.value(key(section, k)));
    }
    // Only a plain text counts as the text written.
    std::optional<QString> readString(const QString& path, const QString& section, const QString& k)
    {
        const QSettings settings(path, QSettings::IniFormat);
        const QVariant v = settings.value(key(section, k));
        if (v.typeId() != QMetaType::QString)
            return std::nullopt;
        return v.toString();
    }

private:
    QTemporaryDir dir_;
    int files_ = 0;
};

// Each row: a text as a user or an earlier version may have left it, the value one key reads as.
// QSettings must read it so too, and so must IniText.
TEST(IniText, ReadsEveryTextAsQSettingsReadsIt)
{
    struct Row {
        const char* what;
        QByteArray text;
        QString section;
        QString key;
        std::optional<QString> expected;
    };
    const Row rows[] = {
        {"a byte-order mark before the first heading", "\xEF\xBB\xBF[EDITOR]\nSerialPort=3\n", "EDITOR", "SerialPort", "3"},
        {"a byte-order mark before a first key", "\xEF\xBB\xBFk=1\n[S]\nk=2\n", "", "k", "1"},
        {"a byte-order mark and blanks before a first key", "\xEF\xBB\xBF k=1\n", "", " k", "1"},
        {"a byte-order mark at a value's start", "[S]\nk=\xEF\xBB\xBFx\n", "S", "k", "x"},
        {"a byte-order mark after an escape", "[S]\nk=\\t\xEF\xBB\xBF\n", "S", "k", "\t"},
        {"a byte-order mark within a value", "[S]\nk=a\\t\xEF\xBB\xBF\n", "S", "k", QString("a\t") + QChar(0xFEFF)},
        {"a continued value", "[S]\nk=ab\\\n  cd\nj=2\n", "S", "k", "ab  cd"},
        {"the line after a continued value", "[S]\nk=ab\\\n  cd\nj=2\n", "S", "j", "2"},
        {"a value continued over CRLF", "[S]\r\nk=ab\\\r\ncd\r\nj=2\r\n", "S", "k", "abcd"},
        {"a line end inside quotes", "[S]\nk=\"ab\ncd\"\nj=2\n", "S", "k", "ab\ncd"},
        {"quotes never closed take the rest", "[S]\nk=\"ab\nj=2\n", "S", "k", "ab\nj=2\n"},
        {"a key inside quotes never closed", "[S]\nk=\"ab\nj=2\n", "S", "j", std::nullopt},
        {"a backslash at the end keeps the blanks", "[S]\nk=ab  \\", "S", "k", "ab  "},
        {"@@ at a value's start", "[S]\nk=@@x\n", "S", "k", "@x"},
        {"@ at a value's start", "[S]\nk=@x\n", "S", "k", "@x"},
        {"a text marked as text", "[S]\nk=@String(ab)\n", "S", "k", "ab"},
        {"bytes marked as bytes", "[S]\nk=@ByteArray(ab)\n", "S", "k", "ab"},
        {"no value at all", "[S]\nk=@Invalid()\n", "S", "k", std::nullopt},
        {"a comma outside quotes", "[S]\nk=a, b ,c\n", "S", "k", "a,b,c"},
        {"a comma at the end", "[S]\nk=A,B,C,\n", "S", "k", "A,B,C,"},
        {"@@ in a list", "[S]\nk=@@a,b\n", "S", "k", "@a,b"},
        {"a comma inside quotes", "[S]\nk=\"a, b\"\n", "S", "k", "a, b"},
        {"; after a value", "[S]\nk=ab ; comment\n", "S", "k", "ab"},
        {"; inside quotes", "[S]\nk=\"a;b\"\n", "S", "k", "a;b"},
        {"a comment line", "[S]\n;k=1\nj=2\n", "S", "k", std::nullopt},
        {"two lines of one key", "[S]\nk=1\nk=2\n", "S", "k", "2"},
        {"two headings of one section", "[S]\nk=1\n[T]\nk=3\n[S]\nk=2\n", "S", "k", "2"},
        {"CRLF line ends", "[S]\r\nk=v\r\nj=w\r\n", "S", "k", "v"},
        {"CR line ends", "[S]\rk=1\rj=2", "S", "j", "2"},
        {"percent-escaped names", "[S%20T]\n%41%U00e9=1\n", "S T", QString("A") + QChar(0xE9), "1"},
        {"a backslash in a key", "[S]\na\\b=1\n", "S", "a/b", "1"},
        {"non-ASCII text", "[S]\nk=Z\xC3\xBCrich \xE2\x82\xAC\n", "S", "k", QString::fromUtf8("Z\xC3\xBCrich \xE2\x82\xAC")},
        {"a character cut by an escape", "[S]\nk=\xC3\\t\xA9\n", "S", "k", QString::fromUtf8("\t\xC3\xA9")},
        {"C escapes", "[S]\nk=a\\tb\\x41\\101\\q\n", "S", "k", "a\tbAA"},
        {"blanks around a value", "[S]\nk=  a b  \n", "S", "k", "a b"},
        {"blanks in quotes", "[S]\nk=\" a \"\n", "S", "k", " a "},
        {"blanks around a key", "[S]\n  k  =  v\n", "S", "k", "v"},
        {"[General] is the top", "[General]\nk=1\n", "", "k", "1"},
        {"[%General] is a section", "[%General]\nk=1\n", "General", "k", "1"},
        {"a line without =", "[S]\nabc\nk=1\n", "S", "k", "1"},
        {"a heading cut by ;", "[S;x]\nk=1\n", "S", "k", "1"},
        {"a heading not closed", "[S\nk=1\n", "S", "k", "1"},
        {"a hand-edited station name", "[EDITOR]\nUserStationID=WXK/42\n", "EDITOR", "UserStationID", "WXK/42"},
        {"an empty value", "[EDITOR]\nUserStationID=\n", "EDITOR", "UserStationID", ""},
    };
    QSettingsJudge judge;
    for (const Row& r : rows) {
        const std::optional<QString> byQSettings = judge.read(r.text, r.section, r.key);
        const std::optional<QString> byIniText = IniText(r.text).value(r.section, r.key);
        EXPECT_EQ(shownValue(byQSettings), shownValue(r.expected)) << r.what << " (QSettings)";
        EXPECT_EQ(shownValue(byIniText), shownValue(r.expected)) << r.what;
    }
}

// Values the programs may store: names and texts of every kind.
struct Value {
    QString section;
    QString key;
    QString value;
};

std::vector<Value> valuesOfEveryKind()
{
    const QChar mark(0xFEFF);
    return {
        {"Printer", "FontName", "Déjà Vu, \"Sans\"; x = y"},
        {"Printer", "FontSize", " 10.5 "},
        {"Projects", "File1", "@/home/a b/site.001"},
        {"Projects", "File2", "@@twice"},
        {"Projects", "File3", "@String(x)"},
        {"Projects", "File4", "a,b"},
        {"Projects", "Semicolon", "a;b"},
        {"Projects", "Tab", QString("tab\there\x01" "1\\")},
        {"Projects", "Lines", "one\ntwo\r\nthree"},
        {"Projects", "MarkFirst", QString(mark) + "x"},
        {"Projects", "MarkAfterTab", QString("\t") + mark},
        {"Projects", "MarkAfterQuote", QString("\"") + mark + "\""},
        {"Projects", "MarkAfterComma", QString(",") + mark},
        {"Projects", "Mark1", QString("\t") + mark + "1"},
        {"Projects", "Trailing", "ends in blanks  "},
        {"Projects", "Empty", ""},
        {"Projects", "Unicode", QString::fromUtf8("Z\xC3\xBCrich \xE2\x82\xAC \xF0\x9F\x98\x80")},
        {"Projects", "Equals", "=x"},
        {"Projects", "Heading", "[x]"},
        {"Pro jects", QString::fromUtf8("K\xC3\xA9y with blank"), "percent-escaped names"},
        {"EDITOR", "UserStationID", "X,Y Z"},
    };
}

// What QSettings writes, IniText reads as QSettings reads it back.
TEST(IniText, ReadsWhatQSettingsWrites)
{
    QSettingsJudge judge;
    const QString path = judge.file({});
    {
        QSettings settings(path, QSettings::IniFormat);
        for (const Value& v : valuesOfEveryKind())
            settings.setValue(QSettingsJudge::key(v.section, v.key), v.value);
        settings.sync();
        ASSERT_EQ(settings.status(), QSettings::NoError);
    }
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray written = f.readAll();
    const IniText ini(written);
    // Read back from a copy: QSettings remembers what it wrote to the file itself.
    const QString copy = judge.file(written);
    for (const Value& v : valuesOfEveryKind()) {
        const std::optional<QString> read = ini.value(v.section, v.key);
        EXPECT_EQ(shownValue(read), shownValue(judge.readString(copy, v.section, v.key))) << v.key.toStdString();
        // QSettings writes a byte-order mark as it is, and passes over one where it starts decoding.
        if (!v.value.contains(QChar(0xFEFF))) {
            EXPECT_EQ(shownValue(read), shownValue(v.value)) << v.key.toStdString();
        }
    }
}

// What IniText writes into a text of every kind, QSettings reads as it was given, and every other
// value of that text reads as it did.
TEST(IniText, WritesWhatQSettingsReads)
{
    const QByteArray bases[] = {
        "",
        "\xEF\xBB\xBF[Projects]\nFile1=old\n",
        "[Printer]\r\nFontName=Courier\r\nOther=a\\\r\n  continued\r\n\r\n[Extra]\r\nKey=\"x\ny\"\r\n",
        "; mine\n[Projects]\nFile2=old ; comment\nKeep=1\n[Printer]\nKeep=2",
        "[Projects]\nKeep=\"never closed\n",
        "[Projects]\nKeep=ends in a backslash\\",
        "[Projects]\nKeep=a\\\r",
        "[Projects]\nKeep=1\n[Projects\n",
    };
    const std::vector<std::pair<QString, QString>> kept = {{"Printer", "FontName"}, {"Printer", "Other"}, {"Extra", "Key"},
                                                           {"Projects", "Keep"},    {"Printer", "Keep"}};
    QSettingsJudge judge;
    for (const QByteArray& base : bases) {
        IniText ini(base);
        for (const Value& v : valuesOfEveryKind())
            ini.setValue(v.section, v.key, v.value);
        const QByteArray text = ini.text();
        const QString path = judge.file(text);
        for (const Value& v : valuesOfEveryKind()) {
            EXPECT_EQ(shownValue(judge.readString(path, v.section, v.key)), shownValue(v.value))
                << shownText(base) << " " << v.key.toStdString() << " in " << shownText(text);
            EXPECT_EQ(shownValue(IniText(text).value(v.section, v.key)), shownValue(v.value)) << shownText(base);
        }
        for (const auto& [section, key] : kept) {
            if (section == "Printer" && key == "FontName")
                continue;   // saved above
            EXPECT_EQ(shownValue(judge.read(text, section, key)), shownValue(judge.read(base, section, key)))
                << shownText(base) << " " << key.toStdString() << " in " << shownText(text);
        }
    }
}

// A new key joins the last heading of its section, below that section's last line; a new section
// goes at the end after a blank line. Every other line stays as it was.
TEST(IniText, ANewKeyJoinsItsSection)
{
    struct Row {
        QByteArray before;
        QString section;
        QByteArray after;
    };
    const Row rows[] = {
        {"[A]\nx=1\n[B]\ny=2\n", "A", "[A]\nx=1\nz=3\n[B]\ny=2\n"},
        {"[A]\nx=1 ; note\n\n[B]\ny=2\n", "A", "[A]\nx=1 ; note\nz=3\n\n[B]\ny=2\n"},
        {"[A]\r\nx=1\r\n[B]\r\n[A]\r\nw=0\r\n[C]\r\n", "A", "[A]\r\nx=1\r\n[B]\r\n[A]\r\nw=0\r\nz=3\r\n[C]\r\n"},
        {"[A]\nx=a\\\nb\n[B]\n", "A", "[A]\nx=a\\\nb\nz=3\n[B]\n"},
        {"[A]\nx=1", "A", "[A]\nx=1\nz=3\n"},
        {"[A]\nx=1\n", "New", "[A]\nx=1\n\n[New]\nz=3\n"},
        {"[A]\nx=1\n\n", "New", "[A]\nx=1\n\n[New]\nz=3\n"},
        {"", "New", "[New]\nz=3\n"},
        {"\xEF\xBB\xBF[A]\nx=1\n", "A", "\xEF\xBB\xBF[A]\nx=1\nz=3\n"},
    };
    for (const Row& r : rows) {
        IniText ini(r.before);
        ini.setValue(r.section, "z", "3");
        EXPECT_EQ(shownText(ini.text()), shownText(r.after)) << shownText(r.before);
    }
}

// A value is rewritten on its own line, all of it: the mark at the file's start and its section
// stay, a continued value's second line goes with it, another value's second line stays.
TEST(IniText, ASavedValueReplacesItsWholeLine)
{
    struct Row {
        QByteArray before;
        QByteArray after;
    };
    const Row rows[] = {
        {"\xEF\xBB\xBF[S]\nk=1\n", "\xEF\xBB\xBF[S]\nk=2\n"},
        {"[S]\nk=a\\\nb\nj=1\n", "[S]\nk=2\nj=1\n"},
        {"[S]\nj=a\\\nb\nk=1\n", "[S]\nj=a\\\nb\nk=2\n"},
        {"[S]\nk=\"a\nb\"\nj=1\n", "[S]\nk=2\nj=1\n"},
        {"[S]\nk=1\nk=0\n", "[S]\nk=1\nk=2\n"},
        {"; mine\n[S]\nk=Courier ; kept\nOther = x\n", "; mine\n[S]\nk=2\nOther = x\n"},
        {"[S]\nk=1\nno equals here\n=1\nj=1\n", "[S]\nk=2\nj=1\n"},
    };
    for (const Row& r : rows) {
        IniText ini(r.before);
        ini.setValue("S", "k", "2");
        EXPECT_EQ(shownText(ini.text()), shownText(r.after)) << shownText(r.before);
    }
}

// Whatever text the store reads, it can save again: lines of every kind, keys before any section,
// keys of binary bytes, typed values it cannot take apart. Each save holds every value saved, read
// back by IniText and by QSettings; saved again, the text stays as it is.
TEST(IniText, EveryTextThatLoadsCanBeSavedAgain)
{
    std::vector<QByteArray> texts = {
        "",
        "=1\n[Printer]\nFontName=Courier\n",
        "[Printer]\n=1\n",
        "Top=1\n[Printer]\nFontSize=12\n",
        "[Printer]\nFontSize=@Variant(\\0\\0\\0\\x6\\x7f\\xf8\\0\\0\\0\\0\\0\\0)\n",
        "[Projects]\n\x01\xff\xfe=2\n\xc3(=3\nFile1=/a.001\n",
        "[Pr\xffnter]\nFontName=x\n[\n]\n[Printer\n",
        "[Projects]\r\nFile1=\"unterminated\r\nFile2=a\\\r\n;comment\r\nno equals here\r\n",
        "[Printer]\nFontName=@Invalid()\nFontSize=@ByteArray(\xff)\n[General]\nk=v",
    };
    // And texts made of the pieces such texts are made of, at random but the same every run.
    const QByteArray pieces[] = {"[", "]", "Printer", "Projects", "=", "1", "FontName", "File1", "@Variant(", "@ByteArray(",
                                 "@", ")", "\"", "\\", "\\x", ",", ";", " ", "\t", "%", "%U", "%4", "\x01", "\xff",
                                 "\xc3", "\xc3\xa9", "\r", "\0", "\xEF\xBB\xBF", "General"};
    std::mt19937 random(20261210);
    for (int n = 0; n < 150; ++n) {
        QByteArray text;
        const int lines = static_cast<int>(random() % 10);
        for (int l = 0; l < lines; ++l) {
            const int parts = static_cast<int>(random() % 6);
            for (int p = 0; p < parts; ++p)
                text += pieces[random() % std::size(pieces)];
            text += random() % 4 ? "\n" : "\r\n";
        }
        texts.push_back(text);
    }
    const std::vector<Value> values = {{"Printer", "FontName", "Déjà Vu, \"Sans\"; x = y"},
                                       {"Printer", "FontSize", " 10.5 "},
                                       {"Projects", "File1", "@/home/a b/site.001"},
                                       {"Projects", "File2", QString("tab\there\x01" "1\\") + QChar(0xD800) + "A"},
                                       {"Projects", "File3", QString("\t") + QChar(0xFEFF)},
                                       {"Projects", "File4", ""}};
    QSettingsJudge judge;
    for (const QByteArray& text : texts) {
        for (const Value& v : values)
            EXPECT_EQ(shownValue(IniText(text).value(v.section, v.key)), shownValue(judge.read(text, v.section, v.key)))
                << shownText(text) << " " << v.key.toStdString();
        IniText ini(text);
        for (const Value& v : values)
            ini.setValue(v.section, v.key, v.value);
        const QByteArray saved = ini.text();
        const QString path = judge.file(saved);
        for (const Value& v : values) {
            EXPECT_EQ(IniText(saved).value(v.section, v.key), v.value) << shownText(text) << " " << v.key.toStdString();
            EXPECT_EQ(judge.readString(path, v.section, v.key), v.value) << shownText(text) << " " << v.key.toStdString();
        }
        IniText again(saved);
        for (const Value& v : values)
            again.setValue(v.section, v.key, v.value);
        EXPECT_EQ(shownText(again.text()), shownText(saved)) << shownText(text);
    }
}

} // namespace
