// The courtesy tone section against a crafted image: one row a tone, empty tones numbered only.
#include "tests/quillonedit/printing/PrintTestSupport.h"

namespace quillon::testing {
namespace {

TEST_F(ReportTest, CourtesyToneRowsReadHertzDashMilliseconds)
{
    PutBytes(kCourtesyTones, {1, 2, 0, 8, 9, 3, 0, 0});
    PutBytes(kCourtesyTones + 8, {0, 5, 5, 5, 5, 5, 5, 5});     // empty: the number only
    PutBytes(kCourtesyTones + 16, {9, 10, 255, 8, 1, 2, 3, 4});  // codes without a text print empty
    PutBytes(kCourtesyTones + 72, {6, 9, 9, 7, 1, 1, 5, 2});
    ASSERT_EQ(run({17}).outcome, PrintRunResult::Outcome::Dispatched);
    EXPECT_EQ(titles().at(0), "Courtesy Tones");
    const QString dash = QStringLiteral("-");
    const auto row = [&](const QString& n, std::array<QString, 9> t) {
        return Tabs({{8, n}, {15, t[0]}, {21, dash}, {24, t[1]}, {35, t[2]}, {45, t[3]}, {51, dash}, {54, t[4]},
                     {65, t[5]}, {75, t[6]}, {81, dash}, {84, t[7]}});
    };
    QStringList page = lines(0, 0);
    page.removeAll(QString());   // the empty line after every row
    QStringList expected = {
        row(" 1 ", {"500", "100", "0", "1200", "450", "150", "0", "0"}),
        Tabs({{8, " 2 "}}),
        row(" 3 ", {"", "", "", "1200", "50", "100", "700", "200"}),
        Tabs({{8, " 4 "}}), Tabs({{8, " 5 "}}), Tabs({{8, " 6 "}}), Tabs({{8, " 7 "}}), Tabs({{8, " 8 "}}),
        Tabs({{8, " 9 "}}),
        row(" 10 ", {"1000", "450", "450", "1100", "50", "50", "900", "100"}),
    };
    for (QString& line : expected)
        while (line.endsWith(u' '))   // the page keeps no trailing blanks
            line.chop(1);
    const qsizetype first = page.indexOf(expected[0]);
    ASSERT_GE(first, 0) << page.join("\n").toStdString();
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_EQ(page.value(first + i), expected[i]) << i;
}

} // namespace
} // namespace quillon::testing
