#include "merrowedit/data/StateFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <map>

#include "tests/support/QStringPrinter.h"
#include "StateFolder.h"

using namespace merrow;

namespace {

constexpr int kAlabama = 0;
constexpr int kColorado = 5;
constexpr int kGeorgia = 9;

// One row of the coverage listing: state, code, county, location, call sign, frequency.
QStringList parseCsvRow(const QString& line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (const QChar c : line) {
        if (c == u'"')
            quoted = !quoted;
        else if (c == u',' && !quoted) {
            fields << field;
            field.clear();
        } else
            field += c;
    }
    fields << field;
    return fields;
}

QString sourcePath(const QString& relative)
{
    return qEnvironmentVariable("QM_SOURCE_DIR") + '/' + relative;
}

class StateFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        SetStatesFolder(dir.path());
    }
    void TearDown() override { SetStatesFolder({}); }
    QTemporaryDir dir;
};

// The files shipped with the program, against the listing they were made from.
TEST(CommittedStateFiles, FollowTheColumnsAndGiveEveryTransmitterOneKey)
{
    const QString folder = sourcePath("data/States");
    SetStatesFolder(folder);
    QFile csv(sourcePath("tools/state_files/nwr_coverage.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    QStringList csvLines = QString::fromLatin1(csv.readAll()).split('\n', Qt::SkipEmptyParts);
    csvLines.removeFirst();

    // The listing's rows per file, in the listing's order; the District's rows follow Maryland's.
    std::map<QString, std::vector<QStringList>> rowsOfFile;
    for (const QString& line : csvLines) {
        const QStringList row = parseCsvRow(line.trimmed());
        ASSERT_EQ(row.size(), 6) << line.toStdString();
        const QString prefix = row[0] == "MP" ? QString("Mr") : row[0].left(1) + row[0].mid(1).toLower();
        rowsOfFile[prefix].push_back(row);
    }
    for (const QStringList& row : rowsOfFile["Dc"])
        rowsOfFile["Md"].push_back(row);
    QStringList expectedNames;
    for (int i = 0; i < kStateCount; ++i)
        expectedNames << GetStateFileName(i);
    expectedNames.sort();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name), expectedNames);

    std::map<QString, QString> keyOfCallsign, callsignOfKey;
    int rowsSeen = 0;
    for (int i = 0; i < kStateCount; ++i) {
        const QString name = GetStateFileName(i);
        SCOPED_TRACE(name.toStdString());
        QFile file(folder + '/' + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
        EXPECT_FALSE(bytes.contains(','));
        EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char c) { return c > 0; }));

        QStringList lines;
        ASSERT_TRUE(ReadStateFile(i, lines));
        const std::vector<QStringList>& rows = rowsOfFile[name.left(2)];
        ASSERT_EQ(lines.size(), static_cast<qsizetype>(rows.size()));
        ASSERT_LE(lines.size(), kStateFileMaxLines);
        std::map<QString, QString> countyOfShortName;
        for (std::size_t n = 0; n < rows.size(); ++n) {
            const QStringList& row = rows[n];
            const QString& line = lines[static_cast<qsizetype>(n)];
            SCOPED_TRACE(line.toStdString());
            ASSERT_EQ(line.size(), 62);
            EXPECT_EQ(line.left(6), row[1]);
            EXPECT_EQ(line.mid(6, 2), "  ");
            EXPECT_EQ(line.at(30), u' ');
            EXPECT_EQ(line.mid(50, 5), "     ");
            const QString county = line.mid(8, 22).trimmed();
            if (row[2].size() <= 22) {
                EXPECT_EQ(county, row[2]);
            }
            EXPECT_EQ(countyOfShortName.emplace(county, row[2]).first->second, row[2]) << "two names alike";

            if (row[4].isEmpty()) {
                EXPECT_EQ(line.mid(31, 19), kNoCoverage);
                EXPECT_EQ(line.mid(55).trimmed(), "");
                continue;
            }
            EXPECT_EQ(line.mid(55, 7), row[5]);
            const QString location = line.mid(31, 19).trimmed();
            const QString state = row[3].section(", ", -1);
            const QString plain = row[3].section(", ", 0, 0) + ' ' + state;
            if (plain.size() <= 19) {
                EXPECT_EQ(location, plain);
            } else {
                EXPECT_TRUE(location.endsWith(' ' + state)) << location.toStdString();
            }
            const QString key = TransmitterKey(line);
            EXPECT_EQ(keyOfCallsign.emplace(row[4], key).first->second, key) << "a transmitter with two keys";
            EXPECT_EQ(callsignOfKey.emplace(key, row[4]).first->second, row[4]) << "two transmitters on one key";
            ++rowsSeen;
        }
    }
    EXPECT_EQ(keyOfCallsign.size(), 1033u);
    EXPECT_EQ(rowsSeen, 6676 - 54);
    SetStatesFolder({});
}

TEST_F(StateFilesTest, TransmitterListFollowsTheFrequencyFilter)
{
    const QStringList lines = {
        stLine("001001", "Autauga", "Montgomery AL", "162.400"),
        stLine("001003", "Baldwin", "Mobile AL", "162.550"),
        stLine("001005", "Barbour", kNoCoverage, ""),
        "",
        stLine("001007", "Bibb", "Montgomery AL", "162.400"),      // the same transmitter again
        stLine("001009", "Blount", "Oneonta AL", "").trimmed(),    // short line, no frequency
        stLine("001011", "Bullock", "Mobile AL", "162.550") + "   trailing text",
    };
    const QString montgomery = stKey("Montgomery AL", "162.400");
    const QString mobile = stKey("Mobile AL", "162.550");
    const QString oneonta = " Oneonta AL" + QString(21, u' ');
    const struct {
        int filter;
        QStringList keys;
    } cases[] = {
        {0, {montgomery, mobile, oneonta}},
        {1, {montgomery}},
        {7, {mobile}},
        {4, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.filter);
        EXPECT_EQ(TransmittersOf(lines, c.filter), c.keys);
    }
}

TEST_F(StateFilesTest, StateFileReading)
{
    writeStateFiles(dir.path(), {{kAlabama, QStringList(501, stLine("001001", "Autauga", "Montgomery AL", "162.400"))},
                                 {kColorado, QStringList(502, "x")}});
    QFile lf(dir.path() + "/Ga_110.st");
    ASSERT_TRUE(lf.open(QIODevice::WriteOnly));
    lf.write("013001  Appling\n013003  Atkinson\n");
    lf.close();
    QFile::remove(dir.path() + "/Ak_101.st");

    QStringList lines;
    EXPECT_TRUE(ReadStateFile(kAlabama, lines));
    EXPECT_EQ(lines.size(), 501);
    EXPECT_TRUE(ReadStateFile(kGeorgia, lines));
    EXPECT_EQ(lines, (QStringList{"013001  Appling", "013003  Atkinson"}));
    EXPECT_FALSE(ReadStateFile(1, lines));            // missing
    EXPECT_FALSE(ReadStateFile(kColorado, lines));    // longer than 501 lines
    EXPECT_FALSE(ReadStateFile(kStateCount, lines));
    EXPECT_TRUE(lines.isEmpty());
}

// Only a regular file (or a link to one) of at most 501 lines is read, and it is never read
// past that bound: a huge file, a pipe or a device in its place would hold start-up.
TEST_F(StateFilesTest, StateFileReadingIsBoundedAndTakesEveryLineEnd)
{
    const auto write = [this](int index, const QByteArray& bytes, qint64 size = 0) {
        QFile f(dir.path() + '/' + GetStateFileName(index));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(bytes), bytes.size());
        if (size > 0) {
            ASSERT_TRUE(f.resize(size));   // a sparse tail of zero bytes
        }
    };
    const QString path = dir.path() + '/' + GetStateFileName(kAlabama);
    QStringList lines;

    write(kAlabama, "001001  Autauga\r001003  Baldwin\r\n001005  Barbour\n\r001007  Bibb\r");
    EXPECT_TRUE(ReadStateFile(kAlabama, lines));
    EXPECT_EQ(lines, (QStringList{"001001  Autauga", "001003  Baldwin", "001005  Barbour", "", "001007  Bibb"}));

    write(kAlabama, QByteArray(501, '\r'));
    EXPECT_TRUE(ReadStateFile(kAlabama, lines));
    write(kAlabama, QByteArray(502, '\r'));
    EXPECT_FALSE(ReadStateFile(kAlabama, lines));
    write(kAlabama, QByteArray(), 64ll << 20);   // 64 MB without a line end
    EXPECT_FALSE(ReadStateFile(kAlabama, lines));

    write(kGeorgia, "013001  Appling\r\n");
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::link(dir.path() + '/' + GetStateFileName(kGeorgia), path));
    EXPECT_TRUE(ReadStateFile(kAlabama, lines));
    EXPECT_EQ(lines, QStringList{"013001  Appling"});

    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::link("/dev/zero", path));
    EXPECT_FALSE(ReadStateFile(kAlabama, lines));
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    EXPECT_FALSE(ReadStateFile(kAlabama, lines));
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkdir(path));
    EXPECT_FALSE(ReadStateFile(kAlabama, lines));
    EXPECT_TRUE(lines.isEmpty());
}

TEST_F(StateFilesTest, CountiesOfATransmitterComeFromEveryStateItCovers)
{
    const QString key = stKey("Columbus GA", "162.400");
    writeStateFiles(dir.path(),
                    {{kAlabama,
                      {stLine("001113", "Russell", "Columbus GA", "162.400"),
                       stLine("001113", "Russell", "Montgomery AL", "162.550")}},
                     {kGeorgia,
                      {stLine("013053", "Chattahoochee", "Columbus GA", "162.400"),
                       stLine("013053", "Chattahoochee", "Columbus GA", "162.400"),
                       stLine("099001", "Nowhere", "Columbus GA", "162.400"),
                       stLine("013215", "Muscogee", "Columbus GA", "162.475")}}});

    const CountiesOfTransmitter got = CountiesFor(key);
    EXPECT_EQ(got.items, (QStringList{"001113  Russell                Alabama", "013053  Chattahoochee          Georgia",
                                      "099001  Nowhere                "}));
    EXPECT_FALSE(got.readFailed);
    EXPECT_FALSE(got.cutAtLimit);

    // A state file that cannot be read ends the scan there; what came before stays.
    QFile::remove(dir.path() + "/Co_106.st");
    const CountiesOfTransmitter cut = CountiesFor(key);
    EXPECT_EQ(cut.items, QStringList{"001113  Russell                Alabama"});
    EXPECT_TRUE(cut.readFailed);
}

TEST_F(StateFilesTest, CountiesOfATransmitterStopAtTheListsSize)
{
    QStringList lines;
    for (int n = 0; n < 120; ++n)
        lines << stLine(QStringLiteral("048%1").arg(n, 3, 10, QChar('0')), "County", "Big AL", "162.400");
    writeStateFiles(dir.path(), {{kAlabama, lines}});
    const CountiesOfTransmitter got = CountiesFor(stKey("Big AL", "162.400"));
    EXPECT_EQ(got.items.size(), kCountyListLimit);
    EXPECT_TRUE(got.cutAtLimit);
    EXPECT_EQ(got.items.last(), "048098  County                 Texas");
}

TEST(StateNames, ByTheFipsStateCode)
{
    const std::pair<QString, QString> cases[] = {
        {"012011  Broward", "Florida"}, {"011001", "District Of Columbia"}, {"069100", "Mariana Islands"},
        {"078010", "US Virgin Islands"}, {"003001", ""}, {"0", ""}, {"", ""},
    };
    for (const auto& [text, name] : cases)
        EXPECT_EQ(GetStateName(text), name) << text.toStdString();
    EXPECT_EQ(StateListText(51), "N Mariana Islands");
    EXPECT_EQ(GetStateFileName(51), "Mr_152.st");
    EXPECT_EQ(GetStateFileName(-1), "");
    EXPECT_EQ(GetStateFileName(54), "");
    EXPECT_EQ(FrequencyListText(0), "All");
    EXPECT_EQ(FrequencyListText(7), "162.550");
}

} // namespace
