#include "datetext.h"

QString dateToText(const QDate &date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

QDate dateFromText(const QString &text)
{
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
