#pragma once

#include <QSqlDatabase>
#include <QString>

// Scoped SQL transaction: everything done on the connection between construction and commit()
// becomes durable at once, and leaving the scope without commit() undoes it all. A guard opened
// while another one is active nests inside it as a savepoint instead of failing: an import may wrap
// calls that guard their own writes. The outermost guard takes the write lock at once (BEGIN
// IMMEDIATE), waiting out another writer for the busy time-out: a transaction that read first and
// wrote later could not wait, and would fail as soon as another process had written meanwhile.
class SqlTransaction
{
public:
    explicit SqlTransaction(QSqlDatabase connection);
    ~SqlTransaction();

    SqlTransaction(const SqlTransaction &) = delete;
    SqlTransaction &operator=(const SqlTransaction &) = delete;

    // False when the transaction could not be opened (the reason is in lastError()); then commit()
    // fails and nothing is undone.
    bool isActive() const { return m_active; }
    // False once SQLite has rolled the transaction back by itself (it does on a full disk, an I/O
    // error, no memory): what is written after that would be committed row by row, so the caller
    // must stop.
    bool isIntact() const;
    bool commit();
    void rollback();

    QString lastError() const { return m_lastError; }

private:
    bool exec(const QString &statement);

    QSqlDatabase m_connection;
    QString m_name;
    bool m_outermost = false;
    bool m_active = false;
    QString m_lastError;
};
