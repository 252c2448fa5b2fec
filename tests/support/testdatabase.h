#pragma once

#include "data/database.h"

#include <QSqlQuery>
#include <QTemporaryDir>

#include <memory>

// A freshly migrated database in its own temporary directory, for the tests of the repositories
// themselves; rows come from the record builders (support/recordbuilders.h).
class TestDatabase
{
public:
    TestDatabase()
    {
        if (m_dir.isValid() && m_database.open(m_dir.filePath(QStringLiteral("zimbrel.db"))))
            m_ready = m_database.runMigrations();
    }

    bool isReady() const { return m_ready; }
    Database *database() { return &m_database; }
    QString path() const { return m_dir.filePath(QStringLiteral("zimbrel.db")); }

    // Runs one statement directly, for arranging rows the repositories would refuse to write.
    bool exec(const QString &sql)
    {
        QSqlQuery query(m_database.connection());
        return query.exec(sql);
    }

    QVariant scalar(const QString &sql)
    {
        QSqlQuery query(m_database.connection());
        if (!query.exec(sql) || !query.next())
            return {};
        return query.value(0);
    }

    // Marks a stored row synced as an accepted push of it as it is now would; false unless it was.
    template<typename Repository>
    static bool markStoredSynced(Repository *repository, const QString &id, const QString &serverId)
    {
        const auto stored = repository->findById(id);
        bool marked = false;
        return stored && repository->markSynced(id, serverId, stored->version, stored->updatedAt, &marked) &&
               marked;
    }

private:
    QTemporaryDir m_dir;
    Database m_database;
    bool m_ready = false;
};
