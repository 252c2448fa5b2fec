#pragma once

#include <QObject>
#include <QString>

class Database;

// The composition root: owns the database and every repository and service for the whole run
// (as children) and hands out plain pointers. Screens never own what they get from here.
class AppState : public QObject
{
    Q_OBJECT

public:
    explicit AppState(const QString &dataDirectory, QObject *parent = nullptr);
    ~AppState() override;

    // Opens and migrates the database, then builds everything on top of it. False when the
    // database cannot be opened or migrated; then nothing else is constructed.
    bool initialize();

    QString dataDirectory() const { return m_dataDirectory; }
    Database *database() const { return m_database; }

signals:
    void databaseReady();

private:
    QString m_dataDirectory;
    Database *m_database = nullptr;
};
