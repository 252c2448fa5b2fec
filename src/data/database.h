#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>

#include <map>

// Owns the process's one SQLite connection (the toolkit's default connection, so code that asks
// the SQL module for its default connection gets this one) and brings its schema up to date.
// Everything runs on the GUI thread.
class Database : public QObject
{
    Q_OBJECT

public:
    explicit Database(QObject *parent = nullptr);
    ~Database() override;

    // How long a statement waits for another process's lock before it fails as "database is
    // locked": long enough to outlast another import, after which the failure is a storage error.
    static constexpr int busyTimeoutMs = 30000;

    // Opens the file with write-ahead logging and foreign keys on. False, with a critical log
    // line, when the file cannot be opened.
    bool open(const QString &path);
    // Opens an existing file for reading only (no migration, no write), for a data directory that
    // cannot be written. False, with a critical log line, when the file cannot be opened.
    bool openReadOnly(const QString &path);

    // True when every compiled-in migration has been applied, so a read-only connection may be used.
    bool isSchemaCurrent() const;

    // Applies every compiled-in migration newer than the stored schema version, each in its own
    // transaction together with its schema_version row. Stops at the first failure.
    bool runMigrations();

    // Applies one migration script; on any failure nothing of it remains.
    bool applyMigration(int version, const QString &name, const QString &sql);

    QSqlDatabase connection() const;
    // `sql` prepared once for the life of the connection. For the writes a bulk operation runs once
    // a row (an import, a sync page): preparing the statement anew each time costs about as much
    // as running it. Only for statements whose rows nobody reads (INSERT, UPDATE), so that no caller
    // still holds one when the next call runs it again. When preparing fails, the unprepared query
    // is returned uncached and its exec() reports the driver's error. The reference holds until the
    // next call.
    QSqlQuery &cachedStatement(const QString &sql) const;
    bool isOpen() const { return m_open; }
    bool isReadOnly() const { return m_readOnly; }

    // Splits a migration script into statements. A trigger body stays whole: statements inside
    // BEGIN ... END do not end the outer statement. Lines starting with "--" are dropped.
    static QStringList splitStatements(const QString &sql);

signals:
    void migrationApplied(int version, const QString &name);
    void migrationError(int version, const QString &error);

private:
    bool openWith(const QString &path, const QString &options);
    void ensureLookupIndexes();

    QString m_connectionName;
    mutable std::map<QString, QSqlQuery> m_statements;
    mutable QSqlQuery m_unprepared;
    bool m_open = false;
    bool m_readOnly = false;
};
