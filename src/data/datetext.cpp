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

} // namespace

QString dateToText(const QDate &date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
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
    QDateTime utc = timestamp.toUTC();
    utc.setTime(QTime(utc.time().hour(), utc.time().minute(), utc.time().second()));
    return utc.toString(Qt::ISODate);
}

QDateTime timestampFromText(const QString &text)
{
    if (text.size() == 20 && text.at(10) == u'T' && text.at(13) == u':' && text.at(16) == u':' && text.at(19) == u'Z') {
        const QChar *data = text.constData();
        const QDate date = fastDate(data);
        const int hour = digits(data, 11, 2);
        const int minute = digits(data, 14, 2);
        const int second = digits(data, 17, 2);
        // Hour 24 and leap seconds are left to the general reader.
        if (date.isValid() && hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60)
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
