// Decoding of the receiver's history records, the hour conversion and the history text file.
#include "merrowedit/data/History.h"
#include "merrowedit/data/Settings.h"
#include "platform/testing/ScriptedServices.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

using namespace merrow;

namespace {

void putRecord(int n, const char* text)
{
    QByteArray r(text);
    r.append(QByteArray(32 - r.size(), ' '));
    for (int i = 0; i < 32; ++i)
        DownloadBuffer[32 * n + i] = static_cast<std::uint8_t>(r[i]);
}

class History : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetHistory();
        resetSettings();
        TimeZoneOffset = -5;
        DaylightSavings = true;
        DstInEffect = false;
        setToday(QDate(2026, 12, 9));
    }
    void setToday(const QDate& d) { s.clock.wallStart = QDateTime(d, QTime(10, 0)).addMSecs(-s.clock.ms); }
    platform::doubles::ScriptedServices s;
};

struct HourCase {
    int zone;
    bool dst;
    const char* utc;
    const char* local;
    int dayShift;
};

TEST_F(History, ConvertHistoryHourByZoneAndDaylightSaving)
{
    const HourCase cases[] = {
        {-5, true, "03", "23", -1},   // daylight saving in force: 03 UTC is 23 of the day before
        {-5, false, "03", "22", -1},
        {-5, false, "05", "0", 0},
        {-5, false, "14", "9", 0},
        {-4, false, "23", "19", 0},
        {-11, false, "10", "23", -1}, // the last zone converts like the others
        {-11, false, "11", "0", 0},
        {-8, true, "23", "16", 0},
        {0, false, "14", "14", 0},    // a zone outside the list leaves the hour in UTC
        {-12, false, "03", "3", 0},
        {-3, true, "23", "0", 1},     // daylight saving on UTC 23 is midnight of the next day
    };
    for (const HourCase& c : cases) {
        SCOPED_TRACE(std::string(c.utc) + " zone " + std::to_string(c.zone) + (c.dst ? " dst" : ""));
        TimeZoneOffset = static_cast<std::int16_t>(c.zone);
        DaylightSavings = c.dst;
        DstInEffect = c.dst;
        DownloadBuffer[4] = static_cast<std::uint8_t>(c.utc[0]);
        DownloadBuffer[5] = static_cast<std::uint8_t>(c.utc[1]);
        HistoryDayShift = 10;
        EXPECT_EQ(ConvertHistoryHour(4), c.local);
        EXPECT_EQ(HistoryDayShift, 10 + c.dayShift);
    }
}

TEST_F(History, DaylightSavingCountsOnlyWhenChosenAndInForce)
{
    DownloadBuffer[4] = '1';
    DownloadBuffer[5] = '2';
    DaylightSavings = true;
    DstInEffect = false;
    EXPECT_EQ(ConvertHistoryHour(4), "7");
    DaylightSavings = false;
    DstInEffect = true;
    EXPECT_EQ(ConvertHistoryHour(4), "7");
}

TEST_F(History, AnHourThatIsNoHourGivesNoTimeAndNeverShowsAs24)
{
    for (const char* bad : {"24", "99", "ab", " 7"}) {
        SCOPED_TRACE(bad);
        DaylightSavings = DstInEffect = true;
        DownloadBuffer[4] = static_cast<std::uint8_t>(bad[0]);
        DownloadBuffer[5] = static_cast<std::uint8_t>(bad[1]);
        EXPECT_EQ(ConvertHistoryHour(4), "");
    }
    putRecord(0, "100 29:15 WXR TOR 0100");
    DecodeHistory();
    EXPECT_EQ(HistoryEntries[0].Time, "");
    EXPECT_EQ(HistoryEntries[0].Date, "10-April");
}

TEST_F(History, DecodeHistoryExamples)
{
    DstInEffect = true;   // with DaylightSavings on: one hour later
    putRecord(0, "001 03:07 WXR TOR 0030");   // passes midnight backwards into last year
    putRecord(1, "065 12:05 CIV SVA 0145");
    putRecord(2, "366 20:00 1AB XYZ 0200");   // day 366 of a leap year; originator no code
    putRecord(4, "200 09:59 wxr RMT 0015");   // record 3 stays empty
    DecodeHistory();

    const HistoryEntry& a = HistoryEntries[0];
    EXPECT_EQ(a.Date, "31-December");
    EXPECT_EQ(a.Time, "23:07");
    EXPECT_EQ(a.Length, "00:30");
    EXPECT_EQ(a.Org, "WXR");
    EXPECT_EQ(a.EventName, "Tornado Warning");
    EXPECT_EQ(a.EventClass, 1);

    const HistoryEntry& b = HistoryEntries[1];
    EXPECT_EQ(b.Date, "6-March");
    EXPECT_EQ(b.Time, "08:05");   // a converted hour below 10 keeps its leading zero
    EXPECT_EQ(b.Length, "01:45");
    EXPECT_EQ(b.EventName, "Severe Thunderstorm Watch");
    EXPECT_EQ(b.EventClass, 2);

    const HistoryEntry& c = HistoryEntries[2];
    EXPECT_EQ(c.Org, "");
    EXPECT_EQ(c.EventName, "Unknown Event Code");
    EXPECT_EQ(c.EventClass, 0);
    EXPECT_EQ(c.Time, "16:00");

    EXPECT_TRUE(HistoryEntries[3].Date.isEmpty());
    EXPECT_TRUE(HistoryEntries[3].EventName.isEmpty());
    EXPECT_EQ(HistoryEntries[4].Org, "");
    EXPECT_EQ(HistoryEntries[4].Time, "05:59");
    EXPECT_EQ(HistoryEntries[4].Date, "19-July");
    for (int n = 5; n < 40; ++n)
        EXPECT_TRUE(HistoryEntries[n].Date.isEmpty()) << n;
}

TEST_F(History, ADayLaterThanTodayBelongsToLastYear)
{
    // 10 January 2025: day 366 can only be 31 December 2024 (a leap year). Taken as this year it
    // would be 1 January 2026.
    setToday(QDate(2025, 1, 10));
    putRecord(0, "366 15:00 WXR TOR 0030");
    putRecord(1, "060 15:00 WXR TOR 0030");   // 29 February 2024, not 1 March 2025
    putRecord(2, "010 15:00 WXR TOR 0030");   // today: this year
    DecodeHistory();
    EXPECT_EQ(HistoryEntries[0].Date, "31-December");
    EXPECT_EQ(HistoryEntries[1].Date, "29-February");
    EXPECT_EQ(HistoryEntries[2].Date, "10-January");
}

TEST_F(History, EveningAlertsAreDatedByTheUtcDay)
{
    // The record's day is a UTC day: on a US evening it is already tomorrow's. Clocks carry their
    // offset, so the machine's own time zone plays no part.
    struct Case {
        QDateTime now;
        bool dstInForce;
        const char* record;
        const char* date;
        const char* time;
    };
    const QTimeZone edt(-4 * 3600);   // zone -5 with daylight saving in force
    const QTimeZone est(-5 * 3600);
    const Case cases[] = {
        {QDateTime(QDate(2025, 6, 15), QTime(21, 45), edt), true, "167 01:30 WXR TOR 0030", "15-June", "21:30"},
        {QDateTime(QDate(2024, 6, 15), QTime(21, 45), edt), true, "168 01:30 WXR TOR 0030", "15-June", "21:30"},
        // Read on 5 January, day 060 is 29 February of last year, not 1 March of this one.
        {QDateTime(QDate(2025, 1, 5), QTime(21, 45), est), false, "060 15:00 WXR TOR 0030", "29-February", "10:00"},
        // One day ahead of today's UTC day is still this year (a receiver clock kept in local
        // time); by the local day, 15 June, it would be two ahead and go to last year.
        {QDateTime(QDate(2025, 6, 15), QTime(21, 45), edt), true, "168 01:30 WXR TOR 0030", "16-June", "21:30"},
        // East of UTC the local day runs ahead: on the morning of 16 June at +10:00 the UTC day
        // is 166, so day 168 is two days ahead and from last year (15 June 2024, a leap year).
        {QDateTime(QDate(2025, 6, 16), QTime(8, 0), QTimeZone(10 * 3600)), false, "168 01:30 WXR TOR 0030",
         "15-June", "20:30"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.now.toString(Qt::ISODate).toStdString() + " " + c.record);
        s.clock.wallStart = c.now.addMSecs(-s.clock.ms);
        DstInEffect = c.dstInForce;
        putRecord(0, c.record);
        DecodeHistory();
        EXPECT_EQ(HistoryEntries[0].Date, c.date);
        EXPECT_EQ(HistoryEntries[0].Time, c.time);
    }
}

TEST_F(History, TextFileLayout)
{
    putRecord(0, "065 14:32 WXR TOR 0045");
    putRecord(9, "066 15:00 WXR FFA 0100");
    DecodeHistory();
    QLocale::setDefault(QLocale::c());
    const QByteArray file = HistoryTextContents(QDate(2026, 12, 9));
    QByteArray expected = "\r\nMerrow Weather Receiver with SAME\r\nFile Save Date: 9 Dec 2026\r\n\r\n"
                          "Num   Date\tTime\tLength\tEvent\r\n\r\n";
    expected += " 1:   6-March\t09:32\t00:45\tTornado Warning\r\n";
    for (int i = 2; i <= 9; ++i)
        expected += " " + QByteArray::number(i) + ":   \t\t\t\r\n";
    expected += "10:   7-March\t10:00\t01:00\tFlash Flood Watch\r\n";
    for (int i = 11; i <= 40; ++i)
        expected += QByteArray::number(i) + ":   \t\t\t\r\n";
    EXPECT_EQ(file, expected);
    QLocale::setDefault(QLocale::system());
}

TEST_F(History, CheckTxtExtensionTakesOnlyUpperCaseTxt)
{
    EXPECT_TRUE(CheckTxtExtension("/tmp/alerts.TXT"));
    EXPECT_TRUE(s.messageBox.shown.empty());
    for (const char* bad : {"/tmp/alerts.txt", "/tmp/alerts.Txt", "/tmp/alerts", "/tmp/alerts.TXT.bak"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(CheckTxtExtension(bad));
    }
    ASSERT_EQ(s.messageBox.shown.size(), 4u);
    EXPECT_EQ(s.messageBox.shown[0].text, "Error, Filename must contain the extension .TXT.");
    EXPECT_EQ(s.messageBox.shown[0].title, "File Save Error");
    EXPECT_EQ(s.messageBox.shown[0].icon, platform::MsgIcon::Critical);
}

TEST_F(History, SaveHistoryTextWritesTheWholeFileOrReportsFailure)
{
    QTemporaryDir dir;
    putRecord(0, "065 14:32 WXR TOR 0045");
    DecodeHistory();
    const QString name = dir.filePath("H.TXT");
    ASSERT_TRUE(SaveHistoryText(name));
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), HistoryTextContents(s.clock.now().date()));

    // A folder in the file's place: nothing written, the reason given.
    ASSERT_TRUE(QDir(dir.path()).mkdir("X.TXT"));
    QString error;
    EXPECT_FALSE(SaveHistoryText(dir.filePath("X.TXT"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(SaveHistoryText(dir.filePath("missing/Y.TXT")));
}

} // namespace
