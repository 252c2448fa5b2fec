#pragma once

#include "enums.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <optional>

class Database;

// Shared plumbing of the repositories: statement preparation on the one connection, the binding
// conventions and the one-line failure warning.
namespace RepositorySupport {

// A prepared statement on the database's connection; an unprepared query when that fails, whose
// exec() then fails with the driver's error.
QSqlQuery prepare(const Database *database, const QString &sql);
// The same for an INSERT or UPDATE that runs once a row: prepared once per connection
// (Database::cachedStatement); the reference holds until the next call.
QSqlQuery &prepareWrite(const Database *database, const QString &sql);

void recordFailure(const QSqlQuery &query);

// Runs a read with `values` bound in order and maps every row with `fromRow`; empty when the
// statement fails. A caller that must tell "nothing" from "could not read" passes `ok`: it is then
// cleared on failure, and the failure is kept for lastFailure().
template<typename Record, typename FromRow>
QList<Record> selectRecords(const Database *database, const QString &sql, const QVariantList &values,
                            FromRow fromRow, bool *ok = nullptr)
{
    QSqlQuery query = prepare(database, sql);
    query.setForwardOnly(true);
    for (const QVariant &value : values)
        query.addBindValue(value);
    QList<Record> result;
    const bool read = query.exec();
    if (read) {
        while (query.next())
            result.append(fromRow(query));
    }
    // A statement can also fail while stepping through its rows.
    const bool failed = !read || query.lastError().isValid();
    if (failed) {
        recordFailure(query);
        result.clear();
    }
    if (ok)
        *ok = !failed;
    return result;
}

// Runs a write with `values` bound in order. Returns the number of rows it changed, or -1 after
// logging "<operation> failed:" with the driver text, so that a caller inside a larger write can
// roll it back instead of mistaking a refused statement for one that had nothing to change.
int executeCounting(const Database *database, const QString &sql, const QVariantList &values,
                    const char *operation);

// The sync engine's mark for one pushed row of `table`: synced, with the server's id, but only
// while the row still has the `version` and `updatedAt` that were pushed. A row changed since (an
// edit, a deletion) stays pending, so that the change is pushed by the next cycle instead of
// being taken for the pushed one. `marked` tells which happened. False, after the warning
// "<operation> failed:", when the database failed.
bool markSyncedIfUnchanged(const Database *database, const QString &table, const char *operation,
                           const QString &id, const QString &serverId, int version,
                           const QDateTime &updatedAt, bool *marked);

// Writes the deletion state a pulled row carries (absent = live), as sync bookkeeping: status,
// version and change time stay as they are. False, after the warning, when the database failed.
bool writeDeletedAt(const Database *database, const QString &table, const char *operation, const QString &id,
                    const std::optional<QDateTime> &deletedAt);

// Writes the bookkeeping of a pulled row that came back with its content unchanged (version,
// status, server id, change time), leaving the content and its index entries alone. False, after
// the warning "<operation> failed:", when the database failed.
bool writeBookkeeping(const Database *database, const QString &table, const char *operation,
                      const QString &id, int version, SyncStatus status, const QString &serverId,
                      const QDateTime &updatedAt);

// Empty text is bound as SQL NULL: foreign keys must hold NULL, never ''.
QVariant textOrNull(const QString &text);

// A null QString binds as SQL NULL; NOT NULL text columns such as a payee get '' instead, so an
// empty payee is stored rather than refused.
QString nonNullText(const QString &text);

// Logs "<Class>::<operation> failed: <driver text>" as a warning, and keeps the error for
// lastFailure().
void logFailure(const char *operation, const QSqlQuery &query);

// The error of the last statement a repository reported as failed (GUI thread only), so that a
// caller holding only a repository's false can tell a row's own fault from the storage's
// (StorageError::isStorageError).
QSqlError lastFailure();
// How many statements have failed so far: a caller notes it before a step and compares after, to
// learn whether anything inside the step failed, reads included.
quint64 failureCount();

} // namespace RepositorySupport
