#include "statementrecorder.h"

#include <QDebug>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <sqlite3.h>

StatementRecorder::StatementRecorder(const QSqlDatabase &database)
    : m_handle(handle(database))
{
    if (m_handle)
        sqlite3_trace_v2(m_handle, SQLITE_TRACE_STMT, &StatementRecorder::trace, this);
}

StatementRecorder::~StatementRecorder()
{
    if (m_handle)
        sqlite3_trace_v2(m_handle, 0, nullptr, nullptr);
}

sqlite3 *StatementRecorder::handle(const QSqlDatabase &database)
{
    const QVariant value = database.driver()->handle();
    if (!value.isValid() || qstrcmp(value.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(value.data());
}

int StatementRecorder::trace(unsigned type, void *context, void *statement, void *)
{
    if (type != SQLITE_TRACE_STMT)
        return 0;
    auto recorder = static_cast<StatementRecorder *>(context);
    char *expanded = sqlite3_expanded_sql(static_cast<sqlite3_stmt *>(statement));
    // Statements run from inside another (triggers, virtual tables) are traced as "-- " comments;
    // they are replayed as part of their outer statement.
    if (expanded && qstrncmp(expanded, "--", 2) != 0) {
        recorder->m_statements.append(QString::fromUtf8(expanded));
        sqlite3_free(expanded);
    }
    return 0;
}

qint64 StatementRecorder::replay(const QSqlDatabase &database, const QStringList &statements)
{
    qint64 rows = 0;
    volatile qint64 sink = 0;
    for (const QString &sql : statements) {
        QSqlQuery query(database);
        query.setForwardOnly(true);
        if (!query.exec(sql)) {
            qWarning().noquote() << "replay failed:" << sql.left(300) << query.lastError().text();
            return -1;
        }
        const int columns = query.record().count();
        while (query.next()) {
            ++rows;
            for (int c = 0; c < columns; ++c)
                sink = sink + query.value(c).typeId();
        }
    }
    return rows;
}

qint64 StatementRecorder::replayThroughC(const QSqlDatabase &database, const QStringList &statements)
{
    sqlite3 *db = handle(database);
    if (!db)
        return -1;
    qint64 rows = 0;
    volatile qint64 sink = 0;
    for (const QString &sql : statements) {
        const QByteArray text = sql.toUtf8();
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v2(db, text.constData(), int(text.size()), &statement, nullptr) != SQLITE_OK)
            return -1;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            ++rows;
            const int columns = sqlite3_column_count(statement);
            for (int c = 0; c < columns; ++c) {
                if (sqlite3_column_type(statement, c) == SQLITE_INTEGER)
                    sink = sink + sqlite3_column_int64(statement, c);
                else
                    sink = sink + sqlite3_column_bytes(statement, c);
            }
        }
        sqlite3_finalize(statement);
    }
    return rows;
}
