#include "dbtransaction.h"

#include "clouddatabase.h"

DbTransaction::DbTransaction(CloudDatabase *database)
    : m_database(database)
    , m_active(database->begin())
{}

DbTransaction::~DbTransaction()
{
    if (m_active)
        m_database->rollback();
}

bool DbTransaction::commit()
{
    if (!m_active)
        return false;
    m_active = false;
    if (m_database->commit())
        return true;
    m_database->rollback();
    return false;
}
