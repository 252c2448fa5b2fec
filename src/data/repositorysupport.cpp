#include "repositorysupport.h"

#include "database.h"
#include "datetext.h"

#include <QDebug>
#include <QMetaType>
#include <QSqlError>

namespace RepositorySupport {

namespace {

QSqlError lastError;
quint64 failures = 0;

} // namespace

QSqlQuery prepare(const Database *database, const QString &sql)
{
    QSqlQuery query(database->connection());
    query.prepare(sql);
    return query;
}

QSqlQuery &prepareWrite(const Database *database, const QString &sql)
{
    return database->cachedStatement(sql);
}

int executeCounting(const Database *database, const QString &sql, const QVariantList &values,
                    const char *operation)
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

bool markSyncedIfUnchanged(const Database *database, const QString &table, const char *operation,
                           const QString &id, const QString &serverId, int version,
                           const QDateTime &updatedAt, bool *marked)
{
    *marked = false;
    // Compared as read, not as text: a row stored by an older version may spell its time
    // differently from how this one writes it.
    QSqlQuery read =
        prepare(database, QStringLiteral("SELECT version, updated_at FROM %1 WHERE id = ?").arg(table));
    read.addBindValue(id);
    if (!read.exec()) {
        logFailure(operation, read);
        return false;
    }
    const bool found = read.next();
    if (read.lastError().isValid()) {
        logFailure(operation, read);
        return false;
    }
    if (!found || read.value(0).toInt() != version ||
        timestampFromText(read.value(1).toString()) != updatedAt)
        return true;
    read.finish();
    QSqlQuery mark = prepare(
        database,
        QStringLiteral("UPDATE %1 SET sync_status = 'synced', server_id = ? WHERE id = ? AND version = ?")
            .arg(table));
    mark.addBindValue(serverId);
    mark.addBindValue(id);
    mark.addBindValue(version);
    if (!mark.exec()) {
        logFailure(operation, mark);
        return false;
    }
    *marked = mark.numRowsAffected() > 0;
    return true;
}

bool writeDeletedAt(const Database *database, const QString &table, const char *operation, const QString &id,
                    const std::optional<QDateTime> &deletedAt)
{
    QSqlQuery query =
        prepare(database, QStringLiteral("UPDATE %1 SET deleted_at = ? WHERE id = ?").arg(table));
    query.addBindValue(deletedAt ? QVariant(timestampToText(*deletedAt))
                                 : QVariant(QMetaType::fromType<QString>()));
    query.addBindValue(id);
    if (!query.exec()) {
        logFailure(operation, query);
        return false;
    }
    return true;
}

bool writeBookkeeping(const Database *database, const QString &table, const char *operation,
                      const QString &id, int version, SyncStatus status, const QString &serverId,
                      const QDateTime &updatedAt)
{
    QSqlQuery &query = prepareWrite(
        database, QStringLiteral("UPDATE %1 SET version = ?, sync_status = ?, server_id = ?, updated_at = ? "
                                 "WHERE id = ?")
                      .arg(table));
    query.addBindValue(version);
    query.addBindValue(syncStatusToString(status));
    query.addBindValue(serverId);
    query.addBindValue(timestampToText(updatedAt));
    query.addBindValue(id);
    if (!query.exec()) {
        logFailure(operation, query);
        return false;
    }
    return true;
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

void recordFailure(const QSqlQuery &query)
{
    lastError = query.lastError();
    ++failures;
}

QSqlError lastFailure()
{
    return lastError;
}

quint64 failureCount()
{
    return failures;
}

void logFailure(const char *operation, const QSqlQuery &query)
{
    recordFailure(query);
    qWarning().noquote() << QLatin1String(operation) + QStringLiteral(" failed:") << query.lastError().text();
}

} // namespace RepositorySupport
