#pragma once

#include <QObject>
#include <QString>

#include <optional>

class Database;

// Key/value preferences stored in this data file's preferences table. Values are text: booleans
// "1"/"0", integers in decimal. Writes only return false on failure; they log nothing.
class PreferencesRepository : public QObject
{
    Q_OBJECT

public:
    explicit PreferencesRepository(Database *database, QObject *parent = nullptr);

    std::optional<QString> value(const QString &key) const; // absent when there is no row
    QString value(const QString &key, const QString &defaultValue) const;
    // "1" or "true" is true, any other stored text false; no row gives `defaultValue`.
    bool boolValue(const QString &key, bool defaultValue) const;

    bool setValue(const QString &key, const QString &value);
    bool setBool(const QString &key, bool value);
    bool setInt(const QString &key, int value);
    bool remove(const QString &key); // emits nothing

signals:
    void changed(const QString &key);

private:
    Database *m_database;
};
