#pragma once

#include <QDate>
#include <QList>
#include <QDateTime>
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

// Runs a read with `values` bound in order and maps every row with `fromRow`; empty when the
// statement fails.
template<typename Record, typename FromRow>
QList<Record> selectRecords(const Database *database, const QString &sql, const QVariantList &values, FromRow fromRow)
{
    QSqlQuery query = prepare(database, sql);
    query.setForwardOnly(true);
    for (const QVariant &value : values)
        query.addBindValue(value);
    QList<Record> result;
    if (!query.exec())
        return result;
    while (query.next())
        result.append(fromRow(query));
    return result;
}

// Runs a write with `values` bound in order. Returns the number of rows it changed, or -1 after
// logging "<operation> failed:" with the driver text, so that a caller inside a larger write can
// roll it back instead of mistaking a refused statement for one that had nothing to change.
int executeCounting(const Database *database, const QString &sql, const QVariantList &values, const char *operation);

// Empty text is bound as SQL NULL: foreign keys must hold NULL, never ''.
QVariant textOrNull(const QString &text);

// A null QString binds as SQL NULL; NOT NULL text columns such as a payee get '' instead, so an
// empty payee is stored rather than refused.
QString nonNullText(const QString &text);

// Logs "<Class>::<operation> failed: <driver text>" as a warning.
void logFailure(const char *operation, const QSqlQuery &query);

} // namespace RepositorySupport
