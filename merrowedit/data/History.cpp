#include "merrowedit/data/History.h"

#include "merrowedit/data/EventTable.h"
#include "merrowedit/data/Settings.h"
#include "platform/Services.h"
#include "platform/WholeFile.h"

#include <QLocale>

namespace merrow {

namespace {

const char* const kMonths[12] = {"January", "February", "March",     "April",   "May",      "June",
                                 "July",    "August",   "September", "October", "November", "December"};

// Leading decimal digits of a field (blanks before them skipped), 0 when there are none.
int leadingNumber(const QString& field)
{
    int value = 0;
    int i = 0;
    while (i < field.size() && field[i] == u' ')
        ++i;
    for (; i < field.size() && field[i].isDigit(); ++i)
        value = value * 10 + field[i].digitValue();
    return value;
}

QDateTime now()
{
    platform::Clock* clock = platform::services().clock;
    return clock ? clock->now() : QDateTime::currentDateTime();
}

} // namespace

void resetHistory()
{
    DownloadBuffer.fill(0);
    HistoryEntries.fill(HistoryEntry{});
    HistoryDayShift = 0;
}

QString ConvertHistoryHour(int offset)
{
    const QChar hi = QChar(DownloadBuffer[offset]);
    const QChar lo = QChar(DownloadBuffer[offset + 1]);
    if (!hi.isDigit() || !lo.isDigit())
        return {};
    int h = hi.digitValue() * 10 + lo.digitValue();
    if (h > 23)
        return {};
    if (DaylightSavings && DstInEffect)
        h += 1;
    if (TimeZoneOffset <= -4 && TimeZoneOffset >= -11) {
        const int k = -TimeZoneOffset;
        if (h < k) {
            h = h + 24 - k;
            HistoryDayShift -= 1;
        } else {
            h -= k;
        }
    } else if (h > 23) {
        // No zone to convert to: the hour stays UTC, but daylight saving must not make it "24".
        h -= 24;
        HistoryDayShift += 1;
    }
    return QString::number(h);
}

QDate HistoryYearStart(int dayOfYear, const QDateTime& now)
{
    // The receiver counts days in UTC, so today is taken in UTC too: by the local date, an
    // alert of a US evening (already tomorrow in UTC) would lie in the future and go to last year.
    // One day of slack allows for a clock kept in local time instead of UTC, on either side.
    const QDate today = now.toUTC().date();
    const int year = dayOfYear > today.dayOfYear() + 1 ? today.year() - 1 : today.year();
    return QDate(year, 1, 1);
}

QString HistoryDateText(const QDate& date, bool fullMonth)
{
    const QString month = QString::fromLatin1(kMonths[date.month() - 1]);
    return QString::number(date.day()) + u'-' + (fullMonth ? month : month.left(3));
}

void DecodeHistory()
{
    const QDateTime decoded = now();
    for (int n = 0; n < kHistoryRecordCount; ++n) {
        const int p = kHistoryRecordSize * n;
        HistoryEntry& e = HistoryEntries[n];
        e = HistoryEntry{};
        if (DownloadBuffer[p] == 0)
            continue;
        const int day = leadingNumber(DownloadText(p, 3));
        HistoryDayShift = day - 1;
        QString t = ConvertHistoryHour(p + 4) + DownloadText(p + 6, 3);
        if (t.size() == 5 && t[2] == u':')
            e.Time = t;
        else if (t.size() == 4 && t[1] == u':')
            e.Time = u'0' + t;
        e.Date = HistoryDateText(HistoryYearStart(day, decoded).addDays(HistoryDayShift), true);
        const QString org = DownloadText(p + 10, 3);
        if (org[0] >= u'A' && org[0] <= u'Z')
            e.Org = org;
        e.EventName = EventCodeName(DownloadText(p + 14, 3));
        e.EventClass = EventClass;
        e.Length = DownloadText(p + 18, 2) + u':' + DownloadText(p + 20, 2);
    }
}

QString FormatHistoryLine(int index)
{
    const HistoryEntry& e = HistoryEntries.at(index);
    QString line;
    if (index + 1 < 10)
        line += u' ';
    line += QString::number(index + 1) + QStringLiteral(":   ");
    line += e.Date + u'\t' + e.Time + u'\t' + e.Length + u'\t' + e.EventName;
    return line;
}

bool CheckTxtExtension(const QString& fileName)
{
    if (fileName.right(4) == QLatin1String(".TXT"))
        return true;
    platform::msgBox(QStringLiteral("Error, Filename must contain the extension .TXT."), platform::MsgButtons::OK,
                     platform::MsgIcon::Critical, QStringLiteral("File Save Error"));
    return false;
}

QByteArray HistoryTextContents(const QDate& todayDate)
{
    QStringList lines;
    lines << QString() << QStringLiteral("Merrow Weather Receiver with SAME")
          << QStringLiteral("File Save Date: ") + QLocale().toString(todayDate, QLocale::ShortFormat) << QString()
          << QStringLiteral("Num   Date\tTime\tLength\tEvent") << QString();
    for (int i = 0; i < kHistoryRecordCount; ++i)
        lines << FormatHistoryLine(i);
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text.toLatin1();
}

bool SaveHistoryText(const QString& fileName, QString* error)
{
    const platform::WriteResult written = platform::WriteWholeFile(fileName, HistoryTextContents(now().date()));
    if (!written && error)
        *error = written.error;
    return written.ok;
}

QString DownloadText(int from, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QChar(DownloadBuffer[from + i]);
    return text;
}

} // namespace merrow
