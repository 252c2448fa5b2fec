#include "repositorysupport.h"

#include "database.h"
#include "datetext.h"

#include <QDebug>
#include <QMetaType>
#include <QSqlError>

namespace RepositorySupport {

QSqlQuery prepare(const Database *database, const QString &sql)
{
    QSqlQuery query(database->connection());
    query.prepare(sql);
    return query;
}

int executeCounting(const Database *database, const QString &sql, const QVariantList &values, const char *operation)
{
    QSqlQuery query = prepare(database, sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec()) {
        logFailure(operation, query);
        return -1;
    }
    return query.numRowsAffected();
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
