#include "importpragmas.h"

#include <QSqlQuery>
#include <QVariant>

ImportPragmas::ImportPragmas(const QSqlDatabase &connection, bool journalsInMemory)
    : m_connection(connection)
    , m_journalsInMemory(journalsInMemory)
{
    m_cacheSize = value(QStringLiteral("cache_size"), m_cacheSize);
    set(QStringLiteral("cache_size"), -65536);
    if (m_journalsInMemory) {
        m_tempStore = value(QStringLiteral("temp_store"), m_tempStore);
        set(QStringLiteral("temp_store"), 2); // memory
    }
}

ImportPragmas::~ImportPragmas()
{
    set(QStringLiteral("cache_size"), m_cacheSize);
    if (m_journalsInMemory)
        set(QStringLiteral("temp_store"), m_tempStore);
}

qint64 ImportPragmas::value(const QString &name, qint64 fallback) const
{
    QSqlQuery query(m_connection);
    if (query.exec(QStringLiteral("PRAGMA ") + name) && query.next())
        return query.value(0).toLongLong();
    return fallback;
}

void ImportPragmas::set(const QString &name, qint64 value) const
{
    QSqlQuery query(m_connection);
    query.exec(QStringLiteral("PRAGMA %1 = %2").arg(name).arg(value));
}
