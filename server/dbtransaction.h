#pragma once

class CloudDatabase;

// Scoped write transaction on the service database: rolled back unless commit() succeeded.
class DbTransaction
{
public:
    explicit DbTransaction(CloudDatabase *database);
    ~DbTransaction();

    DbTransaction(const DbTransaction &) = delete;
    DbTransaction &operator=(const DbTransaction &) = delete;

    bool isActive() const { return m_active; }
    bool commit();

private:
    CloudDatabase *m_database;
    bool m_active = false;
};
