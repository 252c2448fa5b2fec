#include "sqltransaction.h"

#include "storageerror.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

// Savepoint names only need to be unique among the guards open at one time.
int nextSavepointNumber = 0;

} // namespace

SqlTransaction::SqlTransaction(QSqlDatabase connection)
    : m_connection(connection)
    , m_name(QStringLiteral("zimbrel_guard_%1").arg(++nextSavepointNumber))
{
    m_outermost = !StorageError::isInTransaction(m_connection);
    m_active = exec(m_outermost ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("SAVEPOINT ") + m_name);
}

bool SqlTransaction::isIntact() const
{
    return m_active && StorageError::isInTransaction(m_connection);
}

SqlTransaction::~SqlTransaction()
{
    rollback();
}

bool SqlTransaction::commit()
{
    if (!m_active)
        return false;
    if (!isIntact()) {
        m_lastError = QStringLiteral("the database rolled the transaction back after an earlier error");
        m_active = false;
        return false;
    }
    if (!exec(m_outermost ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE SAVEPOINT ") + m_name))
        return false;
    m_active = false;
    return true;
}

void SqlTransaction::rollback()
{
    if (!m_active)
        return;
    m_active = false;
    if (m_outermost) {
        // Nothing to undo when SQLite has already rolled back by itself.
        if (StorageError::isInTransaction(m_connection))
            exec(QStringLiteral("ROLLBACK"));
        return;
    }
    // ROLLBACK TO keeps the savepoint open; RELEASE closes it.
    exec(QStringLiteral("ROLLBACK TO SAVEPOINT ") + m_name);
    exec(QStringLiteral("RELEASE SAVEPOINT ") + m_name);
}

bool SqlTransaction::exec(const QString &statement)
{
    QSqlQuery query(m_connection);
    if (query.exec(statement))
        return true;
    m_lastError = query.lastError().text();
    return false;
}
