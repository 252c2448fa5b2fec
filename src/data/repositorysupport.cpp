#include "repositorysupport.h"

#include "database.h"
#include "datetext.h"

#include <QDebug>
#include <QMetaType>
#include <QSqlError>

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

namespace RepositorySupport {

QDate storedDate(const QString &text)
{
    if (text.size() == 10) {
        const QDate date = fastDate(text.constData());
        if (date.isValid())
            return date;
    }
    return dateFromText(text);
}

QDateTime storedTimestamp(const QString &text)
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
    return timestampFromText(text);
}

std::optional<QDateTime> storedOptionalTimestamp(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    const QDateTime value = storedTimestamp(text);
    if (!value.isValid())
        return std::nullopt;
    return value;
}

QSqlQuery prepare(const Database *database, const QString &sql)
{
    QSqlQuery query(database->connection());
    query.prepare(sql);
    return query;
}

QVariant textOrNull(const QString &text)
{
    if (text.isEmpty())
        return QVariant(QMetaType::fromType<QString>());
    return text;
}

QString nonNullText(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

void logFailure(const char *operation, const QSqlQuery &query)
{
    qWarning().noquote() << QLatin1String(operation) + QStringLiteral(" failed:") << query.lastError().text();
}

} // namespace RepositorySupport
