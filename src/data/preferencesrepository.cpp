#include "preferencesrepository.h"

#include "database.h"
#include "repositorysupport.h"

#include <QSqlQuery>

using namespace RepositorySupport;

PreferencesRepository::PreferencesRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{}

std::optional<QString> PreferencesRepository::value(const QString &key) const
{
    QSqlQuery query = prepare(m_database, QStringLiteral("SELECT value FROM preferences WHERE key = ?"));
    query.addBindValue(key);
    if (!query.exec() || !query.next())
        return std::nullopt;
    return query.value(0).toString();
}

QString PreferencesRepository::value(const QString &key, const QString &defaultValue) const
{
    return value(key).value_or(defaultValue);
}

bool PreferencesRepository::boolValue(const QString &key, bool defaultValue) const
{
    const std::optional<QString> stored = value(key);
    if (!stored)
        return defaultValue;
    return *stored == QLatin1String("1") || *stored == QLatin1String("true");
}

bool PreferencesRepository::setValue(const QString &key, const QString &value)
{
    QSqlQuery query =
        prepare(m_database, QStringLiteral("INSERT INTO preferences (key, value) VALUES (?, ?) ON "
                                           "CONFLICT(key) DO UPDATE SET value = excluded.value"));
    query.addBindValue(key);
    query.addBindValue(value);
    if (!query.exec())
        return false;
    emit changed(key);
    return true;
}

bool PreferencesRepository::setBool(const QString &key, bool value)
{
    return setValue(key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool PreferencesRepository::setInt(const QString &key, int value)
{
    return setValue(key, QString::number(value));
}

bool PreferencesRepository::remove(const QString &key)
{
    QSqlQuery query = prepare(m_database, QStringLiteral("DELETE FROM preferences WHERE key = ?"));
    query.addBindValue(key);
    return query.exec();
}
