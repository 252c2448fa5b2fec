#pragma once

#include <QSqlDatabase>
#include <QString>

// Scoped SQL transaction: everything done on the connection between construction and commit()
// becomes durable at once, and leaving the scope without commit() undoes it all. Built on
// savepoints, so a guard opened while another one is active nests inside it instead of failing:
// an import may wrap calls that guard their own writes.
class SqlTransaction
{
public:
    explicit SqlTransaction(QSqlDatabase connection);
    ~SqlTransaction();

    SqlTransaction(const SqlTransaction &) = delete;
    SqlTransaction &operator=(const SqlTransaction &) = delete;

    // False when the savepoint could not be opened; then commit() fails and nothing is undone.
    bool isActive() const { return m_active; }
    bool commit();
    void rollback();

    QString lastError() const { return m_lastError; }

private:
    bool exec(const QString &statement);

    QSqlDatabase m_connection;
    QString m_name;
    bool m_active = false;
    QString m_lastError;
};
