#pragma once

#include <QSqlDatabase>
#include <QStringList>

struct sqlite3;

// Records every statement SQLite runs on a connection, with its bound values filled in, so that a
// benchmark can replay exactly the same statements with the bare C interface as its floor.
class StatementRecorder
{
public:
    explicit StatementRecorder(const QSqlDatabase &database);
    ~StatementRecorder();

    QStringList statements() const { return m_statements; }

    // Run each statement to its end, reading every column of every row, through the toolkit's SQL
    // module or through SQLite's C interface; return the row count, or -1 when a statement fails.
    static qint64 replay(const QSqlDatabase &database, const QStringList &statements);
    static qint64 replayThroughC(const QSqlDatabase &database, const QStringList &statements);
    static sqlite3 *handle(const QSqlDatabase &database);

private:
    static int trace(unsigned type, void *context, void *statement, void *sql);

    sqlite3 *m_handle = nullptr;
    QStringList m_statements;
};
