#include "datetext.h"

namespace {

// The value of `count` ASCII digits at `from`, or -1 when one of them is not a digit.
int digits(const QChar *text, int from, int count)
{
    int value = 0;
    for (int i = from; i < from + count; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

// The one form this program writes, read without the general ISO parser: registers and reports
// read hundreds of thousands of these. Anything else falls through to the general reader, so the
// results are the same.
QDate fastDate(const QChar *text)
{
    if (text[4] != u'-' || text[7] != u'-')
        return {};
    const int year = digits(text, 0, 4);
    const int month = digits(text, 5, 2);
    const int day = digits(text, 8, 2);
    if (year < 0 || month < 0 || day < 0)
        return {};
    return QDate(year, month, day);
}

// Writes `value` as `count` digits at `out`.
void putDigits(char16_t *out, int value, int count)
{
    for (int i = count - 1; i >= 0; --i) {
        out[i] = char16_t(u'0' + value % 10);
        value /= 10;
    }
}

// The written form of a date in years 1 to 9999 (all that four digits hold), without the general
// formatter: exports and the command line write hundreds of thousands of these. Other years are
// left to the general writer.
bool putDate(char16_t *out, const QDate &date)
{
    int year = 0;
    int month = 0;
    int day = 0;
    date.getDate(&year, &month, &day);
    if (year < 1 || year > 9999)
        return false;
    putDigits(out, year, 4);
    out[4] = u'-';
    putDigits(out + 5, month, 2);
    out[7] = u'-';
    putDigits(out + 8, day, 2);
    return true;
}

} // namespace

QString dateToText(const QDate &date)
{
    if (!date.isValid())
        return {};
    QString text(10, Qt::Uninitialized);
    if (putDate(reinterpret_cast<char16_t *>(text.data()), date))
        return text;
    return date.toString(Qt::ISODate);
}

QDate dateFromText(const QString &text)
{
    if (text.size() == 10) {
        const QDate date = fastDate(text.constData());
        if (date.isValid())
            return date;
    }
    return QDate::fromString(text, Qt::ISODate);
}

QString timestampToText(const QDateTime &timestamp)
{
    if (!timestamp.isValid())
        return {};
    QDateTime utc = timestamp.timeSpec() == Qt::UTC ? timestamp : timestamp.toUTC();
    const QTime time = utc.time();
    QString text(20, Qt::Uninitialized);
    auto *out = reinterpret_cast<char16_t *>(text.data());
    if (putDate(out, utc.date())) {
        out[10] = u'T';
        putDigits(out + 11, time.hour(), 2);
        out[13] = u':';
        putDigits(out + 14, time.minute(), 2);
        out[16] = u':';
        putDigits(out + 17, time.second(), 2);
        out[19] = u'Z';
        return text;
    }
    utc.setTime(QTime(time.hour(), time.minute(), time.second()));
    return utc.toString(Qt::ISODate);
}

QDateTime timestampFromText(const QString &text)
{
    if (text.size() == 20 && text.at(10) == u'T' && text.at(13) == u':' && text.at(16) == u':' &&
        text.at(19) == u'Z') {
        const QChar *data = text.constData();
        const QDate date = fastDate(data);
        const int hour = digits(data, 11, 2);
        const int minute = digits(data, 14, 2);
        const int second = digits(data, 17, 2);
        // Hour 24 and leap seconds are left to the general reader.
        if (date.isValid() && hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 &&
            second < 60)
            return QDateTime(date, QTime(hour, minute, second), Qt::UTC);
    }
    return QDateTime::fromString(text, Qt::ISODate);
}

std::optional<QDateTime> optionalTimestampFromText(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    const QDateTime value = timestampFromText(text);
    if (!value.isValid())
        return std::nullopt;
    return value;
}

QDateTime currentTimestamp()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    return QDateTime(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()), Qt::UTC);
}
