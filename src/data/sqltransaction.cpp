#include "sqltransaction.h"

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
    m_active = exec(QStringLiteral("SAVEPOINT ") + m_name);
}

SqlTransaction::~SqlTransaction()
{
    rollback();
}

bool SqlTransaction::commit()
{
    if (!m_active)
        return false;
    if (!exec(QStringLiteral("RELEASE SAVEPOINT ") + m_name))
        return false;
    m_active = false;
    return true;
}

void SqlTransaction::rollback()
{
    if (!m_active)
        return;
    // ROLLBACK TO keeps the savepoint open; RELEASE closes it (and the transaction, when outermost).
    exec(QStringLiteral("ROLLBACK TO SAVEPOINT ") + m_name);
    exec(QStringLiteral("RELEASE SAVEPOINT ") + m_name);
    m_active = false;
}

bool SqlTransaction::exec(const QString &statement)
{
    QSqlQuery query(m_connection);
    if (query.exec(statement))
        return true;
    m_lastError = query.lastError().text();
    return false;
}
